// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_fputchar(int c)
{
    HANDLE console = ml::consoleOf(stdout);
    if (console == NULL)
        return _fputchar(c);
    return ml::writeConsoleByte(stdout, console, c);
}

} // extern "C"

// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_putchar(int c)
{
    HANDLE console = ml::consoleOf(stdout);
    if (console == NULL)
        return putchar(c);
    return ml::writeConsoleByte(stdout, console, c);
}

} // extern "C"

// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_fgetchar(void)
{
    HANDLE console = ml::consoleOf(stdin);
    if (console != NULL)
        return ml::readConsoleByte(stdin, console);
    return _fgetchar();
}

} // extern "C"

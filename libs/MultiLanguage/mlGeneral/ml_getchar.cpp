// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_getchar(void)
{
    HANDLE console = ml::consoleOf(stdin);
    if (console != NULL)
        return ml::readConsoleByte(stdin, console);
    return getchar();
}

} // extern "C"

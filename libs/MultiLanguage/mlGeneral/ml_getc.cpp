// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_getc(FILE *stream)
{
    HANDLE console = ml::consoleOf(stream);
    if (console != NULL)
        return ml::readConsoleByte(stream, console);
    return getc(stream);
}

} // extern "C"

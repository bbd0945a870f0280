// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_fgetc(FILE *stream)
{
    HANDLE console = ml::consoleOf(stream);
    if (console != NULL)
        return ml::readConsoleByte(stream, console);
    return fgetc(stream);
}

} // extern "C"

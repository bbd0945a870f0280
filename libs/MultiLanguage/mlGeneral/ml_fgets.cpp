// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

char *ml_fgets(char *buffer, int count, FILE *stream)
{
    HANDLE console = ml::consoleOf(stream);
    if (console != NULL)
        return ml::readConsoleLine(stream, console, buffer, count);
    return fgets(buffer, count, stream);
}

} // extern "C"

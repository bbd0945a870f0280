// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

size_t ml_fread(void *buffer, size_t size, size_t count, FILE *stream)
{
    HANDLE console = ml::consoleOf(stream);
    if (console == NULL || buffer == NULL || size == 0 || count > SIZE_MAX / size)
        return fread(buffer, size, count, stream);
    return ml::readConsoleBytes(stream, console, buffer, size * count) / size;
}

} // extern "C"

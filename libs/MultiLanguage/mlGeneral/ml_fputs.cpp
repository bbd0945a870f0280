// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_fputs(const char *str, FILE *stream)
{
    HANDLE console = ml::consoleOf(stream);
    if (console == NULL || str == NULL)
        return fputs(str, stream);
    const size_t length = strlen(str);
    return ml::writeConsole(stream, console, str, length) == length ? 0 : EOF;
}

} // extern "C"

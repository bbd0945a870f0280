// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_putc(int c, FILE *stream)
{
    HANDLE console = ml::consoleOf(stream);
    if (console == NULL)
        return putc(c, stream);
    return ml::writeConsoleByte(stream, console, c);
}

} // extern "C"

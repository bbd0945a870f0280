// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_fputc(int c, FILE *stream)
{
    HANDLE console = ml::consoleOf(stream);
    if (console == NULL)
        return fputc(c, stream);
    const unsigned char byte = static_cast<unsigned char>(c);
    return ml::writeConsole(stream, console, &byte, 1) == 1 ? byte : EOF;
}

} // extern "C"

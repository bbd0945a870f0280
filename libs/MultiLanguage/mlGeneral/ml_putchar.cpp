// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_putchar(int c)
{
    HANDLE console = ml::consoleOf(stdout);
    if (console == NULL)
        return putchar(c);
    const unsigned char byte = static_cast<unsigned char>(c);
    return ml::writeConsole(stdout, console, &byte, 1) == 1 ? byte : EOF;
}

} // extern "C"

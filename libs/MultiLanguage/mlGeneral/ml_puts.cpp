// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_puts(const char *str)
{
    HANDLE console = ml::consoleOf(stdout);
    if (console == NULL || str == NULL)
        return puts(str);
    ml::StreamLock lock(stdout); // the text and its line break together
    const size_t length = strlen(str);
    if (ml::writeConsole(stdout, console, str, length) != length || ml::writeConsole(stdout, console, "\n", 1) != 1)
        return EOF;
    return 0;
}

} // extern "C"

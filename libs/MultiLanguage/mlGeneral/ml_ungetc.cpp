// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_ungetc(int c, FILE *stream)
{
    HANDLE console = ml::consoleOf(stream);
    if (console != NULL)
        return ml::unreadConsoleByte(stream, console, c);
    return ungetc(c, stream);
}

} // extern "C"

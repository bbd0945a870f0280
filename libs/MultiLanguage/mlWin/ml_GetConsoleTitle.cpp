// Processes, synchronisation, environment and windows, in UTF-8.
#include "shared.h"

extern "C" {

DWORD ml_GetConsoleTitle(char *buffer, DWORD size)
{
    Wide title;
    const DWORD n = GetConsoleTitleW(title.out(), Wide::Units);
    if (n == 0)
        return 0;
    if (n >= DWORD(Wide::Units)) // the whole length; the text was cut
        return unfilled("ml_GetConsoleTitle has failed to convert at %d line, file: %s", __LINE__);
    if (buffer == NULL)
        return utf8Size(title.out());
    if (!toCaller(title.out(), buffer, size)) {
        ml_Logger("ml_GetConsoleTitle has failed to convert at %d line, file: %s", ML_AT);
        return utf8Size(title.out());
    }
    return utf8Length(title.out());
}

} // extern "C"

// Processes, synchronisation, environment and windows, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_SetConsoleTitle(const char *title)
{
    Wide wTitle;
    if (!wTitle.from(title)) {
        ml_Logger("ml_SetConsoleTitle has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return SetConsoleTitleW(wTitle.arg());
}

} // extern "C"

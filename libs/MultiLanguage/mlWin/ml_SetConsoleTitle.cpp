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

// What SetConsoleTitleA calls in a program built with the drop-in header.
__typeof__(SetConsoleTitleA) ml_SetConsoleTitleA;
BOOL WINAPI ml_SetConsoleTitleA(const char *title)
{
    return ml_SetConsoleTitle(title);
}
ML_IMPORT_POINTER(ml_SetConsoleTitleA, 4)

} // extern "C"

// Processes, synchronisation, environment and windows, in UTF-8.
#include "shared.h"

extern "C" {

HWND ml_FindWindow(const char *className, const char *windowName)
{
    Wide wClass, wWindow;
    int ok = 1;
    ok &= wClass.from(className);
    ok &= wWindow.from(windowName);
    if (!ok) {
        ml_Logger("ml_FindWindow has failed to convert at %d line, file: %s", ML_AT);
        return NULL;
    }
    return FindWindowW(wClass.arg(), wWindow.arg());
}

} // extern "C"

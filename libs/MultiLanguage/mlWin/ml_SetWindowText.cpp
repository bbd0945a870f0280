// Processes, synchronisation, environment and windows, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_SetWindowText(HWND window, const char *text)
{
    Wide wText;
    if (!wText.from(text)) {
        ml_Logger("ml_SetWindowText has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return SetWindowTextW(window, wText.arg());
}

// What SetWindowTextA calls in a program built with the drop-in header.
__typeof__(SetWindowTextA) ml_SetWindowTextA;
BOOL WINAPI ml_SetWindowTextA(HWND window, const char *text)
{
    return ml_SetWindowText(window, text);
}
ML_IMPORT_POINTER(ml_SetWindowTextA, 8)

} // extern "C"

// Processes, synchronisation, environment and windows, in UTF-8.
#include "shared.h"

extern "C" {

int ml_MessageBox(HWND owner, const char *text, const char *caption, UINT type)
{
    Wide wText, wCaption;
    int ok = 1;
    ok &= wText.fromOptional(text);
    ok &= wCaption.fromOptional(caption);
    if (!ok) {
        ml_Logger("ml_MessageBox has failed to convert at %d line, file: %s", ML_AT);
        return 0;
    }
    return MessageBoxW(owner, wText.arg(), wCaption.arg(), type);
}

// What MessageBoxA calls in a program built with the drop-in header.
__typeof__(MessageBoxA) ml_MessageBoxA;
int WINAPI ml_MessageBoxA(HWND owner, const char *text, const char *caption, UINT type)
{
    return ml_MessageBox(owner, text, caption, type);
}
ML_IMPORT_POINTER(ml_MessageBoxA, 16)

} // extern "C"

// Processes, synchronisation, environment and windows, in UTF-8.
#include "shared.h"

extern "C" {

int ml_GetWindowText(HWND window, char *buffer, int size)
{
    Wide text;
    const int n = GetWindowTextW(window, text.out(), Wide::Units);
    if (n == 0)
        return 0;
    // The platform cuts silently; only the length tells.
    if (n >= Wide::Units - 1 && fullLength(window) >= Wide::Units)
        return unfilled("ml_GetWindowText has failed to convert at %d line, file: %s", __LINE__);
    if (buffer == NULL)
        return utf8Length(text.out());
    if (!toCaller(text.out(), buffer, size)) {
        ml_Logger("ml_GetWindowText has failed to convert at %d line, file: %s", ML_AT);
        return 0;
    }
    return utf8Length(text.out());
}

// What GetWindowTextA calls in a program built with the drop-in header.
__typeof__(GetWindowTextA) ml_GetWindowTextA;
int WINAPI ml_GetWindowTextA(HWND window, char *buffer, int size)
{
    return ml_GetWindowText(window, buffer, size);
}
ML_IMPORT_POINTER(ml_GetWindowTextA, 12)

} // extern "C"

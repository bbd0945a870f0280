// Processes, synchronisation, environment and windows, in UTF-8.
#include "shared.h"

extern "C" {

HWND ml_CreateWindowEx(DWORD exStyle, const char *className, const char *windowName, DWORD style, int x, int y,
                       int width, int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param)
{
    Wide wClass, wWindow;
    int ok = 1;
    ok &= wClass.fromOptional(className);
    ok &= wWindow.fromOptional(windowName);
    if (!ok) {
        ml_Logger("ml_CreateWindowEx has failed to convert at %d line, file: %s", ML_AT);
        return NULL;
    }
    return CreateWindowExW(exStyle, wClass.arg(), wWindow.arg(), style, x, y, width, height, parent, menu, instance,
                           param);
}

} // extern "C"

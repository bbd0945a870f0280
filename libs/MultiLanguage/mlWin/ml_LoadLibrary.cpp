// Processes, synchronisation, environment and windows, in UTF-8.
#include "shared.h"

extern "C" {

HMODULE ml_LoadLibrary(const char *fileName)
{
    Wide wName;
    if (!wName.from(fileName)) {
        ml_Logger("ml_LoadLibrary has failed to convert at %d line, file: %s", ML_AT);
        return NULL;
    }
    return LoadLibraryW(wName.arg());
}

// What LoadLibraryA calls in a program built with the drop-in header.
__typeof__(LoadLibraryA) ml_LoadLibraryA;
HMODULE WINAPI ml_LoadLibraryA(const char *fileName)
{
    return ml_LoadLibrary(fileName);
}
ML_IMPORT_POINTER(ml_LoadLibraryA, 4)

} // extern "C"

// Processes, synchronisation, environment and windows, in UTF-8.
#include "shared.h"

extern "C" {

UINT ml_GetWindowsDirectory(char *buffer, UINT size)
{
    return systemFolder(GetWindowsDirectoryW, "ml_GetWindowsDirectory has failed to convert at %d line, file: %s",
                        buffer, size);
}

} // extern "C"

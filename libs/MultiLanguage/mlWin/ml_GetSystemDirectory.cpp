// Processes, synchronisation, environment and windows, in UTF-8.
#include "shared.h"

extern "C" {

UINT ml_GetSystemDirectory(char *buffer, UINT size)
{
    return systemFolder(GetSystemDirectoryW, "ml_GetSystemDirectory has failed to convert at %d line, file: %s", buffer,
                        size);
}

} // extern "C"

// Processes, synchronisation, environment and windows, in UTF-8.
#include "shared.h"

extern "C" {

char *ml_GetCommandLine(void)
{
    const WCHAR *line = GetCommandLineW();
    const int size = utf8Size(line) + 1;
    char *block = static_cast<char *>(malloc(size));
    if (block == NULL) {
        ml_Logger("ml_GetCommandLine has failed to alloc memory at %d line, file: %s", ML_AT);
        return NULL;
    }
    if (!ml_ConvertUTF16toUTF8(line, block, size)) {
        ml_Logger("ml_GetCommandLine has failed to convert at %d line, file: %s", ML_AT);
        LastErrorKeeper keep;
        free(block);
        return NULL;
    }
    return block;
}

} // extern "C"

// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_getArgv(WCHAR *const *argv, int index, char *buffer, unsigned int *size)
{
    if (argv == NULL || argv[index] == NULL || size == NULL)
        return 0;
    if (buffer == NULL) {
        *size = ml_GetUTF16toUTF8Size(argv[index]);
        return 0;
    }
    // A size of 0 would only measure and leave the buffer unwritten.
    if (*size == 0 || !ml_ConvertUTF16toUTF8(argv[index], buffer, ml::clampSize(*size))) {
        ml_Logger("ml_getArgv has failed to convert at %d line, file: %s", ML_AT);
        *size = ml_GetUTF16toUTF8Size(argv[index]);
        return 0;
    }
    return static_cast<int>(ml_strlen(buffer));
}

} // extern "C"

// Text conversions between UTF-8, UTF-16 and the ANSI or OEM code page.
#include "shared.h"

extern "C" {

int ml_ConvertInBufUTF16toUTF8(void *buf, unsigned int size)
{
    LastErrorKeeper keep;
    if (size > ML_MAX_CHAR) {
        ml_Logger("ml_ConvertInBufUTF16toUTF8 has failed to convert (buffer larger than ML_MAX_CHAR)at %d line, file: %s",
                  ML_AT);
        return 0;
    }
    char work[ML_MAX_CHAR];
    if (!ml_ConvertUTF16toUTF8(static_cast<const WCHAR *>(buf), work, static_cast<int>(size))) {
        ml_Logger("ml_ConvertInBufUTF16toUTF8 has failed to convert at %d line, file: %s", ML_AT);
        return 0;
    }
    if (size > 0)
        copyBack(buf, work, static_cast<unsigned int>(strlen(work)) + 1, size);
    return 1;
}

} // extern "C"

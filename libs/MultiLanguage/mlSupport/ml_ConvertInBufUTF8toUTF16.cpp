// Text conversions between UTF-8, UTF-16 and the ANSI or OEM code page.
#include "shared.h"

extern "C" {

int ml_ConvertInBufUTF8toUTF16(void *buf, unsigned int size)
{
    LastErrorKeeper keep;
    if (size > ML_MAX_CHAR) {
        ml_Logger("ml_ConvertInBufUTF8toUTF16 has failed to convert (buffer larger than ML_MAX_CHAR) at %d line, file: %s",
                  ML_AT);
        return 0;
    }
    WCHAR work[ML_MAX_CHAR];
    if (!ml_ConvertUTF8toUTF16(static_cast<const char *>(buf), work, size)) {
        ml_Logger("ml_ConvertInBufUTF8toUTF16 has failed to convert at %d line, file: %s", ML_AT);
        return 0;
    }
    if (size >= sizeof(WCHAR))
        copyBack(buf, work, static_cast<unsigned int>((wcslen(work) + 1) * sizeof(WCHAR)), size);
    return 1;
}

} // extern "C"

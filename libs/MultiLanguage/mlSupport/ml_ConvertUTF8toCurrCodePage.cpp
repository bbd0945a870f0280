// Text conversions between UTF-8, UTF-16 and the ANSI or OEM code page.
#include "shared.h"

extern "C" {

int ml_ConvertUTF8toCurrCodePage(const char *in, char *out, int outSize)
{
    LastErrorKeeper keep;
    if (in == NULL || out == NULL) {
        ml_Logger("ml_ConvertUTF8toCurrCodePage: NULL input parm at %d line, file: %s", ML_AT);
        return 0;
    }
    WCHAR work[ML_CONV_BUF_UNITS];
    if (!ml_ConvertUTF8toUTF16(in, work, sizeof work)) {
        ml_Logger("ml_ConvertUTF8toCurrCodePage: Failed to convert from utf8->16 at %d line, file: %s", ML_AT);
        return 0;
    }
    if (WideCharToMultiByte(CP_ACP, 0, work, -1, out, outSize, NULL, NULL) == 0) {
        ml_Logger("ml_ConvertUTF8toCurrCodePage has failed (WideCharToMultiByte) to convert at %d line, file: %s",
                  ML_AT);
        return 0;
    }
    return 1;
}

} // extern "C"

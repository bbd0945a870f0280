// Text conversions between UTF-8, UTF-16 and the ANSI or OEM code page.
#include "shared.h"

extern "C" {

int ml_ConvertCurrCodePagetoUTF8(const char *in, char *out, int outSize)
{
    LastErrorKeeper keep;
    if (in == NULL || out == NULL) {
        ml_Logger("ml_ConvertCurrCodePagetoUTF8: NULL input parm at %d line, file: %s", ML_AT);
        return 0;
    }
    WCHAR work[ML_CONV_BUF_UNITS];
    if (MultiByteToWideChar(CP_ACP, 0, in, -1, work, ML_CONV_BUF_UNITS) == 0) {
        ml_Logger("ml_ConvertCurrCodePagetoUTF8 has failed to convert at %d line, file: %s", ML_AT);
        return 0;
    }
    if (!ml_ConvertUTF16toUTF8(work, out, outSize)) {
        ml_Logger("ml_ConvertCurrCodePagetoUTF8: Failed to convert from utf16->8 at %d line, file: %s", ML_AT);
        return 0;
    }
    return 1;
}

} // extern "C"

// Text conversions between UTF-8, UTF-16 and the ANSI or OEM code page.
#include "shared.h"

extern "C" {

int ml_ConvertMultiSzUTF16toUTF8(const WCHAR *in, int inLen, char *out, int outSize)
{
    LastErrorKeeper keep;
    if (static_cast<const void *>(in) == static_cast<const void *>(out)) {
        ml_Logger("ml_ConvertMultiSzUTF16toUTF8 has failed to convert (both input are equal)at %d line, file: %s",
                  ML_AT);
        return 0;
    }
    if (in == NULL || out == NULL) {
        ml_Logger("ml_ConvertMultiSzUTF16toUTF8 has failed to convert (input is NULL)at %d line, file: %s", ML_AT);
        return 0;
    }
    if (inLen == 0 || (inLen < 0 && in[0] == L'\0')) {
        if (outSize >= 1)
            out[0] = '\0';
        return 1;
    }
    if (WideCharToMultiByte(CP_UTF8, 0, in, inLen, out, outSize, NULL, NULL) == 0) {
        ml_Logger("ml_ConvertMultiSzUTF16toUTF8 has failed to convert at %d line, file: %s", ML_AT);
        return 0;
    }
    return 1;
}

} // extern "C"

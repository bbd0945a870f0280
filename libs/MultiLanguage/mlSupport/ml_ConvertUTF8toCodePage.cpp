// Text conversions between UTF-8, UTF-16 and the ANSI or OEM code page.
#include "shared.h"

extern "C" {

int ml_ConvertUTF8toCodePage(const char *in, char *out, int outSize, int selector)
{
    LastErrorKeeper keep;
    if (in == NULL || out == NULL) {
        ml_Logger("ml_ConvertUTF8toCurrCodePage: NULL input parm at %d line, file: %s", ML_AT);
        return 0;
    }
    const unsigned int wideBytes = ml_GetUTF8toUTF16Size(in);
    WCHAR *wide = static_cast<WCHAR *>(malloc(wideBytes ? wideBytes : sizeof(WCHAR)));
    if (wide == NULL) {
        ml_Logger("ml_ConvertUTF8toCurrCodePage: Failed to allocate UTF16 buffer at %d line, file: %s", ML_AT);
        return 0;
    }
    int result = 0;
    if (!ml_ConvertUTF8toUTF16(in, wide, wideBytes)) {
        ml_Logger("ml_ConvertUTF8toCurrCodePage: Failed to convert from utf8->16 at %d line, file: %s", ML_AT);
    } else {
        const UINT codePage = selector == 0 ? CP_OEMCP : selector == 1 ? CP_ACP : static_cast<UINT>(-1);
        if (WideCharToMultiByte(codePage, 0, wide, -1, out, outSize, NULL, NULL) != 0)
            result = 1;
        else
            ml_Logger("ml_ConvertUTF8toCurrCodePage has failed (WideCharToMultiByte) to convert at %d line, file: %s, "
                      "bufferSize: %d",
                      ML_AT, static_cast<int>(wideBytes));
    }
    free(wide);
    return result;
}

} // extern "C"

// Text conversions between UTF-8, UTF-16 and the ANSI or OEM code page.
#include "shared.h"

extern "C" {

int ml_ConvertMultiSzUTF8toUTF16(const char *in, int inLen, WCHAR *out, unsigned int outSize)
{
    const DWORD entry = GetLastError();
    if (static_cast<const void *>(in) == static_cast<const void *>(out)) {
        ml_Logger("ml_ConvertMultiSzUTF8toUTF16 2 input are equal %d line, file: %s", ML_AT);
        SetLastError(entry);
        return 0;
    }
    if (in == NULL || out == NULL) {
        ml_Logger("ml_ConvertMultiSzUTF8toUTF16 input is NULL %d line, file: %s", ML_AT);
        SetLastError(entry);
        return 0;
    }
    // An empty text. An explicit length of 0 is one too, and its first byte
    // is not the caller's to read; a longer explicit range that begins with
    // a zero (an empty list) is converted whole below, so that every unit
    // it covers is written.
    if (inLen == 0 || (inLen < 0 && in[0] == '\0')) {
        // An output too small for the terminator only measures, as below.
        if (outSize >= sizeof(WCHAR))
            out[0] = L'\0';
        return 1;
    }
    if (MultiByteToWideChar(CP_UTF8, kFromUtf8Flags, in, inLen, out, static_cast<int>(outSize / 2)) == 0) {
        const DWORD error = GetLastError();
        ml_Logger("ml_ConvertMultiSzUTF8toUTF16 has failed to convert at %d line, file: %s. Error: %d", ML_AT,
                  static_cast<int>(error));
        SetLastError(error);
        return 0;
    }
    SetLastError(entry);
    return 1;
}

} // extern "C"

// Text conversions between UTF-8, UTF-16 and the ANSI or OEM code page.
#include "shared.h"

extern "C" {

int ml_ConvertUTF16toUTF8(const WCHAR *in, char *out, int outSize)
{
    return ml_ConvertMultiSzUTF16toUTF8(in, -1, out, outSize);
}

} // extern "C"

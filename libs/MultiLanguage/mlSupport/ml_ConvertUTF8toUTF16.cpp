// Text conversions between UTF-8, UTF-16 and the ANSI or OEM code page.
#include "shared.h"

extern "C" {

int ml_ConvertUTF8toUTF16(const char *in, WCHAR *out, unsigned int outSize)
{
    return ml_ConvertMultiSzUTF8toUTF16(in, -1, out, outSize);
}

} // extern "C"

// Text conversions between UTF-8, UTF-16 and the ANSI or OEM code page.
#include "shared.h"

extern "C" {

unsigned int ml_GetMultiSzUTF8toUTF16Size(const char *in, int inLen)
{
    LastErrorKeeper keep;
    // Measured as the conversion converts: what it refuses measures 0.
    return 2u * static_cast<unsigned int>(MultiByteToWideChar(CP_UTF8, kFromUtf8Flags, in, inLen, NULL, 0));
}

} // extern "C"

// Text conversions between UTF-8, UTF-16 and the ANSI or OEM code page.
#include "shared.h"

extern "C" {

unsigned int ml_GetMultiSzUTF8toUTF16Size(const char *in, int inLen)
{
    LastErrorKeeper keep;
    return 2u * static_cast<unsigned int>(MultiByteToWideChar(CP_UTF8, 0, in, inLen, NULL, 0));
}

} // extern "C"

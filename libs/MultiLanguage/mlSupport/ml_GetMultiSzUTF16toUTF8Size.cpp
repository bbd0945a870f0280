// Text conversions between UTF-8, UTF-16 and the ANSI or OEM code page.
#include "shared.h"

extern "C" {

unsigned int ml_GetMultiSzUTF16toUTF8Size(const WCHAR *in, int inLen)
{
    LastErrorKeeper keep;
    return static_cast<unsigned int>(WideCharToMultiByte(CP_UTF8, 0, in, inLen, NULL, 0, NULL, NULL));
}

} // extern "C"

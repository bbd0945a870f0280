// Text conversions between UTF-8, UTF-16 and the ANSI or OEM code page.
#include "shared.h"

extern "C" {

unsigned int ml_GetUTF8toUTF16Size(const char *in)
{
    return ml_GetMultiSzUTF8toUTF16Size(in, -1);
}

} // extern "C"

// Text conversions between UTF-8, UTF-16 and the ANSI or OEM code page.
#include "shared.h"

extern "C" {

unsigned int ml_GetUTF16toUTF8Size(const WCHAR *in)
{
    return ml_GetMultiSzUTF16toUTF8Size(in, -1);
}

} // extern "C"

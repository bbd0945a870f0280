// Text conversions between UTF-8, UTF-16 and the ANSI or OEM code page.
#include "shared.h"

extern "C" {

int ml_GetUTF8BomBytes(unsigned char *out, unsigned int *size)
{
    if (out == NULL || size == NULL || *size < 3)
        return 0;
    out[0] = 0xEF;
    out[1] = 0xBB;
    out[2] = 0xBF;
    *size = 3;
    return 3;
}

} // extern "C"

// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_GetUTF8CharBytes(const char *p)
{
    const unsigned char lead = static_cast<unsigned char>(*p);
    if ((lead & 0xF0) == 0xF0)
        return 4;
    if ((lead & 0xE0) == 0xE0)
        return 3;
    if ((lead & 0xC0) == 0xC0)
        return 2;
    return 1;
}

} // extern "C"

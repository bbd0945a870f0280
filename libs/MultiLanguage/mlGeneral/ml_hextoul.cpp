// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

unsigned long ml_hextoul(const char *text)
{
    if (text == NULL)
        return 0xFFFFFFFFul;
    unsigned long value = 0;
    for (const unsigned char *p = reinterpret_cast<const unsigned char *>(text);; ++p) {
        const int c = *p;
        if (c == '\0' || c == '/' || c == '\\' || c == ' ')
            return value;
        // Bytes from 0x80 on are no digits in any locale here.
        if (c >= 0x80)
            return 0xFFFFFFFFul;
        if (ml_isdigit(c))
            value = value * 16 + static_cast<unsigned long>(c - '0');
        else if (ml_isxdigit(c))
            value = value * 16 + static_cast<unsigned long>(ml_toupper(c) - 'A' + 10);
        else
            return 0xFFFFFFFFul;
    }
}

} // extern "C"

// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

size_t ml_GetUTF16Bytes(const WCHAR *text)
{
    return text == NULL ? 0 : 2 * wcslen(text);
}

} // extern "C"

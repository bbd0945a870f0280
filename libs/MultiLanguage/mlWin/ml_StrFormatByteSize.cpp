// Processes, synchronisation, environment and windows, in UTF-8.
#include "shared.h"

extern "C" {

char *ml_StrFormatByteSize(LONGLONG number, char *buffer, UINT size)
{
    WCHAR text[kShortUnits];
    if (StrFormatByteSizeW(number, text, kShortUnits) == NULL)
        return NULL;
    return toCaller(text, buffer, size) ? buffer : NULL;
}

} // extern "C"

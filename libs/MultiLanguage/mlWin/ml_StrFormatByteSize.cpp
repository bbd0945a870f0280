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

// What StrFormatByteSize64A calls in a program built with the drop-in header.
__typeof__(StrFormatByteSize64A) ml_StrFormatByteSize64A;
char *WINAPI ml_StrFormatByteSize64A(LONGLONG number, char *buffer, UINT size)
{
    return ml_StrFormatByteSize(number, buffer, size);
}
ML_IMPORT_POINTER(ml_StrFormatByteSize64A, 16)

} // extern "C"

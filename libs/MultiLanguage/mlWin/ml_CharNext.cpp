// Processes, synchronisation, environment and windows, in UTF-8.
#include "shared.h"

extern "C" {

char *ml_CharNext(const char *p)
{
    if (p == NULL || *p == '\0')
        return const_cast<char *>(p);
    const int bytes = ml_GetUTF8CharBytes(p);
    // A sequence cut short by the terminator ends at the terminator.
    int i = 1;
    while (i < bytes && p[i] != '\0')
        ++i;
    return const_cast<char *>(p + i);
}

// What CharNextA calls in a program built with the drop-in header.
__typeof__(CharNextA) ml_CharNextA;
char *WINAPI ml_CharNextA(const char *p)
{
    return ml_CharNext(p);
}
ML_IMPORT_POINTER(ml_CharNextA, 4)

} // extern "C"

// Processes, synchronisation, environment and windows, in UTF-8.
#include "shared.h"

extern "C" {

DWORD ml_FormatMessage(DWORD flags, LPCVOID source, DWORD messageId, DWORD languageId, LPSTR buffer, DWORD size,
                       va_list *arguments)
{
    return FormatMessageA(flags, source, messageId, languageId, buffer, size, arguments);
}

} // extern "C"

// Registry keys and values, in UTF-8.
#include "shared.h"

extern "C" {

LONG ml_RegSetKeySecurity(HKEY key, SECURITY_INFORMATION information, PSECURITY_DESCRIPTOR descriptor)
{
    return RegSetKeySecurity(key, information, descriptor);
}

} // extern "C"

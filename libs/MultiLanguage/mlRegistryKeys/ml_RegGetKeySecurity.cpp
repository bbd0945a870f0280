// Registry keys and values, in UTF-8.
#include "shared.h"

extern "C" {

LONG ml_RegGetKeySecurity(HKEY key, SECURITY_INFORMATION information, PSECURITY_DESCRIPTOR descriptor,
                          LPDWORD descriptorSize)
{
    return RegGetKeySecurity(key, information, descriptor, descriptorSize);
}

} // extern "C"

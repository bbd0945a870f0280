// Registry keys and values, in UTF-8.
#include "shared.h"

extern "C" {

LONG ml_RegNotifyChangeKeyValue(HKEY key, BOOL watchSubtree, DWORD filter, HANDLE event, BOOL asynchronous)
{
    return RegNotifyChangeKeyValue(key, watchSubtree, filter, event, asynchronous);
}

} // extern "C"

// Services, event log, device setup and installer, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_SetServiceStatus(SERVICE_STATUS_HANDLE status, LPSERVICE_STATUS serviceStatus)
{
    return SetServiceStatus(status, serviceStatus);
}

} // extern "C"

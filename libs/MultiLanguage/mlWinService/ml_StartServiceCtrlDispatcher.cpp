// Services, event log, device setup and installer, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_StartServiceCtrlDispatcher(const SERVICE_TABLE_ENTRYA *serviceTable)
{
    return StartServiceCtrlDispatcherA(serviceTable);
}

} // extern "C"

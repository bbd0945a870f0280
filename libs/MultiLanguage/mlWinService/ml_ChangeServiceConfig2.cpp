// Services, event log, device setup and installer, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_ChangeServiceConfig2(SC_HANDLE service, DWORD infoLevel, LPVOID info)
{
    if (info == NULL || (infoLevel != SERVICE_CONFIG_DESCRIPTION && infoLevel != SERVICE_CONFIG_FAILURE_ACTIONS))
        return ChangeServiceConfig2W(service, infoLevel, info);

    if (infoLevel == SERVICE_CONFIG_DESCRIPTION) {
        const SERVICE_DESCRIPTIONA *in = static_cast<const SERVICE_DESCRIPTIONA *>(info);
        Wide wDescription;
        if (!wDescription.fromOptional(in->lpDescription)) {
            ml_Logger("ml_ChangeServiceConfig2 has failed to convert at %d line, file: %s", ML_AT);
            return FALSE;
        }
        SERVICE_DESCRIPTIONW wide;
        wide.lpDescription = const_cast<LPWSTR>(wDescription.arg());
        return ChangeServiceConfig2W(service, infoLevel, &wide);
    }

    const SERVICE_FAILURE_ACTIONSA *in = static_cast<const SERVICE_FAILURE_ACTIONSA *>(info);
    Wide wCommand, wRebootMsg;
    int ok = 1;
    ok &= wCommand.fromOptional(in->lpCommand);
    ok &= wRebootMsg.fromOptional(in->lpRebootMsg);
    if (!ok) {
        ml_Logger("ml_ChangeServiceConfig2 has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    SERVICE_FAILURE_ACTIONSW wide;
    wide.dwResetPeriod = in->dwResetPeriod;
    wide.lpRebootMsg = const_cast<LPWSTR>(wRebootMsg.arg());
    wide.lpCommand = const_cast<LPWSTR>(wCommand.arg());
    wide.cActions = in->cActions;
    wide.lpsaActions = in->lpsaActions;
    return ChangeServiceConfig2W(service, infoLevel, &wide);
}

} // extern "C"

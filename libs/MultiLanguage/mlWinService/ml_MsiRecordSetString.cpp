// Services, event log, device setup and installer, in UTF-8.
#include "shared.h"

extern "C" {

UINT ml_MsiRecordSetString(MSIHANDLE record, UINT field, const char *value)
{
    Wide wValue;
    if (!wValue.fromOptional(value)) {
        ml_Logger("ml_MsiRecordSetString has failed to convert at %d line, file: %s", ML_AT);
        return ERROR_INVALID_PARAMETER;
    }
    return MsiRecordSetStringW(record, field, wValue.arg());
}

} // extern "C"

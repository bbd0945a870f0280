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

// What MsiRecordSetStringA calls in a program built with the drop-in header.
__typeof__(MsiRecordSetStringA) ml_MsiRecordSetStringA;
UINT WINAPI ml_MsiRecordSetStringA(MSIHANDLE record, UINT field, const char *value)
{
    return ml_MsiRecordSetString(record, field, value);
}
ML_IMPORT_POINTER(ml_MsiRecordSetStringA, 12)

} // extern "C"

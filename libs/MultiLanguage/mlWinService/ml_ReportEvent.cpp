// Services, event log, device setup and installer, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_ReportEvent(HANDLE eventLog, WORD type, WORD category, DWORD eventId, PSID userSid, WORD numStrings,
                    DWORD dataSize, const char **strings, LPVOID rawData)
{
    if (strings == NULL || numStrings == 0)
        return ReportEventW(eventLog, type, category, eventId, userSid, numStrings, dataSize, NULL, rawData);

    HeapStrings wStrings;
    if (!wStrings.allocate(numStrings)) {
        ml_Logger("ml_ReportEvent has failed to convert 1 at %d line, file: %s", ML_AT);
        return FALSE;
    }
    for (WORD i = 0; i < numStrings; ++i) {
        if (strings[i] == NULL)
            continue;
        if (!wStrings.allocateBlock(i)) {
            ml_Logger("ml_ReportEvent has failed to convert 2 at %d line, file: %s", ML_AT);
            return FALSE;
        }
        if (!wStrings.convert(i, strings[i])) {
            ml_Logger("ml_ReportEvent has failed to convert 3 at %d line, file: %s", ML_AT);
            return FALSE;
        }
    }
    return ReportEventW(eventLog, type, category, eventId, userSid, numStrings, dataSize, wStrings.array(), rawData);
}

// What ReportEventA calls in a program built with the drop-in header.
__typeof__(ReportEventA) ml_ReportEventA;
BOOL WINAPI ml_ReportEventA(HANDLE eventLog, WORD type, WORD category, DWORD eventId, PSID userSid, WORD numStrings,
                            DWORD dataSize, const char **strings, LPVOID rawData)
{
    return ml_ReportEvent(eventLog, type, category, eventId, userSid, numStrings, dataSize, strings, rawData);
}
ML_IMPORT_POINTER(ml_ReportEventA, 36)

} // extern "C"

// Accounts, security, network and time zone, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_SystemTimeToTzSpecificLocalTime(const ML_TIME_ZONE_INFORMATION *zone, const SYSTEMTIME *universalTime,
                                        LPSYSTEMTIME localTime)
{
    TIME_ZONE_INFORMATION wide;
    if (zone != NULL) {
        wide.Bias = zone->Bias;
        wide.DaylightBias = zone->DaylightBias;
        wide.DaylightDate = zone->DaylightDate;
        wide.StandardBias = zone->StandardBias;
        wide.StandardDate = zone->StandardDate;
        int ok = 1;
        ok &= zoneNameToWide(zone->DaylightName, wide.DaylightName);
        ok &= zoneNameToWide(zone->StandardName, wide.StandardName);
        if (!ok) {
            ml_Logger("ml_SystemTimeToTzSpecificLocalTime has failed to convert at %d line, file: %s", ML_AT);
            return FALSE;
        }
    }
    return SystemTimeToTzSpecificLocalTime(zone != NULL ? &wide : NULL, universalTime, localTime);
}

} // extern "C"

// Accounts, security, network and time zone, in UTF-8.
#include "shared.h"

extern "C" {

DWORD ml_GetTimeZoneInformation(ML_TIME_ZONE_INFORMATION *zone)
{
    // The platform writes through a NULL record; the id alone comes from a
    // record of our own.
    TIME_ZONE_INFORMATION wide;
    const DWORD id = GetTimeZoneInformation(&wide);
    if (id == TIME_ZONE_ID_INVALID || zone == NULL)
        return id;

    zone->Bias = wide.Bias;
    zone->DaylightBias = wide.DaylightBias;
    zone->DaylightDate = wide.DaylightDate;
    zone->StandardBias = wide.StandardBias;
    zone->StandardDate = wide.StandardDate;
    int ok = 1;
    ok &= zoneNameToUtf8(wide.DaylightName, zone->DaylightName);
    ok &= zoneNameToUtf8(wide.StandardName, zone->StandardName);
    if (!ok) {
        ml_Logger("ml_GetTimeZoneInformation has failed to convert at %d line, file: %s", ML_AT);
        return TIME_ZONE_ID_INVALID;
    }
    return id;
}

} // extern "C"

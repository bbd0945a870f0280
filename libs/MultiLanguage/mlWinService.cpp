// Services, event log, device setup and installer, in UTF-8.
#include <MultiLanguage/mlWin.h>

#include "mlFacade.h"

#include <MultiLanguage/mlGeneral.h>

#include <msiquery.h>

using ml::LastErrorKeeper;
using ml::Wide;

namespace {

// Bytes of a list of zero-terminated names closed by an empty name, both
// closing zeros counted. Reads nothing past the closing zero.
int listBytes(const char *list)
{
    const char *p = list;
    while (*p != '\0')
        p += ml_strlen(p) + 1;
    return static_cast<int>(p - list) + 1;
}

// A dependency list in its wide form, carried whole (every name and the
// closing empty name); NULL passes on as NULL.
class WideList {
public:
    WideList() : m_null(true) {}

    bool fromOptional(const char *list)
    {
        m_null = list == NULL;
        if (m_null)
            return true;
        return ml_ConvertMultiSzUTF8toUTF16(list, listBytes(list), m_wide.out(), Wide::Bytes) != 0;
    }

    const WCHAR *arg() { return m_null ? NULL : m_wide.out(); }

private:
    Wide m_wide;
    bool m_null;
};

// The wide strings of ml_ReportEvent and ml_StartService: a heap array with
// one pointer per string and a 4096-byte heap block per converted string,
// of which the conversion may fill 2048 bytes (1024 units with the zero).
// Everything is released when the scope ends, keeping the last error.
class HeapStrings {
public:
    enum { BlockBytes = 4096, ConvertBytes = 2048 };

    HeapStrings() : m_items(NULL), m_count(0) {}
    ~HeapStrings()
    {
        LastErrorKeeper keep;
        if (m_items == NULL)
            return;
        for (size_t i = 0; i < m_count; ++i)
            free(m_items[i]);
        free(m_items);
    }

    // count entries of the platform's pointer size, every one NULL.
    bool allocate(size_t count)
    {
        m_items = static_cast<WCHAR **>(calloc(count, sizeof(WCHAR *)));
        m_count = m_items != NULL ? count : 0;
        return m_items != NULL;
    }

    bool allocateBlock(size_t i)
    {
        m_items[i] = static_cast<WCHAR *>(malloc(BlockBytes));
        return m_items[i] != NULL;
    }

    bool convert(size_t i, const char *utf8)
    {
        return ml_ConvertUTF8toUTF16(utf8, m_items[i], ConvertBytes) != 0;
    }

    LPCWSTR *array() { return const_cast<LPCWSTR *>(m_items); }

    HeapStrings(const HeapStrings &) = delete;
    HeapStrings &operator=(const HeapStrings &) = delete;

private:
    WCHAR **m_items;
    size_t m_count;
};

// UTF-8 size of a wide result, its zero included.
DWORD utf8Size(const WCHAR *wide)
{
    return ml_GetUTF16toUTF8Size(wide);
}

DWORD larger(DWORD a, DWORD b)
{
    return a > b ? a : b;
}

// What ml_SetupCopyOEMInf and ml_SetupDiGetDeviceInstanceId do after the
// platform wrote a name into wide: the UTF-8 size into *requiredSize, and
// the name into the caller's buffer when there is one.
bool deliverName(const Wide &wide, char *buffer, DWORD size, PDWORD requiredSize)
{
    if (requiredSize != NULL)
        *requiredSize = utf8Size(wide.arg());
    return buffer == NULL || ml::toCaller(wide.arg(), buffer, size);
}

// One text output of ml_MsiGetFileVersion. When the caller gave its size
// the platform gets the whole wide buffer, so the text is there to measure.
class VersionText {
public:
    enum Outcome { Delivered, SizeOnly, NotConverted };

    VersionText(char *buffer, LPDWORD size) : m_buffer(buffer), m_size(size), m_units(Wide::Units)
    {
        m_wide.out()[0] = L'\0';
    }

    WCHAR *platformBuffer() { return m_buffer != NULL || m_size != NULL ? m_wide.out() : NULL; }
    LPDWORD platformSize() { return m_size != NULL ? &m_units : NULL; }

    // After the platform succeeded: the text into the caller's buffer and
    // its UTF-8 size with the zero into the caller's size. A buffer with
    // size 0 only asks for the size.
    Outcome deliver()
    {
        if (m_size == NULL)
            return Delivered;
        const DWORD needed = utf8Size(m_wide.arg());
        Outcome outcome = Delivered;
        if (m_buffer != NULL)
            outcome = *m_size == 0 ? SizeOnly : m_wide.to(m_buffer, ml::clampSize(*m_size)) ? Delivered : NotConverted;
        *m_size = needed;
        return outcome;
    }

    VersionText(const VersionText &) = delete;
    VersionText &operator=(const VersionText &) = delete;

private:
    char *m_buffer;
    LPDWORD m_size;
    DWORD m_units;
    Wide m_wide;
};

} // namespace

extern "C" {

// ---- Service control manager and services -----------------------------------

SC_HANDLE ml_OpenSCManager(const char *machineName, const char *databaseName, DWORD desiredAccess)
{
    Wide wMachine, wDatabase;
    int ok = 1;
    ok &= wMachine.fromOptional(machineName);
    ok &= wDatabase.fromOptional(databaseName);
    if (!ok) {
        ml_Logger("ml_OpenSCManager has failed to convert at %d line, file: %s", ML_AT);
        return NULL;
    }
    return OpenSCManagerW(wMachine.arg(), wDatabase.arg(), desiredAccess);
}

SC_HANDLE ml_OpenService(SC_HANDLE manager, const char *serviceName, DWORD desiredAccess)
{
    Wide wName;
    if (!wName.fromOptional(serviceName)) {
        ml_Logger("ml_OpenService has failed to convert at %d line, file: %s", ML_AT);
        return NULL;
    }
    return OpenServiceW(manager, wName.arg(), desiredAccess);
}

SC_HANDLE ml_CreateService(SC_HANDLE manager, const char *serviceName, const char *displayName, DWORD desiredAccess,
                           DWORD serviceType, DWORD startType, DWORD errorControl, const char *binaryPathName,
                           const char *loadOrderGroup, LPDWORD tagId, const char *dependencies,
                           const char *serviceStartName, const char *password)
{
    Wide wName, wDisplay, wBinary, wGroup, wStartName, wPassword;
    WideList wDependencies;
    int ok = 1;
    ok &= wName.fromOptional(serviceName);
    ok &= wDisplay.fromOptional(displayName);
    ok &= wBinary.fromOptional(binaryPathName);
    ok &= wGroup.fromOptional(loadOrderGroup);
    ok &= wDependencies.fromOptional(dependencies);
    ok &= wStartName.fromOptional(serviceStartName);
    ok &= wPassword.fromOptional(password);
    if (!ok) {
        ml_Logger("ml_CreateService has failed to convert at %d line, file: %s", ML_AT);
        return NULL;
    }
    return CreateServiceW(manager, wName.arg(), wDisplay.arg(), desiredAccess, serviceType, startType, errorControl,
                          wBinary.arg(), wGroup.arg(), tagId, wDependencies.arg(), wStartName.arg(), wPassword.arg());
}

BOOL ml_ChangeServiceConfig(SC_HANDLE service, DWORD serviceType, DWORD startType, DWORD errorControl,
                            const char *binaryPathName, const char *loadOrderGroup, LPDWORD tagId,
                            const char *dependencies, const char *serviceStartName, const char *password,
                            const char *displayName)
{
    Wide wBinary, wGroup, wStartName, wPassword, wDisplay;
    WideList wDependencies;
    int ok = 1;
    ok &= wBinary.fromOptional(binaryPathName);
    ok &= wGroup.fromOptional(loadOrderGroup);
    ok &= wDependencies.fromOptional(dependencies);
    ok &= wStartName.fromOptional(serviceStartName);
    ok &= wPassword.fromOptional(password);
    ok &= wDisplay.fromOptional(displayName);
    if (!ok) {
        ml_Logger("ml_ChangeServiceConfig has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return ChangeServiceConfigW(service, serviceType, startType, errorControl, wBinary.arg(), wGroup.arg(), tagId,
                                wDependencies.arg(), wStartName.arg(), wPassword.arg(), wDisplay.arg());
}

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

BOOL ml_GetServiceKeyName(SC_HANDLE manager, const char *displayName, char *serviceName, LPDWORD size)
{
    Wide wDisplay;
    if (!wDisplay.from(displayName)) {
        ml_Logger("ml_GetServiceKeyName has failed to convert 1 at %d line, file: %s", ML_AT);
        return FALSE;
    }
    if (size == NULL)
        return GetServiceKeyNameW(manager, wDisplay.arg(), NULL, NULL);

    // Bytes to characters, never more than the wide buffer holds.
    const DWORD kept = *size;
    DWORD units = kept / 2 < DWORD(Wide::Units) ? kept / 2 : DWORD(Wide::Units);
    Wide key;
    key.out()[0] = L'\0';
    if (!GetServiceKeyNameW(manager, wDisplay.arg(), key.out(), &units)) {
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER)
            return FALSE;
        // units is the name's length without its zero. A retry needs room
        // for the zero in characters and for the UTF-8 form in bytes; the
        // name itself tells the latter, or 3 bytes per unit at most.
        LastErrorKeeper keep;
        const DWORD length = units;
        DWORD whole = Wide::Units;
        const DWORD bytes = GetServiceKeyNameW(manager, wDisplay.arg(), key.out(), &whole) ? utf8Size(key.arg())
                                                                                            : 3 * length + 1;
        *size = larger(2 * (length + 1), bytes);
        return FALSE;
    }
    if (!ml::toCaller(key.arg(), serviceName, kept)) {
        *size = larger(2 * (units + 1), utf8Size(key.arg()));
        ml_Logger("ml_GetServiceKeyName has failed to convert 2 at %d line, file: %s", ML_AT);
        return FALSE;
    }
    *size = utf8Size(key.arg()) - 1;
    return TRUE;
}

BOOL ml_StartService(SC_HANDLE service, DWORD argCount, const char **args)
{
    if (args == NULL || argCount == 0)
        return StartServiceW(service, argCount, NULL);

    HeapStrings wArgs;
    if (!wArgs.allocate(argCount)) {
        ml_Logger("ml_StartService has failed to convert 1 at %d line, file: %s", ML_AT);
        return FALSE;
    }
    for (DWORD i = 0; i < argCount; ++i) {
        if (!wArgs.allocateBlock(i)) {
            ml_Logger("ml_StartService has failed to convert 2 at %d line, file: %s", ML_AT);
            return FALSE;
        }
    }
    int ok = 1;
    for (DWORD i = 0; i < argCount; ++i)
        ok &= wArgs.convert(i, args[i]);
    if (!ok) {
        ml_Logger("ml_StartService has failed to convert 3 at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return StartServiceW(service, argCount, wArgs.array());
}

SERVICE_STATUS_HANDLE ml_RegisterServiceCtrlHandler(const char *serviceName, LPHANDLER_FUNCTION handler)
{
    Wide wName;
    if (!wName.fromOptional(serviceName)) {
        ml_Logger("ml_RegisterServiceCtrlHandler has failed to convert at %d line, file: %s", ML_AT);
        return 0;
    }
    return RegisterServiceCtrlHandlerW(wName.arg(), handler);
}

BOOL ml_SetServiceStatus(SERVICE_STATUS_HANDLE status, LPSERVICE_STATUS serviceStatus)
{
    return SetServiceStatus(status, serviceStatus);
}

BOOL ml_StartServiceCtrlDispatcher(const SERVICE_TABLE_ENTRYA *serviceTable)
{
    return StartServiceCtrlDispatcherA(serviceTable);
}

BOOL ml_EnumDependentServices(SC_HANDLE service, DWORD serviceState, LPENUM_SERVICE_STATUSA services, DWORD bufSize,
                              LPDWORD bytesNeeded, LPDWORD servicesReturned)
{
    return EnumDependentServicesA(service, serviceState, services, bufSize, bytesNeeded, servicesReturned);
}

// ---- Event log ------------------------------------------------------------------

HANDLE ml_OpenEventLog(const char *serverName, const char *sourceName)
{
    Wide wServer, wSource;
    int ok = 1;
    ok &= wServer.fromOptional(serverName);
    ok &= wSource.fromOptional(sourceName);
    if (!ok) {
        ml_Logger("ml_OpenEventLog has failed to convert at %d line, file: %s", ML_AT);
        return NULL;
    }
    return OpenEventLogW(wServer.arg(), wSource.arg());
}

HANDLE ml_RegisterEventSource(const char *serverName, const char *sourceName)
{
    Wide wServer, wSource;
    int ok = 1;
    ok &= wServer.fromOptional(serverName);
    ok &= wSource.fromOptional(sourceName);
    if (!ok) {
        ml_Logger("ml_RegisterEventSource has failed to convert at %d line, file: %s", ML_AT);
        return NULL;
    }
    return RegisterEventSourceW(wServer.arg(), wSource.arg());
}

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

BOOL ml_ReadEventLog(HANDLE eventLog, DWORD readFlags, DWORD recordOffset, LPVOID buffer, DWORD bytesToRead,
                     DWORD *bytesRead, DWORD *minBytesNeeded)
{
    return ReadEventLogA(eventLog, readFlags, recordOffset, buffer, bytesToRead, bytesRead, minBytesNeeded);
}

// ---- Device setup -----------------------------------------------------------------

BOOL ml_SetupCopyOEMInf(const char *sourceInfFileName, const char *oemSourceMediaLocation, DWORD oemSourceMediaType,
                        DWORD copyStyle, char *dest, DWORD destSize, PDWORD requiredSize)
{
    Wide wSource, wMedia;
    int ok = 1;
    ok &= wSource.fromOptional(sourceInfFileName);
    ok &= wMedia.fromOptional(oemSourceMediaLocation);
    if (!ok) {
        ml_Logger("ml_SetupCopyOEMInf has failed to convert 1 at %d line, file: %s", ML_AT);
        return FALSE;
    }
    // The name always comes into the wide buffer, so its UTF-8 size can be
    // told also to a caller who gave no buffer.
    Wide name;
    name.out()[0] = L'\0';
    if (!SetupCopyOEMInfW(wSource.arg(), wMedia.arg(), oemSourceMediaType, copyStyle, name.out(), Wide::Units,
                          requiredSize, NULL))
        return FALSE;
    if (!deliverName(name, dest, destSize, requiredSize)) {
        ml_Logger("ml_SetupCopyOEMInf has failed to convert 2 at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return TRUE;
}

BOOL ml_SetupDiGetDeviceInstanceId(HDEVINFO deviceInfoSet, PSP_DEVINFO_DATA deviceInfoData, char *id, DWORD idSize,
                                   PDWORD requiredSize)
{
    Wide wide;
    wide.out()[0] = L'\0';
    if (!SetupDiGetDeviceInstanceIdW(deviceInfoSet, deviceInfoData, wide.out(), Wide::Units, requiredSize))
        return FALSE;
    if (!deliverName(wide, id, idSize, requiredSize)) {
        ml_Logger("ml_SetupDiGetDeviceInstanceId has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return TRUE;
}

// ---- Installer ----------------------------------------------------------------------

UINT ml_MsiGetProperty(MSIHANDLE install, const char *name, char *value, LPDWORD size)
{
    Wide wName;
    if (!wName.fromOptional(name)) {
        ml_Logger("ml_MsiGetProperty has failed to convert at %d line, file: %s", ML_AT);
        return ERROR_INVALID_PARAMETER;
    }
    // The value always comes whole into the wide buffer when the caller
    // wants it or its size, so what comes back is a UTF-8 size.
    Wide wValue;
    wValue.out()[0] = L'\0';
    DWORD units = Wide::Units;
    const bool wanted = value != NULL || size != NULL;
    const UINT result =
        MsiGetPropertyW(install, wName.arg(), wanted ? wValue.out() : NULL, size != NULL ? &units : NULL);
    if (result == ERROR_MORE_DATA && size != NULL)
        *size = 2 * units; // 2048 units or more: no buffer of ours holds it
    if (result != ERROR_SUCCESS || size == NULL)
        return result;

    const DWORD needed = utf8Size(wValue.arg());
    if (value == NULL || *size == 0) {
        *size = larger(2 * units, needed);
        return value == NULL ? ERROR_SUCCESS : ERROR_MORE_DATA;
    }
    const bool converted = wValue.to(value, ml::clampSize(*size));
    *size = needed;
    return converted ? ERROR_SUCCESS : ERROR_MORE_DATA;
}

UINT ml_MsiSetProperty(MSIHANDLE install, const char *name, const char *value)
{
    Wide wName, wValue;
    int ok = 1;
    ok &= wName.fromOptional(name);
    ok &= wValue.fromOptional(value);
    if (!ok) {
        ml_Logger("ml_MsiSetProperty has failed to convert at %d line, file: %s", ML_AT);
        return ERROR_INVALID_PARAMETER;
    }
    return MsiSetPropertyW(install, wName.arg(), wValue.arg());
}

UINT ml_MsiRecordSetString(MSIHANDLE record, UINT field, const char *value)
{
    Wide wValue;
    if (!wValue.fromOptional(value)) {
        ml_Logger("ml_MsiRecordSetString has failed to convert at %d line, file: %s", ML_AT);
        return ERROR_INVALID_PARAMETER;
    }
    return MsiRecordSetStringW(record, field, wValue.arg());
}

UINT ml_MsiGetFileVersion(const char *path, char *version, LPDWORD versionSize, char *language, LPDWORD languageSize)
{
    Wide wPath;
    if (!wPath.fromOptional(path)) {
        ml_Logger("ml_MsiGetFileVersion has failed to convert at %d line, file: %s", ML_AT);
        return ERROR_INVALID_PARAMETER;
    }
    VersionText wVersion(version, versionSize), wLanguage(language, languageSize);
    const UINT result = MsiGetFileVersionW(wPath.arg(), wVersion.platformBuffer(), wVersion.platformSize(),
                                           wLanguage.platformBuffer(), wLanguage.platformSize());
    if (result != ERROR_SUCCESS)
        return result;

    const VersionText::Outcome first = wVersion.deliver();
    const VersionText::Outcome second = wLanguage.deliver();
    if (first == VersionText::NotConverted || second == VersionText::NotConverted) {
        ml_Logger("ml_MsiGetFileVersion has failed to convert at %d line, file: %s", ML_AT);
        return static_cast<UINT>(E_FAIL);
    }
    if (first == VersionText::SizeOnly || second == VersionText::SizeOnly)
        return ERROR_MORE_DATA;
    return ERROR_SUCCESS;
}

} // extern "C"

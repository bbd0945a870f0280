// Accounts, security, network and time zone, in UTF-8.
#include <MultiLanguage/mlWin.h>

#include "mlFacade.h"

#include <lm.h>
#include <stdio.h>
#include <string.h>

using ml::Wide;

// From the cluster library, whose header does not build here.
extern "C" HCLUSTER WINAPI OpenCluster(LPCWSTR clusterName);

namespace {

// The UTF-8 host name that a lookup hands back, beside the platform's entry.
const int kHostNameBytes = 520;

struct ThreadHost {
    hostent entry;
    char name[kHostNameBytes];
};

// Each thread's own last lookup; zero when the thread starts.
thread_local ThreadHost t_host;

// The UTF-16 text into a caller's UTF-8 buffer of *size bytes; *size becomes
// the UTF-8 size the text needs, terminator included, whether it fit or not.
// A size of 0 is too small: the conversion would only measure.
bool toCallerWithSize(Wide &text, char *out, DWORD *size)
{
    if (size == NULL)
        return false;
    const bool converted = ml::toCaller(text.out(), out, *size);
    *size = ml_GetUTF16toUTF8Size(text.out());
    return converted;
}

// A 32-unit name of the platform's zone record, terminated even when it
// fills all 32 units, into 128 bytes of UTF-8.
bool zoneNameToUtf8(const WCHAR (&name)[32], char (&out)[128])
{
    WCHAR terminated[33];
    memcpy(terminated, name, sizeof name);
    terminated[32] = 0;
    return ml_ConvertUTF16toUTF8(terminated, out, sizeof out) != 0;
}

// A caller's 128-byte UTF-8 zone name into the platform's 32 units; a name
// not terminated within its field is refused instead of read past it.
bool zoneNameToWide(const char (&name)[128], WCHAR (&out)[32])
{
    if (memchr(name, 0, sizeof name) == NULL)
        return false;
    return ml_ConvertUTF8toUTF16(name, out, sizeof out) != 0;
}

// The part of an account name after its first backslash, or all of it.
const char *accountPart(const char *accountName)
{
    const char *slash = strchr(accountName, '\\');
    return slash == NULL ? accountName : slash + 1;
}

bool isEveryOne(const char *name)
{
    const char everyOne[] = "everyone";
    for (size_t i = 0; i < sizeof everyOne; ++i) {
        char c = name[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != everyOne[i])
            return false;
        // Both ended together.
        if (c == 0)
            return true;
    }
    return false;
}

// The world SID answered for "EveryOne" without a name lookup. True when it
// was answered: *result is TRUE with the SID stored, or FALSE with the last
// error 122 when the caller's SID buffer is too small. False when the
// platform lookup has to run instead.
bool answerEveryOne(const char *systemName, PSID sid, LPDWORD sidSize, char *domain, LPDWORD domainSize,
                    PSID_NAME_USE use, BOOL *result)
{
    SID_IDENTIFIER_AUTHORITY world = {SECURITY_WORLD_SID_AUTHORITY};
    PSID everyone = NULL;
    if (!AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone))
        return false;

    // A size of its own, so a failed attempt never enlarges the caller's
    // size for the platform lookup that follows.
    char localDomain[520];
    char *chosenDomain = domain != NULL ? domain : localDomain;
    DWORD chosenSize = domain == NULL ? sizeof localDomain : domainSize != NULL ? *domainSize : 0;
    char name[2048];
    DWORD nameSize = sizeof name;
    if (ml_LookupAccountSid(systemName, everyone, name, &nameSize, chosenDomain, &chosenSize, use) != 1) {
        FreeSid(everyone);
        return false;
    }

    const DWORD length = GetLengthSid(everyone);
    const bool fits = sidSize != NULL && sid != NULL && *sidSize >= length;
    if (sidSize != NULL)
        *sidSize = length;
    if (fits)
        memcpy(sid, everyone, length);
    FreeSid(everyone);
    if (domain != NULL && domainSize != NULL)
        *domainSize = chosenSize;
    if (!fits)
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
    *result = fits ? TRUE : FALSE;
    return true;
}

} // namespace

extern "C" {

// ---- Network shares and connections ------------------------------------------

NET_API_STATUS ml_NetUseDel(const char *server, const char *useName, DWORD forceCond)
{
    Wide wServer, wUse;
    int ok = 1;
    ok &= wServer.fromOptional(server);
    ok &= wUse.fromOptional(useName);
    if (!ok) {
        ml_Logger("ml_NetUseDel has failed to convert at %d line, file: %s", ML_AT);
        return static_cast<NET_API_STATUS>(-1);
    }
    return NetUseDel(const_cast<LMSTR>(wServer.arg()), const_cast<LMSTR>(wUse.arg()), forceCond);
}

NET_API_STATUS ml_NetShareCheck(const char *server, const char *device, LPDWORD type)
{
    Wide wServer, wDevice;
    int ok = 1;
    ok &= wServer.fromOptional(server);
    ok &= wDevice.fromOptional(device);
    if (!ok) {
        ml_Logger("ml_NetShareCheck has failed to convert at %d line, file: %s", ML_AT);
        return static_cast<NET_API_STATUS>(-1);
    }
    const NET_API_STATUS status = NetShareCheck(const_cast<LMSTR>(wServer.arg()), const_cast<LMSTR>(wDevice.arg()), type);
    if (status != 0) {
        const DWORD error = GetLastError();
        ml_Logger("ml_NetShareCheck: NetShareCheck failed for server: %s, device: %s , error:%d", server, device,
                  static_cast<int>(error));
    }
    return status;
}

NET_API_STATUS ml_NetRenameMachineInDomain(const char *server, const char *newMachineName, const char *account,
                                           const char *password, DWORD options)
{
    Wide wServer, wName, wAccount, wPassword;
    int ok = 1;
    ok &= wServer.fromOptional(server);
    ok &= wName.fromOptional(newMachineName);
    ok &= wAccount.fromOptional(account);
    ok &= wPassword.fromOptional(password);
    if (!ok) {
        ml_Logger("ml_NetRenameMachineInDomain has failed to convert at %d line, file: %s", ML_AT);
        return static_cast<NET_API_STATUS>(-1);
    }
    return NetRenameMachineInDomain(wServer.arg(), wName.arg(), wAccount.arg(), wPassword.arg(), options);
}

NET_API_STATUS ml_NetShareDel(const char *server, const char *shareName, DWORD reserved)
{
    Wide wServer, wShare;
    int ok = 1;
    ok &= wServer.fromOptional(server);
    ok &= wShare.fromOptional(shareName);
    if (!ok) {
        ml_Logger("ml_NetShareDel has failed to convert at %d line, file: %s", ML_AT);
        return static_cast<NET_API_STATUS>(-1);
    }
    return NetShareDel(const_cast<LMSTR>(wServer.arg()), const_cast<LMSTR>(wShare.arg()), reserved);
}

NET_API_STATUS ml_NetUserChangePassword(const char *domain, const char *userName, const char *oldPassword,
                                        const char *newPassword)
{
    Wide wDomain, wUser, wOld, wNew;
    int ok = 1;
    ok &= wDomain.fromOptional(domain);
    ok &= wUser.fromOptional(userName);
    ok &= wOld.fromOptional(oldPassword);
    ok &= wNew.fromOptional(newPassword);
    if (!ok) {
        ml_Logger("ml_NetUserChangePassword has failed to convert at %d line, file: %s", ML_AT);
        return static_cast<NET_API_STATUS>(-1);
    }
    return NetUserChangePassword(wDomain.arg(), wUser.arg(), wOld.arg(), wNew.arg());
}

NET_API_STATUS ml_NetShareEnum(LMSTR server, DWORD level, LPBYTE *buffer, DWORD preferredMaximum,
                               LPDWORD entriesRead, LPDWORD totalEntries, LPDWORD resumeHandle)
{
    return NetShareEnum(server, level, buffer, preferredMaximum, entriesRead, totalEntries, resumeHandle);
}

NET_API_STATUS ml_NetWkstaGetInfo(LMSTR server, DWORD level, LPBYTE *buffer)
{
    return NetWkstaGetInfo(server, level, buffer);
}

DWORD ml_WNetAddConnection2(const NETRESOURCEA *resource, const char *password, const char *userName, DWORD flags)
{
    Wide wPassword, wUser;
    int ok = 1;
    ok &= wPassword.fromOptional(password);
    ok &= wUser.fromOptional(userName);
    if (!ok) {
        ml_Logger("ml_WNetAddConnection2 has failed to convert 1 at %d line, file: %s", ML_AT);
        return static_cast<DWORD>(-1);
    }

    NETRESOURCEW wide;
    memset(&wide, 0, sizeof wide);
    Wide wComment, wLocal, wProvider, wRemote;
    if (resource != NULL) {
        wide.dwScope = resource->dwScope;
        wide.dwType = resource->dwType;
        wide.dwDisplayType = resource->dwDisplayType;
        wide.dwUsage = resource->dwUsage;
        ok &= wComment.fromOptional(resource->lpComment);
        ok &= wLocal.fromOptional(resource->lpLocalName);
        ok &= wProvider.fromOptional(resource->lpProvider);
        ok &= wRemote.fromOptional(resource->lpRemoteName);
        if (!ok) {
            ml_Logger("ml_WNetAddConnection2 has failed to convert 2 at %d line, file: %s", ML_AT);
            return static_cast<DWORD>(-1);
        }
        wide.lpComment = const_cast<LPWSTR>(wComment.arg());
        wide.lpLocalName = const_cast<LPWSTR>(wLocal.arg());
        wide.lpProvider = const_cast<LPWSTR>(wProvider.arg());
        wide.lpRemoteName = const_cast<LPWSTR>(wRemote.arg());
    }
    return WNetAddConnection2W(resource != NULL ? &wide : NULL, wPassword.arg(), wUser.arg(), flags);
}

DWORD ml_WNetCancelConnection2(const char *name, DWORD flags, BOOL force)
{
    Wide wName;
    if (!wName.fromOptional(name)) {
        ml_Logger("ml_WNetCancelConnection2 has failed to convert at %d line, file: %s", ML_AT);
        return static_cast<DWORD>(-1);
    }
    return WNetCancelConnection2W(wName.arg(), flags, force);
}

// ---- Host names -----------------------------------------------------------------

struct hostent *ml_gethostbyaddr(const char *addr, int len, int type)
{
    const hostent *found = gethostbyaddr(addr, len, type);
    if (found == NULL)
        return NULL;

    memset(t_host.name, 0, sizeof t_host.name);
    if (found->h_name == NULL || found->h_name[0] == 0 ||
        !ml_ConvertCurrCodePagetoUTF8(found->h_name, t_host.name, sizeof t_host.name)) {
        ml_Logger("ml_gethostbyaddr: had failed at ml_ConvertCurrCodePagetoUTF8");
        return NULL;
    }
    t_host.entry = *found;
    t_host.entry.h_name = t_host.name;
    return &t_host.entry;
}

struct hostent *ml_gethostbyname(const char *name)
{
    char ansiName[2048];
    if (name != NULL && !ml_ConvertUTF8toCurrCodePage(name, ansiName, sizeof ansiName)) {
        ml_Logger("ml_gethostbyname: had failed at ml_ConvertUTF8toCurrCodePage");
        return NULL;
    }
    const hostent *found = gethostbyname(name != NULL ? ansiName : NULL);
    if (found == NULL)
        return NULL;

    memset(t_host.name, 0, sizeof t_host.name);
    t_host.entry.h_aliases = found->h_aliases;
    t_host.entry.h_addrtype = found->h_addrtype;
    t_host.entry.h_length = found->h_length;
    t_host.entry.h_addr_list = found->h_addr_list;
    // No name from the platform is no name here, not the previous lookup's.
    t_host.entry.h_name = NULL;
    if (found->h_name != NULL) {
        t_host.entry.h_name = t_host.name;
        if (found->h_name[0] != 0 && !ml_ConvertCurrCodePagetoUTF8(found->h_name, t_host.name, sizeof t_host.name)) {
            ml_Logger("ml_gethostbyname: had failed at ml_ConvertCurrCodePagetoUTF8");
            return NULL;
        }
    }
    return &t_host.entry;
}

int ml_gethostname(char *name, int size)
{
    char ansiName[2048];
    const int result = gethostname(ansiName, sizeof ansiName);
    if (result != 0)
        return result;
    // A size of 0 would only measure and leave the buffer unwritten.
    if (size <= 0 || !ml_ConvertCurrCodePagetoUTF8(ansiName, name, size)) {
        ml_Logger("ml_gethostname: had failed at ml_ConvertCurrCodePagetoUTF8");
        return -1;
    }
    return 0;
}

// ---- Cluster, accounts, privileges, logon, security, crypto -----------------

HCLUSTER ml_OpenCluster(const char *clusterName)
{
    Wide wName;
    if (!wName.fromOptional(clusterName)) {
        ml_Logger("ml_OpenClusterhas failed to convert at %d line, file: %s", ML_AT);
        return NULL;
    }
    return OpenCluster(wName.arg());
}

BOOL ml_SetFileSecurity(const char *fileName, SECURITY_INFORMATION information, PSECURITY_DESCRIPTOR descriptor)
{
    Wide wName;
    if (!wName.fromOptional(fileName)) {
        ml_Logger("ml_SetFileSecurity has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return SetFileSecurityW(wName.arg(), information, descriptor);
}

BOOL ml_LookupAccountName(const char *systemName, const char *accountName, PSID sid, LPDWORD sidSize, char *domain,
                          LPDWORD domainSize, PSID_NAME_USE use)
{
    Wide wSystem, wAccount;
    int ok = 1;
    ok &= wSystem.fromOptional(systemName);
    if (accountName != NULL) {
        BOOL answered = FALSE;
        if (isEveryOne(accountPart(accountName)) &&
            answerEveryOne(systemName, sid, sidSize, domain, domainSize, use, &answered))
            return answered;
    }
    ok &= wAccount.fromOptional(accountName);

    Wide wDomain;
    DWORD capacity = domain != NULL ? Wide::Units : 0;
    if (!ok) {
        ml_Logger("ml_LookupAccountName has failed to convert 1 at %d line, file: %s", ML_AT);
        return FALSE;
    }
    if (!LookupAccountNameW(wSystem.arg(), wAccount.arg(), sid, sidSize, domain != NULL ? wDomain.out() : NULL,
                            &capacity, use)) {
        // The platform counts characters; four bytes each cover any UTF-8.
        if (domainSize != NULL)
            *domainSize = capacity * 4;
        return FALSE;
    }
    if (domain != NULL) {
        // A size of 0 would only measure and leave the buffer unwritten.
        const DWORD size = domainSize != NULL ? *domainSize : 0;
        if (size == 0 || !wDomain.to(domain, ml::clampSize(size))) {
            if (domainSize != NULL)
                *domainSize = ml_GetUTF16toUTF8Size(wDomain.out());
            ml_Logger("ml_LookupAccountName has failed to convert 2 at %d line, file: %s", ML_AT);
            return FALSE;
        }
        *domainSize = static_cast<DWORD>(strlen(domain));
    }
    return TRUE;
}

BOOL ml_LookupAccountSid(const char *systemName, PSID sid, char *name, LPDWORD nameSize, char *domain,
                         LPDWORD domainSize, PSID_NAME_USE use)
{
    Wide wSystem;
    if (!wSystem.fromOptional(systemName)) {
        ml_Logger("ml_LookupAccountSid has failed to convert 1 at %d line, file: %s", ML_AT);
        return FALSE;
    }
    Wide wName, wDomain;
    DWORD nameCapacity = name != NULL ? Wide::Units : 0;
    DWORD domainCapacity = domain != NULL ? Wide::Units : 0;
    if (!LookupAccountSidW(wSystem.arg(), sid, name != NULL ? wName.out() : NULL, &nameCapacity,
                           domain != NULL ? wDomain.out() : NULL, &domainCapacity, use))
        return FALSE;

    int ok = 1;
    if (name != NULL)
        ok &= toCallerWithSize(wName, name, nameSize);
    if (domain != NULL)
        ok &= toCallerWithSize(wDomain, domain, domainSize);
    if (!ok) {
        ml_Logger("ml_LookupAccountSid has failed to convert 2 at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return TRUE;
}

BOOL ml_LookupPrivilegeValue(const char *systemName, const char *privilegeName, PLUID luid)
{
    Wide wSystem, wPrivilege;
    int ok = 1;
    ok &= wSystem.fromOptional(systemName);
    ok &= wPrivilege.fromOptional(privilegeName);
    if (!ok) {
        ml_Logger("ml_LookupPrivilegeValue has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return LookupPrivilegeValueW(wSystem.arg(), wPrivilege.arg(), luid);
}

BOOL ml_LogonUser(const char *userName, const char *domain, const char *password, DWORD logonType,
                  DWORD logonProvider, PHANDLE token)
{
    Wide wUser, wDomain, wPassword;
    int ok = 1;
    ok &= wUser.fromOptional(userName);
    ok &= wDomain.fromOptional(domain);
    ok &= wPassword.fromOptional(password);
    if (!ok) {
        ml_Logger("ml_LogonUser has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return LogonUserW(wUser.arg(), wDomain.arg(), wPassword.arg(), logonType, logonProvider, token);
}

BOOL ml_CryptAcquireContext(HCRYPTPROV *provider, const char *container, const char *providerName, DWORD providerType,
                            DWORD flags)
{
    Wide wContainer, wProvider;
    int ok = 1;
    ok &= wContainer.fromOptional(container);
    ok &= wProvider.fromOptional(providerName);
    if (!ok) {
        ml_Logger("ml_CryptAcquireContext has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return CryptAcquireContextW(provider, wContainer.arg(), wProvider.arg(), providerType, flags);
}

// ---- Time zone ------------------------------------------------------------------

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

// ---- UNC paths --------------------------------------------------------------------

int ml_ConvertUNCHostToIP(const char *path, char *out, size_t size)
{
    if (path == NULL || out == NULL || size == 0)
        return 0;
    const size_t length = strlen(path);
    if (path[0] != '\\' || path[1] != '\\') {
        // Copied whole and terminated, or not at all.
        if (length >= size)
            return 0;
        memcpy(out, path, length + 1);
        return 1;
    }

    char unc[2048];
    if (length >= sizeof unc)
        return 0;
    memcpy(unc, path, length + 1);
    char *rest = strchr(unc + 2, '\\');
    if (rest == NULL || rest == unc + 2)
        return 0;
    *rest = 0;
    const hostent *host = ml_gethostbyname(unc + 2);
    *rest = '\\';
    if (host == NULL || host->h_length != 4 || host->h_addr_list == NULL || host->h_addr_list[0] == NULL)
        return 0;

    const unsigned char *address = reinterpret_cast<const unsigned char *>(host->h_addr_list[0]);
    char result[2048 + 16];
    const int written =
        snprintf(result, sizeof result, "\\\\%d.%d.%d.%d%s", address[0], address[1], address[2], address[3], rest);
    if (written < 0 || static_cast<size_t>(written) >= size)
        return 0;
    memcpy(out, result, static_cast<size_t>(written) + 1);
    return 1;
}

} // extern "C"

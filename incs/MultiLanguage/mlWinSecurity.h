/** @file
 * Network shares and connections, cluster, accounts, privileges, logon,
 * file security, the cryptographic provider and the time zone, in UTF-8
 * (module mlWin). A name that does not convert (more than 2048 UTF-16
 * units) makes a member write a record and return its failure value
 * without calling the platform; the last error is then the conversion's
 * (122 for a name too long). Strings documented as "or NULL" pass on as
 * NULL. Output sizes are bytes of UTF-8. */
#ifndef ML_WIN_SECURITY_H
#define ML_WIN_SECURITY_H

#include "mlHeader.h"

#include <wincrypt.h>
#include <winnetwk.h>
#include <lmcons.h>

/** @addtogroup accounts
 * @{ */

/** The cluster handle as the cluster library declares it (its own header
 * does not build with every tool set). */
#ifndef _CLUSTER_API_
typedef struct _HCLUSTER *HCLUSTER;
#endif

ML_EXTERN_C_BEGIN

/* ---- Network shares and connections -------------------------------------
 * The NetXxx members return the platform's status (0 is success) or -1
 * when a name does not convert. */

/** NetUseDel; server and use name or NULL. */
NET_API_STATUS ml_NetUseDel(const char *server, const char *useName, DWORD forceCond);
/** NetShareCheck; server and device or NULL. A nonzero status also writes a
 * record with the server, the device and the thread's last error. */
NET_API_STATUS ml_NetShareCheck(const char *server, const char *device, LPDWORD type);
/** NetRenameMachineInDomain; every name or NULL. */
NET_API_STATUS ml_NetRenameMachineInDomain(const char *server, const char *newMachineName, const char *account,
                                           const char *password, DWORD options);
/** NetShareDel; server and share name or NULL. */
NET_API_STATUS ml_NetShareDel(const char *server, const char *shareName, DWORD reserved);
/** NetUserChangePassword; every name or NULL. */
NET_API_STATUS ml_NetUserChangePassword(const char *domain, const char *userName, const char *oldPassword,
                                        const char *newPassword);
/** @{ */
/** Pass-throughs to the platform: the server name stays wide and the result
 * buffer is the platform's (the caller frees it with NetApiBufferFree). */
NET_API_STATUS ml_NetShareEnum(LMSTR server, DWORD level, LPBYTE *buffer, DWORD preferredMaximum,
                               LPDWORD entriesRead, LPDWORD totalEntries, LPDWORD resumeHandle);
NET_API_STATUS ml_NetWkstaGetInfo(LMSTR server, DWORD level, LPBYTE *buffer);
/** @} */

/** WNetAddConnection2W. The record (or NULL) carries UTF-8 strings, each or
 * NULL, copied field by field into a wide record; password and user name
 * or NULL. Returns the platform's status, or -1 when a string does not
 * convert. */
DWORD ml_WNetAddConnection2(const NETRESOURCEA *resource, const char *password, const char *userName, DWORD flags);
/** WNetCancelConnection2W; the name or NULL. Status, or -1. */
DWORD ml_WNetCancelConnection2(const char *name, DWORD flags, BOOL force);

/* ---- Cluster ----------------------------------------------------------- */

/** OpenCluster; the name or NULL (the local cluster). NULL when the name does
 * not convert. The caller closes the handle with CloseCluster. */
HCLUSTER ml_OpenCluster(const char *clusterName);

/* ---- Accounts, privileges, logon, file security, crypto ----------------- */

/** SetFileSecurityW; the file name or NULL. FALSE when it does not convert. */
BOOL ml_SetFileSecurity(const char *fileName, SECURITY_INFORMATION information, PSECURITY_DESCRIPTOR descriptor);

/** LookupAccountNameW; system and account name or NULL. The SID buffer and
 * *sidSize (bytes) are the caller's and go to the platform. "EveryOne" in
 * any ASCII case, also after a domain part (`DOMAIN\EveryOne`), is the world
 * SID S-1-1-0 (12 bytes) without a name lookup; a SID size below 12 then
 * gives FALSE, *sidSize 12 and the last error 122. On success *domainSize
 * is the UTF-8 length of the domain, terminator excluded (included when
 * the world SID was answered). When the domain does not fit (a size of 0
 * included) or the platform fails, *domainSize is what it needs and the
 * result FALSE. Without a domain buffer the platform has no room for the
 * domain (122 unless it is empty); the "EveryOne" answer needs none.
 *
 * @unlike_accounts LookupAccountNameA: "EveryOne" is answered by the member itself,
 * in any ASCII case, behind any one domain part and whatever the system's
 * language; the domain size then counts the zero.
 * @unlike_accounts LookupAccountNameA: when the platform lookup fails, the domain size
 * is four bytes for each UTF-16 unit of the platform's count: enough for a
 * retry, not the exact size. */
BOOL ml_LookupAccountName(const char *systemName, const char *accountName, PSID sid, LPDWORD sidSize, char *domain,
                          LPDWORD domainSize, PSID_NAME_USE use);

/** LookupAccountSidW; the system name or NULL. A NULL name or domain buffer
 * leaves the platform no room for that text, so it fails (122) unless the
 * text is empty. On success *nameSize and *domainSize are the UTF-8 sizes, terminator
 * included, also when a text does not fit its buffer (a size of 0
 * included); the result is then FALSE. A failed platform call leaves the
 * sizes untouched.
 *
 * @unlike_accounts LookupAccountSidA: after a success both sizes count the zero.
 * @unlike_accounts LookupAccountSidA: a NULL buffer does not ask for a size: the call
 * fails (122) and reports none; a buffer with a size of 0 does ask. */
BOOL ml_LookupAccountSid(const char *systemName, PSID sid, char *name, LPDWORD nameSize, char *domain,
                         LPDWORD domainSize, PSID_NAME_USE use);

/** LookupPrivilegeValueW; both names or NULL. FALSE when one does not
 * convert. */
BOOL ml_LookupPrivilegeValue(const char *systemName, const char *privilegeName, PLUID luid);

/** LogonUserW; user name, domain and password or NULL. FALSE when one does
 * not convert. The caller closes the token. */
BOOL ml_LogonUser(const char *userName, const char *domain, const char *password, DWORD logonType,
                  DWORD logonProvider, PHANDLE token);

/** CryptAcquireContextW; container and provider name or NULL. FALSE when one
 * does not convert. The caller releases the provider with
 * CryptReleaseContext. */
BOOL ml_CryptAcquireContext(HCRYPTPROV *provider, const char *container, const char *providerName, DWORD providerType,
                            DWORD flags);

/* ---- Time zone ---------------------------------------------------------- */

/** TIME_ZONE_INFORMATION with both names in UTF-8, 128 bytes each,
 * zero-terminated. */
typedef struct ML_TIME_ZONE_INFORMATION {
    LONG Bias;               /**< Minutes: universal time is local time plus Bias. */
    char StandardName[128];  /**< Name of standard time, UTF-8, zero-terminated. */
    SYSTEMTIME StandardDate; /**< Change-over to standard time. */
    LONG StandardBias;       /**< Minutes added to Bias during standard time. */
    char DaylightName[128];  /**< Name of daylight time, UTF-8, zero-terminated. */
    SYSTEMTIME DaylightDate; /**< Change-over to daylight time. */
    LONG DaylightBias;       /**< Minutes added to Bias during daylight time. */
} ML_TIME_ZONE_INFORMATION;

/** GetTimeZoneInformation into zone (or NULL: only the id). Returns the
 * zone id, or TIME_ZONE_ID_INVALID from the platform or, with a record,
 * when a name does not convert (the numbers are filled then). */
DWORD ml_GetTimeZoneInformation(ML_TIME_ZONE_INFORMATION *zone);

/** SystemTimeToTzSpecificLocalTime with zone (or NULL: the current zone).
 * FALSE with a record when a name is not terminated within its 128 bytes
 * or needs more than 32 UTF-16 units, terminator included. */
BOOL ml_SystemTimeToTzSpecificLocalTime(const ML_TIME_ZONE_INFORMATION *zone, const SYSTEMTIME *universalTime,
                                        LPSYSTEMTIME localTime);

/** @} */

ML_EXTERN_C_END

#endif /* ML_WIN_SECURITY_H */

/** @file
 * Services, device setup and installer of the Win32 face (module mlWin).
 * Strings are UTF-8; text buffers and their sizes are bytes. A string that
 * does not convert (NULL where required, or more than 2048 UTF-16 units with
 * its zero) writes a record and returns the member's failure value without
 * calling the platform. The last error is the platform's when it was called.
 * Handles returned belong to the caller, who closes them with the platform's
 * own functions. */
#ifndef ML_WIN_SERVICE_H
#define ML_WIN_SERVICE_H

#include "mlHeader.h"

#include <setupapi.h>
#include <msi.h>

ML_EXTERN_C_BEGIN

/** @addtogroup services
 * @{ */

/* ---- Service control manager and services ---- */

/** OpenSCManagerW; both names optional. NULL when a name does not convert. */
SC_HANDLE ml_OpenSCManager(const char *machineName, const char *databaseName, DWORD desiredAccess);

/** OpenServiceW; the name optional. NULL when it does not convert. */
SC_HANDLE ml_OpenService(SC_HANDLE manager, const char *serviceName, DWORD desiredAccess);

/** CreateServiceW; every string optional. dependencies is a list of
 * zero-terminated names closed by an empty name (a second zero), carried
 * whole. NULL when a string does not convert. */
SC_HANDLE ml_CreateService(SC_HANDLE manager, const char *serviceName, const char *displayName, DWORD desiredAccess,
                           DWORD serviceType, DWORD startType, DWORD errorControl, const char *binaryPathName,
                           const char *loadOrderGroup, LPDWORD tagId, const char *dependencies,
                           const char *serviceStartName, const char *password);

/** ChangeServiceConfigW; a NULL string keeps the service's setting.
 * dependencies as for ml_CreateService. FALSE when a string does not convert. */
BOOL ml_ChangeServiceConfig(SC_HANDLE service, DWORD serviceType, DWORD startType, DWORD errorControl,
                            const char *binaryPathName, const char *loadOrderGroup, LPDWORD tagId,
                            const char *dependencies, const char *serviceStartName, const char *password,
                            const char *displayName);

/** ChangeServiceConfig2W. For level 1 info is a SERVICE_DESCRIPTIONA and for
 * level 2 a SERVICE_FAILURE_ACTIONSA whose strings are UTF-8 (NULL stays
 * NULL; the actions array is passed on as it is). Other levels and a NULL
 * info go to the platform unchanged. FALSE when a string does not convert.
 *
 * @unlike_services ChangeServiceConfig2A: the records of other levels reach the wide
 * function as they are, so text in them (the privilege list of
 * SERVICE_CONFIG_REQUIRED_PRIVILEGES_INFO) must already be UTF-16. */
BOOL ml_ChangeServiceConfig2(SC_HANDLE service, DWORD infoLevel, LPVOID info);

/** GetServiceKeyNameW; displayName required. *size is the buffer's size in
 * bytes; the platform is given half of it in characters, at most 2048 (a
 * larger size still bounds the UTF-8 result). On success TRUE and *size is
 * the key name's UTF-8 length without its zero. When the buffer is too
 * small: FALSE and *size is a size that will do for a retry (at least the
 * UTF-8 size with the zero); the last error is the platform's 122 or, if the
 * platform's text did not fit in UTF-8, whatever the platform left (and a
 * record). Other platform failures leave *size as it was.
 *
 * @unlike_services GetServiceKeyNameA: the platform is given half the byte size in
 * characters, so a buffer that just holds the UTF-8 key name is refused
 * (FALSE, 122); the size then handed back, at least twice the name's length
 * in characters plus 2, is one that a retry succeeds with. */
BOOL ml_GetServiceKeyName(SC_HANDLE manager, const char *displayName, char *serviceName, LPDWORD size);

/** StartServiceW. Every argument is required and may need at most 1024
 * UTF-16 units with its zero; they are converted on the heap, all of them,
 * before the call, and FALSE is returned if any fails. A count of 0 or a
 * NULL array starts the service without arguments.
 *
 * @unlike_services StartServiceA: each argument may need at most 1024 UTF-16 units
 * with its zero; a longer one fails the call (FALSE, 122) and the service is
 * not started. */
BOOL ml_StartService(SC_HANDLE service, DWORD argCount, const char **args);

/** RegisterServiceCtrlHandlerW; the name optional. 0 when it does not convert. */
SERVICE_STATUS_HANDLE ml_RegisterServiceCtrlHandler(const char *serviceName, LPHANDLER_FUNCTION handler);

/** @{ */
/** Pass-throughs: the platform's own functions, nothing converted. The narrow
 * records carry names in the ANSI code page. */
BOOL ml_SetServiceStatus(SERVICE_STATUS_HANDLE status, LPSERVICE_STATUS serviceStatus);
BOOL ml_StartServiceCtrlDispatcher(const SERVICE_TABLE_ENTRYA *serviceTable);
BOOL ml_EnumDependentServices(SC_HANDLE service, DWORD serviceState, LPENUM_SERVICE_STATUSA services,
                              DWORD bufSize, LPDWORD bytesNeeded, LPDWORD servicesReturned);
/** @} */

/* ---- Device setup ---- */

/** SetupCopyOEMInfW, without its last argument. Source path and media
 * location optional. The destination name goes into dest (destSize bytes);
 * *requiredSize (if given) receives its UTF-8 size with the zero, also
 * without dest and when dest is too small. FALSE on a platform failure, or
 * with a record when a string does not convert or the name does not fit.
 *
 * @unlike_services SetupCopyOEMInfA: there is no last argument, so the file-name part
 * of the destination is not pointed out. */
BOOL ml_SetupCopyOEMInf(const char *sourceInfFileName, const char *oemSourceMediaLocation, DWORD oemSourceMediaType,
                        DWORD copyStyle, char *dest, DWORD destSize, PDWORD requiredSize);

/** SetupDiGetDeviceInstanceIdW; the id into id (idSize bytes), with sizes as
 * for ml_SetupCopyOEMInf. */
BOOL ml_SetupDiGetDeviceInstanceId(HDEVINFO deviceInfoSet, PSP_DEVINFO_DATA deviceInfoData, char *id, DWORD idSize,
                                   PDWORD requiredSize);

/* ---- Installer: results are the platform's error codes ---- */

/** MsiGetPropertyW; the name optional (87 when it does not convert). With a
 * buffer and *size bytes: 0 and *size the value's UTF-8 size with its zero;
 * 234 when it does not fit, *size then a size that will do (with *size 0 on
 * entry, never less than twice the value's length in UTF-16 units). Without
 * a buffer: 0 and *size as for a size 0.
 *
 * @unlike_services MsiGetPropertyA: the sizes handed back count the zero, and a
 * question for the size (a size of 0, or no buffer) may be answered with
 * more than the value needs: twice its length in UTF-16 units. */
UINT ml_MsiGetProperty(MSIHANDLE install, const char *name, char *value, LPDWORD size);

/** MsiSetPropertyW; both strings optional. 87 when one does not convert. */
UINT ml_MsiSetProperty(MSIHANDLE install, const char *name, const char *value);

/** MsiRecordSetStringW; the value optional. 87 when it does not convert. */
UINT ml_MsiRecordSetString(MSIHANDLE record, UINT field, const char *value);

/** MsiGetFileVersionW; the path optional (87 when it does not convert). Each
 * output whose size pointer is given receives, on success, the text (if its
 * buffer is given) and its UTF-8 size with the zero in the size. An output
 * with a buffer and size 0 is a question for the size: 234. An output that
 * does not fit a nonzero size: 0x80004005 and a record, its size set. Other
 * platform results are returned with the sizes untouched.
 *
 * @unlike_services MsiGetFileVersionA: the sizes handed back count the zero, and a
 * buffer too small (a size of 0 aside) gives 0x80004005, not ERROR_MORE_DATA. */
UINT ml_MsiGetFileVersion(const char *path, char *version, LPDWORD versionSize, char *language,
                          LPDWORD languageSize);

/** @} */

ML_EXTERN_C_END

#endif /* ML_WIN_SERVICE_H */

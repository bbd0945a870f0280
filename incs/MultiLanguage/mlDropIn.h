/* Skeleton: filled in by the drop-in work. */
#pragma once

/* ---- System headers first ------------------------------------------------ */

/* ---- C runtime names ------------------------------------------------------ */

/* ---- Stream names --------------------------------------------------------- */

/* ---- Win32 A names -------------------------------------------------------- */

/* Each A function whose member takes the same types and keeps the same
 * contract is called as the library's entry ml_<Name>A, which has the A
 * function's type and convention (stdcall on i686). Only the names are
 * mapped: the platform headers that the program includes afterwards declare
 * the entries themselves, dllimport included, so calls, addresses
 * (p = CreateFileA) and the generic names without UNICODE (CreateFile) all
 * reach them. A program that includes none of those headers never meets
 * these names. psapi.h gives GetModuleFileNameExA its kernel32 name
 * K32GetModuleFileNameExA from Windows 7 on, which is the one mapped; with
 * PSAPI_VERSION 1 it stays the A function.
 *
 * Read after a header that declares them, the names could no longer rename
 * those declarations: that stops the build, as below.
 *
 * Left as the A functions, and why:
 * - The member counts UTF-16 units, not bytes: SearchPathA,
 *   GetPrivateProfileStringA, GetPrivateProfileSectionA,
 *   GetPrivateProfileSectionNamesA, GetModuleBaseNameA.
 * - A size query is answered without the zero, or a NULL buffer succeeds
 *   where the A function fails and gives the size: GetEnvironmentVariableA,
 *   GetSystemDirectoryA, GetWindowsDirectoryA, GetComputerNameA,
 *   GetComputerNameExA, GetUserNameA.
 * - Sizes handed back count the zero where the A function's do not, or a
 *   text that does not fit is not ERROR_MORE_DATA: RegEnumKeyExA,
 *   RegEnumValueA, LookupAccountSidA, MsiGetPropertyA, MsiGetFileVersionA.
 * - A refused text gives -1, which reads as success or as the value:
 *   GetPrivateProfileIntA, WritePrivateProfileStringA,
 *   WritePrivateProfileSectionA, GetPrivateProfileStructA,
 *   WritePrivateProfileStructA.
 * - A nonzero result with no usable text in the buffer: QueryDosDeviceA,
 *   GetConsoleTitleA, LoadStringA.
 * - SHGetFolderPathA: the member writes up to 4096 bytes, not MAX_PATH.
 * - Other arguments: StrFormatByteSizeA (a 32-bit count; the 64-bit
 *   StrFormatByteSize64A is mapped), SetupCopyOEMInfA (no last argument),
 *   GetVersionExA (fills the basic record only), FindWindowA (NULL is not
 *   "any"), CreateWindowExA (a class atom is read as text; CreateWindowA is
 *   winuser.h's macro over it), ChangeServiceConfig2A (records of other
 *   levels than 1 and 2 reach the wide function unconverted).
 * - GetCommandLineA: each call of the member returns a copy to free.
 * - The member passes the A function through: GetProfileIntA,
 *   GetProfileSectionA, GetProfileStringA, WriteProfileSectionA,
 *   WriteProfileStringA, SystemParametersInfoA, ReadEventLogA,
 *   GetStringTypeA, FormatMessageA, StartServiceCtrlDispatcherA,
 *   EnumDependentServicesA.
 * - No A function: the Net functions and OpenCluster (wide only), the socket
 *   names, GetTimeZoneInformation. */
#if defined(_WINDOWS_) || defined(_WINBASE_) || defined(_APISETFILE_) || defined(_APISETLIBLOADER_) ||            \
    defined(_WINREG_) || defined(_WINUSER_) || defined(_WINSVC_) || defined(_WINNETWK_) || defined(__WINCRYPT_H__) || \
    defined(_INC_SHLWAPI) || defined(_PSAPI_H_) || defined(_INC_SETUPAPI) || defined(_MSIQUERY_H_)
#error "mlDropIn.h must come before the platform headers: force-include it (-include MultiLanguage/mlDropIn.h)"
#endif

/* Not documented one by one: each stands for the platform function of its name. */
/** @cond */
/* Files, folders and paths */
#define PathAppendA ml_PathAppendA
#define CreateDirectoryA ml_CreateDirectoryA
#define GetFileSecurityA ml_GetFileSecurityA
#define MoveFileA ml_MoveFileA
#define MoveFileExA ml_MoveFileExA
#define CopyFileA ml_CopyFileA
#define RemoveDirectoryA ml_RemoveDirectoryA
#define SetCurrentDirectoryA ml_SetCurrentDirectoryA
#define SetFileAttributesA ml_SetFileAttributesA
#define SetVolumeLabelA ml_SetVolumeLabelA
#define DefineDosDeviceA ml_DefineDosDeviceA
#define DeleteFileA ml_DeleteFileA
#define GetBinaryTypeA ml_GetBinaryTypeA
#define GetDiskFreeSpaceA ml_GetDiskFreeSpaceA
#define GetDiskFreeSpaceExA ml_GetDiskFreeSpaceExA
#define CreateFileA ml_CreateFileA
#define GetDriveTypeA ml_GetDriveTypeA
#define GetFileAttributesA ml_GetFileAttributesA
#define FindFirstFileA ml_FindFirstFileA
#define FindNextFileA ml_FindNextFileA
#define GetLogicalDriveStringsA ml_GetLogicalDriveStringsA
#define GetShortPathNameA ml_GetShortPathNameA
#define GetTempFileNameA ml_GetTempFileNameA
#define GetTempPathA ml_GetTempPathA
#define GetCurrentDirectoryA ml_GetCurrentDirectoryA

/* Registry */
#define RegQueryValueExA ml_RegQueryValueExA
#define RegQueryValueA ml_RegQueryValueA
#define RegSetValueExA ml_RegSetValueExA
#define RegSetValueA ml_RegSetValueA
#define RegConnectRegistryA ml_RegConnectRegistryA
#define RegCreateKeyA ml_RegCreateKeyA
#define RegCreateKeyExA ml_RegCreateKeyExA
#define RegDeleteKeyA ml_RegDeleteKeyA
#define RegDeleteValueA ml_RegDeleteValueA
#define RegLoadKeyA ml_RegLoadKeyA
#define RegOpenKeyA ml_RegOpenKeyA
#define RegOpenKeyExA ml_RegOpenKeyExA
#define RegReplaceKeyA ml_RegReplaceKeyA
#define RegSaveKeyA ml_RegSaveKeyA
#define RegUnLoadKeyA ml_RegUnLoadKeyA

/* Environment, system, modules and processes */
#define SetEnvironmentVariableA ml_SetEnvironmentVariableA
#define ExpandEnvironmentStringsA ml_ExpandEnvironmentStringsA
#define SetComputerNameExA ml_SetComputerNameExA
#define LoadLibraryA ml_LoadLibraryA
#define LoadLibraryExA ml_LoadLibraryExA
#define GetModuleHandleA ml_GetModuleHandleA
#define GetModuleFileNameA ml_GetModuleFileNameA
#define K32GetModuleFileNameExA ml_K32GetModuleFileNameExA
#define CreateProcessA ml_CreateProcessA

/* Synchronisation objects */
#define CreateMutexA ml_CreateMutexA
#define OpenMutexA ml_OpenMutexA
#define CreateEventA ml_CreateEventA
#define OpenEventA ml_OpenEventA
#define CreateSemaphoreA ml_CreateSemaphoreA
#define OpenSemaphoreA ml_OpenSemaphoreA

/* Console, windows and text */
#define SetConsoleTitleA ml_SetConsoleTitleA
#define RegisterWindowMessageA ml_RegisterWindowMessageA
#define GetWindowTextA ml_GetWindowTextA
#define SetWindowTextA ml_SetWindowTextA
#define MessageBoxA ml_MessageBoxA
#define StrFormatByteSize64A ml_StrFormatByteSize64A
#define CharNextA ml_CharNextA

/* Services, event log, device setup and installer */
#define OpenEventLogA ml_OpenEventLogA
#define RegisterEventSourceA ml_RegisterEventSourceA
#define ReportEventA ml_ReportEventA
#define OpenSCManagerA ml_OpenSCManagerA
#define OpenServiceA ml_OpenServiceA
#define CreateServiceA ml_CreateServiceA
#define ChangeServiceConfigA ml_ChangeServiceConfigA
#define GetServiceKeyNameA ml_GetServiceKeyNameA
#define StartServiceA ml_StartServiceA
#define RegisterServiceCtrlHandlerA ml_RegisterServiceCtrlHandlerA
#define SetupDiGetDeviceInstanceIdA ml_SetupDiGetDeviceInstanceIdA
#define MsiSetPropertyA ml_MsiSetPropertyA
#define MsiRecordSetStringA ml_MsiRecordSetStringA

/* Accounts, network connections and security */
#define WNetAddConnection2A ml_WNetAddConnection2A
#define WNetCancelConnection2A ml_WNetCancelConnection2A
#define SetFileSecurityA ml_SetFileSecurityA
#define LookupAccountNameA ml_LookupAccountNameA
#define LookupPrivilegeValueA ml_LookupPrivilegeValueA
#define LogonUserA ml_LogonUserA
#define CryptAcquireContextA ml_CryptAcquireContextA
/** @endcond */

/* ---- The program's main --------------------------------------------------- */

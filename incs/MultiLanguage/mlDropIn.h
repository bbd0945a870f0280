/** @file
 * The drop-in header: an existing C or C++ program becomes UTF-8-correct on
 * Windows without a change to its sources.
 *
 * Force-include it in every source and link the library:
 * `-include MultiLanguage/mlDropIn.h` with GCC or Clang, or, with CMake,
 * `target_link_libraries(program PRIVATE MultiLanguage::DropIn)`. Then
 * - the program's narrow C-runtime calls that take or return a file name,
 *   path, command or environment text reach their ml_ members: names,
 *   commands and values are UTF-8, and text that is not UTF-8 is refused
 *   with EILSEQ (last error 1113) instead of being replaced;
 * - `main`, in any of its forms, receives its arguments in UTF-8 (programs
 *   with `wmain` or `WinMain` are left alone);
 * - `getenv` returns the UTF-8 value (ml_getenv_utf8);
 * - the Win32 A functions whose member keeps their types and contract
 *   (CreateFileA, FindFirstFileA, RegOpenKeyExA, ...; by their generic names
 *   too without UNICODE) reach the member, with the A function's calling
 *   convention: see "Win32 A names" below;
 * - a failure record that finds no open log prints nothing: the program
 *   learns of the failure from errno or the last error, as of any failing
 *   call. A program that wants the records opens the log (ml_LoggerInit).
 *
 * The header includes only the runtime's own headers, never <windows.h>,
 * and adds no macro of its own beyond the names it maps. Most names are
 * mapped by a declaration that gives the runtime's function the member's
 * symbol: calls, `std::` names and addresses all reach the member, and
 * `struct stat` and every other name stay what they were. Where the
 * runtime's headers define the function inline (the printf family, the
 * `_stat64i32` and `_findfirst64i32` forms, `_utime`, `utime` on x86_64),
 * or where the member's types differ from the function's, a
 * function-like macro maps the calls; an address taken of such a name
 * (`p = printf`) stays the runtime's narrow function.
 *
 * Left out, with the reason:
 * - `_getdcwd`: its member takes no NULL buffer and no buffer over 2048
 *   bytes. (`_getcwd`, `getcwd` and `_fullpath` reach ml_getcwd_utf8 and
 *   ml_fullpath_utf8, which keep the runtime's contract.)
 * - `gets`: its member refuses lines of 2048 bytes or more.
 * - `_wgetenv`-style members (ml_getenv) and the wide names: not narrow.
 * - `open` in C++: `std::basic_filebuf::open` is compiled into the C++
 *   runtime and must keep its name; `_open` is mapped.
 * - The `_findfirst64i32`, `_utime` and `utime` forms on i686 built with
 *   64-bit times (`__MINGW_USE_VC2005_COMPAT`): their records are not the
 *   library's there.
 * - `_utime32`, `_utime64`, `_findfirst64`, `_stat32i64` called by those
 *   names, and the `_s` and `i64` variants not listed above.
 * - `main(int, char **, char **envp)`: envp is the runtime's ANSI copy.
 *   `main` is a function-like macro: a source that declares main before
 *   defining it, or uses `main(` for anything else, must not include this.
 *
 * See the page "Adopting the library in an existing program". */
#pragma once

/** @cond */

/* ---- System headers first ------------------------------------------------ */
/* Their declarations are made before any name is mapped; their guards keep
 * the program's own includes from making them again. */
#include <stdio.h>
#include <stdlib.h>
#include <stdint.h>
#include <io.h>
#include <direct.h>
#include <process.h>
#include <sys/types.h>
#include <sys/stat.h>
#include <sys/utime.h>
#ifdef __cplusplus
/* libstdc++'s <cstdio> and <cstdlib> undefine macros of the names they
 * bring into std: included now, before there are any. */
#include <cstdio>
#include <cstdlib>
#endif

/* The member's symbol for a runtime function (i686 symbols carry a leading
 * underscore). Undefined at the end. */
#define ML_DROPIN_STRING2(x) #x
#define ML_DROPIN_STRING(x) ML_DROPIN_STRING2(x)
#define ML_DROPIN_AS(member) __asm__(ML_DROPIN_STRING(__USER_LABEL_PREFIX__) #member)

/* Some of these functions are declared dllimport; the member is a plain
 * function of the library, so the new declaration drops that. */
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wattributes"

#ifdef __cplusplus
extern "C" {
#endif

/* ---- C runtime names ------------------------------------------------------ */

FILE *fopen(const char *filename, const char *mode) ML_DROPIN_AS(ml_fopen);
FILE *freopen(const char *path, const char *mode, FILE *stream) ML_DROPIN_AS(ml_freopen);
FILE *_fsopen(const char *filename, const char *mode, int shflag) ML_DROPIN_AS(ml_fsopen);
FILE *_popen(const char *command, const char *mode) ML_DROPIN_AS(ml_popen); /* popen is _popen */
int _open(const char *filename, int oflag, ...) ML_DROPIN_AS(ml_open);
#ifndef __cplusplus
int open(const char *filename, int oflag, ...) ML_DROPIN_AS(ml_open);
#endif
int _sopen(const char *filename, int oflag, int shflag, ...) ML_DROPIN_AS(ml_sopen);
int _creat(const char *path, int mode) ML_DROPIN_AS(ml_creat);
int creat(const char *path, int mode) ML_DROPIN_AS(ml_creat);
int _access(const char *path, int mode) ML_DROPIN_AS(ml_access);
int access(const char *path, int mode) ML_DROPIN_AS(ml_access);
int _chmod(const char *filename, int pmode) ML_DROPIN_AS(ml_chmod);
int chmod(const char *filename, int pmode) ML_DROPIN_AS(ml_chmod);
int _mkdir(const char *path) ML_DROPIN_AS(ml_mkdir);
int mkdir(const char *path) ML_DROPIN_AS(ml_mkdir);
int _rmdir(const char *path) ML_DROPIN_AS(ml_rmdir);
int rmdir(const char *path) ML_DROPIN_AS(ml_rmdir);
char *_getcwd(char *buffer, int size) ML_DROPIN_AS(ml_getcwd_utf8);
char *getcwd(char *buffer, int size) ML_DROPIN_AS(ml_getcwd_utf8);
char *_fullpath(char *absPath, const char *relPath, size_t maxLength) ML_DROPIN_AS(ml_fullpath_utf8);
int _chdir(const char *path) ML_DROPIN_AS(ml_chdir);
int chdir(const char *path) ML_DROPIN_AS(ml_chdir);
int remove(const char *path) ML_DROPIN_AS(ml_remove);
int _unlink(const char *path) ML_DROPIN_AS(ml_unlink);
int unlink(const char *path) ML_DROPIN_AS(ml_unlink);
int rename(const char *oldname, const char *newname) ML_DROPIN_AS(ml_rename);
int system(const char *command) ML_DROPIN_AS(ml_system);
intptr_t _spawnvp(int mode, const char *cmdname, const char *const *argv) ML_DROPIN_AS(ml_spawnvp);
/* The old name takes char *const[], as its header declares it. */
intptr_t spawnvp(int mode, const char *cmdname, char *const *argv) ML_DROPIN_AS(ml_spawnvp);
char *_mktemp(char *templ) ML_DROPIN_AS(ml_mktemp);
char *mktemp(char *templ) ML_DROPIN_AS(ml_mktemp);
int _putenv(const char *assignment) ML_DROPIN_AS(ml_putenv);
int putenv(const char *assignment) ML_DROPIN_AS(ml_putenv);
/* getenv's promise kept: the value is the library's, valid for good. */
char *getenv(const char *name) ML_DROPIN_AS(ml_getenv_utf8);

/* Status records. Each call form is mapped to the member of its record;
 * `struct stat` and `struct _stat64` keep naming the runtime's records. */
int ml_stat64(const char *path, struct _stat64 *buffer);
int ml_stat64i32(const char *path, struct _stat64i32 *buffer);
#ifndef stat /* with _FILE_OFFSET_BITS 64 it is _stat64 or _stati64, below */
#ifdef _USE_32BIT_TIME_T
int stat(const char *path, struct stat *buffer) ML_DROPIN_AS(ml_stat); /* struct _stat32's layout */
#else
int stat(const char *path, struct stat *buffer) ML_DROPIN_AS(ml_stat64i32); /* struct _stat64i32's */
#endif
#endif

#ifdef _WIN64
/* _findfirst is this target's _findfirst64i32, defined inline over the
 * narrow _findfirst64: its calls are mapped below. */
intptr_t ml_findfirst(const char *filespec, struct _finddata64i32_t *fileinfo);
int ml_findnext(intptr_t handle, struct _finddata64i32_t *fileinfo);
int ml_utime(const char *path, struct _utimbuf *times);
#else
intptr_t _findfirst32(const char *filespec, struct _finddata32_t *fileinfo) ML_DROPIN_AS(ml_findfirst);
int _findnext32(intptr_t handle, struct _finddata32_t *fileinfo) ML_DROPIN_AS(ml_findnext);
int ml_stat(const char *path, struct _stat32 *buffer);
long long ml_stati64(const char *path, struct _stat32i64 *buffer);
#ifdef _USE_32BIT_TIME_T
int ml_utime(const char *path, struct _utimbuf *times);
#endif
#endif

/* ---- Stream names --------------------------------------------------------- */
/* On a console these show and read the characters that UTF-8 encodes; to
 * files and pipes the bytes pass as they are. */
size_t fwrite(const void *buffer, size_t size, size_t count, FILE *stream) ML_DROPIN_AS(ml_fwrite);
size_t fread(void *buffer, size_t size, size_t count, FILE *stream) ML_DROPIN_AS(ml_fread);

int puts(const char *str) ML_DROPIN_AS(ml_puts);
int fputs(const char *str, FILE *stream) ML_DROPIN_AS(ml_fputs);
int putc(int c, FILE *stream) ML_DROPIN_AS(ml_putc);
int fputc(int c, FILE *stream) ML_DROPIN_AS(ml_fputc);
int putchar(int c) ML_DROPIN_AS(ml_putchar);
int _fputchar(int c) ML_DROPIN_AS(ml_fputchar);
int fgetc(FILE *stream) ML_DROPIN_AS(ml_fgetc);
char *fgets(char *buffer, int count, FILE *stream) ML_DROPIN_AS(ml_fgets);
int getc(FILE *stream) ML_DROPIN_AS(ml_getc);
int getchar(void) ML_DROPIN_AS(ml_getchar);
int _fgetchar(void) ML_DROPIN_AS(ml_fgetchar);
int ungetc(int c, FILE *stream) ML_DROPIN_AS(ml_ungetc);
void perror(const char *message) ML_DROPIN_AS(ml_perror);
/* The runtime's headers may define these inline: their calls are mapped. */
int ml_printf(const char *format, ...);
int ml_fprintf(FILE *stream, const char *format, ...);
int ml_vprintf(const char *format, va_list args);
int ml_vfprintf(FILE *stream, const char *format, va_list args);
#if defined(__MINGW_FORTIFY_LEVEL) && __MINGW_FORTIFY_LEVEL > 0
/* With _FORTIFY_SOURCE stdio.h defines these two inline over the narrow
 * functions: their calls are mapped below. */
char *ml_fgets(char *buffer, int count, FILE *stream);
size_t ml_fread(void *buffer, size_t size, size_t count, FILE *stream);
#endif

/* ---- The library's side of the entry and of the log ----------------------- */

/* Runs the program's main (in any of its forms) with the process's
 * arguments in UTF-8; the vector lives as long as the process. */
int ml_RunMain(int argc, char **argv, void *programMain);
/* A source built with this header refers to it: the program then links the
 * object that keeps the log silent while no log is open. */
extern const char ml_DropInMark;
static const char *const ml_dropInMarkRef __attribute__((used)) = &ml_DropInMark;

#ifdef __cplusplus
} /* extern "C" */
namespace std {
using ::ml_printf;
using ::ml_fprintf;
using ::ml_vprintf;
using ::ml_vfprintf;
} // namespace std
#endif

#pragma GCC diagnostic pop

/* Calls of functions that the runtime's headers define inline, or whose
 * member differs in type. */
#define printf(...) ml_printf(__VA_ARGS__)
#define fprintf(...) ml_fprintf(__VA_ARGS__)
#define vprintf(format, args) ml_vprintf(format, args)
#define vfprintf(stream, format, args) ml_vfprintf(stream, format, args)
#if defined(__MINGW_FORTIFY_LEVEL) && __MINGW_FORTIFY_LEVEL > 0
#define fgets(buffer, count, stream) ml_fgets(buffer, count, stream)
#define fread(buffer, size, count, stream) ml_fread(buffer, size, count, stream)
#endif
#define _stat64(path, buffer) ml_stat64(path, buffer)
#define _stat64i32(path, buffer) ml_stat64i32(path, buffer)
#ifdef _WIN64
#define _findfirst64i32(filespec, fileinfo) ml_findfirst(filespec, fileinfo)
#define _findnext64i32(handle, fileinfo) ml_findnext(handle, fileinfo)
#else
#define _stat32(path, buffer) ml_stat(path, buffer)
#ifndef _stati64 /* with 64-bit times it is _stat64 */
#define _stati64(path, buffer) ((int)ml_stati64(path, buffer))
#endif
#endif
#if defined(_WIN64) || defined(_USE_32BIT_TIME_T) /* the library's time_t */
#define _utime(path, times) ml_utime(path, times)
/* struct utimbuf has struct _utimbuf's layout; the conditional keeps the
 * compiler's check of the argument's type. */
#define utime(path, times) ml_utime(path, (struct _utimbuf *)(1 ? (times) : (struct utimbuf *)0))
#endif

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
/* The program's main gets the symbol ml_main; right before it, the real
 * entry, which the runtime's start-up calls, hands it to the library. A
 * main in the library itself would be taken by every program that links
 * it, WinMain programs included. */
#ifdef _WIN64
#define main(...)                                                                                                      \
    main(__VA_ARGS__) __asm__("ml_main");                                                                              \
    int ml_dropInMain(int argc, char **argv) __asm__("main");                                                          \
    int ml_dropInMain(int argc, char **argv) { return ml_RunMain(argc, argv, (void *)main); }                          \
    int main(__VA_ARGS__)
#else
#define main(...)                                                                                                      \
    main(__VA_ARGS__) __asm__("_ml_main");                                                                             \
    int ml_dropInMain(int argc, char **argv) __asm__("_main");                                                         \
    int ml_dropInMain(int argc, char **argv) { return ml_RunMain(argc, argv, (void *)main); }                          \
    int main(__VA_ARGS__)
#endif

#undef ML_DROPIN_AS
#undef ML_DROPIN_STRING
#undef ML_DROPIN_STRING2

/** @endcond */

// Processes, synchronisation, environment and windows, in UTF-8.
#include <MultiLanguage/mlWin.h>

#include <psapi.h>
#include <shellapi.h>
#include <shlwapi.h>
#include <stdlib.h>
#include <string.h>

#include <MultiLanguage/mlGeneral.h>

#include "mlFacade.h"

using ml::InPlace;
using ml::LastErrorKeeper;
using ml::toCaller;
using ml::Wide;

namespace {

// The longest command line a process can have, with its zero: what
// ml_CommandLineToArgv takes.
const int kCommandLineUnits = 32768;

// Units of the smaller wide buffers: event names, module paths of another
// process, byte-size texts.
const int kShortUnits = 520;

// UTF-8 size of a wide text, its terminator included, and its length.
int utf8Size(const WCHAR *text)
{
    return static_cast<int>(ml_GetUTF16toUTF8Size(text));
}

int utf8Length(const WCHAR *text)
{
    return utf8Size(text) - 1;
}

// The platform reported a result too long for the member's wide buffer and
// left no whole text there: nothing may be converted. Records, leaves
// ERROR_INSUFFICIENT_BUFFER and returns 0.
int unfilled(const char *format, int line)
{
    ml_Logger(format, line, __FILE__);
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
}

// The folder that query names, into the caller's buffer: its UTF-8 length,
// or with no buffer the same; the size needed with the zero when it does
// not fit; 0 when the platform fails or the folder overflows the wide buffer.
UINT systemFolder(UINT(WINAPI *query)(LPWSTR, UINT), const char *record, char *buffer, UINT size)
{
    Wide folder;
    const UINT n = query(folder.out(), Wide::Units);
    if (n == 0)
        return 0;
    if (n >= UINT(Wide::Units))
        return unfilled(record, __LINE__);
    if (buffer == NULL)
        return utf8Length(folder.out());
    if (!toCaller(folder.out(), buffer, size)) {
        ml_Logger(record, ML_AT);
        return utf8Size(folder.out());
    }
    return utf8Length(folder.out());
}

// The whole length of a window's text, the last error kept.
int fullLength(HWND window)
{
    LastErrorKeeper keep;
    return GetWindowTextLengthW(window);
}

// The wide startup record: the caller's flags and standard handles, and its
// show-window value when the flags announce one; everything else zero.
STARTUPINFOW wideStartup(const STARTUPINFOA &in)
{
    STARTUPINFOW out;
    ZeroMemory(&out, sizeof out);
    out.cb = sizeof out;
    out.dwFlags = in.dwFlags;
    if (in.dwFlags & STARTF_USESHOWWINDOW)
        out.wShowWindow = in.wShowWindow;
    out.hStdInput = in.hStdInput;
    out.hStdOutput = in.hStdOutput;
    out.hStdError = in.hStdError;
    return out;
}

} // namespace

extern "C" {

// ---- Events, mutexes, semaphores --------------------------------------------

HANDLE ml_CreateEvent(LPSECURITY_ATTRIBUTES attributes, BOOL manualReset, BOOL initialState, const char *name)
{
    Wide wName;
    if (!wName.fromOptional(name)) {
        ml_Logger("ml_CreateEvent has failed to convert at %d line, file: %s", ML_AT);
        return NULL;
    }
    return CreateEventW(attributes, manualReset, initialState, wName.arg());
}

HANDLE ml_OpenEvent(DWORD access, BOOL inheritHandle, const char *name)
{
    WCHAR wName[kShortUnits];
    if (name != NULL && !ml_ConvertUTF8toUTF16(name, wName, sizeof wName)) {
        ml_Logger("ml_OpenEvent has failed to convert at %d line, file: %s", ML_AT);
        return NULL;
    }
    return OpenEventW(access, inheritHandle, name != NULL ? wName : NULL);
}

HANDLE ml_CreateMutex(LPSECURITY_ATTRIBUTES attributes, BOOL initialOwner, const char *name)
{
    Wide wName;
    if (!wName.fromOptional(name)) {
        ml_Logger("ml_CreateMutex has failed to convert at %d line, file: %s", ML_AT);
        return NULL;
    }
    return CreateMutexW(attributes, initialOwner, wName.arg());
}

HANDLE ml_OpenMutex(DWORD access, BOOL inheritHandle, const char *name)
{
    Wide wName;
    if (!wName.fromOptional(name)) {
        ml_Logger("ml_CreateMutex has failed to convert at %d line, file: %s", ML_AT);
        return NULL;
    }
    return OpenMutexW(access, inheritHandle, wName.arg());
}

HANDLE ml_CreateSemaphore(LPSECURITY_ATTRIBUTES attributes, LONG initialCount, LONG maximumCount, const char *name)
{
    Wide wName;
    if (!wName.fromOptional(name)) {
        ml_Logger("ml_CreateSemaphore has failed to convert at %d line, file: %s", ML_AT);
        return NULL;
    }
    return CreateSemaphoreW(attributes, initialCount, maximumCount, wName.arg());
}

HANDLE ml_OpenSemaphore(DWORD access, BOOL inheritHandle, const char *name)
{
    Wide wName;
    if (!wName.fromOptional(name)) {
        ml_Logger("ml_OpenSemaphore has failed to convert at %d line, file: %s", ML_AT);
        return NULL;
    }
    return OpenSemaphoreW(access, inheritHandle, wName.arg());
}

// ---- Processes ----------------------------------------------------------------

BOOL ml_CreateProcess(const char *applicationName, const char *commandLine, LPSECURITY_ATTRIBUTES processAttributes,
                      LPSECURITY_ATTRIBUTES threadAttributes, BOOL inheritHandles, DWORD creationFlags,
                      LPVOID environment, const char *currentDirectory, LPSTARTUPINFOA startupInfo,
                      LPPROCESS_INFORMATION processInformation)
{
    Wide wApplication, wCommandLine, wDirectory;
    int ok = 1;
    ok &= wApplication.fromOptional(applicationName);
    ok &= wCommandLine.fromOptional(commandLine);
    ok &= wDirectory.fromOptional(currentDirectory);
    if (!ok) {
        ml_Logger("ml_CreateProcess has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    STARTUPINFOW startup;
    if (startupInfo != NULL)
        startup = wideStartup(*startupInfo);
    // The platform may write into the command line: it gets our own copy.
    return CreateProcessW(wApplication.arg(), commandLine != NULL ? wCommandLine.out() : NULL, processAttributes,
                          threadAttributes, inheritHandles, creationFlags, environment, wDirectory.arg(),
                          startupInfo != NULL ? &startup : NULL, processInformation);
}

char *ml_GetCommandLine(void)
{
    const WCHAR *line = GetCommandLineW();
    const int size = utf8Size(line) + 1;
    char *block = static_cast<char *>(malloc(size));
    if (block == NULL) {
        ml_Logger("ml_GetCommandLine has failed to alloc memory at %d line, file: %s", ML_AT);
        return NULL;
    }
    if (!ml_ConvertUTF16toUTF8(line, block, size)) {
        ml_Logger("ml_GetCommandLine has failed to convert at %d line, file: %s", ML_AT);
        LastErrorKeeper keep;
        free(block);
        return NULL;
    }
    return block;
}

char **ml_CommandLineToArgv(const char *commandLine, int *argc)
{
    // Any command line a process can be given, so the program's own always
    // converts: a conversion buffer of that size, on the heap.
    WCHAR *wide = static_cast<WCHAR *>(malloc(kCommandLineUnits * sizeof(WCHAR)));
    if (wide == NULL) {
        ml_Logger("ml_CommandLineToArgv has failed to alloc memory at %d line, file: %s", ML_AT);
        return NULL;
    }
    if (!ml_ConvertUTF8toUTF16(commandLine, wide, kCommandLineUnits * sizeof(WCHAR))) {
        ml_Logger("ml_CommandLineToArgv has failed to convert 1 at %d line, file: %s", ML_AT);
        LastErrorKeeper keep;
        free(wide);
        return NULL;
    }
    WCHAR **wideArgs = CommandLineToArgvW(wide, argc);
    {
        LastErrorKeeper keep;
        free(wide);
    }
    if (wideArgs == NULL)
        return NULL;

    // One block as the platform's: the pointers, a closing NULL, the texts.
    const int count = *argc;
    size_t bytes = (count + 1) * sizeof(char *);
    for (int i = 0; i < count; ++i)
        bytes += ml_GetUTF16toUTF8Size(wideArgs[i]);
    char **args = static_cast<char **>(LocalAlloc(LMEM_FIXED, bytes));
    LastErrorKeeper keep; // the platform's, whatever follows
    if (args == NULL) {
        ml_Logger("ml_CommandLineToArgv has failed to alloc memory at %d line, file: %s", ML_AT);
        LocalFree(wideArgs);
        return NULL;
    }
    char *text = reinterpret_cast<char *>(args + count + 1);
    const char *const end = reinterpret_cast<const char *>(args) + bytes;
    for (int i = 0; i < count; ++i) {
        args[i] = text;
        if (!ml_ConvertUTF16toUTF8(wideArgs[i], text, ml::clampSize(static_cast<size_t>(end - text)))) {
            ml_Logger("ml_CommandLineToArgv has failed to convert 2 at %d line, file: %s", ML_AT);
            LocalFree(args);
            LocalFree(wideArgs);
            return NULL;
        }
        text += strlen(text) + 1;
    }
    args[count] = NULL;
    LocalFree(wideArgs);
    return args;
}

// ---- Libraries and modules ----------------------------------------------------

HMODULE ml_LoadLibrary(const char *fileName)
{
    Wide wName;
    if (!wName.from(fileName)) {
        ml_Logger("ml_LoadLibrary has failed to convert at %d line, file: %s", ML_AT);
        return NULL;
    }
    return LoadLibraryW(wName.arg());
}

HMODULE ml_LoadLibraryEx(const char *fileName, HANDLE file, DWORD flags)
{
    Wide wName;
    if (!wName.from(fileName)) {
        ml_Logger("ml_LoadLibraryEx has failed to convert at %d line, file: %s", ML_AT);
        return NULL;
    }
    return LoadLibraryExW(wName.arg(), file, flags);
}

HMODULE ml_GetModuleHandle(const char *moduleName)
{
    Wide wName;
    if (!wName.fromOptional(moduleName)) {
        ml_Logger("ml_GetModuleHandle has failed to convert at %d line, file: %s", ML_AT);
        return NULL;
    }
    return GetModuleHandleW(wName.arg());
}

DWORD ml_GetModuleFileName(HMODULE module, char *buffer, DWORD size)
{
    Wide path;
    const DWORD n = GetModuleFileNameW(module, path.out(), Wide::Units);
    if (n == 0)
        return 0;
    if (n >= DWORD(Wide::Units)) // cut, and perhaps not terminated
        return unfilled("ml_GetModuleFileName has failed to convert at %d line, file: %s", __LINE__);
    if (buffer == NULL)
        return utf8Length(path.out());
    if (!toCaller(path.out(), buffer, size)) {
        ml_Logger("ml_GetModuleFileName has failed to convert at %d line, file: %s", ML_AT);
        return 0;
    }
    return utf8Length(path.out());
}

DWORD ml_GetModuleFileNameEx(HANDLE process, HMODULE module, char *buffer, DWORD size)
{
    // The platform always writes into our own buffer: a caller's NULL buffer
    // is never handed on behind a capacity.
    WCHAR path[kShortUnits];
    const DWORD n = GetModuleFileNameExW(process, module, path, kShortUnits);
    if (n == 0)
        return 0;
    if (n >= DWORD(kShortUnits)) // cut
        return unfilled("ml_GetModuleFileNameEx has failed to convert at %d line, file: %s", __LINE__);
    if (buffer == NULL)
        return utf8Length(path);
    if (!toCaller(path, buffer, size)) {
        ml_Logger("ml_GetModuleFileNameEx has failed to convert at %d line, file: %s", ML_AT);
        return 0;
    }
    return utf8Length(path);
}

DWORD ml_GetModuleBaseName(HANDLE process, HMODULE module, char *buffer, DWORD size)
{
    Wide name;
    const DWORD n = GetModuleBaseNameW(process, module, name.out(), Wide::Units);
    if (n == 0)
        return 0;
    if (n >= DWORD(Wide::Units)) // cut, and not terminated
        return unfilled("ml_GetModuleBaseName has failed to convert at %d line, file: %s", __LINE__);
    if (!toCaller(name.out(), buffer, size)) {
        ml_Logger("ml_GetModuleBaseName has failed to convert at %d line, file: %s", ML_AT);
        return 0;
    }
    return n;
}

FARPROC ml_GetProcAddress(HMODULE module, LPCSTR procName)
{
    return GetProcAddress(module, procName);
}

// ---- Environment --------------------------------------------------------------

DWORD ml_GetEnvironmentVariable(const char *name, char *buffer, DWORD size)
{
    Wide wName, value;
    if (!wName.fromOptional(name)) {
        ml_Logger("ml_GetEnvironmentVariable has failed to convert 1 at %d line, file: %s", ML_AT);
        return 0;
    }
    const DWORD n = GetEnvironmentVariableW(wName.arg(), value.out(), Wide::Units);
    if (n == 0)
        return 0;
    if (n >= DWORD(Wide::Units)) // the size needed; nothing written
        return unfilled("ml_GetEnvironmentVariable has failed to convert 2 at %d line, file: %s", __LINE__);
    if (buffer == NULL)
        return utf8Length(value.out());
    if (!toCaller(value.out(), buffer, size)) {
        ml_Logger("ml_GetEnvironmentVariable has failed to convert 2 at %d line, file: %s", ML_AT);
        return utf8Size(value.out());
    }
    return utf8Length(value.out());
}

BOOL ml_SetEnvironmentVariable(const char *name, const char *value)
{
    Wide wName, wValue;
    int ok = 1;
    ok &= wName.fromOptional(name);
    ok &= wValue.fromOptional(value);
    if (!ok) {
        ml_Logger("ml_SetEnvironmentVariable has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return SetEnvironmentVariableW(wName.arg(), wValue.arg());
}

DWORD ml_ExpandEnvironmentStrings(const char *source, char *destination, DWORD size)
{
    Wide wSource, expanded;
    if (!wSource.from(source)) {
        ml_Logger("ml_ExpandEnvironmentStrings has failed to convert 1 at %d line, file: %s", ML_AT);
        return 0;
    }
    const DWORD n = ExpandEnvironmentStringsW(wSource.arg(), expanded.out(), Wide::Units);
    if (n == 0)
        return 0;
    if (n > DWORD(Wide::Units)) // the size needed; the text was cut
        return unfilled("ml_ExpandEnvironmentStrings has failed to convert 2 at %d line, file: %s", __LINE__);
    if (!toCaller(expanded.out(), destination, size)) {
        ml_Logger("ml_ExpandEnvironmentStrings has failed to convert 2 at %d line, file: %s", ML_AT);
        return 0;
    }
    return utf8Length(expanded.out()) + 1;
}

// ---- System folders, names, version -------------------------------------------

UINT ml_GetSystemDirectory(char *buffer, UINT size)
{
    return systemFolder(GetSystemDirectoryW, "ml_GetSystemDirectory has failed to convert at %d line, file: %s", buffer,
                        size);
}

UINT ml_GetWindowsDirectory(char *buffer, UINT size)
{
    return systemFolder(GetWindowsDirectoryW, "ml_GetWindowsDirectory has failed to convert at %d line, file: %s",
                        buffer, size);
}

BOOL ml_GetComputerName(char *buffer, LPDWORD size)
{
    Wide name;
    DWORD units = Wide::Units;
    if (!GetComputerNameW(name.out(), &units)) {
        *size = units;
        return FALSE;
    }
    if (buffer == NULL)
        return TRUE;
    if (!toCaller(name.out(), buffer, *size)) {
        *size = utf8Size(name.out());
        ml_Logger("ml_GetComputerName has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    *size = utf8Length(name.out());
    return TRUE;
}

BOOL ml_GetComputerNameEx(COMPUTER_NAME_FORMAT type, char *buffer, LPDWORD size)
{
    Wide name;
    DWORD units = Wide::Units;
    if (!GetComputerNameExW(type, name.out(), &units))
        return FALSE;
    if (buffer == NULL)
        return TRUE;
    if (!toCaller(name.out(), buffer, *size)) {
        *size = utf8Size(name.out());
        ml_Logger("ml_GetComputerNameEx has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    *size = utf8Length(name.out());
    return TRUE;
}

BOOL ml_SetComputerNameEx(COMPUTER_NAME_FORMAT type, const char *name)
{
    Wide wName;
    if (!wName.fromOptional(name)) {
        ml_Logger("ml_SetComputerNameEx has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return SetComputerNameExW(type, wName.arg());
}

BOOL ml_GetUserName(char *buffer, LPDWORD size)
{
    Wide name;
    DWORD units = Wide::Units;
    if (!GetUserNameW(name.out(), &units)) {
        ml_Logger("ml_GetUserName has failed to convert 1 at %d line, file: %s", ML_AT);
        *size = units * 4;
        return FALSE;
    }
    if (buffer == NULL)
        return TRUE;
    if (!toCaller(name.out(), buffer, *size)) {
        *size = utf8Size(name.out());
        ml_Logger("ml_GetUserName has failed to convert 2 at %d line, file: %s", ML_AT);
        return FALSE;
    }
    *size = utf8Length(name.out());
    return TRUE;
}

BOOL ml_GetVersionEx(LPOSVERSIONINFOA info)
{
    OSVERSIONINFOW wide;
    ZeroMemory(&wide, sizeof wide);
    wide.dwOSVersionInfoSize = sizeof wide;
    if (!GetVersionExW(&wide))
        return FALSE;
    info->dwOSVersionInfoSize = wide.dwOSVersionInfoSize;
    info->dwMajorVersion = wide.dwMajorVersion;
    info->dwMinorVersion = wide.dwMinorVersion;
    info->dwBuildNumber = wide.dwBuildNumber;
    info->dwPlatformId = wide.dwPlatformId;
    if (!ml_ConvertUTF16toUTF8(wide.szCSDVersion, info->szCSDVersion, sizeof info->szCSDVersion)) {
        ml_Logger("ml_GetVersionEx has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return TRUE;
}

BOOL ml_SystemParametersInfo(UINT action, UINT param, PVOID value, UINT winIni)
{
    return SystemParametersInfoA(action, param, value, winIni);
}

// ---- Console --------------------------------------------------------------------

DWORD ml_GetConsoleTitle(char *buffer, DWORD size)
{
    Wide title;
    const DWORD n = GetConsoleTitleW(title.out(), Wide::Units);
    if (n == 0)
        return 0;
    if (n >= DWORD(Wide::Units)) // the whole length; the text was cut
        return unfilled("ml_GetConsoleTitle has failed to convert at %d line, file: %s", __LINE__);
    if (buffer == NULL)
        return utf8Size(title.out());
    if (!toCaller(title.out(), buffer, size)) {
        ml_Logger("ml_GetConsoleTitle has failed to convert at %d line, file: %s", ML_AT);
        return utf8Size(title.out());
    }
    return utf8Length(title.out());
}

BOOL ml_SetConsoleTitle(const char *title)
{
    Wide wTitle;
    if (!wTitle.from(title)) {
        ml_Logger("ml_SetConsoleTitle has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return SetConsoleTitleW(wTitle.arg());
}

// ---- Windows, message boxes, string resources -----------------------------------

UINT ml_RegisterWindowMessage(const char *name)
{
    Wide wName;
    if (!wName.fromOptional(name)) {
        ml_Logger("ml_RegisterWindowMessage has failed to convert at %d line, file: %s", ML_AT);
        return 0;
    }
    return RegisterWindowMessageW(wName.arg());
}

HWND ml_FindWindow(const char *className, const char *windowName)
{
    Wide wClass, wWindow;
    int ok = 1;
    ok &= wClass.from(className);
    ok &= wWindow.from(windowName);
    if (!ok) {
        ml_Logger("ml_FindWindow has failed to convert at %d line, file: %s", ML_AT);
        return NULL;
    }
    return FindWindowW(wClass.arg(), wWindow.arg());
}

HWND ml_CreateWindow(const char *className, const char *windowName, DWORD style, int x, int y, int width, int height,
                     HWND parent, HMENU menu, HINSTANCE instance, LPVOID param)
{
    Wide wClass, wWindow;
    int ok = 1;
    ok &= wClass.fromOptional(className);
    ok &= wWindow.fromOptional(windowName);
    if (!ok) {
        ml_Logger("ml_CreateWindow has failed to convert at %d line, file: %s", ML_AT);
        return NULL;
    }
    return CreateWindowExW(0, wClass.arg(), wWindow.arg(), style, x, y, width, height, parent, menu, instance, param);
}

HWND ml_CreateWindowEx(DWORD exStyle, const char *className, const char *windowName, DWORD style, int x, int y,
                       int width, int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param)
{
    Wide wClass, wWindow;
    int ok = 1;
    ok &= wClass.fromOptional(className);
    ok &= wWindow.fromOptional(windowName);
    if (!ok) {
        ml_Logger("ml_CreateWindowEx has failed to convert at %d line, file: %s", ML_AT);
        return NULL;
    }
    return CreateWindowExW(exStyle, wClass.arg(), wWindow.arg(), style, x, y, width, height, parent, menu, instance,
                           param);
}

int ml_GetWindowText(HWND window, char *buffer, int size)
{
    Wide text;
    const int n = GetWindowTextW(window, text.out(), Wide::Units);
    if (n == 0)
        return 0;
    // The platform cuts silently; only the length tells.
    if (n >= Wide::Units - 1 && fullLength(window) >= Wide::Units)
        return unfilled("ml_GetWindowText has failed to convert at %d line, file: %s", __LINE__);
    if (buffer == NULL)
        return utf8Length(text.out());
    if (!toCaller(text.out(), buffer, size)) {
        ml_Logger("ml_GetWindowText has failed to convert at %d line, file: %s", ML_AT);
        return 0;
    }
    return utf8Length(text.out());
}

BOOL ml_SetWindowText(HWND window, const char *text)
{
    Wide wText;
    if (!wText.from(text)) {
        ml_Logger("ml_SetWindowText has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return SetWindowTextW(window, wText.arg());
}

int ml_MessageBox(HWND owner, const char *text, const char *caption, UINT type)
{
    Wide wText, wCaption;
    int ok = 1;
    ok &= wText.fromOptional(text);
    ok &= wCaption.fromOptional(caption);
    if (!ok) {
        ml_Logger("ml_MessageBox has failed to convert at %d line, file: %s", ML_AT);
        return 0;
    }
    return MessageBoxW(owner, wText.arg(), wCaption.arg(), type);
}

int ml_LoadString(HINSTANCE instance, UINT id, char *buffer, int size)
{
    if (buffer == NULL) {
        // Nothing to write: count the string in our own buffer.
        Wide text;
        return LoadStringW(instance, id, text.out(), Wide::Units) == 0 ? 0 : utf8Length(text.out());
    }
    // A capacity of 0 would ask the platform to store a pointer in the buffer.
    if (size / 2 <= 0)
        return 0;
    InPlace text(buffer, size);
    if (LoadStringW(instance, id, text.out(), size / 2) == 0)
        return 0;
    if (!text.toUtf8()) {
        ml_Logger("ml_LoadString has failed to convert at %d line, file: %s", ML_AT);
        return utf8Size(text.out());
    }
    return static_cast<int>(strlen(buffer));
}

// ---- Text utilities -------------------------------------------------------------

char *ml_StrFormatByteSize(LONGLONG number, char *buffer, UINT size)
{
    WCHAR text[kShortUnits];
    if (StrFormatByteSizeW(number, text, kShortUnits) == NULL)
        return NULL;
    return toCaller(text, buffer, size) ? buffer : NULL;
}

char *ml_CharNext(const char *p)
{
    if (p == NULL || *p == '\0')
        return const_cast<char *>(p);
    const int bytes = ml_GetUTF8CharBytes(p);
    // A sequence cut short by the terminator ends at the terminator.
    int i = 1;
    while (i < bytes && p[i] != '\0')
        ++i;
    return const_cast<char *>(p + i);
}

BOOL ml_GetStringTypeA(LCID locale, DWORD infoType, LPCSTR text, int length, LPWORD types)
{
    return GetStringTypeA(locale, infoType, text, length, types);
}

BOOL ml_GetStringTypeW(DWORD infoType, LPCWSTR text, int length, LPWORD types)
{
    return GetStringTypeW(infoType, text, length, types);
}

DWORD ml_FormatMessage(DWORD flags, LPCVOID source, DWORD messageId, DWORD languageId, LPSTR buffer, DWORD size,
                       va_list *arguments)
{
    return FormatMessageA(flags, source, messageId, languageId, buffer, size, arguments);
}

} // extern "C"

// Files, folders, drives and paths, in UTF-8.
#include <MultiLanguage/mlFileFunctions.h>

#include <shlobj.h>
#include <shlwapi.h>
#include <stdlib.h>
#include <string.h>

#include <MultiLanguage/mlGeneral.h>

#include "mlFacade.h"

using ml::LastErrorKeeper;
using ml::Wide;

namespace {

// A wide list of units UTF-16 units, all its zeros counted, into the
// caller's buffer; refused, as ml::toCaller refuses text, when the buffer
// has no bytes.
bool listToCaller(const WCHAR *list, DWORD units, char *out, DWORD size)
{
    if (out != NULL && size == 0)
        return false;
    return ml_ConvertMultiSzUTF16toUTF8(list, static_cast<int>(units), out, ml::clampSize(size)) != 0;
}

// A wide path function returns its length when the path fitted the
// conversion buffer and the units it needs (more than the buffer) when not;
// then it wrote nothing there that could be converted or measured.
bool fitted(DWORD units) { return units < Wide::Units; }

// The answer to a path too long for the conversion buffer: nothing, and the
// platform's code for a buffer too small.
DWORD tooLong()
{
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
}

// The UTF-8 size, zero included, of a zero-terminated wide text.
DWORD utf8Size(const WCHAR *text) { return ml_GetUTF16toUTF8Size(text); }

} // namespace

extern "C" {

BOOL ml_PathAppend(char *path, const char *more)
{
    if (path == NULL || more == NULL)
        return FALSE;
    // Neither text can fit a MAX_PATH result: refuse before converting, so
    // that no conversion record is written for a plain "does not fit".
    if (strnlen(path, MAX_PATH) >= MAX_PATH || ml_GetUTF8toUTF16Size(more) > MAX_PATH * sizeof(WCHAR))
        return FALSE;
    Wide wPath, wMore;
    if (!wPath.from(path) || !wMore.from(more))
        return FALSE;
    if (!PathAppendW(wPath.out(), wMore.arg()))
        return FALSE;
    if (ml_GetUTF16toUTF8Size(wPath.arg()) > MAX_PATH)
        return FALSE;
    return wPath.to(path, MAX_PATH) ? TRUE : FALSE;
}

HRESULT ml_SHGetFolderPath(HWND owner, int csidl, HANDLE token, DWORD flags, char *path)
{
    Wide folder;
    const HRESULT result = SHGetFolderPathW(owner, csidl, token, flags, path != NULL ? folder.out() : NULL);
    if (path != NULL && result >= 0 && !folder.to(path, Wide::Bytes)) {
        ml_Logger("ml_SHGetFolderPath has failed to convert at %d line, file: %s", ML_AT);
        return -1;
    }
    return result;
}

BOOL ml_CreateDirectory(const char *path, LPSECURITY_ATTRIBUTES attributes)
{
    Wide wPath;
    if (!wPath.from(path)) {
        ml_Logger("ml_CreateDirectory has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return CreateDirectoryW(wPath.arg(), attributes);
}

DWORD ml_SearchPath(const char *path, const char *fileName, const char *extension, DWORD size, char *buffer,
                    char **filePart)
{
    Wide wPath, wFile, wExtension;
    bool converted = wPath.fromOptional(path);
    if (!wFile.fromOptional(fileName))
        converted = false;
    if (!wExtension.fromOptional(extension))
        converted = false;
    if (!converted) {
        ml_Logger("ml_SearchPath has failed to convert 1 at %d line, file: %s", ML_AT);
        return 0;
    }
    // Without a buffer the platform reports the units the path needs.
    Wide found;
    const DWORD units = SearchPathW(wPath.arg(), wFile.arg(), wExtension.arg(), buffer != NULL ? Wide::Units : 0,
                                    buffer != NULL ? found.out() : NULL, NULL);
    if (units == 0 || buffer == NULL)
        return units;
    if (!fitted(units)) {
        ml_Logger("ml_SearchPath has failed to convert 2 at %d line, file: %s", ML_AT);
        return tooLong();
    }
    if (!ml::toCaller(found.arg(), buffer, size)) {
        ml_Logger("ml_SearchPath has failed to convert 2 at %d line, file: %s", ML_AT);
        return 0;
    }
    if (filePart != NULL) {
        char *slash = strrchr(buffer, '\\');
        *filePart = slash != NULL ? slash + 1 : buffer;
    }
    return units;
}

BOOL ml_GetFileSecurity(const char *fileName, SECURITY_INFORMATION requested, PSECURITY_DESCRIPTOR descriptor,
                        DWORD descriptorSize, LPDWORD sizeNeeded)
{
    Wide wFile;
    if (!wFile.fromOptional(fileName)) {
        ml_Logger("ml_GetFileSecurity has failed to convert 1 at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return GetFileSecurityW(wFile.arg(), requested, descriptor, descriptorSize, sizeNeeded);
}

BOOL ml_MoveFile(const char *existingName, const char *newName)
{
    Wide wExisting, wNew;
    bool converted = wExisting.from(existingName);
    if (!wNew.from(newName))
        converted = false;
    if (!converted) {
        ml_Logger("ml_MoveFile has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return MoveFileW(wExisting.arg(), wNew.arg());
}

BOOL ml_MoveFileEx(const char *existingName, const char *newName, DWORD flags)
{
    Wide wExisting, wNew;
    bool converted = wExisting.from(existingName);
    if (!wNew.from(newName))
        converted = false;
    if (!converted) {
        ml_Logger("ml_MoveFileEx has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return MoveFileExW(wExisting.arg(), wNew.arg(), flags);
}

BOOL ml_CopyFile(const char *existingName, const char *newName, BOOL failIfExists)
{
    Wide wExisting, wNew;
    bool converted = wExisting.from(existingName);
    if (!wNew.from(newName))
        converted = false;
    if (!converted) {
        ml_Logger("ml_CopyFile has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return CopyFileW(wExisting.arg(), wNew.arg(), failIfExists);
}

BOOL ml_RemoveDirectory(const char *path)
{
    Wide wPath;
    if (!wPath.from(path)) {
        ml_Logger("ml_RemoveDirectory has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return RemoveDirectoryW(wPath.arg());
}

BOOL ml_SetCurrentDirectory(const char *path)
{
    Wide wPath;
    if (!wPath.fromOptional(path)) {
        ml_Logger("ml_SetCurrentDirectory has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return SetCurrentDirectoryW(wPath.arg());
}

BOOL ml_SetFileAttributes(const char *fileName, DWORD attributes)
{
    Wide wFile;
    if (!wFile.from(fileName)) {
        ml_Logger("ml_SetFileAttributes has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return SetFileAttributesW(wFile.arg(), attributes);
}

BOOL ml_SetVolumeLabel(const char *rootPath, const char *volumeName)
{
    Wide wRoot, wName;
    bool converted = wRoot.fromOptional(rootPath);
    if (!wName.fromOptional(volumeName))
        converted = false;
    if (!converted) {
        ml_Logger("ml_SetVolumeLabel has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return SetVolumeLabelW(wRoot.arg(), wName.arg());
}

HANDLE ml_CreateFile(const char *fileName, DWORD access, DWORD shareMode, LPSECURITY_ATTRIBUTES security,
                     DWORD creationDisposition, DWORD flagsAndAttributes, HANDLE templateFile)
{
    Wide wFile;
    if (!wFile.from(fileName)) {
        ml_Logger("ml_CreateFile has failed to convert at %d line, file: %s", ML_AT);
        return INVALID_HANDLE_VALUE;
    }
    return CreateFileW(wFile.arg(), access, shareMode, security, creationDisposition, flagsAndAttributes,
                       templateFile);
}

BOOL ml_DefineDosDevice(DWORD flags, const char *deviceName, const char *targetPath)
{
    Wide wDevice, wTarget;
    bool converted = wDevice.fromOptional(deviceName);
    if (!wTarget.fromOptional(targetPath))
        converted = false;
    if (!converted) {
        ml_Logger("ml_DefineDosDevice has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return DefineDosDeviceW(flags, wDevice.arg(), wTarget.arg());
}

BOOL ml_DeleteFile(const char *fileName)
{
    Wide wFile;
    if (!wFile.from(fileName)) {
        ml_Logger("ml_DeleteFile has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return DeleteFileW(wFile.arg());
}

HANDLE ml_FindFirstFile(const char *fileName, LPWIN32_FIND_DATAA findData)
{
    Wide wFile;
    if (!wFile.from(fileName)) {
        ml_Logger("ml_FindFirstFile has failed to convert 1 at %d line, file: %s", ML_AT);
        return INVALID_HANDLE_VALUE;
    }
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(wFile.arg(), &found);
    if (search == INVALID_HANDLE_VALUE || findData == NULL)
        return search;
    if (!ml_ConvertWIN32FindData16to8(&found, findData)) {
        // A handle whose first match the caller cannot read is no use.
        ml_Logger("ml_FindFirstFile has failed to convert 2 at %d line, file: %s", ML_AT);
        LastErrorKeeper keep;
        FindClose(search);
        return INVALID_HANDLE_VALUE;
    }
    return search;
}

BOOL ml_FindNextFile(HANDLE search, LPWIN32_FIND_DATAA findData)
{
    WIN32_FIND_DATAW found;
    const BOOL next = FindNextFileW(search, &found);
    if (next && findData != NULL && !ml_ConvertWIN32FindData16to8(&found, findData)) {
        ml_Logger("ml_FindNextFile has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return next;
}

BOOL ml_GetBinaryType(const char *applicationName, LPDWORD binaryType)
{
    Wide wName;
    if (!wName.from(applicationName)) {
        ml_Logger("ml_GetBinaryType has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return GetBinaryTypeW(wName.arg(), binaryType);
}

BOOL ml_GetDiskFreeSpace(const char *rootPath, LPDWORD sectorsPerCluster, LPDWORD bytesPerSector,
                         LPDWORD freeClusters, LPDWORD totalClusters)
{
    Wide wRoot;
    if (!wRoot.fromOptional(rootPath)) {
        ml_Logger("ml_GetDiskFreeSpace has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return GetDiskFreeSpaceW(wRoot.arg(), sectorsPerCluster, bytesPerSector, freeClusters, totalClusters);
}

UINT ml_GetDriveType(const char *rootPath)
{
    Wide wRoot;
    if (!wRoot.fromOptional(rootPath)) {
        ml_Logger("ml_GetDriveType has failed to convert at %d line, file: %s", ML_AT);
        return DRIVE_UNKNOWN;
    }
    return GetDriveTypeW(wRoot.arg());
}

DWORD ml_GetFileAttributes(const char *fileName)
{
    Wide wFile;
    if (!wFile.from(fileName)) {
        ml_Logger("ml_GetFileAttributes has failed to convert at %d line, file: %s", ML_AT);
        return INVALID_FILE_ATTRIBUTES;
    }
    return GetFileAttributesW(wFile.arg());
}

DWORD ml_GetLogicalDriveStrings(DWORD size, char *buffer)
{
    Wide drives;
    const DWORD units = GetLogicalDriveStringsW(Wide::Units, drives.out());
    if (units == 0)
        return 0;
    if (!fitted(units))
        return tooLong();
    // The list crosses with its closing zero; when it does not fit, the
    // caller learns the size with that zero, which is more than its buffer.
    if (!listToCaller(drives.arg(), units + 1, buffer, size)) {
        ml_Logger("ml_GetLogicalDriveStrings has failed to convert at %d line, file: %s", ML_AT);
        return ml_GetMultiSzUTF16toUTF8Size(drives.arg(), static_cast<int>(units) + 1);
    }
    return ml_GetMultiSzUTF16toUTF8Size(drives.arg(), static_cast<int>(units));
}

DWORD ml_GetShortPathName(const char *longPath, char *buffer, DWORD size)
{
    Wide wLong;
    if (!wLong.fromOptional(longPath)) {
        ml_Logger("ml_GetShortPathName has failed to convert 1 at %d line, file: %s", ML_AT);
        return 0;
    }
    // Written into the conversion buffer even for a size query, which can
    // then be answered in UTF-8 bytes.
    Wide shortPath;
    const DWORD units = GetShortPathNameW(wLong.arg(), shortPath.out(), Wide::Units);
    if (units == 0)
        return 0;
    if (!fitted(units)) {
        ml_Logger("ml_GetShortPathName has failed to convert 2 at %d line, file: %s", ML_AT);
        return tooLong();
    }
    if (!ml::toCaller(shortPath.arg(), buffer, size)) {
        ml_Logger("ml_GetShortPathName has failed to convert 2 at %d line, file: %s", ML_AT);
        return utf8Size(shortPath.arg());
    }
    return utf8Size(shortPath.arg()) - 1;
}

UINT ml_GetTempFileName(const char *folder, const char *prefix, UINT unique, char *name)
{
    Wide wFolder, wPrefix;
    bool converted = wFolder.fromOptional(folder);
    if (!wPrefix.fromOptional(prefix))
        converted = false;
    if (!converted) {
        ml_Logger("ml_GetTempFileName has failed to convert 1 at %d line, file: %s", ML_AT);
        return 0;
    }
    WCHAR wName[MAX_PATH];
    const UINT used = GetTempFileNameW(wFolder.arg(), wPrefix.arg(), unique, name != NULL ? wName : NULL);
    if (used == 0)
        return 0;
    if (name != NULL && !ml_ConvertUTF16toUTF8(wName, name, MAX_PATH)) {
        ml_Logger("ml_GetTempFileName has failed to convert 2 at %d line, file: %s", ML_AT);
        return 0;
    }
    return used;
}

DWORD ml_GetTempPath(DWORD size, char *buffer)
{
    // Written into the conversion buffer also without a caller's buffer, so
    // that a size query is answered in UTF-8 bytes.
    Wide folder;
    const DWORD units = GetTempPathW(Wide::Units, folder.out());
    const DWORD error = GetLastError();
    if (units == 0) {
        SetLastError(error);
        return 0;
    }
    if (!fitted(units)) {
        ml_Logger("ml_GetTempPath has failed to convert at %d line, file: %s", ML_AT);
        return tooLong();
    }
    DWORD result;
    if (ml::toCaller(folder.arg(), buffer, size)) {
        result = static_cast<DWORD>(ml_strlen(buffer));
    } else {
        ml_Logger("ml_GetTempPath has failed to convert at %d line, file: %s", ML_AT);
        result = utf8Size(folder.arg());
    }
    SetLastError(error);
    return result;
}

DWORD ml_QueryDosDevice(const char *deviceName, char *target, DWORD size)
{
    Wide wDevice;
    if (!wDevice.fromOptional(deviceName)) {
        ml_Logger("ml_QueryDosDevice has failed to convert 1 at %d line, file: %s", ML_AT);
        return 0;
    }
    // The heap block holds size + 1 units; a size whose block would not fit
    // a DWORD count of bytes is refused.
    if (target != NULL && size > MAXDWORD / sizeof(WCHAR) - 1) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    // The list is written into the member's own buffer also without a target,
    // so that a size query is answered in UTF-8 bytes.
    WCHAR local[2 * Wide::Units];
    WCHAR *list = local;
    DWORD capacity = 2 * Wide::Units;
    WCHAR *heap = NULL;
    if (target != NULL && size > capacity) {
        heap = static_cast<WCHAR *>(malloc((static_cast<size_t>(size) + 1) * sizeof(WCHAR)));
        if (heap != NULL) {
            list = heap;
            capacity = size + 1;
        }
    }
    const DWORD units = QueryDosDeviceW(wDevice.arg(), list, capacity);
    const DWORD error = GetLastError();
    DWORD result = 0;
    if (units > 0) {
        if (!listToCaller(list, units, target, size))
            ml_Logger("ml_QueryDosDevice has failed to convert 2 at %d line, file: %s", ML_AT);
        result = ml_GetMultiSzUTF16toUTF8Size(list, static_cast<int>(units));
    }
    free(heap);
    SetLastError(error);
    return result;
}

DWORD ml_GetCurrentDirectory(DWORD size, char *buffer)
{
    // Written into the conversion buffer also without a caller's buffer, so
    // that a size query is answered in UTF-8 bytes.
    Wide folder;
    const DWORD units = GetCurrentDirectoryW(Wide::Units, folder.out());
    if (units == 0)
        return 0;
    if (!fitted(units)) {
        ml_Logger("ml_GetCurrentDirectory has failed to convert at %d line, file: %s", ML_AT);
        return tooLong();
    }
    if (!ml::toCaller(folder.arg(), buffer, size)) {
        ml_Logger("ml_GetCurrentDirectory has failed to convert at %d line, file: %s", ML_AT);
        return utf8Size(folder.arg());
    }
    return utf8Size(folder.arg()) - 1;
}

BOOL ml_GetDiskFreeSpaceEx(const char *folder, PULARGE_INTEGER freeBytesAvailable, PULARGE_INTEGER totalBytes,
                           PULARGE_INTEGER totalFreeBytes)
{
    Wide wFolder;
    if (!wFolder.fromOptional(folder)) {
        ml_Logger("ml_GetDiskFreeSpaceEx has failed to convert at %d line, file: %s", ML_AT);
        return FALSE;
    }
    return GetDiskFreeSpaceExW(wFolder.arg(), freeBytesAvailable, totalBytes, totalFreeBytes);
}

// Handle-based functions, with no text to convert.

BOOL ml_AreFileApisANSI(void) { return AreFileApisANSI(); }

BOOL ml_SetEndOfFile(HANDLE file) { return SetEndOfFile(file); }

void ml_SetFileApisToANSI(void) { SetFileApisToANSI(); }

void ml_SetFileApisToOEM(void) { SetFileApisToOEM(); }

DWORD ml_SetFilePointer(HANDLE file, LONG distance, PLONG distanceHigh, DWORD method)
{
    return SetFilePointer(file, distance, distanceHigh, method);
}

BOOL ml_LockFile(HANDLE file, DWORD offsetLow, DWORD offsetHigh, DWORD bytesLow, DWORD bytesHigh)
{
    return LockFile(file, offsetLow, offsetHigh, bytesLow, bytesHigh);
}

BOOL ml_FindClose(HANDLE search) { return FindClose(search); }

BOOL ml_UnlockFile(HANDLE file, DWORD offsetLow, DWORD offsetHigh, DWORD bytesLow, DWORD bytesHigh)
{
    return UnlockFile(file, offsetLow, offsetHigh, bytesLow, bytesHigh);
}

BOOL ml_WriteFile(HANDLE file, LPCVOID data, DWORD bytes, LPDWORD written, LPOVERLAPPED overlapped)
{
    return WriteFile(file, data, bytes, written, overlapped);
}

BOOL ml_FlushFileBuffers(HANDLE file) { return FlushFileBuffers(file); }

BOOL ml_ReadFile(HANDLE file, LPVOID data, DWORD bytes, LPDWORD read, LPOVERLAPPED overlapped)
{
    return ReadFile(file, data, bytes, read, overlapped);
}

BOOL ml_GetFileInformationByHandle(HANDLE file, LPBY_HANDLE_FILE_INFORMATION information)
{
    return GetFileInformationByHandle(file, information);
}

DWORD ml_GetFileSize(HANDLE file, LPDWORD sizeHigh) { return GetFileSize(file, sizeHigh); }

DWORD ml_GetFileType(HANDLE file) { return GetFileType(file); }

DWORD ml_GetLogicalDrives(void) { return GetLogicalDrives(); }

} // extern "C"

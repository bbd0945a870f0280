/** @file
 * Files, folders, drives and paths of the Win32 face (module mlFileFunctions). */
#ifndef ML_FILE_FUNCTIONS_H
#define ML_FILE_FUNCTIONS_H

#include "mlHeader.h"

ML_EXTERN_C_BEGIN

/** @addtogroup files
 * @{ */

/** Appends more to path with one backslash between, as PathAppend does, but
 * joined in UTF-16 so UTF-8 names join correctly whatever the ANSI code
 * page. path is a buffer of MAX_PATH (260) bytes; a result whose UTF-8 form
 * with its zero does not fit 260 bytes is refused with FALSE and path is
 * left as it was. Writes no record. */
BOOL ml_PathAppend(char *path, const char *more);

/** SHGetFolderPathW; path (NULL, or a buffer of 4096 bytes) receives the
 * folder in UTF-8. Returns the platform's HRESULT, or -1 when the folder
 * does not convert. A negative result leaves path untouched.
 *
 * @unlike_files SHGetFolderPathA: path must take 4096 bytes, not MAX_PATH, since
 * the UTF-8 form of a folder of MAX_PATH characters may be longer. */
HRESULT ml_SHGetFolderPath(HWND owner, int csidl, HANDLE token, DWORD flags, char *path);

/** CreateDirectoryW of a UTF-8 path; FALSE when it does not convert. */
BOOL ml_CreateDirectory(const char *path, LPSECURITY_ATTRIBUTES attributes);

/** @} */

/** @addtogroup files
 * @details
 * The members below convert their UTF-8 names into 2048-unit buffers: a name
 * that needs more (or a required one given as NULL) is not converted, the
 * wide function is not called, a record is written and the member returns
 * the failure value named here. Otherwise the wide function's result comes
 * back unchanged, with its last error. "Optional" names may be NULL and are
 * passed on as NULL.
 *
 * @unlike_files CreateFileA and the other A functions that take a path: a name of
 * up to 2047 UTF-16 units reaches the wide function, where they stop at
 * MAX_PATH with ERROR_FILENAME_EXCED_RANGE (206); a name of 2048 units or
 * more gives the member's failure value and ERROR_INSUFFICIENT_BUFFER (122).
 * @{ */

/** SearchPathW; path, fileName and extension optional. The found path goes
 * to buffer (size bytes); *filePart (when filePart is not NULL) then points
 * at its last component within buffer. Without a buffer nothing is written
 * and the units needed are returned. Returns the wide count in UTF-16 units,
 * or 0 when a name does not convert, the path does not fit buffer, or the
 * path needs more than 2048 units (last error ERROR_INSUFFICIENT_BUFFER).
 *
 * @unlike_files SearchPathA: counts UTF-16 units, not bytes, also without a
 * buffer; a buffer too small gives 0, not the size needed. */
DWORD ml_SearchPath(const char *path, const char *fileName, const char *extension, DWORD size, char *buffer,
                    char **filePart);

/** GetFileSecurityW; fileName optional. FALSE when it does not convert. */
BOOL ml_GetFileSecurity(const char *fileName, SECURITY_INFORMATION requested, PSECURITY_DESCRIPTOR descriptor,
                        DWORD descriptorSize, LPDWORD sizeNeeded);

/** @{ */
/** MoveFileW, MoveFileExW and CopyFileW; both names required (so the
 * delete-at-restart form of MoveFileEx is not reachable). FALSE when a name
 * does not convert. */
BOOL ml_MoveFile(const char *existingName, const char *newName);
/** @copydoc ml_MoveFile
 * @unlike_files MoveFileExA: a NULL new name gives FALSE instead of marking the
 * file for deletion at restart. */
BOOL ml_MoveFileEx(const char *existingName, const char *newName, DWORD flags);
BOOL ml_CopyFile(const char *existingName, const char *newName, BOOL failIfExists);
/** @} */

/** @{ */
/** RemoveDirectoryW (path required), SetCurrentDirectoryW (path optional),
 * SetFileAttributesW (name required), SetVolumeLabelW (both optional; a NULL
 * volume name removes the label), DefineDosDeviceW (both optional),
 * DeleteFileW (name required), GetBinaryTypeW (name required),
 * GetDiskFreeSpaceW and GetDiskFreeSpaceExW (optional). FALSE when a name
 * does not convert. */
BOOL ml_RemoveDirectory(const char *path);
BOOL ml_SetCurrentDirectory(const char *path);
BOOL ml_SetFileAttributes(const char *fileName, DWORD attributes);
BOOL ml_SetVolumeLabel(const char *rootPath, const char *volumeName);
BOOL ml_DefineDosDevice(DWORD flags, const char *deviceName, const char *targetPath);
BOOL ml_DeleteFile(const char *fileName);
BOOL ml_GetBinaryType(const char *applicationName, LPDWORD binaryType);
BOOL ml_GetDiskFreeSpace(const char *rootPath, LPDWORD sectorsPerCluster, LPDWORD bytesPerSector,
                         LPDWORD freeClusters, LPDWORD totalClusters);
BOOL ml_GetDiskFreeSpaceEx(const char *folder, PULARGE_INTEGER freeBytesAvailable, PULARGE_INTEGER totalBytes,
                           PULARGE_INTEGER totalFreeBytes);
/** @} */

/** CreateFileW; name required. The caller owns the handle. Returns
 * INVALID_HANDLE_VALUE also when the name does not convert. */
HANDLE ml_CreateFile(const char *fileName, DWORD access, DWORD shareMode, LPSECURITY_ATTRIBUTES security,
                     DWORD creationDisposition, DWORD flagsAndAttributes, HANDLE templateFile);

/** GetDriveTypeW; rootPath optional (NULL: the current folder's drive).
 * DRIVE_UNKNOWN (0) when it does not convert. */
UINT ml_GetDriveType(const char *rootPath);

/** GetFileAttributesW; name required. INVALID_FILE_ATTRIBUTES when it does
 * not convert. */
DWORD ml_GetFileAttributes(const char *fileName);

/** @{ */
/** FindFirstFileW / FindNextFileW, delivering each match into findData with
 * UTF-8 names (cFileName 260 bytes, cAlternateFileName 14); a NULL findData
 * receives nothing and the search goes on. A first match whose names do not
 * fit is refused with INVALID_HANDLE_VALUE and its search closed; a later one
 * returns FALSE with the search still open, the next call going on after
 * it. The caller closes the search with ml_FindClose. */
HANDLE ml_FindFirstFile(const char *fileName, LPWIN32_FIND_DATAA findData);
BOOL ml_FindNextFile(HANDLE search, LPWIN32_FIND_DATAA findData);
/** @} */

/** The drive strings ("C:\", zero, "D:\", zero, final zero) into buffer
 * (size bytes). Returns the UTF-8 bytes of the list without its final zero
 * when it fitted, or with that zero (more than size) when buffer was NULL or
 * too small; 0 when the platform fails. */
DWORD ml_GetLogicalDriveStrings(DWORD size, char *buffer);

/** The short form of longPath (optional) into buffer (size bytes). Returns
 * the UTF-8 length without the zero, or, with a NULL or too small buffer
 * (a size query), the UTF-8 size with the zero after a record; 0 when the
 * path does not convert, the platform fails, or the short form needs more
 * than 2048 units (last error ERROR_INSUFFICIENT_BUFFER). */
DWORD ml_GetShortPathName(const char *longPath, char *buffer, DWORD size);

/** GetTempFileNameW; folder and prefix optional. name is NULL or a buffer of
 * 260 bytes that receives the file's UTF-8 name. Returns the unique number
 * used, or 0 when a text does not convert or the platform fails. With a
 * unique number of 0 the platform creates the file, which stays even when
 * its name cannot be delivered. */
UINT ml_GetTempFileName(const char *folder, const char *prefix, UINT unique, char *name);

/** @{ */
/** The temporary folder, and the current folder, into buffer (size bytes).
 * Results as ml_GetShortPathName: the UTF-8 length without the zero; the
 * size with the zero (after a record) for a NULL or too small buffer; 0 when
 * the platform fails or the folder needs more than 2048 units. The last
 * error is the wide function's, even after a record. */
DWORD ml_GetTempPath(DWORD size, char *buffer);
DWORD ml_GetCurrentDirectory(DWORD size, char *buffer);
/** @} */

/** QueryDosDeviceW; deviceName optional (NULL: every device name). The list
 * of targets (each with its zero, then a final zero) goes to target (size
 * bytes; a size above 4096 uses a heap block of size + 1 units, freed before
 * return; a size above 0x7FFFFFFE is refused with ERROR_INVALID_PARAMETER).
 * Returns the UTF-8 bytes of the whole list, also when target was NULL or too
 * small (a record then), or 0 when the platform fails or the name does not
 * convert. The last error is the wide function's.
 *
 * @unlike_files QueryDosDeviceA: a NULL or too small target returns the size the
 * list needs, not 0 with ERROR_INSUFFICIENT_BUFFER. */
DWORD ml_QueryDosDevice(const char *deviceName, char *target, DWORD size);

/** @{ */
/** The platform's functions on file handles, unchanged; nothing converted,
 * nothing recorded. ml_FindClose closes the searches of ml_FindFirstFile. */
BOOL ml_AreFileApisANSI(void);
BOOL ml_SetEndOfFile(HANDLE file);
void ml_SetFileApisToANSI(void);
void ml_SetFileApisToOEM(void);
DWORD ml_SetFilePointer(HANDLE file, LONG distance, PLONG distanceHigh, DWORD method);
BOOL ml_LockFile(HANDLE file, DWORD offsetLow, DWORD offsetHigh, DWORD bytesLow, DWORD bytesHigh);
BOOL ml_FindClose(HANDLE search);
BOOL ml_UnlockFile(HANDLE file, DWORD offsetLow, DWORD offsetHigh, DWORD bytesLow, DWORD bytesHigh);
BOOL ml_WriteFile(HANDLE file, LPCVOID data, DWORD bytes, LPDWORD written, LPOVERLAPPED overlapped);
BOOL ml_FlushFileBuffers(HANDLE file);
BOOL ml_ReadFile(HANDLE file, LPVOID data, DWORD bytes, LPDWORD read, LPOVERLAPPED overlapped);
BOOL ml_GetFileInformationByHandle(HANDLE file, LPBY_HANDLE_FILE_INFORMATION information);
DWORD ml_GetFileSize(HANDLE file, LPDWORD sizeHigh);
DWORD ml_GetFileType(HANDLE file);
DWORD ml_GetLogicalDrives(void);
/** @} */

/** @} */

ML_EXTERN_C_END

#endif /* ML_FILE_FUNCTIONS_H */

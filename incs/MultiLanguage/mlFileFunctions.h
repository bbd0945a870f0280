/* Files, folders, drives and paths of the Win32 face (module mlFileFunctions). */
#ifndef ML_FILE_FUNCTIONS_H
#define ML_FILE_FUNCTIONS_H

#include "mlHeader.h"

ML_EXTERN_C_BEGIN

/* Appends more to path with one backslash between, as PathAppend does, but
 * joined in UTF-16 so UTF-8 names join correctly whatever the ANSI code
 * page. path is a buffer of MAX_PATH (260) bytes; a result whose UTF-8 form
 * with its zero does not fit 260 bytes is refused with FALSE and path is
 * left as it was. Writes no record. */
BOOL ml_PathAppend(char *path, const char *more);

/* SHGetFolderPathW; path (NULL, or a buffer of 4096 bytes) receives the
 * folder in UTF-8. Returns the platform's HRESULT, or -1 when the folder
 * does not convert. A negative result leaves path untouched. */
HRESULT ml_SHGetFolderPath(HWND owner, int csidl, HANDLE token, DWORD flags, char *path);

/* CreateDirectoryW of a UTF-8 path; FALSE when it does not convert. */
BOOL ml_CreateDirectory(const char *path, LPSECURITY_ATTRIBUTES attributes);

ML_EXTERN_C_END

#endif /* ML_FILE_FUNCTIONS_H */

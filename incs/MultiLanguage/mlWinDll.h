/** @file
 * Module and library members of the Win32 face (module mlWin). */
#ifndef ML_WIN_DLL_H
#define ML_WIN_DLL_H

#include "mlHeader.h"

ML_EXTERN_C_BEGIN

/** @addtogroup processes
 * @{ */

/** LoadLibraryW / LoadLibraryExW of a UTF-8 file name (required). NULL when
 * it does not convert. The caller frees the module.
 * @{ */
HMODULE ml_LoadLibrary(const char *fileName);
HMODULE ml_LoadLibraryEx(const char *fileName, HANDLE file, DWORD flags);
/** @} */

/** GetModuleHandleW of a UTF-8 module name, or NULL for the program itself. */
HMODULE ml_GetModuleHandle(const char *moduleName);

/** The module's path in UTF-8 into buffer (size bytes). Returns its UTF-8
 * length; with a NULL buffer the length, writing nothing; 0 when the
 * platform fails, when the path does not fit buffer (record) or needs 2048
 * UTF-16 units or more (record, ERROR_INSUFFICIENT_BUFFER).
 *
 * @unlike_processes GetModuleFileNameA: a buffer too small, even one byte short, gives
 * 0 and no usable text, not the path cut to the buffer, and the last error is
 * not made ERROR_INSUFFICIENT_BUFFER. */
DWORD ml_GetModuleFileName(HMODULE module, char *buffer, DWORD size);

/** As ml_GetModuleFileName for a module of another process; the path may
 * take at most 519 UTF-16 units.
 *
 * @unlike_processes GetModuleFileNameExA: a buffer too small, even one byte short,
 * gives 0 and no usable text, not the path cut to the buffer; and a path
 * longer than 519 UTF-16 units never comes whole, whatever the buffer. */
DWORD ml_GetModuleFileNameEx(HANDLE process, HMODULE module, char *buffer, DWORD size);

/** The module's file name in UTF-8 into buffer (required). Returns the
 * platform's count of UTF-16 units (not a UTF-8 count), or 0 when it fails
 * or the name does not fit (records).
 *
 * @unlike_processes GetModuleBaseNameA: the result counts UTF-16 units, not the bytes
 * written; a buffer too small, even one byte short, gives 0 and no usable
 * text, not the name cut to the buffer. */
DWORD ml_GetModuleBaseName(HANDLE process, HMODULE module, char *buffer, DWORD size);

/** GetProcAddress; export names are narrow. */
FARPROC ml_GetProcAddress(HMODULE module, LPCSTR procName);

/** @} */

ML_EXTERN_C_END

#endif /* ML_WIN_DLL_H */

/* Profile (INI) files and the registry (module mlRegistry), and system
 * information, of the Win32 face. */
#ifndef ML_WIN_SYSTEM_H
#define ML_WIN_SYSTEM_H

#include "mlHeader.h"

ML_EXTERN_C_BEGIN

/* GetPrivateProfileIntW with UTF-8 names; none may be NULL.
 * Returns the value, the default when absent, or (UINT)-1 when a name does
 * not convert. */
UINT ml_GetPrivateProfileInt(const char *section, const char *key, INT defaultValue, const char *fileName);

/* GetPrivateProfileStringW with UTF-8 names; section, key and default may be
 * NULL. The value goes to out (size bytes) in UTF-8. Returns the platform's
 * count of UTF-16 units (not the UTF-8 length), or 0 when a name does not
 * convert, the value needs 2047 units or more (out untouched) or does not
 * fit out. */
DWORD ml_GetPrivateProfileString(const char *section, const char *key, const char *defaultValue,
                                 char *out, DWORD size, const char *fileName);

/* WritePrivateProfileStringW with UTF-8 texts. A NULL key removes the
 * section, a NULL value the key. Returns the platform's BOOL, or -1 when a
 * text does not convert: test the result for 0 and -1. */
BOOL ml_WritePrivateProfileString(const char *section, const char *key, const char *value, const char *fileName);

/* ---- Whole sections, section names and structures of profile files ------- */

/* ---- Registry keys and values (module mlRegistry) ------------------------ */

/* ---- System information (module mlWin) ----------------------------------- */

/* Every text below that is too long for a 2048-unit wide buffer returns 0
 * with a record and ERROR_INSUFFICIENT_BUFFER: nothing is converted. */

/* The variable's value in UTF-8 into buffer (size bytes). Returns its UTF-8
 * length; with a NULL buffer the length, writing nothing; the UTF-8 size
 * with the zero when it does not fit buffer (record); 0 when the variable
 * is missing (no record) or its name does not convert. */
DWORD ml_GetEnvironmentVariable(const char *name, char *buffer, DWORD size);

/* SetEnvironmentVariableW with a UTF-8 name and value (a NULL value deletes
 * the variable). FALSE when a text does not convert. */
BOOL ml_SetEnvironmentVariable(const char *name, const char *value);

/* source (required) with its variables expanded, in UTF-8 into destination
 * (required, size bytes). Returns the UTF-8 length plus 1, or 0 when the
 * platform fails or the text does not convert or fit (records). */
DWORD ml_ExpandEnvironmentStrings(const char *source, char *destination, DWORD size);

/* The system or Windows folder in UTF-8 into buffer (size bytes). Returns
 * its UTF-8 length; with a NULL buffer the length, writing nothing; the
 * UTF-8 size with the zero when it does not fit buffer (record). */
UINT ml_GetSystemDirectory(char *buffer, UINT size);
UINT ml_GetWindowsDirectory(char *buffer, UINT size);

/* The computer name (or the name of the given type) in UTF-8 into buffer;
 * *size is in bytes, in and out (not NULL). With a NULL buffer: TRUE, *size
 * untouched. Converted: TRUE, *size the UTF-8 length. Not fitting: FALSE,
 * *size the UTF-8 size with the zero (record). When the platform fails,
 * ml_GetComputerName sets *size to its count of UTF-16 units and
 * ml_GetComputerNameEx leaves it; both return FALSE. */
BOOL ml_GetComputerName(char *buffer, LPDWORD size);
BOOL ml_GetComputerNameEx(COMPUTER_NAME_FORMAT type, char *buffer, LPDWORD size);

/* SetComputerNameExW of a UTF-8 name; FALSE when it does not convert. */
BOOL ml_SetComputerNameEx(COMPUTER_NAME_FORMAT type, const char *name);

/* The user name, as ml_GetComputerName; when the platform fails it writes a
 * record and sets *size to the platform's count times 4. */
BOOL ml_GetUserName(char *buffer, LPDWORD size);

/* The basic version record, with the service-pack text in UTF-8 (128
 * bytes); dwOSVersionInfoSize becomes 276 whatever the caller announced.
 * FALSE when the platform fails or the text does not convert (record; the
 * numbers are filled). */
BOOL ml_GetVersionEx(LPOSVERSIONINFOA info);

/* SystemParametersInfoA, unchanged. */
BOOL ml_SystemParametersInfo(UINT action, UINT param, PVOID value, UINT winIni);

ML_EXTERN_C_END

#endif /* ML_WIN_SYSTEM_H */

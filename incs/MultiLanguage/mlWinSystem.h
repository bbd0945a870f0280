/** @file
 * Profile (INI) files and the registry (module mlRegistry), and system
 * information, of the Win32 face. */
#ifndef ML_WIN_SYSTEM_H
#define ML_WIN_SYSTEM_H

#include "mlHeader.h"

ML_EXTERN_C_BEGIN

/** @addtogroup profile
 * @{ */

/** GetPrivateProfileIntW with UTF-8 names; none may be NULL.
 * Returns the value, the default when absent, or (UINT)-1 when a name does
 * not convert. */
UINT ml_GetPrivateProfileInt(const char *section, const char *key, INT defaultValue, const char *fileName);

/** GetPrivateProfileStringW with UTF-8 names; section, key and default may be
 * NULL. The value goes to out (size bytes) in UTF-8. Returns the platform's
 * count of UTF-16 units (not the UTF-8 length), or 0 when a name does not
 * convert, the value needs 2047 units or more (out untouched) or does not
 * fit out.
 *
 * @unlike_profile GetPrivateProfileStringA: returns UTF-16 units, not bytes; a value
 * that does not fit gives 0, not a cut text and size - 1 (size - 2 for a
 * list of names), and so does a value of 2047 units or more; with a NULL
 * section or key only the first name of the list arrives. */
DWORD ml_GetPrivateProfileString(const char *section, const char *key, const char *defaultValue,
                                 char *out, DWORD size, const char *fileName);

/** WritePrivateProfileStringW with UTF-8 texts. A NULL key removes the
 * section, a NULL value the key. Returns the platform's BOOL, or -1 when a
 * text does not convert: test the result for 0 and -1.
 *
 * @unlike_profile WritePrivateProfileStringA: a NULL section gives -1 instead of
 * flushing the platform's cached profile to the file. */
BOOL ml_WritePrivateProfileString(const char *section, const char *key, const char *value, const char *fileName);

/* ---- Whole sections, section names and structures of profile files ------- */

/** @{ */
/** Section content and section-name lists are double-zero lists: entries each
 * ending in a zero, then one more zero. The readers clear out (size bytes)
 * and deliver the whole list in UTF-8 with its closing zero; they return the
 * platform's count of UTF-16 units (entries with their zeros, closing zero
 * not counted), which is not the UTF-8 size. They return 0 when a name does
 * not convert, when the list is too long for 2048 units (recorded with the
 * platform's error; a cut section leaves out as it was, a cut name list
 * leaves it all zeros), or when the list with its closing zero does not fit
 * out (NULL or size 0 included). A missing section or file gives an empty
 * list and 0.
 *
 * @unlike_profile GetPrivateProfileSectionA and GetPrivateProfileSectionNamesA: they
 * count UTF-16 units, not bytes; a list that does not fit gives 0, not a cut
 * list and size - 2, and so does a list too long for 2048 units; they clear
 * all size bytes of out, and a list that fits exactly gives its true count,
 * not size - 2. */
DWORD ml_GetPrivateProfileSection(const char *section, char *out, DWORD size, const char *fileName);
DWORD ml_GetPrivateProfileSectionNames(char *out, DWORD size, const char *fileName);
/** @} */

/** @{ */
/** Get/WritePrivateProfileStructW: the structure (size bytes, owned by the
 * caller) is kept as hexadecimal text with a checksum; it is not converted.
 * Returns the platform's BOOL (0 recorded with its error), or -1 when a
 * name does not convert: test the result for 0 and -1. A NULL structure in
 * the writer removes the key. */
BOOL ml_GetPrivateProfileStruct(const char *section, const char *key, LPVOID structure, UINT size,
                                const char *fileName);
BOOL ml_WritePrivateProfileStruct(const char *section, const char *key, LPVOID structure, UINT size,
                                  const char *fileName);
/** @} */

/** WritePrivateProfileSectionW: replaces the section with the entries of the
 * double-zero UTF-8 list content (all of it, closing zero included, at most
 * 2048 UTF-16 units). None of the texts may be NULL (a NULL content never
 * removes the section). Returns the platform's BOOL (0 recorded with its
 * error), or -1 when a text does not convert.
 *
 * @unlike_profile WritePrivateProfileSectionA: a NULL content gives -1 instead of
 * deleting the section, and a content of more than 2048 UTF-16 units gives
 * -1 instead of being written. */
BOOL ml_WritePrivateProfileSection(const char *section, const char *content, const char *fileName);

/** @{ */
/** The platform's default profile through the ANSI functions, unconverted:
 * text is read in the ANSI code page, not as UTF-8. Results and buffers as
 * GetProfileIntA, GetProfileSectionA, GetProfileStringA, WriteProfileSectionA
 * and WriteProfileStringA; nothing is recorded. */
UINT ml_GetProfileInt(const char *section, const char *key, INT defaultValue);
DWORD ml_GetProfileSection(const char *section, char *out, DWORD size);
DWORD ml_GetProfileString(const char *section, const char *key, const char *defaultValue, char *out, DWORD size);
BOOL ml_WriteProfileSection(const char *section, const char *content);
BOOL ml_WriteProfileString(const char *section, const char *key, const char *value);
/** @} */

/** @} */

/* ---- Registry keys and values (module mlRegistry) ------------------------ */

/** @addtogroup registry
 * @details
 * Every registry member returns the platform's LONG result (ERROR_SUCCESS or
 * a system error code, unchanged when the wide call fails) or its failure
 * value when a text does not convert: -1 (all bits set), and 8
 * (ERROR_NOT_ENOUGH_MEMORY) for ml_RegEnumValue. No member sets the last
 * error itself. Value data of the types REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ
 * (and REG_LINK when read with ml_RegQueryValueEx) is UTF-8 on this side;
 * data of every other type passes unchanged. A data buffer that receives
 * converted data first receives the UTF-16 form from the platform, so it
 * must be large enough for both forms.
 * @{ */

/** RegQueryValueExW with a UTF-8 value name, which must not be NULL (the
 * default value is not reachable). String data arrives as UTF-8 (at most
 * 2048 bytes), terminated when the buffer has room; *size becomes its UTF-8
 * size as stored. ERROR_MORE_DATA (234) when either form does not fit, with
 * the size that form needs in *size; -1 when a conversion fails. type may be NULL.
 * Asked without data, *size receives the platform's UTF-16 size.
 *
 * @unlike_registry RegQueryValueExA: string data needs room for its UTF-16 form in
 * the buffer, and a zero is written after it when there is room; REG_LINK
 * data arrives in UTF-8; a NULL value name gives -1 instead of the key's
 * default value, and so does string data of more than 2048 UTF-8 bytes. */
LONG ml_RegQueryValueEx(HKEY key, const char *valueName, LPDWORD reserved, LPDWORD type, LPBYTE data,
                        LPDWORD size);

/** RegEnumValueW: the name (*nameSize bytes; a NULL one is handed on, and the
 * platform may refuse it) and string data arrive as UTF-8. On success
 * *nameSize is the name's length without terminator; *dataSize is the
 * text's length without terminator for REG_SZ and REG_EXPAND_SZ, the whole
 * list's size for REG_MULTI_SZ. String data is always terminated. type may be NULL also when data is asked for. Returns 8
 * when the name or data does not fit in UTF-8 (*nameSize then holds the size
 * the name needs, terminator included) or memory runs out; a name buffer
 * without nameSize gives ERROR_INVALID_PARAMETER.
 *
 * @unlike_registry RegEnumValueA: REG_SZ and REG_EXPAND_SZ data is reported without
 * its zero; a name or string data that does not fit in UTF-8 gives 8, not
 * ERROR_MORE_DATA; string data needs room for its UTF-16 form as well. */
LONG ml_RegEnumValue(HKEY key, DWORD index, char *valueName, LPDWORD nameSize, LPDWORD reserved, LPDWORD type,
                     LPBYTE data, LPDWORD dataSize);

/** RegEnumKeyExW: the key name and class (each optional, sizes in bytes)
 * arrive as UTF-8; their sizes become the UTF-8 sizes with terminator, also
 * when they do not fit (then -1). ERROR_NO_MORE_ITEMS (259) after the last
 * key. A buffer without its size pointer gives ERROR_INVALID_PARAMETER.
 *
 * @unlike_registry RegEnumKeyExA: the sizes count the zero; a name or class that
 * does not fit gives -1, not ERROR_MORE_DATA. */
LONG ml_RegEnumKeyEx(HKEY key, DWORD index, char *name, LPDWORD nameSize, LPDWORD reserved, char *className,
                     LPDWORD classSize, PFILETIME lastWriteTime);

/** RegQueryValueW: the default value of `key\subKey` (subKey optional) as UTF-8
 * into value (*valueSize bytes, which must also hold the UTF-16 form; at
 * most 4096 are used). On success *valueSize is the UTF-8 length + 1. With
 * no value buffer *valueSize (which may then be NULL) receives the UTF-16
 * size in bytes. -1 when a text does not convert.
 *
 * @unlike_registry RegQueryValueA: the buffer must hold the UTF-16 form, and a value
 * of more than 4096 UTF-16 bytes gives ERROR_MORE_DATA whatever the buffer. */
LONG ml_RegQueryValue(HKEY key, const char *subKey, char *value, PLONG valueSize);

/** RegSetValueExW with a UTF-8 value name (optional). REG_SZ and REG_EXPAND_SZ
 * data is zero-terminated UTF-8 and size is not used; REG_MULTI_SZ data is a
 * UTF-8 list of size bytes (both final zeros included); other data, REG_LINK
 * too, is stored as given. -1 when a text does not convert.
 *
 * @unlike_registry RegSetValueExA: REG_SZ and REG_EXPAND_SZ text is stored whole, up
 * to its zero, whatever size says. */
LONG ml_RegSetValueEx(HKEY key, const char *valueName, DWORD reserved, DWORD type, const BYTE *data, DWORD size);

/** RegSetValueW: the default value of `key\subKey` (subKey optional) as a UTF-8
 * text; size is not used. -1 when a text does not convert. */
LONG ml_RegSetValue(HKEY key, const char *subKey, DWORD type, const char *data, DWORD size);

/** @{ */
/** The wide registry calls with UTF-8 names, every name optional. Each returns
 * the platform's result, or -1 when a name does not convert. Keys returned
 * belong to the caller (ml_RegCloseKey). */
LONG ml_RegConnectRegistry(const char *machineName, HKEY key, PHKEY result);
LONG ml_RegCreateKey(HKEY key, const char *subKey, PHKEY result);
LONG ml_RegCreateKeyEx(HKEY key, const char *subKey, DWORD reserved, const char *className, DWORD options,
                       REGSAM access, LPSECURITY_ATTRIBUTES security, PHKEY result, LPDWORD disposition);
LONG ml_RegDeleteKey(HKEY key, const char *subKey);
LONG ml_RegDeleteValue(HKEY key, const char *valueName);
LONG ml_RegLoadKey(HKEY key, const char *subKey, const char *file);
LONG ml_RegOpenKey(HKEY key, const char *subKey, PHKEY result);
LONG ml_RegOpenKeyEx(HKEY key, const char *subKey, DWORD options, REGSAM access, PHKEY result);
LONG ml_RegReplaceKey(HKEY key, const char *subKey, const char *newFile, const char *oldFile);
LONG ml_RegSaveKey(HKEY key, const char *file, LPSECURITY_ATTRIBUTES security);
LONG ml_RegUnLoadKey(HKEY key, const char *subKey);
/** @} */

/** @{ */
/** The registry calls without text, passed through unchanged. */
LONG ml_RegCloseKey(HKEY key);
LONG ml_RegFlushKey(HKEY key);
LONG ml_RegGetKeySecurity(HKEY key, SECURITY_INFORMATION information, PSECURITY_DESCRIPTOR descriptor,
                          LPDWORD descriptorSize);
LONG ml_RegNotifyChangeKeyValue(HKEY key, BOOL watchSubtree, DWORD filter, HANDLE event, BOOL asynchronous);
LONG ml_RegSetKeySecurity(HKEY key, SECURITY_INFORMATION information, PSECURITY_DESCRIPTOR descriptor);
/** @} */

/** @} */

/* ---- System information (module mlWin) ----------------------------------- */

/** @addtogroup processes
 * @par System information
 * Every text below that is too long for a 2048-unit wide buffer returns 0
 * with a record and ERROR_INSUFFICIENT_BUFFER: nothing is converted.
 * @{ */

/** The variable's value in UTF-8 into buffer (size bytes). Returns its UTF-8
 * length; with a NULL buffer the length, writing nothing; the UTF-8 size
 * with the zero when it does not fit buffer (record); 0 when the variable
 * is missing (no record) or its name does not convert.
 *
 * @unlike_processes GetEnvironmentVariableA: asked without a buffer, it returns the
 * length without the zero, not the size with it; a value of 2048 UTF-16
 * units or more gives 0 and ERROR_INSUFFICIENT_BUFFER, not the size needed. */
DWORD ml_GetEnvironmentVariable(const char *name, char *buffer, DWORD size);

/** SetEnvironmentVariableW with a UTF-8 name and value (a NULL value deletes
 * the variable). FALSE when a text does not convert. */
BOOL ml_SetEnvironmentVariable(const char *name, const char *value);

/** source (required) with its variables expanded, in UTF-8 into destination
 * (required, size bytes). Returns the UTF-8 length plus 1, or 0 when the
 * platform fails or the text does not convert or fit (records).
 *
 * @unlike_processes ExpandEnvironmentStringsA: a NULL or too small destination gives
 * 0, not the size needed. */
DWORD ml_ExpandEnvironmentStrings(const char *source, char *destination, DWORD size);

/** @{ */
/** The system or Windows folder in UTF-8 into buffer (size bytes). Returns
 * its UTF-8 length; with a NULL buffer the length, writing nothing; the
 * UTF-8 size with the zero when it does not fit buffer (record).
 *
 * @unlike_processes GetSystemDirectoryA and GetWindowsDirectoryA: asked without a
 * buffer, they return the length without the zero, not the size with it. */
UINT ml_GetSystemDirectory(char *buffer, UINT size);
UINT ml_GetWindowsDirectory(char *buffer, UINT size);
/** @} */

/** @{ */
/** The computer name (or the name of the given type) in UTF-8 into buffer;
 * *size is in bytes, in and out (not NULL). With a NULL buffer: TRUE, *size
 * untouched. Converted: TRUE, *size the UTF-8 length. Not fitting: FALSE,
 * *size the UTF-8 size with the zero (record). When the platform fails,
 * ml_GetComputerName sets *size to its count of UTF-16 units and
 * ml_GetComputerNameEx leaves it; both return FALSE.
 *
 * @unlike_processes GetComputerNameA and GetComputerNameExA: a NULL buffer gives TRUE
 * and leaves *size alone, where they fail and set the size needed; a buffer
 * too small does not set ERROR_BUFFER_OVERFLOW or ERROR_MORE_DATA. */
BOOL ml_GetComputerName(char *buffer, LPDWORD size);
BOOL ml_GetComputerNameEx(COMPUTER_NAME_FORMAT type, char *buffer, LPDWORD size);
/** @} */

/** SetComputerNameExW of a UTF-8 name; FALSE when it does not convert. */
BOOL ml_SetComputerNameEx(COMPUTER_NAME_FORMAT type, const char *name);

/** The user name, as ml_GetComputerName; when the platform fails it writes a
 * record and sets *size to the platform's count times 4.
 *
 * @unlike_processes GetUserNameA: on success *size is the length without the zero,
 * not the size with it; a NULL buffer gives TRUE and leaves *size alone,
 * where GetUserNameA fails and sets the size needed; a buffer too small does
 * not set ERROR_INSUFFICIENT_BUFFER. */
BOOL ml_GetUserName(char *buffer, LPDWORD size);

/** The basic version record, with the service-pack text in UTF-8 (128
 * bytes); dwOSVersionInfoSize becomes 276 whatever the caller announced.
 * FALSE when the platform fails or the text does not convert (record; the
 * numbers are filled).
 *
 * @unlike_processes GetVersionExA: fills the basic record only, also for an
 * OSVERSIONINFOEXA; it neither checks dwOSVersionInfoSize nor keeps it, but
 * sets it to 276. */
BOOL ml_GetVersionEx(LPOSVERSIONINFOA info);

/** SystemParametersInfoA, unchanged. */
BOOL ml_SystemParametersInfo(UINT action, UINT param, PVOID value, UINT winIni);

/** @} */

ML_EXTERN_C_END

#endif /* ML_WIN_SYSTEM_H */

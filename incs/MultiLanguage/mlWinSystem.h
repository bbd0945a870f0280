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

/* Section content and section-name lists are double-zero lists: entries each
 * ending in a zero, then one more zero. The readers clear out (size bytes)
 * and deliver the whole list in UTF-8 with its closing zero; they return the
 * platform's count of UTF-16 units (entries with their zeros, closing zero
 * not counted), which is not the UTF-8 size. They return 0 when a name does
 * not convert, when the list is too long for 2048 units (recorded with the
 * platform's error; a cut section leaves out as it was, a cut name list
 * leaves it all zeros), or when the list with its closing zero does not fit
 * out (NULL or size 0 included). A missing section or file gives an empty
 * list and 0. */
DWORD ml_GetPrivateProfileSection(const char *section, char *out, DWORD size, const char *fileName);
DWORD ml_GetPrivateProfileSectionNames(char *out, DWORD size, const char *fileName);

/* Get/WritePrivateProfileStructW: the structure (size bytes, owned by the
 * caller) is kept as hexadecimal text with a checksum; it is not converted.
 * Returns the platform's BOOL (0 recorded with its error), or -1 when a
 * name does not convert: test the result for 0 and -1. A NULL structure in
 * the writer removes the key. */
BOOL ml_GetPrivateProfileStruct(const char *section, const char *key, LPVOID structure, UINT size,
                                const char *fileName);
BOOL ml_WritePrivateProfileStruct(const char *section, const char *key, LPVOID structure, UINT size,
                                  const char *fileName);

/* WritePrivateProfileSectionW: replaces the section with the entries of the
 * double-zero UTF-8 list content (all of it, closing zero included, at most
 * 2048 UTF-16 units). None of the texts may be NULL (a NULL content never
 * removes the section). Returns the platform's BOOL (0 recorded with its
 * error), or -1 when a text does not convert. */
BOOL ml_WritePrivateProfileSection(const char *section, const char *content, const char *fileName);

/* The platform's default profile through the ANSI functions, unconverted:
 * text is read in the ANSI code page, not as UTF-8. Results and buffers as
 * GetProfileIntA, GetProfileSectionA, GetProfileStringA, WriteProfileSectionA
 * and WriteProfileStringA; nothing is recorded. */
UINT ml_GetProfileInt(const char *section, const char *key, INT defaultValue);
DWORD ml_GetProfileSection(const char *section, char *out, DWORD size);
DWORD ml_GetProfileString(const char *section, const char *key, const char *defaultValue, char *out, DWORD size);
BOOL ml_WriteProfileSection(const char *section, const char *content);
BOOL ml_WriteProfileString(const char *section, const char *key, const char *value);

/* ---- Registry keys and values (module mlRegistry) ------------------------ */

/* ---- System information (module mlWin) ----------------------------------- */

ML_EXTERN_C_END

#endif /* ML_WIN_SYSTEM_H */

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

ML_EXTERN_C_END

#endif /* ML_WIN_SYSTEM_H */

/** @file
 * String, string-resource, window-text and message-box members of the Win32 face (module mlWin). */
#ifndef ML_WIN_STR_FUNCTIONS_H
#define ML_WIN_STR_FUNCTIONS_H

#include "mlHeader.h"
#include <stdarg.h>

ML_EXTERN_C_BEGIN

/** @addtogroup processes
 * @{ */

/* ---- Windows and message boxes -------------------------------------------- */

/** RegisterWindowMessageW of a UTF-8 name; 0 when it does not convert. */
UINT ml_RegisterWindowMessage(const char *name);

/** FindWindowW; both names are required UTF-8 texts (a NULL one fails with a
 * record, without searching).
 *
 * @unlike_processes FindWindowA: both names must be given: a NULL one, which the A twin
 * takes as any class or any title, fails here; nor is a class atom taken in
 * place of the class name. */
HWND ml_FindWindow(const char *className, const char *windowName);

/** @{ */
/** CreateWindowExW with UTF-8 class and window names (each may be NULL);
 * ml_CreateWindow uses the extended style 0. NULL when a name does not
 * convert. The caller owns the window.
 *
 * @unlike_processes CreateWindowA, CreateWindowExA: the class is named by its text; a
 * class atom is not taken in its place. */
HWND ml_CreateWindow(const char *className, const char *windowName, DWORD style, int x, int y, int width, int height,
                     HWND parent, HMENU menu, HINSTANCE instance, LPVOID param);
HWND ml_CreateWindowEx(DWORD exStyle, const char *className, const char *windowName, DWORD style, int x, int y,
                       int width, int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param);
/** @} */

/** The window's text in UTF-8 into buffer (size bytes). Returns its UTF-8
 * length; with a NULL buffer the length, writing nothing; 0 for no text, or
 * when it does not fit buffer or needs 2048 UTF-16 units or more (record).
 *
 * @unlike_processes GetWindowTextA: a buffer too small, even one byte short, gives 0
 * and no usable text, not the text cut to the buffer; so does a text of 2048
 * UTF-16 units or more (an edit control's, say), whatever the buffer. */
int ml_GetWindowText(HWND window, char *buffer, int size);

/** SetWindowTextW of a UTF-8 text (required); FALSE when it does not convert.
 *
 * @unlike_processes SetWindowTextA: a NULL text fails, with a record, instead of
 * reaching the window; and a text of 2048 UTF-16 units or more, which an edit
 * control would take, fails with 122. */
BOOL ml_SetWindowText(HWND window, const char *text);

/** MessageBoxW with UTF-8 text and caption (each may be NULL). The button
 * chosen, or 0 on failure (a text that does not convert: record). */
int ml_MessageBox(HWND owner, const char *text, const char *caption, UINT type);

/* ---- String resources and text helpers ------------------------------------ */

/** The string resource id in UTF-8, converted where the platform wrote it in
 * buffer (size bytes; at most ML_MAX_CHAR are usable). Returns its UTF-8
 * length; 0 when it is missing or buffer holds less than one UTF-16 unit;
 * with a NULL buffer the UTF-8 length, writing nothing. When the text does
 * not convert (record) buffer keeps the wide text and the UTF-8 size it
 * needs is returned. A small buffer gets the platform's cut text.
 *
 * @unlike_processes LoadStringA: the platform is given half the buffer's bytes as its
 * count of characters, so a string longer than size/2 - 1 UTF-16 units is cut
 * even where its UTF-8 form would fit; and where the cut string does not fit
 * in UTF-8, or the buffer is larger than 2048 bytes, the buffer is left
 * holding UTF-16 and the UTF-8 size is returned. */
int ml_LoadString(HINSTANCE instance, UINT id, char *buffer, int size);

/** The byte count as the platform formats it ("1.17 MB"), in UTF-8 into
 * buffer (size bytes). buffer, or NULL when it fails or does not fit.
 *
 * @unlike_processes StrFormatByteSizeA: the count is 64-bit, as for
 * StrFormatByteSize64A, and a text that does not fit gives NULL and no usable
 * text, not the text cut to the buffer. */
char *ml_StrFormatByteSize(LONGLONG number, char *buffer, UINT size);

/** The next UTF-8 character after p: 1 to 4 bytes on by the lead byte alone,
 * but never past the terminator (at the terminator p itself).
 *
 * @unlike_processes CharNextA: steps over a whole UTF-8 character, as many bytes as its
 * lead byte announces; the bytes that follow are not checked, so a broken
 * sequence is stepped over as if it were whole. */
char *ml_CharNext(const char *p);

/** @{ */
/** Pass-throughs, unchanged: narrow text in the locale's code page, wide text,
 * narrow message text. */
BOOL ml_GetStringTypeA(LCID locale, DWORD infoType, LPCSTR text, int length, LPWORD types);
BOOL ml_GetStringTypeW(DWORD infoType, LPCWSTR text, int length, LPWORD types);
DWORD ml_FormatMessage(DWORD flags, LPCVOID source, DWORD messageId, DWORD languageId, LPSTR buffer, DWORD size,
                       va_list *arguments);
/** @} */

/** @} */

ML_EXTERN_C_END

#endif /* ML_WIN_STR_FUNCTIONS_H */

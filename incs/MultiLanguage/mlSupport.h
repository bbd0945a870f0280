/** @file
 * Conversions between UTF-8, UTF-16 and the ANSI or OEM code page.
 * Each returns 1 on success and 0 on failure, and writes a record to the
 * failure log when it fails. Output sizes are bytes; for UTF-16 output the
 * platform is given size / 2 units. Input lengths are bytes (UTF-8, code
 * page) or UTF-16 units, -1 meaning zero-terminated (the terminator is
 * converted too). An output size of 0 (or 1 for UTF-16 output) only
 * measures: nothing is written and the call succeeds.
 * The last error is kept, except that a failed UTF-8 to UTF-16 platform
 * conversion leaves the platform's error code. Nothing here allocates but
 * ml_ConvertUTF8toCodePage and, for long text, ml_PrintUTF8toConsole. */
#ifndef ML_SUPPORT_H
#define ML_SUPPORT_H

#include "mlHeader.h"

ML_EXTERN_C_BEGIN

/** @addtogroup conversion
 * @details
 * What every conversion returns, records and measures: mlSupport.h.
 * @{ */

/** UTF-8 (inLen bytes, or -1) to UTF-16. An explicit length is never read
 * past and is converted whole (an empty list "\0\0" gives two zeros); 0
 * gives the empty text. Text that is not UTF-8 (a stray byte, an overlong
 * form, an encoded surrogate, a cut sequence) is refused, never replaced:
 * 0 with ERROR_NO_UNICODE_TRANSLATION (1113), or ERROR_INSUFFICIENT_BUFFER
 * (122) when it does not fit the output either. Last error: kept, or the
 * platform's code after a failed conversion. */
int ml_ConvertMultiSzUTF8toUTF16(const char *in, int inLen, WCHAR *out, unsigned int outSize);
/** Zero-terminated UTF-8 to UTF-16; as above with -1.
 *
 * Every ml_ member converts its UTF-8 arguments with it, so a name that is
 * not UTF-8 never reaches the platform as some other name: the member fails
 * with its failure value and ERROR_NO_UNICODE_TRANSLATION (1113) and acts on
 * nothing.
 * @unlike_conversion The A functions: in a UTF-8 process they (and the runtime's narrow
 * functions) replace each byte that is not UTF-8 with U+FFFD, so
 * `"bad-\xFF.txt"` and `"bad-\xFE.txt"` name one and the same file; every ml_
 * member refuses such text with 1113 instead. */
int ml_ConvertUTF8toUTF16(const char *in, WCHAR *out, unsigned int outSize);
/** UTF-16 (inLen units, or -1) to UTF-8; as above for the length. Last
 * error kept on every path. */
int ml_ConvertMultiSzUTF16toUTF8(const WCHAR *in, int inLen, char *out, int outSize);
/** Zero-terminated UTF-16 to UTF-8; as above with -1. */
int ml_ConvertUTF16toUTF8(const WCHAR *in, char *out, int outSize);

/** @{ */
/** In place: the buffer holds zero-terminated text of one form and receives
 * the other; size is the whole buffer in bytes, at most ML_MAX_CHAR. On
 * success all size bytes are rewritten (the text, then zeros); on failure
 * the buffer is unchanged. */
int ml_ConvertInBufUTF16toUTF8(void *buf, unsigned int size);
int ml_ConvertInBufUTF8toUTF16(void *buf, unsigned int size);
/** @} */

/** Copies a wide find record into its narrow form with UTF-8 names
 * (cFileName 260 bytes, cAlternateFileName 14 bytes). The numeric fields are
 * copied whatever the result. */
int ml_ConvertWIN32FindData16to8(const WIN32_FIND_DATAW *in, WIN32_FIND_DATAA *out);

/** @{ */
/** Sizes in bytes, terminator included with -1; 0 when the input cannot be
 * measured, UTF-8 that the conversion refuses included. No record; the last
 * error is kept. */
unsigned int ml_GetMultiSzUTF8toUTF16Size(const char *in, int inLen);
unsigned int ml_GetUTF8toUTF16Size(const char *in);
unsigned int ml_GetMultiSzUTF16toUTF8Size(const WCHAR *in, int inLen);
unsigned int ml_GetUTF16toUTF8Size(const WCHAR *in);
/** @} */

/** Stores the UTF-8 byte-order mark EF BB BF: returns 3 and sets *size to 3,
 * or returns 0 and changes nothing when out or size is NULL or *size < 3. */
int ml_GetUTF8BomBytes(unsigned char *out, unsigned int *size);

/** ANSI code page (at most 2047 characters) to UTF-8. */
int ml_ConvertCurrCodePagetoUTF8(const char *in, char *out, int outSize);
/** UTF-8 (at most 2047 UTF-16 units) to the ANSI code page; characters
 * outside it become the platform's default character. */
int ml_ConvertUTF8toCurrCodePage(const char *in, char *out, int outSize);
/** UTF-8 of any length to the OEM (selector 0) or ANSI (selector 1) code
 * page, through a heap buffer of the exact size that is freed again. */
int ml_ConvertUTF8toCodePage(const char *in, char *out, int outSize, int selector);

/** Prints UTF-8 text on standard output in the OEM code page, as it is
 * (no format, no line break); text that is not UTF-8 prints nothing (the
 * records). text must not be NULL. */
void ml_PrintUTF8toConsole(const char *text);

/** @} */

ML_EXTERN_C_END

#endif /* ML_SUPPORT_H */

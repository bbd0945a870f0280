// Text conversions between UTF-8, UTF-16 and the ANSI or OEM code page.
#include <MultiLanguage/mlSupport.h>
#include <MultiLanguage/mlLogger.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "mlFacade.h"

using ml::LastErrorKeeper;

namespace {

// Text that is not UTF-8 is refused (ERROR_NO_UNICODE_TRANSLATION), never
// replaced: two names that differ only in such bytes would otherwise reach
// the platform as one and the same name.
const DWORD kFromUtf8Flags = MB_ERR_INVALID_CHARS;

} // namespace

extern "C" {

int ml_ConvertMultiSzUTF8toUTF16(const char *in, int inLen, WCHAR *out, unsigned int outSize)
{
    const DWORD entry = GetLastError();
    if (static_cast<const void *>(in) == static_cast<const void *>(out)) {
        ml_Logger("ml_ConvertMultiSzUTF8toUTF16 2 input are equal %d line, file: %s", ML_AT);
        SetLastError(entry);
        return 0;
    }
    if (in == NULL || out == NULL) {
        ml_Logger("ml_ConvertMultiSzUTF8toUTF16 input is NULL %d line, file: %s", ML_AT);
        SetLastError(entry);
        return 0;
    }
    // An empty text. An explicit length of 0 is one too, and its first byte
    // is not the caller's to read; a longer explicit range that begins with
    // a zero (an empty list) is converted whole below, so that every unit
    // it covers is written.
    if (inLen == 0 || (inLen < 0 && in[0] == '\0')) {
        // An output too small for the terminator only measures, as below.
        if (outSize >= sizeof(WCHAR))
            out[0] = L'\0';
        return 1;
    }
    if (MultiByteToWideChar(CP_UTF8, kFromUtf8Flags, in, inLen, out, static_cast<int>(outSize / 2)) == 0) {
        const DWORD error = GetLastError();
        ml_Logger("ml_ConvertMultiSzUTF8toUTF16 has failed to convert at %d line, file: %s. Error: %d", ML_AT,
                  static_cast<int>(error));
        SetLastError(error);
        return 0;
    }
    SetLastError(entry);
    return 1;
}

int ml_ConvertUTF8toUTF16(const char *in, WCHAR *out, unsigned int outSize)
{
    return ml_ConvertMultiSzUTF8toUTF16(in, -1, out, outSize);
}

int ml_ConvertMultiSzUTF16toUTF8(const WCHAR *in, int inLen, char *out, int outSize)
{
    LastErrorKeeper keep;
    if (static_cast<const void *>(in) == static_cast<const void *>(out)) {
        ml_Logger("ml_ConvertMultiSzUTF16toUTF8 has failed to convert (both input are equal)at %d line, file: %s",
                  ML_AT);
        return 0;
    }
    if (in == NULL || out == NULL) {
        ml_Logger("ml_ConvertMultiSzUTF16toUTF8 has failed to convert (input is NULL)at %d line, file: %s", ML_AT);
        return 0;
    }
    if (inLen == 0 || (inLen < 0 && in[0] == L'\0')) {
        if (outSize >= 1)
            out[0] = '\0';
        return 1;
    }
    if (WideCharToMultiByte(CP_UTF8, 0, in, inLen, out, outSize, NULL, NULL) == 0) {
        ml_Logger("ml_ConvertMultiSzUTF16toUTF8 has failed to convert at %d line, file: %s", ML_AT);
        return 0;
    }
    return 1;
}

int ml_ConvertUTF16toUTF8(const WCHAR *in, char *out, int outSize)
{
    return ml_ConvertMultiSzUTF16toUTF8(in, -1, out, outSize);
}

unsigned int ml_GetMultiSzUTF8toUTF16Size(const char *in, int inLen)
{
    LastErrorKeeper keep;
    // Measured as the conversion converts: what it refuses measures 0.
    return 2u * static_cast<unsigned int>(MultiByteToWideChar(CP_UTF8, kFromUtf8Flags, in, inLen, NULL, 0));
}

unsigned int ml_GetUTF8toUTF16Size(const char *in)
{
    return ml_GetMultiSzUTF8toUTF16Size(in, -1);
}

unsigned int ml_GetMultiSzUTF16toUTF8Size(const WCHAR *in, int inLen)
{
    LastErrorKeeper keep;
    return static_cast<unsigned int>(WideCharToMultiByte(CP_UTF8, 0, in, inLen, NULL, 0, NULL, NULL));
}

unsigned int ml_GetUTF16toUTF8Size(const WCHAR *in)
{
    return ml_GetMultiSzUTF16toUTF8Size(in, -1);
}

// Puts the converted text over the caller's buffer: the text, then zeros up
// to size, so all size bytes have defined content.
static void copyBack(void *buf, const void *work, unsigned int textBytes, unsigned int size)
{
    if (textBytes > size)
        textBytes = size;
    memcpy(buf, work, textBytes);
    memset(static_cast<char *>(buf) + textBytes, 0, size - textBytes);
}

int ml_ConvertInBufUTF16toUTF8(void *buf, unsigned int size)
{
    LastErrorKeeper keep;
    if (size > ML_MAX_CHAR) {
        ml_Logger("ml_ConvertInBufUTF16toUTF8 has failed to convert (buffer larger than ML_MAX_CHAR)at %d line, file: %s",
                  ML_AT);
        return 0;
    }
    char work[ML_MAX_CHAR];
    if (!ml_ConvertUTF16toUTF8(static_cast<const WCHAR *>(buf), work, static_cast<int>(size))) {
        ml_Logger("ml_ConvertInBufUTF16toUTF8 has failed to convert at %d line, file: %s", ML_AT);
        return 0;
    }
    if (size > 0)
        copyBack(buf, work, static_cast<unsigned int>(strlen(work)) + 1, size);
    return 1;
}

int ml_ConvertInBufUTF8toUTF16(void *buf, unsigned int size)
{
    LastErrorKeeper keep;
    if (size > ML_MAX_CHAR) {
        ml_Logger("ml_ConvertInBufUTF8toUTF16 has failed to convert (buffer larger than ML_MAX_CHAR) at %d line, file: %s",
                  ML_AT);
        return 0;
    }
    WCHAR work[ML_MAX_CHAR];
    if (!ml_ConvertUTF8toUTF16(static_cast<const char *>(buf), work, size)) {
        ml_Logger("ml_ConvertInBufUTF8toUTF16 has failed to convert at %d line, file: %s", ML_AT);
        return 0;
    }
    if (size >= sizeof(WCHAR))
        copyBack(buf, work, static_cast<unsigned int>((wcslen(work) + 1) * sizeof(WCHAR)), size);
    return 1;
}

int ml_ConvertWIN32FindData16to8(const WIN32_FIND_DATAW *in, WIN32_FIND_DATAA *out)
{
    LastErrorKeeper keep;
    if (in == NULL || out == NULL) {
        ml_Logger("ml_ConvertWIN32FindData16to8 has failed to convert at %d line, file: %s", ML_AT);
        return 0;
    }
    out->dwFileAttributes = in->dwFileAttributes;
    out->ftCreationTime = in->ftCreationTime;
    out->ftLastAccessTime = in->ftLastAccessTime;
    out->ftLastWriteTime = in->ftLastWriteTime;
    out->nFileSizeHigh = in->nFileSizeHigh;
    out->nFileSizeLow = in->nFileSizeLow;
    out->dwReserved0 = in->dwReserved0;
    out->dwReserved1 = in->dwReserved1;
    // Both names are always attempted.
    const int alternate = ml_ConvertUTF16toUTF8(in->cAlternateFileName, out->cAlternateFileName,
                                                sizeof out->cAlternateFileName);
    const int name = ml_ConvertUTF16toUTF8(in->cFileName, out->cFileName, sizeof out->cFileName);
    const int result = alternate && name;
    if (!result)
        ml_Logger("ml_ConvertWIN32FindData16to8 has failed to convert at %d line, file: %s", ML_AT);
    return result;
}

int ml_GetUTF8BomBytes(unsigned char *out, unsigned int *size)
{
    if (out == NULL || size == NULL || *size < 3)
        return 0;
    out[0] = 0xEF;
    out[1] = 0xBB;
    out[2] = 0xBF;
    *size = 3;
    return 3;
}

int ml_ConvertCurrCodePagetoUTF8(const char *in, char *out, int outSize)
{
    LastErrorKeeper keep;
    if (in == NULL || out == NULL) {
        ml_Logger("ml_ConvertCurrCodePagetoUTF8: NULL input parm at %d line, file: %s", ML_AT);
        return 0;
    }
    WCHAR work[ML_CONV_BUF_UNITS];
    if (MultiByteToWideChar(CP_ACP, 0, in, -1, work, ML_CONV_BUF_UNITS) == 0) {
        ml_Logger("ml_ConvertCurrCodePagetoUTF8 has failed to convert at %d line, file: %s", ML_AT);
        return 0;
    }
    if (!ml_ConvertUTF16toUTF8(work, out, outSize)) {
        ml_Logger("ml_ConvertCurrCodePagetoUTF8: Failed to convert from utf16->8 at %d line, file: %s", ML_AT);
        return 0;
    }
    return 1;
}

int ml_ConvertUTF8toCurrCodePage(const char *in, char *out, int outSize)
{
    LastErrorKeeper keep;
    if (in == NULL || out == NULL) {
        ml_Logger("ml_ConvertUTF8toCurrCodePage: NULL input parm at %d line, file: %s", ML_AT);
        return 0;
    }
    WCHAR work[ML_CONV_BUF_UNITS];
    if (!ml_ConvertUTF8toUTF16(in, work, sizeof work)) {
        ml_Logger("ml_ConvertUTF8toCurrCodePage: Failed to convert from utf8->16 at %d line, file: %s", ML_AT);
        return 0;
    }
    if (WideCharToMultiByte(CP_ACP, 0, work, -1, out, outSize, NULL, NULL) == 0) {
        ml_Logger("ml_ConvertUTF8toCurrCodePage has failed (WideCharToMultiByte) to convert at %d line, file: %s",
                  ML_AT);
        return 0;
    }
    return 1;
}

int ml_ConvertUTF8toCodePage(const char *in, char *out, int outSize, int selector)
{
    LastErrorKeeper keep;
    if (in == NULL || out == NULL) {
        ml_Logger("ml_ConvertUTF8toCurrCodePage: NULL input parm at %d line, file: %s", ML_AT);
        return 0;
    }
    const unsigned int wideBytes = ml_GetUTF8toUTF16Size(in);
    WCHAR *wide = static_cast<WCHAR *>(malloc(wideBytes ? wideBytes : sizeof(WCHAR)));
    if (wide == NULL) {
        ml_Logger("ml_ConvertUTF8toCurrCodePage: Failed to allocate UTF16 buffer at %d line, file: %s", ML_AT);
        return 0;
    }
    int result = 0;
    if (!ml_ConvertUTF8toUTF16(in, wide, wideBytes)) {
        ml_Logger("ml_ConvertUTF8toCurrCodePage: Failed to convert from utf8->16 at %d line, file: %s", ML_AT);
    } else {
        const UINT codePage = selector == 0 ? CP_OEMCP : selector == 1 ? CP_ACP : static_cast<UINT>(-1);
        if (WideCharToMultiByte(codePage, 0, wide, -1, out, outSize, NULL, NULL) != 0)
            result = 1;
        else
            ml_Logger("ml_ConvertUTF8toCurrCodePage has failed (WideCharToMultiByte) to convert at %d line, file: %s, "
                      "bufferSize: %d",
                      ML_AT, static_cast<int>(wideBytes));
    }
    free(wide);
    return result;
}

void ml_PrintUTF8toConsole(const char *text)
{
    const size_t length = strlen(text);
    char local[ML_MAX_CHAR];
    char *out = local;
    int outSize = ML_MAX_CHAR;
    if (length >= ML_MAX_CHAR) {
        out = static_cast<char *>(malloc(length + 1));
        outSize = ml::clampSize(length + 1);
    }
    if (out != NULL && ml_ConvertUTF8toCodePage(text, out, outSize, 0))
        fputs(out, stdout);
    if (out != local)
        free(out);
}

} // extern "C"

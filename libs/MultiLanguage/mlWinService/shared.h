// What the members of mlWinService share. Private to the library.
#ifndef ML_MLWINSERVICE_SHARED_H
#define ML_MLWINSERVICE_SHARED_H

#include <MultiLanguage/mlWin.h>

#include "mlFacade.h"

#include <MultiLanguage/mlGeneral.h>

#include <msiquery.h>

using ml::LastErrorKeeper;
using ml::Wide;

namespace {

// Bytes of a list of zero-terminated names closed by an empty name, both
// closing zeros counted. Reads nothing past the closing zero.
inline int listBytes(const char *list)
{
    const char *p = list;
    while (*p != '\0')
        p += ml_strlen(p) + 1;
    return static_cast<int>(p - list) + 1;
}

// A dependency list in its wide form, carried whole (every name and the
// closing empty name); NULL passes on as NULL.
class WideList {
public:
    WideList() : m_null(true) {}

    bool fromOptional(const char *list)
    {
        m_null = list == NULL;
        if (m_null)
            return true;
        return ml_ConvertMultiSzUTF8toUTF16(list, listBytes(list), m_wide.out(), Wide::Bytes) != 0;
    }

    const WCHAR *arg() { return m_null ? NULL : m_wide.out(); }

private:
    Wide m_wide;
    bool m_null;
};

// The wide strings of ml_ReportEvent and ml_StartService: a heap array with
// one pointer per string and a 4096-byte heap block per converted string,
// of which the conversion may fill 2048 bytes (1024 units with the zero).
// Everything is released when the scope ends, keeping the last error.
class HeapStrings {
public:
    enum { BlockBytes = 4096, ConvertBytes = 2048 };

    HeapStrings() : m_items(NULL), m_count(0) {}
    ~HeapStrings()
    {
        LastErrorKeeper keep;
        if (m_items == NULL)
            return;
        for (size_t i = 0; i < m_count; ++i)
            free(m_items[i]);
        free(m_items);
    }

    // count entries of the platform's pointer size, every one NULL.
    bool allocate(size_t count)
    {
        m_items = static_cast<WCHAR **>(calloc(count, sizeof(WCHAR *)));
        m_count = m_items != NULL ? count : 0;
        return m_items != NULL;
    }

    bool allocateBlock(size_t i)
    {
        m_items[i] = static_cast<WCHAR *>(malloc(BlockBytes));
        return m_items[i] != NULL;
    }

    bool convert(size_t i, const char *utf8)
    {
        return ml_ConvertUTF8toUTF16(utf8, m_items[i], ConvertBytes) != 0;
    }

    LPCWSTR *array() { return const_cast<LPCWSTR *>(m_items); }

    HeapStrings(const HeapStrings &) = delete;
    HeapStrings &operator=(const HeapStrings &) = delete;

private:
    WCHAR **m_items;
    size_t m_count;
};

// UTF-8 size of a wide result, its zero included.
inline DWORD utf8Size(const WCHAR *wide)
{
    return ml_GetUTF16toUTF8Size(wide);
}

inline DWORD larger(DWORD a, DWORD b)
{
    return a > b ? a : b;
}

// What ml_SetupCopyOEMInf and ml_SetupDiGetDeviceInstanceId do after the
// platform wrote a name into wide: the UTF-8 size into *requiredSize, and
// the name into the caller's buffer when there is one.
inline bool deliverName(const Wide &wide, char *buffer, DWORD size, PDWORD requiredSize)
{
    if (requiredSize != NULL)
        *requiredSize = utf8Size(wide.arg());
    return buffer == NULL || ml::toCaller(wide.arg(), buffer, size);
}

// One text output of ml_MsiGetFileVersion. When the caller gave its size
// the platform gets the whole wide buffer, so the text is there to measure.
class VersionText {
public:
    enum Outcome { Delivered, SizeOnly, NotConverted };

    VersionText(char *buffer, LPDWORD size) : m_buffer(buffer), m_size(size), m_units(Wide::Units)
    {
        m_wide.out()[0] = L'\0';
    }

    WCHAR *platformBuffer() { return m_buffer != NULL || m_size != NULL ? m_wide.out() : NULL; }
    LPDWORD platformSize() { return m_size != NULL ? &m_units : NULL; }

    // After the platform succeeded: the text into the caller's buffer and
    // its UTF-8 size with the zero into the caller's size. A buffer with
    // size 0 only asks for the size.
    Outcome deliver()
    {
        if (m_size == NULL)
            return Delivered;
        const DWORD needed = utf8Size(m_wide.arg());
        Outcome outcome = Delivered;
        if (m_buffer != NULL)
            outcome = *m_size == 0 ? SizeOnly : m_wide.to(m_buffer, ml::clampSize(*m_size)) ? Delivered : NotConverted;
        *m_size = needed;
        return outcome;
    }

    VersionText(const VersionText &) = delete;
    VersionText &operator=(const VersionText &) = delete;

private:
    char *m_buffer;
    LPDWORD m_size;
    DWORD m_units;
    Wide m_wide;
};

} // namespace

#endif // ML_MLWINSERVICE_SHARED_H

// Shared mechanics of the façade members. Private to the library.
#ifndef ML_FACADE_H
#define ML_FACADE_H

#include <MultiLanguage/mlHeader.h>
#include <MultiLanguage/mlSupport.h>
#include <MultiLanguage/mlLogger.h>

#include <errno.h>
#include <stdlib.h>

// Set at start-up in a program built with the drop-in header (mlDropInMark):
// ml_Logger then prints nothing while no log is open.
extern "C" volatile LONG g_nDropInProgram;

// Source line and file of the statement that writes a record.
#define ML_AT __LINE__, __FILE__

namespace ml {

// Takes the thread's last error on construction and puts it back when the
// scope ends, so nothing done after a platform call changes what the caller
// sees.
class LastErrorKeeper {
public:
    LastErrorKeeper() : m_value(GetLastError()) {}
    ~LastErrorKeeper() { SetLastError(m_value); }
    DWORD value() const { return m_value; }
    LastErrorKeeper(const LastErrorKeeper &) = delete;
    LastErrorKeeper &operator=(const LastErrorKeeper &) = delete;

private:
    DWORD m_value;
};

// The errno that the runtime gives for an argument whose conversion has
// just failed: EINVAL for NULL, EILSEQ for text that is not UTF-8 (also when
// it is too long as well, which the platform reports first), ENAMETOOLONG
// for text too long for its buffer. The last error is kept.
inline int refusalOf(const char *utf8)
{
    if (utf8 == NULL)
        return EINVAL;
    if (GetLastError() == ERROR_NO_UNICODE_TRANSLATION || ml_GetUTF8toUTF16Size(utf8) == 0)
        return EILSEQ;
    return ENAMETOOLONG;
}

// One conversion buffer on the stack (4096 bytes, 2048 UTF-16 units): the
// UTF-16 form of a UTF-8 argument, or the UTF-16 result of a platform call
// on its way back to UTF-8. Left uninitialised until used.
class Wide {
public:
    enum { Bytes = ML_CONV_BUF_BYTES, Units = ML_CONV_BUF_UNITS };

    Wide() : m_null(false), m_refusal(0) {}

    // A required argument: a NULL one fails in the conversion, which writes
    // its own record.
    bool from(const char *utf8)
    {
        m_null = false;
        m_refusal = ml_ConvertUTF8toUTF16(utf8, m_buf, Bytes) != 0 ? 0 : refusalOf(utf8);
        return m_refusal == 0;
    }

    // An optional argument: NULL passes on as NULL, unconverted.
    bool fromOptional(const char *utf8)
    {
        if (utf8 == NULL) {
            m_null = true;
            return true;
        }
        return from(utf8);
    }

    // After a failed conversion, the errno for it (refusalOf); else 0.
    int refusal() const { return m_refusal; }

    // The argument for the wide call: the converted text, or NULL.
    const WCHAR *arg() const { return m_null ? NULL : m_buf; }

    // Where a wide call writes a result; Units characters of capacity.
    WCHAR *out() { return m_buf; }

    // The result, zero-terminated, into the caller's UTF-8 buffer.
    bool to(char *utf8, int size) const { return ml_ConvertUTF16toUTF8(m_buf, utf8, size) != 0; }

    Wide(const Wide &) = delete;
    Wide &operator=(const Wide &) = delete;

private:
    WCHAR m_buf[Units];
    bool m_null;
    int m_refusal;
};

// A caller's byte buffer as the output of a wide call that writes UTF-16
// there, turned into UTF-8 where it stands afterwards (at most ML_MAX_CHAR
// bytes). Given no buffer, the runtime allocates its own; nobody hands that
// back, so it is released when the scope ends.
class InPlace {
public:
    InPlace(char *buffer, unsigned long long size)
        : m_buffer(buffer), m_size(size > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<unsigned int>(size)),
          m_result(NULL)
    {
    }
    ~InPlace()
    {
        if (m_buffer == NULL && m_result != NULL) {
            LastErrorKeeper keep;
            free(m_result);
        }
    }

    WCHAR *out() const { return reinterpret_cast<WCHAR *>(m_buffer); }

    // Notes what the wide call returned; false for NULL.
    bool took(WCHAR *result)
    {
        m_result = result;
        return result != NULL;
    }

    bool toUtf8() const { return ml_ConvertInBufUTF16toUTF8(m_buffer, m_size) != 0; }

    InPlace(const InPlace &) = delete;
    InPlace &operator=(const InPlace &) = delete;

private:
    char *m_buffer;
    unsigned int m_size;
    WCHAR *m_result;
};

// A caller's DWORD or size_t byte count as the int that the conversions take.
inline int clampSize(unsigned long long size)
{
    return size > 0x7FFFFFFFull ? 0x7FFFFFFF : static_cast<int>(size);
}

// A wide result into a caller's buffer of size bytes that must receive it.
// A buffer of no bytes holds nothing: refused, where the conversion would
// only measure and report success. A NULL buffer fails in the conversion,
// which writes its own record.
inline bool toCaller(const WCHAR *text, char *buffer, long long size)
{
    if (buffer != NULL && size <= 0)
        return false;
    return ml_ConvertUTF16toUTF8(text, buffer, clampSize(static_cast<unsigned long long>(size))) != 0;
}

// The bytes an i686 stdcall function takes off the stack: its @N.
template <typename T> constexpr unsigned stackSlot() { return (sizeof(T) + 3) / 4 * 4; }
template <typename R, typename... A> constexpr unsigned stackBytes(R(WINAPI *)(A...))
{
    return (0u + ... + stackSlot<A>());
}

} // namespace ml

// A program built with the drop-in header reaches an A function as the
// library's entry ml_<Name>A, which <windows.h> then declares dllimport: its
// calls (and Clang's addresses) read the import pointer __imp_ml_<Name>A. GNU
// ld makes none for a function of a static library, so each entry defines its
// own. On i686 the label carries the entry's stack bytes, checked against its
// type.
#ifdef _WIN64
#define ML_IMPORT_POINTER(entry, bytes)                                                                               \
    extern decltype(&entry) const entry##_import __asm__("__imp_" #entry);                                            \
    decltype(&entry) const entry##_import = entry;
#else
#define ML_IMPORT_POINTER(entry, bytes)                                                                               \
    static_assert(ml::stackBytes(entry) == bytes, #entry " does not take " #bytes " bytes");                         \
    extern decltype(&entry) const entry##_import __asm__("__imp__" #entry "@" #bytes);                                \
    decltype(&entry) const entry##_import = entry;
#endif

#endif // ML_FACADE_H

// Shared mechanics of the façade members. Private to the library.
#ifndef ML_FACADE_H
#define ML_FACADE_H

#include <MultiLanguage/mlHeader.h>
#include <MultiLanguage/mlSupport.h>
#include <MultiLanguage/mlLogger.h>

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

// One conversion buffer on the stack (4096 bytes, 2048 UTF-16 units): the
// UTF-16 form of a UTF-8 argument, or the UTF-16 result of a platform call
// on its way back to UTF-8. Left uninitialised until used.
class Wide {
public:
    enum { Bytes = ML_CONV_BUF_BYTES, Units = ML_CONV_BUF_UNITS };

    Wide() : m_null(false) {}

    // A required argument: a NULL one fails in the conversion, which writes
    // its own record.
    bool from(const char *utf8)
    {
        m_null = false;
        return ml_ConvertUTF8toUTF16(utf8, m_buf, Bytes) != 0;
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
};

// A caller's DWORD or size_t byte count as the int that the conversions take.
inline int clampSize(unsigned long long size)
{
    return size > 0x7FFFFFFFull ? 0x7FFFFFFF : static_cast<int>(size);
}

} // namespace ml

#endif // ML_FACADE_H

// A buffer whose last byte is followed by a page with no access: a write or
// a read one byte past its end faults at once instead of going unnoticed.
#ifndef ML_TEST_GUARDED_BUFFER_H
#define ML_TEST_GUARDED_BUFFER_H

#include <windows.h>

#include <string>

class GuardedBuffer {
public:
    // size bytes (0 allowed), each set to fill.
    explicit GuardedBuffer(size_t size, unsigned char fill = 0xCC);
    // The bytes of text, with no terminator unless text holds one: an input
    // that a member must never scan past.
    static GuardedBuffer holding(const std::string &bytes);
    static GuardedBuffer holding(const std::wstring &units);
    ~GuardedBuffer();
    GuardedBuffer(GuardedBuffer &&other) noexcept;

    char *data() const { return m_data; }
    WCHAR *wide() const { return reinterpret_cast<WCHAR *>(m_data); }
    size_t size() const { return m_size; }
    // The whole buffer as bytes, and its text up to the first zero.
    std::string bytes() const { return std::string(m_data, m_size); }
    std::string text() const;
    // True while every byte still holds the fill.
    bool untouched() const;

    GuardedBuffer(const GuardedBuffer &) = delete;
    GuardedBuffer &operator=(const GuardedBuffer &) = delete;
    GuardedBuffer &operator=(GuardedBuffer &&) = delete;

private:
    char *m_base;
    size_t m_reserved;
    char *m_data;
    size_t m_size;
    unsigned char m_fill;
};

#endif

// The C runtime (msvcrt) with UTF-8 names: UTF-8 text shown in a console.
#include "shared.h"

namespace {

// UTF-16 on its way to the console, in pieces of a stack buffer. Each
// console call costs much more than its characters, so a piece takes a few
// kilobytes of text at once.
class ConsoleText {
public:
    explicit ConsoleText(HANDLE console) : m_console(console), m_count(0), m_failed(false) {}

    // Room for what one byte can add: U+FFFD and a pair, or CR LF.
    bool nearlyFull() const { return m_count > Units - 4; }

    void put(unsigned int unit) { m_units[m_count++] = static_cast<WCHAR>(unit); }

    void putCharacter(unsigned int code)
    {
        if (code >= 0x10000) {
            put(0xD800 + ((code - 0x10000) >> 10));
            put(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else if (code == '\n') {
            put('\r'); // as the runtime writes a line break in text mode
            put('\n');
        } else {
            put(code);
        }
    }

    // False once a write has failed; the rest is then dropped.
    bool flush()
    {
        const WCHAR *next = m_units;
        while (!m_failed && m_count > 0) {
            DWORD written = 0;
            if (!WriteConsoleW(m_console, next, m_count, &written, NULL) || written == 0)
                m_failed = true;
            next += written;
            m_count -= written;
        }
        m_count = 0;
        return !m_failed;
    }

    ConsoleText(const ConsoleText &) = delete;
    ConsoleText &operator=(const ConsoleText &) = delete;

private:
    enum { Units = 4096 };
    HANDLE m_console;
    WCHAR m_units[Units];
    DWORD m_count;
    bool m_failed;
};

// UTF-8 decoded byte by byte, so that a character may arrive over several
// writes. Each maximal part of a sequence that is not UTF-8 shows as one
// U+FFFD, and the byte that broke it starts afresh.
class Decoder {
public:
    Decoder() : m_need(0), m_have(0), m_code(0), m_low(0x80), m_high(0xBF) {}

    void feed(unsigned char byte, ConsoleText &out)
    {
        if (m_need > 0) {
            if (byte >= m_low && byte <= m_high) {
                m_code = (m_code << 6) | (byte & 0x3F);
                m_low = 0x80;
                m_high = 0xBF;
                if (--m_need == 0) {
                    out.putCharacter(m_code);
                    m_have = 0;
                } else {
                    m_bytes[m_have++] = byte;
                }
                return;
            }
            out.put(0xFFFD);
            m_need = 0;
            m_have = 0;
        }
        if (byte < 0x80) {
            out.putCharacter(byte);
        } else if (byte >= 0xC2 && byte <= 0xDF) {
            start(byte, 1, byte & 0x1F, 0x80, 0xBF);
        } else if (byte >= 0xE0 && byte <= 0xEF) {
            start(byte, 2, byte & 0x0F, byte == 0xE0 ? 0xA0 : 0x80, byte == 0xED ? 0x9F : 0xBF);
        } else if (byte >= 0xF0 && byte <= 0xF4) {
            start(byte, 3, byte & 0x07, byte == 0xF0 ? 0x90 : 0x80, byte == 0xF4 ? 0x8F : 0xBF);
        } else {
            out.put(0xFFFD);
        }
    }

    // The bytes of an unfinished character, kept for the next write.
    void save(unsigned char *bytes, unsigned char *count) const
    {
        memcpy(bytes, m_bytes, m_have);
        *count = static_cast<unsigned char>(m_have);
    }

private:
    void start(unsigned char byte, int need, unsigned int code, unsigned char low, unsigned char high)
    {
        m_bytes[0] = byte;
        m_have = 1;
        m_need = need;
        m_code = code;
        m_low = low;
        m_high = high;
    }

    int m_need, m_have;
    unsigned int m_code;
    unsigned char m_low, m_high;
    unsigned char m_bytes[3];
};

} // namespace

size_t ml::writeConsole(FILE *stream, HANDLE console, const void *bytes, size_t count)
{
    StreamLock lock(stream);
    if (fflush(stream) != 0)
        return 0; // the runtime has marked the stream
    ConsoleState &state = consoleState(stream, console);
    ConsoleText text(console);
    Decoder decoder;
    for (unsigned char i = 0; i < state.partialCount; ++i)
        decoder.feed(state.partial[i], text);

    const unsigned char *in = static_cast<const unsigned char *>(bytes);
    size_t shown = 0; // bytes whose characters have reached the console
    for (size_t i = 0; i < count; ++i) {
        if (text.nearlyFull()) {
            if (!text.flush())
                break;
            shown = i;
        }
        decoder.feed(in[i], text);
    }
    if (text.flush()) {
        decoder.save(state.partial, &state.partialCount);
        return count;
    }
    state.partialCount = 0;
    failStream(stream);
    return shown;
}

int ml::printConsole(FILE *stream, HANDLE console, const char *format, va_list args)
{
    // Most texts fit the stack; a longer one is measured and allocated.
    char local[1024];
    char *text = local;
    va_list copy;
    va_copy(copy, args);
    int length = _vsnprintf(local, sizeof local, format, copy);
    va_end(copy);
    if (length < 0 || length >= static_cast<int>(sizeof local)) {
        va_copy(copy, args);
        length = _vscprintf(format, copy);
        va_end(copy);
        if (length < 0)
            return length; // a format the runtime refuses
        text = static_cast<char *>(malloc(static_cast<size_t>(length) + 1));
        if (text == NULL) {
            errno = ENOMEM;
            return -1;
        }
        _vsnprintf(text, static_cast<size_t>(length) + 1, format, args);
    }
    const size_t written = writeConsole(stream, console, text, static_cast<size_t>(length));
    if (text != local) {
        LastErrorKeeper keep;
        free(text);
    }
    return written == static_cast<size_t>(length) ? length : -1;
}

// The C runtime (msvcrt) with UTF-8 names: typed text read from a console
// as UTF-8. The console's own code pages are never changed: where input is
// set to UTF-8, some consoles give a zero byte for every character that is
// not ASCII, so the wide read is the only sound one.
#include "shared.h"

namespace {

// UTF-16 units asked of the console at a time; each gives at most three
// UTF-8 bytes, and the read may take one unit more to finish a pair.
const DWORD kReadUnits = 512;

} // namespace

// One byte of room in front for ungetc, then a converted read.
struct ml::ConsoleInput {
    unsigned int start, end;
    char bytes[1 + 3 * (kReadUnits + 1)];
};

namespace {

bool lineMode(HANDLE console)
{
    DWORD mode = 0;
    return GetConsoleMode(console, &mode) && (mode & ENABLE_LINE_INPUT) != 0;
}

unsigned int encode(unsigned int code, char *out)
{
    if (code < 0x80) {
        out[0] = static_cast<char>(code);
        return 1;
    }
    if (code < 0x800) {
        out[0] = static_cast<char>(0xC0 | (code >> 6));
        out[1] = static_cast<char>(0x80 | (code & 0x3F));
        return 2;
    }
    if (code < 0x10000) {
        out[0] = static_cast<char>(0xE0 | (code >> 12));
        out[1] = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out[2] = static_cast<char>(0x80 | (code & 0x3F));
        return 3;
    }
    out[0] = static_cast<char>(0xF0 | (code >> 18));
    out[1] = static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out[2] = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out[3] = static_cast<char>(0x80 | (code & 0x3F));
    return 4;
}

// Fills the empty input with one wide read of the console, in UTF-8: CR LF
// becomes "\n" as in text mode, and a Ctrl+Z ends what the read gives. False
// when nothing came (a read that starts with Ctrl+Z: the end of the input)
// or the read failed, with the stream's indicator set.
bool fill(FILE *stream, HANDLE console, ml::ConsoleInput &in)
{
    WCHAR wide[kReadUnits + 1];
    DWORD got = 0;
    if (!ReadConsoleW(console, wide, kReadUnits, &got, NULL)) {
        ml::failStream(stream);
        return false;
    }
    // A read that stops inside a pair, or in line mode between CR and LF,
    // takes the unit that is already waiting.
    if (got > 0 && (IS_HIGH_SURROGATE(wide[got - 1]) || (wide[got - 1] == L'\r' && lineMode(console)))) {
        DWORD more = 0;
        if (ReadConsoleW(console, wide + got, 1, &more, NULL))
            got += more;
    }
    unsigned int end = 1;
    for (DWORD i = 0; i < got && wide[i] != 0x1A; ++i) {
        unsigned int code = wide[i];
        if (code == L'\r' && i + 1 < got && wide[i + 1] == L'\n')
            continue;
        if (IS_HIGH_SURROGATE(code) && i + 1 < got && IS_LOW_SURROGATE(wide[i + 1]))
            code = 0x10000 + ((code - 0xD800) << 10) + (wide[++i] - 0xDC00);
        else if (IS_HIGH_SURROGATE(code) || IS_LOW_SURROGATE(code))
            code = 0xFFFD;
        end += encode(code, in.bytes + end);
    }
    in.start = 1;
    in.end = end;
    if (end == 1) {
        stream->_flag |= _IOEOF;
        return false;
    }
    return true;
}

// The input of the stream, allocated at its first read; NULL (errno ENOMEM)
// when it cannot be.
ml::ConsoleInput *inputOf(FILE *stream, HANDLE console)
{
    ml::ConsoleState &state = ml::consoleState(stream, console);
    if (state.input == NULL) {
        state.input = static_cast<ml::ConsoleInput *>(calloc(1, sizeof(ml::ConsoleInput)));
        if (state.input == NULL) {
            stream->_flag |= _IOERR;
            errno = ENOMEM;
        }
    }
    return state.input;
}

// Bytes that the runtime read into the stream's buffer before (a read
// through its own functions) come first.
bool runtimeHolds(const FILE *stream) { return stream->_cnt > 0; }

// Bytes of the UTF-8 sequence that begins with byte; 1 for a byte that
// begins none.
unsigned int sequenceLength(unsigned char byte)
{
    return byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
}

} // namespace

int ml::readConsoleByte(FILE *stream, HANDLE console)
{
    StreamLock lock(stream);
    if (runtimeHolds(stream))
        return fgetc(stream);
    ConsoleInput *in = inputOf(stream, console);
    if (in == NULL || (in->start == in->end && !fill(stream, console, *in)))
        return EOF;
    return static_cast<unsigned char>(in->bytes[in->start++]);
}

char *ml::readConsoleLine(FILE *stream, HANDLE console, char *buffer, int count)
{
    if (buffer == NULL || count <= 1)
        return fgets(buffer, count, stream); // nothing to read: the runtime's answer
    StreamLock lock(stream);
    ConsoleInput *in = inputOf(stream, console);
    if (in == NULL)
        return NULL;
    const unsigned int room = static_cast<unsigned int>(count) - 1;
    unsigned int n = 0;
    while (n < room) {
        int c;
        if (runtimeHolds(stream)) {
            c = fgetc(stream);
        } else {
            if (in->start == in->end && !fill(stream, console, *in))
                break;
            // A character that does not fit whole is left for the next read.
            const unsigned char next = static_cast<unsigned char>(in->bytes[in->start]);
            if (n > 0 && n + sequenceLength(next) > room)
                break;
            c = next;
            ++in->start;
        }
        buffer[n++] = static_cast<char>(c);
        if (c == '\n')
            break;
    }
    if (n == 0)
        return NULL;
    buffer[n] = '\0';
    return buffer;
}

size_t ml::readConsoleBytes(FILE *stream, HANDLE console, void *buffer, size_t size)
{
    StreamLock lock(stream);
    ConsoleInput *in = inputOf(stream, console);
    if (in == NULL)
        return 0;
    char *out = static_cast<char *>(buffer);
    size_t n = 0;
    while (n < size) {
        if (runtimeHolds(stream)) {
            out[n++] = static_cast<char>(fgetc(stream));
            continue;
        }
        if (in->start == in->end && !fill(stream, console, *in))
            break;
        const size_t part = in->end - in->start < size - n ? in->end - in->start : size - n;
        memcpy(out + n, in->bytes + in->start, part);
        in->start += static_cast<unsigned int>(part);
        n += part;
    }
    return n;
}

int ml::unreadConsoleByte(FILE *stream, HANDLE console, int c)
{
    if (c == EOF)
        return EOF;
    StreamLock lock(stream);
    if (runtimeHolds(stream))
        return ungetc(c, stream);
    ConsoleInput *in = inputOf(stream, console);
    if (in == NULL)
        return EOF;
    if (in->start == in->end) // nothing read yet, or all of it
        in->start = in->end = 1;
    if (in->start == 0) { // a second byte put back
        if (in->end == sizeof in->bytes)
            return EOF;
        memmove(in->bytes + 1, in->bytes, in->end);
        ++in->end;
        ++in->start;
    }
    in->bytes[--in->start] = static_cast<char>(c);
    stream->_flag &= ~_IOEOF;
    return static_cast<unsigned char>(c);
}

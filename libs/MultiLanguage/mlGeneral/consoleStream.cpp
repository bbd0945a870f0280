// The C runtime (msvcrt) with UTF-8 names: which streams are consoles.
#include "shared.h"

#include <atomic>

namespace {

// msvcrt's descriptors: 64 blocks of 32.
const int kDescriptors = 2048;

// What was last learnt of a descriptor. The handle is stored last, after a
// 0 that marks the change, so a reader that finds a handle here finds that
// handle's answer.
struct Descriptor {
    std::atomic<intptr_t> handle;
    std::atomic<bool> console;
    ml::ConsoleState state;
};

Descriptor g_descriptors[kDescriptors];

} // namespace

HANDLE ml::consoleOf(FILE *stream)
{
    if (stream == NULL)
        return NULL;
    const int fd = _fileno(stream);
    if (fd < 0 || fd >= kDescriptors)
        return NULL;
    // _get_osfhandle only reads the runtime's table, but sets errno for a
    // descriptor that is not open.
    const int callerErrno = errno;
    const intptr_t handle = _get_osfhandle(fd);
    if (handle == -1 || handle == -2 || handle == 0) {
        errno = callerErrno;
        return NULL;
    }
    Descriptor &known = g_descriptors[fd];
    if (known.handle.load(std::memory_order_acquire) != handle) {
        LastErrorKeeper keep;
        DWORD mode;
        const bool console = GetConsoleMode(reinterpret_cast<HANDLE>(handle), &mode) != 0;
        known.handle.store(0, std::memory_order_release);
        known.console.store(console, std::memory_order_release);
        known.handle.store(handle, std::memory_order_release);
    }
    return known.console.load(std::memory_order_acquire) ? reinterpret_cast<HANDLE>(handle) : NULL;
}

ml::ConsoleState &ml::consoleState(FILE *stream, HANDLE console)
{
    ConsoleState &state = g_descriptors[_fileno(stream)].state;
    if (state.console != console) {
        state.console = console;
        state.partialCount = 0;
        ConsoleInput *input = state.input;
        state.input = NULL;
        free(input);
    }
    return state;
}

int ml::failStream(FILE *stream)
{
    const DWORD error = GetLastError();
    stream->_flag |= _IOERR;
    errno = error == ERROR_INVALID_HANDLE || error == ERROR_ACCESS_DENIED ? EBADF : EIO;
    return EOF;
}

// The C runtime (msvcrt) with UTF-8 names: which streams are consoles.
#include "shared.h"

namespace {

// msvcrt's descriptors: 64 blocks of 32.
const int kDescriptors = 2048;

ml::ConsoleState g_states[kDescriptors];

} // namespace

HANDLE ml::askConsole(int fd)
{
    if (fd >= kDescriptors)
        return NULL;
    const int callerErrno = errno;
    const intptr_t handle = _get_osfhandle(fd);
    errno = callerErrno; // EBADF for a descriptor that is not open
    if (handle == -1 || handle == -2 || handle == 0)
        return NULL;
    LastErrorKeeper keep;
    DWORD mode;
    return GetConsoleMode(reinterpret_cast<HANDLE>(handle), &mode) ? reinterpret_cast<HANDLE>(handle) : NULL;
}

ml::ConsoleState &ml::consoleState(FILE *stream, HANDLE console)
{
    ConsoleState &state = g_states[stream->_file];
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

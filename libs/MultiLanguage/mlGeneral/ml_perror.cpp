// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

void ml_perror(const char *message)
{
    HANDLE console = ml::consoleOf(stderr);
    if (console == NULL) {
        perror(message);
        return;
    }
    const char *reason = strerror(errno);
    ml::StreamLock lock(stderr); // one line, whole
    if (message != NULL && *message != '\0') {
        ml::writeConsole(stderr, console, message, strlen(message));
        ml::writeConsole(stderr, console, ": ", 2);
    }
    ml::writeConsole(stderr, console, reason, strlen(reason));
    ml::writeConsole(stderr, console, "\n", 1);
}

} // extern "C"

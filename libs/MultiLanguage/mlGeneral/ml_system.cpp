// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_system(const char *command)
{
    Wide wCommand;
    if (!wCommand.from(command)) {
        ml_Logger("ml_system has failed to convert at %d line, file: %s", ML_AT);
        refuse({&wCommand});
        return -1;
    }
    return _wsystem(wCommand.arg());
}

} // extern "C"

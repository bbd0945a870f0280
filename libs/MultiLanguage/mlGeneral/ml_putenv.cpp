// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

int ml_putenv(const char *assignment)
{
    Wide wAssignment;
    if (!wAssignment.from(assignment)) {
        ml_Logger("ml_putenv has failed to convert at %d line, file: %s", ML_AT);
        refuse({&wAssignment});
        return -1;
    }
    return _wputenv(wAssignment.arg());
}

} // extern "C"

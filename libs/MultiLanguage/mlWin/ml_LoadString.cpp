// Processes, synchronisation, environment and windows, in UTF-8.
#include "shared.h"

extern "C" {

int ml_LoadString(HINSTANCE instance, UINT id, char *buffer, int size)
{
    if (buffer == NULL) {
        // Nothing to write: count the string in our own buffer.
        Wide text;
        return LoadStringW(instance, id, text.out(), Wide::Units) == 0 ? 0 : utf8Length(text.out());
    }
    // A capacity of 0 would ask the platform to store a pointer in the buffer.
    if (size / 2 <= 0)
        return 0;
    InPlace text(buffer, size);
    if (LoadStringW(instance, id, text.out(), size / 2) == 0)
        return 0;
    if (!text.toUtf8()) {
        ml_Logger("ml_LoadString has failed to convert at %d line, file: %s", ML_AT);
        return utf8Size(text.out());
    }
    return static_cast<int>(strlen(buffer));
}

} // extern "C"

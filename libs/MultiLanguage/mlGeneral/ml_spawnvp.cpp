// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

intptr_t ml_spawnvp(int mode, const char *cmdname, const char *const *argv)
{
    Wide wName;
    int ok = 1;
    ok &= wName.fromOptional(cmdname);
    WideArgs wArgs;
    if (argv != NULL) {
        size_t count = 0;
        while (argv[count] != NULL)
            ++count;
        if (!wArgs.allocate(count))
            return -1;
        for (size_t i = 0; i < count; ++i) {
            wArgs[i] = static_cast<WCHAR *>(malloc(WideArgs::BufferBytes));
            if (wArgs[i] == NULL)
                return -1;
            ok &= ml_ConvertUTF8toUTF16(argv[i], wArgs[i], WideArgs::ConvertBytes);
        }
    }
    if (!ok) {
        ml_Logger("ml_spawnvp has failed to convert at %d line, file: %s", ML_AT);
        return -1;
    }
    // The buffers are freed after this, keeping the runtime's last error.
    return _wspawnvp(mode, wName.arg(), argv != NULL ? wArgs.vector() : NULL);
}

} // extern "C"

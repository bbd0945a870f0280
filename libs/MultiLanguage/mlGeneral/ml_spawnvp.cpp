// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

intptr_t ml_spawnvp(int mode, const char *cmdname, const char *const *argv)
{
    Wide wName;
    int ok = 1;
    ok &= wName.fromOptional(cmdname);
    // The first argument that does not convert: not UTF-8, or longer than
    // the runtime takes an argument list (E2BIG).
    int argError = 0;
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
            if (!ml_ConvertUTF8toUTF16(argv[i], wArgs[i], WideArgs::ConvertBytes)) {
                ok = 0;
                if (argError == 0)
                    argError = ml::refusalOf(argv[i]) == EILSEQ ? EILSEQ : E2BIG;
            }
        }
    }
    if (!ok) {
        ml_Logger("ml_spawnvp has failed to convert at %d line, file: %s", ML_AT);
        errno = wName.refusal() != 0 ? wName.refusal() : argError;
        return -1;
    }
    // The buffers are freed after this, keeping the runtime's last error.
    return _wspawnvp(mode, wName.arg(), argv != NULL ? wArgs.vector() : NULL);
}

} // extern "C"

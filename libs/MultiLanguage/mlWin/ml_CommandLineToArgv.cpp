// Processes, synchronisation, environment and windows, in UTF-8.
#include "shared.h"

extern "C" {

char **ml_CommandLineToArgv(const char *commandLine, int *argc)
{
    // Any command line a process can be given, so the program's own always
    // converts: a conversion buffer of that size, on the heap.
    WCHAR *wide = static_cast<WCHAR *>(malloc(kCommandLineUnits * sizeof(WCHAR)));
    if (wide == NULL) {
        ml_Logger("ml_CommandLineToArgv has failed to alloc memory at %d line, file: %s", ML_AT);
        return NULL;
    }
    if (!ml_ConvertUTF8toUTF16(commandLine, wide, kCommandLineUnits * sizeof(WCHAR))) {
        ml_Logger("ml_CommandLineToArgv has failed to convert 1 at %d line, file: %s", ML_AT);
        LastErrorKeeper keep;
        free(wide);
        return NULL;
    }
    WCHAR **wideArgs = CommandLineToArgvW(wide, argc);
    {
        LastErrorKeeper keep;
        free(wide);
    }
    if (wideArgs == NULL)
        return NULL;

    // One block as the platform's: the pointers, a closing NULL, the texts.
    const int count = *argc;
    size_t bytes = (count + 1) * sizeof(char *);
    for (int i = 0; i < count; ++i)
        bytes += ml_GetUTF16toUTF8Size(wideArgs[i]);
    char **args = static_cast<char **>(LocalAlloc(LMEM_FIXED, bytes));
    LastErrorKeeper keep; // the platform's, whatever follows
    if (args == NULL) {
        ml_Logger("ml_CommandLineToArgv has failed to alloc memory at %d line, file: %s", ML_AT);
        LocalFree(wideArgs);
        return NULL;
    }
    char *text = reinterpret_cast<char *>(args + count + 1);
    const char *const end = reinterpret_cast<const char *>(args) + bytes;
    for (int i = 0; i < count; ++i) {
        args[i] = text;
        if (!ml_ConvertUTF16toUTF8(wideArgs[i], text, ml::clampSize(static_cast<size_t>(end - text)))) {
            ml_Logger("ml_CommandLineToArgv has failed to convert 2 at %d line, file: %s", ML_AT);
            LocalFree(args);
            LocalFree(wideArgs);
            return NULL;
        }
        text += strlen(text) + 1;
    }
    args[count] = NULL;
    LocalFree(wideArgs);
    return args;
}

} // extern "C"

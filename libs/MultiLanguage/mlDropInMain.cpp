// The entry of a program whose main came through the drop-in header. An
// object of its own: only such programs link it.
#include <MultiLanguage/mlWinProcessAndThread.h>

#include <stdio.h>
#include <stdlib.h>

#include "mlFacade.h"

extern "C" int ml_RunMain(int argc, char **argv, void *programMain)
{
    // The runtime's arguments are in the ANSI code page; the program gets
    // the process's own, in UTF-8.
    (void)argc;
    (void)argv;
    int count = 0;
    char *line = ml_GetCommandLine();
    char **utf8Args = line != NULL ? ml_CommandLineToArgv(line, &count) : NULL;
    free(line);
    if (utf8Args == NULL) {
        // Nothing to run it with but arguments that may be replaced text.
        fputs("The program's arguments could not be read\n", stderr);
        return EXIT_FAILURE;
    }
    // Every form of main is called as this one: the caller clears the
    // arguments, so a main that takes none ignores them. The vector lives
    // as long as the process.
    typedef int (*Main)(int, char **);
    return reinterpret_cast<Main>(programMain)(count, utf8Args);
}

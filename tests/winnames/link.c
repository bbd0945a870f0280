/* Takes the address of every A name that the drop-in header maps, in C here
 * and in C++ (link.cpp), after the platform headers that declare them: a
 * missing entry, a wrong @N on i686 or a missing import pointer (which a
 * call reads) fails the link. Run, each address must be the library's entry, not the DLL's export. */
#include <windows.h>
#include <msiquery.h>
#include <psapi.h>
#include <setupapi.h>
#include <shlwapi.h>
#include <stdio.h>

#include "link.h"

static int unmapped(const char *language, const struct winnames_entry *names, size_t count)
{
    int failures = 0;
    for (size_t i = 0; i < count; ++i) {
        FARPROC exported = GetProcAddress(LoadLibraryA(names[i].dll), names[i].name);
        if (exported == NULL || (winnames_proc)exported == names[i].address || names[i].address == NULL) {
            printf("%s: %s is not mapped\n", language, names[i].name);
            ++failures;
        }
    }
    return failures;
}

/* Never run: a call of each name, for the import pointers. */
static void calls(void)
{
#define NAME WINNAMES_CALL
#include "names.h"
#undef NAME
    winnames_cpp_calls();
}

int main(int argc, char **argv)
{
    if (argc > 1 && argv[1] != NULL)
        calls();
    /* Taken at run time, each address is read from the entry's import pointer. */
#define NAME(dll, name, args) {#dll ".dll", #name, (winnames_proc)name},
    const struct winnames_entry names[] = {
#include "names.h"
    };
#undef NAME
    const size_t count = sizeof names / sizeof names[0];
    int failures = unmapped("C", names, count) + winnames_cpp(unmapped);
    /* Without UNICODE the generic names follow their A names. */
    if ((winnames_proc)CreateFile != (winnames_proc)ml_CreateFileA ||
        (winnames_proc)GetModuleFileNameEx != (winnames_proc)ml_K32GetModuleFileNameExA) {
        printf("a generic name is not mapped\n");
        ++failures;
    }
    printf("%u names, %d not mapped\n", (unsigned)count, failures);
    return failures != 0;
}

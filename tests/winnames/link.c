/* Takes the address of every A name that the drop-in header maps, in C here
 * and in C++ (link.cpp), after the platform headers that declare them: a
 * missing entry, a wrong @N on i686 or a missing import pointer fails the
 * link. Run, each address must be the library's entry, not the DLL's export. */
#include <windows.h>
#include <msiquery.h>
#include <psapi.h>
#include <setupapi.h>
#include <shlwapi.h>
#include <stdio.h>

#include "link.h"

#define NAME(dll, name) {#dll ".dll", #name, (winnames_proc)name},
static const struct winnames_entry winnames_c[] = {
#include "names.h"
};
#undef NAME

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

int main(void)
{
    const size_t count = sizeof winnames_c / sizeof winnames_c[0];
    int failures = unmapped("C", winnames_c, count) + unmapped("C++", winnames_cpp, winnames_cpp_count);
    /* Without UNICODE the generic names follow their A names. */
    if ((winnames_proc)CreateFile != (winnames_proc)ml_CreateFileA ||
        (winnames_proc)GetModuleFileNameEx != (winnames_proc)ml_K32GetModuleFileNameExA) {
        printf("a generic name is not mapped\n");
        ++failures;
    }
    printf("%u names, %d not mapped\n", (unsigned)count, failures);
    return failures != 0;
}

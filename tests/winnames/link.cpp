// The mapped A names, their addresses taken in C++ after the platform headers
// and the library's own.
#include <MultiLanguage/ml.h>
#include <windows.h>
#include <msiquery.h>
#include <psapi.h>
#include <setupapi.h>
#include <shlwapi.h>

#include "link.h"

// Taken at run time, each address is read from the entry's import pointer.
extern "C" int winnames_cpp(winnames_check check)
{
#define NAME(dll, name, args) {#dll ".dll", #name, reinterpret_cast<winnames_proc>(name)},
    const winnames_entry names[] = {
#include "names.h"
    };
#undef NAME
    return check("C++", names, sizeof names / sizeof names[0]);
}

void winnames_cpp_calls(void)
{
#define NAME WINNAMES_CALL
#include "names.h"
#undef NAME
}

// The mapped A names, their addresses taken in C++ after the platform headers.
#include <windows.h>
#include <msiquery.h>
#include <psapi.h>
#include <setupapi.h>
#include <shlwapi.h>

#include "link.h"

#define NAME(dll, name) {#dll ".dll", #name, reinterpret_cast<winnames_proc>(name)},
extern "C" const winnames_entry winnames_cpp[] = {
#include "names.h"
};
#undef NAME
extern "C" const size_t winnames_cpp_count = sizeof winnames_cpp / sizeof winnames_cpp[0];

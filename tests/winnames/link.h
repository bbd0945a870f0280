/* One mapped A name: the DLL that exports the A function, its name, and the
 * address that the program got for it. */
#include <stddef.h>

typedef void (*winnames_proc)(void);
struct winnames_entry {
    const char *dll;
    const char *name;
    winnames_proc address;
};

#ifdef __cplusplus
extern "C" {
#endif
/* The same table, taken in C++ (link.cpp). */
extern const struct winnames_entry winnames_cpp[];
extern const size_t winnames_cpp_count;
#ifdef __cplusplus
}
#endif

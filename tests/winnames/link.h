/* One mapped A name: the DLL that exports the A function, its name, and the
 * address that the program got for it. */
#include <stddef.h>

typedef void (*winnames_proc)(void);
struct winnames_entry {
    const char *dll;
    const char *name;
    winnames_proc address;
};
typedef int (*winnames_check)(const char *language, const struct winnames_entry *names, size_t count);

#ifdef __cplusplus
extern "C" {
#endif
/* The same table, taken in C++ (link.cpp) and handed to check. */
int winnames_cpp(winnames_check check);
/* Calls every name in C++; never run. */
void winnames_cpp_calls(void);
#ifdef __cplusplus
}
#endif

/* A call with n arguments, all zero: GCC reads the import pointer for a
 * call, where it takes an address straight from the entry. */
#ifdef __cplusplus
struct winnames_zero {
    template <typename T> operator T() const { return T(); }
};
#define WINNAMES_Z1 winnames_zero()
#else
#define WINNAMES_Z1 0
#endif
#define WINNAMES_Z2 WINNAMES_Z1, WINNAMES_Z1
#define WINNAMES_Z3 WINNAMES_Z2, WINNAMES_Z1
#define WINNAMES_Z4 WINNAMES_Z3, WINNAMES_Z1
#define WINNAMES_Z5 WINNAMES_Z4, WINNAMES_Z1
#define WINNAMES_Z6 WINNAMES_Z5, WINNAMES_Z1
#define WINNAMES_Z7 WINNAMES_Z6, WINNAMES_Z1
#define WINNAMES_Z8 WINNAMES_Z7, WINNAMES_Z1
#define WINNAMES_Z9 WINNAMES_Z8, WINNAMES_Z1
#define WINNAMES_Z10 WINNAMES_Z9, WINNAMES_Z1
#define WINNAMES_Z11 WINNAMES_Z10, WINNAMES_Z1
#define WINNAMES_Z12 WINNAMES_Z11, WINNAMES_Z1
#define WINNAMES_Z13 WINNAMES_Z12, WINNAMES_Z1
#define WINNAMES_CALL(dll, name, args) name(WINNAMES_Z##args);

/* Compiled with the drop-in header forced in, under -Werror: as C and as
 * C++, with and without <windows.h>, with each form of main. Prints the
 * UTF-8 bytes of its argument (of ML_DROPIN_VALUE for main(void)). */
#ifdef WITH_WINDOWS
#include <windows.h>
#endif
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#ifdef __cplusplus
#include <cstdio>
#include <cstdlib>
#define STD(name) std::name
#else
#define STD(name) name
#endif

#if MAIN_FORM == 0
int main(void)
{
    const char *value = STD(getenv)("ML_DROPIN_VALUE");
    STD(printf)("%u bytes\n", value != NULL ? (unsigned)strlen(value) : 0u);
}
#else
#if MAIN_FORM == 1
int main(int argc, char **argv)
#else
int main(int argc, const char *argv[])
#endif
{
    STD(printf)("%u bytes\n", argc == 2 && argv[2] == NULL ? (unsigned)strlen(argv[1]) : 0u);
}
#endif

/* Started by the runtime-family tests: checks the wide arguments it was
 * given and answers with its exit code.
 *   spawn_child table ARG...   40 + number of ARGs when each is the next of
 *                              the table below, 100 + index of the first
 *                              that is not
 *   spawn_child long ARG       23 when ARG is 1023 letters a, else 1
 *   spawn_child touch PATH     creates PATH, then 5 */
#include <stdio.h>
#include <wchar.h>

static const wchar_t *const kTable[] = {
    L"\x0395\x03BB\x03BB\x03B7\x03BD\x03B9\x03BA\x03AC", /* Ελληνικά */
    L"\x8A2D\x5B9A",                                     /* 設定 */
    L"caf\x00E9",
    L"\xD83D\xDE00",                                     /* outside the BMP */
};

int wmain(int argc, wchar_t **argv)
{
    if (argc >= 2 && wcscmp(argv[1], L"table") == 0) {
        int i;
        for (i = 2; i < argc; ++i)
            if (i - 2 >= (int)(sizeof kTable / sizeof kTable[0]) || wcscmp(argv[i], kTable[i - 2]) != 0)
                return 100 + i;
        return 40 + argc - 2;
    }
    if (argc == 3 && wcscmp(argv[1], L"long") == 0) {
        size_t i;
        if (wcslen(argv[2]) != 1023)
            return 1;
        for (i = 0; i < 1023; ++i)
            if (argv[2][i] != L'a')
                return 1;
        return 23;
    }
    if (argc >= 3 && wcscmp(argv[1], L"touch") == 0) {
        FILE *f = _wfopen(argv[2], L"w");
        if (f == NULL)
            return 2;
        fclose(f);
        return 5;
    }
    return 99;
}

/* Started by the process tests: reports, as UTF-8 on its standard output,
 * what it was given, then ends with 7.
 *   cmd=<its command line>
 *   cwd=<its current folder>
 *   flags=<startup flags> show=<show-window value> */
#include <windows.h>
#include <stdio.h>

static void put(const char *key, const wchar_t *text)
{
    char utf8[4096];
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, NULL, NULL);
    printf("%s=%s\n", key, utf8);
}

int wmain(void)
{
    wchar_t cwd[MAX_PATH];
    STARTUPINFOW startup;
    GetCurrentDirectoryW(MAX_PATH, cwd);
    GetStartupInfoW(&startup);
    put("cmd", GetCommandLineW());
    put("cwd", cwd);
    printf("flags=%lu show=%u\n", (unsigned long)startup.dwFlags, (unsigned)startup.wShowWindow);
    fflush(stdout);
    return 7;
}

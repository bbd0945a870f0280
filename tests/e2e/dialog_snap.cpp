// dialog_snap "<caption>" <png path> [--cancel]
// Waits up to 30 s for a top-level window with the caption, saves a PNG of
// it, with --cancel clicks its Cancel button and waits for it to close, and
// prints the Windows path of the settings tool's configuration file.
// Exit codes: 0 done, 1 usage, 2 no such window, 3 picture not saved,
// 4 window still open after Cancel.
#include "WindowSnap.h"

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>
#include <stdio.h>

#include <string>

namespace {

void printUtf8Line(const std::wstring &text)
{
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, NULL, 0, NULL, NULL);
    std::string out(n > 0 ? n - 1 : 0, '\0');
    if (n > 1)
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, &out[0], n, NULL, NULL);
    // Binary: a shell script reading the line must not get a carriage return.
    _setmode(_fileno(stdout), _O_BINARY);
    printf("%s\n", out.c_str());
    fflush(stdout);
}

} // namespace

int main()
{
    int argc = 0;
    wchar_t **argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argv == NULL || argc < 3 || argc > 4 || (argc == 4 && std::wstring(argv[3]) != L"--cancel")) {
        fprintf(stderr, "usage: dialog_snap \"<caption>\" <png path> [--cancel]\n");
        return 1;
    }
    const std::wstring caption = argv[1];
    const std::wstring png = toWindowsPath(argv[2]);
    const bool cancel = argc == 4;
    LocalFree(argv);

    int rc = 0;
    HWND hwnd = findTopWindow(caption, 0, 30000);
    if (hwnd == NULL) {
        rc = 2;
    } else {
        // Let the freshly shown window finish painting.
        Sleep(500);
        if (!saveWindowPng(hwnd, png))
            rc = 3;
        if (cancel) {
            PostMessageW(GetDlgItem(hwnd, IDCANCEL), BM_CLICK, 0, 0);
            if (!waitWindowGone(hwnd, 10000) && rc == 0)
                rc = 4;
        }
    }
    printUtf8Line(configFilePath());
    return rc;
}

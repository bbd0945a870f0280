// Prints how much the UTF-8 operations cost next to the bare wide calls,
// measured side by side in one run. Ratios only; nothing is asserted.
#include <MultiLanguage/ml.h>

#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <functional>
#include <string>

namespace {

double seconds()
{
    static LARGE_INTEGER frequency = {};
    if (frequency.QuadPart == 0)
        QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return double(now.QuadPart) / double(frequency.QuadPart);
}

// The best of several alternating batches of each, so that both sides see
// the same machine.
void compare(const char *name, int iterations, const std::function<void()> &ours,
             const std::function<void()> &bare)
{
    double bestOurs = 1e30, bestBare = 1e30;
    for (int round = 0; round < 7; ++round) {
        double t = seconds();
        for (int i = 0; i < iterations; ++i)
            bare();
        bestBare = std::min(bestBare, seconds() - t);
        t = seconds();
        for (int i = 0; i < iterations; ++i)
            ours();
        bestOurs = std::min(bestOurs, seconds() - t);
    }
    printf("%-46s %9.3f us %9.3f us   ratio %.3f\n", name, 1e6 * bestOurs / iterations, 1e6 * bestBare / iterations,
           bestOurs / bestBare);
}

std::string mixed(size_t bytes)
{
    // ASCII, two-byte and three-byte characters in turn, cut to whole characters.
    const char *pieces[] = {"ab", "\xCE\xB1", "\xE8\xA8\xAD"};
    std::string s;
    for (size_t i = 0;; ++i) {
        const char *p = pieces[i % 3];
        if (s.size() + strlen(p) > bytes)
            break;
        s += p;
    }
    s.append(bytes - s.size(), 'x');
    return s;
}

} // namespace

int main()
{
    static WCHAR out[ML_CONV_BUF_UNITS];
    printf("%-46s %12s %12s\n", "operation", "ml_", "wide call");

    for (size_t bytes : {16u, 260u, 2047u}) {
        const std::string ascii(bytes, 'a'), text = mixed(bytes);
        for (const std::string *input : {&ascii, &text}) {
            char name[64];
            snprintf(name, sizeof name, "ml_ConvertUTF8toUTF16 %4u bytes %s", unsigned(bytes),
                     input == &ascii ? "ASCII" : "mixed");
            const char *s = input->c_str();
            compare(name, bytes > 1000 ? 20000 : 200000, [&] { ml_ConvertUTF8toUTF16(s, out, sizeof out); },
                    [&] { MultiByteToWideChar(CP_UTF8, 0, s, -1, out, ML_CONV_BUF_UNITS); });
        }
    }

    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "ml_bench";
    CreateDirectoryA(folder.c_str(), NULL);
    const std::string ini = folder + "\\bench.ini";
    WCHAR wIni[MAX_PATH], wFolder[MAX_PATH];
    MultiByteToWideChar(CP_UTF8, 0, ini.c_str(), -1, wIni, MAX_PATH);
    MultiByteToWideChar(CP_UTF8, 0, folder.c_str(), -1, wFolder, MAX_PATH);
    ml_WritePrivateProfileString("General config", "Ostra Read ahead", "1024", ini.c_str());

    char value[520];
    compare("ml_GetPrivateProfileString", 5000,
            [&] { ml_GetPrivateProfileString("General config", "Ostra Read ahead", "64", value, sizeof value, ini.c_str()); },
            [&] { GetPrivateProfileStringW(L"General config", L"Ostra Read ahead", L"64", out, ML_CONV_BUF_UNITS, wIni); });
    compare("ml_CreateDirectory (existing folder)", 20000, [&] { ml_CreateDirectory(folder.c_str(), NULL); },
            [&] { CreateDirectoryW(wFolder, NULL); });

    // One member of each family with a text result.
    ml_WritePrivateProfileString("General config", "Tape Mode", "1", ini.c_str());
    char section[4096];
    compare("ml_GetPrivateProfileSection", 5000,
            [&] { ml_GetPrivateProfileSection("General config", section, sizeof section, ini.c_str()); },
            [&] { GetPrivateProfileSectionW(L"General config", out, ML_CONV_BUF_UNITS, wIni); });
    compare("ml_GetFileAttributes", 20000, [&] { ml_GetFileAttributes(ini.c_str()); },
            [&] { GetFileAttributesW(wIni); });

    SetEnvironmentVariableW(L"ML_BENCH", L"\x8A2D\x5B9A value");
    char variable[520];
    compare("ml_GetEnvironmentVariable", 200000,
            [&] { ml_GetEnvironmentVariable("ML_BENCH", variable, sizeof variable); },
            [&] { GetEnvironmentVariableW(L"ML_BENCH", out, ML_CONV_BUF_UNITS); });

    // The drop-in's getenv next to the runtime's narrow one: a value read
    // again while unchanged is the one converted before.
    _wputenv(L"ML_BENCH_ENV=\x8A2D\x5B9A value");
    compare("ml_getenv_utf8 (unchanged value) vs getenv", 200000, [&] { ml_getenv_utf8("ML_BENCH_ENV"); },
            [&] { getenv("ML_BENCH_ENV"); });

    HKEY key = NULL;
    RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\mlBench", 0, NULL, 0, KEY_ALL_ACCESS, NULL, &key, NULL);
    RegSetValueExW(key, L"Tape Mode", 0, REG_SZ, reinterpret_cast<const BYTE *>(L"Enabled"), 16);
    BYTE data[520];
    compare("ml_RegQueryValueEx (REG_SZ)", 50000,
            [&] {
                DWORD type, size = sizeof data;
                ml_RegQueryValueEx(key, "Tape Mode", NULL, &type, data, &size);
            },
            [&] {
                DWORD type, size = sizeof data;
                RegQueryValueExW(key, L"Tape Mode", NULL, &type, data, &size);
            });
    RegCloseKey(key);
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\mlBench");

    // The stream members on a file cost what the runtime's own functions do.
    // Both sides start the file again every 8192 calls, to keep it small.
    const std::string streamPath = folder + "\\bench.txt";
    FILE *file = fopen(streamPath.c_str(), "wb");
    const std::string line = mixed(80) + "\n";
    unsigned calls = 0;
    auto keepSmall = [&] {
        if (++calls % 8192 == 0)
            rewind(file);
    };
    compare("ml_fputs (file, 81 bytes)", 200000, [&] { ml_fputs(line.c_str(), file), keepSmall(); },
            [&] { fputs(line.c_str(), file), keepSmall(); });
    compare("ml_fwrite (file, 81 bytes)", 200000, [&] { ml_fwrite(line.data(), 1, line.size(), file), keepSmall(); },
            [&] { fwrite(line.data(), 1, line.size(), file), keepSmall(); });
    compare("ml_putc (file, 1 byte)", 1000000, [&] { ml_putc('x', file), keepSmall(); },
            [&] { putc('x', file), keepSmall(); });
    fclose(file);
    DeleteFileA(streamPath.c_str());

    // UTF-8 text to a console, where there is one: a screen buffer of its
    // own that is never shown.
    HANDLE screen = CreateConsoleScreenBuffer(GENERIC_READ | GENERIC_WRITE, 0, NULL, CONSOLE_TEXTMODE_BUFFER, NULL);
    if (screen != INVALID_HANDLE_VALUE) {
        FILE *console = _fdopen(_open_osfhandle(reinterpret_cast<intptr_t>(screen), _O_TEXT), "w");
        const std::string text = mixed(4096);
        std::wstring wide(text.size(), L' ');
        wide.resize(MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), &wide[0], int(wide.size())));
        compare("ml_fputs (console, 4096 bytes UTF-8)", 200, [&] { ml_fputs(text.c_str(), console); },
                [&] {
                    DWORD written;
                    WriteConsoleW(screen, wide.data(), DWORD(wide.size()), &written, NULL);
                });
        fclose(console);
    } else {
        printf("%-46s (no console here)\n", "ml_fputs (console, 4096 bytes UTF-8)");
    }

    DeleteFileW(wIni);
    RemoveDirectoryW(wFolder);
    return 0;
}

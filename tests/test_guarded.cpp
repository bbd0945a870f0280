// Caller buffers that end at a no-access page: every member that writes into
// a sized buffer must succeed at the exact fit and fail cleanly one byte
// short, and an input of explicit length is never read past its end.
#include <MultiLanguage/ml.h>

#include <gtest/gtest.h>

#include <direct.h>
#include <shlobj.h>

#include <functional>
#include <string>
#include <vector>

#include "GuardedBuffer.h"
#include "LogCapture.h"
#include "TempDir.h"

namespace {

const char kGreek2[] = "\xCE\x95\xCE\xBB"; // Ελ
const wchar_t kGreek2W[] = L"\x0395\x03BB";

std::string withZero(const std::string &text) { return std::string(text.c_str(), text.size() + 1); }

std::string wideBytes(const std::wstring &units)
{
    return std::string(reinterpret_cast<const char *>(units.c_str()), (units.size() + 1) * sizeof(wchar_t));
}

struct Row {
    const char *member;
    size_t fits;                             // bytes of the exact fit
    std::function<bool(char *, size_t)> ok;  // the member reported success
    std::string expected;                    // what the buffer starts with at the exact fit
    bool shortFails;                         // false: the contract fixes the size
};

void walk(const std::vector<Row> &rows)
{
    LogCapture log; // the failures' records
    for (const Row &row : rows) {
        SCOPED_TRACE(row.member);
        GuardedBuffer exact(row.fits);
        EXPECT_TRUE(row.ok(exact.data(), exact.size()));
        EXPECT_EQ(row.expected, exact.bytes().substr(0, row.expected.size()));
        if (row.shortFails) {
            GuardedBuffer tight(row.fits - 1);
            EXPECT_FALSE(row.ok(tight.data(), tight.size()));
        }
    }
}

} // namespace

TEST(GuardedBuffers, ConversionsFitExactlyAndFailOneByteShort)
{
    const std::wstring listW(L"a\0\x03BB\0", 5); // a, λ and the closing zero
    const std::string list("a\0\xCE\xBB\0", 6);
    const std::vector<Row> rows = {
        {"ml_ConvertUTF16toUTF8", 5,
         [&](char *b, size_t n) { return ml_ConvertUTF16toUTF8(kGreek2W, b, int(n)) == 1; }, withZero(kGreek2), true},
        {"ml_ConvertUTF8toUTF16", 6,
         [&](char *b, size_t n) { return ml_ConvertUTF8toUTF16(kGreek2, reinterpret_cast<WCHAR *>(b), n) == 1; },
         wideBytes(kGreek2W), true},
        {"ml_ConvertMultiSzUTF16toUTF8", 6,
         [&](char *b, size_t n) { return ml_ConvertMultiSzUTF16toUTF8(listW.data(), 5, b, int(n)) == 1; }, list,
         true},
        {"ml_ConvertMultiSzUTF8toUTF16", 10,
         [&](char *b, size_t n) {
             return ml_ConvertMultiSzUTF8toUTF16(list.data(), 6, reinterpret_cast<WCHAR *>(b), n) == 1;
         },
         std::string(reinterpret_cast<const char *>(listW.data()), 10), true},
        {"ml_ConvertInBufUTF8toUTF16", 6,
         [&](char *b, size_t n) {
             memcpy(b, kGreek2, 5);
             return ml_ConvertInBufUTF8toUTF16(b, n) == 1;
         },
         wideBytes(kGreek2W), true},
        {"ml_ConvertInBufUTF16toUTF8", 6,
         [&](char *b, size_t n) {
             memcpy(b, kGreek2W, 6);
             return ml_ConvertInBufUTF16toUTF8(b, n) == 1;
         },
         withZero(kGreek2), false},
        {"ml_ConvertCurrCodePagetoUTF8", 6,
         [&](char *b, size_t n) { return ml_ConvertCurrCodePagetoUTF8("\xE9t\xE9", b, int(n)) == 1; },
         withZero("\xC3\xA9t\xC3\xA9"), true},
        {"ml_ConvertUTF8toCurrCodePage", 4,
         [&](char *b, size_t n) { return ml_ConvertUTF8toCurrCodePage("\xC3\xA9t\xC3\xA9", b, int(n)) == 1; },
         withZero("\xE9t\xE9"), true},
        {"ml_ConvertUTF8toCodePage", 4,
         [&](char *b, size_t n) { return ml_ConvertUTF8toCodePage("\xC3\xA9t\xC3\xA9", b, int(n), 1) == 1; },
         withZero("\xE9t\xE9"), true},
        {"ml_GetUTF8BomBytes", 3,
         [&](char *b, size_t n) {
             unsigned int size = unsigned(n);
             return ml_GetUTF8BomBytes(reinterpret_cast<unsigned char *>(b), &size) == 3;
         },
         "\xEF\xBB\xBF", true},
        {"ml_ConvertWIN32FindData16to8", sizeof(WIN32_FIND_DATAA),
         [&](char *b, size_t) {
             WIN32_FIND_DATAW in = {};
             wcscpy(in.cFileName, kGreek2W);
             return ml_ConvertWIN32FindData16to8(&in, reinterpret_cast<WIN32_FIND_DATAA *>(b)) == 1;
         },
         "", false},
    };
    walk(rows);
}

TEST(GuardedBuffers, InputsOfExplicitLengthAreNeverReadPast)
{
    LogCapture log;
    WCHAR wide[8];
    char narrowOut[8];

    // An explicit length of 0 is the empty text, whatever lies behind it.
    GuardedBuffer none = GuardedBuffer::holding(std::string());
    wide[0] = L'x';
    EXPECT_EQ(1, ml_ConvertMultiSzUTF8toUTF16(none.data(), 0, wide, sizeof wide));
    EXPECT_EQ(L'\0', wide[0]);
    narrowOut[0] = 'x';
    EXPECT_EQ(1, ml_ConvertMultiSzUTF16toUTF8(none.wide(), 0, narrowOut, sizeof narrowOut));
    EXPECT_EQ('\0', narrowOut[0]);

    // A list that ends at the page converts and measures by its length.
    GuardedBuffer list = GuardedBuffer::holding(std::string("a\0b\0", 4));
    EXPECT_EQ(1, ml_ConvertMultiSzUTF8toUTF16(list.data(), 4, wide, sizeof wide));
    EXPECT_EQ(std::wstring(L"a\0b\0", 4), std::wstring(wide, 4));
    EXPECT_EQ(8u, ml_GetMultiSzUTF8toUTF16Size(list.data(), 4));
    GuardedBuffer listW = GuardedBuffer::holding(std::wstring(L"a\0b\0", 4));
    EXPECT_EQ(1, ml_ConvertMultiSzUTF16toUTF8(listW.wide(), 4, narrowOut, sizeof narrowOut));
    EXPECT_EQ(std::string("a\0b\0", 4), std::string(narrowOut, 4));
    EXPECT_EQ(4u, ml_GetMultiSzUTF16toUTF8Size(listW.wide(), 4));
    EXPECT_TRUE(log.messages().empty());
}

TEST(GuardedBuffers, SettingsToolMembersKeepToTheirBuffers)
{
    TempDir dir;
    const std::string ini = dir.file("guarded.ini");
    // An ANSI profile file keeps what code page 1252 holds.
    const char kLatin[] = "\xC3\xA9t\xC3\xA9"; // été
    ASSERT_EQ(TRUE, ml_WritePrivateProfileString("General config", "Tape Mode", kLatin, ini.c_str()));
    char folder[4096];
    ASSERT_EQ(S_OK, ml_SHGetFolderPath(NULL, CSIDL_COMMON_APPDATA, NULL, 0, folder));

    const std::vector<Row> rows = {
        {"ml_GetPrivateProfileString", 6,
         [&](char *b, size_t n) {
             return ml_GetPrivateProfileString("General config", "Tape Mode", "", b, DWORD(n), ini.c_str()) == 3;
         },
         withZero(kLatin), true},
        // The count is the whole buffer: at the exact fit no terminator.
        {"ml_snprintf", 4, [&](char *b, size_t n) { return ml_snprintf(b, n, "%s", "abcd") == 4; }, "abcd", true},
        {"ml_SHGetFolderPath", ML_CONV_BUF_BYTES,
         [&](char *b, size_t) { return ml_SHGetFolderPath(NULL, CSIDL_COMMON_APPDATA, NULL, 0, b) == S_OK; },
         withZero(folder), false},
        {"ml_PathAppend", MAX_PATH,
         [&](char *b, size_t) {
             strcpy(b, "C:\\a");
             return ml_PathAppend(b, kGreek2) == TRUE;
         },
         withZero(std::string("C:\\a\\") + kGreek2), false},
    };
    walk(rows);
}

TEST(GuardedBuffers, RuntimeMembersFitExactlyAndFailOneByteShort)
{
    TempDir dir;
    const std::string here = dir.file(kGreek2);
    ASSERT_EQ(0, ml_mkdir(here.c_str()));
    wchar_t *saved = _wgetcwd(NULL, 0);
    ASSERT_EQ(0, ml_chdir(here.c_str()));
    const std::wstring hereW = widen(here);
    const std::wstring fullW = hereW + L"\\x";
    WCHAR *argv[] = {const_cast<WCHAR *>(kGreek2W), NULL};
    const std::string full = narrow(fullW);
    _wputenv((std::wstring(L"ML_GUARDED=") + kGreek2W).c_str());

    const std::vector<Row> rows = {
        // The runtime writes UTF-16 into the buffer first: it must take that.
        {"ml_getcwd", (hereW.size() + 1) * sizeof(wchar_t),
         [&](char *b, size_t n) { return ml_getcwd(b, int(n)) != NULL; }, withZero(here), true},
        {"ml_getdcwd", (hereW.size() + 1) * sizeof(wchar_t),
         [&](char *b, size_t n) { return ml_getdcwd(0, b, int(n)) != NULL; }, withZero(here), true},
        {"ml_fullpath", (fullW.size() + 1) * sizeof(wchar_t),
         [&](char *b, size_t n) { return ml_fullpath(b, "x", n) != NULL; }, withZero(full), true},
        {"ml_getArgv", 5,
         [&](char *b, size_t n) {
             unsigned int size = unsigned(n);
             return ml_getArgv(argv, 0, b, &size) == 4;
         },
         withZero(kGreek2), true},
        {"ml_getenv_s", 5,
         [&](char *b, size_t n) {
             size_t required = 0;
             return ml_getenv_s(&required, b, n, "ML_GUARDED") == 0 && required == 5;
         },
         withZero(kGreek2), true},
        {"ml_makepath", 260,
         [&](char *b, size_t) {
             ml_makepath(b, "C", "\\d\\", kGreek2, "txt");
             return b[0] == 'C';
         },
         withZero(std::string("C:\\d\\") + kGreek2 + ".txt"), false},
        {"ml_splitpath", 260,
         [&](char *b, size_t) {
             ml_splitpath(full.c_str(), NULL, b, NULL, NULL);
             return true;
         },
         withZero(narrow(hereW.substr(2)) + "\\"), false},
        {"ml_mktemp", 8,
         [&](char *b, size_t) {
             memcpy(b, "tXXXXXX", 8);
             return ml_mktemp(b) == b;
         },
         "t", false},
        {"ml_findfirst", sizeof(ml_finddata_t),
         [&](char *b, size_t) {
             const intptr_t h = ml_findfirst((dir.path() + "\\*").c_str(), reinterpret_cast<ml_finddata_t *>(b));
             return h != -1 && ml_findclose(h) == 0;
         },
         "", false},
        {"ml_stat", sizeof(ml_stat_t),
         [&](char *b, size_t) { return ml_stat(here.c_str(), reinterpret_cast<ml_stat_t *>(b)) == 0; }, "", false},
        {"ml_stati64", sizeof(ml_stati64_t),
         [&](char *b, size_t) { return ml_stati64(here.c_str(), reinterpret_cast<ml_stati64_t *>(b)) == 0; }, "",
         false},
    };
    walk(rows);
    _wchdir(saved);
    free(saved);
}

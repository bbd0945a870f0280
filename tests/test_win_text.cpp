// Members that return text: their counts, their buffers, and results too
// long for their wide buffers.
#include "win/WinTest.h"

#include <psapi.h>
#include <shlwapi.h>

#include <functional>

using namespace win;

namespace {

const char kVariable[] = "ML_TEST_VALUE";

std::wstring wideSystemDirectory()
{
    WCHAR w[MAX_PATH];
    return std::wstring(w, GetSystemDirectoryW(w, MAX_PATH));
}

std::wstring wideWindowsDirectory()
{
    WCHAR w[MAX_PATH];
    return std::wstring(w, GetWindowsDirectoryW(w, MAX_PATH));
}

std::wstring wideModulePath()
{
    WCHAR w[MAX_PATH];
    return std::wstring(w, GetModuleFileNameW(NULL, w, MAX_PATH));
}

template <class Get> std::wstring wideName(Get get)
{
    WCHAR w[256];
    DWORD n = 256;
    get(w, &n);
    return w;
}

// An in-out size member as one number: the size it left, negative when it
// returned FALSE.
template <class Call> long long inOut(Call call, DWORD size)
{
    const BOOL ok = call(&size);
    return ok ? static_cast<long long>(size) : -static_cast<long long>(size);
}

} // namespace

// Every member that writes text into a caller's buffer, at the exact fit
// (followed by a guard page), one byte short, with 4 bytes and with no
// buffer.
TEST(TextMembers, CountRulesAtTheExactFitOneByteShortFourBytesAndNoBuffer)
{
    ASSERT_TRUE(haveConsole());
    const std::string value = std::string(kGreek) + " " + kCjk;
    ASSERT_TRUE(SetEnvironmentVariableW(widen(kVariable).c_str(), widen(value).c_str()));
    const std::string title = std::string(kGreek) + " title";
    ASSERT_TRUE(SetConsoleTitleW(widen(title).c_str()));
    const std::string windowText = std::string(kCjk) + " window";
    TextWindow window(widen(windowText));
    ASSERT_NE(HWND(NULL), window.handle());
    const std::string byteSize = [] {
        WCHAR w[64];
        return narrow(StrFormatByteSizeW(1234567890, w, 64));
    }();
    const std::wstring baseName = [] {
        WCHAR w[MAX_PATH];
        return std::wstring(w, GetModuleBaseNameW(GetCurrentProcess(), NULL, w, MAX_PATH));
    }();
    const std::string computer = narrow(wideName([](WCHAR *w, DWORD *n) { GetComputerNameW(w, n); }));
    const std::string host =
        narrow(wideName([](WCHAR *w, DWORD *n) { GetComputerNameExW(ComputerNameDnsHostname, w, n); }));
    const std::string user = narrow(wideName([](WCHAR *w, DWORD *n) { GetUserNameW(w, n); }));

    struct Row {
        const char *member;
        std::string text; // what the member delivers
        std::function<long long(char *, DWORD)> call;
        long long fit;    // a buffer of exactly the text and its zero
        long long cut;    // one byte short, and 4 bytes
        std::vector<std::string> cutRecords;
        long long none;   // no buffer, a size of 77
        std::vector<std::string> noneRecords;
    };
    auto L = [](const std::string &s) { return static_cast<long long>(s.size()); };
    const std::string sysDir = narrow(wideSystemDirectory()), winDir = narrow(wideWindowsDirectory());
    const std::string module = narrow(wideModulePath());
    const std::string expanded = value + "!";
    auto computerName = [](char *b, DWORD s) { return inOut([&](DWORD *z) { return ml_GetComputerName(b, z); }, s); };
    auto hostName = [](char *b, DWORD s) {
        return inOut([&](DWORD *z) { return ml_GetComputerNameEx(ComputerNameDnsHostname, b, z); }, s);
    };
    auto userName = [](char *b, DWORD s) { return inOut([&](DWORD *z) { return ml_GetUserName(b, z); }, s); };
    const std::vector<Row> rows = {
        {"ml_GetSystemDirectory", sysDir, [](char *b, DWORD s) { return (long long)ml_GetSystemDirectory(b, s); },
         L(sysDir), L(sysDir) + 1, {kToUtf8Record, failed("ml_GetSystemDirectory")}, L(sysDir), {}},
        {"ml_GetWindowsDirectory", winDir, [](char *b, DWORD s) { return (long long)ml_GetWindowsDirectory(b, s); },
         L(winDir), L(winDir) + 1, {kToUtf8Record, failed("ml_GetWindowsDirectory")}, L(winDir), {}},
        {"ml_GetEnvironmentVariable", value,
         [](char *b, DWORD s) { return (long long)ml_GetEnvironmentVariable(kVariable, b, s); }, L(value),
         L(value) + 1, {kToUtf8Record, failed("ml_GetEnvironmentVariable", " 2")}, L(value), {}},
        {"ml_ExpandEnvironmentStrings", expanded,
         [](char *b, DWORD s) { return (long long)ml_ExpandEnvironmentStrings("%ML_TEST_VALUE%!", b, s); },
         L(expanded) + 1, 0, {kToUtf8Record, failed("ml_ExpandEnvironmentStrings", " 2")}, 0,
         {kNullOutRecord, failed("ml_ExpandEnvironmentStrings", " 2")}},
        {"ml_GetConsoleTitle", title, [](char *b, DWORD s) { return (long long)ml_GetConsoleTitle(b, s); }, L(title),
         L(title) + 1, {kToUtf8Record, failed("ml_GetConsoleTitle")}, L(title) + 1, {}},
        {"ml_GetWindowText", windowText,
         [&](char *b, DWORD s) { return (long long)ml_GetWindowText(window.handle(), b, (int)s); }, L(windowText), 0,
         {kToUtf8Record, failed("ml_GetWindowText")}, L(windowText), {}},
        {"ml_GetModuleFileName", module, [](char *b, DWORD s) { return (long long)ml_GetModuleFileName(NULL, b, s); },
         L(module), 0, {kToUtf8Record, failed("ml_GetModuleFileName")}, L(module), {}},
        {"ml_GetModuleFileNameEx", module,
         [](char *b, DWORD s) { return (long long)ml_GetModuleFileNameEx(GetCurrentProcess(), NULL, b, s); },
         L(module), 0, {kToUtf8Record, failed("ml_GetModuleFileNameEx")}, L(module), {}},
        {"ml_GetModuleBaseName", narrow(baseName),
         [](char *b, DWORD s) { return (long long)ml_GetModuleBaseName(GetCurrentProcess(), NULL, b, s); },
         (long long)baseName.size(), 0, {kToUtf8Record, failed("ml_GetModuleBaseName")}, 0,
         {kNullOutRecord, failed("ml_GetModuleBaseName")}},
        {"ml_GetComputerName", computer, computerName,
         L(computer), -(L(computer) + 1), {kToUtf8Record, failed("ml_GetComputerName")}, 77, {}},
        {"ml_GetComputerNameEx", host,
         hostName, L(host),
         -(L(host) + 1), {kToUtf8Record, failed("ml_GetComputerNameEx")}, 77, {}},
        {"ml_GetUserName", user, userName, L(user),
         -(L(user) + 1), {kToUtf8Record, failed("ml_GetUserName", " 2")}, 77, {}},
        {"ml_StrFormatByteSize", byteSize,
         [](char *b, DWORD s) {
             char *r = ml_StrFormatByteSize(1234567890, b, s);
             return r == NULL ? -1ll : r == b ? (long long)strlen(b) : -2ll;
         },
         L(byteSize), -1, {kToUtf8Record}, -1, {kNullOutRecord}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.member);
        ASSERT_GE(row.text.size(), 2u);
        {
            LogCapture log;
            GuardedBuffer fit(row.text.size() + 1);
            EXPECT_EQ(row.fit, row.call(fit.data(), DWORD(fit.size())));
            EXPECT_EQ(row.text + '\0', fit.bytes());
            EXPECT_TRUE(log.messages().empty());
        }
        std::vector<size_t> shortSizes = {row.text.size()};
        if (row.text.size() > 4)
            shortSizes.push_back(4);
        for (size_t size : shortSizes) {
            SCOPED_TRACE(size);
            LogCapture log;
            GuardedBuffer cut(size);
            EXPECT_EQ(row.cut, row.call(cut.data(), DWORD(size)));
            expectRecords(log, row.cutRecords);
        }
        {
            LogCapture log;
            EXPECT_EQ(row.none, row.call(NULL, 77));
            expectRecords(log, row.noneRecords);
        }
        {
            // A buffer of no bytes holds nothing, not even the zero.
            LogCapture log;
            GuardedBuffer empty(0);
            EXPECT_EQ(row.cut, row.call(empty.data(), 0));
        }
    }
    SetEnvironmentVariableW(widen(kVariable).c_str(), NULL);
}

// Results that do not fit the member's 2048-unit wide buffer are never
// converted: 0, the member's record and ERROR_INSUFFICIENT_BUFFER. 2047
// units and the zero still fit.
TEST(TextMembers, ResultsTooLongForTheWideBufferReturnZero)
{
    ASSERT_TRUE(haveConsole());
    TextWindow window(L"w");
    struct Row {
        const char *member;
        std::function<void(const std::wstring &)> set;
        std::function<long long(char *, DWORD)> call;
        std::string record;
        long long extra; // what a fitting result adds to the length
    };
    const std::vector<Row> rows = {
        {"ml_GetEnvironmentVariable", [](const std::wstring &v) { SetEnvironmentVariableW(L"ML_BIG", v.c_str()); },
         [](char *b, DWORD s) { return (long long)ml_GetEnvironmentVariable("ML_BIG", b, s); },
         failed("ml_GetEnvironmentVariable", " 2"), 0},
        {"ml_ExpandEnvironmentStrings", [](const std::wstring &v) { SetEnvironmentVariableW(L"ML_BIG", v.c_str()); },
         [](char *b, DWORD s) { return (long long)ml_ExpandEnvironmentStrings("%ML_BIG%", b, s); },
         failed("ml_ExpandEnvironmentStrings", " 2"), 1},
        {"ml_GetWindowText", [&](const std::wstring &v) { SetWindowTextW(window.handle(), v.c_str()); },
         [&](char *b, DWORD s) { return (long long)ml_GetWindowText(window.handle(), b, (int)s); },
         failed("ml_GetWindowText"), 0},
        {"ml_GetConsoleTitle", [](const std::wstring &v) { SetConsoleTitleW(v.c_str()); },
         [](char *b, DWORD s) { return (long long)ml_GetConsoleTitle(b, s); }, failed("ml_GetConsoleTitle"), 0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.member);
        for (size_t units : {2048, 3000}) {
            row.set(std::wstring(units, L'x'));
            LogCapture log;
            GuardedBuffer out(8192);
            SetLastError(kCallerError);
            EXPECT_EQ(0, row.call(out.data(), 8192));
            EXPECT_EQ(DWORD(ERROR_INSUFFICIENT_BUFFER), GetLastError());
            EXPECT_TRUE(out.untouched());
            expectRecords(log, {row.record});
        }
        row.set(std::wstring(2047, L'x'));
        LogCapture log;
        GuardedBuffer out(2048);
        EXPECT_EQ(2047 + row.extra, row.call(out.data(), 2048));
        EXPECT_EQ(std::string(2047, 'x') + '\0', out.bytes());
        EXPECT_TRUE(log.messages().empty());
    }
    SetEnvironmentVariableW(L"ML_BIG", NULL);
}

TEST(TextMembers, ConsoleTitleCountsItsZeroWhereWindowTextDoesNot)
{
    ASSERT_TRUE(haveConsole());
    ASSERT_TRUE(ml_SetConsoleTitle(kGreek));
    TextWindow window(L"");
    ASSERT_TRUE(ml_SetWindowText(window.handle(), kGreek));
    EXPECT_EQ(strlen(kGreek) + 1, ml_GetConsoleTitle(NULL, 0));
    EXPECT_EQ(int(strlen(kGreek)), ml_GetWindowText(window.handle(), NULL, 0));
    WCHAR title[64];
    GetConsoleTitleW(title, 64);
    EXPECT_EQ(widen(kGreek), title);
    char back[64];
    EXPECT_EQ(int(strlen(kGreek)), ml_GetWindowText(window.handle(), back, sizeof back));
    EXPECT_STREQ(kGreek, back);
}

TEST(Environment, SetsReadsAndDeletesVariablesInUtf8)
{
    LogCapture log;
    const std::string name = std::string("ML_") + kGreek;
    ASSERT_TRUE(ml_SetEnvironmentVariable(name.c_str(), kCjk));
    WCHAR wide[16];
    EXPECT_EQ(2u, GetEnvironmentVariableW(widen(name).c_str(), wide, 16));
    char out[64];
    EXPECT_EQ(strlen(kCjk), ml_GetEnvironmentVariable(name.c_str(), out, sizeof out));
    EXPECT_STREQ(kCjk, out);
    // A text without variables comes back with its length plus 1.
    EXPECT_EQ(strlen(kGreek) + 1, ml_ExpandEnvironmentStrings(kGreek, out, sizeof out));
    EXPECT_STREQ(kGreek, out);

    ASSERT_TRUE(ml_SetEnvironmentVariable(name.c_str(), NULL));
    SetLastError(kCallerError);
    EXPECT_EQ(0u, ml_GetEnvironmentVariable(name.c_str(), out, sizeof out));
    EXPECT_EQ(DWORD(ERROR_ENVVAR_NOT_FOUND), GetLastError());
    EXPECT_TRUE(log.messages().empty());
}

TEST(Version, FillsTheBasicRecordAndItsWideSize)
{
    OSVERSIONINFOW wide = {};
    wide.dwOSVersionInfoSize = sizeof wide;
    ASSERT_TRUE(GetVersionExW(&wide));
    for (DWORD announced : {DWORD(0), DWORD(sizeof(OSVERSIONINFOA)), DWORD(sizeof(OSVERSIONINFOEXA)), DWORD(999)}) {
        SCOPED_TRACE(announced);
        GuardedBuffer record(sizeof(OSVERSIONINFOA));
        OSVERSIONINFOA *info = reinterpret_cast<OSVERSIONINFOA *>(record.data());
        info->dwOSVersionInfoSize = announced;
        LogCapture log;
        EXPECT_TRUE(ml_GetVersionEx(info));
        EXPECT_EQ(276u, info->dwOSVersionInfoSize);
        EXPECT_EQ(wide.dwMajorVersion, info->dwMajorVersion);
        EXPECT_EQ(wide.dwMinorVersion, info->dwMinorVersion);
        EXPECT_EQ(wide.dwBuildNumber, info->dwBuildNumber);
        EXPECT_EQ(wide.dwPlatformId, info->dwPlatformId);
        EXPECT_EQ(narrow(wide.szCSDVersion), info->szCSDVersion);
        EXPECT_TRUE(log.messages().empty());
    }
}

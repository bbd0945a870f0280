// Paths, drives, DOS device names and temporary files that come back in
// UTF-8: sizes, size queries, results too long for the conversion buffer,
// and every caller's buffer at its exact size and one byte short.
#include <functional>

#include "GuardedBuffer.h"
#include "files/FilesTest.h"

using namespace general;
using namespace files;

namespace {

const char kNullOutRecord[] = "ml_ConvertMultiSzUTF16toUTF8 has failed to convert (input is NULL)at %d line, file: %s";

// Puts the current folder back when the scope ends.
class CurrentFolder {
public:
    CurrentFolder() { GetCurrentDirectoryW(MAX_PATH, m_saved); }
    ~CurrentFolder() { SetCurrentDirectoryW(m_saved); }
    std::string utf8() const { return narrow(m_saved); }

private:
    WCHAR m_saved[MAX_PATH];
};

// Folder names of 200 letters: a path of depth n passes 2048 units soon.
std::vector<std::wstring> longNames(size_t count, size_t lastLength = 200)
{
    std::vector<std::wstring> names(count, std::wstring(200, L'd'));
    names.back() = std::wstring(lastLength, L'e');
    return names;
}

} // namespace

TEST(Drives, ListComesWholeOrItsSizeWithTheFinalZero)
{
    WCHAR wide[512];
    const DWORD units = GetLogicalDriveStringsW(512, wide);
    ASSERT_GT(units, 0u);
    const std::string list = narrow(std::wstring(wide, units + 1)); // with the final zero
    const DWORD length = DWORD(list.size() - 1);
    LogCapture log;

    std::string out(512, 'Z');
    EXPECT_EQ(length, ml_GetLogicalDriveStrings(512, &out[0]));
    EXPECT_EQ(list, out.substr(0, list.size()));
    // Too small, or no buffer: more than the caller's size, after the records.
    char small[4];
    EXPECT_EQ(length + 1, ml_GetLogicalDriveStrings(sizeof small, small));
    EXPECT_EQ(length + 1, ml_GetLogicalDriveStrings(0, NULL));
    EXPECT_EQ(length + 1, ml_GetLogicalDriveStrings(512, NULL)); // a size query, not a capacity
    const char member[] = "ml_GetLogicalDriveStrings has failed to convert at %d line, file: %s";
    expectRecords(log, {kToUtf8Record, member, kNullOutRecord, member, kNullOutRecord, member});
}

TEST(DosDevices, TargetsInTheAutomaticAndTheHeapBufferKeepTheWideError)
{
    for (const char *device : {"C:", static_cast<const char *>(NULL)}) {
        SCOPED_TRACE(device ? device : "every device");
        static WCHAR wide[8192];
        SetLastError(kCallerError);
        const DWORD units = QueryDosDeviceW(device ? L"C:" : NULL, wide, 8192);
        const DWORD wideError = GetLastError();
        ASSERT_GT(units, 0u);
        const std::string list = narrow(std::wstring(wide, units)); // with all its zeros
        LogCapture log;
        for (DWORD size : {4096u, 4097u}) {
            GuardedBuffer out(size);
            SetLastError(kCallerError);
            EXPECT_EQ(list.size(), ml_QueryDosDevice(device, out.data(), size)) << size;
            EXPECT_EQ(wideError, GetLastError());
            EXPECT_EQ(list, out.bytes().substr(0, list.size()));
        }
        EXPECT_TRUE(log.messages().empty());

        // Too small, or no target (a size query): the bytes needed, after the
        // records, and still the wide function's last error.
        char small[8];
        SetLastError(kCallerError);
        EXPECT_EQ(list.size(), ml_QueryDosDevice(device, small, sizeof small));
        EXPECT_EQ(wideError, GetLastError());
        EXPECT_EQ(list.size(), ml_QueryDosDevice(device, NULL, 0));
        EXPECT_EQ(list.size(), ml_QueryDosDevice(device, NULL, 5000));
        const char member[] = "ml_QueryDosDevice has failed to convert 2 at %d line, file: %s";
        expectRecords(log, {kToUtf8Record, member, kNullOutRecord, member, kNullOutRecord, member});
    }

    // A device that does not exist: 0 and the platform's error, on both paths.
    const DWORD missing = lastErrorAfter([] {
        WCHAR w[16];
        QueryDosDeviceW(L"ml no such device", w, 16);
    });
    ASSERT_NE(kCallerError, missing);
    for (DWORD size : {4096u, 4097u}) {
        GuardedBuffer out(size);
        SetLastError(kCallerError);
        EXPECT_EQ(0u, ml_QueryDosDevice("ml no such device", out.data(), size));
        EXPECT_EQ(missing, GetLastError());
    }
}

TEST(DosDevices, SizeTooLargeForTheHeapBlockIsRefused)
{
    LogCapture log;
    GuardedBuffer out(16);
    for (DWORD size : {0x7FFFFFFFu, 0xFFFFFFFFu}) {
        SetLastError(kCallerError);
        EXPECT_EQ(0u, ml_QueryDosDevice("C:", out.data(), size));
        EXPECT_EQ(DWORD(ERROR_INVALID_PARAMETER), GetLastError());
    }
    EXPECT_TRUE(out.untouched());
    EXPECT_TRUE(log.messages().empty());
}

TEST(TempPath, SizeQueryWithoutABufferAndAFolderTooLong)
{
    WCHAR wide[MAX_PATH];
    const DWORD wideError = lastErrorAfter([&] { GetTempPathW(MAX_PATH, wide); });
    const std::string path = narrow(wide);
    LogCapture log;

    SetLastError(kCallerError);
    EXPECT_EQ(path.size() + 1, ml_GetTempPath(0, NULL));
    EXPECT_EQ(wideError, GetLastError());
    EXPECT_EQ(path.size() + 1, ml_GetTempPath(4096, NULL));
    // A buffer of no bytes holds not even the zero; it is neither written nor read.
    GuardedBuffer none(0);
    EXPECT_EQ(path.size() + 1, ml_GetTempPath(0, none.data()));
    std::string out(MAX_PATH, 'Z');
    SetLastError(kCallerError);
    EXPECT_EQ(path.size(), ml_GetTempPath(MAX_PATH, &out[0]));
    EXPECT_EQ(wideError, GetLastError());
    EXPECT_EQ(path, out.c_str());
    const char member[] = "ml_GetTempPath has failed to convert at %d line, file: %s";
    expectRecords(log, {kNullOutRecord, member, kNullOutRecord, member, member});

    // A temporary folder longer than the conversion buffer.
    WCHAR savedTmp[MAX_PATH];
    const DWORD hadTmp = GetEnvironmentVariableW(L"TMP", savedTmp, MAX_PATH);
    ASSERT_TRUE(SetEnvironmentVariableW(L"TMP", (L"C:\\" + std::wstring(2100, L'a')).c_str()));
    static WCHAR longWide[4096];
    SetLastError(kCallerError);
    const DWORD units = GetTempPathW(2048, longWide);
    const DWORD longError = GetLastError();
    LogCapture again;
    SetLastError(kCallerError);
    EXPECT_EQ(0u, ml_GetTempPath(MAX_PATH, &out[0]));
    if (units == 0) {
        // Wine refuses such a folder itself.
        EXPECT_EQ(longError, GetLastError());
        EXPECT_TRUE(again.messages().empty());
    } else {
        EXPECT_GT(units, 2048u);
        EXPECT_EQ(DWORD(ERROR_INSUFFICIENT_BUFFER), GetLastError());
        expectRecords(again, {member});
    }
    SetEnvironmentVariableW(L"TMP", hadTmp ? savedTmp : NULL);
}

TEST(ShortPath, SizeQueriesAndAShortFormTooLong)
{
    TempDir dir;
    const std::string file = dir.file(std::string(kGreek) + ".txt");
    writeFileBytes(file, "");
    WCHAR wide[2048];
    ASSERT_GT(GetShortPathNameW(widen(file).c_str(), wide, 2048), 0u);
    const std::string shortPath = narrow(wide);
    LogCapture log;

    // Without a buffer, whatever the size: the UTF-8 size with the zero.
    EXPECT_EQ(shortPath.size() + 1, ml_GetShortPathName(file.c_str(), NULL, 0));
    EXPECT_EQ(shortPath.size() + 1, ml_GetShortPathName(file.c_str(), NULL, 100));
    const char member[] = "ml_GetShortPathName has failed to convert 2 at %d line, file: %s";
    expectRecords(log, {kNullOutRecord, member, kNullOutRecord, member});

    // 230 one-letter Greek folders: every one gets an ASCII alias, and the
    // short form passes 2048 units.
    DeepFolder deep(dir.path(), std::vector<std::wstring>(230, L"\x0391"));
    ASSERT_TRUE(deep.complete(230));
    ASSERT_GT(GetShortPathNameW(deep.wide().c_str(), NULL, 0), 2048u);
    LogCapture again;
    char out[MAX_PATH];
    SetLastError(kCallerError);
    EXPECT_EQ(0u, ml_GetShortPathName(deep.utf8().c_str(), out, sizeof out));
    EXPECT_EQ(DWORD(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    EXPECT_EQ(0u, ml_GetShortPathName(deep.utf8().c_str(), NULL, 0));
    expectRecords(again, {member, member});
}

TEST(CurrentDirectory, SizeQueryWithoutABufferAndAFolderTooLong)
{
    CurrentFolder saved;
    const std::string cwd = saved.utf8();
    LogCapture log;
    EXPECT_EQ(cwd.size() + 1, ml_GetCurrentDirectory(0, NULL));
    EXPECT_EQ(cwd.size() + 1, ml_GetCurrentDirectory(4096, NULL)); // a size query, not a capacity
    const char member[] = "ml_GetCurrentDirectory has failed to convert at %d line, file: %s";
    expectRecords(log, {kNullOutRecord, member, kNullOutRecord, member});

    // Wine 8 breaks the process that asks for a current folder longer than
    // the buffer it gives (it dies at its end), so a child of its own asks.
    WCHAR self[MAX_PATH];
    GetModuleFileNameW(NULL, self, MAX_PATH);
    const std::wstring command = L"\"\"" + std::wstring(self) +
                                 L"\" --gtest_also_run_disabled_tests "
                                 L"--gtest_filter=CurrentDirectoryChild.DISABLED_FolderTooLong 2>&1\"";
    FILE *child = _wpopen(command.c_str(), L"r");
    ASSERT_NE(static_cast<FILE *>(NULL), child);
    std::string output;
    char chunk[512];
    while (fgets(chunk, sizeof chunk, child) != NULL)
        output += chunk;
    EXPECT_EQ(0, _pclose(child)) << output;
    // One record (no log is open in the child: the line on standard error),
    // 0 and the platform's code for a buffer too small.
    EXPECT_NE(std::string::npos, output.find("ml_Logger g_pFileLogger is NULL\nresult=0 error=122\n")) << output;
}

// Run only by the test above, in a process of its own, which ends without
// running its exit code: Wine would fail there.
TEST(CurrentDirectoryChild, DISABLED_FolderTooLong)
{
    WCHAR temp[MAX_PATH];
    const DWORD length = GetTempPathW(MAX_PATH, temp);
    std::vector<std::wstring> names = longNames(12);
    names.front() = L"mlcwd" + std::to_wstring(GetCurrentProcessId());
    DWORD result = 1, error = 0;
    {
        DeepFolder deep(narrow(std::wstring(temp, length - 1)), names);
        ASSERT_TRUE(deep.complete(12));
        CurrentFolder back;
        ASSERT_TRUE(SetCurrentDirectoryW(deep.wide().c_str()));
        char out[64];
        fflush(stdout);
        SetLastError(kCallerError);
        result = ml_GetCurrentDirectory(sizeof out, out);
        error = GetLastError();
    }
    printf("result=%lu error=%lu\n", result, error);
    fflush(stdout);
    TerminateProcess(GetCurrentProcess(), 0);
}

TEST(SearchAlongPath, FoundPathWithItsFilePartSizeQueryAndTooLong)
{
    TempDir dir;
    const std::string name = std::string(kGreek) + ".exe";
    const std::string full = dir.file(name);
    writeFileBytes(full, "");
    const DWORD units = DWORD(widen(full).size());
    LogCapture log;

    char out[MAX_PATH];
    char *part = NULL;
    EXPECT_EQ(units, ml_SearchPath(dir.path().c_str(), kGreek, ".exe", sizeof out, out, &part));
    EXPECT_EQ(full, out);
    EXPECT_EQ(out + full.size() - name.size(), part); // within the caller's UTF-8 text
    // Without a buffer: the units needed with the zero; nothing converted.
    part = NULL;
    EXPECT_EQ(units + 1, ml_SearchPath(dir.path().c_str(), kGreek, ".exe", 0, NULL, &part));
    EXPECT_EQ(units + 1, ml_SearchPath(dir.path().c_str(), kGreek, ".exe", 4096, NULL, &part));
    EXPECT_EQ(NULL, part);
    EXPECT_TRUE(log.messages().empty());

    const DWORD notFound = lastErrorAfter([&] {
        WCHAR w[MAX_PATH];
        SearchPathW(widen(dir.path()).c_str(), L"absent", NULL, MAX_PATH, w, NULL);
    });
    SetLastError(kCallerError);
    EXPECT_EQ(0u, ml_SearchPath(dir.path().c_str(), "absent", NULL, sizeof out, out, &part));
    EXPECT_EQ(notFound, GetLastError());

    // A folder of 2040 units converts; the file found in it does not fit.
    const size_t base = 4 + widen(dir.path()).size() + 1;
    DeepFolder deep(dir.path(), longNames(10, 2040 - base - 9 * 201));
    ASSERT_TRUE(deep.complete(10));
    ASSERT_EQ(2040u, deep.wide().size());
    const std::wstring deepFile = deep.wide() + L"\\file.txt";
    CloseHandle(CreateFileW(deepFile.c_str(), GENERIC_WRITE, 0, NULL, CREATE_NEW, 0, NULL));
    SetLastError(kCallerError);
    EXPECT_EQ(0u, ml_SearchPath(deep.utf8().c_str(), "file.txt", NULL, sizeof out, out, NULL));
    EXPECT_EQ(DWORD(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    EXPECT_EQ(DWORD(deep.wide().size() + 10), ml_SearchPath(deep.utf8().c_str(), "file.txt", NULL, 0, NULL, NULL));
    DeleteFileW(deepFile.c_str());
    expectRecords(log, {"ml_SearchPath has failed to convert 2 at %d line, file: %s"});
}

TEST(TempFileName, NamesInANonAsciiFolder)
{
    TempDir dir;
    const std::string folder = dir.file(kGreek);
    ASSERT_EQ(TRUE, ml_CreateDirectory(folder.c_str(), NULL));
    LogCapture log;
    GuardedBuffer name(MAX_PATH); // the 260 bytes the member writes into
    const UINT unique = ml_GetTempFileName(folder.c_str(), "ml", 0, name.data());
    EXPECT_NE(0u, unique);
    EXPECT_EQ(0u, name.text().find(folder + "\\ml"));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(widen(name.text()).c_str())); // made
    EXPECT_EQ(0x1Au, ml_GetTempFileName(folder.c_str(), "ml", 0x1A, name.data()));
    EXPECT_EQ(0, _stricmp((folder + "\\ml1A.tmp").c_str(), name.text().c_str())) << name.text();
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(widen(name.text()).c_str())); // only named

    // No name buffer: passed on as NULL, nothing converted.
    UINT wideResult = 0;
    const DWORD wideError = lastErrorAfter([&] {
        wideResult = GetTempFileNameW(widen(folder).c_str(), L"ml", 0x1B, NULL);
    });
    SetLastError(kCallerError);
    EXPECT_EQ(wideResult, ml_GetTempFileName(folder.c_str(), "ml", 0x1B, NULL));
    EXPECT_EQ(wideError, GetLastError());
    EXPECT_TRUE(log.messages().empty());
}

// Every buffer that a member of the family writes text into, at the exact
// size of its result and one byte short.
TEST(PathBuffers, ExactFitAndOneByteShort)
{
    TempDir dir;
    const std::string folder = dir.file(kGreek);
    ASSERT_EQ(TRUE, ml_CreateDirectory(folder.c_str(), NULL));
    const std::string file = folder + "\\" + kCjk + ".exe";
    writeFileBytes(file, "");
    CurrentFolder saved;
    ASSERT_TRUE(SetCurrentDirectoryW(widen(folder).c_str()));

    WCHAR w[4096];
    const DWORD driveUnits = GetLogicalDriveStringsW(4096, w);
    const std::string drives = narrow(std::wstring(w, driveUnits + 1));
    const std::string dosDevice = narrow(std::wstring(w, QueryDosDeviceW(L"C:", w, 4096)));
    GetTempPathW(4096, w);
    const std::string temp = narrow(w) + std::string(1, '\0');
    GetShortPathNameW(widen(file).c_str(), w, 4096);
    const std::string shortFile = narrow(w) + std::string(1, '\0');
    const std::string cwd = folder + std::string(1, '\0');
    const std::string found = file + std::string(1, '\0');
    const DWORD foundUnits = DWORD(widen(file).size());

    struct Case {
        const char *member;
        std::string text; // the result with its zeros
        std::function<DWORD(char *, DWORD)> call;
        DWORD atExact, oneShort;
    };
    const std::vector<Case> cases = {
        {"ml_GetLogicalDriveStrings", drives, [](char *b, DWORD n) { return ml_GetLogicalDriveStrings(n, b); },
         DWORD(drives.size() - 1), DWORD(drives.size())},
        {"ml_QueryDosDevice", dosDevice, [](char *b, DWORD n) { return ml_QueryDosDevice("C:", b, n); },
         DWORD(dosDevice.size()), DWORD(dosDevice.size())},
        {"ml_GetTempPath", temp, [](char *b, DWORD n) { return ml_GetTempPath(n, b); }, DWORD(temp.size() - 1),
         DWORD(temp.size())},
        {"ml_GetShortPathName", shortFile,
         [&](char *b, DWORD n) { return ml_GetShortPathName(file.c_str(), b, n); }, DWORD(shortFile.size() - 1),
         DWORD(shortFile.size())},
        {"ml_GetCurrentDirectory", cwd, [](char *b, DWORD n) { return ml_GetCurrentDirectory(n, b); },
         DWORD(cwd.size() - 1), DWORD(cwd.size())},
        {"ml_SearchPath", found,
         [&](char *b, DWORD n) { return ml_SearchPath(folder.c_str(), kCjk, ".exe", n, b, NULL); }, foundUnits, 0},
    };
    LogCapture log;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.member);
        GuardedBuffer exact(c.text.size());
        EXPECT_EQ(c.atExact, c.call(exact.data(), DWORD(c.text.size())));
        EXPECT_EQ(c.text, exact.bytes());
        GuardedBuffer shorter(c.text.size() - 1);
        EXPECT_EQ(c.oneShort, c.call(shorter.data(), DWORD(c.text.size() - 1)));
    }
    // Each one-byte-short call wrote the conversion's record and the member's.
    EXPECT_EQ(2 * cases.size(), log.messages().size());
}

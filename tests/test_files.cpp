// Files and folders with UTF-8 names: searches, moving, copying, deleting,
// attributes, handles, and names that do not convert.
#include <functional>
#include <set>

#include "GuardedBuffer.h"
#include "files/FilesTest.h"

using namespace general;
using namespace files;

namespace {

const char kFindRecord[] = "ml_ConvertWIN32FindData16to8 has failed to convert at %d line, file: %s";

std::string findName(const WIN32_FIND_DATAA &found) { return found.cFileName; }

} // namespace

// ---- Searching ---------------------------------------------------------------

class Find : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeFileBytes(dir.file(std::string(kGreek) + ".txt"), "abc");
        writeFileBytes(dir.file(std::string(kCjk) + ".log"), "12345");
        writeFileBytes(dir.file("plain"), "");
    }
    TempDir dir;
    std::string pattern = dir.path() + "\\*";
};

TEST_F(Find, ListsNonAsciiNamesOneByOne)
{
    LogCapture log;
    // The record ends where a page with no access begins.
    GuardedBuffer record(sizeof(WIN32_FIND_DATAA));
    WIN32_FIND_DATAA &found = *reinterpret_cast<WIN32_FIND_DATAA *>(record.data());
    HANDLE search = ml_FindFirstFile(pattern.c_str(), &found);
    ASSERT_NE(INVALID_HANDLE_VALUE, search);
    std::set<std::string> names;
    do {
        names.insert(findName(found));
        if (findName(found) == std::string(kCjk) + ".log") {
            EXPECT_EQ(5u, found.nFileSizeLow);
            EXPECT_EQ(0u, found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
        }
    } while (ml_FindNextFile(search, &found));
    EXPECT_EQ(DWORD(ERROR_NO_MORE_FILES), GetLastError());
    EXPECT_EQ(TRUE, ml_FindClose(search));
    EXPECT_EQ((std::set<std::string>{".", "..", std::string(kGreek) + ".txt", std::string(kCjk) + ".log", "plain"}),
              names);

    // A non-ASCII pattern matches in UTF-16.
    search = ml_FindFirstFile((dir.path() + "\\" + std::string(kGreek, 4) + "*").c_str(), &found);
    ASSERT_NE(INVALID_HANDLE_VALUE, search);
    EXPECT_EQ(std::string(kGreek) + ".txt", findName(found));
    EXPECT_EQ(FALSE, ml_FindNextFile(search, &found));
    ml_FindClose(search);
    EXPECT_TRUE(log.messages().empty());

    // No match: the platform's answer, no record.
    SetLastError(kCallerError);
    const DWORD noMatch = lastErrorAfter([&] {
        WIN32_FIND_DATAW w;
        FindFirstFileW(widen(dir.path() + "\\none*").c_str(), &w);
    });
    SetLastError(kCallerError);
    EXPECT_EQ(INVALID_HANDLE_VALUE, ml_FindFirstFile((dir.path() + "\\none*").c_str(), &found));
    EXPECT_EQ(noMatch, GetLastError());
    EXPECT_TRUE(log.messages().empty());
}

TEST_F(Find, NullFindDataDeliversNothingAndTheNextCallTheSecondMatch)
{
    WIN32_FIND_DATAW wide;
    HANDLE probe = FindFirstFileW(widen(pattern).c_str(), &wide);
    ASSERT_NE(INVALID_HANDLE_VALUE, probe);
    ASSERT_TRUE(FindNextFileW(probe, &wide));
    const std::string second = narrow(wide.cFileName);
    FindClose(probe);

    HANDLE search = ml_FindFirstFile(pattern.c_str(), NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, search);
    EXPECT_EQ(TRUE, ml_FindNextFile(search, NULL)); // the second match, not delivered either
    WIN32_FIND_DATAA found;
    EXPECT_EQ(TRUE, ml_FindNextFile(search, &found));
    EXPECT_NE(second, findName(found));
    ml_FindClose(search);

    search = ml_FindFirstFile(pattern.c_str(), NULL);
    EXPECT_EQ(TRUE, ml_FindNextFile(search, &found));
    EXPECT_EQ(second, findName(found));
    ml_FindClose(search);
}

// The runtime family's long found names, met through the Win32 search.
class LongFoundNames : public LongNames {};

TEST_F(LongFoundNames, FirstMatchThatDoesNotFitIsRefusedAndItsSearchClosed)
{
    const std::string pattern = root + "\\first\\x*";
    WIN32_FIND_DATAW wide;
    SetLastError(kCallerError);
    HANDLE probe = FindFirstFileW(widen(pattern).c_str(), &wide);
    const DWORD searchError = GetLastError();
    ASSERT_NE(INVALID_HANDLE_VALUE, probe);
    ASSERT_GT(ml_GetUTF16toUTF8Size(wide.cFileName), 260u);
    FindClose(probe);

    LogCapture log;
    WIN32_FIND_DATAA found;
    SetLastError(kCallerError);
    EXPECT_EQ(INVALID_HANDLE_VALUE, ml_FindFirstFile(pattern.c_str(), &found));
    EXPECT_EQ(searchError, GetLastError());
    expectRecords(log, {kToUtf8Record, kFindRecord, "ml_FindFirstFile has failed to convert 2 at %d line, file: %s"});
    // The member's search is closed: the next search gets the probe's handle.
    HANDLE again = FindFirstFileW(widen(root + "\\*").c_str(), &wide);
    EXPECT_EQ(probe, again);
    FindClose(again);
}

TEST_F(LongFoundNames, LaterMatchThatDoesNotFitIsSkippedAndTheSearchGoesOn)
{
    LogCapture log;
    WIN32_FIND_DATAA found;
    HANDLE search = ml_FindFirstFile((root + "\\next\\*").c_str(), &found);
    ASSERT_NE(INVALID_HANDLE_VALUE, search);
    std::set<std::string> names{findName(found)};
    int refused = 0;
    DWORD end = 0;
    for (int i = 0; i < 10; ++i) {
        const size_t before = log.messages().size();
        const BOOL next = ml_FindNextFile(search, &found);
        end = GetLastError();
        if (next)
            names.insert(findName(found));
        else if (log.messages().size() > before)
            ++refused;
        else
            break;
    }
    EXPECT_EQ(DWORD(ERROR_NO_MORE_FILES), end);
    EXPECT_EQ(TRUE, ml_FindClose(search));
    EXPECT_EQ(1, refused);
    EXPECT_EQ(1u, names.count(".."));
    const std::vector<std::string> m = log.messages();
    ASSERT_EQ(3u, m.size());
    EXPECT_TRUE(recordMatches(m[2], "ml_FindNextFile has failed to convert at %d line, file: %s"));
}

// ---- Files, folders and their handles ------------------------------------------

TEST(Files, CreateWriteReadMoveCopyAndDeleteANonAsciiFile)
{
    TempDir dir;
    const std::string path = dir.file(std::string(kGreek) + ".dat");
    const std::string copy = dir.file(std::string(kCjk) + ".dat");
    const std::string moved = dir.file(std::string(kCjk) + "2.dat");
    LogCapture log;

    HANDLE file = ml_CreateFile(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, NULL, CREATE_NEW, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    DWORD done = 0;
    EXPECT_EQ(TRUE, ml_WriteFile(file, "hello", 5, &done, NULL));
    EXPECT_EQ(5u, done);
    EXPECT_EQ(TRUE, ml_FlushFileBuffers(file));
    EXPECT_EQ(5u, ml_GetFileSize(file, NULL));
    EXPECT_EQ(DWORD(FILE_TYPE_DISK), ml_GetFileType(file));
    EXPECT_EQ(0u, ml_SetFilePointer(file, 0, NULL, FILE_BEGIN));
    GuardedBuffer read(5);
    EXPECT_EQ(TRUE, ml_ReadFile(file, read.data(), 5, &done, NULL));
    EXPECT_EQ("hello", read.bytes());
    EXPECT_EQ(TRUE, ml_LockFile(file, 0, 0, 5, 0));
    EXPECT_EQ(TRUE, ml_UnlockFile(file, 0, 0, 5, 0));
    EXPECT_EQ(2u, ml_SetFilePointer(file, 2, NULL, FILE_BEGIN));
    EXPECT_EQ(TRUE, ml_SetEndOfFile(file));
    BY_HANDLE_FILE_INFORMATION info;
    EXPECT_EQ(TRUE, ml_GetFileInformationByHandle(file, &info));
    EXPECT_EQ(2u, info.nFileSizeLow);
    CloseHandle(file);
    EXPECT_EQ("he", readFileBytes(path));
    // Held by the wide name: the same file.
    EXPECT_EQ(INVALID_HANDLE_VALUE, ml_CreateFile(path.c_str(), GENERIC_READ, 0, NULL, CREATE_NEW, 0, NULL));
    EXPECT_EQ(DWORD(ERROR_FILE_EXISTS), GetLastError());

    EXPECT_EQ(TRUE, ml_CopyFile(path.c_str(), copy.c_str(), TRUE));
    EXPECT_EQ(FALSE, ml_CopyFile(path.c_str(), copy.c_str(), TRUE));
    EXPECT_EQ(DWORD(ERROR_FILE_EXISTS), GetLastError());
    EXPECT_EQ(TRUE, ml_MoveFile(copy.c_str(), moved.c_str()));
    EXPECT_EQ(FALSE, ml_MoveFile(copy.c_str(), moved.c_str()));
    EXPECT_EQ(DWORD(ERROR_FILE_NOT_FOUND), GetLastError());
    EXPECT_EQ(FALSE, ml_MoveFileEx(moved.c_str(), path.c_str(), 0));
    EXPECT_EQ(TRUE, ml_MoveFileEx(moved.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(widen(moved).c_str()));

    EXPECT_EQ(TRUE, ml_SetFileAttributes(path.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
    EXPECT_EQ(DWORD(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN),
              ml_GetFileAttributes(path.c_str()) & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
    EXPECT_EQ(TRUE, ml_SetFileAttributes(path.c_str(), FILE_ATTRIBUTE_NORMAL));
    EXPECT_EQ(TRUE, ml_DeleteFile(path.c_str()));
    SetLastError(kCallerError);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ml_GetFileAttributes(path.c_str()));
    EXPECT_EQ(DWORD(ERROR_FILE_NOT_FOUND), GetLastError());
    EXPECT_EQ(FALSE, ml_DeleteFile(path.c_str()));

    const std::string folder = dir.file(kCjk);
    EXPECT_EQ(TRUE, ml_CreateDirectory(folder.c_str(), NULL));
    EXPECT_EQ(DWORD(FILE_ATTRIBUTE_DIRECTORY), ml_GetFileAttributes(folder.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(TRUE, ml_RemoveDirectory(folder.c_str()));
    EXPECT_EQ(FALSE, ml_RemoveDirectory(folder.c_str()));
    EXPECT_TRUE(log.messages().empty());
}

TEST(Files, VolumesDrivesSecurityAndBinaryTypes)
{
    TempDir dir;
    const std::string folder = dir.file(kGreek);
    ASSERT_EQ(TRUE, ml_CreateDirectory(folder.c_str(), NULL));
    LogCapture log;

    DWORD sectors = 0, bytes = 0, freeClusters = 0, clusters = 0;
    EXPECT_EQ(TRUE, ml_GetDiskFreeSpace(NULL, &sectors, &bytes, &freeClusters, &clusters));
    EXPECT_GT(bytes, 0u);
    ULARGE_INTEGER available, total, totalFree;
    EXPECT_EQ(TRUE, ml_GetDiskFreeSpaceEx((folder + "\\").c_str(), &available, &total, &totalFree));
    EXPECT_GT(total.QuadPart, 0u);
    EXPECT_EQ(GetDriveTypeW(NULL), ml_GetDriveType(NULL));
    EXPECT_EQ(UINT(DRIVE_FIXED), ml_GetDriveType("C:\\"));
    EXPECT_EQ(GetLogicalDrives(), ml_GetLogicalDrives());

    // Asked for its size, the platform answers that the buffer is too small.
    DWORD needed = 0;
    SetLastError(kCallerError);
    EXPECT_EQ(FALSE, ml_GetFileSecurity(folder.c_str(), OWNER_SECURITY_INFORMATION, NULL, 0, &needed));
    const DWORD securityError = GetLastError();
    EXPECT_TRUE(securityError == ERROR_INSUFFICIENT_BUFFER || needed == 0) << securityError;

    DWORD type = 99;
    WCHAR self[MAX_PATH];
    GetModuleFileNameW(NULL, self, MAX_PATH);
    EXPECT_EQ(TRUE, ml_GetBinaryType(narrow(self).c_str(), &type));
    EXPECT_EQ(sizeof(void *) == 8 ? DWORD(SCS_64BIT_BINARY) : DWORD(SCS_32BIT_BINARY), type);

    // Where the runtime's file functions read their names from.
    EXPECT_EQ(TRUE, ml_AreFileApisANSI());
    ml_SetFileApisToOEM();
    EXPECT_EQ(FALSE, ml_AreFileApisANSI());
    ml_SetFileApisToANSI();
    EXPECT_EQ(TRUE, ml_AreFileApisANSI());
    EXPECT_TRUE(log.messages().empty());
}

TEST(Files, CurrentFolderWithANonAsciiName)
{
    TempDir dir;
    const std::string folder = dir.file(kGreek);
    ASSERT_EQ(TRUE, ml_CreateDirectory(folder.c_str(), NULL));
    WCHAR saved[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, saved);
    EXPECT_EQ(TRUE, ml_SetCurrentDirectory(folder.c_str()));
    char out[MAX_PATH];
    EXPECT_EQ(folder.size(), ml_GetCurrentDirectory(sizeof out, out));
    EXPECT_EQ(folder, out);
    SetCurrentDirectoryW(saved);
    SetLastError(kCallerError);
    const DWORD nullError = lastErrorAfter([] { SetCurrentDirectoryW(NULL); });
    SetLastError(kCallerError);
    EXPECT_EQ(FALSE, ml_SetCurrentDirectory(NULL)); // passed on: the platform refuses it
    EXPECT_EQ(nullError, GetLastError());
}

// A path longer than MAX_PATH, with the \\?\ prefix: the 2048-unit buffers
// take it.
TEST(Files, PathOfAboutSixHundredUnitsIsCreatedFoundAndRemoved)
{
    TempDir dir;
    std::string name;
    for (int i = 0; i < 120; ++i)
        name += "\xCE\xB1"; // α: 120 units, 240 bytes on disk
    std::string path = "\\\\?\\" + dir.path();
    std::vector<std::string> made;
    LogCapture log;
    for (int i = 0; i < 5; ++i) {
        path += "\\" + name;
        ASSERT_EQ(TRUE, ml_CreateDirectory(path.c_str(), NULL)) << GetLastError();
        made.push_back(path);
    }
    const std::string file = path + "\\" + kCjk + ".txt";
    EXPECT_GE(widen(file).size(), 600u);
    HANDLE h = ml_CreateFile(file.c_str(), GENERIC_WRITE, 0, NULL, CREATE_NEW, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, h);
    CloseHandle(h);

    WIN32_FIND_DATAA found;
    HANDLE search = ml_FindFirstFile((path + "\\*.txt").c_str(), &found);
    ASSERT_NE(INVALID_HANDLE_VALUE, search);
    EXPECT_EQ(std::string(kCjk) + ".txt", findName(found));
    ml_FindClose(search);
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, ml_GetFileAttributes(file.c_str()));
    EXPECT_EQ(TRUE, ml_DeleteFile(file.c_str()));
    for (size_t i = made.size(); i-- > 0;)
        EXPECT_EQ(TRUE, ml_RemoveDirectory(made[i].c_str()));
    EXPECT_TRUE(log.messages().empty());
}

// ---- Names that do not convert --------------------------------------------------

// Every converting member with a name that is too long or not UTF-8, and the
// members whose name is required with NULL: the failure value, the
// conversion's record and the member's, and the conversion's last error (the
// caller's own for NULL).
TEST(FileInputs, NamesThatDoNotConvertReturnTheFailureValue)
{
    TempDir dir;
    const std::string ok = dir.file("ok");
    struct Case {
        const char *record;
        bool required; // NULL fails too
        long long failure;
        std::function<long long(const char *)> call;
    };
    char out[MAX_PATH];
    DWORD d = 0;
    ULARGE_INTEGER u;
    WIN32_FIND_DATAA found;
    const long long invalid = reinterpret_cast<intptr_t>(INVALID_HANDLE_VALUE);
    const std::vector<Case> cases = {
        {"ml_SearchPath has failed to convert 1", false, 0,
         [&](const char *n) { return (long long)ml_SearchPath(NULL, n, NULL, sizeof out, out, NULL); }},
        {"ml_GetFileSecurity has failed to convert 1", false, FALSE,
         [&](const char *n) { return (long long)ml_GetFileSecurity(n, OWNER_SECURITY_INFORMATION, NULL, 0, &d); }},
        {"ml_MoveFile has failed to convert", true, FALSE,
         [&](const char *n) { return (long long)ml_MoveFile(ok.c_str(), n); }},
        {"ml_MoveFileEx has failed to convert", true, FALSE,
         [&](const char *n) { return (long long)ml_MoveFileEx(ok.c_str(), n, MOVEFILE_DELAY_UNTIL_REBOOT); }},
        {"ml_CopyFile has failed to convert", true, FALSE,
         [&](const char *n) { return (long long)ml_CopyFile(n, ok.c_str(), FALSE); }},
        {"ml_RemoveDirectory has failed to convert", true, FALSE,
         [&](const char *n) { return (long long)ml_RemoveDirectory(n); }},
        {"ml_SetCurrentDirectory has failed to convert", false, FALSE,
         [&](const char *n) { return (long long)ml_SetCurrentDirectory(n); }},
        {"ml_SetFileAttributes has failed to convert", true, FALSE,
         [&](const char *n) { return (long long)ml_SetFileAttributes(n, 0); }},
        {"ml_SetVolumeLabel has failed to convert", false, FALSE,
         [&](const char *n) { return (long long)ml_SetVolumeLabel("C:\\", n); }},
        {"ml_CreateFile has failed to convert", true, invalid,
         [&](const char *n) {
             return (long long)reinterpret_cast<intptr_t>(
                 ml_CreateFile(n, GENERIC_READ, 0, NULL, CREATE_ALWAYS, 0, NULL));
         }},
        {"ml_DefineDosDevice has failed to convert", false, FALSE,
         [&](const char *n) { return (long long)ml_DefineDosDevice(0, n, "C:\\"); }},
        {"ml_DeleteFile has failed to convert", true, FALSE,
         [&](const char *n) { return (long long)ml_DeleteFile(n); }},
        {"ml_FindFirstFile has failed to convert 1", true, invalid,
         [&](const char *n) { return (long long)reinterpret_cast<intptr_t>(ml_FindFirstFile(n, &found)); }},
        {"ml_GetBinaryType has failed to convert", true, FALSE,
         [&](const char *n) { return (long long)ml_GetBinaryType(n, &d); }},
        {"ml_GetDiskFreeSpace has failed to convert", false, FALSE,
         [&](const char *n) { return (long long)ml_GetDiskFreeSpace(n, &d, &d, &d, &d); }},
        {"ml_GetDriveType has failed to convert", false, DRIVE_UNKNOWN,
         [&](const char *n) { return (long long)ml_GetDriveType(n); }},
        {"ml_GetFileAttributes has failed to convert", true, INVALID_FILE_ATTRIBUTES,
         [&](const char *n) { return (long long)ml_GetFileAttributes(n); }},
        {"ml_GetShortPathName has failed to convert 1", false, 0,
         [&](const char *n) { return (long long)ml_GetShortPathName(n, out, sizeof out); }},
        {"ml_GetTempFileName has failed to convert 1", false, 0,
         [&](const char *n) { return (long long)ml_GetTempFileName(dir.path().c_str(), n, 0, out); }},
        {"ml_QueryDosDevice has failed to convert 1", false, 0,
         [&](const char *n) { return (long long)ml_QueryDosDevice(n, out, sizeof out); }},
        {"ml_GetDiskFreeSpaceEx has failed to convert", false, FALSE,
         [&](const char *n) { return (long long)ml_GetDiskFreeSpaceEx(n, &u, &u, &u); }},
        {"ml_CreateDirectory has failed to convert", true, FALSE,
         [&](const char *n) { return (long long)ml_CreateDirectory(n, NULL); }},
    };
    const std::string longName = tooLong(), notUtf8 = dir.file("bad-\xFF");
    const struct {
        const char *name;
        DWORD error;
        const char *record;
    } kinds[] = {{longName.c_str(), ERROR_INSUFFICIENT_BUFFER, kTooLongRecord},
                 {NULL, kCallerError, kNullRecord},
                 {notUtf8.c_str(), ERROR_NO_UNICODE_TRANSLATION, kNotUtf8Record}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.record);
        for (const auto &kind : kinds) {
            if (kind.name == NULL && !c.required)
                continue;
            LogCapture log;
            SetLastError(kCallerError);
            EXPECT_EQ(c.failure, c.call(kind.name));
            EXPECT_EQ(kind.error, GetLastError());
            expectRecords(log, {kind.record, std::string(c.record) + " at %d line, file: %s"});
        }
    }
    // Nothing was made or moved on the way, under any name.
    WIN32_FIND_DATAW w;
    HANDLE all = FindFirstFileW(widen(dir.path() + "\\*").c_str(), &w);
    int entries = 1;
    while (FindNextFileW(all, &w))
        ++entries;
    FindClose(all);
    EXPECT_EQ(2, entries);
}

TEST(FileInputs, CombinedCheckConvertsEveryNameBeforeItFails)
{
    LogCapture log;
    SetLastError(kCallerError);
    EXPECT_EQ(FALSE, ml_MoveFile(NULL, tooLong().c_str()));
    EXPECT_EQ(DWORD(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    char out[MAX_PATH];
    EXPECT_EQ(0u, ml_SearchPath(tooLong().c_str(), "x", tooLong().c_str(), sizeof out, out, NULL));
    expectRecords(log, {kNullRecord, kTooLongRecord, "ml_MoveFile has failed to convert at %d line, file: %s",
                        kTooLongRecord, kTooLongRecord, "ml_SearchPath has failed to convert 1 at %d line, file: %s"});
}

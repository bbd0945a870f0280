// Files, folders, searches and paths of the runtime family, with UTF-8 names.
#include <errno.h>
#include <fcntl.h>
#include <io.h>
#include <malloc.h>
#include <share.h>
#include <string.h>
#include <sys/stat.h>

#include <algorithm>
#include <set>

#include "general/GeneralTest.h"

using namespace general;

namespace {

// A record followed by guard bytes, all filled with 0xA5, to show that a
// member writes the record's own bytes and none past it.
template <class T> struct Guarded {
    T record;
    unsigned char guard[16];
    Guarded() { memset(static_cast<void *>(this), 0xA5, sizeof *this); }
    bool intact() const
    {
        return std::all_of(guard, guard + sizeof guard, [](unsigned char c) { return c == 0xA5; });
    }
};
using GuardedFind = Guarded<ml_finddata_t>;

// The bytes in use on the runtime's heap.
size_t heapInUse()
{
    size_t used = 0;
    _HEAPINFO info;
    info._pentry = NULL;
    while (_heapwalk(&info) == _HEAPOK)
        if (info._useflag == _USEDENTRY)
            used += info._size;
    return used;
}

// Runs the test body in another current folder and goes back afterwards.
class InFolder {
public:
    explicit InFolder(const std::string &utf8) : m_saved(_wgetcwd(NULL, 0)) { _wchdir(widen(utf8).c_str()); }
    ~InFolder()
    {
        _wchdir(m_saved);
        free(m_saved);
    }

private:
    wchar_t *m_saved;
};

} // namespace

// ---- Searching ---------------------------------------------------------------

TEST(Find, ListsNonAsciiNamesWithTheRuntimesRecordLayout)
{
    TempDir dir;
    writeFileBytes(dir.file(std::string(kGreek) + ".txt"), "abc");
    writeFileBytes(dir.file(std::string(kCjk) + ".log"), "12345");
    writeFileBytes(dir.file("plain"), "");
    const ml_time_t now = timeNow();
    LogCapture log;

    GuardedFind found;
    const intptr_t h = ml_findfirst((dir.path() + "\\*").c_str(), &found.record);
    ASSERT_NE(-1, h);
    std::set<std::string> names;
    do {
        names.insert(found.record.name);
        if (std::string(found.record.name) == std::string(kCjk) + ".log") {
            EXPECT_EQ(5u, found.record.size);
            EXPECT_LE(std::abs(static_cast<long>(found.record.time_write - now)), 86400L);
            EXPECT_EQ(0u, found.record.attrib & _A_SUBDIR);
        }
    } while (ml_findnext(h, &found.record) == 0);
    EXPECT_EQ(DWORD(ERROR_NO_MORE_FILES), GetLastError());
    EXPECT_EQ(0, ml_findclose(h));
    EXPECT_TRUE(found.intact());
    EXPECT_EQ((std::set<std::string>{".", "..", std::string(kGreek) + ".txt", std::string(kCjk) + ".log", "plain"}),
              names);

    // A non-ASCII pattern matches in UTF-16.
    const intptr_t g = ml_findfirst((dir.path() + "\\" + std::string(kGreek, 4) + "*").c_str(), &found.record);
    ASSERT_NE(-1, g);
    EXPECT_EQ(std::string(kGreek) + ".txt", found.record.name);
    EXPECT_EQ(3u, found.record.size);
    EXPECT_EQ(-1, ml_findnext(g, &found.record));
    ml_findclose(g);
    EXPECT_TRUE(log.messages().empty());
}

TEST(Find, NoMatchLeavesTheSearchsLastErrorWithoutARecord)
{
    TempDir dir;
    const std::string pattern = dir.path() + "\\nothing*";
    ml_wfinddata_t wide;
    SetLastError(kCallerError);
    EXPECT_EQ(-1, wideFindFirst(widen(pattern).c_str(), &wide));
    const DWORD expected = GetLastError();
    EXPECT_NE(kCallerError, expected);

    LogCapture log;
    ml_finddata_t found;
    SetLastError(kCallerError);
    EXPECT_EQ(-1, ml_findfirst(pattern.c_str(), &found));
    EXPECT_EQ(expected, GetLastError());
    EXPECT_EQ(ENOENT, errno);
    EXPECT_TRUE(log.messages().empty());

    SetLastError(kCallerError);
    EXPECT_EQ(-1, ml_findfirst(tooLong().c_str(), &found));
    EXPECT_EQ(DWORD(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    expectRecords(log, {kTooLongRecord, "ml_findfirst has failed to convert 1 at %d line, file: %s"});
}

TEST_F(LongNames, FirstMatchThatDoesNotFitIsRefusedAndItsSearchClosed)
{
    const std::string pattern = root + "\\first\\x*";
    const std::wstring wPattern = widen(pattern);
    ml_wfinddata_t wide;
    SetLastError(kCallerError);
    const intptr_t probe = wideFindFirst(wPattern.c_str(), &wide);
    const DWORD searchError = GetLastError();
    ASSERT_NE(-1, probe);
    ASSERT_GT(ml_GetUTF16toUTF8Size(wide.name), 260u);
    _findclose(probe);

    LogCapture log;
    GuardedFind found;
    SetLastError(kCallerError);
    EXPECT_EQ(-1, ml_findfirst(pattern.c_str(), &found.record));
    EXPECT_EQ(searchError, GetLastError());
    EXPECT_TRUE(found.intact());
    expectRecords(log, {kToUtf8Record, "ml_ConvertFindData16to8 has failed to convert at %d line, file: %s",
                        "ml_findfirst has failed to convert 2 at %d line, file: %s"});

    // The member's search is closed: the next search gets the same handle
    // that the probe had.
    const intptr_t again = wideFindFirst(widen(root + "\\*").c_str(), &wide);
    EXPECT_EQ(probe, again);
    EXPECT_EQ(0, _findclose(again));
}

TEST_F(LongNames, MatchThatDoesNotFitIsSkippedAndTheSearchGoesOn)
{
    const std::string folder = root + "\\next";
    writeFileBytes(folder + "\\y1", "");
    writeFileBytes(folder + "\\y2", "");
    LogCapture log;
    ml_finddata_t found;
    const intptr_t h = ml_findfirst((folder + "\\*").c_str(), &found);
    ASSERT_NE(-1, h);
    std::set<std::string> names{found.name};
    int refused = 0;
    for (int i = 0; i < 10; ++i) {
        const size_t before = log.messages().size();
        if (ml_findnext(h, &found) == 0)
            names.insert(found.name);
        else if (log.messages().size() > before)
            ++refused;
        else
            break;
    }
    EXPECT_EQ(0, ml_findclose(h));
    EXPECT_EQ(1, refused);
    EXPECT_EQ((std::set<std::string>{".", "..", "y1", "y2"}), names);
    const std::vector<std::string> m = log.messages();
    ASSERT_EQ(3u, m.size());
    EXPECT_TRUE(recordMatches(m[2], "ml_findnext has failed to convert at %d line, file: %s"));
}

TEST(Find, RecordCopyTakesNamesUpTo259Bytes)
{
    ml_wfinddata_t wide;
    memset(&wide, 0, sizeof wide);
    wide.attrib = _A_ARCH | _A_RDONLY;
    wide.time_create = 1;
    wide.time_access = 2;
    wide.time_write = 0x7FFFFFF0;
    wide.size = 0xFFFFFFFFu;
    // 129 é and one a: 259 bytes, 130 units.
    std::wstring name(129, L'\x00E9');
    wcscpy(wide.name, (name + L"a").c_str());
    GuardedFind out;
    LogCapture log;
    SetLastError(kCallerError);
    EXPECT_EQ(1, ml_ConvertFindData16to8(&wide, &out.record));
    EXPECT_EQ(narrow(name + L"a"), out.record.name);
    EXPECT_EQ(unsigned(_A_ARCH | _A_RDONLY), out.record.attrib);
    EXPECT_EQ(1, out.record.time_create);
    EXPECT_EQ(2, out.record.time_access);
    EXPECT_EQ(0x7FFFFFF0, out.record.time_write);
    EXPECT_EQ(0xFFFFFFFFu, out.record.size);
    EXPECT_TRUE(log.messages().empty());

    // 130 é: 260 bytes do not fit; the numbers are copied all the same.
    wcscpy(wide.name, (name + L"\x00E9").c_str());
    wide.size = 7;
    EXPECT_EQ(0, ml_ConvertFindData16to8(&wide, &out.record));
    EXPECT_EQ(7u, out.record.size);
    EXPECT_TRUE(out.intact());
    SetLastError(kCallerError);
    EXPECT_EQ(0, ml_ConvertFindData16to8(&wide, NULL));
    EXPECT_EQ(kCallerError, GetLastError());
    expectRecords(log, {kToUtf8Record, "ml_ConvertFindData16to8 has failed to convert at %d line, file: %s",
                        "ml_ConvertFindData16to8 has failed to convert at %d line, file: %s"});
}

// ---- Opening, naming, status --------------------------------------------------

TEST(Open, CreatesOnlyWithOCreatAndHonoursShareAndPermission)
{
    TempDir dir;
    const std::string path = dir.file(std::string(kGreek) + ".dat");
    errno = 0;
    EXPECT_EQ(-1, ml_open(path.c_str(), _O_RDONLY));
    EXPECT_EQ(ENOENT, errno);
    EXPECT_EQ(-1, ml_sopen(path.c_str(), _O_RDONLY, _SH_DENYNO));

    int fd = ml_open(path.c_str(), _O_CREAT | _O_WRONLY | _O_BINARY, _S_IREAD | _S_IWRITE);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(3, _write(fd, "abc", 3));
    _close(fd);
    fd = ml_open(path.c_str(), _O_RDONLY | _O_BINARY);
    ASSERT_GE(fd, 0);
    char buf[8] = {};
    EXPECT_EQ(3, _read(fd, buf, sizeof buf));
    EXPECT_STREQ("abc", buf);
    _close(fd);

    // Held without sharing, the file cannot be opened again.
    fd = ml_sopen(path.c_str(), _O_RDWR, _SH_DENYRW);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(NULL, ml_fopen(path.c_str(), "rb"));
    _close(fd);

    // A permission without _S_IWRITE makes a read-only file.
    const std::string readOnly = dir.file(std::string(kCjk) + ".ro");
    fd = ml_sopen(readOnly.c_str(), _O_CREAT | _O_WRONLY, _SH_DENYNO, _S_IREAD);
    ASSERT_GE(fd, 0);
    _close(fd);
    EXPECT_NE(0u, GetFileAttributesW(widen(readOnly).c_str()) & FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(-1, ml_access(readOnly.c_str(), 2));
    EXPECT_EQ(0, ml_chmod(readOnly.c_str(), _S_IREAD | _S_IWRITE));
    EXPECT_EQ(0, ml_access(readOnly.c_str(), 2));
}

TEST(Streams, NonAsciiPathWrittenAndReadBack)
{
    TempDir dir;
    const std::string path = dir.file(std::string(kCjk) + "\\" + kGreek + ".txt");
    EXPECT_EQ(NULL, ml_fopen(path.c_str(), "w")); // the folder is missing
    EXPECT_EQ(0, ml_mkdir(dir.file(kCjk).c_str()));
    FILE *f = ml_fopen(path.c_str(), "w");
    ASSERT_NE(nullptr, f);
    EXPECT_GT(ml_fprintf(f, "%s\n", kGreek), 0);
    fclose(f);
    EXPECT_EQ(std::string(kGreek) + "\r\n", readFileBytes(path));

    f = ml_fsopen(path.c_str(), "r", _SH_DENYWR);
    ASSERT_NE(nullptr, f);
    EXPECT_EQ(NULL, ml_fopen(path.c_str(), "a")); // writers are shut out
    char line[64];
    ASSERT_NE(nullptr, ml_fgets(line, sizeof line, f));
    EXPECT_EQ(std::string(kGreek) + "\n", line);

    const std::string other = dir.file(std::string(kGreek) + ".other");
    f = ml_freopen(other.c_str(), "w", f);
    ASSERT_NE(nullptr, f);
    ml_fputs("x", f);
    fclose(f);
    EXPECT_EQ("x", readFileBytes(other));
    // Once closed, the folder can go.
    EXPECT_EQ(-1, ml_rmdir(dir.file(kCjk).c_str()));
    EXPECT_EQ(0, ml_unlink(path.c_str()));
    EXPECT_EQ(0, ml_rmdir(dir.file(kCjk).c_str()));
}

TEST(Names, RenameAndRemove)
{
    TempDir dir;
    const std::string from = dir.file(kGreek), to = dir.file(kCjk);
    writeFileBytes(from, "data");
    EXPECT_EQ(0, ml_rename(from.c_str(), to.c_str()));
    EXPECT_EQ(-1, ml_access(from.c_str(), 0));
    EXPECT_EQ("data", readFileBytes(to));
    errno = 0;
    EXPECT_EQ(-1, ml_rename(from.c_str(), to.c_str()));
    EXPECT_EQ(ENOENT, errno);
    EXPECT_EQ(0, ml_remove(to.c_str()));
    EXPECT_EQ(-1, ml_remove(to.c_str()));
    EXPECT_EQ(ENOENT, errno);
}

TEST(Status, RecordsHaveTheRuntimesLayout)
{
    TempDir dir;
    const std::string path = dir.file(kGreek);
    writeFileBytes(path, "12345");
    const ml_time_t now = timeNow();
    Guarded<ml_stat_t> st;
    Guarded<ml_stati64_t> st64;
    EXPECT_EQ(0, ml_stat(path.c_str(), &st.record));
    EXPECT_EQ(5, st.record.st_size);
    EXPECT_EQ(_S_IFREG, st.record.st_mode & _S_IFMT);
    EXPECT_LE(std::abs(static_cast<long>(st.record.st_mtime - now)), 86400L);
    EXPECT_TRUE(st.intact());
    EXPECT_EQ(0, ml_stat(dir.path().c_str(), &st.record));
    EXPECT_EQ(_S_IFDIR, st.record.st_mode & _S_IFMT);
    // A folder with a trailing backslash is refused by both members, as by _stat.
    errno = 0;
    EXPECT_EQ(-1, ml_stat((dir.path() + "\\").c_str(), &st.record));
    EXPECT_EQ(ENOENT, errno);
    errno = 0;
    EXPECT_EQ(-1, ml_stati64((dir.path() + "\\").c_str(), &st64.record));
    EXPECT_EQ(ENOENT, errno);

    // A sparse file past 4 GiB shows the 64-bit size.
    const std::string big = dir.file(std::string(kCjk) + ".big");
    HANDLE h = CreateFileW(widen(big).c_str(), GENERIC_WRITE, 0, NULL, CREATE_NEW, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, h);
    LARGE_INTEGER end;
    end.QuadPart = 0x100000005ll;
    const bool sized = SetFilePointerEx(h, end, NULL, FILE_BEGIN) && SetEndOfFile(h);
    CloseHandle(h);
    EXPECT_EQ(0, ml_stati64(big.c_str(), &st64.record));
    if (sized) {
        EXPECT_EQ(0x100000005ll, st64.record.st_size);
    }
    EXPECT_LE(std::abs(static_cast<long>(st64.record.st_mtime - now)), 86400L);
    EXPECT_TRUE(st64.intact());
    DeleteFileW(widen(big).c_str());

    errno = 0;
    EXPECT_EQ(-1, ml_stat(dir.file("missing").c_str(), &st.record));
    EXPECT_EQ(ENOENT, errno);
    LogCapture log;
    const long long failed = ml_stati64(tooLong().c_str(), &st64.record);
    EXPECT_EQ(~0ull, static_cast<unsigned long long>(failed));
    EXPECT_EQ(-1, ml_stat(tooLong().c_str(), &st.record));
    expectRecords(log, {kTooLongRecord, "ml_stati64 has failed to convert at %d line, file: %s", kTooLongRecord,
                        "ml_stat has failed to convert at %d line, file: %s"});
}

TEST(Mktemp, ReplacesTheXsWithinTheTemplate)
{
    TempDir dir;
    const std::string prefix = dir.file(kGreek) + "ab";
    std::string templ = prefix + "XXXXXX";
    EXPECT_EQ(&templ[0], ml_mktemp(&templ[0]));
    EXPECT_EQ(prefix.size() + 6, strlen(templ.c_str()));
    EXPECT_EQ(prefix, templ.substr(0, prefix.size()));
    EXPECT_EQ(std::string::npos, templ.find('X'));
    EXPECT_TRUE(std::all_of(templ.begin() + prefix.size(), templ.end(), [](char c) { return isalnum(c) != 0; }));

    LogCapture log;
    char plain[] = "noxs";
    EXPECT_EQ(NULL, ml_mktemp(plain));
    EXPECT_STREQ("noxs", plain);
    EXPECT_TRUE(log.messages().empty());

    // A byte that is not UTF-8 is refused before the runtime sees it (it
    // would come back as three, more than the template holds).
    Guarded<char[8]> bad;
    memcpy(bad.record, "\xFFXXXXXX", 8);
    EXPECT_EQ(NULL, ml_mktemp(bad.record));
    EXPECT_TRUE(bad.intact());
    EXPECT_EQ(0, memcmp(bad.record, "\xFFXXXXXX", 8));
    expectRecords(log, {kNotUtf8Record, "ml_mktemp has failed to convert 1 at %d line, file: %s"});
}

// ---- Current folder and full paths --------------------------------------------

TEST(CurrentFolder, InPlaceUpTo2048Bytes)
{
    TempDir dir;
    const std::string folder = dir.file(kGreek);
    ASSERT_EQ(0, ml_mkdir(folder.c_str()));
    ASSERT_EQ(0, ml_chdir(folder.c_str()));
    wchar_t wide[MAX_PATH];
    _wgetcwd(wide, MAX_PATH);
    LogCapture log;

    std::vector<char> buf(4096, 'Z');
    EXPECT_EQ(buf.data(), ml_getcwd(buf.data(), 2048));
    EXPECT_EQ(narrow(wide), buf.data());
    EXPECT_EQ(folder, buf.data());
    std::fill(buf.begin(), buf.end(), 'Z');
    EXPECT_EQ(buf.data(), ml_getdcwd(0, buf.data(), 520));
    EXPECT_EQ(folder, buf.data());
    EXPECT_TRUE(log.messages().empty());

    // 4096 bytes exceed the in-place conversion: the runtime's UTF-16 stays.
    EXPECT_EQ(NULL, ml_getcwd(buf.data(), 4096));
    EXPECT_STREQ(wide, reinterpret_cast<const wchar_t *>(buf.data()));
    // Too small for the runtime: NULL without a record.
    EXPECT_EQ(NULL, ml_getcwd(buf.data(), 8));
    EXPECT_EQ(ERANGE, errno);
    expectRecords(log, {kInPlaceTooBigRecord, "ml_getcwd has failed to convert at %d line, file: %s"});

    ASSERT_EQ(0, ml_chdir(dir.path().c_str()));
    EXPECT_EQ(0, ml_rmdir(folder.c_str()));
    EXPECT_EQ(-1, ml_chdir(folder.c_str()));
}

TEST(CurrentFolder, RuntimeContractForms)
{
    // Two levels of non-ASCII names: longer in UTF-8 than in UTF-16.
    TempDir dir;
    const std::string folder = dir.file(std::string(20, 'd') + kGreek + "\\" + std::string(60, 'e') + kGreek + kGreek);
    ASSERT_EQ(0, ml_mkdir(folder.substr(0, folder.rfind('\\')).c_str()));
    ASSERT_EQ(0, ml_mkdir(folder.c_str()));
    InFolder in(folder);
    const size_t need = folder.size() + 1;

    char *block = ml_getcwd_utf8(NULL, 0); // a block of the size it needs
    ASSERT_NE(nullptr, block);
    EXPECT_EQ(folder, block);
    free(block);
    std::vector<char> buf(need, 'Z');
    EXPECT_EQ(buf.data(), ml_getcwd_utf8(buf.data(), static_cast<int>(need)));
    EXPECT_EQ(folder, buf.data());
    errno = 0;
    EXPECT_EQ(nullptr, ml_getcwd_utf8(buf.data(), static_cast<int>(need - 1)));
    EXPECT_EQ(ERANGE, errno);

    block = ml_fullpath_utf8(NULL, kGreek, 0);
    ASSERT_NE(nullptr, block);
    EXPECT_EQ(folder + "\\" + kGreek, block);
    free(block);
    errno = 0;
    EXPECT_EQ(nullptr, ml_fullpath_utf8(buf.data(), kGreek, need));
    EXPECT_EQ(ERANGE, errno);
    errno = 0;
    EXPECT_EQ(nullptr, ml_fullpath_utf8(buf.data(), "bad\xC3(", need));
    EXPECT_EQ(EILSEQ, errno);
}

TEST(CurrentFolder, NoBufferGivesNullWithoutKeepingTheRuntimesCopy)
{
    // A deep folder, so a kept copy would show on the heap.
    TempDir dir;
    std::string deep = dir.path();
    for (int i = 0; i < 3; ++i) { // within MAX_PATH, where the runtime's drive query works
        deep += "\\" + std::string(60, 'd') + kGreek;
        ASSERT_EQ(0, ml_mkdir(deep.c_str()));
    }
    InFolder in(deep);
    LogCapture log;
    const size_t before = heapInUse();
    ASSERT_GT(before, 0u);
    for (int i = 0; i < 500; ++i) {
        ASSERT_EQ(NULL, ml_getcwd(NULL, 0));
        ASSERT_EQ(NULL, ml_getdcwd(0, NULL, 0));
        ASSERT_EQ(NULL, ml_fullpath(NULL, "x", 0));
    }
    // Each call would keep about 500 bytes.
    EXPECT_LT(heapInUse(), before + 64 * 1024);
    const std::vector<std::string> m = log.messages();
    ASSERT_EQ(4500u, m.size());
    EXPECT_TRUE(recordMatches(m[0], "ml_ConvertMultiSzUTF16toUTF8 has failed to convert (input is NULL)at %d line, file: %s"));
    EXPECT_TRUE(recordMatches(m[1], kInPlaceRecord));
    EXPECT_TRUE(recordMatches(m[2], "ml_getcwd has failed to convert at %d line, file: %s"));
    EXPECT_TRUE(recordMatches(m[5], "ml_getdcwd has failed to convert at %d line, file: %s"));
    EXPECT_TRUE(recordMatches(m[8], "ml_fullpath has failed to convert 2 at %d line, file: %s"));
}

TEST(FullPath, ResolvesNonAsciiRelativePaths)
{
    TempDir dir;
    InFolder in(dir.path());
    LogCapture log;
    char buf[520];
    EXPECT_EQ(buf, ml_fullpath(buf, (std::string(kGreek) + "\\..\\" + kCjk).c_str(), sizeof buf));
    EXPECT_EQ(dir.file(kCjk), buf);
    EXPECT_EQ(NULL, ml_fullpath(buf, "x", 4));
    EXPECT_TRUE(log.messages().empty());
    std::vector<char> big(4096);
    EXPECT_EQ(NULL, ml_fullpath(big.data(), "x", big.size()));
    EXPECT_EQ(NULL, ml_fullpath(buf, tooLong().c_str(), sizeof buf));
    expectRecords(log, {kInPlaceTooBigRecord, "ml_fullpath has failed to convert 2 at %d line, file: %s",
                        kTooLongRecord, "ml_fullpath has failed to convert 1 at %d line, file: %s"});
}

// ---- Composing and splitting paths ------------------------------------------

TEST(MakePath, ComposesNonAsciiPartsWithin260Bytes)
{
    LogCapture log;
    Guarded<char[260]> out;
    ml_makepath(out.record, "c", "\\data\\", "log", "txt");
    EXPECT_STREQ("c:\\data\\log.txt", out.record);
    ml_makepath(out.record, "", kGreek, kCjk, ".conf");
    EXPECT_EQ(std::string(kGreek) + "\\" + kCjk + ".conf", out.record);

    // 2 + 250 + 1 + 2 + 1 + 3 = 259 bytes, whose UTF-16 form would take 520.
    const std::string folder(250, 'f');
    ml_makepath(out.record, "c", folder.c_str(), "ab", "txt");
    EXPECT_EQ("c:" + folder + "\\ab.txt", out.record);
    EXPECT_TRUE(out.intact());
    EXPECT_TRUE(log.messages().empty());

    // One byte more is refused and leaves the buffer as it was.
    strcpy(out.record, "untouched");
    ml_makepath(out.record, "c", folder.c_str(), "abc", "txt");
    EXPECT_STREQ("untouched", out.record);
    // Parts that would overflow the composition itself.
    ml_makepath(out.record, "c", std::string(1500, 'f').c_str(), std::string(1500, 'n').c_str(), "txt");
    EXPECT_STREQ("untouched", out.record);
    ml_makepath(out.record, "c", "\\data\\", "log", NULL);
    EXPECT_STREQ("untouched", out.record);
    EXPECT_TRUE(out.intact());
    expectRecords(log, {"ml_makepath has failed to convert 1 at %d line, file: %s",
                        "ml_makepath has failed to convert 1 at %d line, file: %s", kNullRecord,
                        "ml_makepath has failed to convert 2 at %d line, file: %s"});
}

TEST(SplitPath, GivesTheRequestedNonAsciiParts)
{
    LogCapture log;
    const std::string path = std::string("c:\\") + kGreek + "\\" + kCjk + ".txt";
    char drive[260], dir[260], name[260], ext[260];
    ml_splitpath(path.c_str(), drive, dir, name, ext);
    EXPECT_STREQ("c:", drive);
    EXPECT_EQ(std::string("\\") + kGreek + "\\", dir);
    EXPECT_STREQ(kCjk, name);
    EXPECT_STREQ(".txt", ext);

    strcpy(drive, "-");
    strcpy(ext, "-");
    ml_splitpath((std::string(kGreek) + ".conf").c_str(), NULL, NULL, name, NULL);
    EXPECT_STREQ(kGreek, name);
    EXPECT_STREQ("-", drive);
    EXPECT_STREQ("-", ext);

    ml_splitpath(NULL, drive, dir, name, ext);
    EXPECT_STREQ("", drive);
    EXPECT_STREQ("", dir);
    EXPECT_STREQ("", name);
    EXPECT_STREQ("", ext);
    EXPECT_TRUE(log.messages().empty());

    strcpy(name, "untouched");
    ml_splitpath(tooLong().c_str(), NULL, NULL, name, NULL);
    EXPECT_STREQ("untouched", name);
    expectRecords(log, {kTooLongRecord, "ml_splitpath has failed to convert 2 at %d line, file: %s"});
}

// The record forms that the drop-in header maps, and file times.
TEST(Status, EveryRecordFormAndFileTimes)
{
    TempDir dir;
    const std::string path = dir.file(kGreek), big = dir.file(std::string(kCjk) + ".big");
    writeFileBytes(path, "12345");
    struct _utimbuf times = {1000000000, 1200000000};
    struct _stat64 full;
    struct _stat64i32 plain;
    EXPECT_EQ(0, ml_utime(path.c_str(), &times));
    EXPECT_TRUE(ml_stat64(path.c_str(), &full) == 0 && full.st_size == 5 && full.st_mtime == 1200000000);
    EXPECT_TRUE(ml_stat64i32(path.c_str(), &plain) == 0 && plain.st_size == 5 && plain.st_atime == 1000000000);
    EXPECT_TRUE(ml_utime(path.c_str(), NULL) == 0 && ml_stat64(path.c_str(), &full) == 0);
    EXPECT_LE(std::abs(static_cast<long>(full.st_mtime - timeNow())), 86400L);
    // A size that struct _stat64i32 cannot hold is refused, not cut.
    HANDLE h = CreateFileW(widen(big).c_str(), GENERIC_WRITE, 0, NULL, CREATE_NEW, 0, NULL);
    LARGE_INTEGER end;
    end.QuadPart = 0x80000000ll;
    if (SetFilePointerEx(h, end, NULL, FILE_BEGIN) && SetEndOfFile(h) && CloseHandle(h)) {
        errno = 0;
        EXPECT_EQ(-1, ml_stat64i32(big.c_str(), &plain));
        EXPECT_EQ(EOVERFLOW, errno);
    }
    LogCapture log;
    errno = 0;
    EXPECT_EQ(-3, ml_stat64("bad-\xFF", &full) + ml_stat64i32("bad-\xFF", &plain) + ml_utime("bad-\xFF", &times));
    EXPECT_EQ(EILSEQ, errno);
}

// The runtime family: required arguments, processes and the environment.
#include <errno.h>
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <string.h>

#include <functional>
#include <thread>

#include "general/GeneralTest.h"

using namespace general;

TEST(Runtime, IsMsvcrt)
{
    // The find and status records are laid out for msvcrt.dll: the search
    // that the library calls must be the one there.
    const HMODULE msvcrt = GetModuleHandleW(L"msvcrt.dll");
    ASSERT_NE(nullptr, msvcrt);
#ifdef _WIN64
    // MinGW reaches msvcrt's own _wfindfirst (64-bit times) through a small
    // function of its import library.
    EXPECT_NE(nullptr, GetProcAddress(msvcrt, "_wfindfirst"));
#else
    HMODULE owner = NULL;
    ASSERT_TRUE(GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                   reinterpret_cast<LPCWSTR>(&_wfindfirst), &owner));
    EXPECT_EQ(msvcrt, owner);
#endif
}

// ---- Required arguments -------------------------------------------------------

// Each member with an argument that is NULL, too long, not UTF-8, or both of
// the last: the failure value, the conversion's records and its own, the
// conversion's last error, and the errno that the runtime gives for such an
// argument, which it is never shown.
TEST(RequiredArguments, EachFailsWithTheRecordsTheFailureValueAndTheRuntimesErrno)
{
    struct Row {
        const char *member;
        std::function<bool(const char *)> failed; // the member returned its failure value
        std::string record;                        // its own, after the conversions' records
        size_t conversions = 1;
    };
    auto own = [](const char *member) { return std::string(member) + " has failed to convert at %d line, file: %s"; };
    char buf[520];
    ml_stat_t st;
    ml_stati64_t st64;
    ml_finddata_t found;
    const std::vector<Row> rows = {
        {"ml_chdir", [](const char *b) { return ml_chdir(b) == -1; }, own("ml_chdir")},
        {"ml_mkdir", [](const char *b) { return ml_mkdir(b) == -1; }, own("ml_mkdir")},
        {"ml_rmdir", [](const char *b) { return ml_rmdir(b) == -1; }, own("ml_rmdir")},
        {"ml_getenv", [](const char *b) { return ml_getenv(b) == NULL; }, own("ml_getenv")},
        {"ml_putenv", [](const char *b) { return ml_putenv(b) == -1; }, own("ml_putenv")},
        {"ml_fsopen name", [](const char *b) { return ml_fsopen(b, "r", 0) == NULL; }, own("ml_fsopen")},
        {"ml_fsopen mode", [](const char *b) { return ml_fsopen("x", b, 0) == NULL; }, own("ml_fsopen")},
        {"ml_fopen name", [](const char *b) { return ml_fopen(b, "r") == NULL; }, own("ml_fopen")},
        {"ml_fopen mode", [](const char *b) { return ml_fopen("x", b) == NULL; }, own("ml_fopen")},
        {"ml_freopen path", [](const char *b) { return ml_freopen(b, "r", stdin) == NULL; }, own("ml_freopen")},
        {"ml_freopen mode", [](const char *b) { return ml_freopen("x", b, stdin) == NULL; }, own("ml_freopen")},
        {"ml_popen command", [](const char *b) { return ml_popen(b, "r") == NULL; }, own("ml_popen")},
        {"ml_popen mode", [](const char *b) { return ml_popen("cmd /c exit", b) == NULL; }, own("ml_popen")},
        {"ml_chmod", [](const char *b) { return ml_chmod(b, 0x180) == -1; }, own("ml_chmod")},
        {"ml_creat", [](const char *b) { return ml_creat(b, 0x180) == -1; }, own("ml_creat")},
        {"ml_mktemp", [](const char *b) { std::string t = b ? b : ""; return ml_mktemp(b ? &t[0] : NULL) == NULL; },
         "ml_mktemp has failed to convert 1 at %d line, file: %s"},
        {"ml_access", [](const char *b) { return ml_access(b, 0) == -1; }, own("ml_access")},
        {"ml_remove", [](const char *b) { return ml_remove(b) == -1; }, own("ml_remove")},
        {"ml_rename old", [](const char *b) { return ml_rename(b, "y") == -1; }, own("ml_rename")},
        {"ml_rename new", [](const char *b) { return ml_rename("x", b) == -1; }, own("ml_rename")},
        {"ml_rename both", [](const char *b) { return ml_rename(b, b) == -1; }, own("ml_rename"), 2},
        {"ml_unlink", [](const char *b) { return ml_unlink(b) == -1; }, own("ml_unlink")},
        {"ml_stat", [&](const char *b) { return ml_stat(b, &st) == -1; }, own("ml_stat")},
        {"ml_stati64", [&](const char *b) { return ml_stati64(b, &st64) == -1ll; }, own("ml_stati64")},
        {"ml_findfirst", [&](const char *b) { return ml_findfirst(b, &found) == -1; },
         "ml_findfirst has failed to convert 1 at %d line, file: %s"},
        {"ml_open", [](const char *b) { return ml_open(b, _O_RDONLY) == -1; }, own("ml_open")},
        {"ml_sopen", [](const char *b) { return ml_sopen(b, _O_RDONLY, 0) == -1; }, own("ml_sopen")},
        {"ml_fullpath", [&](const char *b) { return ml_fullpath(buf, b, sizeof buf) == NULL; },
         "ml_fullpath has failed to convert 1 at %d line, file: %s"},
        {"ml_makepath", [&](const char *b) {
             strcpy(buf, "untouched");
             ml_makepath(buf, b, "d", "n", "e");
             return strcmp(buf, "untouched") == 0;
         },
         "ml_makepath has failed to convert 2 at %d line, file: %s"},
        {"ml_system", [](const char *b) { return ml_system(b) == -1; }, own("ml_system")},
    };
    const std::string longText = tooLong(), bad = "bad-\xFF.txt", both = longText + "\xFF";
    const struct {
        const char *text;
        int error;         // errno
        DWORD lastError;   // the conversion's
        const char *record;
    } kinds[] = {
        {NULL, EINVAL, kCallerError, kNullRecord},
        {longText.c_str(), ENAMETOOLONG, ERROR_INSUFFICIENT_BUFFER, kTooLongRecord},
        {bad.c_str(), EILSEQ, ERROR_NO_UNICODE_TRANSLATION, kNotUtf8Record},
        {both.c_str(), EILSEQ, ERROR_INSUFFICIENT_BUFFER, kTooLongRecord},
    };
    for (const Row &row : rows)
        for (const auto &kind : kinds) {
            SCOPED_TRACE(std::string(row.member) + " with errno " + std::to_string(kind.error));
            LogCapture log;
            SetLastError(kCallerError);
            errno = 0;
            EXPECT_TRUE(row.failed(kind.text));
            EXPECT_EQ(kind.lastError, GetLastError());
            EXPECT_EQ(kind.error, errno);
            std::vector<std::string> records(row.conversions, kind.record);
            records.push_back(row.record);
            expectRecords(log, records);
        }
}

// ---- Argument vectors and child programs --------------------------------------

TEST(GetArgv, AsksForTheSizeThenDelivers)
{
    WCHAR prog[] = L"prog", greek[] = L"\x0395\x03BB\x03BB\x03B7\x03BD\x03B9\x03BA\x03AC", empty[] = L"";
    WCHAR *argv[] = {prog, greek, empty, NULL};
    LogCapture log;
    unsigned int size = 99;
    EXPECT_EQ(0, ml_getArgv(argv, 1, NULL, &size));
    EXPECT_EQ(17u, size); // 16 bytes and the zero

    char buf[32];
    memset(buf, 'Z', sizeof buf);
    size = 16;
    EXPECT_EQ(0, ml_getArgv(argv, 1, buf, &size));
    EXPECT_EQ(17u, size);
    size = 0;
    EXPECT_EQ(0, ml_getArgv(argv, 1, buf, &size));
    EXPECT_EQ(17u, size);
    EXPECT_EQ('Z', buf[16]);
    EXPECT_EQ(16, ml_getArgv(argv, 1, buf, &size));
    EXPECT_STREQ(kGreek, buf);
    EXPECT_EQ(17u, size);
    size = sizeof buf;
    EXPECT_EQ(4, ml_getArgv(argv, 0, buf, &size));
    EXPECT_EQ(unsigned(sizeof buf), size);
    EXPECT_EQ(0, ml_getArgv(argv, 2, buf, &size));
    EXPECT_STREQ("", buf);
    expectRecords(log, {kToUtf8Record, "ml_getArgv has failed to convert at %d line, file: %s",
                        "ml_getArgv has failed to convert at %d line, file: %s"});

    // Nothing to read: 0, no record, nothing changed.
    EXPECT_EQ(0, ml_getArgv(argv, 3, buf, &size));
    EXPECT_EQ(0, ml_getArgv(NULL, 0, buf, &size));
    EXPECT_EQ(0, ml_getArgv(argv, 1, buf, NULL));
    EXPECT_EQ(unsigned(sizeof buf), size);
    EXPECT_EQ(3u, log.messages().size());
}

class Spawn : public ::testing::Test {
protected:
    std::string child = programFolder() + "\\spawn_child.exe";
};

TEST_F(Spawn, StartsAChildWithNonAsciiArgumentsAndReturnsItsExitCode)
{
    LogCapture log;
    const char *argv[] = {child.c_str(), "table", kGreek, kCjk, "caf\xC3\xA9", "\xF0\x9F\x98\x80", NULL};
    EXPECT_EQ(44, ml_spawnvp(_P_WAIT, child.c_str(), argv));
    const char *wrong[] = {child.c_str(), "table", kCjk, NULL};
    EXPECT_EQ(102, ml_spawnvp(_P_WAIT, child.c_str(), wrong));
    // The longest argument: 1023 units and the zero.
    const std::string longest(1023, 'a');
    const char *edge[] = {child.c_str(), "long", longest.c_str(), NULL};
    EXPECT_EQ(23, ml_spawnvp(_P_WAIT, child.c_str(), edge));
    EXPECT_TRUE(log.messages().empty());
    errno = 0;
    EXPECT_EQ(-1, ml_spawnvp(_P_WAIT, (child + ".missing").c_str(), argv));
    EXPECT_EQ(ENOENT, errno);
}

TEST_F(Spawn, ArgumentOf1024UnitsStartsNothing)
{
    TempDir dir;
    const std::string marker = dir.file(kGreek);
    const char *touch[] = {child.c_str(), "touch", marker.c_str(), NULL};
    ASSERT_EQ(5, ml_spawnvp(_P_WAIT, child.c_str(), touch));
    ASSERT_EQ(0, ml_remove(marker.c_str()));

    LogCapture log;
    const std::string tooLongArg(1024, 'a');
    const char *argv[] = {child.c_str(), "touch", marker.c_str(), tooLongArg.c_str(), NULL};
    SetLastError(kCallerError);
    EXPECT_EQ(-1, ml_spawnvp(_P_WAIT, child.c_str(), argv));
    EXPECT_EQ(DWORD(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    EXPECT_EQ(E2BIG, errno); // an argument list too long for the runtime
    EXPECT_EQ(-1, ml_access(marker.c_str(), 0));
    EXPECT_EQ(-1, ml_spawnvp(_P_WAIT, tooLong().c_str(), touch));
    EXPECT_EQ(ENAMETOOLONG, errno);
    EXPECT_EQ(-1, ml_access(marker.c_str(), 0));
    expectRecords(log, {kTooLongRecord, "ml_spawnvp has failed to convert at %d line, file: %s", kTooLongRecord,
                        "ml_spawnvp has failed to convert at %d line, file: %s"});
}

TEST(Commands, SystemAndPopenRunRealCommands)
{
    TempDir dir;
    LogCapture log;
    EXPECT_EQ(7, ml_system("exit 7"));
    const std::string folder = dir.file(kGreek);
    EXPECT_EQ(0, ml_system(("mkdir \"" + folder + "\"").c_str()));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(widen(folder).c_str()));

    writeFileBytes(folder + "\\" + kCjk + ".txt", "hello from the file\r\n");
    FILE *out = ml_popen(("cmd /c type \"" + folder + "\\" + kCjk + ".txt\"").c_str(), "r");
    ASSERT_NE(nullptr, out);
    char line[64] = {};
    EXPECT_NE(nullptr, fgets(line, sizeof line, out));
    EXPECT_STREQ("hello from the file\n", line);
    EXPECT_EQ(0, _pclose(out));
    out = ml_popen("cmd /c exit 3", "r");
    ASSERT_NE(nullptr, out);
    EXPECT_EQ(3, _pclose(out));
    EXPECT_TRUE(log.messages().empty());

    EXPECT_EQ(-1, ml_system(tooLong().c_str()));
    EXPECT_EQ(NULL, ml_popen(tooLong().c_str(), "r"));
    expectRecords(log, {kTooLongRecord, "ml_system has failed to convert at %d line, file: %s", kTooLongRecord,
                        "ml_popen has failed to convert at %d line, file: %s"});
}

TEST(Environment, NonAsciiValueSetAndReadBackAsUtf16)
{
    const std::string name = std::string("ML_TEST_") + kCjk;
    LogCapture log;
    EXPECT_EQ(NULL, ml_getenv(name.c_str()));
    EXPECT_EQ(0, ml_putenv((name + "=" + kGreek).c_str()));
    const wchar_t *value = ml_getenv(name.c_str());
    ASSERT_NE(nullptr, value);
    EXPECT_EQ(widen(kGreek), value);
    WCHAR platform[64] = {};
    EXPECT_EQ(8u, GetEnvironmentVariableW(widen(name).c_str(), platform, 64));
    EXPECT_EQ(widen(kGreek), platform);
    // An empty value removes the variable.
    EXPECT_EQ(0, ml_putenv((name + "=").c_str()));
    EXPECT_EQ(NULL, ml_getenv(name.c_str()));
    EXPECT_TRUE(log.messages().empty());
    EXPECT_EQ(-1, ml_putenv(tooLong().c_str()));
    EXPECT_EQ(NULL, ml_getenv(tooLong().c_str()));
    expectRecords(log, {kTooLongRecord, "ml_putenv has failed to convert at %d line, file: %s", kTooLongRecord,
                        "ml_getenv has failed to convert at %d line, file: %s"});
}

// Values of any length, from the runtime's own; Windows' answers to a size
// query and a missing name; the runtime's error numbers. (The exact fit is
// among the guarded buffers.)
TEST(Environment, SafeReadersDeliverValuesLongerThanAConversionBuffer)
{
    const std::string name = std::string("ML_TEST_S_") + kCjk, value = std::string(3000, 'v') + kGreek;
    ASSERT_EQ(0, _wputenv((widen(name) + L"=" + widen(value)).c_str()));
    const size_t need = value.size() + 1;
    std::vector<char> buf(need);
    char *b = buf.data();
    const struct {
        const char *name;
        char *buffer;
        size_t size, required;
        errno_t result, error, dup; // returned, in errno, and by ml_dupenv_s
    } rows[] = {
        {name.c_str(), NULL, 0, need, 0, 0, 0},             // a size query
        {name.c_str(), b, need, need, 0, 0, 0},             // delivered
        {name.c_str(), b, need - 1, need, ERANGE, 0, 0},    // does not fit: ""
        {"ML_TEST_NONE", b, need, 0, 0, 0, 0},              // missing: ""
        {name.c_str(), b, 0, 0, EINVAL, EINVAL, 0},         // a buffer of no bytes
        {name.c_str(), NULL, 4, 0, EINVAL, EINVAL, 0},      // a size without a buffer
        {"bad-\xFF", b, need, 0, EILSEQ, EILSEQ, EILSEQ},   // a name that is not UTF-8
        {NULL, b, need, 0, EINVAL, EINVAL, EINVAL},
    };
    LogCapture log;
    for (const auto &row : rows) {
        SCOPED_TRACE(&row - rows);
        size_t required = 99, size = 99;
        char *block = b;
        errno = 0;
        EXPECT_EQ(row.result, ml_getenv_s(&required, row.buffer, row.size, row.name));
        EXPECT_EQ(row.error, errno);
        EXPECT_EQ(row.required, required);
        EXPECT_TRUE(row.buffer == NULL || row.size == 0 || (row.result == 0 && row.required ? value == b : !*b));
        EXPECT_EQ(row.dup, ml_dupenv_s(&block, &size, row.name));
        EXPECT_TRUE(row.name == name.c_str() ? block != NULL && value == block : block == NULL);
        EXPECT_EQ(row.name == name.c_str() ? need : 0, size);
        free(block);
    }
    EXPECT_EQ(EINVAL, ml_getenv_s(NULL, b, need, name.c_str()));
    EXPECT_EQ(EINVAL, ml_dupenv_s(NULL, NULL, name.c_str()));
    EXPECT_EQ(8u, log.messages().size()); // two for each name refused
    _wputenv((widen(name) + L"=").c_str());
}

// getenv's promise in UTF-8: every value handed out stays as it was, a value
// read again while unchanged is the same block, and threads agree.
TEST(Environment, Utf8GetenvKeepsEveryValueItHandsOut)
{
    const std::string name = std::string("ML_TEST_U8_") + kGreek;
    ASSERT_EQ(0, ml_putenv((name + "=" + kCjk).c_str()));
    char *first = ml_getenv_utf8(name.c_str());
    ASSERT_STREQ(kCjk, first);
    ASSERT_EQ(0, ml_putenv((name + "=" + kGreek).c_str()));
    EXPECT_STREQ(kGreek, ml_getenv_utf8(name.c_str()));
    EXPECT_STREQ(kCjk, first);
    ASSERT_EQ(0, ml_putenv((name + "=" + kCjk).c_str()));
    EXPECT_STREQ(kCjk, ml_getenv_utf8((std::string("ml_test_u8_") + kGreek).c_str())); // names ignore case
    char *seen[4] = {};
    std::vector<std::thread> threads;
    for (char *&result : seen)
        threads.emplace_back([&result, &name] {
            for (int i = 0; i < 1000; ++i)
                result = ml_getenv_utf8(name.c_str());
        });
    for (std::thread &thread : threads)
        thread.join();
    for (char *result : seen)
        EXPECT_EQ(first, result);
    LogCapture log;
    const struct { const char *name; int error; } refused[] = {{"ML_TEST_NONE", 0}, {"bad-\xFF", EILSEQ}, {NULL, EINVAL}};
    for (const auto &row : refused) {
        errno = 0;
        EXPECT_TRUE(ml_getenv_utf8(row.name) == NULL && errno == row.error) << row.error;
    }
    EXPECT_EQ(0, ml_putenv((name + "=").c_str()));
    EXPECT_EQ(NULL, ml_getenv_utf8(name.c_str()));
}

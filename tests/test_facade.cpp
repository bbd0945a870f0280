// The settings tool's ten UTF-8 operations, against the real platform.
#include <MultiLanguage/ml.h>

#include <gtest/gtest.h>

#include <errno.h>
#include <io.h>
#include <shlobj.h>
#include <shlwapi.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "LogCapture.h"
#include "TempDir.h"

namespace {

const DWORD kCallerError = 0x1234;
const char kGreek[] = "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xB7\xCE\xBD\xCE\xB9\xCE\xBA\xCE\xAC"; // Ελληνικά
const char kCjk[] = "\xE8\xA8\xAD\xE5\xAE\x9A";                                         // 設定
const char kNullRecord[] = "ml_ConvertMultiSzUTF8toUTF16 input is NULL %d line, file: %s";
const char kTooLongRecord[] = "ml_ConvertMultiSzUTF8toUTF16 has failed to convert at %d line, file: %s. Error: 122";
const char kNotUtf8Record[] = "ml_ConvertMultiSzUTF8toUTF16 has failed to convert at %d line, file: %s. Error: 1113";

// 2048 BMP characters: one unit too many for a conversion buffer.
std::string tooLong() { return std::string(2048, 'a'); }


void expectRecords(LogCapture &log, const std::vector<std::string> &formats)
{
    const std::vector<std::string> m = log.messages();
    ASSERT_EQ(formats.size(), m.size());
    for (size_t i = 0; i < m.size(); ++i)
        EXPECT_TRUE(recordMatches(m[i], formats[i])) << "record " << i << ": " << m[i];
}

// What the wide platform call leaves as last error, for comparison.
template <class Call> DWORD lastErrorAfter(Call call)
{
    SetLastError(kCallerError);
    call();
    return GetLastError();
}

} // namespace

// ---- Profile files --------------------------------------------------------

class Profile : public ::testing::Test {
protected:
    TempDir dir;
    std::string ini = dir.file("settings.ini");
};

TEST_F(Profile, ReadsWritesAndRemovesKeysInUtf8)
{
    LogCapture log;
    SetLastError(kCallerError);
    EXPECT_EQ(TRUE, ml_WritePrivateProfileString("General config", "Tape Mode", "1", ini.c_str()));
    EXPECT_EQ(TRUE, ml_WritePrivateProfileString("General config", "Ostra Read ahead", "  5000abc  ", ini.c_str()));
    EXPECT_EQ(1u, ml_GetPrivateProfileInt("General config", "Tape Mode", 0, ini.c_str()));
    EXPECT_EQ(7u, ml_GetPrivateProfileInt("General config", "absent", 7, ini.c_str()));

    char out[520];
    EXPECT_EQ(7u, ml_GetPrivateProfileString("General config", "Ostra Read ahead", "64", out, sizeof out, ini.c_str()));
    EXPECT_STREQ("5000abc", out);
    EXPECT_EQ(5u, ml_GetPrivateProfileString("General config", "absent", "75000", out, sizeof out, ini.c_str()));
    EXPECT_STREQ("75000", out);
    EXPECT_EQ(0u, ml_GetPrivateProfileString("General config", "absent", NULL, out, sizeof out, ini.c_str()));
    EXPECT_STREQ("", out);

    // A NULL value removes the key, a NULL key the section.
    EXPECT_NE(0, ml_WritePrivateProfileString("General config", "Tape Mode", NULL, ini.c_str()));
    EXPECT_EQ(0u, ml_GetPrivateProfileInt("General config", "Tape Mode", 0, ini.c_str()));
    EXPECT_NE(0, ml_WritePrivateProfileString("General config", NULL, NULL, ini.c_str()));
    EXPECT_EQ(2u, ml_GetPrivateProfileString("General config", "Ostra Read ahead", "64", out, sizeof out, ini.c_str()));
    EXPECT_TRUE(log.messages().empty());
}

TEST_F(Profile, NonAsciiNamesAndValuesRoundTrip)
{
    // The file is kept in UTF-16 when it starts with a byte-order mark, so
    // names outside the ANSI code page survive.
    writeFileBytes(ini, "\xFF\xFE");
    const std::string file = dir.file(std::string(kGreek) + ".ini");
    writeFileBytes(file, "\xFF\xFE");
    for (const std::string &path : {ini, file}) {
        EXPECT_EQ(TRUE, ml_WritePrivateProfileString(kGreek, kCjk, kGreek, path.c_str()));
        char out[520];
        EXPECT_EQ(8u, ml_GetPrivateProfileString(kGreek, kCjk, "", out, sizeof out, path.c_str())) << path;
        EXPECT_STREQ(kGreek, out);
        EXPECT_EQ(TRUE, ml_WritePrivateProfileString(kGreek, "n", "42", path.c_str()));
        EXPECT_EQ(42u, ml_GetPrivateProfileInt(kGreek, "n", 0, path.c_str()));
    }
    // Without the mark the file is ANSI: characters outside 1252 become '?'.
    const std::string ansi = dir.file("ansi.ini");
    EXPECT_EQ(TRUE, ml_WritePrivateProfileString("s", "k", "caf\xC3\xA9 \xE8\xA8\xAD", ansi.c_str()));
    EXPECT_EQ("[s]\r\nk=caf\xE9 ?\r\n", readFileBytes(ansi));
}

TEST_F(Profile, ConversionFailuresReturnTheirFailureValues)
{
    LogCapture log;
    char out[16] = "untouched";
    SetLastError(kCallerError);
    EXPECT_EQ(UINT(-1), ml_GetPrivateProfileInt("s", "k", 0, NULL));
    EXPECT_EQ(kCallerError, GetLastError());
    EXPECT_EQ(UINT(-1), ml_GetPrivateProfileInt("s", tooLong().c_str(), 0, ini.c_str()));
    EXPECT_EQ(DWORD(ERROR_INSUFFICIENT_BUFFER), GetLastError());

    SetLastError(kCallerError);
    EXPECT_EQ(0u, ml_GetPrivateProfileString("s", "k", "d", out, sizeof out, NULL));
    EXPECT_EQ(kCallerError, GetLastError());
    EXPECT_EQ(0u, ml_GetPrivateProfileString("s", "k", tooLong().c_str(), out, sizeof out, ini.c_str()));
    EXPECT_EQ(DWORD(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    EXPECT_STREQ("untouched", out);

    SetLastError(kCallerError);
    EXPECT_EQ(-1, ml_WritePrivateProfileString(NULL, "k", "v", ini.c_str()));
    EXPECT_EQ(kCallerError, GetLastError());
    EXPECT_EQ(-1, ml_WritePrivateProfileString("s", tooLong().c_str(), "v", ini.c_str()));
    EXPECT_EQ(DWORD(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    EXPECT_EQ(-1, ml_WritePrivateProfileString("s", "k", tooLong().c_str(), ini.c_str()));
    EXPECT_EQ(-1, ml_WritePrivateProfileString("s", "k", "v", tooLong().c_str()));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(widen(ini).c_str())); // nothing was written

    expectRecords(log, {
        kNullRecord,
        "ml_GetPrivateProfileInt has failed to convert at %d line, file: %s function params(s,k,(null))",
        kTooLongRecord,
        // A record that lists a 2048-byte argument is cut within it.
        "ml_GetPrivateProfileInt has failed to convert at %d line, file: %s function params(s,aaa%s",
        kNullRecord, // the string reader's check is silent
        kTooLongRecord,
        kNullRecord,
        "ml_WritePrivateProfileString has failed to convert at %d line, file: %s function params((null),k,v,%s)",
        kTooLongRecord,
        "ml_WritePrivateProfileString has failed to convert at %d line, file: %s function params(aaa%s",
        kTooLongRecord,
        "ml_WritePrivateProfileString has failed to convert at %d line, file: %s function params(aaa%s",
        kTooLongRecord,
        "ml_WritePrivateProfileString has failed to convert at %d line, file: %s function params(s,k,v,aaa%s",
    });
}

TEST_F(Profile, ValueThatFillsTheBufferOrMissesTheCallersSizeFails)
{
    ASSERT_EQ(TRUE, ml_WritePrivateProfileString("s", "long", std::string(2047, 'v').c_str(), ini.c_str()));
    ASSERT_EQ(TRUE, ml_WritePrivateProfileString("s", "fits", std::string(2046, 'v').c_str(), ini.c_str()));
    LogCapture log;
    std::vector<char> out(4096, 'Z');
    EXPECT_EQ(0u, ml_GetPrivateProfileString("s", "long", "", out.data(), 4096, ini.c_str()));
    EXPECT_EQ('Z', out[0]);
    EXPECT_EQ(2046u, ml_GetPrivateProfileString("s", "fits", "", out.data(), 4096, ini.c_str()));
    EXPECT_EQ(std::string(2046, 'v'), out.data());

    char small[3] = {'Z', 'Z', 'Z'};
    SetLastError(kCallerError);
    const DWORD platformError = lastErrorAfter([&] {
        WCHAR w[16];
        GetPrivateProfileStringW(L"s", L"absent", L"75000", w, 16, widen(ini).c_str());
    });
    SetLastError(kCallerError);
    EXPECT_EQ(0u, ml_GetPrivateProfileString("s", "absent", "75000", small, sizeof small, ini.c_str()));
    EXPECT_EQ(platformError, GetLastError());
    // A buffer of no bytes receives nothing: a failure, not the value's count.
    small[0] = 'Z';
    EXPECT_EQ(0u, ml_GetPrivateProfileString("s", "absent", "75000", small, 0, ini.c_str()));
    EXPECT_EQ('Z', small[0]);

    const std::vector<std::string> m = log.messages();
    ASSERT_EQ(4u, m.size());
    EXPECT_TRUE(recordMatches(m[0], "GetPrivateProfileStringW has failed with error dwError=%d"));
    EXPECT_TRUE(recordMatches(m[2], "ml_GetPrivateProfileSectionNames has failed to convert 2 at %d line, file: %s"));
}

TEST_F(Profile, RefusedWriteIsRecordedWithThePlatformError)
{
    ASSERT_EQ(TRUE, ml_WritePrivateProfileString("s", "k", "v", ini.c_str()));
    // Held open without sharing, the file cannot be rewritten.
    HANDLE held = CreateFileW(widen(ini).c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    LogCapture log;
    SetLastError(kCallerError);
    EXPECT_EQ(FALSE, ml_WritePrivateProfileString("s", "k", "w", ini.c_str()));
    EXPECT_EQ(DWORD(ERROR_SHARING_VIOLATION), GetLastError());
    CloseHandle(held);
    expectRecords(log, {"WritePrivateProfileStringW has failed with error dwError=32"});
}

// ---- Mutex ----------------------------------------------------------------

TEST(Mutex, NamedUnnamedExistingAndUnconvertible)
{
    LogCapture log;
    const std::string name = std::string("Local\\ml test ") + kGreek;
    HANDLE first = ml_CreateMutex(NULL, FALSE, name.c_str());
    ASSERT_NE(HANDLE(NULL), first);
    EXPECT_EQ(0u, GetLastError());
    HANDLE second = ml_CreateMutex(NULL, FALSE, name.c_str());
    ASSERT_NE(HANDLE(NULL), second);
    EXPECT_EQ(DWORD(ERROR_ALREADY_EXISTS), GetLastError());
    // The wide name is the same object.
    HANDLE wide = OpenMutexW(SYNCHRONIZE, FALSE, widen(name).c_str());
    EXPECT_NE(HANDLE(NULL), wide);
    CloseHandle(wide);
    CloseHandle(second);
    CloseHandle(first);

    HANDLE unnamed = ml_CreateMutex(NULL, TRUE, NULL);
    EXPECT_NE(HANDLE(NULL), unnamed);
    CloseHandle(unnamed);

    SetLastError(kCallerError);
    EXPECT_EQ(HANDLE(NULL), ml_CreateMutex(NULL, FALSE, tooLong().c_str()));
    EXPECT_EQ(DWORD(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    expectRecords(log, {kTooLongRecord, "ml_CreateMutex has failed to convert at %d line, file: %s"});
}

// ---- Runtime: snprintf, creat, access ---------------------------------------

TEST(Snprintf, TerminatesOnlyBelowTheCount)
{
    char buf[8];
    memset(buf, 'Z', sizeof buf);
    EXPECT_EQ(3, ml_snprintf(buf, 4, "%s", "abc"));
    EXPECT_STREQ("abc", buf);
    memset(buf, 'Z', sizeof buf);
    EXPECT_EQ(4, ml_snprintf(buf, 4, "%d", 1234));
    EXPECT_EQ(0, memcmp(buf, "1234Z", 5));
    memset(buf, 'Z', sizeof buf);
    EXPECT_LT(ml_snprintf(buf, 4, "%s\\%s", "ab", kGreek), 0);
    EXPECT_EQ(0, memcmp(buf, "ab\\\xCE" "Z", 5));
}

TEST(CreatAndAccess, CreateAnEmptyFileAndTellWhetherItExists)
{
    TempDir dir;
    LogCapture log;
    const std::string path = dir.file(std::string(kCjk) + ".conf");
    EXPECT_EQ(-1, ml_access(path.c_str(), 0));
    const int fd = ml_creat(path.c_str(), _S_IREAD | _S_IWRITE);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(1, _write(fd, "x", 1));
    _close(fd);
    EXPECT_EQ(0, ml_access(path.c_str(), 0));
    EXPECT_EQ(0, ml_access(path.c_str(), 6));
    EXPECT_EQ("x", readFileBytes(path));
    // creat truncates an existing file.
    _close(ml_creat(path.c_str(), _S_IREAD | _S_IWRITE));
    EXPECT_EQ("", readFileBytes(path));

    SetLastError(kCallerError);
    EXPECT_EQ(-1, ml_creat(NULL, 0x180));
    EXPECT_EQ(-1, ml_access(NULL, 0));
    EXPECT_EQ(kCallerError, GetLastError());
    EXPECT_EQ(-1, ml_creat(tooLong().c_str(), 0x180));
    EXPECT_EQ(DWORD(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    EXPECT_EQ(-1, ml_access(tooLong().c_str(), 0));
    EXPECT_EQ(DWORD(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    // Names that differ only in bytes that are not UTF-8 are not one name
    // with U+FFFD: neither is made.
    for (const char *name : {"bad-\xFF.txt", "bad-\xFE.txt"})
        EXPECT_TRUE(ml_creat(dir.file(name).c_str(), 0x180) == -1 && errno == EILSEQ &&
                    GetLastError() == ERROR_NO_UNICODE_TRANSLATION);
    EXPECT_EQ(-1, ml_access(dir.file("bad-\xEF\xBF\xBD.txt").c_str(), 0));
    expectRecords(log, {kNullRecord, "ml_creat has failed to convert at %d line, file: %s", kNullRecord,
                        "ml_access has failed to convert at %d line, file: %s", kTooLongRecord,
                        "ml_creat has failed to convert at %d line, file: %s", kTooLongRecord,
                        "ml_access has failed to convert at %d line, file: %s", kNotUtf8Record,
                        "ml_creat has failed to convert at %d line, file: %s", kNotUtf8Record,
                        "ml_creat has failed to convert at %d line, file: %s"});
}

// ---- Folders and paths ------------------------------------------------------

TEST(JoinPath, JoinsUtf8NamesWithOneBackslash)
{
    char path[MAX_PATH + 8];
    strcpy(path, "C:\\data");
    EXPECT_TRUE(ml_PathAppend(path, kGreek));
    EXPECT_EQ(std::string("C:\\data\\") + kGreek, path);
    EXPECT_TRUE(ml_PathAppend(path, "\\mount"));
    EXPECT_EQ(std::string("C:\\data\\") + kGreek + "\\mount", path);

    // Bytes that a double-byte code page would read as a lead byte before
    // the backslash (0x83 in Japanese) do not change the join.
    strcpy(path, "C:\\\xE3\x83\x86\\");
    EXPECT_TRUE(ml_PathAppend(path, "x"));
    EXPECT_STREQ("C:\\\xE3\x83\x86\\x", path);

    // The same answer as the wide platform join.
    WCHAR wide[MAX_PATH] = L"C:\\a\\b";
    PathAppendW(wide, L"..\\c");
    strcpy(path, "C:\\a\\b");
    EXPECT_TRUE(ml_PathAppend(path, "..\\c"));
    EXPECT_EQ(narrow(wide), path);

    EXPECT_FALSE(ml_PathAppend(NULL, "x"));
    EXPECT_FALSE(ml_PathAppend(path, NULL));
}

TEST(JoinPath, ResultThatDoesNotFitMaxPathBytesIsRefusedUntouched)
{
    LogCapture log;
    char path[MAX_PATH + 8];
    // 250 + 1 + 8 = 259 bytes: the longest that fits with its zero.
    memset(path, 'Z', sizeof path);
    std::string base = "C:\\" + std::string(247, 'a');
    strcpy(path, base.c_str());
    EXPECT_TRUE(ml_PathAppend(path, "12345678"));
    EXPECT_EQ(259u, strlen(path));
    strcpy(path, base.c_str());
    EXPECT_FALSE(ml_PathAppend(path, "123456789"));
    EXPECT_EQ(base, path);
    EXPECT_EQ('Z', path[MAX_PATH]);

    // Few enough UTF-16 units, but too many UTF-8 bytes: 3 + 240 + 1 + 20.
    std::string greek = "C:\\";
    for (int i = 0; i < 120; ++i)
        greek += "\xCE\xB1";
    strcpy(path, greek.c_str());
    EXPECT_FALSE(ml_PathAppend(path, "\xCE\xB2\xCE\xB2\xCE\xB2\xCE\xB2\xCE\xB2\xCE\xB2\xCE\xB2\xCE\xB2\xCE\xB2\xCE\xB2"));
    EXPECT_EQ(greek, path);
    EXPECT_EQ('Z', path[MAX_PATH]);

    EXPECT_FALSE(ml_PathAppend(path, tooLong().c_str()));
    EXPECT_EQ(greek, path);
    EXPECT_TRUE(log.messages().empty());
}

TEST(Folders, CommonAppDataAndCreatingNonAsciiFolders)
{
    LogCapture log;
    char folder[4096];
    WCHAR wide[MAX_PATH];
    SetLastError(kCallerError);
    const HRESULT expected = SHGetFolderPathW(NULL, CSIDL_COMMON_APPDATA | CSIDL_FLAG_CREATE, NULL, 0, wide);
    ASSERT_EQ(S_OK, expected);
    const DWORD platformError = GetLastError();
    SetLastError(kCallerError);
    EXPECT_EQ(S_OK, ml_SHGetFolderPath(NULL, CSIDL_COMMON_APPDATA | CSIDL_FLAG_CREATE, NULL, 0, folder));
    EXPECT_EQ(platformError, GetLastError());
    EXPECT_EQ(narrow(wide), folder);
    EXPECT_EQ(SHGetFolderPathW(NULL, CSIDL_COMMON_APPDATA, NULL, 0, NULL),
              ml_SHGetFolderPath(NULL, CSIDL_COMMON_APPDATA, NULL, 0, NULL));
    strcpy(folder, "untouched");
    EXPECT_LT(ml_SHGetFolderPath(NULL, 0x7FFF, NULL, 0, folder), 0);
    EXPECT_STREQ("untouched", folder);

    TempDir dir;
    char path[MAX_PATH];
    strcpy(path, dir.path().c_str());
    for (const char *name : {kGreek, kCjk}) {
        ASSERT_TRUE(ml_PathAppend(path, name));
        SetLastError(kCallerError);
        EXPECT_TRUE(ml_CreateDirectory(path, NULL));
        EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(widen(path).c_str()));
    }
    EXPECT_FALSE(ml_CreateDirectory(path, NULL));
    EXPECT_EQ(DWORD(ERROR_ALREADY_EXISTS), GetLastError());
    EXPECT_FALSE(ml_CreateDirectory((dir.path() + "\\missing\\child").c_str(), NULL));
    EXPECT_EQ(DWORD(ERROR_PATH_NOT_FOUND), GetLastError());
    EXPECT_TRUE(log.messages().empty());

    SetLastError(kCallerError);
    EXPECT_FALSE(ml_CreateDirectory(NULL, NULL));
    EXPECT_EQ(kCallerError, GetLastError());
    EXPECT_FALSE(ml_CreateDirectory(tooLong().c_str(), NULL));
    EXPECT_EQ(DWORD(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    expectRecords(log, {kNullRecord, "ml_CreateDirectory has failed to convert at %d line, file: %s", kTooLongRecord,
                        "ml_CreateDirectory has failed to convert at %d line, file: %s"});
}

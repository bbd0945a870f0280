// Whole sections, section names and structures of profile files, and the
// default profile, against the real platform.
#include <functional>

#include "GuardedBuffer.h"
#include "general/GeneralTest.h"

using namespace general;

namespace {

const char kCallFailure[] = "%s has failed with error dwError=%d";

// A file with a UTF-16 byte-order mark, so that names outside the ANSI code
// page survive; its sections are written as the platform writes them.
void writeUtf16Profile(const std::string &path, const std::wstring &text)
{
    std::string bytes("\xFF\xFE", 2);
    bytes.append(reinterpret_cast<const char *>(text.data()), text.size() * sizeof(WCHAR));
    writeFileBytes(path, bytes);
}

std::string list(const std::string &entries) { return entries + std::string(1, '\0'); }

} // namespace

class ProfileLists : public ::testing::Test {
protected:
    TempDir dir;
    std::string ini = dir.file("lists.ini");
};

TEST_F(ProfileLists, WholeSectionIsWrittenAndReadWithBothZeros)
{
    LogCapture log;
    const std::string entries("a=1\0b=2\0", 8);
    SetLastError(kCallerError);
    // The list ends at its closing zero, where a page with no access begins.
    const GuardedBuffer content = GuardedBuffer::holding(list(entries));
    EXPECT_EQ(TRUE, ml_WritePrivateProfileSection("s", content.data(), ini.c_str()));
    EXPECT_EQ("[s]\r\na=1\r\nb=2\r\n", readFileBytes(ini)); // every entry, not only the first

    char out[100];
    memset(out, 'Z', sizeof out);
    EXPECT_EQ(8u, ml_GetPrivateProfileSection("s", out, sizeof out, ini.c_str()));
    EXPECT_EQ(entries + std::string(92, '\0'), std::string(out, sizeof out));

    // A missing section or file: an empty list, no record.
    memset(out, 'Z', sizeof out);
    EXPECT_EQ(0u, ml_GetPrivateProfileSection("absent", out, sizeof out, ini.c_str()));
    EXPECT_EQ(std::string(100, '\0'), std::string(out, sizeof out));
    EXPECT_EQ(0u, ml_GetPrivateProfileSection("s", out, sizeof out, dir.file("none.ini").c_str()));

    ASSERT_EQ(TRUE, ml_WritePrivateProfileString("t", "k", "v", ini.c_str()));
    EXPECT_EQ(4u, ml_GetPrivateProfileSectionNames(out, sizeof out, ini.c_str()));
    EXPECT_EQ(std::string("s\0t\0\0\0", 6), std::string(out, 6));

    // An empty list, its one zero, empties the section.
    const GuardedBuffer empty = GuardedBuffer::holding(std::string(1, '\0'));
    EXPECT_EQ(TRUE, ml_WritePrivateProfileSection("s", empty.data(), ini.c_str()));
    EXPECT_EQ(0u, ml_GetPrivateProfileSection("s", out, sizeof out, ini.c_str()));
    EXPECT_TRUE(log.messages().empty());
}

TEST_F(ProfileLists, NonAsciiEntriesCountUtf16Units)
{
    writeUtf16Profile(ini, L"");
    const std::string entry = std::string(kGreek) + "=" + kCjk; // 8 + 1 + 2 units
    const std::string names = std::string(kCjk) + std::string(1, '\0') + kGreek + std::string(1, '\0');
    ASSERT_EQ(TRUE, ml_WritePrivateProfileSection(kCjk, list(entry + std::string(1, '\0')).c_str(), ini.c_str()));
    ASSERT_EQ(TRUE, ml_WritePrivateProfileString(kGreek, "k", "v", ini.c_str()));

    char out[64];
    EXPECT_EQ(12u, ml_GetPrivateProfileSection(kCjk, out, sizeof out, ini.c_str()));
    EXPECT_EQ(entry + std::string(2, '\0'), std::string(out, entry.size() + 2)); // 24 bytes for 12 units
    EXPECT_EQ(12u, ml_GetPrivateProfileSectionNames(out, sizeof out, ini.c_str()));
    EXPECT_EQ(names + std::string(1, '\0'), std::string(out, names.size() + 1));
}

TEST_F(ProfileLists, CutListsReturnZeroWithTheCallRecord)
{
    // 40 entries of 60 units: more than the 2048 units the platform is given.
    std::wstring text = L"[big]\r\n";
    for (int i = 0; i < 40; ++i)
        text += L"k" + std::to_wstring(100 + i) + L"=" + std::wstring(55, L'v') + L"\r\n";
    // 300 sections of 8 units with their zeros.
    for (int i = 0; i < 300; ++i)
        text += L"[sect" + std::to_wstring(1000 + i) + L"]\r\n";
    writeUtf16Profile(ini, text);

    LogCapture log;
    std::string out(100, 'Z');
    EXPECT_EQ(0u, ml_GetPrivateProfileSection("big", &out[0], 100, ini.c_str()));
    EXPECT_EQ(std::string(100, 'Z'), out); // left as it was
    EXPECT_EQ(0u, ml_GetPrivateProfileSectionNames(&out[0], 100, ini.c_str()));
    EXPECT_EQ(std::string(100, '\0'), out); // cleared
    // The platform leaves no error code for a cut list.
    expectRecords(log, {"GetPrivateProfileSectionW has failed with error dwError=%d",
                        "GetPrivateProfileSectionNamesW has failed with error dwError=%d"});
}

TEST_F(ProfileLists, ListThatMissesItsClosingZeroIsAnOutputFailure)
{
    ASSERT_EQ(TRUE, ml_WritePrivateProfileSection("s", list(std::string("a=1\0b=2\0", 8)).c_str(), ini.c_str()));
    LogCapture log;
    // 8 bytes hold the entries but not the closing zero.
    GuardedBuffer section(8), names(2);
    EXPECT_EQ(0u, ml_GetPrivateProfileSection("s", section.data(), 8, ini.c_str()));
    EXPECT_EQ(0u, ml_GetPrivateProfileSectionNames(names.data(), 2, ini.c_str()));
    // No buffer, or one of no bytes, holds no list either.
    EXPECT_EQ(0u, ml_GetPrivateProfileSection("s", NULL, 100, ini.c_str()));
    EXPECT_EQ(0u, ml_GetPrivateProfileSectionNames(section.data(), 0, ini.c_str()));
    expectRecords(log, {kToUtf8Record, "ml_GetPrivateProfileSection has failed to convert 2 at %d line, file: %s",
                        kToUtf8Record, "ml_GetPrivateProfileSectionNames has failed to convert 2 at %d line, file: %s",
                        "ml_ConvertMultiSzUTF16toUTF8 has failed to convert (input is NULL)at %d line, file: %s",
                        "ml_GetPrivateProfileSection has failed to convert 2 at %d line, file: %s",
                        "ml_GetPrivateProfileSectionNames has failed to convert 2 at %d line, file: %s"});
}

TEST_F(ProfileLists, ContentLongerThanTheConversionBufferIsRefused)
{
    // 2048 units with the two zeros fit; one more unit does not.
    const std::string fits = "k=" + std::string(2044, 'v') + std::string(2, '\0');
    const std::string over = "k=" + std::string(2045, 'v') + std::string(2, '\0');
    LogCapture log;
    EXPECT_EQ(TRUE, ml_WritePrivateProfileSection("s", fits.c_str(), ini.c_str()));
    SetLastError(kCallerError);
    EXPECT_EQ(-1, ml_WritePrivateProfileSection("s", over.c_str(), ini.c_str()));
    EXPECT_EQ(DWORD(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    expectRecords(log, {kTooLongRecord, "ml_WritePrivateProfileSection has failed to convert at %d line, file: %s "
                                        "function params(s,k=vvv%s"});
}

class ProfileStructs : public ::testing::Test {
protected:
    struct Sample {
        int number;
        char text[8];
    };
    TempDir dir;
    std::string ini = dir.file(std::string(kGreek) + ".ini");
    void SetUp() override { writeUtf16Profile(ini, L""); }
};

TEST_F(ProfileStructs, RoundTripWithChecksum)
{
    LogCapture log;
    Sample in = {0x01020304, "ab\xCE\x95"};
    ASSERT_EQ(TRUE, ml_WritePrivateProfileStruct("s", kGreek, &in, sizeof in, ini.c_str()));
    // Hexadecimal bytes, then the checksum (the low byte of their sum).
    const std::string bytes = readFileBytes(ini).substr(2);
    const std::string text = narrow(std::wstring(reinterpret_cast<const WCHAR *>(bytes.data()), bytes.size() / 2));
    EXPECT_NE(std::string::npos, text.find("=040302016162CE950000000030\r\n")) << text;

    GuardedBuffer exact(sizeof in);
    EXPECT_EQ(TRUE, ml_GetPrivateProfileStruct("s", kGreek, exact.data(), sizeof in, ini.c_str()));
    EXPECT_EQ(0, memcmp(&in, exact.data(), sizeof in));

    // A size that does not match the stored one, and a broken checksum, are
    // the platform's failures.
    GuardedBuffer shorter(sizeof in - 1);
    EXPECT_EQ(FALSE, ml_GetPrivateProfileStruct("s", kGreek, shorter.data(), sizeof in - 1, ini.c_str()));
    ASSERT_EQ(TRUE, ml_WritePrivateProfileString("s", "bad", "04030201616200000000000000", ini.c_str()));
    EXPECT_EQ(FALSE, ml_GetPrivateProfileStruct("s", "bad", exact.data(), sizeof in, ini.c_str()));

    // A NULL structure removes the key.
    EXPECT_EQ(TRUE, ml_WritePrivateProfileStruct("s", kGreek, NULL, 0, ini.c_str()));
    EXPECT_EQ(FALSE, ml_GetPrivateProfileStruct("s", kGreek, exact.data(), sizeof in, ini.c_str()));
    const std::vector<std::string> m = log.messages();
    ASSERT_EQ(3u, m.size());
    for (const std::string &record : m)
        EXPECT_TRUE(recordMatches(record, "GetPrivateProfileStructW has failed with error dwError=%d")) << record;
}

TEST_F(ProfileStructs, RefusedWritesReturnZeroWithThePlatformsError)
{
    Sample in = {1, "x"};
    ASSERT_EQ(TRUE, ml_WritePrivateProfileStruct("s", "k", &in, sizeof in, ini.c_str()));
    // Held open without sharing, the file cannot be rewritten.
    HANDLE held = CreateFileW(widen(ini).c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    LogCapture log;
    SetLastError(kCallerError);
    EXPECT_EQ(FALSE, ml_WritePrivateProfileStruct("s", "k", &in, sizeof in, ini.c_str()));
    EXPECT_EQ(DWORD(ERROR_SHARING_VIOLATION), GetLastError());
    EXPECT_EQ(FALSE, ml_WritePrivateProfileSection("s", "a=1\0", ini.c_str()));
    EXPECT_EQ(DWORD(ERROR_SHARING_VIOLATION), GetLastError());
    CloseHandle(held);
    expectRecords(log, {"WritePrivateProfileStructW has failed with error dwError=32",
                        "WritePrivateProfileSectionW has failed with error dwError=32"});
}

// Every converting member of the family with a name that is NULL or too
// long: its failure value, the conversion's record and its own, and the last
// error of the conversion (the caller's own for NULL).
TEST(ProfileInputs, NamesThatDoNotConvertReturnTheFailureValue)
{
    TempDir dir;
    const std::string file = dir.file("inputs.ini");
    const std::string longName = tooLong();
    struct Case {
        const char *what;
        std::function<long long(const char *, const char *)> call; // (section, file)
        bool hasSection;
        long long failure;
        const char *record; // with the section and file name as given
    };
    char out[64];
    int structure = 0;
    const std::vector<Case> cases = {
        {"section", [&](const char *s, const char *f) { return (long long)ml_GetPrivateProfileSection(s, out, 64, f); },
         true, 0, "ml_GetPrivateProfileSection has failed to convert at %d line, file: %s function params(%s,%s)"},
        {"names", [&](const char *, const char *f) { return (long long)ml_GetPrivateProfileSectionNames(out, 64, f); },
         false, 0, "ml_GetPrivateProfileSectionNames has failed to convert at %d line, file: %s function params(%s)"},
        {"get struct",
         [&](const char *s, const char *f) {
             return (long long)ml_GetPrivateProfileStruct(s, "k", &structure, sizeof structure, f);
         },
         true, -1, "ml_GetPrivateProfileString has failed to convert at %d line, file: %s function params(%s,k,%s)"},
        {"write struct",
         [&](const char *s, const char *f) {
             return (long long)ml_WritePrivateProfileStruct(s, "k", &structure, sizeof structure, f);
         },
         true, -1, "ml_WritePrivateProfileStruct has failed to convert at %d line, file: %s function params(%s,k,%s)"},
        {"write section",
         [&](const char *s, const char *f) { return (long long)ml_WritePrivateProfileSection(s, "a=1\0", f); }, true, -1,
         "ml_WritePrivateProfileSection has failed to convert at %d line, file: %s function params(%s,a=1,%s)"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        for (bool null : {true, false}) {
            const char *bad = null ? NULL : longName.c_str();
            LogCapture log;
            SetLastError(kCallerError);
            EXPECT_EQ(c.failure, c.call("s", bad));
            EXPECT_EQ(null ? kCallerError : DWORD(ERROR_INSUFFICIENT_BUFFER), GetLastError());
            const std::vector<std::string> m = log.messages();
            ASSERT_EQ(2u, m.size());
            EXPECT_TRUE(recordMatches(m[0], null ? kNullRecord : kTooLongRecord)) << m[0];
            if (null) {
                EXPECT_TRUE(recordMatches(m[1], c.record)) << m[1];
                EXPECT_NE(std::string::npos, m[1].find("(null)")) << m[1];
            } else {
                // Cut within the long name by the log's message buffer.
                const std::string head(c.record, strstr(c.record, " at %d") - c.record);
                EXPECT_EQ(0u, m[1].find(head)) << m[1];
                EXPECT_NE(std::string::npos, m[1].find("aaaa")) << m[1];
            }
        }
        // Stepwise: the first name that does not convert ends the call.
        LogCapture log;
        EXPECT_EQ(c.failure, c.call(c.hasSection ? NULL : "s", NULL));
        EXPECT_EQ(2u, log.messages().size());
    }
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(widen(file).c_str()));

    // A NULL content is not optional: it never removes the section.
    ASSERT_EQ(TRUE, ml_WritePrivateProfileString("s", "k", "v", file.c_str()));
    LogCapture log;
    EXPECT_EQ(-1, ml_WritePrivateProfileSection("s", NULL, file.c_str()));
    EXPECT_EQ(1u, ml_GetPrivateProfileString("s", "k", "", out, sizeof out, file.c_str()));
    expectRecords(log, {kNullRecord, "ml_WritePrivateProfileSection has failed to convert at %d line, file: %s "
                                     "function params(s,(null),%s)"});
}

// The default profile through the ANSI functions.
TEST(DefaultProfile, PassesNarrowTextThrough)
{
    LogCapture log;
    const char section[] = "ml profile test";
    ASSERT_EQ(TRUE, ml_WriteProfileString(section, "n", "42"));
    EXPECT_EQ(42u, ml_GetProfileInt(section, "n", 7));
    EXPECT_EQ(7u, ml_GetProfileInt(section, "absent", 7));
    char out[64];
    EXPECT_EQ(2u, ml_GetProfileString(section, "n", "", out, sizeof out));
    EXPECT_STREQ("42", out);
    EXPECT_EQ(TRUE, ml_WriteProfileSection(section, "a=1\0"));
    ml_GetProfileSection(section, out, sizeof out); // what the platform keeps is its own affair
    EXPECT_EQ(TRUE, ml_WriteProfileString(section, NULL, NULL));
    EXPECT_EQ(0u, ml_GetProfileString(section, "n", "", out, sizeof out));
    EXPECT_TRUE(log.messages().empty());
}

// Every buffer that a member of the family writes, at the exact size and
// one byte short: nothing is written past its end.
TEST(ProfileBuffers, ExactFitAndOneByteShort)
{
    TempDir dir;
    const std::string ini = dir.file("buffers.ini");
    writeUtf16Profile(ini, L"");
    ASSERT_EQ(TRUE, ml_WritePrivateProfileSection(kGreek, list(std::string("a=1\0b=2\0", 8)).c_str(), ini.c_str()));
    const int value = 0x5A5A;
    ASSERT_EQ(TRUE, ml_WritePrivateProfileStruct("st", "st", const_cast<int *>(&value), sizeof value, ini.c_str()));
    ASSERT_EQ(TRUE, ml_WritePrivateProfileString("str", "k", kCjk, ini.c_str()));
    ASSERT_EQ(TRUE, ml_WriteProfileString("ml buffers", "n", "42"));

    struct Case {
        const char *member;
        size_t exact;
        std::function<DWORD(char *, DWORD)> call;
        DWORD atExact, oneShort;
        std::string content; // at the exact size
    };
    const std::string names = std::string(kGreek) + std::string("\0st\0str\0\0", 9);
    const std::vector<Case> cases = {
        {"ml_GetPrivateProfileSection", 9,
         [&](char *b, DWORD n) { return ml_GetPrivateProfileSection(kGreek, b, n, ini.c_str()); }, 8, 0,
         std::string("a=1\0b=2\0\0", 9)},
        {"ml_GetPrivateProfileSectionNames", names.size(),
         [&](char *b, DWORD n) { return ml_GetPrivateProfileSectionNames(b, n, ini.c_str()); }, 16, 0, names},
        {"ml_GetPrivateProfileString", 7,
         [&](char *b, DWORD n) { return ml_GetPrivateProfileString("str", "k", "", b, n, ini.c_str()); }, 2, 0,
         std::string(kCjk) + std::string(1, '\0')},
        {"ml_GetPrivateProfileStruct", sizeof value,
         [&](char *b, DWORD n) { return DWORD(ml_GetPrivateProfileStruct("st", "st", b, n, ini.c_str())); }, TRUE,
         FALSE, std::string(reinterpret_cast<const char *>(&value), sizeof value)},
        {"ml_GetProfileString", 6,
         [&](char *b, DWORD n) { return ml_GetProfileString("ml absent", "k", "fallb", b, n); }, 5, 4,
         std::string("fallb\0", 6)},
        {"ml_GetProfileSection", 6, [&](char *b, DWORD n) { return ml_GetProfileSection("ml buffers", b, n); }, 4, 3,
         std::string("n=42\0\0", 6)},
    };
    LogCapture log;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.member);
        GuardedBuffer exact(c.exact);
        EXPECT_EQ(c.atExact, c.call(exact.data(), DWORD(c.exact)));
        EXPECT_EQ(c.content, exact.bytes().substr(0, c.content.size()));
        GuardedBuffer shorter(c.exact - 1);
        EXPECT_EQ(c.oneShort, c.call(shorter.data(), DWORD(c.exact - 1)));
    }
}

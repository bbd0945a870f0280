// The conversions, against the platform's own code-page functions.
#include <MultiLanguage/mlSupport.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LogCapture.h"
#include "TempDir.h"

namespace {

const DWORD kCallerError = 0x1234;

std::string repeat(const std::string &s, int n)
{
    std::string out;
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}

// A UTF-16 buffer of 2048 units plus a guard, filled with a marker.
struct WideOut {
    WCHAR units[2048 + 8];
    WideOut() { std::fill(std::begin(units), std::end(units), WCHAR(0xAAAA)); }
};

} // namespace

TEST(Utf8ToUtf16, FitsAtExactly2048UnitsWithTheTerminator)
{
    LogCapture log;
    WideOut out;
    // 2047 BMP characters plus the terminator fill the 2048 units exactly.
    const std::string fits = repeat("\xCE\xB1", 2047);
    SetLastError(kCallerError);
    EXPECT_EQ(1, ml_ConvertUTF8toUTF16(fits.c_str(), out.units, 4096));
    EXPECT_EQ(kCallerError, GetLastError());
    EXPECT_EQ(widen(fits), std::wstring(out.units));
    EXPECT_EQ(WCHAR(0xAAAA), out.units[2048]);

    const std::string tooLong = repeat("\xCE\xB1", 2048);
    EXPECT_EQ(0, ml_ConvertUTF8toUTF16(tooLong.c_str(), out.units, 4096));
    EXPECT_EQ(DWORD(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    EXPECT_EQ(WCHAR(0xAAAA), out.units[2048]);
    ASSERT_EQ(1u, log.messages().size());
    EXPECT_TRUE(recordMatches(log.messages()[0],
                              "ml_ConvertMultiSzUTF8toUTF16 has failed to convert at %d line, file: %s. Error: 122"));
}

TEST(Utf8ToUtf16, CharacterOutsideTheBmpTakesTwoUnits)
{
    LogCapture log;
    WideOut out;
    const std::string face = "\xF0\x9F\x98\x80"; // U+1F600
    const std::string fits = face + std::string(2045, 'a'); // 2 + 2045 + 1 = 2048 units
    EXPECT_EQ(1, ml_ConvertUTF8toUTF16(fits.c_str(), out.units, 4096));
    EXPECT_EQ(0xD83D, out.units[0]);
    EXPECT_EQ(0xDE00, out.units[1]);
    EXPECT_EQ(0, ml_ConvertUTF8toUTF16((fits + "a").c_str(), out.units, 4096));
    EXPECT_EQ(1u, log.messages().size());
}

// Text that is not UTF-8 is refused, never replaced (two such names would
// reach the platform as one), and measured as refused: an encoded surrogate,
// a list cut within a character.
TEST(Utf8ToUtf16, TextThatIsNotUtf8IsRefused)
{
    LogCapture log;
    WideOut out;
    for (const std::string &text : {std::string("\xED\xA0\x80", 3), std::string("a\0\xCE", 3)}) {
        EXPECT_EQ(0, ml_ConvertMultiSzUTF8toUTF16(text.data(), 3, out.units, 4096));
        EXPECT_EQ(DWORD(ERROR_NO_UNICODE_TRANSLATION), GetLastError());
        EXPECT_EQ(0u, ml_GetMultiSzUTF8toUTF16Size(text.data(), 3));
    }
    EXPECT_EQ(2u, log.messages().size());
}

TEST(Utf8ToUtf16, EqualAndNullPointersEachHaveTheirRecordAndKeepTheLastError)
{
    LogCapture log;
    char both[16] = "abc";
    SetLastError(kCallerError);
    EXPECT_EQ(0, ml_ConvertMultiSzUTF8toUTF16(both, -1, reinterpret_cast<WCHAR *>(both), sizeof both));
    EXPECT_EQ(0, ml_ConvertMultiSzUTF8toUTF16(NULL, -1, NULL, 16)); // equal, though NULL
    WCHAR out[4];
    EXPECT_EQ(0, ml_ConvertUTF8toUTF16(NULL, out, sizeof out));
    EXPECT_EQ(0, ml_ConvertUTF8toUTF16("a", NULL, 16));
    EXPECT_EQ(kCallerError, GetLastError());
    const std::vector<std::string> m = log.messages();
    ASSERT_EQ(4u, m.size());
    EXPECT_TRUE(recordMatches(m[0], "ml_ConvertMultiSzUTF8toUTF16 2 input are equal %d line, file: %s"));
    EXPECT_TRUE(recordMatches(m[1], "ml_ConvertMultiSzUTF8toUTF16 2 input are equal %d line, file: %s"));
    EXPECT_TRUE(recordMatches(m[2], "ml_ConvertMultiSzUTF8toUTF16 input is NULL %d line, file: %s"));
    EXPECT_TRUE(recordMatches(m[3], "ml_ConvertMultiSzUTF8toUTF16 input is NULL %d line, file: %s"));
}

TEST(Utf8ToUtf16, OutputOfZeroOrOneByteOnlyMeasures)
{
    LogCapture log;
    for (unsigned size : {0u, 1u}) {
        WideOut out;
        EXPECT_EQ(1, ml_ConvertUTF8toUTF16("abc", out.units, size)) << size;
        EXPECT_EQ(WCHAR(0xAAAA), out.units[0]) << size;
        // Not even the terminator of an empty text is written then.
        EXPECT_EQ(1, ml_ConvertUTF8toUTF16("", out.units, size)) << size;
        EXPECT_EQ(WCHAR(0xAAAA), out.units[0]) << size;
    }
    EXPECT_TRUE(log.messages().empty());
}

TEST(Utf8ToUtf16, EmptyInputAndExplicitLengthLists)
{
    WideOut out;
    // An empty list converts whole: both of its zeros are written.
    EXPECT_EQ(1, ml_ConvertMultiSzUTF8toUTF16("\0\0", 2, out.units, 4096));
    EXPECT_EQ(0, out.units[0]);
    EXPECT_EQ(0, out.units[1]);
    EXPECT_EQ(WCHAR(0xAAAA), out.units[2]);
    char narrowList[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(1, ml_ConvertMultiSzUTF16toUTF8(L"\0\0", 2, narrowList, sizeof narrowList));
    EXPECT_EQ(std::string("\0\0x", 3), std::string(narrowList, 3));

    const char list[] = "\xCE\xB1\0bb\0"; // two entries and the closing zero
    EXPECT_EQ(1, ml_ConvertMultiSzUTF8toUTF16(list, sizeof list, out.units, 4096));
    EXPECT_EQ(std::wstring(L"\x03B1\0bb\0\0", 6), std::wstring(out.units, 6));
    EXPECT_EQ(WCHAR(0xAAAA), out.units[6]);

    // Without its terminator in the range, the output is not terminated.
    WideOut part;
    EXPECT_EQ(1, ml_ConvertMultiSzUTF8toUTF16("abc", 2, part.units, 4096));
    EXPECT_EQ(L'b', part.units[1]);
    EXPECT_EQ(WCHAR(0xAAAA), part.units[2]);
}

TEST(Utf16ToUtf8, FailureKeepsTheCallersLastErrorAndHasNoCode)
{
    LogCapture log;
    char out[8];
    memset(out, 'Z', sizeof out);
    SetLastError(kCallerError);
    EXPECT_EQ(0, ml_ConvertUTF16toUTF8(L"\x03B1\x03B2\x03B3\x03B4", out, 8)); // needs 9 bytes
    EXPECT_EQ(kCallerError, GetLastError());
    EXPECT_EQ(1, ml_ConvertUTF16toUTF8(L"\x03B1\x03B2\x03B3", out, 8));
    EXPECT_STREQ("\xCE\xB1\xCE\xB2\xCE\xB3", out);
    EXPECT_EQ(kCallerError, GetLastError());

    WCHAR same[4] = L"ab";
    EXPECT_EQ(0, ml_ConvertUTF16toUTF8(same, reinterpret_cast<char *>(same), 8));
    EXPECT_EQ(0, ml_ConvertUTF16toUTF8(NULL, out, 8));
    EXPECT_EQ(kCallerError, GetLastError());

    char untouched = 'Z';
    EXPECT_EQ(1, ml_ConvertUTF16toUTF8(L"abc", &untouched, 0));
    EXPECT_EQ('Z', untouched);

    const std::vector<std::string> m = log.messages();
    ASSERT_EQ(3u, m.size());
    EXPECT_TRUE(recordMatches(m[0], "ml_ConvertMultiSzUTF16toUTF8 has failed to convert at %d line, file: %s"));
    EXPECT_TRUE(recordMatches(
        m[1], "ml_ConvertMultiSzUTF16toUTF8 has failed to convert (both input are equal)at %d line, file: %s"));
    EXPECT_TRUE(
        recordMatches(m[2], "ml_ConvertMultiSzUTF16toUTF8 has failed to convert (input is NULL)at %d line, file: %s"));
}

TEST(SizeQueries, CountBytesWithTheTerminatorAndMeasureNullAsZero)
{
    LogCapture log;
    SetLastError(kCallerError);
    EXPECT_EQ(8u, ml_GetUTF8toUTF16Size("\xCE\xB1\xF0\x9F\x98\x80")); // 1 + 2 units + zero
    EXPECT_EQ(2u, ml_GetUTF8toUTF16Size(""));
    EXPECT_EQ(0u, ml_GetUTF8toUTF16Size(NULL));
    EXPECT_EQ(6u, ml_GetMultiSzUTF8toUTF16Size("a\0b", 3)); // a, zero, b
    EXPECT_EQ(7u, ml_GetUTF16toUTF8Size(L"\x03B1\xD83D\xDE00"));
    EXPECT_EQ(0u, ml_GetUTF16toUTF8Size(NULL));
    EXPECT_EQ(kCallerError, GetLastError());
    EXPECT_TRUE(log.messages().empty());
}

TEST(InPlace, AcceptsExactly2048BytesAndRefuses2049)
{
    LogCapture log;
    std::vector<char> buf(4096, 'Z');
    const std::wstring text(1000, L'\x03B1'); // 2000 bytes as UTF-8 as well
    memcpy(buf.data(), text.c_str(), (text.size() + 1) * 2);
    std::vector<char> before = buf;

    SetLastError(kCallerError);
    EXPECT_EQ(0, ml_ConvertInBufUTF16toUTF8(buf.data(), 2049));
    EXPECT_EQ(before, buf);
    EXPECT_EQ(1, ml_ConvertInBufUTF16toUTF8(buf.data(), 2048));
    EXPECT_EQ(kCallerError, GetLastError());
    EXPECT_EQ(narrow(text), std::string(buf.data()));
    // The rest of the size is cleared; nothing past it is touched.
    EXPECT_EQ(std::string(2048 - 2001, '\0'), std::string(buf.data() + 2001, 2048 - 2001));
    EXPECT_EQ('Z', buf[2048]);

    std::vector<char> utf8(4096, 'Z');
    strcpy(utf8.data(), "\xCE\xB1x");
    EXPECT_EQ(0, ml_ConvertInBufUTF8toUTF16(utf8.data(), 2049));
    EXPECT_EQ(1, ml_ConvertInBufUTF8toUTF16(utf8.data(), 2048));
    EXPECT_STREQ(L"\x03B1x", reinterpret_cast<const WCHAR *>(utf8.data()));
    EXPECT_EQ('Z', utf8[2048]);

    const std::vector<std::string> m = log.messages();
    ASSERT_EQ(2u, m.size());
    EXPECT_TRUE(recordMatches(
        m[0], "ml_ConvertInBufUTF16toUTF8 has failed to convert (buffer larger than ML_MAX_CHAR)at %d line, file: %s"));
    EXPECT_TRUE(recordMatches(
        m[1], "ml_ConvertInBufUTF8toUTF16 has failed to convert (buffer larger than ML_MAX_CHAR) at %d line, file: %s"));
}

TEST(InPlace, TextThatDoesNotFitLeavesTheBufferUnchanged)
{
    LogCapture log;
    char buf[8];
    strcpy(buf, "abcdef"); // needs 14 bytes as UTF-16
    SetLastError(kCallerError);
    EXPECT_EQ(0, ml_ConvertInBufUTF8toUTF16(buf, sizeof buf));
    EXPECT_EQ(kCallerError, GetLastError());
    EXPECT_STREQ("abcdef", buf);
    const std::vector<std::string> m = log.messages();
    ASSERT_EQ(2u, m.size());
    EXPECT_TRUE(recordMatches(m[1], "ml_ConvertInBufUTF8toUTF16 has failed to convert at %d line, file: %s"));
}

TEST(FindData, CopiesEveryNumberAndBothNamesInUtf8)
{
    LogCapture log;
    WIN32_FIND_DATAW wide = {};
    wide.dwFileAttributes = FILE_ATTRIBUTE_ARCHIVE;
    wide.ftCreationTime = {1, 2};
    wide.ftLastAccessTime = {3, 4};
    wide.ftLastWriteTime = {5, 6};
    wide.nFileSizeHigh = 7;
    wide.nFileSizeLow = 8;
    wide.dwReserved0 = 9;
    wide.dwReserved1 = 10;
    wcscpy(wide.cFileName, L"\x03B1\x03B2.txt");
    wcscpy(wide.cAlternateFileName, L"AB~1.TXT");
    WIN32_FIND_DATAA out;
    memset(&out, 0, sizeof out);
    EXPECT_EQ(1, ml_ConvertWIN32FindData16to8(&wide, &out));
    EXPECT_STREQ("\xCE\xB1\xCE\xB2.txt", out.cFileName);
    EXPECT_STREQ("AB~1.TXT", out.cAlternateFileName);

    // 130 two-byte characters need 261 bytes: the name fails, the numbers
    // are copied all the same.
    std::fill(wide.cFileName, wide.cFileName + 130, L'\x00E9');
    wide.cFileName[130] = 0;
    memset(&out, 0, sizeof out);
    SetLastError(kCallerError);
    EXPECT_EQ(0, ml_ConvertWIN32FindData16to8(&wide, &out));
    EXPECT_EQ(kCallerError, GetLastError());
    EXPECT_EQ(DWORD(FILE_ATTRIBUTE_ARCHIVE), out.dwFileAttributes);
    EXPECT_EQ(6u, out.ftLastWriteTime.dwHighDateTime);
    EXPECT_EQ(8u, out.nFileSizeLow);
    EXPECT_EQ(10u, out.dwReserved1);
    EXPECT_STREQ("AB~1.TXT", out.cAlternateFileName);
    const std::vector<std::string> m = log.messages();
    ASSERT_EQ(2u, m.size());
    EXPECT_TRUE(recordMatches(m[1], "ml_ConvertWIN32FindData16to8 has failed to convert at %d line, file: %s"));
}

TEST(ByteOrderMark, NeedsThreeBytes)
{
    unsigned char bytes[256] = {0x11, 0x22, 0x33};
    unsigned int size = 2;
    EXPECT_EQ(0, ml_GetUTF8BomBytes(bytes, &size));
    EXPECT_EQ(2u, size);
    EXPECT_EQ(0x11, bytes[0]);
    EXPECT_EQ(0, ml_GetUTF8BomBytes(NULL, &size));
    EXPECT_EQ(0, ml_GetUTF8BomBytes(bytes, NULL));
    size = 256;
    EXPECT_EQ(3, ml_GetUTF8BomBytes(bytes, &size));
    EXPECT_EQ(3u, size);
    EXPECT_EQ(0, memcmp(bytes, "\xEF\xBB\xBF", 3));
}

TEST(CodePages, AnsiRoundTripAndCharactersOutsideIt)
{
    LogCapture log;
    char out[64];
    SetLastError(kCallerError);
    EXPECT_EQ(1, ml_ConvertCurrCodePagetoUTF8("caf\xE9 \x80", out, sizeof out)); // 1252: é and the euro sign
    EXPECT_STREQ("caf\xC3\xA9 \xE2\x82\xAC", out);
    EXPECT_EQ(1, ml_ConvertUTF8toCurrCodePage("caf\xC3\xA9 \xE8\xA8\xAD", out, sizeof out));
    EXPECT_STREQ("caf\xE9 ?", out); // not in 1252
    EXPECT_EQ(1, ml_ConvertUTF8toCodePage("caf\xC3\xA9", out, sizeof out, 0)); // OEM 437
    EXPECT_STREQ("caf\x82", out);
    EXPECT_EQ(1, ml_ConvertUTF8toCodePage("caf\xC3\xA9", out, sizeof out, 1));
    EXPECT_STREQ("caf\xE9", out);
    EXPECT_EQ(kCallerError, GetLastError());
    EXPECT_TRUE(log.messages().empty());
}

TEST(CodePages, FailuresWriteTheirRecordsAndKeepTheLastError)
{
    LogCapture log;
    char out[8];
    SetLastError(kCallerError);
    EXPECT_EQ(0, ml_ConvertCurrCodePagetoUTF8(NULL, out, sizeof out));
    EXPECT_EQ(0, ml_ConvertCurrCodePagetoUTF8(std::string(2048, 'a').c_str(), out, sizeof out));
    EXPECT_EQ(0, ml_ConvertCurrCodePagetoUTF8("\xE9\xE9\xE9\xE9", out, sizeof out)); // 8 bytes + zero
    EXPECT_EQ(0, ml_ConvertUTF8toCurrCodePage("abc", NULL, sizeof out));
    EXPECT_EQ(0, ml_ConvertUTF8toCurrCodePage(std::string(2048, 'a').c_str(), out, sizeof out));
    EXPECT_EQ(0, ml_ConvertUTF8toCurrCodePage("abcdefgh", out, sizeof out));
    EXPECT_EQ(0, ml_ConvertUTF8toCodePage("abc", out, sizeof out, 2));
    EXPECT_EQ(kCallerError, GetLastError());

    const std::vector<std::string> m = log.messages();
    const std::vector<std::string> expected = {
        "ml_ConvertCurrCodePagetoUTF8: NULL input parm at %d line, file: %s",
        "ml_ConvertCurrCodePagetoUTF8 has failed to convert at %d line, file: %s",
        "ml_ConvertMultiSzUTF16toUTF8 has failed to convert at %d line, file: %s",
        "ml_ConvertCurrCodePagetoUTF8: Failed to convert from utf16->8 at %d line, file: %s",
        "ml_ConvertUTF8toCurrCodePage: NULL input parm at %d line, file: %s",
        "ml_ConvertMultiSzUTF8toUTF16 has failed to convert at %d line, file: %s. Error: 122",
        "ml_ConvertUTF8toCurrCodePage: Failed to convert from utf8->16 at %d line, file: %s",
        "ml_ConvertUTF8toCurrCodePage has failed (WideCharToMultiByte) to convert at %d line, file: %s",
        "ml_ConvertUTF8toCurrCodePage has failed (WideCharToMultiByte) to convert at %d line, file: %s, bufferSize: 8",
    };
    ASSERT_EQ(expected.size(), m.size());
    for (size_t i = 0; i < m.size(); ++i)
        EXPECT_TRUE(recordMatches(m[i], expected[i])) << i << ": " << m[i];
}

TEST(Console, PrintsTheTextAsItIsInTheOemCodePage)
{
    StdoutCapture capture;
    ml_PrintUTF8toConsole("100% caf\xC3\xA9 %s");
    const std::string longText = std::string(2047, 'x') + "y"; // 2048 bytes: the heap path
    ml_PrintUTF8toConsole(longText.c_str());
    ml_PrintUTF8toConsole(std::string(2047, 'z').c_str());
    EXPECT_EQ("100% caf\x82 %s" + longText + std::string(2047, 'z'), capture.text());
}

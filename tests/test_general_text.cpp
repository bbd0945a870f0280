// The runtime family's text operations: tokens, numbers, UTF-8 lengths,
// lines from standard input and formatted output.
#include <errno.h>
#include <fcntl.h>
#include <io.h>
#include <limits.h>
#include <string.h>

#include <functional>

#include "general/GeneralTest.h"

using namespace general;

TEST(StrtokS, SplitsOnBytesWithItsStateInTheContext)
{
    char text[] = "a,,b";
    char *context = NULL;
    EXPECT_STREQ("a", ml_strtok_s(text, ",", &context));
    EXPECT_STREQ("b", ml_strtok_s(NULL, ",", &context));
    EXPECT_EQ(NULL, ml_strtok_s(NULL, ",", &context));
    EXPECT_EQ(text + 4, context);
    EXPECT_EQ(NULL, ml_strtok_s(NULL, ",", &context));

    char commas[] = ",,,";
    EXPECT_EQ(NULL, ml_strtok_s(commas, ",", &context));
    EXPECT_EQ(commas + 3, context);

    // Two texts at once; ASCII delimiters split UTF-8 text.
    std::string first = std::string(kGreek) + " " + kCjk, second = "x;y";
    char *c1 = NULL, *c2 = NULL;
    EXPECT_STREQ(kGreek, ml_strtok_s(&first[0], " ", &c1));
    EXPECT_STREQ("x", ml_strtok_s(&second[0], ";", &c2));
    EXPECT_STREQ(kCjk, ml_strtok_s(NULL, " ", &c1));
    EXPECT_STREQ("y", ml_strtok_s(NULL, ";", &c2));

    char rest[] = "k";
    EXPECT_EQ(NULL, ml_strtok_s(rest, ",", NULL));
    context = NULL;
    EXPECT_EQ(NULL, ml_strtok_s(NULL, ",", &context));
}

TEST(Hextoul, ParsesUpToTheFirstSeparator)
{
    const struct {
        const char *text;
        unsigned long value;
    } cases[] = {
        {"1A/x", 26},          {"ff ff", 255},         {"", 0},           {"12G", 0xFFFFFFFFul},
        {"aBc\\d", 0xABC},     {"DEADBEEF", 0xDEADBEEFul}, {"100000001", 1}, // wraps
        {"1\xC3\xA9", 0xFFFFFFFFul}, {"-1", 0xFFFFFFFFul},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.value, ml_hextoul(c.text)) << c.text;
    EXPECT_EQ(0xFFFFFFFFul, ml_hextoul(NULL));
}

TEST(ZeroPadded, TwoFourAndTenDigits)
{
    char buf[12];
    EXPECT_EQ(buf, ml_itoa2(buf, 5));
    EXPECT_STREQ("05", buf);
    EXPECT_STREQ("123", ml_itoa2(buf, 123));
    EXPECT_STREQ("-0007", ml_itoa4(buf, -7));
    EXPECT_STREQ("0000000123", ml_itoa10(buf, 123));
    EXPECT_STREQ("-2147483648", ml_itoa10(buf, INT_MIN));
    EXPECT_EQ(NULL, ml_itoa2(NULL, 1));
    EXPECT_EQ(NULL, ml_itoa4(NULL, 1));
    EXPECT_EQ(NULL, ml_itoa10(NULL, 1));
}

TEST(Utf8Bytes, SequenceLengthByTheFirstByte)
{
    const struct {
        unsigned char lead;
        int bytes;
    } cases[] = {{0x41, 1}, {0x00, 1}, {0x80, 1}, {0xBF, 1}, {0xC3, 2}, {0xDF, 2},
                 {0xE2, 3}, {0xEF, 3}, {0xF0, 4}, {0xFF, 4}};
    for (const auto &c : cases) {
        const char text[2] = {static_cast<char>(c.lead), 0};
        EXPECT_EQ(c.bytes, ml_GetUTF8CharBytes(text)) << int(c.lead);
    }
    EXPECT_EQ(0u, ml_GetUTF16Bytes(NULL));
    EXPECT_EQ(0u, ml_GetUTF16Bytes(L""));
    EXPECT_EQ(6u, ml_GetUTF16Bytes(L"\x0395\xD83D\xDE00"));
}

TEST(Characters, AsciiAndTheRuntimesClasses)
{
    EXPECT_EQ(1, ml_isascii(0x7F));
    EXPECT_EQ(1, ml_isascii(0));
    EXPECT_EQ(0, ml_isascii(0x80));
    EXPECT_EQ(0, ml_isascii(-1));
    EXPECT_NE(0, ml_isxdigit('f'));
    EXPECT_EQ(0, ml_isxdigit('g'));
    EXPECT_NE(0, ml_isspace('\t'));
    EXPECT_EQ('A', ml_toupper('a'));
    EXPECT_EQ('z', ml_tolower('Z'));
}

TEST(Numbers, SixtyFourBitPassThroughs)
{
    EXPECT_EQ(9000000000ll, ml_atoi64("9000000000"));
    char buf[32];
    EXPECT_STREQ("-9000000000", ml_i64toa(-9000000000ll, buf, 10));
    EXPECT_STREQ("ffffffffffffffff", ml_ui64toa(~0ull, buf, 16));
    char *copy = ml_strdup(kGreek);
    EXPECT_STREQ(kGreek, copy);
    free(copy);
}

// Lines from a file as standard input, one buffer of exactly 2048 bytes.
TEST(Gets, NeverWritesPastItsBound)
{
    TempDir dir;
    const std::string input = dir.file("input.txt");
    writeFileBytes(input, "first\r\nline " + std::string(kGreek) + "\n" + std::string(2047, 'a') + "\n" +
                              std::string(2048, 'b') + "\n" + std::string(5000, 'c') + "\nlast");
    fflush(stdin);
    const int saved = _dup(0);
    const int fd = _wopen(widen(input).c_str(), _O_RDONLY | _O_TEXT);
    ASSERT_GE(fd, 0);
    _dup2(fd, 0);
    _close(fd);
    clearerr(stdin);

    struct {
        char line[ML_MAX_CHAR];
        unsigned char guard[16];
    } buf;
    memset(buf.guard, 0xA5, sizeof buf.guard);
    std::vector<std::string> lines;
    std::vector<int> errors;
    for (int i = 0; i < 8; ++i) {
        errno = 0;
        const char *got = ml_gets(buf.line);
        lines.push_back(got != NULL ? got : "(null)");
        errors.push_back(errno);
        if (got == NULL && errno == 0)
            break;
        if (got == NULL) {
            EXPECT_STREQ("", buf.line);
        }
    }
    fflush(stdin);
    _dup2(saved, 0);
    _close(saved);
    clearerr(stdin);

    for (unsigned char g : buf.guard)
        EXPECT_EQ(0xA5, g);
    ASSERT_EQ(7u, lines.size());
    EXPECT_EQ("first", lines[0]);
    EXPECT_EQ("line " + std::string(kGreek), lines[1]);
    EXPECT_EQ(std::string(2047, 'a'), lines[2]);
    EXPECT_EQ("(null)", lines[3]);
    EXPECT_EQ(ERANGE, errors[3]);
    EXPECT_EQ("(null)", lines[4]);
    EXPECT_EQ(ERANGE, errors[4]);
    EXPECT_EQ("last", lines[5]);
    EXPECT_EQ("(null)", lines[6]); // end of input
}

// An argument list, to hand through std::function.
struct ArgList {
    va_list list;
};

// Hands the arguments after print to it as one list.
static void withList(const std::function<void(ArgList &)> *print, ...)
{
    ArgList args;
    va_start(args.list, print);
    (*print)(args);
    va_end(args.list);
}

// One format gives one text, whichever member prints it: all of them are
// msvcrt's own formatter (three-digit exponents, %I64d).
TEST(Formatted, EveryMemberFormatsAsTheRuntime)
{
    const char *format = "%e|%I64d|%s";
    const double value = 12345.678;
    const long long big = -1234567890123ll;
    const std::string expected = std::string("1.234568e+004|-1234567890123|") + kGreek;
    TempDir dir;
    const std::string path = dir.file("printed.txt");
    char buf[128];
    const std::vector<std::pair<const char *, std::function<std::string()>>> members = {
        {"ml_sprintf", [&] { ml_sprintf(buf, format, value, big, kGreek); return std::string(buf); }},
        {"ml_snprintf", [&] { ml_snprintf(buf, sizeof buf, format, value, big, kGreek); return std::string(buf); }},
        {"ml_vsprintf", [&] {
             const std::function<void(ArgList &)> print = [&](ArgList &a) { ml_vsprintf(buf, format, a.list); };
             withList(&print, value, big, kGreek);
             return std::string(buf);
         }},
        {"ml_vsnprintf", [&] {
             const std::function<void(ArgList &)> print = [&](ArgList &a) { ml_vsnprintf(buf, sizeof buf, format, a.list); };
             withList(&print, value, big, kGreek);
             return std::string(buf);
         }},
        {"ml_printf", [&] {
             StdoutCapture out;
             ml_printf(format, value, big, kGreek);
             fflush(stdout);
             return out.text();
         }},
        {"ml_vprintf", [&] {
             StdoutCapture out;
             const std::function<void(ArgList &)> print = [&](ArgList &a) { ml_vprintf(format, a.list); };
             withList(&print, value, big, kGreek);
             fflush(stdout);
             return out.text();
         }},
        {"ml_fprintf", [&] {
             FILE *f = ml_fopen(path.c_str(), "w");
             ml_fprintf(f, format, value, big, kGreek);
             fclose(f);
             return readFileBytes(path);
         }},
        {"ml_vfprintf", [&] {
             FILE *f = ml_fopen(path.c_str(), "w");
             const std::function<void(ArgList &)> print = [&](ArgList &a) { ml_vfprintf(f, format, a.list); };
             withList(&print, value, big, kGreek);
             fclose(f);
             return readFileBytes(path);
         }},
    };
    for (const auto &m : members)
        EXPECT_EQ(expected, m.second()) << m.first;
}

TEST(Formatted, Utf8BytesPassThroughUnchanged)
{
    char buf[64];
    EXPECT_EQ(9, ml_sprintf(buf, "%s-%02d", kCjk, 7));
    EXPECT_EQ(std::string(kCjk) + "-07", buf);
    StdoutCapture out;
    EXPECT_EQ(17, ml_printf("%s%c", kGreek, '!'));
    fflush(stdout);
    EXPECT_EQ(std::string(kGreek) + "!", out.text());
}

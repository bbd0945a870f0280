// The failure log: record form, the console fallback, threads, long messages.
#include <MultiLanguage/mlLogger.h>

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <thread>
#include <vector>

#include <errno.h>
#include <sys/timeb.h>
#include <time.h>

#include "LogCapture.h"

namespace {

std::vector<std::string> lines(const std::string &text)
{
    std::vector<std::string> out;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        out.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

} // namespace

// Standard output is the program's own: the line goes to standard error.
TEST(Logger, FallsBackToOneConsoleLineWhileTheLogIsClosedOrOpening)
{
    ASSERT_EQ(NULL, g_pFileLogger);
    StdoutCapture out, err(2);
    SetLastError(0x4321);
    errno = 0x21;
    ml_Logger("lost %d", 1);
    EXPECT_EQ(0x4321u, GetLastError());
    EXPECT_EQ(0x21, errno);
    g_pFileLogger = ML_LOGGER_OPENING;
    ml_Logger("lost too");
    g_pFileLogger = NULL;
    EXPECT_EQ("", out.text());
    EXPECT_EQ("ml_Logger g_pFileLogger is NULL\n" "ml_Logger g_pFileLogger is NULL\n", err.text());
}

TEST(Logger, RecordTakesTwoLinesWithTheLocalTimeAndMilliseconds)
{
    LogCapture log;
    struct _timeb before, after;
    _ftime(&before);
    SetLastError(0x4321);
    ml_Logger("x");
    EXPECT_EQ(0x4321u, GetLastError());
    _ftime(&after);

    const std::vector<std::string> l = lines(log.text());
    ASSERT_EQ(2u, l.size());
    EXPECT_EQ(" x", l[1]);
    std::smatch m;
    // Weekday, month, two-digit day, time, milliseconds without leading zeros, year.
    ASSERT_TRUE(std::regex_match(l[0], m,
                                 std::regex("(\\w{3} \\w{3} \\d\\d \\d\\d:\\d\\d:\\d\\d)\\.(0|[1-9]\\d{0,2}) (\\d{4})")))
        << l[0];
    const std::string start = ctime(&before.time), end = ctime(&after.time);
    EXPECT_TRUE(m[1] == start.substr(0, 19) || m[1] == end.substr(0, 19)) << l[0];
    EXPECT_TRUE(m[3] == start.substr(20, 4) || m[3] == end.substr(20, 4)) << l[0];
    if (before.time == after.time) {
        const int ms = std::stoi(m[2]);
        EXPECT_GE(ms, before.millitm);
        EXPECT_LE(ms, after.millitm);
    }
}

TEST(Logger, FormatsItsArgumentsAndCutsLongMessagesWithinTheBuffer)
{
    LogCapture log;
    ml_Logger("%s has failed to convert at %d line, file: %s", "ml_x", 12, "C:\\src\\a.cpp");
    ml_Logger("%s", std::string(5000, 'a').c_str());
    ml_Logger("%s", std::string(2047, 'b').c_str());
    // 2-byte characters: a cut at 2047 bytes would split the last one.
    std::string twoByte;
    for (int i = 0; i < 1500; ++i)
        twoByte += "\xC3\xA9";
    ml_Logger("%s", twoByte.c_str());
    const std::vector<std::string> m = log.messages();
    ASSERT_EQ(4u, m.size());
    EXPECT_EQ("ml_x has failed to convert at 12 line, file: C:\\src\\a.cpp", m[0]);
    EXPECT_EQ(std::string(2047, 'a'), m[1]);
    EXPECT_EQ(std::string(2047, 'b'), m[2]);
    EXPECT_EQ(twoByte.substr(0, 2046), m[3]);
}

TEST(Logger, RecordsFromEightThreadsNeverInterleave)
{
    LogCapture log;
    const int threads = 8, each = 200;
    std::vector<std::thread> pool;
    for (int t = 0; t < threads; ++t)
        pool.emplace_back([t] {
            for (int i = 0; i < each; ++i)
                ml_Logger("thread %d record %d %s", t, i, std::string(100, char('a' + t)).c_str());
        });
    for (std::thread &th : pool)
        th.join();

    const std::vector<std::string> l = lines(log.text());
    ASSERT_EQ(size_t(2 * threads * each), l.size());
    const std::regex dateLine("\\w{3} \\w{3} \\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{1,3} \\d{4}");
    const std::regex messageLine(" thread ([0-7]) record (\\d+) ([a-h])\\3{99}");
    std::vector<int> next(threads, 0);
    for (size_t i = 0; i < l.size(); i += 2) {
        ASSERT_TRUE(std::regex_match(l[i], dateLine)) << l[i];
        std::smatch m;
        ASSERT_TRUE(std::regex_match(l[i + 1], m, messageLine)) << l[i + 1];
        const int t = std::stoi(m[1]);
        EXPECT_EQ(char('a' + t), m[3].str()[0]);
        EXPECT_EQ(next[t]++, std::stoi(m[2])); // each thread's records in its order
    }
}

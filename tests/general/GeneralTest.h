// What the runtime-family tests share.
#ifndef ML_TEST_GENERAL_H
#define ML_TEST_GENERAL_H

#include <MultiLanguage/ml.h>

#include <gtest/gtest.h>

#include <io.h>
#include <time.h>

#include <string>
#include <vector>

#include "LogCapture.h"
#include "TempDir.h"

namespace general {

const DWORD kCallerError = 0x1234;
const char kGreek[] = "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xB7\xCE\xBD\xCE\xB9\xCE\xBA\xCE\xAC"; // Ελληνικά
const char kCjk[] = "\xE8\xA8\xAD\xE5\xAE\x9A";                                         // 設定
const char kNullRecord[] = "ml_ConvertMultiSzUTF8toUTF16 input is NULL %d line, file: %s";
const char kTooLongRecord[] = "ml_ConvertMultiSzUTF8toUTF16 has failed to convert at %d line, file: %s. Error: 122";
const char kNotUtf8Record[] = "ml_ConvertMultiSzUTF8toUTF16 has failed to convert at %d line, file: %s. Error: 1113";
const char kInPlaceRecord[] = "ml_ConvertInBufUTF16toUTF8 has failed to convert at %d line, file: %s";
const char kInPlaceTooBigRecord[] =
    "ml_ConvertInBufUTF16toUTF8 has failed to convert (buffer larger than ML_MAX_CHAR)at %d line, file: %s";
const char kToUtf8Record[] = "ml_ConvertMultiSzUTF16toUTF8 has failed to convert at %d line, file: %s";

// 2048 BMP characters: one unit too many for a conversion buffer.
inline std::string tooLong() { return std::string(2048, 'a'); }

inline void expectRecords(LogCapture &log, const std::vector<std::string> &formats)
{
    const std::vector<std::string> m = log.messages();
    ASSERT_EQ(formats.size(), m.size());
    for (size_t i = 0; i < m.size(); ++i)
        EXPECT_TRUE(recordMatches(m[i], formats[i])) << "record " << i << ": " << m[i];
}

// The folder of the running test program, in UTF-8.
inline std::string programFolder()
{
    WCHAR path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(NULL, path, MAX_PATH);
    std::wstring folder(path, n);
    return narrow(folder.substr(0, folder.find_last_of(L'\\')));
}

// Names that no Windows program can make: a Linux name of 200 bytes that are
// not UTF-8, which Wine shows as 200 U+FFFD, 600 bytes in UTF-8. The test
// test_general_names creates them before the programs that use them run.
class LongNames : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = programFolder() + "\\general_names";
        if (GetFileAttributesW(widen(root + "\\first").c_str()) == INVALID_FILE_ATTRIBUTES)
            GTEST_SKIP() << "run through ctest: test_general_names makes " << root;
    }
    std::string root;
};

// The runtime's own wide search and clock for this target's records, to
// check the members against.
#ifdef _WIN64
inline intptr_t wideFindFirst(const wchar_t *pattern, ml_wfinddata_t *found) { return _wfindfirst64i32(pattern, found); }
inline ml_time_t timeNow() { return _time64(NULL); }
#else
inline intptr_t wideFindFirst(const wchar_t *pattern, ml_wfinddata_t *found) { return _wfindfirst32(pattern, found); }
inline ml_time_t timeNow() { return _time32(NULL); }
#endif

} // namespace general

#endif

// Shared by the accounts, network and time-zone tests.
#ifndef ML_TEST_NETWORK_TEST_H
#define ML_TEST_NETWORK_TEST_H

#include <MultiLanguage/ml.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GuardedBuffer.h"
#include "LogCapture.h"
#include "TempDir.h"

namespace network {

const DWORD kCallerError = 0x1234;
const char kGreek[] = "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xB7\xCE\xBD\xCE\xB9\xCE\xBA\xCE\xAC"; // Ελληνικά
const char kTooLongRecord[] = "ml_ConvertMultiSzUTF8toUTF16 has failed to convert at %d line, file: %s. Error: 122";
const char kNotUtf8Record[] = "ml_ConvertMultiSzUTF8toUTF16 has failed to convert at %d line, file: %s. Error: 1113";

// 2048 characters of the Basic Multilingual Plane: one unit too many for a
// conversion buffer.
inline std::string tooLong() { return std::string(2048, 'a'); }

inline void expectRecords(LogCapture &log, const std::vector<std::string> &formats, const std::string &where = "")
{
    const std::vector<std::string> m = log.messages();
    ASSERT_EQ(formats.size(), m.size()) << where;
    for (size_t i = 0; i < m.size(); ++i)
        EXPECT_TRUE(recordMatches(m[i], formats[i])) << where << ", record " << i << ": " << m[i];
}

// The world SID, S-1-1-0.
class WorldSid {
public:
    WorldSid()
    {
        SID_IDENTIFIER_AUTHORITY world = {SECURITY_WORLD_SID_AUTHORITY};
        AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &m_sid);
    }
    ~WorldSid() { FreeSid(m_sid); }
    PSID get() const { return m_sid; }
    WorldSid(const WorldSid &) = delete;
    WorldSid &operator=(const WorldSid &) = delete;

private:
    PSID m_sid = NULL;
};

// The user who runs the tests: UTF-8 name, domain and SID, by the wide
// functions alone.
struct CurrentUser {
    std::string name, domain;
    BYTE sid[SECURITY_MAX_SID_SIZE];
    CurrentUser();
};

} // namespace network

#endif

// Host names, UNC paths, network shares and connections, against the real
// platform.
#include <string.h>

#include <algorithm>
#include <thread>

#include "network/NetworkTest.h"

#include <lm.h>

using namespace network;

namespace {

// The host lookups need the socket library started, as any caller does.
class SocketsStarted : public ::testing::Environment {
public:
    void SetUp() override
    {
        WSADATA data;
        ASSERT_EQ(0, WSAStartup(MAKEWORD(1, 1), &data));
    }
    void TearDown() override { WSACleanup(); }
};
::testing::Environment *const sockets = ::testing::AddGlobalTestEnvironment(new SocketsStarted);

std::string dotted(const hostent *host)
{
    const unsigned char *a = reinterpret_cast<const unsigned char *>(host->h_addr_list[0]);
    return std::to_string(a[0]) + "." + std::to_string(a[1]) + "." + std::to_string(a[2]) + "." + std::to_string(a[3]);
}

const unsigned char kLoopback[4] = {127, 0, 0, 1};

} // namespace

// ---- Host names ------------------------------------------------------------

TEST(HostLookup, LocalhostByNameAndByAddress)
{
    LogCapture log;
    hostent *byName = ml_gethostbyname("localhost");
    ASSERT_NE(nullptr, byName);
    EXPECT_STREQ("localhost", byName->h_name);
    EXPECT_EQ(AF_INET, byName->h_addrtype);
    EXPECT_EQ(4, byName->h_length);
    EXPECT_EQ("127.0.0.1", dotted(byName));

    hostent *byAddress = ml_gethostbyaddr(reinterpret_cast<const char *>(kLoopback), 4, AF_INET);
    ASSERT_EQ(byName, byAddress); // one record per thread
    EXPECT_STREQ("localhost", byAddress->h_name);
    EXPECT_EQ("127.0.0.1", dotted(byAddress));

    // The platform names a host looked up by its address after the address.
    ASSERT_NE(nullptr, ml_gethostbyname("127.0.0.1"));
    EXPECT_STREQ("127.0.0.1", byName->h_name);

    // No name is the local host, as for the platform.
    char local[256];
    ASSERT_EQ(0, gethostname(local, sizeof local));
    ASSERT_NE(nullptr, ml_gethostbyname(NULL));
    EXPECT_STREQ(local, byName->h_name);

    // Unknown hosts: NULL, no record, the socket library's error.
    EXPECT_EQ(nullptr, ml_gethostbyname("nosuch.invalid"));
    EXPECT_NE(0, WSAGetLastError());
    const unsigned char unknown[4] = {192, 0, 2, 1};
    SetLastError(kCallerError);
    hostent *platform = gethostbyaddr(reinterpret_cast<const char *>(unknown), 4, AF_INET);
    hostent *ours = ml_gethostbyaddr(reinterpret_cast<const char *>(unknown), 4, AF_INET);
    EXPECT_EQ(platform == NULL, ours == NULL);
    EXPECT_TRUE(log.messages().empty());
}

TEST(HostLookup, EachThreadKeepsItsOwnRecord)
{
    hostent *first = ml_gethostbyname("localhost");
    ASSERT_NE(nullptr, first);
    hostent *second = ml_gethostbyname("127.0.0.1");
    ASSERT_EQ(first, second);
    EXPECT_STREQ("127.0.0.1", first->h_name); // the second lookup shows through the first pointer

    hostent *other = NULL;
    std::string otherName;
    std::thread([&] {
        other = ml_gethostbyaddr(reinterpret_cast<const char *>(kLoopback), 4, AF_INET);
        if (other != NULL)
            otherName = other->h_name;
    }).join();
    EXPECT_NE(nullptr, other);
    EXPECT_NE(first, other);
    EXPECT_EQ("localhost", otherName);
    EXPECT_STREQ("127.0.0.1", first->h_name);
}

TEST(HostLookup, NamesThatDoNotConvert)
{
    LogCapture log;
    SetLastError(kCallerError);
    EXPECT_EQ(nullptr, ml_gethostbyname(tooLong().c_str()));
    EXPECT_EQ(kCallerError, GetLastError());
    // A name outside the ANSI code page reaches the platform with '?' for
    // what it cannot show, and is not found.
    EXPECT_EQ(nullptr, ml_gethostbyname(kGreek));
    expectRecords(log, {kTooLongRecord, "ml_ConvertUTF8toCurrCodePage: Failed to convert from utf8->16 at %d line, file: %s",
                        "ml_gethostbyname: had failed at ml_ConvertUTF8toCurrCodePage"});
}

TEST(HostName, SmallAndSufficientBuffers)
{
    char platform[256];
    ASSERT_EQ(0, gethostname(platform, sizeof platform));
    LogCapture log;
    char name[256];
    EXPECT_EQ(0, ml_gethostname(name, sizeof name));
    EXPECT_STREQ(platform, name); // ASCII: the same in UTF-8

    char small[2] = {'Z', 'Z'};
    EXPECT_EQ(-1, ml_gethostname(small, sizeof small));
    EXPECT_EQ(-1, ml_gethostname(small, 0));
    EXPECT_EQ(-1, ml_gethostname(small, -1));
    EXPECT_EQ(-1, ml_gethostname(NULL, 64));
    const std::vector<std::string> m = log.messages();
    ASSERT_FALSE(m.empty());
    EXPECT_EQ("ml_gethostname: had failed at ml_ConvertCurrCodePagetoUTF8", m.back());
    EXPECT_EQ(4, std::count(m.begin(), m.end(), "ml_gethostname: had failed at ml_ConvertCurrCodePagetoUTF8"));
}

// ---- UNC paths -------------------------------------------------------------

TEST(UncHostToIp, RewritesTheHostOrCopiesOtherPaths)
{
    const std::string longShare = "\\\\localhost\\" + std::string(2047 - 12, 's');
    const struct {
        std::string path;
        int result;
        std::string out;
    } cases[] = {
        {"\\\\localhost\\share\\dir", 1, "\\\\127.0.0.1\\share\\dir"},
        {"\\\\127.0.0.1\\share", 1, "\\\\127.0.0.1\\share"},
        {"\\\\LOCALHOST\\", 1, "\\\\127.0.0.1\\"},
        {"C:\\dir\\file", 1, "C:\\dir\\file"},
        {"\\single\\x", 1, "\\single\\x"},
        {"", 1, ""},
        {longShare, 1, "\\\\127.0.0.1\\" + std::string(2047 - 12, 's')}, // 2047 bytes
        {longShare + "s", 0, "untouched"},                                 // 2048 bytes
        {"\\\\localhost", 0, "untouched"},
        {"\\\\\\share", 0, "untouched"}, // no host at all
        {"\\\\nosuch.invalid\\share", 0, "untouched"},
    };
    LogCapture log;
    for (const auto &c : cases) {
        std::vector<char> out(4096, 0);
        strcpy(out.data(), "untouched");
        EXPECT_EQ(c.result, ml_ConvertUNCHostToIP(c.path.c_str(), out.data(), out.size())) << c.path;
        EXPECT_EQ(c.out, out.data()) << c.path;
    }
    char out[8] = "same";
    EXPECT_EQ(0, ml_ConvertUNCHostToIP(NULL, out, sizeof out));
    EXPECT_EQ(0, ml_ConvertUNCHostToIP("\\\\localhost\\s", NULL, 64));
    EXPECT_EQ(0, ml_ConvertUNCHostToIP("C:", out, 0));
    EXPECT_STREQ("same", out);
    EXPECT_TRUE(log.messages().empty());
}

// ---- Network connections and shares ----------------------------------------

TEST(Connections, AddConnectionHandsOnTheRecordOrNull)
{
    LogCapture log;
    NETRESOURCEW wideRecord = {};
    wideRecord.dwType = RESOURCETYPE_DISK;
    NETRESOURCEA record = {};
    record.dwType = RESOURCETYPE_DISK;
    // A NULL record, and one whose four strings are all NULL.
    EXPECT_EQ(WNetAddConnection2W(NULL, NULL, NULL, 0), ml_WNetAddConnection2(NULL, NULL, NULL, 0));
    EXPECT_EQ(WNetAddConnection2W(&wideRecord, NULL, NULL, 0), ml_WNetAddConnection2(&record, NULL, NULL, 0));
    EXPECT_EQ(WNetCancelConnection2W(L"Z:", 0, TRUE), ml_WNetCancelConnection2("Z:", 0, TRUE));
    EXPECT_TRUE(log.messages().empty());
}

TEST(Shares, PlatformStatusesAndPassThroughs)
{
    LogCapture log;
    EXPECT_EQ(NetUseDel(NULL, const_cast<LMSTR>(L"Z:"), 0), ml_NetUseDel(NULL, "Z:", 0));
    EXPECT_EQ(NetUserChangePassword(NULL, L"nosuch", L"a", L"b"), ml_NetUserChangePassword(NULL, "nosuch", "a", "b"));

    LPBYTE info = NULL;
    ASSERT_EQ(0u, ml_NetWkstaGetInfo(NULL, 100, &info));
    WCHAR computer[MAX_COMPUTERNAME_LENGTH + 1];
    DWORD length = MAX_COMPUTERNAME_LENGTH + 1;
    GetComputerNameW(computer, &length);
    EXPECT_EQ(0, lstrcmpiW(computer, reinterpret_cast<WKSTA_INFO_100 *>(info)->wki100_computername));
    NetApiBufferFree(info);
    EXPECT_TRUE(log.messages().empty());
}

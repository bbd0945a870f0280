// Accounts, privileges, file security, the cryptographic provider and the
// time zone; and two tables that walk every member of the family: names too
// long to convert, and output buffers followed by a guard page.
#include <string.h>

#include <functional>

#include "network/NetworkTest.h"

#include <lm.h>

using namespace network;

network::CurrentUser::CurrentUser()
{
    WCHAR user[256], wideDomain[256];
    DWORD userLength = 256, sidSize = sizeof sid, domainLength = 256;
    SID_NAME_USE use;
    GetUserNameW(user, &userLength);
    LookupAccountNameW(NULL, user, sid, &sidSize, wideDomain, &domainLength, &use);
    name = narrow(user);
    domain = narrow(wideDomain);
}

namespace {

const char kToUtf8Record[] = "ml_ConvertMultiSzUTF16toUTF8 has failed to convert at %d line, file: %s";
const char kDomainRecord[] = "ml_LookupAccountName has failed to convert 2 at %d line, file: %s";

// The domain that the platform gives the world SID.
std::string worldDomain()
{
    WorldSid world;
    WCHAR name[64], domain[64];
    DWORD nameLength = 64, domainLength = 64;
    SID_NAME_USE use;
    LookupAccountSidW(NULL, world.get(), name, &nameLength, domain, &domainLength, &use);
    return narrow(domain);
}

} // namespace

// ---- Accounts ----------------------------------------------------------------

TEST(AccountByName, EveryOneIsTheWorldSidWithoutALookup)
{
    WorldSid world;
    const std::string domain = worldDomain();
    // The platform refuses the domain forms: only the member answers them.
    for (const char *name : {"everyone", "EVERYONE", "EveryOne", "NT AUTHORITY\\EveryOne", "x\\eVeRyOnE", "\\everyone"}) {
        LogCapture log;
        BYTE sid[SECURITY_MAX_SID_SIZE] = {};
        DWORD sidSize = sizeof sid;
        char domainOut[64] = "Z";
        DWORD domainSize = sizeof domainOut;
        SID_NAME_USE use = SidTypeInvalid;
        ASSERT_EQ(TRUE, ml_LookupAccountName(NULL, name, sid, &sidSize, domainOut, &domainSize, &use)) << name;
        EXPECT_EQ(12u, sidSize) << name;
        EXPECT_TRUE(EqualSid(world.get(), sid)) << name;
        EXPECT_EQ(SidTypeWellKnownGroup, use) << name;
        EXPECT_EQ(domain, domainOut) << name;
        EXPECT_EQ(domain.size() + 1, domainSize) << name; // this path counts the terminator
        EXPECT_TRUE(log.messages().empty()) << name;
    }
}

TEST(AccountByName, EveryOneIntoASmallSidOrWithoutADomainBuffer)
{
    BYTE sid[SECURITY_MAX_SID_SIZE];
    memset(sid, 0xCC, sizeof sid);
    DWORD sidSize = 8, domainSize = 64;
    char domain[64];
    SID_NAME_USE use;
    SetLastError(kCallerError);
    EXPECT_EQ(FALSE, ml_LookupAccountName(NULL, "EveryOne", sid, &sidSize, domain, &domainSize, &use));
    EXPECT_EQ(12u, sidSize);
    EXPECT_EQ(DWORD(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    EXPECT_EQ(0xCC, sid[0]);
    EXPECT_EQ(worldDomain().size() + 1, domainSize);

    // The SID at the end of a guarded buffer: exactly 12 bytes, then 11.
    WorldSid world;
    for (DWORD size : {12u, 11u}) {
        GuardedBuffer guarded(size);
        sidSize = size;
        domainSize = sizeof domain;
        const BOOL found = ml_LookupAccountName(NULL, "everyone", guarded.data(), &sidSize, domain, &domainSize, &use);
        EXPECT_EQ(size == 12 ? TRUE : FALSE, found) << size;
        EXPECT_EQ(12u, sidSize);
        if (found)
            EXPECT_TRUE(EqualSid(world.get(), guarded.data()));
        else
            EXPECT_TRUE(guarded.untouched());
    }

    sidSize = sizeof sid;
    domainSize = 77;
    EXPECT_EQ(TRUE, ml_LookupAccountName(NULL, "NT AUTHORITY\\EveryOne", sid, &sidSize, NULL, &domainSize, &use));
    EXPECT_EQ(12u, sidSize);
    EXPECT_EQ(77u, domainSize);
}

TEST(AccountByName, OtherNamesGoToThePlatform)
{
    const CurrentUser user;
    LogCapture log;
    BYTE sid[SECURITY_MAX_SID_SIZE];
    DWORD sidSize = sizeof sid;
    char domain[64];
    DWORD domainSize = sizeof domain;
    SID_NAME_USE use;
    ASSERT_EQ(TRUE, ml_LookupAccountName(NULL, user.name.c_str(), sid, &sidSize, domain, &domainSize, &use));
    EXPECT_TRUE(EqualSid(const_cast<BYTE *>(user.sid), sid));
    EXPECT_EQ(user.domain, domain);
    EXPECT_EQ(user.domain.size(), domainSize); // without the terminator

    // The part after the first backslash is b\EveryOne; the platform refuses
    // it as it refuses any unknown name, and the domain size it leaves is
    // counted four bytes to a character.
    for (const char *name : {"a\\b\\EveryOne", "everyonex", "every", "nosuch user"}) {
        const std::wstring wide = widen(name);
        DWORD wideSidSize = sizeof sid, wideDomain = 2048;
        WCHAR wideDomainOut[2048];
        SetLastError(kCallerError);
        const BOOL platform = LookupAccountNameW(NULL, wide.c_str(), sid, &wideSidSize, wideDomainOut, &wideDomain, &use);
        const DWORD platformError = GetLastError();
        ASSERT_EQ(FALSE, platform) << name;
        sidSize = sizeof sid;
        domainSize = sizeof domain;
        SetLastError(kCallerError);
        EXPECT_EQ(FALSE, ml_LookupAccountName(NULL, name, sid, &sidSize, domain, &domainSize, &use)) << name;
        EXPECT_EQ(platformError, GetLastError()) << name;
        EXPECT_EQ(wideDomain * 4, domainSize) << name;
    }
    EXPECT_TRUE(log.messages().empty());
}

TEST(AccountByName, DomainThatDoesNotFitReportsItsSize)
{
    const CurrentUser user;
    LogCapture log;
    BYTE sid[SECURITY_MAX_SID_SIZE];
    DWORD sidSize = sizeof sid;
    char domain[64] = "";
    DWORD domainSize = static_cast<DWORD>(user.domain.size()); // no room for the terminator
    SID_NAME_USE use;
    EXPECT_EQ(FALSE, ml_LookupAccountName(NULL, user.name.c_str(), sid, &sidSize, domain, &domainSize, &use));
    EXPECT_EQ(user.domain.size() + 1, domainSize);
    expectRecords(log, {kToUtf8Record, kDomainRecord});
}

TEST(AccountBySid, SizesCountTheTerminator)
{
    const CurrentUser user;
    LogCapture log;
    char name[64], domain[64];
    DWORD nameSize = sizeof name, domainSize = sizeof domain;
    SID_NAME_USE use = SidTypeInvalid;
    ASSERT_EQ(TRUE, ml_LookupAccountSid(NULL, const_cast<BYTE *>(user.sid), name, &nameSize, domain, &domainSize, &use));
    EXPECT_EQ(user.name, name);
    EXPECT_EQ(user.domain, domain);
    EXPECT_EQ(user.name.size() + 1, nameSize);
    EXPECT_EQ(user.domain.size() + 1, domainSize);
    EXPECT_EQ(SidTypeUser, use);

    // Without a domain buffer the platform has no room for the domain and
    // refuses the call: the sizes stay as they were.
    nameSize = 55;
    domainSize = 99;
    EXPECT_EQ(FALSE, ml_LookupAccountSid(NULL, const_cast<BYTE *>(user.sid), name, &nameSize, NULL, &domainSize, &use));
    EXPECT_EQ(DWORD(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    EXPECT_EQ(55u, nameSize);
    EXPECT_EQ(99u, domainSize);
    EXPECT_EQ(FALSE, ml_LookupAccountSid(NULL, const_cast<BYTE *>(user.sid), NULL, &nameSize, NULL, &domainSize, &use));
    EXPECT_EQ(55u, nameSize);
    EXPECT_EQ(99u, domainSize);
    EXPECT_TRUE(log.messages().empty());

    // A name that does not fit: both sizes are still reported.
    nameSize = 2;
    domainSize = sizeof domain;
    EXPECT_EQ(FALSE, ml_LookupAccountSid(NULL, const_cast<BYTE *>(user.sid), name, &nameSize, domain, &domainSize, &use));
    EXPECT_EQ(user.name.size() + 1, nameSize);
    EXPECT_EQ(user.domain.size() + 1, domainSize);
    expectRecords(log, {kToUtf8Record, "ml_LookupAccountSid has failed to convert 2 at %d line, file: %s"});
}

// ---- Privileges, file security, crypto, logon ----------------------------------

TEST(Security, PrivilegesFileSecurityProviderAndLogon)
{
    LogCapture log;
    LUID luid = {}, platform = {};
    ASSERT_EQ(TRUE, LookupPrivilegeValueW(NULL, L"SeShutdownPrivilege", &platform));
    EXPECT_EQ(TRUE, ml_LookupPrivilegeValue(NULL, "SeShutdownPrivilege", &luid));
    EXPECT_EQ(platform.LowPart, luid.LowPart);
    EXPECT_EQ(platform.HighPart, luid.HighPart);
    EXPECT_EQ(FALSE, ml_LookupPrivilegeValue(NULL, "SeNoSuchPrivilege", &luid));
    EXPECT_EQ(DWORD(ERROR_NO_SUCH_PRIVILEGE), GetLastError());

    TempDir dir;
    const std::string file = dir.file(std::string(kGreek) + ".txt");
    writeFileBytes(file, "x");
    SECURITY_DESCRIPTOR descriptor;
    InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
    SetSecurityDescriptorDacl(&descriptor, TRUE, NULL, FALSE);
    EXPECT_EQ(TRUE, ml_SetFileSecurity(file.c_str(), DACL_SECURITY_INFORMATION, &descriptor));
    EXPECT_EQ(FALSE, ml_SetFileSecurity(dir.file("missing\\x").c_str(), DACL_SECURITY_INFORMATION, &descriptor));
    EXPECT_EQ(DWORD(ERROR_PATH_NOT_FOUND), GetLastError());

    HCRYPTPROV provider = 0;
    ASSERT_EQ(TRUE, ml_CryptAcquireContext(&provider, NULL, MS_DEF_PROV_A, PROV_RSA_FULL, CRYPT_VERIFYCONTEXT));
    CryptReleaseContext(provider, 0);
    EXPECT_EQ(FALSE, ml_CryptAcquireContext(&provider, NULL, kGreek, PROV_RSA_FULL, CRYPT_VERIFYCONTEXT));

    // A user-principal name with no domain.
    HANDLE token = NULL, wideToken = NULL;
    const BOOL wide = LogonUserW(L"nobody@example.invalid", NULL, L"pw", LOGON32_LOGON_NETWORK,
                                 LOGON32_PROVIDER_DEFAULT, &wideToken);
    EXPECT_EQ(wide, ml_LogonUser("nobody@example.invalid", NULL, "pw", LOGON32_LOGON_NETWORK,
                                 LOGON32_PROVIDER_DEFAULT, &token));
    if (wide) {
        CloseHandle(token);
        CloseHandle(wideToken);
    }
    EXPECT_TRUE(log.messages().empty());
}

// ---- Time zone -------------------------------------------------------------------

TEST(TimeZone, BothNamesInUtf8)
{
    TIME_ZONE_INFORMATION wide;
    const DWORD platform = GetTimeZoneInformation(&wide);
    // The record ends where the guard page begins.
    GuardedBuffer buffer(sizeof(ML_TIME_ZONE_INFORMATION));
    ML_TIME_ZONE_INFORMATION *zone = reinterpret_cast<ML_TIME_ZONE_INFORMATION *>(buffer.data());
    LogCapture log;
    EXPECT_EQ(platform, ml_GetTimeZoneInformation(zone));
    EXPECT_EQ(narrow(wide.StandardName), zone->StandardName);
    EXPECT_EQ(narrow(wide.DaylightName), zone->DaylightName);
    EXPECT_FALSE(std::string(zone->StandardName).empty());
    EXPECT_EQ(wide.Bias, zone->Bias);
    EXPECT_EQ(wide.StandardBias, zone->StandardBias);
    EXPECT_EQ(wide.DaylightBias, zone->DaylightBias);
    EXPECT_EQ(0, memcmp(&wide.StandardDate, &zone->StandardDate, sizeof(SYSTEMTIME)));
    EXPECT_EQ(0, memcmp(&wide.DaylightDate, &zone->DaylightDate, sizeof(SYSTEMTIME)));
    // Without a record only the id comes back (the platform itself would
    // write through NULL).
    EXPECT_EQ(platform, ml_GetTimeZoneInformation(NULL));
    EXPECT_TRUE(log.messages().empty());
}

TEST(TimeZone, LocalTimeThroughARecordOfOurs)
{
    ML_TIME_ZONE_INFORMATION zone = {};
    zone.Bias = -90;
    strcpy(zone.StandardName, kGreek);
    strcpy(zone.DaylightName, std::string(31, 'd').c_str()); // 31 units and the terminator fit
    const SYSTEMTIME universal = {2026, 12, 2, 8, 12, 0, 0, 0};
    SYSTEMTIME local = {}, platformLocal = {};
    LogCapture log;
    ASSERT_EQ(TRUE, ml_SystemTimeToTzSpecificLocalTime(&zone, &universal, &local));
    EXPECT_EQ(13, local.wHour);
    EXPECT_EQ(30, local.wMinute);
    ASSERT_EQ(TRUE, SystemTimeToTzSpecificLocalTime(NULL, &universal, &platformLocal));
    EXPECT_EQ(TRUE, ml_SystemTimeToTzSpecificLocalTime(NULL, &universal, &local));
    EXPECT_EQ(0, memcmp(&platformLocal, &local, sizeof local));
    EXPECT_TRUE(log.messages().empty());
}

TEST(TimeZone, NamesOverThirtyTwoUnitsOrUnterminatedAreRefused)
{
    const SYSTEMTIME universal = {2026, 12, 2, 8, 12, 0, 0, 0};
    SYSTEMTIME local = {};
    const char kRecord[] = "ml_SystemTimeToTzSpecificLocalTime has failed to convert at %d line, file: %s";
    ML_TIME_ZONE_INFORMATION zone = {};
    LogCapture log;
    strcpy(zone.DaylightName, std::string(32, 'd').c_str());
    SetLastError(kCallerError);
    EXPECT_EQ(FALSE, ml_SystemTimeToTzSpecificLocalTime(&zone, &universal, &local));
    EXPECT_EQ(DWORD(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    zone.DaylightName[0] = 0;
    strcpy(zone.StandardName, (std::string(kGreek) + kGreek + kGreek + kGreek + "a").c_str()); // 33 units
    EXPECT_EQ(FALSE, ml_SystemTimeToTzSpecificLocalTime(&zone, &universal, &local));
    expectRecords(log, {kTooLongRecord, kRecord, kTooLongRecord, kRecord});

    // A daylight name with no terminator in its 128 bytes, and every byte
    // after it up to the guard page not zero either: refused unread.
    GuardedBuffer buffer(sizeof(ML_TIME_ZONE_INFORMATION), 'n');
    ML_TIME_ZONE_INFORMATION *open = reinterpret_cast<ML_TIME_ZONE_INFORMATION *>(buffer.data());
    open->StandardName[0] = 0;
    LogCapture log2;
    EXPECT_EQ(FALSE, ml_SystemTimeToTzSpecificLocalTime(open, &universal, &local));
    expectRecords(log2, {kRecord});
}

// ---- Every member with a name that does not convert ---------------------------

TEST(EveryMember, NameTooLongFailsBeforeThePlatformInEachPosition)
{
    SECURITY_DESCRIPTOR descriptor;
    InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
    WorldSid world;
    const struct {
        const char *name;
        const char *record;
        int slots;
        std::function<bool(const char *const *)> fails; // true for the failure value
    } members[] = {
        {"ml_NetUseDel", "ml_NetUseDel has failed to convert at %d line, file: %s", 2,
         [](const char *const *a) { return ml_NetUseDel(a[0], a[1], 0) == NET_API_STATUS(-1); }},
        {"ml_NetShareCheck", "ml_NetShareCheck has failed to convert at %d line, file: %s", 2,
         [](const char *const *a) {
             DWORD type;
             return ml_NetShareCheck(a[0], a[1], &type) == NET_API_STATUS(-1);
         }},
        {"ml_NetRenameMachineInDomain", "ml_NetRenameMachineInDomain has failed to convert at %d line, file: %s", 4,
         [](const char *const *a) {
             return ml_NetRenameMachineInDomain(a[0], a[1], a[2], a[3], 0) == NET_API_STATUS(-1);
         }},
        {"ml_NetShareDel", "ml_NetShareDel has failed to convert at %d line, file: %s", 2,
         [](const char *const *a) { return ml_NetShareDel(a[0], a[1], 0) == NET_API_STATUS(-1); }},
        {"ml_NetUserChangePassword", "ml_NetUserChangePassword has failed to convert at %d line, file: %s", 4,
         [](const char *const *a) { return ml_NetUserChangePassword(a[0], a[1], a[2], a[3]) == NET_API_STATUS(-1); }},
        {"ml_WNetAddConnection2 password, user", "ml_WNetAddConnection2 has failed to convert 1 at %d line, file: %s", 2,
         [](const char *const *a) { return ml_WNetAddConnection2(NULL, a[0], a[1], 0) == DWORD(-1); }},
        {"ml_WNetAddConnection2 record", "ml_WNetAddConnection2 has failed to convert 2 at %d line, file: %s", 4,
         [](const char *const *a) {
             NETRESOURCEA record = {};
             record.lpComment = const_cast<char *>(a[0]);
             record.lpLocalName = const_cast<char *>(a[1]);
             record.lpProvider = const_cast<char *>(a[2]);
             record.lpRemoteName = const_cast<char *>(a[3]);
             return ml_WNetAddConnection2(&record, NULL, NULL, 0) == DWORD(-1);
         }},
        {"ml_WNetCancelConnection2", "ml_WNetCancelConnection2 has failed to convert at %d line, file: %s", 1,
         [](const char *const *a) { return ml_WNetCancelConnection2(a[0], 0, TRUE) == DWORD(-1); }},
        {"ml_OpenCluster", "ml_OpenClusterhas failed to convert at %d line, file: %s", 1,
         [](const char *const *a) { return ml_OpenCluster(a[0]) == NULL; }},
        {"ml_SetFileSecurity", "ml_SetFileSecurity has failed to convert at %d line, file: %s", 1,
         [&](const char *const *a) { return ml_SetFileSecurity(a[0], DACL_SECURITY_INFORMATION, &descriptor) == FALSE; }},
        {"ml_LookupAccountName", "ml_LookupAccountName has failed to convert 1 at %d line, file: %s", 2,
         [](const char *const *a) {
             BYTE sid[SECURITY_MAX_SID_SIZE];
             DWORD sidSize = sizeof sid, domainSize = 64;
             char domain[64];
             SID_NAME_USE use;
             return ml_LookupAccountName(a[0], a[1], sid, &sidSize, domain, &domainSize, &use) == FALSE;
         }},
        {"ml_LookupAccountSid", "ml_LookupAccountSid has failed to convert 1 at %d line, file: %s", 1,
         [&](const char *const *a) {
             char name[64], domain[64];
             DWORD nameSize = 64, domainSize = 64;
             SID_NAME_USE use;
             return ml_LookupAccountSid(a[0], world.get(), name, &nameSize, domain, &domainSize, &use) == FALSE;
         }},
        {"ml_LookupPrivilegeValue", "ml_LookupPrivilegeValue has failed to convert at %d line, file: %s", 2,
         [](const char *const *a) {
             LUID luid;
             return ml_LookupPrivilegeValue(a[0], a[1], &luid) == FALSE;
         }},
        {"ml_LogonUser", "ml_LogonUser has failed to convert at %d line, file: %s", 3,
         [](const char *const *a) {
             HANDLE token;
             return ml_LogonUser(a[0], a[1], a[2], LOGON32_LOGON_NETWORK, LOGON32_PROVIDER_DEFAULT, &token) == FALSE;
         }},
        {"ml_CryptAcquireContext", "ml_CryptAcquireContext has failed to convert at %d line, file: %s", 2,
         [](const char *const *a) {
             HCRYPTPROV provider;
             return ml_CryptAcquireContext(&provider, a[0], a[1], PROV_RSA_FULL, CRYPT_VERIFYCONTEXT) == FALSE;
         }},
    };
    const std::string bad = tooLong();
    for (const auto &m : members) {
        // One name too long, the others NULL; then all of them too long,
        // each converted and recorded before the one record of the member.
        for (int slot = 0; slot <= m.slots; ++slot) {
            const char *args[4] = {NULL, NULL, NULL, NULL};
            std::vector<std::string> expected;
            for (int i = 0; i < m.slots; ++i)
                if (i == slot || slot == m.slots) {
                    args[i] = bad.c_str();
                    expected.push_back(kTooLongRecord);
                }
            expected.push_back(m.record);
            const std::string where = std::string(m.name) + " slot " + std::to_string(slot);
            LogCapture log;
            SetLastError(kCallerError);
            EXPECT_TRUE(m.fails(args)) << where;
            EXPECT_EQ(DWORD(ERROR_INSUFFICIENT_BUFFER), GetLastError()) << where;
            expectRecords(log, expected, where);
        }
    }
    LogCapture log; // a name that is not UTF-8 is refused as well
    EXPECT_TRUE(members[0].fails(std::vector<const char *>{"bad-\xFF", NULL}.data()));
    EXPECT_EQ(DWORD(ERROR_NO_UNICODE_TRANSLATION), GetLastError());
    expectRecords(log, {kNotUtf8Record, members[0].record});
}

// ---- Every output buffer at its exact size, one byte short and empty ---------

TEST(EveryMember, OutputBuffersStayWithinTheirSize)
{
    WSADATA data;
    ASSERT_EQ(0, WSAStartup(MAKEWORD(1, 1), &data));
    char host[256];
    ASSERT_EQ(0, gethostname(host, sizeof host));
    const CurrentUser user;
    const DWORD kNone = 0xFFFFFFFF; // no size reported
    PSID userSid = const_cast<BYTE *>(user.sid);
    const struct {
        const char *name;
        std::string text;
        DWORD sizeOnSuccess; // what the member reports after success
        std::function<bool(char *, DWORD, DWORD *)> call;
    } outputs[] = {
        {"ml_gethostname", host, kNone,
         [](char *out, DWORD size, DWORD *) { return ml_gethostname(out, static_cast<int>(size)) == 0; }},
        {"ml_LookupAccountSid name", user.name, DWORD(user.name.size() + 1),
         [&](char *out, DWORD size, DWORD *reported) {
             SID_NAME_USE use;
             char domain[64];
             DWORD domainSize = sizeof domain;
             *reported = size;
             return ml_LookupAccountSid(NULL, userSid, out, reported, domain, &domainSize, &use) == TRUE;
         }},
        {"ml_LookupAccountSid domain", user.domain, DWORD(user.domain.size() + 1),
         [&](char *out, DWORD size, DWORD *reported) {
             SID_NAME_USE use;
             char name[64];
             DWORD nameSize = sizeof name;
             *reported = size;
             return ml_LookupAccountSid(NULL, userSid, name, &nameSize, out, reported, &use) == TRUE;
         }},
        {"ml_LookupAccountName domain", user.domain, DWORD(user.domain.size()),
         [&](char *out, DWORD size, DWORD *reported) {
             BYTE sid[SECURITY_MAX_SID_SIZE];
             DWORD sidSize = sizeof sid;
             SID_NAME_USE use;
             *reported = size;
             return ml_LookupAccountName(NULL, user.name.c_str(), sid, &sidSize, out, reported, &use) == TRUE;
         }},
        // When the domain does not fit, the world SID is looked up by the
        // platform after all, with the caller's own size.
        {"ml_LookupAccountName EveryOne domain", worldDomain(), DWORD(worldDomain().size() + 1),
         [&](char *out, DWORD size, DWORD *reported) {
             BYTE sid[SECURITY_MAX_SID_SIZE];
             DWORD sidSize = sizeof sid;
             SID_NAME_USE use;
             *reported = size;
             return ml_LookupAccountName(NULL, "everyone", sid, &sidSize, out, reported, &use) == TRUE;
         }},
        {"ml_ConvertUNCHostToIP", "\\\\127.0.0.1\\share\\dir", kNone,
         [](char *out, DWORD size, DWORD *) { return ml_ConvertUNCHostToIP("\\\\localhost\\share\\dir", out, size) == 1; }},
        {"ml_ConvertUNCHostToIP copy", "C:\\dir", kNone,
         [](char *out, DWORD size, DWORD *) { return ml_ConvertUNCHostToIP("C:\\dir", out, size) == 1; }},
    };
    LogCapture log;
    for (const auto &o : outputs) {
        const DWORD need = static_cast<DWORD>(o.text.size() + 1);
        for (DWORD size : {need, need - 1, DWORD(0)}) {
            const std::string where = std::string(o.name) + " size " + std::to_string(size);
            GuardedBuffer buffer(size);
            DWORD reported = kNone;
            const bool ok = o.call(buffer.data(), size, &reported);
            EXPECT_EQ(size == need, ok) << where;
            if (ok) {
                EXPECT_EQ(o.text, std::string(buffer.data(), size - 1)) << where;
                EXPECT_EQ(0, buffer.data()[size - 1]) << where;
            }
            if (o.sizeOnSuccess != kNone) {
                EXPECT_EQ(ok ? o.sizeOnSuccess : need, reported) << where;
            }
        }
    }
    WSACleanup();
}

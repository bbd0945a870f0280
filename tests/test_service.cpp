// Services, event log, device setup and installer in UTF-8, against the real platform.
#include <MultiLanguage/ml.h>

#include <gtest/gtest.h>

#include <msiquery.h>
#include <msidefs.h>
#include <string.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "GuardedBuffer.h"
#include "LogCapture.h"
#include "TempDir.h"

namespace {

const DWORD kCallerError = 0x1234;
const char kCjk[] = "\xE8\xA8\xAD\xE5\xAE\x9A"; // 設定
const char kNullRecord[] = "ml_ConvertMultiSzUTF8toUTF16 input is NULL %d line, file: %s";
const char kTooLongRecord[] = "ml_ConvertMultiSzUTF8toUTF16 has failed to convert at %d line, file: %s. Error: 122";
const char kToUtf8Record[] = "ml_ConvertMultiSzUTF16toUTF8 has failed to convert at %d line, file: %s";

// Characters plus the zero: 2049 units never fit a conversion buffer, 1025
// units never fit one of the 2048-byte string blocks.
const std::string kTooLong(2048, 'a');
const std::string kBlockFull(1023, 'b');
const std::string kBlockOver(1024, 'b');

void expectRecords(LogCapture &log, const std::vector<std::string> &formats, const std::string &what = "")
{
    const std::vector<std::string> m = log.messages();
    ASSERT_EQ(formats.size(), m.size()) << what;
    for (size_t i = 0; i < m.size(); ++i)
        EXPECT_TRUE(recordMatches(m[i], formats[i])) << what << " record " << i << ": " << m[i];
}

std::vector<std::string> memberRecord(const std::string &member)
{
    return {kTooLongRecord, member + " has failed to convert at %d line, file: %s"};
}

// A REG_MULTI_SZ value under HKLM, whole.
std::wstring machineMultiSz(const std::wstring &key, const wchar_t *value)
{
    WCHAR data[512];
    DWORD bytes = sizeof data;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), value, RRF_RT_REG_MULTI_SZ, NULL, data, &bytes) != ERROR_SUCCESS)
        return L"<none>";
    return std::wstring(data, bytes / sizeof(WCHAR));
}

struct ServiceConfig {
    std::wstring displayName, binaryPath;
};

ServiceConfig queryConfig(SC_HANDLE service)
{
    union {
        QUERY_SERVICE_CONFIGW config;
        BYTE bytes[8192];
    } buf;
    DWORD needed = 0;
    if (!QueryServiceConfigW(service, &buf.config, sizeof buf, &needed))
        return {L"<failed>", L""};
    return {buf.config.lpDisplayName, buf.config.lpBinaryPathName};
}

// A demand-start service that nothing runs; deleted again at the end.
class TestService {
public:
    TestService(const std::string &name, const std::string &display, const char *dependencies = NULL,
                const std::string &binary = "C:\\ml\\\xE8\xA8\xAD.exe")
        : m_manager(OpenSCManagerW(NULL, NULL, SC_MANAGER_ALL_ACCESS))
    {
        remove(OpenServiceW(m_manager, widen(name).c_str(), SERVICE_ALL_ACCESS));
        m_service = ml_CreateService(m_manager, name.c_str(), display.c_str(), SERVICE_ALL_ACCESS,
                                     SERVICE_WIN32_OWN_PROCESS, SERVICE_DEMAND_START, SERVICE_ERROR_IGNORE,
                                     binary.c_str(), NULL, NULL, dependencies, NULL, NULL);
    }
    ~TestService()
    {
        remove(m_service);
        CloseServiceHandle(m_manager);
    }
    SC_HANDLE manager() const { return m_manager; }
    SC_HANDLE service() const { return m_service; }

private:
    static void remove(SC_HANDLE service)
    {
        if (service != NULL) {
            DeleteService(service);
            CloseServiceHandle(service);
        }
    }
    SC_HANDLE m_manager, m_service;
};

} // namespace

// ---- Services -----------------------------------------------------------------------

TEST(Services, CreateWithDependenciesReconfigureDescribeDelete)
{
    const std::string name = std::string("ml_svc_") + kCjk, display = std::string("Dienst \xCE\xB1 ") + kCjk;
    // Two names and the closing empty name; nothing after it is readable.
    const GuardedBuffer deps = GuardedBuffer::holding(std::string("ml_dep_\xCE\xB1\0ml_dep_b\0", 20));
    LogCapture log;
    auto owned = std::make_unique<TestService>(name, display, deps.data());
    TestService &svc = *owned;
    ASSERT_NE(nullptr, svc.service()) << GetLastError();
    // The platform keeps the list in the service's key, which reads it back whole.
    const std::wstring key = L"SYSTEM\\CurrentControlSet\\Services\\" + widen(name);
    EXPECT_EQ(std::wstring(L"ml_dep_\x03B1\0ml_dep_b\0\0", 19), machineMultiSz(key, L"DependOnService"));
    EXPECT_EQ(widen(display), queryConfig(svc.service()).displayName);

    // Every string NULL keeps the settings.
    EXPECT_TRUE(ml_ChangeServiceConfig(svc.service(), SERVICE_NO_CHANGE, SERVICE_NO_CHANGE, SERVICE_NO_CHANGE, NULL,
                                       NULL, NULL, NULL, NULL, NULL, NULL));
    EXPECT_EQ(widen(display), queryConfig(svc.service()).displayName);
    EXPECT_EQ(L"C:\\ml\\\x8A2D.exe", queryConfig(svc.service()).binaryPath);
    const GuardedBuffer one = GuardedBuffer::holding(std::string("ml_dep_\xE2\x82\xAC\0", 12));
    EXPECT_TRUE(ml_ChangeServiceConfig(svc.service(), SERVICE_NO_CHANGE, SERVICE_NO_CHANGE, SERVICE_NO_CHANGE, NULL,
                                       NULL, NULL, one.data(), NULL, NULL, kCjk));
    EXPECT_EQ(std::wstring(L"ml_dep_\x20AC\0\0", 10), machineMultiSz(key, L"DependOnService"));
    EXPECT_EQ(widen(kCjk), queryConfig(svc.service()).displayName);

    SERVICE_DESCRIPTIONA description = {const_cast<char *>("Beschreibung \xCE\xB1")};
    EXPECT_TRUE(ml_ChangeServiceConfig2(svc.service(), SERVICE_CONFIG_DESCRIPTION, &description));
    union {
        SERVICE_DESCRIPTIONW wide;
        BYTE bytes[1024];
    } read;
    DWORD needed = 0;
    ASSERT_TRUE(QueryServiceConfig2W(svc.service(), SERVICE_CONFIG_DESCRIPTION, read.bytes, sizeof read, &needed));
    EXPECT_STREQ(L"Beschreibung \x03B1", read.wide.lpDescription);
    SC_ACTION restart = {SC_ACTION_RESTART, 1000};
    SERVICE_FAILURE_ACTIONSA actions = {60, NULL, const_cast<char *>("C:\\ml\\\xCE\xB1.cmd"), 1, &restart};
    EXPECT_TRUE(ml_ChangeServiceConfig2(svc.service(), SERVICE_CONFIG_FAILURE_ACTIONS, &actions));
    // Other levels reach the platform as they are.
    DWORD delayed = 1;
    SetLastError(kCallerError);
    EXPECT_FALSE(ml_ChangeServiceConfig2(svc.service(), 3, &delayed));
    EXPECT_EQ(DWORD(ERROR_INVALID_LEVEL), GetLastError());

    SC_HANDLE opened = ml_OpenService(svc.manager(), name.c_str(), SERVICE_QUERY_CONFIG);
    EXPECT_NE(nullptr, opened);
    CloseServiceHandle(opened);
    owned.reset(); // deleted
    SC_HANDLE manager = ml_OpenSCManager(NULL, NULL, SC_MANAGER_CONNECT);
    EXPECT_EQ(nullptr, ml_OpenService(manager, name.c_str(), SERVICE_QUERY_CONFIG));
    EXPECT_EQ(DWORD(ERROR_SERVICE_DOES_NOT_EXIST), GetLastError());
    CloseServiceHandle(manager);
    EXPECT_TRUE(log.messages().empty());
}

TEST(Services, KeyNameSizesAreEnoughForARetry)
{
    // The platform gets half the byte size in characters: an ASCII name needs
    // two bytes a character, a CJK one its UTF-8 size.
    TestService ascii("ml_key_ascii", std::string("ml ascii ") + kCjk);
    TestService cjk(std::string(kCjk) + kCjk + kCjk, std::string("ml cjk ") + kCjk);
    ASSERT_NE(nullptr, ascii.service());
    ASSERT_NE(nullptr, cjk.service());
    const char kConvert2[] = "ml_GetServiceKeyName has failed to convert 2 at %d line, file: %s";
    struct Row {
        std::string display, key;
        DWORD size;
        BOOL ok;
        DWORD sizeAfter, error;
        std::vector<std::string> records;
    };
    const std::string a = "ml ascii " + std::string(kCjk), c = "ml cjk " + std::string(kCjk);
    const std::string cjkKey = std::string(kCjk) + kCjk + kCjk;
    const std::vector<Row> rows = {
        {a, "ml_key_ascii", 26, TRUE, 12, kCallerError, {}},
        {a, "", 25, FALSE, 26, ERROR_INSUFFICIENT_BUFFER, {}},
        {a, "", 0, FALSE, 26, ERROR_INSUFFICIENT_BUFFER, {}},
        {a, "ml_key_ascii", 100000, TRUE, 12, kCallerError, {}}, // the platform still gets 2048 at most
        {c, cjkKey, 19, TRUE, 18, kCallerError, {}},
        {c, "", 18, FALSE, 19, kCallerError, {kToUtf8Record, kConvert2}},
        {c, "", 13, FALSE, 19, ERROR_INSUFFICIENT_BUFFER, {}},
    };
    for (const Row &row : rows) {
        const std::string what = row.key + " size " + std::to_string(row.size);
        GuardedBuffer buf(std::min<DWORD>(row.size, 64));
        LogCapture log;
        DWORD size = row.size;
        SetLastError(kCallerError);
        EXPECT_EQ(row.ok, ml_GetServiceKeyName(cjk.manager(), row.display.c_str(), buf.data(), &size)) << what;
        EXPECT_EQ(row.error, GetLastError()) << what;
        EXPECT_EQ(row.sizeAfter, size) << what;
        if (row.ok) {
            EXPECT_EQ(row.key, buf.text()) << what;
        }
        expectRecords(log, row.records, what);
    }
    DWORD size = 77;
    SetLastError(kCallerError);
    EXPECT_FALSE(ml_GetServiceKeyName(cjk.manager(), "ml no such service", NULL, &size));
    EXPECT_EQ(DWORD(ERROR_SERVICE_DOES_NOT_EXIST), GetLastError());
    EXPECT_EQ(77u, size);
}

TEST(Services, StartArgumentsAreAllRequiredAndAllConverted)
{
    struct Row {
        const char *what;
        std::vector<const char *> args;
        DWORD count, error;
        std::vector<std::string> records;
    };
    const char kConvert3[] = "ml_StartService has failed to convert 3 at %d line, file: %s";
    // A NULL service handle shows whether the platform was called (error 6).
    const std::vector<Row> rows = {
        {"NULL entry", {"a", NULL, "b"}, 3, kCallerError, {kNullRecord, kConvert3}},
        {"all converted", {kTooLong.c_str(), NULL}, 2, ERROR_INSUFFICIENT_BUFFER,
         {kTooLongRecord, kNullRecord, kConvert3}},
        {"1025 units", {kBlockOver.c_str()}, 1, ERROR_INSUFFICIENT_BUFFER, {kTooLongRecord, kConvert3}},
        {"1024 units", {kBlockFull.c_str(), kCjk}, 2, ERROR_INVALID_HANDLE, {}},
        {"count 0", {NULL}, 0, ERROR_INVALID_HANDLE, {}},
    };
    for (const Row &row : rows) {
        LogCapture log;
        std::vector<const char *> args = row.args;
        SetLastError(kCallerError);
        EXPECT_FALSE(ml_StartService(NULL, row.count, args.data())) << row.what;
        EXPECT_EQ(row.error, GetLastError()) << row.what;
        expectRecords(log, row.records, row.what);
    }
}

TEST(Services, StartHandsTheArgumentsToTheService)
{
    WCHAR self[MAX_PATH];
    std::wstring child(self, GetModuleFileNameW(NULL, self, MAX_PATH));
    child = child.substr(0, child.find_last_of(L'\\')) + L"\\service_child.exe";
    TestService svc("ml_svc_\xC3\xA9", "ml service child", NULL, narrow(child));
    ASSERT_NE(nullptr, svc.service());
    TempDir dir;
    const std::string out = dir.file("args.txt");
    const char *args[] = {out.c_str(), "caf\xC3\xA9", "two words"};
    LogCapture log;
    ASSERT_TRUE(ml_StartService(svc.service(), 3, args)) << GetLastError();
    // The service writes its arguments, then runs until it is asked to stop.
    for (int i = 0; i < 200 && readFileBytes(out).find("two words\n") == std::string::npos; ++i)
        Sleep(50);
    SERVICE_STATUS status = {};
    ControlService(svc.service(), SERVICE_CONTROL_STOP, &status);
    for (int i = 0; i < 200 && QueryServiceStatus(svc.service(), &status) && status.dwCurrentState != SERVICE_STOPPED;
         ++i)
        Sleep(50);
    EXPECT_EQ(DWORD(SERVICE_STOPPED), status.dwCurrentState);
    // The service's narrow entry gets them in the ANSI code page, its name first.
    EXPECT_EQ("handler\nml_svc_\xE9\n" + out + "\ncaf\xE9\ntwo words\n", readFileBytes(out));
    EXPECT_TRUE(log.messages().empty());
}

// ---- Event log ----------------------------------------------------------------------

TEST(EventLog, ReportConvertsEachStringUpToTheFirstFailure)
{
    HANDLE source = ml_RegisterEventSource(NULL, (std::string("ml ") + kCjk).c_str());
    ASSERT_NE(nullptr, source);
    const char kConvert3[] = "ml_ReportEvent has failed to convert 3 at %d line, file: %s";
    std::vector<std::string> many(300, std::string(kCjk));
    std::vector<const char *> manyArgs;
    for (const std::string &s : many)
        manyArgs.push_back(s.c_str());
    struct Row {
        const char *what;
        std::vector<const char *> strings;
        WORD count;
        BOOL ok;
        std::vector<std::string> records;
    };
    const std::vector<Row> rows = {
        {"count 0", {kCjk}, 0, TRUE, {}},
        {"NULL entries", {NULL, kCjk, NULL}, 3, TRUE, {}},
        {"1024 units", {kBlockFull.c_str()}, 1, TRUE, {}},
        {"1025 units", {kBlockOver.c_str()}, 1, FALSE, {kTooLongRecord, kConvert3}},
        {"first failure ends", {"a", kBlockOver.c_str(), kTooLong.c_str()}, 3, FALSE, {kTooLongRecord, kConvert3}},
        {"300 strings", manyArgs, 300, TRUE, {}},
    };
    for (const Row &row : rows) {
        LogCapture log;
        std::vector<const char *> strings = row.strings;
        EXPECT_EQ(row.ok, ml_ReportEvent(source, EVENTLOG_INFORMATION_TYPE, 0, 1, NULL, row.count, 0, strings.data(),
                                         NULL))
            << row.what;
        expectRecords(log, row.records, row.what);
    }
    EXPECT_TRUE(ml_ReportEvent(source, EVENTLOG_INFORMATION_TYPE, 0, 1, NULL, 2, 0, NULL, NULL));
    // The pointer array holds the platform's pointers, whatever their size.
    EXPECT_TRUE(HeapValidate(GetProcessHeap(), 0, NULL));
    DeregisterEventSource(source);
    HANDLE log = ml_OpenEventLog(NULL, "Application");
    EXPECT_NE(nullptr, log);
    CloseEventLog(log);
}

// ---- Every converting member: an input that does not convert ---------------------------

TEST(Conversion, AnInputThatDoesNotConvertFailsWithTheMembersRecord)
{
    const char *t = kTooLong.c_str();
    const std::string list = kTooLong + '\0'; // its closing empty name follows
    const char *l = list.c_str();
    DWORD size = 10;
    char buf[16];
    SERVICE_DESCRIPTIONA description = {const_cast<char *>(t)};
    SERVICE_FAILURE_ACTIONSA actions = {0, const_cast<char *>(t), const_cast<char *>(t), 0, NULL};
    struct Row {
        const char *what;
        std::function<bool()> failed; // the member returned its failure value
        std::vector<std::string> records;
    };
    std::vector<std::string> createTwice = {kTooLongRecord, kTooLongRecord,
                                            "ml_CreateService has failed to convert at %d line, file: %s"};
    std::vector<std::string> actionsTwice = {kTooLongRecord, kTooLongRecord,
                                             "ml_ChangeServiceConfig2 has failed to convert at %d line, file: %s"};
    const std::vector<Row> rows = {
        {"ml_OpenSCManager", [&] { return ml_OpenSCManager(NULL, t, 0) == NULL; }, memberRecord("ml_OpenSCManager")},
        {"ml_OpenService", [&] { return ml_OpenService(NULL, t, 0) == NULL; }, memberRecord("ml_OpenService")},
        {"ml_CreateService", [&] {
             return ml_CreateService(NULL, "n", t, 0, 0, 0, 0, NULL, NULL, NULL, l, NULL, NULL) == NULL;
         }, createTwice},
        {"ml_ChangeServiceConfig", [&] {
             return !ml_ChangeServiceConfig(NULL, 0, 0, 0, NULL, NULL, NULL, l, NULL, NULL, NULL);
         }, memberRecord("ml_ChangeServiceConfig")},
        {"ml_ChangeServiceConfig2 1", [&] { return !ml_ChangeServiceConfig2(NULL, 1, &description); },
         memberRecord("ml_ChangeServiceConfig2")},
        {"ml_ChangeServiceConfig2 2", [&] { return !ml_ChangeServiceConfig2(NULL, 2, &actions); }, actionsTwice},
        {"ml_GetServiceKeyName", [&] { return !ml_GetServiceKeyName(NULL, t, buf, &size); },
         {kTooLongRecord, "ml_GetServiceKeyName has failed to convert 1 at %d line, file: %s"}},
        {"ml_RegisterServiceCtrlHandler", [&] { return ml_RegisterServiceCtrlHandler(t, NULL) == 0; },
         memberRecord("ml_RegisterServiceCtrlHandler")},
        {"ml_OpenEventLog", [&] { return ml_OpenEventLog(t, NULL) == NULL; }, memberRecord("ml_OpenEventLog")},
        {"ml_RegisterEventSource", [&] { return ml_RegisterEventSource(NULL, t) == NULL; },
         memberRecord("ml_RegisterEventSource")},
        {"ml_SetupCopyOEMInf", [&] { return !ml_SetupCopyOEMInf(NULL, t, 0, 0, buf, 16, &size); },
         {kTooLongRecord, "ml_SetupCopyOEMInf has failed to convert 1 at %d line, file: %s"}},
        {"ml_MsiGetProperty", [&] { return ml_MsiGetProperty(0, t, buf, &size) == 87; },
         memberRecord("ml_MsiGetProperty")},
        {"ml_MsiSetProperty", [&] { return ml_MsiSetProperty(0, "n", t) == 87; }, memberRecord("ml_MsiSetProperty")},
        {"ml_MsiRecordSetString", [&] { return ml_MsiRecordSetString(0, 1, t) == 87; },
         memberRecord("ml_MsiRecordSetString")},
        {"ml_MsiGetFileVersion", [&] { return ml_MsiGetFileVersion(t, buf, &size, NULL, NULL) == 87; },
         memberRecord("ml_MsiGetFileVersion")},
    };
    for (const Row &row : rows) {
        LogCapture log;
        SetLastError(kCallerError);
        EXPECT_TRUE(row.failed()) << row.what;
        EXPECT_EQ(DWORD(ERROR_INSUFFICIENT_BUFFER), GetLastError()) << row.what;
        expectRecords(log, row.records, row.what);
    }
    EXPECT_EQ(10u, size);
    LogCapture log;
    SetLastError(kCallerError);
    EXPECT_FALSE(ml_GetServiceKeyName(NULL, NULL, buf, &size));
    EXPECT_EQ(kCallerError, GetLastError());
    // A name that is not UTF-8 never reaches the platform as another name.
    EXPECT_EQ(NULL, ml_RegisterEventSource(NULL, "bad-\xFF"));
    EXPECT_EQ(DWORD(ERROR_NO_UNICODE_TRANSLATION), GetLastError());
    expectRecords(log, {kNullRecord, "ml_GetServiceKeyName has failed to convert 1 at %d line, file: %s",
                        "ml_ConvertMultiSzUTF8toUTF16 has failed to convert at %d line, file: %s. Error: 1113",
                        "ml_RegisterEventSource has failed to convert at %d line, file: %s"});
}

// ---- Device setup ------------------------------------------------------------------

// A text output of a member with a required-size argument: given no buffer,
// a buffer of the exact UTF-8 size, one byte less and none at all, the size
// handed back always does for a retry. fill(buffer, size, &required) calls
// the member; false means the member returned FALSE.
void expectNameDelivery(const std::string &expected, const char *convertRecord,
                        const std::function<BOOL(char *, DWORD, DWORD *)> &fill)
{
    const DWORD exact = DWORD(expected.size() + 1);
    struct Row {
        bool withBuffer;
        DWORD size;
        BOOL ok;
    };
    const Row rows[] = {{false, 0, TRUE}, {true, exact, TRUE}, {true, exact - 1, FALSE}, {true, 0, FALSE}};
    for (const Row &row : rows) {
        const std::string what = "size " + std::to_string(row.size) + (row.withBuffer ? "" : " without buffer");
        GuardedBuffer buf(row.size);
        LogCapture log;
        DWORD required = 0;
        EXPECT_EQ(row.ok, fill(row.withBuffer ? buf.data() : NULL, row.size, &required)) << what;
        EXPECT_EQ(exact, required) << what;
        if (row.ok && row.withBuffer) {
            EXPECT_EQ(expected, buf.text()) << what;
        }
        if (row.ok)
            expectRecords(log, {}, what);
        else if (row.size == 0)
            expectRecords(log, {convertRecord}, what);
        else
            expectRecords(log, {kToUtf8Record, convertRecord}, what);
    }
}

TEST(DeviceSetup, CopyOemInfNamesTheCopyInUtf8)
{
    TempDir dir;
    const std::string inf = dir.file(std::string("ml_") + kCjk + ".inf");
    writeFileBytes(inf, "[Version]\r\nSignature=\"$Chicago$\"\r\nClass=Unknown\r\n");
    WCHAR windows[MAX_PATH];
    GetWindowsDirectoryW(windows, MAX_PATH);
    // The platform here keeps the source's file name.
    const std::string copy = narrow(windows) + "\\inf\\ml_" + kCjk + ".inf";
    expectNameDelivery(copy, "ml_SetupCopyOEMInf has failed to convert 2 at %d line, file: %s",
                       [&](char *buf, DWORD size, DWORD *required) {
                           return ml_SetupCopyOEMInf(inf.c_str(), NULL, SPOST_NONE, 0, buf, size, required);
                       });
    EXPECT_TRUE(DeleteFileW(widen(copy).c_str()));
    DeleteFileW(widen(copy.substr(0, copy.size() - 3) + "pnf").c_str());
}

TEST(DeviceSetup, DeviceInstanceIdInUtf8)
{
    HDEVINFO set = SetupDiCreateDeviceInfoList(NULL, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, set);
    SP_DEVINFO_DATA device = {sizeof device, {}, 0, 0};
    const GUID cls = {0x6d6c7465, 0x7374, 0x4d4c, {0x8a, 0x2d, 0x5b, 0x9a, 0, 0, 0, 1}};
    ASSERT_TRUE(SetupDiCreateDeviceInfoW(set, widen(std::string("ml") + kCjk).c_str(), &cls, NULL, NULL,
                                         DICD_GENERATE_ID, &device))
        << GetLastError();
    WCHAR id[256];
    ASSERT_TRUE(SetupDiGetDeviceInstanceIdW(set, &device, id, 256, NULL));
    EXPECT_NE(std::wstring::npos, std::wstring(id).find(L"\x8A2D\x5B9A"));
    expectNameDelivery(narrow(id), "ml_SetupDiGetDeviceInstanceId has failed to convert at %d line, file: %s",
                       [&](char *buf, DWORD size, DWORD *required) {
                           return ml_SetupDiGetDeviceInstanceId(set, &device, buf, size, required);
                       });
    SetupDiRemoveDevice(set, &device);
    SetupDiDestroyDeviceInfoList(set);
}

// ---- Installer ----------------------------------------------------------------------

// An empty installer package, opened.
class Package : public ::testing::Test {
protected:
    void SetUp() override
    {
        MsiSetInternalUI(INSTALLUILEVEL_NONE, NULL);
        MSIHANDLE db = 0, view = 0, info = 0;
        const LPCWSTR create = reinterpret_cast<LPCWSTR>(MSIDBOPEN_CREATE);
        ASSERT_EQ(0u, MsiOpenDatabaseW(widen(dir.file("ml.msi")).c_str(), create, &db));
        ASSERT_EQ(0u, MsiDatabaseOpenViewW(db, L"CREATE TABLE `Property` (`Property` CHAR(72) NOT NULL, "
                                               L"`Value` CHAR(0) PRIMARY KEY `Property`)", &view));
        ASSERT_EQ(0u, MsiViewExecute(view, 0));
        MsiCloseHandle(view);
        ASSERT_EQ(0u, MsiGetSummaryInformationW(db, NULL, 4, &info));
        MsiSummaryInfoSetPropertyW(info, PID_TEMPLATE, VT_LPSTR, 0, NULL, L";1033");
        MsiSummaryInfoSetPropertyW(info, PID_REVNUMBER, VT_LPSTR, 0, NULL, L"{6D4C7465-7374-4D4C-8A2D-5B9A00000001}");
        MsiSummaryInfoSetPropertyW(info, PID_PAGECOUNT, VT_I4, 100, NULL, NULL);
        MsiSummaryInfoSetPropertyW(info, PID_WORDCOUNT, VT_I4, 0, NULL, NULL);
        ASSERT_EQ(0u, MsiSummaryInfoPersist(info));
        MsiCloseHandle(info);
        ASSERT_EQ(0u, MsiDatabaseCommit(db));
        ASSERT_EQ(0u, MsiOpenPackageW((L"#" + std::to_wstring(db)).c_str(), &package));
        MsiCloseHandle(db);
    }
    void TearDown() override { MsiCloseHandle(package); }

    TempDir dir;
    MSIHANDLE package = 0;
};

TEST_F(Package, PropertySizesAreEnoughForARetry)
{
    LogCapture log;
    struct Row {
        std::string value;
        DWORD sizeQuery; // after a buffer with size 0: twice the UTF-16 length, or the UTF-8 size if more
    };
    const std::vector<Row> rows = {
        {"Wert " + std::string(kCjk), 14}, {std::string(kCjk) + kCjk, 13}, {"", 1}};
    for (const Row &row : rows) {
        const std::string &v = row.value;
        const DWORD exact = DWORD(v.size() + 1);
        ASSERT_EQ(0u, ml_MsiSetProperty(package, "ML_PROP", v.c_str()));
        GuardedBuffer none(0), fit(exact), shorter(exact - 1);
        DWORD size = 0;
        EXPECT_EQ(234u, ml_MsiGetProperty(package, "ML_PROP", none.data(), &size)) << v;
        EXPECT_EQ(row.sizeQuery, size) << v;
        size = 99;
        EXPECT_EQ(0u, ml_MsiGetProperty(package, "ML_PROP", NULL, &size)) << v;
        EXPECT_EQ(row.sizeQuery, size) << v;
        size = exact;
        EXPECT_EQ(0u, ml_MsiGetProperty(package, "ML_PROP", fit.data(), &size)) << v;
        EXPECT_EQ(exact, size) << v;
        EXPECT_EQ(v, fit.text()) << v;
        if (v.empty())
            continue;
        size = exact - 1;
        EXPECT_EQ(234u, ml_MsiGetProperty(package, "ML_PROP", shorter.data(), &size)) << v;
        EXPECT_EQ(exact, size) << v;
    }
    // Each failed fit costs the conversion's own record, no record of the member.
    expectRecords(log, {kToUtf8Record, kToUtf8Record});

    MSIHANDLE record = MsiCreateRecord(2);
    EXPECT_EQ(0u, ml_MsiRecordSetString(record, 2, kCjk));
    WCHAR field[16];
    DWORD units = 16;
    EXPECT_EQ(0u, MsiRecordGetStringW(record, 2, field, &units));
    EXPECT_STREQ(L"\x8A2D\x5B9A", field);
    MsiCloseHandle(record);
}

TEST(Installer, FileVersionOfTheSettingsTool)
{
    std::string tool = "Z:" TAPE_TOOL_PATH;
    std::replace(tool.begin(), tool.end(), '/', '\\');
    WCHAR wideVersion[64], wideLanguage[64];
    DWORD versionUnits = 64, languageUnits = 64;
    ASSERT_EQ(0u, MsiGetFileVersionW(widen(tool).c_str(), wideVersion, &versionUnits, wideLanguage, &languageUnits));
    const std::string version = narrow(wideVersion), language = narrow(wideLanguage);
    ASSERT_FALSE(version.empty());
    const DWORD vExact = DWORD(version.size() + 1), lExact = DWORD(language.size() + 1);
    const char kMember[] = "ml_MsiGetFileVersion has failed to convert at %d line, file: %s";
    struct Row {
        const char *what;
        bool versionBuffer, languageBuffer;
        DWORD versionSize, languageSize;
        UINT result;
        std::vector<std::string> records;
    };
    const std::vector<Row> rows = {
        {"exact", true, true, vExact, lExact, 0, {}},
        {"sizes only", false, false, 5, 5, 0, {}},
        {"size 0 asks", true, true, 0, lExact, ERROR_MORE_DATA, {}},
        {"version short", true, true, vExact - 1, lExact, 0x80004005u, {kToUtf8Record, kMember}},
        {"language short", true, true, vExact, lExact - 1, 0x80004005u, {kToUtf8Record, kMember}},
    };
    for (const Row &row : rows) {
        GuardedBuffer v(row.versionSize), l(row.languageSize);
        DWORD vSize = row.versionSize, lSize = row.languageSize;
        LogCapture log;
        EXPECT_EQ(row.result, ml_MsiGetFileVersion(tool.c_str(), row.versionBuffer ? v.data() : NULL, &vSize,
                                                   row.languageBuffer ? l.data() : NULL, &lSize))
            << row.what;
        EXPECT_EQ(vExact, vSize) << row.what;
        EXPECT_EQ(lExact, lSize) << row.what;
        if (row.result == 0 && row.versionBuffer) {
            EXPECT_EQ(version, v.text()) << row.what;
        }
        expectRecords(log, row.records, row.what);
    }
    // A file without a version: the platform's result, sizes untouched.
    DWORD vSize = 7;
    EXPECT_NE(0u, ml_MsiGetFileVersion("C:\\ml no such file.dll", NULL, &vSize, NULL, NULL));
    EXPECT_EQ(7u, vSize);
}

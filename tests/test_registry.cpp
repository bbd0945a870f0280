// Registry keys and values in UTF-8, under a key of the test's own in
// HKEY_CURRENT_USER that is removed afterwards.
#include <MultiLanguage/ml.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "GuardedBuffer.h"
#include "LogCapture.h"
#include "TempDir.h"

namespace {

const DWORD kCallerError = 0x1234;
const char kGreek[] = "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xB7\xCE\xBD\xCE\xB9\xCE\xBA\xCE\xAC"; // Ελληνικά
const char kCjk[] = "\xE8\xA8\xAD\xE5\xAE\x9A";                                         // 設定: 7 bytes, 6 in UTF-16
const char kNullRecord[] = "ml_ConvertMultiSzUTF8toUTF16 input is NULL %d line, file: %s";
const char kTooLongRecord[] = "ml_ConvertMultiSzUTF8toUTF16 has failed to convert at %d line, file: %s. Error: 122";
const char kTooSmallRecord[] = "ml_ConvertMultiSzUTF16toUTF8 has failed to convert at %d line, file: %s";
const std::string kTooLong(2048, 'k');

void expectRecords(LogCapture &log, const std::vector<std::string> &formats)
{
    const std::vector<std::string> m = log.messages();
    ASSERT_EQ(formats.size(), m.size());
    for (size_t i = 0; i < m.size(); ++i)
        EXPECT_TRUE(recordMatches(m[i], formats[i])) << "record " << i << ": " << m[i];
}

std::string bytes(const void *data, size_t size) { return std::string(static_cast<const char *>(data), size); }
std::string wideBytes(const std::wstring &units) { return bytes(units.data(), units.size() * sizeof(WCHAR)); }

class Registry : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = L"Software\\mlRegistryTest" + std::to_wstring(GetCurrentProcessId());
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, NULL, 0, KEY_ALL_ACCESS, NULL,
                                                 &key, NULL));
    }
    void TearDown() override
    {
        RegCloseKey(key);
        EXPECT_EQ(ERROR_SUCCESS, RegDeleteTreeW(HKEY_CURRENT_USER, path.c_str()));
    }
    // Stores data as the platform takes it, past the member under test. The
    // platform completes string data that a zero follows, so none does.
    void put(const std::string &name, DWORD type, const std::string &data, HKEY where = NULL)
    {
        const std::string followed = data + "XX";
        ASSERT_EQ(ERROR_SUCCESS, RegSetValueExW(where != NULL ? where : key, widen(name).c_str(), 0, type,
                                                reinterpret_cast<const BYTE *>(followed.data()), DWORD(data.size())));
    }
    // What the platform holds: the type and the stored bytes.
    std::pair<DWORD, std::string> stored(const std::string &name)
    {
        BYTE data[8192];
        DWORD type = 0, size = sizeof data;
        EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExW(key, widen(name).c_str(), NULL, &type, data, &size)) << name;
        return {type, bytes(data, size)};
    }
    std::wstring path;
    HKEY key = NULL;
};

} // namespace

TEST_F(Registry, QueryValueExConvertsTheStringTypesAndPassesTheOthers)
{
    const struct {
        DWORD type;
        std::string stored, data;
    } cases[] = {
        {REG_DWORD, "\x78\x56\x34\x12", "\x78\x56\x34\x12"},
        {REG_SZ, wideBytes(std::wstring(L"abc", 4)), std::string("abc", 4)},
        {REG_EXPAND_SZ, wideBytes(widen(kGreek) + L'\0'), std::string(kGreek, sizeof kGreek)},
        {REG_MULTI_SZ, wideBytes(std::wstring(L"a\0b\0", 5)), std::string("a\0b\0", 5)},
        {REG_LINK, wideBytes(L"ab"), "ab"}, // stored unterminated; arrives terminated
        {REG_BINARY, wideBytes(L"ab"), wideBytes(L"ab")},
    };
    for (const auto &c : cases) {
        put("v", c.type, c.stored);
        GuardedBuffer data(64);
        DWORD type = 0, size = 64;
        ASSERT_EQ(ERROR_SUCCESS, ml_RegQueryValueEx(key, "v", NULL, &type, LPBYTE(data.data()), &size)) << c.type;
        EXPECT_EQ(c.type, type);
        EXPECT_EQ(c.data, bytes(data.data(), size)) << c.type;
        if (c.type == REG_LINK) {
            EXPECT_EQ('\0', data.data()[size]);
        }
    }
    // Without a type pointer the data is still converted; without data the
    // size is the platform's.
    put("v", REG_SZ, wideBytes(std::wstring(L"abc", 4)));
    char out[8];
    DWORD size = sizeof out;
    EXPECT_EQ(ERROR_SUCCESS, ml_RegQueryValueEx(key, "v", NULL, NULL, LPBYTE(out), &size));
    EXPECT_EQ(std::string("abc", 4), bytes(out, size));
    EXPECT_EQ(ERROR_SUCCESS, ml_RegQueryValueEx(key, "v", NULL, NULL, NULL, &size));
    EXPECT_EQ(8u, size);
}

TEST_F(Registry, QueryValueExFailures)
{
    put("five", REG_SZ, wideBytes(std::wstring(L"abcde", 6)));
    put("long", REG_SZ, wideBytes(std::wstring(1025, L'\x00E9') + L'\0')); // 2051 bytes in UTF-8
    put("fits", REG_SZ, wideBytes(std::wstring(2047, L'a') + L'\0'));
    LogCapture log;
    std::vector<char> data(8192);
    DWORD size = 6;
    EXPECT_EQ(ERROR_MORE_DATA, ml_RegQueryValueEx(key, "five", NULL, NULL, LPBYTE(&data[0]), &size));
    EXPECT_EQ(12u, size);
    size = DWORD(data.size());
    EXPECT_EQ(ERROR_SUCCESS, ml_RegQueryValueEx(key, "fits", NULL, NULL, LPBYTE(&data[0]), &size));
    EXPECT_EQ(2048u, size);
    size = DWORD(data.size());
    EXPECT_EQ(-1, ml_RegQueryValueEx(key, "long", NULL, NULL, LPBYTE(&data[0]), &size));
    EXPECT_EQ(wideBytes(L"\x00E9\x00E9"), bytes(&data[0], 4)); // the platform's UTF-16 stays
    SetLastError(kCallerError);
    EXPECT_EQ(-1, ml_RegQueryValueEx(key, NULL, NULL, NULL, LPBYTE(&data[0]), &size));
    EXPECT_EQ(kCallerError, GetLastError());
    EXPECT_EQ(-1, ml_RegQueryValueEx(key, kTooLong.c_str(), NULL, NULL, LPBYTE(&data[0]), &size));
    EXPECT_EQ(DWORD(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, ml_RegQueryValueEx(key, "absent", NULL, NULL, LPBYTE(&data[0]), &size));
    expectRecords(log, {kTooSmallRecord, "ml_RegQueryValueEx has failed to convert 2 at %d line, file: %s",
                        kNullRecord, "ml_RegQueryValueEx has failed to convert 1 at %d line, file: %s",
                        kTooLongRecord, "ml_RegQueryValueEx has failed to convert 1 at %d line, file: %s"});
}

TEST_F(Registry, EnumValueReportsLengthsInSortedOrder)
{
    put("a", REG_SZ, wideBytes(std::wstring(L"abc", 4)));
    put("b", REG_BINARY, std::string("\x01\x00\xFF", 3));
    put("c", REG_MULTI_SZ, wideBytes(std::wstring(L"a\0b\0", 5)));
    put("d", REG_EXPAND_SZ, wideBytes(L"xyz")); // no terminator
    put(kGreek, REG_SZ, wideBytes(widen(kCjk) + L'\0'));
    const struct {
        std::string name;
        DWORD type;
        std::string data; // what the reported size covers
        size_t written;   // by the platform or the member, whichever reaches further
    } expected[] = {
        {"a", REG_SZ, "abc", 8},
        {"b", REG_BINARY, std::string("\x01\x00\xFF", 3), 3},
        {"c", REG_MULTI_SZ, std::string("a\0b\0", 5), 10},
        {"d", REG_EXPAND_SZ, "xyz", 8}, // the platform adds a terminator, room permitting
        {kGreek, REG_SZ, kCjk, 7},
    };
    for (DWORD i = 0; i < 5; ++i) {
        char name[32], data[32];
        memset(data, 0xCC, sizeof data);
        DWORD nameSize = sizeof name, dataSize = sizeof data, type = 0;
        // The type pointer may be NULL: the member finds the type itself.
        ASSERT_EQ(ERROR_SUCCESS, ml_RegEnumValue(key, i, name, &nameSize, NULL, i == 4 ? NULL : &type,
                                                 LPBYTE(data), &dataSize)) << i;
        EXPECT_EQ(expected[i].name, std::string(name, nameSize + 1).c_str());
        EXPECT_EQ(i == 4 ? 0 : expected[i].type, type);
        EXPECT_EQ(expected[i].data, bytes(data, dataSize)) << i;
        if (expected[i].type != REG_BINARY) {
            EXPECT_EQ('\0', data[dataSize]);
        }
        // Never the rest of a work buffer: past what was written, the caller's bytes stay.
        const size_t w = expected[i].written;
        EXPECT_EQ(std::string(32 - w, '\xCC'), bytes(data + w, 32 - w)) << i;
    }
    DWORD nameSize = 8;
    char name[32], data[16];
    EXPECT_EQ(ERROR_NO_MORE_ITEMS, ml_RegEnumValue(key, 5, name, &nameSize, NULL, NULL, NULL, NULL));

    // Names and data that fit in UTF-16 but not in UTF-8.
    put("e", REG_MULTI_SZ, wideBytes(widen(kCjk) + L'\0' + widen(kCjk) + L'\0' + L'\0')); // 14 bytes, 15 in UTF-8
    LogCapture log;
    nameSize = 1;
    EXPECT_EQ(ERROR_NOT_ENOUGH_MEMORY, ml_RegEnumValue(key, 0, name, &nameSize, NULL, NULL, NULL, NULL));
    EXPECT_EQ(2u, nameSize); // what the name needs
    DWORD dataSize = 6;
    nameSize = sizeof name;
    EXPECT_EQ(ERROR_NOT_ENOUGH_MEMORY, ml_RegEnumValue(key, 5, name, &nameSize, NULL, NULL, LPBYTE(data), &dataSize));
    dataSize = 14;
    EXPECT_EQ(ERROR_NOT_ENOUGH_MEMORY, ml_RegEnumValue(key, 4, name, &nameSize, NULL, NULL, LPBYTE(data), &dataSize));
    expectRecords(log, {kTooSmallRecord, "ml_RegEnumValue has failed to convert 1 at %d line, file: %s", kTooSmallRecord,
                        "ml_RegEnumValue has failed to convert 3 at %d line, file: %s", kTooSmallRecord,
                        "ml_RegEnumValue has failed to convert 4 at %d line, file: %s"});
}

TEST_F(Registry, EnumKeyExReportsSizesWithTheTerminator)
{
    HKEY sub;
    ASSERT_EQ(ERROR_SUCCESS, ml_RegCreateKeyEx(key, "abc", 0, kGreek, 0, KEY_ALL_ACCESS, NULL, &sub, NULL));
    RegCloseKey(sub);
    ASSERT_EQ(ERROR_SUCCESS, ml_RegCreateKey(key, kCjk, &sub));
    RegCloseKey(sub);
    char name[32], cls[32];
    DWORD nameSize = sizeof name, classSize = sizeof cls;
    FILETIME written = {};
    EXPECT_EQ(ERROR_SUCCESS, ml_RegEnumKeyEx(key, 0, name, &nameSize, NULL, cls, &classSize, &written));
    EXPECT_EQ(std::string("abc", 4), bytes(name, nameSize));
    EXPECT_EQ(std::string(kGreek, sizeof kGreek), bytes(cls, classSize));
    EXPECT_NE(0u, written.dwHighDateTime);
    nameSize = sizeof name;
    EXPECT_EQ(ERROR_SUCCESS, ml_RegEnumKeyEx(key, 1, name, &nameSize, NULL, NULL, NULL, NULL));
    EXPECT_EQ(std::string(kCjk, sizeof kCjk), bytes(name, nameSize));
    EXPECT_EQ(ERROR_NO_MORE_ITEMS, ml_RegEnumKeyEx(key, 2, name, &nameSize, NULL, NULL, NULL, NULL));
    EXPECT_EQ(ERROR_INVALID_PARAMETER, ml_RegEnumKeyEx(key, 0, name, NULL, NULL, NULL, NULL, NULL));
    nameSize = 3;
    EXPECT_EQ(-1, ml_RegEnumKeyEx(key, 0, name, &nameSize, NULL, NULL, NULL, NULL));
    EXPECT_EQ(4u, nameSize); // what the name needs
}

TEST_F(Registry, SetValueExConvertsStringDataOnly)
{
    const std::string list("a\0b\0\0", 5);
    GuardedBuffer exact = GuardedBuffer::holding(list); // never read past its size
    const struct {
        DWORD type;
        const void *data;
        DWORD size;
        std::string stored;
    } cases[] = {
        {REG_SZ, "abc", 1, wideBytes(std::wstring(L"abc", 4))}, // the caller's size is not used
        {REG_EXPAND_SZ, kGreek, 0, wideBytes(widen(kGreek) + L'\0')},
        {REG_MULTI_SZ, exact.data(), 5, wideBytes(std::wstring(L"a\0b\0\0", 5))},
        {REG_MULTI_SZ, exact.data(), 4, wideBytes(std::wstring(L"a\0b\0", 4))}, // no closing zero
        {REG_MULTI_SZ, "\0\0", 2, std::string(4, '\0')},
        {REG_MULTI_SZ, exact.data(), 0, ""},
        {REG_LINK, "ab", 2, "ab"},
        {REG_DWORD, "\x01\x02\x03\x04", 4, "\x01\x02\x03\x04"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(ERROR_SUCCESS, ml_RegSetValueEx(key, kCjk, 0, c.type, static_cast<const BYTE *>(c.data), c.size));
        const auto got = stored(kCjk);
        EXPECT_EQ(c.type, got.first);
        EXPECT_EQ(c.stored, got.second) << c.type << " " << c.size;
    }
    // Non-ASCII names and data round trip through the members alone.
    EXPECT_EQ(ERROR_SUCCESS, ml_RegSetValueEx(key, kGreek, 0, REG_SZ, reinterpret_cast<const BYTE *>(kCjk), 0));
    char data[16];
    DWORD size = sizeof data;
    EXPECT_EQ(ERROR_SUCCESS, ml_RegQueryValueEx(key, kGreek, NULL, NULL, LPBYTE(data), &size));
    EXPECT_STREQ(kCjk, data);
    EXPECT_EQ(ERROR_SUCCESS, ml_RegDeleteValue(key, kGreek));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, ml_RegDeleteValue(key, kGreek));
}

TEST_F(Registry, QueryValueReadsTheDefaultValueOfASubkey)
{
    EXPECT_EQ(ERROR_SUCCESS, ml_RegSetValue(key, kGreek, REG_SZ, kCjk, 1));
    char value[16];
    LONG size = sizeof value;
    EXPECT_EQ(ERROR_SUCCESS, ml_RegQueryValue(key, kGreek, value, &size));
    EXPECT_EQ(std::string(kCjk, sizeof kCjk), bytes(value, size_t(size)));
    size = 4;
    EXPECT_EQ(ERROR_MORE_DATA, ml_RegQueryValue(key, kGreek, value, &size));
    EXPECT_EQ(6, size); // the UTF-16 size, as without a buffer
    size = 0;
    EXPECT_EQ(ERROR_SUCCESS, ml_RegQueryValue(key, kGreek, NULL, &size));
    EXPECT_EQ(6, size);
    EXPECT_EQ(ERROR_SUCCESS, ml_RegQueryValue(key, kGreek, NULL, NULL)); // no size is read
    EXPECT_EQ(ERROR_INVALID_PARAMETER, ml_RegQueryValue(key, kGreek, value, NULL));
}

// Every caller buffer that a member writes, at the exact fit, one byte short
// and empty. The exact fit holds the UTF-16 form as well as the UTF-8 one.
TEST_F(Registry, OutputBuffersAtTheirBounds)
{
    put("abc", REG_SZ, wideBytes(std::wstring(L"abc", 4)));
    put("cjk", REG_SZ, wideBytes(widen(kCjk) + L'\0'));
    HKEY sub;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(key, L"abc", 0, const_cast<WCHAR *>(L"cls"), 0, KEY_ALL_ACCESS, NULL,
                                             &sub, NULL));
    RegCloseKey(sub);
    // A default value of its own: setting one on abc would drop its class.
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueW(key, L"def", REG_SZ, widen(kCjk).c_str(), 0));
    typedef std::function<LONG(char *, DWORD &)> Call;
    auto queryEx = [&](const char *name) {
        return Call([=](char *b, DWORD &s) { return ml_RegQueryValueEx(key, name, NULL, NULL, LPBYTE(b), &s); });
    };
    // The value to enumerate is the only one in a key of its own.
    auto enumData = [&](DWORD type, const std::wstring &data) {
        const std::string stored = wideBytes(data);
        return Call([=, this](char *b, DWORD &s) {
            HKEY one;
            RegCreateKeyExW(key, L"one", 0, NULL, 0, KEY_ALL_ACCESS, NULL, &one, NULL);
            put("", type, stored, one);
            char n[8];
            DWORD nSize = sizeof n;
            const LONG r = ml_RegEnumValue(one, 0, n, &nSize, NULL, NULL, LPBYTE(b), &s);
            RegCloseKey(one);
            RegDeleteKeyW(key, L"one");
            return r;
        });
    };
    const struct {
        const char *what;
        Call call;
        DWORD fit; // the larger of the UTF-16 and the UTF-8 form
        std::string text; // with its terminator
        LONG oneShort, empty;
    } rows[] = {
        {"query ascii", queryEx("abc"), 8, std::string("abc", 4), ERROR_MORE_DATA, ERROR_MORE_DATA},
        {"query cjk", queryEx("cjk"), 7, std::string(kCjk, 7), ERROR_MORE_DATA, ERROR_MORE_DATA},
        {"enum name", Call([&](char *b, DWORD &s) { return ml_RegEnumValue(key, 0, b, &s, NULL, NULL, NULL, NULL); }),
         4, std::string("abc", 4), ERROR_NOT_ENOUGH_MEMORY, ERROR_NOT_ENOUGH_MEMORY},
        {"enum data cjk", enumData(REG_SZ, widen(kCjk) + L'\0'), 7, std::string(kCjk, 7), ERROR_NOT_ENOUGH_MEMORY, ERROR_MORE_DATA},
        {"enum data list", enumData(REG_MULTI_SZ, widen(kCjk) + std::wstring(2, L'\0')), 8, std::string(kCjk, 7) + '\0', ERROR_MORE_DATA, ERROR_MORE_DATA},
        {"enum data e", enumData(REG_EXPAND_SZ, L"\x00E9\x00E9") /* unterminated */, 5, "\xC3\xA9\xC3\xA9" + std::string(1, '\0'), ERROR_NOT_ENOUGH_MEMORY, ERROR_MORE_DATA},
        {"key name", Call([&](char *b, DWORD &s) { return ml_RegEnumKeyEx(key, 0, b, &s, NULL, NULL, NULL, NULL); }),
         4, std::string("abc", 4), -1, -1},
        {"key class", Call([&](char *b, DWORD &s) {
             char name[8];
             DWORD n = sizeof name;
             return ml_RegEnumKeyEx(key, 0, name, &n, NULL, b, &s, NULL);
         }),
         4, std::string("cls", 4), -1, -1},
        {"default value", Call([&](char *b, DWORD &s) {
             LONG l = LONG(s);
             const LONG r = ml_RegQueryValue(key, "def", b, &l);
             s = DWORD(l);
             return r;
         }),
         7, std::string(kCjk, 7), -1, ERROR_MORE_DATA},
    };
    for (const auto &row : rows) {
        const DWORD fit = row.fit;
        GuardedBuffer exact(fit);
        DWORD size = fit;
        ASSERT_EQ(ERROR_SUCCESS, row.call(exact.data(), size)) << row.what;
        EXPECT_EQ(row.text, exact.bytes().substr(0, row.text.size())) << row.what;
        GuardedBuffer short1(fit - 1), empty(0);
        size = fit - 1;
        EXPECT_EQ(row.oneShort, row.call(short1.data(), size)) << row.what;
        size = 0;
        EXPECT_EQ(row.empty, row.call(empty.data(), size)) << row.what;
        EXPECT_TRUE(empty.untouched());
    }
}

// The members that only convert names: a name that does not convert gives
// -1 and one record of the member's own after the conversion's records.
TEST_F(Registry, NameMembersAndPassThroughs)
{
    TempDir dir;
    const std::string hive = dir.file(std::string(kGreek) + ".hive");
    const char *L = kTooLong.c_str();
    HKEY k = NULL;
    DWORD disposition = 0;
    const struct {
        const char *member;
        std::function<LONG()> call;
        int conversions;
    } rows[] = {
        {"ml_RegConnectRegistry", [&] { return ml_RegConnectRegistry(L, HKEY_CURRENT_USER, &k); }, 1},
        {"ml_RegCreateKey", [&] { return ml_RegCreateKey(key, L, &k); }, 1},
        {"ml_RegCreateKeyEx", [&] { return ml_RegCreateKeyEx(key, L, 0, L, 0, KEY_READ, NULL, &k, NULL); }, 2},
        {"ml_RegDeleteKey", [&] { return ml_RegDeleteKey(key, L); }, 1},
        {"ml_RegDeleteValue", [&] { return ml_RegDeleteValue(key, L); }, 1},
        {"ml_RegLoadKey", [&] { return ml_RegLoadKey(HKEY_USERS, "x", L); }, 1},
        {"ml_RegOpenKey", [&] { return ml_RegOpenKey(key, L, &k); }, 1},
        {"ml_RegOpenKeyEx", [&] { return ml_RegOpenKeyEx(key, L, 0, KEY_READ, &k); }, 1},
        {"ml_RegReplaceKey", [&] { return ml_RegReplaceKey(key, L, L, L); }, 3},
        {"ml_RegSaveKey", [&] { return ml_RegSaveKey(key, L, NULL); }, 1},
        {"ml_RegUnLoadKey", [&] { return ml_RegUnLoadKey(HKEY_USERS, L); }, 1},
        {"ml_RegQueryValue", [&] { return ml_RegQueryValue(key, L, NULL, NULL); }, 1},
        {"ml_RegSetValue", [&] { return ml_RegSetValue(key, L, REG_SZ, L, 0); }, 2},
        {"ml_RegSetValueEx", [&] { return ml_RegSetValueEx(key, L, 0, REG_SZ, LPBYTE(""), 1); }, 1},
        {"ml_RegSetValueEx", [&] { return ml_RegSetValueEx(key, "v", 0, REG_SZ, LPBYTE(L), 1); }, 1},
    };
    for (const auto &row : rows) {
        LogCapture log;
        SetLastError(kCallerError);
        EXPECT_EQ(-1, row.call()) << row.member;
        EXPECT_EQ(DWORD(ERROR_INSUFFICIENT_BUFFER), GetLastError()) << row.member;
        const std::vector<std::string> m = log.messages();
        ASSERT_EQ(size_t(row.conversions + 1), m.size()) << row.member;
        EXPECT_EQ(0u, m.back().find(row.member + std::string(" has failed to convert"))) << m.back();
    }
    {
        LogCapture log; // a name that is not UTF-8 is refused, not made under another name
        L = "bad-\xFF";
        EXPECT_EQ(-1, rows[1].call());
        EXPECT_EQ(DWORD(ERROR_NO_UNICODE_TRANSLATION), GetLastError());
    }
    EXPECT_NE(ERROR_SUCCESS, RegOpenKeyExW(key, L"bad-\xFFFD", 0, KEY_READ, &k));

    // The working paths, with non-ASCII names.
    EXPECT_EQ(ERROR_SUCCESS, ml_RegCreateKeyEx(key, kGreek, 0, NULL, 0, KEY_ALL_ACCESS, NULL, &k, &disposition));
    EXPECT_EQ(DWORD(REG_CREATED_NEW_KEY), disposition);
    EXPECT_EQ(ERROR_SUCCESS, ml_RegFlushKey(k));
    HANDLE changed = CreateEventW(NULL, TRUE, FALSE, NULL);
    EXPECT_EQ(ERROR_SUCCESS, ml_RegNotifyChangeKeyValue(k, FALSE, REG_NOTIFY_CHANGE_LAST_SET, changed, TRUE));
    EXPECT_EQ(ERROR_SUCCESS, ml_RegSetValueEx(k, kCjk, 0, REG_DWORD, LPBYTE("\1\0\0\0"), 4));
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(changed, 5000));
    CloseHandle(changed);
    DWORD needed = 0;
    EXPECT_EQ(ERROR_INSUFFICIENT_BUFFER, ml_RegGetKeySecurity(k, OWNER_SECURITY_INFORMATION, NULL, &needed));
    std::vector<BYTE> descriptor(needed);
    EXPECT_EQ(ERROR_SUCCESS, ml_RegGetKeySecurity(k, OWNER_SECURITY_INFORMATION, &descriptor[0], &needed));
    EXPECT_EQ(ERROR_SUCCESS, ml_RegSetKeySecurity(k, OWNER_SECURITY_INFORMATION, &descriptor[0]));
    // Saving needs a privilege that the wide call may lack as well.
    const LONG saved = ml_RegSaveKey(k, hive.c_str(), NULL);
    EXPECT_EQ(RegSaveKeyW(k, widen(dir.file("wide.hive")).c_str(), NULL), saved);
    EXPECT_EQ(ERROR_SUCCESS, ml_RegCloseKey(k));
    EXPECT_EQ(ERROR_INVALID_HANDLE, ml_RegCloseKey(k));
    EXPECT_EQ(ERROR_SUCCESS, ml_RegOpenKeyEx(key, kGreek, 0, KEY_READ, &k));
    RegCloseKey(k);
    EXPECT_EQ(ERROR_SUCCESS, ml_RegOpenKey(key, kGreek, &k));
    RegCloseKey(k);
    EXPECT_EQ(ERROR_SUCCESS, ml_RegConnectRegistry(NULL, HKEY_CURRENT_USER, &k));
    RegCloseKey(k);
    EXPECT_EQ(ERROR_SUCCESS, ml_RegDeleteKey(key, kGreek));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, ml_RegOpenKey(key, kGreek, &k));
    // Hives: loaded and unloaded, or refused as the wide call refuses.
    const LONG loaded = ml_RegLoadKey(HKEY_USERS, "mlTestHive", hive.c_str());
    if (loaded == ERROR_SUCCESS)
        EXPECT_EQ(ERROR_SUCCESS, ml_RegUnLoadKey(HKEY_USERS, "mlTestHive"));
    else
        EXPECT_EQ(RegLoadKeyW(HKEY_USERS, L"mlTestHive", widen(hive).c_str()), loaded);
}

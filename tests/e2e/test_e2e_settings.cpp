// The settings tool as its user meets it: the real program, its dialog and
// message boxes driven from outside, and the configuration file on disk.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <string>
#include <vector>

#include "TempDir.h"
#include "ToolDriver.h"
#include "WindowSnap.h"

namespace {

const int kTapeMode = 1009, kReadAhead = 1010, kCacheSize = 1011;
const int kEnabled = 0, kDisabled = 1;

const wchar_t kRunning[] = L"VantrelMount is running";
const char kRunningText[] = "VantrelMount is currently running. Stop VantrelMount and then Retry.";
const char kCacheText[] = "ReadAhead cache size cannot exceed 75000.";
const char kWarningText[] =
    "Tape Mode allows only limited File Restore capabilities. Refer to Vantrel documentation for details.";
const char kSuccessText[] = "Settings successfully updated. You can start Vantrel Mount now.";

// How long to watch for a window that must not come.
const DWORD kAbsentMs = 1500;

const char kGruesse[] = "Gr\xC3\xBC\xC3\x9F" "e";  // Grüße in UTF-8
const char kGruesseAnsi[] = "Gr\xFC\xDF" "e"; // the same in code page 1252

// The file as the platform's profile functions write it.
std::string generalConfig(const std::string &tape, const std::string &readAhead, const std::string &cache)
{
    return "[General config]\r\nTape Mode=" + tape + "\r\nOstra Read ahead=" + readAhead +
           "\r\nRead Ahead Cache Size Ostra=" + cache + "\r\n";
}

class Settings : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(removeConfigTree()); }
    void TearDown() override
    {
        tool.kill();
        removeConfigTree();
    }

    // Starts the tool and waits for its dialog.
    ::testing::AssertionResult open()
    {
        if (!tool.start())
            return ::testing::AssertionFailure() << "the tool did not start: " << GetLastError();
        dlg = tool.dialog();
        if (dlg == NULL)
            return ::testing::AssertionFailure() << "no dialog";
        return ::testing::AssertionSuccess();
    }

    std::string field(int id) const { return windowText(GetDlgItem(dlg, id)); }
    bool type(int id, const std::string &text) const { return setWindowText(GetDlgItem(dlg, id), text); }

    // What the dialog shows: mode entry, read-ahead and cache texts.
    void expectShows(const std::string &mode, const std::string &readAhead, const std::string &cache) const
    {
        EXPECT_EQ(mode, windowText(GetDlgItem(dlg, kTapeMode)));
        EXPECT_EQ(mode == "Enabled" ? kEnabled : kDisabled, comboSelection(dlg, kTapeMode));
        EXPECT_EQ(readAhead, field(kReadAhead));
        EXPECT_EQ(cache, field(kCacheSize));
    }

    // A box of the tool with this caption and text, owned by the dialog.
    HWND expectBox(const std::wstring &caption, const std::string &text, DWORD timeoutMs = kWaitMs) const
    {
        const std::vector<int> okOnly = {IDOK};
        return expectBox(caption, text, caption == kRunning ? std::vector<int>{IDCANCEL, IDRETRY} : okOnly, timeoutMs);
    }
    HWND expectBox(const std::wstring &caption, const std::string &text, const std::vector<int> &buttons,
                   DWORD timeoutMs) const
    {
        HWND box = tool.window(caption, timeoutMs);
        EXPECT_TRUE(box != NULL) << "no box " << narrow(caption);
        if (box == NULL)
            return NULL;
        EXPECT_EQ(text, boxText(box));
        EXPECT_EQ(buttons, boxButtons(box));
        // Boxes of the opening come while the dialog is still hidden.
        HWND owner = GetWindow(box, GW_OWNER);
        if (dlg != NULL)
            EXPECT_EQ(dlg, owner);
        else
            EXPECT_EQ("Tape Mode settings", windowText(owner));
        return box;
    }

    // Answers a box and waits for it to close.
    static void answer(HWND box, int id)
    {
        answerBox(box, id);
        EXPECT_TRUE(waitWindowGone(box, kWaitMs));
    }

    // OK, the warning when tape mode is on, the success box, and the end.
    void confirm(bool tapeEnabled)
    {
        clickButton(dlg, IDOK);
        if (tapeEnabled) {
            HWND warning = expectBox(L"Warning", kWarningText);
            ASSERT_TRUE(warning != NULL);
            answer(warning, IDOK);
        }
        HWND success = expectBox(L"Success", kSuccessText);
        ASSERT_TRUE(success != NULL);
        answer(success, IDOK);
        expectExit(0);
    }

    void cancel()
    {
        clickButton(dlg, IDCANCEL);
        expectExit(0);
    }

    void expectExit(DWORD expected)
    {
        DWORD code = 0;
        ASSERT_TRUE(tool.waitExit(kWaitMs, &code)) << "the tool is still running";
        EXPECT_EQ(expected, code);
    }

    Tool tool;
    HWND dlg = NULL;
};

// ---- Opening -----------------------------------------------------------------

TEST_F(Settings, FreshMachineGetsFoldersAnEmptyFileAndTheDisabledDefaults)
{
    ASSERT_TRUE(open());
    const std::wstring base = commonAppDataFolder();
    EXPECT_TRUE(folderExists(base + L"\\Quillon"));
    EXPECT_TRUE(folderExists(base + L"\\Quillon\\Ostra"));
    EXPECT_TRUE(folderExists(base + L"\\Quillon\\Ostra\\Vantrel"));
    EXPECT_TRUE(folderExists(base + L"\\Quillon\\Ostra\\Vantrel\\mount"));
    ASSERT_TRUE(configExists());
    EXPECT_EQ("", readConfig());
    expectShows("Disabled", "64", "10000");
    cancel();
    EXPECT_EQ("", readConfig());
}

TEST_F(Settings, StoredTextsAreShownAsStored)
{
    ASSERT_TRUE(writeConfig(generalConfig("1", "12ab", "x9")));
    ASSERT_TRUE(open());
    expectShows("Enabled", "12ab", "x9");
    cancel();
}

TEST_F(Settings, KeyWithAnEmptyValueShowsAnEmptyField)
{
    ASSERT_TRUE(writeConfig(generalConfig("0", "", "")));
    ASSERT_TRUE(open());
    expectShows("Disabled", "", "");
    cancel();
}

TEST_F(Settings, OnlyTapeModeOneMeansEnabled)
{
    struct Case {
        const char *stored, *mode, *readAhead, *cache;
    };
    const Case cases[] = {{"1", "Enabled", "1024", "75000"},
                          {"2", "Disabled", "64", "10000"},
                          {"0", "Disabled", "64", "10000"},
                          {"-1", "Disabled", "64", "10000"},
                          {"on", "Disabled", "64", "10000"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.stored);
        ASSERT_TRUE(writeConfig(std::string("[General config]\r\nTape Mode=") + c.stored + "\r\n"));
        ASSERT_TRUE(open());
        expectShows(c.mode, c.readAhead, c.cache);
        cancel();
    }
}

// A text that needs 520 bytes with its terminator does not fit the tool's
// buffer: the field falls back to the mode's default instead.
TEST_F(Settings, StoredValueTooLongForItsBufferShowsTheDefault)
{
    std::string e259, e260;
    for (int i = 0; i < 259; ++i)
        e259 += "\xE9"; // é, two bytes in UTF-8
    e260 = e259 + "\xE9";
    std::string u259;
    for (int i = 0; i < 259; ++i)
        u259 += "\xC3\xA9";

    ASSERT_TRUE(writeConfig(generalConfig("1", std::string(519, 'r'), std::string(520, 'c'))));
    ASSERT_TRUE(open());
    expectShows("Enabled", std::string(519, 'r'), "75000");
    cancel();

    ASSERT_TRUE(writeConfig(generalConfig("0", e260, e259)));
    ASSERT_TRUE(open());
    expectShows("Disabled", "64", u259);
    cancel();

    ASSERT_TRUE(writeConfig(generalConfig("0", std::string(600, 'r'), std::string(600, 'c'))));
    ASSERT_TRUE(open());
    expectShows("Disabled", "64", "10000");
    cancel();
}

TEST_F(Settings, DialogHasTheControlsOfItsTemplate)
{
    ASSERT_TRUE(open());
    HWND combo = GetDlgItem(dlg, kTapeMode);
    DWORD_PTR count = 0;
    ASSERT_TRUE(SendMessageTimeoutW(combo, CB_GETCOUNT, 0, 0, SMTO_NORMAL, 5000, &count));
    EXPECT_EQ(2u, count);
    const char *entries[] = {"Enabled", "Disabled"};
    for (int i = 0; i < 2; ++i) {
        wchar_t text[64] = L"";
        DWORD_PTR len = 0;
        SendMessageTimeoutW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 5000, &len);
        EXPECT_EQ(entries[i], narrow(text));
    }
    // An editable drop-down, not a list.
    EXPECT_EQ(static_cast<LONG>(CBS_DROPDOWN), GetWindowLongW(combo, GWL_STYLE) & 3);
    EXPECT_EQ(static_cast<LONG>(BS_DEFPUSHBUTTON), GetWindowLongW(GetDlgItem(dlg, IDOK), GWL_STYLE) & 0xF);
    EXPECT_EQ("OK", windowText(GetDlgItem(dlg, IDOK)));
    EXPECT_EQ("Cancel", windowText(GetDlgItem(dlg, IDCANCEL)));
    EXPECT_EQ("Tape Mode:", windowText(GetDlgItem(dlg, 1002)));
    EXPECT_EQ("ReadAhead size (in blocks):", windowText(GetDlgItem(dlg, 1003)));
    EXPECT_EQ("ReadAhead cache size (in blocks):", windowText(GetDlgItem(dlg, 1004)));
    RECT ok, cancelRect;
    GetWindowRect(GetDlgItem(dlg, IDOK), &ok);
    GetWindowRect(GetDlgItem(dlg, IDCANCEL), &cancelRect);
    EXPECT_GT(ok.left, cancelRect.right);
    EXPECT_TRUE(GetWindowLongW(dlg, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    cancel();
}

TEST_F(Settings, FolderThatCannotBeMadeIsReportedAndEndsTheTool)
{
    // A file where the first folder belongs lets that folder "exist" and
    // makes the next one impossible.
    const std::wstring base = commonAppDataFolder();
    writeFileBytes(narrow(base + L"\\Quillon"), "x");
    ASSERT_TRUE(tool.start());
    HWND box = expectBox(L"Error", "Failed to create folder " + narrow(base) + "\\Quillon\\Ostra");
    ASSERT_TRUE(box != NULL);
    EXPECT_TRUE(tool.dialog(0) == NULL);
    answer(box, IDOK);
    EXPECT_TRUE(tool.waitExit());
    EXPECT_FALSE(guardMutexExists());
}

// ---- Tape mode selection -----------------------------------------------------

TEST_F(Settings, SwitchingTheModeReplacesBothFieldsEvenAfterTyping)
{
    ASSERT_TRUE(open());
    ASSERT_TRUE(type(kReadAhead, "7"));
    ASSERT_TRUE(type(kCacheSize, "8"));
    ASSERT_TRUE(selectComboEntry(dlg, kTapeMode, kEnabled));
    expectShows("Enabled", "1024", "75000");
    ASSERT_TRUE(type(kReadAhead, "9"));
    ASSERT_TRUE(selectComboEntry(dlg, kTapeMode, kDisabled));
    expectShows("Disabled", "64", "10000");
    cancel();
}

TEST_F(Settings, TypingIntoTheModeFieldDoesNotChangeTheMode)
{
    ASSERT_TRUE(open());
    ASSERT_TRUE(setWindowText(GetDlgItem(dlg, kTapeMode), "Enabled"));
    confirm(false);
    EXPECT_EQ(generalConfig("0", "64", "10000"), readConfig());
}

// ---- Cache size check ----------------------------------------------------------

TEST_F(Settings, CacheOfZeroAndOfTheLimitAreAccepted)
{
    for (const char *cache : {"75000", "0"}) {
        SCOPED_TRACE(cache);
        ASSERT_TRUE(removeConfigTree());
        ASSERT_TRUE(open());
        ASSERT_TRUE(type(kCacheSize, cache));
        confirm(false);
        EXPECT_EQ(generalConfig("0", "64", cache), readConfig());
    }
}

TEST_F(Settings, RejectedCacheResetsItsFieldAndLeavesTheFileAlone)
{
    const std::string stored = generalConfig("0", "64", "10000");
    ASSERT_TRUE(writeConfig(stored));
    ASSERT_TRUE(open());
    for (const char *cache : {"75001", "-1", "abc", ""}) {
        SCOPED_TRACE(cache);
        ASSERT_TRUE(type(kReadAhead, "333"));
        ASSERT_TRUE(type(kCacheSize, cache));
        clickButton(dlg, IDOK);
        HWND box = expectBox(L"Error", kCacheText);
        ASSERT_TRUE(box != NULL);
        answer(box, IDOK);
        EXPECT_EQ("75000", field(kCacheSize));
        EXPECT_EQ("333", field(kReadAhead));
        EXPECT_TRUE(tool.running());
        EXPECT_EQ(stored, readConfig());
    }
    cancel();
    EXPECT_EQ(stored, readConfig());
}

// The number is read past leading blanks and up to the first letter; the
// profile write drops the blanks, the rest is stored as typed.
TEST_F(Settings, CacheWithBlanksAndTrailingLettersIsAcceptedAndStored)
{
    ASSERT_TRUE(open());
    ASSERT_TRUE(type(kCacheSize, "  5000abc"));
    confirm(false);
    EXPECT_EQ(generalConfig("0", "64", "5000abc"), readConfig());
}

// ---- Confirmation ------------------------------------------------------------

TEST_F(Settings, EnabledModeWarnsBeforeWritingThenReportsSuccess)
{
    ASSERT_TRUE(open());
    ASSERT_TRUE(selectComboEntry(dlg, kTapeMode, kEnabled));
    ASSERT_TRUE(type(kReadAhead, "2048"));
    clickButton(dlg, IDOK);
    HWND warning = expectBox(L"Warning", kWarningText);
    ASSERT_TRUE(warning != NULL);
    EXPECT_EQ("", readConfig());
    answer(warning, IDOK);
    HWND success = expectBox(L"Success", kSuccessText);
    ASSERT_TRUE(success != NULL);
    EXPECT_EQ(generalConfig("1", "2048", "75000"), readConfig());
    answer(success, IDOK);
    expectExit(0);
}

TEST_F(Settings, DisabledModeOnlyReportsSuccess)
{
    ASSERT_TRUE(writeConfig(generalConfig("1", "1024", "75000")));
    ASSERT_TRUE(open());
    ASSERT_TRUE(selectComboEntry(dlg, kTapeMode, kDisabled));
    // A warning would block the success box, so finding it proves there was none.
    confirm(false);
    EXPECT_EQ(generalConfig("0", "64", "10000"), readConfig());
}

TEST_F(Settings, CancelWritesNothing)
{
    const std::string stored = generalConfig("0", "64", "10000");
    ASSERT_TRUE(writeConfig(stored));
    ASSERT_TRUE(open());
    ASSERT_TRUE(selectComboEntry(dlg, kTapeMode, kEnabled));
    ASSERT_TRUE(type(kReadAhead, "1"));
    ASSERT_TRUE(type(kCacheSize, "2"));
    cancel();
    EXPECT_EQ(stored, readConfig());
}

TEST_F(Settings, ClosingTheDialogWritesNothing)
{
    const std::string stored = generalConfig("1", "1024", "75000");
    ASSERT_TRUE(writeConfig(stored));
    ASSERT_TRUE(open());
    ASSERT_TRUE(type(kReadAhead, "5"));
    PostMessageW(dlg, WM_SYSCOMMAND, SC_CLOSE, 0);
    expectExit(0);
    EXPECT_EQ(stored, readConfig());
}

TEST_F(Settings, OtherSectionsAndKeysSurviveAConfirmation)
{
    const std::string before = "[Mount]\r\nDrive=T\r\nLetters=T;U\r\n"
                               "[General config]\r\nLog Level=3\r\nTape Mode=0\r\nOstra Read ahead=64\r\n"
                               "Keep=me\r\nRead Ahead Cache Size Ostra=10000\r\nZ=\r\n"
                               "[Last]\r\nz=9\r\n";
    const std::string after = "[Mount]\r\nDrive=T\r\nLetters=T;U\r\n"
                              "[General config]\r\nLog Level=3\r\nTape Mode=1\r\nOstra Read ahead=1024\r\n"
                              "Keep=me\r\nRead Ahead Cache Size Ostra=75000\r\nZ=\r\n"
                              "[Last]\r\nz=9\r\n";
    ASSERT_TRUE(writeConfig(before));
    ASSERT_TRUE(open());
    ASSERT_TRUE(selectComboEntry(dlg, kTapeMode, kEnabled));
    confirm(true);
    EXPECT_EQ(after, readConfig());
}

TEST_F(Settings, NonAsciiTextIsStoredInTheAnsiCodePageAndShownAgain)
{
    ASSERT_TRUE(open());
    ASSERT_TRUE(type(kReadAhead, kGruesse));
    ASSERT_TRUE(type(kCacheSize, std::string("12 ") + kGruesse));
    confirm(false);
    EXPECT_EQ(generalConfig("0", kGruesseAnsi, std::string("12 ") + kGruesseAnsi), readConfig());

    ASSERT_TRUE(open());
    expectShows("Disabled", kGruesse, std::string("12 ") + kGruesse);
    cancel();
}

// A file that starts with a UTF-16 byte-order mark is read and written in
// UTF-16, so text outside the ANSI code page survives.
TEST_F(Settings, UnicodeFileKeepsTextOutsideTheAnsiCodePage)
{
    const std::wstring settei = L"\u8A2D\u5B9A"; // 設定
    const std::wstring text = L"[General config]\r\nTape Mode=0\r\nOstra Read ahead=" + settei +
                              L"\r\nRead Ahead Cache Size Ostra=5\r\n";
    std::string bytes = "\xFF\xFE";
    bytes.append(reinterpret_cast<const char *>(text.data()), text.size() * sizeof(wchar_t));
    ASSERT_TRUE(writeConfig(bytes));
    ASSERT_TRUE(open());
    expectShows("Disabled", narrow(settei), "5");
    ASSERT_TRUE(type(kReadAhead, narrow(settei + L"x")));
    confirm(false);
    const std::string after = readConfig();
    ASSERT_EQ("\xFF\xFE", after.substr(0, 2));
    const std::wstring stored(reinterpret_cast<const wchar_t *>(after.data() + 2), (after.size() - 2) / 2);
    EXPECT_NE(std::wstring::npos, stored.find(L"Ostra Read ahead=" + settei + L"x\r\n")) << narrow(stored);
}

// ---- The companion tool ------------------------------------------------------

TEST_F(Settings, CompanionRunningAsksAgainOnEachRetryUntilItStops)
{
    MutexHolder companion;
    ASSERT_TRUE(companion.start());
    ASSERT_TRUE(tool.start());
    for (int attempt = 0; attempt < 3; ++attempt) {
        SCOPED_TRACE(attempt);
        HWND box = expectBox(kRunning, kRunningText);
        ASSERT_TRUE(box != NULL);
        // The box comes before the dialog is shown.
        EXPECT_TRUE(tool.dialog(0) == NULL);
        if (attempt == 2) {
            ASSERT_TRUE(companion.stop());
        }
        answer(box, IDRETRY);
    }
    dlg = tool.dialog();
    ASSERT_TRUE(dlg != NULL);
    expectShows("Disabled", "64", "10000");
    // While the dialog is open the tool keeps the companion out.
    MutexHolder second;
    DWORD code = 0;
    EXPECT_FALSE(second.start(&code));
    EXPECT_EQ(3u, code);
    cancel();
    EXPECT_FALSE(guardMutexExists());
}

TEST_F(Settings, CompanionRunningAndCancelEndsTheToolAfterMakingTheFile)
{
    MutexHolder companion;
    ASSERT_TRUE(companion.start());
    ASSERT_TRUE(tool.start());
    HWND box = expectBox(kRunning, kRunningText);
    ASSERT_TRUE(box != NULL);
    EXPECT_TRUE(configExists());
    answerBox(box, IDCANCEL);
    ASSERT_TRUE(tool.waitExit());
    EXPECT_TRUE(tool.dialog(0) == NULL);
    ASSERT_TRUE(configExists());
    EXPECT_EQ("", readConfig());
}

// ---- Keyboard ----------------------------------------------------------------

TEST_F(Settings, FocusStartsOnOK)
{
    ASSERT_TRUE(open());
    EXPECT_EQ(GetDlgItem(dlg, IDOK), focusOf(dlg));
    cancel();
}

TEST_F(Settings, TabOrderRunsOkReadAheadCacheModeCancel)
{
    ASSERT_TRUE(open());
    const int order[] = {IDOK, kReadAhead, kCacheSize, kTapeMode, IDCANCEL, IDOK};
    for (size_t i = 0; i + 1 < sizeof order / sizeof order[0]; ++i) {
        EXPECT_EQ(GetDlgItem(dlg, order[i + 1]), GetNextDlgTabItem(dlg, GetDlgItem(dlg, order[i]), FALSE))
            << "after " << order[i];
    }
    // Real Tab presses move the focus the same way.
    for (size_t i = 1; i < 4; ++i) {
        pressKey(focusOf(dlg), VK_TAB);
        HWND want = GetDlgItem(dlg, order[i]);
        for (int n = 0; n < 100 && focusOf(dlg) != want && !IsChild(want, focusOf(dlg)); ++n)
            Sleep(50);
        HWND got = focusOf(dlg);
        EXPECT_TRUE(got == want || IsChild(want, got)) << "Tab " << i;
    }
    cancel();
}

TEST_F(Settings, EnterInAFieldConfirms)
{
    ASSERT_TRUE(open());
    ASSERT_TRUE(type(kReadAhead, "128"));
    HWND edit = GetDlgItem(dlg, kReadAhead);
    // A click into the field gives it the focus.
    PostMessageW(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageW(edit, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    for (int n = 0; n < 100 && focusOf(dlg) != edit; ++n)
        Sleep(50);
    ASSERT_EQ(edit, focusOf(dlg));
    pressKey(edit, VK_RETURN);
    HWND success = expectBox(L"Success", kSuccessText);
    ASSERT_TRUE(success != NULL);
    answer(success, IDOK);
    expectExit(0);
    EXPECT_EQ(generalConfig("0", "128", "10000"), readConfig());
}

TEST_F(Settings, EscapeCancels)
{
    ASSERT_TRUE(open());
    ASSERT_TRUE(type(kCacheSize, "1"));
    pressKey(GetDlgItem(dlg, kCacheSize), VK_ESCAPE);
    expectExit(0);
    EXPECT_EQ("", readConfig());
}

// ---- Failures the tool must report -------------------------------------------

TEST_F(Settings, WriteFailureIsReportedWithThePathAndKeepsTheDialogOpen)
{
    const std::string stored = generalConfig("0", "64", "10000");
    ASSERT_TRUE(writeConfig(stored));
    ASSERT_TRUE(open());
    ASSERT_TRUE(type(kReadAhead, "99"));
    // Share mode 0 stops the profile write even for root.
    HANDLE lock = CreateFileW(configFilePath().c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    clickButton(dlg, IDOK);
    HWND box = tool.window(L"Error");
    ASSERT_TRUE(box != NULL);
    EXPECT_EQ(dlg, GetWindow(box, GW_OWNER));
    EXPECT_NE(std::string::npos, boxText(box).find(configPath())) << boxText(box);
    answer(box, IDOK);
    EXPECT_TRUE(tool.window(L"Success", kAbsentMs) == NULL);
    EXPECT_TRUE(tool.running());
    EXPECT_TRUE(tool.dialog(0) != NULL);
    CloseHandle(lock);
    EXPECT_EQ(stored, readConfig());
    // Once the file is free again, the same confirmation gets through.
    confirm(false);
    EXPECT_EQ(generalConfig("0", "99", "10000"), readConfig());
}

// Points the common application-data folder elsewhere for one test.
class CommonAppDataOverride {
public:
    explicit CommonAppDataOverride(const std::wstring &folder)
    {
        save(kUserShellFolders, m_user);
        save(kShellFolders, m_shell);
        HKEY key;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kUserShellFolders, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
            m_set = RegSetValueExW(key, kValue, 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE *>(folder.c_str()),
                                   static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
            RegCloseKey(key);
        }
    }
    ~CommonAppDataOverride()
    {
        restore(kUserShellFolders, m_user);
        restore(kShellFolders, m_shell);
    }
    bool set() const { return m_set; }

private:
    struct Saved {
        bool present = false;
        DWORD type = 0;
        std::vector<BYTE> data;
    };
    static constexpr const wchar_t *kUserShellFolders =
        L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
    static constexpr const wchar_t *kShellFolders = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
    static constexpr const wchar_t *kValue = L"Common AppData";

    static void save(const wchar_t *path, Saved &s)
    {
        HKEY key;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
            return;
        DWORD size = 0;
        if (RegQueryValueExW(key, kValue, NULL, &s.type, NULL, &size) == ERROR_SUCCESS) {
            s.data.resize(size);
            s.present = RegQueryValueExW(key, kValue, NULL, &s.type, s.data.data(), &size) == ERROR_SUCCESS;
        }
        RegCloseKey(key);
    }
    static void restore(const wchar_t *path, const Saved &s)
    {
        HKEY key;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
            return;
        if (s.present)
            RegSetValueExW(key, kValue, 0, s.type, s.data.data(), static_cast<DWORD>(s.data.size()));
        else
            RegDeleteValueW(key, kValue);
        RegCloseKey(key);
    }

    Saved m_user, m_shell;
    bool m_set = false;
};

// A folder whose path takes exactly utf8Length bytes in UTF-8, made of
// three-byte characters so that it stays within MAX_PATH characters.
std::string longFolderPath(size_t utf8Length)
{
    std::string path = "C:\\e2elong";
    while (path.size() < utf8Length) {
        const size_t room = utf8Length - path.size() - 1;
        std::string name;
        while (name.size() + 3 <= room && name.size() + 3 <= 240)
            name += "\xE8\xA8\xAD"; // 設
        while (name.size() < room && name.size() < 240)
            name += 'a';
        path += "\\" + name;
    }
    return path;
}

class LongAppData : public Settings {
protected:
    void TearDown() override
    {
        Settings::TearDown();
        removeTree(L"C:\\e2elong");
    }

    // Runs the tool with the common folder at a path of this UTF-8 length.
    void runWith(size_t utf8Length, bool accepted)
    {
        const std::string folder = longFolderPath(utf8Length);
        ASSERT_EQ(utf8Length, folder.size());
        ASSERT_EQ(ERROR_SUCCESS, SHCreateDirectoryExW(NULL, widen(folder).c_str(), NULL));
        {
            CommonAppDataOverride over(widen(folder));
            ASSERT_TRUE(over.set());
            ASSERT_EQ(folder, narrow(commonAppDataFolder()));
            ASSERT_TRUE(tool.start());
            if (accepted) {
                dlg = tool.dialog();
                ASSERT_TRUE(dlg != NULL) << boxText(tool.window(L"Error", 0));
                EXPECT_TRUE(configExists());
                cancel();
            } else {
                HWND box = tool.window(L"Error");
                ASSERT_TRUE(box != NULL);
                EXPECT_TRUE(tool.dialog(0) == NULL);
                answer(box, IDOK);
                // The dialog ends with -1, which the application does not pass on.
                EXPECT_TRUE(tool.waitExit());
            }
        }
        EXPECT_EQ(accepted ? 1 : 0, countFiles(L"C:\\e2elong"));
    }
};

// Folder names are joined by the platform's MAX_PATH rule: the folder with
// its chain may take 259 bytes, the configuration path then 277.
TEST_F(LongAppData, FolderChainOfTwoHundredFiftyNineBytesIsUsed)
{
    runWith(259 - 28, true);
}

TEST_F(LongAppData, FolderChainOfTwoHundredSixtyBytesIsRefused)
{
    runWith(260 - 28, false);
}

TEST_F(LongAppData, ConfigPathPastItsBufferIsRefused)
{
    runWith(520 - 46 + 6, false);
}

TEST_F(LongAppData, FolderPastItsBufferIsRefused)
{
    runWith(560, false);
}

// ---- Pictures ----------------------------------------------------------------

TEST_F(Settings, PictureOfTheOpenDialogIsSaved)
{
    ASSERT_TRUE(open());
    Sleep(500);
    const std::wstring png = toWindowsPath(widen(ARTIFACT_DIR "/settings-dialog.png"));
    DeleteFileW(png.c_str());
    bool varied = false;
    ASSERT_TRUE(saveWindowPng(dlg, png, &varied));
    EXPECT_TRUE(varied);
    EXPECT_EQ("\x89PNG\r\n\x1a\n", readFileBytes(narrow(png)).substr(0, 8));
    cancel();
}

TEST_F(Settings, DialogSnapSavesAPictureCancelsAndNamesTheFile)
{
    // The run script hands over a Unix path.
    const std::string unixPng = ARTIFACT_DIR "/dialog-snap.png";
    const std::wstring png = toWindowsPath(widen(unixPng));
    DeleteFileW(png.c_str());
    ASSERT_TRUE(tool.start());

    SECURITY_ATTRIBUTES sa = {sizeof sa, NULL, TRUE};
    HANDLE readEnd = NULL, writeEnd = NULL;
    ASSERT_TRUE(CreatePipe(&readEnd, &writeEnd, &sa, 0));
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    const std::wstring exe = toWindowsPath(widen(DIALOG_SNAP_PATH));
    std::wstring cmd = L"\"" + exe + L"\" \"Tape Mode settings\" \"" + widen(unixPng) + L"\" --cancel";
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    si.hStdOutput = writeEnd;
    si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION pi = {};
    ASSERT_TRUE(CreateProcessW(exe.c_str(), &cmd[0], NULL, NULL, TRUE, 0, NULL, NULL, &si, &pi));
    CloseHandle(writeEnd);
    CloseHandle(pi.hThread);
    std::string out;
    char buf[512];
    DWORD n = 0;
    while (ReadFile(readEnd, buf, sizeof buf, &n, NULL) && n > 0)
        out.append(buf, n);
    CloseHandle(readEnd);
    DWORD code = 99;
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(pi.hProcess, kWaitMs));
    GetExitCodeProcess(pi.hProcess, &code);
    if (code == STILL_ACTIVE)
        TerminateProcess(pi.hProcess, 9);
    CloseHandle(pi.hProcess);

    EXPECT_EQ(0u, code);
    EXPECT_EQ(configPath() + "\n", out);
    EXPECT_EQ("\x89PNG\r\n\x1a\n", readFileBytes(narrow(png)).substr(0, 8));
    expectExit(0);
}

} // namespace

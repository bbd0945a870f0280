// The dialog framework against the real window manager: text at the UTF-16
// boundary, dialog initialisation data, modal dialogs and message maps.
#include <AppFramework/AppFramework.h>

#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <utility>
#include <vector>

#include "TempDir.h"

namespace {

const char kGreek[] = "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xB7\xCE\xBD\xCE\xB9\xCE\xBA\xCE\xAC"; // Ελληνικά
const char kMixed[] = "caf\xC3\xA9 \xE8\xA8\xAD\xE5\xAE\x9A \xF0\x9F\x93\xBC";              // café 設定 📼

} // namespace

// ---- Text ------------------------------------------------------------------

TEST(CStringText, AssignsCopiesAndEmpties)
{
    CString s;
    EXPECT_TRUE(s.IsEmpty());
    EXPECT_STREQ("", s.GetString());

    s = kGreek;
    EXPECT_EQ(static_cast<int>(strlen(kGreek)), s.GetLength());
    EXPECT_STREQ(kGreek, static_cast<const char *>(s));

    CString copy(s);
    s = "64";
    EXPECT_STREQ(kGreek, copy.GetString());
    EXPECT_STREQ("64", s.GetString());

    copy = copy;                 // itself
    copy = copy.GetString();     // its own text
    EXPECT_STREQ(kGreek, copy.GetString());

    copy = static_cast<const char *>(NULL);
    EXPECT_TRUE(copy.IsEmpty());
    EXPECT_STREQ("", copy.GetString());
}

TEST(CStringText, CrossesToUtf16AndBack)
{
    CUtf16Text wide(kMixed);
    EXPECT_EQ(widen(kMixed), std::wstring(wide.Get()));

    CString back;
    ASSERT_TRUE(back.SetUtf16(wide));
    EXPECT_STREQ(kMixed, back.GetString());

    // A counted part, cut after "café".
    ASSERT_TRUE(back.SetUtf16(wide, 4));
    EXPECT_STREQ("caf\xC3\xA9", back.GetString());

    ASSERT_TRUE(back.SetUtf16(L""));
    EXPECT_TRUE(back.IsEmpty());

    EXPECT_STREQ(L"", CUtf16Text(NULL).Get());
    EXPECT_STREQ(L"", CUtf16Text("").Get());
    // Invalid UTF-8 still gives a text, with the replacement character.
    EXPECT_EQ(std::wstring(L"a\xFFFD" L"b"), std::wstring(CUtf16Text("a\xFF" "b").Get()));
}

// ---- Dialog initialisation data ---------------------------------------------

namespace {

struct Seen {
    WORD id;
    WORD raw;
    UINT message;
    std::wstring text;
};

BOOL collect(const AFX_DLGINIT_ITEM &item, void *context)
{
    WCHAR *text = AfxDlgInitText(item);
    static_cast<std::vector<Seen> *>(context)->push_back({item.nIDC, item.nRawMessage, item.nMessage, text});
    free(text);
    return TRUE;
}

std::string entry(WORD id, WORD message, const std::string &bytes)
{
    std::string out(8, '\0');
    const DWORD length = static_cast<DWORD>(bytes.size());
    memcpy(&out[0], &id, 2);
    memcpy(&out[2], &message, 2);
    memcpy(&out[4], &length, 4);
    return out + bytes;
}

const std::string kEnd("\0\0", 2);

} // namespace

TEST(DlgInit, WalksPackedEntriesAndMapsTheOldMessageNumbers)
{
    const std::string data = entry(1009, 0x403, std::string("Enabled\0", 8)) +
                             entry(1009, 0x403, std::string("Disabled\0", 9)) +
                             entry(7, 0x401, std::string("Caf\xE9\0", 5)) + entry(8, 0x1234, "x") + kEnd;
    std::vector<Seen> seen;
    ASSERT_TRUE(AfxWalkDlgInit(data.data(), static_cast<DWORD>(data.size()), collect, &seen));
    ASSERT_EQ(4u, seen.size());
    EXPECT_EQ(1009, seen[0].id);
    EXPECT_EQ(static_cast<UINT>(CB_ADDSTRING), seen[0].message);
    EXPECT_EQ(L"Enabled", seen[0].text);
    EXPECT_EQ(L"Disabled", seen[1].text); // the odd length before it is not padded
    EXPECT_EQ(static_cast<UINT>(LB_ADDSTRING), seen[2].message);
    EXPECT_EQ(L"Caf\x00E9", seen[2].text); // ANSI code page 1252
    EXPECT_EQ(0x1234, seen[3].raw);
    EXPECT_EQ(0u, seen[3].message); // not one this framework sends
}

TEST(DlgInit, StopsAtTheEndMarkerOrTheEndOfTheData)
{
    std::vector<Seen> seen;
    const std::string afterEnd = entry(1, 0x403, std::string("a\0", 2)) + kEnd + entry(2, 0x403, "b");
    ASSERT_TRUE(AfxWalkDlgInit(afterEnd.data(), static_cast<DWORD>(afterEnd.size()), collect, &seen));
    ASSERT_EQ(1u, seen.size());

    // No marker, no zero in the text: the length bounds it.
    seen.clear();
    const std::string unmarked = entry(3, 0x403, "abc");
    ASSERT_TRUE(AfxWalkDlgInit(unmarked.data(), static_cast<DWORD>(unmarked.size()), collect, &seen));
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ(L"abc", seen[0].text);

    seen.clear();
    EXPECT_TRUE(AfxWalkDlgInit(kEnd.data(), 2, collect, &seen));
    EXPECT_TRUE(AfxWalkDlgInit(NULL, 0, collect, &seen));
    EXPECT_TRUE(seen.empty());
}

TEST(DlgInit, RefusesEntriesThatRunPastTheData)
{
    std::vector<Seen> seen;
    const std::string whole = entry(1, 0x403, std::string("Enabled\0", 8));
    for (size_t cut : {3u, 7u, 15u}) {
        SCOPED_TRACE(cut);
        EXPECT_FALSE(AfxWalkDlgInit(whole.data(), static_cast<DWORD>(cut), collect, &seen));
    }
    // A length field far beyond the data.
    std::string huge = whole;
    const DWORD length = 0xFFFFFFF0u;
    memcpy(&huge[4], &length, 4);
    EXPECT_FALSE(AfxWalkDlgInit(huge.data(), static_cast<DWORD>(huge.size()), collect, &seen));
    EXPECT_TRUE(seen.empty());
}

// ---- Modal dialogs and message maps -----------------------------------------

namespace {

const UINT kPlan = WM_APP + 1;

std::wstring itemText(HWND dlg, int id, UINT getLen, UINT getText, int index)
{
    const LRESULT n = SendDlgItemMessageW(dlg, id, getLen, index, 0);
    if (n < 0)
        return L"<error>";
    std::wstring s(static_cast<size_t>(n) + 1, L'\0');
    SendDlgItemMessageW(dlg, id, getText, index, reinterpret_cast<LPARAM>(&s[0]));
    s.resize(static_cast<size_t>(n));
    return s;
}

// What a test dialog does once it is up: sent to itself from OnInitDialog.
enum class Plan { ExchangeAndOk, Cancel, EndInInit, PaintAndDrag };

class CTestDlg : public CDialog {
public:
    CTestDlg(UINT id, Plan plan) : CDialog(id), m_plan(plan) {}

    CComboBox m_combo;
    CString m_strEdit;
    std::vector<std::wstring> m_comboItems;
    std::wstring m_listItem;
    std::wstring m_editShown;
    int m_selChanges = 0;
    int m_paints = 0;
    int m_oks = 0;
    BOOL m_validatedAfterPaint = FALSE;
    LRESULT m_dragIcon = 0;
    HWND m_hWndSeen = NULL;

    DECLARE_MESSAGE_MAP()

protected:
    void DoDataExchange(CDataExchange *pDX) override
    {
        DDX_Control(pDX, 301, m_combo);
        DDX_Text(pDX, 302, m_strEdit);
    }

    BOOL OnInitDialog() override
    {
        if (m_plan == Plan::EndInInit) {
            EndDialog(-1);
            return FALSE;
        }
        m_strEdit = kGreek;
        CDialog::OnInitDialog();
        m_hWndSeen = m_hWnd;
        const LRESULT count = SendDlgItemMessageW(m_hWnd, 301, CB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i)
            m_comboItems.push_back(itemText(m_hWnd, 301, CB_GETLBTEXTLEN, CB_GETLBTEXT, static_cast<int>(i)));
        m_listItem = itemText(m_hWnd, 303, LB_GETTEXTLEN, LB_GETTEXT, 0);
        WCHAR shown[64] = L"";
        GetDlgItemTextW(m_hWnd, 302, shown, 64);
        m_editShown = shown;
        PostMessageW(m_hWnd, kPlan, 0, 0);
        return TRUE;
    }

    void OnOK() override
    {
        ++m_oks;
        CDialog::OnOK();
    }

    void OnPaint()
    {
        ++m_paints;
        Default();
    }

    HCURSOR OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(static_cast<INT_PTR>(0x5150)); }

    void OnSelchange() { ++m_selChanges; }

    // Not a message the map knows: the test drives the dialog from here.
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        return CDialog::DefWindowProc(message, wParam, lParam);
    }

public:
    void RunPlan()
    {
        switch (m_plan) {
        case Plan::ExchangeAndOk:
            m_combo.SetCurSel(1);
            SendMessage(WM_COMMAND, MAKEWPARAM(301, CBN_SELCHANGE), reinterpret_cast<LPARAM>(m_combo.m_hWnd));
            SetDlgItemTextW(m_hWnd, 302, widen(kMixed).c_str());
            SendMessage(WM_COMMAND, IDOK, 0);
            break;
        case Plan::Cancel:
            SendMessage(WM_COMMAND, IDCANCEL, 0);
            break;
        case Plan::PaintAndDrag:
            m_dragIcon = SendMessage(WM_QUERYDRAGICON, 0, 0);
            InvalidateRect(m_hWnd, NULL, TRUE);
            UpdateWindow(m_hWnd);
            m_validatedAfterPaint = !GetUpdateRect(m_hWnd, NULL, FALSE);
            SendMessage(WM_COMMAND, IDCANCEL, 0);
            break;
        case Plan::EndInInit:
            break;
        }
    }

private:
    Plan m_plan;
};

BEGIN_MESSAGE_MAP(CTestDlg, CDialog)
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_CBN_SELCHANGE(301, &CTestDlg::OnSelchange)
    {kPlan, 0, 0, [](CCmdTarget *p, WPARAM, LPARAM) -> LRESULT {
         static_cast<CTestDlg *>(p)->RunPlan();
         return 0;
     }},
END_MESSAGE_MAP()

// Windows need a display that the Wine session was started with.
class ModalDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        HWND probe = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
        ASSERT_NE(static_cast<HWND>(NULL), probe)
            << "no window can be made: start the X server before the Wine server";
        DestroyWindow(probe);
    }
};

} // namespace

TEST_F(ModalDialog, AppliesInitDataExchangesUtf16TextAndEndsWithOk)
{
    CTestDlg dlg(200, Plan::ExchangeAndOk);
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(std::vector<std::wstring>({L"Eins", L"Zwei"}), dlg.m_comboItems);
    EXPECT_EQ(L"Drei", dlg.m_listItem);
    EXPECT_EQ(widen(kGreek), dlg.m_editShown);
    EXPECT_NE(static_cast<HWND>(NULL), dlg.m_combo.m_hWnd);
    EXPECT_EQ(1, dlg.m_selChanges);
    EXPECT_EQ(1, dlg.m_oks);
    EXPECT_STREQ(kMixed, dlg.m_strEdit.GetString()); // read back by CDialog::OnOK
    EXPECT_EQ(static_cast<HWND>(NULL), dlg.m_hWnd);
}

TEST_F(ModalDialog, CancelByDefaultAndEndingDuringInitialisation)
{
    CTestDlg cancelled(200, Plan::Cancel);
    EXPECT_EQ(IDCANCEL, cancelled.DoModal());
    EXPECT_EQ(0, cancelled.m_oks);
    EXPECT_STREQ(kGreek, cancelled.m_strEdit.GetString()); // nothing read back

    CTestDlg ended(200, Plan::EndInInit);
    EXPECT_EQ(-1, ended.DoModal());

    CTestDlg missing(999, Plan::Cancel);
    EXPECT_EQ(-1, missing.DoModal());
}

TEST_F(ModalDialog, DefaultPaintingAndADragIconReturnedDirectly)
{
    CTestDlg dlg(200, Plan::PaintAndDrag);
    ASSERT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ(0x5150, dlg.m_dragIcon);
    EXPECT_GE(dlg.m_paints, 1);
    EXPECT_TRUE(dlg.m_validatedAfterPaint); // Default ran the dialog manager's painting
}

TEST_F(ModalDialog, TemplateWithoutInitData)
{
    CTestDlg dlg(201, Plan::Cancel);
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_TRUE(dlg.m_comboItems.empty());
    EXPECT_EQ(static_cast<HWND>(NULL), dlg.m_combo.m_hWnd);
}

// ---- Application object -----------------------------------------------------

TEST(Application, IsReachableAndLoadsOnlyIconGroupsThatExist)
{
    CWinApp app;
    EXPECT_EQ(&app, AfxGetApp());
    EXPECT_EQ(static_cast<HICON>(NULL), app.LoadIcon(4242));
    // A command the application's map routes: no help file, nothing happens.
    EXPECT_TRUE(app.OnCmdMsg(0, ID_HELP));
    EXPECT_FALSE(app.OnCmdMsg(0, 4242));
}

// ---- The settings tool's resources, as the framework finds them ---------------

namespace {

// TapeModeSettings.exe from the same build: <build>\app, next to <build>\tests.
std::wstring toolPath()
{
    WCHAR self[MAX_PATH];
    const DWORD n = GetModuleFileNameW(NULL, self, MAX_PATH);
    std::wstring path(self, n);
    path.resize(path.find_last_of(L"\\/"));
    path.resize(path.find_last_of(L"\\/") + 1);
    return path + L"app\\TapeModeSettings.exe";
}

class ToolResources : public ::testing::Test {
protected:
    void SetUp() override
    {
        module = LoadLibraryExW(toolPath().c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(static_cast<HMODULE>(NULL), module) << "build TapeModeSettings first";
    }
    void TearDown() override
    {
        if (module)
            FreeLibrary(module);
    }
    std::string resource(WORD id, WORD type) const
    {
        HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(type));
        if (found == NULL)
            return std::string();
        const char *data = static_cast<const char *>(LockResource(LoadResource(module, found)));
        return std::string(data, SizeofResource(module, found));
    }
    HMODULE module = NULL;
};

// Reads the packed fields of a resource in order.
class Reader {
public:
    explicit Reader(std::string data) : m_data(std::move(data)) {}
    template <class T> T get()
    {
        T value{};
        if (m_pos + sizeof(T) <= m_data.size())
            memcpy(&value, m_data.data() + m_pos, sizeof(T));
        m_pos += sizeof(T);
        return value;
    }
    // A string or an ordinal, as dialog templates store names.
    std::wstring nameOrOrdinal()
    {
        const WORD first = get<WORD>();
        if (first == 0)
            return std::wstring();
        if (first == 0xFFFF)
            return L"#" + std::to_wstring(get<WORD>());
        std::wstring s(1, static_cast<wchar_t>(first));
        for (WORD c; (c = get<WORD>()) != 0 && m_pos <= m_data.size();)
            s += static_cast<wchar_t>(c);
        return s;
    }
    void alignDword() { m_pos = (m_pos + 3) & ~static_cast<size_t>(3); }
    size_t pos() const { return m_pos; }

private:
    std::string m_data;
    size_t m_pos = 0;
};

struct Control {
    DWORD id;
    std::wstring cls;
    std::wstring text;
    DWORD style;
    short x, y, cx, cy;
};

// The predefined classes by their ordinals, as compilers may store them.
std::wstring className(const std::wstring &stored)
{
    static const wchar_t *const names[] = {L"Button", L"Edit", L"Static", L"ListBox", L"ScrollBar", L"ComboBox"};
    if (stored.size() > 1 && stored[0] == L'#') {
        const int ordinal = std::stoi(stored.substr(1));
        if (ordinal >= 0x80 && ordinal <= 0x85)
            return names[ordinal - 0x80];
    }
    for (const wchar_t *n : names)
        if (lstrcmpiW(n, stored.c_str()) == 0)
            return n;
    return stored;
}

} // namespace

TEST_F(ToolResources, SettingsDialogTemplate)
{
    const std::string data = resource(102, 5 /* RT_DIALOG */);
    ASSERT_FALSE(data.empty());
    Reader r(data);
    EXPECT_EQ(1, r.get<WORD>());      // extended template
    EXPECT_EQ(0xFFFF, r.get<WORD>());
    r.get<DWORD>();                   // help id
    EXPECT_EQ(0x00040000u, r.get<DWORD>());
    EXPECT_EQ(0x90C800C0u, r.get<DWORD>());
    const WORD count = r.get<WORD>();
    EXPECT_EQ(0, r.get<short>());
    EXPECT_EQ(0, r.get<short>());
    EXPECT_EQ(221, r.get<short>());
    EXPECT_EQ(108, r.get<short>());
    EXPECT_EQ(L"", r.nameOrOrdinal()); // no menu
    EXPECT_EQ(L"", r.nameOrOrdinal()); // no class of its own
    EXPECT_EQ(L"Tape Mode settings", r.nameOrOrdinal());
    EXPECT_EQ(8, r.get<WORD>());
    EXPECT_EQ(0, r.get<WORD>());       // weight
    EXPECT_EQ(0, r.get<BYTE>());       // italic
    EXPECT_EQ(1, r.get<BYTE>());       // DEFAULT_CHARSET
    EXPECT_EQ(L"MS Sans Serif", r.nameOrOrdinal());

    std::vector<Control> controls;
    for (WORD i = 0; i < count; ++i) {
        r.alignDword();
        Control c;
        r.get<DWORD>();
        EXPECT_EQ(0u, r.get<DWORD>());
        c.style = r.get<DWORD>();
        c.x = r.get<short>();
        c.y = r.get<short>();
        c.cx = r.get<short>();
        c.cy = r.get<short>();
        c.id = r.get<DWORD>();
        c.cls = className(r.nameOrOrdinal());
        c.text = r.nameOrOrdinal();
        const WORD extra = r.get<WORD>();
        for (WORD k = 0; k < extra; ++k)
            r.get<BYTE>();
        controls.push_back(c);
    }
    const DWORD child = WS_CHILD | WS_VISIBLE;
    const std::vector<Control> expected = {
        {1, L"Button", L"OK", child | BS_DEFPUSHBUTTON | WS_TABSTOP, 113, 87, 50, 14},
        {1002, L"Static", L"Tape Mode:", child | SS_LEFT | WS_GROUP, 15, 19, 115, 14},
        {1003, L"Static", L"ReadAhead size (in blocks):", child | SS_LEFT | WS_GROUP, 15, 40, 115, 15},
        {1004, L"Static", L"ReadAhead cache size (in blocks):", child | SS_LEFT | WS_GROUP, 15, 64, 115, 18},
        {1010, L"Edit", L"", child | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 144, 39, 62, 14},
        {1011, L"Edit", L"", child | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 144, 63, 62, 14},
        {1009, L"ComboBox", L"", child | CBS_DROPDOWN | WS_TABSTOP, 144, 18, 62, 43},
        {2, L"Button", L"Cancel", child | BS_PUSHBUTTON | WS_TABSTOP, 41, 87, 51, 14},
    };
    ASSERT_EQ(expected.size(), controls.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].id);
        EXPECT_EQ(expected[i].id, controls[i].id);
        EXPECT_EQ(expected[i].cls, controls[i].cls);
        EXPECT_EQ(expected[i].text, controls[i].text);
        EXPECT_EQ(expected[i].style, controls[i].style);
        EXPECT_EQ(expected[i].x, controls[i].x);
        EXPECT_EQ(expected[i].y, controls[i].y);
        EXPECT_EQ(expected[i].cx, controls[i].cx);
        EXPECT_EQ(expected[i].cy, controls[i].cy);
    }
}

TEST_F(ToolResources, ComboEntriesInTheInitialisationData)
{
    const std::string data = resource(102, AFX_RT_DLGINIT);
    std::vector<Seen> seen;
    ASSERT_TRUE(AfxWalkDlgInit(data.data(), static_cast<DWORD>(data.size()), collect, &seen));
    ASSERT_EQ(2u, seen.size());
    for (const Seen &s : seen) {
        EXPECT_EQ(1009, s.id);
        EXPECT_EQ(0x403, s.raw);
    }
    EXPECT_EQ(L"Enabled", seen[0].text);
    EXPECT_EQ(L"Disabled", seen[1].text);
}

namespace {

BOOL CALLBACK firstName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR context)
{
    *reinterpret_cast<ULONG_PTR *>(context) = reinterpret_cast<ULONG_PTR>(name);
    return FALSE; // the first is enough
}

} // namespace

TEST_F(ToolResources, IconGroupsAndTheirImages)
{
    ULONG_PTR first = 0;
    EnumResourceNamesW(module, MAKEINTRESOURCEW(14), firstName, reinterpret_cast<LONG_PTR>(&first));
    EXPECT_EQ(128u, first); // the program's icon in the shell

    const std::vector<std::pair<int, int>> groups[2] = {
        {{32, 4}, {16, 4}},
        {{48, 8}, {32, 8}, {16, 8}, {64, 32}, {48, 32}, {32, 24}, {16, 32}},
    };
    const WORD ids[2] = {128, 140};
    for (int g = 0; g < 2; ++g) {
        SCOPED_TRACE(ids[g]);
        Reader r(resource(ids[g], 14 /* RT_GROUP_ICON */));
        r.get<WORD>();
        EXPECT_EQ(1, r.get<WORD>());
        const WORD count = r.get<WORD>();
        std::vector<std::pair<int, int>> found;
        for (WORD i = 0; i < count; ++i) {
            const BYTE width = r.get<BYTE>();
            r.get<BYTE>();
            r.get<BYTE>();
            r.get<BYTE>();
            r.get<WORD>();
            const WORD bits = r.get<WORD>();
            r.get<DWORD>();
            const WORD image = r.get<WORD>();
            found.push_back({width, bits});
            // The image itself says the same.
            Reader header(resource(image, 3 /* RT_ICON */));
            EXPECT_EQ(40u, header.get<DWORD>());
            EXPECT_EQ(width, header.get<LONG>());
            EXPECT_EQ(2 * width, header.get<LONG>());
            header.get<WORD>();
            EXPECT_EQ(bits, header.get<WORD>());
        }
        EXPECT_EQ(groups[g], found);
    }
}

TEST_F(ToolResources, VersionBlockNamesTheProgram)
{
    const std::string data = resource(1, 16 /* RT_VERSION */);
    ASSERT_FALSE(data.empty());
    std::vector<char> copy(data.begin(), data.end());
    VS_FIXEDFILEINFO *fixed = NULL;
    UINT size = 0;
    ASSERT_TRUE(VerQueryValueW(copy.data(), L"\\", reinterpret_cast<void **>(&fixed), &size));
    EXPECT_EQ(0x00010000u, fixed->dwFileVersionMS);
    EXPECT_EQ(0x00000001u, fixed->dwFileVersionLS);
    EXPECT_EQ(0x00010000u, fixed->dwProductVersionMS);
    EXPECT_EQ(0x00000001u, fixed->dwProductVersionLS);

    WORD *translation = NULL;
    ASSERT_TRUE(VerQueryValueW(copy.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void **>(&translation),
                               &size));
    ASSERT_EQ(4u, size);
    EXPECT_EQ(0x0409, translation[0]);
    EXPECT_EQ(0x04B0, translation[1]);

    auto text = [&](const wchar_t *name) {
        WCHAR *value = NULL;
        UINT n = 0;
        const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
        if (!VerQueryValueW(copy.data(), path.c_str(), reinterpret_cast<void **>(&value), &n) || value == NULL)
            return std::wstring(L"<absent>");
        return std::wstring(value);
    };
    EXPECT_EQ(L"1, 0, 0, 1", text(L"FileVersion"));
    EXPECT_EQ(L"1, 0, 0, 1", text(L"ProductVersion"));
    EXPECT_EQ(L"Tape Mode Settings", text(L"FileDescription"));
    EXPECT_EQ(L"TapeModeSettings", text(L"InternalName"));
    EXPECT_EQ(L"TapeModeSettings.exe", text(L"OriginalFilename"));
    EXPECT_EQ(L"Tape Mode Settings", text(L"ProductName"));
    EXPECT_EQ(L"<absent>", text(L"CompanyName"));
    EXPECT_EQ(L"<absent>", text(L"LegalTrademarks"));
}

TEST_F(ToolResources, ManifestThemesScalesListsWindowsVersionsAndRunsAsInvoker)
{
    const std::string manifest = resource(1 /* CREATEPROCESS_MANIFEST_RESOURCE_ID */, 24 /* RT_MANIFEST */);
    ASSERT_FALSE(manifest.empty());
    const char *const parts[] = {
        // Common controls 6: themed controls.
        "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
        // System DPI awareness, in the older and the newer form.
        ">true</dpiAware>",
        ">system</dpiAwareness>",
        // Windows 7, 8, 8.1, 10 and 11.
        "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",
        "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
        "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",
        "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",
        // No elevation.
        "<requestedExecutionLevel level=\"asInvoker\"",
    };
    for (const char *part : parts)
        EXPECT_NE(std::string::npos, manifest.find(part)) << part;
}

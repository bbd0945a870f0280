#include "SettingsDlg.h"

#include <MultiLanguage/ml.h>

#include <io.h>
#include <stdio.h>
#include <string.h>

namespace {

const char kSection[] = "General config";
const char kKeyTapeMode[] = "Tape Mode";
const char kKeyReadAhead[] = "Ostra Read ahead";
const char kKeyCacheSize[] = "Read Ahead Cache Size Ostra";
const char kMutexName[] = "Global\\Tessaly Mutex";
const char *const kFolderChain[] = {"Quillon", "Ostra", "Vantrel", "mount"};
const char kConfigFile[] = "\\VantrelMount.conf";

const unsigned int kMaxCacheSize = 75000;
const int kCsidlCommonAppDataCreate = 0x8023; // CSIDL_COMMON_APPDATA | CSIDL_FLAG_CREATE
const int kFileMode = 0x180;                  // _S_IREAD | _S_IWRITE

// Buffers for paths and messages, as the companion tool expects them.
const size_t kPathBytes = 520;
const size_t kFolderBytes = 4096; // what ml_SHGetFolderPath may write

const char kErrorCaption[] = "Error";
const char kPathTooLong[] = "The configuration folder path is too long.";

// ml_snprintf leaves a text that fills the buffer unterminated; cut it.
void terminate(char *buffer, size_t size) { buffer[size - 1] = '\0'; }

} // namespace

CSettingsDlg::CSettingsDlg(CWnd *pParent)
    : CDialog(IDD_SETTINGS_DIALOG, pParent), m_hIcon(NULL), m_bTapeEnabled(0)
{
    m_strReadAhead = "";
    m_strCacheSize = "";
    m_szConfigPath[0] = '\0';
    m_hIcon = AfxGetApp() ? AfxGetApp()->LoadIcon(IDI_SETTINGS) : NULL;
}

CSettingsDlg::~CSettingsDlg() {}

BEGIN_MESSAGE_MAP(CSettingsDlg, CDialog)
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_CBN_SELCHANGE(IDC_TAPE_MODE, &CSettingsDlg::OnSelchangeTape)
END_MESSAGE_MAP()

void CSettingsDlg::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TAPE_MODE, m_comboTape);
    DDX_Text(pDX, IDC_READ_AHEAD, m_strReadAhead);
    DDX_Text(pDX, IDC_CACHE_SIZE, m_strCacheSize);
}

void CSettingsDlg::Fail(const char *text)
{
    MessageBox(text, kErrorCaption, MB_ICONERROR);
    EndDialog(-1);
}

BOOL CSettingsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    if (!PrepareConfigPath() || !TakeGuard())
        return FALSE;

    const UINT tape = ml_GetPrivateProfileInt(kSection, kKeyTapeMode, 0, m_szConfigPath);
    m_bTapeEnabled = tape == 1 ? 1 : 0;
    m_comboTape.SetCurSel(m_bTapeEnabled ? 0 : 1);

    OnSelchangeTape();

    LoadText(kKeyReadAhead, m_strReadAhead);
    LoadText(kKeyCacheSize, m_strCacheSize);

    UpdateData(FALSE);
    return TRUE;
}

BOOL CSettingsDlg::PrepareConfigPath()
{
    char folder[kFolderBytes];
    if (ml_SHGetFolderPath(NULL, kCsidlCommonAppDataCreate, NULL, 0, folder) < 0) {
        Fail("SHGetFolderPath failed");
        return FALSE;
    }

    // The whole file path has to fit its buffer; refuse rather than cut it.
    size_t needed = strlen(folder) + sizeof kConfigFile;
    for (const char *name : kFolderChain)
        needed += 1 + strlen(name);
    if (needed > kPathBytes) {
        Fail(kPathTooLong);
        return FALSE;
    }

    for (const char *name : kFolderChain) {
        if (!ml_PathAppend(folder, name)) {
            Fail(kPathTooLong);
            return FALSE;
        }
        if (!ml_CreateDirectory(folder, NULL) && GetLastError() != ERROR_ALREADY_EXISTS) {
            char message[kPathBytes];
            ml_snprintf(message, sizeof message, "Failed to create folder %s", folder);
            terminate(message, sizeof message);
            Fail(message);
            return FALSE;
        }
    }

    ml_snprintf(m_szConfigPath, sizeof m_szConfigPath, "%s\\VantrelMount.conf", folder);
    terminate(m_szConfigPath, sizeof m_szConfigPath);

    if (ml_access(m_szConfigPath, 0) != 0) {
        const int fd = ml_creat(m_szConfigPath, kFileMode);
        if (fd != -1)
            _close(fd); // only its existence matters here
    }
    return TRUE;
}

BOOL CSettingsDlg::TakeGuard()
{
    for (;;) {
        HANDLE mutex = ml_CreateMutex(NULL, FALSE, kMutexName);
        if (mutex != NULL && GetLastError() != ERROR_ALREADY_EXISTS)
            return TRUE; // held open until the process ends
        if (mutex != NULL)
            CloseHandle(mutex);
        const int answer = MessageBox("VantrelMount is currently running. Stop VantrelMount and then Retry.",
                                      "VantrelMount is running", MB_RETRYCANCEL | MB_ICONWARNING);
        if (answer != IDRETRY) {
            EndDialog(-1);
            return FALSE;
        }
    }
}

void CSettingsDlg::LoadText(const char *key, CString &field)
{
    // A failed read returns 0 and leaves the buffer untouched or holding a
    // partial text; a stored empty value returns 0 with an empty text. The
    // marker tells the two apart.
    char value[kPathBytes];
    value[0] = '\x01';
    value[sizeof value - 1] = '\0';
    const DWORD copied = ml_GetPrivateProfileString(kSection, key, field, value, sizeof value, m_szConfigPath);
    if (copied == 0 && value[0] != '\0')
        return; // unreadable: the field keeps the tape-mode default
    field = value;
}

void CSettingsDlg::OnSelchangeTape()
{
    if (m_comboTape.GetCurSel() == 0) {
        m_bTapeEnabled = 1;
        m_strReadAhead = "1024";
        m_strCacheSize = "75000";
    } else {
        m_bTapeEnabled = 0;
        m_strReadAhead = "64";
        m_strCacheSize = "10000";
    }
    UpdateData(FALSE);
}

BOOL CSettingsDlg::Store(const char *key, const char *value)
{
    const BOOL written = ml_WritePrivateProfileString(kSection, key, value, m_szConfigPath);
    if (written != 0 && written != -1)
        return TRUE;
    char message[kPathBytes];
    ml_snprintf(message, sizeof message, "Failed to write settings to %s", m_szConfigPath);
    terminate(message, sizeof message);
    MessageBox(message, kErrorCaption, MB_ICONERROR);
    return FALSE;
}

void CSettingsDlg::OnOK()
{
    UpdateData(TRUE);

    unsigned int cacheSize = 0;
    if (sscanf(m_strCacheSize, "%u", &cacheSize) != 1 || cacheSize > kMaxCacheSize) {
        MessageBox("ReadAhead cache size cannot exceed 75000.", kErrorCaption, MB_ICONERROR);
        m_strCacheSize = "75000";
        UpdateData(FALSE);
        return;
    }

    if (m_bTapeEnabled)
        MessageBox("Tape Mode allows only limited File Restore capabilities. Refer to Vantrel documentation for "
                   "details.",
                   "Warning", MB_ICONWARNING);

    // A failed write leaves the dialog open so the user can try again.
    if (!Store(kKeyTapeMode, m_bTapeEnabled ? "1" : "0") || !Store(kKeyReadAhead, m_strReadAhead) ||
        !Store(kKeyCacheSize, m_strCacheSize))
        return;

    MessageBox("Settings successfully updated. You can start Vantrel Mount now.", "Success", MB_OK);
    CDialog::OnOK();
}

void CSettingsDlg::OnPaint()
{
    if (!IsIconic()) {
        Default();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);

    const int cxIcon = GetSystemMetrics(SM_CXICON);
    const int cyIcon = GetSystemMetrics(SM_CYICON);
    RECT rect;
    GetClientRect(&rect);
    const int x = (rect.right - rect.left - cxIcon + 1) / 2;
    const int y = (rect.bottom - rect.top - cyIcon + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CSettingsDlg::OnQueryDragIcon() { return static_cast<HCURSOR>(m_hIcon); }

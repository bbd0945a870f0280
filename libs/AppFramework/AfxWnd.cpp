#include <AppFramework/AfxWnd.h>
#include <AppFramework/AfxDialog.h>
#include <AppFramework/AfxApp.h>

#include <stdlib.h>

CWnd::CWnd() : m_hWnd(NULL), m_pCurrentMsg(NULL) {}

CWnd::~CWnd() {}

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

void CWnd::DoDataExchange(CDataExchange *) {}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

int CWnd::MessageBox(const char *text, const char *caption, UINT type)
{
    // Without a caption the box carries the application's name.
    if (caption == NULL && AfxGetApp() != NULL)
        caption = AfxGetApp()->m_strAppName.GetString();
    CUtf16Text wText(text);
    CUtf16Text wCaption(caption);
    return ::MessageBoxW(m_hWnd, wText, caption ? wCaption.Get() : NULL, type);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *result)
{
    MSG msg = {m_hWnd, message, wParam, lParam, 0, {0, 0}};
    const MSG *outer = m_pCurrentMsg;
    m_pCurrentMsg = &msg;
    const BOOL handled = DispatchMsg(message, wParam, lParam, result);
    m_pCurrentMsg = outer;
    return handled;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    if (m_pCurrentMsg == NULL)
        return 0;
    const MSG msg = *m_pCurrentMsg;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

BOOL CWnd::IsIconic() const { return ::IsIconic(m_hWnd); }

void CWnd::GetClientRect(LPRECT rect) const { ::GetClientRect(m_hWnd, rect); }

namespace {

struct DlgInitTarget {
    HWND hDlg;
    BOOL ok;
};

BOOL applyItem(const AFX_DLGINIT_ITEM &item, void *context)
{
    DlgInitTarget *target = static_cast<DlgInitTarget *>(context);
    if (item.nMessage == 0)
        return TRUE; // not a message this framework knows: skipped
    WCHAR *text = AfxDlgInitText(item);
    if (text == NULL) {
        target->ok = FALSE;
        return FALSE;
    }
    const LRESULT r = ::SendDlgItemMessageW(target->hDlg, item.nIDC, item.nMessage, 0, reinterpret_cast<LPARAM>(text));
    free(text);
    if (r < 0) { // CB_ERR, CB_ERRSPACE, LB_ERR, LB_ERRSPACE
        target->ok = FALSE;
        return FALSE;
    }
    return TRUE;
}

} // namespace

BOOL CWnd::ExecuteDlgInit(UINT nIDTemplate)
{
    HINSTANCE inst = AfxGetResourceHandle();
    HRSRC found = ::FindResourceW(inst, MAKEINTRESOURCEW(nIDTemplate), MAKEINTRESOURCEW(AFX_RT_DLGINIT));
    if (found == NULL)
        return TRUE; // a dialog without initialisation data
    HGLOBAL loaded = ::LoadResource(inst, found);
    const void *data = loaded ? ::LockResource(loaded) : NULL;
    if (data == NULL)
        return FALSE;
    DlgInitTarget target = {m_hWnd, TRUE};
    return AfxWalkDlgInit(data, ::SizeofResource(inst, found), applyItem, &target) && target.ok;
}

HWND CDataExchange::PrepareCtrl(int nIDC) const { return ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC); }

void DDX_Control(CDataExchange *pDX, int nIDC, CWnd &rControl)
{
    // Bound again on every exchange, so a dialog run twice never keeps the
    // handle of a control that has gone.
    rControl.m_hWnd = pDX->PrepareCtrl(nIDC);
}

void DDX_Text(CDataExchange *pDX, int nIDC, CString &value)
{
    HWND control = pDX->PrepareCtrl(nIDC);
    if (control == NULL)
        return;
    if (!pDX->m_bSaveAndValidate) {
        CUtf16Text text(value);
        ::SetWindowTextW(control, text);
        return;
    }
    const int units = ::GetWindowTextLengthW(control);
    WCHAR *text = static_cast<WCHAR *>(malloc((static_cast<size_t>(units) + 1) * sizeof(WCHAR)));
    if (text == NULL)
        return; // the member keeps its text
    const int got = ::GetWindowTextW(control, text, units + 1);
    text[got < 0 ? 0 : got] = L'\0';
    value.SetUtf16(text);
    free(text);
}

int CComboBox::GetCurSel() const { return static_cast<int>(::SendMessageW(m_hWnd, CB_GETCURSEL, 0, 0)); }

int CComboBox::SetCurSel(int nSelect)
{
    return static_cast<int>(::SendMessageW(m_hWnd, CB_SETCURSEL, static_cast<WPARAM>(nSelect), 0));
}

CPaintDC::CPaintDC(CWnd *pWnd) : m_hWnd(pWnd->m_hWnd) { m_hDC = ::BeginPaint(m_hWnd, &m_ps); }

CPaintDC::~CPaintDC() { ::EndPaint(m_hWnd, &m_ps); }

BOOL CPaintDC::DrawIcon(int x, int y, HICON hIcon) { return ::DrawIcon(m_hDC, x, y, hIcon); }

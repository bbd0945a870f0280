#include <AppFramework/AfxDialog.h>
#include <AppFramework/AfxApp.h>

CDialog::CDialog(UINT nIDTemplate, CWnd *pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd), m_defaulting(), m_bDefaulting(FALSE)
{
}

CDialog::~CDialog() {}

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

INT_PTR CDialog::DoModal()
{
    HWND parent = m_pParentWnd ? m_pParentWnd->m_hWnd : NULL;
    const INT_PTR result = ::DialogBoxParamW(AfxGetResourceHandle(), MAKEINTRESOURCEW(m_nIDTemplate), parent,
                                             DialogProc, reinterpret_cast<LPARAM>(this));
    m_hWnd = NULL;
    return result;
}

void CDialog::EndDialog(int nResult) { ::EndDialog(m_hWnd, nResult); }

BOOL CDialog::OnInitDialog()
{
    ExecuteDlgInit(m_nIDTemplate);
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

// DefDlgProc asks the dialog procedure first; the procedure lets this one
// message through to the dialog manager's own processing.
LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const MSG outer = m_defaulting;
    const BOOL outerFlag = m_bDefaulting;
    m_defaulting.message = message;
    m_defaulting.wParam = wParam;
    m_defaulting.lParam = lParam;
    m_bDefaulting = TRUE;
    const LRESULT r = ::DefDlgProcW(m_hWnd, message, wParam, lParam);
    m_defaulting = outer;
    m_bDefaulting = outerFlag;
    return r;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CDialog *self;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<CDialog *>(lParam);
        ::SetWindowLongPtrW(hWnd, DWLP_USER, lParam);
        self->m_hWnd = hWnd;
    } else {
        // Messages such as WM_SETFONT come before WM_INITDIALOG.
        self = reinterpret_cast<CDialog *>(::GetWindowLongPtrW(hWnd, DWLP_USER));
    }
    if (self == NULL)
        return FALSE;
    return self->HandleMessage(message, wParam, lParam);
}

INT_PTR CDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_bDefaulting && m_defaulting.message == message && m_defaulting.wParam == wParam &&
        m_defaulting.lParam == lParam) {
        m_bDefaulting = FALSE;
        return FALSE;
    }
    if (message == WM_INITDIALOG)
        return OnInitDialog();

    LRESULT result = 0;
    BOOL handled = OnWndMsg(message, wParam, lParam, &result);
    if (!handled && message == WM_COMMAND && AfxGetApp() != NULL)
        handled = AfxGetApp()->OnCmdMsg(HIWORD(wParam), LOWORD(wParam));

    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(m_hWnd, DWLP_USER, 0);
        m_hWnd = NULL;
    }
    if (!handled)
        return FALSE;
    switch (message) {
    // These return their result from the dialog procedure itself.
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
        return static_cast<INT_PTR>(result);
    default:
        if (m_hWnd != NULL)
            ::SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, result);
        return TRUE;
    }
}

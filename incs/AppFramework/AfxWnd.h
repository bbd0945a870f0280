// Windows of the framework: CWnd over a window handle, data exchange with
// the controls of a dialog, the combo box and the paint context.
#ifndef AFX_WND_H
#define AFX_WND_H

#include <windows.h>

#include <AppFramework/AfxMsgMap.h>
#include <AppFramework/AfxString.h>

class CDataExchange;

class CWnd : public CCmdTarget {
public:
    CWnd();
    ~CWnd() override;

    HWND GetSafeHwnd() const { return m_hWnd; }

    // FALSE fills the controls from the members, TRUE reads them back.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    // Text and caption in UTF-8 (no caption: the application's name); the
    // box is owned by this window.
    int MessageBox(const char *text, const char *caption = NULL, UINT type = MB_OK);

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // The default processing of the message now being handled.
    LRESULT Default();

    BOOL IsIconic() const;
    void GetClientRect(LPRECT rect) const;

    HWND m_hWnd;

protected:
    virtual void DoDataExchange(CDataExchange *pDX);

    // Applies the dialog initialisation data (RT_DLGINIT) with this id.
    BOOL ExecuteDlgInit(UINT nIDTemplate);

    // Runs msg through the message map, remembering it for Default.
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *result);

    // What a window does when the map has no handler or Default is called.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    const MSG *GetCurrentMessage() const { return m_pCurrentMsg; }

    DECLARE_MESSAGE_MAP()

private:
    const MSG *m_pCurrentMsg;
};

class CDataExchange {
public:
    CDataExchange(CWnd *pDlgWnd, BOOL bSaveAndValidate) : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}
    HWND PrepareCtrl(int nIDC) const;

    BOOL m_bSaveAndValidate;
    CWnd *m_pDlgWnd;
};

// Binds rControl to the dialog's control nIDC (the handle only, no
// subclassing).
void DDX_Control(CDataExchange *pDX, int nIDC, CWnd &rControl);

// Exchanges the control's text with value, in UTF-16 at the control.
void DDX_Text(CDataExchange *pDX, int nIDC, CString &value);

class CComboBox : public CWnd {
public:
    int GetCurSel() const;
    int SetCurSel(int nSelect);
};

// BeginPaint on construction, EndPaint on destruction.
class CPaintDC {
public:
    explicit CPaintDC(CWnd *pWnd);
    ~CPaintDC();
    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }
    BOOL DrawIcon(int x, int y, HICON hIcon);

    PAINTSTRUCT m_ps;
    HDC m_hDC;

private:
    HWND m_hWnd;
    CPaintDC(const CPaintDC &) = delete;
    CPaintDC &operator=(const CPaintDC &) = delete;
};

#endif // AFX_WND_H

// Modal dialogs from a dialog template resource, and the template's
// initialisation data.
#ifndef AFX_DIALOG_H
#define AFX_DIALOG_H

#include <windows.h>

#include <AppFramework/AfxWnd.h>

class CDialog : public CWnd {
public:
    CDialog(UINT nIDTemplate, CWnd *pParentWnd = NULL);
    ~CDialog() override;

    // Runs the dialog; its EndDialog result, or -1 when it cannot be made.
    virtual INT_PTR DoModal();

    void EndDialog(int nResult);

protected:
    // Applies the template's initialisation data and fills the controls
    // from the members. TRUE leaves the focus to the dialog manager.
    virtual BOOL OnInitDialog();
    // Reads the controls into the members and ends the dialog with IDOK.
    virtual void OnOK();
    // Ends the dialog with IDCANCEL.
    virtual void OnCancel();

    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    DECLARE_MESSAGE_MAP()

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_nIDTemplate;
    CWnd *m_pParentWnd;
    // The message handed back to the dialog manager for its own processing.
    MSG m_defaulting;
    BOOL m_bDefaulting;
};

// Resource type of dialog initialisation data; the resource has the id of
// its dialog template.
#define AFX_RT_DLGINIT 240

// One entry of dialog initialisation data: WORD control id, WORD message,
// DWORD byte count, then the bytes (ANSI text, usually with its zero).
struct AFX_DLGINIT_ITEM {
    WORD nIDC;
    WORD nRawMessage;  // as stored
    UINT nMessage;     // the Win32 message to send, or 0 for one not handled
    const char *pData;
    DWORD nLength;
};

// Calls fn for each entry of size bytes of data, up to the WORD 0 that ends
// the list or the end of the data. FALSE when an entry runs past the end or
// fn returns FALSE.
BOOL AfxWalkDlgInit(const void *data, DWORD size, BOOL (*fn)(const AFX_DLGINIT_ITEM &item, void *context),
                    void *context);

// The entry's text in UTF-16, from the ANSI code page, up to its first zero
// or its length; free it with free(). NULL when out of memory.
WCHAR *AfxDlgInitText(const AFX_DLGINIT_ITEM &item);

#endif // AFX_DIALOG_H

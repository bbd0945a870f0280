// The application object and the program's entry.
#ifndef AFX_APP_H
#define AFX_APP_H

#include <windows.h>

#include <AppFramework/AfxMsgMap.h>
#include <AppFramework/AfxString.h>

class CWnd;

// The help command.
#define ID_HELP 0xE146
// The string resource with the application's title, if there is one.
#define AFX_IDS_APP_TITLE 0xE000

class CWinApp : public CCmdTarget {
public:
    // NULL takes the name from the string resource AFX_IDS_APP_TITLE or
    // else the program file's name.
    explicit CWinApp(const char *pszAppName = NULL);
    ~CWinApp() override;

    // Start-up; FALSE ends the process without entering a message loop.
    virtual BOOL InitInstance();
    // The message loop, when InitInstance returned TRUE; its result is the
    // process's exit code.
    virtual int Run();
    virtual int ExitInstance();

    // The icon group id, loaded at the system's large icon size.
    HICON LoadIcon(UINT nIDResource) const;

    void OnHelp();

    CWnd *m_pMainWnd;
    HINSTANCE m_hInstance;
    CString m_strAppName;
    const char *m_pszAppName;

    DECLARE_MESSAGE_MAP()
};

CWinApp *AfxGetApp();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
// The module that holds the resource (this program's).
HINSTANCE AfxFindResourceHandle(LPCWSTR lpszName, LPCWSTR lpszType);

// What WinMain runs.
int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);

#endif // AFX_APP_H

#include <AppFramework/AfxApp.h>
#include <AppFramework/AfxWnd.h>

#include <string.h>

static CWinApp *s_pApp = NULL;

// Built with CWinApp, so linking the application object brings the entry in.
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}

CWinApp::CWinApp(const char *pszAppName)
    : m_pMainWnd(NULL), m_hInstance(NULL), m_strAppName(pszAppName), m_pszAppName(NULL)
{
    s_pApp = this;
}

CWinApp::~CWinApp()
{
    if (s_pApp == this)
        s_pApp = NULL;
}

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
    ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::Run()
{
    MSG msg;
    while (::GetMessageW(&msg, NULL, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    ExitInstance();
    return static_cast<int>(msg.wParam);
}

int CWinApp::ExitInstance() { return 0; }

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    LPCWSTR name = MAKEINTRESOURCEW(nIDResource);
    HINSTANCE inst = AfxFindResourceHandle(name, reinterpret_cast<LPCWSTR>(RT_GROUP_ICON));
    if (::FindResourceW(inst, name, reinterpret_cast<LPCWSTR>(RT_GROUP_ICON)) == NULL)
        return NULL;
    return ::LoadIconW(inst, name);
}

// No help file comes with the programs of this framework.
void CWinApp::OnHelp() {}

CWinApp *AfxGetApp() { return s_pApp; }

HINSTANCE AfxGetInstanceHandle() { return s_pApp && s_pApp->m_hInstance ? s_pApp->m_hInstance : ::GetModuleHandleW(NULL); }

HINSTANCE AfxGetResourceHandle() { return AfxGetInstanceHandle(); }

HINSTANCE AfxFindResourceHandle(LPCWSTR, LPCWSTR) { return AfxGetResourceHandle(); }

// The title string resource, else the program file's name without folder
// and extension.
static void takeAppName(CWinApp *app)
{
    WCHAR name[MAX_PATH];
    if (::LoadStringW(app->m_hInstance, AFX_IDS_APP_TITLE, name, MAX_PATH) > 0) {
        app->m_strAppName.SetUtf16(name);
        return;
    }
    const DWORD n = ::GetModuleFileNameW(app->m_hInstance, name, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return;
    WCHAR *base = name;
    for (WCHAR *p = name; *p; ++p)
        if (*p == L'\\' || *p == L'/')
            base = p + 1;
    WCHAR *dot = wcsrchr(base, L'.');
    if (dot)
        *dot = L'\0';
    app->m_strAppName.SetUtf16(base);
}

int AfxWinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    CWinApp *app = AfxGetApp();
    if (app == NULL)
        return -1;
    app->m_hInstance = hInstance;
    if (app->m_strAppName.IsEmpty())
        takeAppName(app);
    app->m_pszAppName = app->m_strAppName.GetString();
    if (!app->InitInstance())
        return app->ExitInstance();
    return app->Run();
}

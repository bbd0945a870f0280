#include "SettingsApp.h"
#include "SettingsDlg.h"

CSettingsApp theApp;

CSettingsApp::CSettingsApp() : CWinApp(NULL) {}

CSettingsApp::~CSettingsApp() {}

BEGIN_MESSAGE_MAP(CSettingsApp, CWinApp)
    ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()

BOOL CSettingsApp::InitInstance()
{
    CSettingsDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal(); // IDOK, IDCANCEL or -1: the tool ends either way
    m_pMainWnd = NULL;
    return FALSE;
}

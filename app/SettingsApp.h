// The settings tool's application object.
#ifndef SETTINGS_APP_H
#define SETTINGS_APP_H

#include <AppFramework/AppFramework.h>

class CSettingsApp : public CWinApp {
public:
    CSettingsApp();
    ~CSettingsApp() override;

    DECLARE_MESSAGE_MAP()

public:
    // Runs the settings dialog; FALSE then ends the process.
    BOOL InitInstance() override;
};

extern CSettingsApp theApp;

#endif // SETTINGS_APP_H

// The settings dialog: tape mode and the two read-ahead values of the
// companion mount tool, kept in its configuration file.
#ifndef SETTINGS_DLG_H
#define SETTINGS_DLG_H

#include <AppFramework/AppFramework.h>

#include "resource.h"

class CSettingsDlg : public CDialog {
public:
    explicit CSettingsDlg(CWnd *pParent = NULL);
    ~CSettingsDlg() override;

    enum { IDD = IDD_SETTINGS_DIALOG };

    DECLARE_MESSAGE_MAP()

protected:
    void DoDataExchange(CDataExchange *pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnSelchangeTape();

private:
    // Builds the configuration folder chain and m_szConfigPath; FALSE after
    // the user was told why not.
    BOOL PrepareConfigPath();
    // Creates the guard mutex, asking to Retry while the companion runs;
    // FALSE when the user gives up.
    BOOL TakeGuard();
    // Replaces field with the stored value of key, if it can be read.
    void LoadText(const char *key, CString &field);
    // Writes one key; FALSE after the user was told.
    BOOL Store(const char *key, const char *value);
    void Fail(const char *text);

    CComboBox m_comboTape;
    CString m_strReadAhead;
    CString m_strCacheSize;
    HICON m_hIcon;
    char m_szConfigPath[520];
    int m_bTapeEnabled;
};

#endif // SETTINGS_DLG_H

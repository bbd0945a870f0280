// Resource ids of the settings tool, shared by the code and the .rc file.
#ifndef SETTINGS_RESOURCE_H
#define SETTINGS_RESOURCE_H

#define IDD_SETTINGS_DIALOG 102
#define IDR_MAINFRAME 128
#define IDI_SETTINGS 140

#define IDC_TAPE_MODE_LABEL 1002
#define IDC_READ_AHEAD_LABEL 1003
#define IDC_CACHE_SIZE_LABEL 1004
#define IDC_TAPE_MODE 1009
#define IDC_READ_AHEAD 1010
#define IDC_CACHE_SIZE 1011

#endif // SETTINGS_RESOURCE_H

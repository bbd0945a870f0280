// Finding the settings tool's windows, saving a picture of one, and where the
// tool keeps its configuration file; shared by the e2e tests and dialog_snap.
#ifndef TAPE_E2E_WINDOW_SNAP_H
#define TAPE_E2E_WINDOW_SNAP_H

#include <windows.h>

#include <string>

// A visible top-level window with exactly this caption, of process pid (0:
// any process), polled every 50 ms; NULL after timeoutMs.
HWND findTopWindow(const std::wstring &caption, DWORD pid, DWORD timeoutMs);

// Polls until the window is destroyed; false after timeoutMs.
bool waitWindowGone(HWND hwnd, DWORD timeoutMs);

// Saves the window as it stands on the screen as a PNG file, creating the
// file's folder. varied (if given) tells whether the picture has more than
// one colour, so a blank capture can be told apart.
bool saveWindowPng(HWND hwnd, const std::wstring &pngPath, bool *varied = NULL);

// A Unix path as Wine maps it (Z: is the root); Windows paths unchanged.
std::wstring toWindowsPath(const std::wstring &path);

// The common application-data folder and the configuration file beneath it.
std::wstring commonAppDataFolder();
std::wstring configFolder();
std::wstring configFilePath();

#endif

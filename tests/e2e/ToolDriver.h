// Drives the settings tool from outside, as a user would: starts it, finds
// its dialog and message boxes, reads and types into its controls, and reads
// the configuration file it keeps.
#ifndef TAPE_E2E_TOOL_DRIVER_H
#define TAPE_E2E_TOOL_DRIVER_H

#include <windows.h>

#include <string>
#include <vector>

// How long a window or a process end may take to show under Wine.
const DWORD kWaitMs = 15000;

// The settings tool as a child process; killed if still running at the end.
class Tool {
public:
    Tool() : m_process(NULL), m_pid(0) {}
    ~Tool() { kill(); }
    bool start();
    bool running() const;
    // Waits for the process to end; its exit code goes to *code.
    bool waitExit(DWORD timeoutMs = kWaitMs, DWORD *code = NULL);
    void kill();
    DWORD pid() const { return m_pid; }
    // A visible top-level window of the tool with this caption, or NULL.
    HWND window(const std::wstring &caption, DWORD timeoutMs = kWaitMs) const;
    HWND dialog(DWORD timeoutMs = kWaitMs) const { return window(L"Tape Mode settings", timeoutMs); }

    Tool(const Tool &) = delete;
    Tool &operator=(const Tool &) = delete;

private:
    HANDLE m_process;
    DWORD m_pid;
};

// Stand-in for the companion tool: mutex_holder with a pipe as its input.
class MutexHolder {
public:
    MutexHolder() : m_process(NULL), m_input(NULL) {}
    ~MutexHolder() { stop(); }
    // True once the guard mutex exists; *code is the holder's exit code when
    // it ended at once (3: the mutex was held already).
    bool start(DWORD *code = NULL);
    // Closes the pipe; true when the holder ended.
    bool stop();

    MutexHolder(const MutexHolder &) = delete;
    MutexHolder &operator=(const MutexHolder &) = delete;

private:
    HANDLE m_process;
    HANDLE m_input;
};

bool guardMutexExists();

// Control texts in UTF-8, through WM_GETTEXT and WM_SETTEXT.
std::string windowText(HWND hwnd);
bool setWindowText(HWND hwnd, const std::string &utf8);
// The text of a message box (its static control 0xFFFF).
std::string boxText(HWND box);
// The ids of a message box's visible buttons, in ascending order.
std::vector<int> boxButtons(HWND box);
// Answers a message box with IDOK, IDCANCEL or IDRETRY.
void answerBox(HWND box, int id);
// Clicks a button of the dialog (posted: the click may open a modal box).
void clickButton(HWND dialog, int id);
// Selects a combo entry and tells the dialog, as a user's pick does.
bool selectComboEntry(HWND dialog, int comboId, int index);
int comboSelection(HWND dialog, int comboId);
// Posts a key press and release to a control, through the dialog's loop.
void pressKey(HWND control, UINT vk);
// The control that has the keyboard focus in the window's thread.
HWND focusOf(HWND window);

// The configuration file, as the tool finds it, in UTF-8.
std::string configPath();
bool configExists();
std::string readConfig();
// Writes the file, making its folders.
bool writeConfig(const std::string &bytes);
// Removes <common application data>\Quillon with everything in it.
bool removeConfigTree();
bool removeTree(const std::wstring &folder);
bool folderExists(const std::wstring &path);
// Number of files (not folders) anywhere beneath a folder.
int countFiles(const std::wstring &folder);

#endif

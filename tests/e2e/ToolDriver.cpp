#include "ToolDriver.h"

#include "TempDir.h"
#include "WindowSnap.h"

#include <shlobj.h>

#include <algorithm>

namespace {

const DWORD kMessageMs = 5000;

bool startProcess(const std::wstring &exe, HANDLE input, HANDLE output, HANDLE *process, DWORD *pid)
{
    std::wstring cmd = L"\"" + exe + L"\"";
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    const bool redirect = input != NULL || output != NULL;
    if (redirect) {
        si.dwFlags = STARTF_USESTDHANDLES;
        si.hStdInput = input != NULL ? input : GetStdHandle(STD_INPUT_HANDLE);
        si.hStdOutput = output != NULL ? output : GetStdHandle(STD_OUTPUT_HANDLE);
        si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    }
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessW(exe.c_str(), &cmd[0], NULL, NULL, redirect, 0, NULL, NULL, &si, &pi))
        return false;
    CloseHandle(pi.hThread);
    *process = pi.hProcess;
    *pid = pi.dwProcessId;
    return true;
}

bool waitFor(HANDLE process, DWORD timeoutMs, DWORD *code)
{
    if (process == NULL || WaitForSingleObject(process, timeoutMs) != WAIT_OBJECT_0)
        return false;
    if (code != NULL)
        GetExitCodeProcess(process, code);
    return true;
}

bool isFolder(DWORD attrs) { return attrs != INVALID_FILE_ATTRIBUTES && (attrs & FILE_ATTRIBUTE_DIRECTORY); }

} // namespace

// ---- Tool ------------------------------------------------------------------

bool Tool::start()
{
    kill();
    return startProcess(toWindowsPath(widen(TAPE_TOOL_PATH)), NULL, NULL, &m_process, &m_pid);
}

bool Tool::running() const { return m_process != NULL && WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT; }

bool Tool::waitExit(DWORD timeoutMs, DWORD *code) { return waitFor(m_process, timeoutMs, code); }

void Tool::kill()
{
    if (m_process == NULL)
        return;
    if (running()) {
        TerminateProcess(m_process, 9);
        WaitForSingleObject(m_process, kMessageMs);
    }
    CloseHandle(m_process);
    m_process = NULL;
}

HWND Tool::window(const std::wstring &caption, DWORD timeoutMs) const
{
    return m_pid == 0 ? NULL : findTopWindow(caption, m_pid, timeoutMs);
}

// ---- MutexHolder -----------------------------------------------------------

bool guardMutexExists()
{
    HANDLE h = OpenMutexW(SYNCHRONIZE, FALSE, L"Global\\Tessaly Mutex");
    if (h == NULL)
        return false;
    CloseHandle(h);
    return true;
}

bool MutexHolder::start(DWORD *code)
{
    stop();
    SECURITY_ATTRIBUTES sa = {sizeof sa, NULL, TRUE};
    HANDLE inRead = NULL, outRead = NULL, outWrite = NULL;
    if (!CreatePipe(&inRead, &m_input, &sa, 0))
        return false;
    if (!CreatePipe(&outRead, &outWrite, &sa, 0)) {
        CloseHandle(inRead);
        return false;
    }
    // The holder gets only its own ends, or it would never see the input end.
    SetHandleInformation(m_input, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
    DWORD pid = 0;
    const bool started = startProcess(toWindowsPath(widen(MUTEX_HOLDER_PATH)), inRead, outWrite, &m_process, &pid);
    CloseHandle(inRead);
    CloseHandle(outWrite);
    bool holding = false;
    for (DWORD waited = 0; started && waited < kWaitMs && !holding; waited += 50) {
        DWORD avail = 0;
        if (!PeekNamedPipe(outRead, NULL, 0, NULL, &avail, NULL))
            break; // it ended without a word
        if (avail > 0)
            holding = true;
        else
            Sleep(50);
    }
    CloseHandle(outRead);
    if (!holding && started && waitFor(m_process, kWaitMs, code) == false)
        TerminateProcess(m_process, 9);
    return holding;
}

bool MutexHolder::stop()
{
    if (m_input != NULL) {
        CloseHandle(m_input);
        m_input = NULL;
    }
    if (m_process == NULL)
        return true;
    bool ended = waitFor(m_process, kWaitMs, NULL);
    if (!ended) {
        TerminateProcess(m_process, 9);
        WaitForSingleObject(m_process, kMessageMs);
    }
    CloseHandle(m_process);
    m_process = NULL;
    return ended;
}

// ---- Controls --------------------------------------------------------------

std::string windowText(HWND hwnd)
{
    wchar_t text[4096] = L"";
    DWORD_PTR len = 0;
    if (hwnd == NULL ||
        !SendMessageTimeoutW(hwnd, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, kMessageMs, &len))
        return "<no text>";
    return narrow(std::wstring(text, len));
}

bool setWindowText(HWND hwnd, const std::string &utf8)
{
    const std::wstring text = widen(utf8);
    DWORD_PTR ok = 0;
    return hwnd != NULL &&
           SendMessageTimeoutW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_NORMAL, kMessageMs, &ok) &&
           ok;
}

std::string boxText(HWND box) { return windowText(GetDlgItem(box, 0xFFFF)); }

std::vector<int> boxButtons(HWND box)
{
    std::vector<int> ids;
    for (HWND child = GetWindow(box, GW_CHILD); child != NULL; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t cls[16] = L"";
        GetClassNameW(child, cls, 16);
        if (lstrcmpiW(cls, L"Button") == 0 && IsWindowVisible(child))
            ids.push_back(GetDlgCtrlID(child));
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

void answerBox(HWND box, int id) { PostMessageW(box, WM_COMMAND, id, 0); }

void clickButton(HWND dialog, int id) { PostMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

bool selectComboEntry(HWND dialog, int comboId, int index)
{
    HWND combo = GetDlgItem(dialog, comboId);
    DWORD_PTR r = 0;
    if (!SendMessageTimeoutW(combo, CB_SETCURSEL, index, 0, SMTO_NORMAL, kMessageMs, &r) || static_cast<int>(r) != index)
        return false;
    return SendMessageTimeoutW(dialog, WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo),
                               SMTO_NORMAL, kMessageMs, &r) != 0;
}

int comboSelection(HWND dialog, int comboId)
{
    DWORD_PTR r = 0;
    if (!SendMessageTimeoutW(GetDlgItem(dialog, comboId), CB_GETCURSEL, 0, 0, SMTO_NORMAL, kMessageMs, &r))
        return -2;
    return static_cast<int>(r);
}

void pressKey(HWND control, UINT vk)
{
    const UINT scan = MapVirtualKeyW(vk, MAPVK_VK_TO_VSC);
    PostMessageW(control, WM_KEYDOWN, vk, 1 | (scan << 16));
    PostMessageW(control, WM_KEYUP, vk, 1 | (scan << 16) | 0xC0000000u);
}

HWND focusOf(HWND window)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, NULL), &info))
        return NULL;
    return info.hwndFocus;
}

// ---- Configuration file ----------------------------------------------------

std::string configPath() { return narrow(configFilePath()); }

bool configExists()
{
    const DWORD attrs = GetFileAttributesW(configFilePath().c_str());
    return attrs != INVALID_FILE_ATTRIBUTES && !(attrs & FILE_ATTRIBUTE_DIRECTORY);
}

std::string readConfig() { return readFileBytes(configPath()); }

bool writeConfig(const std::string &bytes)
{
    const int rc = SHCreateDirectoryExW(NULL, configFolder().c_str(), NULL);
    if (rc != ERROR_SUCCESS && rc != ERROR_ALREADY_EXISTS)
        return false;
    writeFileBytes(configPath(), bytes);
    return configExists() && readConfig() == bytes;
}

bool removeTree(const std::wstring &folder)
{
    if (!isFolder(GetFileAttributesW(folder.c_str())))
        return true;
    WIN32_FIND_DATAW fd;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &fd);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = fd.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring path = folder + L"\\" + name;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                removeTree(path);
            else {
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(find, &fd));
        FindClose(find);
    }
    return RemoveDirectoryW(folder.c_str()) != 0;
}

bool removeConfigTree()
{
    // A test may put a plain file where the first folder belongs.
    const std::wstring first = commonAppDataFolder() + L"\\Quillon";
    const DWORD attrs = GetFileAttributesW(first.c_str());
    if (attrs != INVALID_FILE_ATTRIBUTES && !isFolder(attrs)) {
        SetFileAttributesW(first.c_str(), FILE_ATTRIBUTE_NORMAL);
        return DeleteFileW(first.c_str()) != 0;
    }
    return removeTree(first);
}

bool folderExists(const std::wstring &path) { return isFolder(GetFileAttributesW(path.c_str())); }

int countFiles(const std::wstring &folder)
{
    int n = 0;
    WIN32_FIND_DATAW fd;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &fd);
    if (find == INVALID_HANDLE_VALUE)
        return 0;
    do {
        const std::wstring name = fd.cFileName;
        if (name == L"." || name == L"..")
            continue;
        n += (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? countFiles(folder + L"\\" + name) : 1;
    } while (FindNextFileW(find, &fd));
    FindClose(find);
    return n;
}

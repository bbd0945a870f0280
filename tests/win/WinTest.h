// What the tests of processes, environment and windows share.
#ifndef ML_TEST_WIN_H
#define ML_TEST_WIN_H

#include "general/GeneralTest.h"

#include "GuardedBuffer.h"

namespace win {

using namespace general;

const char kNullOutRecord[] = "ml_ConvertMultiSzUTF16toUTF8 has failed to convert (input is NULL)at %d line, file: %s";

// A member's own record text.
inline std::string failed(const char *member, const char *step = "")
{
    return std::string(member) + " has failed to convert" + step + " at %d line, file: %s";
}

// A top-level window of the system's static class with the given text.
class TextWindow {
public:
    explicit TextWindow(const std::wstring &text)
        : m_window(CreateWindowExW(0, L"STATIC", text.c_str(), WS_OVERLAPPED, 0, 0, 50, 20, NULL, NULL, NULL, NULL))
    {
    }
    ~TextWindow() { DestroyWindow(m_window); }
    HWND handle() const { return m_window; }

private:
    HWND m_window;
};

// The process's console, made anew where the process has none that works
// (a program whose output goes to a pipe).
inline bool haveConsole()
{
    if (SetConsoleTitleW(L"ml"))
        return true;
    FreeConsole();
    return AllocConsole() && SetConsoleTitleW(L"ml");
}

} // namespace win

#endif

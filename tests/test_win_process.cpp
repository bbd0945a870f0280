// Processes, modules, synchronisation objects, windows, message boxes,
// string resources and the text helpers.
#include "win/WinTest.h"

#include <malloc.h>

#include <atomic>
#include <functional>
#include <thread>

using namespace win;

namespace {

std::string childProgram() { return programFolder() + "\\win_child.exe"; }

struct ChildRun {
    BOOL started;
    std::string out; // its standard output, line breaks as \n
    DWORD exitCode;
};

// Starts the child with the caller's startup record, its standard output
// handed on through a pipe, and reads what it reports.
ChildRun runChild(const std::string &commandLine, const char *folder, STARTUPINFOA startup)
{
    ChildRun run = {FALSE, "", 0};
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, NULL, TRUE};
    HANDLE readEnd, writeEnd;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return run;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    startup.cb = sizeof startup;
    startup.dwFlags |= STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION info;
    run.started = ml_CreateProcess(childProgram().c_str(), commandLine.c_str(), NULL, NULL, TRUE, 0, NULL, folder,
                                   &startup, &info);
    CloseHandle(writeEnd);
    if (run.started) {
        char chunk[4096];
        DWORD n;
        while (ReadFile(readEnd, chunk, sizeof chunk, &n, NULL) && n > 0)
            for (DWORD i = 0; i < n; ++i)
                if (chunk[i] != '\r')
                    run.out += chunk[i];
        WaitForSingleObject(info.hProcess, INFINITE);
        GetExitCodeProcess(info.hProcess, &run.exitCode);
        CloseHandle(info.hProcess);
        CloseHandle(info.hThread);
    }
    CloseHandle(readEnd);
    return run;
}

STARTUPINFOA noStartup()
{
    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof startup);
    return startup;
}

// Answers the next message box with the caption by pressing button, on a
// thread of its own; keeps the text that the box showed.
class BoxAnswer {
public:
    BoxAnswer(const std::wstring &caption, WPARAM button)
        : m_thread([this, caption, button] {
              for (int i = 0; i < 500; ++i) {
                  HWND box = FindWindowW(L"#32770", caption.c_str());
                  if (box != NULL) {
                      WCHAR text[256] = L"";
                      GetDlgItemTextW(box, 0xFFFF, text, 256);
                      m_text = narrow(text);
                      PostMessageW(box, WM_COMMAND, button, 0);
                      return;
                  }
                  Sleep(20);
              }
          })
    {
    }
    ~BoxAnswer()
    {
        if (m_thread.joinable())
            m_thread.join();
    }
    std::string text()
    {
        m_thread.join();
        return m_text;
    }

private:
    std::string m_text;
    std::thread m_thread;
};

} // namespace

// ---- Processes --------------------------------------------------------------------

TEST(CreateProcess, NonAsciiCommandLineAndFolderReachTheChild)
{
    TempDir dir;
    const std::string folder = dir.file(kGreek);
    ASSERT_TRUE(CreateDirectoryW(widen(folder).c_str(), NULL));
    const std::string commandLine = "\"" + childProgram() + "\" " + kCjk + " caf\xC3\xA9";
    LogCapture log;
    const ChildRun run = runChild(commandLine, folder.c_str(), noStartup());
    ASSERT_TRUE(run.started);
    EXPECT_EQ(7u, run.exitCode);
    EXPECT_NE(std::string::npos, run.out.find("cmd=" + commandLine + "\n")) << run.out;
    EXPECT_NE(std::string::npos, run.out.find("cwd=" + folder + "\n")) << run.out;
    EXPECT_TRUE(log.messages().empty());
}

TEST(CreateProcess, ShowWindowValueTravelsWithItsFlagOnly)
{
    struct Row {
        DWORD flags;
        WORD show;
        WORD childSees;
    };
    const Row rows[] = {
        {STARTF_USESHOWWINDOW, SW_SHOWMINIMIZED, SW_SHOWMINIMIZED},
        {STARTF_USESHOWWINDOW, SW_SHOWNORMAL, SW_SHOWNORMAL},
        {STARTF_USESHOWWINDOW, SW_HIDE, SW_HIDE},
        {0, SW_SHOWMINIMIZED, 0},
    };
    for (const Row &row : rows) {
        STARTUPINFOA startup = noStartup();
        startup.dwFlags = row.flags;
        startup.wShowWindow = row.show;
        // Not carried over.
        char title[] = "title";
        startup.lpTitle = title;
        startup.dwX = 40;
        const ChildRun run = runChild("\"" + childProgram() + "\"", NULL, startup);
        ASSERT_TRUE(run.started);
        const DWORD flags = row.flags | STARTF_USESTDHANDLES;
        EXPECT_NE(std::string::npos, run.out.find("flags=" + std::to_string(flags) + " show=" +
                                                  std::to_string(row.childSees) + "\n"))
            << run.out;
    }
}

TEST(CreateProcess, UnconvertibleTextsStartNothing)
{
    LogCapture log;
    STARTUPINFOA startup = noStartup();
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info;
    const std::string child = childProgram();
    const std::string longText = tooLong();
    const char *texts[3][3] = {{longText.c_str(), NULL, NULL},
                               {child.c_str(), longText.c_str(), NULL},
                               {child.c_str(), NULL, longText.c_str()}};
    for (auto &t : texts) {
        SetLastError(kCallerError);
        EXPECT_FALSE(ml_CreateProcess(t[0], t[1], NULL, NULL, FALSE, 0, NULL, t[2], &startup, &info));
        EXPECT_EQ(DWORD(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    }
    expectRecords(log, {kTooLongRecord, failed("ml_CreateProcess"), kTooLongRecord, failed("ml_CreateProcess"),
                        kTooLongRecord, failed("ml_CreateProcess")});
}

TEST(CommandLine, BlockIsOneByteLongerThanItsUtf8Size)
{
    char *line = ml_GetCommandLine();
    ASSERT_NE((char *)NULL, line);
    EXPECT_EQ(narrow(GetCommandLineW()), line);
    EXPECT_EQ(strlen(line) + 2, _msize(line));
    free(line);
}

// The platform's split in UTF-8, in one block of exactly the pointers, a
// closing NULL and the texts; a line may be as long as a process's own.
TEST(CommandLine, SplitsAsThePlatformIntoOneUtf8Block)
{
    char *own = ml_GetCommandLine();
    const std::string longest(32767, 'a');
    const std::vector<std::string> lines = {
        own, "p \"a b\" c\\\\\\\"d e\\\\f", std::string("p ") + kGreek + " \"" + kCjk + " \xF0\x9F\x98\x80\"", "", longest};
    free(own);
    for (const std::string &line : lines) {
        SCOPED_TRACE(line.substr(0, 40));
        int argc = -1, wideArgc = -1;
        char **argv = ml_CommandLineToArgv(line.c_str(), &argc);
        WCHAR **wide = CommandLineToArgvW(widen(line).c_str(), &wideArgc);
        ASSERT_TRUE(argv != NULL && argc == wideArgc);
        size_t bytes = (argc + 1) * sizeof(char *);
        for (int i = 0; i < argc; bytes += strlen(argv[i++]) + 1)
            EXPECT_TRUE(narrow(wide[i]) == argv[i]) << i;
        EXPECT_TRUE(argv[argc] == NULL && LocalSize(argv) == bytes);
        LocalFree(argv);
        LocalFree(wide);
    }
    LogCapture log;
    int count;
    EXPECT_EQ(nullptr, ml_CommandLineToArgv((longest + "a").c_str(), &count));
    EXPECT_EQ(DWORD(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    expectRecords(log, {kTooLongRecord, failed("ml_CommandLineToArgv", " 1")});
    EXPECT_EQ(nullptr, ml_CommandLineToArgv("p", NULL));
    EXPECT_EQ(DWORD(ERROR_INVALID_PARAMETER), GetLastError());
}

// ---- Libraries and modules --------------------------------------------------------

TEST(Modules, LoadFindAndNameModules)
{
    LogCapture log;
    HMODULE shlwapi = ml_LoadLibrary("shlwapi.dll");
    ASSERT_NE(HMODULE(NULL), shlwapi);
    EXPECT_EQ(shlwapi, ml_GetModuleHandle("SHLWAPI.DLL"));
    EXPECT_NE(FARPROC(NULL), ml_GetProcAddress(shlwapi, "StrFormatByteSizeW"));
    char name[64];
    EXPECT_EQ(11u, ml_GetModuleBaseName(GetCurrentProcess(), shlwapi, name, sizeof name));
    EXPECT_STRCASEEQ("shlwapi.dll", name); // the case of the first load stays
    FreeLibrary(shlwapi);
    EXPECT_EQ(GetModuleHandleW(NULL), ml_GetModuleHandle(NULL));

    // A file with a non-ASCII name, mapped as data.
    TempDir dir;
    const std::string copy = dir.file(std::string(kGreek) + ".dll");
    ASSERT_TRUE(CopyFileW(widen(childProgram()).c_str(), widen(copy).c_str(), FALSE));
    HMODULE data = ml_LoadLibraryEx(copy.c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
    EXPECT_NE(HMODULE(NULL), data);
    FreeLibrary(data);
    SetLastError(kCallerError);
    EXPECT_EQ(HMODULE(NULL), ml_GetModuleHandle(kGreek));
    EXPECT_EQ(DWORD(ERROR_MOD_NOT_FOUND), GetLastError());
    EXPECT_TRUE(log.messages().empty());
}

// ---- Synchronisation objects --------------------------------------------------------

TEST(Synchronisation, NonAsciiNamesNameTheSameObjectsAsTheWideCalls)
{
    LogCapture log;
    const std::string name = std::string("Local\\ml ") + kGreek;
    struct Row {
        const char *kind;
        std::function<HANDLE()> create;
        std::function<HANDLE()> open;
        std::function<HANDLE()> openWide;
    };
    const std::vector<Row> rows = {
        {"event", [&] { return ml_CreateEvent(NULL, TRUE, FALSE, (name + "e").c_str()); },
         [&] { return ml_OpenEvent(EVENT_ALL_ACCESS, FALSE, (name + "e").c_str()); },
         [&] { return OpenEventW(EVENT_ALL_ACCESS, FALSE, widen(name + "e").c_str()); }},
        {"mutex", [&] { return ml_CreateMutex(NULL, FALSE, (name + "m").c_str()); },
         [&] { return ml_OpenMutex(MUTEX_ALL_ACCESS, FALSE, (name + "m").c_str()); },
         [&] { return OpenMutexW(MUTEX_ALL_ACCESS, FALSE, widen(name + "m").c_str()); }},
        {"semaphore", [&] { return ml_CreateSemaphore(NULL, 1, 2, (name + "s").c_str()); },
         [&] { return ml_OpenSemaphore(SEMAPHORE_ALL_ACCESS, FALSE, (name + "s").c_str()); },
         [&] { return OpenSemaphoreW(SEMAPHORE_ALL_ACCESS, FALSE, widen(name + "s").c_str()); }},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.kind);
        SetLastError(kCallerError);
        EXPECT_EQ(HANDLE(NULL), row.open());
        EXPECT_EQ(DWORD(ERROR_FILE_NOT_FOUND), GetLastError());
        HANDLE created = row.create();
        ASSERT_NE(HANDLE(NULL), created);
        EXPECT_EQ(0u, GetLastError());
        HANDLE again = row.create();
        EXPECT_EQ(DWORD(ERROR_ALREADY_EXISTS), GetLastError());
        HANDLE opened = row.open();
        HANDLE wide = row.openWide();
        EXPECT_NE(HANDLE(NULL), opened);
        EXPECT_NE(HANDLE(NULL), wide);
        for (HANDLE h : {created, again, opened, wide})
            CloseHandle(h);
    }
    // Unnamed objects.
    for (HANDLE h : {ml_CreateEvent(NULL, FALSE, FALSE, NULL), ml_CreateSemaphore(NULL, 0, 1, NULL)}) {
        EXPECT_NE(HANDLE(NULL), h);
        CloseHandle(h);
    }
    EXPECT_TRUE(log.messages().empty());
}

TEST(Synchronisation, EventNamesTakeAtMost520Units)
{
    const std::string fits = "Local\\" + std::string(519 - 6, 'e'); // 520 units with the zero
    HANDLE created = CreateEventW(NULL, TRUE, FALSE, widen(fits).c_str());
    ASSERT_NE(HANDLE(NULL), created);
    LogCapture log;
    HANDLE opened = ml_OpenEvent(SYNCHRONIZE, FALSE, fits.c_str());
    EXPECT_NE(HANDLE(NULL), opened);
    CloseHandle(opened);
    EXPECT_TRUE(log.messages().empty());

    HANDLE longer = CreateEventW(NULL, TRUE, FALSE, widen(fits + "e").c_str());
    ASSERT_NE(HANDLE(NULL), longer); // the platform has no such limit
    SetLastError(kCallerError);
    EXPECT_EQ(HANDLE(NULL), ml_OpenEvent(SYNCHRONIZE, FALSE, (fits + "e").c_str()));
    EXPECT_EQ(DWORD(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    // Another member takes the longer name whole.
    HANDLE created2 = ml_CreateEvent(NULL, TRUE, FALSE, (fits + "e").c_str());
    EXPECT_EQ(DWORD(ERROR_ALREADY_EXISTS), GetLastError());
    expectRecords(log, {kTooLongRecord, failed("ml_OpenEvent")});
    for (HANDLE h : {created, longer, created2})
        CloseHandle(h);
}

// Every member with text arguments, given one that is too long (and, where
// the argument is required, NULL): the failure value, the records and the
// conversion's last error (or the caller's own for NULL).
TEST(InputTexts, UnconvertibleArgumentsGiveTheFailureValue)
{
    const std::string big = tooLong();
    const char *t = big.c_str();
    TextWindow window(L"w");
    const HWND h = window.handle();
    char out[64];
    struct Row {
        const char *member;
        std::function<bool(const char *)> fails; // true when the failure value came back
        const char *record;
        bool required;
    };
    const std::vector<Row> rows = {
        {"ml_CreateEvent", [](const char *s) { return !ml_CreateEvent(NULL, 0, 0, s); }, "ml_CreateEvent", false},
        {"ml_OpenEvent", [](const char *s) { return !ml_OpenEvent(SYNCHRONIZE, 0, s); }, "ml_OpenEvent", false},
        {"ml_CreateMutex", [](const char *s) { return !ml_CreateMutex(NULL, 0, s); }, "ml_CreateMutex", false},
        {"ml_OpenMutex", [](const char *s) { return !ml_OpenMutex(SYNCHRONIZE, 0, s); }, "ml_CreateMutex", false},
        {"ml_CreateSemaphore", [](const char *s) { return !ml_CreateSemaphore(NULL, 0, 1, s); },
         "ml_CreateSemaphore", false},
        {"ml_OpenSemaphore", [](const char *s) { return !ml_OpenSemaphore(SYNCHRONIZE, 0, s); }, "ml_OpenSemaphore",
         false},
        {"ml_LoadLibrary", [](const char *s) { return !ml_LoadLibrary(s); }, "ml_LoadLibrary", true},
        {"ml_LoadLibraryEx", [](const char *s) { return !ml_LoadLibraryEx(s, NULL, 0); }, "ml_LoadLibraryEx", true},
        {"ml_GetModuleHandle", [](const char *s) { return !ml_GetModuleHandle(s); }, "ml_GetModuleHandle", false},
        {"ml_GetEnvironmentVariable", [&](const char *s) { return ml_GetEnvironmentVariable(s, out, 64) == 0; },
         "ml_GetEnvironmentVariable 1", false},
        {"ml_SetEnvironmentVariable name", [](const char *s) { return !ml_SetEnvironmentVariable(s, "v"); },
         "ml_SetEnvironmentVariable", false},
        {"ml_SetEnvironmentVariable value", [](const char *s) { return !ml_SetEnvironmentVariable("ML_V", s); },
         "ml_SetEnvironmentVariable", false},
        {"ml_ExpandEnvironmentStrings", [&](const char *s) { return ml_ExpandEnvironmentStrings(s, out, 64) == 0; },
         "ml_ExpandEnvironmentStrings 1", true},
        {"ml_SetComputerNameEx",
         [](const char *s) { return !ml_SetComputerNameEx(ComputerNamePhysicalDnsHostname, s); },
         "ml_SetComputerNameEx", false},
        {"ml_SetConsoleTitle", [](const char *s) { return !ml_SetConsoleTitle(s); }, "ml_SetConsoleTitle", true},
        {"ml_RegisterWindowMessage", [](const char *s) { return ml_RegisterWindowMessage(s) == 0; },
         "ml_RegisterWindowMessage", false},
        {"ml_FindWindow class", [](const char *s) { return !ml_FindWindow(s, "w"); }, "ml_FindWindow", true},
        {"ml_FindWindow window", [](const char *s) { return !ml_FindWindow("STATIC", s); }, "ml_FindWindow", true},
        {"ml_CreateWindow", [](const char *s) { return !ml_CreateWindow("STATIC", s, 0, 0, 0, 9, 9, 0, 0, 0, 0); },
         "ml_CreateWindow", false},
        {"ml_CreateWindowEx", [](const char *s) { return !ml_CreateWindowEx(0, s, "w", 0, 0, 0, 9, 9, 0, 0, 0, 0); },
         "ml_CreateWindowEx", false},
        {"ml_SetWindowText", [&](const char *s) { return !ml_SetWindowText(h, s); }, "ml_SetWindowText", true},
        {"ml_MessageBox text", [](const char *s) { return ml_MessageBox(NULL, s, "c", MB_OK) == 0; }, "ml_MessageBox",
         false},
        {"ml_MessageBox caption", [](const char *s) { return ml_MessageBox(NULL, "t", s, MB_OK) == 0; },
         "ml_MessageBox", false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.member);
        // "name 1" records carry their step number after "convert".
        std::string member = row.record, step;
        const size_t space = member.find(' ');
        if (space != std::string::npos) {
            step = member.substr(space);
            member.resize(space);
        }
        {
            LogCapture log;
            SetLastError(kCallerError);
            EXPECT_TRUE(row.fails(t));
            EXPECT_EQ(DWORD(ERROR_INSUFFICIENT_BUFFER), GetLastError());
            expectRecords(log, {kTooLongRecord, failed(member.c_str(), step.c_str())});
        }
        if (row.required) {
            LogCapture log;
            SetLastError(kCallerError);
            EXPECT_TRUE(row.fails(NULL));
            EXPECT_EQ(kCallerError, GetLastError());
            expectRecords(log, {kNullRecord, failed(member.c_str(), step.c_str())});
        }
        LogCapture log;
        EXPECT_TRUE(row.fails("bad-\xFF"));
        EXPECT_EQ(DWORD(ERROR_NO_UNICODE_TRANSLATION), GetLastError());
        expectRecords(log, {kNotUtf8Record, failed(member.c_str(), step.c_str())});
    }
}

// ---- Windows and message boxes ---------------------------------------------------------

TEST(Windows, NonAsciiClassAndTitleAreFoundAndRead)
{
    const std::string className = std::string("ml ") + kGreek, title = std::string(kCjk) + " title";
    WNDCLASSW wc = {};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(NULL);
    const std::wstring wideClass = widen(className);
    wc.lpszClassName = wideClass.c_str();
    ASSERT_NE(0, RegisterClassW(&wc));
    LogCapture log;
    HWND plain = ml_CreateWindow(className.c_str(), title.c_str(), WS_OVERLAPPED, 0, 0, 50, 50, NULL, NULL,
                                 wc.hInstance, NULL);
    ASSERT_NE(HWND(NULL), plain);
    EXPECT_EQ(0, GetWindowLongW(plain, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_EQ(plain, ml_FindWindow(className.c_str(), title.c_str()));
    EXPECT_EQ(plain, FindWindowW(wideClass.c_str(), widen(title).c_str()));
    DestroyWindow(plain);

    HWND tool = ml_CreateWindowEx(WS_EX_TOOLWINDOW, className.c_str(), NULL, WS_OVERLAPPED, 0, 0, 50, 50, NULL, NULL,
                                  wc.hInstance, NULL);
    ASSERT_NE(HWND(NULL), tool);
    EXPECT_NE(0, GetWindowLongW(tool, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_EQ(0, ml_GetWindowText(tool, NULL, 0));
    EXPECT_TRUE(ml_SetWindowText(tool, kGreek));
    char text[64];
    EXPECT_EQ(int(strlen(kGreek)), ml_GetWindowText(tool, text, sizeof text));
    EXPECT_STREQ(kGreek, text);
    DestroyWindow(tool);
    UnregisterClassW(wideClass.c_str(), wc.hInstance);

    const std::string message = std::string("ml message ") + kCjk;
    const UINT number = ml_RegisterWindowMessage(message.c_str());
    EXPECT_GE(number, 0xC000u);
    EXPECT_EQ(number, RegisterWindowMessageW(widen(message).c_str()));
    EXPECT_TRUE(log.messages().empty());
}

TEST(MessageBox, AnsweredByAnotherThread)
{
    const std::string text = std::string(kGreek) + "?", caption = std::string("ml ") + kCjk;
    {
        BoxAnswer answer(widen(caption), IDCANCEL);
        EXPECT_EQ(IDCANCEL, ml_MessageBox(NULL, text.c_str(), caption.c_str(), MB_OKCANCEL));
        EXPECT_EQ(text, answer.text());
    }
    {
        // No caption: the platform's own ("Error").
        BoxAnswer answer(L"Error", IDOK);
        EXPECT_EQ(IDOK, ml_MessageBox(NULL, kCjk, NULL, MB_OK));
        EXPECT_EQ(kCjk, answer.text());
    }
}

// ---- String resources -------------------------------------------------------------------

TEST(LoadString, ConvertsInTheCallersBufferUpToMlMaxChar)
{
    const HINSTANCE self = GetModuleHandleW(NULL);
    const char greeting[] = "Gr\xC3\xBC\xC3\x9F" "e, \xE8\xA8\xAD\xE5\xAE\x9A"; // Grüße, 設定
    {
        LogCapture log;
        GuardedBuffer at2048(2048);
        EXPECT_EQ(15, ml_LoadString(self, 101, at2048.data(), 2048));
        EXPECT_EQ(greeting + std::string(2048 - 15, '\0'), at2048.bytes());
        EXPECT_EQ(15, ml_LoadString(self, 101, NULL, 4096));
        EXPECT_TRUE(log.messages().empty());
    }
    {
        // Above ML_MAX_CHAR the buffer keeps the wide text.
        LogCapture log;
        GuardedBuffer at4096(4096);
        EXPECT_EQ(16, ml_LoadString(self, 101, at4096.data(), 4096));
        EXPECT_EQ(widen(greeting), at4096.wide());
        expectRecords(log, {kInPlaceTooBigRecord, failed("ml_LoadString")});
    }
    {
        // 1100 CJK characters: the 1023 that 2048 bytes take as UTF-16 need
        // 3069 bytes as UTF-8.
        LogCapture log;
        GuardedBuffer at2048(2048);
        EXPECT_EQ(3070, ml_LoadString(self, 102, at2048.data(), 2048));
        EXPECT_EQ(std::wstring(1023, L'\x8A2D'), at2048.wide());
        expectRecords(log, {kToUtf8Record, kInPlaceRecord, failed("ml_LoadString")});
    }
}

TEST(LoadString, SmallBuffersGetThePlatformsCutText)
{
    const HINSTANCE self = GetModuleHandleW(NULL);
    LogCapture log;
    // "Hello" as UTF-16 with its zero: 12 bytes.
    GuardedBuffer fit(12);
    EXPECT_EQ(5, ml_LoadString(self, 103, fit.data(), 12));
    EXPECT_EQ(std::string("Hello\0\0\0\0\0\0\0", 12), fit.bytes());
    GuardedBuffer shortBy1(11);
    EXPECT_EQ(4, ml_LoadString(self, 103, shortBy1.data(), 11));
    EXPECT_EQ("Hell", shortBy1.text());
    // Less than one unit: nothing asked of the platform, nothing written.
    for (size_t size : {0, 1}) {
        GuardedBuffer tiny(size);
        EXPECT_EQ(0, ml_LoadString(self, 103, tiny.data(), int(size)));
        EXPECT_TRUE(tiny.untouched());
    }
    GuardedBuffer missing(64);
    EXPECT_EQ(0, ml_LoadString(self, 999, missing.data(), 64));
    EXPECT_EQ(0, ml_LoadString(self, 999, NULL, 64));
    EXPECT_TRUE(log.messages().empty());
}

// ---- Text helpers ------------------------------------------------------------------------

TEST(CharNext, StepsOneCharacterButNeverPastTheTerminator)
{
    struct Row {
        std::string bytes; // the text with its terminator, and nothing after
        size_t step;
    };
    const Row rows[] = {
        {std::string("a\0", 2), 1},
        {std::string("\xC3\xA9\0", 3), 2},
        {std::string("\xE2\x82\xAC\0", 4), 3},
        {std::string("\xF0\x9F\x98\x80\0", 5), 4},
        {std::string("\xA9\0", 2), 1},          // a continuation byte
        {std::string("\0", 1), 0},              // at the terminator it stays
        {std::string("\xC3\0", 2), 1},          // cut sequences stop at it
        {std::string("\xE2\x82\0", 3), 2},
        {std::string("\xF0\0", 2), 1},
        {std::string("\xF0\x9F\x98\0", 4), 3},
    };
    for (const Row &row : rows) {
        const GuardedBuffer text = GuardedBuffer::holding(row.bytes);
        EXPECT_EQ(text.data() + row.step, ml_CharNext(text.data())) << row.bytes.size();
    }
    EXPECT_EQ((char *)NULL, ml_CharNext(NULL));
}

// The stream members on a console, read back from its screen and fed
// through its input, and on a file and a pipe, through console_child.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

std::wstring childCommand(const std::wstring &arguments)
{
    WCHAR path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(NULL, path, MAX_PATH);
    std::wstring folder(path, length);
    folder.erase(folder.find_last_of(L'\\'));
    return L"\"" + folder + L"\\console_child.exe\" " + arguments;
}

HANDLE inheritable(const wchar_t *name, DWORD access, DWORD creation)
{
    SECURITY_ATTRIBUTES sa = {sizeof sa, NULL, TRUE};
    return CreateFileW(name, access, FILE_SHARE_READ | FILE_SHARE_WRITE, &sa, creation, 0, NULL);
}

// Runs the child with the given standard handles; true when it ended.
bool runChild(const std::wstring &arguments, HANDLE in, HANDLE out)
{
    std::wstring command = childCommand(arguments);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in;
    startup.hStdOutput = out;
    startup.hStdError = out;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(NULL, &command[0], NULL, NULL, TRUE, 0, NULL, NULL, &startup, &process))
        return false;
    const bool ended = WaitForSingleObject(process.hProcess, 20000) == WAIT_OBJECT_0;
    if (!ended)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return ended;
}

std::string readAll(HANDLE handle)
{
    std::string bytes;
    char chunk[512];
    DWORD got;
    while (ReadFile(handle, chunk, sizeof chunk, &got, NULL) && got > 0)
        bytes.append(chunk, got);
    return bytes;
}

// What the child's "write" puts out, as bytes to a file or a pipe.
const char kWritten[] = "\xCE\x95\xCE\xBB\xE6\xB8\xAC\xF0\x9F\x98\x80 1\r\n\xCE\xA9\r\na\xFF"
                        "b\r\n\xE8\xA8\xAD\r\nplain \xCE\xB1\r\n";

// A console of the test's own, which its children share.
class ConsoleTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        FreeConsole();
        AllocConsole();
        s_out = inheritable(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING);
        s_in = inheritable(L"CONIN$", GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING);
    }

    void SetUp() override
    {
        CONSOLE_SCREEN_BUFFER_INFO info;
        DWORD done;
        if (!GetConsoleScreenBufferInfo(s_out, &info) || !ReadConsoleOutputCharacterW(s_out, m_probe, 1, {0, 0}, &done))
            GTEST_SKIP() << "No display: the console's screen cannot be read back here";
        m_width = info.dwSize.X;
        FillConsoleOutputCharacterW(s_out, L' ', DWORD(info.dwSize.X) * DWORD(info.dwSize.Y), {0, 0}, &done);
        SetConsoleCursorPosition(s_out, {0, 0});
        FlushConsoleInputBuffer(s_in);
    }

    // Row y of the screen without its trailing spaces.
    std::wstring row(SHORT y)
    {
        std::vector<WCHAR> cells(m_width);
        DWORD got = 0;
        ReadConsoleOutputCharacterW(s_out, cells.data(), m_width, {0, y}, &got);
        std::wstring text(cells.data(), got);
        return text.erase(text.find_last_not_of(L' ') + 1);
    }

    static HANDLE s_out, s_in;
    WCHAR m_probe[1];
    SHORT m_width = 0;
};

HANDLE ConsoleTest::s_out = INVALID_HANDLE_VALUE;
HANDLE ConsoleTest::s_in = INVALID_HANDLE_VALUE;

TEST_F(ConsoleTest, OutputShowsTheCharacters)
{
    ASSERT_TRUE(runChild(L"write", s_in, s_out));
    const wchar_t *rows[] = {L"\x0395\x03BB\x6E2C\xD83D\xDE00 1", L"\x03A9", L"a\xFFFD" L"b", L"\x8A2D",
                             L"plain \x03B1"};
    for (SHORT y = 0; y < 5; ++y)
        EXPECT_EQ(rows[y], row(y)) << "row " << y;
}

TEST_F(ConsoleTest, InputGivesUtf8)
{
    std::vector<INPUT_RECORD> keys;
    for (const wchar_t *c = L"\x03A9\x03BC\x03AD\x03B3\x03B1\r\x03A9\x03BC\x03AD\x03B3\x03B1\r\x1A\r"; *c; ++c)
        for (BOOL down : {TRUE, FALSE}) {
            INPUT_RECORD key = {};
            key.EventType = KEY_EVENT;
            key.Event.KeyEvent.bKeyDown = down;
            key.Event.KeyEvent.wRepeatCount = 1;
            key.Event.KeyEvent.wVirtualKeyCode = *c == L'\r' ? VK_RETURN : 0;
            key.Event.KeyEvent.uChar.UnicodeChar = *c;
            keys.push_back(key);
        }
    DWORD written;
    ASSERT_TRUE(WriteConsoleInputW(s_in, keys.data(), DWORD(keys.size()), &written));

    WCHAR temp[MAX_PATH], file[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    GetTempFileNameW(temp, L"mlc", 0, file);
    ASSERT_TRUE(runChild(L"read \"" + std::wstring(file) + L"\"", s_in, s_out));
    HANDLE result = CreateFileW(file, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    const std::string lines = readAll(result);
    CloseHandle(result);
    DeleteFileW(file);
    // "Ω" alone (μ does not fit in 3 bytes), then the rest of the line, then
    // the next line with fread, then Ctrl+Z: the end of the input.
    EXPECT_EQ("CEA9\r\nCEBCCEADCEB3CEB10A\r\nCEA9CEBCCEADCEB3CEB10A\r\nend\r\n", lines);
}

TEST(StreamBytes, FileAndPipeKeepTheBytes)
{
    WCHAR temp[MAX_PATH], file[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    GetTempFileNameW(temp, L"mlc", 0, file);
    HANDLE out = inheritable(file, GENERIC_WRITE, CREATE_ALWAYS);
    ASSERT_TRUE(runChild(L"write", NULL, out));
    CloseHandle(out);
    HANDLE in = CreateFileW(file, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    EXPECT_EQ(kWritten, readAll(in)) << "file";
    CloseHandle(in);
    DeleteFileW(file);

    SECURITY_ATTRIBUTES sa = {sizeof sa, NULL, TRUE};
    HANDLE readEnd, writeEnd;
    ASSERT_TRUE(CreatePipe(&readEnd, &writeEnd, &sa, 0));
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    ASSERT_TRUE(runChild(L"write", NULL, writeEnd));
    CloseHandle(writeEnd);
    EXPECT_EQ(kWritten, readAll(readEnd)) << "pipe";
    CloseHandle(readEnd);
}

} // namespace

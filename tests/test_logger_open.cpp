// Opening the failure log: each case runs in a child program of its own,
// since the log is process-wide and stays open until the process ends.
#include <MultiLanguage/ml.h>

#include <gtest/gtest.h>

#include <shlobj.h>
#include <stdio.h>

#include <string>
#include <vector>

#include "LogCapture.h"
#include "TempDir.h"

namespace {

const char kBom[] = "\xEF\xBB\xBF";
const char kConsoleLine[] = "ml_Logger g_pFileLogger is NULL";

std::wstring childFolder()
{
    WCHAR path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(NULL, path, MAX_PATH);
    std::wstring folder(path, n);
    return folder.substr(0, folder.find_last_of(L'\\'));
}

std::wstring childProgram() { return childFolder() + L"\\logger_child.exe"; }

// One argument on a command line, quoted so the child's runtime reads it
// back unchanged (a trailing backslash included).
std::wstring quoted(const std::wstring &arg)
{
    std::wstring out = L"\"";
    size_t backslashes = 0;
    for (wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
        } else {
            out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
            backslashes = 0;
        }
        if (c != L'\\')
            out += c;
    }
    out.append(backslashes * 2, L'\\');
    return out + L"\"";
}

// Runs program with the steps and returns its standard output, line breaks
// as \n.
std::string run(const std::wstring &program, const std::vector<std::string> &steps)
{
    std::wstring command = quoted(program);
    for (const std::string &step : steps)
        command += L" " + quoted(widen(step));
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, NULL, TRUE};
    HANDLE readEnd = NULL, writeEnd = NULL;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return "(no pipe)";
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION info;
    std::vector<wchar_t> line(command.begin(), command.end());
    line.push_back(0);
    const BOOL started =
        CreateProcessW(program.c_str(), line.data(), NULL, NULL, TRUE, 0, NULL, NULL, &startup, &info);
    CloseHandle(writeEnd);
    std::string out;
    if (started) {
        char chunk[4096];
        DWORD n;
        while (ReadFile(readEnd, chunk, sizeof chunk, &n, NULL) && n > 0)
            out.append(chunk, n);
        WaitForSingleObject(info.hProcess, INFINITE);
        CloseHandle(info.hProcess);
        CloseHandle(info.hThread);
    } else {
        out = "(not started)";
    }
    CloseHandle(readEnd);
    std::string text;
    for (char c : out)
        if (c != '\r')
            text += c;
    return text;
}

size_t count(const std::string &text, const std::string &part)
{
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++n;
    return n;
}

// The message lines of the records in a log file's text.
std::vector<std::string> records(const std::string &text)
{
    std::vector<std::string> result;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = text.substr(start, end - start);
        if (!line.empty() && line[0] == ' ')
            result.push_back(line.substr(1, line.size() - 1 - (line.back() == '\r' ? 1 : 0)));
        start = end + 1;
    }
    return result;
}

} // namespace

TEST(LoggerInit, NewFileGetsTheMarkAndALaterRunAppendsWithoutOne)
{
    TempDir dir;
    const std::string folder = dir.path() + "\\\xCE\x9B\xCF\x8C\xCE\xB3"; // Λόγ
    CreateDirectoryW(widen(folder).c_str(), NULL);
    EXPECT_EQ("init=1\n", run(childProgram(), {"init:" + folder, "log:first \xE8\xA8\xAD"}));
    const std::string first = readFileBytes(folder + "\\mlLog.txt");
    ASSERT_EQ(0u, first.compare(0, 3, kBom)) << first;
    EXPECT_EQ(std::vector<std::string>{"first \xE8\xA8\xAD"}, records(first));
    // The stream is in text mode: each line ends in CR LF.
    EXPECT_EQ(2u, count(first, "\r\n"));

    EXPECT_EQ("init=1\n", run(childProgram(), {"init:" + folder, "log:second"}));
    const std::string both = readFileBytes(folder + "\\mlLog.txt");
    EXPECT_EQ(1u, count(both, kBom));
    EXPECT_EQ(0u, both.compare(0, first.size(), first));
    EXPECT_EQ((std::vector<std::string>{"first \xE8\xA8\xAD", "second"}), records(both));
}

TEST(LoggerInit, SecondOpeningIsRefusedAndAFailedOneMayBeRetried)
{
    TempDir dir;
    const std::string missing = dir.file("later");
    // Each message is printed inside the call, before its result.
    EXPECT_EQ("ml_LoggerInit has failed to open " + missing + " file\ninit=0\n"
              "ml_LoggerInit input parm is NULL\ninit=0\n"
              "init=1\n"
              "ml_LoggerInit already initialized,returning\ninit=0\n"
              "ml_LoggerInit already initialized,returning\ninit=0\n"
              "ml_LoggerInit input parm is NULL\ninit=0\n",
              run(childProgram(), {"init:" + missing, "null", "mkdir:" + missing, "init:" + missing,
                                   "init:" + missing, "init:" + dir.path(), "null", "log:kept"}));
    const std::string log = readFileBytes(missing + "\\mlLog.txt");
    EXPECT_EQ(0u, log.compare(0, 3, kBom));
    EXPECT_EQ(std::vector<std::string>{"kept"}, records(log));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(widen(dir.file("mlLog.txt")).c_str()));
}

TEST(LoggerInit, FolderWithATrailingBackslashIsAccepted)
{
    TempDir dir;
    EXPECT_EQ("init=1\n", run(childProgram(), {"init:" + dir.path() + "\\", "log:x"}));
    EXPECT_EQ(std::vector<std::string>{"x"}, records(readFileBytes(dir.file("mlLog.txt"))));
}

// Removes the nested folders itself, deepest first, whatever the test's
// outcome: the temporary folder's own removal must never meet paths this long.
class NestedFolders {
public:
    explicit NestedFolders(const std::string &base) : m_base(base) {}
    ~NestedFolders()
    {
        for (auto f = m_made.rbegin(); f != m_made.rend(); ++f) {
            DeleteFileW(widen(*f + "\\mlLog.txt").c_str());
            RemoveDirectoryW(widen(*f).c_str());
        }
    }
    bool make(const std::string &folder)
    {
        if (!CreateDirectoryW(widen(folder).c_str(), NULL))
            return false;
        m_made.push_back(folder);
        return true;
    }

private:
    std::string m_base;
    std::vector<std::string> m_made;
};

TEST(LoggerInit, PathOf520BytesIsRefusedAnd519Opens)
{
    // Folders nested to a path of exactly 509 bytes: with "\mlLog.txt" and
    // the zero, 520 bytes.
    TempDir dir;
    NestedFolders made(dir.path());
    std::string folder = dir.path();
    while (folder.size() < 509 - 101) {
        folder += "\\" + std::string(100, 'f');
        ASSERT_TRUE(made.make(folder)) << folder.size();
    }
    folder += "\\" + std::string(509 - folder.size() - 1, 'g');
    ASSERT_EQ(509u, folder.size());
    ASSERT_TRUE(made.make(folder));
    // One more byte would cut the file name to "mlLog.tx": refused instead.
    const std::string longer = folder + "h";
    ASSERT_TRUE(made.make(longer));

    EXPECT_EQ("ml_LoggerInit has failed to open " + longer + " file\ninit=0\ninit=1\n",
              run(childProgram(), {"init:" + longer, "init:" + folder, "log:fits"}));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(widen(longer + "\\mlLog.tx").c_str()));
    EXPECT_EQ(std::vector<std::string>{"fits"}, records(readFileBytes(folder + "\\mlLog.txt")));
}

TEST(LoggerInit, RecordsOfAnotherThreadDuringTheOpeningTakeTheConsoleLine)
{
    TempDir dir;
    const std::string out = run(childProgram(), {"race", "init:" + dir.path()});
    const size_t at = out.find("race=");
    ASSERT_NE(std::string::npos, at) << out;
    const long written = atol(out.c_str() + at + 5);
    const std::string log = readFileBytes(dir.file("mlLog.txt"));
    // The mark is written before any record can reach the file.
    EXPECT_EQ(0u, log.compare(0, 3, kBom));
    const std::vector<std::string> inFile = records(log);
    const size_t onConsole = count(out, kConsoleLine);
    EXPECT_GE(onConsole, 50u);
    EXPECT_GE(inFile.size(), 50u);
    EXPECT_EQ(size_t(written), onConsole + inFile.size());
    for (const std::string &r : inFile)
        EXPECT_EQ(0u, r.find("thread record ")) << r;
}

class LoggerInitNoParm : public ::testing::Test {
protected:
    void SetUp() override
    {
        WCHAR common[MAX_PATH];
        ASSERT_EQ(S_OK, SHGetFolderPathW(NULL, CSIDL_COMMON_APPDATA | CSIDL_FLAG_CREATE, NULL, 0, common));
        ardenfold = narrow(common) + "\\Ardenfold";
        backup = ardenfold + "\\backup";
        // The program under the name backup.tool.exe.
        program = widen(dir.file("backup.tool.exe"));
        ASSERT_TRUE(CopyFileW(childProgram().c_str(), program.c_str(), FALSE)) << GetLastError();
    }
    void TearDown() override
    {
        DeleteFileW(widen(backup + "\\mlLog.txt").c_str());
        RemoveDirectoryW(widen(backup).c_str());
        RemoveDirectoryW(widen(ardenfold).c_str());
    }
    TempDir dir;
    std::string ardenfold, backup;
    std::wstring program;
};

TEST_F(LoggerInitNoParm, OpensTheLogInTheProgramsFolderUnderArdenfold)
{
    ASSERT_TRUE(CreateDirectoryW(widen(ardenfold).c_str(), NULL) || GetLastError() == ERROR_ALREADY_EXISTS);
    ASSERT_TRUE(CreateDirectoryW(widen(backup).c_str(), NULL) || GetLastError() == ERROR_ALREADY_EXISTS);
    DeleteFileW(widen(backup + "\\mlLog.txt").c_str());
    EXPECT_EQ("noparm=1\n", run(program, {"noparm", "log:from backup"}));
    const std::string log = readFileBytes(backup + "\\mlLog.txt");
    EXPECT_EQ(0u, log.compare(0, 3, kBom));
    EXPECT_EQ(std::vector<std::string>{"from backup"}, records(log));
}

TEST_F(LoggerInitNoParm, MissingFolderIsNotCreated)
{
    RemoveDirectoryW(widen(backup).c_str());
    ASSERT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(widen(backup).c_str()));
    // The folder is named with its trailing backslash.
    EXPECT_EQ("ml_LoggerInit has failed to open " + backup + "\\ file\nnoparm=0\n", run(program, {"noparm"}));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(widen(backup).c_str()));
}

TEST(LoggerInit, OpeningInThisProcessWhileCapturedIsRefused)
{
    // Held by a capture, the log counts as open.
    LogCapture log;
    StdoutCapture out;
    EXPECT_EQ(0, ml_LoggerInit("C:\\"));
    EXPECT_EQ(0, ml_LoggerInit(NULL));
    std::string text;
    for (char c : out.text())
        if (c != '\r')
            text += c;
    EXPECT_EQ("ml_LoggerInit already initialized,returning\nml_LoggerInit input parm is NULL\n", text);
    EXPECT_TRUE(log.messages().empty());
}

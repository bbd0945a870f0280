#include "LogCapture.h"

#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#include <windows.h>

#include <regex>

namespace {

std::wstring tempFile(const wchar_t *prefix)
{
    wchar_t folder[MAX_PATH], path[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    GetTempFileNameW(folder, prefix, 0, path);
    return path;
}

std::string readAll(const std::wstring &path)
{
    std::string text;
    FILE *f = _wfopen(path.c_str(), L"r");
    if (f == NULL)
        return text;
    char chunk[4096];
    size_t n;
    while ((n = fread(chunk, 1, sizeof chunk, f)) > 0)
        text.append(chunk, n);
    fclose(f);
    return text;
}

} // namespace

LogCapture::LogCapture() : m_path(tempFile(L"mlg")), m_file(_wfopen(m_path.c_str(), L"w+"))
{
    static bool initialised = false;
    if (!initialised) {
        InitializeCriticalSection(&g_csFileLogger);
        initialised = true;
    }
    g_pFileLogger = m_file;
}

LogCapture::~LogCapture()
{
    g_pFileLogger = NULL;
    if (m_file)
        fclose(m_file);
    DeleteFileW(m_path.c_str());
}

std::string LogCapture::text()
{
    fflush(m_file);
    return readAll(m_path);
}

std::vector<std::string> LogCapture::messages()
{
    std::vector<std::string> result;
    const std::string all = text();
    size_t start = 0;
    while (start < all.size()) {
        size_t end = all.find('\n', start);
        if (end == std::string::npos)
            end = all.size();
        const std::string line = all.substr(start, end - start);
        if (!line.empty() && line[0] == ' ')
            result.push_back(line.substr(1));
        start = end + 1;
    }
    return result;
}

bool recordMatches(const std::string &record, const std::string &format)
{
    // Every %d becomes a number and every %s any text; the rest must match.
    std::string pattern;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() && (format[i + 1] == 'd' || format[i + 1] == 's')) {
            pattern += format[i + 1] == 'd' ? "-?[0-9]+" : ".*";
            ++i;
        } else if (std::string("\\^$.|?*+()[]{}").find(format[i]) != std::string::npos) {
            pattern += '\\';
            pattern += format[i];
        } else {
            pattern += format[i];
        }
    }
    return std::regex_match(record, std::regex(pattern));
}

StdoutCapture::StdoutCapture(int fd) : m_path(tempFile(L"mlo")), m_fd(fd), m_saved(-1)
{
    fflush(stdout);
    fflush(stderr);
    m_saved = _dup(m_fd);
    const int file = _wopen(m_path.c_str(), _O_WRONLY | _O_TRUNC | _O_CREAT, 0600);
    _dup2(file, m_fd);
    _close(file);
}

void StdoutCapture::restore()
{
    if (m_saved >= 0) {
        fflush(stdout);
        fflush(stderr);
        _dup2(m_saved, m_fd);
        _close(m_saved);
        m_saved = -1;
    }
}

std::string StdoutCapture::text()
{
    restore();
    return readAll(m_path);
}

StdoutCapture::~StdoutCapture()
{
    restore();
    DeleteFileW(m_path.c_str());
}

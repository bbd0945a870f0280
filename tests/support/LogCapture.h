// Opens the failure log on a file of the test's own and reads the records back.
#ifndef ML_TEST_LOG_CAPTURE_H
#define ML_TEST_LOG_CAPTURE_H

#include <string>
#include <vector>

#include <MultiLanguage/mlLogger.h>

class LogCapture {
public:
    LogCapture();
    ~LogCapture();

    // The message line of each record written since the capture began,
    // without its leading space.
    std::vector<std::string> messages();
    // The whole log text, records with their date lines.
    std::string text();

    LogCapture(const LogCapture &) = delete;
    LogCapture &operator=(const LogCapture &) = delete;

private:
    std::wstring m_path;
    FILE *m_file;
};

// The record text that a member writes for a format: the format with its
// "%d line, file: %s" part left out, for comparisons that ignore where.
bool recordMatches(const std::string &record, const std::string &format);

// Captures what the process writes on standard output (or standard error,
// descriptor 2) between construction and text().
class StdoutCapture {
public:
    explicit StdoutCapture(int fd = 1);
    ~StdoutCapture();
    std::string text();

private:
    void restore();
    std::wstring m_path;
    int m_fd;
    int m_saved;
};

#endif

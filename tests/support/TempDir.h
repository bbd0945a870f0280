// A fresh folder under the temporary folder, removed with its files at the end.
#ifndef ML_TEST_TEMP_DIR_H
#define ML_TEST_TEMP_DIR_H

#include <string>

class TempDir {
public:
    TempDir();
    ~TempDir();
    // The folder in UTF-8, without a trailing backslash.
    const std::string &path() const { return m_path; }
    // name inside the folder, in UTF-8.
    std::string file(const std::string &name) const { return m_path + "\\" + name; }

    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

private:
    std::string m_path;
};

// UTF-8 and UTF-16 by the platform alone, to check the library against.
std::wstring widen(const std::string &utf8);
std::string narrow(const std::wstring &utf16);

// The whole content of a file, as bytes.
std::string readFileBytes(const std::string &utf8Path);
void writeFileBytes(const std::string &utf8Path, const std::string &bytes);

#endif

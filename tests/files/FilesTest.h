// What the tests of the files, folders and paths family share.
#ifndef ML_TEST_FILES_H
#define ML_TEST_FILES_H

#include <windows.h>

#include <string>
#include <vector>

#include "general/GeneralTest.h"

namespace files {

// A chain of folders, one inside the other, made with the \\?\ prefix so
// that it may pass MAX_PATH, and removed deepest first at the end.
class DeepFolder {
public:
    // Each of names becomes one folder below base (a UTF-8 path).
    DeepFolder(const std::string &base, const std::vector<std::wstring> &names)
    {
        std::wstring path = L"\\\\?\\" + widen(base);
        for (const std::wstring &name : names) {
            path += L"\\" + name;
            if (!CreateDirectoryW(path.c_str(), NULL))
                break;
            m_made.push_back(path);
        }
    }
    ~DeepFolder()
    {
        for (size_t i = m_made.size(); i-- > 0;)
            RemoveDirectoryW(m_made[i].c_str());
    }
    bool complete(size_t count) const { return m_made.size() == count; }
    // The deepest folder, with the \\?\ prefix, in UTF-16 and UTF-8.
    const std::wstring &wide() const { return m_made.back(); }
    std::string utf8() const { return narrow(m_made.back()); }

    DeepFolder(const DeepFolder &) = delete;
    DeepFolder &operator=(const DeepFolder &) = delete;

private:
    std::vector<std::wstring> m_made;
};

// What a call leaves as the last error, starting from the caller's value.
template <class Call> DWORD lastErrorAfter(Call call)
{
    SetLastError(general::kCallerError);
    call();
    return GetLastError();
}

} // namespace files

#endif

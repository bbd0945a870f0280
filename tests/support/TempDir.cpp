#include "TempDir.h"

#include <stdio.h>
#include <windows.h>


std::wstring widen(const std::string &utf8)
{
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), NULL, 0);
    std::wstring out(n, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &out[0], n);
    return out;
}

std::string narrow(const std::wstring &utf16)
{
    const int n = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), NULL, 0, NULL, NULL);
    std::string out(n, '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), &out[0], n, NULL, NULL);
    return out;
}

TempDir::TempDir()
{
    static unsigned counter = 0;
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    for (;;) {
        wchar_t name[MAX_PATH];
        swprintf(name, MAX_PATH, L"%lsmlt%lu_%u", base, GetCurrentProcessId(), counter++);
        if (CreateDirectoryW(name, NULL)) {
            m_path = narrow(name);
            return;
        }
    }
}

namespace {

// Removes a folder and everything below it, one entry at a time; the long
// path prefix reaches paths past MAX_PATH. Nothing outside it is touched.
void removeTree(const std::wstring &folder)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring path = folder + L"\\" + name;
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
                !(found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
                removeTree(path);
            } else {
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

} // namespace

TempDir::~TempDir()
{
    removeTree(L"\\\\?\\" + widen(m_path));
}

std::string readFileBytes(const std::string &utf8Path)
{
    std::string bytes;
    FILE *f = _wfopen(widen(utf8Path).c_str(), L"rb");
    if (f == NULL)
        return bytes;
    char chunk[4096];
    size_t n;
    while ((n = fread(chunk, 1, sizeof chunk, f)) > 0)
        bytes.append(chunk, n);
    fclose(f);
    return bytes;
}

void writeFileBytes(const std::string &utf8Path, const std::string &bytes)
{
    FILE *f = _wfopen(widen(utf8Path).c_str(), L"wb");
    if (f == NULL)
        return;
    fwrite(bytes.data(), 1, bytes.size(), f);
    fclose(f);
}

#include "TempDir.h"

#include <stdio.h>
#include <windows.h>

#include <shellapi.h>

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

TempDir::~TempDir()
{
    // SHFileOperation wants a list ending in two zeros.
    std::wstring from = widen(m_path);
    from.push_back(L'\0');
    SHFILEOPSTRUCTW op = {};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    SHFileOperationW(&op);
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

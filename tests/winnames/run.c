/* A few mapped A names with non-ASCII UTF-8, in a program built with the
 * drop-in header; the wide functions say what really happened. */
#include <windows.h>
#include <stdio.h>
#include <string.h>

static int failures;

static void expect(int ok, const char *what)
{
    if (!ok) {
        printf("failed: %s (last error %lu)\n", what, GetLastError());
        ++failures;
    }
}

int main(void)
{
    static const char folder[] = "Τεστ_測試😀", file[] = "Τεστ_測試😀\\Τεστ_測試😀.txt";
    static const WCHAR wideFile[] = L"Τεστ_測試😀\\Τεστ_測試😀.txt";
    HANDLE (WINAPI *create)(LPCSTR, DWORD, DWORD, LPSECURITY_ATTRIBUTES, DWORD, DWORD, HANDLE) = CreateFileA;
    char buffer[MAX_PATH];
    WIN32_FIND_DATAA found;
    HANDLE handle;
    HKEY key;

    expect(CreateDirectoryA(folder, NULL), "CreateDirectoryA");
    handle = create(file, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL); /* through a pointer */
    expect(handle != INVALID_HANDLE_VALUE && GetFileAttributesW(wideFile) != INVALID_FILE_ATTRIBUTES, "CreateFileA");
    CloseHandle(handle);
    expect(GetFileAttributes(file) != INVALID_FILE_ATTRIBUTES, "GetFileAttributes");
    handle = FindFirstFileA("Τεστ_測試😀\\*.txt", &found);
    expect(handle != INVALID_HANDLE_VALUE && strcmp(found.cFileName, file + sizeof folder) == 0, "FindFirstFileA");
    expect(!FindNextFileA(handle, &found) && GetLastError() == ERROR_NO_MORE_FILES, "FindNextFileA at the end");
    FindClose(handle);
    expect(DeleteFileA(file) && GetFileAttributesW(wideFile) == INVALID_FILE_ATTRIBUTES, "DeleteFileA");
    expect(RemoveDirectoryA(folder), "RemoveDirectoryA");
    expect(GetModuleFileNameA(NULL, buffer, sizeof buffer) == strlen(buffer) && strstr(buffer, ".exe") != NULL,
           "GetModuleFileNameA");
    expect(LoadLibraryA("shlwapi.dll") == GetModuleHandleA("shlwapi.dll"), "LoadLibraryA, GetModuleHandleA");

    expect(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Τεστ_測試😀", 0, NULL, 0, KEY_ALL_ACCESS, NULL, &key,
                           NULL) == ERROR_SUCCESS, "RegCreateKeyExA");
    RegCloseKey(key);
    expect(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Τεστ_測試😀", 0, KEY_READ, &key) == ERROR_SUCCESS, "the key");
    RegCloseKey(key);
    expect(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Τεστ_測試😀", 0, KEY_READ, &key) == ERROR_SUCCESS, "RegOpenKeyExA");
    RegCloseKey(key);
    expect(RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Τεστ_測試😀") == ERROR_SUCCESS, "RegDeleteKeyA");

    /* A UTF-8 character is one step, whatever the code page. */
    expect(CharNextA(folder + sizeof folder - 5) == folder + sizeof folder - 1, "CharNextA");
    return failures != 0;
}

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
    static const char folder[] = "Τεστ_測試😀";
    static const char file[] = "Τεστ_測試😀.txt";
    static const WCHAR wideFile[] = L"Τεστ_測試😀\\Τεστ_測試😀.txt";
    char buffer[MAX_PATH];
    WIN32_FIND_DATAA found;
    HANDLE (WINAPI *create)(LPCSTR, DWORD, DWORD, LPSECURITY_ATTRIBUTES, DWORD, DWORD, HANDLE) = CreateFileA;
    DWORD length, written;
    HANDLE handle;
    HKEY key;

    RemoveDirectoryA(folder);
    expect(CreateDirectoryA(folder, NULL), "CreateDirectoryA");
    expect(SetCurrentDirectoryA(folder), "SetCurrentDirectoryA");
    length = GetCurrentDirectoryA(sizeof buffer, buffer);
    expect(length > strlen(folder) && strcmp(buffer + length - strlen(folder), folder) == 0, "GetCurrentDirectoryA");

    /* Through a pointer taken from the name. */
    handle = create(file, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    expect(handle != INVALID_HANDLE_VALUE && WriteFile(handle, "x", 1, &written, NULL), "CreateFileA by pointer");
    CloseHandle(handle);
    SetCurrentDirectoryA("..");
    expect(GetFileAttributesW(wideFile) != INVALID_FILE_ATTRIBUTES, "the file's wide name");
    expect(GetFileAttributes("Τεστ_測試😀\\Τεστ_測試😀.txt") != INVALID_FILE_ATTRIBUTES, "GetFileAttributes");

    handle = FindFirstFileA("Τεστ_測試😀\\*.txt", &found);
    expect(handle != INVALID_HANDLE_VALUE && strcmp(found.cFileName, file) == 0, "FindFirstFileA");
    expect(!FindNextFileA(handle, &found) && GetLastError() == ERROR_NO_MORE_FILES, "FindNextFileA at the end");
    FindClose(handle);
    expect(DeleteFileA("Τεστ_測試😀\\Τεστ_測試😀.txt") && GetFileAttributesW(wideFile) == INVALID_FILE_ATTRIBUTES,
           "DeleteFileA");
    expect(RemoveDirectoryA(folder), "RemoveDirectoryA");

    length = GetModuleFileNameA(NULL, buffer, sizeof buffer);
    expect(length > 0 && length == strlen(buffer) && strstr(buffer, ".exe") != NULL, "GetModuleFileNameA");
    expect(LoadLibraryA("shlwapi.dll") == GetModuleHandleA("shlwapi.dll"), "LoadLibraryA, GetModuleHandleA");

    expect(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Τεστ_測試😀", 0, NULL, 0, KEY_ALL_ACCESS, NULL, &key,
                           NULL) == ERROR_SUCCESS, "RegCreateKeyExA");
    RegCloseKey(key);
    expect(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Τεστ_測試😀", 0, KEY_READ, &key) == ERROR_SUCCESS,
           "the key's wide name");
    RegCloseKey(key);
    expect(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Τεστ_測試😀", 0, KEY_READ, &key) == ERROR_SUCCESS,
           "RegOpenKeyExA");
    RegCloseKey(key);
    expect(RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Τεστ_測試😀") == ERROR_SUCCESS, "RegDeleteKeyA");

    /* A UTF-8 character is one step, whatever the code page. */
    expect(CharNextA(folder + sizeof folder - 5) == folder + sizeof folder - 1, "CharNextA");
    return failures != 0;
}

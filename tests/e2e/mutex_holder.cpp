// Stands in for the companion tool: holds "Global\Tessaly Mutex" until its
// standard input reaches its end (the parent closes the pipe, or Ctrl+D);
// prints "holding" once it has the mutex.
// Exit codes: 0 after holding, 2 when the mutex cannot be created, 3 when
// another process holds it already.
#include <windows.h>

int main()
{
    HANDLE mutex = CreateMutexW(NULL, FALSE, L"Global\\Tessaly Mutex");
    if (mutex == NULL)
        return 2;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return 3;
    }
    // Tells whoever started it that the mutex is taken.
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), "holding\n", 8, &written, NULL);
    HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
    char buf[64];
    DWORD n = 0;
    while (ReadFile(in, buf, sizeof buf, &n, NULL) && n > 0) {
    }
    CloseHandle(mutex);
    return 0;
}

/* Converts a non-ASCII string and makes a folder with a non-ASCII name
 * through the installed library; prints "consumer ok" when both worked. */
#include <MultiLanguage/ml.h>

#include <stdio.h>
#include <wchar.h>

int main(void)
{
    /* "Ελληνικά 設定" */
    const char name[] = "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xB7\xCE\xBD\xCE\xB9\xCE\xBA\xCE\xAC "
                        "\xE8\xA8\xAD\xE5\xAE\x9A";
    const WCHAR expected[] = L"\x0395\x03BB\x03BB\x03B7\x03BD\x03B9\x03BA\x03AC \x8A2D\x5B9A";
    WCHAR wide[64];

    if (!ml_ConvertUTF8toUTF16(name, wide, sizeof wide) || wcscmp(wide, expected) != 0) {
        printf("conversion failed\n");
        return 1;
    }
    if (!ml_CreateDirectory(name, NULL) && GetLastError() != ERROR_ALREADY_EXISTS) {
        printf("folder not made: %lu\n", GetLastError());
        return 2;
    }
    const DWORD attributes = GetFileAttributesW(expected);
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        printf("folder not found under its UTF-16 name\n");
        return 3;
    }
    RemoveDirectoryW(expected);
    printf("consumer ok (%d-bit)\n", (int)(sizeof(void *) * 8));
    return 0;
}

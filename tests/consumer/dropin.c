/* Built with MultiLanguage::DropIn and nothing else changed: fopen takes a
 * UTF-8 name. Prints "dropin ok" when the file exists under its UTF-16
 * name. */
#include <stdio.h>
#include <wchar.h>

int main(int argc, char **argv)
{
    const char name[] = "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xB7\xCE\xBD\xCE\xB9\xCE\xBA\xCE\xAC.txt"; /* Ελληνικά.txt */
    FILE *file = fopen(name, "w");
    if (file == NULL || argv[argc] != NULL) {
        printf("not opened\n");
        return 1;
    }
    fclose(file);
    FILE *wide = _wfopen(L"\x0395\x03BB\x03BB\x03B7\x03BD\x03B9\x03BA\x03AC.txt", L"r");
    if (wide == NULL) {
        printf("not found under its UTF-16 name\n");
        return 2;
    }
    fclose(wide);
    remove(name);
    printf("dropin ok\n");
    return 0;
}

/* Built with MultiLanguage::DropIn: fopen takes a UTF-8 name. Prints
 * "dropin ok" when the file is found under its UTF-16 name. */
#include <stdio.h>

int main(void)
{
    FILE *file = fopen("\xCE\x95\xCE\xBB\xCE\xBB\xCE\xB7\xCE\xBD\xCE\xB9\xCE\xBA\xCE\xAC.txt", "w"); /* Ελληνικά.txt */
    FILE *wide = file != NULL && fclose(file) == 0 ? _wfopen(L"\x0395\x03BB\x03BB\x03B7\x03BD\x03B9\x03BA\x03AC.txt", L"r") : NULL;
    if (wide != NULL)
        fclose(wide);
    printf(wide != NULL ? "dropin ok\n" : "not found under its UTF-16 name\n");
    return wide != NULL ? 0 : 1;
}

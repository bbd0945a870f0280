/* Started by test_console. "write": writes rows through the stream members
 * to its standard output (a console, a file or a pipe). "read <file>":
 * reads its standard input with ml_fgets and ml_fread and writes what each
 * gave, in hex, to the file, one line per read. */
#include <MultiLanguage/ml.h>
#include <stdio.h>
#include <string.h>

static void writeRows(void)
{
    const char cjk[] = "\xE8\xA8\xAD\n"; /* U+8A2D, cut after its second byte */
    ml_printf("%s %d\n", "\xCE\x95\xCE\xBB\xE6\xB8\xAC\xF0\x9F\x98\x80", 1);
    ml_putc(0xCE, stdout); /* U+03A9 over two calls */
    ml_putc(0xA9, stdout);
    ml_puts("");
    ml_fputs("a\xFF" "b\n", stdout);
    ml_fwrite(cjk, 1, 2, stdout);
    ml_fwrite(cjk + 2, 1, 2, stdout);
    fputs("plain ", stdout); /* the runtime's own, written first */
    ml_fputs("\xCE\xB1\n", stdout);
}

static void hex(FILE *out, const char *bytes, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        fprintf(out, "%02X", (unsigned char)bytes[i]);
    fputc('\n', out);
}

static void readLines(const char *path)
{
    FILE *out = fopen(path, "w");
    char small[4], line[64], bytes[16];
    if (out == NULL)
        return;
    hex(out, small, ml_fgets(small, sizeof small, stdin) ? strlen(small) : 0);
    hex(out, line, ml_fgets(line, sizeof line, stdin) ? strlen(line) : 0);
    hex(out, bytes, ml_fread(bytes, 1, 11, stdin));
    fputs(ml_fgets(line, sizeof line, stdin) == NULL && feof(stdin) ? "end\n" : "more\n", out);
    fclose(out);
}

int main(int argc, char **argv)
{
    if (argc > 1 && strcmp(argv[1], "write") == 0)
        writeRows();
    else if (argc > 2 && strcmp(argv[1], "read") == 0)
        readLines(argv[2]);
    return 0;
}

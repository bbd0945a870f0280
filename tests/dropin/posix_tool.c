/* A tool written as a POSIX program would be, built once with the drop-in
 * header forced in and once without. One line per failed check, then "all
 * right" or "wrong". */
#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

#define GREEK_CJK_EMOJI "\xCE\xA4\xCE\xB5\xCF\x83\xCF\x84_\xE6\xB8\xAC\xE8\xA9\xA6\xF0\x9F\x98\x80" /* Τεστ_測試😀 */
#define GREEK_SPACE_CJK "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xB7\xCE\xBD\xCE\xB9\xCE\xBA\xCE\xAC \xE8\xA8\xAD\xE5\xAE\x9A" /* Ελληνικά 設定 */
#define FILE_A "\xCE\xB1\xCF\x81\xCF\x87\xCE\xB5\xCE\xAF\xCE\xBF.txt"  /* αρχείο.txt */
#define FILE_B "\xE6\x96\x87\xE4\xBB\xB6\xF0\x9F\x98\x80.txt"         /* 文件😀.txt */

static int failures;

static void check(int ok, const char *what, const char *detail)
{
    if (!ok) {
        ++failures;
        printf("wrong: %s", what);
        if (detail != NULL) {
            printf(" (got");
            for (const unsigned char *p = (const unsigned char *)detail; *p != '\0'; ++p)
                printf(" %02X", *p);
            printf(")");
        }
        printf("\n");
    }
}

static int exists(const char *name)
{
    struct stat st;
    return stat(name, &st) == 0;
}

int main(int argc, char **argv)
{
    check(argc == 3 && argv[argc] == NULL, "argument count", NULL);
    check(argc < 2 || strcmp(argv[1], GREEK_CJK_EMOJI) == 0, "argument 1", argv[1]);
    check(argc < 3 || strcmp(argv[2], GREEK_SPACE_CJK) == 0, "argument 2", argv[2]);

    const char *value = getenv("ML_DROPIN_VALUE");
    check(value != NULL && strcmp(value, GREEK_CJK_EMOJI) == 0, "environment value", value);
    check(value == NULL || getenv("ML_DROPIN_VALUE") == value, "environment value read again", NULL);

    FILE *out = fopen(FILE_A, "wb");
    check(out != NULL && fwrite(GREEK_SPACE_CJK, 1, sizeof GREEK_SPACE_CJK - 1, out) == sizeof GREEK_SPACE_CJK - 1 &&
              fclose(out) == 0, "fopen and fwrite", NULL);
    char text[64] = "";
    FILE *in = fopen(FILE_A, "rb");
    if (in != NULL) {
        text[fread(text, 1, sizeof text - 1, in)] = '\0';
        fclose(in);
    }
    check(strcmp(text, GREEK_SPACE_CJK) == 0, "fopen and fread", text);

    struct stat st;
    check(stat(FILE_A, &st) == 0 && st.st_size == (long)(sizeof GREEK_SPACE_CJK - 1), "stat size", NULL);
    struct utimbuf times = {1000000000, 1000000000};
    check(utime(FILE_A, &times) == 0, "utime", NULL);
    check(stat(FILE_A, &st) == 0 && st.st_mtime == 1000000000, "stat modification time after utime", NULL);

    char *here = getcwd(NULL, 0);
    check(here != NULL && strstr(here, GREEK_CJK_EMOJI) != NULL, "getcwd", here);
    free(here);

    check(system("if exist " FILE_A " exit 7") == 7, "system", NULL);
    FILE *pipe = popen("cmd /c if exist " FILE_A " echo found", "r");
    char line[32] = "";
    check(pipe != NULL && fgets(line, sizeof line, pipe) != NULL && strncmp(line, "found", 5) == 0, "popen", line);
    if (pipe != NULL)
        pclose(pipe);

    check(rename(FILE_A, FILE_B) == 0 && exists(FILE_B) && !exists(FILE_A), "rename", NULL);
    check(remove(FILE_B) == 0 && !exists(FILE_B), "remove", NULL);

    /* A name that is not UTF-8 is refused, never replaced. */
    errno = 0;
    check(fopen("bad\xC3(.txt", "wb") == NULL && errno == EILSEQ, "refusal of a name that is not UTF-8", NULL);

    printf(failures == 0 ? "all right\n" : "wrong\n");
    return failures == 0 ? 0 : 1;
}

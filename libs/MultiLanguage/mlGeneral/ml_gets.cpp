// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

char *ml_gets(char *buffer)
{
    // gets takes no size; read at most ML_MAX_CHAR bytes with the zero.
    if (ml_fgets(buffer, ML_MAX_CHAR, stdin) == NULL)
        return NULL;
    const size_t length = strlen(buffer);
    if (length > 0 && buffer[length - 1] == '\n') {
        buffer[length - 1] = '\0';
        return buffer;
    }
    // Short of the end of the buffer, a line stops at the end of the input;
    // from a console also before a character that does not fit whole.
    if (length < ML_MAX_CHAR - 1 && (feof(stdin) || ferror(stdin)))
        return buffer; // the last line, without a line break
    const int next = ml_getc(stdin);
    if (next == '\n' || next == EOF)
        return buffer; // exactly ML_MAX_CHAR - 1 bytes
    int c = next;
    while (c != '\n' && c != EOF)
        c = ml_getc(stdin);
    buffer[0] = '\0';
    errno = ERANGE;
    return NULL;
}

} // extern "C"

// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

extern "C" {

char *ml_strtok_s(char *str, const char *delimiters, char **context)
{
    if (context == NULL || delimiters == NULL)
        return NULL;
    char *position = str != NULL ? str : *context;
    if (position == NULL)
        return NULL;
    position += strspn(position, delimiters);
    if (*position == '\0') {
        *context = position;
        return NULL;
    }
    char *token = position;
    char *end = strpbrk(token, delimiters);
    if (end != NULL) {
        *end = '\0';
        *context = end + 1;
    } else {
        *context = token + strlen(token);
    }
    return token;
}

} // extern "C"

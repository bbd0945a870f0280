// Text conversions between UTF-8, UTF-16 and the ANSI or OEM code page.
#include "shared.h"

extern "C" {

void ml_PrintUTF8toConsole(const char *text)
{
    const size_t length = strlen(text);
    char local[ML_MAX_CHAR];
    char *out = local;
    int outSize = ML_MAX_CHAR;
    if (length >= ML_MAX_CHAR) {
        out = static_cast<char *>(malloc(length + 1));
        outSize = ml::clampSize(length + 1);
    }
    if (out != NULL && ml_ConvertUTF8toCodePage(text, out, outSize, 0))
        fputs(out, stdout);
    if (out != local)
        free(out);
}

} // extern "C"

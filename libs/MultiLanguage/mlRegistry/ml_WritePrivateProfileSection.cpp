// Profile (INI) files and the registry, in UTF-8.
#include "shared.h"

extern "C" {

BOOL ml_WritePrivateProfileSection(const char *section, const char *content, const char *fileName)
{
    Wide wSection, wContent, wFile;
    // The content crosses whole: every entry and the closing zero.
    const int contentLength = content != NULL ? listLength(content) : -1;
    if (!wSection.from(section) ||
        !ml_ConvertMultiSzUTF8toUTF16(content, contentLength, wContent.out(), Wide::Bytes) ||
        !wFile.from(fileName)) {
        ml_Logger("ml_WritePrivateProfileSection has failed to convert at %d line, file: %s function params(%s,%s,%s)",
                  ML_AT, section, content, fileName);
        return -1;
    }
    const BOOL written = WritePrivateProfileSectionW(wSection.arg(), wContent.arg(), wFile.arg());
    if (!written)
        ml_Logger("WritePrivateProfileSectionW has failed with error dwError=%d", static_cast<int>(GetLastError()));
    return written;
}

} // extern "C"

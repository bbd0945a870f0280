// Services, event log, device setup and installer, in UTF-8.
#include "shared.h"

extern "C" {

UINT ml_MsiGetFileVersion(const char *path, char *version, LPDWORD versionSize, char *language, LPDWORD languageSize)
{
    Wide wPath;
    if (!wPath.fromOptional(path)) {
        ml_Logger("ml_MsiGetFileVersion has failed to convert at %d line, file: %s", ML_AT);
        return ERROR_INVALID_PARAMETER;
    }
    VersionText wVersion(version, versionSize), wLanguage(language, languageSize);
    const UINT result = MsiGetFileVersionW(wPath.arg(), wVersion.platformBuffer(), wVersion.platformSize(),
                                           wLanguage.platformBuffer(), wLanguage.platformSize());
    if (result != ERROR_SUCCESS)
        return result;

    const VersionText::Outcome first = wVersion.deliver();
    const VersionText::Outcome second = wLanguage.deliver();
    if (first == VersionText::NotConverted || second == VersionText::NotConverted) {
        ml_Logger("ml_MsiGetFileVersion has failed to convert at %d line, file: %s", ML_AT);
        return static_cast<UINT>(E_FAIL);
    }
    if (first == VersionText::SizeOnly || second == VersionText::SizeOnly)
        return ERROR_MORE_DATA;
    return ERROR_SUCCESS;
}

} // extern "C"

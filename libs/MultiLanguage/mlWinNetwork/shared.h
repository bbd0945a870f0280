// What the members of mlWinNetwork share. Private to the library.
#ifndef ML_MLWINNETWORK_SHARED_H
#define ML_MLWINNETWORK_SHARED_H

#include <MultiLanguage/mlWin.h>

#include "mlFacade.h"

#include <lm.h>
#include <stdio.h>
#include <string.h>

using ml::Wide;

// From the cluster library, whose header does not build here.
extern "C" HCLUSTER WINAPI OpenCluster(LPCWSTR clusterName);

namespace ml {

// The UTF-8 host name that a lookup hands back, beside the platform's entry.
const int kHostNameBytes = 520;

struct ThreadHost {
    hostent entry;
    char name[kHostNameBytes];
};

// The calling thread's own last lookup, which both host lookups fill; zero
// when the thread starts.
ThreadHost &threadHost();

} // namespace ml

namespace {

// The UTF-16 text into a caller's UTF-8 buffer of *size bytes; *size becomes
// the UTF-8 size the text needs, terminator included, whether it fit or not.
// A size of 0 is too small: the conversion would only measure.
inline bool toCallerWithSize(Wide &text, char *out, DWORD *size)
{
    if (size == NULL)
        return false;
    const bool converted = ml::toCaller(text.out(), out, *size);
    *size = ml_GetUTF16toUTF8Size(text.out());
    return converted;
}

// A 32-unit name of the platform's zone record, terminated even when it
// fills all 32 units, into 128 bytes of UTF-8.
inline bool zoneNameToUtf8(const WCHAR (&name)[32], char (&out)[128])
{
    WCHAR terminated[33];
    memcpy(terminated, name, sizeof name);
    terminated[32] = 0;
    return ml_ConvertUTF16toUTF8(terminated, out, sizeof out) != 0;
}

// A caller's 128-byte UTF-8 zone name into the platform's 32 units; a name
// not terminated within its field is refused instead of read past it.
inline bool zoneNameToWide(const char (&name)[128], WCHAR (&out)[32])
{
    if (memchr(name, 0, sizeof name) == NULL)
        return false;
    return ml_ConvertUTF8toUTF16(name, out, sizeof out) != 0;
}

// The part of an account name after its first backslash, or all of it.
inline const char *accountPart(const char *accountName)
{
    const char *slash = strchr(accountName, '\\');
    return slash == NULL ? accountName : slash + 1;
}

inline bool isEveryOne(const char *name)
{
    const char everyOne[] = "everyone";
    for (size_t i = 0; i < sizeof everyOne; ++i) {
        char c = name[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != everyOne[i])
            return false;
        // Both ended together.
        if (c == 0)
            return true;
    }
    return false;
}

// The world SID answered for "EveryOne" without a name lookup. True when it
// was answered: *result is TRUE with the SID stored, or FALSE with the last
// error 122 when the caller's SID buffer is too small. False when the
// platform lookup has to run instead.
inline bool answerEveryOne(const char *systemName, PSID sid, LPDWORD sidSize, char *domain, LPDWORD domainSize,
                    PSID_NAME_USE use, BOOL *result)
{
    SID_IDENTIFIER_AUTHORITY world = {SECURITY_WORLD_SID_AUTHORITY};
    PSID everyone = NULL;
    if (!AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone))
        return false;

    // A size of its own, so a failed attempt never enlarges the caller's
    // size for the platform lookup that follows.
    char localDomain[520];
    char *chosenDomain = domain != NULL ? domain : localDomain;
    DWORD chosenSize = domain == NULL ? sizeof localDomain : domainSize != NULL ? *domainSize : 0;
    char name[2048];
    DWORD nameSize = sizeof name;
    if (ml_LookupAccountSid(systemName, everyone, name, &nameSize, chosenDomain, &chosenSize, use) != 1) {
        FreeSid(everyone);
        return false;
    }

    const DWORD length = GetLengthSid(everyone);
    const bool fits = sidSize != NULL && sid != NULL && *sidSize >= length;
    if (sidSize != NULL)
        *sidSize = length;
    if (fits)
        memcpy(sid, everyone, length);
    FreeSid(everyone);
    if (domain != NULL && domainSize != NULL)
        *domainSize = chosenSize;
    if (!fits)
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
    *result = fits ? TRUE : FALSE;
    return true;
}

} // namespace

#endif // ML_MLWINNETWORK_SHARED_H

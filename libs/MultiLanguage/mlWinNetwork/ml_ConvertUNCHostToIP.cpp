// Accounts, security, network and time zone, in UTF-8.
#include "shared.h"

extern "C" {

int ml_ConvertUNCHostToIP(const char *path, char *out, size_t size)
{
    if (path == NULL || out == NULL || size == 0)
        return 0;
    const size_t length = strlen(path);
    if (path[0] != '\\' || path[1] != '\\') {
        // Copied whole and terminated, or not at all.
        if (length >= size)
            return 0;
        memcpy(out, path, length + 1);
        return 1;
    }

    char unc[2048];
    if (length >= sizeof unc)
        return 0;
    memcpy(unc, path, length + 1);
    char *rest = strchr(unc + 2, '\\');
    if (rest == NULL || rest == unc + 2)
        return 0;
    *rest = 0;
    const hostent *host = ml_gethostbyname(unc + 2);
    *rest = '\\';
    if (host == NULL || host->h_length != 4 || host->h_addr_list == NULL || host->h_addr_list[0] == NULL)
        return 0;

    const unsigned char *address = reinterpret_cast<const unsigned char *>(host->h_addr_list[0]);
    char result[2048 + 16];
    const int written =
        snprintf(result, sizeof result, "\\\\%d.%d.%d.%d%s", address[0], address[1], address[2], address[3], rest);
    if (written < 0 || static_cast<size_t>(written) >= size)
        return 0;
    memcpy(out, result, static_cast<size_t>(written) + 1);
    return 1;
}

} // extern "C"

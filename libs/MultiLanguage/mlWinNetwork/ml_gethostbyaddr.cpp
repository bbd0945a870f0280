// Accounts, security, network and time zone, in UTF-8.
#include "shared.h"

extern "C" {

struct hostent *ml_gethostbyaddr(const char *addr, int len, int type)
{
    const hostent *found = gethostbyaddr(addr, len, type);
    if (found == NULL)
        return NULL;

    ml::ThreadHost &host = ml::threadHost();
    memset(host.name, 0, sizeof host.name);
    if (found->h_name == NULL || found->h_name[0] == 0 ||
        !ml_ConvertCurrCodePagetoUTF8(found->h_name, host.name, sizeof host.name)) {
        ml_Logger("ml_gethostbyaddr: had failed at ml_ConvertCurrCodePagetoUTF8");
        return NULL;
    }
    host.entry = *found;
    host.entry.h_name = host.name;
    return &host.entry;
}

} // extern "C"

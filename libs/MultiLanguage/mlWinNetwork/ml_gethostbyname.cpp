// Accounts, security, network and time zone, in UTF-8.
#include "shared.h"

extern "C" {

struct hostent *ml_gethostbyname(const char *name)
{
    char ansiName[2048];
    if (name != NULL && !ml_ConvertUTF8toCurrCodePage(name, ansiName, sizeof ansiName)) {
        ml_Logger("ml_gethostbyname: had failed at ml_ConvertUTF8toCurrCodePage");
        return NULL;
    }
    const hostent *found = gethostbyname(name != NULL ? ansiName : NULL);
    if (found == NULL)
        return NULL;

    ml::ThreadHost &host = ml::threadHost();
    memset(host.name, 0, sizeof host.name);
    host.entry.h_aliases = found->h_aliases;
    host.entry.h_addrtype = found->h_addrtype;
    host.entry.h_length = found->h_length;
    host.entry.h_addr_list = found->h_addr_list;
    // No name from the platform is no name here, not the previous lookup's.
    host.entry.h_name = NULL;
    if (found->h_name != NULL) {
        host.entry.h_name = host.name;
        if (found->h_name[0] != 0 && !ml_ConvertCurrCodePagetoUTF8(found->h_name, host.name, sizeof host.name)) {
            ml_Logger("ml_gethostbyname: had failed at ml_ConvertCurrCodePagetoUTF8");
            return NULL;
        }
    }
    return &host.entry;
}

} // extern "C"

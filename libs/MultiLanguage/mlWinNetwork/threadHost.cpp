// Accounts, security, network and time zone, in UTF-8.
#include "shared.h"

// One record per thread, shared by both host lookups.
ml::ThreadHost &ml::threadHost()
{
    static thread_local ThreadHost host;
    return host;
}

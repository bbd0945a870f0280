// Accounts, security, network and time zone, in UTF-8.
#include "shared.h"

extern "C" {

HCLUSTER ml_OpenCluster(const char *clusterName)
{
    Wide wName;
    if (!wName.fromOptional(clusterName)) {
        ml_Logger("ml_OpenClusterhas failed to convert at %d line, file: %s", ML_AT);
        return NULL;
    }
    return OpenCluster(wName.arg());
}

} // extern "C"

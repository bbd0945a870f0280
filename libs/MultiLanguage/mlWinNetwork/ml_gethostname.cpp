// Accounts, security, network and time zone, in UTF-8.
#include "shared.h"

extern "C" {

int ml_gethostname(char *name, int size)
{
    char ansiName[2048];
    const int result = gethostname(ansiName, sizeof ansiName);
    if (result != 0)
        return result;
    // A size of 0 would only measure and leave the buffer unwritten.
    if (size <= 0 || !ml_ConvertCurrCodePagetoUTF8(ansiName, name, size)) {
        ml_Logger("ml_gethostname: had failed at ml_ConvertCurrCodePagetoUTF8");
        return -1;
    }
    return 0;
}

} // extern "C"

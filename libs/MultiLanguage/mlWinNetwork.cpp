// Accounts, security, network and time zone, in UTF-8.
#include <MultiLanguage/mlWin.h>

#include "mlFacade.h"

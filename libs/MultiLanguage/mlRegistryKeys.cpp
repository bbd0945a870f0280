// Registry keys and values, in UTF-8.
#include <MultiLanguage/mlWinSystem.h>

#include "mlFacade.h"

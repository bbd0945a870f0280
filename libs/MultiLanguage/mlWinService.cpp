// Services, event log, device setup and installer, in UTF-8.
#include <MultiLanguage/mlWin.h>

#include "mlFacade.h"

/** @file
 * The whole MultiLanguage library. */
#ifndef ML_H
#define ML_H

#include "mlHeader.h"
#include "mlSupport.h"
#include "mlLogger.h"
#include "mlGeneral.h"
#include "mlFileFunctions.h"
#include "mlWin.h"

#endif /* ML_H */

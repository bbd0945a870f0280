/* Service and installer members of the Win32 face. */
#ifndef ML_WIN_SERVICE_H
#define ML_WIN_SERVICE_H

#include "mlHeader.h"

ML_EXTERN_C_BEGIN

ML_EXTERN_C_END

#endif /* ML_WIN_SERVICE_H */

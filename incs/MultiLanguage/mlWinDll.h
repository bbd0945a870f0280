/* Module and library members of the Win32 face (module mlWin). */
#ifndef ML_WIN_DLL_H
#define ML_WIN_DLL_H

#include "mlHeader.h"

ML_EXTERN_C_BEGIN

ML_EXTERN_C_END

#endif /* ML_WIN_DLL_H */

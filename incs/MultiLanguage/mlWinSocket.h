/* Host-name members of the Win32 face. */
#ifndef ML_WIN_SOCKET_H
#define ML_WIN_SOCKET_H

#include "mlHeader.h"

ML_EXTERN_C_BEGIN

ML_EXTERN_C_END

#endif /* ML_WIN_SOCKET_H */

/* Process and thread members of the Win32 face (module mlWin). */
#ifndef ML_WIN_PROCESS_AND_THREAD_H
#define ML_WIN_PROCESS_AND_THREAD_H

#include "mlHeader.h"

ML_EXTERN_C_BEGIN

ML_EXTERN_C_END

#endif /* ML_WIN_PROCESS_AND_THREAD_H */

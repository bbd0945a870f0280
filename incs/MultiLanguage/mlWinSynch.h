/** @file
 * Synchronisation objects of the Win32 face (module mlWin). */
#ifndef ML_WIN_SYNCH_H
#define ML_WIN_SYNCH_H

#include "mlHeader.h"

ML_EXTERN_C_BEGIN

/** @addtogroup processes
 * @{ */

/** CreateMutexW with a UTF-8 name or NULL (unnamed). NULL when the name does
 * not convert. A name that exists gives a handle to the existing mutex and
 * the last error ERROR_ALREADY_EXISTS; the caller owns the handle. */
HANDLE ml_CreateMutex(LPSECURITY_ATTRIBUTES attributes, BOOL initialOwner, const char *name);

/** OpenMutexW with a UTF-8 name or NULL. NULL when the name does not convert
 * (its record names ml_CreateMutex). The caller owns the handle. */
HANDLE ml_OpenMutex(DWORD access, BOOL inheritHandle, const char *name);

/** CreateEventW with a UTF-8 name or NULL (unnamed). NULL when the name does
 * not convert. The caller owns the handle. */
HANDLE ml_CreateEvent(LPSECURITY_ATTRIBUTES attributes, BOOL manualReset, BOOL initialState, const char *name);

/** OpenEventW with a UTF-8 name or NULL. The name may take at most 520 UTF-16
 * units with its zero; a longer one gives NULL and ERROR_INSUFFICIENT_BUFFER.
 * The caller owns the handle. */
HANDLE ml_OpenEvent(DWORD access, BOOL inheritHandle, const char *name);

/** @{ */
/** CreateSemaphoreW / OpenSemaphoreW with a UTF-8 name or NULL. NULL when the
 * name does not convert. The caller owns the handle. */
HANDLE ml_CreateSemaphore(LPSECURITY_ATTRIBUTES attributes, LONG initialCount, LONG maximumCount, const char *name);
HANDLE ml_OpenSemaphore(DWORD access, BOOL inheritHandle, const char *name);
/** @} */

/** @} */

ML_EXTERN_C_END

#endif /* ML_WIN_SYNCH_H */

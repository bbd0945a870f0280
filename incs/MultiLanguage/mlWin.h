/** @file
 * The Win32 side of the face: every mlWin* header. */
#ifndef ML_WIN_H
#define ML_WIN_H

#include "mlWinConsole.h"
#include "mlWinDll.h"
#include "mlWinEvent.h"
#include "mlWinProcessAndThread.h"
#include "mlWinService.h"
#include "mlWinStrFunctions.h"
#include "mlWinSynch.h"
#include "mlWinSystem.h"
#include "mlWinSocket.h"
#include "mlWinSecurity.h"

#endif /* ML_WIN_H */

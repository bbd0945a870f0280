/** @file
 * Event log members of the Win32 face (module mlWin). Strings are UTF-8;
 * handles returned belong to the caller (CloseEventLog,
 * DeregisterEventSource). */
#ifndef ML_WIN_EVENT_H
#define ML_WIN_EVENT_H

#include "mlHeader.h"

ML_EXTERN_C_BEGIN

/** @addtogroup services
 * @{ */

/** OpenEventLogW; both names optional. NULL, with a record, when one does
 * not convert. */
HANDLE ml_OpenEventLog(const char *serverName, const char *sourceName);

/** RegisterEventSourceW; both names optional. NULL, with a record, when one
 * does not convert. */
HANDLE ml_RegisterEventSource(const char *serverName, const char *sourceName);

/** ReportEventW. NULL entries of strings stay NULL; each other string may
 * need at most 1024 UTF-16 units with its zero. They are converted on the
 * heap, one by one; the first that fails ends the call with FALSE and a
 * record, and the platform is not called. A NULL array or a count of 0
 * reports without strings.
 *
 * @unlike_services ReportEventA: each string may need at most 1024 UTF-16 units with
 * its zero, where the A twin takes 31,839 characters; a longer one fails the
 * call (FALSE, 122) and nothing is reported. */
BOOL ml_ReportEvent(HANDLE eventLog, WORD type, WORD category, DWORD eventId, PSID userSid, WORD numStrings,
                    DWORD dataSize, const char **strings, LPVOID rawData);

/** ReadEventLogA, passed through: narrow records. */
BOOL ml_ReadEventLog(HANDLE eventLog, DWORD readFlags, DWORD recordOffset, LPVOID buffer, DWORD bytesToRead,
                     DWORD *bytesRead, DWORD *minBytesNeeded);

/** @} */

ML_EXTERN_C_END

#endif /* ML_WIN_EVENT_H */

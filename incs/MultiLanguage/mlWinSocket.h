/** @file
 * Host-name members of the Win32 face (module mlWin). The socket library
 * must have been started (WSAStartup) by the caller. */
#ifndef ML_WIN_SOCKET_H
#define ML_WIN_SOCKET_H

#include "mlHeader.h"

ML_EXTERN_C_BEGIN

struct hostent;

/** @addtogroup accounts
 * @{ */

/** gethostbyaddr; the arguments pass through unchanged. Returns the calling
 * thread's own host record with h_name in UTF-8 (from the ANSI code page),
 * or NULL when the platform finds nothing (its error stands) or the name is
 * empty or does not convert (with a record). The record is valid for the
 * thread's life and replaced by the thread's next ml_gethostbyaddr or
 * ml_gethostbyname; its alias and address lists are the socket library's
 * own (aliases stay in the ANSI code page).
 *
 * @unlike_accounts gethostbyaddr: a host whose name is empty gives NULL, with a
 * record, not its host record. */
struct hostent *ml_gethostbyaddr(const char *addr, int len, int type);

/** gethostbyname with a UTF-8 name (or NULL), handed to the platform in the
 * ANSI code page. Returns the thread's host record as above (an empty name
 * gives an empty h_name), or NULL when the platform finds nothing or a name
 * does not convert (with a record). */
struct hostent *ml_gethostbyname(const char *name);

/** gethostname into name, size bytes, in UTF-8. Returns 0; the platform's
 * SOCKET_ERROR as it is; -1 with a record when the name does not fit
 * (a size of 0 included).
 *
 * @unlike_accounts gethostname: a buffer too small gives -1 without setting the
 * error WSAEFAULT. */
int ml_gethostname(char *name, int size);

/** @} */

/** @addtogroup registry
 * @{ */

/** Rewrites the host of the UNC path `\\host\rest` as its first IPv4 address,
 * `\\a.b.c.d\rest`, into out (size bytes, terminator included); a path that
 * does not start with two backslashes is copied as it is. Returns 1, or 0
 * with out untouched: NULL arguments, no backslash after the host, an
 * empty or unknown host, a UNC path of 2048 bytes or more, or a result that
 * does not fit. Writes no record of its own. Resolves through
 * ml_gethostbyname, so the thread's host record changes. Part of the
 * registry family's module; declared here beside the lookup it uses. */
int ml_ConvertUNCHostToIP(const char *path, char *out, size_t size);

/** @} */

ML_EXTERN_C_END

#endif /* ML_WIN_SOCKET_H */

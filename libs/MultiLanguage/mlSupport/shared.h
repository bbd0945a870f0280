// What the members of mlSupport share. Private to the library.
#ifndef ML_MLSUPPORT_SHARED_H
#define ML_MLSUPPORT_SHARED_H

#include <MultiLanguage/mlSupport.h>
#include <MultiLanguage/mlLogger.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "mlFacade.h"

using ml::LastErrorKeeper;

namespace {

// Text that is not UTF-8 is refused (ERROR_NO_UNICODE_TRANSLATION), never
// replaced: two names that differ only in such bytes would otherwise reach
// the platform as one and the same name.
const DWORD kFromUtf8Flags = MB_ERR_INVALID_CHARS;

} // namespace

// Puts the converted text over the caller's buffer: the text, then zeros up
// to size, so all size bytes have defined content.
inline void copyBack(void *buf, const void *work, unsigned int textBytes, unsigned int size)
{
    if (textBytes > size)
        textBytes = size;
    memcpy(buf, work, textBytes);
    memset(static_cast<char *>(buf) + textBytes, 0, size - textBytes);
}

#endif // ML_MLSUPPORT_SHARED_H

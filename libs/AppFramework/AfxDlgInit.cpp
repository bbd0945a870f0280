#include <AppFramework/AfxDialog.h>

#include <stdlib.h>
#include <string.h>

// The 16-bit numbers of the two messages, as resource compilers store them.
static const WORD kWin16LbAddString = 0x0401;
static const WORD kWin16CbAddString = 0x0403;

static UINT win32Message(WORD raw)
{
    switch (raw) {
    case kWin16LbAddString:
    case LB_ADDSTRING:
        return LB_ADDSTRING;
    case kWin16CbAddString:
    case CB_ADDSTRING:
        return CB_ADDSTRING;
    default:
        return 0;
    }
}

BOOL AfxWalkDlgInit(const void *data, DWORD size, BOOL (*fn)(const AFX_DLGINIT_ITEM &item, void *context),
                    void *context)
{
    const BYTE *p = static_cast<const BYTE *>(data);
    const BYTE *end = p + size;
    const DWORD header = 2 * sizeof(WORD) + sizeof(DWORD);
    // Entries are packed without alignment, so fields are copied out.
    while (end - p >= static_cast<ptrdiff_t>(sizeof(WORD))) {
        AFX_DLGINIT_ITEM item;
        memcpy(&item.nIDC, p, sizeof(WORD));
        if (item.nIDC == 0)
            return TRUE;
        if (static_cast<DWORD>(end - p) < header)
            return FALSE;
        memcpy(&item.nRawMessage, p + 2, sizeof(WORD));
        memcpy(&item.nLength, p + 4, sizeof(DWORD));
        p += header;
        if (item.nLength > static_cast<DWORD>(end - p))
            return FALSE;
        item.nMessage = win32Message(item.nRawMessage);
        item.pData = reinterpret_cast<const char *>(p);
        if (!fn(item, context))
            return FALSE;
        p += item.nLength;
    }
    return TRUE;
}

WCHAR *AfxDlgInitText(const AFX_DLGINIT_ITEM &item)
{
    DWORD bytes = 0;
    while (bytes < item.nLength && item.pData[bytes] != '\0')
        ++bytes;
    const int units = bytes ? MultiByteToWideChar(CP_ACP, 0, item.pData, static_cast<int>(bytes), NULL, 0) : 0;
    WCHAR *text = static_cast<WCHAR *>(malloc((static_cast<size_t>(units) + 1) * sizeof(WCHAR)));
    if (text == NULL)
        return NULL;
    if (units > 0)
        MultiByteToWideChar(CP_ACP, 0, item.pData, static_cast<int>(bytes), text, units);
    text[units] = L'\0';
    return text;
}

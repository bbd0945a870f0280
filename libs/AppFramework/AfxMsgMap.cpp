#include <AppFramework/AfxMsgMap.h>

const AFX_MSGMAP *CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, nullptr}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}

const AFX_MSGMAP *CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

static const AFX_MSGMAP_ENTRY *findEntry(const AFX_MSGMAP *map, UINT message, UINT code, UINT id)
{
    for (; map != nullptr; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY *e = map->lpEntries; e->nMessage != 0; ++e) {
            if (e->nMessage != message)
                continue;
            if (message == WM_COMMAND && (e->nCode != code || e->nID != id))
                continue;
            return e;
        }
    }
    return nullptr;
}

BOOL CCmdTarget::DispatchMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *result)
{
    const AFX_MSGMAP_ENTRY *e = findEntry(GetMessageMap(), message, HIWORD(wParam), LOWORD(wParam));
    if (e == nullptr)
        return FALSE;
    const LRESULT r = e->pfn(this, wParam, lParam);
    if (result)
        *result = r;
    return TRUE;
}

BOOL CCmdTarget::OnCmdMsg(UINT nCode, UINT nID)
{
    return DispatchMsg(WM_COMMAND, MAKEWPARAM(nID, nCode), 0, nullptr);
}

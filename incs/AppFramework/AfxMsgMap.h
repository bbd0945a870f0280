// Message maps: a static table per class, searched from the most derived
// class to its bases. Each entry's handler is a small function that the
// ON_ macros generate, so handlers keep their own signatures.
#ifndef AFX_MSG_MAP_H
#define AFX_MSG_MAP_H

#include <windows.h>

class CCmdTarget;

typedef LRESULT (*AFX_MSGHANDLER)(CCmdTarget *target, WPARAM wParam, LPARAM lParam);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;          // 0 ends the table
    UINT nCode;             // WM_COMMAND: the notification code
    UINT nID;               // WM_COMMAND: the control or command id
    AFX_MSGHANDLER pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP *(*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY *lpEntries;
};

// Base of everything that handles messages or commands.
class CCmdTarget {
public:
    CCmdTarget() {}
    virtual ~CCmdTarget() {}

    // Finds the entry for a message and calls it; FALSE when no class in
    // the chain handles it.
    BOOL DispatchMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *result);

    // Runs the handler of a command (WM_COMMAND with code and id), if any.
    BOOL OnCmdMsg(UINT nCode, UINT nID);

protected:
    static const AFX_MSGMAP *GetThisMessageMap();
    virtual const AFX_MSGMAP *GetMessageMap() const;

private:
    CCmdTarget(const CCmdTarget &) = delete;
    CCmdTarget &operator=(const CCmdTarget &) = delete;
};

#define DECLARE_MESSAGE_MAP()                                                                                         \
protected:                                                                                                             \
    static const AFX_MSGMAP *GetThisMessageMap();                                                                      \
    const AFX_MSGMAP *GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                                         \
    const AFX_MSGMAP *theClass::GetMessageMap() const { return GetThisMessageMap(); }                                  \
    const AFX_MSGMAP *theClass::GetThisMessageMap()                                                                    \
    {                                                                                                                  \
        using ThisClass [[maybe_unused]] = theClass;                                                                   \
        using TheBaseClass = baseClass;                                                                                \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                                              \
            {0, 0, 0, nullptr}};                                                                                       \
        static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};                 \
        return &messageMap;                                                                                            \
    }

// void OnPaint()
#define ON_WM_PAINT()                                                                                                  \
    {WM_PAINT, 0, 0, [](CCmdTarget *p, WPARAM, LPARAM) -> LRESULT {                                                    \
         static_cast<ThisClass *>(p)->OnPaint();                                                                       \
         return 0;                                                                                                     \
     }},

// HCURSOR OnQueryDragIcon()
#define ON_WM_QUERYDRAGICON()                                                                                          \
    {WM_QUERYDRAGICON, 0, 0, [](CCmdTarget *p, WPARAM, LPARAM) -> LRESULT {                                            \
         return reinterpret_cast<LRESULT>(static_cast<ThisClass *>(p)->OnQueryDragIcon());                             \
     }},

// void memberFxn(): a control notification of control id.
#define ON_CONTROL(code, id, memberFxn)                                                                                \
    {WM_COMMAND, static_cast<UINT>(code), static_cast<UINT>(id), [](CCmdTarget *p, WPARAM, LPARAM) -> LRESULT {       \
         (static_cast<ThisClass *>(p)->*(memberFxn))();                                                                \
         return 0;                                                                                                     \
     }},

#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)

// void memberFxn(): a menu command, accelerator or button click.
#define ON_COMMAND(id, memberFxn) ON_CONTROL(0, id, memberFxn)

#endif // AFX_MSG_MAP_H

// The C runtime (msvcrt) with UTF-8 names.
#include "shared.h"

namespace {

// Every value handed out stays where it is for the life of the process, so a
// program may keep as many as it likes, from any thread, and never frees
// one. A value read again while it is unchanged is the block handed out
// before: reading takes no memory then.
struct Value {
    Value *next;
    WCHAR *wide; // the runtime's text it was converted from
    char *utf8;
};

struct Variable {
    Variable *next;
    char *name; // as the caller spelt it
    WCHAR *wideName;
    size_t wideUnits;
    Value *volatile values; // newest first
};

// The names read so far, newest first. Entries are only ever added, each
// complete before it is published, so readers walk the lists without a lock.
Variable *volatile g_environmentCache = NULL;

template <typename T> void publish(T *volatile *head, T *item)
{
    T *first;
    do {
        first = *head;
        item->next = first;
    } while (InterlockedCompareExchangePointer(reinterpret_cast<void *volatile *>(head), item, first) != first);
}

Variable *findVariable(const char *name)
{
    for (Variable *variable = g_environmentCache; variable != NULL; variable = variable->next)
        if (strcmp(variable->name, name) == 0)
            return variable;
    return NULL;
}

// A name seen for the first time, with its UTF-16 form; two threads that
// add the same name at once only cost a few bytes.
Variable *addVariable(const char *name)
{
    Wide wName;
    if (!wName.from(name)) {
        ml_Logger("ml_getenv_utf8 has failed to convert 1 at %d line, file: %s", ML_AT);
        errno = wName.refusal();
        return NULL;
    }
    const size_t nameBytes = strlen(name) + 1;
    const size_t wideBytes = (wcslen(wName.arg()) + 1) * sizeof(WCHAR);
    Variable *variable = static_cast<Variable *>(malloc(sizeof(Variable) + wideBytes + nameBytes));
    if (variable == NULL) {
        errno = ENOMEM;
        return NULL;
    }
    variable->wideName = reinterpret_cast<WCHAR *>(variable + 1);
    memcpy(variable->wideName, wName.arg(), wideBytes);
    variable->name = reinterpret_cast<char *>(variable->wideName) + wideBytes;
    memcpy(variable->name, name, nameBytes);
    variable->wideUnits = wideBytes / sizeof(WCHAR) - 1;
    variable->values = NULL;
    publish(&g_environmentCache, variable);
    return variable;
}

// A value not handed out before: its UTF-16 text and its UTF-8 form in one
// block, kept for good.
char *addValue(Variable *variable, const WCHAR *current)
{
    const size_t wideBytes = (wcslen(current) + 1) * sizeof(WCHAR);
    const size_t utf8Bytes = ml_GetUTF16toUTF8Size(current);
    Value *value = static_cast<Value *>(malloc(sizeof(Value) + wideBytes + utf8Bytes));
    if (value == NULL) {
        errno = ENOMEM;
        return NULL;
    }
    value->wide = reinterpret_cast<WCHAR *>(value + 1);
    memcpy(value->wide, current, wideBytes);
    value->utf8 = reinterpret_cast<char *>(value->wide) + wideBytes;
    if (utf8Bytes == 0 || !ml_ConvertUTF16toUTF8(current, value->utf8, ml::clampSize(utf8Bytes))) {
        ml_Logger("ml_getenv_utf8 has failed to convert 2 at %d line, file: %s", ML_AT);
        free(value);
        errno = EILSEQ;
        return NULL;
    }
    publish(&variable->values, value);
    return value->utf8;
}

inline WCHAR asciiLower(WCHAR c)
{
    return c >= L'A' && c <= L'Z' ? static_cast<WCHAR>(c + (L'a' - L'A')) : c;
}

// The value in the runtime's wide environment, found as _wgetenv finds it
// (names compared without regard to case) but with a cheap first look at
// each entry: _wgetenv itself costs several times the narrow getenv.
const WCHAR *currentValue(const Variable *variable)
{
    if (_wenviron == NULL) // the runtime makes its wide copy on first use
        return _wgetenv(variable->wideName);
    const WCHAR *name = variable->wideName;
    const size_t units = variable->wideUnits;
    const WCHAR first = asciiLower(name[0]);
    for (WCHAR **entry = _wenviron; *entry != NULL; ++entry) {
        const WCHAR *text = *entry;
        // Entries whose first letters differ, both ASCII, cannot match.
        if (first < 0x80 && text[0] < 0x80 && asciiLower(text[0]) != first)
            continue;
        if (_wcsnicmp(text, name, units) == 0 && text[units] == L'=')
            return text + units + 1;
    }
    return NULL;
}

} // namespace

extern "C" {

char *ml_getenv_utf8(const char *name)
{
    Variable *variable = name != NULL ? findVariable(name) : NULL;
    if (variable == NULL)
        variable = addVariable(name);
    if (variable == NULL)
        return NULL;
    const WCHAR *current = currentValue(variable);
    if (current == NULL)
        return NULL;
    for (Value *value = variable->values; value != NULL; value = value->next)
        if (wcscmp(value->wide, current) == 0)
            return value->utf8;
    return addValue(variable, current);
}

} // extern "C"

// Text of the framework: CString holds UTF-8; windows and message boxes take
// UTF-16, so text is converted where it crosses to a control.
#ifndef AFX_STRING_H
#define AFX_STRING_H

#include <windows.h>

// A zero-terminated UTF-8 string. Never NULL inside; an allocation that
// fails leaves the string as it was.
class CString {
public:
    CString();
    CString(const char *text);
    CString(const CString &other);
    ~CString();

    CString &operator=(const CString &other);
    CString &operator=(const char *text);

    const char *GetString() const { return m_pText; }
    operator const char *() const { return m_pText; }
    int GetLength() const { return m_nLength; }
    bool IsEmpty() const { return m_nLength == 0; }
    void Empty();

    // Takes UTF-16 text (units, or -1 for zero-terminated). FALSE when it
    // cannot be stored; the string keeps its old value then.
    BOOL SetUtf16(const WCHAR *text, int units = -1);

private:
    BOOL Assign(const char *text, int length);

    char *m_pText;
    int m_nLength;
};

// The UTF-16 form of a UTF-8 text, for one call of a wide function. Invalid
// UTF-8 becomes U+FFFD; a failed allocation gives the empty text.
class CUtf16Text {
public:
    explicit CUtf16Text(const char *utf8);
    ~CUtf16Text();
    const WCHAR *Get() const { return m_pText ? m_pText : L""; }
    operator const WCHAR *() const { return Get(); }

    CUtf16Text(const CUtf16Text &) = delete;
    CUtf16Text &operator=(const CUtf16Text &) = delete;

private:
    WCHAR *m_pText;
};

#endif // AFX_STRING_H

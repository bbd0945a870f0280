#include <AppFramework/AfxString.h>

#include <stdlib.h>
#include <string.h>

static char s_empty[1] = {'\0'};

CString::CString() : m_pText(s_empty), m_nLength(0) {}

CString::CString(const char *text) : m_pText(s_empty), m_nLength(0) { *this = text; }

CString::CString(const CString &other) : m_pText(s_empty), m_nLength(0) { Assign(other.m_pText, other.m_nLength); }

CString::~CString() { Empty(); }

CString &CString::operator=(const CString &other)
{
    if (this != &other)
        Assign(other.m_pText, other.m_nLength);
    return *this;
}

CString &CString::operator=(const char *text)
{
    if (text == NULL)
        Empty();
    else if (text != m_pText)
        Assign(text, static_cast<int>(strlen(text)));
    return *this;
}

void CString::Empty()
{
    if (m_pText != s_empty)
        free(m_pText);
    m_pText = s_empty;
    m_nLength = 0;
}

BOOL CString::Assign(const char *text, int length)
{
    if (length == 0) {
        Empty();
        return TRUE;
    }
    char *copy = static_cast<char *>(malloc(static_cast<size_t>(length) + 1));
    if (copy == NULL)
        return FALSE;
    memcpy(copy, text, static_cast<size_t>(length));
    copy[length] = '\0';
    Empty();
    m_pText = copy;
    m_nLength = length;
    return TRUE;
}

BOOL CString::SetUtf16(const WCHAR *text, int units)
{
    if (text == NULL) {
        Empty();
        return TRUE;
    }
    if (units < 0)
        units = static_cast<int>(wcslen(text));
    if (units == 0) {
        Empty();
        return TRUE;
    }
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text, units, NULL, 0, NULL, NULL);
    if (bytes <= 0)
        return FALSE;
    char *utf8 = static_cast<char *>(malloc(static_cast<size_t>(bytes) + 1));
    if (utf8 == NULL)
        return FALSE;
    WideCharToMultiByte(CP_UTF8, 0, text, units, utf8, bytes, NULL, NULL);
    utf8[bytes] = '\0';
    Empty();
    m_pText = utf8;
    m_nLength = static_cast<int>(strlen(utf8)); // an embedded zero ends the text
    return TRUE;
}

CUtf16Text::CUtf16Text(const char *utf8) : m_pText(NULL)
{
    if (utf8 == NULL || utf8[0] == '\0')
        return;
    const int units = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, NULL, 0);
    if (units <= 0)
        return;
    m_pText = static_cast<WCHAR *>(malloc(static_cast<size_t>(units) * sizeof(WCHAR)));
    if (m_pText != NULL && MultiByteToWideChar(CP_UTF8, 0, utf8, -1, m_pText, units) == 0) {
        free(m_pText);
        m_pText = NULL;
    }
}

CUtf16Text::~CUtf16Text() { free(m_pText); }

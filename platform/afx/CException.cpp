// CException: self-deleting exceptions and their messages.
#include "CException.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CException, CObject)

CException::CException(BOOL bAutoDelete) : m_bAutoDelete(bAutoDelete) {}

CException::~CException() {}

void CException::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

BOOL CException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, UINT* pnHelpContext)
{
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    if (lpszError != NULL && nMaxError != 0)
        *lpszError = '\0';
    return FALSE;
}

BOOL AFXAPI CException::FormatErrorMessage(LPSTR lpszError, UINT nMaxError, UINT* pnHelpContext,
                                           LPCSTR pszFormat, LPCSTR pszFileName)
{
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    return FormatFileMessage(lpszError, nMaxError, pszFormat, pszFileName);
}

BOOL AFXAPI CException::FormatFileMessage(LPSTR lpszError, UINT nMaxError, LPCSTR pszFormat,
                                          LPCSTR pszFileName)
{
    if (lpszError == NULL || nMaxError == 0)
        return FALSE;
    if (pszFileName == NULL || *pszFileName == '\0')
        pszFileName = "an unnamed file";
    UINT n = 0;
    for (const char* p = pszFormat; *p != '\0' && n + 1 < nMaxError; p++) {
        if (p[0] == '%' && p[1] == '1') {
            for (const char* q = pszFileName; *q != '\0' && n + 1 < nMaxError; q++)
                lpszError[n++] = *q;
            p++;
        } else {
            lpszError[n++] = *p;
        }
    }
    lpszError[n] = '\0';
    return TRUE;
}

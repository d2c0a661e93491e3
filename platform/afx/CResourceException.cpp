// CResourceException: a resource could not be found or loaded.
#include "CResourceException.h"

IMPLEMENT_DYNAMIC(CResourceException, CException)

BOOL CResourceException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, UINT* pnHelpContext)
{
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    return FormatFileMessage(lpszError, nMaxError, "A required resource was unavailable.", NULL);
}

void AFXAPI AfxThrowResourceException()
{
    throw new CResourceException;
}

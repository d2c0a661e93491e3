// CInvalidArgException: an argument the operation does not accept.
#include "CInvalidArgException.h"

IMPLEMENT_DYNAMIC(CInvalidArgException, CException)

BOOL CInvalidArgException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, UINT* pnHelpContext)
{
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    return FormatFileMessage(lpszError, nMaxError, "Encountered an improper argument.", NULL);
}

void AFXAPI AfxThrowInvalidArgException()
{
    throw new CInvalidArgException;
}

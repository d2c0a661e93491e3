// CNotSupportedException: an operation the object does not offer.
#include "CNotSupportedException.h"

IMPLEMENT_DYNAMIC(CNotSupportedException, CException)

BOOL CNotSupportedException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, UINT* pnHelpContext)
{
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    return FormatFileMessage(lpszError, nMaxError, "An unsupported operation was attempted.", NULL);
}

void AFXAPI AfxThrowNotSupportedException()
{
    throw new CNotSupportedException;
}

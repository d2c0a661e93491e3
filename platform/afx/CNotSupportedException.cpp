// CNotSupportedException: an operation the object does not offer.
#include "CNotSupportedException.h"

IMPLEMENT_DYNAMIC(CNotSupportedException, CException)

BOOL CNotSupportedException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, UINT* pnHelpContext)
{
    return FormatErrorMessage(lpszError, nMaxError, pnHelpContext, "An unsupported operation was attempted.");
}

void AFXAPI AfxThrowNotSupportedException()
{
    throw new CNotSupportedException;
}

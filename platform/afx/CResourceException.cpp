// CResourceException: a resource could not be found or loaded.
#include "CResourceException.h"

IMPLEMENT_DYNAMIC(CResourceException, CException)

BOOL CResourceException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, UINT* pnHelpContext)
{
    return FormatErrorMessage(lpszError, nMaxError, pnHelpContext, "A required resource was unavailable.");
}

void AFXAPI AfxThrowResourceException()
{
    throw new CResourceException;
}

// CMemoryException: out of memory. The exception thrown is a static one, so throwing needs no
// allocation.
#include "CMemoryException.h"

IMPLEMENT_DYNAMIC(CMemoryException, CException)

BOOL CMemoryException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, UINT* pnHelpContext)
{
    return FormatErrorMessage(lpszError, nMaxError, pnHelpContext, "Out of memory.");
}

void AFXAPI AfxThrowMemoryException()
{
    static CMemoryException s_memoryException(FALSE);
    throw &s_memoryException;
}

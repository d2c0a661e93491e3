// CMemoryException: out of memory. The exception thrown is a static one, so throwing needs no
// allocation.
#include "CMemoryException.h"

IMPLEMENT_DYNAMIC(CMemoryException, CException)

BOOL CMemoryException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, UINT* pnHelpContext)
{
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    return FormatFileMessage(lpszError, nMaxError, "Out of memory.", NULL);
}

void AFXAPI AfxThrowMemoryException()
{
    static CMemoryException s_memoryException(FALSE);
    throw &s_memoryException;
}

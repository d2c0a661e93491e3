// CMemoryException: out of memory, thrown by new as well. The exception thrown is a static one, so
// throwing needs no allocation.
#include "CMemoryException.h"

#include <new>

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

namespace {

// As with the framework, new throws CMemoryException when memory runs out: the framework's
// callers catch CException, and a std::bad_alloc would pass them all.
void AfxNewHandler()
{
    AfxThrowMemoryException();
}

[[maybe_unused]] const std::new_handler s_pfnPrevious = std::set_new_handler(AfxNewHandler);

} // namespace

// CMemoryException.h: CMemoryException, thrown when allocation failed, and AfxThrowMemoryException.
#pragma once

#include "CException.h"

class KWAFX_API CMemoryException : public CException
{
    DECLARE_DYNAMIC(CMemoryException)
public:
    explicit CMemoryException(BOOL bAutoDelete = TRUE) : CException(bAutoDelete) {}
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, UINT* pnHelpContext = NULL) override;
};

[[noreturn]] KWAFX_API void AFXAPI AfxThrowMemoryException();

// CInvalidArgException.h: CInvalidArgException, thrown when a caller passed an argument outside
// what an operation accepts (an index past the end, a missing list), and
// AfxThrowInvalidArgException.
#pragma once

#include "CException.h"

class KWAFX_API CInvalidArgException : public CException
{
    DECLARE_DYNAMIC(CInvalidArgException)
public:
    explicit CInvalidArgException(BOOL bAutoDelete = TRUE) : CException(bAutoDelete) {}
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, UINT* pnHelpContext = NULL) override;
};

[[noreturn]] KWAFX_API void AFXAPI AfxThrowInvalidArgException();

// CNotSupportedException.h: CNotSupportedException, thrown when an object was asked for something it cannot do, and AfxThrowNotSupportedException.
#pragma once

#include "CException.h"

class KWAFX_API CNotSupportedException : public CException
{
    DECLARE_DYNAMIC(CNotSupportedException)
public:
    explicit CNotSupportedException(BOOL bAutoDelete = TRUE) : CException(bAutoDelete) {}
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, UINT* pnHelpContext = NULL) override;
};

[[noreturn]] KWAFX_API void AFXAPI AfxThrowNotSupportedException();

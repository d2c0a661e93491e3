// CResourceException.h: CResourceException, thrown when a resource (string, dialog, bitmap...) could not be found or loaded, and AfxThrowResourceException.
#pragma once

#include "CException.h"

class KWAFX_API CResourceException : public CException
{
    DECLARE_DYNAMIC(CResourceException)
public:
    explicit CResourceException(BOOL bAutoDelete = TRUE) : CException(bAutoDelete) {}
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, UINT* pnHelpContext = NULL) override;
};

[[noreturn]] KWAFX_API void AFXAPI AfxThrowResourceException();

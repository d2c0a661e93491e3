// CUserException.h: CUserException, thrown to stop an operation the user has already been told
// about (a failed data-exchange validation), and AfxThrowUserException.
#pragma once

#include "CException.h"

class KWAFX_API CUserException : public CException
{
    DECLARE_DYNAMIC(CUserException)
public:
    explicit CUserException(BOOL bAutoDelete = TRUE) : CException(bAutoDelete) {}
};

[[noreturn]] KWAFX_API void AFXAPI AfxThrowUserException();

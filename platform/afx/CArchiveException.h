// CArchiveException.h: CArchiveException, a failed archive operation (bad or truncated data,
// wrong direction) with the archive's file name, and AfxThrowArchiveException.
#pragma once

#include "CException.h"
#include "CString.h"

class KWAFX_API CArchiveException : public CException
{
    DECLARE_DYNAMIC(CArchiveException)
public:
    enum
    {
        none,
        genericException,
        readOnly,
        endOfFile,
        writeOnly,
        badIndex,
        badClass,
        badSchema
    };

    explicit CArchiveException(int cause = none, LPCSTR lpszArchiveName = NULL);

    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, UINT* pnHelpContext = NULL) override;

    int m_cause;
    CString m_strFileName;
};

[[noreturn]] KWAFX_API void AFXAPI AfxThrowArchiveException(int cause, LPCSTR lpszArchiveName = NULL);

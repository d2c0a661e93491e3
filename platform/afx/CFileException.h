// CFileException.h: CFileException, a failed file operation with its cause, the system's error
// code and the file's name, and AfxThrowFileException.
#pragma once

#include "CException.h"
#include "CString.h"

class KWAFX_API CFileException : public CException
{
    DECLARE_DYNAMIC(CFileException)
public:
    enum
    {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };

    explicit CFileException(int cause = none, LONG lOsError = -1, LPCSTR lpszArchiveName = NULL);

    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, UINT* pnHelpContext = NULL) override;

    // The cause for a system error code (GetLastError) or a C runtime errno value.
    static int AFXAPI OsErrorToException(LONG lOsError);
    static int AFXAPI ErrnoToException(int nErrno);
    // Throw unless the code is 0.
    static void AFXAPI ThrowOsError(LONG lOsError, LPCSTR lpszFileName = NULL);
    static void AFXAPI ThrowErrno(int nErrno, LPCSTR lpszFileName = NULL);

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

[[noreturn]] KWAFX_API void AFXAPI AfxThrowFileException(int cause, LONG lOsError = -1,
                                                         LPCSTR lpszFileName = NULL);

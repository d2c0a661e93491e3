// CException.h: CException, the base of the framework's exceptions (thrown as pointers and
// released with Delete), and the TRY/CATCH macros over C++ exceptions.
#pragma once

#include "afxtypes.h"
#include "CObject.h"

class KWAFX_API CException : public CObject
{
    DECLARE_DYNAMIC(CException)
public:
    // Exceptions made with new delete themselves in Delete; static ones pass FALSE.
    explicit CException(BOOL bAutoDelete = TRUE);
    ~CException() override;

    void Delete();

    // Copies the message (cut to nMaxError - 1 characters) into lpszError; FALSE when the
    // exception has no message.
    virtual BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, UINT* pnHelpContext = NULL);

    BOOL m_bAutoDelete;

protected:
    // Writes pszFormat with every "%1" replaced by the file name ("an unnamed file" if empty).
    static BOOL AFXAPI FormatFileMessage(LPSTR lpszError, UINT nMaxError, LPCSTR pszFormat,
                                         LPCSTR pszFileName);
    // The same for GetErrorMessage, which also answers the help context: the framework's
    // messages have none.
    static BOOL AFXAPI FormatErrorMessage(LPSTR lpszError, UINT nMaxError, UINT* pnHelpContext,
                                          LPCSTR pszFormat, LPCSTR pszFileName = NULL);
};

// The macros keep the framework's rule: an exception caught by CATCH is deleted when the block
// ends, unless THROW_LAST passes it on.
struct AFX_EXCEPTION_LINK
{
    CException* m_pException = NULL;
    ~AFX_EXCEPTION_LINK()
    {
        if (m_pException != NULL)
            m_pException->Delete();
    }
};

#define TRY \
    { \
        AFX_EXCEPTION_LINK _afxExceptionLink; \
        try {
#define CATCH(class_name, e) \
    } \
    catch (class_name * e) \
    { \
        _afxExceptionLink.m_pException = e;
#define AND_CATCH(class_name, e) \
    } \
    catch (class_name * e) \
    { \
        _afxExceptionLink.m_pException = e;
#define END_CATCH \
    } \
    }
#define CATCH_ALL(e) CATCH(CException, e)
#define AND_CATCH_ALL(e) AND_CATCH(CException, e)
#define END_CATCH_ALL END_CATCH
// Ends a TRY without handlers: any framework exception is swallowed and deleted.
#define END_TRY \
    } \
    catch (CException * _afxCaught) \
    { \
        _afxExceptionLink.m_pException = _afxCaught; \
    } \
    }

#define THROW(e) throw e
#define THROW_LAST() \
    do { \
        _afxExceptionLink.m_pException = NULL; \
        throw; \
    } while (0)
#define DELETE_EXCEPTION(e) \
    do { \
        _afxExceptionLink.m_pException = NULL; \
        (e)->Delete(); \
    } while (0)

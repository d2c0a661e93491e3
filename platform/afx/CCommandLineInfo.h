// CCommandLineInfo.h: CCommandLineInfo, what the application's command line asks for: a new
// document, a file to open or print, or nothing, read by CWinApp::ParseCommandLine.
#pragma once

#include "CObject.h"
#include "CString.h"

class KWAFX_API CCommandLineInfo : public CObject
{
public:
    CCommandLineInfo();
    // Called for each argument: flags (after / or -) and parameters, with bLast on the last.
    virtual void ParseParam(LPCTSTR pszParam, BOOL bFlag, BOOL bLast);

    enum
    {
        FileNew,
        FileOpen,
        FilePrint,
        FilePrintTo,
        FileDDE,
        AppRegister,
        AppUnregister,
        FileNothing = -1
    } m_nShellCommand;

    BOOL m_bShowSplash;
    BOOL m_bRunEmbedded;
    BOOL m_bRunAutomated;
    CString m_strFileName;
    CString m_strPrinterName;
    CString m_strDriverName;
    CString m_strPortName;
};

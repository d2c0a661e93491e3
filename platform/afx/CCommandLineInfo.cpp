// CCommandLineInfo.cpp: the standard arguments of a document application.
#include "CCommandLineInfo.h"

#include <cstring>

CCommandLineInfo::CCommandLineInfo()
    : m_nShellCommand(FileNew), m_bShowSplash(TRUE), m_bRunEmbedded(FALSE), m_bRunAutomated(FALSE)
{
}

void CCommandLineInfo::ParseParam(LPCTSTR pszParam, BOOL bFlag, BOOL)
{
    if (bFlag)
    {
        if (_stricmp(pszParam, "pt") == 0)
            m_nShellCommand = FilePrintTo;
        else if (_stricmp(pszParam, "p") == 0)
            m_nShellCommand = FilePrint;
        else if (_stricmp(pszParam, "Register") == 0 || _stricmp(pszParam, "Regserver") == 0)
            m_nShellCommand = AppRegister;
        else if (_stricmp(pszParam, "Unregister") == 0 || _stricmp(pszParam, "Unregserver") == 0)
            m_nShellCommand = AppUnregister;
        else if (_stricmp(pszParam, "Embedding") == 0)
        {
            m_bRunEmbedded = TRUE;
            m_bShowSplash = FALSE;
        }
        else if (_stricmp(pszParam, "Automation") == 0)
        {
            m_bRunAutomated = TRUE;
            m_bShowSplash = FALSE;
        }
        return;
    }
    // The first parameter is the file; a print-to command then names printer, driver and port.
    if (m_strFileName.IsEmpty())
    {
        m_strFileName = pszParam;
        if (m_nShellCommand == FileNew)
            m_nShellCommand = FileOpen;
    }
    else if (m_nShellCommand == FilePrintTo && m_strPrinterName.IsEmpty())
        m_strPrinterName = pszParam;
    else if (m_nShellCommand == FilePrintTo && m_strDriverName.IsEmpty())
        m_strDriverName = pszParam;
    else if (m_nShellCommand == FilePrintTo && m_strPortName.IsEmpty())
        m_strPortName = pszParam;
}

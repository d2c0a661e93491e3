// CStructCommandLine: the switches, the tour's folder and the model's path.
#include "StructCommandLine.h"

CStructCommandLine::CStructCommandLine() : m_eMode(eInteractive) {}

BOOL CStructCommandLine::Parse(int argc, const char* const* argv)
{
    m_eMode = eInteractive;
    m_strModel.Empty();
    m_strTourFolder.Empty();
    m_strError.Empty();
    BOOL bFolderNext = FALSE;
    for (int i = 1; i < argc && m_strError.IsEmpty(); i++)
    {
        const char* pszArg = argv[i] != NULL ? argv[i] : "";
        // The tour's folder is taken as it stands, even one that looks like a switch.
        if (bFolderNext)
        {
            m_strTourFolder = pszArg;
            bFolderNext = FALSE;
            if (m_strTourFolder.IsEmpty())
                m_strError = "/tour needs a folder for its pictures";
        }
        else if (pszArg[0] == '/' || pszArg[0] == '-')
        {
            const CString strSwitch(pszArg + 1);
            const BOOL bTour = strSwitch.CompareNoCase("tour") == 0;
            if (!bTour && strSwitch.CompareNoCase("timing") != 0)
                m_strError.Format("unknown switch %s", pszArg);
            else if (m_eMode != eInteractive)
                m_strError = "/tour and /timing are one at a time";
            else
            {
                m_eMode = bTour ? eTour : eTiming;
                bFolderNext = bTour;
            }
        }
        else if (!m_strModel.IsEmpty())
            m_strError.Format("one model at a time: %s and %s", (const char*)m_strModel, pszArg);
        else
            m_strModel = pszArg;
    }
    if (bFolderNext && m_strError.IsEmpty())
        m_strError = "/tour needs a folder for its pictures";
    return m_strError.IsEmpty();
}

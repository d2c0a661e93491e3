// CStructCommandLine: the switches, the tour's folder and the model's path.
#include "StructCommandLine.h"

CStructCommandLine::CStructCommandLine() : m_eMode(eInteractive), m_nSampleMembers(0), m_nSampleWindows(0) {}

BOOL CStructCommandLine::Parse(int argc, const char* const* argv)
{
    m_eMode = eInteractive;
    m_strModel.Empty();
    m_strTourFolder.Empty();
    m_strSaveCopy.Empty();
    m_nSampleMembers = m_nSampleWindows = 0;
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
        else if (_stricmp(pszArg, "/save") == 0 || _stricmp(pszArg, "-save") == 0)
        {
            m_strSaveCopy = i + 1 < argc && argv[i + 1] != NULL ? argv[++i] : "";
            if (m_strSaveCopy.IsEmpty())
                m_strError = "/save needs the name of the copy";
        }
        else if (_stricmp(pszArg, "/make-sample") == 0 || _stricmp(pszArg, "-make-sample") == 0)
        {
            // The model's file, its members and its windows follow.
            if (m_eMode != eInteractive || i + 3 >= argc || argv[i + 1] == NULL || argv[i + 2] == NULL || argv[i + 3] == NULL)
                m_strError = "/make-sample needs a file, a count of members and one of windows, alone";
            else
            {
                m_eMode = eSample;
                m_strModel = argv[i + 1];
                m_nSampleMembers = atoi(argv[i + 2]);
                m_nSampleWindows = atoi(argv[i + 3]);
                i += 3;
                if (m_nSampleMembers < 1 || m_nSampleMembers > 100000 || m_nSampleWindows < 0 || m_nSampleWindows > 100)
                    m_strError = "/make-sample: 1 to 100000 members, 0 to 100 windows";
            }
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
    if (!m_strSaveCopy.IsEmpty() && (m_eMode != eTiming || m_strModel.IsEmpty()) && m_strError.IsEmpty())
        m_strError = "/save goes with /timing and a model";
    return m_strError.IsEmpty();
}

// CStructCommandLine: the switches, the values each takes, and the model's path.
#include "StructCommandLine.h"

#include <cstdlib>
#include <vector>

namespace {

// A whole decimal number in [nLow, nHigh], else -1.
int ReadCount(const CString& strText, int nLow, int nHigh)
{
    char* pszEnd = NULL;
    const long n = strtol(strText, &pszEnd, 10);
    return !strText.IsEmpty() && *pszEnd == '\0' && n >= nLow && n <= nHigh ? (int)n : -1;
}

} // namespace

CStructCommandLine::CStructCommandLine() : m_eMode(eInteractive), m_nSoakMinutes(0), m_nSampleMembers(0), m_nSampleWindows(0) {}

BOOL CStructCommandLine::SetMode(EMode eMode)
{
    if (m_eMode != eInteractive)
        m_strError = "/tour, /timing and /make-sample are one at a time";
    m_eMode = eMode;
    return m_strError.IsEmpty();
}

BOOL CStructCommandLine::Parse(int argc, const char* const* argv)
{
    *this = CStructCommandLine();
    // The values the last switch still waits for, and what it says when they do not come.
    std::vector<CString*> pending;
    CString strPendingNeeds;
    for (int i = 1; i < argc && m_strError.IsEmpty(); i++)
    {
        const CString strArg(argv[i] != NULL ? argv[i] : "");
        // A switch's value is taken as it stands, even one that looks like a switch.
        if (!pending.empty())
        {
            *pending.front() = strArg;
            pending.erase(pending.begin());
            if (strArg.IsEmpty())
                m_strError = strPendingNeeds;
        }
        else if (strArg.GetLength() > 1 && (strArg[0] == '/' || strArg[0] == '-'))
        {
            const CString strSwitch = strArg.Mid(1);
            if (strSwitch.CompareNoCase("tour") == 0 && SetMode(eTour))
            {
                pending = {&m_strTourFolder};
                strPendingNeeds = "/tour needs a folder for its pictures";
            }
            else if (strSwitch.CompareNoCase("timing") == 0)
                SetMode(eTiming);
            else if (strSwitch.CompareNoCase("make-sample") == 0 && SetMode(eSample))
            {
                pending = {&m_strModel, &m_strMembers, &m_strWindows};
                strPendingNeeds = "/make-sample needs a file, a number of members and a number of windows";
            }
            else if (strSwitch.CompareNoCase("soak") == 0)
            {
                pending = {&m_strSoakMinutes};
                strPendingNeeds = "/soak needs a number of minutes";
            }
            else if (strSwitch.CompareNoCase("save") == 0)
            {
                pending = {&m_strSaveCopy};
                strPendingNeeds = "/save needs a file";
            }
            else if (m_strError.IsEmpty())
                m_strError.Format("unknown switch %s", (const char*)strArg);
        }
        else if (!m_strModel.IsEmpty())
            m_strError.Format("one model at a time: %s and %s", (const char*)m_strModel, (const char*)strArg);
        else
            m_strModel = strArg;
    }
    if (!pending.empty() && m_strError.IsEmpty())
        m_strError = strPendingNeeds;
    if (m_strError.IsEmpty() && !m_strSaveCopy.IsEmpty() && (m_eMode != eTiming || m_strModel.IsEmpty()))
        m_strError = "/save is for /timing with a model";
    if (m_strError.IsEmpty() && !m_strSoakMinutes.IsEmpty())
    {
        m_nSoakMinutes = ReadCount(m_strSoakMinutes, 1, kMaxSoakMinutes);
        if (m_eMode != eTour || m_nSoakMinutes < 0)
            m_strError.Format("/soak is for /tour, with 1 to %d minutes", (int)kMaxSoakMinutes);
    }
    if (m_strError.IsEmpty() && m_eMode == eSample)
        ReadSampleSize();
    return m_strError.IsEmpty();
}

BOOL CStructCommandLine::ReadSampleSize()
{
    m_nSampleMembers = ReadCount(m_strMembers, 1, kMaxSampleMembers);
    m_nSampleWindows = ReadCount(m_strWindows, 0, kMaxSampleWindows);
    if (m_nSampleMembers < 0 || m_nSampleWindows < 0)
        m_strError.Format("/make-sample takes 1 to %d members and 0 to %d windows, not \"%s\" and \"%s\"",
            (int)kMaxSampleMembers, (int)kMaxSampleWindows, (const char*)m_strMembers, (const char*)m_strWindows);
    return m_strError.IsEmpty();
}

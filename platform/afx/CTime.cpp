// CTime.cpp: building a moment from local parts, reading its parts and formatting it.
#include "CTime.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

// The local (or UTC) parts of time; false when it has none: before 1970 (as with the Windows
// runtime, on every platform) or beyond what the C runtime can split.
bool SplitTime(time_t time, bool bLocal, struct tm* ptm)
{
    if (time < 0)
        return false;
#ifdef _WIN32
    return (bLocal ? localtime_s(ptm, &time) : gmtime_s(ptm, &time)) == 0;
#else
    return (bLocal ? localtime_r(&time, ptm) : gmtime_r(&time, ptm)) != NULL;
#endif
}

// One local part of time, counted from nBase; 0 when time has no local parts.
int LocalPart(time_t time, int tm::*pmPart, int nBase)
{
    struct tm tmTime;
    return SplitTime(time, true, &tmTime) ? tmTime.*pmPart + nBase : 0;
}

// The codes every C runtime's strftime knows; the Windows runtime rejects any other code
// (through its invalid-parameter handler, which ends the program).
bool IsKnownCode(char ch)
{
    return ch != '\0' && strchr("aAbBcdHIjmMpSUwWxXyYzZ%", ch) != NULL;
}

CString FormatTime(time_t time, bool bLocal, LPCTSTR pszFormat)
{
    struct tm tmTime;
    if (pszFormat == NULL || !SplitTime(time, bLocal, &tmTime))
        return CString();
    // Unknown codes are escaped, so that they come out as written.
    std::string strFormat;
    for (const char* p = pszFormat; *p != '\0'; ++p)
    {
        if (*p != '%')
        {
            strFormat += *p;
            continue;
        }
        const char* pCode = p[1] == '#' ? p + 2 : p + 1;
        if (IsKnownCode(*pCode))
        {
            strFormat.append(p, pCode + 1);
            p = pCode;
        }
        else
        {
            strFormat += "%%";
        }
    }
    if (strFormat.empty())
        return CString();
    // strftime says 0 both for a buffer too small and for an empty result: grow a bounded number
    // of times (no code makes more than a few dozen characters).
    size_t nMax = 64 * (strFormat.size() + 1);
    for (size_t nSize = 256;; nSize *= 2)
    {
        std::vector<char> buffer(nSize);
        size_t nLen = strftime(buffer.data(), nSize, strFormat.c_str(), &tmTime);
        if (nLen > 0 || nSize >= nMax)
            return CString(buffer.data(), (int)nLen);
    }
}

} // namespace

CTime CTime::GetCurrentTime()
{
    return CTime(::time(NULL));
}

CTime::CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST) : m_time(-1)
{
    if (nYear < 1900 || nMonth < 1 || nMonth > 12 || nDay < 1 || nDay > 31 || nHour < 0 || nHour > 23 ||
        nMin < 0 || nMin > 59 || nSec < 0 || nSec > 59)
        return;
    struct tm tmTime = {};
    tmTime.tm_year = nYear - 1900;
    tmTime.tm_mon = nMonth - 1;
    tmTime.tm_mday = nDay;
    tmTime.tm_hour = nHour;
    tmTime.tm_min = nMin;
    tmTime.tm_sec = nSec;
    tmTime.tm_isdst = nDST;
    m_time = mktime(&tmTime);
}

struct tm* CTime::GetLocalTm(struct tm* ptm) const
{
    return ptm != NULL && SplitTime(m_time, true, ptm) ? ptm : NULL;
}

struct tm* CTime::GetGmtTm(struct tm* ptm) const
{
    return ptm != NULL && SplitTime(m_time, false, ptm) ? ptm : NULL;
}

int CTime::GetYear() const
{
    return LocalPart(m_time, &tm::tm_year, 1900);
}

int CTime::GetMonth() const
{
    return LocalPart(m_time, &tm::tm_mon, 1);
}

int CTime::GetDay() const
{
    return LocalPart(m_time, &tm::tm_mday, 0);
}

int CTime::GetHour() const
{
    return LocalPart(m_time, &tm::tm_hour, 0);
}

int CTime::GetMinute() const
{
    return LocalPart(m_time, &tm::tm_min, 0);
}

int CTime::GetSecond() const
{
    return LocalPart(m_time, &tm::tm_sec, 0);
}

int CTime::GetDayOfWeek() const
{
    return LocalPart(m_time, &tm::tm_wday, 1);
}

CString CTime::Format(LPCTSTR pszFormat) const
{
    return FormatTime(m_time, true, pszFormat);
}

CString CTime::FormatGmt(LPCTSTR pszFormat) const
{
    return FormatTime(m_time, false, pszFormat);
}

// CTime.h: CTime, a moment in time as seconds since 1970-01-01 00:00 UTC, built and read in
// local time (or UTC where the name says so).
#pragma once

#include "CTimeSpan.h"

// winbase.h's old name for GetTickCount; here it is CTime's member.
#ifdef GetCurrentTime
#undef GetCurrentTime
#endif

class KWAFX_API CTime
{
public:
    static CTime GetCurrentTime();

    CTime() : m_time(0) {}
    CTime(time_t time) : m_time(time) {}
    // A local date and time; nDST < 0 lets the C runtime decide whether daylight saving applies.
    // Parts out of range (month 13, minute 60 ...) or a date before 1900 give an invalid time
    // (GetTime() == -1) rather than some other date.
    CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST = -1);

    time_t GetTime() const { return m_time; }
    // The broken-down local (or UTC) time in *ptm; NULL when the time has none (invalid).
    struct tm* GetLocalTm(struct tm* ptm) const;
    struct tm* GetGmtTm(struct tm* ptm) const;
    // Local parts: month 1-12, day 1-31, day of week 1 (Sunday) to 7; 0 for an invalid time and
    // for moments before 1970, which have no parts (as with the Windows runtime).
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const;

    CTimeSpan operator-(CTime time) const { return CTimeSpan(m_time - time.m_time); }
    CTime operator-(CTimeSpan span) const { return CTime(m_time - span.GetTimeSpan()); }
    CTime operator+(CTimeSpan span) const { return CTime(m_time + span.GetTimeSpan()); }
    CTime& operator+=(CTimeSpan span) { m_time += span.GetTimeSpan(); return *this; }
    CTime& operator-=(CTimeSpan span) { m_time -= span.GetTimeSpan(); return *this; }
    bool operator==(CTime time) const { return m_time == time.m_time; }
    bool operator!=(CTime time) const { return m_time != time.m_time; }
    bool operator<(CTime time) const { return m_time < time.m_time; }
    bool operator>(CTime time) const { return m_time > time.m_time; }
    bool operator<=(CTime time) const { return m_time <= time.m_time; }
    bool operator>=(CTime time) const { return m_time >= time.m_time; }

    // strftime's codes (%Y-%m-%d %H:%M:%S, %A, %B, %c ..., with the # flag); a code strftime
    // does not know stays as it is, and an invalid time formats as an empty string.
    CString Format(LPCTSTR pszFormat) const;
    CString FormatGmt(LPCTSTR pszFormat) const;

private:
    time_t m_time;
};

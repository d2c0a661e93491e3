// CTimeSpan.cpp: formatting a length of time.
#include "CTimeSpan.h"

#include <cstdio>
#include <cstdlib>

CString CTimeSpan::Format(LPCTSTR pszFormat) const
{
    CString strResult;
    if (pszFormat == NULL)
        return strResult;
    char szPart[32];
    for (const char* p = pszFormat; *p != '\0'; ++p)
    {
        char chCode = p[0] == '%' ? p[1] : '\0';
        switch (chCode)
        {
        case 'D':
            snprintf(szPart, sizeof(szPart), "%lld", (long long)GetDays());
            break;
        case 'H':
            snprintf(szPart, sizeof(szPart), "%02ld", (long)labs(GetHours()));
            break;
        case 'M':
            snprintf(szPart, sizeof(szPart), "%02ld", (long)labs(GetMinutes()));
            break;
        case 'S':
            snprintf(szPart, sizeof(szPart), "%02ld", (long)labs(GetSeconds()));
            break;
        case '%':
            szPart[0] = '%';
            szPart[1] = '\0';
            break;
        default:
            strResult += *p;
            continue;
        }
        strResult += szPart;
        ++p; // past the code
    }
    return strResult;
}

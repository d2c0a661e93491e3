// afxstrings.cpp: lines of resource strings and prompts with their blanks filled in.
#include "afxstrings.h"

#include <cstring>

BOOL AFXAPI AfxExtractSubString(CString& rString, LPCTSTR lpszFullString, int iSubString, char chSep)
{
    rString.Empty();
    if (lpszFullString == NULL || iSubString < 0)
        return FALSE;
    while (iSubString-- > 0)
    {
        lpszFullString = strchr(lpszFullString, chSep);
        if (lpszFullString == NULL)
            return FALSE;
        ++lpszFullString;
    }
    LPCTSTR pszEnd = strchr(lpszFullString, chSep);
    rString = pszEnd != NULL ? CString(lpszFullString, (int)(pszEnd - lpszFullString)) : CString(lpszFullString);
    return TRUE;
}

void AFXAPI AfxFormatStrings(CString& rString, LPCTSTR lpszFormat, LPCTSTR const* rglpsz, int nString)
{
    CString strResult;
    for (LPCTSTR p = lpszFormat != NULL ? lpszFormat : ""; *p != '\0'; ++p)
    {
        if (p[0] == '%' && p[1] >= '1' && p[1] <= '9' && p[1] - '1' < nString)
        {
            LPCTSTR pszArg = rglpsz[p[1] - '1'];
            strResult += pszArg != NULL ? pszArg : "";
            ++p;
        }
        else
            strResult += *p;
    }
    rString = strResult;
}

void AFXAPI AfxFormatString1(CString& rString, UINT nIDS, LPCTSTR lpsz1)
{
    CString strFormat;
    strFormat.LoadString(nIDS);
    AfxFormatStrings(rString, strFormat, &lpsz1, 1);
}

void AFXAPI AfxFormatString2(CString& rString, UINT nIDS, LPCTSTR lpsz1, LPCTSTR lpsz2)
{
    CString strFormat;
    strFormat.LoadString(nIDS);
    LPCTSTR rglpsz[2] = {lpsz1, lpsz2};
    AfxFormatStrings(rString, strFormat, rglpsz, 2);
}

// afxabbrev.cpp: shortening paths for menus, working on the text alone so that it behaves the
// same on every system.
#include "afxabbrev.h"

#include <cstring>

namespace {

bool IsSeparator(char ch)
{
    return ch == '\\' || ch == '/';
}

// The length of the path's root: "c:\", "\\server\share\", a single leading separator, or none.
int RootLength(const CString& strPath)
{
    int nLen = strPath.GetLength();
    if (nLen >= 3 && strPath[1] == ':' && IsSeparator(strPath[2]))
        return 3;
    if (nLen >= 2 && IsSeparator(strPath[0]) && IsSeparator(strPath[1]))
    {
        // Past the server's name and the share's, with the separator after the share.
        int nSeparators = 0;
        for (int i = 2; i < nLen; i++)
        {
            if (IsSeparator(strPath[i]) && ++nSeparators == 2)
                return i + 1;
        }
        return nLen;
    }
    return nLen >= 1 && IsSeparator(strPath[0]) ? 1 : 0;
}

} // namespace

CString AFXAPI AfxAbbreviateName(LPCTSTR lpszPath, int nMaxLength, BOOL bAtLeastName)
{
    CString strPath(lpszPath);
    int nLen = strPath.GetLength();
    if (nMaxLength < 0 || nLen <= nMaxLength)
        return strPath;

    int nName = nLen;
    while (nName > 0 && !IsSeparator(strPath[nName - 1]))
        nName--;
    CString strName = strPath.Mid(nName);
    if (strName.GetLength() > nMaxLength)
        return bAtLeastName ? strName : CString();

    // Leave out one folder after the root, then two, ... while the rest is still too long.
    int nRoot = RootLength(strPath);
    static const char szDots[] = "...\\";
    const int nDots = (int)strlen(szDots);
    for (int nCut = nRoot; nCut < nName; nCut++)
    {
        if (!IsSeparator(strPath[nCut]))
            continue;
        if (nRoot + nDots + (nLen - nCut - 1) <= nMaxLength)
            return strPath.Left(nRoot) + szDots + strPath.Mid(nCut + 1);
    }
    return strName;
}

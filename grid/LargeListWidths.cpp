// LargeListWidths.cpp: the column widths record.
#include "grid/LargeListWidths.h"

void CLargeListWidths::Store(CArchive& ar, const CDWordArray& widths)
{
    ar << (DWORD)0;
    ar << (DWORD)widths.GetSize();
    for (INT_PTR i = 0; i < widths.GetSize(); i++)
        ar << widths[i];
}

void CLargeListWidths::Load(CArchive& ar, int nColumns, CDWordArray& widths)
{
    DWORD nReserved, nCount;
    ar >> nReserved >> nCount;
    // A count the list has no columns for, or that the document cannot hold, is refused before
    // anything is allocated.
    if (nColumns < 0 || nCount > (DWORD)nColumns)
        AfxThrowArchiveException(CArchiveException::badIndex, ar.m_strFileName);
    ar.EnsureRemaining((ULONGLONG)nCount * sizeof(DWORD));
    // The widths grow as their words arrive: from a file that cannot tell its length, a count
    // costs no more memory than the words really there.
    CDWordArray read;
    for (DWORD i = 0; i < nCount; i++)
    {
        DWORD nWord;
        ar >> nWord;
        read.Add(nWord & 0xFFFF);
    }
    widths.Copy(read);
}

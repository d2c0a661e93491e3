// HostDoc.cpp: a new document starts with three members; the file holds both columns.
#include "HostDoc.h"

IMPLEMENT_DYNCREATE(CHostDoc, CDocument)

BOOL CHostDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return FALSE;
    static const char* const members[][2] = {{"B1", "6.00"}, {"B2", "4.50"}, {"C1", "3.20"}};
    m_marks.RemoveAll();
    m_lengths.RemoveAll();
    for (const auto& member : members)
    {
        m_marks.Add(member[0]);
        m_lengths.Add(member[1]);
    }
    return TRUE;
}

void CHostDoc::Serialize(CArchive& ar)
{
    m_marks.Serialize(ar);
    m_lengths.Serialize(ar);
    if (ar.IsLoading() && m_lengths.GetSize() != m_marks.GetSize())
        AfxThrowArchiveException(CArchiveException::genericException, ar.m_strFileName);
}

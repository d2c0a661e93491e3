// HostDoc.h: CHostDoc, the host's document: a list of members, each a mark and a length.
#pragma once

#include <afxwin.h>

class CHostDoc : public CDocument
{
    DECLARE_DYNCREATE(CHostDoc)
public:
    CStringArray m_marks;
    CStringArray m_lengths;

    BOOL OnNewDocument() override;
    void Serialize(CArchive& ar) override;
};

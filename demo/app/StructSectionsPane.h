// StructSectionsPane.h: CStructSectionsPane, the docking pane with the catalogue of sections; a
// double click (or Enter) on a section gives it to the selected member.
#pragma once

#include "frame/KwControlBar.h"
#include "grid/LargeListWnd.h"

class CStructDoc;

class CStructSectionsPane : public CKwControlBar
{
public:
    CStructSectionsPane();

    // The model whose selected member takes the sections chosen, NULL for none.
    void SetModel(CStructDoc* pDoc) { m_pDoc = pDoc; }
    CLargeListWnd& GetList() { return m_list; }
    // The selected member gets the catalogue's section nSection; FALSE when there is no
    // selected member or no such section.
    BOOL GiveSection(int nSection);

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnOpenSection(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

    CLargeListWnd m_list;
    CStructDoc* m_pDoc;
};

// StructSectionPage.h: CStructSectionPage, the page with the properties of the selected member's
// section from the catalogue, in a grid: a line per property with its value and unit.
#pragma once

#include "grid/KwGridCtrl.h"
#include "pages/KwPropertyPage.h"

class CStructMemberSubject;

class CStructSectionPage : public CKwPropertyPage
{
public:
    explicit CStructSectionPage(CStructMemberSubject* pSubject);

    void NotifySubjectChanged() override;
    void OnInitPropertyPage() override;
    CString GetToolTipText(UINT nID) override;

    CKwGridCtrl& GetGrid() { return m_grid; }

private:
    CStructMemberSubject* m_pMember;
    CKwGridCtrl m_grid;
};

// StructGeneralPage.h: CStructGeneralPage, the page with the selected member's mark, section,
// grade, length and remark; a field is written to the model when the focus leaves it.
#pragma once

#include "pages/KwPropertyPage.h"

class CStructMemberSubject;

class CStructGeneralPage : public CKwPropertyPage
{
public:
    explicit CStructGeneralPage(CStructMemberSubject* pSubject);

    // The fields show the member, unless the page is writing it.
    void NotifySubjectChanged() override;
    void OnInitPropertyPage() override;
    CString GetToolTipText(UINT nID) override;

    // Writes field nID (IDC_STRUCT_MARK ... IDC_STRUCT_REMARK) from strText as the user's entry
    // does; a text that is no value of the field is refused in the log and the field shows the
    // member's value again. FALSE when refused.
    BOOL CommitField(UINT nID, const CString& strText);

protected:
    afx_msg void OnFieldDone(UINT nID);
    afx_msg void OnListChoice(UINT nID);
    DECLARE_MESSAGE_MAP()

private:
    CStructMemberSubject* m_pMember;
};

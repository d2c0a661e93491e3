// StringDialog.h: CStringDialog, the modal dialog that asks for one string.
#pragma once

#include "pickers/KwInputDialog.h"

class KWUI_API CStringDialog : public CKwInputDialog
{
public:
    explicit CStringDialog(CWnd* pParentWnd = NULL);

    BOOL m_bRequired; // OK needs a value
    // String resources that, when not 0, replace m_strTitle and m_strLabel as the dialog opens.
    UINT m_nTitleID;
    UINT m_nLabelID;
    CString m_strValue;
    CString m_strLabel; // the prompt above the value

    void UpdateOk() override;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
};

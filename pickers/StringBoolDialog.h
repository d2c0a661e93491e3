// StringBoolDialog.h: CStringBoolDialog, the modal dialog that asks for a string and a yes or no.
#pragma once

#include "pickers/KwInputDialog.h"

class KWUI_API CStringBoolDialog : public CKwInputDialog
{
public:
    explicit CStringBoolDialog(CWnd* pParentWnd = NULL);

    BOOL m_bRequired; // OK needs a value
    CString m_strCheckText; // the check box's caption
    CString m_strValue;
    CString m_strLabel; // the prompt above the value
    BOOL m_bCheck;

    void UpdateOk() override;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
};

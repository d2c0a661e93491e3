// StringComboDialog.h: CStringComboDialog, the modal dialog that asks for a string and a choice
// from a list.
#pragma once

#include "pickers/KwInputDialog.h"

class KWUI_API CStringComboDialog : public CKwInputDialog
{
public:
    explicit CStringComboDialog(CWnd* pParentWnd = NULL);

    BOOL m_bRequired; // OK needs a value
    CStringList m_listItems; // the choices, shown sorted
    CString m_strValue;
    CString m_strLabel; // the prompt above the value
    CString m_strSelection; // the chosen item; the list's first as the dialog opens
    CString m_strComboLabel; // the prompt above the choices

    // OK needs a choice, and a value when it is required.
    void UpdateOk() override;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
};

// ComboDialog.h: CComboDialog, the modal dialog that asks for a choice from a list.
#pragma once

#include "pickers/KwInputDialog.h"

class KWUI_API CComboDialog : public CKwInputDialog
{
public:
    explicit CComboDialog(CWnd* pParentWnd = NULL);

    CStringList m_listItems; // the choices, shown sorted
    CString m_strSelection; // the chosen item; the list's first as the dialog opens
    CString m_strLabel; // the prompt above the choices

    // OK needs a choice.
    void UpdateOk() override;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
};

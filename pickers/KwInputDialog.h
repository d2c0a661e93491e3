// KwInputDialog.h: CKwInputDialog, what the small input dialogs share: the caller's caption, the
// list that fills their combo box, and the OK button that follows the input.
#pragma once

#include "core/KwUiExport.h"

#include <afxwin.h>

class KWUI_API CKwInputDialog : public CDialog
{
public:
    // Set by the caller before DoModal.
    CString m_strTitle;

    // Reads the controls back into the members, then enables OK only for acceptable input.
    virtual void UpdateOk() = 0;

protected:
    CKwInputDialog(UINT nIDTemplate, CWnd* pParentWnd);

    // The base initialisation (which fills the controls), then the caption.
    BOOL OnInitDialog() override;
    void EnableOk(BOOL bEnable);
    // When the controls are filled: the combo box gets the list and the selection becomes the
    // list's first item, which the combo box then selects.
    static void ExchangeList(CDataExchange* pDX, const CStringList& list, CString& strSelection);

    afx_msg void OnChangeString();
    DECLARE_MESSAGE_MAP()
};

// KwEdit.h: CKwEdit, the toolkit's edit box, whose owner decides whether it shows its standard
// context menu.
#pragma once

#include "core/KwUiExport.h"
#include "pickers/IKwEditOwner.h"

#include <afxwin.h>

class KWUI_API CKwEdit : public CEdit
{
    DECLARE_DYNCREATE(CKwEdit)
public:
    CKwEdit();

    // The owner asked about the context menu; NULL (the default) shows the standard menu.
    virtual IKwEditOwner* GetEditOwner() const;
    virtual void SetEditOwner(IKwEditOwner* pOwner);

protected:
    IKwEditOwner* m_pOwner;

    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    DECLARE_MESSAGE_MAP()
};

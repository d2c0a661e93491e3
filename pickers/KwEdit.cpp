// KwEdit.cpp: the edit box's context menu, shown when its owner agrees.
#include "pickers/KwEdit.h"

IMPLEMENT_DYNCREATE(CKwEdit, CEdit)

BEGIN_MESSAGE_MAP(CKwEdit, CEdit)
    ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

CKwEdit::CKwEdit() : m_pOwner(NULL)
{
}

IKwEditOwner* CKwEdit::GetEditOwner() const
{
    return m_pOwner;
}

void CKwEdit::SetEditOwner(IKwEditOwner* pOwner)
{
    m_pOwner = pOwner;
}

void CKwEdit::OnContextMenu(CWnd* pWnd, CPoint point)
{
    IKwEditOwner* pOwner = GetEditOwner();
    if (pOwner == NULL || pOwner->IKwEditOwner_OnQueryContextMenu(point, this))
    {
        Default(); // the edit control's own menu
        return;
    }
    // The system's default processing hands the request to the parent.
    const MSG* pMsg = GetCurrentMessage();
    ::DefWindowProcA(m_hWnd, WM_CONTEXTMENU, pMsg->wParam, pMsg->lParam);
}

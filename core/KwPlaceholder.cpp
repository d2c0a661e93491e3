// KwPlaceholder.cpp: replacing a dialog's placeholder control.
#include "core/KwPlaceholder.h"

BOOL CKwPlaceholder::Replace(UINT nID, CWnd* pParent, DWORD dwExStyle, CWnd* pControl,
                             const std::function<BOOL(const CRect&)>& create)
{
    // Found before the new control exists: it will carry the same identifier.
    HWND hPlaceholder = pParent != NULL ? ::GetDlgItem(pParent->GetSafeHwnd(), (int)nID) : NULL;
    if (hPlaceholder == NULL)
        return FALSE;
    CRect rect;
    ::GetWindowRect(hPlaceholder, &rect);
    pParent->ScreenToClient(&rect);
    if (!create(rect))
        return FALSE;
    // Right after the placeholder in the z-order, so the control keeps its place in the tab order.
    ::SetWindowPos(pControl->m_hWnd, hPlaceholder, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    ::DestroyWindow(hPlaceholder);
    pControl->ModifyStyleEx(0, dwExStyle, SWP_FRAMECHANGED);
    return TRUE;
}

// KwWindow.cpp: the default context-menu extension forwards to a parent that takes part.
#include "core/KwWindow.h"

#include <afxwin.h>

CKwWindow::~CKwWindow()
{
}

void CKwWindow::CKwWindow_OnExtendContextMenu(CMenu& menu)
{
    CWnd* pThis = dynamic_cast<CWnd*>(this);
    if (pThis == NULL || pThis->GetSafeHwnd() == NULL)
        return;
    // A parent without an object of its own comes back as a temporary CWnd and ends the chain.
    CKwWindow* pParent = dynamic_cast<CKwWindow*>(pThis->GetParent());
    if (pParent != NULL)
        pParent->CKwWindow_OnExtendContextMenu(menu);
}

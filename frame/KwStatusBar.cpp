// KwStatusBar.cpp: windows kept over panes, placed again whenever the bar's size changes.
#include "frame/KwStatusBar.h"

#include <vector>

IMPLEMENT_DYNCREATE(CKwStatusBar, CBCGPStatusBar)

BEGIN_MESSAGE_MAP(CKwStatusBar, CBCGPStatusBar)
    ON_WM_SIZE()
END_MESSAGE_MAP()

CKwStatusBar::CKwStatusBar() : m_mapWndToPane(10)
{
    m_mapWndToPane.InitHashTable(17);
}

void CKwStatusBar::AssignWndToPane(CWnd* pWnd, UINT nPaneID)
{
    HWND hWnd = pWnd->GetSafeHwnd();
    if (hWnd == NULL)
        return;
    m_mapWndToPane[hWnd] = nPaneID;
    ResizeChildren();
}

void CKwStatusBar::OnSize(UINT nType, int cx, int cy)
{
    CBCGPStatusBar::OnSize(nType, cx, cy);
    ResizeChildren();
}

void CKwStatusBar::ResizeChildren()
{
    if (m_hWnd == NULL)
        return;
    std::vector<HWND> gone;
    POSITION pos = m_mapWndToPane.GetStartPosition();
    while (pos != NULL)
    {
        HWND hWnd;
        UINT nPaneID;
        m_mapWndToPane.GetNextAssoc(pos, hWnd, nPaneID);
        if (!::IsWindow(hWnd))
        {
            gone.push_back(hWnd); // forgotten before its handle can name another window
            continue;
        }
        int nIndex = CommandToIndex(nPaneID);
        if (nIndex < 0)
            continue;
        CRect rect;
        GetItemRect(nIndex, &rect);
        rect.DeflateRect(1, 1);
        // In the coordinates of the window's own parent, which need not be the bar.
        ::MapWindowPoints(m_hWnd, ::GetParent(hWnd), (LPPOINT)&rect, 2);
        ::MoveWindow(hWnd, rect.left, rect.top, rect.Width(), rect.Height(), TRUE);
    }
    for (HWND hWnd : gone)
        m_mapWndToPane.RemoveKey(hWnd);
}

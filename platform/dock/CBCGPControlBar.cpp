// CBCGPControlBar.cpp: a bar's share of its frame's layout and its idle command-UI update.
#include "CBCGPControlBar.h"

#include <afxpriv.h>
#include <afxwin.h>

#include <algorithm>

IMPLEMENT_DYNAMIC(CBCGPControlBar, CBCGPBaseControlBar)

BEGIN_MESSAGE_MAP(CBCGPControlBar, CBCGPBaseControlBar)
    ON_MESSAGE(WM_SIZEPARENT, &CBCGPControlBar::OnSizeParent)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, &CBCGPControlBar::OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

CBCGPControlBar::CBCGPControlBar() {}

CSize CBCGPControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    return CSize(0, 0);
}

void CBCGPControlBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {}

LRESULT CBCGPControlBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    AFX_SIZEPARENTPARAMS* pLayout = (AFX_SIZEPARENTPARAMS*)lParam;
    DWORD dwAlign = GetCurrentAlignment();
    if (pLayout == NULL || (GetStyle() & WS_VISIBLE) == 0 || dwAlign == 0)
        return 0;
    CRect rectLeft(pLayout->rect);
    CSize size = CalcFixedLayout(pLayout->bStretch, IsHorizontal());
    // Never more than is left: what remains for the pane must not turn inside out.
    size.cx = std::max(0L, std::min(size.cx, (LONG)rectLeft.Width()));
    size.cy = std::max(0L, std::min(size.cy, (LONG)rectLeft.Height()));
    CRect rect(rectLeft.TopLeft(), size);
    switch (dwAlign)
    {
    case CBRS_ALIGN_TOP:
        pLayout->rect.top += size.cy;
        break;
    case CBRS_ALIGN_BOTTOM:
        rect.OffsetRect(0, rectLeft.Height() - size.cy);
        pLayout->rect.bottom -= size.cy;
        break;
    case CBRS_ALIGN_LEFT:
        pLayout->rect.left += size.cx;
        break;
    case CBRS_ALIGN_RIGHT:
        rect.OffsetRect(rectLeft.Width() - size.cx, 0);
        pLayout->rect.right -= size.cx;
        break;
    default:
        return 0; // several sides at once: no place of its own
    }
    if (IsHorizontal())
    {
        pLayout->sizeTotal.cy += size.cy;
        pLayout->sizeTotal.cx = std::max(pLayout->sizeTotal.cx, size.cx);
    }
    else
    {
        pLayout->sizeTotal.cx += size.cx;
        pLayout->sizeTotal.cy = std::max(pLayout->sizeTotal.cy, size.cy);
    }
    if (pLayout->hDWP != NULL)
        pLayout->hDWP = ::DeferWindowPos(pLayout->hDWP, m_hWnd, NULL, rect.left, rect.top, rect.Width(),
            rect.Height(), SWP_NOACTIVATE | SWP_NOZORDER);
    return 0;
}

LRESULT CBCGPControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    // A hidden bar shows nothing to update. Commands go to the owner's route (the frame).
    if ((GetStyle() & WS_VISIBLE) == 0)
        return 0;
    CFrameWnd* pTarget = DYNAMIC_DOWNCAST(CFrameWnd, GetOwner());
    if (pTarget == NULL)
        pTarget = m_pDockSite;
    if (pTarget != NULL)
        OnUpdateCmdUI(pTarget, (BOOL)wParam);
    return 0;
}

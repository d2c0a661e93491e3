// CBCGPStatusBar.h: CBCGPStatusBar, the bar along the bottom of a frame with a row of panes: the
// stretchy message pane first, then indicators whose texts come from their ids' strings and
// whose state the frame's command route sets at idle time.
#pragma once

#include "CBCGPControlBar.h"

#include <vector>

// Pane styles.
#ifndef SBPS_STRETCH
#define SBPS_NORMAL 0x0000
#define SBPS_NOBORDERS 0x0100
#define SBPS_POPOUT 0x0200
#define SBPS_DISABLED 0x04000000
#define SBPS_STRETCH 0x08000000
#endif

class KWDOCK_API CBCGPStatusBar : public CBCGPControlBar
{
    DECLARE_DYNCREATE(CBCGPStatusBar)
public:
    // Room round the panes and between them, in pixels at 96 DPI (scaled to the bar's).
    enum { BORDER = 2, GAP = 2, TEXT_MARGIN = 4 };

    CBCGPStatusBar();
    ~CBCGPStatusBar() override;

    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, UINT nID = AFX_IDW_STATUS_BAR);

    // One pane per id, its text the string of that id (none for ID_SEPARATOR) and its width that
    // text's; the first pane stretches over what the others leave.
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);
    int GetCount() const { return (int)m_panes.size(); }
    UINT GetItemID(int nIndex) const;
    // The index of the pane with id nIDFind, -1 when there is none.
    int CommandToIndex(UINT nIDFind) const;
    // The pane's rectangle in the bar's client area (empty for a bad index).
    void GetItemRect(int nIndex, LPRECT lpRect) const;

    // FALSE for a bad index. With bUpdate the pane repaints.
    BOOL SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate = TRUE);
    CString GetPaneText(int nIndex) const;
    // The width of the pane's text area (a stretchy pane never gets less), in pixels at the bar's
    // DPI: it scales when the DPI changes.
    void SetPaneWidth(int nIndex, int cx);
    int GetPaneWidth(int nIndex) const;
    UINT GetPaneStyle(int nIndex) const;
    void SetPaneStyle(int nIndex, UINT nStyle);

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

protected:
    struct Pane
    {
        UINT nID;
        UINT nStyle;
        int cxText;
        CString strText;
    };
    BOOL IsValid(int nIndex) const { return nIndex >= 0 && nIndex < (int)m_panes.size(); }
    // Every pane's rectangle in a client area of rectClient.
    std::vector<CRect> CalcItemRects(const CRect& rectClient) const;
    int TextWidth(LPCTSTR lpszText) const;
    void InvalidatePane(int nIndex);
    // The system's status-bar font at the bar's DPI.
    void MakeFont();
    // The font and the panes' widths at the new DPI, and the frame's layout.
    void OnDpiChanged() override;

    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

    std::vector<Pane> m_panes;
    HFONT m_hFont;
    UINT m_nPaneDpi = CDpi::kDefault; // the DPI the panes' widths are at

    friend class CBCGPStatusCmdUI;
};

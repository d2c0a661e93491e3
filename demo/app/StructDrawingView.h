// StructDrawingView.h: CStructDrawingView, the members drawn with GDI: each a bar in its colour,
// as long as the member to one scale, labelled with its mark; the selected one highlighted; a tip
// with markup over each member.
#pragma once

#include "StructViewIdentity.h"

#include "tips/UxToolTip.h"

class CStructDoc;

class CStructDrawingView : public CView
{
    DECLARE_SERIAL(CStructDrawingView)
public:
    CStructDrawingView();
    CStructDoc* GetDocument() const;

    // The member drawn at a point of the client area, -1 for none.
    int HitTest(CPoint point) const;
    // The row of a member, in client coordinates (it may lie outside the window).
    CRect GetMemberRect(int nMember) const;

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void OnDraw(CDC* pDC) override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
    void DrawRuler(CDC& dc, const CRect& rcClient, double dScale);
    void DrawMember(CDC& dc, int nMember, double dScale);
    void DrawSection(CDC& dc, const CRect& rcClient);
    // Pixels per metre, so the longest member fills the width.
    double GetScale() const;
    void UpdateScrollBar();
    void ScrollTo(int nTopRow);
    void EnsureVisible(int nMember);

    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnDisplayTip(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg LRESULT OnGetViewContext(WPARAM, LPARAM lParam) { return m_identity.Get(lParam); }
    afx_msg LRESULT OnCompareViewContext(WPARAM, LPARAM lParam) { return m_identity.Compare(lParam); }
    afx_msg LRESULT OnGetViewTitle(WPARAM, LPARAM lParam) { return m_identity.GetTitle(lParam); }
    DECLARE_MESSAGE_MAP()

    enum { kRowHeight = 24, kRulerHeight = 28, kLabelWidth = 64, kMargin = 120, kSectionBox = 96 };
    CStructViewIdentity m_identity;
    CUxToolTip m_tip;
    CFont m_font;
    int m_nTopRow;
};

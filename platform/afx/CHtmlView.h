// CHtmlView.h: CHtmlView, a view that shows HTML pages: local files, "about:blank", fragments of
// the page shown, and text a host writes into its document (GetHtmlDocument, IHTMLDocument2's
// write and close). Every navigation, a link click too, asks OnBeforeNavigate2 first; every page
// loaded ends with OnDocumentComplete. The page is laid out for the view's width and scrolls.
#pragma once

#include "CByteArray.h"
#include "CFormView.h"
#include "CHtmlGdiResources.h"
#include "html/CHtmlPage.h"

#include <string>

class CHtmlViewDocument;

class KWAFX_API CHtmlView : public CFormView
{
    DECLARE_DYNCREATE(CHtmlView)
public:
    CHtmlView();
    ~CHtmlView() override;

    // A plain child window (no dialog template), with scroll bars.
    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
        UINT nID, CCreateContext* pContext = NULL) override;

    // Goes to the URL: "about:blank", a file name or file URL (a relative one from the shown
    // file's folder), or "#name" within the page shown. Loading is done when this returns.
    void Navigate2(LPCTSTR lpszURL, DWORD dwFlags = 0, LPCTSTR lpszTargetFrameName = NULL, LPCTSTR lpszHeaders = NULL,
        LPVOID lpvPostData = NULL, DWORD dwPostDataLen = 0);
    // The document: an IDispatch answering IHTMLDocument2, with a reference for the caller.
    LPDISPATCH GetHtmlDocument() const;
    CString GetLocationURL() const { return m_strURL; }

    virtual void OnBeforeNavigate2(LPCTSTR lpszURL, DWORD nFlags, LPCTSTR lpszTargetFrameName, CByteArray& baPostedData,
        LPCTSTR lpszHeaders, BOOL* pbCancel);
    virtual void OnDocumentComplete(LPCTSTR lpszURL);

    void OnDraw(CDC* pDC) override;
    BOOL PreTranslateMessage(MSG* pMsg) override; // no dialog navigation: there are no controls

    // The page, as laid out for the view's width.
    const CHtmlDisplayList& GetDisplayList() const { return m_page.DisplayList(); }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    friend class CHtmlViewDocument;

    CHtmlViewDocument* m_pHtmlDocument;
    CHtmlGdiResources m_resources;
    CHtmlPage m_page;
    CString m_strURL;
    std::wstring m_strFolder; // of the file shown: relative links and pictures are found from it
    int m_nLayoutWidth;
    CPoint m_ptScroll; // in the window's pixels
    UINT m_nDpi; // the page is laid out at 96 DPI and shown at this one

    void ShowWritten(const std::string& strPage); // the document was closed
    void ShowPage(const std::string& strPage);
    bool LoadFile(const CString& strURL, std::string& strPage, std::wstring& strFolder) const;
    void Relayout();
    void ScrollTo(int x, int y);
    void UpdateScrollBars();
    int LinkAt(CPoint point) const;
    // Where the anchor's line is shown, -1 for none.
    int AnchorTop(const CString& strFragment) const;
    void Scroll(int nBar, UINT nSBCode);
};

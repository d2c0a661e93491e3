// KwHtmlView.h: CKwHtmlView, a view that shows HTML text given by the host instead of a page
// fetched from a URL, and lets the host intercept clicks on links. The text waits until the view
// has loaded "about:blank" and is then written into that page once.
#pragma once

#include "core/KwUiExport.h"

#include <afxhtml.h>

class KWUI_API CKwHtmlView : public CHtmlView
{
    DECLARE_DYNCREATE(CKwHtmlView)
public:
    CKwHtmlView();

    // The text written into the next blank page that completes.
    void SetContents(CString html);
    void ResetContents();
    bool IsEmptyContents() const;

    // Called before every navigation with its URL; true cancels it.
    virtual bool OnLButtonClick(CString url);

    void OnInitialUpdate() override; // goes to "about:blank"
    void OnBeforeNavigate2(LPCTSTR lpszURL, DWORD nFlags, LPCTSTR lpszTargetFrameName, CByteArray& baPostedData,
        LPCTSTR lpszHeaders, BOOL* pbCancel) override;
    void OnDocumentComplete(LPCTSTR lpszURL) override;

protected:
    CString m_strContents; // waiting to be written

    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
};

// KwIntelliSenseWindow.h: CKwIntelliSenseWindow, the code-completion popup of a host's editor: a
// list of the host's completions that keeps the best match for the typed prefix selected, shows
// its description beside it, and asks the host to put the chosen one into the line.
#pragma once

#include "core/KwUiExport.h"
#include "tips/KwIntelliSenseClient.h"

#include <afxcmn.h>
#include <afxwin.h>

class CKwStaticToolTipCtrl;

class KWUI_API CKwIntelliSenseWindow : public CListCtrl
{
    DECLARE_DYNAMIC(CKwIntelliSenseWindow)
public:
    explicit CKwIntelliSenseWindow(IKwIntelliSenseClient* pClient);
    virtual ~CKwIntelliSenseWindow();

    // sLine is the editor's line up to the caret; the caret's top and bottom are in the editor's
    // client coordinates. A list still open from an earlier completion is closed first.
    void Start(CString sLine, CPoint ptCaretTop, CPoint ptCaretBottom, CWnd* pEditor);
    static BOOL IsRectInRect(const CRect& inner, const CRect& outer);

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnSelectionChanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg LRESULT OnUpdateToolTip(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnFloatStatus(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void Choose();
    void Cancel();
    void SelectMatchingItem();
    // The first row matching sPrefix (exactly, else ignoring case), or -1.
    int FindPrefix(const CString& sPrefix) const;
    BOOL CreateList(CWnd* pEditor);
    void FillList();
    CSize ListSize();

    IKwIntelliSenseClient* m_pClient;
    int m_nWordStart;
    CString m_sPrefix;
    CWnd* m_pEditor;
    CKwStaticToolTipCtrl* m_pToolTip;
    bool m_bSilent; // the list goes (a new Start, the destructor) without telling the client
};

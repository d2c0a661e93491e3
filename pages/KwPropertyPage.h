// KwPropertyPage.h: declares CKwPropertyPage, a page that shows and edits the properties of one
// subject inside a docking pane: a child window made from a dialog template, whose controls
// follow the page's size by their anchors, with overridable rules for enabling and showing its
// controls, the Edit commands, dialog-like keys, a drop target and a tooltip for every control.
#pragma once

#include "core/KwUiExport.h"
#include "core/KwWindow.h"
#include "pages/KwAnchorLayout.h"
#include "pages/OleDropTargetCustom.h"
#include "tips/UxToolTip.h"

#include <afxwin.h>
#include <afxtempl.h>

class CCmdUI;
class CKwPropertyPageSubject;

class KWUI_API CKwPropertyPage : public CWnd, public CKwWindow
{
    DECLARE_DYNAMIC(CKwPropertyPage)
public:
    enum
    {
        ANCHOR_LEFT = CKwAnchorLayout::ANCHOR_LEFT,
        ANCHOR_TOP = CKwAnchorLayout::ANCHOR_TOP,
        ANCHOR_RIGHT = CKwAnchorLayout::ANCHOR_RIGHT,
        ANCHOR_BOTTOM = CKwAnchorLayout::ANCHOR_BOTTOM
    };

    // A control registered for resizing: its anchors and its distances from the page's edges in
    // pixels, measured from the template on the first resize (see CKwAnchorLayout::Distance).
    struct CControlResizeRecord
    {
        UINT nID;
        int nFlags;
        CRect rcDistance;
    };

    // Subscribes the page to pSubject (which may be NULL).
    CKwPropertyPage(CKwPropertyPageSubject* pSubject, UINT nIDTemplate, UINT nIDCaption);
    ~CKwPropertyPage() override;

    // Makes the page from its template as a child of pParent at rect; FALSE, with no window
    // left, when the template is missing or malformed, PreCreateWindow refuses or the
    // template's initialisation data fails.
    int Create(DWORD dwStyle, const CRect& rect, CWnd* pParent, UINT nID);

    // The subject changed: the controls are refilled, unless the page is writing to it.
    virtual void NotifySubjectChanged();
    // The subject goes: the page leaves it and asks its owner to destroy it.
    virtual void NotifySubjectDeleted();
    // Brings the page forward and selects characters in control nID; FALSE without the control.
    virtual int OpenProperty(UINT nID, int nReserved, int nStartChar, int nEndChar);
    // FALSE for a missing, disabled or read-only control (edits and grids are made read-only
    // rather than disabled).
    virtual int IsDlgItemEnabled(UINT nID);
    virtual void EnableControl(UINT nID, int bEnable);
    virtual void ShowControl(UINT nID, int bShow);
    // Set-up once the controls exist: the tooltip and the first load of the controls.
    virtual void OnInitPropertyPage();
    // The rules derived pages override: locked or hidden controls, and each control's tip.
    virtual int IsControlEnabled(UINT nID);
    virtual int IsControlVisible(UINT nID);
    virtual CString GetToolTipText(UINT nID);
    // Drag events of the page's drop target; the page accepts nothing.
    virtual DROPEFFECT OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual DROPEFFECT OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual void OnDragLeave();
    virtual BOOL OnDrop(COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);

    CKwPropertyPageSubject* GetSubject() { return m_pSubject; }
    // Around writing the page's data into the subject, so that its notification does not
    // refill this page meanwhile.
    void BeginSetProperties() { m_bSettingProperties = TRUE; }
    void EndSetProperties() { m_bSettingProperties = FALSE; }

    // Before the first resize (the distances are measured once, from the template); the same id
    // again replaces its record, at the end.
    void RegisterForResizing(UINT nID, int nFlags);
    const CArray<CControlResizeRecord, const CControlResizeRecord&>& GetResizeRecords() const { return m_ResizeRecords; }

    // Asks the owner (else the parent) to destroy the page, after the current message.
    void AsyDestroyPage();
    // Makes the page the active tab when it sits in a tab window.
    void ActivateMe();
    // Saves the controls into the page's data once the message arrives.
    void OnPostPageDataChanged();

    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL SetOccDialogInfo(struct _AFX_OCC_DIALOG_INFO* pOccDialogInfo) override;
    // TRUE while one of the page's handlers runs: whoever owns the object waits before deleting it.
    BOOL IsHandlingMessage() const { return m_nHandling > 0; }

    static BOOL IsEdit(HWND hWnd);
    static BOOL IsComboBox(HWND hWnd);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    // WM_DPICHANGED (the DPI in wParam) or WM_DPICHANGED_AFTERPARENT.
    afx_msg LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPageDataChanged(WPARAM wParam, LPARAM lParam);
    afx_msg void OnEditCommand();
    afx_msg void OnUpdateEditCommand(CCmdUI* pCmdUI);
    void NotifyDisplayTooltip(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

    struct _AFX_OCC_DIALOG_INFO* m_pOccDialogInfo;
    CKwPropertyPageSubject* m_pSubject;
    UINT m_nIDTemplate;
    UINT m_nIDCaption;
    BOOL m_bSettingProperties;
    COleDropTargetCustom<CKwPropertyPage> m_DropTarget;
    CArray<CControlResizeRecord, const CControlResizeRecord&> m_ResizeRecords;
    BOOL m_bResizeInfoReady;
    UINT m_nDpi; // the DPI the anchors are measured at; 0 until they are
    BOOL m_bCreated;
    CUxToolTip m_ToolTip;
    int m_nHandling;

private:
    // Called by a subject that goes without notifying.
    void ForgetSubject(CKwPropertyPageSubject* pSubject);
    friend class CKwPropertyPageSubject;

    BOOL MyCreateDlg(CWnd* pParent);
    void InitResizeInfo();
    void ResizeRegisteredControls();
    static void MoveControl(HWND hWnd, const CRect& rc);
    HWND FocusedEdit() const;
};

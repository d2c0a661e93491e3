// CDialog.h: CDialog, a window made from a dialog template (a resource or a template in memory),
// run modally through the framework's own modal loop or created modeless, with data exchange
// between its controls and its members and keyboard navigation between its controls.
#pragma once

#include "CWnd.h"

class KWAFX_API CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)
public:
    // Modeless dialogs start with the default constructor and call Create or CreateIndirect.
    CDialog();
    // A modal dialog from the template named lpszTemplateName (or with the id nIDTemplate),
    // found in the application and the registered extension modules.
    explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = NULL);
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL);
    ~CDialog() override;

    // A modal dialog from a template in memory, which must stay valid until DoModal returns.
    BOOL InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = NULL, void* lpDialogInit = NULL);
    BOOL InitModalIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd = NULL);

    // Modeless creation; FALSE when the template is missing, creation fails or the dialog ended
    // itself during OnInitDialog.
    virtual BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = NULL);
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = NULL);
    virtual BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = NULL, void* lpDialogInit = NULL);
    virtual BOOL CreateIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd = NULL);

    // Runs the dialog with its owner disabled until EndDialog; returns the EndDialog value, or
    // -1 when the template cannot be found or the dialog cannot be created.
    virtual int DoModal();
    // Ends a modal dialog with nResult (DoModal's return), or hides a modeless one.
    void EndDialog(int nResult);

    // Focus and the default button.
    void GotoDlgCtrl(CWnd* pWndCtrl);
    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void SetDefID(UINT nID);
    DWORD GetDefID() const; // MAKELONG(id, DC_HASDEFID), or 0 without a default button
    void MapDialogRect(LPRECT lpRect) const;
    void SetHelpID(UINT nIDR) { m_nIDHelp = nIDR; }

    // Radio buttons and check boxes of the dialog.
    void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
    int GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton);

    // Called when the template's controls exist; the default fills them (UpdateData(FALSE)) and
    // returns TRUE so that the dialog manager focuses the first control.
    virtual BOOL OnInitDialog();
    virtual void OnSetFont(CFont* pFont);

    // Keys typed into the dialog's controls are translated into dialog navigation here.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    UINT m_nIDHelp; // the help context of the template
    LPCTSTR m_lpszTemplateName; // a name, or MAKEINTRESOURCE of an id
    HGLOBAL m_hDialogTemplate;
    LPCDLGTEMPLATE m_lpDialogTemplate;
    void* m_lpDialogInit;
    CWnd* m_pParentWnd;
    HWND m_hWndTop; // a top-level window DoModal disabled besides the owner

protected:
    // OK reads and validates the controls, then ends with IDOK; Cancel ends with IDCANCEL.
    virtual void OnOK();
    virtual void OnCancel();
    // Before and after the modal run: finds and returns the owner, and restores what it disabled.
    HWND PreModal();
    void PostModal();

    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT HandleSetFont(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    void CommonConstruct();
};

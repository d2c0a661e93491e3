// CPropertyPage.h: CPropertyPage, one page of a property sheet: a dialog made by the system's
// property sheet from the page's template, attached to this object as it is created so that its
// messages, data exchange and the sheet's notifications reach the object (Windows only).
#pragma once

#include "CDialog.h"

#include <prsht.h>

class CPropertySheet;

class KWAFX_API CPropertyPage : public CDialog
{
    DECLARE_DYNAMIC(CPropertyPage)
public:
    // The page's template, and the string that replaces the template's caption on its tab.
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
    explicit CPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption = 0);
    ~CPropertyPage() override;

    // What the system gets for this page: template, title and the callback that attaches the
    // page as it is created. Hosts may add flags (PSP_HASHELP ...) before the sheet is shown.
    PROPSHEETPAGEA m_psp;

    // Tells the sheet that the page has changes to apply (the Apply button lights) or none.
    void SetModified(BOOL bChanged = TRUE);
    // Asks every page of the sheet (PSM_QUERYSIBLINGS); the first nonzero answer ends the round.
    LRESULT QuerySiblings(WPARAM wParam, LPARAM lParam);
    // After an irreversible change: OK becomes Close and Cancel is disabled.
    void CancelToClose();

    // The sheet's notifications. OnSetActive refills the controls each time the page comes back
    // (not the first time: OnInitDialog did); OnKillActive reads and validates them, and FALSE
    // keeps the page in front. OnApply calls OnOK and accepts; OnReset calls OnCancel.
    virtual BOOL OnSetActive();
    virtual BOOL OnKillActive();
    virtual BOOL OnApply();
    virtual void OnReset();
    virtual BOOL OnQueryCancel();
    virtual LRESULT OnWizardBack();
    virtual LRESULT OnWizardNext();
    virtual BOOL OnWizardFinish();
    // A page's OK and Cancel are the sheet's: they only end the page's own part (nothing here).
    void OnOK() override;
    void OnCancel() override;

    // Navigation belongs to the sheet, which sees every message after the page.
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
    void CommonConstruct(LPCTSTR lpszTemplateName, UINT nIDCaption);
    static UINT CALLBACK PageCallback(HWND hWnd, UINT message, LPPROPSHEETPAGEA ppsp);

    CString m_strCaption;
    BOOL m_bFirstSetActive;

    friend class CPropertySheet;
};

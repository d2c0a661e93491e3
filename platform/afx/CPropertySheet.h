// CPropertySheet.h: CPropertySheet, the system's property sheet (a tab per page, OK, Cancel and
// Apply), run modally through the framework's modal loop or created modeless, with its pages as
// CPropertyPage objects the sheet does not own (Windows only).
#pragma once

#include "CPropertyPage.h"
#include "CPtrArray.h"

class CTabCtrl;

class KWAFX_API CPropertySheet : public CWnd
{
    DECLARE_DYNAMIC(CPropertySheet)
public:
    CPropertySheet();
    explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);
    explicit CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);
    ~CPropertySheet() override;

    // m_psh.nStartPage is the page shown first; a start page outside the pages shows the first.
    PROPSHEETHEADERA m_psh;

    // Runs the sheet with its owner disabled; IDOK or IDCANCEL by the button that closed it, -1
    // when the sheet could not be created (no pages, a template missing).
    virtual int DoModal();
    // Creates the sheet modeless; dwStyle (DWORD)-1 keeps the system's popup with a caption.
    virtual BOOL Create(CWnd* pParentWnd = NULL, DWORD dwStyle = (DWORD)-1, DWORD dwExStyle = 0);

    // Pages, in tab order. While the sheet exists they are added to and removed from it too.
    void AddPage(CPropertyPage* pPage);
    void RemovePage(CPropertyPage* pPage);
    void RemovePage(int nPage);
    int GetPageCount() const;
    CPropertyPage* GetPage(int nPage) const;
    int GetPageIndex(CPropertyPage* pPage) const;

    // The active page: its index (the start page before the sheet exists), object and choice.
    int GetActiveIndex() const;
    CPropertyPage* GetActivePage() const;
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage* pPage);

    void SetTitle(LPCTSTR lpszText, UINT nStyle = 0);
    CTabCtrl* GetTabControl() const;
    // Presses a button as the user would (PSBTN_OK, PSBTN_CANCEL, PSBTN_APPLYNOW ...).
    void PressButton(int nButton);
    // Ends the sheet: a modal one returns nEndID, a modeless one is destroyed.
    void EndDialog(int nEndID);

    BOOL ContinueModal() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    // Remembers which of OK and Cancel closes a modal sheet, then lets the sheet act.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    DECLARE_MESSAGE_MAP()

private:
    void CommonConstruct(CWnd* pParentWnd, UINT iSelectPage);
    // Fills m_psh for the system from the pages; FALSE when there are none.
    BOOL BuildHeader();
    // Creates the sheet window (modeless as far as the system knows) attached to this object.
    BOOL CreateSheet(HWND hWndOwner);

    CPtrArray m_pages;
    CArray<PROPSHEETPAGEA, const PROPSHEETPAGEA&> m_pspArray;
    CString m_strCaption;
    CWnd* m_pParentWnd;
    BOOL m_bModeless;
    DWORD m_dwStyle;
    DWORD m_dwExStyle;
};

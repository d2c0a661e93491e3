// CPropertySheet: the system's property sheet, always created modeless as far as the system
// knows, so that a modal sheet runs the framework's loop and its pages see PreTranslateMessage.
#include "CPropertySheet.h"
#include "CTabCtrl.h"
#include "CWinApp.h"
#include "afxresource.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

BEGIN_MESSAGE_MAP(CPropertySheet, CWnd)
END_MESSAGE_MAP()

CPropertySheet::CPropertySheet()
{
    CommonConstruct(NULL, 0);
}

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    CommonConstruct(pParentWnd, iSelectPage);
    m_strCaption.LoadString(nIDCaption);
}

CPropertySheet::CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    CommonConstruct(pParentWnd, iSelectPage);
    m_strCaption = pszCaption;
}

CPropertySheet::~CPropertySheet()
{
}

void CPropertySheet::CommonConstruct(CWnd* pParentWnd, UINT iSelectPage)
{
    memset(&m_psh, 0, sizeof(m_psh));
    m_psh.dwSize = sizeof(m_psh);
    m_psh.dwFlags = PSH_PROPSHEETPAGE;
    m_psh.nStartPage = iSelectPage;
    m_pParentWnd = pParentWnd;
    m_bModeless = FALSE;
    m_dwStyle = (DWORD)-1;
    m_dwExStyle = 0;
}

// Pages ----------------------------------------------------------------------------------------

void CPropertySheet::AddPage(CPropertyPage* pPage)
{
    if (pPage == NULL)
        return;
    m_pages.Add(pPage);
    if (m_hWnd == NULL)
        return;
    pPage->m_bFirstSetActive = TRUE;
    pPage->m_psp.hInstance = AfxFindResourceHandle(pPage->m_psp.pszTemplate, RT_DIALOG);
    HPROPSHEETPAGE hPage = ::CreatePropertySheetPageA(&pPage->m_psp);
    if (hPage != NULL && !::SendMessageA(m_hWnd, PSM_ADDPAGE, 0, (LPARAM)hPage))
        ::DestroyPropertySheetPage(hPage);
}

void CPropertySheet::RemovePage(CPropertyPage* pPage)
{
    RemovePage(GetPageIndex(pPage));
}

void CPropertySheet::RemovePage(int nPage)
{
    if (nPage < 0 || nPage >= m_pages.GetSize())
        return;
    // The sheet destroys the page's window; the object stays the caller's.
    if (m_hWnd != NULL)
        ::SendMessageA(m_hWnd, PSM_REMOVEPAGE, nPage, 0);
    m_pages.RemoveAt(nPage);
}

int CPropertySheet::GetPageCount() const
{
    return (int)m_pages.GetSize();
}

CPropertyPage* CPropertySheet::GetPage(int nPage) const
{
    if (nPage < 0 || nPage >= m_pages.GetSize())
        return NULL;
    return (CPropertyPage*)m_pages[nPage];
}

int CPropertySheet::GetPageIndex(CPropertyPage* pPage) const
{
    for (int i = 0; i < m_pages.GetSize(); i++)
    {
        if (m_pages[i] == pPage)
            return i;
    }
    return -1;
}

// The active page ------------------------------------------------------------------------------

int CPropertySheet::GetActiveIndex() const
{
    if (m_hWnd == NULL)
        return (int)m_psh.nStartPage;
    // The tab control keeps its selection after OK or Cancel, when the sheet has no current
    // page any more (a sheet remembering its page reads it while it is destroyed).
    HWND hTab = (HWND)::SendMessageA(m_hWnd, PSM_GETTABCONTROL, 0, 0);
    return hTab != NULL ? (int)::SendMessageA(hTab, TCM_GETCURSEL, 0, 0) : -1;
}

CPropertyPage* CPropertySheet::GetActivePage() const
{
    return GetPage(GetActiveIndex());
}

BOOL CPropertySheet::SetActivePage(int nPage)
{
    if (nPage < 0 || nPage >= m_pages.GetSize())
        return FALSE;
    if (m_hWnd == NULL)
    {
        m_psh.nStartPage = nPage;
        return TRUE;
    }
    return (BOOL)::SendMessageA(m_hWnd, PSM_SETCURSEL, nPage, 0);
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* pPage)
{
    return SetActivePage(GetPageIndex(pPage));
}

void CPropertySheet::SetTitle(LPCTSTR lpszText, UINT nStyle)
{
    m_strCaption = lpszText;
    if (m_hWnd != NULL)
        ::SendMessageA(m_hWnd, PSM_SETTITLEA, nStyle, (LPARAM)(LPCTSTR)m_strCaption);
    else
        m_psh.dwFlags = (m_psh.dwFlags & ~PSH_PROPTITLE) | (nStyle & PSH_PROPTITLE);
}

CTabCtrl* CPropertySheet::GetTabControl() const
{
    return (CTabCtrl*)CWnd::FromHandle((HWND)::SendMessageA(m_hWnd, PSM_GETTABCONTROL, 0, 0));
}

void CPropertySheet::PressButton(int nButton)
{
    ::SendMessageA(m_hWnd, PSM_PRESSBUTTON, nButton, 0);
}

// Creation and the modal run -------------------------------------------------------------------

BOOL CPropertySheet::BuildHeader()
{
    int nPages = (int)m_pages.GetSize();
    if (nPages == 0)
        return FALSE;
    m_pspArray.SetSize(nPages);
    for (int i = 0; i < nPages; i++)
    {
        CPropertyPage* pPage = (CPropertyPage*)m_pages[i];
        // A page whose template is missing fails the sheet here, before the system sees it.
        HINSTANCE hInst = AfxFindResourceHandle(pPage->m_psp.pszTemplate, RT_DIALOG);
        if (::FindResourceA(hInst, pPage->m_psp.pszTemplate, RT_DIALOG) == NULL)
            return FALSE;
        pPage->m_psp.hInstance = hInst;
        pPage->m_bFirstSetActive = TRUE;
        m_pspArray[i] = pPage->m_psp;
    }
    m_psh.dwFlags |= PSH_PROPSHEETPAGE;
    m_psh.nPages = nPages;
    m_psh.ppsp = m_pspArray.GetData();
    m_psh.hInstance = AfxGetResourceHandle();
    m_psh.pszCaption = m_strCaption;
    // A start page the pages do not have (one removed since it was chosen) shows the first.
    if (m_psh.nStartPage >= (UINT)nPages)
        m_psh.nStartPage = 0;
    return TRUE;
}

BOOL CPropertySheet::CreateSheet(HWND hWndOwner)
{
    if (m_hWnd != NULL || !BuildHeader())
        return FALSE;
    m_psh.hwndParent = hWndOwner;
    m_psh.dwFlags |= PSH_MODELESS;
    if (!AfxHookWindowCreate(this))
        return FALSE;
    INT_PTR nResult = ::PropertySheetA(&m_psh);
    AfxUnhookWindowCreate();
    if (nResult == 0 || nResult == -1)
    {
        if (m_hWnd != NULL)
            DestroyWindow();
        return FALSE;
    }
    return m_hWnd != NULL;
}

BOOL CPropertySheet::Create(CWnd* pParentWnd, DWORD dwStyle, DWORD dwExStyle)
{
    m_bModeless = TRUE;
    m_dwStyle = dwStyle;
    m_dwExStyle = dwExStyle;
    if (pParentWnd == NULL)
        pParentWnd = m_pParentWnd != NULL ? m_pParentWnd : AfxGetMainWnd();
    if (!CreateSheet(pParentWnd->GetSafeHwnd()))
        return FALSE;
    if (dwStyle != (DWORD)-1)
    {
        ::SetWindowLongA(m_hWnd, GWL_STYLE, dwStyle);
        ::SetWindowLongA(m_hWnd, GWL_EXSTYLE, dwExStyle);
        ::SetWindowPos(m_hWnd, NULL, 0, 0, 0, 0,
            SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return TRUE;
}

int CPropertySheet::DoModal()
{
    m_bModeless = FALSE;
    HWND hWndTop = NULL;
    HWND hWndOwner = GetSafeOwner_(m_pParentWnd->GetSafeHwnd(), &hWndTop);
    if (hWndTop != NULL)
        ::EnableWindow(hWndTop, FALSE);
    BOOL bEnableOwner = FALSE;
    if (hWndOwner != NULL && ::IsWindowEnabled(hWndOwner))
    {
        ::EnableWindow(hWndOwner, FALSE);
        bEnableOwner = TRUE;
    }
    int nResult = -1;
    if (CreateSheet(hWndOwner))
    {
        // A sheet closed by its system menu or by Escape was cancelled.
        m_nModalResult = IDCANCEL;
        nResult = RunModalLoop(MLF_SHOWONIDLE);
        if (m_hWnd != NULL)
            SetWindowPos(NULL, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    if (bEnableOwner)
        ::EnableWindow(hWndOwner, TRUE);
    if (hWndOwner != NULL && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndOwner);
    if (m_hWnd != NULL)
        DestroyWindow();
    if (hWndTop != NULL && ::IsWindow(hWndTop))
        ::EnableWindow(hWndTop, TRUE);
    return nResult;
}

BOOL CPropertySheet::ContinueModal()
{
    if (!CWnd::ContinueModal())
        return FALSE;
    if (::SendMessageA(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0) != 0)
        return TRUE;
    // OK and Cancel leave the sheet without a current page: that ends the run. The sheet knows
    // which it was also when a button was pressed by message rather than clicked.
    if (::SendMessageA(m_hWnd, PSM_GETRESULT, 0, 0) > 0)
        m_nModalResult = IDOK;
    return FALSE;
}

void CPropertySheet::EndDialog(int nEndID)
{
    EndModalLoop(nEndID);
    if (m_bModeless)
        DestroyWindow();
}

BOOL CPropertySheet::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (CWnd::OnCommand(wParam, lParam))
        return TRUE;
    UINT nID = LOWORD(wParam);
    if ((nID == IDOK || nID == IDCANCEL) && HIWORD(wParam) == BN_CLICKED)
        m_nModalResult = nID;
    return FALSE;
}

BOOL CPropertySheet::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    // The sheet's own navigation: Ctrl+Tab between pages, Enter for OK, Escape, mnemonics.
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
        return FALSE;
    return (BOOL)::SendMessageA(m_hWnd, PSM_ISDIALOGMESSAGE, 0, (LPARAM)pMsg);
}

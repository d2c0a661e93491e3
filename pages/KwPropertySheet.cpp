// CKwPropertySheet: the remembered page read when the sheet is made and written when it goes.
#include "pages/KwPropertySheet.h"
#include "core/KwPalette.h"
#include "core/KwRegistry.h"

IMPLEMENT_DYNAMIC(CKwPropertySheet, CPropertySheet)

BEGIN_MESSAGE_MAP(CKwPropertySheet, CPropertySheet)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

static const char* const kSheetKey = "KwPropertySheet";

CKwPropertySheet::CKwPropertySheet(UINT nIDCaption, CWnd* pParentWnd, int iSelectPage, int nSheetID)
    : CPropertySheet(nIDCaption, pParentWnd, 0), m_nSheetID(nSheetID)
{
    unsigned long nStored = 0;
    if (iSelectPage != -1)
        m_psh.nStartPage = iSelectPage;
    else if (nSheetID != -1 && CKwRegistry::ReadDword(HKEY_CURRENT_USER, kSheetKey, ValueName(), nStored))
        m_psh.nStartPage = nStored; // one the sheet does not have shows the first page
}

CString CKwPropertySheet::ValueName() const
{
    CString strName;
    strName.Format("LastActivePage%d", m_nSheetID);
    return strName;
}

LRESULT CKwPropertySheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = CPropertySheet::WindowProc(message, wParam, lParam);
    // The system makes the first page as the sheet starts, the others as they are first shown.
    if (message == WM_INITDIALOG || message == PSM_SETCURSEL || message == PSM_SETCURSELID ||
        (message == WM_NOTIFY && ((NMHDR*)lParam)->code == TCN_SELCHANGE))
    {
        CKwPalette::FollowInDialog(m_hWnd);
        for (int i = 0; i < GetPageCount(); i++)
        {
            if (GetPage(i)->GetSafeHwnd() != NULL)
                CKwPalette::FollowInDialog(GetPage(i)->m_hWnd);
        }
    }
    return lResult;
}

void CKwPropertySheet::OnDestroy()
{
    int nActive = GetActiveIndex();
    if (m_nSheetID != -1 && nActive >= 0)
        CKwRegistry::WriteDword(HKEY_CURRENT_USER, kSheetKey, ValueName(), (unsigned long)nActive);
    CPropertySheet::OnDestroy();
}

// GalleryPages.cpp: a modal property sheet photographed from a timer while it runs, and an
// anchored page at two sizes.
#include "GalleryPages.h"
#include "Gallery.h"
#include "GalleryPages.rh"
#include "pages/KwPropertyPage.h"
#include "pages/KwPropertySheet.h"

#include <afxdlgs.h>

namespace {

class CGeneralPage : public CPropertyPage
{
public:
    CGeneralPage() : CPropertyPage(IDD_GALLERY_PAGE_GENERAL) {}
    CString m_strName = "Main girder G1";
    CString m_strNotes = "Checked against the\r\nserviceability limits.";

protected:
    BOOL OnInitDialog() override
    {
        for (const char* psz : {"Steel S355", "Concrete C30/37", "Glulam GL24h"})
            SendDlgItemMessage(IDC_GALLERY_PG_MATERIAL, CB_ADDSTRING, 0, (LPARAM)psz);
        SendDlgItemMessage(IDC_GALLERY_PG_MATERIAL, CB_SETCURSEL, 0);
        return CPropertyPage::OnInitDialog();
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_GALLERY_PG_NAME, m_strName);
        DDX_Text(pDX, IDC_GALLERY_PG_NOTES, m_strNotes);
    }
};

// The sheet is photographed once it is up, then cancelled.
bool g_bSheetSaved = false;
const char* g_pszSheetFolder = NULL;

void CALLBACK OnSheetTimer(HWND, UINT, UINT_PTR nID, DWORD)
{
    HWND hSheet = ::FindWindowA("#32770", "Beam properties");
    if (hSheet == NULL || !::IsWindowVisible(hSheet))
        return;
    ::KillTimer(NULL, nID);
    ::SendMessageA(hSheet, PSM_CHANGED, (WPARAM)::SendMessageA(hSheet, PSM_GETCURRENTPAGEHWND, 0, 0), 0);
    GalleryPump(300);
    g_bSheetSaved = GallerySaveWindow(hSheet, g_pszSheetFolder, "property-sheet");
    ::PostMessageA(hSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}

class CAnchoredPage : public CKwPropertyPage
{
public:
    CAnchoredPage() : CKwPropertyPage(NULL, IDD_GALLERY_PAGE_ANCHORED, 0)
    {
        const int stretch = ANCHOR_LEFT | ANCHOR_RIGHT | ANCHOR_TOP;
        RegisterForResizing(IDC_GALLERY_PG_NAME, stretch);
        RegisterForResizing(IDC_GALLERY_PG_BROWSE, ANCHOR_RIGHT | ANCHOR_TOP);
        RegisterForResizing(IDC_GALLERY_PG_MATERIAL, stretch);
        RegisterForResizing(IDC_GALLERY_PG_CASE, stretch);
        RegisterForResizing(IDC_GALLERY_PG_NOTES, stretch | ANCHOR_BOTTOM);
        RegisterForResizing(IDC_GALLERY_PG_HINT, ANCHOR_LEFT | ANCHOR_BOTTOM);
        RegisterForResizing(IDC_GALLERY_PG_APPLY, ANCHOR_RIGHT | ANCHOR_BOTTOM);
    }
    void OnInitPropertyPage() override
    {
        SetDlgItemText(IDC_GALLERY_PG_NAME, "Main girder G1");
        SetDlgItemText(IDC_GALLERY_PG_MATERIAL, "Steel S355");
        for (const char* psz : {"Dead load", "Live load", "Wind"})
            SendDlgItemMessage(IDC_GALLERY_PG_CASE, CB_ADDSTRING, 0, (LPARAM)psz);
        SendDlgItemMessage(IDC_GALLERY_PG_CASE, CB_SETCURSEL, 1);
        SetDlgItemText(IDC_GALLERY_PG_NOTES, "The notes stretch both ways; the buttons keep to the right.");
        CKwPropertyPage::OnInitPropertyPage();
    }
};

} // namespace

bool GalleryPropertySheet(const char* pszFolder)
{
    CGeneralPage general;
    CPropertyPage loads(IDD_GALLERY_PAGE_LOADS);
    CKwPropertySheet sheet(IDS_GALLERY_SHEET);
    sheet.AddPage(&general);
    sheet.AddPage(&loads);
    g_bSheetSaved = false;
    g_pszSheetFolder = pszFolder;
    UINT_PTR nTimer = ::SetTimer(NULL, 0, 50, &OnSheetTimer);
    int nResult = (int)sheet.DoModal();
    ::KillTimer(NULL, nTimer);
    return nResult == IDCANCEL && g_bSheetSaved;
}

bool GalleryAnchoredPage(const char* pszFolder)
{
    CWnd host;
    if (!host.CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1)),
            "Anchored page", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 420, 280, NULL, NULL))
        return false;
    CAnchoredPage page;
    CRect rcClient;
    host.GetClientRect(&rcClient);
    bool bOk = page.Create(WS_CHILD | WS_VISIBLE, rcClient, &host, 1) != FALSE;
    GalleryPump(200);
    bOk = bOk && GallerySaveWindow(host.m_hWnd, pszFolder, "page-anchored");
    host.MoveWindow(40, 40, 820, 340);
    host.GetClientRect(&rcClient);
    page.MoveWindow(&rcClient);
    GalleryPump(200);
    bOk = bOk && GallerySaveWindow(host.m_hWnd, pszFolder, "page-anchored-wide");
    host.DestroyWindow();
    return bOk;
}

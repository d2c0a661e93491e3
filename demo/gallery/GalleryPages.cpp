// GalleryPages.cpp: a modal property sheet photographed from a timer while it runs, and an
// anchored page at two sizes.
#include "GalleryPages.h"
#include "Gallery.h"
#include "GalleryMainFrame.h"
#include "GalleryPages.rh"
#include "grid/KwGridCtrl.h"
#include "pages/KwBarProperties.h"
#include "pages/KwPropertyPage.h"
#include "pages/KwPropertySheet.h"

#include <CBCGPMDIChildWnd.h>
#include <CBCGPMDIFrameWnd.h>
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
    explicit CAnchoredPage(UINT nIDCaption = 0) : CKwPropertyPage(NULL, IDD_GALLERY_PAGE_ANCHORED, nIDCaption)
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

class CMembersPage : public CKwPropertyPage
{
public:
    CMembersPage() : CKwPropertyPage(NULL, IDD_GALLERY_PAGE_MEMBERS, 0)
    {
        RegisterForResizing(IDC_GALLERY_PG_GRID, ANCHOR_LEFT | ANCHOR_TOP | ANCHOR_RIGHT | ANCHOR_BOTTOM);
    }
    void OnInitPropertyPage() override
    {
        if (m_grid.Initialize(IDC_GALLERY_PG_GRID, this))
        {
            m_grid.AddColumn("Mark", 40);
            m_grid.AddColumn("Section", 70);
            m_grid.AddColumn("Length [m]", 70);
            const char* const rows[][3] = {{"C1", "HEB 240", "6.40"}, {"C2", "HEB 240", "6.40"},
                {"R1", "IPE 300", "7.50"}, {"R2", "IPE 300", "7.50"}, {"P1", "RHS 120x80x5", "5.00"}};
            for (UINT nLine = 0; nLine < 5; nLine++)
                for (UINT nColumn = 0; nColumn < 3; nColumn++)
                    m_grid.SetTextItem(nColumn, nLine, rows[nLine][nColumn]);
        }
        CKwPropertyPage::OnInitPropertyPage();
    }

private:
    CKwGridCtrl m_grid;
};

class CChecksPage : public CKwPropertyPage
{
public:
    CChecksPage() : CKwPropertyPage(NULL, IDD_GALLERY_PAGE_CHECKS, 0) {}
    void OnInitPropertyPage() override
    {
        SetDlgItemText(IDC_GALLERY_PG_UTILISATION, "0.87");
        for (const char* psz : {"L/200", "L/250", "L/300"})
            SendDlgItemMessage(IDC_GALLERY_PG_LIMIT, CB_ADDSTRING, 0, (LPARAM)psz);
        SendDlgItemMessage(IDC_GALLERY_PG_LIMIT, CB_SETCURSEL, 2);
        CKwPropertyPage::OnInitPropertyPage();
    }
    CString GetToolTipText(UINT nID) override
    {
        return nID == IDC_GALLERY_PG_UTILISATION ? "<b>Utilisation</b><br>largest check of the member:<br>"
                                                   "<ct=192>buckling of C3</ct>"
                                                 : "";
    }
    // The utilisation's tip, as the pointer resting on the field brings it (the page asks for
    // the text of the control under the point).
    void ShowUtilisationTip()
    {
        CRect rect;
        GetDlgItem(IDC_GALLERY_PG_UTILISATION)->GetWindowRect(&rect);
        ScreenToClient(&rect);
        CPoint pt(rect.left + 4, rect.bottom - 3);
        m_ToolTip.ShowHelpTooltip(pt, GetToolTipText(IDC_GALLERY_PG_UTILISATION));
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
    if (!GalleryCreateHost(host, "Anchored page", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 420, 280))
        return false;
    CAnchoredPage page;
    CRect rcClient;
    host.GetClientRect(&rcClient);
    bool bOk = page.Create(WS_CHILD | WS_VISIBLE, rcClient, &host, 1) != FALSE;
    GalleryPump(200);
    bOk = bOk && GallerySaveWindow(host.m_hWnd, pszFolder, "page-anchored");
    host.MoveWindow(GalleryScaled(40), GalleryScaled(40), GalleryScaled(820), GalleryScaled(340));
    host.GetClientRect(&rcClient);
    page.MoveWindow(&rcClient);
    GalleryPump(200);
    bOk = bOk && GallerySaveWindow(host.m_hWnd, pszFolder, "page-anchored-wide");
    host.DestroyWindow();
    return bOk;
}

bool GalleryBarProperties(const char* pszFolder)
{
    CKwBarProperties bar;
    CGalleryMainFrame main;
    CBCGPMDIFrameWnd* pFrame = main.GetFrame();
    if (pFrame == NULL || !main.AddPane(bar, "Properties", CBRS_RIGHT, GalleryScaled(0, 0, 300, 200)))
        return false;
    CBCGPMDIChildWnd* pChild = new CBCGPMDIChildWnd;
    if (pChild->Create(NULL, "Hall frame.kwp", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
        GalleryScaled(10, 10, 300, 200), pFrame))
        pChild->MDIMaximize();
    CChecksPage* pChecks = new CChecksPage;
    CList<CKwPropertyPage*, CKwPropertyPage*> pages;
    pages.AddTail(new CMembersPage);
    pages.AddTail(new CAnchoredPage(IDS_GALLERY_PAGE_SECTION));
    pages.AddTail(pChecks);
    bar.SetPages(pages, 1, 1, 2);
    pFrame->SetForegroundWindow();
    AfxGetApp()->OnIdle(0);
    pFrame->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    GalleryPump(300);
    pChecks->ShowUtilisationTip();
    GalleryPump(300);
    CRect rectFrame;
    pFrame->GetWindowRect(&rectFrame);
    bool bSaved = GallerySaveScreen(rectFrame, pszFolder, "bar-properties");
    // The other two tabs in front, each in a picture of the pane.
    const char* const names[] = {"bar-properties-grid", "bar-properties-anchored"};
    for (int iTab = 0; iTab < 2; iTab++)
    {
        bar.GetTabWnd().SetActiveTab(iTab);
        GalleryPump(200);
        bSaved = GallerySaveWindow(bar.m_hWnd, pszFolder, names[iTab]) && bSaved;
    }
    return bSaved && bar.GetTabWnd().GetTabsNum() == 3;
}

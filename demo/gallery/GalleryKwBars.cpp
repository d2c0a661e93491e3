// GalleryKwBars.cpp: an engineering program's frame with toolkit bars round a document: a
// member tree and a section list as tabs on the left, properties on the right, an output log
// below; a progress control in the status bar; the Output bar's own menu open.
#include "GalleryKwBars.h"
#include "Gallery.h"
#include "GalleryDockFrame.rh"

#include "frame/KwControlBar.h"
#include "frame/KwDockingManager.h"
#include "frame/KwStatusBar.h"

#include <CBCGPMDIChildWnd.h>
#include <CBCGPMDIFrameWnd.h>
#include <CBCGPVisualManagerXP.h>

#include <afxwin.h>
#include <commctrl.h>

namespace {

// A bar that pictures the screen once its menu has opened, then closes the menu.
class CGalleryKwBar : public CKwControlBar
{
public:
    const char* m_pszFolder = "";
    CRect m_rectPicture;
    bool m_bSaved = false;

    afx_msg void OnInitMenuPopup(CMenu* pMenu, UINT nIndex, BOOL bSysMenu)
    {
        CKwControlBar::OnInitMenuPopup(pMenu, nIndex, bSysMenu);
        SetTimer(1, 300, NULL);
    }
    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        if (nIDEvent != 1)
        {
            CKwControlBar::OnTimer(nIDEvent);
            return;
        }
        KillTimer(nIDEvent);
        m_bSaved = GallerySaveScreen(m_rectPicture, m_pszFolder, "kw-bars");
        ::PostMessageA(::FindWindowA("#32768", NULL), WM_KEYDOWN, VK_ESCAPE, 0);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CGalleryKwBar, CKwControlBar)
    ON_WM_INITMENUPOPUP()
    ON_WM_TIMER()
END_MESSAGE_MAP()

BOOL MakeControl(CWnd& control, LPCSTR lpszClass, DWORD dwStyle, CWnd* pParent)
{
    if (!control.CreateEx(0, lpszClass, "", WS_CHILD | WS_VISIBLE | dwStyle, 0, 0, 10, 10, pParent->m_hWnd, NULL))
        return FALSE;
    control.SendMessage(WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT));
    return TRUE;
}

void AddLines(CWnd& list, std::initializer_list<const char*> lines)
{
    for (const char* pszLine : lines)
        list.SendMessage(LB_ADDSTRING, 0, (LPARAM)pszLine);
}

void FillMembers(CWnd& tree)
{
    TVINSERTSTRUCTA item = {};
    item.hInsertAfter = TVI_LAST;
    item.item.mask = TVIF_TEXT;
    item.item.pszText = (LPSTR) "Hall frame";
    HTREEITEM hRoot = (HTREEITEM)tree.SendMessage(TVM_INSERTITEMA, 0, (LPARAM)&item);
    for (const char* pszChild : {"Columns C1-C6", "Rafters R1-R3", "Purlins", "Bracing"})
    {
        item.hParent = hRoot;
        item.item.pszText = (LPSTR)pszChild;
        tree.SendMessage(TVM_INSERTITEMA, 0, (LPARAM)&item);
    }
    tree.SendMessage(TVM_EXPAND, TVE_EXPAND, (LPARAM)hRoot);
}

} // namespace

bool GalleryKwBars(const char* pszFolder)
{
    GalleryUseManager(RUNTIME_CLASS(CBCGPVisualManagerXP));
    CWinApp* pOwnApp = AfxGetApp() == NULL ? new CWinApp("KwUi Gallery") : NULL;
    CWinApp* pApp = AfxGetApp();
    CWnd* pOldMain = pApp->m_pMainWnd;
    CBCGPMDIFrameWnd* pFrame = new CBCGPMDIFrameWnd;
    CKwStatusBar status;
    CGalleryKwBar members, sections, properties, output;
    CWnd tree, sectionList, propertyList, log, progress;
    bool bSaved = false;
    if (pFrame->LoadFrame(IDR_GALLERY_FRAME))
    {
        pApp->m_pMainWnd = pFrame;
        pFrame->SetWindowPos(NULL, GalleryScaled(40), GalleryScaled(40), GalleryScaled(760),
            GalleryScaled(520), SWP_NOZORDER | SWP_SHOWWINDOW);
        pFrame->EnableDocking(CBRS_ALIGN_ANY);
        pFrame->EnableAutoHideBars(CBRS_ALIGN_ANY);
        static const UINT s_indicators[] = {ID_SEPARATOR, ID_INDICATOR_EXT, ID_INDICATOR_CAPS, ID_INDICATOR_NUM};
        status.Create(pFrame);
        status.SetIndicators(s_indicators, 4);
        status.SetPaneText(0, "Checking members...");
        status.SetPaneWidth(1, GalleryScaled(140));
        struct { CGalleryKwBar* pBar; const char* pszName; DWORD dwSide; CRect rect; } bars[] = {
            {&members, "Members", CBRS_LEFT, GalleryScaled(0, 0, 180, 200)},
            {&sections, "Sections", CBRS_LEFT, GalleryScaled(0, 0, 180, 200)},
            {&properties, "Properties", CBRS_RIGHT, GalleryScaled(0, 0, 170, 200)},
            {&output, "Output", CBRS_BOTTOM, GalleryScaled(0, 0, 300, 120)}};
        bool bMade = true;
        for (auto& bar : bars)
        {
            bMade = bMade && bar.pBar->Create(bar.pszName, pFrame, bar.rect, TRUE, 0, WS_CHILD | WS_VISIBLE | bar.dwSide);
            if (!bMade)
                break;
            bar.pBar->EnableDocking(CBRS_ALIGN_ANY);
            pFrame->DockControlBar(bar.pBar);
        }
        bMade = bMade && MakeControl(tree, WC_TREEVIEWA, TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT, &members) &&
            MakeControl(sectionList, "LISTBOX", LBS_NOINTEGRALHEIGHT, &sections) &&
            MakeControl(propertyList, "LISTBOX", LBS_NOINTEGRALHEIGHT, &properties) &&
            MakeControl(log, "EDIT", ES_MULTILINE | ES_READONLY, &output) &&
            progress.CreateEx(0, PROGRESS_CLASSA, "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, status.m_hWnd, NULL);
        if (bMade)
        {
            FillMembers(tree);
            AddLines(sectionList, {"HEA 200", "HEB 240", "IPE 300", "RHS 120x80x5"});
            AddLines(propertyList, {"Length      7.50 m", "Section     HEA 200", "Steel       S355", "Utilisation 0.87"});
            log.SetWindowText("Checking Hall frame...\r\nC3: buckling 0.91\r\nR2: deflection L/310");
            members.SetChild(&tree);
            sections.SetChild(&sectionList);
            properties.SetChild(&propertyList);
            output.SetChild(&log);
            sections.AttachToTabWnd(&members, DM_STANDARD, FALSE);
            progress.SendMessage(PBM_SETPOS, 60);
            status.AssignWndToPane(&progress, ID_INDICATOR_EXT);
            CBCGPMDIChildWnd* pChild = new CBCGPMDIChildWnd;
            if (pChild->Create(NULL, "Hall frame.kwp", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                GalleryScaled(10, 10, 300, 200), pFrame))
                pChild->MDIMaximize();
            pFrame->SetForegroundWindow();
            pApp->OnIdle(0);
            pFrame->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
            GalleryPump(300);
            // Undocking off: a right-click on the caption opens the bar's own menu.
            CKwDockingManager::EnableUndocking(FALSE);
            pFrame->GetWindowRect(&output.m_rectPicture);
            output.m_pszFolder = pszFolder;
            CRect rectOutput;
            output.GetWindowRect(&rectOutput);
            CPoint ptCaption = rectOutput.TopLeft() + CPoint(GalleryScaled(60), GalleryScaled(8));
            output.SendMessage(WM_CONTEXTMENU, (WPARAM)output.m_hWnd, MAKELPARAM(ptCaption.x, ptCaption.y));
            GalleryPump(1200);
            bSaved = output.m_bSaved;
            CKwDockingManager::EnableUndocking(TRUE);
        }
        pApp->m_pMainWnd = pOldMain;
        pFrame->DestroyWindow();
    }
    delete pOwnApp;
    GalleryUseManager(NULL);
    return bSaved;
}

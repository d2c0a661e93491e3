// GalleryDesktop.cpp: a desktop of a single-view and a tabbed child window, stored in a
// document's archive and restored into a fresh application frame.
#include "GalleryDesktop.h"
#include "Gallery.h"
#include "GalleryDesktop.rh"
#include "GalleryMembersView.h"

#include "frame/KwMDIFrameWnd.h"
#include "frame/KwMDIMonoChildWnd.h"
#include "frame/KwMDITabbedChildWnd.h"
#include "frame/KwMDITools.h"

#include <afxcmn.h>
#include <afxwin.h>

#include <vector>

namespace {

class CGalleryModel : public CDocument
{
};

// A table of the model, the one its context names; it hands its context back, so that the
// desktop stores it and finds it again.
class CGalleryTableView : public CListView
{
    DECLARE_SERIAL(CGalleryTableView)
public:
    CGalleryTableView()
    {
        if (const CViewContext* p = CViewContext::GetViewContext())
            m_ctx = *p;
    }
    void OnInitialUpdate() override;

protected:
    afx_msg LRESULT OnGetContext(WPARAM, LPARAM lParam)
    {
        *(CViewContext*)lParam = m_ctx;
        return 1;
    }
    afx_msg LRESULT OnCompareContext(WPARAM, LPARAM lParam) { return *(const CViewContext*)lParam == m_ctx; }
    DECLARE_MESSAGE_MAP()

    CViewContext m_ctx;
};
IMPLEMENT_SERIAL(CGalleryTableView, CListView, 1)
BEGIN_MESSAGE_MAP(CGalleryTableView, CListView)
    ON_MESSAGE(WM_KW_GETVIEWCONTEXT, &CGalleryTableView::OnGetContext)
    ON_MESSAGE(WM_KW_COMPAREVIEWCONTEXT, &CGalleryTableView::OnCompareContext)
END_MESSAGE_MAP()

// Each table: its columns, and the format of a row's cells from the row's number.
struct Table
{
    const char* pszName;
    const char* pszColumns[3];
    int nRows;
};
const Table s_tables[] = {
    {"Sections", {"Section", "Area (cm2)", "Iy (cm4)"}, 12},
    {"Loads", {"Case", "Kind", "Value (kN/m)"}, 8},
    {"Nodes", {"Node", "x (m)", "y (m)"}, 30},
};

CString Cell(const Table& table, int iRow, int iColumn)
{
    CString strCell;
    switch ((table.pszName[0] << 8) | iColumn)
    {
    case ('S' << 8) | 0: strCell.Format("HEA %d", 100 + 20 * iRow); break;
    case ('S' << 8) | 1: strCell.Format("%.1f", 21.2 + 6.3 * iRow); break;
    case ('S' << 8) | 2: strCell.Format("%d", 349 + 910 * iRow * iRow); break;
    case ('L' << 8) | 0: strCell.Format("LC%d", iRow + 1); break;
    case ('L' << 8) | 1: return iRow % 3 == 0 ? "dead" : iRow % 3 == 1 ? "live" : "wind";
    case ('L' << 8) | 2: strCell.Format("%.1f", 2.5 + 1.25 * iRow); break;
    case ('N' << 8) | 0: strCell.Format("N%d", iRow + 1); break;
    default: strCell.Format("%.1f", iColumn == 1 ? 1.5 * (iRow % 6) : 3.0 * (iRow / 6)); break;
    }
    return strCell;
}

void CGalleryTableView::OnInitialUpdate()
{
    CListCtrl& list = GetListCtrl();
    list.ModifyStyle(LVS_TYPEMASK, LVS_REPORT);
    list.SendMessage(WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT));
    list.SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    for (const Table& table : s_tables)
    {
        if (m_ctx.m_strText1 != table.pszName)
            continue;
        for (int iColumn = 0; iColumn < 3; iColumn++)
            list.InsertColumn(iColumn, table.pszColumns[iColumn], iColumn == 0 ? LVCFMT_LEFT : LVCFMT_RIGHT,
                GalleryScaled(iColumn == 0 ? 60 : 85));
        for (int iRow = 0; iRow < table.nRows; iRow++)
        {
            list.InsertItem(iRow, Cell(table, iRow, 0));
            list.SetItemText(iRow, 1, Cell(table, iRow, 1));
            list.SetItemText(iRow, 2, Cell(table, iRow, 2));
        }
    }
}

CViewContext Context(const char* pszTable)
{
    CViewContext ctx;
    ctx.m_strText1 = pszTable;
    return ctx;
}

CKwMDIFrameWnd* NewFrame()
{
    CKwMDIFrameWnd* pFrame = new CKwMDIFrameWnd;
    if (!pFrame->LoadFrame(IDR_GALLERY_DESKTOP))
        return NULL;
    AfxGetApp()->m_pMainWnd = pFrame;
    pFrame->SetWindowPos(NULL, GalleryScaled(60), GalleryScaled(60), GalleryScaled(660), GalleryScaled(460),
        SWP_NOZORDER | SWP_SHOWWINDOW);
    return pFrame;
}

void Place(CWnd* pWnd, const CRect& rect)
{
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof(wp);
    pWnd->GetWindowPlacement(&wp);
    wp.showCmd = SW_SHOWNORMAL;
    wp.rcNormalPosition = rect;
    pWnd->SetWindowPlacement(&wp);
}

bool Save(CKwMDIFrameWnd* pFrame, const char* pszFolder, const char* pszName)
{
    pFrame->SetForegroundWindow();
    pFrame->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    GalleryPump(300);
    return GallerySaveWindow(pFrame->m_hWnd, pszFolder, pszName);
}

} // namespace

bool GalleryDesktop(const char* pszFolder)
{
    CWinApp* pOwnApp = AfxGetApp() == NULL ? new CWinApp("KwUi Gallery") : NULL;
    CWnd* pOldMain = AfxGetApp()->m_pMainWnd;
    CGalleryModel* pDoc = new CGalleryModel;
    pDoc->m_bAutoDelete = FALSE;
    pDoc->SetTitle("Bridge");
    bool bSaved = false;
    CKwMDIFrameWnd* pFrame = NewFrame();
    if (pFrame != NULL)
    {
        // The desktop as the user left it: the 10,000 members, longest first, and the tabbed
        // window over them.
        CViewContext members = Context("Members");
        members.m_nValue1 = 1 + CGalleryMembersView::kColumnLength;
        members.m_nValue2 = 1;
        Place(CKwMDIMonoChildWnd::Open(IDR_GALLERY_DESKTOP_CHILD, RUNTIME_CLASS(CGalleryMembersView),
                  members, pDoc, SW_SHOWNORMAL, FALSE),
            GalleryScaled(8, 8, 300, 330));
        CKwMDITabbedChildWnd::COpenList list;
        list.Add(IDS_GALLERY_TAB_SECTIONS, RUNTIME_CLASS(CGalleryTableView), Context("Sections"));
        list.Add(IDS_GALLERY_TAB_LOADS, RUNTIME_CLASS(CGalleryTableView), Context("Loads"));
        list.Add(IDS_GALLERY_TAB_NODES, RUNTIME_CLASS(CGalleryTableView), Context("Nodes"));
        Place(CKwMDITabbedChildWnd::Open(IDR_GALLERY_DESKTOP_CHILD, list, pDoc, -1, 1, SW_SHOWNORMAL, FALSE),
            GalleryScaled(200, 50, 620, 360));

        // Stored into the document's archive from the bottom of the Z order up, so that the
        // active window comes back last, and active.
        CMemFile file;
        std::vector<CMDIChildWnd*> children;
        for (CMDIChildWnd* p = CKwMDITools::GetFirstMDIChildWnd(); p != NULL; p = CKwMDITools::GetNextMDIChildWnd(p))
            children.insert(children.begin(), p);
        {
            CArchive ar(&file, CArchive::store);
            ar.m_pDocument = pDoc;
            ar << (DWORD)children.size();
            for (CMDIChildWnd* p : children)
                CKwMDITools::StoreWindowForSharedDoc(p, ar);
            ar.Close();
        }
        CKwMDITools::CloseAllMDIChildWindows();
        AfxGetApp()->m_pMainWnd = NULL;
        pFrame->DestroyWindow();

        pFrame = NewFrame();
        CMDIChildWnd* pMono = NULL;
        if (pFrame != NULL)
        {
            file.SeekToBegin();
            CArchive ar(&file, CArchive::load);
            ar.m_pDocument = pDoc;
            DWORD nWindows = 0;
            ar >> nWindows;
            for (DWORD i = 0; i < nWindows; i++)
            {
                CMDIChildWnd* pWnd = CKwMDITools::RestoreWindow(ar, pDoc, "");
                if (pWnd != NULL && pWnd->IsKindOf(RUNTIME_CLASS(CKwMDIMonoChildWnd)))
                    pMono = pWnd;
            }
        }
        if (pMono != NULL && pFrame->MDIGetActive()->IsKindOf(RUNTIME_CLASS(CKwMDITabbedChildWnd)))
        {
            bSaved = Save(pFrame, pszFolder, "desktop-restored");
            pFrame->MDIActivate(pMono);
            bSaved = Save(pFrame, pszFolder, "desktop-mono") && bSaved;
        }
        CKwMDITools::CloseAllMDIChildWindows();
        AfxGetApp()->m_pMainWnd = pOldMain;
        if (pFrame != NULL)
            pFrame->DestroyWindow(); // deletes it
    }
    delete pDoc;
    delete pOwnApp;
    return bSaved;
}

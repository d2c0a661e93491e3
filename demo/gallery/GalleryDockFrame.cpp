// GalleryDockFrame.cpp: an MDI frame of the docking library with two document windows, each
// showing its text in an edit control as its view.
#include "GalleryDockFrame.h"
#include "Gallery.h"
#include "GalleryDockFrame.rh"

#include "CBCGPMDIChildWnd.h"
#include "CBCGPMDIFrameWnd.h"
#include "CBCGPMenuBar.h"

#include <afxwin.h>
#include <afxcmn.h>

namespace {

// A plan: lines of text, shown in an edit control as its view.
class CGalleryPlan : public CDocument
{
    DECLARE_DYNCREATE(CGalleryPlan)
public:
    CString m_strText;
    BOOL OnNewDocument() override
    {
        static const char* const s_texts[] = {"Ground floor\r\nSpan 6.40 m\r\nLoad 5.0 kN/m2",
            "First floor\r\nSpan 5.20 m\r\nLoad 3.5 kN/m2"};
        static int s_nMade = 0;
        m_strText = s_texts[s_nMade++ % 2];
        return CDocument::OnNewDocument();
    }
};
IMPLEMENT_DYNCREATE(CGalleryPlan, CDocument)

class CGalleryPlanView : public CCtrlView
{
    DECLARE_DYNCREATE(CGalleryPlanView)
public:
    CGalleryPlanView() : CCtrlView("EDIT", AFX_WS_DEFAULT_VIEW | ES_MULTILINE | ES_READONLY) {}
    void OnInitialUpdate() override
    {
        SendMessage(WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT));
        SetWindowText(((CGalleryPlan*)GetDocument())->m_strText);
    }
};
IMPLEMENT_DYNCREATE(CGalleryPlanView, CCtrlView)

// A table of sections, shown in a list view.
class CGallerySections : public CDocument
{
    DECLARE_DYNCREATE(CGallerySections)
};
IMPLEMENT_DYNCREATE(CGallerySections, CDocument)

class CGallerySectionsView : public CListView
{
    DECLARE_DYNCREATE(CGallerySectionsView)
public:
    void OnInitialUpdate() override
    {
        CListCtrl& list = GetListCtrl();
        list.ModifyStyle(LVS_TYPEMASK, LVS_REPORT);
        list.InsertColumn(0, "Section", LVCFMT_LEFT, GalleryScaled(90));
        list.InsertColumn(1, "Area (cm2)", LVCFMT_RIGHT, GalleryScaled(80));
        static const char* const s_rows[][2] = {{"HEA 200", "53.8"}, {"IPE 300", "53.8"}, {"UPN 160", "24.0"}};
        for (int i = 0; i < 3; i++)
        {
            list.InsertItem(i, s_rows[i][0]);
            list.SetItemText(i, 1, s_rows[i][1]);
        }
    }
};
IMPLEMENT_DYNCREATE(CGallerySectionsView, CListView)

// While the bar's popup is open: pictures the frame with it, then closes it.
struct PopupShot
{
    HWND hFrame;
    const char* pszFolder;
    bool bSaved;
};
PopupShot s_shot;

void CALLBACK SavePopup(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    ::KillTimer(NULL, nIDEvent);
    HWND hMenu = ::FindWindowA("#32768", NULL);
    CRect rect, rectMenu;
    ::GetWindowRect(s_shot.hFrame, &rect);
    if (hMenu != NULL && ::GetWindowRect(hMenu, &rectMenu))
    {
        rect.UnionRect(&rect, &rectMenu);
        s_shot.bSaved = GallerySaveScreen(rect, s_shot.pszFolder, "dock-frame-menu");
    }
    ::EndMenu();
}


// While the New dialog is up: pictures it, then cancels it.
void CALLBACK SaveNewDialog(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    HWND hDlg = ::FindWindowA("#32770", "New");
    if (hDlg == NULL)
        return;
    ::KillTimer(NULL, nIDEvent);
    GalleryPump(100);
    s_shot.bSaved = GallerySaveWindow(hDlg, s_shot.pszFolder, "documents-new");
    ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
}

} // namespace

bool GalleryDockFrame(const char* pszFolder)
{
    // The documents need an application to hold their templates and main window.
    CWinApp* pApp = AfxGetApp();
    CWinApp* pOwnApp = pApp == NULL ? new CWinApp("KwUi Gallery") : NULL;
    if (pOwnApp != NULL)
        pApp = pOwnApp;
    CDocManager* pOldManager = pApp->m_pDocManager;
    pApp->m_pDocManager = NULL;
    CMultiDocTemplate* pPlans = new CMultiDocTemplate(IDR_GALLERY_DOC, RUNTIME_CLASS(CGalleryPlan),
        RUNTIME_CLASS(CBCGPMDIChildWnd), RUNTIME_CLASS(CGalleryPlanView));
    CMultiDocTemplate* pSections = new CMultiDocTemplate(IDR_GALLERY_SECTIONS, RUNTIME_CLASS(CGallerySections),
        RUNTIME_CLASS(CBCGPMDIChildWnd), RUNTIME_CLASS(CGallerySectionsView));
    pApp->AddDocTemplate(pPlans);
    pApp->AddDocTemplate(pSections);
    CWnd* pOldMain = pApp->m_pMainWnd;
    CBCGPMDIFrameWnd* pFrame = new CBCGPMDIFrameWnd;
    bool bSaved = false;
    if (pFrame->LoadFrame(IDR_GALLERY_FRAME))
    {
        pApp->m_pMainWnd = pFrame;
        pFrame->SetWindowPos(NULL, GalleryScaled(60), GalleryScaled(60), GalleryScaled(560),
            GalleryScaled(380), SWP_NOZORDER | SWP_SHOWWINDOW);
        CDocument* pPlan1 = pPlans->OpenDocumentFile(NULL);
        CDocument* pTable = pSections->OpenDocumentFile(NULL);
        CDocument* pPlan2 = pPlans->OpenDocumentFile(NULL);
        CMDIChildWnd* pActive = pFrame->MDIGetActive();
        if (pPlan1 != NULL && pTable != NULL && pPlan2 != NULL && pActive != NULL)
        {
            pFrame->MDICascade();
            pFrame->SetForegroundWindow();
            pFrame->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
            GalleryPump(300);
            bSaved = GallerySaveWindow(pFrame->m_hWnd, pszFolder, "dock-frame");
            pFrame->MDIMaximize(pActive);
            pFrame->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
            GalleryPump(300);
            bSaved = GallerySaveWindow(pFrame->m_hWnd, pszFolder, "dock-frame-maximized") && bSaved;
            // The Edit popup opened from the bar, its items set by the frame's command UI.
            s_shot = {pFrame->m_hWnd, pszFolder, false};
            ::SetTimer(NULL, 0, 400, SavePopup);
            pFrame->GetMenuBar()->OpenPopup(1);
            bSaved = s_shot.bSaved && bSaved;
            // File New asks which kind of document to make.
            s_shot = {pFrame->m_hWnd, pszFolder, false};
            UINT_PTR nTimer = ::SetTimer(NULL, 0, 200, SaveNewDialog);
            pApp->OnFileNew();
            ::KillTimer(NULL, nTimer);
            bSaved = s_shot.bSaved && bSaved;
        }
        pApp->CloseAllDocuments(TRUE);
        pApp->m_pMainWnd = pOldMain;
        pFrame->DestroyWindow(); // deletes itself
    }
    delete pApp->m_pDocManager; // and the templates
    pApp->m_pDocManager = pOldManager;
    delete pOwnApp;
    return bSaved;
}

// GallerySoleDoc.cpp: a sole-document application whose frame opens its views on the model when
// the model is made, and closes them with it.
#include "GallerySoleDoc.h"
#include "Gallery.h"
#include "GalleryHtmlView.h"
#include "GalleryMembersView.h"
#include "GallerySoleDoc.rh"

#include "frame/KwMDIMonoChildWnd.h"
#include "frame/KwSoleDoc.h"
#include "frame/KwSoleDocApp.h"
#include "frame/KwSoleDocMDIFrameWnd.h"
#include "frame/KwSoleDocTemplate.h"
#include "pickers/KwHtmlView.h"

namespace {

// A bridge: its first content comes with the new document.
class CGalleryBridge : public CKwSoleDoc
{
    DECLARE_DYNCREATE(CGalleryBridge)
public:
    CStringArray m_facts;
    int OnFinalConstruct() override
    {
        for (const char* fact : {"Rhine crossing, three spans", "Spans: 42 m + 60 m + 42 m", "Girders: steel HEA 800",
                 "Members: 10,000", "Load cases: 8 (dead, live, wind)", "Status: checked, not yet saved"})
            m_facts.Add(fact);
        return TRUE;
    }
};
IMPLEMENT_DYNCREATE(CGalleryBridge, CKwSoleDoc)

// The model's facts, one a line.
class CGallerySummaryView : public CView
{
    DECLARE_DYNCREATE(CGallerySummaryView)
protected:
    void OnDraw(CDC* pDC) override
    {
        CRect rc;
        GetClientRect(&rc);
        pDC->FillSolidRect(rc, RGB(255, 255, 255));
        CGalleryBridge* pBridge = DYNAMIC_DOWNCAST(CGalleryBridge, GetDocument());
        if (pBridge == NULL)
            return;
        CFont* pOldFont = pDC->SelectObject(CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT)));
        pDC->SetBkMode(TRANSPARENT);
        for (int i = 0; i < pBridge->m_facts.GetSize(); i++)
        {
            pDC->SetTextColor(i == 0 ? RGB(0, 70, 140) : RGB(0, 0, 0));
            pDC->TextOut(GalleryScaled(12), GalleryScaled(12 + 20 * i), pBridge->m_facts[i]);
        }
        pDC->SelectObject(pOldFont);
    }
};
IMPLEMENT_DYNCREATE(CGallerySummaryView, CView)

// The model's report, written as HTML when the view's blank page has loaded.
class CGalleryReportView : public CKwHtmlView
{
    DECLARE_DYNCREATE(CGalleryReportView)
public:
    void OnInitialUpdate() override
    {
        SetContents(GalleryBeamReport());
        CKwHtmlView::OnInitialUpdate();
    }
};
IMPLEMENT_DYNCREATE(CGalleryReportView, CKwHtmlView)

// The windows the frame opens on a model: one line each, in the order they open.
struct ChildWindow
{
    CRuntimeClass* pViewClass;
    const char* pszContext;
    RECT rcPlace;
};
const ChildWindow s_children[] = {
    {RUNTIME_CLASS(CGalleryMembersView), "Members", {8, 8, 330, 330}},
    {RUNTIME_CLASS(CGallerySummaryView), "Summary", {280, 40, 630, 260}},
    {RUNTIME_CLASS(CGalleryReportView), "Report", {130, 130, 700, 570}},
};

class CGallerySoleFrame : public CKwSoleDocMDIFrameWnd
{
public:
    void OnOpenSoleDoc(CDocument* pDoc) override
    {
        // The children show the application's menu.
        for (const ChildWindow& child : s_children)
        {
            CViewContext ctx;
            ctx.m_strText1 = child.pszContext;
            CMDIChildWnd* pWnd = CKwMDIMonoChildWnd::Open(IDR_GALLERY_SOLEDOC, child.pViewClass, ctx, pDoc,
                SW_SHOWNORMAL, FALSE);
            const RECT& rc = child.rcPlace, rcScaled = GalleryScaled(rc.left, rc.top, rc.right, rc.bottom);
            if (pWnd != NULL)
                pWnd->MoveWindow(&rcScaled);
        }
    }
};

} // namespace

bool GallerySoleDoc(const char* pszFolder)
{
    if (AfxGetApp() != NULL)
        return false; // the picture needs an application of its kind
    CKwSoleDocApp app("KwUi Gallery");
    app.AddDocTemplate(new CKwSoleDocTemplate(IDR_GALLERY_SOLEDOC_MODEL, RUNTIME_CLASS(CGalleryBridge)));
    CGallerySoleFrame* pFrame = new CGallerySoleFrame;
    if (!pFrame->LoadFrame(IDR_GALLERY_SOLEDOC))
        return false;
    app.m_pMainWnd = pFrame;
    pFrame->SetWindowPos(NULL, GalleryScaled(60), GalleryScaled(60), GalleryScaled(720), GalleryScaled(640),
        SWP_NOZORDER | SWP_SHOWWINDOW);
    // As the user's File New makes it.
    pFrame->SendMessage(WM_COMMAND, ID_KW_FILE_NEW_SOLEDOC);
    pFrame->OnUpdateFrameTitle(TRUE);
    bool bSaved = false;
    if (app.GetSoleDoc() != NULL && pFrame->MDIGetActive() != NULL)
    {
        pFrame->SetForegroundWindow();
        pFrame->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
        GalleryPump(300);
        bSaved = GallerySaveWindow(pFrame->m_hWnd, pszFolder, "sole-doc");
    }
    app.CloseAllDocuments(FALSE);
    app.m_pMainWnd = NULL;
    pFrame->DestroyWindow(); // deletes it
    return bSaved;
}

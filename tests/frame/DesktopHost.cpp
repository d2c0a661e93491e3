// DesktopHost.cpp: the desktop tests' host.
#include "DesktopHost.h"

#include "support/MessageRecorder.h"

Seq g_seq;
BOOL CDeskDoc::s_bRefuseClose = FALSE;
IMPLEMENT_DYNCREATE(CDeskDoc, CDocument)
IMPLEMENT_SERIAL(CDeskView, CView, 1)
IMPLEMENT_SERIAL(CDeskOtherView, CDeskView, 1)

BEGIN_MESSAGE_MAP(CDeskView, CView)
    ON_MESSAGE(WM_KW_GETVIEWCONTEXT, &CDeskView::OnGetContext)
    ON_MESSAGE(WM_KW_COMPAREVIEWCONTEXT, &CDeskView::OnCompareContext)
    ON_MESSAGE(WM_KW_GETVIEWTITLE, &CDeskView::OnGetTitle)
END_MESSAGE_MAP()

CDeskView::CDeskView()
{
    if (const CViewContext* p = CViewContext::GetViewContext())
        m_ctx = *p;
}

void CDeskView::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << m_strData;
    else
        ar >> m_strData;
}

LRESULT CDeskView::OnGetContext(WPARAM, LPARAM lParam)
{
    *(CViewContext*)lParam = m_ctx;
    return 1;
}

LRESULT CDeskView::OnCompareContext(WPARAM, LPARAM lParam)
{
    return *(const CViewContext*)lParam == m_ctx;
}

LRESULT CDeskView::OnGetTitle(WPARAM, LPARAM lParam)
{
    *(CString*)lParam = m_ctx.m_strText2;
    return 0;
}

std::string NameOf(CWnd* pFrame)
{
    CDeskView* pView = pFrame != NULL ? DYNAMIC_DOWNCAST(CDeskView, pFrame->GetDlgItem(AFX_IDW_PANE_FIRST)) : NULL;
    return pView != NULL ? (LPCSTR)pView->m_ctx.m_strText1 : "-";
}

namespace {
class CRecordingBar : public CBCGPMenuBar
{
    void SetMaximizeMode(BOOL bMax, CWnd* pWnd, BOOL bRecalcLayout) override
    {
        g_seq.push_back("max " + std::to_string(bMax) + " " + NameOf(pWnd) + " " + std::to_string(bRecalcLayout));
        CBCGPMenuBar::SetMaximizeMode(bMax, pWnd, bRecalcLayout);
    }
};
} // namespace

CBCGPMenuBar* CDeskFrame::NewMenuBar()
{
    return new CRecordingBar;
}

void DesktopTest::SetUp()
{
    g_seq.clear();
    CDeskDoc::s_bRefuseClose = FALSE;
    m_app.AddDocTemplate(new CKwMultiDocTemplate(
        IDR_DESK_VIEW, RUNTIME_CLASS(CDeskDoc), RUNTIME_CLASS(CKwMDIBasicChildWnd), RUNTIME_CLASS(CDeskView), FALSE));
    m_app.AddDocTemplate(new CKwMultiDocTemplate(IDR_DESK_OTHER, RUNTIME_CLASS(CDeskDoc),
        RUNTIME_CLASS(CKwMDIBasicChildWnd), RUNTIME_CLASS(CDeskOtherView), FALSE));
    m_pDoc = new CDeskDoc;
    m_pDoc->m_bAutoDelete = FALSE;
    NewFrame();
}

void DesktopTest::TearDown()
{
    DestroyFrame();
    delete m_pDoc;
    m_app.CloseAllDocuments(FALSE);
}

void DesktopTest::NewFrame(BOOL bMenuBar)
{
    m_pFrame = new CDeskFrame;
    ASSERT_TRUE(m_pFrame->LoadFrame(bMenuBar ? IDR_DESK_MAIN : IDR_DESK_BARE));
    m_app.m_pMainWnd = m_pFrame;
    m_pFrame->SetWindowPos(NULL, 0, 0, 800, 600, SWP_NOZORDER | SWP_SHOWWINDOW);
    PumpMessages(0);
}

void DesktopTest::DestroyFrame()
{
    CDeskDoc::s_bRefuseClose = FALSE;
    if (m_pFrame != nullptr)
    {
        CKwMDITools::CloseAllMDIChildWindows();
        m_pFrame->DestroyWindow();
    }
    m_pFrame = nullptr;
    m_app.m_pMainWnd = NULL;
    PumpMessages(0);
}

CKwMDIMonoChildWnd* DesktopTest::OpenMono(const char* text, CRuntimeClass* pView, UINT nCmdShow, int bReplace)
{
    return CKwMDIMonoChildWnd::Open(IDR_DESK_VIEW, pView, Context(text), m_pDoc, nCmdShow, bReplace);
}

CViewContext DesktopTest::Context(const char* text, long value)
{
    CViewContext ctx;
    ctx.m_strText1 = text;
    ctx.m_nValue3 = value;
    return ctx;
}

int DesktopTest::CountChildren()
{
    int n = 0;
    for (CMDIChildWnd* p = CKwMDITools::GetFirstMDIChildWnd(); p != NULL; p = CKwMDITools::GetNextMDIChildWnd(p))
        n++;
    return n;
}

Bytes DesktopTest::StoreDesktop()
{
    std::vector<CMDIChildWnd*> children;
    for (CMDIChildWnd* p = CKwMDITools::GetFirstMDIChildWnd(); p != NULL; p = CKwMDITools::GetNextMDIChildWnd(p))
        children.insert(children.begin(), p);
    return StoreBytes([&](CArchive& ar) {
        for (CMDIChildWnd* p : children)
        {
            if (p->IsKindOf(RUNTIME_CLASS(CKwMDIMonoChildWnd)))
                CKwMDITools::StoreWindowForSharedDoc(p, ar);
            else
                CKwMDITools::StoreWindowForSeparateDoc(p, ar, "C:\\desk");
        }
    });
}

std::vector<CMDIChildWnd*> DesktopTest::RestoreDesktop(const Bytes& bytes)
{
    std::vector<CMDIChildWnd*> restored;
    LoadBytes(bytes, [&](CArchive& ar) {
        CFile* pFile = ar.GetFile();
        for (int i = 0; i < 100 && !(ar.IsBufferEmpty() && pFile->GetPosition() == pFile->GetLength()); i++)
            if (CMDIChildWnd* p = CKwMDITools::RestoreWindow(ar, m_pDoc, "C:\\desk"))
                restored.push_back(p);
    });
    return restored;
}

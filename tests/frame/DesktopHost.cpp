// DesktopHost.cpp: the desktop tests' host.
#include "DesktopHost.h"

#include "support/MessageRecorder.h"

#include <CBCGPMenuBar.h>

#include <set>

Seq g_seq;
BOOL CDeskDoc::s_bRefuseClose = FALSE;
IMPLEMENT_DYNCREATE(CDeskDoc, CDocument)
IMPLEMENT_SERIAL(CDeskView, CView, 1)
IMPLEMENT_SERIAL(CDeskOtherView, CDeskView, 1)

CDeskView::CDeskView()
{
    if (const CViewContext* p = CViewContext::GetViewContext())
        m_ctx = *p;
}

LRESULT CDeskView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_KW_GETVIEWCONTEXT)
        return *(CViewContext*)lParam = m_ctx, 1;
    if (message == WM_KW_COMPAREVIEWCONTEXT)
        return *(const CViewContext*)lParam == m_ctx;
    if (message == WM_KW_GETVIEWTITLE)
        return *(CString*)lParam = m_ctx.m_strText2, 0;
    return CView::WindowProc(message, wParam, lParam);
}

std::string NameOf(CWnd* pFrame)
{
    CDeskView* pView = pFrame != NULL ? DYNAMIC_DOWNCAST(CDeskView, pFrame->GetDlgItem(AFX_IDW_PANE_FIRST)) : NULL;
    return pView != NULL ? (LPCSTR)pView->m_ctx.m_strText1 : "-";
}

namespace {
struct CRecordingBar : CBCGPMenuBar
{
    void SetMaximizeMode(BOOL bMax, CWnd* pWnd, BOOL bRecalcLayout) override
    {
        g_seq.push_back("max " + std::to_string(bMax) + " " + NameOf(pWnd) + " " + std::to_string(bRecalcLayout));
        CBCGPMenuBar::SetMaximizeMode(bMax, pWnd, bRecalcLayout);
    }
};
struct CDeskFrame : CBCGPMDIFrameWnd
{
    CBCGPMenuBar* NewMenuBar() override { return new CRecordingBar; }
};
} // namespace

void DesktopTest::SetUp()
{
    g_seq.clear();
    m_app.AddDocTemplate(new CKwMultiDocTemplate(
        IDR_DESK_VIEW, RUNTIME_CLASS(CDeskDoc), RUNTIME_CLASS(CKwMDIBasicChildWnd), RUNTIME_CLASS(CDeskView), FALSE));
    m_pDoc = new CDeskDoc;
    m_pDoc->m_bAutoDelete = FALSE;
    NewFrame();
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
    CKwMDITools::CloseAllMDIChildWindows();
    // No longer the main window first: the main window going would end the message loop.
    m_app.m_pMainWnd = NULL;
    m_pFrame->DestroyWindow();
    PumpMessages(0);
}

std::vector<CMDIChildWnd*> DesktopTest::Children()
{
    std::vector<CMDIChildWnd*> children;
    for (CMDIChildWnd* p = CKwMDITools::GetFirstMDIChildWnd(); p != NULL; p = CKwMDITools::GetNextMDIChildWnd(p))
        children.push_back(p);
    return children;
}

Bytes DesktopTest::StoreDesktop()
{
    std::vector<CMDIChildWnd*> children = Children();
    return StoreBytes([&](CArchive& ar) {
        for (CMDIChildWnd* p : std::vector<CMDIChildWnd*>(children.rbegin(), children.rend()))
            if (p->IsKindOf(RUNTIME_CLASS(CKwMDIMonoChildWnd)))
                CKwMDITools::StoreWindowForSharedDoc(p, ar);
            else
                CKwMDITools::StoreWindowForSeparateDoc(p, ar, "C:\\desk");
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

Seq DesktopTest::RestoreAndClose(const Bytes& bytes)
{
    std::vector<CMDIChildWnd*> restored = RestoreDesktop(bytes);
    EXPECT_EQ(std::set<CMDIChildWnd*>(restored.begin(), restored.end()).size(), (size_t)CountChildren());
    EXPECT_TRUE(CViewContext::GetViewContext() == NULL);
    EXPECT_TRUE(::LockWindowUpdate(m_pFrame->m_hWnd));
    ::LockWindowUpdate(NULL);
    Seq names;
    for (CMDIChildWnd* p : restored)
        names.push_back(NameOf(p));
    CKwMDITools::CloseAllMDIChildWindows();
    PumpMessages(0);
    return names;
}

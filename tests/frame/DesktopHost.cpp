// DesktopHost.cpp: the desktop tests' host.
#include "DesktopHost.h"

#include "frame/KwDesktopRecord.h"
#include "support/MessageRecorder.h"
#include "support/PrivateBytes.h"
#include "support/TestMutator.h"

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

namespace {
BOOL CALLBACK AddWindow(HWND hWnd, LPARAM lParam)
{
    ((std::vector<HWND>*)lParam)->push_back(hWnd);
    return TRUE;
}
// The windows a restore may leave behind: the MDI client's children from the top of the Z order
// (the active one first), then the thread's top-level windows.
std::vector<HWND> Windows()
{
    std::vector<HWND> windows;
    if (CWnd* pClient = CKwMDITools::GetMDIClientWnd())
        for (HWND h = ::GetWindow(pClient->m_hWnd, GW_CHILD); h != NULL; h = ::GetWindow(h, GW_HWNDNEXT))
            windows.push_back(h);
    EnumThreadWindows(GetCurrentThreadId(), AddWindow, (LPARAM)&windows);
    return windows;
}
// The documents the application's templates hold open.
int CountDocuments()
{
    int n = 0;
    CWinApp* pApp = AfxGetApp();
    for (POSITION pos = pApp->GetFirstDocTemplatePosition(); pos != NULL;)
    {
        CDocTemplate* pTemplate = pApp->GetNextDocTemplate(pos);
        for (POSITION doc = pTemplate->GetFirstDocPosition(); doc != NULL; n++)
            pTemplate->GetNextDoc(doc);
    }
    return n;
}
std::set<HWND> AsSet(const std::vector<HWND>& windows)
{
    return std::set<HWND>(windows.begin(), windows.end());
}
} // namespace

Seq DesktopTest::RestoreAndClose(const Bytes& bytes)
{
    std::vector<HWND> windows = Windows();
    int nDocuments = CountDocuments();
    std::vector<CMDIChildWnd*> restored;
    LoadBytes(bytes, [&](CArchive& ar) {
        CFile* pFile = ar.GetFile();
        for (int i = 0; i < 100 && !(ar.IsBufferEmpty() && pFile->GetPosition() == pFile->GetLength()); i++)
        {
            std::vector<HWND> before = Windows();
            CMDIChildWnd* p = CKwMDITools::RestoreWindow(ar, m_pDoc, "C:\\desk");
            if (p == NULL)
            {
                EXPECT_EQ(before, Windows()) << "record " << i;
                continue;
            }
            restored.push_back(p);
            std::set<HWND> expected = AsSet(before);
            expected.insert(p->m_hWnd);
            EXPECT_EQ(expected, AsSet(Windows())) << "record " << i;
        }
    });
    EXPECT_TRUE(CViewContext::GetViewContext() == NULL);
    EXPECT_TRUE(::LockWindowUpdate(m_pFrame->m_hWnd));
    ::LockWindowUpdate(NULL);
    Seq names;
    for (CMDIChildWnd* p : restored)
        names.push_back(NameOf(p));
    // Those that were open before stay.
    std::set<HWND> open = AsSet(windows);
    for (CMDIChildWnd* p : restored)
        if (::IsWindow(p->m_hWnd) && open.count(p->m_hWnd) == 0)
            p->SendMessage(WM_CLOSE);
    PumpMessages(0);
    EXPECT_EQ(AsSet(windows), AsSet(Windows()));
    EXPECT_EQ(nDocuments, CountDocuments());
    return names;
}

void DesktopTest::ReadMutations(const std::vector<Bytes>& seeds, int nInputs, uint64_t nRandomSeed, uint32_t nBuildPercent)
{
    std::vector<TestMutator> mutators(seeds.begin(), seeds.end());
    TestRandom random(nRandomSeed);
    std::vector<HWND> windows = Windows();
    SIZE_T nMemory = 0;
    int nAccepted = 0, nBuilt = 0;
    for (int i = 0; i < nInputs && !HasFailure(); i++)
    {
        if (i == 1000)
            nMemory = PrivateBytes();
        Bytes bytes = mutators[i % mutators.size()].Mutate(random);
        SCOPED_TRACE(::testing::Message() << "input " << i);
        bool bAccepted = true;
        LoadBytes(bytes, [&](CArchive& ar) {
            try
            {
                CKwDesktopRecord().Read(ar, "C:\\desk");
            }
            catch (CException* e)
            {
                e->Delete();
                bAccepted = false;
            }
        });
        nAccepted += bAccepted;
        if (bAccepted && random.Below(100) < nBuildPercent)
            nBuilt++, RestoreAndClose(bytes);
        else
            EXPECT_EQ(windows, Windows());
    }
    EXPECT_LT(PrivateBytes(), nMemory + (8 << 20));
    // How many were read whole, and how many of those restored, in the test's XML report.
    RecordProperty("accepted", nAccepted);
    RecordProperty("built", nBuilt);
}

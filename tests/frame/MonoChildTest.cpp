// The single-view child: activation events and the menu bar's maximize calls in order; opening
// what is shown already, replacing the active child, the view's title; closing with a refusal.
#include "DesktopHost.h"

#include "core/KwEventListener.h"
#include "frame/KwMDIBasicChildWndEventOnMDIActivate.h"
#include "support/MessageRecorder.h"

namespace {

struct CSeqListener : CKwEventListener
{
    void OnEvent(CKwEventSource* pSource, CKwEvent* pEvent) override
    {
        auto* p = dynamic_cast<CKwMDIBasicChildWndEventOnMDIActivate*>(pEvent);
        g_seq.push_back("event " + NameOf(dynamic_cast<CWnd*>(pSource)) + (p->bActivate ? " on " : " off ") +
                        NameOf(p->pActivateWnd) + " " + NameOf(p->pDeactivateWnd));
    }
} g_listener;

TEST_F(DesktopTest, ActivationIsAnnouncedAndTheMenuBarFollowsTheMaximizedChild)
{
    for (BOOL bMenuBar : {TRUE, FALSE})
    {
        DestroyFrame();
        NewFrame(bMenuBar);
        CKwMDIMonoChildWnd* a = OpenMono("a", RUNTIME_CLASS(CDeskView), SW_SHOWMAXIMIZED);
        CKwMDIMonoChildWnd* b = OpenMono("b");
        a->Subscribe(&g_listener);
        b->Subscribe(&g_listener);
        ASSERT_TRUE(b->IsZoomed()); // opened beside a maximized child: maximized too
        g_seq.clear();
        m_pFrame->MDIActivate(a);
        // The MDI client activates a before and after maximizing it; the bar's buttons move to a
        // once it is maximized, before its listeners hear of it.
        Seq expected = {"event b off a b", "event b off a b", "event a on a b", "event a on a b"};
        if (bMenuBar)
            expected = {"event b off a b", "event b off a b", "event a on a b", "max 0 a 1", "max 1 a 1", "event a on a b"};
        EXPECT_EQ(expected, g_seq) << bMenuBar;
    }
}

TEST_F(DesktopTest, OpenActivatesWhatIsShownAlreadyOrReplacesTheActiveChild)
{
    CKwMDIMonoChildWnd* a = OpenMono("a");
    ASSERT_TRUE(OpenMono("b") != a);
    EXPECT_EQ(a, OpenMono("a"));
    EXPECT_EQ(a, m_pFrame->MDIGetActive());
    // Another view class with the same context is another window.
    EXPECT_NE(a, OpenMono("a", RUNTIME_CLASS(CDeskOtherView)));
    EXPECT_EQ(3, CountChildren());

    // The view's title, else the document's.
    m_pDoc->SetTitle("Doc");
    CString strTitle;
    a->GetWindowText(strTitle);
    EXPECT_EQ(CString("Doc:1"), strTitle);
    CViewContext titled = Context("t");
    titled.m_strText2 = "Titled";
    CKwMDIMonoChildWnd* t = CKwMDIMonoChildWnd::Open(IDR_DESK_VIEW, RUNTIME_CLASS(CDeskView), titled, m_pDoc, SW_SHOWNORMAL, FALSE);
    t->GetWindowText(strTitle);
    EXPECT_EQ(CString("Titled"), strTitle);

    // Replacing: the new window takes the old one's place, the old one closes afterwards.
    t->MoveWindow(11, 12, 213, 114);
    HWND hOld = t->m_hWnd;
    CKwMDIMonoChildWnd* r = OpenMono("r", RUNTIME_CLASS(CDeskView), SW_SHOWNORMAL, TRUE);
    EXPECT_TRUE(r != NULL && ::IsWindow(hOld));
    PumpMessages(0);
    EXPECT_FALSE(::IsWindow(hOld));
    CRect rc;
    r->GetWindowRect(&rc);
    m_pFrame->ScreenToClient(&rc);
    EXPECT_EQ(CSize(213, 114), rc.Size());
    EXPECT_EQ(4, CountChildren());

    // The first closes (its document has other windows); the last asks and is refused.
    CDeskDoc::s_bRefuseClose = TRUE;
    CKwMDITools::CloseAllMDIChildWindows();
    EXPECT_EQ(1, CountChildren());
    EXPECT_TRUE(::LockWindowUpdate(m_pFrame->m_hWnd)); // no lock left
    ::LockWindowUpdate(NULL);
}

} // namespace

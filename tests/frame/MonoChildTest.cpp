// The single-view child: activation announced and the menu bar's maximize calls in their order,
// with and without a menu bar; opening what is shown already, replacing the active child, the
// view's title; closing all children with one that refuses.
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
        ASSERT_TRUE(p != nullptr);
        g_seq.push_back("event " + NameOf(dynamic_cast<CWnd*>(pSource)) + (p->bActivate ? " on " : " off ") +
                        NameOf(p->pActivateWnd) + " " + NameOf(p->pDeactivateWnd));
    }
};

TEST_F(DesktopTest, ActivationIsAnnouncedAndTheMenuBarFollowsTheMaximizedChild)
{
    for (BOOL bMenuBar : {TRUE, FALSE})
    {
        SCOPED_TRACE(bMenuBar);
        DestroyFrame();
        NewFrame(bMenuBar);
        CSeqListener listener;
        CKwMDIMonoChildWnd* a = OpenMono("a", RUNTIME_CLASS(CDeskView), SW_SHOWMAXIMIZED);
        a->Subscribe(&listener);
        CKwMDIMonoChildWnd* b = OpenMono("b");
        b->Subscribe(&listener);
        ASSERT_TRUE(b->IsZoomed()); // opened beside a maximized child: maximized too
        g_seq.clear();
        m_pFrame->MDIActivate(a);
        // The MDI client activates a before and after maximizing it; the bar's buttons move to a
        // once it is maximized, before its listeners hear of it.
        Seq expected = {"event b off a b", "event b off a b", "event a on a b", "event a on a b"};
        if (bMenuBar)
            expected = {"event b off a b", "event b off a b", "event a on a b", "max 0 a 1", "max 1 a 1", "event a on a b"};
        EXPECT_EQ(expected, g_seq);
        a->Unsubscribe(&listener);
        b->Unsubscribe(&listener);
    }
}

TEST_F(DesktopTest, OpenActivatesWhatIsShownAlreadyOrReplacesTheActiveChild)
{
    CKwMDIMonoChildWnd* a = OpenMono("a");
    CKwMDIMonoChildWnd* b = OpenMono("b");
    ASSERT_TRUE(a != NULL && b != NULL && a != b);
    EXPECT_EQ(a, OpenMono("a"));
    EXPECT_EQ(a, m_pFrame->MDIGetActive());
    // Another view class with the same context is another window.
    CKwMDIMonoChildWnd* c = OpenMono("a", RUNTIME_CLASS(CDeskOtherView));
    EXPECT_TRUE(c != a && c != NULL);
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
    WINDOWPLACEMENT before = {}, after = {};
    before.length = after.length = sizeof(WINDOWPLACEMENT);
    t->GetWindowPlacement(&before);
    HWND hOld = t->m_hWnd;
    CKwMDIMonoChildWnd* r = OpenMono("r", RUNTIME_CLASS(CDeskView), SW_SHOWNORMAL, TRUE);
    ASSERT_TRUE(r != NULL);
    EXPECT_TRUE(::IsWindow(hOld));
    PumpMessages(0);
    EXPECT_FALSE(::IsWindow(hOld));
    r->GetWindowPlacement(&after);
    EXPECT_EQ(CRect(before.rcNormalPosition), CRect(after.rcNormalPosition));
    EXPECT_EQ(4, CountChildren());
    EXPECT_TRUE(OpenMono("x", NULL) == NULL);
}

TEST_F(DesktopTest, CloseAllStopsAtAChildThatRefuses)
{
    OpenMono("a");
    OpenMono("b");
    CDeskDoc::s_bRefuseClose = TRUE;
    // The first closes (its document has another window); the last one asks and is refused.
    CKwMDITools::CloseAllMDIChildWindows();
    EXPECT_EQ(1, CountChildren());
    CDeskDoc::s_bRefuseClose = FALSE;
    CKwMDITools::CloseAllMDIChildWindows();
    EXPECT_EQ(0, CountChildren());
    EXPECT_TRUE(::LockWindowUpdate(m_pFrame->m_hWnd)); // no lock left
    ::LockWindowUpdate(NULL);
}

} // namespace

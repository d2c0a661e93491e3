// The tabbed MDI child: tabs made and found again by their open list, replacing the active child,
// its payload against bytes built by hand with a spec whose view cannot be made, restored into a
// fresh frame and stored again, and hostile copies of a stored tabbed desktop.
#include "DesktopHost.h"
#include "MDIFrameTest.rh"

#include "frame/KwMDITabbedChildWnd.h"
#include "frame/KwPlacement.h"
#include "support/ArchiveBytes.h"
#include "support/MessageRecorder.h"
#include "support/TestRandom.h"

namespace {

typedef CKwMDITabbedChildWnd::COpenList COpenList;

// A view whose window cannot be made.
class CDeskFailView : public CDeskView
{
    DECLARE_SERIAL(CDeskFailView)
    afx_msg int OnCreate(LPCREATESTRUCT) { return -1; }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_SERIAL(CDeskFailView, CDeskView, 1)
BEGIN_MESSAGE_MAP(CDeskFailView, CDeskView)
    ON_WM_CREATE()
END_MESSAGE_MAP()

// Where the payload's active tab lies in a stored record (tag, length, kind, window object).
const size_t kActiveTabAt = 8 + 4 + 6 + strlen("CKwMDITabbedChildWnd") + 8 + 8;

class TabbedTest : public DesktopTest
{
protected:
    // Plan (a), Section (b, whose view cannot be made when bFail) and Loads (c).
    static COpenList List(BOOL bFail)
    {
        COpenList list;
        list.Add(IDS_KW_TAB_PLAN, RUNTIME_CLASS(CDeskView), Context("a"));
        list.Add(IDS_KW_TAB_SECTION, bFail ? RUNTIME_CLASS(CDeskFailView) : RUNTIME_CLASS(CDeskOtherView),
            Context("b"));
        list.Add(IDS_KW_TAB_LOADS, RUNTIME_CLASS(CDeskView), Context("c"));
        return list;
    }
    CKwMDITabbedChildWnd* OpenTabs(const COpenList& list, int nInitial, int nActive = -1, int bReplace = FALSE)
    {
        return CKwMDITabbedChildWnd::Open(IDR_DESK_VIEW, list, m_pDoc, nActive, nInitial, SW_SHOWNORMAL, bReplace);
    }
    static CDeskView* View(CKwMDITabbedChildWnd* p, UINT iTab) { return DYNAMIC_DOWNCAST(CDeskView, p->GetTab(iTab)); }
    // Each tab as "label class id context-text value data", the active one marked with a star.
    static Seq Tabs(CMDIChildWnd* pWnd)
    {
        Seq tabs;
        CKwMDITabbedChildWnd* p = DYNAMIC_DOWNCAST(CKwMDITabbedChildWnd, pWnd);
        for (UINT i = 0; p != NULL && i < p->GetTabCount(); i++)
        {
            CDeskView* pView = View(p, i);
            CString strLabel, strTab;
            ((CBCGPTabWnd*)pView->GetParent())->GetTabLabel((int)i, strLabel);
            strTab.Format("%s%s %s %X %s %ld %s", pView == p->GetActiveView() ? "*" : "", (LPCTSTR)strLabel,
                pView->GetRuntimeClass()->m_lpszClassName, pView->GetDlgCtrlID(), (LPCTSTR)pView->m_ctx.m_strText1,
                pView->m_ctx.m_nValue3, (LPCTSTR)pView->m_strData);
            tabs.push_back((LPCTSTR)strTab);
        }
        return tabs;
    }
    static Bytes Store(CMDIChildWnd* p)
    {
        return StoreBytes([&](CArchive& ar) { CKwMDITools::StoreWindowForSharedDoc(p, ar); });
    }
    // Into a fresh frame: the window of the record, NULL when none came back.
    CMDIChildWnd* RestoreFresh(const Bytes& bytes)
    {
        DestroyFrame();
        NewFrame();
        std::vector<CMDIChildWnd*> restored = RestoreDesktop(bytes);
        return restored.empty() ? nullptr : restored[0];
    }
};

TEST_F(TabbedTest, OpenMakesTheTabsOrActivatesTheWindowThatShowsTheListAlready)
{
    COpenList list = List(FALSE);
    list.GetHead().m_ctx.m_strText2 = "Plan of a"; // the title the first view gives
    CKwMDITabbedChildWnd* p = OpenTabs(list, 1);
    ASSERT_TRUE(p != nullptr);
    EXPECT_EQ((Seq{"Plan CDeskView E900 a 0 ", "*Section CDeskOtherView E901 b 0 ", "Loads CDeskView E902 c 0 "}),
        Tabs(p));
    CString strTitle;
    p->GetWindowText(strTitle);
    EXPECT_STREQ("Plan of a", strTitle);

    OpenMono("m");
    EXPECT_EQ(p, OpenTabs(list, 0));
    EXPECT_EQ(p, m_pFrame->MDIGetActive());
    EXPECT_EQ(p->GetTab(1), p->GetActiveView()); // its tab kept
    EXPECT_EQ(p, OpenTabs(list, 0, 2));
    EXPECT_EQ(p->GetTab(2), p->GetActiveView());
    EXPECT_EQ(2, CountChildren());
    // The same specs in another order, or fewer of them, are another list; and what the views
    // show now counts.
    COpenList other;
    for (POSITION pos = list.GetTailPosition(); pos != NULL;)
        other.AddTail(list.GetPrev(pos));
    EXPECT_TRUE(CKwMDITabbedChildWnd::FindTabbedWnd(other) == NULL);
    other = list;
    other.RemoveTail();
    EXPECT_TRUE(CKwMDITabbedChildWnd::FindTabbedWnd(other) == NULL);
    View(p, 0)->m_ctx.m_nValue3 = 5;
    EXPECT_TRUE(CKwMDITabbedChildWnd::FindTabbedWnd(list) == NULL);
    list.GetHead().m_ctx.m_nValue3 = 5;
    EXPECT_EQ(p, CKwMDITabbedChildWnd::FindTabbedWnd(list));

    // The tabs follow the window's size, their border just outside its client area.
    p->MDIRestore();
    p->MoveWindow(20, 10, 300, 200);
    CRect rcClient, rcTabs;
    p->GetClientRect(&rcClient);
    p->GetTab(0)->GetParent()->GetWindowRect(&rcTabs);
    p->ScreenToClient(&rcTabs);
    rcClient.InflateRect(1, 1, 1, 2);
    EXPECT_EQ(rcClient, rcTabs);
    // A new window in the active one's place, which closes after the call.
    WINDOWPLACEMENT wp = {}, wpNew = {};
    p->GetWindowPlacement(&wp);
    CKwMDITabbedChildWnd* pNew = OpenTabs(List(TRUE), 5, -1, TRUE);
    ASSERT_TRUE(pNew != nullptr && pNew != p);
    pNew->GetWindowPlacement(&wpNew);
    EXPECT_EQ(CRect(wp.rcNormalPosition), CRect(wpNew.rcNormalPosition));
    EXPECT_EQ(3, CountChildren());
    PumpMessages(0);
    EXPECT_EQ(2, CountChildren());
    // A view that cannot be made leaves its tab out; its spec is still found by its view's id.
    EXPECT_EQ((Seq{"Plan CDeskView E900 a 0 ", "*Loads CDeskView E902 c 0 "}), Tabs(pNew));
    View(pNew, 1)->m_ctx.m_nValue3 = 9;
    list = List(TRUE);
    list.GetTail().m_ctx.m_nValue3 = 9;
    EXPECT_EQ(pNew, CKwMDITabbedChildWnd::FindTabbedWnd(list));
}

TEST_F(TabbedTest, ThePayloadHasItsBytesAndComesBackWholeInAFreshFrame)
{
    CKwMDITabbedChildWnd* p = OpenTabs(List(TRUE), 1);
    ASSERT_TRUE(p != nullptr);
    m_pFrame->MDIMaximize(p);
    View(p, 0)->m_strData = "A";
    View(p, 1)->m_strData = "C";
    View(p, 1)->m_ctx.m_nValue3 = 7; // spec 2 is stored as its view shows it now
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof(wp);
    p->GetWindowPlacement(&wp);
    Bytes body = U32(1) + NewClass(0, "CKwMDITabbedChildWnd") + U32(0) + U32(0) + U32(1) + U32(IDR_DESK_VIEW) + U32(1) +
                 StoreBytes([&](CArchive& ar) { CKwPlacement::Write(ar, wp); }) + U32(3) + U32(IDS_KW_TAB_PLAN) +
                 NewClass(1, "CDeskView") + ContextBytes("a") + U32(IDS_KW_TAB_SECTION) + NewClass(1, "CDeskFailView") +
                 ContextBytes("b") + U32(IDS_KW_TAB_LOADS) + Bytes{0x03, 0x80} + U32(3) + Str("c") + Str("") + Str("") + Str("") +
                 U32(0) + U32(0) + U32(7) + Bytes(16, 0) + Str("A") + Str("C");
    Bytes stored = Store(p);
    ASSERT_EQ(U32(2) + U32((DWORD)body.size()) + body, stored);
    Seq tabs{"Plan CDeskView E900 a 0 A", "*Loads CDeskView E902 c 7 C"};
    EXPECT_EQ(tabs, Tabs(p));

    // Read with its length, and after tag 1 as older documents hold it.
    for (const Bytes& bytes : {stored, U32(1) + body})
    {
        CMDIChildWnd* pBack = RestoreFresh(bytes);
        ASSERT_TRUE(pBack != nullptr);
        EXPECT_EQ(tabs, Tabs(pBack));
        EXPECT_TRUE(pBack->IsZoomed());
        // Wine notes where it maximized the restored child, not the position it was given.
        WINDOWPLACEMENT wpBack = {};
        pBack->GetWindowPlacement(&wpBack);
        Bytes again = stored, words = U32(wpBack.ptMaxPosition.x) + U32(wpBack.ptMaxPosition.y);
        std::copy(words.begin(), words.end(), again.begin() + kActiveTabAt + 4 + 20);
        EXPECT_EQ(again, Store(pBack));
    }
    // The active tab that comes back is one of the tabs made.
    for (DWORD nActive : {2u, 0xFFFFFFFFu})
    {
        Bytes bytes = stored;
        std::copy_n(U32(nActive).begin(), 4, bytes.begin() + kActiveTabAt);
        EXPECT_EQ((nActive == 2 ? tabs : Seq{"*" + tabs[0], tabs[1].substr(1)}), Tabs(RestoreFresh(bytes)));
    }
}

TEST_F(TabbedTest, TruncationsAndMutationsOfAStoredTabbedDesktopLeaveNothingHalfMade)
{
    CKwMDITabbedChildWnd* p = OpenTabs(List(TRUE), 1);
    ASSERT_TRUE(p != nullptr);
    View(p, 1)->m_strData = "C";
    OpenMono("m");
    Bytes tabbed = Store(p), mono = Store(m_pFrame->MDIGetActive());
    // The records after tag 1, without their lengths: every cut and change lands in the readers.
    Bytes plain = U32(1) + Bytes(tabbed.begin() + 8, tabbed.end()) + U32(1) + Bytes(mono.begin() + 8, mono.end());
    CKwMDITools::CloseAllMDIChildWindows();
    EXPECT_EQ(2u, RestoreAndClose(plain).size());
    for (size_t n = 0; n < plain.size(); n += 2)
    {
        SCOPED_TRACE(n);
        RestoreAndClose(Bytes(plain.begin(), plain.begin() + n));
    }
    // The tabbed record damaged, with its length and without.
    OpenMono("m"); // stays open and active throughout
    ReadMutations({tabbed, Bytes(plain.begin(), plain.begin() + tabbed.size() - 4)}, 100000, 64, 3);
}

} // namespace

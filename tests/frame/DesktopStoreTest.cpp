// The desktop in the document: records of both kinds written with their length and compared with
// bytes built by hand, read back as tag 1, tag 2 and the old format; a desktop restored into a
// fresh frame as it was, and stored again to the same bytes.
#include "DesktopHost.h"

#include "frame/KwPlacement.h"

namespace {

Bytes U32(DWORD v)
{
    return Bytes{(uint8_t)v, (uint8_t)(v >> 8), (uint8_t)(v >> 16), (uint8_t)(v >> 24)};
}
Bytes Str(const char* s)
{
    return Bytes{(uint8_t)strlen(s)} + Text(s);
}
// A class written for the first time: new-class tag, schema, name.
Bytes NewClass(WORD schema, const char* name)
{
    return Bytes{0xFF, 0xFF, (uint8_t)schema, (uint8_t)(schema >> 8), (uint8_t)strlen(name), 0} + Text(name);
}
Bytes ContextBytes(const char* text1, DWORD value3)
{
    return U32(3) + Str(text1) + Str("") + Str("") + Str("") + U32(0) + U32(0) + U32(value3) + U32(0) + U32(0) +
           U32(0) + U32(0);
}
Bytes Placement(const WINDOWPLACEMENT& wp)
{
    return StoreBytes([&](CArchive& ar) { CKwPlacement::Write(ar, wp); });
}
// A child moved to a known normal rectangle; its placement as the window reports it.
WINDOWPLACEMENT Place(CMDIChildWnd* p, const CRect& rc)
{
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof(WINDOWPLACEMENT);
    p->GetWindowPlacement(&wp);
    wp.showCmd = SW_SHOWNORMAL;
    wp.rcNormalPosition = rc;
    p->SetWindowPlacement(&wp);
    p->GetWindowPlacement(&wp);
    return wp;
}
CDeskView* ViewOf(CMDIChildWnd* p)
{
    return DYNAMIC_DOWNCAST(CDeskView, p->GetDlgItem(AFX_IDW_PANE_FIRST));
}
CRect NormalRect(CWnd* p)
{
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof(WINDOWPLACEMENT);
    p->GetWindowPlacement(&wp);
    return wp.rcNormalPosition;
}

TEST_F(DesktopTest, SharedRecordBytesAndEveryFormatReadBack)
{
    CKwMDIMonoChildWnd* a = CKwMDIMonoChildWnd::Open(IDR_DESK_VIEW, RUNTIME_CLASS(CDeskView), DesktopTest::Context("a", 5), m_pDoc, SW_SHOWNORMAL, FALSE);
    ViewOf(a)->m_strData = "data-a";
    WINDOWPLACEMENT wp = Place(a, CRect(10, 20, 310, 220));
    Bytes payload = U32(1) + U32(IDR_DESK_VIEW) + NewClass(1, "CDeskView") + ContextBytes("a", 5) + Placement(wp) + Str("data-a");
    Bytes body = U32(1) + NewClass(0, "CKwMDIMonoChildWnd") + U32(0) + U32(0) + payload;
    Bytes stored = StoreBytes([&](CArchive& ar) { CKwMDITools::StoreWindowForSharedDoc(a, ar); });
    ASSERT_EQ(U32(2) + U32((DWORD)body.size()) + body, stored);

    // The length record, the same body after tag 1, a body stored without version words, and
    // the old format (which opens through the template of the view ID).
    Bytes oldRecord = U32(1) + ContextBytes("a", 5) + U32(IDR_DESK_VIEW) + Placement(wp) + Str("data-a");
    for (const Bytes& record : {stored, U32(1) + body, U32(1) + U32(1) + NewClass(10000, "CKwMDIMonoChildWnd") + payload,
             U32(0xFF) + oldRecord, U32(0x100) + oldRecord})
    {
        CKwMDITools::CloseAllMDIChildWindows();
        std::vector<CMDIChildWnd*> restored = RestoreDesktop(record + U32(2) + U32(0));
        ASSERT_EQ(1u, restored.size());
        EXPECT_TRUE(restored[0]->IsKindOf(RUNTIME_CLASS(CKwMDIMonoChildWnd)));
        EXPECT_EQ((UINT)IDR_DESK_VIEW, ((CKwMDIMonoChildWnd*)restored[0])->m_nID);
        CDeskView* pView = ViewOf(restored[0]);
        ASSERT_TRUE(pView != NULL);
        EXPECT_EQ(RUNTIME_CLASS(CDeskView), pView->GetRuntimeClass());
        EXPECT_TRUE(pView->m_ctx == DesktopTest::Context("a", 5));
        EXPECT_EQ(CString("data-a"), pView->m_strData);
        EXPECT_EQ(CRect(10, 20, 310, 220), NormalRect(restored[0]));
        EXPECT_TRUE(CViewContext::GetViewContext() == NULL);
    }

    // Old records on a document of their own open nothing and leave the archive after them.
    for (DWORD tag : {0xFFu, 0x100u})
    {
        Bytes record = U32(tag) + U32(0) + (tag == 0xFF ? U32(7) : Bytes()) + Str("old.dsk") + ContextBytes("a", 5) +
                       U32(IDR_DESK_VIEW) + Placement(wp) + U32(0x5EA1);
        LoadBytes(record, [&](CArchive& ar) {
            EXPECT_TRUE(CKwMDITools::RestoreWindow(ar, m_pDoc, "") == NULL);
            DWORD seal = 0;
            ar >> seal;
            EXPECT_EQ(0x5EA1u, seal);
        });
    }

    // Without a view the window cannot describe itself: no record is started.
    CMDIChildWnd* pLast = CKwMDITools::GetFirstMDIChildWnd();
    ViewOf(pLast)->DestroyWindow();
    EXPECT_TRUE(StoreBytes([&](CArchive& ar) { CKwMDITools::StoreWindowForSharedDoc(pLast, ar); }).empty());
}

TEST_F(DesktopTest, SeparateRecordBytesAndReadBack)
{
    CDocument* pDoc = m_app.OpenDocumentFile("C:\\desk\\sub\\one.dsk");
    ASSERT_TRUE(pDoc != NULL);
    CMDIChildWnd* pWnd = CKwMDITools::GetFirstMDIChildWnd();
    CDeskView* pView = ViewOf(pWnd);
    pView->m_ctx = DesktopTest::Context("one", 9);
    pView->m_strData = "data-one";
    WINDOWPLACEMENT wp = Place(pWnd, CRect(30, 40, 230, 140));
    Bytes body = U32(0) + U32(1) + Str("sub\\one.dsk") + ContextBytes("one", 9) + Placement(wp) + Str("data-one");
    Bytes stored = StoreBytes([&](CArchive& ar) { CKwMDITools::StoreWindowForSeparateDoc(pWnd, ar, "C:\\desk"); });
    ASSERT_EQ(U32(2) + U32((DWORD)body.size()) + body, stored);
    // Without a base path: the flag 0 and the path as it is.
    Bytes absolute = StoreBytes([&](CArchive& ar) { CKwMDITools::StoreWindowForSeparateDoc(pWnd, ar, ""); });
    EXPECT_EQ(U32(0) + Str("C:\\desk\\sub\\one.dsk"), Bytes(absolute.begin() + 12, absolute.begin() + 12 + 4 + 20));
    // Not a window of the shared document.
    EXPECT_TRUE(StoreBytes([&](CArchive& ar) { CKwMDITools::StoreWindowForSharedDoc(pWnd, ar); }).empty());

    for (const Bytes& record : {stored, U32(1) + body})
    {
        CKwMDITools::CloseAllMDIChildWindows();
        std::vector<CMDIChildWnd*> restored = RestoreDesktop(record);
        ASSERT_EQ(1u, restored.size());
        CDeskView* pBack = ViewOf(restored[0]);
        EXPECT_EQ(CString("C:\\desk\\sub\\one.dsk"), pBack->GetDocument()->GetPathName());
        // The view found the stored context while it was made.
        EXPECT_TRUE(pBack->m_ctx == DesktopTest::Context("one", 9));
        EXPECT_EQ(CString("data-one"), pBack->m_strData);
        EXPECT_EQ(CRect(30, 40, 230, 140), NormalRect(restored[0]));
    }
}

TEST_F(DesktopTest, DesktopComesBackInAFreshFrameAndStoresToTheSameBytes)
{
    // Every window placed once: the platform reports the minimized and maximized positions of a
    // window that never had a placement applied differently.
    CKwMDIMonoChildWnd* a = OpenMono("a");
    Place(a, CRect(5, 6, 205, 106));
    Place(OpenMono("b", RUNTIME_CLASS(CDeskOtherView)), CRect(50, 60, 250, 160));
    m_app.OpenDocumentFile("C:\\desk\\two.dsk");
    ViewOf(CKwMDITools::GetFirstMDIChildWnd())->m_ctx = DesktopTest::Context("two");
    Place(CKwMDITools::GetFirstMDIChildWnd(), CRect(70, 80, 270, 180));
    Place(OpenMono("c"), CRect(90, 100, 290, 200));
    m_pFrame->MDIActivate(a);
    auto describe = [] {
        Seq seen;
        for (CMDIChildWnd* p = CKwMDITools::GetFirstMDIChildWnd(); p != NULL; p = CKwMDITools::GetNextMDIChildWnd(p))
        {
            CRect rc = NormalRect(p);
            seen.push_back(std::string(p->GetRuntimeClass()->m_lpszClassName) + " " +
                           ViewOf(p)->GetRuntimeClass()->m_lpszClassName + " " + NameOf(p) + " " +
                           std::to_string(rc.left) + "," + std::to_string(rc.top) + "," + std::to_string(rc.Width()));
        }
        return seen;
    };
    Seq before = describe();
    Bytes stored = StoreDesktop();
    DestroyFrame();
    NewFrame();
    EXPECT_EQ(4u, RestoreDesktop(stored).size());
    EXPECT_EQ(before, describe()); // active first, then the Z order
    EXPECT_EQ(stored, StoreDesktop());
}

} // namespace

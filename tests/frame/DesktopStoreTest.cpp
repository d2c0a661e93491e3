// The desktop in the document: records of both kinds written with their length and compared with
// bytes built by hand, read back as tag 1, tag 2 and the old format; a desktop restored into a
// fresh frame as it was, and stored again to the same bytes.
#include "DesktopHost.h"

#include "frame/KwPlacement.h"

namespace {

WINDOWPLACEMENT PlacementOf(CWnd* p)
{
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof(WINDOWPLACEMENT);
    p->GetWindowPlacement(&wp);
    return wp;
}
// Moves a child to a normal rectangle; the bytes of its placement then.
Bytes Place(CMDIChildWnd* p, const CRect& rc)
{
    WINDOWPLACEMENT wp = PlacementOf(p);
    wp.showCmd = SW_SHOWNORMAL;
    wp.rcNormalPosition = rc;
    p->SetWindowPlacement(&wp);
    return StoreBytes([&](CArchive& ar) { CKwPlacement::Write(ar, PlacementOf(p)); });
}
CDeskView* ViewOf(CMDIChildWnd* p)
{
    return DYNAMIC_DOWNCAST(CDeskView, p->GetDlgItem(AFX_IDW_PANE_FIRST));
}
// A child as the desktop sees it: window and view class, view context, data, normal rectangle.
std::string Describe(CMDIChildWnd* p)
{
    CRect rc = PlacementOf(p).rcNormalPosition;
    return std::string(p->GetRuntimeClass()->m_lpszClassName) + " " + ViewOf(p)->GetRuntimeClass()->m_lpszClassName +
           " " + NameOf(p) + " " + (LPCSTR)ViewOf(p)->m_strData + " " + std::to_string(rc.left) + "," +
           std::to_string(rc.top) + "," + std::to_string(rc.Width());
}

TEST_F(DesktopTest, SharedRecordBytesAndEveryFormatReadBack)
{
    CKwMDIMonoChildWnd* a = OpenMono("a");
    ViewOf(a)->m_strData = "data-a";
    Bytes placement = Place(a, CRect(10, 20, 310, 220));
    Bytes payload = U32(1) + U32(IDR_DESK_VIEW) + NewClass(1, "CDeskView") + ContextBytes("a") + placement + Str("data-a");
    Bytes body = U32(1) + NewClass(0, "CKwMDIMonoChildWnd") + U32(0) + U32(0) + payload;
    Bytes stored = StoreBytes([&](CArchive& ar) { CKwMDITools::StoreWindowForSharedDoc(a, ar); });
    ASSERT_EQ(U32(2) + U32((DWORD)body.size()) + body, stored);

    // The length record, the same body after tag 1, a body stored without version words, and
    // the old format (which opens through the template of the view ID). Old records on documents
    // of their own before them open nothing, and reading goes on after them.
    Bytes oldRecord = U32(1) + ContextBytes("a") + U32(IDR_DESK_VIEW) + placement + Str("data-a");
    Bytes oldSeparate = U32(0xFF) + U32(0) + U32(7) + Str("old.dsk") + ContextBytes("a") + U32(IDR_DESK_VIEW) +
                        placement + U32(0x100) + U32(0) + Str("old.dsk") + ContextBytes("a") + U32(IDR_DESK_VIEW) + placement;
    for (const Bytes& record : {stored, U32(1) + body, U32(1) + U32(1) + NewClass(10000, "CKwMDIMonoChildWnd") + payload,
             U32(0xFF) + oldRecord, U32(0x100) + oldRecord})
    {
        CKwMDITools::CloseAllMDIChildWindows();
        std::vector<CMDIChildWnd*> restored = RestoreDesktop(oldSeparate + record + U32(2) + U32(0));
        ASSERT_EQ(1u, restored.size());
        EXPECT_EQ("CKwMDIMonoChildWnd CDeskView a data-a 10,20,300", Describe(restored[0]));
    }

    // Without a view the window cannot describe itself: no record is started.
    CMDIChildWnd* pLast = CKwMDITools::GetFirstMDIChildWnd();
    ViewOf(pLast)->DestroyWindow();
    EXPECT_TRUE(StoreBytes([&](CArchive& ar) { CKwMDITools::StoreWindowForSharedDoc(pLast, ar); }).empty());
}

TEST_F(DesktopTest, SeparateRecordBytesAndReadBack)
{
    ASSERT_TRUE(m_app.OpenDocumentFile("C:\\desk\\sub\\one.dsk") != NULL);
    CMDIChildWnd* pWnd = CKwMDITools::GetFirstMDIChildWnd();
    ViewOf(pWnd)->m_ctx = Context("one");
    ViewOf(pWnd)->m_strData = "data-one";
    Bytes body = U32(0) + U32(1) + Str("sub\\one.dsk") + ContextBytes("one") + Place(pWnd, CRect(30, 40, 230, 140)) +
                 Str("data-one");
    Bytes stored = StoreBytes([&](CArchive& ar) { CKwMDITools::StoreWindowForSeparateDoc(pWnd, ar, "C:\\desk"); });
    ASSERT_EQ(U32(2) + U32((DWORD)body.size()) + body, stored);
    // Without a base path: the flag 0 and the path as it is.
    Bytes absolute = StoreBytes([&](CArchive& ar) { CKwMDITools::StoreWindowForSeparateDoc(pWnd, ar, ""); });
    EXPECT_EQ(U32(0) + Str("C:\\desk\\sub\\one.dsk"), Bytes(absolute.begin() + 12, absolute.begin() + 36));
    EXPECT_TRUE(StoreBytes([&](CArchive& ar) { CKwMDITools::StoreWindowForSharedDoc(pWnd, ar); }).empty());

    // After tag 1 (the fresh frame below reads it with its length).
    CKwMDITools::CloseAllMDIChildWindows();
    std::vector<CMDIChildWnd*> restored = RestoreDesktop(U32(1) + body);
    ASSERT_EQ(1u, restored.size());
    // The view found the stored context while it was made.
    EXPECT_EQ("CKwMDIBasicChildWnd CDeskView one data-one 30,40,200", Describe(restored[0]));
    EXPECT_EQ(CString("C:\\desk\\sub\\one.dsk"), ViewOf(restored[0])->GetDocument()->GetPathName());
}

TEST_F(DesktopTest, DesktopComesBackInAFreshFrameAndStoresToTheSameBytes)
{
    // Every window placed once: the platform reports the minimized and maximized positions of a
    // window that never had a placement applied differently.
    CKwMDIMonoChildWnd* a = OpenMono("a");
    Place(a, CRect(5, 6, 205, 106));
    Place(OpenMono("b", RUNTIME_CLASS(CDeskOtherView)), CRect(50, 60, 250, 160));
    m_app.OpenDocumentFile("C:\\desk\\two.dsk");
    ViewOf(CKwMDITools::GetFirstMDIChildWnd())->m_ctx = Context("two");
    Place(CKwMDITools::GetFirstMDIChildWnd(), CRect(70, 80, 270, 180));
    Place(OpenMono("c"), CRect(90, 100, 290, 200));
    m_pFrame->MDIActivate(a);
    auto describe = [] {
        Seq seen;
        for (CMDIChildWnd* p : Children())
            seen.push_back(Describe(p));
        return seen;
    };
    Seq before = describe();
    Bytes stored = StoreDesktop();
    DestroyFrame();
    NewFrame();
    EXPECT_EQ(4u, RestoreDesktop(stored).size());
    EXPECT_EQ(before, describe());
    EXPECT_EQ(stored, StoreDesktop());
}

} // namespace

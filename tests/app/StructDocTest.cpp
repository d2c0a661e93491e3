// The model document in a sole-document frame: text typed into the schedule reaches the model as
// soon as it is a value, the member lists keep their orders and follow the selection both ways,
// its desktop comes back as it was stored, a damaged desktop costs windows
// but never the model, a change of its file by another program (not by its own save) asks
// whether to reload it, and a file cut short never opens half.
#include "StructDocTest.rh"

#include "StructDoc.h"
#include "StructListView.h"
#include "StructScheduleView.h"
#include "StructWindows.h"

#include "frame/KwMDITools.h"
#include "frame/KwSoleDocApp.h"
#include "frame/KwSoleDocMDIFrameWnd.h"
#include "frame/KwSoleDocTemplate.h"
#include "support/ArchiveBytes.h"
#include "support/PumpUntil.h"
#include "support/SaveFolder.h"
#include "support/TempPath.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// A model document whose next read runs out of memory when asked to.
struct CTestDoc : CStructDoc
{
    DECLARE_DYNCREATE(CTestDoc)
    static bool s_bOutOfMemory;
    void Serialize(CArchive& ar) override
    {
        if (ar.IsLoading() && s_bOutOfMemory) {
            s_bOutOfMemory = false;
            AfxThrowMemoryException();
        }
        CStructDoc::Serialize(ar);
    }
};
IMPLEMENT_DYNCREATE(CTestDoc, CStructDoc)
bool CTestDoc::s_bOutOfMemory = false;

// The frame restores a model's desktop, or opens its default windows.
struct CTestFrame : CKwSoleDocMDIFrameWnd
{
    void OnOpenSoleDoc(CDocument* pDoc) override
    {
        CStructDoc* pModel = static_cast<CStructDoc*>(pDoc);
        if (!pModel->RestoreDesktop())
            CStructWindows::OpenDefault(pModel);
    }
};

// Records every prompt and answers it with m_nAnswer.
struct CTestApp : CKwSoleDocApp
{
    CStringArray m_prompts;
    int m_nAnswer = IDNO;
    CTestApp() : CKwSoleDocApp("KwStructDocTests") {}
    int DoMessageBox(LPCTSTR lpszPrompt, UINT, UINT) override { return m_prompts.Add(lpszPrompt), m_nAnswer; }
};

class StructDoc : public ::testing::Test
{
protected:
    CTestApp m_app;
    CTestFrame* m_pFrame = nullptr;
    CKwSoleDocTemplate* m_pModels = nullptr;

    void SetUp() override
    {
        m_app.AddDocTemplate(m_pModels = new CKwSoleDocTemplate(IDR_STRUCT_TEST_MODEL, RUNTIME_CLASS(CTestDoc)));
        m_pFrame = new CTestFrame;
        ASSERT_TRUE(m_pFrame->LoadFrame(IDR_STRUCT_TEST_FRAME));
        m_app.m_pMainWnd = m_pFrame;
        m_pFrame->SetWindowPos(NULL, 0, 0, 900, 700, SWP_NOZORDER | SWP_SHOWWINDOW);
    }
    void TearDown() override
    {
        m_app.m_nAnswer = IDNO;
        m_app.CloseAllDocuments(FALSE);
        m_app.m_pMainWnd = NULL;
        m_pFrame->DestroyWindow(); // deletes it
    }
    CStructDoc* Doc() { return static_cast<CStructDoc*>(m_app.GetSoleDoc()); }
    // The open windows from the top of the Z order down, each as what its view shows.
    CString Desktop()
    {
        CString strDesktop;
        for (CMDIChildWnd* p = CKwMDITools::GetFirstMDIChildWnd(); p != NULL; p = CKwMDITools::GetNextMDIChildWnd(p)) {
            CViewContext ctx;
            if (CView* pView = p->GetActiveView())
                pView->SendMessage(WM_KW_GETVIEWCONTEXT, 0, (LPARAM)&ctx);
            strDesktop.AppendFormat("%s:%ld:%ld ", (LPCSTR)ctx.m_strText1, ctx.m_nValue1, ctx.m_nValue2);
        }
        return strDesktop;
    }
    void ExpectModel(const CStructModel& expected)
    {
        ASSERT_EQ(expected.GetCount(), Doc()->GetModel().GetCount());
        for (int i = 0; i < expected.GetCount(); i++)
            EXPECT_TRUE(expected.GetAt(i) == Doc()->GetModel().GetAt(i)) << "member " << i;
    }
};

} // namespace

TEST_F(StructDoc, DesktopComesBackAndADamagedOneCostsOnlyWindows)
{
    ASSERT_TRUE(m_pModels->OpenDocumentFile(NULL) != NULL);
    EXPECT_STREQ("Schedule:0:0 Drawing:0:0 Members:0:0 ", Desktop());
    CStructWindows::OpenMemberList(Doc(), CStructMember::kLength, TRUE);
    CStructWindows::OpenSchedule(Doc()); // open already: comes to the top
    // The user orders the first list by grade, descending.
    CListView* pFirstList = static_cast<CListView*>(CKwMDITools::GetLastMDIChildWnd()->GetActiveView());
    NMHEADER click = {};
    click.hdr.hwndFrom = pFirstList->GetListCtrl().GetHeaderCtrl()->GetSafeHwnd();
    click.hdr.code = HDN_ITEMCLICKA;
    click.iItem = CStructMember::kGrade;
    pFirstList->SendMessage(WM_NOTIFY, 0, (LPARAM)&click);
    CString strStored = Desktop();
    EXPECT_STREQ("Schedule:0:0 Members:4:1 Drawing:0:0 Members:3:1 ", strStored);
    CStructMember member = Doc()->GetModel().GetAt(2);
    member.m_strRemark = "checked";
    Doc()->SetMember(2, member);
    CStructModel model = Doc()->GetModel();

    TempPath path("desktop.kwm");
    ASSERT_TRUE(Doc()->DoSave(path.c_str()));
    ASSERT_TRUE(m_app.CloseSoleDoc());
    EXPECT_STREQ("", Desktop());
    ASSERT_TRUE(m_pModels->OpenDocumentFile(path.c_str()) != NULL);
    EXPECT_STREQ(strStored, Desktop());
    ExpectModel(model);

    // The archive: the schema word, the model, then the desktop block (its length, the count of
    // records, then the records, each with its length).
    Bytes bytes = StoreBytes([&](CArchive& ar) { Doc()->Serialize(ar); });
    size_t nDesktop = 2 + StoreBytes([&](CArchive& ar) { const_cast<CStructModel&>(model).Serialize(ar); }).size();
    size_t nFirstRecord = nDesktop + 4 + 2 + 2; // a block and a record of under 0xFFFF bytes
    ASSERT_LT(nFirstRecord + 40, bytes.size());
    auto reopen = [&](const Bytes& damaged) {
        CKwMDITools::CloseAllMDIChildWindows();
        LoadBytes(damaged, [&](CArchive& ar) { Doc()->Serialize(ar); });
        return Doc()->RestoreDesktop();
    };
    Bytes damaged = bytes;
    for (size_t i = nFirstRecord + 8; i < nFirstRecord + 40; i++)
        damaged[i] = 0xFF;
    EXPECT_TRUE(reopen(damaged));
    EXPECT_STREQ("Schedule:0:0 Members:4:1 Drawing:0:0 ", Desktop()); // all but the first stored, the bottom one
    ExpectModel(model);

    damaged = bytes;
    damaged[nDesktop + 4] = 0xFE; // a count of records beyond the block
    damaged[nDesktop + 5] = 0xFF;
    EXPECT_FALSE(reopen(damaged));
    EXPECT_STREQ("", Desktop());
    ExpectModel(model);

    damaged.assign(bytes.begin(), bytes.begin() + (long)nFirstRecord + 20); // the desktop cut off
    EXPECT_FALSE(reopen(damaged));
    ExpectModel(model);
}

TEST_F(StructDoc, AnotherProgramsChangeAsksToReloadTheEditorsOwnSaveDoesNot)
{
    ASSERT_TRUE(m_pModels->OpenDocumentFile(NULL) != NULL);
    CStructModel original = Doc()->GetModel();
    TempPath path("watched.kwm"), copy("other.kwm");
    ASSERT_TRUE(Doc()->DoSave(path.c_str()));
    ASSERT_TRUE(::CopyFileA(path.c_str(), copy.c_str(), FALSE));

    Doc()->RemoveMember(0);
    ASSERT_TRUE(Doc()->DoSave(path.c_str()));
    // Longer than the monitor takes to report a change.
    PumpUntil([] { return false; }, 500);
    EXPECT_EQ(0, m_app.m_prompts.GetSize());

    // Another program writes the first version over it.
    CFile other(copy.c_str(), CFile::modeRead);
    Bytes bytes((size_t)other.GetLength());
    other.Read(bytes.data(), (UINT)bytes.size());
    other.Close();
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    file.Write(bytes.data(), (UINT)bytes.size());
    file.Close();
    m_app.m_nAnswer = IDYES;
    ASSERT_TRUE(PumpUntil([&] { return m_app.m_prompts.GetSize() > 0; }, 10000));
    PumpUntil([] { return false; }, 200);
    ASSERT_EQ(1, m_app.m_prompts.GetSize());
    EXPECT_STREQ(CStructModelWatch::kReloadPrompt, m_app.m_prompts[0]);
    ExpectModel(original);
    EXPECT_FALSE(Doc()->IsModified());
    EXPECT_STREQ("Schedule:0:0 Drawing:0:0 Members:0:0 ", Desktop());
}

TEST_F(StructDoc, TypedScheduleCellsReachTheModelOnceTheyAreValues)
{
    ASSERT_TRUE(m_pModels->OpenDocumentFile(NULL) != NULL);
    CMDIChildWnd* pChild = CStructWindows::OpenSchedule(Doc());
    ASSERT_TRUE(pChild != NULL);
    CKwGridCtrl& grid = static_cast<CStructScheduleView*>(pChild->GetActiveView())->GetGrid();
    auto type = [&](UINT nColumn, UINT nLine, const char* pszKeys) {
        grid.SetFocus();
        grid.SetCurText(nColumn, nLine, 0, -1);
        ASSERT_TRUE(grid.GetEditor() != NULL);
        for (const char* p = pszKeys; *p != '\0'; p++)
            grid.GetEditor()->SendMessage(WM_CHAR, (WPARAM)*p, 1);
    };
    auto leave = [&] {
        m_pFrame->SetFocus();
        PumpUntil([] { return false; }, 100);
    };

    CStructMember before = Doc()->GetModel().GetAt(3);
    type(CStructMember::kLength, 3, "12,5");
    EXPECT_EQ(12.5, Doc()->GetModel().GetAt(3).m_dLength);
    EXPECT_STREQ("12,5", grid.GetItemText(CStructMember::kLength, 3)); // as typed, while typed
    EXPECT_EQ(3, Doc()->GetSelected());
    leave();
    EXPECT_STREQ("12.5", grid.GetItemText(CStructMember::kLength, 3));

    // No value: the member keeps its length, and the cell shows it again once left.
    type(CStructMember::kLength, 3, "-");
    type(CStructMember::kColour, 3, "#12");
    EXPECT_STREQ("#12", grid.GetItemText(CStructMember::kColour, 3));
    leave();
    CStructMember after = Doc()->GetModel().GetAt(3);
    EXPECT_EQ(12.5, after.m_dLength);
    after.m_dLength = before.m_dLength;
    EXPECT_TRUE(after == before);
    EXPECT_STREQ("12.5", grid.GetItemText(CStructMember::kLength, 3));
    EXPECT_STREQ(before.FormatCell(CStructMember::kColour), grid.GetItemText(CStructMember::kColour, 3));
}

TEST_F(StructDoc, MemberListsKeepTheirOrderAndTheSelectionBothWays)
{
    ASSERT_TRUE(m_pModels->OpenDocumentFile(NULL) != NULL);
    const CStructModel& model = Doc()->GetModel();
    auto keys = [&](int nColumn, BOOL bDescending) {
        CMDIChildWnd* pChild = CStructWindows::OpenMemberList(Doc(), nColumn, bDescending);
        CListCtrl& list = static_cast<CStructListView*>(pChild->GetActiveView())->GetListCtrl();
        std::vector<int> order;
        for (int i = 0; i < list.GetItemCount(); i++)
            order.push_back((int)list.GetItemData(i));
        return order;
    };
    std::vector<int> order = keys(CStructMember::kLength, TRUE);
    ASSERT_EQ(model.GetCount(), (int)order.size());
    for (size_t i = 1; i < order.size(); i++)
        EXPECT_GE(model.GetAt(order[i - 1]).m_dLength, model.GetAt(order[i]).m_dLength) << i;
    order = keys(CStructMember::kColour, FALSE);
    for (size_t i = 1; i < order.size(); i++)
        EXPECT_LE(model.GetAt(order[i - 1]).FormatCell(CStructMember::kColour).Compare(
                      model.GetAt(order[i]).FormatCell(CStructMember::kColour)), 0) << i;
    order = keys(CStructMember::kMark, FALSE);
    auto place = [&](const char* pszMark) { return std::find(order.begin(), order.end(), model.Find(pszMark)) - order.begin(); };
    EXPECT_LT(place("B2"), place("B10")); // numbers by their value
    EXPECT_LT(place("B10"), place("C1"));

    // The list shows the document's selection, and a line selected in it selects its member.
    CListCtrl& list = static_cast<CStructListView*>(CKwMDITools::GetFirstMDIChildWnd()->GetActiveView())->GetListCtrl();
    Doc()->Select(model.Find("B10"));
    EXPECT_EQ(place("B10"), (int)list.SendMessage(LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED));
    list.SetItemState((int)place("C1"), LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_EQ(model.Find("C1"), Doc()->GetSelected());

    // Asked for the list, the editor brings up the one on top, in whatever order it shows.
    CString strDesktop = Desktop();
    CStructWindows::OpenMemberList(Doc());
    EXPECT_STREQ(strDesktop, Desktop());
}

TEST_F(StructDoc, MemoryRunningOutWhileReadingIsToldAndTheModelHeldStays)
{
    ASSERT_TRUE(m_pModels->OpenDocumentFile(NULL) != NULL);
    TempPath path("memory.kwm");
    ASSERT_TRUE(Doc()->DoSave(path.c_str()));
    ASSERT_TRUE(m_app.CloseSoleDoc());
    CTestDoc::s_bOutOfMemory = true;
    EXPECT_TRUE(m_pModels->OpenDocumentFile(path.c_str()) == NULL);
    EXPECT_TRUE(Doc() == NULL);

    // Read again over the model it holds, which differs from the file's.
    ASSERT_TRUE(m_pModels->OpenDocumentFile(path.c_str()) != NULL);
    Doc()->RemoveMember(0);
    CStructModel held = Doc()->GetModel();
    CTestDoc::s_bOutOfMemory = true;
    EXPECT_FALSE(Doc()->Reload());
    ExpectModel(held);
    EXPECT_STREQ("Schedule:0:0 Drawing:0:0 Members:0:0 ", Desktop());
    ASSERT_EQ(2, m_app.m_prompts.GetSize());
    EXPECT_STREQ("Out of memory.", m_app.m_prompts[0]);
    EXPECT_STREQ("Out of memory.", m_app.m_prompts[1]);
}

TEST_F(StructDoc, AFileCutShortOpensWithAMessageOrWhole)
{
    ASSERT_TRUE(m_pModels->OpenDocumentFile(NULL) != NULL);
    CStructWindows::OpenMemberList(Doc(), CStructMember::kLength, TRUE);
    SaveFolder folder("cut");
    std::string path = folder.Path("whole.kwm"), cut = folder.Path("cut.kwm");
    ASSERT_TRUE(Doc()->DoSave(path.c_str()));
    CStructModel model = Doc()->GetModel();
    CString strDesktop = Desktop();
    const std::string whole = SaveFolder::Read(path);
    for (size_t n = 0; n <= 16; n++)
    {
        SCOPED_TRACE(std::to_string(n) + "/16");
        ASSERT_TRUE(SaveFolder::Write(cut, whole.substr(0, whole.size() * n / 16)));
        m_app.m_prompts.RemoveAll();
        if (m_pModels->OpenDocumentFile(cut.c_str()) != NULL)
        {
            ExpectModel(model);
            EXPECT_STREQ(strDesktop, Desktop());
            EXPECT_EQ(0, m_app.m_prompts.GetSize());
        }
        else
        {
            EXPECT_EQ(nullptr, Doc());
            EXPECT_STREQ("", Desktop());
            ASSERT_EQ(1, m_app.m_prompts.GetSize());
            EXPECT_STREQ(n == 0 ? CString(cut.c_str()) + " has a bad format."
                                : "An attempt was made to access " + CString(cut.c_str()) + " past its end.",
                m_app.m_prompts[0]);
        }
        EXPECT_TRUE(n < 16 || Doc() != NULL);
    }
}

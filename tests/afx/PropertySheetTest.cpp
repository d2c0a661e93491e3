// Property sheets: pages made from templates by the system's sheet and attached to their
// objects, the order in which the pages hear of activation, OK, Apply and Cancel, data exchange
// on leaving a page, pages added and removed while the sheet is up, and keys through the sheet.
#include <afxwin.h>
#include <afxdlgs.h>
#include <gtest/gtest.h>

#include "support/MessageRecorder.h"
#include "support/ModalDialogDriver.h"
#include "PropertySheetTest.rh"

#include <string>
#include <vector>

namespace {

std::vector<std::string> g_log;

// A page that notes each notification it hears as "<page>:<what>", and marks itself modified
// when the user edits its field.
class CRecPage : public CPropertyPage
{
public:
    CRecPage(const char* name, UINT nIDTemplate, UINT nIDEdit, UINT nIDCaption = 0)
        : CPropertyPage(nIDTemplate, nIDCaption), m_name(name), m_nIDEdit(nIDEdit)
    {
    }
    std::string m_name;
    UINT m_nIDEdit;
    CString m_strText;
    BOOL m_bRefuseLeave = FALSE;

    // Each notes what it heard, then does what a page does.
    BOOL OnInitDialog() override { return Note("Init") && CPropertyPage::OnInitDialog(); }
    BOOL OnSetActive() override { return Note("SetActive") && CPropertyPage::OnSetActive(); }
    BOOL OnKillActive() override { return Note("KillActive") && !m_bRefuseLeave && CPropertyPage::OnKillActive(); }
    BOOL OnApply() override { return Note("Apply") && CPropertyPage::OnApply(); }
    void OnOK() override { Note("OK"); }
    void OnReset() override
    {
        Note("Reset");
        CPropertyPage::OnReset();
    }
    BOOL OnQueryCancel() override { return Note("QueryCancel"); }
    afx_msg void OnEditChange() { SetModified(TRUE); }

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, m_nIDEdit, m_strText); }
    bool Note(const char* what)
    {
        g_log.push_back(m_name + ":" + what);
        return true;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRecPage, CPropertyPage)
    ON_EN_CHANGE(IDC_PSTEST_NAME, &CRecPage::OnEditChange)
    ON_EN_CHANGE(IDC_PSTEST_COUNT, &CRecPage::OnEditChange)
    ON_EN_CHANGE(IDC_PSTEST_NOTES, &CRecPage::OnEditChange)
END_MESSAGE_MAP()

struct Pages
{
    CRecPage a{"A", IDD_PSTEST_NAME, IDC_PSTEST_NAME};
    CRecPage b{"B", IDD_PSTEST_SIZE, IDC_PSTEST_COUNT, IDS_PSTEST_SIZE};
    CRecPage c{"C", IDD_PSTEST_NOTES, IDC_PSTEST_NOTES};
    void AddTo(CPropertySheet& sheet)
    {
        sheet.AddPage(&a);
        sheet.AddPage(&b);
        sheet.AddPage(&c);
    }
};

HWND CurrentPage(HWND hSheet)
{
    return (HWND)::SendMessageA(hSheet, PSM_GETCURRENTPAGEHWND, 0, 0);
}

bool ApplyEnabled(HWND hSheet)
{
    return ::IsWindowEnabled(::GetDlgItem(hSheet, 0x3021)) != FALSE; // the sheet's Apply button
}

std::string TabText(HWND hSheet, int nTab)
{
    char sz[64] = {};
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = sz;
    item.cchTextMax = sizeof(sz);
    ::SendMessageA((HWND)::SendMessageA(hSheet, PSM_GETTABCONTROL, 0, 0), TCM_GETITEMA, nTab, (LPARAM)&item);
    return sz;
}

class PropertySheetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_log.clear();
        m_owner.CreateEx(0, AfxRegisterWndClass(0), "Owner", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, NULL, NULL);
    }
    CWnd m_owner;
};

// OK: the first page is initialised and activated, leaving it reads its field, only the pages
// that were shown hear of OK (each applies, in page order), the owner is disabled meanwhile, and
// a page's caption string names its tab.
TEST_F(PropertySheetTest, OkAppliesShownPagesInOrderAndReadsTheirFields)
{
    Pages pages;
    CPropertySheet sheet(IDS_PSTEST_SHEET, &m_owner);
    pages.AddTo(sheet);
    bool bOwnerEnabled = true, bApplyBefore = true, bApplyAfterEdit = false;
    std::string strTab;
    ModalDialogDriver driver([&](HWND hSheet) {
        bOwnerEnabled = ::IsWindowEnabled(m_owner.m_hWnd) != FALSE;
        bApplyBefore = ApplyEnabled(hSheet);
        strTab = TabText(hSheet, 1);
        ::SetDlgItemTextA(CurrentPage(hSheet), IDC_PSTEST_NAME, "Grace");
        bApplyAfterEdit = ApplyEnabled(hSheet);
        ::SendMessageA(hSheet, PSM_SETCURSEL, 2, 0);
        ::SetDlgItemTextA(CurrentPage(hSheet), IDC_PSTEST_NOTES, "notes");
        ::SendMessageA(hSheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
    }, "Sheet under test");
    EXPECT_EQ(IDOK, sheet.DoModal());
    ASSERT_TRUE(driver.Answered());
    EXPECT_EQ((std::vector<std::string>{"A:Init", "A:SetActive", "A:KillActive", "C:Init", "C:SetActive",
                  "C:KillActive", "A:Apply", "A:OK", "C:Apply", "C:OK"}),
        g_log);
    EXPECT_FALSE(bOwnerEnabled);
    EXPECT_TRUE(::IsWindowEnabled(m_owner.m_hWnd));
    EXPECT_FALSE(bApplyBefore);
    EXPECT_TRUE(bApplyAfterEdit);
    EXPECT_EQ("Size", strTab);
    EXPECT_STREQ("Grace", pages.a.m_strText);
    EXPECT_STREQ("notes", pages.c.m_strText);
    EXPECT_EQ(NULL, sheet.m_hWnd);
    EXPECT_EQ(NULL, pages.a.m_hWnd);
}

// Cancel from the start page chosen before the run: only that page was shown; it is asked, then
// reset, and what was typed never reaches its member.
TEST_F(PropertySheetTest, CancelResetsTheShownStartPage)
{
    Pages pages;
    pages.c.m_strText = "kept";
    CPropertySheet sheet("Cancel me", &m_owner, 2);
    pages.AddTo(sheet);
    ModalDialogDriver driver([&](HWND hSheet) {
        ::SetDlgItemTextA(CurrentPage(hSheet), IDC_PSTEST_NOTES, "typed");
        ::SendMessageA(hSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    });
    EXPECT_EQ(IDCANCEL, sheet.DoModal());
    EXPECT_EQ((std::vector<std::string>{"C:Init", "C:SetActive", "C:QueryCancel", "C:Reset"}), g_log);
    EXPECT_STREQ("kept", pages.c.m_strText);

}

// Enter in a single-line field of a page reaches the sheet through the framework's loop and
// presses OK; Enter in a multi-line field with want-return stays in the field.
TEST_F(PropertySheetTest, EnterInAPageFieldPressesOkUnlessTheFieldWantsIt)
{
    Pages pages;
    CPropertySheet sheet("Keys", &m_owner, 2);
    pages.AddTo(sheet);
    std::string strNotes;
    bool bStillUp = false;
    ModalDialogDriver driver([&](HWND hSheet) {
        HWND hNotes = ::GetDlgItem(CurrentPage(hSheet), IDC_PSTEST_NOTES);
        ::SetFocus(hNotes);
        ::PostMessageA(hNotes, WM_KEYDOWN, VK_RETURN, 1);
        PumpWithPreTranslate(0);
        bStillUp = CurrentPage(hSheet) != NULL;
        strNotes.resize(16);
        strNotes.resize(::GetWindowTextA(hNotes, &strNotes[0], 16));
        ::SendMessageA(hSheet, PSM_SETCURSEL, 0, 0);
        HWND hName = ::GetDlgItem(CurrentPage(hSheet), IDC_PSTEST_NAME);
        ::SetFocus(hName);
        ::PostMessageA(hName, WM_KEYDOWN, VK_RETURN, 1);
    });
    EXPECT_EQ(IDOK, sheet.DoModal());
    EXPECT_EQ("\r\n", strNotes);
    EXPECT_TRUE(bStillUp);
}

// A modeless sheet: Apply reaches every page shown, modified or not, and clears the Apply
// button; a page refusing to be left keeps the sheet on it; pages removed and added while the
// sheet is up change its tabs and its count.
TEST_F(PropertySheetTest, ModelessApplyRefusalAndPagesChangedWhileUp)
{
    Pages pages;
    CPropertySheet sheet("Modeless");
    sheet.AddPage(&pages.a);
    sheet.AddPage(&pages.b);
    ASSERT_TRUE(sheet.Create(&m_owner));
    EXPECT_TRUE(::IsWindowEnabled(m_owner.m_hWnd));
    EXPECT_EQ(0, sheet.GetActiveIndex());
    EXPECT_EQ(&pages.a, sheet.GetActivePage());
    EXPECT_EQ(&pages.a, CWnd::FromHandlePermanent(CurrentPage(sheet.m_hWnd)));
    pages.a.SetModified(TRUE);
    EXPECT_TRUE(sheet.SetActivePage(&pages.b));
    ::SetDlgItemTextA(pages.b.m_hWnd, IDC_PSTEST_COUNT, "12");
    EXPECT_TRUE(ApplyEnabled(sheet.m_hWnd));
    g_log.clear();
    sheet.PressButton(PSBTN_APPLYNOW);
    PumpMessages(0);
    EXPECT_EQ((std::vector<std::string>{"B:KillActive", "A:Apply", "A:OK", "B:Apply", "B:OK", "B:SetActive"}), g_log);
    EXPECT_FALSE(ApplyEnabled(sheet.m_hWnd));
    EXPECT_STREQ("12", pages.b.m_strText);
    EXPECT_TRUE(sheet.ContinueModal() || CurrentPage(sheet.m_hWnd) != NULL);

    g_log.clear();
    pages.b.m_bRefuseLeave = TRUE;
    EXPECT_FALSE(sheet.SetActivePage(0));
    EXPECT_EQ(1, sheet.GetActiveIndex());
    EXPECT_EQ((std::vector<std::string>{"B:KillActive"}), g_log);
    pages.b.m_bRefuseLeave = FALSE;

    sheet.RemovePage(&pages.a);
    EXPECT_EQ(1, sheet.GetPageCount());
    EXPECT_EQ(NULL, pages.a.m_hWnd);
    sheet.AddPage(&pages.c);
    EXPECT_EQ(2, sheet.GetPageCount());
    EXPECT_EQ(&pages.c, sheet.GetPage(1));
    EXPECT_EQ(2, TabCtrl_GetItemCount((HWND)::SendMessageA(sheet.m_hWnd, PSM_GETTABCONTROL, 0, 0)));
    EXPECT_EQ("Notes", TabText(sheet.m_hWnd, 1));
    g_log.clear();
    EXPECT_TRUE(sheet.SetActivePage(&pages.c));
    EXPECT_EQ((std::vector<std::string>{"B:KillActive", "C:Init", "C:SetActive"}), g_log);
    EXPECT_EQ(1, sheet.GetActiveIndex());
    EXPECT_TRUE(sheet.DestroyWindow());
    EXPECT_EQ(NULL, pages.c.m_hWnd);
}

// A sheet that cannot be made returns -1 and leaves no window: no pages, or a page whose
// template is missing.
TEST_F(PropertySheetTest, SheetWithoutPagesOrWithAMissingTemplateFails)
{
    CPropertySheet empty("Empty", &m_owner);
    EXPECT_EQ(-1, empty.DoModal());
    Pages pages;
    CRecPage absent("X", IDD_PSTEST_ABSENT, IDC_PSTEST_NAME);
    CPropertySheet sheet("Broken", &m_owner);
    sheet.AddPage(&pages.a);
    sheet.AddPage(&absent);
    EXPECT_EQ(-1, sheet.DoModal());
    EXPECT_FALSE(sheet.Create(&m_owner));
    EXPECT_EQ(NULL, sheet.m_hWnd);
    EXPECT_TRUE(g_log.empty());
    EXPECT_TRUE(::IsWindowEnabled(m_owner.m_hWnd));
}

} // namespace

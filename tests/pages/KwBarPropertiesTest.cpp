// A real bar of properties docked in a frame under Wine, with real pages from templates: what it
// shows after each change of set and context, and which page objects are alive.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "pages/KwBarProperties.h"
#include "pages/KwPropertyPage.h"
#include "pages/KwPropertyPageSubject.h"
#include "support/MessageRecorder.h"
#include "PagesTest.rh"

#include <CBCGPMDIFrameWnd.h>

#include <functional>
#include <set>
#include <string>

namespace {

// Every page made and deleted, by name: "+A", "-A".
std::vector<std::string> g_lifes;

std::string Alive()
{
    std::set<std::string> alive;
    for (const std::string& life : g_lifes)
    {
        std::string name = life.substr(1, life.find(' ') - 1);
        if (life[0] == '+')
            alive.insert(name);
        else
            alive.erase(name);
    }
    std::string result;
    for (const std::string& name : alive)
        result += " " + name;
    return result.substr(std::min<size_t>(1, result.size()));
}

// A page captioned with its name; its handler of the edit's changes runs m_onEditChange.
class CNamedPage : public CKwPropertyPage
{
public:
    explicit CNamedPage(const char* pszName, UINT nIDTemplate = IDD_PGTEST_SIMPLE,
        CKwPropertyPageSubject* pSubject = NULL)
        : CKwPropertyPage(pSubject, nIDTemplate, 0), m_name(pszName)
    {
        g_lifes.push_back("+" + m_name);
    }
    ~CNamedPage() override { g_lifes.push_back("-" + m_name + (m_bHandlerReturned ? " after its handler" : "")); }
    void OnInitPropertyPage() override { CKwPropertyPage::OnInitPropertyPage(), SetWindowText(m_name.c_str()); }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (wParam == MAKEWPARAM(IDC_PG_EDIT, EN_CHANGE) && m_onEditChange)
        {
            m_onEditChange();
            m_bHandlerReturned = true; // the object is still there after the bar replaced it
            return TRUE;
        }
        return CKwPropertyPage::OnCommand(wParam, lParam);
    }
    std::string m_name;
    bool m_bHandlerReturned = false;
    std::function<void()> m_onEditChange;
};

struct Pages
{
    CList<CKwPropertyPage*, CKwPropertyPage*> m_list;
    Pages() {}
    Pages(std::initializer_list<CKwPropertyPage*> pages)
    {
        for (CKwPropertyPage* pPage : pages)
            m_list.AddTail(pPage);
    }
    operator const CList<CKwPropertyPage*, CKwPropertyPage*>&() const { return m_list; }
};

struct KwBarProperties : ::testing::Test
{
    CWinApp m_app{"KwBarPropertiesTests"};
    CBCGPMDIFrameWnd* m_pFrame = nullptr;
    CKwBarProperties m_bar;

    void SetUp() override
    {
        g_lifes.clear();
        m_pFrame = new CBCGPMDIFrameWnd;
        ASSERT_TRUE(m_pFrame->LoadFrame(IDR_PGTEST_FRAME));
        m_app.m_pMainWnd = m_pFrame;
        m_pFrame->SetWindowPos(NULL, 0, 0, 800, 600, SWP_NOZORDER | SWP_SHOWWINDOW);
        m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
        ASSERT_TRUE(m_bar.Create("Properties", m_pFrame, CRect(0, 0, 260, 300), TRUE, 0,
            WS_CHILD | WS_VISIBLE | CBRS_RIGHT));
        m_bar.EnableDocking(CBRS_ALIGN_ANY);
        m_pFrame->DockControlBar(&m_bar);
        m_pFrame->RecalcLayout();
        PumpMessages(0);
    }
    void TearDown() override
    {
        // The bar's end deletes whatever it shows, a single page as well as tabs.
        if (m_pFrame != nullptr)
            m_pFrame->DestroyWindow();
        m_app.m_pMainWnd = NULL;
        MSG msg;
        ::PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE);
        EXPECT_EQ("", Alive());
    }

    // "tabs A,B,C @1", "single A", "empty"; " hidden" when the shown window is not visible.
    std::string Shown()
    {
        CBCGPTabWnd& tabs = m_bar.GetTabWnd();
        std::string result;
        CWnd* pShown = NULL;
        if (tabs.GetTabsNum() > 0)
        {
            result = "tabs ";
            for (int i = 0; i < tabs.GetTabsNum(); ++i)
            {
                CString strLabel;
                tabs.GetTabLabel(i, strLabel);
                result += (i > 0 ? "," : "") + std::string(strLabel);
            }
            result += " @" + std::to_string(tabs.GetActiveTab());
            pShown = &tabs;
        }
        else if (CKwPropertyPage* pPage = m_bar.GetSinglePage())
        {
            CString strText;
            pPage->GetWindowText(strText);
            result = "single " + std::string(strText);
            EXPECT_FALSE(tabs.IsWindowVisible());
            pShown = pPage;
        }
        else
            return "empty";
        return result + (pShown->IsWindowVisible() ? "" : " hidden");
    }
};

TEST_F(KwBarProperties, SwitchesSetsAndContextsOwningEveryPageGiven)
{
    CNamedPage* pA = new CNamedPage("A");
    m_bar.SetPages(Pages{pA, new CNamedPage("B"), new CNamedPage("C")}, 1, 10, 1);
    EXPECT_EQ("tabs A,B,C @1", Shown());

    // The same set again: what is shown stays (its pages sent again too), the rest goes.
    m_bar.SetPages(Pages{new CNamedPage("D"), pA, pA}, 1, 10, 0);
    EXPECT_EQ("tabs A,B,C @1", Shown());
    EXPECT_EQ("A B C", Alive());

    m_bar.GetTabWnd().SetActiveTab(1); // the user's choice for context 10
    m_bar.SetPages(Pages{new CNamedPage("E")}, 2, 20, 0);
    EXPECT_EQ("single E", Shown());
    EXPECT_EQ("E", Alive());

    // The tabs that went while context 20 came in were nobody's choice for it.
    m_bar.SetPages(Pages{new CNamedPage("F"), new CNamedPage("G"), new CNamedPage("H")}, 3, 20, 1);
    EXPECT_EQ("tabs F,G,H @1", Shown());
    m_bar.SetPages(Pages{new CNamedPage("I"), new CNamedPage("J"), new CNamedPage("K")}, 4, 10, 0);
    EXPECT_EQ("tabs I,J,K @1", Shown());
    // Fewer tabs than the one remembered: the last.
    m_bar.GetTabWnd().SetActiveTab(2);
    CNamedPage* pM = new CNamedPage("M");
    m_bar.SetPages(Pages{new CNamedPage("L"), pM}, 5, 10, 0);
    EXPECT_EQ("tabs L,M @1", Shown());
    EXPECT_EQ("L M", Alive());

    // A page on screen sent again in the next set keeps its object and window.
    HWND hM = pM->m_hWnd;
    CNamedPage* pN = new CNamedPage("N");
    m_bar.SetPages(Pages{pM, pN}, 6, 30, 0);
    EXPECT_EQ("tabs M,N @0", Shown());
    EXPECT_EQ(hM, pM->m_hWnd);
    EXPECT_EQ("M N", Alive());
    m_bar.SetPages(Pages{pN}, 7, 30, 0);
    EXPECT_EQ("single N", Shown());
    EXPECT_EQ("N", Alive());

    // Pages that cannot be made are left out and deleted, with no window behind.
    m_bar.SetPages(Pages{new CNamedPage("O", IDD_PGTEST_BADINIT), new CNamedPage("P"),
                       new CNamedPage("Q", IDD_PGTEST_ABSENT)},
        8, 40, 0);
    EXPECT_EQ("tabs P @0", Shown());
    EXPECT_EQ("P", Alive());
    EXPECT_EQ(NULL, m_bar.GetTabWnd().GetWindow(GW_CHILD)->GetWindow(GW_HWNDNEXT));

    m_bar.SetPages(Pages{}, 9, 40, 0);
    EXPECT_EQ("empty", Shown());
    EXPECT_EQ("", Alive());
}

TEST_F(KwBarProperties, LockedUpdatesShowNothingUntilUnlocked)
{
    EXPECT_FALSE(m_bar.LockUpdate(TRUE));
    m_bar.SetPages(Pages{new CNamedPage("A"), new CNamedPage("B")}, 1, 0, 1);
    EXPECT_EQ("tabs A,B @1 hidden", Shown());
    EXPECT_TRUE(m_bar.LockUpdate(FALSE));
    EXPECT_EQ("tabs A,B @1", Shown());

    m_bar.LockUpdate(TRUE);
    m_bar.SetPages(Pages{new CNamedPage("C")}, 2, 0, 0);
    EXPECT_EQ("single C hidden", Shown());
    m_bar.LockUpdate(FALSE);
    EXPECT_EQ("single C", Shown());
    // The frame's end deletes the single page with the bar (TearDown).
}

TEST_F(KwBarProperties, SetFromInsideAPageHandlerDeletesThatPageAfterTheMessage)
{
    CNamedPage* pA = new CNamedPage("A");
    m_bar.SetPages(Pages{pA, new CNamedPage("B")}, 1, 0, 0);
    std::string aliveInside;
    HWND hAInside = (HWND)1;
    pA->m_onEditChange = [&]() {
        m_bar.SetPages(Pages{new CNamedPage("C")}, 2, 0, 0);
        aliveInside = Alive();
        hAInside = pA->m_hWnd;
    };
    pA->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_PG_EDIT, EN_CHANGE), (LPARAM)pA->GetDlgItem(IDC_PG_EDIT)->m_hWnd);
    EXPECT_EQ("A C", aliveInside); // B's handler was not running: it went at once
    EXPECT_EQ(NULL, hAInside);
    EXPECT_EQ("single C", Shown());
    PumpMessages(0);
    EXPECT_EQ("C", Alive());
    EXPECT_EQ("-A after its handler", g_lifes.back());
}

TEST_F(KwBarProperties, ASubjectsPagesComeForwardForAPropertyAndGoWithItEvenUnderIdentifierZero)
{
    m_bar.SetPages(Pages{new CNamedPage("X")}, 5, 0, 0);
    CKwPropertyPageSubject* pSubject = new CKwPropertyPageSubject;
    m_bar.SetPages(Pages{new CNamedPage("A", IDD_PGTEST_SIMPLE, pSubject),
                       new CNamedPage("B", IDD_PGTEST_SIMPLE, pSubject)},
        0, 0, 1);
    EXPECT_EQ("tabs A,B @1", Shown());
    // The first page that has the control brings its tab to the front.
    EXPECT_TRUE(pSubject->CKwPropertyPageSubject_OpenProperty(IDC_PG_EDIT, 0, 0, 1));
    EXPECT_EQ("tabs A,B @0", Shown());
    pSubject->CKwPropertyPageSubject_NotifyDeleted(); // its pages ask their owner, the bar
    delete pSubject;
    PumpMessages(0);
    EXPECT_EQ("empty", Shown());
    EXPECT_EQ("", Alive());
    EXPECT_EQ(0, m_bar.GetPagesID());
}

} // namespace

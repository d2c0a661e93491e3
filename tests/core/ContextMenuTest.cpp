// Context menus built together: commands copied from menu resources by popup name, and the
// extension handed from a window to the parents that take part.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "ContextMenuTest.rh"
#include "core/KwMenu.h"
#include "core/KwWindow.h"
#include "res/resource.h"
#include "support/MenuText.h"

namespace {

TEST(ContextMenuCommands, NestedPopupsComeAlongWholeAndMissingOnesChangeNothing)
{
    CKwMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 5, "Mine");
    CKwMenu::AddContextMenuCommands(menu, IDR_CMTEST_MENU, "Outer");
    const std::string expected = "Mine=5\n-\nOne=29701\nInner>\n  Two=29702\n  -\n  Three=29703\n-\n";
    EXPECT_EQ(expected, MenuText(menu));

    // The name is compared exactly; an empty popup, a plain item, a missing resource add nothing,
    // not even the separator.
    CKwMenu::AddContextMenuCommands(menu, IDR_CMTEST_MENU, "outer");
    CKwMenu::AddContextMenuCommands(menu, IDR_CMTEST_MENU, "Empty");
    CKwMenu::AddContextMenuCommands(menu, IDR_CMTEST_MENU, "Plain");
    CKwMenu::AddContextMenuCommands(menu, IDR_CMTEST_MENU, "Absent");
    CKwMenu::AddContextMenuCommands(menu, IDR_CMTEST_MENU, NULL);
    CKwMenu::AddContextMenuCommands(menu, 29799, "Outer");
    EXPECT_EQ(expected, MenuText(menu));

    // The resource is loaded afresh each time: a second copy is whole as well.
    CKwMenu again;
    ASSERT_TRUE(again.CreatePopupMenu());
    CKwMenu::AddContextMenuCommands(again, IDR_CMTEST_MENU, "Outer");
    EXPECT_EQ("One=29701\nInner>\n  Two=29702\n  -\n  Three=29703\n-\n", MenuText(again));

    // No target menu: nothing to do, nothing breaks.
    CKwMenu::AddContextMenuCommands((HMENU)NULL, IDR_CMTEST_MENU, "Outer");
}

// A window of the chain adds its item, notes its turn and hands the menu on.
class CChainWnd : public CWnd, public CKwWindow
{
public:
    CChainWnd(const char* pszItem, UINT nID, std::string& log) : m_pszItem(pszItem), m_nID(nID), m_log(log) {}
    void CKwWindow_OnExtendContextMenu(CMenu& menu) override
    {
        m_log += m_pszItem;
        m_log += ";";
        if (m_nID != 0)
            menu.AppendMenu(MF_STRING, m_nID, m_pszItem);
        CKwWindow::CKwWindow_OnExtendContextMenu(menu);
    }
    const char* m_pszItem;
    UINT m_nID;
    std::string& m_log;
};

// The outermost window takes part with commands of the toolkit's menu and ends the chain.
class CBarWnd : public CWnd, public CKwWindow
{
public:
    void CKwWindow_OnExtendContextMenu(CMenu& menu) override
    {
        CKwMenu::AddContextMenuCommands(menu, IDR_KW_CONTEXT_MENUS, "KwControlBar");
    }
};

struct Chain
{
    std::string log;
    CBarWnd bar;
    CChainWnd page{"Page", 101, log};
    CWnd plain; // takes no part
    CChainWnd pane{"Pane", 0, log}; // passes on without adding
    CChainWnd view{"View", 102, log};

    // bar > page > plain > pane > view when bPlainBetween, else bar > page > pane > view
    explicit Chain(bool bPlainBetween)
    {
        bar.CreateEx(0, AfxRegisterWndClass(0), "Bar", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, NULL, NULL);
        page.Create(NULL, "Page", WS_CHILD, CRect(0, 0, 200, 100), &bar, 1);
        CWnd* pPaneParent = &page;
        if (bPlainBetween)
        {
            plain.Create(NULL, "Plain", WS_CHILD, CRect(0, 0, 200, 100), &page, 2);
            pPaneParent = &plain;
        }
        pane.Create(NULL, "Pane", WS_CHILD, CRect(0, 0, 200, 100), pPaneParent, 3);
        view.Create(NULL, "View", WS_CHILD, CRect(0, 0, 200, 100), &pane, 4);
    }
    ~Chain() { bar.DestroyWindow(); }
};

TEST(ContextMenuChain, EachWindowAddsInTurnUpToTheOutermost)
{
    Chain chain(false);
    ASSERT_TRUE(chain.view.GetSafeHwnd() != NULL);
    CKwMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    chain.view.CKwWindow_OnExtendContextMenu(menu);
    EXPECT_EQ("View;Pane;Page;", chain.log);
    EXPECT_EQ("View=102\nPage=101\n-\nAuto Hide=51009\n-\nHide=51010\nFloat=51011\n", MenuText(menu));
}

TEST(ContextMenuChain, AParentThatTakesNoPartEndsTheChain)
{
    Chain chain(true);
    CKwMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    chain.view.CKwWindow_OnExtendContextMenu(menu);
    EXPECT_EQ("View;Pane;", chain.log);
    EXPECT_EQ("View=102\n", MenuText(menu));

    // A window without a parent, one without a window yet, and a mix-in that is no window at all
    // end it too.
    CKwMenu other;
    ASSERT_TRUE(other.CreatePopupMenu());
    chain.bar.CKwWindow::CKwWindow_OnExtendContextMenu(other);
    std::string log;
    CChainWnd unborn("Unborn", 7, log);
    unborn.CKwWindow_OnExtendContextMenu(other);
    CKwWindow loose;
    loose.CKwWindow_OnExtendContextMenu(other);
    EXPECT_EQ("Unborn=7\n", MenuText(other));
}

} // namespace

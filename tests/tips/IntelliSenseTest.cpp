// Tests of the completion window on a real list view owned by a real editor window: the prefix
// and its search, the client's calls for each key (compared whole), placement at the edges of
// the work area, the description tip, a second Start, and a client that deletes the window when
// the completion ends.
#include <gtest/gtest.h>

#include "support/MessageRecorder.h"
#include "support/PumpUntil.h"
#include "tips/KwIntelliSenseItemImpl.h"
#include "tips/KwIntelliSenseWindow.h"
#include "tips/KwStaticToolTipCtrl.h"
#include "tips/KwWorkArea.h"

#include <memory>
#include <string>
#include <vector>

namespace {

// A client that offers its items and notes each call.
class CTestClient : public IKwIntelliSenseClient
{
public:
    std::vector<CKwIntelliSenseItemImpl> m_items;
    std::vector<std::string> m_calls;
    CKwIntelliSenseWindow* m_pDeleteOnClose = NULL;

    CImageList* IKwIntelliSenseClient_GetImageList() override { return NULL; }
    UINT IKwIntelliSenseClient_GetItemCount() override { return (UINT)m_items.size(); }
    IKwIntelliSenseItem* IKwIntelliSenseClient_GetItem(int n) override { return &m_items[n]; }
    void IKwIntelliSenseClient_ReplaceText(int nStart, int nEnd, CString sText, int nCaret) override
    {
        m_calls.push_back("Replace " + std::to_string(nStart) + "-" + std::to_string(nEnd) + " '" +
                          (LPCTSTR)sText + "' " + std::to_string(nCaret));
    }
    void IKwIntelliSenseClient_OnClose() override
    {
        m_calls.push_back("Close");
        delete m_pDeleteOnClose;
        m_pDeleteOnClose = NULL;
    }
};

// The editor: a framework window (the list's notifications are reflected through it) that
// notes the keys it receives.
class CEditorWnd : public CWnd
{
public:
    std::vector<UINT> m_keys;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_KEYDOWN)
            m_keys.push_back((UINT)wParam);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

struct Completion : ::testing::Test
{
    CTestClient client;
    CEditorWnd editor;
    std::unique_ptr<CKwIntelliSenseWindow> list{new CKwIntelliSenseWindow(&client)};
    void SetUp() override
    {
        ASSERT_TRUE(editor.CreateEx(0, AfxRegisterWndClass(0), "editor", WS_POPUP | WS_VISIBLE,
            CRect(100, 100, 500, 300), NULL, 0));
        editor.SetFocus();
        for (const char* s : {"Apple", "apricot", "Banana", "Sin(x)", "my_value", "my_var"})
            client.m_items.emplace_back(s, 0, CString("About ") + s);
    }
    void TearDown() override
    {
        list.reset();
        editor.DestroyWindow();
    }
    void Start(const char* line, CPoint caretTop = CPoint(20, 20))
    {
        list->Start(line, caretTop, caretTop + CPoint(0, 16), &editor);
        PumpMessages();
    }
    std::string Selected()
    {
        int n = list->GetNextItem(-1, LVNI_SELECTED);
        return n < 0 ? "" : (LPCTSTR)list->GetItemText(n, 0);
    }
    // Keys through the queue, as the user's would come.
    void Char(UINT c)
    {
        list->PostMessage(WM_CHAR, c, 1);
        PumpMessages();
    }
    void Key(UINT vk)
    {
        list->PostMessage(WM_KEYDOWN, vk, 1);
        PumpMessages();
    }
    CKwStaticToolTipCtrl* Tip()
    {
        for (HWND h = ::GetWindow(::GetDesktopWindow(), GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
            if (::GetWindow(h, GW_OWNER) == list->m_hWnd)
                return (CKwStaticToolTipCtrl*)CWnd::FromHandlePermanent(h);
        return NULL;
    }
};

using Calls = std::vector<std::string>;

// The prefix is the identifier at the end of the line; the best match is selected, exactly
// first, else ignoring case, else with a shorter prefix.
TEST_F(Completion, PrefixSearch)
{
    struct Case
    {
        const char* line;
        const char* selected;
    } cases[] = {{"x = my_va", "my_value"}, {"x = my_var", "my_var"}, {"ap", "Apple"}, {"Az", "Apple"},
        {"q = ap", "Apple"}, {"APR", "apricot"}, {"b", "Banana"}, {"x ", "Apple"}, {"zzz", "Apple"}};
    for (const Case& c : cases)
    {
        Start(c.line);
        EXPECT_EQ(c.selected, Selected()) << c.line;
        EXPECT_TRUE(list->IsWindowVisible());
    }
    // Typing refines, backspace widens again.
    Start("x = my_");
    Char('v');
    Char('a');
    Char('r');
    EXPECT_EQ("my_var", Selected());
    Char(VK_BACK);
    EXPECT_EQ("my_value", Selected());
}

// The client's calls for typed characters, backspace and each key that accepts, compared whole.
TEST_F(Completion, ClientCallsForEachKey)
{
    Start("y = Si");
    Char('n');
    Char(VK_BACK);
    Char(VK_BACK); // the caret stands where the deleted character was
    Char(1);
    Char(127);
    Char(VK_RETURN); // the caret after the opening parenthesis
    EXPECT_EQ((Calls{"Replace 6-6 'n' 7", "Replace 6-7 '' 6", "Replace 5-6 '' 5", "Replace 4-5 'Sin(x)' 8", "Close"}),
        client.m_calls);
    EXPECT_EQ(editor.m_hWnd, ::GetFocus());

    for (UINT c : {(UINT)VK_TAB, (UINT)VK_SPACE})
    {
        client.m_calls.clear();
        Start("  ap");
        Char(c);
        EXPECT_EQ((Calls{"Replace 2-4 'Apple' 7", "Close"}), client.m_calls) << c;
    }
    // Backspace with an empty prefix deletes the character before the word start and closes.
    client.m_calls.clear();
    Start("f(");
    Char(VK_BACK);
    Start("");
    Char(VK_BACK);
    EXPECT_EQ((Calls{"Replace 1-2 '' 1", "Close", "Close"}), client.m_calls);
}

// Escape cancels; Left, Right and Delete cancel and reach the editor; Down moves the selection
// and the list's own handling keeps the popup open.
TEST_F(Completion, KeysThatCancel)
{
    Start("Ap");
    Key(VK_DOWN);
    EXPECT_EQ("apricot", Selected());
    EXPECT_TRUE(client.m_calls.empty());
    Key(VK_ESCAPE);
    for (UINT vk : {(UINT)VK_LEFT, (UINT)VK_DELETE})
    {
        Start("Ap");
        editor.m_keys.clear();
        list->PostMessage(WM_KEYDOWN, vk, 1);
        ASSERT_TRUE(PumpUntil([&] { return !editor.m_keys.empty(); }));
        EXPECT_EQ(vk, editor.m_keys.back());
    }
    EXPECT_EQ((Calls{"Close", "Close", "Close"}), client.m_calls);
    EXPECT_EQ(TRUE, list->SendMessage(WM_FLOATSTATUS, FS_SYNCACTIVE));
}

// Near the right and bottom edges the list opens above and to the left of the caret; elsewhere
// below and to the right.
TEST_F(Completion, PlacementAtTheEdges)
{
    CRect area = CKwWorkArea::Get();
    CRect rc;
    Start("a", CPoint(20, 20));
    list->GetWindowRect(&rc);
    EXPECT_EQ(CPoint(120, 136), rc.TopLeft());
    CSize size = rc.Size();
    struct Case
    {
        CPoint caret; // top, on the screen
        CRect expected;
    } cases[] = {
        {CPoint(300, area.bottom - 20), CRect(CPoint(300, area.bottom - 20 - size.cy), size)},
        {CPoint(area.right - 5, 200), CRect(CPoint(area.right - 5 - size.cx, 216), size)},
        {CPoint(area.right - 5, area.bottom - 20), CRect(area.right - 5 - size.cx, area.bottom - 20 - size.cy,
                                                       area.right - 5, area.bottom - 20)},
    };
    for (const Case& c : cases)
    {
        Start("a", c.caret - CPoint(100, 100));
        list->GetWindowRect(&rc);
        EXPECT_EQ(c.expected, rc) << c.caret.x << "," << c.caret.y;
    }
}

// The description of the selected row shows beside the list, follows the selection, and is made
// again for a second Start over the list still open (which does not end the completion).
TEST_F(Completion, DescriptionTipAndRestart)
{
    Start("Ban");
    CKwStaticToolTipCtrl* pTip = Tip();
    ASSERT_TRUE(pTip != NULL);
    ASSERT_TRUE(PumpUntil([&] { return pTip->IsWindowVisible(); }));
    CString s;
    pTip->GetWindowText(s);
    EXPECT_EQ("About Banana", std::string(s));
    CRect rcTip, rcList;
    pTip->GetWindowRect(&rcTip);
    list->GetWindowRect(&rcList);
    EXPECT_EQ(rcList.right + 3, rcTip.left);
    Key(VK_DOWN);
    ASSERT_TRUE(PumpUntil([&] { pTip->GetWindowText(s); return s == "About Sin(x)"; }));

    Start("my");
    EXPECT_TRUE(client.m_calls.empty());
    ASSERT_TRUE(PumpUntil([&] { return Tip() != NULL && Tip()->IsWindowVisible(); }));
    Tip()->GetWindowText(s);
    EXPECT_EQ("About my_value", std::string(s));
    // Ending the completion hides the tip; a client that deletes the window there is safe.
    HWND hTip = Tip()->m_hWnd;
    CKwIntelliSenseWindow* pList = list.release();
    client.m_pDeleteOnClose = pList;
    pList->PostMessage(WM_CHAR, VK_TAB, 1);
    PumpMessages();
    EXPECT_EQ((Calls{"Replace 0-2 'my_value' 8", "Close"}), client.m_calls);
    EXPECT_FALSE(::IsWindow(hTip));
}

} // namespace

// Tests of the completion window, a real list view owned by a real editor: the prefix search, the
// client's calls for each key, placement at the work area's edges, the description tip, restarts.
#include <gtest/gtest.h>

#include "core/KwLook.h"
#include "core/KwPalette.h"
#include "support/MessageRecorder.h"
#include "support/PumpUntil.h"
#include "tips/KwIntelliSenseItemImpl.h"
#include "tips/KwIntelliSenseWindow.h"
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

    CImageList* IKwIntelliSenseClient_GetImageList() override { return NULL; }
    UINT IKwIntelliSenseClient_GetItemCount() override { return (UINT)m_items.size(); }
    IKwIntelliSenseItem* IKwIntelliSenseClient_GetItem(int n) override { return &m_items[n]; }
    void IKwIntelliSenseClient_ReplaceText(int nStart, int nEnd, CString sText, int nCaret) override
    {
        m_calls.push_back("Replace " + std::to_string(nStart) + "-" + std::to_string(nEnd) + " '" +
                          (LPCTSTR)sText + "' " + std::to_string(nCaret));
    }
    void IKwIntelliSenseClient_OnClose() override { m_calls.push_back("Close"); }
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
    std::unique_ptr<CKwIntelliSenseWindow> list{new CKwIntelliSenseWindow(&client)}; // goes first
    void SetUp() override
    {
        ASSERT_TRUE(editor.CreateEx(0, AfxRegisterWndClass(0), "editor", WS_POPUP | WS_VISIBLE,
            CRect(100, 100, 500, 300), NULL, 0));
        editor.SetFocus();
        for (const char* s : {"Apple", "apricot", "Banana", "Sin(x)", "my_value", "my_var"})
            client.m_items.emplace_back(s, 0, CString("About ") + s);
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
    void Char(UINT c, UINT message = WM_CHAR)
    {
        list->PostMessage(message, c, 1);
        PumpMessages();
    }
    void Key(UINT vk) { Char(vk, WM_KEYDOWN); }
    CWnd* Tip()
    {
        for (HWND h = ::GetWindow(::GetDesktopWindow(), GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
            if (::GetWindow(h, GW_OWNER) == list->m_hWnd)
                return CWnd::FromHandle(h);
        return NULL;
    }
};

using Calls = std::vector<std::string>;

// The prefix is the identifier at the end of the line; the best match is selected, exactly
// first, else ignoring case, else with a shorter prefix.
TEST_F(Completion, PrefixSearch)
{
    const char* cases[][2] = {{"x = my_va", "my_value"}, {"x = my_var", "my_var"}, {"ap", "Apple"},
        {"Baz", "Banana"}, {"q = ap", "Apple"}, {"APR", "apricot"}, {"b", "Banana"}, {"x ", "Apple"}, {"zzz", "Apple"}};
    for (auto& c : cases)
    {
        Start(c[0]);
        EXPECT_EQ(c[1], Selected()) << c[0];
    }
    Start("ap");
    Char('r'); // typing refines
    EXPECT_EQ("apricot", Selected());
}

// A list made in the dark look shows its colours; the next one in the classic look the system's.
TEST_F(Completion, TheListTakesTheLookItIsMadeIn)
{
    CKwLook::SetLook(CKwLook::eDark, FALSE);
    Start("ap");
    const COLORREF back = CKwPalette::Get(CKwPalette::eWindow), text = CKwPalette::Get(CKwPalette::eWindowText);
    EXPECT_EQ(back, list->GetBkColor());
    EXPECT_EQ(text, list->GetTextColor());
    CKwLook::SetLook(CKwLook::eClassic, FALSE);
    Start("ap");
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), list->GetBkColor());
    EXPECT_NE(back, ::GetSysColor(COLOR_WINDOW));
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
    Start("  ap");
    Char(VK_TAB);
    Start("  ap");
    Char(VK_SPACE); // accepts, inserts no space
    // Backspace with an empty prefix deletes the character before the word start and closes.
    Start("f(");
    Char(VK_BACK);
    Start("");
    Char(VK_BACK);
    EXPECT_EQ((Calls{"Replace 6-6 'n' 7", "Replace 6-7 '' 6", "Replace 5-6 '' 5", "Replace 4-5 'Sin(x)' 8", "Close",
                  "Replace 2-4 'Apple' 7", "Close", "Replace 2-4 'Apple' 7", "Close", "Replace 1-2 '' 1", "Close",
                  "Close"}),
        client.m_calls);
}

// Escape cancels; Left, Right and Delete cancel and reach the editor.
TEST_F(Completion, KeysThatCancel)
{
    Start("Ap");
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
}

// Near the right and bottom edges the list opens above and to the left of the caret; elsewhere
// below and to the right.
TEST_F(Completion, PlacementAtTheEdges)
{
    CRect area = CKwWorkArea::Get(), rc;
    Start("a", CPoint(20, 20));
    list->GetWindowRect(&rc);
    EXPECT_EQ(CPoint(120, 136), rc.TopLeft());
    CSize sz = rc.Size();
    int r = area.right - 5, b = area.bottom - 20; // the caret's top on the screen, near the edges
    const CPoint carets[] = {CPoint(300, b), CPoint(r, 200), CPoint(r, b)};
    const CPoint expected[] = {CPoint(300, b - sz.cy), CPoint(r - sz.cx, 216), CPoint(r - sz.cx, b - sz.cy)};
    for (int i = 0; i < 3; i++)
    {
        Start("a", carets[i] - CPoint(100, 100));
        list->GetWindowRect(&rc);
        EXPECT_EQ(CRect(expected[i], sz), rc) << i;
    }
}

// The description of the selected row shows beside the list and follows the selection; a second
// Start over the list still open makes it again without ending the completion; ending it hides
// the tip.
TEST_F(Completion, DescriptionTipAndRestart)
{
    auto tipText = [&] {
        CString s;
        if (Tip() != NULL && Tip()->IsWindowVisible())
            Tip()->GetWindowText(s);
        return std::string(s);
    };
    Start("Ban");
    ASSERT_TRUE(PumpUntil([&] { return tipText() == "About Banana"; }));
    CRect rcTip, rcList;
    Tip()->GetWindowRect(&rcTip);
    list->GetWindowRect(&rcList);
    EXPECT_EQ(rcList.right + 3, rcTip.left);
    Key(VK_DOWN);
    ASSERT_TRUE(PumpUntil([&] { return tipText() == "About Sin(x)"; }));
    Start("my");
    ASSERT_TRUE(PumpUntil([&] { return tipText() == "About my_value"; }));
    EXPECT_TRUE(client.m_calls.empty());
    Key(VK_ESCAPE);
    EXPECT_EQ("", tipText());
}

} // namespace

// Tests of the hyperlink decoration on real statics of a real parent: subclassing once per
// parent and per control, the link colour, the hot state and its end, the click notification,
// and that destroying the windows leaves no property or font behind.
#include <gtest/gtest.h>

#include "core/KwLook.h"
#include "core/KwPalette.h"
#include "tips/KwHyperLink.h"

#include <string>
#include <vector>

namespace {

const char* const kProps[] = {"_Hyperlink_From_Static_", "_Hyperlink_Original_Proc_", "_Hyperlink_Original_Font_",
    "_Hyperlink_Underline_Font_"};

// A parent that notes the commands it receives.
class CCommandWnd : public CWnd
{
public:
    std::vector<std::string> m_commands;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM) override
    {
        m_commands.push_back(std::to_string(LOWORD(wParam)) + "/" + std::to_string(HIWORD(wParam)));
        return TRUE;
    }
};

// The properties and fonts of the dialog's windows as they reach WM_NCDESTROY, after every
// WM_DESTROY handler ran.
std::string g_atNcDestroy;
HWND g_hDialog;
LRESULT CALLBACK NcDestroyHook(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* p = (const CWPSTRUCT*)lParam;
    if (code == HC_ACTION && p->message == WM_NCDESTROY && (p->hwnd == g_hDialog || ::GetParent(p->hwnd) == g_hDialog))
    {
        for (const char* name : kProps)
            if (::GetPropA(p->hwnd, name) != NULL)
                g_atNcDestroy += std::string(name) + " ";
        g_atNcDestroy += std::to_string((INT_PTR)::SendMessage(p->hwnd, WM_GETFONT, 0, 0)) + ";";
    }
    return ::CallNextHookEx(NULL, code, wParam, lParam);
}

// A top-level window with three statics: 101 and 102 in a font of their own, 103 without one.
struct HyperLink : ::testing::Test
{
    CCommandWnd dlg;
    CFont font;
    CKwHyperLink link1, link2, link3;
    void SetUp() override
    {
        ASSERT_TRUE(dlg.CreateEx(0, AfxRegisterWndClass(0), "links", WS_POPUP | WS_VISIBLE, CRect(100, 100, 400, 300),
            NULL, 0));
        font.CreatePointFont(90, "Tahoma");
        for (int id = 101; id <= 103; id++)
            ::CreateWindowA("STATIC", "link", WS_CHILD | WS_VISIBLE, 10, 30 * id - 3020, 100, 20, dlg.m_hWnd,
                (HMENU)(INT_PTR)id, NULL, NULL);
        ::SendMessage(Item(101), WM_SETFONT, (WPARAM)font.m_hObject, FALSE);
        ::SendMessage(Item(102), WM_SETFONT, (WPARAM)font.m_hObject, FALSE);
    }
    HWND Item(int id) { return ::GetDlgItem(dlg.m_hWnd, id); }
    COLORREF TextColorFor(int id)
    {
        CClientDC dc(&dlg);
        ::SetTextColor(dc.m_hDC, RGB(1, 2, 3));
        dlg.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)dc.m_hDC, (LPARAM)Item(id));
        return ::GetTextColor(dc.m_hDC);
    }
    // The text and brush colours wnd answers nMsg for its item id with.
    static std::vector<COLORREF> Colors(CWnd& wnd, UINT nMsg, int id)
    {
        CClientDC dc(&wnd);
        LOGBRUSH lb = {};
        ::GetObjectA((HBRUSH)wnd.SendMessage(nMsg, (WPARAM)dc.m_hDC, (LPARAM)wnd.GetDlgItem(id)->m_hWnd), sizeof(lb), &lb);
        return {::GetTextColor(dc.m_hDC), lb.lbColor};
    }
};

// Two links subclass the dialog once; linking a control again changes nothing (it used to
// subclass itself and recurse); a missing item is refused and leaves the dialog as it was.
// Destroying the dialog, with a link hot, undoes everything.
TEST_F(HyperLink, LifeOfTwoLinks)
{
    WNDPROC pfnDialog = (WNDPROC)::GetWindowLongPtr(dlg.m_hWnd, GWLP_WNDPROC);
    EXPECT_FALSE(link1.CreateLink(dlg.m_hWnd, 999, "nowhere"));
    EXPECT_EQ(pfnDialog, (WNDPROC)::GetWindowLongPtr(dlg.m_hWnd, GWLP_WNDPROC));
    EXPECT_EQ(NULL, ::GetPropA(dlg.m_hWnd, kProps[1]));

    WNDPROC pfnStatic = (WNDPROC)::GetWindowLongPtr(Item(101), GWLP_WNDPROC);
    ASSERT_TRUE(link1.CreateLink(dlg.m_hWnd, 101, "http://a"));
    ASSERT_TRUE(link2.CreateLink(dlg.m_hWnd, 102, "http://b"));
    ASSERT_TRUE(link3.CreateLink(dlg.m_hWnd, 101, "http://c"));
    EXPECT_EQ(pfnDialog, (WNDPROC)::GetPropA(dlg.m_hWnd, kProps[1]));
    EXPECT_EQ(pfnStatic, (WNDPROC)::GetPropA(Item(101), kProps[1]));
    EXPECT_EQ(RGB(0, 0, 0xC0), TextColorFor(101));
    EXPECT_EQ(RGB(0, 0, 0xC0), TextColorFor(102));
    EXPECT_NE(RGB(0, 0, 0xC0), TextColorFor(103));

    HGDIOBJ hUnderline1 = ::GetPropA(Item(101), kProps[3]), hUnderline2 = ::GetPropA(Item(102), kProps[3]);
    ::SendMessage(Item(101), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    g_hDialog = dlg.m_hWnd;
    g_atNcDestroy.clear();
    HHOOK hHook = ::SetWindowsHookExA(WH_CALLWNDPROC, NcDestroyHook, NULL, ::GetCurrentThreadId());
    dlg.DestroyWindow();
    ::UnhookWindowsHookEx(hHook);
    // The controls 101 to 103 in their fonts again, then the dialog, which has none.
    std::string sFont = std::to_string((INT_PTR)font.m_hObject);
    EXPECT_EQ(sFont + ";" + sFont + ";0;0;", g_atNcDestroy);
    EXPECT_EQ(0u, ::GetObjectType(hUnderline1));
    EXPECT_EQ(0u, ::GetObjectType(hUnderline2));
}

// Over the link: underlined (in the system font when the control has none) and capturing; off it,
// or when another window takes the capture: plain again. A click sends STN_CLICKED.
TEST_F(HyperLink, HotStateAndClick)
{
    HWND h = Item(103);
    ASSERT_TRUE(link1.CreateLink(dlg.m_hWnd, 103, "x"));
    HFONT hUnderline = (HFONT)::GetPropA(h, kProps[3]);
    LOGFONTA lf = {}, plain = {};
    ASSERT_TRUE(::GetObjectA(hUnderline, sizeof(lf), &lf));
    ::GetObjectA(::GetStockObject(SYSTEM_FONT), sizeof(plain), &plain);
    EXPECT_TRUE(lf.lfUnderline);
    EXPECT_STREQ(plain.lfFaceName, lf.lfFaceName);

    ::SendMessage(h, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(h, ::GetCapture());
    EXPECT_EQ(hUnderline, (HFONT)::SendMessage(h, WM_GETFONT, 0, 0));
    ::SendMessage(h, WM_MOUSEMOVE, 0, MAKELPARAM(5, 500));
    EXPECT_EQ(NULL, ::GetCapture());
    EXPECT_EQ(NULL, (HFONT)::SendMessage(h, WM_GETFONT, 0, 0));
    ::SendMessage(h, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    ::SetCapture(dlg.m_hWnd);
    EXPECT_EQ(NULL, (HFONT)::SendMessage(h, WM_GETFONT, 0, 0));

    ::SendMessage(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ::SendMessage(h, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(std::vector<std::string>{"103/" + std::to_string(STN_CLICKED)}, dlg.m_commands);
}

// In the dark look a link keeps the classic colour while its parent keeps the light face, and
// takes the dark one once the parent follows the look; other statics and edits take the look's
// text on its face and window colours.
TEST_F(HyperLink, TheDarkLookKeepsTheLinkReadable)
{
    ASSERT_TRUE(link1.CreateLink(dlg.m_hWnd, 101, "a"));
    CKwLook::SetLook(CKwLook::eDark, FALSE);
    const std::vector<COLORREF> light = Colors(dlg, WM_CTLCOLORSTATIC, 101);
    CKwPalette::FollowInDialog(dlg.m_hWnd);
    typedef CKwPalette P;
    const std::vector<COLORREF> expected = {P::Get(P::eLink), P::Get(P::eFace), P::Get(P::eFaceText), P::Get(P::eFace),
        P::Get(P::eWindowText), P::Get(P::eWindow)};
    std::vector<COLORREF> seen = Colors(dlg, WM_CTLCOLORSTATIC, 101);
    for (const auto& more : {Colors(dlg, WM_CTLCOLORSTATIC, 102), Colors(dlg, WM_CTLCOLOREDIT, 102)})
        seen.insert(seen.end(), more.begin(), more.end());
    CKwLook::SetLook(CKwLook::eClassic, FALSE);
    EXPECT_EQ(expected, seen);
    EXPECT_EQ(light, Colors(dlg, WM_CTLCOLORSTATIC, 101)); // as in the classic look
}

} // namespace

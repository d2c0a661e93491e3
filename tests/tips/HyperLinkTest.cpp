// Tests of the hyperlink decoration on real static controls of a real parent: the subclassing
// (once per parent, once per control), the link colour, the hot state and its end, the click
// notification, and that destroying the windows leaves no property or font behind.
#include <gtest/gtest.h>

#include "tips/KwHyperLink.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

const char* const kProps[] = {"_Hyperlink_From_Static_", "_Hyperlink_Original_Proc_", "_Hyperlink_Original_Font_",
    "_Hyperlink_Underline_Font_"};

// A top-level window with three statics: 101 and 102 in a font of their own, 103 without one.
class CLinkDialog : public CWnd
{
public:
    std::vector<std::string> m_commands;
    CFont m_font;
    BOOL Make()
    {
        if (!CreateEx(0, AfxRegisterWndClass(0), "links", WS_POPUP | WS_VISIBLE, CRect(100, 100, 400, 300), NULL, 0))
            return FALSE;
        m_font.CreatePointFont(90, "Tahoma");
        for (int id = 101; id <= 103; id++)
        {
            HWND h = ::CreateWindowA("STATIC", "link", WS_CHILD | WS_VISIBLE, 10, 30 * id - 3020, 100, 20, m_hWnd,
                (HMENU)(INT_PTR)id, NULL, NULL);
            if (id != 103)
                ::SendMessage(h, WM_SETFONT, (WPARAM)m_font.m_hObject, FALSE);
        }
        return TRUE;
    }
    HWND Item(int id) { return ::GetDlgItem(m_hWnd, id); }

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM) override
    {
        m_commands.push_back(std::to_string(LOWORD(wParam)) + "/" + std::to_string(HIWORD(wParam)));
        return TRUE;
    }
};

// The properties and fonts of the windows as they reach WM_NCDESTROY, after every WM_DESTROY
// handler ran.
std::string g_atNcDestroy;
std::vector<HWND> g_watched;
LRESULT CALLBACK NcDestroyHook(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* p = (const CWPSTRUCT*)lParam;
    if (code == HC_ACTION && p->message == WM_NCDESTROY &&
        std::find(g_watched.begin(), g_watched.end(), p->hwnd) != g_watched.end())
    {
        for (const char* name : kProps)
            if (::GetPropA(p->hwnd, name) != NULL)
                g_atNcDestroy += std::string(name) + " ";
        g_atNcDestroy += std::to_string((INT_PTR)::SendMessage(p->hwnd, WM_GETFONT, 0, 0)) + ";";
    }
    return ::CallNextHookEx(NULL, code, wParam, lParam);
}

struct HyperLink : ::testing::Test
{
    CLinkDialog dlg;
    CKwHyperLink link1, link2, link3;
    void SetUp() override { ASSERT_TRUE(dlg.Make()); }
    void TearDown() override
    {
        if (dlg.m_hWnd != NULL)
            dlg.DestroyWindow();
    }
    COLORREF TextColorFor(HWND hStatic)
    {
        HDC hdc = ::GetDC(dlg.m_hWnd);
        ::SetTextColor(hdc, RGB(1, 2, 3));
        dlg.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)hdc, (LPARAM)hStatic);
        COLORREF cr = ::GetTextColor(hdc);
        ::ReleaseDC(dlg.m_hWnd, hdc);
        return cr;
    }
};

// Two links subclass the dialog once; linking a control again changes nothing (it used to
// subclass itself and recurse); a missing item is refused and leaves the dialog as it was.
TEST_F(HyperLink, SubclassesOnceAndRefusesMissingItems)
{
    WNDPROC pfnDialog = (WNDPROC)::GetWindowLongPtr(dlg.m_hWnd, GWLP_WNDPROC);
    EXPECT_FALSE(link1.CreateLink(dlg.m_hWnd, 999, "nowhere"));
    EXPECT_EQ(pfnDialog, (WNDPROC)::GetWindowLongPtr(dlg.m_hWnd, GWLP_WNDPROC));
    EXPECT_EQ(NULL, ::GetPropA(dlg.m_hWnd, kProps[1]));

    WNDPROC pfnStatic = (WNDPROC)::GetWindowLongPtr(dlg.Item(101), GWLP_WNDPROC);
    ASSERT_TRUE(link1.CreateLink(dlg.m_hWnd, 101, "http://a"));
    ASSERT_TRUE(link2.CreateLink(dlg.m_hWnd, 102, "http://b"));
    ASSERT_TRUE(link3.CreateLink(dlg.m_hWnd, 101, "http://c"));
    EXPECT_EQ(pfnDialog, (WNDPROC)::GetPropA(dlg.m_hWnd, kProps[1]));
    EXPECT_EQ(pfnStatic, (WNDPROC)::GetPropA(dlg.Item(101), kProps[1]));
    EXPECT_EQ("http://b", std::string(link2.GetLink()));
    EXPECT_EQ(102u, link2.GetLinkId());
    EXPECT_TRUE(::GetWindowLong(dlg.Item(102), GWL_STYLE) & SS_NOTIFY);
    EXPECT_TRUE(::SendMessage(dlg.Item(101), WM_SETCURSOR, (WPARAM)dlg.Item(101), HTCLIENT));

    EXPECT_EQ(RGB(0, 0, 0xC0), TextColorFor(dlg.Item(101)));
    EXPECT_EQ(RGB(0, 0, 0xC0), TextColorFor(dlg.Item(102)));
    EXPECT_NE(RGB(0, 0, 0xC0), TextColorFor(dlg.Item(103)));
}

// Over the link: underlined and capturing; off it, or when another window takes the capture:
// plain again. A control without a font is underlined in the system font. A click reaches the
// dialog as STN_CLICKED.
TEST_F(HyperLink, HotStateAndClick)
{
    for (int id : {102, 103})
    {
        HWND h = dlg.Item(id);
        ASSERT_TRUE(link1.CreateLink(dlg.m_hWnd, id, "x"));
        HFONT hPlain = (HFONT)::GetPropA(h, kProps[2]);
        HFONT hUnderline = (HFONT)::GetPropA(h, kProps[3]);
        LOGFONTA lf = {};
        ASSERT_TRUE(::GetObjectA(hUnderline, sizeof(lf), &lf));
        EXPECT_TRUE(lf.lfUnderline);
        LOGFONTA plain = {};
        ::GetObjectA(hPlain ? (HGDIOBJ)hPlain : ::GetStockObject(SYSTEM_FONT), sizeof(plain), &plain);
        EXPECT_STREQ(plain.lfFaceName, lf.lfFaceName);
        EXPECT_EQ(plain.lfHeight, lf.lfHeight);

        ::SendMessage(h, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
        EXPECT_EQ(h, ::GetCapture());
        EXPECT_EQ(hUnderline, (HFONT)::SendMessage(h, WM_GETFONT, 0, 0));
        ::SendMessage(h, WM_MOUSEMOVE, 0, MAKELPARAM(5, 500));
        EXPECT_EQ(NULL, ::GetCapture());
        EXPECT_EQ(hPlain, (HFONT)::SendMessage(h, WM_GETFONT, 0, 0));

        ::SendMessage(h, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
        ::SetCapture(dlg.m_hWnd);
        EXPECT_EQ(hPlain, (HFONT)::SendMessage(h, WM_GETFONT, 0, 0)) << id;
        ::ReleaseCapture();
    }
    ::SendMessage(dlg.Item(102), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ::SendMessage(dlg.Item(102), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    ASSERT_FALSE(dlg.m_commands.empty());
    EXPECT_EQ("102/" + std::to_string(STN_CLICKED), dlg.m_commands[0]);
}

// Destroying the dialog takes every property off the controls and the dialog, gives the
// controls their fonts back and deletes the underline fonts.
TEST_F(HyperLink, DestroyLeavesNothingBehind)
{
    ASSERT_TRUE(link1.CreateLink(dlg.m_hWnd, 101, "a"));
    ASSERT_TRUE(link2.CreateLink(dlg.m_hWnd, 103, "b"));
    HGDIOBJ hUnderline1 = ::GetPropA(dlg.Item(101), kProps[3]);
    HGDIOBJ hUnderline2 = ::GetPropA(dlg.Item(103), kProps[3]);
    ::SendMessage(dlg.Item(101), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5)); // destroyed while hot
    g_atNcDestroy.clear();
    g_watched = {dlg.m_hWnd, dlg.Item(101), dlg.Item(102), dlg.Item(103)};
    HHOOK hHook = ::SetWindowsHookExA(WH_CALLWNDPROC, NcDestroyHook, NULL, ::GetCurrentThreadId());
    dlg.DestroyWindow();
    ::UnhookWindowsHookEx(hHook);
    // The controls 101 to 103 in their fonts again, then the dialog, which has none.
    std::string font = std::to_string((INT_PTR)dlg.m_font.m_hObject);
    EXPECT_EQ(font + ";" + font + ";0;0;", g_atNcDestroy);
    EXPECT_EQ(0u, ::GetObjectType(hUnderline1));
    EXPECT_EQ(0u, ::GetObjectType(hUnderline2));
}

} // namespace

// The shared helpers: number texts, string arrays, ellipses, nearest sides, error texts,
// folders, combo and list boxes, colour replacement on real pixels, and the wheel with and
// without a helper program.
#include "core/CoreGlobalMethods.h"
#include "support/TestSurface.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

TEST(CoreGlobalMethods, NumberTexts)
{
    UINT n = 7;
    const std::pair<const char*, UINT> good[] = {{"  42\t ", 42u}, {" 0 ", 0u}, {"4294967295", 4294967295u}};
    for (const auto& c : good)
    {
        EXPECT_TRUE(CCoreGlobalMethods::String2Uint(c.first, n)) << c.first;
        EXPECT_EQ(c.second, n) << c.first;
    }
    n = 9;
    for (const char* bad : {"abc", "4x", "", "  ", "4 2", "-", "+x", "4294967296", "99999999999999999999"})
        EXPECT_FALSE(CCoreGlobalMethods::String2Uint(bad, n)) << bad;
    EXPECT_EQ(9u, n) << "a refused text leaves the number alone";
    EXPECT_FALSE(CCoreGlobalMethods::String2Uint(NULL, n));

    // Blank texts count as numbers of either kind.
    const std::pair<const char*, bool> ints[] = {
        {"", true}, {" -12 ", true}, {"1.5", false}, {"12a", false}, {"99999999999999999999", false}};
    for (const auto& c : ints)
        EXPECT_EQ(c.second, CCoreGlobalMethods::IsInt(c.first) != FALSE) << c.first;
    const std::pair<const char*, bool> doubles[] = {
        {"  ", true}, {"1e3", true}, {"\t-2.5 ", true}, {"2.5.1", false}, {"1 2", false}};
    for (const auto& c : doubles)
        EXPECT_EQ(c.second, CCoreGlobalMethods::IsDouble(c.first) != FALSE) << c.first;
}

TEST(CoreGlobalMethods, StringArrays)
{
    CStringArray a;
    for (const char* item : {"pear", "Apple", "apple", "fig", "apple"})
        a.Add(item);
    EXPECT_EQ(1, CCoreGlobalMethods::FindString(a, "Apple"));
    EXPECT_EQ(2, CCoreGlobalMethods::FindString(a, "apple"));
    EXPECT_EQ(-1, CCoreGlobalMethods::FindString(a, "APPLE"));
    EXPECT_EQ(-1, CCoreGlobalMethods::FindString(a, "appl"));

    CCoreGlobalMethods::Sort(a);
    std::string order;
    for (INT_PTR i = 0; i < a.GetSize(); ++i)
        order += std::string(a[i]) + " ";
    // The C locale collates by character codes: capitals first.
    EXPECT_EQ("Apple apple apple fig pear ", order);
}

TEST(CoreGlobalMethods, TruncateWithEllipsis)
{
    // A text of the limit's length is kept; below four characters only the dots are left.
    const struct { const char* text; int limit; const char* result; } cases[] = {
        {"0123456789", 8, "01234..."}, {"01234567", 8, "01234567"}, {"0123456789", 3, "..."}, {"abcd", 1, "..."}};
    for (const auto& c : cases)
    {
        CString s(c.text);
        CCoreGlobalMethods::TruncateWithEllipsis(s, c.limit);
        EXPECT_STREQ(c.result, s) << c.text << " " << c.limit;
    }
}

TEST(CoreGlobalMethods, FindNearestSide)
{
    const CRect rc(10, 20, 110, 220);
    EXPECT_EQ(0, CCoreGlobalMethods::FindNearestSide(rc, CPoint(15, 100)));
    EXPECT_EQ(1, CCoreGlobalMethods::FindNearestSide(rc, CPoint(130, 100)));
    EXPECT_EQ(2, CCoreGlobalMethods::FindNearestSide(rc, CPoint(60, 21)));
    EXPECT_EQ(3, CCoreGlobalMethods::FindNearestSide(rc, CPoint(60, 219)));
    EXPECT_EQ(0, CCoreGlobalMethods::FindNearestSide(rc, CPoint(15, 25))) << "left and top tie";
    EXPECT_EQ(1, CCoreGlobalMethods::FindNearestSide(rc, CPoint(105, 215))) << "right and bottom tie";
    EXPECT_EQ(1, CCoreGlobalMethods::FindNearestSide(rc, CPoint(108, 22))) << "right and top tie";
    EXPECT_EQ(2, CCoreGlobalMethods::FindNearestSide(rc, CPoint(200, 100))) << "by coordinate only: top is 80 away";
}

TEST(CoreGlobalMethods, ErrorTexts)
{
    ::SetLastError(0x2FFFFFFF); // no message for it
    EXPECT_STREQ("805306367 Unknown error", CCoreGlobalMethods::GetLastErrorString());
    CString report("Saving failed.");
    ::SetLastError(0x2FFFFFFF);
    CCoreGlobalMethods::AppendLastError(report);
    EXPECT_STREQ("Saving failed.\nError information:\n\n805306367 Unknown error"
                 "\n\nPlease contact Technical Support.\nSorry for the inconvenience.",
        report);
}

class Folders : public ::testing::Test
{
protected:
    std::string m_root;
    void SetUp() override
    {
        char temp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, temp);
        m_root = std::string(temp) + "kwglob" + std::to_string(::GetCurrentProcessId());
    }
    void TearDown() override
    {
        for (const char* sub : {"\\a\\b\\c", "\\a\\b", "\\a", "\\rel\\x", "\\rel", "\\f\\g", "\\f", ""})
            ::RemoveDirectoryA((m_root + sub).c_str());
        ::DeleteFileA((m_root + "\\file").c_str());
        ::RemoveDirectoryA(m_root.c_str());
    }
    static std::string Current()
    {
        char dir[MAX_PATH];
        ::GetCurrentDirectoryA(MAX_PATH, dir);
        return dir;
    }
};

TEST_F(Folders, CreateEveryMissingLevel)
{
    std::string before = Current();
    EXPECT_FALSE(CCoreGlobalMethods::PathNameExist(m_root.c_str()));
    EXPECT_TRUE(CCoreGlobalMethods::CreateDirectoryA((m_root + "\\a\\b\\c").c_str()));
    EXPECT_TRUE(CCoreGlobalMethods::PathNameExist((m_root + "\\a\\b\\c").c_str()));
    EXPECT_TRUE(CCoreGlobalMethods::CreateDirectoryA((m_root + "\\a\\b\\c\\").c_str())) << "already there";
    EXPECT_TRUE(CCoreGlobalMethods::CreateDirectoryA((m_root + "/f/g").c_str())) << "forward slashes";
    EXPECT_TRUE(CCoreGlobalMethods::PathNameExist((m_root + "\\f\\g").c_str()));
    EXPECT_EQ(before, Current());

    // Relative to the current directory.
    ASSERT_TRUE(::SetCurrentDirectoryA(m_root.c_str()));
    EXPECT_TRUE(CCoreGlobalMethods::CreateDirectoryA("rel\\x"));
    EXPECT_EQ(m_root, Current());
    ::SetCurrentDirectoryA(before.c_str());
    EXPECT_TRUE(CCoreGlobalMethods::PathNameExist((m_root + "\\rel\\x").c_str()));
}

TEST_F(Folders, RefusedWithoutLoss)
{
    std::string before = Current();
    ASSERT_TRUE(CCoreGlobalMethods::CreateDirectoryA(m_root.c_str()));
    HANDLE file = ::CreateFileA((m_root + "\\file").c_str(), GENERIC_WRITE, 0, NULL, CREATE_NEW, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    ::CloseHandle(file);
    EXPECT_FALSE(CCoreGlobalMethods::CreateDirectoryA((m_root + "\\file\\sub").c_str())) << "a file in the way";
    EXPECT_FALSE(CCoreGlobalMethods::CreateDirectoryA((m_root + "\\file").c_str()));
    EXPECT_FALSE(CCoreGlobalMethods::CreateDirectoryA(""));
    EXPECT_FALSE(CCoreGlobalMethods::CreateDirectoryA(std::string(400, 'x').c_str())) << "too long";
    EXPECT_FALSE(CCoreGlobalMethods::CreateDirectoryA((m_root + "\\a\\b*\\c").c_str())) << "not a name";
    EXPECT_EQ(before, Current());
    EXPECT_FALSE(CCoreGlobalMethods::PathNameExist((m_root + "\\a\\b*").c_str()));
}

// A dialog window with a combo box (id 100) and a list box (id 101).
class Controls : public ::testing::Test
{
protected:
    HWND m_dlg = NULL;
    void SetUp() override
    {
        m_dlg = ::CreateWindowExA(0, "#32770", "controls", WS_POPUP, 0, 0, 400, 300, NULL, NULL, NULL, NULL);
        ASSERT_NE((HWND)NULL, m_dlg);
        ::CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | CBS_DROPDOWNLIST, 0, 0, 100, 200, m_dlg, (HMENU)100, NULL, NULL);
        ::CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_HSCROLL, 0, 0, 100, 200, m_dlg, (HMENU)101, NULL, NULL);
    }
    void TearDown() override { ::DestroyWindow(m_dlg); }
    std::string ComboItems()
    {
        std::string items;
        int count = (int)::SendDlgItemMessageA(m_dlg, 100, CB_GETCOUNT, 0, 0);
        for (int i = 0; i < count; ++i)
        {
            char text[64] = "";
            ::SendDlgItemMessageA(m_dlg, 100, CB_GETLBTEXT, i, (LPARAM)text);
            items += std::string(text) + "|";
        }
        return items;
    }
    int ComboSelection() { return (int)::SendDlgItemMessageA(m_dlg, 100, CB_GETCURSEL, 0, 0); }
};

TEST_F(Controls, ComboFilledInListOrderAndSelectedExactly)
{
    ::SendDlgItemMessageA(m_dlg, 100, CB_ADDSTRING, 0, (LPARAM) "stale");
    CStringList list;
    for (const char* item : {"zeta", "Alpha", "alpha", "beta"})
        list.AddTail(item);
    CCoreGlobalMethods::StringListToCombo(m_dlg, 100, list);
    EXPECT_EQ("zeta|Alpha|alpha|beta|", ComboItems());

    EXPECT_TRUE(CCoreGlobalMethods::SelectStringInCombo(m_dlg, 100, "alpha"));
    EXPECT_EQ(2, ComboSelection()) << "exact case, not the first case-blind match";
    EXPECT_FALSE(CCoreGlobalMethods::SelectStringInCombo(m_dlg, 100, "ALPHA"));
    EXPECT_FALSE(CCoreGlobalMethods::SelectStringInCombo(m_dlg, 100, "alph"));
    EXPECT_EQ(2, ComboSelection()) << "a failed search keeps the selection";

    CCoreGlobalMethods::StringListToCombo(m_dlg, 100, CStringList());
    EXPECT_EQ("", ComboItems());
}

TEST_F(Controls, ListBoxScrollsOverItsWidestItemInItsOwnFont)
{
    HWND hList = ::GetDlgItem(m_dlg, 101);
    LOGFONTA lf = {};
    lf.lfHeight = -30;
    strcpy(lf.lfFaceName, "Arial");
    HFONT big = ::CreateFontIndirectA(&lf);
    ::SendMessageA(hList, WM_SETFONT, (WPARAM)big, FALSE);
    const char* widest = "a rather long item of the list, wider than the box";
    for (const char* item : {"short", widest, "mid-sized item"})
        ::SendMessageA(hList, LB_ADDSTRING, 0, (LPARAM)item);
    CListBox lb;
    lb.Attach(hList);
    CCoreGlobalMethods::UpdateScrollerForListBox(lb);
    lb.Detach();

    HDC hdc = ::GetDC(hList);
    HGDIOBJ old = ::SelectObject(hdc, big);
    SIZE size;
    ::GetTextExtentPoint32A(hdc, widest, (int)strlen(widest), &size);
    ::SelectObject(hdc, old);
    ::ReleaseDC(hList, hdc);
    const int extent = (int)::SendMessageA(hList, LB_GETHORIZONTALEXTENT, 0, 0);
    EXPECT_GE(extent, size.cx) << "the whole of the widest item can be scrolled to";
    EXPECT_LT(extent, size.cx * 3 / 2);
    ::DestroyWindow(hList);
    ::DeleteObject(big);
}

TEST(CoreGlobalMethods, ReplaceColorOnlyInsideTheRectangleAndOnlyThatColour)
{
    const COLORREF red = RGB(255, 0, 0), blue = RGB(0, 0, 255), white = RGB(255, 255, 255), black = RGB(0, 0, 0);
    TestSurface surface(8, 4, white);
    // Red stripes on white with a black dot, and red outside the rectangle too.
    for (int x = 0; x < 8; x += 2)
        for (int y = 0; y < 4; ++y)
            surface.SetPixel(x, y, red);
    surface.SetPixel(3, 1, black);
    const COLORREF oldBack = surface.DC().SetBkColor(RGB(1, 2, 3));
    const COLORREF oldText = surface.DC().SetTextColor(RGB(4, 5, 6));

    CCoreGlobalMethods::ReplaceColor(surface.DC(), CRect(1, 1, 7, 3), red, blue);

    const RECT all = {0, 0, 8, 4};
    EXPECT_EQ("r.r.r.r.\n"
              "r.bkb.b.\n"
              "r.b.b.b.\n"
              "r.r.r.r.\n",
        surface.Picture(all, {{red, 'r'}, {blue, 'b'}, {white, '.'}, {black, 'k'}}));
    EXPECT_EQ(RGB(1, 2, 3), surface.DC().SetBkColor(oldBack)) << "the DC's colours are left as they were";
    EXPECT_EQ(RGB(4, 5, 6), surface.DC().SetTextColor(oldText));

    CCoreGlobalMethods::ReplaceColor(surface.DC(), CRect(5, 5, 2, 2), red, blue); // empty: nothing
    EXPECT_EQ(red, surface.Pixel(0, 0));
}

// A stand-in for the wheel helper program: a "MouseZ" window answering the registered message.
class WheelHelper
{
public:
    explicit WheelHelper(UINT lines)
    {
        s_lines = lines;
        WNDCLASSA wc = {};
        wc.lpfnWndProc = &WheelHelper::Proc;
        wc.hInstance = ::GetModuleHandleA(NULL);
        wc.lpszClassName = "MouseZ";
        ::RegisterClassA(&wc);
        m_hWnd = ::CreateWindowExA(0, "MouseZ", "Magellan MSWHEEL", WS_POPUP, 0, 0, 1, 1, NULL, NULL, wc.hInstance, NULL);
    }
    ~WheelHelper()
    {
        ::DestroyWindow(m_hWnd);
        ::UnregisterClassA("MouseZ", ::GetModuleHandleA(NULL));
    }
    HWND m_hWnd;

private:
    static UINT s_lines;
    static LRESULT CALLBACK Proc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        if (msg == ::RegisterWindowMessageA("MSH_SCROLL_LINES_MSG"))
            return s_lines;
        return ::DefWindowProcA(hWnd, msg, wParam, lParam);
    }
};
UINT WheelHelper::s_lines = 0;

// The WM_VSCROLL codes posted to a window, in order.
std::vector<WPARAM> ScrollsAfterWheel(short delta)
{
    HWND hWnd = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    CCoreGlobalMethods::HandleMouseWheel(hWnd, 0, delta, CPoint(0, 0));
    std::vector<WPARAM> codes;
    MSG msg;
    while (::PeekMessageA(&msg, hWnd, 0, 0, PM_REMOVE))
        if (msg.message == WM_VSCROLL)
            codes.push_back(msg.wParam);
    ::DestroyWindow(hWnd);
    return codes;
}

class Wheel : public ::testing::Test
{
protected:
    UINT m_systemLines = 0;
    void SetUp() override
    {
        ::SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &m_systemLines, 0);
        CCoreGlobalMethods::ForgetWheelScrollLines();
    }
    void TearDown() override
    {
        ::SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, m_systemLines, NULL, 0);
        CCoreGlobalMethods::ForgetWheelScrollLines();
    }
    static void SetSystemLines(UINT lines) { ::SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, lines, NULL, 0); }
};

TEST_F(Wheel, HelperProgramAnswerWinsAndIsRemembered)
{
    SetSystemLines(5);
    {
        WheelHelper helper(7);
        ASSERT_NE((HWND)NULL, helper.m_hWnd);
        EXPECT_EQ(7u, CCoreGlobalMethods::GetWheelScrollLines());
    }
    EXPECT_EQ(7u, CCoreGlobalMethods::GetWheelScrollLines()) << "remembered for the process";
    CCoreGlobalMethods::ForgetWheelScrollLines();
    EXPECT_EQ(5u, CCoreGlobalMethods::GetWheelScrollLines()) << "without the helper: the system's setting";
}

TEST_F(Wheel, ZeroIsAskedForAgain)
{
    SetSystemLines(0);
    EXPECT_EQ(0u, CCoreGlobalMethods::GetWheelScrollLines());
    SetSystemLines(4);
    EXPECT_EQ(4u, CCoreGlobalMethods::GetWheelScrollLines());
}

TEST_F(Wheel, PostsLineOrPageStepsPerNotch)
{
    SetSystemLines(3);
    EXPECT_EQ(std::vector<WPARAM>(3, SB_LINEUP), ScrollsAfterWheel(120));
    EXPECT_EQ(std::vector<WPARAM>(6, SB_LINEDOWN), ScrollsAfterWheel(-240));
    EXPECT_EQ(std::vector<WPARAM>(), ScrollsAfterWheel(30));
    EXPECT_EQ(std::vector<WPARAM>(1, SB_LINEDOWN), ScrollsAfterWheel(-40)) << "3 * -40 / 120";
    EXPECT_TRUE(CCoreGlobalMethods::HandleMouseWheel(NULL, 0, 120, CPoint(0, 0)));

    CCoreGlobalMethods::ForgetWheelScrollLines();
    SetSystemLines(WHEEL_PAGESCROLL);
    EXPECT_EQ(WHEEL_PAGESCROLL, CCoreGlobalMethods::GetWheelScrollLines());
    EXPECT_EQ(std::vector<WPARAM>(2, SB_PAGEDOWN), ScrollsAfterWheel(-240));
    EXPECT_EQ(std::vector<WPARAM>(1, SB_PAGEUP), ScrollsAfterWheel(120));
}

} // namespace

// The colour picker popup: the colours it remembers in the registry, its size, what its client
// hears for each way of closing, and its cells and buttons on pixels.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "ColorClientRecorder.h"
#include "pickers/KwColorPicker.h"
#include "support/ModalDialogDriver.h"
#include "support/TestRegistryApp.h"
#include "support/TestSurface.h"

#include <string>
#include <vector>

namespace {

const char* kKey = "KwColorPicker\\KwColorPicker7";

struct PickerFixture : ::testing::Test
{
    TestRegistryApp registry{"pickers"};
    CWnd frame;
    CWnd owner; // the button that opens the popup and gets the focus back
    ColorClientRecorder<CKwColorPicker> client;
    CKwColorPicker picker{&client};
    CKwColorPicker::CButtonArray top, bottom;

    void SetUp() override
    {
        ASSERT_TRUE(frame.CreateEx(0, AfxRegisterWndClass(0), "Frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400,
                                   400, NULL, NULL));
        ASSERT_TRUE(owner.CreateEx(0, "BUTTON", "", WS_CHILD | WS_VISIBLE, 10, 10, 80, 22, frame.m_hWnd, NULL));
        owner.SetFocus();
    }
    void TearDown() override
    {
        if (picker.m_hWnd != NULL)
            picker.DestroyWindow();
        frame.DestroyWindow();
    }
    void Store(const std::vector<DWORD>& colors)
    {
        DWORD count = (DWORD)colors.size();
        registry.Set(HKEY_CURRENT_USER, kKey, "AdditionalColors", REG_DWORD, &count, 4);
        for (size_t i = 0; i < colors.size(); i++)
            registry.Set(HKEY_CURRENT_USER, kKey, ("Color" + std::to_string(i)).c_str(), REG_DWORD, &colors[i], 4);
    }
    // "count: i=colour ..." for the values stored as numbers.
    std::string Stored()
    {
        DWORD type = 0;
        std::string data, text;
        for (int i = -1; i < 9; i++)
        {
            std::string name = i < 0 ? std::string("AdditionalColors") : "Color" + std::to_string(i);
            if (!registry.Get(HKEY_CURRENT_USER, kKey, name.c_str(), type, data) || type != REG_DWORD)
                continue;
            char hex[32];
            unsigned long value = *(const DWORD*)data.data();
            i < 0 ? sprintf(hex, "%lu:", value) : sprintf(hex, " %d=%06lX", i, value);
            text += hex;
        }
        return text;
    }
    bool Open(int selectedID, COLORREF color)
    {
        return picker.Create(&owner, selectedID, color, CPoint(50, 60), top, bottom, "More...", 7) != 0;
    }
    void Click(int x, int y)
    {
        picker.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
        picker.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        picker.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }
};

TEST_F(PickerFixture, AColourNoCellShowsIsRememberedNewestLastAndTheOldestDropsWhenFull)
{
    // In the palette: selected there, nothing remembered; the missing count is repaired as 0.
    ASSERT_TRUE(Open(-1, RGB(0x33, 0x66, 0xFF)));
    EXPECT_EQ("0:", Stored());
    EXPECT_EQ(-1, picker.GetID());
    picker.DestroyWindow();

    Store({0x010101, 0x020202, 0x030303});
    ASSERT_TRUE(Open(-1, 0x123456));
    EXPECT_EQ("4: 0=010101 1=020202 2=030303 3=123456", Stored());
    picker.DestroyWindow();
    // Shown again: now a cell, so nothing is added.
    ASSERT_TRUE(Open(-1, 0x020202));
    EXPECT_EQ("4: 0=010101 1=020202 2=030303 3=123456", Stored());
    picker.DestroyWindow();

    Store({0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17});
    ASSERT_TRUE(Open(-1, 0xABCDEF));
    EXPECT_EQ("8: 0=000011 1=000012 2=000013 3=000014 4=000015 5=000016 6=000017 7=ABCDEF", Stored());
}

TEST_F(PickerFixture, AStoredCountOutOfRangeOrOfTheWrongTypeIsReadSafely)
{
    // A count past the row's length reads as a full row: the oldest goes.
    Store({0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17});
    DWORD huge = 0x7FFFFFFF;
    registry.Set(HKEY_CURRENT_USER, kKey, "AdditionalColors", REG_DWORD, &huge, 4);
    ASSERT_TRUE(Open(-1, 0xABCDEF));
    EXPECT_EQ("2147483647: 0=000011 1=000012 2=000013 3=000014 4=000015 5=000016 6=000017 7=ABCDEF", Stored());
    CRect full;
    picker.GetWindowRect(&full);
    picker.DestroyWindow();

    // Text where a number belongs counts as none and is repaired.
    registry.Set(HKEY_CURRENT_USER, kKey, "AdditionalColors", REG_SZ, "5", 2);
    ASSERT_TRUE(Open(-1, 0x000000));
    EXPECT_EQ("0: 0=000011 1=000012 2=000013 3=000014 4=000015 5=000016 6=000017 7=ABCDEF", Stored());
    CRect none;
    picker.GetWindowRect(&none);
    // Without additional colours the popup is a row shorter; its width is fixed.
    EXPECT_EQ(31, full.Height() - none.Height());
    EXPECT_EQ(162, none.Width());
    EXPECT_EQ(27 * 1 + 19 * 5 + 10, none.Height());
}

// The client's calls for each way of closing, and what the picker tells afterwards.
TEST_F(PickerFixture, EachWayOfClosingReportsOnceWithTheSelectionThen)
{
    top.Add({11, "Automatic", 0});
    top.Add({12, "Reset", 1});
    bottom.Add({13, "None", 0});
    bottom.Add({14, "Edit", 1});
    // Row 2, column 6 (blue) is a cell; the button rows sit above and below.
    const int cellX = 5 + 4, cellY = 5 + 27 * 2 + 4; // row 1, column 1: black
    const int topY = 27 * 1 + 10;                         // the second top button
    const int bottomY = 27 * (2 + 1) + 105 + 10, editY = 27 * (2 + 2) + 105 + 10;
    struct { const char* name; int x, y; const char* calls; } cases[] = {
        {"cell", cellX, cellY, "changed(-1,000000) "},
        {"state button", 40, bottomY, "changed(13,FF0000) "},
        {"top command", 40, topY, "changed(-1,FF0000) special(12) "},
        {"bottom command", 40, editY, "changed(-1,FF0000) special(14) "},
        {"outside", -20, -20, "changed(-1,FF0000) "},
        {"nothing under it", 1, 1, ""},
    };
    for (const auto& c : cases)
    {
        client.calls.clear();
        ASSERT_TRUE(Open(-1, RGB(0, 0, 0xFF))) << c.name; // blue: row 2, column 6
        ASSERT_EQ(picker.m_hWnd, ::GetFocus()) << c.name;
        Click(c.x, c.y);
        EXPECT_EQ(c.calls, client.calls) << c.name;
        if (picker.m_hWnd != NULL)
        {
            EXPECT_EQ(picker.m_hWnd, ::GetFocus()) << c.name;
            owner.SetFocus(); // closing by focus alone reports too
            EXPECT_EQ("changed(-1,FF0000) ", client.calls) << c.name;
        }
        EXPECT_EQ(NULL, picker.m_hWnd) << c.name;
        EXPECT_EQ(NULL, ::GetCapture()) << c.name;
    }
    // An identifier no button has selects the colour.
    ASSERT_TRUE(Open(99, RGB(0, 0, 0xFF)));
    EXPECT_EQ(-1, picker.GetID());
}

TEST_F(PickerFixture, TheOtherColoursDialogReportsAgainOnOkAndRemembersItsColour)
{
    // The picker's colour stays what the caller gave while a button is selected; the dialog
    // starts there and OK keeps it.
    bottom.Add({13, "None", 0});
    const COLORREF custom = RGB(0x12, 0x34, 0x56);
    const int otherY = 27 * 0 + 105 + 10;
    for (int ok : {0, 1})
    {
        client.calls.clear();
        ASSERT_TRUE(Open(13, custom));
        EXPECT_EQ("0:", Stored());
        ModalDialogDriver driver([&](HWND hDlg) { ::PostMessageA(hDlg, WM_COMMAND, ok ? IDOK : IDCANCEL, 0); });
        Click(40, otherY);
        EXPECT_TRUE(driver.Answered());
        EXPECT_EQ(NULL, picker.m_hWnd);
        EXPECT_EQ(ok ? "changed(13,563412) changed(-1,563412) " : "changed(13,563412) ", client.calls);
        EXPECT_EQ(ok ? "1: 0=563412" : "0:", Stored());
    }
}

// One cell and its surroundings as characters: W white (the 3-D highlight too), g light grey,
// G grey, s the 3-D shadow, f button face, * the cell's colour.
std::string CellPicture(TestSurface& surface, int x, int y, COLORREF color)
{
    return surface.Picture(CRect(x - 4, y - 4, x + 16, y + 16),
                           {{RGB(255, 255, 255), 'W'}, {RGB(0xC0, 0xC0, 0xC0), 'g'}, {RGB(0x80, 0x80, 0x80), 'G'},
                            {::GetSysColor(COLOR_3DSHADOW), 's'}, {::GetSysColor(COLOR_BTNFACE), 'f'}, {color, '*'}});
}

TEST_F(PickerFixture, CellsShowHoverPressedAndSelectedLooks)
{
    // The pictures are for a scheme whose 3-D highlight is white.
    ASSERT_EQ(RGB(255, 255, 255), ::GetSysColor(COLOR_3DHIGHLIGHT));
    Store({0x123456});
    ASSERT_TRUE(Open(-1, 0x123456)); // the one additional cell, selected
    CRect client;
    picker.GetClientRect(&client);
    auto render = [&](TestSurface& surface) {
        picker.SendMessage(WM_PAINT, (WPARAM)surface.DC().m_hDC);
    };
    const int addY = 109; // no top buttons
    TestSurface selected(client.Width(), client.Height(), RGB(255, 0, 255));
    render(selected);
    // Checked light grey and white under a sunken edge; the colour covers the frame's right and
    // bottom sides.
    std::string cell = CellPicture(selected, 5, addY, RGB(0x56, 0x34, 0x12));
    EXPECT_EQ("ffffffffffffffffffff\nfsssssssssssssssssWf\nfsgWgWgWgWgWgWgWgWWf\nfsWgWgWgWgWgWgWgWgWf\n"
              "fsgWGGGGGGGGGGGGgWWf\nfsWgG***********WgWf\n",
              cell.substr(0, 6 * 21));
    EXPECT_EQ("fsgWgWgWgWgWgWgWgWWf\nfsWgWgWgWgWgWgWgWgWf\nfWWWWWWWWWWWWWWWWWWf\n", cell.substr(16 * 21, 3 * 21));
    // Separators around the additional row: grey with white below, from x = 2.
    EXPECT_EQ(RGB(0x80, 0x80, 0x80), selected.Pixel(2, 101));
    EXPECT_EQ(RGB(255, 255, 255), selected.Pixel(client.Width() - 3, 129));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), selected.Pixel(client.Width() - 2, 129));

    // Hovering a plain palette cell raises it; with the button down it sinks.
    picker.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5 + 3, 5 + 3));
    TestSurface hover(client.Width(), client.Height(), RGB(255, 0, 255));
    render(hover);
    EXPECT_EQ(RGB(255, 255, 255), hover.Pixel(2, 2));
    EXPECT_EQ(RGB(255, 255, 255), hover.Pixel(2, 18));
    EXPECT_EQ(::GetSysColor(COLOR_3DSHADOW), hover.Pixel(19, 2));
    EXPECT_EQ(::GetSysColor(COLOR_3DSHADOW), hover.Pixel(2, 19));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), hover.Pixel(3, 3));
    picker.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5 + 3, 5 + 3));
    TestSurface pressed(client.Width(), client.Height(), RGB(255, 0, 255));
    render(pressed);
    EXPECT_EQ(::GetSysColor(COLOR_3DSHADOW), pressed.Pixel(2, 2));
    EXPECT_EQ(RGB(255, 255, 255), pressed.Pixel(19, 19));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), pressed.Pixel(3, 3)); // not checked: not the selection
}

} // namespace

TEST_F(PickerFixture, CellsAndClicksScaleWithTheDpi)
{
    ASSERT_TRUE(Open(-1, RGB(1, 2, 3)));
    // Row 2, column 3 (olive) has its 96-DPI origin at (43, 24): frame, colour, and past the cell.
    CRect rect, rect96;
    for (int nDpi : {96, 144, 192})
    {
        picker.SendMessage(WM_DPICHANGED, MAKEWPARAM(nDpi, nDpi));
        picker.GetWindowRect(&rect);
        rect96 = nDpi == 96 ? rect : rect96;
        EXPECT_EQ(CSize(::MulDiv(rect96.Width(), nDpi, 96), ::MulDiv(rect96.Height(), nDpi, 96)), rect.Size()) << nDpi;
        TestSurface surface(rect.Width(), rect.Height());
        picker.SendMessage(WM_PAINT, (WPARAM)surface.DC().m_hDC);
        auto at = [&](int x, int y) { return surface.Pixel(::MulDiv(x, nDpi, 96), ::MulDiv(y, nDpi, 96)); };
        EXPECT_EQ(std::vector<COLORREF>({0x808080, 0x008080, ::GetSysColor(COLOR_BTNFACE)}),
            std::vector<COLORREF>({at(43, 24), at(45, 26), at(55, 26)})) << nDpi;
    }
    Click(90, 52); // (45, 26) at 192 DPI
    EXPECT_EQ("changed(-1,008080) ", client.calls);
}

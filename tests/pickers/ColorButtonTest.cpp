// The colour button: its look pixel for pixel in each state, the picker it opens and what it
// passes on to its own client.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "ColorClientRecorder.h"
#include "pickers/KwColorButton.h"
#include "support/TestRegistryApp.h"
#include "core/KwLook.h"
#include "core/KwPalette.h"
#include "support/TestSurface.h"

#include <string>

namespace {

const UINT kButtonId = 100;

struct ButtonFixture : ::testing::Test
{
    TestRegistryApp registry{"pickers"};
    CWnd frame;
    CWnd other;
    ColorClientRecorder<CKwColorButton> client;
    CKwColorButton button{&client};
    CKwColorPicker::CButtonArray top, bottom;

    void SetUp() override
    {
        ASSERT_TRUE(frame.CreateEx(0, AfxRegisterWndClass(0), "Frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300,
                                   300, NULL, NULL));
        HWND hButton = ::CreateWindowA("BUTTON", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 20, 30, 40, 20, frame.m_hWnd,
                                       (HMENU)(UINT_PTR)kButtonId, NULL, NULL);
        ASSERT_TRUE(hButton != NULL);
        ASSERT_TRUE(other.CreateEx(0, "BUTTON", "", WS_CHILD | WS_VISIBLE, 100, 30, 40, 20, frame.m_hWnd, NULL));
        ASSERT_EQ(1, button.AttachButton(kButtonId, &frame));
        CKwColorPicker::CSpecialButton automatic = {5, "Automatic", 0};
        CKwColorPicker::CSpecialButton reset = {6, "Reset", 1};
        top.Add(automatic);
        bottom.Add(reset);
        button.InitializeButton(-1, RGB(0xFF, 0, 0), top, bottom, "More...", 3);
        other.SetFocus();
    }
    void TearDown() override { frame.DestroyWindow(); }

    // The button's client area as characters: W white, D dark grey, K near black, g light grey,
    // f button face, * red, '?' anything else.
    std::string Look()
    {
        TestSurface surface(40, 20, RGB(255, 0, 255));
        button.SendMessage(WM_PAINT, (WPARAM)surface.DC().m_hDC);
        return surface.Picture(CRect(0, 0, 40, 20), {{RGB(255, 255, 255), 'W'}, {RGB(0x81, 0x81, 0x81), 'D'},
                                                     {RGB(2, 2, 2), 'K'}, {RGB(0xC0, 0xC0, 0xC0), 'g'},
                                                     {::GetSysColor(COLOR_BTNFACE), 'f'}, {RGB(255, 0, 0), '*'}});
    }
};

// The same characters for the button as it stands on screen.
std::string OnScreen(CWnd& wnd)
{
    TestSurface surface(40, 20, RGB(255, 0, 255));
    wnd.UpdateWindow();
    CClientDC dc(&wnd);
    ::BitBlt(surface.DC().m_hDC, 0, 0, 40, 20, dc.m_hDC, 0, 0, SRCCOPY);
    return surface.Picture(CRect(0, 0, 40, 20), {{RGB(255, 255, 255), 'W'}, {RGB(0x81, 0x81, 0x81), 'D'},
                                                 {RGB(2, 2, 2), 'K'}, {RGB(0xC0, 0xC0, 0xC0), 'g'},
                                                 {::GetSysColor(COLOR_BTNFACE), 'f'}, {RGB(255, 0, 0), '*'}});
}

TEST_F(ButtonFixture, ReleasedFocusedPressedAndDisabledLooks)
{
    // Flat frame, black-framed swatch, separator and arrow; the outer white edge lies just
    // outside the client area.
    const std::string released = Look();
    EXPECT_EQ("DWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWK", released.substr(1 * 41, 40));
    EXPECT_EQ("DWgffKKKKKKKKKKKKKKKKKKKKfffDWffffffffDK", released.substr(4 * 41, 40));
    EXPECT_EQ("DWgffK******************KfffDWfKKKKKffDK", released.substr(9 * 41, 40));
    EXPECT_EQ("DWgffK******************KfffDWfffKffffDK", released.substr(11 * 41, 40));
    EXPECT_EQ("DKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKK", released.substr(19 * 41, 40));
    EXPECT_EQ(released, OnScreen(button));
    // Focus dots on even places, then pressed: sunken and everything one pixel down and right.
    // Focus: dots at even places on (3, 3) to (36, 16).
    button.SetFocus();
    std::string focused = Look();
    EXPECT_EQ("DWgfKfKfKfKfKfKfKfKfKfKfKfKfKfKfKfKfKfDK", focused.substr(3 * 41, 40));
    EXPECT_EQ("DWgKfK******************KfffDWffffffKfDK", focused.substr(6 * 41, 40));
    EXPECT_EQ("DWgKKfKfKfKfKfKfKfKfKfKfKfKfKfKfKfKfKfDK", focused.substr(16 * 41, 40));
    // Pressed: sunken, and everything inside one pixel further right and down.
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    std::string pressed = Look();
    EXPECT_EQ("DKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKW", pressed.substr(1 * 41, 40));
    EXPECT_EQ("DKDfffKKKKKKKKKKKKKKKKKKKKfffDWfffffffgW", pressed.substr(5 * 41, 40));
    EXPECT_EQ("DKDfKfK******************KfffDWfKKKKKfgW", pressed.substr(10 * 41, 40));
    EXPECT_EQ("DKDfKfKfKfKfKfKfKfKfKfKfKfKfKfKfKfKfKfgW", pressed.substr(17 * 41, 40));
    EXPECT_EQ("DWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW", pressed.substr(19 * 41, 40));
    // The push button's own pushed look, drawn as it takes the click, is painted over at once.
    EXPECT_EQ(pressed, OnScreen(button));
    button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    other.SetFocus();

    // Disabled: frame, separator and a grey arrow whose tip stays black.
    button.EnableWindow(FALSE);
    std::string disabled = Look();
    EXPECT_EQ("DWgfffffffffffffffffffffffffDWffffffffDK", disabled.substr(4 * 41, 40));
    EXPECT_EQ("DWgfffffffffffffffffffffffffDWfDDDDDffDK", disabled.substr(9 * 41, 40));
    EXPECT_EQ("DWgfffffffffffffffffffffffffDWffDDDfffDK", disabled.substr(10 * 41, 40));
    EXPECT_EQ("DWgfffffffffffffffffffffffffDWfffKffffDK", disabled.substr(11 * 41, 40));
}

TEST_F(ButtonFixture, TheDropDownPartScalesWithTheDpi)
{
    // 80 by 40 at 192 DPI: the swatch's frame at 80 - 32, the separator at 80 - 24, the arrow's
    // rows of 9, 7, 5, 3 and 1 pixels from (62, 18); the lines stay single.
    button.SetWindowPos(NULL, 0, 0, 80, 40, SWP_NOMOVE | SWP_NOZORDER);
    button.SendMessage(WM_DPICHANGED, MAKEWPARAM(192, 192));
    TestSurface surface(80, 40, RGB(255, 0, 255));
    button.SendMessage(WM_PAINT, (WPARAM)surface.DC().m_hDC);
    EXPECT_EQ(25, surface.Count(CRect(61, 17, 72, 24), RGB(2, 2, 2)));
    EXPECT_EQ(RGB(2, 2, 2), surface.Pixel(48, 20));
    EXPECT_EQ(RGB(0x81, 0x81, 0x81), surface.Pixel(56, 20));
}

// In the dark look every pixel of the button is one of its palette's (or the swatch), the
// system's face under it covered; so is the face of the picker it opens.
TEST_F(ButtonFixture, TheDarkLookDrawsTheButtonAndItsPickerInThePalette)
{
    CKwLook::SetLook(CKwLook::eDark, FALSE);
    TestSurface surface(40, 20, RGB(255, 0, 255));
    button.SendMessage(WM_PAINT, (WPARAM)surface.DC().m_hDC);
    std::vector<std::pair<COLORREF, char>> legend = {{RGB(255, 0, 0), '*'}};
    for (CKwPalette::EColor e : {CKwPalette::eFace, CKwPalette::eButtonHighlight, CKwPalette::eButtonLight,
             CKwPalette::eButtonShadow, CKwPalette::eButtonDarkShadow, CKwPalette::eButtonGlyph})
        legend.push_back({CKwPalette::Get(e), (char)('a' + e)});
    const COLORREF face = CKwPalette::Get(CKwPalette::eFace), cellFrame = CKwPalette::Get(CKwPalette::ePickerFrame);
    CKwColorPicker picker(&client);
    ASSERT_TRUE(picker.Create(&this->frame, -1, RGB(0xFF, 0, 0), CPoint(0, 0), top, bottom, "More...", 0));
    CRect rc;
    picker.GetClientRect(&rc);
    TestSurface popup(rc.Width(), rc.Height(), RGB(255, 0, 255));
    picker.SendMessage(WM_PAINT, (WPARAM)popup.DC().m_hDC);
    picker.DestroyWindow();
    CKwLook::SetLook(CKwLook::eClassic, FALSE);
    EXPECT_EQ(std::string::npos, surface.Picture(CRect(0, 0, 40, 20), legend).find('?'));
    EXPECT_EQ(face, surface.Pixel(4, 4));
    EXPECT_EQ(face, popup.Pixel(1, 1));
    EXPECT_GT(popup.Count(rc, cellFrame), 40);
}

// On a window whose plain buttons the dark look paints, the colour button still paints itself.
TEST_F(ButtonFixture, TheDarkLookLeavesTheButtonItsOwnPaintingBesidePlainButtons)
{
    CKwPalette::FollowInDialog(frame.m_hWnd);
    CKwLook::SetLook(CKwLook::eDark, FALSE);
    TestSurface mine(40, 20, RGB(255, 0, 255)), plain(40, 20, RGB(255, 0, 255));
    button.SendMessage(WM_PAINT, (WPARAM)mine.DC().m_hDC);
    other.SendMessage(WM_PAINT, (WPARAM)plain.DC().m_hDC);
    const COLORREF control = CKwPalette::Get(CKwPalette::eControl);
    CKwLook::SetLook(CKwLook::eClassic, FALSE);
    EXPECT_GT(mine.Count(CRect(0, 0, 40, 20), RGB(255, 0, 0)), 50);
    EXPECT_EQ(control, plain.Pixel(20, 10));
}

TEST_F(ButtonFixture, ASpecialValueShowsItsCaptionInPlaceOfTheSwatch)
{
    for (int id : {5, 77}) // a button's caption; no such button: nothing in the middle
    {
        button.SetID(id);
        TestSurface surface(40, 20, RGB(255, 0, 255));
        button.SendMessage(WM_PAINT, (WPARAM)surface.DC().m_hDC);
        EXPECT_EQ(id == 5, surface.Count(CRect(3, 5, 28, 15), RGB(0, 0, 0)) > 10) << id;
        EXPECT_EQ(0, surface.Count(CRect(3, 5, 28, 15), RGB(255, 0, 0))) << id;
    }
}

TEST_F(ButtonFixture, AClickOpensThePickerBelowAndItsOutcomeReachesTheClient)
{
    CRect rcButton;
    button.GetWindowRect(&rcButton);
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    CKwColorPicker* picker = button.GetPicker();
    ASSERT_TRUE(picker->m_hWnd != NULL);
    CRect rcPicker;
    picker->GetWindowRect(&rcPicker);
    EXPECT_EQ(rcButton.left, rcPicker.left);
    EXPECT_EQ(rcButton.bottom, rcPicker.top);
    EXPECT_EQ(27 * 3 + 19 * 5 + 10, rcPicker.Height()); // one top, the built-in and one bottom button

    // The shown colour again (closing by focus): nothing for the client.
    other.SetFocus();
    EXPECT_EQ("", client.calls);
    // A cell: the new value, then the state button, then a command passed on untouched.
    struct { int x, y; const char* calls; } steps[] = {
        {5 + 4, 5 + 27 + 4, "changed(-1,000000) "},
        {40, 10, "changed(5,000000) "},
        {40, 27 * 2 + 105 + 10, "special(6) "},
    };
    for (const auto& step : steps)
    {
        client.calls.clear();
        button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        ASSERT_TRUE(picker->m_hWnd != NULL);
        picker->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(step.x, step.y));
        EXPECT_EQ(NULL, picker->m_hWnd);
        EXPECT_EQ(step.calls, client.calls);
    }
    EXPECT_EQ(5, button.GetID());
    EXPECT_EQ(RGB(0, 0, 0), button.GetColor());

    // Initialised again: the special buttons are there twice.
    button.InitializeButton(-1, RGB(0xFF, 0, 0), top, bottom, "More...", 3);
    button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    picker->GetWindowRect(&rcPicker);
    EXPECT_EQ(27 * 5 + 19 * 5 + 10, rcPicker.Height());
    other.SetFocus();
    EXPECT_EQ(0, button.AttachButton(999, &frame)); // no such control
}

} // namespace

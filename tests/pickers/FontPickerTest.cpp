// The font pickers: their layout, their place in a dialog, their sample, and the font dialog's
// outcome as their listeners hear it.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "core/KwDpi.h"
#include "core/KwLook.h"
#include "core/KwPalette.h"
#include "pickers/FontPickerWnd.h"
#include "pickers/KwFontPicker.h"
#include "support/ModalDialogDriver.h"
#include "support/TestSurface.h"

#include <string.h>
#include <string>

namespace {

struct FontFixture : ::testing::Test
{
    CWnd dialog;
    void SetUp() override
    {
        ASSERT_TRUE(dialog.CreateEx(0, AfxRegisterWndClass(0), "Dialog", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400,
                                    200, NULL, NULL));
    }
    void TearDown() override { dialog.DestroyWindow(); }
    CRect ButtonOf(CWnd& picker)
    {
        CRect rc;
        picker.GetDlgItem(CKwFontSampleWnd::ChooseButtonId)->GetWindowRect(&rc);
        picker.ScreenToClient(&rc);
        return rc;
    }
};

class Listener : public CKwFontPickerListener, public CFontPickerWndListener
{
public:
    std::string* pCalls;
    std::string name;
    Listener(std::string* calls, const char* n) : pCalls(calls), name(n) {}
    void OnFontChanged(CKwFontPicker*) override { *pCalls += name + " "; }
    void OnFontChanged() override { *pCalls += name + " "; }
};

TEST_F(FontFixture, TheButtonTakesTheRightAndTheSampleWhatIsLeft)
{
    CKwFontPicker wide(NULL), narrow(NULL);
    ASSERT_TRUE(wide.Create(1, &dialog, CRect(10, 10, 110, 40)));
    ASSERT_TRUE(narrow.Create(2, &dialog, CRect(10, 50, 40, 80)));
    EXPECT_EQ(CRect(48, 2, 98, 28), ButtonOf(wide));
    EXPECT_EQ(CRect(2, 2, 28, 28), ButtonOf(narrow));

    // The sunken frame: shadow at the top and left, highlight at the bottom and right, the right
    // side at x = 41 (100 - 8 - 50, exclusive); the text in the colour given.
    LOGFONT lf = {};
    lf.lfHeight = -16;
    lf.lfWeight = FW_BOLD;
    strcpy(lf.lfFaceName, "Tahoma");
    wide.SetLogFont(lf);
    wide.SetTextColor(RGB(255, 0, 0));
    TestSurface surface(100, 30, RGB(255, 0, 255));
    wide.SendMessage(WM_PAINT, (WPARAM)surface.DC().m_hDC);
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), surface.Pixel(0, 3));
    EXPECT_EQ(::GetSysColor(COLOR_BTNHIGHLIGHT), surface.Pixel(41, 15));
    EXPECT_EQ(RGB(255, 0, 255), surface.Pixel(42, 15)); // nothing painted past the frame
    EXPECT_GT(surface.Count(CRect(1, 4, 41, 26), RGB(255, 0, 0)), 20);
}

// In the dark look a dark text colour is shown on the classic face, a light one on the window's own.
TEST_F(FontFixture, TheDarkLookKeepsTheSampleReadable)
{
    CKwFontPicker picker(NULL);
    ASSERT_TRUE(picker.Create(1, &dialog, CRect(10, 10, 110, 40)));
    CKwLook::SetLook(CKwLook::eDark, FALSE);
    std::vector<COLORREF> backs;
    for (COLORREF text : {RGB(10, 10, 10), RGB(250, 250, 250)})
    {
        picker.SetTextColor(text);
        TestSurface surface(100, 30, RGB(255, 0, 255));
        picker.SendMessage(WM_PAINT, (WPARAM)surface.DC().m_hDC);
        EXPECT_GT(surface.Count(CRect(1, 4, 41, 26), text), 20);
        backs.push_back(surface.Pixel(3, 8));
    }
    CKwLook::SetLook(CKwLook::eClassic, FALSE);
    EXPECT_EQ((std::vector<COLORREF>{::GetSysColor(COLOR_BTNFACE), RGB(255, 0, 255)}), backs);
}

TEST_F(FontFixture, ButtonSampleAndButtonFontScaleWithTheDpi)
{
    CKwFontPicker picker(NULL);
    ASSERT_TRUE(picker.Create(1, &dialog, CRect(0, 0, 300, 60)));
    picker.SendMessage(WM_DPICHANGED, MAKEWPARAM(192, 192));
    EXPECT_EQ(CRect(196, 4, 296, 56), ButtonOf(picker));
    LOGFONT font, gui;
    picker.GetDlgItem(CKwFontSampleWnd::ChooseButtonId)->GetFont()->GetLogFont(&font);
    EXPECT_TRUE(CKwDpi::GetGuiLogFont(192, &gui) && gui.lfHeight == font.lfHeight);
    TestSurface surface(300, 60, RGB(255, 0, 255)); // the sample's frame ends at 300 - 2 * (8 + 50)
    picker.SendMessage(WM_PAINT, (WPARAM)surface.DC().m_hDC);
    EXPECT_EQ(::GetSysColor(COLOR_BTNHIGHLIGHT), surface.Pixel(183, 30));
}

TEST_F(FontFixture, APickerTakesThePlaceholdersRectangleIdentifierAndTabPlace)
{
    CWnd before, placeholder, after;
    ASSERT_TRUE(before.CreateEx(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 5, 5, 20, 20, dialog.m_hWnd,
                                (HMENU)10));
    ASSERT_TRUE(placeholder.CreateEx(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 30, 40, 150, 24, dialog.m_hWnd,
                                     (HMENU)11));
    ASSERT_TRUE(after.CreateEx(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 5, 90, 20, 20, dialog.m_hWnd,
                               (HMENU)12));
    HWND hPlaceholder = placeholder.m_hWnd;
    CFontPickerWnd picker;
    EXPECT_FALSE(picker.Initialize(99, &dialog)); // no such control
    EXPECT_EQ(NULL, picker.m_hWnd);
    ASSERT_TRUE(picker.Initialize(11, &dialog, WS_EX_CLIENTEDGE));
    EXPECT_FALSE(::IsWindow(hPlaceholder));
    EXPECT_EQ(picker.m_hWnd, ::GetDlgItem(dialog.m_hWnd, 11));
    EXPECT_EQ(picker.m_hWnd, ::GetWindow(before.m_hWnd, GW_HWNDNEXT));
    EXPECT_EQ(after.m_hWnd, ::GetWindow(picker.m_hWnd, GW_HWNDNEXT));
    EXPECT_TRUE(picker.GetExStyle() & WS_EX_CLIENTEDGE);
    CRect rc;
    picker.GetWindowRect(&rc);
    dialog.ScreenToClient(&rc);
    EXPECT_EQ(CRect(30, 40, 180, 64), rc);
}

TEST_F(FontFixture, TheFontDialogsOutcomeReachesTheListeners)
{
    std::string calls;
    Listener first(&calls, "first"), second(&calls, "second");
    LOGFONT lf = {};
    lf.lfHeight = -13;
    strcpy(lf.lfFaceName, "No Such Face");

    CKwFontPicker picker(&first);
    ASSERT_TRUE(picker.Create(1, &dialog, CRect(10, 10, 200, 40)));
    picker.SetLogFont(lf);
    picker.SetTextColor(RGB(0, 0x80, 0));
    CFontPickerWnd older;
    ASSERT_TRUE(older.Create(2, &dialog, CRect(10, 50, 200, 80)));
    older.SetLogFont(lf);
    older.Add(&second);
    older.Add(&first);

    for (int ok = 0; ok < 2; ok++)
    {
        for (CWnd* pWnd : {(CWnd*)&picker, (CWnd*)&older})
        {
            calls.clear();
            ModalDialogDriver driver([&](HWND hDlg) { ::PostMessageA(hDlg, WM_COMMAND, ok ? IDOK : IDCANCEL, 0); });
            pWnd->SendMessage(WM_COMMAND, MAKEWPARAM(CKwFontSampleWnd::ChooseButtonId, BN_CLICKED),
                              (LPARAM)pWnd->GetDlgItem(CKwFontSampleWnd::ChooseButtonId)->m_hWnd);
            EXPECT_TRUE(driver.Answered());
            if (pWnd == &picker)
                EXPECT_EQ(ok ? "first " : "", calls);
            else
                EXPECT_EQ(ok ? "second first " : "", calls); // in the order they were added
        }
        // Cancelled: the same font and colour. On OK the font is the dialog's (which starts on
        // a face that exists), the colour the one it was given.
        LOGFONT olderFont;
        older.GetLogFont(olderFont);
        EXPECT_EQ(ok == 0, strcmp("No Such Face", picker.GetLogFont().lfFaceName) == 0);
        EXPECT_EQ(ok == 0, strcmp("No Such Face", olderFont.lfFaceName) == 0);
        EXPECT_EQ(RGB(0, 0x80, 0), picker.GetTextColor());
    }
}

} // namespace

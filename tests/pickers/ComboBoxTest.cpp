// The toolkit's combo box: the edit field found by class, and the flat look on pixels.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "pickers/KwComboBox.h"
#include "support/MessageRecorder.h"
#include "support/TestSurface.h"

namespace {

struct ComboFixture : ::testing::Test
{
    CWnd parent;
    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "Parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300,
            200, NULL, NULL));
    }
    void TearDown() override { parent.DestroyWindow(); }
};

TEST_F(ComboFixture, TheEditFieldIsTheFirstChildOfClassEdit)
{
    CKwComboBox dropDown, dropList;
    ASSERT_TRUE(dropDown.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(10, 10, 150, 200), &parent, 1));
    ASSERT_TRUE(dropList.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 40, 150, 200), &parent, 2));
    CWnd* pEdit = dropDown.GetEditField();
    ASSERT_NE(nullptr, pEdit);
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(dropDown.GetComboBoxInfo(&info));
    EXPECT_EQ(info.hwndItem, pEdit->m_hWnd);
    EXPECT_EQ(nullptr, dropList.GetEditField()); // a drop-down list has none

    // Another window in front of the edit field: the lookup takes only the first child.
    CWnd front;
    ASSERT_TRUE(front.CreateEx(0, "STATIC", "", WS_CHILD, 0, 0, 5, 5, dropDown.m_hWnd, NULL));
    ::SetWindowPos(front.m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(nullptr, dropDown.GetEditField());
    // A class whose name only begins with "Edit" is not an edit field.
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(NULL);
    wc.lpszClassName = "EditLookalike";
    ::RegisterClassA(&wc);
    HWND hLookalike = ::CreateWindowA("EditLookalike", "", WS_CHILD, 0, 0, 5, 5, dropList.m_hWnd, NULL, wc.hInstance, NULL);
    ASSERT_TRUE(hLookalike != NULL);
    EXPECT_EQ(nullptr, dropList.GetEditField());
    front.DestroyWindow();
    EXPECT_EQ(info.hwndItem, dropDown.GetEditField()->m_hWnd);
}

// The outermost two pixels all round: 'W' in the window colour, '.' anything else.
std::string Ring(TestSurface& surface, int cx, int cy)
{
    std::string ring;
    COLORREF window = ::GetSysColor(COLOR_WINDOW);
    for (int y = 0; y < cy; y++)
        for (int x = 0; x < cx; x++)
            if (x < 2 || y < 2 || x >= cx - 2 || y >= cy - 2)
                ring += surface.Pixel(x, y) == window ? 'W' : '.';
    return ring;
}

TEST_F(ComboFixture, AFlatComboHidesItsSunkenBorderUnderTheWindowColour)
{
    CKwComboBox normal, flat;
    ASSERT_TRUE(normal.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 10, 150, 200), &parent, 1));
    ASSERT_TRUE(flat.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 40, 150, 200), &parent, 2));
    flat.m_bFlat = TRUE;
    normal.AddString("Steel");
    normal.SetCurSel(0);
    flat.AddString("Steel");
    flat.SetCurSel(0);
    CRect rc;
    flat.GetClientRect(&rc);

    TestSurface normalPicture(rc.Width(), rc.Height(), RGB(255, 0, 255));
    TestSurface flatPicture(rc.Width(), rc.Height(), RGB(255, 0, 255));
    normal.SendMessage(WM_PRINT, (WPARAM)normalPicture.DC().m_hDC, PRF_CLIENT | PRF_NONCLIENT | PRF_ERASEBKGND);
    flat.SendMessage(WM_PRINT, (WPARAM)flatPicture.DC().m_hDC, PRF_CLIENT | PRF_NONCLIENT | PRF_ERASEBKGND);

    std::string allWindow(Ring(flatPicture, rc.Width(), rc.Height()).size(), 'W');
    EXPECT_EQ(allWindow, Ring(flatPicture, rc.Width(), rc.Height()));
    EXPECT_NE(allWindow, Ring(normalPicture, rc.Width(), rc.Height())); // the sunken border shows
    // Inside the ring the combo's own painting stays: the button face at the right.
    EXPECT_EQ(normalPicture.Pixel(rc.Width() - 8, rc.Height() / 2), flatPicture.Pixel(rc.Width() - 8, rc.Height() / 2));
    EXPECT_EQ(normalPicture.Pixel(rc.Width() / 2, 2), flatPicture.Pixel(rc.Width() / 2, 2));

    // The painted window: the ring drawn through the window DC after the combo's own painting.
    flat.Invalidate();
    flat.UpdateWindow();
    HDC hDC = ::GetWindowDC(flat.m_hWnd);
    COLORREF window = ::GetSysColor(COLOR_WINDOW);
    EXPECT_EQ(window, ::GetPixel(hDC, 0, 0));
    EXPECT_EQ(window, ::GetPixel(hDC, rc.Width() - 2, rc.Height() / 2));
    ::ReleaseDC(flat.m_hWnd, hDC);
}

} // namespace

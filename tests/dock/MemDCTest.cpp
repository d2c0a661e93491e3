// The off-screen surface the bars paint through: what is drawn in the target's coordinates lands
// there, inside the rectangle and nowhere else, and only when the surface ends.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "CBCGPMemDC.h"

TEST(MemDC, DrawingLandsInItsRectangleOnlyWhenTheSurfaceEnds)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(NULL));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(64, 48, 1, 32, NULL));
    CBitmap* pOld = dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, 64, 48, RGB(255, 255, 255));
    {
        CBCGPMemDC memDC(dc, CRect(10, 8, 50, 40));
        ASSERT_TRUE(memDC.IsMemDC());
        // Beyond the rectangle on purpose: that part is not copied.
        memDC.GetDC().FillSolidRect(0, 0, 64, 48, RGB(255, 0, 0));
        memDC.GetDC().SetPixel(49, 39, RGB(0, 0, 255));
        EXPECT_EQ(RGB(255, 255, 255), dc.GetPixel(20, 20));
    }
    EXPECT_EQ(RGB(255, 0, 0), dc.GetPixel(10, 8));
    EXPECT_EQ(RGB(0, 0, 255), dc.GetPixel(49, 39));
    EXPECT_EQ(RGB(255, 255, 255), dc.GetPixel(9, 8));
    EXPECT_EQ(RGB(255, 255, 255), dc.GetPixel(50, 39));
    EXPECT_EQ(RGB(255, 255, 255), dc.GetPixel(49, 40));
    // Nothing to hold: drawing goes straight to the target.
    {
        CBCGPMemDC memDC(dc, CRect(5, 5, 5, 5));
        EXPECT_FALSE(memDC.IsMemDC());
        memDC.GetDC().SetPixel(2, 2, RGB(0, 255, 0));
    }
    EXPECT_EQ(RGB(0, 255, 0), dc.GetPixel(2, 2));
    dc.SelectObject(pOld);
}

// MemDCTest.cpp: the off-screen surface: drawing in the target's coordinates reaches the target
// only at the end and only within its clip box, a bitmap kept from an earlier surface of another
// size or kind changes nothing of that, and printers are drawn on directly.
#include "core/MemDC.h"
#include "support/TestSurface.h"
#include "support/TestColors.h"

#include <gtest/gtest.h>

TEST(MemDC, DrawsOffScreenAndCopiesTheClipBoxWhenItEnds)
{
    for (const CRect clip : {CRect(10, 5, 50, 35), CRect(0, 0, 60, 40), CRect(30, 20, 35, 22)})
    {
        TestSurface target(60, 40, kWhite);
        target.DC().IntersectClipRect(&clip);
        {
            CMemDC dc(&target.DC());
            ASSERT_TRUE(dc.IsOffScreen());
            dc.FillSolidRect(0, 0, 60, 40, kRed);
            dc.FillSolidRect(30, 20, 2, 2, kBlue);
            EXPECT_EQ(60 * 40, target.Count(CRect(0, 0, 60, 40), kWhite)) << "nothing on the target yet";
        }
        EXPECT_EQ(clip.Width() * clip.Height() - 4, target.Count(clip, kRed));
        EXPECT_EQ(kBlue, target.Pixel(31, 21)) << "drawn in the target's coordinates";
        EXPECT_EQ(60 * 40 - clip.Width() * clip.Height(), target.Count(CRect(0, 0, 60, 40), kWhite));
    }
}

TEST(MemDC, PrintersAndEmptyClipBoxesAreDrawnOnDirectly)
{
    TestSurface printer(20, 20, kWhite);
    printer.DC().m_bPrinting = TRUE;
    {
        CMemDC dc(&printer.DC());
        EXPECT_FALSE(dc.IsOffScreen());
        EXPECT_TRUE(dc.IsPrinting());
        dc.FillSolidRect(0, 0, 5, 5, kRed);
        EXPECT_EQ(kRed, printer.Pixel(2, 2));
    }
    printer.DC().m_bPrinting = FALSE;
    EXPECT_NE((HDC)NULL, printer.DC().m_hDC) << "the target keeps its handle";
    EXPECT_EQ(kRed, printer.Pixel(2, 2));

    TestSurface hidden(20, 20, kWhite);
    hidden.DC().IntersectClipRect(5, 5, 5, 5);
    CMemDC dc(&hidden.DC());
    EXPECT_FALSE(dc.IsOffScreen());
    dc.FillSolidRect(0, 0, 20, 20, kRed);
    EXPECT_EQ(20 * 20, hidden.Count(CRect(0, 0, 20, 20), kWhite));
}

TEST(MemDC, AFormerSurfacesBitmapServesOnlyLikeTargets)
{
    // A large colour surface first: its bitmap may be kept.
    {
        TestSurface large(300, 200, kWhite);
        CMemDC dc(&large.DC());
        dc.FillSolidRect(0, 0, 300, 200, kBlue);
    }
    // A monochrome target afterwards gets a monochrome bitmap: red filled while it is the
    // background colour is white there. (Had the colour bitmap served, red would be copied to
    // black, no longer matching the background colour of the copy.)
    CDC mono;
    ASSERT_TRUE(mono.CreateCompatibleDC(NULL));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(16, 8, 1, 1, NULL));
    CBitmap* pOld = mono.SelectObject(&bitmap);
    mono.PatBlt(0, 0, 16, 8, WHITENESS);
    {
        CMemDC dc(&mono);
        dc.PatBlt(0, 0, 16, 8, BLACKNESS);
        dc.FillSolidRect(4, 2, 8, 4, kRed);
        dc.SetBkColor(kBlue);
    }
    EXPECT_EQ(RGB(255, 255, 255), mono.GetPixel(5, 3));
    EXPECT_EQ(RGB(0, 0, 0), mono.GetPixel(1, 1));
    mono.SelectObject(pOld);
}

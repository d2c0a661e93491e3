// Tests of the drawing layer, pixel by pixel in off-screen surfaces: raster operations, fills,
// frames, the halftone brush, selection and the wrappers it returns, saved states, clipping and
// coordinates, regions, text and image lists.
#include <gtest/gtest.h>

#include "CDC.h"
#include "CImageList.h"
#include "CResourceException.h"
#include "DrawTest.rh"
#include "support/AfxExceptionCatch.h"
#include "support/TestRandom.h"
#include "support/TestSurface.h"
#include "support/TestColors.h"

#include <string>
#include <thread>

namespace {

const std::vector<std::pair<COLORREF, char>> kLegend = {
    { kWhite, '.' }, { kBlack, '#' }, { kRed, 'R' }, { kBlue, 'B' }, { kGreen, 'G' } };

COLORREF RandomColor(TestRandom& random)
{
    return (COLORREF)(random.Next() & 0xFFFFFF);
}

// A bitmap of its own holding what the surface shows.
void CopyToBitmap(TestSurface& surface, CBitmap& bitmap)
{
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&surface.DC(), surface.Width(), surface.Height()));
    CDC copy;
    copy.CreateCompatibleDC(&surface.DC());
    CBitmap* pOld = copy.SelectObject(&bitmap);
    copy.BitBlt(0, 0, surface.Width(), surface.Height(), &surface.DC(), 0, 0, SRCCOPY);
    copy.SelectObject(pOld);
}

void FillRandom(TestSurface& surface, TestRandom& random)
{
    for (int y = 0; y < surface.Height(); y++)
        for (int x = 0; x < surface.Width(); x++)
            surface.SetPixel(x, y, RandomColor(random));
}

} // namespace

TEST(Draw, RasterOperationsCombinePixelByPixel)
{
    TestRandom random(17);
    TestSurface dest(24, 16), source(24, 16);
    FillRandom(dest, random);
    FillRandom(source, random);
    std::vector<COLORREF> before, src;
    for (int y = 0; y < 16; y++)
        for (int x = 0; x < 24; x++) {
            before.push_back(dest.Pixel(x, y));
            src.push_back(source.Pixel(x, y));
        }

    // Inverting and then painting the source over it: (NOT old) OR source.
    ASSERT_TRUE(dest.DC().PatBlt(0, 0, 24, 16, DSTINVERT));
    ASSERT_TRUE(dest.DC().BitBlt(0, 0, 24, 16, &source.DC(), 0, 0, SRCPAINT));
    int wrong = 0;
    for (int y = 0; y < 16; y++)
        for (int x = 0; x < 24; x++)
            if (dest.Pixel(x, y) != ((~before[y * 24 + x] | src[y * 24 + x]) & 0xFFFFFF))
                wrong++;
    EXPECT_EQ(0, wrong);

    // XOR twice restores; AND with the source; a copy of the inverted source.
    TestSurface xorred(24, 16);
    xorred.DC().BitBlt(0, 0, 24, 16, &dest.DC(), 0, 0, SRCCOPY);
    xorred.DC().BitBlt(0, 0, 24, 16, &source.DC(), 0, 0, SRCINVERT);
    xorred.DC().BitBlt(0, 0, 24, 16, &source.DC(), 0, 0, SRCINVERT);
    dest.DC().BitBlt(0, 0, 24, 16, &source.DC(), 0, 0, SRCAND);
    wrong = 0;
    for (int y = 0; y < 16; y++)
        for (int x = 0; x < 24; x++) {
            COLORREF painted = (~before[y * 24 + x] | src[y * 24 + x]) & 0xFFFFFF;
            wrong += xorred.Pixel(x, y) != painted;
            wrong += dest.Pixel(x, y) != (painted & src[y * 24 + x]);
        }
    EXPECT_EQ(0, wrong);

    // A pattern XORed with the selected brush.
    TestSurface pat(4, 1, kRed);
    CBrush blue(kBlue);
    CBrush* pOld = pat.DC().SelectObject(&blue);
    pat.DC().PatBlt(0, 0, 2, 1, PATINVERT);
    pat.DC().SelectObject(pOld);
    EXPECT_EQ("MM..\n", pat.Picture(CRect(0, 0, 4, 1), { { RGB(255, 0, 255), 'M' }, { kRed, '.' } }));
}

TEST(Draw, StretchesAndDrawsWithMixModes)
{
    TestSurface source(2, 2), dest(4, 4);
    source.SetPixel(0, 0, kRed);
    source.SetPixel(1, 0, kBlue);
    source.SetPixel(0, 1, kGreen);
    source.SetPixel(1, 1, kBlack);
    dest.DC().SetStretchBltMode(COLORONCOLOR);
    ASSERT_TRUE(dest.DC().StretchBlt(0, 0, 4, 4, &source.DC(), 0, 0, 2, 2, SRCCOPY));
    EXPECT_EQ("RRBB\n"
              "RRBB\n"
              "GG##\n"
              "GG##\n",
        dest.Picture(CRect(0, 0, 4, 4), kLegend));

    // A line drawn twice with the XOR pen leaves nothing behind.
    TestSurface lines(6, 3, kRed);
    CPen pen(PS_SOLID, 1, kWhite);
    CPen* pOldPen = lines.DC().SelectObject(&pen);
    EXPECT_EQ(R2_COPYPEN, lines.DC().SetROP2(R2_XORPEN));
    lines.DC().MoveTo(0, 1);
    lines.DC().LineTo(6, 1);
    EXPECT_EQ("......\n"
              "TTTTTT\n"
              "......\n",
        lines.Picture(CRect(0, 0, 6, 3), { { kRed, '.' }, { RGB(0, 255, 255), 'T' } }));
    CPoint last = lines.DC().MoveTo(0, 1);
    EXPECT_TRUE(last == CPoint(6, 1));
    lines.DC().LineTo(6, 1);
    EXPECT_EQ("......\n"
              "......\n"
              "......\n",
        lines.Picture(CRect(0, 0, 6, 3), { { kRed, '.' } }));
    lines.DC().SelectObject(pOldPen);
}

TEST(Draw, FillSolidRectAndDraw3dRect)
{
    TestSurface surface(8, 6);
    CDC& dc = surface.DC();
    dc.SetBkColor(kGreen);
    dc.FillSolidRect(CRect(1, 1, 4, 3), kRed);
    // The fill's colour stays the background colour, which callers rely on.
    EXPECT_EQ(kRed, dc.GetBkColor());
    dc.FillSolidRect(5, 0, 2, 2, kBlue);
    EXPECT_EQ(".....BB.\n"
              ".RRR.BB.\n"
              ".RRR....\n"
              "........\n"
              "........\n"
              "........\n",
        surface.Picture(CRect(0, 0, 8, 6), kLegend));

    TestSurface frame(7, 6);
    frame.DC().Draw3dRect(CRect(1, 1, 6, 5), kRed, kBlue);
    EXPECT_EQ(".......\n"
              ".RRRRB.\n"
              ".R...B.\n"
              ".R...B.\n"
              ".BBBBB.\n"
              ".......\n",
        frame.Picture(CRect(0, 0, 7, 6), kLegend));
    EXPECT_EQ(kBlue, frame.DC().GetBkColor());

    // FrameRect and FillRect with a brush; Rectangle with the selected pen and brush.
    TestSurface shapes(6, 4);
    CBrush red(kRed), blue(kBlue);
    shapes.DC().FrameRect(CRect(0, 0, 3, 3), &red);
    shapes.DC().FillRect(CRect(4, 0, 6, 2), &blue);
    EXPECT_EQ("RRR.BB\n"
              "R.R.BB\n"
              "RRR...\n"
              "......\n",
        shapes.Picture(CRect(0, 0, 6, 4), kLegend));
}

TEST(Draw, HalftoneBrushIsASharedChecker)
{
    CBrush* pBrush = CDC::GetHalftoneBrush();
    ASSERT_TRUE(pBrush != NULL);
    HGDIOBJ hBrush = pBrush->GetSafeHandle();
    EXPECT_EQ(hBrush, CDC::GetHalftoneBrush()->GetSafeHandle());

    // 0 bits take the text colour, 1 bits the background colour.
    TestSurface surface(10, 4);
    surface.DC().SetTextColor(kBlue);
    surface.DC().SetBkColor(kRed);
    surface.DC().FillRect(CRect(0, 0, 10, 4), pBrush);
    EXPECT_EQ("BRBRBRBRBR\n"
              "RBRBRBRBRB\n"
              "BRBRBRBRBR\n"
              "RBRBRBRBRB\n",
        surface.Picture(CRect(0, 0, 10, 4), kLegend));

    // The wrapper is temporary; the brush outlives it.
    AfxDeleteTempGdiObjects();
    EXPECT_EQ(OBJ_BRUSH, (int)GetObjectType(hBrush));
    EXPECT_EQ(hBrush, CDC::GetHalftoneBrush()->GetSafeHandle());
}

TEST(Draw, SelectionReturnsThePreviousObject)
{
    TestSurface surface(4, 4);
    CDC& dc = surface.DC();
    CPen red(PS_SOLID, 1, kRed), blue(PS_SOLID, 1, kBlue);
    CBrush brush(kGreen);
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(90, "Arial"));

    // The DC's own objects come back as temporary wrappers of their kind.
    CPen* pStockPen = dc.SelectObject(&red);
    ASSERT_TRUE(pStockPen != NULL);
    EXPECT_TRUE(pStockPen->IsKindOf(RUNTIME_CLASS(CPen)));
    EXPECT_EQ(GetStockObject(BLACK_PEN), pStockPen->GetSafeHandle());
    // Objects the program made come back as themselves.
    EXPECT_EQ(&red, dc.SelectObject(&blue));
    EXPECT_EQ(&blue, dc.GetCurrentPen());
    EXPECT_EQ(&blue, dc.SelectObject(pStockPen));

    CBrush* pStockBrush = dc.SelectObject(&brush);
    EXPECT_TRUE(pStockBrush->IsKindOf(RUNTIME_CLASS(CBrush)));
    EXPECT_EQ(&brush, dc.SelectObject(pStockBrush));
    CFont* pStockFont = dc.SelectObject(&font);
    EXPECT_TRUE(pStockFont->IsKindOf(RUNTIME_CLASS(CFont)));
    EXPECT_EQ(&font, dc.SelectStockObject(SYSTEM_FONT));
    CGdiObject* pGeneric = dc.SelectObject(static_cast<CGdiObject*>(&red));
    EXPECT_EQ(GetStockObject(BLACK_PEN), pGeneric->GetSafeHandle());
    EXPECT_EQ(&red, dc.SelectObject(pStockPen));

    // Selecting nothing changes nothing.
    EXPECT_EQ(nullptr, dc.SelectObject((CPen*)NULL));
    EXPECT_EQ(GetStockObject(BLACK_PEN), GetCurrentObject(dc, OBJ_PEN));
    AfxDeleteTempGdiObjects();
}

TEST(Draw, WrappersOwnOrBorrowTheirHandles)
{
    // Temporaries: HandleMapsBelongToTheirThread.
    HPEN hPen = CreatePen(PS_SOLID, 1, kRed);
    {
        CPen owner;
        EXPECT_TRUE(owner.Attach(hPen));
        EXPECT_FALSE(owner.Attach(hPen));
        EXPECT_EQ(&owner, CGdiObject::FromHandle(hPen));
        EXPECT_EQ(hPen, owner.Detach());
        EXPECT_NE(&owner, CGdiObject::FromHandle(hPen));
        CGdiObject::DeleteTempMap();
        owner.Attach(hPen);
    }
    EXPECT_EQ(0, (int)GetObjectType(hPen)); // deleted with its owner

    CPen* volatile pNull = NULL;
    EXPECT_EQ(nullptr, pNull->GetSafeHandle());
    EXPECT_EQ(nullptr, CGdiObject::FromHandle(NULL));

    // A DC attached to a CDC comes back as that CDC; others as temporaries that leave it open.
    HDC hDC = CreateCompatibleDC(NULL);
    EXPECT_EQ(hDC, CDC::FromHandle(hDC)->GetSafeHdc());
    CDC::DeleteTempMap();
    EXPECT_NE(0, SaveDC(hDC));
    CDC dc;
    EXPECT_TRUE(dc.Attach(hDC));
    EXPECT_EQ(&dc, CDC::FromHandle(hDC));
    EXPECT_TRUE(dc.DeleteDC());
    EXPECT_EQ(nullptr, dc.GetSafeHdc());
}

TEST(Draw, RestoreDCBringsBackClipObjectsAndColours)
{
    TestSurface surface(10, 10);
    CDC& dc = surface.DC();
    HGDIOBJ hBrushBefore = GetCurrentObject(dc, OBJ_BRUSH);
    CRect box;
    int nSaved = dc.SaveDC();
    ASSERT_NE(0, nSaved);
    CBrush red(kRed);
    dc.SelectObject(&red);
    dc.SetBkColor(kBlue);
    dc.SetTextColor(kGreen);
    dc.SetBkMode(TRANSPARENT);
    dc.SetViewportOrg(3, 3);
    EXPECT_EQ(SIMPLEREGION, dc.IntersectClipRect(0, 0, 2, 2));
    dc.GetClipBox(&box);
    EXPECT_TRUE(box == CRect(0, 0, 2, 2));
    EXPECT_TRUE(dc.RestoreDC(nSaved));

    EXPECT_EQ(hBrushBefore, GetCurrentObject(dc, OBJ_BRUSH));
    EXPECT_EQ(kWhite, dc.GetBkColor());
    EXPECT_EQ(kBlack, dc.GetTextColor());
    EXPECT_EQ(OPAQUE, dc.GetBkMode());
    EXPECT_TRUE(dc.GetViewportOrg() == CPoint(0, 0));
    EXPECT_EQ(SIMPLEREGION, dc.GetClipBox(&box));
    EXPECT_TRUE(box == CRect(0, 0, 10, 10));
}

TEST(Draw, ClippingLimitsEveryFill)
{
    TestSurface surface(6, 4);
    CDC& dc = surface.DC();
    dc.ExcludeClipRect(CRect(1, 1, 3, 3));
    dc.FillSolidRect(CRect(0, 0, 6, 4), kRed);
    EXPECT_EQ("RRRRRR\n"
              "R..RRR\n"
              "R..RRR\n"
              "RRRRRR\n",
        surface.Picture(CRect(0, 0, 6, 4), kLegend));

    CRgn region;
    ASSERT_TRUE(region.CreateRectRgn(4, 0, 6, 2));
    EXPECT_EQ(SIMPLEREGION, dc.SelectClipRgn(&region));
    dc.FillSolidRect(CRect(0, 0, 6, 4), kBlue);
    EXPECT_FALSE(dc.PtVisible(0, 0));
    EXPECT_TRUE(dc.PtVisible(5, 1));
    EXPECT_EQ(SIMPLEREGION, dc.SelectClipRgn(&region, RGN_AND));
    dc.SelectClipRgn(NULL);
    CRect box;
    dc.GetClipBox(&box);
    EXPECT_TRUE(box == CRect(0, 0, 6, 4));
    EXPECT_EQ("RRRRBB\n"
              "R..RBB\n"
              "R..RRR\n"
              "RRRRRR\n",
        surface.Picture(CRect(0, 0, 6, 4), kLegend));
}

TEST(Draw, OriginsMoveDrawingAndConversions)
{
    TestSurface surface(6, 4);
    CDC& dc = surface.DC();
    EXPECT_TRUE(dc.SetViewportOrg(2, 1) == CPoint(0, 0));
    EXPECT_TRUE(dc.OffsetViewportOrg(1, 0) == CPoint(2, 1));
    dc.SetWindowOrg(1, 1);
    // Logical (1, 1) is at the window origin, which maps to the viewport origin (3, 1).
    dc.FillSolidRect(1, 1, 2, 1, kRed);
    EXPECT_EQ("......\n"
              "...RR.\n"
              "......\n"
              "......\n",
        surface.Picture(CRect(0, 0, 6, 4), kLegend));

    CRect r(1, 1, 3, 2);
    dc.LPtoDP(&r);
    EXPECT_TRUE(r == CRect(3, 1, 5, 2));
    dc.DPtoLP(&r);
    EXPECT_TRUE(r == CRect(1, 1, 3, 2));
    CPoint pt(0, 0);
    dc.LPtoDP(&pt);
    EXPECT_TRUE(pt == CPoint(2, 0));
    CSize size(4, 5);
    dc.LPtoDP(&size); // sizes do not move with the origins
    EXPECT_TRUE(size == CSize(4, 5));
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(1, 1);
    dc.SetViewportExt(2, 3);
    dc.LPtoDP(&size);
    EXPECT_TRUE(size == CSize(8, 15));
    dc.DPtoLP(&size);
    EXPECT_TRUE(size == CSize(4, 5));
}

TEST(Draw, RegionsFillFrameAndCombine)
{
    TestSurface surface(7, 5);
    CDC& dc = surface.DC();
    CRgn a, b, both;
    ASSERT_TRUE(a.CreateRectRgn(0, 0, 3, 3));
    ASSERT_TRUE(b.CreateRectRgn(2, 2, 7, 5));
    ASSERT_TRUE(both.CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(COMPLEXREGION, both.CombineRgn(&a, &b, RGN_OR));
    EXPECT_TRUE(both.PtInRegion(6, 4));
    EXPECT_FALSE(both.PtInRegion(6, 0));
    CRect box;
    EXPECT_EQ(COMPLEXREGION, both.GetRgnBox(&box));
    EXPECT_TRUE(box == CRect(0, 0, 7, 5));

    CBrush red(kRed), blue(kBlue);
    EXPECT_TRUE(dc.FillRgn(&a, &red));
    EXPECT_TRUE(dc.FrameRgn(&b, &blue, 1, 1));
    EXPECT_EQ("RRR....\n"
              "RRR....\n"
              "RRBBBBB\n"
              "..B...B\n"
              "..BBBBB\n",
        surface.Picture(CRect(0, 0, 7, 5), kLegend));

    CRgn copy;
    copy.CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(COMPLEXREGION, copy.CopyRgn(&both));
    EXPECT_TRUE(copy.EqualRgn(&both));
    copy.OffsetRgn(1, 0);
    EXPECT_FALSE(copy.EqualRgn(&both));
}

TEST(Draw, TextIsMeasuredAndDrawn)
{
    TestSurface surface(80, 20);
    CDC& dc = surface.DC();
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(90, "Arial", &dc));
    LOGFONT lf;
    font.GetLogFont(&lf);
    EXPECT_EQ(-MulDiv(9, dc.GetDeviceCaps(LOGPIXELSY), 72), lf.lfHeight);
    CFont* pOld = dc.SelectObject(&font);

    CString text("Wide text");
    CSize extent = dc.GetTextExtent(text);
    EXPECT_GT(extent.cx, 10);
    EXPECT_EQ(0, dc.GetTextExtent("", 0).cx);
    EXPECT_TRUE(extent == dc.GetOutputTextExtent(text));
    TEXTMETRIC tm;
    ASSERT_TRUE(dc.GetTextMetrics(&tm));
    EXPECT_EQ(tm.tmHeight, extent.cy);

    CRect calc(0, 0, 1000, 0);
    dc.DrawText(text, &calc, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(extent.cx, calc.Width());
    EXPECT_EQ(extent.cy, calc.Height());

    // Drawn text stays inside its extent.
    dc.SetTextColor(kBlack);
    dc.SetBkMode(TRANSPARENT);
    ASSERT_TRUE(dc.TextOut(2, 1, text));
    int inside = 0, outside = 0;
    for (int y = 0; y < 20; y++)
        for (int x = 0; x < 80; x++)
            if (surface.Pixel(x, y) != kWhite)
                (x >= 2 && x < 2 + extent.cx && y >= 1 && y < 1 + extent.cy ? inside : outside)++;
    EXPECT_GT(inside, 20);
    EXPECT_EQ(0, outside);
    dc.SelectObject(pOld);
}

TEST(Draw, ImageListsAddWithMaskAndDraw)
{
    // Two 4x4 images side by side: red with a magenta (transparent) centre, then blue.
    const COLORREF kMagenta = RGB(255, 0, 255);
    TestSurface strip(8, 4, kRed);
    strip.DC().FillSolidRect(1, 1, 2, 2, kMagenta);
    strip.DC().FillSolidRect(4, 0, 4, 4, kBlue);
    CBitmap bitmap;
    CopyToBitmap(strip, bitmap);

    CImageList list;
    ASSERT_TRUE(list.Create(4, 4, ILC_COLOR32 | ILC_MASK, 0, 2));
    EXPECT_FALSE(list.Create(4, 4, ILC_COLOR32, 0, 2));
    EXPECT_EQ(0, list.Add(&bitmap, kMagenta));
    EXPECT_EQ(2, list.GetImageCount());
    IMAGEINFO info;
    ASSERT_TRUE(list.GetImageInfo(1, &info));
    EXPECT_EQ(4, info.rcImage.right - info.rcImage.left);
    int cx = 0, cy = 0;
    EXPECT_TRUE(list.GetIconSize(&cx, &cy));
    EXPECT_EQ(4, cx);

    TestSurface target(10, 4, kGreen);
    EXPECT_TRUE(list.Draw(&target.DC(), 0, CPoint(0, 0), ILD_TRANSPARENT));
    EXPECT_TRUE(list.Draw(&target.DC(), 1, CPoint(5, 0), ILD_NORMAL));
    EXPECT_EQ("RRRRGBBBBG\n"
              "RGGRGBBBBG\n"
              "RGGRGBBBBG\n"
              "RRRRGBBBBG\n",
        target.Picture(CRect(0, 0, 10, 4), kLegend));

    // Attach, Detach and temporaries.
    HIMAGELIST hList = list.Detach();
    EXPECT_EQ(nullptr, list.GetSafeHandle());
    CImageList* pTemp = CImageList::FromHandle(hList);
    EXPECT_EQ(2, pTemp->GetImageCount());
    AfxDeleteTempGdiObjects();
    EXPECT_TRUE(list.Attach(hList));
    EXPECT_EQ(&list, CImageList::FromHandle(hList));
    EXPECT_TRUE(list.Remove(0));
    EXPECT_EQ(1, list.GetImageCount());
    EXPECT_TRUE(list.DeleteImageList());
    EXPECT_FALSE(list.DeleteImageList());
}

TEST(Draw, IconsAndStatesDraw)
{
    // A 4x4 icon: opaque red with a transparent top-left pixel (mask 1, colour black). Mask
    // rows are padded to 16 bits.
    BYTE andBits[4 * 2] = { 0x80, 0, 0, 0, 0, 0, 0, 0 };
    TestSurface colour(4, 4, kRed);
    colour.SetPixel(0, 0, kBlack);
    CBitmap mask, image;
    mask.CreateBitmap(4, 4, 1, 1, andBits);
    CopyToBitmap(colour, image);
    ICONINFO ii = { TRUE, 0, 0, (HBITMAP)mask.m_hObject, (HBITMAP)image.m_hObject };
    HICON hIcon = CreateIconIndirect(&ii);
    ASSERT_TRUE(hIcon != NULL);

    TestSurface target(10, 4);
    EXPECT_TRUE(target.DC().DrawState(CPoint(0, 0), CSize(4, 4), hIcon, DSS_NORMAL, (HBRUSH)NULL));
    EXPECT_TRUE(target.DC().DrawIcon(5, 0, hIcon));
    EXPECT_EQ(".RRR\n"
              "RRRR\n"
              "RRRR\n"
              "RRRR\n",
        target.Picture(CRect(0, 0, 4, 4), kLegend));
    DestroyIcon(hIcon);
}

TEST(Draw, BitmapsAndImageListsLoadFromResources)
{
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadBitmap(IDB_DRAWTEST_STRIP));
    BITMAP bm;
    ASSERT_EQ((int)sizeof(bm), bitmap.GetBitmap(&bm));
    EXPECT_EQ(8, bm.bmWidth);
    EXPECT_EQ(4, bm.bmHeight);
    TestSurface surface(8, 4);
    {
        CDC memory;
        memory.CreateCompatibleDC(&surface.DC());
        CBitmap* pOld = memory.SelectObject(&bitmap);
        surface.DC().BitBlt(0, 0, 8, 4, &memory, 0, 0, SRCCOPY);
        memory.SelectObject(pOld);
    }
    const COLORREF kMagenta = RGB(255, 0, 255);
    EXPECT_EQ("RRRRBBBB\n"
              "RMMRBBBB\n"
              "RMMRBBBB\n"
              "RRRRBBBB\n",
        surface.Picture(CRect(0, 0, 8, 4), { { kRed, 'R' }, { kBlue, 'B' }, { kMagenta, 'M' } }));

    CBitmap missing;
    EXPECT_FALSE(missing.LoadBitmap(IDB_DRAWTEST_ABSENT));
    EXPECT_EQ(nullptr, missing.GetSafeHandle());

    // The strip cut into 4-pixel images, magenta transparent.
    CImageList list;
    ASSERT_TRUE(list.Create(IDB_DRAWTEST_STRIP, 4, 1, kMagenta));
    EXPECT_EQ(2, list.GetImageCount());
    TestSurface target(4, 4, kGreen);
    list.Draw(&target.DC(), 0, CPoint(0, 0), ILD_TRANSPARENT);
    EXPECT_EQ("RRRR\n"
              "RGGR\n"
              "RGGR\n"
              "RRRR\n",
        target.Picture(CRect(0, 0, 4, 4), kLegend));
    CImageList none;
    EXPECT_FALSE(none.Create(IDB_DRAWTEST_ABSENT, 4, 1, kMagenta));
}

TEST(Draw, ObjectsThatCannotBeMadeThrow)
{
    EXPECT_TRUE(ThrowsAfx<CResourceException>([] { CBrush pattern((CBitmap*)NULL); }));

    // A Create... on an object that already holds one fails and keeps what it has.
    CPen pen(PS_SOLID, 2, kRed);
    HGDIOBJ hPen = pen.GetSafeHandle();
    EXPECT_FALSE(pen.CreatePen(PS_SOLID, 1, kBlue));
    EXPECT_EQ(hPen, pen.GetSafeHandle());
    LOGPEN lp;
    ASSERT_EQ((int)sizeof(lp), pen.GetLogPen(&lp));
    EXPECT_EQ(kRed, lp.lopnColor);
    EXPECT_EQ(2, lp.lopnWidth.x);
}

TEST(Draw, HandleMapsBelongToTheirThread)
{
    CPen owner(PS_SOLID, 1, kRed);
    HGDIOBJ hPen = owner.GetSafeHandle();
    HPEN hLoose = CreatePen(PS_SOLID, 1, kBlue);
    CPen* pHere = CPen::FromHandle(hLoose);
    CGdiObject* pOwnerThere = NULL;
    CPen* pLooseThere = NULL;
    std::thread other([&] {
        // Another thread sees neither this thread's permanent objects nor its temporaries;
        // its own temporaries go with it when it ends.
        pOwnerThere = CGdiObject::FromHandle(hPen);
        pLooseThere = CPen::FromHandle(hLoose);
    });
    other.join();
    EXPECT_NE(&owner, pOwnerThere);
    EXPECT_NE(pHere, pLooseThere);
    EXPECT_EQ(&owner, CGdiObject::FromHandle(hPen));
    EXPECT_EQ(pHere, CPen::FromHandle(hLoose));
    EXPECT_EQ(OBJ_PEN, (int)GetObjectType(hPen));
    EXPECT_EQ(OBJ_PEN, (int)GetObjectType(hLoose));
    AfxDeleteTempGdiObjects();
    EXPECT_EQ(OBJ_PEN, (int)GetObjectType(hLoose));
    DeleteObject(hLoose);
}

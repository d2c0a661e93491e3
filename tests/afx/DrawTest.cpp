// Tests of the drawing layer: the fills and frames it draws itself, the halftone brush, selection
// and the wrappers it returns, size conversions and image lists.
#include <gtest/gtest.h>

#include "CDC.h"
#include "CImageList.h"
#include "CResourceException.h"
#include "support/AfxExceptionCatch.h"
#include "support/TestSurface.h"
#include "support/TestColors.h"

#include <string>
#include <thread>

namespace {

const std::vector<std::pair<COLORREF, char>> kLegend = {
    { kWhite, '.' }, { kBlack, '#' }, { kRed, 'R' }, { kBlue, 'B' }, { kGreen, 'G' } };

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

} // namespace

TEST(Draw, FillSolidRectAndDraw3dRect)
{
    TestSurface surface(8, 3);
    CDC& dc = surface.DC();
    dc.SetBkColor(kGreen);
    dc.FillSolidRect(CRect(1, 1, 4, 3), kRed);
    // The fill's colour stays the background colour, which callers rely on.
    EXPECT_EQ(kRed, dc.GetBkColor());
    dc.FillSolidRect(5, 0, 2, 2, kBlue);
    EXPECT_EQ(".....BB.\n"
              ".RRR.BB.\n"
              ".RRR....\n",
        surface.Picture(CRect(0, 0, 8, 3), kLegend));

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
}

TEST(Draw, HalftoneBrushIsASharedChecker)
{
    CBrush* pBrush = CDC::GetHalftoneBrush();
    ASSERT_TRUE(pBrush != NULL);
    HGDIOBJ hBrush = pBrush->GetSafeHandle();
    EXPECT_EQ(hBrush, CDC::GetHalftoneBrush()->GetSafeHandle());

    // 0 bits take the text colour, 1 bits the background colour.
    TestSurface surface(10, 2);
    surface.DC().SetTextColor(kBlue);
    surface.DC().SetBkColor(kRed);
    surface.DC().FillRect(CRect(0, 0, 10, 2), pBrush);
    EXPECT_EQ("BRBRBRBRBR\n"
              "RBRBRBRBRB\n",
        surface.Picture(CRect(0, 0, 10, 2), kLegend));

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

TEST(Draw, SizesConvertWithoutTheOrigins)
{
    TestSurface surface(6, 4);
    CDC& dc = surface.DC();
    dc.SetViewportOrg(2, 1);
    dc.SetWindowOrg(1, 1);
    CSize size(4, 5);
    dc.LPtoDP(&size);
    EXPECT_TRUE(size == CSize(4, 5));
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(1, 1);
    dc.SetViewportExt(2, 3);
    dc.LPtoDP(&size);
    EXPECT_TRUE(size == CSize(8, 15));
    dc.DPtoLP(&size);
    EXPECT_TRUE(size == CSize(4, 5));
}

TEST(Draw, ImageListsOwnOrBorrowTheirHandles)
{
    CImageList list;
    ASSERT_TRUE(list.Create(4, 4, ILC_COLOR32 | ILC_MASK, 0, 2));
    EXPECT_FALSE(list.Create(4, 4, ILC_COLOR32, 0, 2));
    TestSurface strip(8, 4, kRed);
    CBitmap bitmap;
    CopyToBitmap(strip, bitmap);
    EXPECT_EQ(0, list.Add(&bitmap, kBlue));
    // Attach, Detach and temporaries.
    HIMAGELIST hList = list.Detach();
    EXPECT_EQ(nullptr, list.GetSafeHandle());
    CImageList* pTemp = CImageList::FromHandle(hList);
    EXPECT_EQ(2, pTemp->GetImageCount());
    AfxDeleteTempGdiObjects();
    EXPECT_TRUE(list.Attach(hList));
    EXPECT_EQ(&list, CImageList::FromHandle(hList));
    EXPECT_TRUE(list.DeleteImageList());
    EXPECT_FALSE(list.DeleteImageList());
}

TEST(Draw, ObjectsThatCannotBeMadeThrow)
{
    EXPECT_TRUE(ThrowsAfx<CResourceException>([] { CBrush pattern((CBitmap*)NULL); }));

    // A Create... on an object that already holds one fails and keeps what it has.
    CPen pen(PS_SOLID, 2, kRed);
    HGDIOBJ hPen = pen.GetSafeHandle();
    EXPECT_FALSE(pen.CreatePen(PS_SOLID, 1, kBlue));
    EXPECT_EQ(hPen, pen.GetSafeHandle());
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

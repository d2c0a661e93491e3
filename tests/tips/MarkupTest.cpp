// Tests of the tooltip's markup on a device context: the colour table, base font, named pictures
// and image list, runs measured as GDI measures them, and the drawing of colours, lines and
// pictures on pixels (where the layout puts them is tested without a device).
#include <gtest/gtest.h>

#include "MarkupTest.rh"
#include "TipHarness.h"
#include "support/TestColors.h"

#include <string>
#include <vector>

namespace {

// A tooltip's text drawn with a known, crisp font over a white surface, and the same font's
// measurements taken directly with GDI. Colours, named pictures and the image list are the
// tooltip's; the text is laid out and drawn as the tooltip does it.
class MarkupTest : public ::testing::Test
{
protected:
    MarkupTest() : surface(400, 300)
    {
        lf.lfHeight = -13;
        lf.lfWeight = FW_NORMAL;
        lf.lfQuality = NONANTIALIASED_QUALITY;
        lstrcpyA(lf.lfFaceName, "Liberation Sans");
        tip.SetDefaultColors();
        tip.SetFont(&lf);
        CFont font;
        font.CreateFontIndirect(&lf);
        CFont* pOld = surface.DC().SelectObject(&font);
        TEXTMETRIC tm;
        surface.DC().GetTextMetrics(&tm);
        surface.DC().SelectObject(pOld);
        H0 = tm.tmHeight;
    }

    // The width of text in the base font, made bold on request.
    int Width(const char* text, LONG weight = FW_NORMAL)
    {
        LOGFONT font = lf;
        font.lfWeight = weight;
        CFont f;
        f.CreateFontIndirect(&font);
        CFont* pOld = surface.DC().SelectObject(&f);
        CSize sz = surface.DC().GetTextExtent(text, lstrlenA(text));
        surface.DC().SelectObject(pOld);
        return sz.cx;
    }

    CSize Print(const char* text, CRect rect, BOOL bMeasure)
    {
        return PrintTip(tip, surface.DC(), tipText, names, rect, text, bMeasure);
    }
    CSize Measure(const char* text) { return Print(text, CRect(0, 0, 400, 300), TRUE); }
    // Measures, then draws into rect (by default the measured size at (10, 10)).
    CSize MeasureAndDraw(const char* text, CRect rect = CRect())
    {
        CSize sz = Measure(text);
        Print(text, rect.IsRectNull() ? CRect(CPoint(10, 10), sz) : rect, FALSE);
        return sz;
    }
    void AddPicture(const char* name, UINT nID, BYTE nKind, COLORREF crMask = kMagenta)
    {
        UXTOOLTIP_NAME_RES res;
        res.sName = name;
        res.nID = nID;
        res.nTypeRes = nKind;
        res.crMask = crMask;
        names.Add(res);
    }

    CRect Box(COLORREF color, CRect area = CRect(0, 0, 400, 300)) { return BoundsOf(surface, color, area); }
    int Count(COLORREF color, CRect area) { return surface.Count(area, color); }

    TestSurface surface;
    CUxToolTip tip;
    CUxTipText tipText;
    CUxTipNamedPictures names;
    LOGFONT lf = {};
    int H0 = 0;
};

// GDI objects alive in the process. Wine leaves them uncounted by GetGuiResources but accepts a
// handle's table slot alone as the handle, so there the slots in use are counted.
int LiveGdiObjects()
{
    if (DWORD n = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS))
        return (int)n;
    int n = 0;
    for (ULONG_PTR slot = 1; slot < 0x10000; slot++)
        n += GetObjectType((HGDIOBJ)slot) != 0;
    return n;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Colour table, font, named pictures, image list

TEST_F(MarkupTest, DefaultColoursLeaveTheHostsSlotAndOutsideTheTableIsTheTextColour)
{
    tip.SetColor(16, RGB(1, 2, 3));
    tip.SetDefaultColors();
    EXPECT_EQ(RGB(1, 2, 3), tip.GetColor(16));
    // Outside the table: setting is ignored, reading gives the text colour.
    tip.SetColor(UXTT_COLOR_TEXT, kGreen);
    tip.SetColor(26, kRed);
    tip.SetColor(-1, kRed);
    EXPECT_EQ(kGreen, tip.GetColor(26));
    EXPECT_EQ(kGreen, tip.GetColor(-1));
    EXPECT_EQ(RGB(0, 0, 0), tip.GetColor(0)); // not clamped into the table either
}

TEST_F(MarkupTest, BaseFontFromFaceAndPointsOrFromAFontObject)
{
    HDC hScreen = GetDC(NULL);
    int dpi = GetDeviceCaps(hScreen, LOGPIXELSY);
    ReleaseDC(NULL, hScreen);

    // Height, weight, underline, strike-out, italic and face of the base font.
    LOGFONT got;
    auto base = [&]() {
        tip.GetFont(&got);
        return std::to_string(got.lfHeight) + " " + std::to_string(got.lfWeight) + " " +
               std::to_string(got.lfUnderline) + " " + std::to_string(got.lfStrikeOut) + " " +
               std::to_string(got.lfItalic) + " " + got.lfFaceName;
    };
    // Arguments: face, points, underline, bold, strike-out, italic.
    ASSERT_TRUE(tip.SetFont("A face name longer than thirty-one characters", 12, TRUE, TRUE, FALSE, FALSE));
    EXPECT_EQ(std::to_string(-MulDiv(12, dpi, 72)) + " 700 1 0 0 A face name longer than thirty-", base());
    ASSERT_TRUE(tip.SetFont("Tahoma", 8, FALSE, FALSE, TRUE, TRUE));
    EXPECT_EQ(std::to_string(-MulDiv(8, dpi, 72)) + " 400 0 1 1 Tahoma", base());

    // From a font object; one without a font leaves the base font as it was.
    CFont font;
    ASSERT_TRUE(font.CreateFontIndirect(&lf));
    EXPECT_TRUE(tip.SetFont(font));
    CFont none;
    EXPECT_FALSE(tip.SetFont(none));
    EXPECT_FALSE(tip.SetFont((LPLOGFONT)NULL));
    EXPECT_EQ("-13 400 0 0 0 Liberation Sans", base());

    // GetFont hands out a new font each time, also to an object that holds one already.
    CFont out;
    tip.GetFont(out);
    HGDIOBJ first = out.GetSafeHandle();
    ASSERT_NE(nullptr, first);
    tip.GetFont(out);
    EXPECT_EQ(0u, (UINT)GetObjectType(first)); // the first was released
    LOGFONT outLf;
    ASSERT_TRUE(out.GetLogFont(&outLf));
    EXPECT_EQ(lf.lfHeight, outLf.lfHeight);

}

TEST_F(MarkupTest, NamedPicturesAreFoundByNameIgnoringCaseFirstMatchFirst)
{
    tip.AddNameOfResource("", 5);
    tip.AddNameOfResource("zero", 0);
    tip.AddNameOfResource("kind3", 5, 3);
    EXPECT_EQ(-1, tip.FindNameOfResource(5));

    tip.AddNameOfResource("Logo", 10, UXTT_RES_ICON);
    tip.AddNameOfResource("Flag", 11, UXTT_RES_BITMAP_MASKED, kGreen);
    tip.AddNameOfResource("LOGO", 12); // added again; the first stays the one found
    EXPECT_EQ(0, tip.FindIdOfResource("logo"));
    EXPECT_EQ(1, tip.FindIdOfResource("fLAG"));
    EXPECT_EQ(-1, tip.FindIdOfResource("log"));
    EXPECT_EQ(2, tip.FindNameOfResource(12));

    tip.RemoveNameOfResource(3);
    tip.RemoveNameOfResource(-1);
    tip.RemoveNameOfResource(0);
    EXPECT_EQ(1, tip.FindIdOfResource("logo")); // now the later one
    EXPECT_EQ(0, tip.FindIdOfResource("flag"));
    tip.RemoveAllNamesOfResource();
    EXPECT_EQ(-1, tip.FindIdOfResource("flag"));
}

TEST_F(MarkupTest, ImageListIsCutFromAStripWithItsTransparentColour)
{
    CSize sz(-1, -1);
    EXPECT_EQ(nullptr, tip.GetImageList(sz)->GetSafeHandle());
    EXPECT_EQ(CSize(0, 0), sz);

    tip.SetImageList(IDB_MARKUPTEST_STRIP, 8, 8, 3);
    CImageList* pList = tip.GetImageList(sz);
    EXPECT_EQ(CSize(8, 8), sz);
    ASSERT_EQ(3, pList->GetImageCount());
    // Image 1 is green with a transparent (magenta) centre.
    pList->Draw(&surface.DC(), 1, CPoint(0, 0), ILD_NORMAL);
    EXPECT_EQ(kGreen, surface.Pixel(0, 0));
    EXPECT_EQ(kWhite, surface.Pixel(3, 3));

    // From a bitmap of the caller's: the caller's pixels stay as they were.
    HBITMAP hStrip = (HBITMAP)LoadImage(GetModuleHandle(NULL), MAKEINTRESOURCE(IDB_MARKUPTEST_STRIP), IMAGE_BITMAP, 0, 0,
                                        LR_CREATEDIBSECTION);
    ASSERT_NE(nullptr, hStrip);
    tip.SetImageList(hStrip, 4, 8, 1, kMagenta);
    EXPECT_EQ(6, tip.GetImageList(sz)->GetImageCount());
    EXPECT_EQ(CSize(4, 8), sz);
    HDC hMem = CreateCompatibleDC(NULL);
    HGDIOBJ hOld = SelectObject(hMem, hStrip);
    EXPECT_EQ(kMagenta, GetPixel(hMem, 11, 3));
    SelectObject(hMem, hOld);
    DeleteDC(hMem);

    // Images of no size make no list.
    tip.SetImageList(hStrip, 0, 8, 1, kMagenta);
    EXPECT_EQ(nullptr, tip.GetImageList(sz)->GetSafeHandle());
    EXPECT_EQ(CSize(0, 0), sz);
    DeleteObject(hStrip);
}

TEST_F(MarkupTest, RunsAreMeasuredAsGdiMeasuresThemInTheirFonts)
{
    ASSERT_NE(Width("Wide"), Width("Wide", 800));
    EXPECT_EQ(CSize(Width("Hello, world"), H0), Measure("Hello, world"));
    EXPECT_EQ(Width("Wide", 800) + Width("Plain"), Measure("<b>Wide</b>Plain").cx);
    // Underline and strike-out take no width.
    EXPECT_EQ(Width("Wide") + Width("Plain"), Measure("<u>Wide</u><s>Plain").cx);

    // Each pass starts from the base font and gives the context its font back.
    HGDIOBJ before = GetCurrentObject(surface.DC().m_hDC, OBJ_FONT);
    EXPECT_EQ(Width("WidePlain", 800), Measure("<b>WidePlain").cx);
    EXPECT_EQ(before, GetCurrentObject(surface.DC().m_hDC, OBJ_FONT));
    EXPECT_EQ(Width("WidePlain"), Measure("WidePlain").cx);

    // A base font of no particular weight (as CreatePointFont makes it) is drawn normal: bold
    // doubles the normal weight.
    LOGFONT dontCare = lf;
    dontCare.lfWeight = FW_DONTCARE;
    tip.SetFont(&dontCare);
    EXPECT_EQ(Width("Wide", 800) + Width("Plain"), Measure("<b>Wide</b>Plain").cx);
}

// ---------------------------------------------------------------------------------------------
// Drawing pass

TEST_F(MarkupTest, BackgroundColoursFillTheRunsTheyCover)
{
    tip.SetColor(UXTT_COLOR_BK_BEGIN, kRed);
    int w = Width("  ");
    MeasureAndDraw("<cb=0xFF0000>  </cb>  <cbi=9>  <cbi=30>  </cbi>  <cbi=30>  <cb>  ");
    // Opaque blue, transparent, opaque green (slot 9) twice, transparent twice (slot 30 is
    // ignored entirely), and slot 18 (red) as the default of <cb>.
    EXPECT_EQ(CRect(10, 10, 10 + w, 10 + H0), Box(kBlue));
    EXPECT_EQ(CRect(10 + 2 * w, 10, 10 + 4 * w, 10 + H0), Box(kGreen));
    EXPECT_EQ(CRect(10 + 6 * w, 10, 10 + 7 * w, 10 + H0), Box(kRed));
}

TEST_F(MarkupTest, UnderlineAndStrikeOutTagsAreSwapped)
{
    // <s> underlines, <u> strikes out: blanks show nothing but the line.
    int w = Width("    ");
    MeasureAndDraw("<ct=0xFF><s>    </s>    <u>    ");
    CRect underline = Box(kRed, CRect(10, 10, 10 + w, 10 + H0));
    CRect strike = Box(kRed, CRect(10 + 2 * w, 10, 10 + 3 * w, 10 + H0));
    EXPECT_TRUE(Box(kRed, CRect(10 + w, 10, 10 + 2 * w, 10 + H0)).IsRectNull());
    EXPECT_EQ(w, underline.Width());
    EXPECT_EQ(w, strike.Width());
    EXPECT_GT(underline.top, 10 + H0 / 2);
    EXPECT_LT(strike.bottom, underline.top);
}

TEST_F(MarkupTest, RulesAreDrawnInTheTextColourAtTheMiddleOfTheLine)
{
    const char* text = "<ct=0xFF><hr=10><ct=0>x\n<ct=0xFF><hr=50%>";
    Measure(text);
    Print(text, CRect(10, 10, 210, 100), FALSE);
    int row0 = 10 + H0 / 2, row1 = 10 + H0 + H0 / 2;
    EXPECT_EQ(CRect(10, row0, 20, row0 + 1), Box(kRed, CRect(0, 10, 400, 10 + H0)));
    EXPECT_EQ(CRect(10, row1, 110, row1 + 1), Box(kRed, CRect(0, 10 + H0, 400, 10 + 2 * H0)));
    // The run after the rule starts where the rule ends.
    CRect glyph = Box(RGB(0, 0, 0), CRect(0, 10, 400, 10 + H0));
    EXPECT_GE(glyph.left, 20);
    EXPECT_LT(glyph.left, 20 + Width("x"));
}

TEST_F(MarkupTest, PicturesTakeTheirSizeAndStretchTheLine)
{
    AddPicture("pic", IDB_MARKUPTEST_PICTURE, UXTT_RES_BITMAP);
    AddPicture("ico", IDI_MARKUPTEST_ICON, UXTT_RES_ICON);
    AddPicture("missing", IDB_MARKUPTEST_ABSENT, UXTT_RES_BITMAP);
    tip.SetImageList(IDB_MARKUPTEST_STRIP, 8, 8, 3);
    ASSERT_LT(H0, 30);

    EXPECT_EQ(CSize(12, 30), Measure("<img=PIC cy=30 cx=0>"));
    EXPECT_EQ(CSize(12, H0), Measure("<bmp=29601>"));
    EXPECT_EQ(CSize(16, std::max(H0, 16)), Measure("<img=ico>"));
    EXPECT_EQ(CSize(32, 32), Measure("<icon=29603 cx=32 cy=32>"));
    EXPECT_EQ(CSize(16, H0), Measure("<ilst=1><ilst>"));
    // Measuring draws nothing.
    EXPECT_EQ(400 * 300, Count(kWhite, CRect(0, 0, 400, 300)));

    // What cannot be had takes no room, and draws nothing.
    for (const char* text : { "x<img=nope>", "x<img>", "x<img=missing>", "x<bmp=0>", "x<bmp=29604>", "x<icon>",
                              "x<icon=29604>", "x<icon=29601>", "x<ilst=3>", "x<ilst=-1>", "x<bmp=0x10000>",
                              "x<icon=4294967295>", "x<img=pic cx=100000>", "x<icon=29603 cy=0xFFFFFFFF>" }) {
        EXPECT_EQ(CSize(Width("x"), H0), MeasureAndDraw(text)) << text;
        EXPECT_EQ(CRect(), Box(kBlue) | Box(kRed) | Box(kGreen)) << text;
    }
    tip.SetImageList((HBITMAP)NULL, 0, 0, 0);
    EXPECT_EQ(CSize(Width("x"), H0), Measure("x<ilst=0>"));
    EXPECT_EQ(CSize(0, 0), CUxTipPictures::SizeOfIcon(NULL));
}

TEST_F(MarkupTest, PicturesSitAtTheBottomOfTheLineAndImageListIconsAtItsTop)
{
    AddPicture("pic", IDB_MARKUPTEST_PICTURE, UXTT_RES_BITMAP);
    AddPicture("flag", IDB_MARKUPTEST_PICTURE, UXTT_RES_BITMAP_MASKED, kMagenta);
    tip.SetImageList(IDB_MARKUPTEST_STRIP, 8, 8, 3);
    int w = Width("  ");
    ASSERT_EQ(CSize(w + 24 + 8 + 16, 40), MeasureAndDraw("<cb=0xFF00>  </cb><img=pic cx=24 cy=40><ilst=0><icon=29603>"));
    EXPECT_EQ(CRect(10, 50 - H0, 10 + w, 50), Box(kGreen));
    EXPECT_EQ(CRect(10 + w, 10, 10 + w + 24, 50), Box(kBlue));
    // The image-list icon at the top, the resource icon at the bottom.
    EXPECT_EQ(CRect(10 + w + 24, 10, 10 + w + 32, 18), Box(kRed, CRect(10 + w + 24, 0, 10 + w + 32, 100)));
    EXPECT_EQ(CRect(10 + w + 32, 34, 10 + w + 48, 50), Box(kRed, CRect(10 + w + 32, 0, 400, 100)));

    // A masked picture at twice its size: each pixel a 2x2 block, magenta transparent.
    surface.DC().FillSolidRect(0, 0, 400, 300, kWhite);
    MeasureAndDraw("<img=flag cx=24 cy=16>");
    std::string masked;
    for (int y = 0; y < 16; y++)
        masked += (y >= 4 && y < 12) ? "BBBBBBBB........BBBBBBBB\n" : "BBBBBBBBBBBBBBBBBBBBBBBB\n";
    EXPECT_EQ(masked, surface.Picture(CRect(10, 10, 34, 26), { { kWhite, '.' }, { kBlue, 'B' }, { kMagenta, 'M' } }));

    // Without the mask the magenta shows; with the bmp tag's mask property it does not.
    MeasureAndDraw("<bmp=29601>", CRect(10, 40, 22, 60));
    EXPECT_EQ(CRect(10, 40 + H0 - 8, 22, 40 + H0), Box(kBlue, CRect(0, 40, 400, 70)));
    EXPECT_EQ(16, Count(kMagenta, CRect(10, 40, 22, 60)));
    MeasureAndDraw("<bmp=29601 mask=0xFF00FF>", CRect(10, 80, 22, 100));
    EXPECT_EQ(0, Count(kMagenta, CRect(10, 80, 22, 100)));
    EXPECT_EQ(80, Count(kBlue, CRect(10, 80, 22, 100)));

    // Scaled to 16x16 by uneven factors: blue and see-through only.
    MeasureAndDraw("<img=flag cx=16 cy=16>", CRect(50, 10, 66, 26));
    CRect area(50, 10 + std::max(H0, 16) - 16, 66, 10 + std::max(H0, 16));
    EXPECT_EQ(area, Box(kBlue, CRect(50, 0, 400, 300)));
    EXPECT_EQ(256, Count(kBlue, area) + Count(kWhite, area));
}


TEST_F(MarkupTest, MalformedMarkupGivesTheFontBackAndLeavesNoGdiObjectBehind)
{
    // A text using every tag, cut short at every place (often inside a tag) and missing each of
    // its characters in turn, measured and drawn.
    const std::string seed = "<b>Bold</b> <i>it</i> <u>st</u> <s>un</s>\n<ct=0xFF>red</ct> <cti=2>s</cti> "
                             "<cb=0xFFFF00>y</cb> <cbi=14>g</cbi>\na<t>b<t=2>c<br=2><hr=50%><hr=20>\n<al_c>c\n"
                             "<al_r>r<al>\n<ilst=1> <icon=29603 cx=16 cy=16> <img=pic cx=24 cy=16> <img=flag> "
                             "<bmp=29601 mask=0xFF00FF cx=8 cy=8> a<<b<";
    AddPicture("pic", IDB_MARKUPTEST_PICTURE, UXTT_RES_BITMAP);
    AddPicture("flag", IDB_MARKUPTEST_PICTURE, UXTT_RES_BITMAP_MASKED);
    tip.SetImageList(IDB_MARKUPTEST_STRIP, 8, 8, 3);
    MeasureAndDraw(seed.c_str()); // the system's own caches made once, before counting
    const int nObjects = LiveGdiObjects();
    const HGDIOBJ font = GetCurrentObject(surface.DC().m_hDC, OBJ_FONT);
    for (size_t i = 0; i < seed.size(); i++) {
        for (const std::string& text : {seed.substr(0, i), seed.substr(0, i) + seed.substr(i + 1)}) {
            MeasureAndDraw(text.c_str());
            ASSERT_EQ(font, GetCurrentObject(surface.DC().m_hDC, OBJ_FONT)) << text;
        }
    }
    EXPECT_EQ(nObjects, LiveGdiObjects());
}

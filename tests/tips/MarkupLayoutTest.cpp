// Tests of the markup read into runs and laid out into boxes, with a fixed-pitch measurer: lines
// and their tables, styles, tabulation, rules, alignment, colours, pictures, absurd numbers, and
// the scanner's reading of names, values and numbers.
#include <gtest/gtest.h>

#include "tips/UxTipFixedMeasurer.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

// Character width 7 (8 in bold), lines 13 high, tab stops every 24 pixels, pictures 16 square.
const int C = 7, B = 8, H = 13, T = 24;

std::string Join(const std::vector<unsigned>& v)
{
    std::string s;
    for (unsigned n : v)
        s += (s.empty() ? "" : " ") + std::to_string(n);
    return s;
}

struct MarkupLayoutTest : ::testing::Test
{
    CUxTipFixedMeasurer measurer;
    CUxTipMarkup markup;
    UxTipLines lines;

    UxTipSize Pass(const char* text, UxTipRect rect, bool bMeasure)
    {
        markup.Parse(text, (int)strlen(text));
        measurer.boxes.clear();
        return CUxTipLayout::LayOut(markup, rect, bMeasure, lines, measurer, measurer);
    }
    // The measured size and the line tables, as "W x H: widths / heights".
    std::string Measure(const char* text, UxTipRect rect = {0, 0, 400, 300})
    {
        UxTipSize sz = Pass(text, rect, true);
        return std::to_string(sz.cx) + "x" + std::to_string(sz.cy) + ": " + Join(lines.widths) + " / " +
               Join(lines.heights);
    }
    // The boxes of the drawing pass, one word each: text "x,y'chars'" and its styles
    // (bold, italic, struck out -, underlined _), rule "-x..x2@y", picture "Px,y^lineheight", colours
    // "c=" or "k=" with a value or "#slot"
    // (k: background, '/' when closing).
    std::string Draw(const char* text, UxTipRect rect)
    {
        Pass(text, rect, false);
        std::string s;
        for (const UxTipBox& box : measurer.boxes) {
            const UxTipRun& run = *box.pRun;
            std::string word;
            switch (box.nKind) {
            case UxTipBox::TEXT:
                word = std::to_string(box.x) + "," + std::to_string(box.y) + "'" +
                       std::string(markup.Chars(run), run.nLength) + "'";
                for (int bit = 0; bit < 4; bit++)
                    if (box.nStyles & (1u << bit))
                        word += "bi-_"[bit];
                break;
            case UxTipBox::RULE:
                word = "-" + std::to_string(box.x) + ".." + std::to_string(box.x2) + "@" + std::to_string(box.y);
                break;
            case UxTipBox::PICTURE:
                word = "P" + std::to_string(box.x) + "," + std::to_string(box.y) + "^" + std::to_string(box.nLineHeight);
                break;
            default:
                word = std::string(box.nKind == UxTipBox::TEXT_COLOR ? "c" : "k") + (run.bClose ? "/" : "") + "=" +
                       (run.bSlot ? "#" + std::to_string(run.nValue) : std::to_string(run.nValue));
                break;
            }
            s += (s.empty() ? "" : " ") + word;
        }
        return s;
    }
    std::string MeasureAndDraw(const char* text, int x = 10, int y = 10)
    {
        UxTipSize sz = Pass(text, {0, 0, 0, 0}, true);
        return Draw(text, {x, y, x + sz.cx, y + sz.cy});
    }
};

} // namespace

TEST_F(MarkupLayoutTest, RunsAndLineBreaksFillTheLineTables)
{
    EXPECT_EQ("84x13: 84 / 13", Measure("Hello, world"));
    // "<<" is one '<'; a lone '<' at the end is shown; '>' is text; carriage returns vanish; a
    // tab is a space, in text and in tags; an unterminated tag ends the text.
    EXPECT_EQ("10,10'a<b<'", MeasureAndDraw("a<<b<"));
    EXPECT_EQ("10,10'a>b' c=12", MeasureAndDraw("a>b\r<ct=12"));
    EXPECT_EQ("10,10'a b'", MeasureAndDraw("a\tb"));
    EXPECT_EQ("10,10'x'b", MeasureAndDraw("<b\tignored>x"));

    // x<br> closes the line of x and leaves an empty line of the base height.
    EXPECT_EQ("7x26: 7 0 / 13 13", Measure("x<br>"));
    // A line feed, also with a carriage return before it, and a tag that begins at one.
    for (const char* text : {"AB\nC", "AB\r\nC", "AB<\nC", "AB<br>C", "AB<BR=0>C", "AB</br>C"})
        EXPECT_EQ("14x26: 14 7 / 13 13", Measure(text)) << text;
    // A count adds empty space but one entry of the tables only; numbers are read as C reads
    // them (a leading 0 is octal).
    EXPECT_EQ("14x52: 14 7 / 13 13", Measure("AB<br=3>C"));
    EXPECT_EQ("14x117: 14 0 / 13 13", Measure("AB<br=010>"));
    EXPECT_EQ("10,10'AB' 10,49'C'", MeasureAndDraw("AB<br=3>C"));

    // An empty text measures nothing and leaves empty tables; a text of unknown tags is a line.
    EXPECT_EQ("0x0:  / ", Measure(""));
    EXPECT_EQ("0x13: 0 / 13", Measure("<zz=1 x>"));
}

TEST_F(MarkupLayoutTest, StyleTagsSwitchTheStylesOfTheRunsAfterThem)
{
    // Bold twice is bold once; closing returns to the base; a closing tag before any opening
    // one changes nothing; line breaks inside a tag's name are left out of it.
    EXPECT_EQ("10,10'Wide'b 42,10'Bold'b 74,10'Plain'", MeasureAndDraw("<b>Wide<b>Bold</b>Plain"));
    EXPECT_EQ(4 * B + 4 * B + 5 * C, Pass("<b>Wide<b>Bold</b>Plain", {}, true).cx);
    EXPECT_EQ("10,10'WidePlain'", MeasureAndDraw("</b>WidePlain"));
    EXPECT_EQ("10,10'Wide'b", MeasureAndDraw("< \rb\r\n>Wide"));
    // "u" strikes out and "s" underlines; unknown tags and properties are ignored.
    EXPECT_EQ("10,10'a'i 17,10'b'- 24,10'c'_ 31,10'd'", MeasureAndDraw("<i>a</i><u>b</u><s>c</s><font face=x>d"));
    // Styles of the base font are on from the start, and tags switch them off.
    measurer.nBaseStyles = UXTIP_STYLE_ITALIC;
    EXPECT_EQ("10,10'a'i 17,10'b'", MeasureAndDraw("a</i>b"));
}

TEST_F(MarkupLayoutTest, TabulationStopsEveryFourAverageCharacters)
{
    // At the left edge a full tab; between stops, to the next stop; counts add whole tabs.
    EXPECT_EQ(T + C, Pass("<t>x", {}, true).cx);
    EXPECT_EQ(T, Pass("<hr=1><t>", {}, true).cx);
    EXPECT_EQ(3 * T, Pass("i<t=3>", {}, true).cx);
    EXPECT_EQ(3 * T, Pass("<t=3>", {}, true).cx);
    EXPECT_EQ(T, Pass("<t=0>", {}, true).cx);
    // Stops are measured from the rectangle's left edge, wherever it lies.
    EXPECT_EQ(2 * T, Pass("i<t=2>", {-7, 3, 50, 50}, true).cx);
    // A font without width has no stops.
    measurer.nAveCharWidth = 0;
    EXPECT_EQ(C, Pass("<t=5>x", {}, true).cx);
}

TEST_F(MarkupLayoutTest, RulesInPixelsAndInPercentOfTheWidestLine)
{
    EXPECT_EQ("100x13: 100 / 13", Measure("<hr>"));
    EXPECT_EQ("39x13: 39 / 13", Measure("<hr=0x20>x"));
    // A percentage is measured as nothing, then given its share of the widest line (rounded);
    // several on a line add up, and a line may end wider than the widest one.
    EXPECT_EQ("77x26: 77 39 / 13 13", Measure("a wide line<br><hr=50%>"));
    EXPECT_EQ("77x26: 77 99 / 13 13", Measure("a wide line\n<hr=30%>x<hr=90%>"));
    EXPECT_EQ("0x13: 0 / 13", Measure("<hr=50%>"));
    // Drawn at the middle of the line from the pen, the run after it where it ends; a
    // percentage of the rectangle's width.
    EXPECT_EQ("-10..20@16 20,10'x' -10..110@29", Draw("<hr=10>x\n<hr=50%>", {10, 10, 210, 100}));
}

TEST_F(MarkupLayoutTest, AlignmentPlacesEachLineByTheTablesWhenDrawing)
{
    const char* text = "MMMMMMMMMM\n<al_c>  \n<al_r>  \n  <al>\n  \n<al_c><t>  ";
    // Measuring ignores the alignment.
    EXPECT_EQ("70x78: 70 14 14 14 14 38 / 13 13 13 13 13 13", Measure(text));
    // Drawn into 71 pixels: a centred line rounds its left edge down; the alignment holds until
    // a tag changes it, and a tag after a line's first run changes the next line; a tabulation
    // at the start of a line leaves the run to the alignment.
    EXPECT_EQ("10,10'MMMMMMMMMM' 38,23'  ' 67,36'  ' 67,49'  ' 10,62'  ' 26,75'  '",
              Draw(text, {10, 10, 81, 300}));
    // A line wider than the rectangle is centred from its left edge, and right-aligned past it.
    Measure("<al_c>MMMM\n<al_r>MMMM");
    EXPECT_EQ("0,0'MMMM' -8,13'MMMM'", Draw("<al_c>MMMM\n<al_r>MMMM", {0, 0, 20, 30}));
}

TEST_F(MarkupLayoutTest, ColourTagsByValueAndBySlot)
{
    // ct without a value is slot 17's colour; cti takes a slot, one of 26 or more is ignored.
    EXPECT_EQ("c=16711680 10,10'a' c=#17 17,10'b' c=#11 24,10'c' 31,10'd' c=#17 38,10'e'",
              MeasureAndDraw("<ct=0xFF0000>a</ct>b<cti=11>c<cti=26>d<cti>e"));
    // cb sets the background, opaque, or transparent in the closing form; cb without a value is
    // slot 18; cbi of 26 or more is ignored entirely.
    EXPECT_EQ("k=255 10,10'a' k/=#18 17,10'b' k=#9 24,10'c' 31,10'd' k/=#18 38,10'e' 45,10'f' k=#18 52,10'g'",
              MeasureAndDraw("<cb=0xFF>a</cb>b<cbi=9>c<cbi=30>d</cbi>e<cbi=30>f<cb>g"));
}

TEST_F(MarkupLayoutTest, PicturesTakeTheirSizeAndStretchTheLine)
{
    // The line grows to the tallest picture; text sits on the line's bottom, pictures get the
    // line's top and height (and sit where their kind says).
    EXPECT_EQ("31x40: 31 / 40", Measure("x<img=PIC cx=24 cy=40>"));
    EXPECT_EQ("10,37'x' P17,10^40", Draw("x<img=PIC cx=24 cy=40>", {10, 10, 41, 50}));
    EXPECT_EQ("12x30: 12 / 30", Measure("<img=pic cy=30 cx=12>"));
    EXPECT_EQ("36x30: 36 / 30", Measure("<bmp=29601 cy=30 cx=36 mask=0>"));
    EXPECT_EQ("16x16: 16 / 16", Measure("<icon=3>"));
    EXPECT_EQ("16x13: 16 / 13", Measure("<ilst=1><ilst><ilst=3>"));
    // A property that is not one of the tag's ends the reading of properties.
    EXPECT_EQ("16x16: 16 / 16", Measure("<img=pic mask=0 cx=24>"));
    EXPECT_EQ("16x16: 16 / 16", Measure("<bmp=1 alt cx=24 cy=30>"));
    EXPECT_EQ("24x16: 24 / 16", Measure("<icon=1 cy=0 cx=24 mask=3>"));
    // No name, identifier 0, an absurd size: nothing drawn, no room taken.
    EXPECT_EQ("7x13: 7 / 13", Measure("x<img><bmp=0><icon><img=p cx=100000>"));

    // A picture at a line start is placed by the alignment, also one that takes no room (a tab
    // after it goes on from there); an image-list icon without an image list is no picture at
    // all (the tab goes on from the left edge, and the run is placed by the alignment).
    const char* text = "MMMM\n<al_r><img=p cx=0x10000><t>x";
    Measure(text);
    EXPECT_EQ("10,0'MMMM' P7,13^13 10,13'x'", Draw(text, {10, 0, 38, 30}));
    measurer.nImages = 0;
    text = "MMMM\n<al_r><ilst=0><t>x";
    Measure(text);
    EXPECT_EQ("10,0'MMMM' 7,13'x'", Draw(text, {10, 0, 38, 30}));
}

TEST_F(MarkupLayoutTest, AbsurdNumbersAndForeignTablesStayBounded)
{
    // Each of these would overflow a 32-bit position: they saturate.
    const int kBound = 1 << 26;
    UxTipSize tall = Pass("<br=0xFFFFFFFF>x<br=0xFFFFFFFF>y", {}, true);
    EXPECT_EQ(kBound, tall.cy);
    EXPECT_EQ(3u, lines.heights.size());
    UxTipSize wide = Pass("<t=4294967295>x<hr=4294967295><t=4294967295>", {}, true);
    EXPECT_EQ(kBound, wide.cx);
    Pass("abc\n<hr=4294967295%><hr=4294967295%>", {}, true);
    EXPECT_EQ((unsigned)kBound, lines.widths[1]);
    EXPECT_EQ("-10..67108874@16 -10..67108874@29 67108874,36'x'", MeasureAndDraw("<hr=4294967295>\n<hr=4294967295%>\n<t=4294967295>x"));

    // Drawn with the tables of another text: lines they do not know are empty and of the base
    // height.
    Pass("a", {}, true);
    EXPECT_EQ("10,10'a' 200,23'b' 105,88'c' -112..207@94", Draw("a\n<al_r>b<br=5><al_c>c<hr=50%>", {10, 10, 200, 200}));
}

TEST_F(MarkupLayoutTest, TheScannerReadsNamesValuesAndNumbers)
{
    const char* text = " \r/Br =0x1F cx=010 cy=-1>rest";
    const int n = (int)strlen(text);
    int i = 0;
    EXPECT_EQ("/Br", CUxTipMarkup::ReadName(text, n, i));
    EXPECT_EQ('=', text[i]); // the name ended at the space, which it took
    EXPECT_EQ(0x1Fu, CUxTipMarkup::ReadNumber(text, n, i, 7));
    EXPECT_EQ("cx", CUxTipMarkup::ReadName(text, n, i));
    EXPECT_EQ(8u, CUxTipMarkup::ReadNumber(text, n, i, 7)); // a leading 0 is octal
    EXPECT_EQ("cy", CUxTipMarkup::ReadName(text, n, i));
    EXPECT_EQ(0xFFFFFFFFu, CUxTipMarkup::ReadNumber(text, n, i, 7)); // unsigned: -1 wraps
    EXPECT_EQ(7u, CUxTipMarkup::ReadNumber(text, n, i, 7));          // no '=': the default, i stays
    EXPECT_EQ('>', text[i]);
    CUxTipMarkup::SkipToEndOfTag(text, n, i);
    EXPECT_EQ(std::string("rest"), text + i);

    // A run ends at a tag, not at "<<".
    i = 0;
    EXPECT_EQ(0, CUxTipMarkup::ScanRun("a<<b<i>", 7, i));
    EXPECT_EQ(4, i);
    // Numbers are 32 bits wide on every platform: too large saturates, a sign wraps.
    EXPECT_EQ("4294967295 4294967295 4294967286 0 0 12 0",
              std::to_string(CUxTipMarkup::ToNumber("4294967296")) + " " +
                  std::to_string(CUxTipMarkup::ToNumber("99999999999999999999999")) + " " +
                  std::to_string(CUxTipMarkup::ToNumber("-10")) + " " + std::to_string(CUxTipMarkup::ToNumber("--1")) +
                  " " + std::to_string(CUxTipMarkup::ToNumber("x1")) + " " +
                  std::to_string(CUxTipMarkup::ToNumber(" +12")) + " " + std::to_string(CUxTipMarkup::ToNumber("08")));
}

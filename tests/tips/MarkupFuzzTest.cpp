// Malformed markup through both passes of PrintTitleString: thousands of random texts made of
// pieces of tags, and mutations of a text that uses every tag. Every pass must end, keep its
// tables consistent with what it returns, give the device context its font back and leave no
// GDI object behind.
#include <gtest/gtest.h>

#include "MarkupTest.rh"
#include "TipHarness.h"
#include "support/TestRandom.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Offsets of a pass saturate here (a little above any real screen, far below overflow).
const LONGLONG kBound = 1 << 26;

const char* const kPieces[] = { "<", "<<", ">", "</", "/", "b", "i", "u", "s", "br", "BR", "t", "ct", "cti", "cb",
    "cbi", "al", "al_c", "al_r", "al_l", "hr", "img", "ilst", "icon", "bmp", "=", "= ", " ", "  ", "\n", "\r", "\r\n",
    "\t", "%", "0x", "0", "7", "12", "50", "150%", "0xFFFFFFFF", "4294967295", "-1", "99999", "010", "cx=", "cy=",
    "mask=", "pic", "flag", "ico", "nope", "29601", "29602", "29603", "65536", "text", "W", "<<<", ">>" };
const uint32_t kPieceCount = sizeof(kPieces) / sizeof(kPieces[0]);

// A text using every tag, as a host would write it.
const char* const kSeed = "<b>Bold</b> <i>italic</i> <u>struck</u> <s>underlined</s>\n"
                          "<ct=0xFF>red</ct> <cti=2>slot</cti> <cb=0xFFFF00>on yellow</cb> <cbi=14>grey</cbi>\n"
                          "a<t>tab<t=2>two<br=2>"
                          "<hr=50%><hr=20>\n<al_c>centred\n<al_r>right<al>\n"
                          "<ilst=1> <icon=29603 cx=16 cy=16> <img=pic cx=24 cy=16> <img=flag> "
                          "<bmp=29601 mask=0xFF00FF cx=8 cy=8> a<<b<";

// GDI objects alive in the process. Wine leaves them uncounted by GetGuiResources but accepts
// a handle's table slot alone as the handle, so there the slots in use are counted.
int LiveGdiObjects()
{
    if (DWORD n = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS))
        return (int)n;
    int n = 0;
    for (ULONG_PTR slot = 1; slot < 0x10000; slot++)
        n += GetObjectType((HGDIOBJ)slot) != 0;
    return n;
}

std::string RandomText(TestRandom& random)
{
    std::string text;
    for (int i = (int)random.Below(60); i > 0; i--)
        text += random.Below(8) == 0 ? std::string(1, (char)(1 + random.Below(255))) : kPieces[random.Below(kPieceCount)];
    return text;
}

// Deletes or repeats a stretch, inserts a piece, replaces a byte or cuts the text short (often
// inside a tag).
std::string Mutate(TestRandom& random, std::string text)
{
    for (int i = 1 + (int)random.Below(6); i > 0 && !text.empty(); i--) {
        size_t at = random.Below((uint32_t)text.size());
        switch (random.Below(5)) {
        case 0: text.erase(at, 1 + random.Below(8)); break;
        case 1: text.insert(at, kPieces[random.Below(kPieceCount)]); break;
        case 2: text[at] = (char)(1 + random.Below(255)); break;
        case 3: text.resize(at); break;
        default: text.insert(at, text.substr(at, 1 + random.Below(20))); break;
        }
    }
    return text;
}

class MarkupFuzzTest : public ::testing::Test
{
protected:
    MarkupFuzzTest() : surface(300, 200)
    {
        LOGFONT lf = {};
        lf.lfHeight = -13;
        lf.lfWeight = FW_NORMAL;
        lstrcpyA(lf.lfFaceName, "Liberation Sans");
        tip.SetFont(&lf);
        tip.AddNameOfResource("pic", IDB_MARKUPTEST_PICTURE, UXTT_RES_BITMAP);
        tip.AddNameOfResource("flag", IDB_MARKUPTEST_PICTURE, UXTT_RES_BITMAP_MASKED);
        tip.AddNameOfResource("ico", IDI_MARKUPTEST_ICON, UXTT_RES_ICON);
        tip.SetImageList(IDB_MARKUPTEST_STRIP, 8, 8, 3);
        Measure("x");
        H0 = (int)tip.Heights()[0];
    }

    CSize Measure(const std::string& text)
    {
        return tip.PrintTitleString(&surface.DC(), CRect(5, 5, 295, 195), CString(text.c_str()), TRUE);
    }

    // Measures the text twice and draws it; returns a failure description or "".
    std::string Check(const std::string& text)
    {
        CDC& dc = surface.DC();
        HGDIOBJ font = GetCurrentObject(dc.m_hDC, OBJ_FONT);
        CSize sz = Measure(text);
        const std::vector<UINT> widths = tip.Widths(), heights = tip.Heights();
        if (GetCurrentObject(dc.m_hDC, OBJ_FONT) != font)
            return "font not given back";
        if (widths.size() != heights.size() || text.empty() != widths.empty())
            return "tables of different lengths, lines for an empty text or none for a text";
        if (sz.cx < 0 || sz.cy < 0 || sz.cx > kBound || sz.cy > kBound)
            return "size out of bounds";
        LONGLONG sumHeights = 0;
        UINT widest = 0;
        for (size_t n = 0; n < widths.size(); n++) {
            if (widths[n] > kBound || heights[n] > kBound || (int)heights[n] < H0)
                return "line " + std::to_string(n) + " out of bounds";
            sumHeights += heights[n];
            widest = std::max(widest, widths[n]);
        }
        // Percentage rules only add to a line after the widest is known.
        if ((UINT)sz.cx > widest || (text.find('%') == std::string::npos && (UINT)sz.cx != widest))
            return "widest line is not the width";
        if (sz.cy < std::min(sumHeights, kBound))
            return "height less than its lines";
        if (Measure(text) != sz || tip.Widths() != widths)
            return "measured differently twice";
        tip.PrintTitleString(&dc, CRect(CPoint(5, 5), sz), CString(text.c_str()), FALSE);
        if (GetCurrentObject(dc.m_hDC, OBJ_FONT) != font)
            return "font not given back by drawing";
        return "";
    }

    TestSurface surface;
    CMarkupTip tip;
    int H0 = 0;
};

} // namespace

TEST_F(MarkupFuzzTest, RandomPiecesOfTagsAndMutationsOfATextUsingEveryTag)
{
    ASSERT_EQ("", Check(kSeed)); // the system's own caches made once, before counting
    int objects = LiveGdiObjects();
    TestRandom random(20261206);
    for (int i = 0; i < 3000; i++) {
        std::string text = RandomText(random);
        ASSERT_EQ("", Check(text)) << "text " << i << ": \"" << text << "\"";
        // The next text drawn with this one's tables, as after a change the tip was not told of.
        tip.PrintTitleString(&surface.DC(), CRect(5, 5, 295, 195), CString(RandomText(random).c_str()), FALSE);
    }
    TestRandom mutations(4012);
    std::string text = kSeed;
    for (int i = 0; i < 2000; i++) {
        // Mostly fresh mutations of the seed, sometimes mutations of mutations.
        text = Mutate(mutations, mutations.Below(4) == 0 ? text : std::string(kSeed));
        ASSERT_EQ("", Check(text)) << "mutation " << i << ": \"" << text << "\"";
    }
    EXPECT_EQ(objects, LiveGdiObjects());
}

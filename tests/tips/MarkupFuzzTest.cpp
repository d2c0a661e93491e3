// Malformed markup through both passes of the layout: thousands of random texts made of pieces
// of tags, and mutations of a text that uses every tag. Every pass must end, keep its tables
// consistent with what it returns and its boxes within bounds (under the sanitizers, touch no
// memory it does not own).
#include <gtest/gtest.h>

#include "support/TestRandom.h"
#include "tips/UxTipFixedMeasurer.h"

#include <algorithm>
#include <string>

namespace {

// Offsets of a pass saturate here (a little above any real screen, far below overflow).
const int64_t kBound = 1 << 26;

const char* const kPieces[] = {"<", "<<", ">", "</", "/", "b", "i", "u", "s", "br", "BR", "t", "ct", "cti", "cb",
    "cbi", "al", "al_c", "al_r", "al_l", "hr", "img", "ilst", "icon", "bmp", "=", "= ", " ", "  ", "\n", "\r", "\r\n",
    "\t", "%", "0x", "0", "7", "12", "50", "150%", "0xFFFFFFFF", "4294967295", "-1", "99999", "010", "cx=", "cy=",
    "mask=", "pic", "flag", "ico", "nope", "29601", "65536", "text", "W", "<<<", ">>"};
const uint32_t kPieceCount = sizeof(kPieces) / sizeof(kPieces[0]);

// A text using every tag, as a host would write it.
const char* const kSeed = "<b>Bold</b> <i>italic</i> <u>struck</u> <s>underlined</s>\n"
                          "<ct=0xFF>red</ct> <cti=2>slot</cti> <cb=0xFFFF00>on yellow</cb> <cbi=14>grey</cbi>\n"
                          "a<t>tab<t=2>two<br=2>"
                          "<hr=50%><hr=20>\n<al_c>centred\n<al_r>right<al>\n"
                          "<ilst=1> <icon=29603 cx=16 cy=16> <img=pic cx=24 cy=16> <img=flag> "
                          "<bmp=29601 mask=0xFF00FF cx=8 cy=8> a<<b<";

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

// Lays the text out through both passes; returns a failure description or "".
std::string Check(const std::string& text)
{
    UxTipLaidOut out;
    CUxTipFixedMeasurer::LayOutBytes((const uint8_t*)text.data(), text.size(), out);
    const UxTipLines& lines = out.lines;
    if (lines.widths.size() != lines.heights.size() || text.empty() != lines.widths.empty())
        return "tables of different lengths, lines for an empty text or none for a text";
    if (out.size.cx < 0 || out.size.cy < 0 || out.size.cx > kBound || out.size.cy > kBound)
        return "size out of bounds";
    int64_t sumHeights = 0;
    unsigned widest = 0;
    for (size_t n = 0; n < lines.widths.size(); n++) {
        if (lines.widths[n] > kBound || lines.heights[n] > kBound || lines.heights[n] < 13)
            return "line " + std::to_string(n) + " out of bounds";
        sumHeights += lines.heights[n];
        widest = std::max(widest, lines.widths[n]);
    }
    // Percentage rules only add to a line after the widest is known.
    if ((unsigned)out.size.cx > widest || (text.find('%') == std::string::npos && (unsigned)out.size.cx != widest))
        return "widest line is not the width";
    if (out.size.cy < std::min(sumHeights, kBound))
        return "height less than its lines";
    for (const UxTipBox& box : out.boxes) {
        const int64_t x = box.x, y = box.y;
        if (x < -kBound || x > 2 * kBound || y < -kBound || y > 2 * kBound)
            return "box out of bounds";
        if (box.nKind == UxTipBox::TEXT && (box.pRun->nLength <= 0 || box.pRun->nText < 0))
            return "empty text box";
    }
    UxTipLaidOut again;
    CUxTipFixedMeasurer::LayOutBytes((const uint8_t*)text.data(), text.size(), again);
    if (again.size.cx != out.size.cx || again.size.cy != out.size.cy || again.lines.widths != lines.widths ||
        again.boxes.size() != out.boxes.size())
        return "laid out differently twice";
    return "";
}

} // namespace

TEST(MarkupFuzz, RandomPiecesOfTagsAndMutationsOfATextUsingEveryTag)
{
    ASSERT_EQ("", Check(kSeed));
    TestRandom random(20261206);
    for (int i = 0; i < 3000; i++) {
        std::string text = RandomText(random);
        ASSERT_EQ("", Check(text)) << "text " << i << ": \"" << text << "\"";
    }
    TestRandom mutations(4012);
    std::string text = kSeed;
    for (int i = 0; i < 2000; i++) {
        // Mostly fresh mutations of the seed, sometimes mutations of mutations.
        text = Mutate(mutations, mutations.Below(4) == 0 ? text : std::string(kSeed));
        ASSERT_EQ("", Check(text)) << "mutation " << i << ": \"" << text << "\"";
    }
}

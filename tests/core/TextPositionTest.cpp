// Line/column arithmetic and the string parser.
#include "core/KwLineColPos.h"
#include "core/KwStringParser.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

TEST(LineColPos, LinesCountLineFeedsBeforeThePosition)
{
    CString text("a\nb\nc");
    EXPECT_EQ(0u, CKwLineColPos::GetLine(text, 0));
    EXPECT_EQ(0u, CKwLineColPos::GetLine(text, 1));
    EXPECT_EQ(1u, CKwLineColPos::GetLine(text, 2));
    EXPECT_EQ(2u, CKwLineColPos::GetLine(text, 4));
    EXPECT_EQ(2u, CKwLineColPos::GetLine(text, 1000));
    EXPECT_EQ(1u, CKwLineColPos::GetLine(CString("a\r\nb"), 3));
    EXPECT_EQ(0u, CKwLineColPos::GetLine(CString("a\rb"), 3));
    EXPECT_EQ(0u, CKwLineColPos::GetLine(CString(), 5));
}

TEST(LineColPos, ColumnsExpandTabsAndRestartAfterAnyBreak)
{
    EXPECT_EQ(5u, CKwLineColPos::GetCol(CString("\tx"), 2, 4));
    EXPECT_EQ(4u, CKwLineColPos::GetCol(CString("ab\t"), 3, 4));
    EXPECT_EQ(8u, CKwLineColPos::GetCol(CString("abcd\t"), 5, 4));
    EXPECT_EQ(0u, CKwLineColPos::GetCol(CString("abc\r"), 4, 4));
    EXPECT_EQ(1u, CKwLineColPos::GetCol(CString("abc\r\nx"), 6, 4));
    EXPECT_EQ(2u, CKwLineColPos::GetCol(CString("x\ny\t"), 1000, 2)); // clamped to the end
    EXPECT_EQ(0u, CKwLineColPos::GetCol(CString(), 3, 4));
    // A tab size of 0 or 1 makes a tab one column wide.
    EXPECT_EQ(3u, CKwLineColPos::GetCol(CString("a\t\t"), 3, 0));
    EXPECT_EQ(3u, CKwLineColPos::GetCol(CString("a\t\t"), 3, 1));
}

TEST(LineColPos, PositionsOfLinesAndColumns)
{
    CString text("ab\n\tcd\nxyz");
    EXPECT_EQ(3u, CKwLineColPos::GetPos(text, 1, 0, 4));
    EXPECT_EQ(4u, CKwLineColPos::GetPos(text, 1, 4, 4));
    EXPECT_EQ(4u, CKwLineColPos::GetPos(text, 1, 2, 4)); // inside the tab: the character after it
    EXPECT_EQ(5u, CKwLineColPos::GetPos(text, 1, 5, 4));
    // Past the line's end the scan runs on into the next line, the line feed one column.
    EXPECT_EQ(8u, CKwLineColPos::GetPos(text, 1, 8, 4));
    EXPECT_EQ(10u, CKwLineColPos::GetPos(text, 2, 99, 4));
    EXPECT_EQ(10u, CKwLineColPos::GetPos(text, 7, 0, 4)); // no such line
    EXPECT_EQ(0u, CKwLineColPos::GetPos(CString(), 0, 3, 0));
}

namespace {

std::vector<std::string> Pieces(const char* text, const char* separators)
{
    std::vector<std::string> pieces;
    int pos = 0;
    CString piece;
    while (CKwStringParser::GetNextSubstring(text, separators, pos, piece))
        pieces.push_back((const char*)piece);
    EXPECT_TRUE(piece.IsEmpty());
    return pieces;
}

std::vector<std::string> Lines(const char* text)
{
    std::vector<std::string> lines;
    int pos = 0;
    CString line;
    while (CKwStringParser::GetNextLine(text, pos, line))
        lines.push_back((const char*)line);
    return lines;
}

typedef std::vector<std::string> Strings;

} // namespace

TEST(StringParser, SubstringsBetweenSeparators)
{
    EXPECT_EQ(Strings({"a", "", "b", ""}), Pieces("a,,b,", ","));
    EXPECT_EQ(Strings({""}), Pieces("", ","));
    EXPECT_EQ(Strings(), Pieces("a,b", ""));
    EXPECT_EQ(Strings(), Pieces("a,b", nullptr));
    EXPECT_EQ(Strings({""}), Pieces(nullptr, ","));
    EXPECT_EQ(Strings({"a", "b", "c d"}), Pieces("a;b\tc d", ";\t"));
    EXPECT_EQ(Strings({" a ", " \"b", "c\" "}), Pieces(" a , \"b,c\" ", ",")); // no quoting, no trimming
}

TEST(StringParser, PositionsOutsideTheTextEndTheWalk)
{
    CString out("stale");
    int pos = 3; // the length: one last, empty piece
    EXPECT_EQ(1, CKwStringParser::GetNextSubstring("abc", ",", pos, out));
    EXPECT_EQ("", out);
    EXPECT_EQ(4, pos);
    out = "stale";
    EXPECT_EQ(0, CKwStringParser::GetNextSubstring("abc", ",", pos, out));
    EXPECT_EQ("", out);
    pos = -1;
    EXPECT_EQ(0, CKwStringParser::GetNextSubstring("abc", ",", pos, out));
    pos = 1000;
    EXPECT_EQ(0, CKwStringParser::GetNextLine("abc", pos, out));
    pos = -5;
    EXPECT_EQ(0, CKwStringParser::GetNextLine("abc", pos, out));
}

TEST(StringParser, LinesEndAtCrLfLoneLfOrLoneCr)
{
    EXPECT_EQ(Strings({"x", "y", "z", ""}), Lines("x\r\ny\rz\n"));
    EXPECT_EQ(Strings({"a", "", "b"}), Lines("a\n\rb"));
    EXPECT_EQ(Strings({"a", "", "b"}), Lines("a\r\rb"));
    EXPECT_EQ(Strings({""}), Lines(""));
    EXPECT_EQ(Strings({""}), Lines(nullptr));
}

TEST(StringParser, ObjectKeepsItsPlaceAndCopiesAreIndependent)
{
    auto next = [](CKwStringParser& p) {
        CString piece("stale");
        return p.GetNextSubstring(piece) ? std::string(piece) : "end:" + std::string(piece);
    };
    CKwStringParser parser("one|two|three", "|");
    EXPECT_EQ("one", next(parser));
    CKwStringParser copy(parser);
    EXPECT_EQ("two", next(parser));
    EXPECT_EQ("two", next(copy));
    copy = CKwStringParser("z", "|");
    EXPECT_EQ("z", next(copy));
    EXPECT_EQ("end:", next(copy));
    EXPECT_EQ("three", next(parser));
    EXPECT_EQ("end:", next(parser));
    EXPECT_EQ("end:", next(parser));

    CKwStringParser none("a,b", "");
    EXPECT_EQ("end:", next(none));
}

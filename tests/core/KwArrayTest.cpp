// CKwArray: copies of nested arrays are deep, moves hand storage over, nested counts in archives.
#include <gtest/gtest.h>

#include "core/KwArray.h"
#include "support/ArchiveBytes.h"
#include "support/AfxExceptionCatch.h"

namespace
{
typedef CKwArray<CString> CRow;
typedef CKwArray<CRow> CTable;

CTable MakeTable(int nRows, int nCols)
{
    CTable table;
    for (int r = 0; r < nRows; r++)
    {
        CRow row;
        for (int c = 0; c < nCols; c++)
        {
            CString cell;
            cell.Format("%d,%d", r, c);
            row.Add(cell);
        }
        table.Add(row);
    }
    return table;
}
} // namespace

TEST(KwArray, CopiesOfNestedArraysAreDeep)
{
    CTable table = MakeTable(3, 4);
    CTable copy(table);
    copy[1][2] = "changed";
    copy[0].RemoveAt(0);
    copy[2].Add("extra");
    EXPECT_STREQ("1,2", table[1][2]);
    EXPECT_EQ(4, table[0].GetSize());
    EXPECT_EQ(4, table[2].GetSize());
    EXPECT_STREQ("changed", copy[1][2]);

    CTable assigned;
    assigned.Add(CRow());
    assigned = table;
    ASSERT_EQ(3, assigned.GetSize());
    assigned[0][0] += "!";
    EXPECT_STREQ("0,0", table[0][0]);

    assigned = assigned;
    EXPECT_EQ(3, assigned.GetSize());
    EXPECT_STREQ("2,3", assigned[2][3]);
}

TEST(KwArray, OuterArraysKeepInnerContentsThroughGrowthAndMoves)
{
    CTable table;
    for (int r = 0; r < 200; r++) // many reallocations of the outer array
    {
        CRow row;
        row.Add(CString('a' + r % 26, r % 7 + 1));
        table.Add(row);
    }
    table.InsertAt(0, table[199], 2); // an element of the array itself, while it grows
    table.Append(table);
    ASSERT_EQ(2 * 202, table.GetSize());
    EXPECT_STREQ("rrrr", table[1][0]); // row 199
    EXPECT_STREQ("a", table[2][0]);
    EXPECT_STREQ("rrrr", table[203][0]);

    CTable moved(std::move(table));
    EXPECT_TRUE(table.IsEmpty());
    table = std::move(moved);
    EXPECT_EQ(404, table.GetSize());
    EXPECT_TRUE(moved.IsEmpty());
}

TEST(KwArray, NestedArraysSerialiseAsNestedCounts)
{
    CTable table;
    CRow row;
    row.Add("a");
    row.Add("bc");
    table.Add(row);
    table.Add(CRow());
    Bytes bytes = StoreBytes([&](CArchive& ar) { table.Serialize(ar); });
    EXPECT_EQ((Bytes{0x02, 0x00, 0x02, 0x00, 0x01, 'a', 0x02, 'b', 'c', 0x00, 0x00}), bytes);

    CTable loaded = MakeTable(1, 1);
    LoadBytes(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    ASSERT_EQ(2, loaded.GetSize());
    ASSERT_EQ(2, loaded[0].GetSize());
    EXPECT_STREQ("bc", loaded[0][1]);
    EXPECT_TRUE(loaded[1].IsEmpty());

    // A failure inside an inner array leaves the outer one as it was.
    bytes.pop_back();
    EXPECT_TRUE(ThrowsAfx<CArchiveException>([&] { LoadBytes(bytes, [&](CArchive& ar) { loaded.Serialize(ar); }); }));
    ASSERT_EQ(2, loaded.GetSize());
    EXPECT_STREQ("a", loaded[0][0]);
}

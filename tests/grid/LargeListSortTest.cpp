// LargeListSortTest.cpp: the large list's order without a window: the compound comparison, the
// sorted insertion, the one stable sort against sorting column by column, and the column widths
// record against truncated and absurd documents.
#include "grid/LargeListSort.h"
#include "grid/LargeListWidths.h"
#include "support/AfxExceptionCatch.h"
#include "support/ArchiveBytes.h"
#include "support/TestRandom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

namespace {

// Keys of three decimal digits; column d compares digit d. The extreme comparison answers with
// the largest magnitudes an int has, which a careless reversal overflows.
int Digit(long nKey, int d)
{
    for (int i = 0; i < d; i++)
        nKey /= 10;
    return (int)(nKey % 10);
}
int CompareDigit0(long a, long b) { return Digit(a, 0) - Digit(b, 0); }
int CompareDigit1(long a, long b) { return Digit(a, 1) - Digit(b, 1); }
int CompareDigit2(long a, long b) { return Digit(a, 2) - Digit(b, 2); }
int CompareExtreme(long a, long b) { return a < b ? INT_MIN : a > b ? INT_MAX : 0; }

typedef int (*Compare)(long, long);
const Compare kFunctions[] = {CompareDigit0, CompareDigit1, CompareDigit2, CompareExtreme, NULL};

} // namespace

TEST(LargeListSort, OneStableSortGivesTheOrderOfStableSortsColumnByColumnAndOfSortedInsertion)
{
    TestRandom random(12);
    for (int round = 0; round < 300; round++)
    {
        std::vector<CLargeListSort::CCriterion> order(1 + random.Below(4));
        CLargeListSort sort;
        for (CLargeListSort::CCriterion& criterion : order)
        {
            criterion = {kFunctions[random.Below(5)], (BOOL)random.Below(2)};
            sort.AddCriterion(criterion.pfnCompare, criterion.bAscending);
        }
        // Few distinct keys, so that many lines are equal; the state tells equal lines apart.
        std::vector<CLargeListSort::CLine> lines(random.Below(120));
        for (size_t i = 0; i < lines.size(); i++)
            lines[i] = {(long)random.Below(round % 2 ? 1000 : 30), (UINT)i};

        std::vector<CLargeListSort::CLine> passes(lines);
        for (size_t c = order.size(); c-- > 0;)
            std::stable_sort(passes.begin(), passes.end(), [&](const CLargeListSort::CLine& a, const CLargeListSort::CLine& b) {
                return CLargeListSort::CompareOne(order[c], a.nKey, b.nKey) < 0;
            });
        std::vector<CLargeListSort::CLine> sorted(lines);
        sort.SortLines(sorted);
        for (size_t i = 0; i < sorted.size(); i++) // the same line: its key and its number
            ASSERT_EQ(passes[i].nState, sorted[i].nState) << "round " << round << ", line " << i;

        // Inserting the same keys one by one keeps them in the same order (lines that compare
        // equal may stand in another order).
        std::vector<long> inserted;
        for (const CLargeListSort::CLine& line : lines)
        {
            int nAt = sort.FindInsertPosition((int)inserted.size(), line.nKey, [&](int i) { return inserted[(size_t)i]; });
            inserted.insert(inserted.begin() + nAt, line.nKey);
        }
        for (size_t i = 0; i < inserted.size(); i++)
            ASSERT_EQ(0, sort.Compare(inserted[i], sorted[i].nKey)) << "round " << round << ", line " << i;
    }
}

TEST(LargeListSort, InsertionTakesLogarithmicProbesAndOneOrTwoBeyondTheEnds)
{
    // 100,000 lines of the even keys: an odd key in the middle takes a binary search, keys
    // beyond either end one or two probes.
    int nProbes = 0;
    auto counted = [&](int i) {
        nProbes++;
        return (long)(2 * i);
    };
    CLargeListSort numeric;
    numeric.AddCriterion([](long a, long b) { return a < b ? -1 : a > b; }, TRUE);
    for (long nKey : {123457L, 1L, 199997L, 77777L})
    {
        nProbes = 0;
        EXPECT_EQ((int)(nKey / 2 + 1), numeric.FindInsertPosition(100000, nKey, counted));
        EXPECT_LE(nProbes, 19) << nKey;
    }
    nProbes = 0;
    EXPECT_EQ(100000, numeric.FindInsertPosition(100000, 200000, counted));
    EXPECT_EQ(0, numeric.FindInsertPosition(100000, -1, counted));
    EXPECT_EQ(3, nProbes);
}

namespace {

Bytes Words(std::initializer_list<uint32_t> words)
{
    Bytes bytes;
    for (uint32_t w : words)
        for (int i = 0; i < 4; i++)
            bytes.push_back((uint8_t)(w >> (8 * i)));
    return bytes;
}

void SetWidths(CDWordArray& widths, std::initializer_list<DWORD> values)
{
    widths.RemoveAll();
    for (DWORD w : values)
        widths.Add(w);
}

std::vector<DWORD> Values(const CDWordArray& widths)
{
    return std::vector<DWORD>(widths.GetData(), widths.GetData() + widths.GetSize());
}

// The cause of the exception that loading the bytes for nColumns columns throws (-1: none),
// with the widths it left.
int LoadCause(const Bytes& bytes, int nColumns, CDWordArray& widths)
{
    return ArchiveCauseOf([&] { LoadBytes(bytes, [&](CArchive& ar) { CLargeListWidths::Load(ar, nColumns, widths); }); });
}

} // namespace

TEST(LargeListWidths, StoresTheReservedWordTheCountAndTheWidthsAndReadsTheLow16Bits)
{
    CDWordArray widths;
    SetWidths(widths, {100, 50, 80});
    EXPECT_EQ(Words({0, 3, 100, 50, 80}), StoreBytes([&](CArchive& ar) { CLargeListWidths::Store(ar, widths); }));

    SetWidths(widths, {1, 2, 3, 4});
    EXPECT_EQ(-1, LoadCause(Words({7, 3, 0x10064, 50, 80}), 3, widths));
    EXPECT_EQ((std::vector<DWORD>{100, 50, 80}), Values(widths));
    EXPECT_EQ(-1, LoadCause(Words({0, 1, 20}), 3, widths)); // fewer columns stored than shown
    EXPECT_EQ((std::vector<DWORD>{20}), Values(widths));
}

TEST(LargeListWidths, RefusesTruncatedRecordsAndCountsAboveTheColumnsOrTheBytesLeftLeavingTheWidths)
{
    const Bytes record = Words({0, 3, 100, 50, 80});
    const std::vector<DWORD> kept = {9, 8};
    for (size_t n = 0; n < record.size(); n++)
    {
        CDWordArray widths;
        SetWidths(widths, {9, 8});
        EXPECT_EQ(CArchiveException::endOfFile, LoadCause(Bytes(record.begin(), record.begin() + n), 3, widths)) << n;
        EXPECT_EQ(kept, Values(widths)) << n;
    }
    struct
    {
        Bytes bytes;
        int nColumns;
        int nCause;
    } const hostile[] = {
        {Words({0, 4, 1, 2, 3, 4}), 3, CArchiveException::badIndex},
        {Words({0, 0xFFFFFFFF, 1, 2, 3}), 3, CArchiveException::badIndex},
        {Words({0, 0x40000000, 1, 2}), INT_MAX, CArchiveException::endOfFile},
    };
    for (const auto& h : hostile)
    {
        CDWordArray widths;
        SetWidths(widths, {9, 8});
        EXPECT_EQ(h.nCause, LoadCause(h.bytes, h.nColumns, widths)) << h.bytes[4];
        EXPECT_EQ(kept, Values(widths)) << h.bytes[4];
    }
}

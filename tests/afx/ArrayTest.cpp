// Tests of CArray: sizes and the grow step, insertion and removal of ranges, elements that
// refer into the array itself, hostile sizes and elements that own resources.
#include <gtest/gtest.h>

#include "afxtempl.h"
#include "support/AfxExceptionCatch.h"
#include "support/TrackedValue.h"

#include <cstdint>
#include <vector>

namespace
{
typedef CArray<int, int> CIntArray;

std::vector<int> Contents(const CIntArray& a)
{
    return std::vector<int>(a.GetData(), a.GetData() + a.GetSize());
}

CIntArray& Fill(CIntArray& a, std::initializer_list<int> values)
{
    a.RemoveAll();
    for (int n : values)
        a.Add(n);
    return a;
}

// Shows the allocated capacity, which is not part of the public interface.
class CProbeArray : public CIntArray
{
public:
    INT_PTR Capacity() const { return m_nMaxSize; }
};
} // namespace

TEST(Array, SetSizeAddsZeroesAndReleasesAtZero)
{
    CIntArray a;
    EXPECT_EQ(NULL, a.GetData());
    EXPECT_EQ(-1, a.GetUpperBound());
    a.SetSize(5);
    EXPECT_EQ((std::vector<int>{0, 0, 0, 0, 0}), Contents(a));
    a[1] = 1;
    a[4] = 4;
    a.SetSize(2);
    EXPECT_EQ((std::vector<int>{0, 1}), Contents(a));
    a.SetSize(4); // elements past the old end come back as zero
    EXPECT_EQ((std::vector<int>{0, 1, 0, 0}), Contents(a));
    EXPECT_EQ(3, a.GetUpperBound());
    EXPECT_EQ(4, a.GetCount());
    a.SetSize(0);
    EXPECT_TRUE(a.IsEmpty());
    EXPECT_EQ(NULL, a.GetData());
}

TEST(Array, GrowsByTheGivenOrTheChosenStep)
{
    CProbeArray a;
    a.SetSize(3, 5);
    EXPECT_EQ(5, a.Capacity()); // a first allocation takes at least one step
    a.Add(1);
    a.Add(2);
    EXPECT_EQ(5, a.Capacity());
    a.Add(3);
    EXPECT_EQ(10, a.Capacity());
    a.SetSize(11); // -1 keeps the step of 5
    EXPECT_EQ(15, a.Capacity());
    a.SetSize(40); // a jump beyond one step takes the exact size
    EXPECT_EQ(40, a.Capacity());
    EXPECT_EQ((std::vector<int>{0, 0, 0, 1, 2, 3}), std::vector<int>(a.GetData(), a.GetData() + 6));

    // Step 0: an eighth of the size, at least 4 and at most 1024.
    CProbeArray b;
    b.SetSize(10, 0);
    b.FreeExtra();
    b.Add(0);
    EXPECT_EQ(14, b.Capacity());
    b.SetSize(100);
    b.FreeExtra();
    b.Add(0);
    EXPECT_EQ(112, b.Capacity());
    b.SetSize(20000);
    b.FreeExtra();
    b.Add(0);
    EXPECT_EQ(21024, b.Capacity());
    EXPECT_EQ(20001, b.GetSize());

    b.FreeExtra();
    EXPECT_EQ(20001, b.Capacity());
    EXPECT_EQ(0, b[20000]);
}

TEST(Array, AddsAppendsAndCopies)
{
    CIntArray a, b;
    EXPECT_EQ(0, a.Add(7));
    EXPECT_EQ(1, a.Add(8));
    Fill(b, {1, 2, 3});
    EXPECT_EQ(2, a.Append(b));
    EXPECT_EQ((std::vector<int>{7, 8, 1, 2, 3}), Contents(a));
    EXPECT_EQ(5, a.Append(a));
    EXPECT_EQ((std::vector<int>{7, 8, 1, 2, 3, 7, 8, 1, 2, 3}), Contents(a));

    b.Copy(a);
    EXPECT_EQ(Contents(a), Contents(b));
    b.Copy(b);
    EXPECT_EQ(10, b.GetSize());
    CIntArray empty;
    b.Copy(empty);
    EXPECT_TRUE(b.IsEmpty());

    a.SetAtGrow(12, 5);
    EXPECT_EQ(13, a.GetSize());
    EXPECT_EQ(0, a[10]);
    EXPECT_EQ(5, a[12]);
}

TEST(Array, InsertsAndRemovesRanges)
{
    CIntArray a;
    Fill(a, {0, 1, 2, 3});
    a.InsertAt(1, 9, 3);
    EXPECT_EQ((std::vector<int>{0, 9, 9, 9, 1, 2, 3}), Contents(a));
    a.InsertAt(7, 5); // at the end
    a.InsertAt(0, 4);
    EXPECT_EQ((std::vector<int>{4, 0, 9, 9, 9, 1, 2, 3, 5}), Contents(a));
    a.InsertAt(11, 8, 2); // beyond the end: the gap is filled with zeroes
    EXPECT_EQ((std::vector<int>{4, 0, 9, 9, 9, 1, 2, 3, 5, 0, 0, 8, 8}), Contents(a));

    a.RemoveAt(2, 3);
    EXPECT_EQ((std::vector<int>{4, 0, 1, 2, 3, 5, 0, 0, 8, 8}), Contents(a));
    a.RemoveAt(0);
    a.RemoveAt(8);
    a.RemoveAt(3, 0);
    EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 5, 0, 0, 8}), Contents(a));
    a.RemoveAt(4, 4);
    EXPECT_EQ((std::vector<int>{0, 1, 2, 3}), Contents(a));

    CIntArray b;
    Fill(b, {7, 8});
    a.InsertAt(2, &b);
    EXPECT_EQ((std::vector<int>{0, 1, 7, 8, 2, 3}), Contents(a));
    a.InsertAt(6, &b);
    EXPECT_EQ((std::vector<int>{0, 1, 7, 8, 2, 3, 7, 8}), Contents(a));
    Fill(b, {1, 2});
    b.InsertAt(1, &b);
    EXPECT_EQ((std::vector<int>{1, 1, 2, 2}), Contents(b));
    CIntArray empty;
    b.InsertAt(0, &empty);
    EXPECT_EQ(4, b.GetSize());
    b.InsertAt(0, 3, 0);
    EXPECT_EQ(4, b.GetSize());
}

TEST(Array, ElementsTakenFromTheArrayItselfSurviveItsGrowth)
{
    CArray<CString, const CString&> a;
    a.Add("zero");
    a.Add("one");
    a.FreeExtra();
    // Each call below reads its argument from storage that it moves or shifts.
    a.Add(a[0]);
    a.FreeExtra();
    a.InsertAt(0, a[1], 2);
    a.FreeExtra();
    a.SetAtGrow(a.GetSize(), a[4]);
    a.InsertAt(1, a[2]); // room to spare: the shift moves the argument itself
    a.InsertAt(3, a[4]);
    ASSERT_EQ(8, a.GetSize());
    const char* expected[] = {"one", "zero", "one", "one", "zero", "one", "zero", "zero"};
    for (int i = 0; i < 8; i++)
        EXPECT_STREQ(expected[i], a[i]) << i;
}

TEST(Array, StringsKeepTheirSharedCopiesApartThroughMovesAndShifts)
{
    CArray<CString, const CString&> a;
    CString outside("shared");
    a.Add(outside);
    a.Add(outside);
    for (int i = 0; i < 100; i++) // the storage moves many times
        a.InsertAt(1, CString('x', i % 5));
    a.RemoveAt(1, 100);
    ASSERT_EQ(2, a.GetSize());
    a[0].MakeUpper();
    a[1] += "!";
    EXPECT_STREQ("SHARED", a[0]);
    EXPECT_STREQ("shared!", a[1]);
    EXPECT_STREQ("shared", outside);

    CArray<CString, const CString&> b;
    b.Copy(a);
    b[0].SetAt(0, 's');
    EXPECT_STREQ("sHARED", b[0]);
    EXPECT_STREQ("SHARED", a[0]);
}

TEST(Array, BadIndexesThrowAndLeaveTheArrayAlone)
{
    CIntArray a;
    Fill(a, {1, 2, 3});
    EXPECT_TRUE(ThrowsAfx<CInvalidArgException>([&] { a.GetAt(3); }));
    EXPECT_TRUE(ThrowsAfx<CInvalidArgException>([&] { a[-1] = 0; }));
    EXPECT_TRUE(ThrowsAfx<CInvalidArgException>([&] { a.SetAt(3, 0); }));
    EXPECT_TRUE(ThrowsAfx<CInvalidArgException>([&] { a.SetAtGrow(-1, 0); }));
    EXPECT_TRUE(ThrowsAfx<CInvalidArgException>([&] { a.RemoveAt(2, 2); }));
    EXPECT_TRUE(ThrowsAfx<CInvalidArgException>([&] { a.RemoveAt(-1); }));
    EXPECT_TRUE(ThrowsAfx<CInvalidArgException>([&] { a.RemoveAt(4, 0); }));
    EXPECT_TRUE(ThrowsAfx<CInvalidArgException>([&] { a.RemoveAt(1, INTPTR_MAX); }));
    EXPECT_TRUE(ThrowsAfx<CInvalidArgException>([&] { a.InsertAt(-1, 0); }));
    EXPECT_TRUE(ThrowsAfx<CInvalidArgException>([&] { a.InsertAt(0, 0, -2); }));
    EXPECT_TRUE(ThrowsAfx<CInvalidArgException>([&] { a.InsertAt(0, (CIntArray*)NULL); }));
    EXPECT_EQ((std::vector<int>{1, 2, 3}), Contents(a));
}

TEST(Array, HostileSizesThrowMemoryExceptionsAndLeaveTheArrayAlone)
{
    // Through a volatile, so that the compiler does not fold the sizes into the loops.
    volatile INT_PTR nMax = INTPTR_MAX;
    CIntArray a;
    Fill(a, {1, 2, 3});
    EXPECT_TRUE(ThrowsAfx<CMemoryException>([&] { a.SetSize(-1); }));
    EXPECT_TRUE(ThrowsAfx<CMemoryException>([&] { a.SetSize(nMax); }));
    EXPECT_TRUE(ThrowsAfx<CMemoryException>([&] { a.SetSize(nMax / 2 + 1); }));
    EXPECT_TRUE(ThrowsAfx<CMemoryException>([&] { a.InsertAt(nMax - 1, 0, 2); }));
    EXPECT_TRUE(ThrowsAfx<CMemoryException>([&] { a.SetAtGrow(nMax, 0); }));
    EXPECT_TRUE(ThrowsAfx<CMemoryException>([&] { a.InsertAt(0, 0, nMax); }));
    a.Append(a);
    EXPECT_TRUE(ThrowsAfx<CMemoryException>([&] { a.InsertAt(0, 0, nMax - 5); }));
#ifdef _WIN32
    // Representable but far beyond any memory: the allocation fails cleanly. (Natively the
    // sanitizer's allocator would stop the program instead.)
    EXPECT_TRUE(ThrowsAfx<CMemoryException>([&] { a.SetSize(nMax / 64); }));
#endif
    EXPECT_EQ((std::vector<int>{1, 2, 3, 1, 2, 3}), Contents(a));

    // A grow step too large to allocate falls back to the size asked for.
    a.SetSize(7, nMax / 8);
    a.Add(9);
    EXPECT_EQ(8, a.GetSize());
    EXPECT_EQ(9, a[7]);
}

TEST(Array, ConstructsDestroysAndRollsBackElements)
{
    {
        CArray<TrackedValue, const TrackedValue&> a;
        a.SetSize(10);
        EXPECT_EQ(10, TrackedValue::s_nLive);
        a.SetSize(4);
        EXPECT_EQ(4, TrackedValue::s_nLive);
        for (int i = 0; i < 4; i++)
            a[i] = TrackedValue(i);
        a.RemoveAt(1, 2);
        EXPECT_EQ(2, TrackedValue::s_nLive);
        a.InsertAt(1, TrackedValue(5), 3);
        EXPECT_EQ(5, TrackedValue::s_nLive);
        a.FreeExtra();

        // Growing copies the elements (their moves may throw); a failure midway keeps them.
        TrackedValue::s_nCopiesLeft = 2;
        EXPECT_THROW(a.SetSize(50), TrackedValue::CopyFailure);
        TrackedValue::s_nCopiesLeft = -1;
        ASSERT_EQ(5, a.GetSize());
        EXPECT_EQ(5, TrackedValue::s_nLive);
        const int expected[] = {0, 5, 5, 5, 3};
        for (int i = 0; i < 5; i++)
            EXPECT_EQ(expected[i], a[i].m_nValue);
    }
    EXPECT_EQ(0, TrackedValue::s_nLive);
}

// Tests of the collections at their limits: sizes beyond memory, and elements whose copies fail
// midway, which must leave the collection as it was and every element destroyed exactly once.
#include <gtest/gtest.h>

#include "afxtempl.h"
#include "support/AfxExceptionCatch.h"
#include "support/TrackedValue.h"

#include <cstdint>
#include <vector>

template<>
inline UINT AFXAPI HashKey<const TrackedValue&>(const TrackedValue& key)
{
    return (UINT)key.m_nValue;
}

namespace
{
typedef CArray<int, int> CIntArray;

std::vector<int> Contents(const CIntArray& a)
{
    return std::vector<int>(a.GetData(), a.GetData() + a.GetSize());
}

// Runs f with the next nCopies copies of TrackedValue allowed, then one failing.
template <class F>
bool CopyFails(int nCopies, F&& f)
{
    TrackedValue::s_nCopiesLeft = nCopies;
    bool bFailed = false;
    try {
        f();
    } catch (TrackedValue::CopyFailure&) {
        bFailed = true;
    }
    TrackedValue::s_nCopiesLeft = -1;
    return bFailed;
}
} // namespace

TEST(Array, HostileSizesThrowMemoryExceptionsAndLeaveTheArrayAlone)
{
    // Through a volatile, so that the compiler does not fold the sizes into the loops.
    volatile INT_PTR nMax = INTPTR_MAX;
    CIntArray a;
    for (int n : {1, 2, 3})
        a.Add(n);
    EXPECT_TRUE(ThrowsAfx<CMemoryException>([&] { a.SetSize(-1); }));
    EXPECT_TRUE(ThrowsAfx<CMemoryException>([&] { a.SetSize(nMax); }));
    EXPECT_TRUE(ThrowsAfx<CMemoryException>([&] { a.SetSize(nMax / 2 + 1); }));
    EXPECT_TRUE(ThrowsAfx<CMemoryException>([&] { a.InsertAt(nMax - 1, 0, 2); }));
    EXPECT_TRUE(ThrowsAfx<CMemoryException>([&] { a.SetAtGrow(nMax, 0); }));
    EXPECT_TRUE(ThrowsAfx<CMemoryException>([&] { a.InsertAt(0, 0, nMax); }));
    EXPECT_TRUE(ThrowsAfx<CInvalidArgException>([&] { a.RemoveAt(1, INTPTR_MAX); }));
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

TEST(Array, FailedCopiesWhileGrowingKeepTheElements)
{
    {
        CArray<TrackedValue, const TrackedValue&> a;
        a.SetSize(10);
        a.SetSize(4);
        EXPECT_EQ(4, TrackedValue::s_nLive);
        for (int i = 0; i < 4; i++)
            a[i] = TrackedValue(i);
        a.RemoveAt(1, 2);
        a.InsertAt(1, TrackedValue(5), 3);
        EXPECT_EQ(5, TrackedValue::s_nLive);
        a.FreeExtra();

        // Growing copies the elements (their moves may throw); a failure midway keeps them.
        EXPECT_TRUE(CopyFails(2, [&] { a.SetSize(50); }));
        ASSERT_EQ(5, a.GetSize());
        EXPECT_EQ(5, TrackedValue::s_nLive);
        const int expected[] = {0, 5, 5, 5, 3};
        for (int i = 0; i < 5; i++)
            EXPECT_EQ(expected[i], a[i].m_nValue);
    }
    EXPECT_EQ(0, TrackedValue::s_nLive);
}

TEST(List, FailedCopiesLeaveNoNodeBehind)
{
    {
        CList<TrackedValue, const TrackedValue&> list(3);
        for (int i = 0; i < 7; i++)
            list.AddTail(TrackedValue(i));
        list.RemoveAt(list.FindIndex(3));
        TrackedValue head = list.RemoveHead();
        EXPECT_EQ(0, head.m_nValue);
        EXPECT_EQ(6, TrackedValue::s_nLive);

        EXPECT_TRUE(CopyFails(0, [&] { list.AddTail(TrackedValue(99)); }));
        EXPECT_EQ(5, list.GetCount());
        EXPECT_EQ(6, list.GetTail().m_nValue);
        list.AddTail(TrackedValue(7));
        EXPECT_EQ(7, list.GetTail().m_nValue);
        EXPECT_EQ(5, list.GetAt(list.FindIndex(3)).m_nValue);
    }
    EXPECT_EQ(0, TrackedValue::s_nLive);

    CList<TrackedValue, const TrackedValue&> empty;
    EXPECT_TRUE(CopyFails(0, [&] { empty.AddHead(TrackedValue(1)); }));
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_EQ(NULL, empty.GetHeadPosition());
}

TEST(Map, FailedKeyCopiesLeaveTheMapAsItWas)
{
    {
        CMap<int, int, TrackedValue, const TrackedValue&> m(3);
        for (int i = 0; i < 10; i++)
            m.SetAt(i, TrackedValue(i));
        m.RemoveKey(4);
        EXPECT_EQ(9, TrackedValue::s_nLive);
        m.RemoveAll();
        EXPECT_EQ(0, TrackedValue::s_nLive);
        m[1] = TrackedValue(1);
    }
    EXPECT_EQ(0, TrackedValue::s_nLive);

    CMap<TrackedValue, const TrackedValue&, int, int> byTracked;
    byTracked[TrackedValue(1)] = 1;
    EXPECT_TRUE(CopyFails(0, [&] { byTracked[TrackedValue(2)] = 2; }));
    EXPECT_EQ(1, byTracked.GetCount());
    EXPECT_EQ(1, byTracked[TrackedValue(1)]);
}

// Tests of CList: order from both ends, editing while iterating, node storage and elements that
// own resources.
#include <gtest/gtest.h>

#include "afxtempl.h"
#include "support/AfxExceptionCatch.h"
#include "support/TrackedValue.h"

#include <vector>

namespace
{
typedef CList<int, int> CIntList;

std::vector<int> Forward(const CIntList& list)
{
    std::vector<int> v;
    for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
        v.push_back(list.GetNext(pos));
    return v;
}

std::vector<int> Backward(const CIntList& list)
{
    std::vector<int> v;
    for (POSITION pos = list.GetTailPosition(); pos != NULL;)
        v.push_back(list.GetPrev(pos));
    return v;
}

// Shows the node blocks, which are not part of the public interface.
class CProbeList : public CIntList
{
public:
    explicit CProbeList(INT_PTR nBlockSize = 10) : CIntList(nBlockSize) {}
    int CountBlocks() const
    {
        int n = 0;
        for (CPlex* p = m_pBlocks; p != NULL; p = p->pNext)
            n++;
        return n;
    }
};
} // namespace

TEST(List, KeepsOrderFromHeadAndTail)
{
    CIntList list;
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(NULL, list.GetHeadPosition());
    for (int i = 1; i <= 3; i++)
        list.AddTail(i);
    list.AddHead(0);
    list.AddHead(-1);
    EXPECT_EQ((std::vector<int>{-1, 0, 1, 2, 3}), Forward(list));
    EXPECT_EQ((std::vector<int>{3, 2, 1, 0, -1}), Backward(list));
    EXPECT_EQ(5, list.GetCount());
    EXPECT_EQ(5, list.GetSize());
    EXPECT_EQ(-1, list.GetHead());
    EXPECT_EQ(3, list.GetTail());

    EXPECT_EQ(-1, list.RemoveHead());
    EXPECT_EQ(3, list.RemoveTail());
    EXPECT_EQ((std::vector<int>{0, 1, 2}), Forward(list));
    EXPECT_EQ((std::vector<int>{2, 1, 0}), Backward(list));
}

TEST(List, InsertsAroundPositionsAndAtTheEndsForNull)
{
    CIntList list;
    POSITION pos2 = list.InsertAfter(NULL, 2);   // empty list: becomes the tail
    list.InsertBefore(NULL, 0);                  // NULL: at the head
    list.InsertAfter(NULL, 4);                   // NULL: at the tail
    POSITION pos1 = list.InsertBefore(pos2, 1);
    list.InsertAfter(pos2, 3);
    EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 4}), Forward(list));
    EXPECT_EQ((std::vector<int>{4, 3, 2, 1, 0}), Backward(list));
    EXPECT_EQ(1, list.GetAt(pos1));
    list.SetAt(pos1, 10);
    EXPECT_EQ(10, list.GetAt(pos1));
    EXPECT_EQ(pos1, list.FindIndex(1));
}

TEST(List, RemovesWhileIteratingWithTheSavedNextPosition)
{
    CIntList list;
    for (int i = 0; i < 10; i++)
        list.AddTail(i);
    for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
    {
        POSITION cur = pos;
        if (list.GetNext(pos) % 2 == 0)
            list.RemoveAt(cur);
    }
    EXPECT_EQ((std::vector<int>{1, 3, 5, 7, 9}), Forward(list));
    EXPECT_EQ((std::vector<int>{9, 7, 5, 3, 1}), Backward(list));

    // Backwards, removing the ends as well.
    for (POSITION pos = list.GetTailPosition(); pos != NULL;)
    {
        POSITION cur = pos;
        int n = list.GetPrev(pos);
        if (n == 9 || n == 1 || n == 5)
            list.RemoveAt(cur);
    }
    EXPECT_EQ((std::vector<int>{3, 7}), Forward(list));
    EXPECT_EQ(3, list.GetHead());
    EXPECT_EQ(7, list.GetTail());
}

TEST(List, FindsValuesAfterAPositionAndByIndex)
{
    CIntList list;
    for (int n : {5, 7, 5, 9, 5})
        list.AddTail(n);
    POSITION first = list.Find(5);
    ASSERT_EQ(list.GetHeadPosition(), first);
    POSITION second = list.Find(5, first);
    EXPECT_EQ(list.FindIndex(2), second);
    POSITION third = list.Find(5, second);
    EXPECT_EQ(list.GetTailPosition(), third);
    EXPECT_EQ(NULL, list.Find(5, third));
    EXPECT_EQ(NULL, list.Find(6));

    EXPECT_EQ(NULL, list.FindIndex(-1));
    EXPECT_EQ(NULL, list.FindIndex(5));
    EXPECT_EQ(9, list.GetAt(list.FindIndex(3)));
}

TEST(List, AddsWholeListsInOrderIncludingItself)
{
    CIntList a, b;
    a.AddTail(1);
    a.AddTail(2);
    b.AddTail(8);
    b.AddTail(9);
    a.AddTail(&b);
    a.AddHead(&b);
    EXPECT_EQ((std::vector<int>{8, 9, 1, 2, 8, 9}), Forward(a));

    CIntList self;
    self.AddTail(1);
    self.AddTail(2);
    self.AddTail(&self);
    EXPECT_EQ((std::vector<int>{1, 2, 1, 2}), Forward(self));
    self.AddHead(&self);
    EXPECT_EQ((std::vector<int>{1, 2, 1, 2, 1, 2, 1, 2}), Forward(self));
    EXPECT_EQ((std::vector<int>{2, 1, 2, 1, 2, 1, 2, 1}), Backward(self));
}

TEST(List, EmptyEndsAndNullPositionsThrowInsteadOfCrashing)
{
    CIntList list;
    EXPECT_TRUE(ThrowsAfx<CInvalidArgException>([&] { list.GetHead(); }));
    EXPECT_TRUE(ThrowsAfx<CInvalidArgException>([&] { list.GetTail(); }));
    EXPECT_TRUE(ThrowsAfx<CInvalidArgException>([&] { list.RemoveHead(); }));
    EXPECT_TRUE(ThrowsAfx<CInvalidArgException>([&] { list.RemoveTail(); }));
    EXPECT_TRUE(ThrowsAfx<CInvalidArgException>([&] { list.RemoveAt(NULL); }));
    EXPECT_TRUE(ThrowsAfx<CInvalidArgException>([&] { list.AddTail((CIntList*)NULL); }));
    POSITION pos = NULL;
    EXPECT_TRUE(ThrowsAfx<CInvalidArgException>([&] { list.GetNext(pos); }));
    EXPECT_TRUE(list.IsEmpty());
}

TEST(List, AllocatesNodesInBlocksAndReleasesThemWhenEmpty)
{
    CProbeList list(4);
    EXPECT_EQ(0, list.CountBlocks());
    for (int i = 0; i < 4; i++)
        list.AddTail(i);
    EXPECT_EQ(1, list.CountBlocks());
    list.AddTail(4);
    EXPECT_EQ(2, list.CountBlocks());
    // Freed nodes are reused before a new block is taken.
    list.RemoveHead();
    list.AddTail(5);
    list.AddTail(6);
    list.AddTail(7);
    EXPECT_EQ(2, list.CountBlocks());
    while (!list.IsEmpty())
        list.RemoveTail();
    EXPECT_EQ(0, list.CountBlocks());

    CProbeList zero(0); // a block size below one still works, one node at a time
    zero.AddTail(1);
    zero.AddTail(2);
    EXPECT_EQ(2, zero.CountBlocks());
    zero.RemoveAll();
    EXPECT_EQ(0, zero.CountBlocks());
}

TEST(List, ConstructsAndDestroysElementsAndSurvivesFailedCopies)
{
    {
        CList<TrackedValue, const TrackedValue&> list(3);
        for (int i = 0; i < 7; i++)
            list.AddTail(TrackedValue(i));
        EXPECT_EQ(7, TrackedValue::s_nLive);
        list.RemoveAt(list.FindIndex(3));
        EXPECT_EQ(6, TrackedValue::s_nLive);
        TrackedValue head = list.RemoveHead();
        EXPECT_EQ(0, head.m_nValue);
        EXPECT_EQ(6, TrackedValue::s_nLive);

        TrackedValue::s_nCopiesLeft = 0;
        try
        {
            list.AddTail(TrackedValue(99));
            ADD_FAILURE() << "copy did not throw";
        }
        catch (TrackedValue::CopyFailure&)
        {
        }
        TrackedValue::s_nCopiesLeft = -1;
        EXPECT_EQ(5, list.GetCount());
        EXPECT_EQ(6, list.GetTail().m_nValue);
        list.AddTail(TrackedValue(7));
        EXPECT_EQ(7, list.GetTail().m_nValue);
        EXPECT_EQ(5, list.GetAt(list.FindIndex(3)).m_nValue);
    }
    EXPECT_EQ(0, TrackedValue::s_nLive);

    // A copy that fails on an empty list leaves no storage behind.
    CList<TrackedValue, const TrackedValue&> empty;
    TrackedValue::s_nCopiesLeft = 0;
    EXPECT_THROW(empty.AddHead(TrackedValue(1)), TrackedValue::CopyFailure);
    TrackedValue::s_nCopiesLeft = -1;
    EXPECT_TRUE(empty.IsEmpty());
}

TEST(List, FindsStringsByText)
{
    CList<CString, LPCTSTR> byText;
    byText.AddTail("a");
    byText.AddTail("b");
    EXPECT_EQ(byText.GetTailPosition(), byText.Find("b"));
    EXPECT_EQ(NULL, byText.Find("B"));
}

// Tests of the collections in archives: exact bytes of what they store, what loading does to
// existing contents, and truncated and oversized archives (mutated ones: ArchiveHostileTest).
#include <gtest/gtest.h>

#include "afx.h"
#include "afxcoll.h"
#include "afxtempl.h"
#include "support/AfxExceptionCatch.h"
#include "support/ArchiveBytes.h"

#include <cstring>
#include <vector>

namespace
{
// A small serial class for the object arrays.
class CSerialPoint : public CObject
{
    DECLARE_SERIAL(CSerialPoint)
public:
    explicit CSerialPoint(LONG x = 0) : m_x(x) {}
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_x;
        else
            ar >> m_x;
    }
    LONG m_x;
};

// Loads bytes that must fail, and returns the archive's cause (-1 for any other failure).
int LoadFailure(CObject& object, const Bytes& bytes)
{
    try {
        int cause = ArchiveCauseOf([&] { LoadObject(object, bytes); });
        return cause == -1 ? CArchiveException::none : cause;
    } catch (CException* e) {
        e->Delete();
        return -1;
    }
}

// Every proper prefix of a good archive fails at its end, and the collection is untouched
// (it stores the same bytes as before).
void ExpectPrefixesFail(const Bytes& good, CObject& target)
{
    Bytes before = StoreObject(target);
    for (size_t n = 0; n < good.size(); n++)
    {
        Bytes prefix(good.begin(), good.begin() + n);
        ASSERT_EQ(CArchiveException::endOfFile, LoadFailure(target, prefix)) << n << " bytes";
        ASSERT_EQ(before, StoreObject(target)) << n << " bytes";
    }
}
} // namespace

IMPLEMENT_SERIAL(CSerialPoint, CObject, 1)

TEST(CollectionSerialize, StringArrayWritesTheCountThenEachString)
{
    CStringArray a;
    a.Add("a");
    a.Add("");
    a.Add(CString('x', 300));
    Bytes expected = Bytes{0x03, 0x00, 0x01, 'a', 0x00, 0xFF, 0x2C, 0x01} + Bytes(300, 'x');
    EXPECT_EQ(expected, StoreObject(a));

    CStringArray b;
    b.Add("kept");
    ExpectPrefixesFail(expected, b);
}

TEST(CollectionSerialize, LargeCountsEscapeToADword)
{
    CDWordArray a;
    a.SetSize(0x10000);
    for (INT_PTR i = 0; i < a.GetSize(); i++)
        a[i] = (DWORD)(i * 0x01010101u);
    Bytes bytes = StoreObject(a);
    ASSERT_EQ(6u + 4u * 0x10000, bytes.size());
    EXPECT_EQ((Bytes{0xFF, 0xFF, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x01, 0x01, 0x01}),
              Bytes(bytes.begin(), bytes.begin() + 14));
    EXPECT_EQ((Bytes{0xFF, 0xFE, 0xFF, 0xFF}), Bytes(bytes.end() - 4, bytes.end())); // 0xFFFF * 0x01010101

    CDWordArray b;
    LoadObject(b, bytes);
    ASSERT_EQ(a.GetSize(), b.GetSize());
    EXPECT_EQ(0, memcmp(a.GetData(), b.GetData(), 4 * 0x10000));
}

TEST(CollectionSerialize, ListsWriteTheCountThenEachElement)
{
    CList<int, int> list;
    list.AddTail(1);
    list.AddTail(-2);
    Bytes bytes = StoreObject(list);
    EXPECT_EQ((Bytes{0x02, 0x00, 0x01, 0x00, 0x00, 0x00, 0xFE, 0xFF, 0xFF, 0xFF}), bytes);
    ExpectPrefixesFail(bytes, list);
}

TEST(CollectionSerialize, MapsWriteKeysAndValuesInIterationOrder)
{
    CMap<CString, LPCTSTR, int, int> m;
    m["one"] = 1;
    m["two"] = 2;
    m["three"] = 3;
    Bytes expected = {0x03, 0x00};
    for (POSITION pos = m.GetStartPosition(); pos != NULL;)
    {
        CString key;
        int value;
        m.GetNextAssoc(pos, key, value);
        expected = expected + Bytes{(BYTE)key.GetLength()} + Text(key) + Bytes{(BYTE)value, 0x00, 0x00, 0x00};
    }
    Bytes bytes = StoreObject(m);
    EXPECT_EQ(expected, bytes);

    CMap<CString, LPCTSTR, int, int> other;
    other["two"] = 22;
    ExpectPrefixesFail(bytes, other);
}

TEST(CollectionSerialize, ObjectArraysStoreObjectsOnceAndReferToThemAfterwards)
{
    CSerialPoint a(5), b(-1);
    CObArray objects;
    objects.Add(&a);
    objects.Add(&b);
    objects.Add(&a);
    objects.Add(NULL);
    // Indexes: the class is 1, a is 2, b is 3.
    Bytes expected = Bytes{0x04, 0x00, 0xFF, 0xFF, 0x01, 0x00, 0x0C, 0x00} + Text("CSerialPoint")
                     + Bytes{0x05, 0x00, 0x00, 0x00} // a
                     + Bytes{0x01, 0x80, 0xFF, 0xFF, 0xFF, 0xFF} // b
                     + Bytes{0x02, 0x00, 0x00, 0x00}; // a again, NULL
    Bytes bytes = StoreObject(objects);
    EXPECT_EQ(expected, bytes);

    CObArray loaded;
    LoadObject(loaded, bytes);
    ASSERT_EQ(4, loaded.GetSize());
    ASSERT_TRUE(loaded[0]->IsKindOf(RUNTIME_CLASS(CSerialPoint)));
    EXPECT_EQ(5, static_cast<CSerialPoint*>(loaded[0])->m_x);
    EXPECT_EQ(-1, static_cast<CSerialPoint*>(loaded[1])->m_x);
    EXPECT_EQ(loaded[0], loaded[2]);
    EXPECT_EQ(NULL, loaded[3]);
    delete loaded[0];
    delete loaded[1];

    // Cut short, the array keeps the objects read so far for its owner to delete.
    for (size_t n = 0; n < bytes.size(); n++)
    {
        CObArray partial;
        partial.Add(&a);
        EXPECT_EQ(CArchiveException::endOfFile, LoadFailure(partial, Bytes(bytes.begin(), bytes.begin() + n)));
        // Below 6 bytes the count itself is refused; objects end at 24, 30 and 32 bytes.
        INT_PTR nExpected = n < 6 ? 1 : n < 24 ? 0 : n < 30 ? 1 : n < 32 ? 2 : 3;
        ASSERT_EQ(nExpected, partial.GetSize()) << n;
        if (n < 6)
            continue;
        for (INT_PTR i = 0; i < partial.GetSize() && i < 2; i++)
            delete partial[i];
    }
}

TEST(CollectionSerialize, PointerCollectionsStoreNothing)
{
    int n = 0;
    CPtrArray pointers;
    pointers.Add(&n);
    CPtrList list;
    list.AddTail(&n);
    CUIntArray uints;
    uints.Add(7);
    EXPECT_TRUE(StoreObject(pointers).empty());
    EXPECT_TRUE(StoreObject(list).empty());
    EXPECT_TRUE(StoreObject(uints).empty());
}

TEST(CollectionSerialize, TypesWithoutAnArchiveFormAreRefused)
{
    struct CHandleLike
    {
        CString name; // neither plain bytes nor a framework object
    };
    CArray<CHandleLike> a;
    a.SetSize(1);
    EXPECT_EQ(CArchiveException::genericException, ArchiveCauseOf([&] { StoreObject(a); }));
}

TEST(CollectionSerialize, CountsBeyondTheDataFailBeforeAllocating)
{
    // Claimed counts far beyond the bytes that follow.
    std::vector<Bytes> hostile = {
        Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x02, 0x03},
        Bytes{0xFF, 0xFF, 0x00, 0x00, 0x00, 0x40} + Bytes(64, 0),
        Bytes{0xFE, 0xFF} + Bytes(100, 1),
    };
    for (const Bytes& bytes : hostile)
    {
        CStringArray strings;
        strings.Add("kept");
        EXPECT_NE(CArchiveException::none, LoadFailure(strings, bytes));
        EXPECT_EQ(1, strings.GetSize());
        CDWordArray dwords;
        EXPECT_NE(CArchiveException::none, LoadFailure(dwords, bytes));
        EXPECT_TRUE(dwords.IsEmpty());
        CList<double, double> doubles;
        EXPECT_NE(CArchiveException::none, LoadFailure(doubles, bytes));
        EXPECT_TRUE(doubles.IsEmpty());
        CMap<int, int, CString, LPCTSTR> map;
        EXPECT_NE(CArchiveException::none, LoadFailure(map, bytes));
        EXPECT_TRUE(map.IsEmpty());
        CObArray objects;
        EXPECT_NE(CArchiveException::none, LoadFailure(objects, bytes));
        EXPECT_TRUE(objects.IsEmpty());
    }
}

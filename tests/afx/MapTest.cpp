// Tests of CMap: many keys, collisions, removal while iterating, the hash table size, text keys
// and elements that own resources.
#include <gtest/gtest.h>

#include "afxtempl.h"
#include "support/AfxExceptionCatch.h"
#include "support/TestRandom.h"
#include "support/TrackedValue.h"

#include <map>
#include <set>
#include <vector>

template<>
inline UINT AFXAPI HashKey<const TrackedValue&>(const TrackedValue& key)
{
    return (UINT)key.m_nValue;
}

namespace
{
typedef CMap<int, int, int, int> CIntMap;

std::map<int, int> Contents(const CIntMap& m)
{
    std::map<int, int> result;
    POSITION pos = m.GetStartPosition();
    while (pos != NULL)
    {
        int key, value;
        m.GetNextAssoc(pos, key, value);
        EXPECT_TRUE(result.emplace(key, value).second) << "key " << key << " visited twice";
    }
    return result;
}

std::vector<int> KeyOrder(const CIntMap& m)
{
    std::vector<int> keys;
    for (POSITION pos = m.GetStartPosition(); pos != NULL;)
    {
        int key, value;
        m.GetNextAssoc(pos, key, value);
        keys.push_back(key);
    }
    return keys;
}

// Shows the hash table, which is not part of the public interface.
class CProbeMap : public CIntMap
{
public:
    bool HasTable() const { return m_pHashTable != NULL; }
    bool HasBlocks() const { return m_pBlocks != NULL; }
};
} // namespace

TEST(Map, HoldsManyKeysLikeAReferenceMap)
{
    CIntMap m;
    std::map<int, int> reference;
    TestRandom random(7);
    for (int i = 0; i < 20000; i++)
    {
        int key = (int)random.Below(5000) - 2500;
        switch (random.Below(4))
        {
        case 0:
        {
            bool bRemoved = reference.erase(key) == 1;
            EXPECT_EQ(bRemoved, m.RemoveKey(key) != FALSE);
            break;
        }
        case 1:
            m[key] += 3;
            reference[key] += 3;
            break;
        default:
            m.SetAt(key, i);
            reference[key] = i;
            break;
        }
    }
    EXPECT_EQ((INT_PTR)reference.size(), m.GetCount());
    EXPECT_EQ(reference, Contents(m));
    for (int key = -2600; key < 2600; key++)
    {
        int value = -1;
        auto it = reference.find(key);
        ASSERT_EQ(it != reference.end(), m.Lookup(key, value) != FALSE) << key;
        EXPECT_EQ(it != reference.end() ? it->second : value, value) << key;
    }
}

TEST(Map, IteratesBucketByBucketAndChainsCollisions)
{
    // Keys hash to key >> 4; with 17 buckets 0, 0x110 and 0x220 share bucket 0.
    CIntMap m;
    EXPECT_EQ(17u, m.GetHashTableSize());
    EXPECT_EQ(NULL, m.GetStartPosition());
    for (int key : {0x10, 0, 0x110, 0x220, 0x20})
        m[key] = key + 1;
    // Within a bucket the newest key comes first.
    EXPECT_EQ((std::vector<int>{0x220, 0x110, 0, 0x10, 0x20}), KeyOrder(m));

    EXPECT_TRUE(m.RemoveKey(0x110)); // the middle of a chain
    EXPECT_FALSE(m.RemoveKey(0x110));
    EXPECT_FALSE(m.RemoveKey(0x330)); // same bucket, never added
    EXPECT_EQ((std::vector<int>{0x220, 0, 0x10, 0x20}), KeyOrder(m));
    int value = 0;
    EXPECT_TRUE(m.Lookup(0, value));
    EXPECT_EQ(1, value);
    EXPECT_TRUE(m.Lookup(0x220, value));
    EXPECT_EQ(0x221, value);
    EXPECT_EQ(0, m[0x330]); // a new key starts at zero
    EXPECT_EQ(5, m.GetCount());
}

TEST(Map, RemovesKeysWhileIterating)
{
    CIntMap m;
    m.InitHashTable(7); // long chains
    for (int key = 0; key < 500; key++)
        m[key * 3] = key;
    std::set<int> visited, removed;
    POSITION pos = m.GetStartPosition();
    while (pos != NULL)
    {
        int key, value;
        m.GetNextAssoc(pos, key, value);
        EXPECT_TRUE(visited.insert(key).second) << key;
        EXPECT_EQ(0u, removed.count(key)) << key;
        int nextKey = -1;
        if (pos != NULL)
        {
            POSITION peek = pos;
            m.GetNextAssoc(peek, nextKey, value);
        }
        // The key just returned may go, and so may any other but the next one.
        if (key % 2 == 0 && m.RemoveKey(key))
            removed.insert(key);
        int other = key * 7 % 1500;
        if (key % 5 == 0 && other != nextKey && m.RemoveKey(other))
            removed.insert(other);
    }
    EXPECT_GT(removed.size(), 250u);
    EXPECT_EQ(500 - (INT_PTR)removed.size(), m.GetCount());
    for (const auto& kv : Contents(m))
    {
        EXPECT_EQ(1u, visited.count(kv.first)) << "key " << kv.first << " was skipped";
        EXPECT_EQ(0u, removed.count(kv.first));
    }
}

TEST(Map, InitHashTableSizesTheTableAndKeepsExistingKeys)
{
    CIntMap m(4);
    m.InitHashTable(3, FALSE);
    EXPECT_EQ(3u, m.GetHashTableSize());
    for (int key : {0x00, 0x10, 0x20, 0x30, 0x40})
        m[key] = key;
    EXPECT_EQ((std::vector<int>{0x30, 0x00, 0x40, 0x10, 0x20}), KeyOrder(m));

    m.InitHashTable(101);
    EXPECT_EQ(101u, m.GetHashTableSize());
    EXPECT_EQ((std::vector<int>{0x00, 0x10, 0x20, 0x30, 0x40}), KeyOrder(m));
    EXPECT_EQ((std::map<int, int>{{0, 0}, {16, 16}, {32, 32}, {48, 48}, {64, 64}}), Contents(m));

    EXPECT_TRUE(ThrowsAfx<CInvalidArgException>([&] { m.InitHashTable(0); }));
    EXPECT_EQ(101u, m.GetHashTableSize());
    EXPECT_EQ(5, m.GetCount());
}

TEST(Map, ReleasesItsStorageWhenEmptyAndKeepsTheTableSize)
{
    CProbeMap m;
    m.InitHashTable(31);
    EXPECT_TRUE(m.HasTable());
    m[1] = 1;
    m[2] = 2;
    m.RemoveKey(1);
    EXPECT_TRUE(m.HasBlocks());
    m.RemoveKey(2);
    EXPECT_FALSE(m.HasTable());
    EXPECT_FALSE(m.HasBlocks());
    EXPECT_EQ(31u, m.GetHashTableSize());
    m[3] = 3;
    EXPECT_EQ(1, m.GetCount());
    m.RemoveAll();
    EXPECT_EQ(NULL, m.GetStartPosition());
    EXPECT_EQ(31u, m.GetHashTableSize());

    // A position kept past the end of the map is refused, not followed.
    POSITION pos = BEFORE_START_POSITION;
    int key, value;
    EXPECT_TRUE(ThrowsAfx<CInvalidArgException>([&] { m.GetNextAssoc(pos, key, value); }));
}

TEST(Map, HashesTextByItsCharacters)
{
    EXPECT_EQ((UINT)('a' * 33 + 'b'), HashKey<LPCTSTR>("ab"));
    EXPECT_EQ(HashKey<LPCTSTR>("key"), HashKey<const CString&>(CString("key")));
    EXPECT_EQ(0x12u, HashKey<int>(0x123));
    EXPECT_EQ(0x0FFFFFFFu, HashKey<int>(-1));

    CMap<CString, LPCTSTR, int, int> byText;
    char buffer[8] = "alpha";
    byText[buffer] = 1; // the key is copied, not the pointer
    buffer[0] = 'A';
    byText["beta"] = 2;
    int value = 0;
    EXPECT_TRUE(byText.Lookup("alpha", value));
    EXPECT_EQ(1, value);
    EXPECT_FALSE(byText.Lookup("Alpha", value));
    EXPECT_TRUE(byText.RemoveKey("beta"));
}

TEST(Map, ConstructsAndDestroysKeysAndValues)
{
    {
        CMap<int, int, TrackedValue, const TrackedValue&> m(3);
        for (int i = 0; i < 10; i++)
            m.SetAt(i, TrackedValue(i));
        EXPECT_EQ(10, TrackedValue::s_nLive);
        m.RemoveKey(4);
        EXPECT_EQ(9, TrackedValue::s_nLive);
        TrackedValue found;
        EXPECT_TRUE(m.Lookup(5, found));
        EXPECT_EQ(5, found.m_nValue);
        m.RemoveAll();
        EXPECT_EQ(1, TrackedValue::s_nLive);
        m[1] = TrackedValue(1);
    }
    EXPECT_EQ(0, TrackedValue::s_nLive);

    // A key whose copy fails leaves the map as it was.
    CMap<TrackedValue, const TrackedValue&, int, int> byTracked;
    byTracked[TrackedValue(1)] = 1;
    TrackedValue::s_nCopiesLeft = 0;
    EXPECT_THROW(byTracked[TrackedValue(2)] = 2, TrackedValue::CopyFailure);
    TrackedValue::s_nCopiesLeft = -1;
    EXPECT_EQ(1, byTracked.GetCount());
    EXPECT_EQ(1, byTracked[TrackedValue(1)]);
}

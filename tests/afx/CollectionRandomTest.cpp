// Randomised tests of CArray, CList and CMap: seeded sequences of edits, applied both to the
// collection and to a standard container, compared after every step. Strings as elements make
// the sanitizers see every element that is not constructed, copied or destroyed as it should be.
#include <gtest/gtest.h>

#include "afxcoll.h"
#include "afxtempl.h"
#include "support/AfxExceptionCatch.h"
#include "support/ArchiveBytes.h"
#include "support/TestRandom.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <list>
#include <map>
#include <string>
#include <vector>

namespace
{
const int kSeeds = 24;
const int kSteps = 400;

typedef std::vector<std::string> Texts;

// Mostly short texts from a small alphabet, so that searches find something; now and then an
// empty one or one long enough to take the archive's longer length form.
std::string RandomText(TestRandom& random)
{
    switch (random.Below(10))
    {
    case 0:
        return std::string();
    case 1:
        return std::string(250 + random.Below(10), (char)('a' + random.Below(3)));
    default:
    {
        std::string text;
        for (uint32_t n = 1 + random.Below(2); n > 0; n--)
            text += (char)('a' + random.Below(3));
        return text;
    }
    }
}

std::string Describe(uint64_t seed, int step, uint32_t op)
{
    return "seed " + std::to_string(seed) + ", step " + std::to_string(step) + ", operation " + std::to_string(op);
}

// --- CArray ---------------------------------------------------------------------------------

Texts Contents(const CStringArray& a)
{
    Texts texts;
    for (INT_PTR i = 0; i < a.GetSize(); i++)
        texts.push_back((LPCTSTR)a[i]);
    return texts;
}

void Fill(CStringArray& a, Texts& ref, TestRandom& random)
{
    a.RemoveAll();
    ref.clear();
    for (uint32_t n = random.Below(6); n > 0; n--)
    {
        ref.push_back(RandomText(random));
        a.Add(ref.back().c_str());
    }
}

// A misused index throws and leaves the array as it was.
bool RefusesBadIndex(CStringArray& a, TestRandom& random)
{
    INT_PTR n = a.GetSize();
    switch (random.Below(6))
    {
    case 0: return ThrowsAfx<CInvalidArgException>([&] { a.GetAt(n); });
    case 1: return ThrowsAfx<CInvalidArgException>([&] { a[-1] = "x"; });
    case 2: return ThrowsAfx<CInvalidArgException>([&] { a.SetAtGrow(-1, "x"); });
    case 3: return ThrowsAfx<CInvalidArgException>([&] { a.RemoveAt(n / 2, n - n / 2 + 1); });
    case 4: return ThrowsAfx<CInvalidArgException>([&] { a.InsertAt(-1, "x"); });
    default: return ThrowsAfx<CInvalidArgException>([&] { a.InsertAt(0, (CStringArray*)NULL); });
    }
}

// --- CList ----------------------------------------------------------------------------------

class CProbeList : public CStringList
{
public:
    explicit CProbeList(INT_PTR nBlockSize) : CStringList(nBlockSize) {}
    bool HasBlocks() const { return m_pBlocks != NULL; }
};

typedef std::list<std::string> TextList;

TextList Forward(const CStringList& list)
{
    TextList texts;
    for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
        texts.push_back((LPCTSTR)list.GetNext(pos));
    return texts;
}

TextList Backward(const CStringList& list)
{
    TextList texts;
    for (POSITION pos = list.GetTailPosition(); pos != NULL;)
        texts.push_front((LPCTSTR)list.GetPrev(pos));
    return texts;
}

// --- CMap -----------------------------------------------------------------------------------

typedef CMap<CString, LPCTSTR, int, int> CTextMap;
typedef std::map<std::string, int> TextMap;

class CProbeMap : public CTextMap
{
public:
    bool HoldsStorage() const { return m_pHashTable != NULL || m_pBlocks != NULL; }
};

TextMap Contents(const CTextMap& m)
{
    TextMap result;
    for (POSITION pos = m.GetStartPosition(); pos != NULL;)
    {
        CString key;
        int value;
        m.GetNextAssoc(pos, key, value);
        EXPECT_TRUE(result.emplace((LPCTSTR)key, value).second) << "key " << (LPCTSTR)key << " visited twice";
    }
    return result;
}

std::string RandomKey(TestRandom& random)
{
    return "k" + std::to_string(random.Below(40));
}
} // namespace

TEST(Array, MatchesAVectorThroughRandomEdits)
{
    for (uint64_t seed = 1; seed <= kSeeds; seed++)
    {
        TestRandom random(seed);
        CStringArray a, other;
        Texts ref, otherRef;
        Fill(other, otherRef, random);
        for (int step = 0; step < kSteps; step++)
        {
            const INT_PTR n = a.GetSize();
            const uint32_t op = random.Below(17);
            SCOPED_TRACE(Describe(seed, step, op));
            const std::string text = RandomText(random);
            const INT_PTR i = n ? (INT_PTR)random.Below((uint32_t)n) : 0; // an element, if any
            const INT_PTR at = random.Below((uint32_t)n + 3); // up to two past the end
            const INT_PTR count = random.Below(4);
            const bool bSelf = random.Below(3) == 0; // the array itself as the source
            const Texts source = bSelf ? ref : otherRef;
            if (n == 0 && (op == 1 || op == 2 || op == 5 || op == 7 || op == 8 || op == 12))
                continue;
            switch (op)
            {
            case 0:
                ASSERT_EQ(n, a.Add(text.c_str()));
                ref.push_back(text);
                break;
            case 1: // an element of the array itself, while the array grows under it
                a.FreeExtra();
                a.Add(a[i]);
                ref.push_back(ref[i]);
                break;
            case 2:
                a.SetAt(i, text.c_str());
                ref[i] = text;
                break;
            case 3:
                a.SetAtGrow(at, text.c_str());
                ref.resize(std::max<size_t>(ref.size(), at + 1));
                ref[at] = text;
                break;
            case 4: // beyond the end pads with empty strings
                a.InsertAt(at, text.c_str(), count);
                if (count > 0 && at > n)
                    ref.resize(at);
                ref.insert(ref.begin() + std::min<INT_PTR>(at, ref.size()), count, text);
                break;
            case 5: // an element of the array itself, shifted or moved by the insertion
                if (count & 1)
                    a.FreeExtra();
                a.InsertAt(std::min(at, n), a[i], count);
                ref.insert(ref.begin() + std::min(at, n), count, std::string(ref[i]));
                break;
            case 6:
                a.InsertAt(std::min(at, n), bSelf ? &a : &other);
                ref.insert(ref.begin() + std::min(at, n), source.begin(), source.end());
                break;
            case 7:
            case 8:
                a.RemoveAt(i, std::min<INT_PTR>(count, n - i));
                ref.erase(ref.begin() + i, ref.begin() + i + std::min<INT_PTR>(count, n - i));
                break;
            case 9:
                a.SetSize(at, count % 3);
                ref.resize(at);
                break;
            case 10:
                ASSERT_EQ(n, a.Append(bSelf ? a : other));
                ref.insert(ref.end(), source.begin(), source.end());
                break;
            case 11: // copies share their texts until one side writes
                if (count & 1)
                    other.Copy(a);
                else
                    a.Copy(bSelf ? a : other);
                (count & 1 ? otherRef : ref) = count & 1 ? ref : source;
                break;
            case 12:
                a[i] += "!";
                ref[i] += "!";
                if (!other.IsEmpty())
                {
                    other[0].MakeUpper();
                    std::transform(otherRef[0].begin(), otherRef[0].end(), otherRef[0].begin(), ::toupper);
                }
                break;
            case 13:
                ASSERT_TRUE(RefusesBadIndex(a, random));
                break;
            case 14: // stored and read back into an array that held something else
            {
                CStringArray loaded;
                loaded.Add("stale");
                LoadObject(loaded, StoreObject(a));
                ASSERT_EQ(ref, Contents(loaded));
                a.Copy(loaded);
                break;
            }
            case 15:
                Fill(other, otherRef, random);
                break;
            default:
                if (n > 40 || count == 0)
                {
                    a.RemoveAll();
                    ASSERT_EQ(NULL, a.GetData()); // an empty array gives back its storage
                    ref.clear();
                }
                break;
            }
            ASSERT_EQ(ref, Contents(a));
            ASSERT_EQ(otherRef, Contents(other));
        }
    }
}

TEST(List, MatchesAListThroughRandomEdits)
{
    for (uint64_t seed = 1; seed <= kSeeds; seed++)
    {
        TestRandom random(seed);
        CProbeList l(1 + random.Below(4)), other(3);
        TextList ref, otherRef;
        for (int step = 0; step < kSteps; step++)
        {
            const INT_PTR n = l.GetCount();
            const uint32_t op = random.Below(15);
            SCOPED_TRACE(Describe(seed, step, op));
            const std::string text = RandomText(random);
            const INT_PTR i = n ? (INT_PTR)random.Below((uint32_t)n) : 0;
            // A position in both lists, or NULL (the end) now and then.
            POSITION pos = random.Below(5) ? l.FindIndex(i) : NULL;
            TextList::iterator it = pos ? std::next(ref.begin(), i) : ref.end();
            const bool bSelf = random.Below(3) == 0;
            const TextList source = bSelf ? ref : otherRef;
            const uint32_t choice = random.Below(4);
            POSITION added = NULL;
            switch (op)
            {
            case 0:
                added = l.AddHead(text.c_str());
                ASSERT_EQ(l.GetHeadPosition(), added);
                ref.push_front(text);
                break;
            case 1:
                added = l.AddTail(text.c_str());
                ASSERT_EQ(l.GetTailPosition(), added);
                ref.push_back(text);
                break;
            case 2: // NULL inserts at the head
                added = l.InsertBefore(pos, text.c_str());
                ASSERT_STREQ(text.c_str(), l.GetAt(added));
                ref.insert(pos ? it : ref.begin(), text);
                break;
            case 3: // NULL inserts at the tail
                added = l.InsertAfter(pos, text.c_str());
                ASSERT_STREQ(text.c_str(), l.GetAt(added));
                ref.insert(pos ? std::next(it) : ref.end(), text);
                break;
            case 4:
                if (n == 0)
                {
                    ASSERT_TRUE(ThrowsAfx<CInvalidArgException>([&] { l.RemoveHead(); }));
                    ASSERT_TRUE(ThrowsAfx<CInvalidArgException>([&] { l.GetTail(); }));
                }
                else if (choice & 1)
                {
                    ASSERT_STREQ(ref.front().c_str(), l.RemoveHead());
                    ref.pop_front();
                }
                else
                {
                    ASSERT_STREQ(ref.back().c_str(), l.RemoveTail());
                    ref.pop_back();
                }
                break;
            case 5:
                if (pos == NULL)
                {
                    ASSERT_TRUE(ThrowsAfx<CInvalidArgException>([&] { l.RemoveAt(NULL); }));
                    break;
                }
                l.RemoveAt(pos);
                ref.erase(it);
                break;
            case 6:
                if (pos == NULL)
                    break;
                l.SetAt(pos, text.c_str());
                l.GetAt(pos) += "!";
                *it = text + "!";
                break;
            case 7:
                l.AddHead(bSelf ? &l : &other);
                ref.insert(ref.begin(), source.begin(), source.end());
                break;
            case 8:
                l.AddTail(bSelf ? &l : &other);
                ref.insert(ref.end(), source.begin(), source.end());
                break;
            case 9: // the next match after a position, or from the head for NULL
            {
                TextList::iterator match = std::find(pos ? std::next(it) : ref.begin(), ref.end(), text);
                POSITION expected = match == ref.end() ? NULL : l.FindIndex(std::distance(ref.begin(), match));
                ASSERT_EQ(expected, l.Find(text.c_str(), pos));
                break;
            }
            case 10:
            {
                const INT_PTR index = i - 1 + (INT_PTR)choice; // one before the head to two past the tail
                added = l.FindIndex(index);
                ASSERT_EQ(index < 0 || index >= n, added == NULL);
                if (added != NULL)
                {
                    ASSERT_STREQ(std::next(ref.begin(), index)->c_str(), l.GetAt(added));
                }
                break;
            }
            case 11: // removal while iterating, with the saved neighbour as the next position
            {
                const char doomed = (char)('a' + choice % 3);
                for (POSITION walk = choice & 1 ? l.GetHeadPosition() : l.GetTailPosition(); walk != NULL;)
                {
                    POSITION current = walk;
                    const CString& value = choice & 1 ? l.GetNext(walk) : l.GetPrev(walk);
                    if (!value.IsEmpty() && value[0] == doomed)
                        l.RemoveAt(current);
                }
                ref.remove_if([&](const std::string& s) { return !s.empty() && s[0] == doomed; });
                break;
            }
            case 12: // loading appends to what the list holds
            {
                CStringList loaded;
                loaded.AddTail("stale");
                LoadObject(loaded, StoreObject(l));
                TextList expected = ref;
                expected.push_front("stale");
                ASSERT_EQ(expected, Forward(loaded));
                break;
            }
            case 13:
                other.RemoveAll();
                otherRef.clear();
                for (uint32_t k = choice; k > 0; k--)
                {
                    otherRef.push_back(RandomText(random));
                    other.AddTail(otherRef.back().c_str());
                }
                break;
            default:
                if (n > 40 || choice == 0)
                {
                    l.RemoveAll();
                    ref.clear();
                }
                break;
            }
            ASSERT_EQ(ref, Forward(l));
            ASSERT_EQ(ref, Backward(l));
            ASSERT_EQ((INT_PTR)ref.size(), l.GetCount());
            ASSERT_EQ(ref.empty(), !l.HasBlocks()); // an empty list gives back its nodes
        }
    }
}

TEST(Map, MatchesAMapThroughRandomEdits)
{
    const UINT tableSizes[] = {1, 2, 7, 17, 101};
    for (uint64_t seed = 1; seed <= kSeeds; seed++)
    {
        TestRandom random(seed);
        CProbeMap m;
        TextMap ref;
        bool bTableAsked = false; // a table sized on an empty map stays until the map empties again
        for (int step = 0; step < kSteps; step++)
        {
            const uint32_t op = random.Below(10);
            SCOPED_TRACE(Describe(seed, step, op));
            const std::string key = RandomKey(random);
            const int value = (int)random.Below(1000) - 500;
            // The map keeps its own copy of a key given as a pointer.
            char buffer[16];
            strcpy(buffer, key.c_str());
            switch (op)
            {
            case 0:
            case 1:
                m.SetAt(buffer, value);
                ref[key] = value;
                break;
            case 2:
                m[buffer] += value;
                ref[key] += value;
                break;
            case 3:
            case 4:
                ASSERT_EQ(ref.erase(key) == 1, m.RemoveKey(buffer) != FALSE);
                break;
            case 5:
            {
                int found = -1;
                auto it = ref.find(key);
                ASSERT_EQ(it != ref.end(), m.Lookup(buffer, found) != FALSE);
                if (it != ref.end())
                {
                    ASSERT_EQ(it->second, found);
                }
                break;
            }
            case 6: // removal of the association just returned, while iterating
            {
                int parity = (int)random.Below(2);
                for (POSITION pos = m.GetStartPosition(); pos != NULL;)
                {
                    CString k;
                    int v;
                    m.GetNextAssoc(pos, k, v);
                    if ((v & 1) == parity)
                    {
                        ASSERT_TRUE(m.RemoveKey(k));
                    }
                }
                for (auto it = ref.begin(); it != ref.end();)
                    it = (it->second & 1) == parity ? ref.erase(it) : std::next(it);
                break;
            }
            case 7: // a new table size redistributes what the map holds
                m.InitHashTable(tableSizes[random.Below(5)], random.Below(2));
                break;
            case 8: // loading adds to what the map holds, a key read again taking the later value
            {
                CTextMap loaded;
                loaded["stale"] = 1;
                if (!ref.empty())
                    loaded[ref.begin()->first.c_str()] = ref.begin()->second + 1;
                LoadObject(loaded, StoreObject(m));
                TextMap expected = ref;
                expected["stale"] = 1;
                ASSERT_EQ(expected, Contents(loaded));
                break;
            }
            default:
                if (ref.size() > 30 || random.Below(4) == 0)
                {
                    m.RemoveAll();
                    ref.clear();
                }
                break;
            }
            buffer[0] = 'X';
            ASSERT_EQ((INT_PTR)ref.size(), m.GetCount());
            ASSERT_EQ(ref, Contents(m));
            bTableAsked = op == 7 ? ref.empty() : bTableAsked && ref.empty();
            if (ref.empty() && !bTableAsked)
            {
                ASSERT_FALSE(m.HoldsStorage()); // an emptied map gives back its storage
            }
        }
    }
}

// Hostile archives: truncated, mutated, random and forged inputs read through every reader, over
// a seekable memory file and over a stream that cannot tell its length. Each read must succeed
// or throw CArchiveException or CMemoryException; under the sanitizers nothing may leak.
#include <afx.h>
#include <afxcoll.h>
#include <afxtempl.h>
#include <support/ArchiveBytes.h>
#include <support/TestRandom.h>
#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

// Every node lives in this arena until it is deleted, so whatever the input links together,
// each node is released exactly once when a read is over.
std::set<CObject*>& Arena()
{
    static std::set<CObject*> arena;
    return arena;
}

void ClearArena()
{
    while (!Arena().empty())
        delete *Arena().begin();
}

// A node of a small graph: a name, children, a link to any node read before, some values.
class CHostileNode : public CObject
{
    DECLARE_SERIAL(CHostileNode)
public:
    CHostileNode() { Arena().insert(this); }
    ~CHostileNode() override { Arena().erase(this); }
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            ar << m_name;
            ar.WriteCount(m_children.size());
            for (CObject* p : m_children)
                ar << p;
            ar << m_pLink;
            ar.WriteCount(m_values.size());
            for (DWORD v : m_values)
                ar << v;
        } else {
            m_nSchema = ar.GetObjectSchema();
            ar >> m_name;
            DWORD_PTR n = ar.ReadCount();
            for (DWORD_PTR i = 0; i < n; i++) {
                CHostileNode* p;
                ar >> p;
                m_children.push_back(p);
            }
            m_pLink = ar.ReadObject(RUNTIME_CLASS(CHostileNode));
            n = ar.ReadCount();
            for (DWORD_PTR i = 0; i < n; i++) {
                DWORD v;
                ar >> v;
                m_values.push_back(v);
            }
        }
    }
    CString m_name;
    std::vector<CObject*> m_children;
    CObject* m_pLink = NULL;
    std::vector<DWORD> m_values;
    UINT m_nSchema = 0;
};
IMPLEMENT_SERIAL(CHostileNode, CObject, VERSIONABLE_SCHEMA | 2)

// A file that only reads forward and cannot tell how much is left, like a pipe.
class CStreamFile : public CFile
{
public:
    explicit CStreamFile(const Bytes& bytes) : m_bytes(bytes) {}
    UINT Read(void* lpBuf, UINT nCount) override
    {
        UINT n = (UINT)std::min<size_t>(nCount, m_bytes.size() - m_nPos);
        if (n != 0)
            memcpy(lpBuf, m_bytes.data() + m_nPos, n);
        m_nPos += n;
        return n;
    }
    LONG Seek(LONG, UINT) override { AfxThrowNotSupportedException(); }
    BOOL GetBytesRemaining(ULONGLONG&) const override { return FALSE; }

private:
    const Bytes& m_bytes;
    size_t m_nPos = 0;
};

// The readers: each reads as far as the input lets it.
void ReadValues(CArchive& ar)
{
    for (;;) {
        BYTE by; WORD w; LONG l; DWORD dw; float f; double d; LONGLONG ll; bool b;
        ar >> by >> w >> l >> dw >> f >> d >> ll >> b;
    }
}

void ReadStrings(CArchive& ar)
{
    for (;;) {
        CString s;
        ar >> s;
    }
}

void ReadCounted(CArchive& ar)
{
    for (;;) {
        DWORD_PTR n = ar.ReadCount();
        std::vector<BYTE> items;
        for (DWORD_PTR i = 0; i < n; i++) {
            BYTE by;
            ar >> by;
            items.push_back(by);
        }
    }
}

void ReadLines(CArchive& ar)
{
    CString line;
    while (ar.ReadString(line)) {
    }
}

void ReadGraph(CArchive& ar)
{
    for (;;) {
        CObject* p = ar.ReadObject(RUNTIME_CLASS(CHostileNode));
        (void)p;
    }
}

void ReadClasses(CArchive& ar)
{
    for (;;)
        ar.ReadClass(RUNTIME_CLASS(CObject));
}

// The framework's collections in their archive forms, read again and again.
template <class TCollection>
void ReadCollection(CArchive& ar)
{
    for (;;) {
        TCollection collection;
        collection.Serialize(ar);
    }
}

// Their objects by name (a string array is a serial class of the framework's own module).
void ReadStringArrayObjects(CArchive& ar)
{
    for (;;) {
        CStringArray* pArray;
        ar >> pArray;
        delete pArray;
    }
}

typedef void (*Reader)(CArchive&);
const Reader kReaders[] = {
    ReadValues, ReadStrings, ReadCounted, ReadLines, ReadGraph, ReadClasses,
    ReadCollection<CStringArray>, ReadCollection<CStringList>, ReadCollection<CDWordArray>,
    ReadCollection<CArray<WORD, WORD>>, ReadCollection<CList<CString, const CString&>>,
    ReadCollection<CMap<DWORD, DWORD, CString, const CString&>>, ReadStringArrayObjects,
};

// Runs every reader over the input; reports anything but the two allowed exceptions.
void ReadEverything(const Bytes& bytes)
{
    for (Reader reader : kReaders) {
        for (int stream = 0; stream < 2; stream++) {
            try {
                Bytes copy(bytes);
                CMemFile memory(copy.data(), (UINT)copy.size());
                CStreamFile pipe(copy);
                CArchive ar(stream ? (CFile*)&pipe : (CFile*)&memory, CArchive::load, 128);
                reader(ar);
            } catch (CArchiveException* e) {
                e->Delete();
            } catch (CMemoryException* e) {
                e->Delete();
            } catch (CException* e) {
                ADD_FAILURE() << "unexpected " << e->GetRuntimeClass()->m_lpszClassName;
                e->Delete();
            }
            ClearArena();
        }
    }
}

// A random graph written through the archive: names of every length form, back links,
// cycles through parents, shared children.
Bytes RandomValidArchive(TestRandom& random)
{
    std::vector<CHostileNode*> nodes;
    int nNodes = 1 + random.Below(8);
    for (int i = 0; i < nNodes; i++) {
        CHostileNode* p = new CHostileNode;
        static const int lengths[] = {0, 1, 5, 254, 255, 300};
        p->m_name = CString('n', lengths[random.Below(6)]);
        for (UINT v = random.Below(4); v > 0; v--)
            p->m_values.push_back((DWORD)random.Next());
        if (i > 0) {
            nodes[random.Below(i)]->m_children.push_back(p);
            p->m_pLink = random.Below(2) ? nodes[random.Below(i)] : NULL;
        }
        nodes.push_back(p);
    }
    CStringArray strings;
    for (UINT n = random.Below(5); n > 0; n--)
        strings.Add(CString('s', random.Below(300)));
    CMap<DWORD, DWORD, CString, const CString&> map;
    for (UINT n = random.Below(4); n > 0; n--)
        map[(DWORD)random.Next()] = CString('m', random.Below(20));
    Bytes bytes = StoreBytes([&](CArchive& ar) {
        ar << nodes[0];
        ar << CString("tail") << (DWORD)random.Next();
        ar.WriteString("line\r\n");
        strings.Serialize(ar);
        map.Serialize(ar);
        ar << &strings;
    });
    ClearArena();
    return bytes;
}

// One collection in its archive form, so that its own reader meets the mutations in frame.
Bytes RandomCollectionArchive(TestRandom& random)
{
    CStringArray strings;
    CList<CString, const CString&> list;
    CMap<DWORD, DWORD, CString, const CString&> map;
    for (UINT n = random.Below(20); n > 0; n--) {
        CString s('c', random.Below(300));
        strings.Add(s);
        list.AddTail(s);
        map[(DWORD)random.Next()] = s;
    }
    CObject* collections[] = {&strings, &list, &map};
    CObject* pChosen = collections[random.Below(3)];
    return StoreBytes([&](CArchive& ar) { pChosen->Serialize(ar); });
}

// Pieces that forge lengths, counts, tags and class records.
Bytes ForgedPiece(TestRandom& random)
{
    static const Bytes pieces[] = {
        {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}, // string of 2 GB
        {0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0xFF}, // string of 4 GB
        {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, // wide string of 4 G characters
        {0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF},       // marker twice
        {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F},       // count of 2 G
        {0xFF, 0x7F, 0xFF, 0xFF, 0xFF, 0xFF},       // biggest class reference
        {0xFF, 0x7F, 0xFF, 0xFF, 0xFF, 0x7F},       // biggest object reference
        {0x05, 0x00},                               // forward object reference
        {0x03, 0x80},                               // forward class reference
        {0x02, 0x00},                               // reference to what may be in progress
        {0xFF, 0xFF, 0x02, 0x00, 0xFF, 0xFF},       // class name of 64 K
        {0xFF, 0xFF, 0x02, 0x00, 0x41, 0x00},       // class name of 65
        {0xFF, 0xFF, 0x02, 0x00, 0x0C, 0x00, 'C', 'H', 'o', 's', 't', 'i', 'l', 'e', 'N', 'o', 'd', 'e'},
        {0xFF, 0xFF, 0x09, 0x00, 0x0C, 0x00, 'C', 'H', 'o', 's', 't', 'i', 'l', 'e', 'N', 'o', 'd', 'e'},
        {0xFF, 0xFF, 0x01, 0x00, 0x07, 0x00, 'C', 'O', 'b', 'j', 'e', 'c', 't'},
    };
    return pieces[random.Below(sizeof pieces / sizeof pieces[0])];
}

Bytes Mutate(Bytes bytes, TestRandom& random)
{
    for (UINT n = 1 + random.Below(4); n > 0; n--) {
        size_t at = bytes.empty() ? 0 : random.Below((uint32_t)bytes.size());
        switch (random.Below(5)) {
        case 0:
            if (!bytes.empty())
                bytes[at] ^= (uint8_t)(1 + random.Below(255));
            break;
        case 1:
            if (!bytes.empty())
                bytes[at] = random.Below(2) ? 0xFF : 0x00;
            break;
        case 2: {
            Bytes piece = ForgedPiece(random);
            bytes.insert(bytes.begin() + at, piece.begin(), piece.end());
            break;
        }
        case 3:
            if (!bytes.empty())
                bytes.erase(bytes.begin() + at, bytes.begin() + std::min(bytes.size(), at + 1 + random.Below(8)));
            break;
        default:
            bytes.resize(at);
            break;
        }
    }
    return bytes;
}

} // namespace

TEST(ArchiveHostile, ValidArchivesReadBackWhole)
{
    TestRandom random(7);
    for (int i = 0; i < 50; i++) {
        Bytes bytes = RandomValidArchive(random);
        LoadBytes(bytes, [](CArchive& ar) {
            CHostileNode* pRoot;
            CString tail, line;
            DWORD n;
            ar >> pRoot >> tail >> n;
            ASSERT_NE(nullptr, pRoot);
            EXPECT_EQ(2u, pRoot->m_nSchema);
            EXPECT_STREQ("tail", tail);
            EXPECT_TRUE(ar.ReadString(line));
            EXPECT_STREQ("line", line);
            CStringArray strings;
            CMap<DWORD, DWORD, CString, const CString&> map;
            strings.Serialize(ar);
            map.Serialize(ar);
            CStringArray* pStrings;
            ar >> pStrings;
            ASSERT_NE(nullptr, pStrings);
            EXPECT_EQ(strings.GetSize(), pStrings->GetSize());
            delete pStrings;
            EXPECT_TRUE(ar.IsBufferEmpty());
        });
        ClearArena();
    }
}

TEST(ArchiveHostile, EveryPrefixOfValidArchives)
{
    TestRandom random(11);
    int nInputs = 0;
    for (int i = 0; i < 8; i++) {
        Bytes bytes = RandomValidArchive(random);
        for (size_t n = 0; n < bytes.size(); n += 1 + bytes.size() / 250, nInputs++)
            ReadEverything(Bytes(bytes.begin(), bytes.begin() + n));
    }
    EXPECT_GT(nInputs, 1000);
}

TEST(ArchiveHostile, MutatedArchives)
{
    TestRandom random(23);
    for (int i = 0; i < 2000; i++)
        ReadEverything(Mutate(RandomValidArchive(random), random));
    for (int i = 0; i < 1000; i++)
        ReadEverything(Mutate(RandomCollectionArchive(random), random));
}

TEST(ArchiveHostile, RandomAndForgedBytes)
{
    TestRandom random(31);
    for (int i = 0; i < 2000; i++) {
        Bytes bytes;
        for (UINT n = random.Below(6); n > 0; n--) {
            Bytes piece = ForgedPiece(random);
            bytes.insert(bytes.end(), piece.begin(), piece.end());
            for (UINT k = random.Below(8); k > 0; k--)
                bytes.push_back((uint8_t)random.Next());
        }
        ReadEverything(bytes);
    }
}

TEST(ArchiveHostile, DeepNestingIsRefusedNotOverflowed)
{
    // Each node holds one child, 100000 deep: a name, a count of one, then the child.
    const char* name = "CHostileNode";
    Bytes bytes = {0xFF, 0xFF, 0x02, 0x00, 0x0C, 0x00};
    bytes.insert(bytes.end(), name, name + 12);
    for (int i = 0; i < 100000; i++) {
        Bytes level = {0x00, 0x01, 0x00, 0x01, 0x80};
        bytes.insert(bytes.end(), level.begin(), level.end());
    }
    LoadBytes(bytes, [](CArchive& ar) {
        try {
            ar.ReadObject(NULL);
            ADD_FAILURE() << "read a graph 100000 deep";
        } catch (CArchiveException* e) {
            EXPECT_EQ(CArchiveException::badIndex, e->m_cause);
            e->Delete();
        }
    });
    EXPECT_TRUE(Arena().empty()); // every half-read level was released
    ClearArena();
}

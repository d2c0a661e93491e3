// The archive's encodings, byte for byte: values, strings, counts, classes, objects and
// references; and the archive's buffering, lines and modes.
#include <afx.h>
#include <afxcoll.h>
#include <support/AfxExceptionCatch.h>
#include <support/ArchiveBytes.h>
#include <support/TempPath.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A point that counts its instances, so tests can tell what reading created and released.
class CArcPoint : public CObject
{
    DECLARE_SERIAL(CArcPoint)
public:
    static int s_nAlive;
    CArcPoint() { s_nAlive++; }
    explicit CArcPoint(LONG x) : m_x(x) { s_nAlive++; }
    ~CArcPoint() override { s_nAlive--; }
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_x;
        else
            ar >> m_x;
    }
    LONG m_x = 0;
};
IMPLEMENT_SERIAL(CArcPoint, CObject, 1)
int CArcPoint::s_nAlive = 0;

// A node that owns its child and refers back to its parent without owning it.
class CArcNode : public CObject
{
    DECLARE_SERIAL(CArcNode)
public:
    ~CArcNode() override { delete m_pChild; }
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            ar << m_pParent << m_pChild;
        } else {
            CObject* pParent;
            ar >> pParent >> m_pChild;
            m_pParent = STATIC_DOWNCAST(CArcNode, pParent);
        }
    }
    CArcNode* m_pParent = NULL;
    CArcNode* m_pChild = NULL;
};
IMPLEMENT_SERIAL(CArcNode, CObject, 1)

// Reads whatever schema it is given and remembers it.
class CArcVersioned : public CObject
{
    DECLARE_SERIAL(CArcVersioned)
public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsLoading()) {
            m_nSchema = ar.GetObjectSchema();
            m_nAfter = ar.GetObjectSchema();
        }
    }
    UINT m_nSchema = 0;
    UINT m_nAfter = 0;
};
IMPLEMENT_SERIAL(CArcVersioned, CObject, VERSIONABLE_SCHEMA | 3)

Bytes ClassRecord(const char* name, WORD schema)
{
    Bytes record = {0xFF, 0xFF, (uint8_t)schema, (uint8_t)(schema >> 8), (uint8_t)strlen(name), 0};
    return record + Text(name);
}

} // namespace

TEST(ArchiveBytes, PrimitivesAreLittleEndianOfFixedSize)
{
    Bytes bytes = StoreBytes([](CArchive& ar) {
        ar << (BYTE)0xAB << (WORD)0x1234 << (LONG)-2 << (DWORD)0x89ABCDEF << 1.5f << 1.0
           << (LONGLONG)0x0102030405060708LL << (ULONGLONG)0xF0E0D0C0B0A09080ULL << 'A' << (short)-3
           << true << false << (signed char)-1 << L'\x263A';
        ar << (int)-5 << (unsigned int)7u << -2L << 0xFFFFFFFEul;
    });
    const Bytes expected = {
        0xAB,                                           // BYTE
        0x34, 0x12,                                     // WORD
        0xFE, 0xFF, 0xFF, 0xFF,                         // LONG
        0xEF, 0xCD, 0xAB, 0x89,                         // DWORD
        0x00, 0x00, 0xC0, 0x3F,                         // float
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x3F, // double
        0x08, 0x07, 0x06, 0x05, 0x04, 0x03, 0x02, 0x01, // LONGLONG
        0x80, 0x90, 0xA0, 0xB0, 0xC0, 0xD0, 0xE0, 0xF0, // ULONGLONG
        0x41,                                           // char
        0xFD, 0xFF,                                     // short
        0x01, 0x00,                                     // bool
        0xFF,                                           // signed char
        0x3A, 0x26,                                     // wchar_t as a WORD
        0xFB, 0xFF, 0xFF, 0xFF,                         // int as a LONG
        0x07, 0x00, 0x00, 0x00,                         // unsigned int as a LONG
        0xFE, 0xFF, 0xFF, 0xFF,                         // long: 32 bits in every build
        0xFE, 0xFF, 0xFF, 0xFF,                         // unsigned long
    };
    EXPECT_EQ(expected, bytes);

    // What is read back stores the same bytes again.
    LoadBytes(bytes, [&](CArchive& ar) {
        BYTE by; WORD w; LONG l; DWORD dw; float f; double d; LONGLONG ll; ULONGLONG ull;
        char ch; short s; bool b1, b2; signed char sc; wchar_t wc; int i; unsigned int u; long lg; unsigned long ul;
        ar >> by >> w >> l >> dw >> f >> d >> ll >> ull >> ch >> s >> b1 >> b2 >> sc >> wc >> i >> u >> lg >> ul;
        EXPECT_TRUE(ar.IsBufferEmpty());
        EXPECT_EQ(CArchiveException::endOfFile, ArchiveCauseOf([&] { ar >> by; }));
        EXPECT_EQ(expected, StoreBytes([&](CArchive& out) {
            out << by << w << l << dw << f << d << ll << ull << ch << s << b1 << b2 << sc << wc << i << u << lg << ul;
        }));
    });
    // Where long is wider, a value 32 bits cannot hold is refused rather than cut.
    if (sizeof(long) > 4) {
        EXPECT_EQ(CArchiveException::genericException,
                  ArchiveCauseOf([] { StoreBytes([](CArchive& ar) { ar << (long)(1LL << 40); }); }));
    }
}

TEST(ArchiveBytes, StringLengthTakesTheShortestForm)
{
    struct Case
    {
        int nLength;
        Bytes prefix;
    } cases[] = {
        {0, {0x00}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {0xFFFD, {0xFF, 0xFD, 0xFF}},
        {0xFFFE, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nLength);
        std::string text;
        for (int i = 0; i < c.nLength; i++)
            text += (char)('a' + i % 26);
        CString original(text.c_str());
        // Twice: an archive's first string fills its buffer, the second is copied within it.
        for (int nBufSize : {128, 4096}) {
            Bytes bytes = StoreBytes([&](CArchive& ar) { ar << original << original; }, nBufSize);
            EXPECT_EQ(c.prefix + Text(text.c_str()) + c.prefix + Text(text.c_str()), bytes);
            LoadBytes(bytes, [&](CArchive& ar) {
                CString first("old"), second("old");
                ar >> first >> second;
                EXPECT_EQ(original, first);
                EXPECT_EQ(original, second);
                EXPECT_TRUE(ar.IsBufferEmpty());
            }, nBufSize);
        }
    }
    // Plain text goes out as a string; a null pointer as the empty one.
    EXPECT_EQ((Bytes{0x02, 'h', 'i', 0x00}), StoreBytes([](CArchive& ar) { ar << "hi" << (LPCSTR)NULL; }));
}

TEST(ArchiveBytes, WideStringsAreReadAndConverted)
{
    // 0xFF 0xFFFE marks UTF-16; the length follows in its usual forms.
    Bytes shortWide = {0xFF, 0xFE, 0xFF, 0x03, 'a', 0, 'b', 0, 'c', 0};
    Bytes longWide = {0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01};
    for (int i = 0; i < 300; i++)
        longWide = longWide + Bytes{(uint8_t)('A' + i % 26), 0};
    // A character outside the ANSI code page becomes '?'.
    Bytes foreign = {0xFF, 0xFE, 0xFF, 0x03, 'x', 0, 0x2D, 0x4E, 'y', 0};
    LoadBytes(shortWide + longWide + foreign + Bytes{0x02, 'o', 'k'}, [](CArchive& ar) {
        CString a, b, c, d;
        ar >> a >> b >> c >> d;
        EXPECT_STREQ("abc", a);
        EXPECT_EQ(300, b.GetLength());
        EXPECT_STREQ("ABC", b.Left(3));
        EXPECT_EQ('N', b[299]);
        EXPECT_STREQ("x?y", c);
        EXPECT_STREQ("ok", d);
    });
    // Two markers in a row are no length.
    LoadBytes(Bytes{0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF, 0x00}, [](CArchive& ar) {
        CString s("kept");
        EXPECT_NE(-1, ArchiveCauseOf([&] { ar >> s; }));
        EXPECT_STREQ("kept", s);
    });
}

TEST(ArchiveBytes, CountsEscapeToADword)
{
    Bytes bytes = StoreBytes([](CArchive& ar) {
        ar.WriteCount(0xFFFE);
        ar.WriteCount(0xFFFF);
        ar.WriteCount(0x10000);
        ar.WriteCount(0);
    });
    EXPECT_EQ((Bytes{0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x01, 0x00,
                     0x00, 0x00}),
              bytes);
    // A count needs as many bytes after it as it counts.
    Bytes padded = bytes + Bytes(0x10000, 0);
    LoadBytes(padded, [](CArchive& ar) {
        EXPECT_EQ(0xFFFEu, ar.ReadCount());
        EXPECT_EQ(0xFFFFu, ar.ReadCount());
        EXPECT_EQ(0x10000u, ar.ReadCount());
        EXPECT_EQ(0u, ar.ReadCount());
    });
    LoadBytes(Bytes{0x05, 0x00, 1, 2, 3, 4}, [](CArchive& ar) {
        EXPECT_EQ(CArchiveException::endOfFile, ArchiveCauseOf([&] { ar.ReadCount(); }));
    });
}

TEST(ArchiveBytes, CyclesComeBackAsTheSameObjects)
{
    CArcNode root, child;
    root.m_pChild = &child;
    child.m_pParent = &root;
    Bytes bytes = StoreBytes([&](CArchive& ar) { ar << &root; });
    root.m_pChild = NULL; // not owned here
    Bytes expected = ClassRecord("CArcNode", 1) // class 1, root 2
                     + Bytes{0x00, 0x00}        // root's parent
                     + Bytes{0x01, 0x80}        // child: class 1, object 3
                     + Bytes{0x02, 0x00}        // child's parent: root
                     + Bytes{0x00, 0x00};       // child's child
    EXPECT_EQ(expected, bytes);
    LoadBytes(bytes, [](CArchive& ar) {
        CArcNode* pRoot;
        ar >> pRoot;
        ASSERT_NE(nullptr, pRoot);
        ASSERT_NE(nullptr, pRoot->m_pChild);
        EXPECT_EQ(pRoot, pRoot->m_pChild->m_pParent);
        delete pRoot;
    });
}

TEST(ArchiveBytes, BigIndexesEscapeToADword)
{
    // 0x8000 objects of one class take indexes 2..0x8001; a new class then gets 0x8002.
    const int nObjects = 0x8000;
    std::vector<CArcPoint*> points;
    for (int i = 0; i < nObjects; i++)
        points.push_back(new CArcPoint(i));
    CArcNode node;
    Bytes bytes = StoreBytes([&](CArchive& ar) {
        for (CArcPoint* p : points)
            ar << p;
        ar << points[0x7FFC] << points[0x7FFD] << points.back();
        ar << &node;
        CArcNode second;
        ar << &second;
    });
    size_t tail = bytes.size() - (2 + 6 + 6) - (ClassRecord("CArcNode", 1).size() + 4) - (6 + 4);
    Bytes expectedTail = Bytes{0xFE, 0x7F}                              // index 0x7FFE, still short
                         + Bytes{0xFF, 0x7F, 0xFF, 0x7F, 0x00, 0x00}    // index 0x7FFF: escaped
                         + Bytes{0xFF, 0x7F, 0x01, 0x80, 0x00, 0x00}    // index 0x8001
                         + ClassRecord("CArcNode", 1) + Bytes(4, 0)     // class 0x8002, object 0x8003
                         + Bytes{0xFF, 0x7F, 0x02, 0x80, 0x00, 0x80}    // class 0x8002 by reference
                         + Bytes(4, 0);
    EXPECT_EQ(expectedTail, Bytes(bytes.begin() + tail, bytes.end()));

    LoadBytes(bytes, [&](CArchive& ar) {
        std::vector<CArcPoint*> read(nObjects);
        for (int i = 0; i < nObjects; i++)
            ar >> read[i];
        CArcPoint *p1, *p2, *p3;
        ar >> p1 >> p2 >> p3;
        EXPECT_EQ(read[0x7FFC], p1);
        EXPECT_EQ(read[0x7FFD], p2);
        EXPECT_EQ(read.back(), p3);
        EXPECT_EQ(nObjects - 1, p3->m_x);
        CArcNode *n1, *n2;
        ar >> n1 >> n2;
        EXPECT_NE(n1, n2);
        EXPECT_EQ(RUNTIME_CLASS(CArcNode), n2->GetRuntimeClass());
        delete n1;
        delete n2;
        for (CArcPoint* p : read)
            delete p;
    });
    for (CArcPoint* p : points)
        delete p;
}

TEST(ArchiveBytes, VersionableClassesReadOtherSchemas)
{
    Bytes bytes = ClassRecord("CArcVersioned", 1) + Bytes{0x01, 0x80};
    LoadBytes(bytes, [](CArchive& ar) {
        CArcVersioned *p1, *p2;
        ar >> p1 >> p2;
        EXPECT_EQ(1u, p1->m_nSchema);
        EXPECT_EQ((UINT)-1, p1->m_nAfter);
        EXPECT_EQ(1u, p2->m_nSchema); // the class reference keeps the schema read
        delete p1;
        delete p2;
    });
    // Its own schema goes out without the flag.
    CArcVersioned v;
    EXPECT_EQ(ClassRecord("CArcVersioned", 3), StoreBytes([&](CArchive& ar) { ar << &v; }));

    // A class without the flag accepts only its own schema.
    LoadBytes(ClassRecord("CArcPoint", 2) + Bytes(4, 0), [](CArchive& ar) {
        EXPECT_EQ(CArchiveException::badSchema, ArchiveCauseOf([&] { ar.ReadObject(NULL); }));
    });
}

TEST(ArchiveBytes, ClassesAreFoundByNameAcrossModules)
{
    // A serial class of the test program, written and read as a class alone.
    Bytes bytes = StoreBytes([](CArchive& ar) {
        ar.WriteClass(RUNTIME_CLASS(CArcPoint));
        ar.SerializeClass(RUNTIME_CLASS(CArcPoint));
    });
    EXPECT_EQ((ClassRecord("CArcPoint", 1) + Bytes{0x01, 0x80}), bytes);
    LoadBytes(bytes, [](CArchive& ar) {
        EXPECT_EQ(RUNTIME_CLASS(CArcPoint), ar.ReadClass(RUNTIME_CLASS(CObject)));
        EXPECT_EQ(1u, ar.GetObjectSchema());
        ar.SerializeClass(RUNTIME_CLASS(CArcPoint));
    });

    // A serial class of the framework's module, stored by this one and found by its name.
    CStringArray strings;
    strings.Add("one");
    strings.Add("");
    bytes = StoreBytes([&](CArchive& ar) { ar << &strings << &strings; });
    EXPECT_EQ((ClassRecord("CStringArray", 0) + Bytes{0x02, 0x00, 0x03, 'o', 'n', 'e', 0x00, 0x02, 0x00}), bytes);
    LoadBytes(bytes, [](CArchive& ar) {
        CObject *p1, *p2;
        ar >> p1 >> p2;
        CStringArray* pArray = DYNAMIC_DOWNCAST(CStringArray, p1);
        ASSERT_NE(nullptr, pArray);
        EXPECT_EQ(p1, p2);
        ASSERT_EQ(2, pArray->GetSize());
        EXPECT_STREQ("one", pArray->GetAt(0));
        delete pArray;
    });

    // A framework class that cannot be stored is no class of a file.
    LoadBytes(ClassRecord("CMemFile", 0xFFFF), [](CArchive& ar) {
        EXPECT_EQ(CArchiveException::badClass, ArchiveCauseOf([&] { ar.ReadObject(NULL); }));
    });
    EXPECT_TRUE(ThrowsAfx<CNotSupportedException>([] {
        StoreBytes([](CArchive& ar) { ar.WriteClass(RUNTIME_CLASS(CMemFile)); });
    }));
}

TEST(ArchiveBytes, DiskFilesGetTheSameBytesThroughTheBuffer)
{
    // A disk file goes through the archive's buffer rather than the file's memory: values
    // straddle buffer ends and long strings run past them.
    CArcPoint point(9);
    CString longText('L', 1000);
    auto store = [&](CArchive& ar) {
        for (int i = 0; i < 100; i++)
            ar << (BYTE)i << (DWORD)i << longText << &point << (double)i;
    };
    Bytes expected = StoreBytes(store);
    TempPath path("archive.bin");
    {
        CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&file, CArchive::store, 128);
        store(ar);
    }
    {
        CFile file(path.c_str(), CFile::modeRead);
        Bytes written(file.GetLength());
        file.Read(written.data(), (UINT)written.size());
        EXPECT_EQ(expected, written);
        file.SeekToBegin();
        CArchive ar(&file, CArchive::load, 128);
        CArcPoint* pFirst = NULL;
        for (int i = 0; i < 100; i++) {
            BYTE by; DWORD dw; CString text; CArcPoint* p; double d;
            ar >> by >> dw >> text >> p >> d;
            if (i == 0)
                pFirst = p;
            EXPECT_EQ(i, by);
            EXPECT_EQ((DWORD)i, dw);
            EXPECT_EQ(longText, text);
            EXPECT_EQ(pFirst, p);
            EXPECT_EQ(i, d);
        }
        ASSERT_NE(nullptr, pFirst);
        EXPECT_EQ(9, pFirst->m_x);
        delete pFirst;
        // What the archive read ahead goes back to the file when it lets go.
        ar.Close();
        EXPECT_EQ(file.GetLength(), file.GetPosition());
    }
}

TEST(ArchiveBytes, MisfitReferencesAreRefused)
{
    int nAlive = CArcPoint::s_nAlive;
    Bytes withNul = ClassRecord("CArcPointXx", 1); // "CArcPoint\0x" is not the name CArcPoint
    withNul[6 + 9] = 0;
    struct Case
    {
        const char* what;
        Bytes bytes;
        int cause;
    } cases[] = {
        {"unknown class", ClassRecord("CNoSuchClass", 1), CArchiveException::badClass},
        {"name with a NUL", withNul, CArchiveException::badClass},
        {"wrong class", ClassRecord("CArcNode", 1) + Bytes(4, 0), CArchiveException::badClass},
        {"object not yet read", Bytes{0x05, 0x00}, CArchiveException::badIndex},
        {"class not yet read", Bytes{0x05, 0x80}, CArchiveException::badIndex},
        {"class index 0", Bytes{0x00, 0x80}, CArchiveException::badIndex},
        {"object index naming a class", ClassRecord("CArcPoint", 1) + Bytes{1, 0, 0, 0, 0x01, 0x00},
         CArchiveException::badIndex},
        {"class index naming an object", ClassRecord("CArcPoint", 1) + Bytes{1, 0, 0, 0, 0x02, 0x80},
         CArchiveException::badIndex},
        {"big class index", Bytes{0xFF, 0x7F, 0xFF, 0xFF, 0xFF, 0xFF}, CArchiveException::badIndex},
        {"name of 65 characters", ClassRecord(std::string(65, 'C').c_str(), 1), CArchiveException::badClass},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LoadBytes(c.bytes, [&](CArchive& ar) {
            EXPECT_EQ(c.cause, ArchiveCauseOf([&] {
                          CArcPoint* p;
                          while (true) {
                              ar >> p;
                              delete p;
                          }
                      }));
        });
    }
    EXPECT_EQ(nAlive, CArcPoint::s_nAlive);
}

TEST(ArchiveBytes, MappedObjectsAreReferencedByIndex)
{
    CArcPoint known(5);
    Bytes bytes = StoreBytes([&](CArchive& ar) {
        ar.MapObject(&known); // index 1
        ar << &known;
    });
    EXPECT_EQ((Bytes{0x01, 0x00}), bytes);
    LoadBytes(bytes, [&](CArchive& ar) {
        ar.MapObject(&known);
        CArcPoint* p;
        ar >> p;
        EXPECT_EQ(&known, p);
    });
}

TEST(ArchiveBytes, RawBytesAndTextLines)
{
    Bytes bytes = StoreBytes([](CArchive& ar) {
        ar.WriteString("one\r\ntwo\nthree\rfour\r\n");
        ar.WriteString("a long line that does not fit\n");
        ar.WriteString("last");
    }, 128);
    EXPECT_EQ(Text("one\r\ntwo\nthree\rfour\r\na long line that does not fit\nlast"), bytes);
    LoadBytes(bytes, [](CArchive& ar) {
        CString line;
        std::vector<std::string> lines;
        for (int i = 0; i < 4; i++) {
            EXPECT_TRUE(ar.ReadString(line));
            lines.push_back((LPCSTR)line);
        }
        EXPECT_EQ((std::vector<std::string>{"one", "two", "three", "four"}), lines);
        char buffer[8];
        EXPECT_STREQ("a long ", ar.ReadString(buffer, sizeof buffer));
        EXPECT_STREQ("line th", ar.ReadString(buffer, sizeof buffer));
        EXPECT_TRUE(ar.ReadString(line));
        EXPECT_STREQ("at does not fit", line);
        EXPECT_TRUE(ar.ReadString(line));
        EXPECT_STREQ("last", line);
        EXPECT_FALSE(ar.ReadString(line));
        EXPECT_STREQ("", line);
        EXPECT_EQ(nullptr, ar.ReadString(buffer, sizeof buffer));
    });

    // Raw blocks larger than the buffer go straight through.
    Bytes block(1000);
    for (size_t i = 0; i < block.size(); i++)
        block[i] = (uint8_t)(i * 7);
    Bytes stored = StoreBytes([&](CArchive& ar) {
        ar << (BYTE)1;
        ar.Write(block.data(), (UINT)block.size());
        ar << (BYTE)2;
    }, 128);
    EXPECT_EQ(Bytes{1} + block + Bytes{2}, stored);
    LoadBytes(stored, [&](CArchive& ar) {
        BYTE first, last;
        Bytes read(block.size());
        ar >> first;
        EXPECT_EQ((UINT)read.size(), ar.Read(read.data(), (UINT)read.size()));
        ar >> last;
        EXPECT_EQ(block, read);
        EXPECT_EQ(2, last);
        EXPECT_EQ(0u, ar.Read(read.data(), 10)); // a short read is no error
    }, 128);
}

TEST(ArchiveBytes, FixedMemoryFilesFillUpCleanly)
{
    // An archive over a caller's fixed buffer writes into it until it is full, then reports
    // the lack of memory; what fitted stays.
    BYTE buffer[16] = {};
    CMemFile file(buffer, sizeof buffer);
    file.SetLength(0);
    {
        CArchive ar(&file, CArchive::store);
        ar << (DWORD)0x01020304 << (DWORD)0x05060708;
        ar.Flush();
        EXPECT_TRUE(ThrowsAfx<CMemoryException>([&] {
            for (int i = 0; i < 10; i++)
                ar << (DWORD)0xFFFFFFFF;
        }));
        ar.Abort();
    }
    EXPECT_EQ(0x04, buffer[0]);
    EXPECT_EQ(0x05, buffer[7]);
    EXPECT_GE(file.GetLength(), 8u);

    // Writing from a position past the end leaves zeros in between.
    CMemFile grow;
    grow.Seek(4, CFile::begin);
    {
        CArchive ar(&grow, CArchive::store);
        ar << (BYTE)0xAA;
    }
    Bytes bytes(grow.GetLength());
    grow.SeekToBegin();
    grow.Read(bytes.data(), (UINT)bytes.size());
    EXPECT_EQ((Bytes{0, 0, 0, 0, 0xAA}), bytes);
}

// Over a memory file the archive works in the file's memory: whether that lies above or below
// its own buffer, a loading archive refuses writes and a storing one reads.
TEST(ArchiveBytes, MemoryFilesKeepTheModeWhereverTheirMemoryLies)
{
    for (int nFileFirst = 0; nFileFirst < 2; nFileFirst++) {
        std::vector<BYTE> memory(512, 1);
        BYTE* pFile = memory.data() + (nFileFirst ? 0 : 256);
        BYTE* pBuffer = memory.data() + (nFileFirst ? 256 : 0);
        DWORD n = 0;
        CMemFile loaded(pFile, 256);
        CArchive load(&loaded, CArchive::load, 256, pBuffer);
        load >> n;
        EXPECT_EQ(CArchiveException::readOnly, ArchiveCauseOf([&] { load << n; })) << nFileFirst;
        CMemFile stored(pFile, 256);
        CArchive store(&stored, CArchive::store, 256, pBuffer);
        store << n;
        EXPECT_EQ(CArchiveException::writeOnly, ArchiveCauseOf([&] { store >> n; })) << nFileFirst;
        store.Abort();
    }
}

TEST(ArchiveBytes, ModesFlushingAndClosing)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        EXPECT_TRUE(ar.IsStoring());
        EXPECT_EQ(&file, ar.GetFile());
        ar << (DWORD)1;
        EXPECT_EQ(0u, file.GetLength()); // still buffered
        ar.Flush();
        EXPECT_EQ(4u, file.GetLength());
        BYTE by;
        EXPECT_EQ(CArchiveException::writeOnly, ArchiveCauseOf([&] { ar >> by; }));
        ar << (DWORD)2;
    } // the destructor closes and writes the rest
    EXPECT_EQ(8u, file.GetLength());
    {
        CArchive ar(&file, CArchive::store | CArchive::bNoFlushOnDelete);
        ar << (DWORD)3;
    } // dropped: nothing is written by a destructor told not to
    EXPECT_EQ(8u, file.GetLength());

    file.SeekToBegin();
    {
        CArchive ar(&file, CArchive::load);
        EXPECT_TRUE(ar.IsLoading());
        DWORD n;
        ar >> n;
        EXPECT_EQ(1u, n);
        EXPECT_FALSE(ar.IsBufferEmpty());
        EXPECT_EQ(CArchiveException::readOnly, ArchiveCauseOf([&] { ar << n; }));
        // Flushing a loading archive gives back what it read ahead.
        ar.Flush();
        EXPECT_EQ(4u, file.GetPosition());
        ar >> n;
        EXPECT_EQ(2u, n);
        ar.Close();
        EXPECT_EQ(nullptr, ar.GetFile());
        EXPECT_NE(-1, ArchiveCauseOf([&] { ar >> n; }));
    }
    {
        // A caller's buffer, and an aborted archive that writes nothing.
        BYTE buffer[256];
        CArchive ar(&file, CArchive::store, sizeof buffer, buffer);
        ar << (DWORD)9;
        ar.Abort();
        EXPECT_NE(-1, ArchiveCauseOf([&] { ar << (DWORD)10; }));
    }
    EXPECT_EQ(8u, file.GetLength());
}

// The parity cases: the archive's values, counts and strings, objects and their references,
// the collections of every element kind, and the toolkit's portable records (view contexts of
// the desktop, pictures, list widths). Each case is one function, run for storing and loading.
#include "ParityCases.h"

#include <afxcoll.h>
#include <afxtempl.h>
#include <core/KwArray.h>
#include <core/ViewContext.h>
#include <grid/LargeListWidths.h>
#include <pickers/KwImageRecord.h>
#include <support/CollectionFill.h>

#include <climits>
#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <typeinfo>
#include <utility>
#include <vector>

namespace {

void Expect(bool bSame, const char* what)
{
    if (!bSame)
        throw std::runtime_error(what);
}

// Stores value, or reads one of its type and compares.
template <class T>
void Value(CArchive& ar, const T& value, const char* what)
{
    if (ar.IsStoring()) {
        ar << value;
    } else {
        T read{};
        ar >> read;
        Expect(read == value, what);
    }
}
#define VALUE(ar, v) Value(ar, v, #v)
template <class... T>
void Values(CArchive& ar, const T&... values)
{
    (Value(ar, values, typeid(T).name()), ...);
}

CString Letters(int nLength)
{
    CString text;
    for (int i = 0; i < nLength; i++)
        text += (char)('a' + i % 26);
    return text;
}

// The bytes an object's Serialize stores.
template <class T>
std::vector<BYTE> Stored(T& object)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        object.Serialize(ar);
        ar.Close();
    }
    std::vector<BYTE> bytes(file.GetLength());
    file.SeekToBegin();
    file.Read(bytes.data(), (UINT)bytes.size());
    return bytes;
}

// Records are the same when they store the same bytes. (The maps' keys lie in separate hash
// chains, so a map read back stores its pairs in the same order.)
template <class T>
bool Same(T& a, T& b)
{
    return Stored(a) == Stored(b);
}

// Stores a record through its Serialize, or reads a new one back and compares.
template <class T>
void Record(CArchive& ar, T& record, const char* what)
{
    if (ar.IsStoring()) {
        record.Serialize(ar);
    } else {
        T read;
        read.Serialize(ar);
        Expect(Same(read, record), what);
    }
}

// Stores a collection of the values, or reads one back and compares.
template <class C, class V>
void Kind(CArchive& ar, std::initializer_list<V> values)
{
    C c;
    Fill(c, values);
    Record(ar, c, typeid(C).name());
}

CViewContext Context(const char* text, long nValue)
{
    CViewContext context;
    context.m_strText1 = text;
    context.m_strText4 = Letters(300);
    context.m_nValue1 = nValue;
    context.m_nValue7 = -nValue - 1;
    return context;
}

// Objects with names and links, one versionable, one empty (for the long reference forms).
class CParityNode : public CObject
{
    DECLARE_SERIAL(CParityNode)
public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_strName << m_nValue << m_pNext;
        else
            ar >> m_strName >> m_nValue >> m_pNext;
    }
    CString m_strName;
    long m_nValue = 0;
    CParityNode* m_pNext = NULL; // not owned
};
IMPLEMENT_SERIAL(CParityNode, CObject, 1)

class CParityVersioned : public CObject
{
    DECLARE_SERIAL(CParityVersioned)
public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsLoading())
            m_nSchema = ar.GetObjectSchema();
        VALUE(ar, (WORD)0x5678);
    }
    UINT m_nSchema = 0;
};
IMPLEMENT_SERIAL(CParityVersioned, CObject, VERSIONABLE_SCHEMA | 2)

class CParityEmpty : public CObject
{
    DECLARE_SERIAL(CParityEmpty)
};
IMPLEMENT_SERIAL(CParityEmpty, CObject, 0)

void Primitives(CArchive& ar)
{
    Values(ar, (BYTE)0xFE, (WORD)0xBEEF, (LONG)INT_MIN, (DWORD)0xFEDCBA98, -1.5f, 1e300,
           (LONGLONG)-0x123456789AB, (ULONGLONG)0xFEDCBA9876543210, 'k', (signed char)-100,
           (short)-32000, true, (wchar_t)0xFFFD, INT_MIN, 4000000000u, -2L, (long)INT_MIN, 0xFFFFFFFFul);
    // Text lines: the characters only, read back up to each line's end.
    const char* lines[][2] = {{"first", "\r\n"}, {"", "\r\n"}, {"third", "\n"}};
    for (const auto& line : lines) {
        CString read;
        if (ar.IsStoring()) {
            ar.WriteString(line[0]);
            ar.WriteString(line[1]);
        } else {
            Expect(ar.ReadString(read) && read == line[0], "text line");
        }
    }
}

void Counts(CArchive& ar)
{
    // 0xFFFF and above take the long form; a count is believed only as far as bytes follow.
    const DWORD counts[] = {0, 1, 0xFFFE, 0xFFFF};
    for (DWORD n : counts) {
        if (ar.IsStoring())
            ar.WriteCount(n);
        else
            Expect(ar.ReadCount() == n, "count");
    }
    std::vector<BYTE> bytes(0xFFFF);
    for (size_t i = 0; i < bytes.size(); i++)
        bytes[i] = (BYTE)(i * 7);
    if (ar.IsStoring()) {
        ar.Write(bytes.data(), (UINT)bytes.size());
    } else {
        std::vector<BYTE> read(bytes.size());
        Expect(ar.Read(read.data(), (UINT)read.size()) == read.size() && read == bytes, "raw bytes");
    }
}

// A UTF-16 string as programs of wide characters write it: the marker, its length, its units.
void Wide(CArchive& ar, const CString& text)
{
    if (ar.IsStoring()) {
        ar << (BYTE)0xFF << (WORD)0xFFFE;
        if (text.GetLength() < 0xFF)
            ar << (BYTE)text.GetLength();
        else
            ar << (BYTE)0xFF << (WORD)text.GetLength();
        for (int i = 0; i < text.GetLength(); i++)
            ar << (wchar_t)text[i];
    } else {
        CString read;
        ar >> read;
        Expect(read == text, "wide string");
    }
}

void Strings(CArchive& ar)
{
    // Lengths at each step of the length's forms: a byte, 0xFF and a word, 0xFF 0xFFFF and a word pair.
    for (int nLength : {0, 1, 0xFE, 0xFF, 0x1234, 0xFFFE})
        VALUE(ar, Letters(nLength));
    if (ar.IsStoring())
        ar << "literal";
    else
        VALUE(ar, CString("literal"));
    Wide(ar, "wide");
    Wide(ar, Letters(300));
}

void Objects(CArchive& ar)
{
    if (ar.IsStoring()) {
        CParityNode first, second;
        first.m_strName = "first";
        first.m_nValue = -5;
        first.m_pNext = &second;
        second.m_strName = "second";
        second.m_nValue = 70000;
        second.m_pNext = &first;
        CParityVersioned versioned;
        CViewContext context = Context("object", 12);
        ar << &first << (CObject*)NULL << &second << &versioned << &context;
        ar.SerializeClass(RUNTIME_CLASS(CParityNode));
        ar.SerializeClass(RUNTIME_CLASS(CViewContext));
        return;
    }
    CObject *pFirst, *pNull, *pSecond, *pVersioned, *pContext;
    ar >> pFirst >> pNull >> pSecond >> pVersioned >> pContext;
    std::unique_ptr<CObject> owned[] = {std::unique_ptr<CObject>(pFirst), std::unique_ptr<CObject>(pVersioned),
                                        std::unique_ptr<CObject>(pContext)};
    CParityNode* pNode = DYNAMIC_DOWNCAST(CParityNode, pFirst);
    Expect(pNode != NULL && pNode->m_strName == "first" && pNode->m_nValue == -5, "first node");
    Expect(pNull == NULL && pSecond == pNode->m_pNext && pNode->m_pNext->m_pNext == pNode, "references");
    std::unique_ptr<CObject> second(pSecond);
    Expect(pNode->m_pNext->m_strName == "second" && pNode->m_pNext->m_nValue == 70000, "second node");
    CParityVersioned* pRead = DYNAMIC_DOWNCAST(CParityVersioned, pVersioned);
    Expect(pRead != NULL && pRead->m_nSchema == 2, "versioned schema");
    CViewContext* pReadContext = DYNAMIC_DOWNCAST(CViewContext, pContext);
    Expect(pReadContext != NULL && *pReadContext == Context("object", 12), "view context object");
    ar.SerializeClass(RUNTIME_CLASS(CParityNode));
    ar.SerializeClass(RUNTIME_CLASS(CViewContext));
}

void BigTags(CArchive& ar)
{
    // Past 0x7FFF entries a reference takes the long form: 0x7FFF, then a 32-bit tag (for a class
    // with its high bit set).
    const int nObjects = 0x8000;
    std::vector<std::unique_ptr<CObject>> objects;
    for (int i = 0; i < nObjects; i++) {
        if (ar.IsStoring()) {
            objects.emplace_back(new CParityEmpty);
            ar << objects.back().get();
        } else {
            CParityEmpty* pRead;
            ar >> pRead;
            objects.emplace_back(pRead);
        }
    }
    CParityNode node;
    if (ar.IsStoring()) {
        ar << objects.back().get() << &node << &node;
        ar.SerializeClass(RUNTIME_CLASS(CParityNode));
        return;
    }
    CObject *pLast, *pNode, *pAgain;
    ar >> pLast >> pNode >> pAgain;
    std::unique_ptr<CObject> owned(pNode);
    Expect(pLast == objects.back().get() && pNode->IsKindOf(RUNTIME_CLASS(CParityNode)) && pAgain == pNode,
           "long references");
    ar.SerializeClass(RUNTIME_CLASS(CParityNode));
}

void Collections(CArchive& ar)
{
    Kind<CByteArray>(ar, {0x00, 0x7F, 0xFF});
    Kind<CDWordArray>(ar, {0u, 0x12345678u, 0xFFFFFFFFu});
    Kind<CStringArray>(ar, {"", "one", "two"});
    Kind<CStringList>(ar, {"head", "", "tail"});
    Kind<CArray<long, long>>(ar, {-1L, (long)INT_MAX, (long)INT_MIN});
    Kind<CArray<wchar_t, wchar_t>>(ar, {L'a', (wchar_t)0xE9, (wchar_t)0xFFFF});
    Kind<CArray<double, double>>(ar, {0.5, -1e-300});
    Kind<CArray<short, short>>(ar, {(short)-1, (short)0x1234});
    Kind<CArray<CViewContext>>(ar, {Context("one", 1), Context("two", -2)});
    CKwArray<long> inner;
    Fill(inner, {7L, -7L});
    Kind<CKwArray<CKwArray<long>>>(ar, {inner, CKwArray<long>()});
    Kind<CList<long, long>>(ar, {-3L, 3L});
    Kind<CList<unsigned long, unsigned long>>(ar, {0xFFFFFFFFul});
    Kind<CMap<long, long, CString, LPCSTR>>(ar, {std::make_pair(-1L, "minus one"), std::make_pair(-17L, "minus"), std::make_pair(70000L, "big")});
    Kind<CMap<CString, LPCSTR, double, double>>(ar, {std::make_pair("pi", 3.14), std::make_pair("", -0.0)});
    Kind<CMap<WORD, WORD, wchar_t, wchar_t>>(ar, {std::make_pair((WORD)1, L'x'), std::make_pair((WORD)0xFFFF, (wchar_t)0xFFFF)});
    // Objects by pointer: the array owns what it reads.
    CParityNode node;
    node.m_strName = "in array";
    CObArray objects;
    objects.Add(&node);
    objects.Add(&node);
    objects.Add(NULL);
    if (ar.IsStoring()) {
        objects.Serialize(ar);
        return;
    }
    CObArray read;
    read.Serialize(ar);
    std::unique_ptr<CObject> owned(read.GetSize() > 0 ? read[0] : NULL);
    Expect(read.GetSize() == 3 && read[0] == read[1] && read[2] == NULL
               && Stored(*read[0]) == Stored(node), "object array");
}

// The toolkit's portable document records: the desktop's view contexts, pictures, list widths.
void Records(CArchive& ar)
{
    CViewContext context = Context("desktop", INT_MIN + 1);
    context.m_strText2 = "view";
    Record(ar, context, "view context");

    CKwImageRecord pictures[3];
    pictures[0].m_strFileName = "C:\\pictures\\beam.png";
    pictures[0].m_bEmbedded = true;
    pictures[0].m_picture = CKwImageRecord::pictureEncoded;
    pictures[0].m_data = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0x00};
    pictures[1].m_strFileName = "linked.png";
    pictures[2].m_bEmbedded = true;
    for (CKwImageRecord& picture : pictures) {
        if (ar.IsStoring()) {
            picture.Store(ar);
            continue;
        }
        CKwImageRecord read;
        read.Load(ar);
        Expect(read.m_strFileName == picture.m_strFileName && read.m_bEmbedded == picture.m_bEmbedded
                   && read.m_picture == picture.m_picture && read.m_data == picture.m_data,
               "picture");
    }

    CDWordArray widths;
    Fill(widths, {80u, 0u, 0xFFFFu});
    if (ar.IsStoring()) {
        CLargeListWidths::Store(ar, widths);
    } else {
        CDWordArray read;
        CLargeListWidths::Load(ar, 3, read);
        Expect(Same(read, widths), "list widths");
    }
}

} // namespace

const ParityCase g_parityCases[] = {
    {"values", Primitives},
    {"counts", Counts},
    {"strings", Strings},
    {"objects", Objects},
    {"bigtags", BigTags},
    {"collections", Collections},
    {"records", Records},
};
const size_t g_nParityCases = sizeof(g_parityCases) / sizeof(g_parityCases[0]);

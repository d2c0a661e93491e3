// The framework's collections from one archive: a setup byte (see CFuzzArchive), a count and that
// many codes each naming a collection, read one after another from the archive's bytes until one
// is refused. Each starts with two elements; one read whole writes back and reads again the same;
// one refused with an archive (or memory) exception is left as it was (but an array of objects,
// which keeps those that arrived for its owner to delete). Anything else is a fault.
#include "FuzzArchive.h"
#include "FuzzObjects.h"

#include <afxcoll.h>
#include <afxtempl.h>
#include <core/KwArray.h>
#include <core/ViewContext.h>
#include <support/ArchiveBytes.h>
#include <support/CollectionFill.h>

#include <cstdlib>
#include <cstring>
#include <type_traits>

namespace {

template <class T>
bool Equal(const T& a, const T& b)
{
    if constexpr (std::is_trivially_copyable<T>::value)
        return memcmp(&a, &b, sizeof(T)) == 0;
    else
        return a == b;
}

// Arrays and lists are the same when they store the same bytes; maps when they hold the same
// pairs (the order of pairs in one hash chain turns over when read back).
template <class T>
bool Same(T& a, T& b)
{
    return StoreObject(a) == StoreObject(b);
}
template <class K, class AK, class V, class AV>
bool Same(CMap<K, AK, V, AV>& a, CMap<K, AK, V, AV>& b)
{
    if (a.GetCount() != b.GetCount())
        return false;
    for (POSITION pos = a.GetStartPosition(); pos != NULL;) {
        K key;
        V value, other;
        a.GetNextAssoc(pos, key, value);
        if (!b.Lookup(key, other) || !Equal(value, other))
            return false;
    }
    return true;
}

template <class C, class V>
void Kind(CArchive& ar, std::initializer_list<V> start)
{
    C c;
    Fill(c, start);
    Bytes before = StoreObject(c);
    try {
        c.Serialize(ar);
    } catch (...) {
        if (StoreObject(c) != before)
            abort();
        throw;
    }
    C again;
    LoadBytes(StoreObject(c), [&](CArchive& in) {
        again.Serialize(in);
        if (!in.IsBufferEmpty() || !Same(c, again))
            abort();
    });
}

CViewContext Context(const char* text, long nValue)
{
    CViewContext context;
    context.m_strText1 = text;
    context.m_nValue1 = nValue;
    return context;
}

// The objects an array holds, and those their arrays hold, to be deleted by their owner.
void Collect(CObArray& a, std::set<CObject*>& owned)
{
    for (INT_PTR i = 0; i < a.GetSize(); i++) {
        CObject* pOb = a[i];
        if (pOb == NULL || pOb->IsKindOf(RUNTIME_CLASS(CFuzzObject)) || !owned.insert(pOb).second)
            continue;
        if (CObArray* pInner = DYNAMIC_DOWNCAST(CObArray, pOb))
            Collect(*pInner, owned);
    }
}

void Objects(CArchive& ar)
{
    CObArray a;
    std::set<CObject*> owned;
    try {
        a.Serialize(ar);
    } catch (...) {
        Collect(a, owned);
        for (CObject* pOb : owned)
            delete pOb;
        throw;
    }
    Collect(a, owned);
    for (CObject* pOb : owned)
        delete pOb;
}

void Read(CArchive& ar, BYTE code)
{
    CKwArray<long> inner;
    inner.Add(7L);
    switch (code % 18) {
    case 0: return Kind<CByteArray>(ar, {0x00, 0xFF});
    case 1: return Kind<CDWordArray>(ar, {0u, 0xFFFFFFFFu});
    case 2: return Kind<CStringArray>(ar, {"", "one"});
    case 3: return Kind<CStringList>(ar, {"head", ""});
    case 4: return Kind<CArray<long, long>>(ar, {-1L, 1L});
    case 5: return Kind<CArray<wchar_t, wchar_t>>(ar, {L'a', (wchar_t)0xFFFF});
    case 6: return Kind<CArray<double, double>>(ar, {0.5, -1e-300});
    case 7: return Kind<CArray<short, short>>(ar, {(short)-1, (short)2});
    case 8: return Kind<CArray<CViewContext>>(ar, {Context("one", 1), Context("", -2)});
    case 9: return Kind<CKwArray<CKwArray<long>>>(ar, {inner, CKwArray<long>()});
    case 10: return Kind<CList<long, long>>(ar, {-3L, 3L});
    case 11: return Kind<CList<unsigned long, unsigned long>>(ar, {0ul, 0xFFFFFFFFul});
    case 12: return Kind<CMap<long, long, CString, LPCSTR>>(ar, {std::make_pair(-1L, "minus one"), std::make_pair(16L, "")});
    case 13: return Kind<CMap<CString, LPCSTR, double, double>>(ar, {std::make_pair("pi", 3.14), std::make_pair("", -0.0)});
    case 14: return Kind<CMap<WORD, WORD, wchar_t, wchar_t>>(ar, {std::make_pair((WORD)1, L'x'), std::make_pair((WORD)0xFFFF, (wchar_t)0)});
    case 15: return Kind<CList<CViewContext, const CViewContext&>>(ar, {Context("list", 5)});
    case 16: return Kind<CMap<CString, LPCSTR, CViewContext, const CViewContext&>>(ar, {std::make_pair("key", Context("value", 6))});
    default: return Objects(ar);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    BYTE setup = TakeByte(data, size);
    std::vector<BYTE> codes = TakeOps(data, size);
    {
        CFuzzArchive archive(setup, data, size);
        Refusable([&] {
            for (BYTE code : codes)
                Read(*archive, code);
        });
    }
    CFuzzObject::DeleteAll();
    return 0;
}

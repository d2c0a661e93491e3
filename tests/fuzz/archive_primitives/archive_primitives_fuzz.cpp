// Sequences of reads from one archive: a setup byte (see CFuzzArchive), a count and that many op
// codes choosing each read in turn (the low five bits the read, the high three a size where it
// takes one), then the archive's bytes. A read is done or refused with an archive exception,
// after which the next goes on; anything else is a fault, and so is a string or count that does
// not come back as it was when written again and reread.
#include "FuzzArchive.h"

#include <support/ArchiveBytes.h>

#include <cstdlib>

namespace {

const UINT g_sizes[] = {0, 1, 7, 64, 200, 4096, 5000, 70000};
// Room for the largest read.
BYTE g_buffer[70000 + 1];

template <class T>
void Get(CArchive& ar)
{
    T value;
    ar >> value;
}

// The bytes write stores, read back by read; FALSE when they do not read.
template <class W, class R>
bool Again(W write, R read)
{
    bool bSame = false;
    LoadBytes(StoreBytes(write), [&](CArchive& in) { bSame = read(in); });
    return bSame;
}

void String(CArchive& ar)
{
    CString text;
    ar >> text;
    if (!Again([&](CArchive& out) { out << text; },
               [&](CArchive& in) { CString again; in >> again; return again == text && in.IsBufferEmpty(); }))
        abort();
}

void Count(CArchive& ar)
{
    DWORD_PTR nCount = ar.ReadCount();
    if (!Again([&](CArchive& out) { out.WriteCount(nCount); },
               [&](CArchive& in) {
                   // Read as words: ReadCount believes a count only as far as bytes follow it.
                   WORD w;
                   in >> w;
                   DWORD n = w;
                   if (w == 0xFFFF)
                       in >> n;
                   return n == nCount && in.IsBufferEmpty();
               }))
        abort();
}

void Bulk(CArchive& ar, UINT nMax)
{
    if (ar.Read(g_buffer, nMax) > nMax)
        abort();
}

void Line(CArchive& ar, UINT nMax)
{
    LPSTR p = ar.ReadString((LPSTR)g_buffer, nMax);
    if (p != NULL && strlen(p) >= nMax)
        abort();
}

void Op(CArchive& ar, BYTE op)
{
    UINT nSize = g_sizes[op >> 5];
    switch (op & 31) {
    case 0: return Get<BYTE>(ar);
    case 1: return Get<WORD>(ar);
    case 2: return Get<LONG>(ar);
    case 3: return Get<DWORD>(ar);
    case 4: return Get<float>(ar);
    case 5: return Get<double>(ar);
    case 6: return Get<LONGLONG>(ar);
    case 7: return Get<ULONGLONG>(ar);
    case 8: return Get<char>(ar);
    case 9: return Get<signed char>(ar);
    case 10: return Get<short>(ar);
    case 11: return Get<bool>(ar);
    case 12: return Get<wchar_t>(ar);
    case 13: return Get<long>(ar);
    case 14: return Get<unsigned long>(ar);
    case 15: return String(ar);
    case 16: return Count(ar);
    case 17: return Bulk(ar, nSize);
    case 18: {
        CString line;
        ar.ReadString(line);
        return;
    }
    case 19: return Line(ar, nSize);
    case 20: return ar.EnsureRemaining(nSize);
    case 21: return ar.Flush();
    default: {
        // Values the way a schema word is read.
        UINT nSchema = ar.GetObjectSchema();
        (void)nSchema;
        return Get<int>(ar);
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    BYTE setup = TakeByte(data, size);
    std::vector<BYTE> ops = TakeOps(data, size);
    CFuzzArchive archive(setup, data, size);
    for (BYTE op : ops)
        Refusable([&] { Op(*archive, op); });
    return 0;
}

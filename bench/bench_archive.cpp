// Archive throughput: 100 MB of mixed integers and strings written through CArchive into a
// CMemFile and read back, against memcpy of the same number of bytes, the two timed in turns.
// Like memcpy's buffers, the memory file is kept between runs, so that the figure is the
// archive's own cost rather than the system's for fresh memory; a round over a fresh file is
// reported beside it.
#include "harness/BenchHarness.h"

#include <afx.h>

#include <cstring>
#include <vector>

namespace {

const int kRounds = 7;
const DWORD kTargetBytes = 100u * 1024 * 1024;

// Strings of 4 to 60 characters, made once so that building them is not measured.
std::vector<CString> MakeStrings()
{
    std::vector<CString> strings;
    for (int i = 0; i < 64; i++)
        strings.push_back(CString((char)('a' + i % 26), 4 + (i * 7) % 57));
    return strings;
}

// One record: BYTE, WORD, LONG, DWORD, double, LONGLONG and a string (about 60 bytes).
void WriteAll(CArchive& ar, const std::vector<CString>& strings, DWORD nRecords)
{
    for (DWORD i = 0; i < nRecords; i++) {
        ar << (BYTE)i << (WORD)i << (LONG)i << (DWORD)(i * 3) << (double)i << (LONGLONG)i;
        ar << strings[i & 63];
    }
}

double ReadAll(CArchive& ar, DWORD nRecords)
{
    ULONGLONG check = 0;
    double sum = 0;
    CString s;
    for (DWORD i = 0; i < nRecords; i++) {
        BYTE by; WORD w; LONG l; DWORD dw; double d; LONGLONG ll;
        ar >> by >> w >> l >> dw >> d >> ll >> s;
        check += by ^ w ^ (DWORD)l ^ dw ^ (ULONGLONG)ll ^ ((LPCSTR)s)[0];
        sum += d;
    }
    return sum + (double)check;
}

void WriteAndRead(CMemFile& file, const std::vector<CString>& strings, DWORD nRecords)
{
    file.SetLength(0);
    {
        CArchive ar(&file, CArchive::store);
        WriteAll(ar, strings, nRecords);
    }
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    BenchHarness::Consume(ReadAll(ar, nRecords));
}

} // namespace

int main()
{
    std::vector<CString> strings = MakeStrings();
    size_t nStringBytes = 0;
    for (const CString& s : strings)
        nStringBytes += 1 + s.GetLength();
    const size_t nRecordBytes = 1 + 2 + 4 + 4 + 8 + 8 + nStringBytes / strings.size();
    const DWORD nRecords = (DWORD)(kTargetBytes / nRecordBytes);

    CMemFile file(1024 * 1024);
    WriteAndRead(file, strings, nRecords);
    const DWORD nBytes = file.GetLength();
    BenchHarness::Report("archive bytes", nBytes / (1024.0 * 1024.0), "MB");

    std::vector<char> from(nBytes, 'x'), to(nBytes);
    std::vector<BenchTimes> t = BenchHarness::Compare(
        {{"archive write + read", [&] { WriteAndRead(file, strings, nRecords); }},
         {"memcpy of the same bytes", [&] {
              memcpy(to.data(), from.data(), nBytes);
              BenchHarness::Consume(to.data());
          }}},
        kRounds, 1e3, "ms");
    bool ok = BenchHarness::Ratio("archive / memcpy", t[0], t[1], 5.0);

    BenchHarness::Compare({{"archive write + read, fresh memory file", [&] {
                               CMemFile fresh(1024 * 1024);
                               WriteAndRead(fresh, strings, nRecords);
                           }}},
                          1, 1e3, "ms", 0);
    return ok ? 0 : 1;
}

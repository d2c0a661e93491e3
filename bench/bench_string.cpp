// CString: copies share one buffer, so copying a long string costs what copying a short one
// does; appending one character at a time grows the buffer geometrically, so building a long
// string costs the same per character as building a short one. Both measured in one run.
#include "harness/BenchHarness.h"

#include <afx.h>

#include <string>
#include <vector>

namespace {

const int kRuns = 5;
const int kCopies = 200000;

// kCopies copies of text kept alive together, then released.
double CopyTime(const CString& text)
{
    std::vector<CString> copies(kCopies);
    return BenchHarness::Median(kRuns, [&] {
        for (CString& copy : copies)
            copy = text;
        BenchHarness::Consume((LPCTSTR)copies.back());
        for (CString& copy : copies)
            copy.Empty();
    });
}

// Seconds per character to build a string of nLength characters one at a time.
double AppendTimePerChar(int nLength)
{
    int nRepeat = (1 << 22) / nLength; // the same number of characters at every length
    double seconds = BenchHarness::Median(kRuns, [&] {
        for (int r = 0; r < nRepeat; r++) {
            CString s;
            for (int i = 0; i < nLength; i++)
                s += (char)('a' + (i & 15));
            BenchHarness::Consume((LPCTSTR)s);
        }
    });
    return seconds / ((double)nRepeat * nLength);
}

} // namespace

int main()
{
    CString shortText("short"), longText('x', 64 * 1024);
    double shortCopy = CopyTime(shortText);
    double longCopy = CopyTime(longText);
    std::string deepText(64 * 1024, 'x');
    std::vector<std::string> deepCopies(kCopies / 100);
    double deepCopy = BenchHarness::Median(kRuns, [&] {
        for (std::string& copy : deepCopies)
            copy = deepText;
        BenchHarness::Consume(deepCopies.back().data());
        for (std::string& copy : deepCopies)
            std::string().swap(copy);
    }) * 100;

    double appendShort = AppendTimePerChar(256);
    double appendLong = AppendTimePerChar(1 << 20);

    BenchHarness::Report("copies of a 5-character string", shortCopy * 1000, "ms");
    BenchHarness::Report("copies of a 64 KB string", longCopy * 1000, "ms");
    BenchHarness::Report("deep copies of a 64 KB std::string (same count, extrapolated)", deepCopy * 1000, "ms");
    BenchHarness::Report("append per character, 256-character strings", appendShort * 1e9, "ns");
    BenchHarness::Report("append per character, 1 MB strings", appendLong * 1e9, "ns");
    bool ok = BenchHarness::Ratio("copy 64 KB / copy 5 characters", longCopy / shortCopy, 3.0);
    ok = BenchHarness::Ratio("append per character 1 MB / 256 characters", appendLong / appendShort, 3.0) && ok;
    return ok ? 0 : 1;
}

// CString: copies share one buffer, so copying a long string costs what copying a short one
// does; appending one character at a time grows the buffer geometrically, so building a long
// string costs the same per character as building a short one. Each pair is timed in turns.
#include "harness/BenchHarness.h"

#include <afx.h>

#include <string>
#include <vector>

namespace {

const int kRounds = 7;
const int kCopies = 200000;

// kCopies copies of text kept alive together, then released.
BenchSide CopySide(const char* name, const CString& text, std::vector<CString>& copies)
{
    return {name, [&text, &copies] {
                for (CString& copy : copies)
                    copy = text;
                BenchHarness::Consume((LPCTSTR)copies.back());
                for (CString& copy : copies)
                    copy.Empty();
            }};
}

// A string of nLength characters built one at a time, per character, over the same number
// of characters at every length.
BenchSide AppendSide(const char* name, int nLength)
{
    int nRepeat = (1 << 22) / nLength;
    return {name,
            [nLength, nRepeat] {
                for (int r = 0; r < nRepeat; r++) {
                    CString s;
                    for (int i = 0; i < nLength; i++)
                        s += (char)('a' + (i & 15));
                    BenchHarness::Consume((LPCTSTR)s);
                }
            },
            (double)nRepeat * nLength};
}

} // namespace

int main()
{
    CString shortText("short"), longText('x', 64 * 1024);
    std::string deepText(64 * 1024, 'x');
    std::vector<CString> copies(kCopies);
    // A deep copy costs so much more that a hundredth of the count is measured, per copy.
    std::vector<std::string> deepCopies(kCopies / 100);
    std::vector<BenchTimes> copy = BenchHarness::Compare(
        {CopySide("200,000 copies of a 5-character string", shortText, copies),
         CopySide("200,000 copies of a 64 KB string", longText, copies),
         {"deep copies of a 64 KB std::string (per 200,000)",
          [&] {
              for (std::string& deep : deepCopies)
                  deep = deepText;
              BenchHarness::Consume(deepCopies.back().data());
              for (std::string& deep : deepCopies)
                  std::string().swap(deep);
          },
          0.01}},
        kRounds, 1e3, "ms");
    bool ok = BenchHarness::Ratio("copy 64 KB / copy 5 characters", copy[1], copy[0], 3.0);

    std::vector<BenchTimes> append = BenchHarness::Compare(
        {AppendSide("append, 256-character strings", 256), AppendSide("append, 1 MB strings", 1 << 20)}, kRounds,
        1e9, "ns per character");
    ok = BenchHarness::Ratio("append per character 1 MB / 256 characters", append[1], append[0], 3.0) && ok;
    return ok ? 0 : 1;
}

// The grid's data: pasting 10,000 and 100,000 lines of three tab-separated columns, copying as
// many selected lines, and storing cells at the end of a 1,000-line and a 1,000,000-line grid,
// each pair measured in one run so that the ratio shows how the cost grows.
#include "harness/BenchHarness.h"

#ifdef _WIN32

#include "core/KwClipboard.h"
#include "grid/KwGridCtrl.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

const int kRuns = 9;

double Seconds(const std::function<void()>& body)
{
    auto start = std::chrono::steady_clock::now();
    body();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Something measured: an untimed preparation, then the timed body.
struct Step
{
    std::function<void()> prepare;
    std::function<void()> body;
};

// Medians of kRuns timings of two steps taken in turns, so that a moment of load on the machine
// weighs on both alike.
void MedianPair(const Step& a, const Step& b, double& secondsA, double& secondsB)
{
    std::vector<double> timesA, timesB;
    for (int i = 0; i < kRuns; i++)
    {
        a.prepare();
        timesA.push_back(Seconds(a.body));
        b.prepare();
        timesB.push_back(Seconds(b.body));
    }
    secondsA = Median(timesA);
    secondsB = Median(timesB);
}

// nLines lines of three tab-separated columns, each line ending in a line break.
CString Lines(int nLines)
{
    std::string text;
    text.reserve((size_t)nLines * 24);
    for (int i = 0; i < nLines; i++)
    {
        std::string n = std::to_string(i);
        text += "name " + n + "\t" + n + "\tnote " + n + "\r\n";
    }
    return CString(text.c_str(), (int)text.size());
}

// A grid of nColumns columns in a hidden top-level window.
struct BenchGrid
{
    explicit BenchGrid(int nColumns)
    {
        parent.CreateEx(0, NULL, "bench", WS_OVERLAPPEDWINDOW, 0, 0, 600, 400, NULL, NULL, NULL);
        grid.Create(NULL, NULL, WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(0, 0, 580, 360), &parent, 1);
        for (int c = 0; c < nColumns; c++)
            grid.AddColumn(CString((char)('A' + c)), 150);
    }
    ~BenchGrid() { parent.DestroyWindow(); }

    // Empties the grid, puts the text on the clipboard and makes line 0 current with the grid
    // itself focused, ready for a paste.
    void PreparePaste(const CString& text)
    {
        CKwClipboard::PutText(text);
        grid.RemoveItemsAtAndBelow(0);
        grid.SetCurItem(0, 0);
        grid.SetFocus();
    }
    void Command(UINT nID) { grid.SendMessage(WM_COMMAND, nID); }

    CWnd parent;
    CKwGridCtrl grid;
};

// Pasting the lines into an empty grid.
Step Paste(BenchGrid& bench, const CString& text)
{
    return Step{[&bench, text] { bench.PreparePaste(text); }, [&bench] { bench.Command(ID_EDIT_PASTE); }};
}

// Copying the lines, selected as a paste leaves them.
Step Copy(BenchGrid& bench, const CString& text)
{
    return Step{[&bench, text] {
                    bench.PreparePaste(text);
                    bench.Command(ID_EDIT_PASTE);
                },
                [&bench] { bench.Command(ID_EDIT_COPY); }};
}

// A grid of one column holding nLines lines, all made by one paste.
void FillLines(BenchGrid& bench, int nLines)
{
    std::string text;
    text.reserve((size_t)nLines * 3);
    for (int i = 0; i < nLines; i++)
        text += "x\r\n";
    bench.PreparePaste(CString(text.c_str(), (int)text.size()));
    bench.Command(ID_EDIT_PASTE);
}

// Microseconds per store of a cell just below the last line, 100,000 stores each into a grid
// of 1,000 and one of 1,000,000 lines, in alternating chunks so that the load of the machine
// falls on both alike. Every store counts (no median): the small grid's line array grows
// several times on the way, and the large one's once, its cost charged to 100,000 stores, ten
// times its amortised share.
void AppendMicroseconds(double& small, double& large)
{
    const int kStores = 100000, kChunks = 20;
    BenchGrid smallBench(1), largeBench(1);
    FillLines(smallBench, 1000);
    FillLines(largeBench, 1000000);
    double secondsSmall = 0, secondsLarge = 0;
    auto append = [](CKwGridCtrl& grid, int nStores) {
        return Seconds([&] {
            for (int n = 0; n < nStores; n++)
                grid.SetTextItem(0, grid.GetLineCount(), "y");
        });
    };
    for (int i = 0; i < kChunks; i++)
    {
        secondsSmall += append(smallBench.grid, kStores / kChunks);
        secondsLarge += append(largeBench.grid, kStores / kChunks);
    }
    if (smallBench.grid.GetLineCount() != 1000 + kStores || largeBench.grid.GetLineCount() != 1000000 + kStores)
        std::printf("the stores gave %u and %u lines\n", smallBench.grid.GetLineCount(), largeBench.grid.GetLineCount());
    small = secondsSmall / kStores * 1e6;
    large = secondsLarge / kStores * 1e6;
}

} // namespace

int main()
{
    int over = 0;
    {
        BenchGrid bench(3);
        const CString small = Lines(10000), large = Lines(100000);
        double smallPaste, largePaste, smallCopy, largeCopy;
        MedianPair(Paste(bench, small), Paste(bench, large), smallPaste, largePaste);
        if (bench.grid.GetLineCount() != 100000)
            std::printf("the paste of 100,000 lines gave %u lines\n", bench.grid.GetLineCount());
        BenchHarness::Report("paste 10,000 lines of 3 columns", smallPaste * 1e3, "ms");
        BenchHarness::Report("paste 100,000 lines of 3 columns", largePaste * 1e3, "ms");
        over += !BenchHarness::Ratio("  100,000 / 10,000 lines (linear: 10)", largePaste / smallPaste, 12.0);
        over += !BenchHarness::Ratio("  100,000 lines, seconds", largePaste, 2.0);

        MedianPair(Copy(bench, small), Copy(bench, large), smallCopy, largeCopy);
        // The paste selected the lines and the empty one after the last line break, which
        // copies as two tabs.
        if (CKwClipboard::GetText() != large + "\t\t")
            std::printf("the copy of 100,000 lines gave another text\n");
        BenchHarness::Report("copy 10,000 selected lines", smallCopy * 1e3, "ms");
        BenchHarness::Report("copy 100,000 selected lines", largeCopy * 1e3, "ms");
        over += !BenchHarness::Ratio("  100,000 / 10,000 lines (linear: 10)", largeCopy / smallCopy, 12.0);
    }
    {
        double small, large;
        AppendMicroseconds(small, large);
        BenchHarness::Report("store at the end of 1,000 lines", small, "us");
        BenchHarness::Report("store at the end of 1,000,000 lines", large, "us");
        over += !BenchHarness::Ratio("  1,000,000 / 1,000 lines (constant: 1)", large / small, 1.5);
    }
    return over == 0 ? 0 : 1;
}

#else

#include <cstdio>

int main()
{
    std::printf("grid data: Windows only\n");
    return 0;
}

#endif

// The grid's data: pasting 10,000 and 100,000 lines of three tab-separated columns, copying as
// many selected lines, and storing cells at the end of a 1,000-line and a 1,000,000-line grid,
// each pair timed in turns so that the ratio shows how the cost grows; undoing and redoing the
// paste of 100,000 lines against the paste, and what its history holds against the lines.
#include "harness/BenchHarness.h"

#ifdef _WIN32

#include "core/KwClipboard.h"
#include "grid/KwGridCtrl.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

const int kRounds = 9;

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
BenchSide Paste(const char* name, BenchGrid& bench, const CString& text)
{
    return {name, [&bench] { bench.Command(ID_EDIT_PASTE); }, 1, [&bench, text] { bench.PreparePaste(text); }};
}

// Copying the lines, selected as a paste leaves them.
BenchSide Copy(const char* name, BenchGrid& bench, const CString& text)
{
    return {name, [&bench] { bench.Command(ID_EDIT_COPY); }, 1, [&bench, text] {
                bench.PreparePaste(text);
                bench.Command(ID_EDIT_PASTE);
            }};
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

// A store of a cell just below the last line, 100,000 stores each into a grid of 1,000 and one
// of 1,000,000 lines, in chunks taken in turns. The small grid's line array grows several times
// on the way, and the large one's once, its cost charged to 100,000 stores, ten times its
// amortised share: every store counts, so there is no warm-up and the means are compared too.
bool CompareAppend()
{
    const int kStores = 100000, kChunks = 20;
    BenchGrid smallBench(1), largeBench(1);
    FillLines(smallBench, 1000);
    FillLines(largeBench, 1000000);
    auto append = [](const char* name, CKwGridCtrl& grid) {
        return BenchSide{name,
                         [&grid] {
                             for (int n = 0; n < kStores / kChunks; n++)
                                 grid.SetTextItem(0, grid.GetLineCount(), "y");
                         },
                         kStores / kChunks};
    };
    std::vector<BenchTimes> t = BenchHarness::Compare(
        {append("store at the end of 1,000 lines", smallBench.grid),
         append("store at the end of 1,000,000 lines", largeBench.grid)},
        kChunks, 1e6, "us", 0);
    if (smallBench.grid.GetLineCount() != 1000 + kStores || largeBench.grid.GetLineCount() != 1000000 + kStores)
        std::printf("the stores gave %u and %u lines\n", smallBench.grid.GetLineCount(), largeBench.grid.GetLineCount());
    bool ok = BenchHarness::Ratio("  1,000,000 / 1,000 lines (constant: 1)", t[1], t[0], 1.5);
    return BenchHarness::Limit("  1,000,000 / 1,000 lines, means of every store", t[1].Mean() / t[0].Mean(), 1.5) && ok;
}

// The paste of 100,000 lines, its undo and its redo, each from the state the one before left.
bool CompareUndo(BenchGrid& bench, const CString& text)
{
    auto pasted = [&bench, text] {
        bench.PreparePaste(text);
        bench.Command(ID_EDIT_PASTE);
    };
    std::vector<BenchTimes> t = BenchHarness::Compare(
        {Paste("paste 100,000 lines", bench, text),
         {"undo the paste", [&bench] { bench.Command(ID_EDIT_UNDO); }, 1, pasted},
         {"redo the paste", [&bench] { bench.Command(ID_EDIT_REDO); }, 1, [&bench, pasted] {
              pasted();
              bench.Command(ID_EDIT_UNDO);
          }}},
        kRounds, 1e3, "ms");
    if (bench.grid.GetLineCount() != 100000)
        std::printf("the redo gave %u lines\n", bench.grid.GetLineCount());
    BenchHarness::Ratio("  undo / paste", t[1], t[0], 0);
    BenchHarness::Ratio("  redo / paste", t[2], t[0], 0);
    bool ok = BenchHarness::Limit("  undo of 100,000 lines, seconds", t[1].Min(), 0.2);

    // Done, the paste's step holds where its lines are; undone, the lines themselves, which
    // the grid gave up: their size is the grid's own data for them.
    pasted();
    CKwGridUndo& history = bench.grid.GetUndoHistory();
    double nDone = (double)history.GetUsedBytes();
    bench.Command(ID_EDIT_UNDO);
    double nLines = (double)history.GetUsedBytes();
    BenchHarness::Report("  history of the paste, bytes", nDone, "B");
    BenchHarness::Report("  the pasted lines (the grid's data), bytes", nLines, "B");
    return BenchHarness::Limit("  history / grid's data", nDone / nLines, 0.01) && ok;
}

} // namespace

int main()
{
    int over = 0;
    {
        BenchGrid bench(3);
        const CString small = Lines(10000), large = Lines(100000);
        std::vector<BenchTimes> paste = BenchHarness::Compare(
            {Paste("paste 10,000 lines of 3 columns", bench, small),
             Paste("paste 100,000 lines of 3 columns", bench, large)},
            kRounds, 1e3, "ms");
        if (bench.grid.GetLineCount() != 100000)
            std::printf("the paste of 100,000 lines gave %u lines\n", bench.grid.GetLineCount());
        over += !BenchHarness::Ratio("  100,000 / 10,000 lines (linear: 10)", paste[1], paste[0], 12.0);
        over += !BenchHarness::Limit("  100,000 lines, seconds", paste[1].Min(), 2.0);

        std::vector<BenchTimes> copy = BenchHarness::Compare(
            {Copy("copy 10,000 selected lines", bench, small), Copy("copy 100,000 selected lines", bench, large)},
            kRounds, 1e3, "ms");
        // The paste selected the lines and the empty one after the last line break, which
        // copies as two tabs.
        if (CKwClipboard::GetText() != large + "\t\t")
            std::printf("the copy of 100,000 lines gave another text\n");
        over += !BenchHarness::Ratio("  100,000 / 10,000 lines (linear: 10)", copy[1], copy[0], 12.0);
        over += !CompareUndo(bench, large);
    }
    over += !CompareAppend();
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

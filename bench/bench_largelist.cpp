// The large list: 100,000 keys inserted each at its sorted place into the large list view,
// against a plain report list view that sorts the same texts itself, timed in turns; and a
// header click that sorts the 100,500 lines anew.
#include "harness/BenchHarness.h"

#ifdef _WIN32

#include "grid/LargeListView.h"

#include <afxcmn.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const int kRows = 100000;
const int kChunk = 1000; // keys per list and round while both fill
const int kRounds = 5;
const int kKeysPerRound = 100;
const int kClicks = 5;

// Six-digit keys whose texts sort as the numbers do; the second column shows a note.
CString KeyText(long nKey)
{
    CString s;
    s.Format("%06ld", nKey);
    return s;
}
CString NoteText(long nKey)
{
    CString s;
    s.Format("note %02ld", nKey % 97);
    return s;
}
int CompareKeys(long a, long b) { return a < b ? -1 : a > b; }
int CompareNotes(long a, long b) { return (int)(a % 97 - b % 97); }

class CBenchListView : public CLargeListView
{
public:
    CBenchListView()
    {
        AddColumn("Key", KeyText, NULL, CompareKeys);
        AddColumn("Note", NoteText, NULL, CompareNotes);
    }
};

// The odd keys below 2n in an order of their own, the same in every run.
std::vector<long> Shuffled(int n, unsigned int nSeed)
{
    std::vector<long> keys((size_t)n);
    for (int i = 0; i < n; i++)
        keys[(size_t)i] = 2 * i + 1;
    for (int i = n - 1; i > 0; i--)
    {
        nSeed = nSeed * 1103515245u + 12345u;
        std::swap(keys[(size_t)i], keys[(size_t)((nSeed >> 8) % (unsigned)(i + 1))]);
    }
    return keys;
}

// The large list view as a frame's pane, and in a frame of its own a plain list of the same
// columns that sorts its texts itself. Both fill with redraw off, as a view fills in its update.
struct BenchLists
{
    BenchLists()
    {
        frame.Create(NULL, "large", WS_OVERLAPPEDWINDOW, CRect(0, 0, 600, 400));
        view = new CBenchListView;
        view->Create(NULL, NULL, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 580, 360), &frame, AFX_IDW_PANE_FIRST);
        frame.SetActiveView(view);
        view->OnInitialUpdate();
        plainFrame.Create(NULL, "plain", WS_OVERLAPPEDWINDOW, CRect(0, 0, 600, 400));
        plain.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SORTASCENDING, CRect(0, 0, 580, 360), &plainFrame, AFX_IDW_PANE_FIRST);
        plain.InsertColumn(0, "Key", LVCFMT_LEFT, 100);
        plain.InsertColumn(1, "Note", LVCFMT_LEFT, 100);
        view->SetRedraw(FALSE);
        plain.SetRedraw(FALSE);
    }
    ~BenchLists()
    {
        frame.DestroyWindow();
        plainFrame.DestroyWindow();
    }

    void InsertLarge(const long* pKeys, size_t nKeys)
    {
        for (size_t i = 0; i < nKeys; i++)
            view->InsertItem(pKeys[i]);
    }
    void InsertPlain(const long* pKeys, size_t nKeys)
    {
        for (size_t i = 0; i < nKeys; i++)
        {
            int nItem = plain.InsertItem(0, KeyText(pKeys[i]));
            plain.SetItemText(nItem, 1, NoteText(pKeys[i]));
        }
    }
    // A left click on a column's header, as the mouse gives it.
    void ClickHeader(int nColumn)
    {
        CHeaderCtrl* pHeader = view->GetListCtrl().GetHeaderCtrl();
        CRect rect;
        pHeader->SendMessage(HDM_GETITEMRECT, (WPARAM)nColumn, (LPARAM)&rect);
        CPoint centre = rect.CenterPoint();
        pHeader->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centre.x, centre.y));
        pHeader->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(centre.x, centre.y));
    }

    CFrameWnd frame;
    CBenchListView* view;
    CFrameWnd plainFrame;
    CListCtrl plain;
};

// The processor time this thread has spent, in seconds.
double ThreadSeconds()
{
    FILETIME created, exited, kernel, user;
    ::GetThreadTimes(::GetCurrentThread(), &created, &exited, &kernel, &user);
    auto seconds = [](const FILETIME& t) { return (((ULONGLONG)t.dwHighDateTime << 32) | t.dwLowDateTime) * 1e-7; };
    return seconds(kernel) + seconds(user);
}

} // namespace

int main()
{
    int over = 0;
    BenchLists lists;
    // Both lists take the same 100,000 keys in sorted order, the largest first, a chunk each in
    // turns so that they grow alike: each round compares them at the same size. Wine's list view
    // finds a text's place by a scan from the top, which stops at once here (in the other order
    // it scans every line, and 100,000 keys take the plain list many minutes); so both lists
    // spend their time moving their lines down, alike, and the limit leaves room for the rounds'
    // spread.
    std::vector<long> descending((size_t)kRows);
    for (int i = 0; i < kRows; i++)
        descending[(size_t)i] = 2 * (kRows - 1 - i);
    size_t nLarge = 0, nPlain = 0;
    std::vector<BenchTimes> fill = BenchHarness::Compare(
        {BenchSide("large list view: 100,000 keys in sorted order",
                   [&] { lists.InsertLarge(&descending[(nLarge++) * kChunk], kChunk); }, kChunk),
         BenchSide("plain list sorting its texts itself",
                   [&] { lists.InsertPlain(&descending[(nPlain++) * kChunk], kChunk); }, kChunk)},
        kRows / kChunk, 1e6, "us per key", 0);
    over += !BenchHarness::Ratio("  large / plain list, per key (not slower: 1)", fill[0], fill[1], 1.05);
    CListCtrl& list = lists.view->GetListCtrl();
    if (list.GetItemCount() != kRows || list.GetItemData(0) != 0 || list.GetItemData(kRows - 1) != 2 * (kRows - 1))
        std::printf("the large list is not in order\n");

    // Further keys in a random order, each falling anywhere among the 100,000 lines.
    const std::vector<long> more = Shuffled(kRounds * kKeysPerRound, 777);
    nLarge = nPlain = 0;
    std::vector<BenchTimes> insert = BenchHarness::Compare(
        {BenchSide("large list view: a key among 100,000 lines",
                   [&] { lists.InsertLarge(&more[(nLarge++) * kKeysPerRound], kKeysPerRound); }, kKeysPerRound),
         BenchSide("plain list: its text among 100,000 lines",
                   [&] { lists.InsertPlain(&more[(nPlain++) * kKeysPerRound], kKeysPerRound); }, kKeysPerRound)},
        kRounds, 1e6, "us per key", 0);
    over += !BenchHarness::Ratio("  large / plain list, per key (not slower: 1)", insert[0], insert[1], 1.0);

    // Header clicks on the lines, each sorting them all anew, by the note and then the key, or by
    // the key.
    int nClick = 0;
    double fCpu = ThreadSeconds();
    std::vector<BenchTimes> click = BenchHarness::Compare(
        {BenchSide("header click sorting 100,500 lines", [&] { lists.ClickHeader(nClick++ % 2); })}, kClicks, 1e3,
        "ms", 0);
    BenchHarness::Report("  header click, processor seconds per click", (ThreadSeconds() - fCpu) / kClicks, "s");
    over += !BenchHarness::Limit("  header click, median seconds", click[0].Median(), 1.0);
    return over == 0 ? 0 : 1;
}

#else

#include <cstdio>

int main()
{
    std::printf("large list: Windows only\n");
    return 0;
}

#endif

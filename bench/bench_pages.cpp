// Property pages: resizing a page whose 60 controls are anchored to its edges, time per resize,
// against resizing the same page without anchors and moving its 60 controls to the same places
// in one DeferWindowPos batch computed beforehand; timed in turns.
#include "harness/BenchHarness.h"
#include "harness/BenchPump.h"

#ifdef _WIN32

#include <afxole.h>
#include <afxwin.h>

#include "pages/KwPropertyPage.h"

#include <cstdio>
#include <vector>

namespace {

const UINT kTemplate = 30000;
const UINT kFirstID = 2000;
const int kControls = 60;
const int kResizes = 20; // per run, the size changing each time
const int kRounds = 9;
const CSize kSizes[2] = {CSize(700, 620), CSize(520, 560)};

int Flags(int i)
{
    static const int s_flags[3] = {CKwPropertyPage::ANCHOR_LEFT | CKwPropertyPage::ANCHOR_TOP,
        CKwPropertyPage::ANCHOR_LEFT | CKwPropertyPage::ANCHOR_RIGHT | CKwPropertyPage::ANCHOR_TOP,
        CKwPropertyPage::ANCHOR_RIGHT | CKwPropertyPage::ANCHOR_BOTTOM};
    return s_flags[i % 3];
}

class CBenchPage : public CKwPropertyPage
{
public:
    explicit CBenchPage(bool bAnchored) : CKwPropertyPage(NULL, kTemplate, 0)
    {
        for (int i = 0; bAnchored && i < kControls; i++)
            RegisterForResizing(kFirstID + i, Flags(i));
    }
};

} // namespace

int main()
{
    CWinApp app("KwUi pages bench");
    AfxOleInit();
    CWnd host;
    host.CreateEx(0, AfxRegisterWndClass(0), "Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 1000, 800, NULL, NULL);
    CBenchPage anchored(true), plain(false);
    if (!anchored.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 600, 600), &host, 1) ||
        !plain.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 600, 600), &host, 2))
    {
        printf("the pages could not be made\n");
        return 1;
    }
    // The places the anchored page gives its controls at each size, taken from it once.
    std::vector<CRect> places[2];
    for (int s = 0; s < 2; s++)
    {
        anchored.MoveWindow(0, 0, kSizes[s].cx, kSizes[s].cy);
        for (int i = 0; i < kControls; i++)
        {
            CRect rc;
            anchored.GetDlgItem(kFirstID + i)->GetWindowRect(&rc);
            anchored.ScreenToClient(&rc);
            places[s].push_back(rc);
        }
    }
    BenchPump();

    auto resizeAnchored = [&] {
        for (int r = 0; r < kResizes; r++)
            anchored.MoveWindow(0, 0, kSizes[r % 2].cx, kSizes[r % 2].cy);
    };
    auto resizeBatch = [&] {
        for (int r = 0; r < kResizes; r++)
        {
            plain.MoveWindow(0, 0, kSizes[r % 2].cx, kSizes[r % 2].cy);
            HDWP hdwp = ::BeginDeferWindowPos(kControls);
            for (int i = 0; i < kControls && hdwp != NULL; i++)
            {
                const CRect& rc = places[r % 2][i];
                hdwp = ::DeferWindowPos(hdwp, ::GetDlgItem(plain.m_hWnd, kFirstID + i), NULL, rc.left, rc.top,
                    rc.Width(), rc.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
            }
            if (hdwp != NULL)
                ::EndDeferWindowPos(hdwp);
        }
    };
    printf("a page of %d controls resized, %d resizes a run\n", kControls, kResizes);
    std::vector<BenchTimes> t = BenchHarness::Compare(
        {{"  anchored page", resizeAnchored, kResizes}, {"  one batch computed outside", resizeBatch, kResizes}},
        kRounds, 1e3, "ms per resize");
    bool ok = BenchHarness::Ratio("  anchored vs batch", t[0], t[1], 2.0);
    anchored.DestroyWindow();
    plain.DestroyWindow();
    host.DestroyWindow();
    BenchPump();
    return ok ? 0 : 1;
}

#else

// Windows and their pages: nothing to measure elsewhere.
int main()
{
    return 0;
}

#endif

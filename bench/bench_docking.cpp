// Docking frames: resizing a main frame with 12 docked panes (three on each edge), time per
// RecalcLayout against the same frame without panes, timed in turns; and loading a saved layout
// of the 12 panes from the registry, which moves every one of them, makes a tabbed container and
// hides a pane into its strip.
#include "harness/BenchHarness.h"
#include "harness/BenchPump.h"

#ifdef _WIN32

#include <afxwin.h>

#include "CBCGPDockingControlBar.h"
#include "CBCGPMDIFrameWnd.h"
#include "CBCGPTabbedControlBar.h"
#include "CBCGPWorkspace.h"

#include <shlwapi.h>

#include <cstdio>
#include <memory>

namespace {

const int kPanes = 12;
const int kLayouts = 20; // RecalcLayouts per run, the frame's size changing each time
const int kRounds = 9;
const char kKey[] = "Software\\KwUiBench";

CBCGPMDIFrameWnd* NewFrame(const char* pszTitle)
{
    CBCGPMDIFrameWnd* pFrame = new CBCGPMDIFrameWnd;
    if (!pFrame->Create(NULL, pszTitle, WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 1200, 900)))
        return nullptr;
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    pFrame->EnableAutoHideBars(CBRS_ALIGN_ANY);
    return pFrame;
}

// Resizes the frame by a few pixels each time, so that every layout moves every window.
void Resize(CBCGPMDIFrameWnd* pFrame)
{
    for (int i = 0; i < kLayouts; i++)
    {
        pFrame->SetWindowPos(NULL, 0, 0, 1200 - (i % 2) * 40, 900 - (i % 2) * 30, SWP_NOZORDER | SWP_NOMOVE | SWP_NOREDRAW);
        pFrame->RecalcLayout();
    }
}

} // namespace

int main()
{
    CWinApp app("KwUi docking bench");
    ::SHDeleteKeyA(HKEY_CURRENT_USER, kKey);
    app.SetRegistryKey(kKey + strlen("Software\\"));
    CBCGPWorkspace workspace;
    workspace.SetRegistryBase("Bench");
    CBCGPMDIFrameWnd* pDocked = NewFrame("Docked");
    CBCGPMDIFrameWnd* pPlain = NewFrame("Plain");
    if (pDocked == nullptr || pPlain == nullptr)
    {
        printf("the frames could not be made\n");
        return 1;
    }
    app.m_pMainWnd = pDocked;
    std::unique_ptr<CBCGPDockingControlBar[]> panes(new CBCGPDockingControlBar[kPanes]);
    static const DWORD s_sides[4] = {CBRS_TOP, CBRS_BOTTOM, CBRS_LEFT, CBRS_RIGHT};
    for (int i = 0; i < kPanes; i++)
    {
        CString strName;
        strName.Format("Pane %d", i + 1);
        if (!panes[i].Create(strName, pDocked, CRect(0, 0, 160, 120), TRUE, 300 + i, WS_CHILD | WS_VISIBLE | s_sides[i % 4]))
        {
            printf("a pane could not be made\n");
            return 1;
        }
        panes[i].EnableDocking(CBRS_ALIGN_ANY);
        pDocked->DockControlBar(&panes[i]);
    }
    pDocked->RecalcLayout();
    BenchPump();

    printf("a 1200x900 frame resized, %d layouts a run\n", kLayouts);
    std::vector<BenchTimes> t = BenchHarness::Compare(
        {{"  with 12 docked panes", [&] { Resize(pDocked); }, kLayouts},
            {"  without panes", [&] { Resize(pPlain); }, kLayouts}},
        kRounds, 1e3, "ms per RecalcLayout");
    bool ok = BenchHarness::Ratio("  12 panes vs none", t[0], t[1], 5.0);

    // A saved layout in which every pane has moved: each edge's panes in reverse order, two
    // floating, two top ones tabbed together, a left one hidden in its strip; loading it into
    // the frame as built brings them all back.
    pDocked->SetWindowPos(NULL, 0, 0, 1200, 900, SWP_NOZORDER | SWP_NOMOVE);
    for (int i = kPanes - 1; i >= 0; i--)
        pDocked->GetDockManager()->DockControlBar(&panes[i], s_sides[i % 4] & CBRS_ALIGN_ANY);
    panes[0].FloatControlBar(CRect(100, 100, 400, 300));
    panes[5].FloatControlBar(CRect(500, 100, 800, 300));
    panes[8].AttachToTabWnd(&panes[4], DM_UNKNOWN);
    panes[6].SetAutoHideMode(TRUE, CBRS_ALIGN_LEFT, NULL, TRUE);
    pDocked->RecalcLayout();
    if (!panes[4].IsTabbed() || !panes[6].IsAutoHideMode())
    {
        printf("the layout to save could not be made\n");
        return 1;
    }
    workspace.SaveState(NULL, pDocked);
    auto rebuild = [&] {
        for (int i = 0; i < kPanes; i++)
        {
            if (CBCGPTabbedControlBar* pTabbed = panes[i].GetParentTabbedBar())
                pTabbed->DetachBar(&panes[i]);
            panes[i].SetAutoHideMode(FALSE, 0, NULL, FALSE);
            if (panes[i].IsFloating())
                panes[i].DockToRecentPos();
            pDocked->GetDockManager()->DockControlBar(&panes[i], s_sides[i % 4] & CBRS_ALIGN_ANY);
            panes[i].ShowWindow(SW_SHOWNA);
        }
        pDocked->RecalcLayout();
        BenchPump();
    };
    std::vector<BenchTimes> load = BenchHarness::Compare(
        {{"  loading a layout of 12 panes", [&] { workspace.LoadState(NULL, pDocked); }, 1, rebuild}}, kRounds, 1e3,
        "ms");
    ok &= BenchHarness::Limit("  layout load, median ms", load[0].Median() * 1e3, 100.0);
    if (!panes[8].IsTabbed() || panes[8].GetParentTabbedBar() != panes[4].GetParentTabbedBar() || !panes[6].IsAutoHideMode())
    {
        printf("  the loaded layout lacks its tabbed container or its hidden pane\n");
        ok = false;
    }

    app.m_pMainWnd = NULL;
    pDocked->DestroyWindow();
    pPlain->DestroyWindow();
    BenchPump();
    ::SHDeleteKeyA(HKEY_CURRENT_USER, kKey);
    return ok ? 0 : 1;
}

#else

// Windows and their frames: nothing to measure elsewhere.
int main()
{
    return 0;
}

#endif

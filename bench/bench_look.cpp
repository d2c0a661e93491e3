// The dark look's cost, each case in the dark and the classic look timed in turns (the look
// switches in each side's untimed preparation): a list view of 2,000 lines, its scroll bars
// shown, taking mouse moves, the cheapest messages there are (and, to tell how much of the dark
// look's cost is the subclassing itself, under a subclass that only passes them on), and
// scrolling line by line with its bar following; and a docking frame with four panes of
// controls (that list view, a grid, a tab control, buttons and an edit) repainted whole, frames
// included.
#include "harness/BenchHarness.h"
#include "harness/BenchPump.h"

#ifdef _WIN32

#include "core/KwLook.h"
#include "grid/KwGridCtrl.h"

#include <afxwin.h>
#include <commctrl.h>

#include "CBCGPDockingControlBar.h"
#include "CBCGPMDIFrameWnd.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

const int kRounds = 15;
const int kLines = 2000;
const int kColumns = 4;
const int kMoves = 2000;  // mouse moves a run
const int kScrolls = 100; // line scrolls a run

// A frame of 1000 x 800 with a pane on each edge: the list view and the grid fill theirs.
struct Scene
{
    bool Make()
    {
        INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES};
        ::InitCommonControlsEx(&icc);
        // The frame deletes itself once destroyed.
        pFrame = new CBCGPMDIFrameWnd;
        CBCGPMDIFrameWnd& frame = *pFrame;
        if (!frame.Create(NULL, "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 1000, 800)))
            return false;
        frame.EnableDocking(CBRS_ALIGN_ANY);
        static const DWORD s_sides[4] = {CBRS_LEFT, CBRS_RIGHT, CBRS_BOTTOM, CBRS_TOP};
        for (int i = 0; i < 4; i++)
        {
            if (!panes[i].Create("Pane", &frame, CRect(0, 0, 320, 200), TRUE, 300 + i, WS_CHILD | WS_VISIBLE | s_sides[i]))
                return false;
            panes[i].EnableDocking(CBRS_ALIGN_ANY);
            frame.DockControlBar(&panes[i]);
        }
        frame.RecalcLayout();
        frame.UpdateWindow();
        CRect rc;
        panes[0].GetClientRect(&rc);
        hList = ::CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, rc.Width(), rc.Height(),
            panes[0].m_hWnd, (HMENU)1, NULL, NULL);
        panes[1].GetClientRect(&rc);
        grid.Create(NULL, NULL, WS_CHILD | WS_VISIBLE, rc, &panes[1], 2);
        panes[2].GetClientRect(&rc);
        ::CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE, 0, 0, rc.Width(), rc.Height(), panes[2].m_hWnd,
            (HMENU)3, NULL, NULL);
        for (int i = 0; i < 3; i++)
        {
            ::CreateWindowExA(0, "BUTTON", "Button", WS_CHILD | WS_VISIBLE | (i == 2 ? BS_AUTOCHECKBOX : BS_PUSHBUTTON),
                8 + 110 * i, 8, 100, 26, panes[3].m_hWnd, (HMENU)(INT_PTR)(4 + i), NULL, NULL);
        }
        ::CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "Text", WS_CHILD | WS_VISIBLE, 340, 8, 200, 26, panes[3].m_hWnd,
            (HMENU)7, NULL, NULL);
        for (int c = 0; c < kColumns; c++)
        {
            CString strTitle;
            strTitle.Format("Column %d", c);
            grid.AddColumn(strTitle, 90);
            LVCOLUMNA column = {};
            column.mask = LVCF_TEXT | LVCF_WIDTH;
            column.cx = 90;
            column.pszText = const_cast<LPSTR>((LPCSTR)strTitle);
            ::SendMessageA(hList, LVM_INSERTCOLUMNA, c, (LPARAM)&column);
        }
        for (int l = 0; l < kLines; l++)
        {
            for (int c = 0; c < kColumns; c++)
            {
                CString strText;
                strText.Format("Line %d, %d", l, c);
                grid.SetTextItem(c, l, strText);
                LVITEMA item = {};
                item.mask = LVIF_TEXT;
                item.iItem = l;
                item.iSubItem = c;
                item.pszText = const_cast<LPSTR>((LPCSTR)strText);
                ::SendMessageA(hList, c == 0 ? LVM_INSERTITEMA : LVM_SETITEMTEXTA, l, (LPARAM)&item);
            }
        }
        BenchPump();
        return (::GetWindowLongA(hList, GWL_STYLE) & WS_VSCROLL) != 0;
    }

    // The look, every window repainted in it before anything is timed.
    void Switch(CKwLook::ELook eLook)
    {
        CKwLook::SetLook(eLook, FALSE);
        ::RedrawWindow(pFrame->m_hWnd, NULL, NULL, RDW_UPDATENOW | RDW_ALLCHILDREN);
        BenchPump();
    }

    void Move()
    {
        for (int i = 0; i < kMoves; i++)
            ::SendMessageA(hList, WM_MOUSEMOVE, 0, MAKELPARAM(20 + i % 100, 40 + i % 50));
    }

    void Scroll()
    {
        for (int i = 0; i < kScrolls; i++)
        {
            ::SendMessageA(hList, WM_VSCROLL, SB_LINEDOWN, 0);
            ::UpdateWindow(hList);
        }
    }

    // Back at the top, untimed, before the next run's scrolling.
    void ToTop()
    {
        ::SendMessageA(hList, WM_VSCROLL, SB_TOP, 0);
        ::UpdateWindow(hList);
    }

    void Repaint()
    {
        ::RedrawWindow(pFrame->m_hWnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }

    CBCGPMDIFrameWnd* pFrame = NULL;
    CBCGPDockingControlBar panes[4];
    CKwGridCtrl grid;
    HWND hList = NULL;
};

// A subclass that passes every message on: what subclassing alone costs a message.
LRESULT CALLBACK PassOn(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    return ::DefSubclassProc(hWnd, nMsg, wParam, lParam);
}

// The case timed in the dark and the classic look, the dark one's ratio to the classic printed;
// with bBareSubclass also in the classic look under a subclass that only passes messages on.
void Compare(Scene& scene, const char* pszCase, double units, const char* pszUnit, void (Scene::*pfnBody)(),
             void (Scene::*pfnPrepare)() = NULL, bool bBareSubclass = false)
{
    auto side = [&](const char* pszSide, CKwLook::ELook eLook, bool bSubclass) {
        return BenchSide(std::string("  ") + pszCase + ", " + pszSide, [&scene, pfnBody] { (scene.*pfnBody)(); }, units,
            [&scene, pfnPrepare, eLook, bSubclass] {
                scene.Switch(eLook);
                if (bSubclass)
                    ::SetWindowSubclass(scene.hList, PassOn, 0, 0);
                else
                    ::RemoveWindowSubclass(scene.hList, PassOn, 0);
                if (pfnPrepare != NULL)
                    (scene.*pfnPrepare)();
            });
    };
    std::vector<BenchSide> sides = {side("dark", CKwLook::eDark, false), side("classic", CKwLook::eClassic, false)};
    if (bBareSubclass)
        sides.push_back(side("classic + bare subclass", CKwLook::eClassic, true));
    const std::vector<BenchTimes> t = BenchHarness::Compare(sides, kRounds, 1e6, pszUnit);
    BenchHarness::Ratio((std::string("  ") + pszCase + ": dark / classic").c_str(), t[0], t[1], 0);
    if (bBareSubclass)
        BenchHarness::Ratio((std::string("  ") + pszCase + ": dark / bare subclass").c_str(), t[0], t[2], 0);
    ::RemoveWindowSubclass(scene.hList, PassOn, 0);
}

} // namespace

int main()
{
    CWinApp app("KwUi look bench");
    Scene scene;
    if (!scene.Make())
    {
        printf("the frame, its panes or a list view with scroll bars could not be made\n");
        return 1;
    }
    app.m_pMainWnd = scene.pFrame;
    Compare(scene, "list view mouse moves", kMoves, "us per message", &Scene::Move, NULL, true);
    Compare(scene, "list view line scrolls, painted", kScrolls, "us per line", &Scene::Scroll, &Scene::ToTop);
    Compare(scene, "frame of 4 panes, 7 controls, repaint", 1, "us per repaint", &Scene::Repaint);
    CKwLook::SetLook(CKwLook::eClassic, FALSE);
    app.m_pMainWnd = NULL;
    scene.pFrame->DestroyWindow();
    BenchPump();
    return 0;
}

#else

#include <cstdio>

int main()
{
    printf("the look's cost: Windows only\n");
    return 0;
}

#endif

// The grid's full repaint against a report-mode list view showing the same texts in the same
// size and font, its rows as high as the grid's lines so that both show the same cells, timed in
// turns: painted into a memory surface through each control's own painting, and through the
// window manager with RedrawWindow; then both ways again at 192 DPI, as on a monitor of that DPI:
// the grid told so by WM_DPICHANGED, both in the GUI font and column widths at that DPI.
#include "harness/BenchHarness.h"
#include "harness/BenchPump.h"

#ifdef _WIN32

#include "core/KwDpi.h"
#include "grid/KwGridCtrl.h"

#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

const int kRounds = 31;
const int kWidth = 1000;
const int kHeight = 800;
const int kColumns = 5;
const int kLines = 100; // more than fill the height

CString CellText(int nColumn, int nLine)
{
    CString s;
    s.Format("Line %d, column %d: some text", nLine, nColumn);
    return s;
}

// The grid's line height, for the list view to match.
struct BenchGrid : CKwGridCtrl
{
    int LineHeight() const { return GetItemHeight(); }
};

// Both controls in one top-level window at the same place, each kWidth x kHeight; only the one
// measured is shown, so both are clipped alike by the screen.
struct Scene
{
    Scene()
    {
        INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_LISTVIEW_CLASSES};
        ::InitCommonControlsEx(&icc);
        frame.CreateEx(0, AfxRegisterWndClass(0), "bench", WS_POPUP | WS_VISIBLE, 0, 0, kWidth, kHeight, NULL, 0);
        grid.Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, kWidth, kHeight), &frame, 1);
        hList = ::CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | LVS_REPORT, 0, 0, kWidth,
            kHeight, frame.m_hWnd, (HMENU)2, NULL, NULL);
        ::SendMessageA(hList, WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT), TRUE);
        for (int c = 0; c < kColumns; ++c)
        {
            CString sTitle;
            sTitle.Format("Column %d", c);
            grid.AddColumn(sTitle, kWidth / kColumns);
            LVCOLUMNA column = {};
            column.mask = LVCF_TEXT | LVCF_WIDTH;
            column.cx = kWidth / kColumns;
            column.pszText = const_cast<LPSTR>((LPCSTR)sTitle);
            ::SendMessageA(hList, LVM_INSERTCOLUMNA, c, (LPARAM)&column);
        }
        for (int l = 0; l < kLines; ++l)
        {
            LVITEMA item = {};
            item.iItem = l;
            for (int c = 0; c < kColumns; ++c)
            {
                const CString sText = CellText(c, l);
                grid.SetTextItem(c, l, sText);
                item.mask = LVIF_TEXT;
                item.iSubItem = c;
                item.pszText = const_cast<LPSTR>((LPCSTR)sText);
                ::SendMessageA(hList, c == 0 ? LVM_INSERTITEMA : LVM_SETITEMTEXTA, l, (LPARAM)&item);
            }
        }
        MatchRowHeight();
        BenchPump();
    }

    int ListRowHeight() const
    {
        RECT rect = {LVIR_BOUNDS, 0, 0, 0};
        ::SendMessageA(hList, LVM_GETITEMRECT, 0, (LPARAM)&rect);
        return rect.bottom - rect.top;
    }

    // A list view's rows are as high as its small icons when those are higher than its text:
    // an image list of 1-pixel-wide icons brings them to the grid's line height.
    void MatchRowHeight()
    {
        int cy = grid.LineHeight();
        for (int i = 0; i < 2 && ListRowHeight() != grid.LineHeight(); ++i)
        {
            cy += grid.LineHeight() - ListRowHeight();
            const HIMAGELIST hIcons = ::ImageList_Create(1, cy, ILC_COLOR32, 0, 1);
            if (HIMAGELIST hOld = (HIMAGELIST)::SendMessageA(hList, LVM_SETIMAGELIST, LVSIL_SMALL, (LPARAM)hIcons))
                ::ImageList_Destroy(hOld);
        }
    }

    void AtDpi(UINT nDpi)
    {
        LOGFONTA logFont = {};
        ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(logFont), &logFont);
        logFont.lfHeight = CKwDpi::ScaleFontHeight(logFont.lfHeight, CKwDpi::ForWindow(NULL), nDpi);
        fontAtDpi.CreateFontIndirect(&logFont);
        grid.SendMessage(WM_DPICHANGED, MAKEWPARAM(nDpi, nDpi));
        grid.SetFont(&fontAtDpi);
        ::SendMessageA(hList, WM_SETFONT, (WPARAM)fontAtDpi.m_hObject, TRUE);
        for (int c = 0; c < kColumns; ++c)
            ::SendMessageA(hList, LVM_SETCOLUMNWIDTH, c, CKwDpi::Scale(kWidth / kColumns, nDpi));
        MatchRowHeight();
        BenchPump();
    }

    static void Show(HWND hShown, HWND hHidden)
    {
        ::ShowWindow(hHidden, SW_HIDE);
        ::ShowWindow(hShown, SW_SHOW);
        BenchPump();
    }

    CWnd frame;
    BenchGrid grid;
    HWND hList = NULL;
    CFont fontAtDpi;
};

// A 32-bit surface of the controls' size to paint into.
struct Surface
{
    Surface()
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = kWidth;
        info.bmiHeader.biHeight = -kHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* pBits = NULL;
        hDC = ::CreateCompatibleDC(NULL);
        hBitmap = ::CreateDIBSection(hDC, &info, DIB_RGB_COLORS, &pBits, NULL, 0);
        hOld = ::SelectObject(hDC, hBitmap);
    }
    ~Surface()
    {
        ::SelectObject(hDC, hOld);
        ::DeleteObject(hBitmap);
        ::DeleteDC(hDC);
    }
    HDC hDC;
    HBITMAP hBitmap;
    HGDIOBJ hOld;
};

// Both ways of painting, the grid against the list view; returns how many ratios are over.
int CompareAt(Scene& scene, Surface& surface, const std::string& at)
{
    int over = 0;
    std::printf("%srows: grid %d px, list view %d px\n", at.c_str(), scene.grid.LineHeight(), scene.ListRowHeight());
    // Each control paints its whole client area into a surface given to it: the list view its
    // background and items.
    const std::vector<BenchTimes> print = BenchHarness::Compare(
        {{"grid " + at + "1,000 x 800 painted into a surface",
          [&] { scene.grid.SendMessage(WM_PAINT, (WPARAM)surface.hDC); }},
         {"list view " + at + "1,000 x 800 painted into a surface",
          [&] { ::SendMessageA(scene.hList, WM_PRINTCLIENT, (WPARAM)surface.hDC, PRF_CLIENT | PRF_ERASEBKGND); }}},
        kRounds, 1e3, "ms");
    over += !BenchHarness::Ratio(("  grid / list view " + at + "into a surface (not slower)").c_str(), print[0], print[1], 1.0);

    // The same through the window manager, header included, as a user's repaint goes: the grid
    // through its own off-screen surface.
    const UINT flags = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN;
    const std::vector<BenchTimes> redraw = BenchHarness::Compare(
        {{"grid " + at + "RedrawWindow", [&] { ::RedrawWindow(scene.grid.m_hWnd, NULL, NULL, flags); }, 1,
          [&] { Scene::Show(scene.grid.m_hWnd, scene.hList); }},
         {"list view " + at + "RedrawWindow", [&] { ::RedrawWindow(scene.hList, NULL, NULL, flags); }, 1,
          [&] { Scene::Show(scene.hList, scene.grid.m_hWnd); }}},
        kRounds, 1e3, "ms");
    over += !BenchHarness::Ratio(("  grid / list view " + at + "RedrawWindow (not slower)").c_str(), redraw[0], redraw[1], 1.0);
    return over;
}

} // namespace

int main()
{
    Scene scene;
    Surface surface;
    int over = CompareAt(scene, surface, "");
    scene.AtDpi(192);
    over += CompareAt(scene, surface, "at 192 DPI, ");
    return over == 0 ? 0 : 1;
}

#else

#include <cstdio>

int main()
{
    std::printf("grid painting: Windows only\n");
    return 0;
}

#endif

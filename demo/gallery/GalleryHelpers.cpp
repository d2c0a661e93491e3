// GalleryHelpers.cpp: each picture is painted by a plain popup window and saved from its surface.
#include "GalleryHelpers.h"
#include "Gallery.h"

#include "core/CoreGlobalMethods.h"
#include "core/Split.h"

#include <afxwin.h>

namespace {

// Draws a scene of red, blue and green shapes on white, with a caption.
void PaintScene(CDC& dc, int x, const char* caption)
{
    dc.FillSolidRect(x, 0, 200, 170, RGB(255, 255, 255));
    CBrush red(RGB(255, 0, 0)), blue(RGB(0, 0, 255)), green(RGB(0, 160, 0));
    CBrush* old = dc.SelectObject(&red);
    ::SelectObject(dc, ::GetStockObject(NULL_PEN));
    dc.Ellipse(x + 20, 20, x + 100, 100);
    dc.SelectObject(&blue);
    dc.Rectangle(x + 80, 50, x + 180, 120);
    dc.SelectObject(&red);
    dc.Rectangle(x + 120, 20, x + 190, 60);
    dc.SelectObject(&green);
    dc.Ellipse(x + 30, 90, x + 90, 150);
    dc.SelectObject(old);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    dc.TextOut(x + 10, 150, CString(caption));
}

void PaintReplaceColor(CDC& dc)
{
    dc.FillSolidRect(0, 0, 410, 170, RGB(255, 255, 255));
    PaintScene(dc, 0, "before");
    PaintScene(dc, 210, "red -> yellow in the frame");
    CRect frame(220, 10, 400, 110);
    CCoreGlobalMethods::ReplaceColor(dc, frame, RGB(255, 0, 0), RGB(255, 220, 0));
    CBrush grey(RGB(128, 128, 128));
    dc.FrameRect(frame, &grey);
}

void PaintSplit(CDC& dc)
{
    dc.FillSolidRect(0, 0, 620, 170, RGB(255, 255, 255));
    const UINT counts[] = {3, 5, 7, 12};
    const COLORREF colours[] = {RGB(250, 200, 200), RGB(200, 230, 250), RGB(210, 245, 200), RGB(250, 240, 190)};
    dc.SetBkMode(TRANSPARENT);
    for (int panel = 0; panel < 4; ++panel)
    {
        CRect area(10 + panel * 152, 10, 10 + panel * 152 + 142, 140);
        CArray<CRect, const CRect&> cells;
        CSplit::Split(area, counts[panel], cells);
        CBrush edge(RGB(80, 80, 80));
        dc.FrameRect(area, &edge);
        for (INT_PTR i = 0; i < cells.GetSize(); ++i)
        {
            CRect cell = cells[i];
            cell.DeflateRect(2, 2);
            dc.FillSolidRect(cell, colours[i % 4]);
            dc.SetBkMode(TRANSPARENT);
            CString number;
            number.Format("%d", (int)i + 1);
            dc.DrawText(number, cell, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
        CString caption;
        caption.Format("%u cells", counts[panel]);
        dc.TextOut(area.left, 146, caption);
    }
}

LRESULT CALLBACK PictureProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_PAINT)
    {
        PAINTSTRUCT ps;
        HDC hdc = ::BeginPaint(hWnd, &ps);
        CDC dc;
        dc.Attach(hdc);
        ((PaintFunction)::GetWindowLongPtrA(hWnd, GWLP_USERDATA))(dc);
        dc.Detach();
        ::EndPaint(hWnd, &ps);
        return 0;
    }
    return ::DefWindowProcA(hWnd, msg, wParam, lParam);
}

} // namespace

bool GallerySavePainting(const char* pszFolder, const char* pszName, int width, int height, PaintFunction paint)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = PictureProc;
    wc.hInstance = ::GetModuleHandleA(NULL);
    wc.lpszClassName = "KwGalleryHelperPicture";
    ::RegisterClassA(&wc);
    HWND hWnd = ::CreateWindowExA(0, wc.lpszClassName, pszName, WS_POPUP, 0, 0, width, height, NULL, NULL, wc.hInstance, NULL);
    if (hWnd == NULL)
        return false;
    ::SetWindowLongPtrA(hWnd, GWLP_USERDATA, (LONG_PTR)paint);
    ::ShowWindow(hWnd, SW_SHOWNOACTIVATE);
    ::UpdateWindow(hWnd);
    bool saved = GallerySaveWindow(hWnd, pszFolder, pszName);
    ::DestroyWindow(hWnd);
    return saved;
}

bool GalleryHelpers(const char* pszFolder)
{
    bool replaced = GallerySavePainting(pszFolder, "replace-color", 410, 170, PaintReplaceColor);
    bool split = GallerySavePainting(pszFolder, "split", 620, 170, PaintSplit);
    return replaced && split;
}

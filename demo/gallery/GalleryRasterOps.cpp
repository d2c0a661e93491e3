// GalleryRasterOps.cpp: raster operations drawn through CDC, each tile built off screen.
#include "GalleryRasterOps.h"
#include "Gallery.h"

#include <afxwin.h>

namespace {

const int nTile = 96;    // side of one tile
const int nCaption = 18; // height of the caption under a tile
const int nGap = 12;

struct RasterOp
{
    DWORD dwRop;
    const char* pszName;
};

const RasterOp ops[] = {
    {SRCCOPY, "SRCCOPY"},     {SRCAND, "SRCAND"},         {SRCPAINT, "SRCPAINT"},
    {SRCINVERT, "SRCINVERT"}, {DSTINVERT, "DSTINVERT"},   {NOTSRCCOPY, "NOTSRCCOPY"},
    {MERGEPAINT, "MERGEPAINT"}, {PATINVERT, "PATINVERT"},
};
const int nColumns = 4;

class CRasterOpsWnd : public CWnd
{
public:
    // The destination every operation starts from: vertical stripes.
    static void DrawDestination(CDC& dc)
    {
        for (int x = 0; x < nTile; x += 16)
            dc.FillSolidRect(x, 0, 8, nTile, RGB(0x20, 0x60, 0xC0));
        for (int x = 8; x < nTile; x += 16)
            dc.FillSolidRect(x, 0, 8, nTile, RGB(0xF0, 0xE0, 0x90));
    }

    // The source: a red disc and a green square on white.
    static void DrawSource(CDC& dc)
    {
        dc.FillSolidRect(0, 0, nTile, nTile, RGB(255, 255, 255));
        CBrush red(RGB(0xE0, 0x20, 0x20)), green(RGB(0x20, 0xA0, 0x40));
        CPen* pOldPen = (CPen*)dc.SelectStockObject(NULL_PEN);
        CBrush* pOldBrush = dc.SelectObject(&red);
        dc.Ellipse(8, 8, 64, 64);
        dc.SelectObject(&green);
        dc.Rectangle(40, 40, 88, 88);
        dc.SelectObject(pOldBrush);
        dc.SelectObject(pOldPen);
    }

    void Draw(CDC* pDC)
    {
        CRect rc;
        GetClientRect(&rc);
        pDC->FillSolidRect(rc, ::GetSysColor(COLOR_BTNFACE));

        CDC source, tile;
        source.CreateCompatibleDC(pDC);
        tile.CreateCompatibleDC(pDC);
        CBitmap sourceBitmap, tileBitmap;
        sourceBitmap.CreateCompatibleBitmap(pDC, nTile, nTile);
        tileBitmap.CreateCompatibleBitmap(pDC, nTile, nTile);
        CBitmap* pOldSource = source.SelectObject(&sourceBitmap);
        CBitmap* pOldTile = tile.SelectObject(&tileBitmap);
        DrawSource(source);

        pDC->SetBkMode(TRANSPARENT);
        CGdiObject* pOldFont = pDC->SelectStockObject(DEFAULT_GUI_FONT);
        for (int i = 0; i < (int)(sizeof(ops) / sizeof(ops[0])); i++)
        {
            int x = nGap + (i % nColumns) * (nTile + nGap);
            int y = nGap + (i / nColumns) * (nTile + nCaption + nGap);
            DrawDestination(tile);
            CBrush* pOldBrush = tile.SelectObject(CDC::GetHalftoneBrush());
            tile.BitBlt(0, 0, nTile, nTile, &source, 0, 0, ops[i].dwRop);
            tile.SelectObject(pOldBrush);
            pDC->BitBlt(x, y, nTile, nTile, &tile, 0, 0, SRCCOPY);
            pDC->Draw3dRect(x - 1, y - 1, nTile + 2, nTile + 2, RGB(0x80, 0x80, 0x80), RGB(255, 255, 255));
            CRect caption(x - nGap / 2, y + nTile + 2, x + nTile + nGap / 2, y + nTile + nCaption);
            pDC->DrawText(CString(ops[i].pszName), caption, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
        }
        pDC->SelectObject(pOldFont);
        tile.SelectObject(pOldTile);
        source.SelectObject(pOldSource);
    }

    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        Draw(&dc);
    }
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRasterOpsWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

} // namespace

bool GalleryRasterOps(const char* pszFolder)
{
    const int nRows = (int)((sizeof(ops) / sizeof(ops[0]) + nColumns - 1) / nColumns);
    CRect rc(0, 0, nGap + nColumns * (nTile + nGap), nGap + nRows * (nTile + nCaption + nGap));
    ::AdjustWindowRectEx(&rc, WS_OVERLAPPED | WS_CAPTION, FALSE, 0);
    rc.OffsetRect(100 - rc.left, 100 - rc.top);
    CRasterOpsWnd wnd;
    if (!wnd.CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW)), "Raster operations",
            WS_OVERLAPPED | WS_CAPTION, rc, NULL, 0))
        return false;
    wnd.ShowWindow(SW_SHOWNORMAL);
    wnd.UpdateWindow();
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);
    bool bSaved = GallerySaveWindow(wnd.m_hWnd, pszFolder, "raster-ops");
    wnd.DestroyWindow();
    return bSaved;
}

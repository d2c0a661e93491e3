// StructScreenshot.cpp: each window is copied from its own window DC rather than from the
// screen: what a window painted is there at once, whether or not the display has shown it yet,
// and a window of another program that happens to be over the frame stays out of the picture.
#include "StructScreenshot.h"

#include "core/KwGdiplus.h"
#include "pickers/KwImage.h"

#include <afxwin.h>
#include <gdiplus.h>

#include <algorithm>
#include <vector>

namespace {

// The visible top-level windows of the thread that overlap rcMain, in the order they are to be
// painted: owners before the windows they own, topmost ones last. The system's list of windows
// does not keep owned ones above their owners here, while the display does.
std::vector<HWND> GetWindowsOver(DWORD dwThread, const CRect& rcMain)
{
    struct Window
    {
        HWND hWnd;
        int nRank; // topmost ones rank above all, then by how many owners the window has
        int nOrder; // from the bottom of the system's list
    };
    std::vector<Window> windows;
    int nOrder = 0;
    for (HWND hWnd = ::GetTopWindow(NULL); hWnd != NULL; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT), nOrder--)
    {
        CRect rc, rcCommon;
        if (::GetWindowThreadProcessId(hWnd, NULL) != dwThread || !::IsWindowVisible(hWnd) || ::IsIconic(hWnd)
            || !::GetWindowRect(hWnd, &rc) || !rcCommon.IntersectRect(&rc, &rcMain))
            continue;
        int nRank = (::GetWindowLongA(hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST) ? 1000 : 0;
        for (HWND hOwner = ::GetWindow(hWnd, GW_OWNER); hOwner != NULL; hOwner = ::GetWindow(hOwner, GW_OWNER))
            nRank++;
        windows.push_back({hWnd, nRank, nOrder});
    }
    std::sort(windows.begin(), windows.end(), [](const Window& a, const Window& b) {
        return a.nRank != b.nRank ? a.nRank < b.nRank : a.nOrder < b.nOrder;
    });
    std::vector<HWND> order;
    for (const Window& window : windows)
        order.push_back(window.hWnd);
    return order;
}

} // namespace

BOOL CStructScreenshot::Save(HWND hWndMain, const CString& strPath)
{
    CRect rcMain;
    if (!::IsWindow(hWndMain) || !::GetWindowRect(hWndMain, &rcMain))
        return FALSE;
    std::vector<HWND> windows = GetWindowsOver(::GetWindowThreadProcessId(hWndMain, NULL), rcMain);
    CRect rcAll = rcMain;
    for (HWND hWnd : windows)
    {
        CRect rc;
        ::GetWindowRect(hWnd, &rc);
        rcAll.UnionRect(&rcAll, &rc);
    }
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = rcAll.Width();
    bmi.bmiHeader.biHeight = -rcAll.Height();
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* pBits = NULL;
    HBITMAP hBitmap = ::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
    if (hBitmap == NULL)
        return FALSE;
    HDC hDC = ::CreateCompatibleDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    ::PatBlt(hDC, 0, 0, rcAll.Width(), rcAll.Height(), WHITENESS);
    BOOL bCopied = TRUE;
    for (HWND hWnd : windows)
    {
        CRect rc;
        ::GetWindowRect(hWnd, &rc);
        const int x = rc.left - rcAll.left, y = rc.top - rcAll.top;
        // A window of a shape of its own (a balloon tip) covers only its region.
        HRGN hRegion = ::CreateRectRgn(0, 0, 0, 0);
        bool bShaped = ::GetWindowRgn(hWnd, hRegion) > NULLREGION;
        if (bShaped)
        {
            ::OffsetRgn(hRegion, x, y);
            ::SelectClipRgn(hDC, hRegion);
        }
        HDC hWindowDC = ::GetWindowDC(hWnd);
        bCopied = bCopied && hWindowDC != NULL && ::BitBlt(hDC, x, y, rc.Width(), rc.Height(), hWindowDC, 0, 0, SRCCOPY);
        if (hWindowDC != NULL)
            ::ReleaseDC(hWnd, hWindowDC);
        ::SelectClipRgn(hDC, NULL);
        ::DeleteObject(hRegion);
    }
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    BOOL bSaved = FALSE;
    CKwGdiplus gdiplus;
    Gdiplus::GpBitmap* pBitmap = NULL;
    if (bCopied && gdiplus.IsStarted()
        && Gdiplus::DllExports::GdipCreateBitmapFromHBITMAP(hBitmap, NULL, &pBitmap) == Gdiplus::Ok)
    {
        CKwImage image;
        image.SetImage(pBitmap, false); // the image owns it now
        bSaved = image.SaveToFile(strPath, false);
    }
    ::DeleteObject(hBitmap);
    return bSaved;
}

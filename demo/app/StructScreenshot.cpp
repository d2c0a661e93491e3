// StructScreenshot.cpp: each window is copied from its own window DC rather than from the
// screen: what a window painted is there at once, whether or not the display has shown it yet,
// and a window of another program that happens to be over the frame stays out of the picture.
#include "StructScreenshot.h"

#include "core/KwGdiplus.h"
#include "pickers/KwImage.h"

#include <afxwin.h>
#include <gdiplus.h>

#include <vector>

namespace {

// The visible top-level windows of the thread that overlap rcMain, top of the Z order first.
std::vector<HWND> GetWindowsOver(DWORD dwThread, const CRect& rcMain)
{
    std::vector<HWND> windows;
    for (HWND hWnd = ::GetTopWindow(NULL); hWnd != NULL; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
    {
        CRect rc, rcCommon;
        if (::GetWindowThreadProcessId(hWnd, NULL) == dwThread && ::IsWindowVisible(hWnd) && !::IsIconic(hWnd)
            && ::GetWindowRect(hWnd, &rc) && rcCommon.IntersectRect(&rc, &rcMain))
            windows.push_back(hWnd);
    }
    return windows;
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
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
    {
        CRect rc;
        ::GetWindowRect(*it, &rc);
        HDC hWindowDC = ::GetWindowDC(*it);
        bCopied = bCopied && hWindowDC != NULL
            && ::BitBlt(hDC, rc.left - rcAll.left, rc.top - rcAll.top, rc.Width(), rc.Height(), hWindowDC, 0, 0, SRCCOPY);
        if (hWindowDC != NULL)
            ::ReleaseDC(*it, hWindowDC);
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

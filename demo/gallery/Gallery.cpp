// Gallery.cpp: window pictures copied from the window into a DIB section and saved through GDI+,
// and the window layer's picture.
#include "Gallery.h"

#include "core/KwLook.h"
#include "core/KwPalette.h"
#include "core/KwVisualManagerDark.h"

#include <afxwin.h>
#include <gdiplus.h>

#include <string>
#include <vector>

namespace {

// PNG's encoder in GDI+.
const CLSID pngEncoder = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

bool SaveBitmapAsPng(HBITMAP hBitmap, const char* pszPath)
{
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, NULL) != Gdiplus::Ok)
        return false;
    bool bSaved = false;
    Gdiplus::GpBitmap* pBitmap = NULL;
    if (Gdiplus::DllExports::GdipCreateBitmapFromHBITMAP(hBitmap, NULL, &pBitmap) == Gdiplus::Ok)
    {
        wchar_t wszPath[MAX_PATH];
        ::MultiByteToWideChar(CP_ACP, 0, pszPath, -1, wszPath, MAX_PATH);
        bSaved = Gdiplus::DllExports::GdipSaveImageToFile(pBitmap, wszPath, &pngEncoder, NULL) == Gdiplus::Ok;
        Gdiplus::DllExports::GdipDisposeImage(pBitmap);
    }
    Gdiplus::GdiplusShutdown(token);
    return bSaved;
}

// Copies cx by cy pixels from (x, y) of hSource into a 32-bit DIB section and writes
// <folder>\<name>.png.
bool SaveArea(HDC hSource, int x, int y, int cx, int cy, const char* pszFolder, const char* pszName)
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* pBits = NULL;
    HBITMAP hBitmap = ::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
    if (hBitmap == NULL)
        return false;
    HDC hDC = ::CreateCompatibleDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    ::PatBlt(hDC, 0, 0, cx, cy, WHITENESS);
    BOOL bCopied = hSource != NULL && ::BitBlt(hDC, 0, 0, cx, cy, hSource, x, y, SRCCOPY);
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    std::string strPath = std::string(pszFolder) + "\\" + pszName + ".png";
    bool bSaved = bCopied && SaveBitmapAsPng(hBitmap, strPath.c_str());
    ::DeleteObject(hBitmap);
    return bSaved;
}

} // namespace

bool GallerySaveWindow(HWND hWnd, const char* pszFolder, const char* pszName)
{
    RECT rc;
    if (!::GetWindowRect(hWnd, &rc))
        return false;
    // What the window painted, children and (where the display draws them) frame included, as
    // it stands on the window's surface: PrintWindow leaves out children and places the client
    // area differently from one display driver to another.
    HDC hWindowDC = ::GetWindowDC(hWnd);
    bool bSaved = SaveArea(hWindowDC, 0, 0, rc.right - rc.left, rc.bottom - rc.top, pszFolder, pszName);
    if (hWindowDC != NULL)
        ::ReleaseDC(hWnd, hWindowDC);
    return bSaved;
}

bool GallerySaveScreen(const RECT& rcScreen, const char* pszFolder, const char* pszName)
{
    HDC hScreenDC = ::GetDC(NULL);
    bool bSaved = SaveArea(hScreenDC, rcScreen.left, rcScreen.top, rcScreen.right - rcScreen.left,
                           rcScreen.bottom - rcScreen.top, pszFolder, pszName);
    if (hScreenDC != NULL)
        ::ReleaseDC(NULL, hScreenDC);
    return bSaved;
}

namespace {

const UINT IDC_NOTE = 100;

// A static control that picks its own colours when its parent asks (reflected WM_CTLCOLOR).
class CNoteStatic : public CWnd
{
public:
    CBrush m_brush;
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT)
    {
        pDC->SetTextColor(RGB(0x5A, 0x3A, 0x00));
        pDC->SetBkColor(RGB(0xFF, 0xE8, 0x9C));
        return (HBRUSH)m_brush.m_hObject;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNoteStatic, CWnd)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

// Paints the list of messages its map handled, newest last.
class CMessageLogWnd : public CWnd
{
public:
    std::vector<CString> m_handled;
    CNoteStatic m_note;

    void Log(LPCTSTR lpszFormat, int a = 0, int b = 0)
    {
        CString str;
        str.Format(lpszFormat, a, b);
        m_handled.push_back(str);
    }
    void Draw(CDC* pDC)
    {
        CRect rc;
        GetClientRect(&rc);
        // A soft vertical band of blues behind the text.
        for (int y = 0; y < rc.Height(); y += 4)
        {
            int nShade = 255 - y * 60 / (rc.Height() > 0 ? rc.Height() : 1);
            pDC->FillSolidRect(0, y, rc.Width(), 4, RGB(nShade - 40, nShade - 15, 255));
        }
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor(RGB(0, 0, 0x60));
        CGdiObject* pOldFont = pDC->SelectStockObject(DEFAULT_GUI_FONT);
        pDC->TextOut(GalleryScaled(12), GalleryScaled(10), CString("Handled through the message map:"));
        int y = GalleryScaled(32);
        for (const CString& str : m_handled)
        {
            pDC->TextOut(GalleryScaled(24), y, str);
            y += GalleryScaled(16);
        }
        const int nInset = GalleryScaled(4);
        pDC->Draw3dRect(CRect(nInset, nInset, rc.right - nInset, rc.bottom - nInset), RGB(255, 255, 255),
            RGB(0x40, 0x40, 0x90));
        pDC->SelectObject(pOldFont);
    }

    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        Log("OnCreate (%d x %d)", lpcs->cx, lpcs->cy);
        if (CWnd::OnCreate(lpcs) == -1)
            return -1;
        m_note.m_brush.CreateSolidBrush(RGB(0xFF, 0xE8, 0x9C));
        if (!m_note.Create("STATIC", "Coloured by its own CtlColor (reflected)", WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE,
                GalleryScaled(12, 200, 348, 228), this, IDC_NOTE))
            return -1;
        m_note.SetFont(CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT)));
        return 0;
    }
    afx_msg void OnSize(UINT nType, int cx, int cy)
    {
        Log("OnSize (%d x %d)", cx, cy);
        CWnd::OnSize(nType, cx, cy);
    }
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus)
    {
        m_handled.push_back(bShow ? "OnShowWindow (shown)" : "OnShowWindow (hidden)");
        CWnd::OnShowWindow(bShow, nStatus);
    }
    afx_msg LRESULT OnPing(WPARAM wParam, LPARAM lParam)
    {
        Log("ON_MESSAGE WM_APP + 1 (%d, %d)", (int)wParam, (int)lParam);
        return 0;
    }
    afx_msg void OnPaint()
    {
        PAINTSTRUCT ps;
        HDC hDC = ::BeginPaint(m_hWnd, &ps);
        Draw(CDC::FromHandle(hDC));
        ::EndPaint(m_hWnd, &ps);
    }
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMessageLogWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_SHOWWINDOW()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_MESSAGE(WM_APP + 1, &CMessageLogWnd::OnPing)
END_MESSAGE_MAP()

} // namespace

bool GalleryWindowLayer(const char* pszFolder)
{
    CMessageLogWnd wnd;
    if (!wnd.CreateEx(0, AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, ::LoadCursor(NULL, IDC_ARROW)),
            "KwUi window layer", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, GalleryScaled(80, 80, 448, 360), NULL, 0))
        return false;
    wnd.ShowWindow(SW_SHOWNORMAL);
    wnd.SendMessage(WM_APP + 1, 7, 42);
    wnd.UpdateWindow();
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);
    bool bSaved = GallerySaveWindow(wnd.m_hWnd, pszFolder, "window-layer");
    wnd.DestroyWindow();
    return bSaved;
}

bool GalleryCreateHost(CWnd& window, const char* pszTitle, DWORD dwStyle, int x, int y, int cx, int cy)
{
    if (!window.CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1)), pszTitle,
            dwStyle & ~WS_VISIBLE, GalleryScaled(x), GalleryScaled(y), GalleryScaled(cx), GalleryScaled(cy), NULL, NULL))
        return false;
    // Before it shows, so that it is erased in the look's face from the first.
    CKwPalette::FollowInDialog(window.m_hWnd);
    if (dwStyle & WS_VISIBLE)
        window.ShowWindow(SW_SHOW);
    return true;
}

int GalleryScaled(int n)
{
    static const UINT s_nDpi = CDpi::ForWindow(NULL);
    return CDpi::Scale(n, s_nDpi);
}

RECT GalleryScaled(int left, int top, int right, int bottom)
{
    return RECT{GalleryScaled(left), GalleryScaled(top), GalleryScaled(right), GalleryScaled(bottom)};
}

void GalleryPump(DWORD dwMilliseconds, HWND hDialog)
{
    DWORD dwEnd = ::GetTickCount() + dwMilliseconds;
    do
    {
        MSG msg;
        while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
            if (hDialog == NULL || !CWnd::WalkPreTranslateTree(hDialog, &msg))
            {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        ::Sleep(10);
    } while ((int)(dwEnd - ::GetTickCount()) > 0);
}

namespace {

bool s_bDark = false;

} // namespace

void GallerySetDark(bool bDark)
{
    s_bDark = bDark;
    CKwLook::SetLook(bDark ? CKwLook::eDark : CKwLook::eClassic, FALSE);
}

void GalleryUseManager(CRuntimeClass* pClass)
{
    CBCGPVisualManager::SetDefaultManager(s_bDark ? RUNTIME_CLASS(CKwVisualManagerDark) : pClass);
}

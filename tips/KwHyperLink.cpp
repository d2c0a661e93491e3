// KwHyperLink.cpp: the link decoration: the control's and the parent's subclassing procedures
// and the properties they keep.
#include "tips/KwHyperLink.h"
#include "core/KwPalette.h"

namespace
{
const char* const kFromStatic = "_Hyperlink_From_Static_";
const char* const kOriginalProc = "_Hyperlink_Original_Proc_";
const char* const kOriginalFont = "_Hyperlink_Original_Font_";
const char* const kUnderlineFont = "_Hyperlink_Underline_Font_";

WNDPROC OriginalProc(HWND hWnd)
{
    return (WNDPROC)::GetPropA(hWnd, kOriginalProc);
}

// Puts the window's own procedure back and forgets it; returns it for the message at hand.
WNDPROC Unsubclass(HWND hWnd)
{
    WNDPROC pfnOriginal = OriginalProc(hWnd);
    ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)pfnOriginal);
    ::RemovePropA(hWnd, kOriginalProc);
    return pfnOriginal;
}
} // namespace

BEGIN_MESSAGE_MAP(CKwHyperLink, CStatic)
END_MESSAGE_MAP()

CKwHyperLink::CKwHyperLink() : m_nId(0) {}

BOOL CKwHyperLink::CreateLink(HWND hDialog, UINT nId, CString sLink)
{
    HWND hControl = ::GetDlgItem(hDialog, (int)nId);
    if (hControl == NULL)
        return FALSE;
    m_sLink = sLink;
    m_nId = nId;
    return CreateLink(hControl);
}

BOOL CKwHyperLink::CreateLink(HWND hControl)
{
    // A control made a link again keeps its one subclassing: a second would call itself.
    if (::GetPropA(hControl, kFromStatic) != NULL)
        return TRUE;
    // Several links in one dialog subclass it once.
    HWND hParent = ::GetParent(hControl);
    if (hParent != NULL && (WNDPROC)::GetWindowLongPtrA(hParent, GWLP_WNDPROC) != LinkParentProc &&
        ::GetPropA(hParent, kOriginalProc) == NULL)
    {
        ::SetPropA(hParent, kOriginalProc, (HANDLE)::GetWindowLongPtrA(hParent, GWLP_WNDPROC));
        ::SetWindowLongPtrA(hParent, GWLP_WNDPROC, (LONG_PTR)LinkParentProc);
    }
    ::SetWindowLongPtrA(hControl, GWL_STYLE, ::GetWindowLongPtrA(hControl, GWL_STYLE) | SS_NOTIFY);
    ::SetPropA(hControl, kOriginalProc, (HANDLE)::GetWindowLongPtrA(hControl, GWLP_WNDPROC));
    ::SetWindowLongPtrA(hControl, GWLP_WNDPROC, (LONG_PTR)LinkControlProc);

    // A control without a font of its own draws in the system font: underline that one.
    HFONT hFont = (HFONT)::SendMessageA(hControl, WM_GETFONT, 0, 0);
    LOGFONTA lf = {};
    ::GetObjectA(hFont ? (HGDIOBJ)hFont : ::GetStockObject(SYSTEM_FONT), sizeof(lf), &lf);
    lf.lfUnderline = TRUE;
    ::SetPropA(hControl, kOriginalFont, (HANDLE)hFont);
    ::SetPropA(hControl, kUnderlineFont, (HANDLE)::CreateFontIndirectA(&lf));
    ::SetPropA(hControl, kFromStatic, (HANDLE)1);
    return TRUE;
}

void CKwHyperLink::SelectFont(HWND hControl, LPCSTR lpszProperty)
{
    ::SendMessageA(hControl, WM_SETFONT, (WPARAM)::GetPropA(hControl, lpszProperty), FALSE);
    ::InvalidateRect(hControl, NULL, FALSE);
}

LRESULT CALLBACK CKwHyperLink::LinkParentProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    WNDPROC pfnOriginal = OriginalProc(hWnd);
    switch (message)
    {
    case WM_CTLCOLORSTATIC:
        if (::GetPropA((HWND)lParam, kFromStatic) != NULL)
        {
            LRESULT lBrush = ::CallWindowProcA(pfnOriginal, hWnd, message, wParam, lParam);
            // The look's link colour, or the classic one where the parent keeps the classic face.
            ::SetTextColor((HDC)wParam, CKwPalette::GetOnBack(CKwPalette::eLink, ::GetBkColor((HDC)wParam)));
            return lBrush;
        }
        break;
    case WM_DESTROY:
        pfnOriginal = Unsubclass(hWnd);
        break;
    }
    return ::CallWindowProcA(pfnOriginal, hWnd, message, wParam, lParam);
}

LRESULT CALLBACK CKwHyperLink::LinkControlProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    WNDPROC pfnOriginal = OriginalProc(hWnd);
    switch (message)
    {
    case WM_SETCURSOR:
    {
        HCURSOR hCursor = ::LoadCursor(NULL, IDC_HAND);
        ::SetCursor(hCursor ? hCursor : ::LoadCursor(NULL, IDC_ARROW));
        return TRUE;
    }
    case WM_MOUSEMOVE:
        if (::GetCapture() != hWnd)
        {
            SelectFont(hWnd, kUnderlineFont);
            ::SetCapture(hWnd);
        }
        else
        {
            POINT pt = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
            ::ClientToScreen(hWnd, &pt);
            RECT rc;
            ::GetWindowRect(hWnd, &rc);
            if (!::PtInRect(&rc, pt))
                ::ReleaseCapture(); // WM_CAPTURECHANGED puts the plain font back
        }
        break;
    case WM_CAPTURECHANGED:
        // However the capture goes (moved off, another window took it), the link is plain again.
        SelectFont(hWnd, kOriginalFont);
        break;
    case WM_DESTROY:
    {
        pfnOriginal = Unsubclass(hWnd);
        ::SendMessageA(hWnd, WM_SETFONT, (WPARAM)::GetPropA(hWnd, kOriginalFont), FALSE);
        ::RemovePropA(hWnd, kOriginalFont);
        ::DeleteObject((HGDIOBJ)::RemovePropA(hWnd, kUnderlineFont));
        ::RemovePropA(hWnd, kFromStatic);
        break;
    }
    }
    return ::CallWindowProcA(pfnOriginal, hWnd, message, wParam, lParam);
}

// CHtmlView.cpp: the HTML view: navigation, its document, layout, painting, scrolling and links.
#include "CHtmlView.h"
#include "CDC.h"
#include "CDpi.h"
#include "CHtmlPainter.h"
#include "CHtmlViewDocument.h"
#include "CScrollBar.h"

#include <shlwapi.h>

#include <cstring>

IMPLEMENT_DYNCREATE(CHtmlView, CFormView)

BEGIN_MESSAGE_MAP(CHtmlView, CFormView)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_VSCROLL()
    ON_WM_HSCROLL()
    ON_WM_MOUSEWHEEL()
    ON_WM_LBUTTONUP()
    ON_WM_KEYDOWN()
    ON_WM_SETCURSOR()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
    ON_MESSAGE(WM_DPICHANGED_AFTERPARENT, OnDpiChanged)
END_MESSAGE_MAP()

namespace {

const int s_nLine = 20; // pixels a scroll arrow moves at 96 DPI

std::wstring WideOfAnsi(LPCTSTR psz)
{
    int n = ::MultiByteToWideChar(CP_ACP, 0, psz, -1, NULL, 0);
    std::wstring s((size_t)(n > 0 ? n : 1), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, psz, -1, &s[0], n);
    s.resize(wcslen(s.c_str()));
    return s;
}

// Text of the page in HTML, with the characters that mean markup written as references.
std::string Escaped(const std::wstring& s)
{
    std::string strUtf8;
    int n = ::WideCharToMultiByte(CP_UTF8, 0, s.c_str(), (int)s.size(), NULL, 0, NULL, NULL);
    strUtf8.resize((size_t)n);
    ::WideCharToMultiByte(CP_UTF8, 0, s.c_str(), (int)s.size(), &strUtf8[0], n, NULL, NULL);
    std::string strOut;
    for (char c : strUtf8)
        strOut += c == '<' ? "&lt;" : c == '&' ? "&amp;" : std::string(1, c);
    return strOut;
}

} // namespace

CHtmlView::CHtmlView()
    : CFormView((LPCTSTR)NULL), m_pHtmlDocument(new CHtmlViewDocument(this)), m_nLayoutWidth(-1), m_ptScroll(0, 0),
      m_nDpi(CDpi::kDefault)
{
}

CHtmlView::~CHtmlView()
{
    m_pHtmlDocument->Detach(); // a host may still hold it
    m_pHtmlDocument->Release();
}

BOOL CHtmlView::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
    UINT nID, CCreateContext* pContext)
{
    return CWnd::Create(lpszClassName, lpszWindowName, dwStyle | WS_VSCROLL | WS_HSCROLL, rect, pParentWnd, nID, pContext);
}

int CHtmlView::OnCreate(LPCREATESTRUCT lpcs)
{
    m_nDpi = CDpi::ForWindow(m_hWnd);
    return CView::OnCreate(lpcs); // the context comes in the creation parameters, not through a dialog
}

void CHtmlView::OnDestroy()
{
    m_resources.FreeImages();
    CFormView::OnDestroy();
}

BOOL CHtmlView::PreTranslateMessage(MSG* pMsg)
{
    return CView::PreTranslateMessage(pMsg);
}

LPDISPATCH CHtmlView::GetHtmlDocument() const
{
    m_pHtmlDocument->AddRef();
    return static_cast<IHTMLDocument2*>(m_pHtmlDocument);
}

void CHtmlView::OnBeforeNavigate2(LPCTSTR, DWORD, LPCTSTR, CByteArray&, LPCTSTR, BOOL*) {}

void CHtmlView::OnDocumentComplete(LPCTSTR) {}

void CHtmlView::Navigate2(LPCTSTR lpszURL, DWORD dwFlags, LPCTSTR lpszTargetFrameName, LPCTSTR lpszHeaders,
    LPVOID lpvPostData, DWORD dwPostDataLen)
{
    CByteArray baPostedData;
    if (lpvPostData != NULL && dwPostDataLen > 0) {
        baPostedData.SetSize((INT_PTR)dwPostDataLen);
        memcpy(baPostedData.GetData(), lpvPostData, dwPostDataLen);
    }
    CString strURL(lpszURL != NULL ? lpszURL : "");
    BOOL bCancel = FALSE;
    OnBeforeNavigate2(strURL, dwFlags, lpszTargetFrameName, baPostedData, lpszHeaders, &bCancel);
    if (bCancel)
        return;

    int nHash = strURL.Find('#');
    CString strTarget = nHash >= 0 ? strURL.Left(nHash) : strURL;
    CString strFragment = nHash >= 0 ? strURL.Mid(nHash + 1) : CString();
    CString strShown = m_strURL.Find('#') >= 0 ? m_strURL.Left(m_strURL.Find('#')) : m_strURL;
    if (nHash >= 0 && (strTarget.IsEmpty() || strTarget == strShown) && !m_strURL.IsEmpty()) {
        // A place in the page shown: nothing loads.
        m_strURL = strShown + "#" + strFragment;
        ScrollTo(m_ptScroll.x, AnchorTop(strFragment));
        return;
    }
    std::string strPage;
    std::wstring strFolder = m_strFolder;
    if (strTarget.CompareNoCase("about:blank") != 0 && !LoadFile(strTarget, strPage, strFolder))
        strPage = "<p>The page <b>" + Escaped(WideOfAnsi(strTarget)) + "</b> cannot be shown: it is no local file that can be read.</p>";
    m_strFolder = strTarget.CompareNoCase("about:blank") == 0 ? std::wstring() : strFolder;
    m_resources.SetBaseFolder(m_strFolder);
    m_strURL = strURL;
    ShowPage(strPage);
    if (!strFragment.IsEmpty())
        ScrollTo(0, AnchorTop(strFragment));
    OnDocumentComplete(strURL);
}

// A file name (relative ones from the folder of the file shown) or a file URL; other schemes
// are not local. Text that is not UTF-8 is read in the system code page.
bool CHtmlView::LoadFile(const CString& strURL, std::string& strPage, std::wstring& strFolder) const
{
    std::wstring strName = WideOfAnsi(strURL);
    WCHAR szPath[MAX_PATH];
    DWORD nPath = MAX_PATH;
    if (strName.empty() || strName.size() >= MAX_PATH)
        return false;
    if (::UrlIsFileUrlW(strName.c_str())) {
        if (::PathCreateFromUrlW(strName.c_str(), szPath, &nPath, 0) != S_OK)
            return false;
    } else if (::PathIsURLW(strName.c_str()))
        return false;
    else
        lstrcpynW(szPath, strName.c_str(), MAX_PATH);
    WCHAR szFull[MAX_PATH];
    if (::PathIsRelativeW(szPath) && !m_strFolder.empty() && ::PathCombineW(szFull, m_strFolder.c_str(), szPath) != NULL)
        lstrcpynW(szPath, szFull, MAX_PATH);

    HANDLE hFile = ::CreateFileW(szPath, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER nSize = {};
    bool bRead = ::GetFileSizeEx(hFile, &nSize) != FALSE;
    DWORD nBytes = (DWORD)std::min<LONGLONG>(nSize.QuadPart, CHtmlPage::maxSource + 1LL); // the page cuts the rest
    std::string strBytes(nBytes, '\0');
    DWORD nDone = 0;
    bRead = bRead && (nBytes == 0 || (::ReadFile(hFile, &strBytes[0], nBytes, &nDone, NULL) && nDone == nBytes));
    ::CloseHandle(hFile);
    if (!bRead)
        return false;
    if (nBytes > 0 && ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, strBytes.data(), (int)nBytes, NULL, 0) == 0) {
        int n = ::MultiByteToWideChar(CP_ACP, 0, strBytes.data(), (int)nBytes, NULL, 0);
        std::wstring s((size_t)n, L'\0');
        ::MultiByteToWideChar(CP_ACP, 0, strBytes.data(), (int)nBytes, &s[0], n);
        int m = ::WideCharToMultiByte(CP_UTF8, 0, s.c_str(), n, NULL, 0, NULL, NULL);
        strBytes.assign((size_t)m, '\0');
        ::WideCharToMultiByte(CP_UTF8, 0, s.c_str(), n, &strBytes[0], m, NULL, NULL);
    }
    strPage.swap(strBytes);
    ::PathRemoveFileSpecW(szPath);
    strFolder = szPath;
    return true;
}

void CHtmlView::ShowWritten(const std::string& strPage)
{
    ShowPage(strPage);
}

void CHtmlView::ShowPage(const std::string& strPage)
{
    m_page.Load(strPage);
    m_nLayoutWidth = -1;
    m_ptScroll = CPoint(0, 0);
    Relayout();
}

void CHtmlView::Relayout()
{
    CRect rc(0, 0, 0, 0);
    if (m_hWnd != NULL)
        GetClientRect(&rc);
    m_page.Layout(m_resources, CDpi::Unscale(rc.Width(), m_nDpi));
    m_nLayoutWidth = rc.Width();
    UpdateScrollBars();
    if (m_hWnd != NULL)
        Invalidate(FALSE);
}

void CHtmlView::UpdateScrollBars()
{
    if (m_hWnd == NULL)
        return;
    CRect rc;
    GetClientRect(&rc);
    const CHtmlDisplayList& list = m_page.DisplayList();
    const int cx = CDpi::Scale(list.cx, m_nDpi), cy = CDpi::Scale(list.cy, m_nDpi);
    m_ptScroll.x = std::max(0, std::min<int>(m_ptScroll.x, cx - rc.Width()));
    m_ptScroll.y = std::max(0, std::min<int>(m_ptScroll.y, cy - rc.Height()));
    SCROLLINFO si = { sizeof(SCROLLINFO), SIF_ALL | SIF_DISABLENOSCROLL, 0, cy - 1, (UINT)rc.Height(), m_ptScroll.y,
        0 };
    SetScrollInfo(SB_VERT, &si); // always there: the width to lay out for stays the same
    si = SCROLLINFO { sizeof(SCROLLINFO), SIF_ALL, 0, cx - 1, (UINT)rc.Width(), m_ptScroll.x, 0 };
    SetScrollInfo(SB_HORZ, &si);
}

void CHtmlView::ScrollTo(int x, int y)
{
    if (y < 0)
        return; // no such place
    m_ptScroll = CPoint(x, y);
    UpdateScrollBars();
    if (m_hWnd != NULL)
        Invalidate(FALSE);
}

void CHtmlView::OnSize(UINT nType, int cx, int cy)
{
    CFormView::OnSize(nType, cx, cy);
    if (cx != m_nLayoutWidth)
        Relayout();
    else
        UpdateScrollBars();
}

void CHtmlView::Scroll(int nBar, UINT nSBCode)
{
    SCROLLINFO si = { sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0 };
    GetScrollInfo(nBar, &si);
    int nPos = si.nPos;
    const int nLine = CDpi::Scale(s_nLine, m_nDpi);
    int nPage = std::max((int)si.nPage - nLine, nLine);
    switch (nSBCode) {
    case SB_LINEUP: nPos -= nLine; break;
    case SB_LINEDOWN: nPos += nLine; break;
    case SB_PAGEUP: nPos -= nPage; break;
    case SB_PAGEDOWN: nPos += nPage; break;
    case SB_TOP: nPos = 0; break;
    case SB_BOTTOM: nPos = si.nMax; break;
    case SB_THUMBTRACK: case SB_THUMBPOSITION: nPos = si.nTrackPos; break;
    default: return;
    }
    ScrollTo(nBar == SB_HORZ ? std::max(nPos, 0) : m_ptScroll.x, nBar == SB_VERT ? std::max(nPos, 0) : m_ptScroll.y);
}

void CHtmlView::OnVScroll(UINT nSBCode, UINT, CScrollBar*)
{
    Scroll(SB_VERT, nSBCode);
}

void CHtmlView::OnHScroll(UINT nSBCode, UINT, CScrollBar*)
{
    Scroll(SB_HORZ, nSBCode);
}

BOOL CHtmlView::OnMouseWheel(UINT, short zDelta, CPoint)
{
    ScrollTo(m_ptScroll.x, std::max<int>(0, m_ptScroll.y - zDelta * 3 * CDpi::Scale(s_nLine, m_nDpi) / WHEEL_DELTA));
    return TRUE;
}

// The keys of a page: arrows by a line, Page Up and Down by a page, Home and End to either end.
void CHtmlView::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    switch (nChar) {
    case VK_UP: Scroll(SB_VERT, SB_LINEUP); break;
    case VK_DOWN: Scroll(SB_VERT, SB_LINEDOWN); break;
    case VK_PRIOR: Scroll(SB_VERT, SB_PAGEUP); break;
    case VK_NEXT: Scroll(SB_VERT, SB_PAGEDOWN); break;
    case VK_HOME: Scroll(SB_VERT, SB_TOP); break;
    case VK_END: Scroll(SB_VERT, SB_BOTTOM); break;
    case VK_LEFT: Scroll(SB_HORZ, SB_LINEUP); break;
    case VK_RIGHT: Scroll(SB_HORZ, SB_LINEDOWN); break;
    default: CFormView::OnKeyDown(nChar, nRepCnt, nFlags);
    }
}

int CHtmlView::LinkAt(CPoint point) const
{
    const auto& links = m_page.DisplayList().links;
    const int x = CDpi::Unscale(point.x + m_ptScroll.x, m_nDpi), y = CDpi::Unscale(point.y + m_ptScroll.y, m_nDpi);
    for (size_t i = 0; i < links.size(); i++)
        if (links[i].box.Contains(x, y))
            return (int)i;
    return -1;
}

void CHtmlView::OnLButtonUp(UINT nFlags, CPoint point)
{
    int nLink = LinkAt(point);
    if (nLink < 0) {
        CFormView::OnLButtonUp(nFlags, point);
        return;
    }
    const std::string& strHref = m_page.DisplayList().links[(size_t)nLink].strHref;
    std::wstring s = CHtmlGdiResources::Wide(strHref.data(), strHref.size());
    CString strURL;
    int n = ::WideCharToMultiByte(CP_ACP, 0, s.c_str(), (int)s.size(), NULL, 0, NULL, NULL);
    if (n > 0) {
        ::WideCharToMultiByte(CP_ACP, 0, s.c_str(), (int)s.size(), strURL.GetBuffer(n), n, NULL, NULL);
        strURL.ReleaseBuffer(n);
    }
    Navigate2(strURL);
}

BOOL CHtmlView::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    if (nHitTest == HTCLIENT && LinkAt(point) >= 0) {
        ::SetCursor(::LoadCursor(NULL, IDC_HAND));
        return TRUE;
    }
    return CFormView::OnSetCursor(pWnd, nHitTest, message);
}

BOOL CHtmlView::OnEraseBkgnd(CDC*)
{
    return TRUE; // the page paints every pixel
}

LRESULT CHtmlView::OnPrintClient(WPARAM wParam, LPARAM)
{
    OnDraw(CDC::FromHandle((HDC)wParam));
    return 0;
}

void CHtmlView::OnPaint()
{
    CView::OnPaint();
}

// Off-screen, then in one copy, so that the page does not flicker.
void CHtmlView::OnDraw(CDC* pDC)
{
    CRect rc;
    GetClientRect(&rc);
    if (rc.IsRectEmpty())
        return;
    HDC hDC = pDC->GetSafeHdc();
    HDC hMemDC = ::CreateCompatibleDC(hDC);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hDC, rc.Width(), rc.Height());
    HGDIOBJ hOld = ::SelectObject(hMemDC, hBitmap);
    CHtmlPainter::Paint(hMemDC, m_page.DisplayList(), m_resources, m_ptScroll.x, m_ptScroll.y, rc, m_nDpi);
    ::BitBlt(hDC, 0, 0, rc.Width(), rc.Height(), hMemDC, 0, 0, SRCCOPY);
    ::SelectObject(hMemDC, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hMemDC);
}

// A move to a monitor of another DPI: the page keeps its layout and is shown at the new size.
LRESULT CHtmlView::OnDpiChanged(WPARAM wParam, LPARAM)
{
    m_nDpi = CDpi::FromMessage(m_hWnd, WM_DPICHANGED, wParam);
    Relayout();
    return 0;
}

int CHtmlView::AnchorTop(const CString& strFragment) const
{
    const int y = m_page.AnchorTop((LPCTSTR)strFragment);
    return y < 0 ? y : CDpi::Scale(y, m_nDpi);
}

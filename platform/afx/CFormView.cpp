// CFormView.cpp: form views, made from dialog templates as children of their frames.
#include "CFormView.h"
#include "CFrameWnd.h"
#include "afxresource.h"

#include <cstring>
#include <vector>

IMPLEMENT_DYNAMIC(CFormView, CView)

BEGIN_MESSAGE_MAP(CFormView, CView)
    ON_WM_CREATE()
    ON_WM_SETFOCUS()
    ON_WM_PAINT()
END_MESSAGE_MAP()

CFormView::CFormView(LPCTSTR lpszTemplateName)
    : m_lpszTemplateName(lpszTemplateName), m_hWndFocus(NULL), m_pCreateContext(NULL)
{
}

CFormView::CFormView(UINT nIDTemplate) : CFormView(MAKEINTRESOURCEA(nIDTemplate)) {}

// A dialog template starts with its style and extended style; the extended template (marked by
// 0xFFFF in its second word) with version, signature and help id before them, in reverse order.
static void AfxMakeChildTemplate(std::vector<BYTE>& bytes, DWORD dwStyle)
{
    const DWORD dwNotChild = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX |
        WS_MAXIMIZEBOX | WS_VISIBLE | DS_MODALFRAME | DS_SYSMODAL | DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN;
    bool bEx = bytes.size() >= 16 && bytes[2] == 0xFF && bytes[3] == 0xFF;
    size_t nStyle = bEx ? 12 : 0, nExStyle = bEx ? 8 : 4;
    DWORD dwTemplateStyle, dwExStyle;
    memcpy(&dwTemplateStyle, &bytes[nStyle], sizeof(DWORD));
    memcpy(&dwExStyle, &bytes[nExStyle], sizeof(DWORD));
    dwTemplateStyle = (dwTemplateStyle & ~dwNotChild) | WS_CHILD | (dwStyle & ~(WS_BORDER | WS_VISIBLE));
    dwExStyle &= ~(WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_TOOLWINDOW | WS_EX_APPWINDOW | WS_EX_TOPMOST);
    // The border of a view is the sunken edge.
    if (dwStyle & WS_BORDER)
        dwExStyle |= WS_EX_CLIENTEDGE;
    memcpy(&bytes[nStyle], &dwTemplateStyle, sizeof(DWORD));
    memcpy(&bytes[nExStyle], &dwExStyle, sizeof(DWORD));
}

BOOL CFormView::Create(LPCTSTR, LPCTSTR, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
    CCreateContext* pContext)
{
    HINSTANCE hInst = NULL;
    DWORD dwSize = 0;
    LPCDLGTEMPLATE lpTemplate = AfxLoadDialogTemplate(m_lpszTemplateName, &hInst, &dwSize);
    if (lpTemplate == NULL || dwSize < sizeof(DLGTEMPLATE))
    {
        PostNcDestroy(); // as if its window had come and gone
        return FALSE;
    }
    std::vector<BYTE> bytes((const BYTE*)lpTemplate, (const BYTE*)lpTemplate + dwSize);
    AfxMakeChildTemplate(bytes, dwStyle);

    m_pCreateContext = pContext;
    BOOL bCreated = CreateDlgIndirect((LPCDLGTEMPLATE)bytes.data(), pParentWnd, hInst);
    if (!bCreated)
        return FALSE; // the object is gone with its window
    m_pCreateContext = NULL;
    ExecuteDlgInit(m_lpszTemplateName);
    SetDlgCtrlID(nID);
    SetWindowPos(NULL, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
        SWP_NOZORDER | SWP_NOACTIVATE | (dwStyle & WS_VISIBLE ? SWP_SHOWWINDOW : 0));
    return TRUE;
}

int CFormView::OnCreate(LPCREATESTRUCT lpcs)
{
    CREATESTRUCT cs = *lpcs;
    cs.lpCreateParams = m_pCreateContext;
    return CView::OnCreate(&cs);
}

void CFormView::OnInitialUpdate()
{
    UpdateData(FALSE);
    CView::OnInitialUpdate();
}

void CFormView::OnDraw(CDC*) {}

void CFormView::OnPaint()
{
    Default(); // the dialog manager paints the background, the controls themselves
}

BOOL CFormView::PreTranslateMessage(MSG* pMsg)
{
    if (CView::PreTranslateMessage(pMsg))
        return TRUE;
    // The dialog manager would take the frames' accelerator keys for itself.
    for (CFrameWnd* pFrame = GetParentFrame(); pFrame != NULL; pFrame = pFrame->GetParentFrame())
        if (pFrame->PreTranslateMessage(pMsg))
            return TRUE;
    return PreTranslateInput(pMsg);
}

BOOL CFormView::SaveFocusControl()
{
    HWND hWndFocus = ::GetFocus();
    if (hWndFocus == NULL || !::IsChild(m_hWnd, hWndFocus))
        return FALSE;
    m_hWndFocus = hWndFocus;
    return TRUE;
}

void CFormView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView)
{
    if (!bActivate)
        SaveFocusControl();
    CView::OnActivateView(bActivate, pActivateView, pDeactiveView);
}

void CFormView::OnActivateFrame(UINT nState, CFrameWnd*)
{
    if (nState == WA_INACTIVE)
        SaveFocusControl();
}

void CFormView::OnSetFocus(CWnd* pOldWnd)
{
    // The control that had the focus last, else the first one the Tab key reaches.
    if (m_hWndFocus == NULL || !::IsWindow(m_hWndFocus) || !::IsChild(m_hWnd, m_hWndFocus))
        m_hWndFocus = ::GetNextDlgTabItem(m_hWnd, NULL, FALSE);
    if (m_hWndFocus != NULL)
        ::SetFocus(m_hWndFocus);
    else
        CView::OnSetFocus(pOldWnd);
}

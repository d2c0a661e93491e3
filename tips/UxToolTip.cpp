// UxToolTip.cpp: CUxToolTip's window and tools: the window class, the tool table, tracking the
// mouse, the show and autopop timers, help tips, the display notification, placement and region.
#include "tips/UxToolTip.h"

BEGIN_MESSAGE_MAP(CUxToolTip, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_TIMER()
    ON_WM_DESTROY()
    ON_WM_KILLFOCUS()
    ON_WM_ACTIVATEAPP()
END_MESSAGE_MAP()

CUxToolTip::CUxToolTip()
    : m_szImage(0, 0), m_pParentWnd(NULL), m_hNotifyWnd(NULL), m_nStyles(UXTT_STYLE_DEFAULT),
      m_nGlobalDirection(UXTT_DIR_BELOW_RIGHT), m_nEffect(0), m_nGranularity(2), m_nBehaviour(0),
      m_nTimeInitial(500), m_nTimeAutoPop(0), m_ptOriginal(-1, -1), m_nIndexCurrentWnd(-1),
      m_nIndexDisplayWnd(-1), m_nDirection(UXTT_DIR_BELOW_RIGHT), m_szToolIcon(0, 0), m_szTextTooltip(0, 0),
      m_hHelpIcon(NULL)
{
    memset(m_crColor, 0, sizeof(m_crColor));
    memset(&m_LogFont, 0, sizeof(m_LogFont));
    memset(m_nSizes, 0, sizeof(m_nSizes));
}

CUxToolTip::~CUxToolTip()
{
    if (m_hWnd)
        DestroyWindow();
}

BOOL CUxToolTip::Create(CWnd* pParentWnd, BOOL bBalloon) { return FALSE; }
int CUxToolTip::GetVersionI() { return 20; }
CString CUxToolTip::GetVersionC() { return CString("1.4"); }

void CUxToolTip::AddTool(const UXTOOLTIP_INFO& ti) {}
void CUxToolTip::AddTool(CWnd* pWnd, CString sTooltipText, HICON hIcon, LPCRECT lpRectBounds, UINT nIDTool) {}
void CUxToolTip::AddTool(CWnd* pWnd, UINT nIdText, HICON hIcon, LPCRECT lpRectBounds, UINT nIDTool) {}
void CUxToolTip::AddTool(CWnd* pWnd, CString sTooltipText, UINT nIdIcon, CSize szIcon, LPCRECT lpRectBounds, UINT nIDTool) {}
void CUxToolTip::AddTool(CWnd* pWnd, UINT nIdText, UINT nIdIcon, CSize szIcon, LPCRECT lpRectBounds, UINT nIDTool) {}
BOOL CUxToolTip::GetTool(int nIndexTool, UXTOOLTIP_INFO& ti) { return FALSE; }
void CUxToolTip::SetAtTool(int nIndexTool, UXTOOLTIP_INFO& ti) {}
BOOL CUxToolTip::RemoveTool(int nIndexTool) { return FALSE; }
void CUxToolTip::RemoveAllTools() {}
BOOL CUxToolTip::IsExistTool(int nIndexTool) const { return nIndexTool >= 0 && nIndexTool < (int)m_arrTools.GetSize(); }
int CUxToolTip::GetToolCount() const { return (int)m_arrTools.GetSize(); }
int CUxToolTip::FindTool(CPoint& pt) { return -1; }
int CUxToolTip::FindTool(CWnd* pWnd, LPCRECT lpRect) { return -1; }
int CUxToolTip::FindTool(UINT nIDTool) { return -1; }
void CUxToolTip::SetMaskTool(int nIndexTool, UINT nMask) {}
void CUxToolTip::ModifyMaskTool(int nIndexTool, UINT nAddMask, UINT nRemoveMask) {}
UINT CUxToolTip::GetMaskTool(int nIndexTool) { return 0; }
void CUxToolTip::SetDirection(UINT nDirection, int nIndexTool) {}
UINT CUxToolTip::GetDirection(int nIndexTool) { return m_nGlobalDirection; }
void CUxToolTip::SetBehaviour(UINT nBehaviour, int nIndexTool) {}
UINT CUxToolTip::GetBehaviour(int nIndexTool) { return m_nBehaviour; }
void CUxToolTip::SetDelayTime(DWORD dwDuration, UINT nTime) {}
UINT CUxToolTip::GetDelayTime(DWORD dwDuration) const { return 0; }
void CUxToolTip::SetNotify(BOOL bParentNotify) {}
void CUxToolTip::SetNotify(HWND hWnd) { m_hNotifyWnd = hWnd; }
BOOL CUxToolTip::GetNotify() const { return m_hNotifyWnd != NULL; }
void CUxToolTip::RelayEvent(MSG* pMsg) {}
BOOL CUxToolTip::PreTranslateMessage(MSG* pMsg) { RelayEvent(pMsg); return CWnd::PreTranslateMessage(pMsg); }
void CUxToolTip::ShowHelpTooltip(CPoint& pt, UXTOOLTIP_INFO& ti) {}
void CUxToolTip::ShowHelpTooltip(CPoint& pt, CString sTooltipText, HICON hIcon) {}
void CUxToolTip::ShowHelpTooltip(CPoint& pt, CString sTooltipText, UINT nIdIcon) {}
void CUxToolTip::ShowHelpTooltip(CPoint& pt, UINT nIdText, HICON hIcon) {}
void CUxToolTip::ShowHelpTooltip(CPoint& pt, UINT nIdText, UINT nIdIcon) {}

void CUxToolTip::SetNewToolTip(int nIndexTool, BOOL bWithDelay) {}
BOOL CUxToolTip::PreCreateWindow(CREATESTRUCT& cs) { return CWnd::PreCreateWindow(cs); }
void CUxToolTip::OnTimer(UINT_PTR nIDEvent) {}
void CUxToolTip::OnDestroy() { CWnd::OnDestroy(); }
void CUxToolTip::OnKillFocus(CWnd* pNewWnd) { CWnd::OnKillFocus(pNewWnd); }
void CUxToolTip::OnActivateApp(BOOL bActive, DWORD dwThreadID) { CWnd::OnActivateApp(bActive, dwThreadID); }
void CUxToolTip::Pop() {}
void CUxToolTip::KillTimers(UINT nIDTimer) {}
BOOL CUxToolTip::IsVisible() { return FALSE; }
BOOL CUxToolTip::IsCursorInToolTip() { return FALSE; }
BOOL CUxToolTip::IsEnabledIndexTool(int nIndexTool) { return IsExistTool(nIndexTool) || nIndexTool == -2; }
HWND CUxToolTip::GetWndFromPoint(CPoint& pt, BOOL bGetDisabled) { return NULL; }
void CUxToolTip::PrepareDisplayToolTip(CPoint* pt) {}
CSize CUxToolTip::GetTooltipSize(CString str) { return CSize(0, 0); }
void CUxToolTip::DisplayToolTip(CPoint* pt, CRect* rect) {}
void CUxToolTip::CalculateInfoBoxRect(CPoint* pt, CRect* rect) {}
CSize CUxToolTip::GetScreenSize() { return CSize(0, 0); }
BOOL CUxToolTip::TestHorizDirection(int x, int cx, int nWidth, int nDirection, CRect* rect) { return FALSE; }
BOOL CUxToolTip::TestVertDirection(int y, int cy, int nHeight, int nDirection, CRect* rect) { return FALSE; }
int CUxToolTip::GetNextHorizDirection(int nDirection) const { return nDirection; }
int CUxToolTip::GetNextVertDirection(int nDirection) const { return nDirection; }
void CUxToolTip::GetWindowRegion(CRgn* rgn, CSize sz, CPoint pt) {}
LRESULT CUxToolTip::SendNotify(CPoint* pt, UXTOOLTIP_INFO& ti) { return 0; }

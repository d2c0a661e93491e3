// KwHeaderCtrl.cpp: the grid's column header.
#include "grid/KwHeaderCtrl.h"

IMPLEMENT_DYNCREATE(CKwHeaderCtrl, CHeaderCtrl)

BEGIN_MESSAGE_MAP(CKwHeaderCtrl, CHeaderCtrl)
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_NOTIFY_REFLECT_EX(HDN_ENDTRACKA, OnEndTrack)
END_MESSAGE_MAP()

CKwHeaderCtrl::CKwHeaderCtrl() : m_bAutoResize(FALSE), m_nStretchItem(-1) {}
CKwHeaderCtrl::~CKwHeaderCtrl() {}
void CKwHeaderCtrl::SetRegKey(CString sRegKey) { m_sRegKey = sRegKey; }
void CKwHeaderCtrl::AddItem(CString sTitle, int nWidth)
{
    HDITEMA item = {};
    item.mask = HDI_WIDTH | HDI_TEXT | HDI_FORMAT;
    item.cxy = nWidth;
    item.pszText = (LPSTR)(LPCSTR)sTitle;
    item.fmt = HDF_STRING;
    InsertItem(GetItemCount(), &item);
}
void CKwHeaderCtrl::SetAutoResizeItems(BOOL bAutoResize, int nStretchItem) { m_bAutoResize = bAutoResize; m_nStretchItem = nStretchItem; }
void CKwHeaderCtrl::SetItemWidth(int nItem, int nWidth) {}
void CKwHeaderCtrl::ResizeItems() {}
void CKwHeaderCtrl::OnSize(UINT nType, int cx, int cy) { CHeaderCtrl::OnSize(nType, cx, cy); }
void CKwHeaderCtrl::OnPaint() { Default(); }
BOOL CKwHeaderCtrl::OnEndTrack(NMHDR* pNMHDR, LRESULT* pResult) { *pResult = 0; return FALSE; }

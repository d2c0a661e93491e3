// LargeListWnd.cpp: CLargeListWnd, its columns and lines, copy, clear all and its context menu.
#include "grid/LargeListWnd.h"
#include "core/KwClipboard.h"
#include "core/KwDpi.h"
#include "core/KwMenu.h"
#include "grid/LargeListCtrlTools.h"
#include "res/resource.h"

#include <afxres.h>

IMPLEMENT_DYNAMIC(CLargeListWnd, CListCtrl)

BEGIN_MESSAGE_MAP(CLargeListWnd, CListCtrl)
    ON_WM_CREATE()
    ON_MESSAGE(WM_DPICHANGED, &CLargeListWnd::OnDpiChanged)
    ON_MESSAGE(WM_DPICHANGED_AFTERPARENT, &CLargeListWnd::OnDpiChanged)
    ON_WM_SIZE()
    ON_WM_CONTEXTMENU()
    ON_WM_LBUTTONDBLCLK()
    ON_NOTIFY_REFLECT(LVN_KEYDOWN, &CLargeListWnd::OnKeydown)
    ON_COMMAND(ID_EDIT_COPY, &CLargeListWnd::OnEditCopy)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, &CLargeListWnd::OnUpdateEditCopy)
    ON_COMMAND(ID_EDIT_CLEAR_ALL, &CLargeListWnd::OnEditClearAll)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CLEAR_ALL, &CLargeListWnd::OnUpdateEditClearAll)
END_MESSAGE_MAP()

CLargeListWnd::CLargeListWnd() : m_nDpi(CKwDpi::kDefault)
{
}

CLargeListWnd::~CLargeListWnd()
{
}

int CLargeListWnd::AddColumn(CString strTitle)
{
    return (int)m_titles.Add(strTitle);
}

int CLargeListWnd::InsertLine(const CStringArray& texts)
{
    int nIndex = CListCtrl::InsertItem(GetItemCount(), texts.GetSize() > 0 ? (LPCSTR)texts[0] : "");
    if (nIndex < 0)
        return nIndex;
    for (INT_PTR i = 1; i < texts.GetSize(); i++)
        SetItemText(nIndex, (int)i, texts[i]);
    return nIndex;
}

int CLargeListWnd::GetSelectedItem()
{
    return CLargeListCtrlTools::GetSelectedItem(*this);
}

CString CLargeListWnd::GetSelectedText()
{
    CHeaderCtrl* pHeader = GetHeaderCtrl();
    const int nColumns = pHeader != NULL ? pHeader->GetItemCount() : 0;
    CString strText;
    for (POSITION pos = GetFirstSelectedItemPosition(); pos != NULL;)
    {
        int nItem = GetNextSelectedItem(pos);
        for (int c = 0; c < nColumns; c++)
        {
            if (c > 0)
                strText += '\t';
            strText += GetItemText(nItem, c);
        }
        strText += "\r\n";
    }
    return strText;
}

void CLargeListWnd::OnOpenItem(int)
{
}

void CLargeListWnd::OnDeleteItem(int)
{
}

int CLargeListWnd::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CListCtrl::OnCreate(lpcs) == -1)
        return -1;
    ModifyStyle(LVS_TYPEMASK | LVS_NOCOLUMNHEADER, LVS_REPORT);
    SetExtendedStyle(LVS_EX_HEADERDRAGDROP | LVS_EX_FULLROWSELECT);
    for (INT_PTR i = 0; i < m_titles.GetSize(); i++)
        InsertColumn((int)i, m_titles[i], LVCFMT_LEFT, LVSCW_AUTOSIZE_USEHEADER);
    // Padded for the DPI; the last column fills the rest as the window is sized.
    m_nDpi = CKwDpi::ForWindow(m_hWnd);
    for (INT_PTR i = 0; m_nDpi != CKwDpi::kDefault && i + 1 < m_titles.GetSize(); i++)
        CLargeListCtrlTools::FitColumnToHeader(*this, (int)i, m_nDpi);
    return 0;
}


// The last column takes the width the others leave.
void CLargeListWnd::OnSize(UINT nType, int cx, int cy)
{
    CListCtrl::OnSize(nType, cx, cy);
    CHeaderCtrl* pHeader = GetHeaderCtrl();
    const int nColumns = pHeader != NULL ? pHeader->GetItemCount() : 0;
    if (nColumns > 0)
        SetColumnWidth(nColumns - 1, LVSCW_AUTOSIZE_USEHEADER);
}

// The window offers its own commands, tracked owned by itself, so that they reach it wherever it
// is placed.
void CLargeListWnd::OnContextMenu(CWnd*, CPoint point)
{
    point = CLargeListCtrlTools::ContextMenuPoint(*this, point);
    CKwMenu menu;
    if (!menu.CreatePopupMenu())
        return;
    CKwMenu::AddContextMenuCommands(menu, IDR_KW_CONTEXT_MENUS, "LargeListWnd");
    menu.EnableMenuItem(ID_EDIT_COPY, MF_BYCOMMAND | (GetSelectedItem() >= 0 ? MF_ENABLED : MF_GRAYED));
    menu.EnableMenuItem(ID_EDIT_CLEAR_ALL, MF_BYCOMMAND | (GetItemCount() > 0 ? MF_ENABLED : MF_GRAYED));
    CLargeListCtrlTools::TrackContextMenu(menu, point, this);
}

void CLargeListWnd::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    CListCtrl::OnLButtonDblClk(nFlags, point);
    int nItem = GetSelectedItem();
    if (nItem >= 0)
        OnOpenItem(nItem);
}

void CLargeListWnd::OnKeydown(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    if (((NMLVKEYDOWN*)pNMHDR)->wVKey != VK_RETURN)
        return;
    int nItem = CLargeListCtrlTools::GetItemToOpen(*this, TRUE);
    if (nItem >= 0)
        OnOpenItem(nItem);
}

void CLargeListWnd::OnEditCopy()
{
    if (GetSelectedItem() >= 0 && !CKwClipboard::PutText(GetSelectedText()))
        AfxMessageBox(IDS_KW_CLIPBOARD_BUSY, MB_ICONEXCLAMATION);
}

void CLargeListWnd::OnUpdateEditCopy(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetSelectedItem() >= 0);
}

void CLargeListWnd::OnEditClearAll()
{
    const int nCount = GetItemCount();
    for (int i = 0; i < nCount; i++)
        OnDeleteItem(i);
    DeleteAllItems();
}

void CLargeListWnd::OnUpdateEditClearAll(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetItemCount() > 0);
}

// On a monitor of another DPI the columns keep their widths in proportion.
LRESULT CLargeListWnd::OnDpiChanged(WPARAM wParam, LPARAM)
{
    m_nDpi = CLargeListCtrlTools::ScaleColumns(*this, m_nDpi, CKwDpi::FromMessage(m_hWnd, WM_DPICHANGED, wParam));
    return 0;
}

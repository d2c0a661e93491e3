// LargeListView.cpp: CLargeListView, cells on demand, sorted insertion, header-click sorting,
// the widths in the document and the view context.
#include "grid/LargeListView.h"
#include "core/KwDpi.h"
#include "core/KwMenu.h"
#include "grid/LargeListCtrlTools.h"
#include "grid/LargeListWidths.h"
#include "res/resource.h"

#include <vector>

IMPLEMENT_DYNCREATE(CLargeListView, CListView)

BEGIN_MESSAGE_MAP(CLargeListView, CListView)
    ON_WM_CREATE()
    ON_MESSAGE(WM_DPICHANGED, &CLargeListView::OnDpiChanged)
    ON_MESSAGE(WM_DPICHANGED_AFTERPARENT, &CLargeListView::OnDpiChanged)
    ON_NOTIFY_REFLECT(LVN_GETDISPINFOA, &CLargeListView::OnGetdispinfo)
    ON_NOTIFY_REFLECT(LVN_KEYDOWN, &CLargeListView::OnKeydown)
    // The header is the control's child, with id 0.
    ON_NOTIFY(HDN_ITEMCLICKA, 0, &CLargeListView::OnHeaderClicked)
    ON_NOTIFY(HDN_ITEMCLICKW, 0, &CLargeListView::OnHeaderClicked)
    ON_WM_CONTEXTMENU()
    ON_WM_LBUTTONDBLCLK()
    ON_COMMAND(ID_KW_LIST_AUTO_RESIZE, &CLargeListView::OnColumnAutofit)
    ON_COMMAND(ID_KW_LIST_FIT_TO_CONTENTS, &CLargeListView::OnColumnFitToContents)
    ON_MESSAGE(WM_KW_GETVIEWCONTEXT, &CLargeListView::OnGetViewContext)
    ON_MESSAGE(WM_KW_COMPAREVIEWCONTEXT, &CLargeListView::OnCompareViewContext)
END_MESSAGE_MAP()

CLargeListView::CColumn::CColumn(CString strTitle, CString (*pfnText)(long), int (*pfnImage)(long),
                                 int (*pfnCompare)(long, long))
    : m_strTitle(strTitle), m_pfnText(pfnText), m_pfnImage(pfnImage), m_pfnCompare(pfnCompare), m_bAscending(TRUE)
{
}

CLargeListView::CLargeListView() : m_poolBuffers(), m_nPool(0), m_bLayoutDone(FALSE), m_nDpi(CKwDpi::kDefault)
{
}

CLargeListView::~CLargeListView()
{
    for (INT_PTR i = 0; i < m_columns.GetSize(); i++)
        delete m_columns[i];
}

int CLargeListView::AddColumn(CString strTitle, CString (*pfnText)(long), int (*pfnImage)(long),
                              int (*pfnCompare)(long, long))
{
    CColumn* pColumn = new CColumn(strTitle, pfnText, pfnImage, pfnCompare);
    m_sortOrder.Add(pColumn);
    return (int)m_columns.Add(pColumn);
}

CLargeListSort CLargeListView::GetSort() const
{
    CLargeListSort sort;
    for (INT_PTR i = 0; i < m_sortOrder.GetSize(); i++)
        sort.AddCriterion(m_sortOrder[i]->m_pfnCompare, m_sortOrder[i]->m_bAscending);
    return sort;
}

// Reads and writes of many lines go straight to the control, past this view's message map,
// which has nothing to add to them.
long CLargeListView::GetKey(int nItem)
{
    LVITEM item = {};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    DefWindowProc(LVM_GETITEMA, 0, (LPARAM)&item);
    return (long)item.lParam;
}

int CLargeListView::InsertItem(long nKey)
{
    const CLargeListSort sort = GetSort();
    const int nCount = (int)DefWindowProc(LVM_GETITEMCOUNT, 0, 0);
    int nIndex = sort.FindInsertPosition(nCount, nKey, [this](int i) { return GetKey(i); });

    LVITEM item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = nIndex;
    item.pszText = LPSTR_TEXTCALLBACK;
    item.iImage = I_IMAGECALLBACK;
    item.lParam = (LPARAM)nKey;
    nIndex = (int)DefWindowProc(LVM_INSERTITEMA, 0, (LPARAM)&item);
    if (nIndex < 0)
        return nIndex;
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = nIndex;
    for (INT_PTR i = 1; i < m_columns.GetSize(); i++)
    {
        item.iSubItem = (int)i;
        DefWindowProc(LVM_SETITEMA, 0, (LPARAM)&item);
    }
    return nIndex;
}

// The keys of all lines are read once, sorted in memory, and written back where they changed,
// each with its selection and focus; the cells follow, since every cell is asked for by key.
void CLargeListView::FullSortItems()
{
    CListCtrl& list = GetListCtrl();
    const UINT nStateMask = LVIS_SELECTED | LVIS_FOCUSED;
    const int nCount = list.GetItemCount();
    std::vector<CLargeListSort::CLine> before((size_t)nCount);
    for (int i = 0; i < nCount; i++)
    {
        LVITEM item = {};
        item.mask = LVIF_PARAM | LVIF_STATE;
        item.iItem = i;
        item.stateMask = nStateMask;
        DefWindowProc(LVM_GETITEMA, 0, (LPARAM)&item);
        before[(size_t)i] = CLargeListSort::CLine{(long)item.lParam, item.state & nStateMask};
    }
    std::vector<CLargeListSort::CLine> after(before);
    GetSort().SortLines(after);

    SetRedraw(FALSE);
    for (int i = 0; i < nCount; i++)
    {
        const CLargeListSort::CLine& was = before[(size_t)i];
        const CLargeListSort::CLine& now = after[(size_t)i];
        if (now.nKey != was.nKey)
        {
            LVITEM item = {};
            item.mask = LVIF_PARAM;
            item.iItem = i;
            item.lParam = (LPARAM)now.nKey;
            DefWindowProc(LVM_SETITEMA, 0, (LPARAM)&item);
        }
        if (now.nState != was.nState)
            list.SetItemState(i, now.nState, nStateMask);
    }
    SetRedraw(TRUE);
    ShowSortColumn();
    Invalidate(FALSE);
}

// The header marks the column that orders the lines (the first of the sort order that compares)
// with an arrow of its direction.
void CLargeListView::ShowSortColumn()
{
    CHeaderCtrl* pHeader = GetListCtrl().GetHeaderCtrl();
    if (pHeader == NULL)
        return;
    const CColumn* pSorting = NULL;
    for (INT_PTR i = 0; i < m_sortOrder.GetSize() && pSorting == NULL; i++)
        if (m_sortOrder[i]->m_pfnCompare != NULL)
            pSorting = m_sortOrder[i];
    for (int i = 0; i < pHeader->GetItemCount() && i < m_columns.GetSize(); i++)
    {
        HDITEM item = {};
        item.mask = HDI_FORMAT;
        pHeader->GetItem(i, &item);
        int fmt = item.fmt & ~(HDF_SORTUP | HDF_SORTDOWN);
        if (m_columns[i] == pSorting)
            fmt |= pSorting->m_bAscending ? HDF_SORTUP : HDF_SORTDOWN;
        if (fmt != item.fmt)
        {
            item.fmt = fmt;
            pHeader->SetItem(i, &item);
        }
    }
}

int CALLBACK CLargeListView::CompareItems(LPARAM lKey1, LPARAM lKey2, LPARAM lColumn)
{
    const CColumn* pColumn = (const CColumn*)lColumn;
    return CLargeListSort::CompareOne(CLargeListSort::CCriterion{pColumn->m_pfnCompare, pColumn->m_bAscending},
                                      (long)lKey1, (long)lKey2);
}

// The last column fitted to its header fills what the others leave, which in a view shrunk to a
// pixel may be nothing (or be refused): it keeps at least the width of its contents.
void CLargeListView::ResizeColumn(int nIndex, int nMode)
{
    CListCtrl& list = GetListCtrl();
    if (nMode != 0 && nMode != 1)
        return;
    list.SetColumnWidth(nIndex, LVSCW_AUTOSIZE);
    if (nMode == 1)
        return;
    const int nContents = list.GetColumnWidth(nIndex);
    CLargeListCtrlTools::FitColumnToHeader(list, nIndex, m_nDpi);
    if (list.GetColumnWidth(nIndex) < nContents)
        list.SetColumnWidth(nIndex, nContents);
}

// Fitted in a window of 1 x 1 pixels, the last column does not stretch to the view's width.
void CLargeListView::ResizeColumns(int nMode)
{
    if (GetSafeHwnd() == NULL)
        return;
    CRect rect;
    GetWindowRect(&rect);
    if (CWnd* pParent = GetParent())
        pParent->ScreenToClient(&rect);
    SetRedraw(FALSE);
    SetWindowPos(NULL, 0, 0, 1, 1, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    for (INT_PTR i = 0; i < m_columns.GetSize(); i++)
        ResizeColumn((int)i, nMode);
    // Back where the frame placed it, which need not be its parent's whole client area.
    MoveWindow(&rect, TRUE);
    SetRedraw(TRUE);
    Invalidate(FALSE);
}

int CLargeListView::GetSelectedItem()
{
    return CLargeListCtrlTools::GetSelectedItem(GetListCtrl());
}

CString CLargeListView::GetViewContextObjectName() const
{
    return m_viewContext.m_strText1;
}

void CLargeListView::Serialize(CArchive& ar)
{
    CListCtrl& list = GetListCtrl();
    const BOOL bWindow = GetSafeHwnd() != NULL;
    // The document keeps the widths at 96 DPI, as the header keeps its own.
    const UINT nDpi = bWindow ? m_nDpi : CKwDpi::kDefault;
    CDWordArray widths;
    if (ar.IsStoring())
    {
        widths.SetSize(m_columns.GetSize());
        for (INT_PTR i = 0; i < widths.GetSize(); i++)
            widths[i] = bWindow ? (DWORD)CKwDpi::Unscale(list.GetColumnWidth((int)i), nDpi) : 0;
        CLargeListWidths::Store(ar, widths);
        return;
    }
    CLargeListWidths::Load(ar, (int)m_columns.GetSize(), widths);
    for (INT_PTR i = 0; bWindow && i < widths.GetSize(); i++)
        list.SetColumnWidth((int)i, CKwDpi::Scale((int)widths[i], nDpi));
    m_bLayoutDone = TRUE;
}

void CLargeListView::OnInitialUpdate()
{
    CListCtrl& list = GetListCtrl();
    ModifyStyle(LVS_TYPEMASK | LVS_NOCOLUMNHEADER, LVS_REPORT | LVS_SINGLESEL);
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_HEADERDRAGDROP | LVS_EX_SUBITEMIMAGES);
    // A second initial update finds the columns there already.
    CHeaderCtrl* pHeader = list.GetHeaderCtrl();
    int nFirst = pHeader != NULL ? pHeader->GetItemCount() : 0;
    for (INT_PTR i = nFirst; i < m_columns.GetSize(); i++)
    {
        LVCOLUMN column = {};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        column.fmt = LVCFMT_LEFT;
        column.cx = LVSCW_AUTOSIZE_USEHEADER;
        column.pszText = (LPSTR)(LPCSTR)m_columns[i]->m_strTitle;
        column.iSubItem = (int)i;
        list.InsertColumn((int)i, &column);
    }
    ShowSortColumn();
    CListView::OnInitialUpdate();
    ResizeColumns(0);
}

void CLargeListView::OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint)
{
    SetRedraw(FALSE);
    UpdateList(pSender, (long)lHint, pHint);
    SetRedraw(TRUE);
    Invalidate(FALSE);
}

void CLargeListView::OnOpenItem(int)
{
}

void CLargeListView::UpdateList(CView*, long, CObject*)
{
}

void CLargeListView::StoreViewContext()
{
    if (const CViewContext* pContext = CViewContext::GetViewContext())
        m_viewContext = *pContext;
}

void CLargeListView::NormalizeLayout()
{
    if (m_bLayoutDone)
        return;
    ResizeColumns(0);
    m_bLayoutDone = TRUE;
}

char* CLargeListView::AddPool(CString* pText)
{
    CString& entry = m_pool[m_nPool];
    if (m_poolBuffers[m_nPool] != NULL)
        entry.UnlockBuffer();
    entry = *pText;
    char* pBuffer = entry.LockBuffer();
    m_poolBuffers[m_nPool] = pBuffer;
    m_nPool = (m_nPool + 1) % 3;
    return pBuffer;
}

int CLargeListView::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CListView::OnCreate(lpcs) == -1)
        return -1;
    // The context stack holds this view's context only while the view is being created.
    StoreViewContext();
    m_nDpi = CKwDpi::ForWindow(m_hWnd);
    return 0;
}


void CLargeListView::OnGetdispinfo(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    LVITEM& item = ((NMLVDISPINFO*)pNMHDR)->item;
    if (item.iSubItem < 0 || item.iSubItem >= m_columns.GetSize())
        return;
    const CColumn* pColumn = m_columns[item.iSubItem];
    const long nKey = (long)item.lParam;
    if (item.mask & LVIF_TEXT)
    {
        CString strText;
        if (pColumn->m_pfnText != NULL)
            strText = pColumn->m_pfnText(nKey);
        item.pszText = AddPool(&strText);
    }
    if (item.mask & LVIF_IMAGE)
        item.iImage = pColumn->m_pfnImage != NULL ? pColumn->m_pfnImage(nKey) : -1;
}

void CLargeListView::OnKeydown(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    if (((NMLVKEYDOWN*)pNMHDR)->wVKey != VK_RETURN)
        return;
    int nItem = CLargeListCtrlTools::GetItemToOpen(GetListCtrl(), TRUE);
    if (nItem >= 0)
        OnOpenItem(nItem);
}

void CLargeListView::OnHeaderClicked(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const NMHEADER* pHeader = (const NMHEADER*)pNMHDR;
    if (pHeader->iButton != 0 || pHeader->iItem < 0 || pHeader->iItem >= m_columns.GetSize())
        return;
    CColumn* pColumn = m_columns[pHeader->iItem];
    pColumn->m_bAscending = !pColumn->m_bAscending;
    for (INT_PTR i = 0; i < m_sortOrder.GetSize(); i++)
        if (m_sortOrder[i] == pColumn)
        {
            m_sortOrder.RemoveAt(i);
            break;
        }
    m_sortOrder.InsertAt(0, pColumn);
    FullSortItems();
}

void CLargeListView::OnContextMenu(CWnd*, CPoint point)
{
    point = CLargeListCtrlTools::ContextMenuPoint(GetListCtrl(), point);
    CKwMenu menu;
    if (!menu.CreatePopupMenu())
        return;
    CKwWindow_OnExtendContextMenu(menu);
    // The main window routes the chosen command like any menu command.
    CWnd* pOwner = AfxGetMainWnd();
    if (pOwner == NULL || pOwner->GetSafeHwnd() == NULL)
        pOwner = GetTopLevelParent();
    CLargeListCtrlTools::TrackContextMenu(menu, point, pOwner);
}

void CLargeListView::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    CListView::OnLButtonDblClk(nFlags, point);
    int nItem = GetSelectedItem();
    if (nItem >= 0)
        OnOpenItem(nItem);
}

void CLargeListView::OnColumnAutofit()
{
    ResizeColumns(0);
}

void CLargeListView::OnColumnFitToContents()
{
    ResizeColumns(1);
}

LRESULT CLargeListView::OnGetViewContext(WPARAM, LPARAM lParam)
{
    if (CViewContext* pContext = (CViewContext*)lParam)
        *pContext = m_viewContext;
    return 1;
}

// The seventh value is not part of what the view shows.
LRESULT CLargeListView::OnCompareViewContext(WPARAM, LPARAM lParam)
{
    const CViewContext* pContext = (const CViewContext*)lParam;
    if (pContext == NULL)
        return 0;
    CViewContext other(*pContext);
    other.m_nValue7 = m_viewContext.m_nValue7;
    return other == m_viewContext;
}

// On a monitor of another DPI the columns keep their widths in proportion.
LRESULT CLargeListView::OnDpiChanged(WPARAM wParam, LPARAM)
{
    const UINT nDpi = CKwDpi::FromMessage(m_hWnd, WM_DPICHANGED, wParam);
    m_nDpi = CLargeListCtrlTools::ScaleColumns(GetListCtrl(), m_nDpi, nDpi);
    return 0;
}

// KwIntelliSenseWindow.cpp: the completion list: making and placing it, following the typed
// prefix, accepting a completion and its description tip.
#include "tips/KwIntelliSenseWindow.h"

#include "core/KwPalette.h"
#include "tips/KwIntelliSenseItem.h"
#include "tips/KwStaticToolTipCtrl.h"
#include "tips/KwWorkArea.h"

#include <afxpriv.h>
#include <algorithm>
#include <cctype>

namespace
{
const UINT WM_KW_UPDATETOOLTIP = WM_USER + 1; // posted to itself on a selection change
const int kListRows = 10; // the list is as high as this many rows

bool IsWordChar(char c)
{
    return isalnum((unsigned char)c) || c == '_';
}
} // namespace

IMPLEMENT_DYNAMIC(CKwIntelliSenseWindow, CListCtrl)

BEGIN_MESSAGE_MAP(CKwIntelliSenseWindow, CListCtrl)
    ON_WM_CHAR()
    ON_WM_KEYDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_KILLFOCUS()
    ON_NOTIFY_REFLECT(LVN_ITEMCHANGED, OnSelectionChanged)
    ON_MESSAGE(WM_KW_UPDATETOOLTIP, OnUpdateToolTip)
    ON_MESSAGE(WM_FLOATSTATUS, OnFloatStatus)
END_MESSAGE_MAP()

CKwIntelliSenseWindow::CKwIntelliSenseWindow(IKwIntelliSenseClient* pClient)
    : m_pClient(pClient), m_nWordStart(0), m_pEditor(NULL), m_pToolTip(NULL), m_bSilent(false)
{
}

CKwIntelliSenseWindow::~CKwIntelliSenseWindow()
{
    if (m_hWnd != NULL)
    {
        m_bSilent = true;
        DestroyWindow();
    }
    delete m_pToolTip;
}

BOOL CKwIntelliSenseWindow::IsRectInRect(const CRect& inner, const CRect& outer)
{
    return CKwWorkArea::IsRectInRect(inner, outer);
}

void CKwIntelliSenseWindow::Start(CString sLine, CPoint ptCaretTop, CPoint ptCaretBottom, CWnd* pEditor)
{
    if (m_hWnd != NULL)
    {
        m_bSilent = true;
        DestroyWindow();
        m_bSilent = false;
    }
    if (pEditor == NULL || !::IsWindow(pEditor->m_hWnd))
        return; // no editor to complete for
    int nStart = sLine.GetLength();
    while (nStart > 0 && IsWordChar(sLine[nStart - 1]))
        nStart--;
    m_nWordStart = nStart;
    m_sPrefix = sLine.Mid(nStart);

    m_pEditor = pEditor;
    pEditor->ClientToScreen(&ptCaretTop);
    pEditor->ClientToScreen(&ptCaretBottom);
    if (!CreateList(pEditor))
        return;
    FillList();

    CSize size = ListSize();
    const CRect candidates[] = {
        CRect(ptCaretBottom, size),
        CRect(CPoint(ptCaretTop.x, ptCaretTop.y - size.cy), size),
        CRect(CPoint(ptCaretBottom.x - size.cx, ptCaretBottom.y), size),
        CRect(CPoint(ptCaretTop.x - size.cx, ptCaretTop.y - size.cy), size),
    };
    int nFit = CKwWorkArea::FirstInside(candidates, 4, CKwWorkArea::Get());
    MoveWindow(&candidates[nFit < 0 ? 0 : nFit]);
    SelectMatchingItem();
    ShowWindow(SW_SHOW);
    CRect rcClient;
    GetClientRect(&rcClient);
    SetColumnWidth(0, rcClient.Width());
    PostMessage(WM_KW_UPDATETOOLTIP);
}

BOOL CKwIntelliSenseWindow::CreateList(CWnd* pEditor)
{
    int nSide = 5 * ::GetSystemMetrics(SM_CXVSCROLL);
    DWORD dwStyle = WS_POPUP | WS_CLIPSIBLINGS | WS_THICKFRAME | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                    LVS_SHAREIMAGELISTS | LVS_NOCOLUMNHEADER;
    if (!CreateEx(WS_EX_TOOLWINDOW | WS_EX_WINDOWEDGE, WC_LISTVIEWA, NULL, dwStyle, CRect(0, 0, nSide, nSide),
            pEditor, 0))
        return FALSE;
    InsertColumn(0, "", LVCFMT_LEFT);
    SetExtendedStyle(LVS_EX_FULLROWSELECT);
    // Made anew for each completion: the list takes the look of the moment.
    if (CKwPalette::IsDark())
    {
        SetBkColor(CKwPalette::Get(CKwPalette::eWindow));
        SetTextBkColor(CKwPalette::Get(CKwPalette::eWindow));
        SetTextColor(CKwPalette::Get(CKwPalette::eWindowText));
    }
    CImageList* pImages = m_pClient->IKwIntelliSenseClient_GetImageList();
    if (pImages != NULL)
        SetImageList(pImages, LVSIL_SMALL);
    return TRUE;
}

void CKwIntelliSenseWindow::FillList()
{
    UINT nCount = m_pClient->IKwIntelliSenseClient_GetItemCount();
    for (UINT i = 0; i < nCount; i++)
    {
        IKwIntelliSenseItem* pItem = m_pClient->IKwIntelliSenseClient_GetItem((int)i);
        CString sText = pItem->IKwIntelliSenseItem_GetDisplayString();
        sText.Remove('\r');
        sText.Remove('\n');
        InsertItem(LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM, (int)i, sText, 0, 0, pItem->IKwIntelliSenseItem_GetImageIndex(),
            (LPARAM)pItem);
    }
}

CSize CKwIntelliSenseWindow::ListSize()
{
    int nScroll = ::GetSystemMetrics(SM_CXVSCROLL);
    DWORD dwView = (DWORD)SendMessage(LVM_APPROXIMATEVIEWRECT, kListRows, MAKELPARAM(-1, -1));
    int cy = HIWORD(dwView) + 2 * ::GetSystemMetrics(SM_CYDLGFRAME) - nScroll;
    int cx = 0;
    for (int i = 0; i < GetItemCount(); i++)
        cx = std::max(cx, GetStringWidth(GetItemText(i, 0)));
    CImageList* pImages = GetImageList(LVSIL_SMALL);
    IMAGEINFO info = {};
    if (pImages != NULL && ::ImageList_GetImageInfo(pImages->GetSafeHandle(), 0, &info))
        cx += info.rcImage.right - info.rcImage.left;
    return CSize(cx + 3 * nScroll, cy);
}

int CKwIntelliSenseWindow::FindPrefix(const CString& sPrefix) const
{
    CString sLower = sPrefix;
    sLower.MakeLower();
    for (int i = 0; i < GetItemCount(); i++)
    {
        CString sText = GetItemText(i, 0);
        if (sText.Left(sPrefix.GetLength()) == sPrefix)
            return i;
        sText.MakeLower();
        if (sText.Left(sLower.GetLength()) == sLower)
            return i;
    }
    return -1;
}

void CKwIntelliSenseWindow::SelectMatchingItem()
{
    int nTarget = -1;
    for (CString sPrefix = m_sPrefix; nTarget < 0 && !sPrefix.IsEmpty(); sPrefix.Delete(sPrefix.GetLength() - 1))
        nTarget = FindPrefix(sPrefix);
    if (nTarget < 0)
        nTarget = 0;
    if (nTarget == GetNextItem(-1, LVNI_SELECTED))
        return;
    // The last row first, so that the target ends up near the top.
    EnsureVisible(GetItemCount() - 1, TRUE);
    EnsureVisible(nTarget, FALSE);
    SetItemState(nTarget, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void CKwIntelliSenseWindow::OnChar(UINT nChar, UINT, UINT)
{
    int nEnd = m_nWordStart + m_sPrefix.GetLength();
    switch (nChar)
    {
    case VK_BACK:
        if (m_sPrefix.IsEmpty())
        {
            if (m_nWordStart > 0)
                m_pClient->IKwIntelliSenseClient_ReplaceText(m_nWordStart - 1, m_nWordStart, "", m_nWordStart - 1);
            Cancel();
            return;
        }
        m_pClient->IKwIntelliSenseClient_ReplaceText(nEnd - 1, nEnd, "", nEnd - 1);
        m_sPrefix.Delete(m_sPrefix.GetLength() - 1);
        SelectMatchingItem();
        return;
    case VK_TAB:
    case VK_RETURN:
    case VK_SPACE:
        Choose();
        return;
    }
    if (nChar < 32 || nChar == 127)
        return;
    CString sChar((char)nChar);
    m_pClient->IKwIntelliSenseClient_ReplaceText(nEnd, nEnd, sChar, nEnd + 1);
    m_sPrefix += sChar;
    SelectMatchingItem();
}

void CKwIntelliSenseWindow::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    CListCtrl::OnKeyDown(nChar, nRepCnt, nFlags);
    switch (nChar)
    {
    case VK_ESCAPE:
    case VK_CLEAR:
    case VK_CANCEL:
        Cancel();
        break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_DELETE:
        // The editor has the focus again and takes the key itself.
        Cancel();
        ::keybd_event((BYTE)nChar, 0, 0, 0);
        break;
    }
}

void CKwIntelliSenseWindow::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    CListCtrl::OnLButtonDblClk(nFlags, point);
    Choose();
}

void CKwIntelliSenseWindow::Choose()
{
    int nSel = GetNextItem(-1, LVNI_SELECTED);
    if (nSel < 0)
        return;
    IKwIntelliSenseItem* pItem = (IKwIntelliSenseItem*)GetItemData(nSel);
    CString sText = pItem->IKwIntelliSenseItem_GetDisplayString();
    int nParen = sText.Find('(');
    int nCaret = nParen < 0 ? sText.GetLength() : nParen + 1;
    m_pClient->IKwIntelliSenseClient_ReplaceText(m_nWordStart, m_nWordStart + m_sPrefix.GetLength(), sText,
        m_nWordStart + nCaret);
    Cancel();
}

void CKwIntelliSenseWindow::Cancel()
{
    // Losing the focus ends the completion; the client may delete this window there, so nothing
    // may follow.
    if (m_pEditor != NULL)
        m_pEditor->SetFocus();
}

void CKwIntelliSenseWindow::OnKillFocus(CWnd* pNewWnd)
{
    CListCtrl::OnKillFocus(pNewWnd);
    if (m_bSilent)
        return;
    // The tip goes with the completion, whatever the client does with the list.
    if (m_pToolTip != NULL && m_pToolTip->m_hWnd != NULL)
        m_pToolTip->ShowWindow(SW_HIDE);
    m_pClient->IKwIntelliSenseClient_OnClose();
}

void CKwIntelliSenseWindow::OnSelectionChanged(NMHDR*, LRESULT* pResult)
{
    PostMessage(WM_KW_UPDATETOOLTIP);
    *pResult = 0;
}

LRESULT CKwIntelliSenseWindow::OnUpdateToolTip(WPARAM, LPARAM)
{
    if (m_pToolTip == NULL)
        m_pToolTip = new CKwStaticToolTipCtrl;
    // The tip goes with the list it belongs to; a new list makes it again.
    if (!::IsWindow(m_pToolTip->m_hWnd) && !m_pToolTip->Create(this))
        return 0;
    int nSel = GetNextItem(-1, LVNI_SELECTED);
    if (nSel < 0)
        return 0;
    CRect rcRow, rcWindow;
    GetItemRect(nSel, &rcRow, LVIR_BOUNDS);
    ClientToScreen(&rcRow);
    GetWindowRect(&rcWindow);
    rcRow.left = rcWindow.left;
    rcRow.right = rcWindow.right;
    IKwIntelliSenseItem* pItem = (IKwIntelliSenseItem*)GetItemData(nSel);
    m_pToolTip->Update(rcRow, pItem->IKwIntelliSenseItem_GetDescription());
    return 0;
}

LRESULT CKwIntelliSenseWindow::OnFloatStatus(WPARAM wParam, LPARAM)
{
    return (wParam & FS_SYNCACTIVE) ? TRUE : FALSE;
}

BOOL CKwIntelliSenseWindow::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The editor and its containers, up to the frame, see the commands first.
    for (CWnd* pWnd = m_pEditor; pWnd != NULL && !pWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)); pWnd = pWnd->GetParent())
        if (pWnd->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
            return TRUE;
    return CListCtrl::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

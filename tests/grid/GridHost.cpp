// GridHost.cpp: the dialog that hosts the grid in the grid tests.
#include "GridHost.h"
#include "GridHost.rh"

#include "grid/KwHeaderCtrl.h"
#include "support/MessageRecorder.h"

#include <gtest/gtest.h>

#include <cstdarg>
#include <cstdio>

GridHost::GridHost()
{
    EXPECT_TRUE(Create(IDD_GRIDHOST));
    EXPECT_TRUE(m_grid.Initialize(IDC_GRIDHOST_GRID, this));
    ::SetForegroundWindow(m_hWnd);
    ::SetActiveWindow(m_hWnd);
    Pump();
}

GridHost::~GridHost()
{
    if (m_hWnd)
        DestroyWindow();
}

void GridHost::AddColumns(int nCount, int nWidth)
{
    for (int i = 0; i < nCount; ++i)
        m_grid.AddColumn(CString((char)('A' + i)), nWidth);
}

void GridHost::PressKey(UINT nVirtKey, std::initializer_list<UINT> modifiers)
{
    for (UINT vk : modifiers)
        ::keybd_event((BYTE)vk, 0, 0, 0);
    ::keybd_event((BYTE)nVirtKey, 0, 0, 0);
    ::keybd_event((BYTE)nVirtKey, 0, KEYEVENTF_KEYUP, 0);
    for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it)
        ::keybd_event((BYTE)*it, 0, KEYEVENTF_KEYUP, 0);
    Pump(50);
}

void GridHost::PressKeys(std::initializer_list<UINT> keys)
{
    for (UINT vk : keys)
        PressKey(vk);
}

void GridHost::Mouse(UINT nMessage, CPoint point, UINT nFlags)
{
    m_grid.SendMessage(nMessage, nFlags, MAKELPARAM(point.x, point.y));
    Pump();
}

void GridHost::ClickAt(CPoint point, UINT nFlags)
{
    m_grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | nFlags, MAKELPARAM(point.x, point.y));
    Mouse(WM_LBUTTONUP, point, nFlags);
}

void GridHost::Pump(DWORD nMilliseconds)
{
    PumpWithPreTranslate(nMilliseconds);
}

CPoint GridHost::CellPoint(UINT nColumn, UINT nLine)
{
    CHeaderCtrl* pHeader = m_grid.GetHeaderCtrl();
    int nLeft = 0, nWidth = 0;
    for (UINT i = 0; i <= nColumn && (int)i < pHeader->GetItemCount(); i++)
    {
        HDITEM hdi = {};
        hdi.mask = HDI_WIDTH;
        pHeader->GetItem((int)i, &hdi);
        nLeft += nWidth;
        nWidth = hdi.cxy;
    }
    CRect rectHeader;
    pHeader->GetWindowRect(&rectHeader);
    // Lines are as high as the font with its external leading, and 6 pixels more.
    HDC hDC = ::GetDC(m_grid.m_hWnd);
    HGDIOBJ hOld = ::SelectObject(hDC, (HFONT)m_grid.SendMessage(WM_GETFONT));
    TEXTMETRICA tm = {};
    ::GetTextMetricsA(hDC, &tm);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(m_grid.m_hWnd, hDC);
    int nLineHeight = tm.tmHeight + tm.tmExternalLeading + 6;
    return CPoint(nLeft + nWidth / 2, rectHeader.Height() - 1 + (int)nLine * nLineHeight + nLineHeight / 2);
}

std::vector<std::string> GridHost::Texts(CKwGridCtrl& grid)
{
    std::vector<std::string> lines;
    for (UINT nLine = 0; nLine < grid.GetLineCount(); nLine++)
    {
        std::string line;
        for (UINT nColumn = 0; nColumn < grid.GetColumnCount(); nColumn++)
            line += (nColumn ? "|" : "") + std::string((const char*)grid.GetItemText(nColumn, nLine));
        lines.push_back(line);
    }
    return lines;
}

void GridHost::SetChoices(CStringArray& choices, std::initializer_list<const char*> texts)
{
    choices.RemoveAll();
    for (const char* pszText : texts)
        choices.Add(pszText);
}

void GridHost::Record(const char* pszFormat, ...)
{
    char szText[512];
    va_list args;
    va_start(args, pszFormat);
    vsnprintf(szText, sizeof(szText), pszFormat, args);
    va_end(args);
    m_calls.push_back(szText);
}

void GridHost::CKwGridCtrlListener_OnContentChanged(CKwGridCtrl*)
{
    Record("ContentChanged");
    if (m_contentChanged)
        m_contentChanged();
}

void GridHost::CKwGridCtrlListener_OnGetItem(UINT nColumn, UINT nLine, CKwGridCtrlItem& item, CKwGridCtrl*)
{
    if (m_bRecordGetItem)
        Record("GetItem %d %d", (int)nColumn, (int)nLine);
    if (m_supplyItem)
        m_supplyItem(nColumn, nLine, item);
}

BOOL GridHost::CKwGridCtrlListener_OnBeginEditItem(UINT nColumn, UINT nLine, CKwGridCtrlItem& item, CKwGridCtrl*)
{
    Record("BeginEditItem %d %d", (int)nColumn, (int)nLine);
    if (m_beginEditItem)
        m_beginEditItem(nColumn, nLine, item);
    return m_bAllowEdit;
}

void GridHost::CKwGridCtrlListener_OnItemChanged(UINT nColumn, UINT nLine, const CKwGridCtrlItem& item, CKwGridCtrl*)
{
    Record("ItemChanged %d %d text=%s index=%d", (int)nColumn, (int)nLine, (const char*)item.sText, item.nIndex);
}

void GridHost::CKwGridCtrlListener_OnKillFocus(CKwGridCtrl*)
{
    Record("KillFocus");
}

BOOL GridHost::CKwGridCtrlListener_OnCanDelete(CKwGridCtrl*)
{
    Record("CanDelete");
    return m_bCanDelete;
}

BOOL GridHost::CKwGridCtrlListener_OnCanPaste(CKwGridCtrl*)
{
    Record("CanPaste");
    return m_bCanPaste;
}

BOOL GridHost::CKwGridCtrlListener_OnCanSwapLines(UINT nLine1, UINT nLine2, CKwGridCtrl*)
{
    Record("CanSwapLines %d %d", (int)nLine1, (int)nLine2);
    return m_bCanSwapLines;
}

CString GridHost::CKwGridCtrlListener_OnGetToolTipText(UINT nColumn, UINT nLine, CKwGridCtrlItem&, CKwGridCtrl*)
{
    Record("GetToolTipText %d %d", (int)nColumn, (int)nLine);
    return m_sToolTipText;
}

BOOL GridHost::CKwGridCtrlListener_OnContextMenu(UINT nColumn, UINT nLine, CMenu&, CKwGridCtrl*)
{
    Record("ContextMenu %d %d", (int)nColumn, (int)nLine);
    return TRUE;
}

BOOL GridHost::CKwGridCtrlListener_OnLockItem(UINT nColumn, UINT nLine, CKwGridCtrl*)
{
    return m_locked.count(std::make_pair(nColumn, nLine)) != 0;
}

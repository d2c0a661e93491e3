// NavigationFixture.h: GridNavigationTest, a grid of three text columns in a dialog, driven by keys
// and clicks the way a user drives it, with the white box and the selection read back.
#pragma once

#include "GridHost.h"
#include "GridHost.rh"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

typedef std::pair<UINT, UINT> GridCell; // (column, line)

// The same dialog with the grid in place, but the dialog is no listener; two columns of 80.
struct GridWithoutListener
{
    GridWithoutListener()
    {
        EXPECT_TRUE(dlg.Create(IDD_GRIDHOST));
        EXPECT_TRUE(grid.Initialize(IDC_GRIDHOST_GRID, &dlg));
        grid.AddColumn("A", 80);
        grid.AddColumn("B", 80);
        ::SetForegroundWindow(dlg.m_hWnd);
    }
    CDialog dlg;
    CKwGridCtrl grid; // destroyed before the dialog
};

class GridNavigationTest : public ::testing::Test
{
protected:
    // A test may bring a host of its own that answers or routes differently.
    explicit GridNavigationTest(GridHost* pHost = new GridHost) : m_pHost(pHost), host(*pHost) { host.AddColumns(3); }

    // Lines 0 to nLines - 1, each cell holding its column's letter and its line: "a0", "b0", ...
    void Fill(UINT nLines)
    {
        for (UINT nLine = 0; nLine < nLines; nLine++)
            for (UINT nColumn = 0; nColumn < 3; nColumn++)
                grid.SetTextItem(nColumn, nLine, Name(nColumn, nLine));
        host.m_calls.clear();
    }
    static CString Name(UINT nColumn, UINT nLine)
    {
        CString s;
        s.Format("%c%u", 'a' + nColumn, nLine);
        return s;
    }

    // The grid takes the focus (the white box comes to the top line) and the record starts anew.
    void FocusGrid()
    {
        grid.SetFocus();
        host.Pump();
        host.m_calls.clear();
    }

    // A button pressed and released over a cell (client coordinates of the grid).
    void Click(UINT nColumn, UINT nLine, UINT nFlags = 0) { host.ClickAt(host.CellPoint(nColumn, nLine), nFlags); }
    void RightClick(UINT nColumn, UINT nLine) { host.Mouse(WM_RBUTTONDOWN, host.CellPoint(nColumn, nLine), MK_RBUTTON); }

    GridCell Cur()
    {
        GridCell cell;
        grid.GetCurItem(cell.first, cell.second);
        return cell;
    }
    std::vector<UINT> Selection()
    {
        std::vector<UINT> lines;
        POSITION pos = grid.GetSelectionHeadPosition();
        while (pos != NULL)
            lines.push_back(grid.GetSelectionNext(pos));
        return lines;
    }
    // The white box and the selected lines: "box 1 2, lines 2 3" ("box none" without a cell).
    std::string Box()
    {
        GridCell cell = Cur();
        std::string s = cell == GridCell(none, none) ? "box none" : "box " + std::to_string(cell.first) + " " + std::to_string(cell.second);
        s += ", lines";
        for (UINT nLine : Selection())
            s += " " + std::to_string(nLine);
        return s;
    }
    CPoint ScreenPoint(CPoint clientPoint)
    {
        grid.ClientToScreen(&clientPoint);
        return clientPoint;
    }
    HWND Focus() const { return ::GetFocus(); }
    HWND DlgItem(int nID) const { return ::GetDlgItem(host.m_hWnd, nID); }
    HWND Editor() const { return grid.GetEditor()->GetSafeHwnd(); }
    void Lock(UINT nColumn, UINT nLine) { host.m_locked.insert(GridCell(nColumn, nLine)); }

    static const UINT none = 0xFFFFFFFF;
    std::unique_ptr<GridHost> m_pHost;
    GridHost& host;
    CKwGridCtrl& grid = host.m_grid;
};

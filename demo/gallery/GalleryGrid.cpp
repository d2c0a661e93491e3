// GalleryGrid.cpp: grids in a dialog, saved from the screen: a member schedule with every cell
// type, selected lines and an open drop-down beside the same schedule read-only, and a long list
// of load cases scrolled down.
#include "GalleryGrid.h"
#include "Gallery.h"
#include "GalleryGrid.rh"

#include "grid/KwGridCtrl.h"
#include "grid/KwHeaderCtrl.h"

namespace {

// Lets the dialog settle and saves it from the screen, with any list dropped over it.
bool SaveDialog(CDialog& dlg, const char* pszFolder, const char* pszName)
{
    GalleryPump(300, dlg.m_hWnd);
    CRect rc;
    dlg.GetWindowRect(&rc);
    return GallerySaveScreen(rc, pszFolder, pszName);
}

// The centre of a cell in the grid's client area: lines start at the header's bottom and are as
// high as the grid's font with its leading, and 6 pixels more.
CPoint CellCentre(CKwGridCtrl& grid, int nColumn, int nLine)
{
    CRect rcItem;
    grid.GetHeaderCtrl()->GetItemRect(nColumn, &rcItem);
    CClientDC dc(&grid);
    CFont* pOldFont = dc.SelectObject(CFont::FromHandle((HFONT)grid.SendMessage(WM_GETFONT)));
    TEXTMETRIC tm;
    dc.GetTextMetrics(&tm);
    dc.SelectObject(pOldFont);
    int nLineHeight = tm.tmHeight + tm.tmExternalLeading + 6;
    return CPoint(rcItem.CenterPoint().x, rcItem.bottom - 1 + nLine * nLineHeight + nLineHeight / 2);
}

// A click as the mouse gives it, with Shift or Ctrl in the flags.
void Click(CKwGridCtrl& grid, int nColumn, int nLine, UINT nFlags = 0)
{
    CPoint point = CellCentre(grid, nColumn, nLine);
    grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | nFlags, MAKELPARAM(point.x, point.y));
    grid.SendMessage(WM_LBUTTONUP, nFlags, MAKELPARAM(point.x, point.y));
}

// A dialog whose grids ask it for their drop-downs' choices, column by column.
class CGridDialog : public CDialog, public CKwGridCtrlListener
{
public:
    explicit CGridDialog(UINT nIDTemplate) : CDialog(nIDTemplate) {}

    // The choices of each column (none for text columns).
    CStringArray m_choices[5];

    void CKwGridCtrlListener_OnGetItem(UINT nColumn, UINT, CKwGridCtrlItem& item, CKwGridCtrl*) override
    {
        if (nColumn < 5 && m_choices[nColumn].GetSize() > 0)
            item.pChoices = &m_choices[nColumn];
    }

protected:
    void OnOK() override {}
    void OnCancel() override {}
};

void AddChoices(CStringArray& choices, std::initializer_list<const char*> texts)
{
    for (const char* psz : texts)
        choices.Add(psz);
}

CKwGridCtrlItem MakeItem(int nType, const char* pszText, int nIndex = -1, COLORREF clrText = 0xFFFFFFFF,
                         BOOL bBold = FALSE)
{
    CKwGridCtrlItem item;
    item.nType = nType;
    item.sText = pszText;
    item.nIndex = nIndex;
    item.clrText = clrText;
    item.bBold = bBold;
    return item;
}

// Steel members: a bold mark, a section chosen by index, a grade chosen by text, a length typed
// in, and a remark typed or chosen, coloured by what it says.
void FillSchedule(CKwGridCtrl& grid)
{
    grid.AddColumn("Mark", 44);
    grid.AddColumn("Section", 72);
    grid.AddColumn("Steel", 56);
    grid.AddColumn("Length [m]", 70);
    grid.AddColumn("Remark", 100);
    grid.SetAutoResizeColumns(TRUE, 4);
    const COLORREF green = RGB(0, 128, 0), red = RGB(192, 0, 0), blue = RGB(0, 0, 192), none = 0xFFFFFFFF;
    struct Member
    {
        const char* pszMark;
        int nSection;
        const char* pszSteel;
        const char* pszLength;
        const char* pszRemark;
        COLORREF clrRemark;
    } const members[] = {
        {"B1", 2, "S355", "6.00", "checked", green},  {"B2", 1, "S235", "4.50", "checked", green},
        {"B3", 3, "S355", "5.25", "to verify", red},   {"C1", 4, "S355", "3.60", "revised", blue},
        {"C2", 4, "S355", "3.60", "", none},          {"C3", 3, "S275", "3.60", "to verify", red},
        {"P1", 0, "S235", "2.40", "bolted & welded", none},
    };
    for (UINT nLine = 0; nLine < sizeof(members) / sizeof(members[0]); nLine++)
    {
        const Member& m = members[nLine];
        grid.SetItem(0, nLine, MakeItem(CKwGridCtrlItem::eText, m.pszMark, -1, none, TRUE));
        grid.SetItem(1, nLine, MakeItem(CKwGridCtrlItem::eIndexDropDown, "", m.nSection));
        grid.SetItem(2, nLine, MakeItem(CKwGridCtrlItem::eTextDropDown, m.pszSteel));
        grid.SetItem(3, nLine, MakeItem(CKwGridCtrlItem::eText, m.pszLength));
        grid.SetItem(4, nLine, MakeItem(CKwGridCtrlItem::eEditableDropDown, m.pszRemark, -1, m.clrRemark));
    }
}

void AddScheduleChoices(CGridDialog& dlg)
{
    AddChoices(dlg.m_choices[1], {"IPE 200", "IPE 240", "IPE 300", "HEA 200", "HEB 240"});
    AddChoices(dlg.m_choices[2], {"S235", "S275", "S355"});
    AddChoices(dlg.m_choices[4], {"checked", "to verify", "revised"});
}

// The schedule twice: above, lines 1 to 3 and 5 selected with the section of line 5 being chosen
// from its open list; below, read-only, lines 2 to 4 selected and the white box on a steel grade.
bool SaveSchedule(const char* pszFolder)
{
    CGridDialog dlg(IDD_GALLERY_GRID);
    AddScheduleChoices(dlg);
    if (!dlg.Create(IDD_GALLERY_GRID))
        return false;
    CKwGridCtrl edit, readOnly;
    bool bSaved = false;
    if (edit.Initialize(IDC_GALLERY_GRID_EDIT, &dlg) && readOnly.Initialize(IDC_GALLERY_GRID_READONLY, &dlg))
    {
        FillSchedule(edit);
        FillSchedule(readOnly);
        readOnly.SetReadOnly(TRUE);
        readOnly.SetShowSelectionAlways(TRUE);
        readOnly.SetShowWhiteBoxAlways(TRUE);
        dlg.ShowWindow(SW_SHOWNORMAL);
        dlg.SetForegroundWindow();
        GalleryPump(100, dlg.m_hWnd);

        Click(readOnly, 2, 2);
        Click(readOnly, 2, 4, MK_SHIFT);
        Click(edit, 1, 1);
        Click(edit, 1, 3, MK_SHIFT);
        Click(edit, 1, 5, MK_CONTROL);
        // The user opens the list of the current cell's combo.
        if (CWnd* pEditor = edit.GetEditor())
        {
            pEditor->SetFocus();
            pEditor->SendMessage(CB_SHOWDROPDOWN, TRUE);
        }
        bSaved = SaveDialog(dlg, pszFolder, "grid-schedule");
    }
    dlg.DestroyWindow();
    return bSaved;
}

// Forty load cases in a grid that shows a dozen: scrolled two pages down, with the scroll bar,
// three lines selected and the white box on a factor.
bool SaveScrolled(const char* pszFolder)
{
    CGridDialog dlg(IDD_GALLERY_GRID_SCROLLED);
    AddChoices(dlg.m_choices[3], {"yes", "no"});
    if (!dlg.Create(IDD_GALLERY_GRID_SCROLLED))
        return false;
    CKwGridCtrl grid;
    bool bSaved = false;
    if (grid.Initialize(IDC_GALLERY_GRID_CASES, &dlg))
    {
        grid.AddColumn("No.", 36);
        grid.AddColumn("Load case", 120);
        grid.AddColumn("Factor", 60);
        grid.AddColumn("Active", 60);
        grid.SetAutoResizeColumns(TRUE, 1);
        const char* const kinds[] = {"Dead load", "Live load", "Snow", "Wind", "Temperature"};
        for (UINT nLine = 0; nLine < 40; nLine++)
        {
            CString sNumber, sName, sFactor;
            sNumber.Format("%u", nLine + 1);
            sName.Format("%s %u", kinds[nLine % 5], nLine / 5 + 1);
            sFactor.Format("%.2f", 1.0 + 0.05 * (nLine % 8));
            grid.SetItem(0, nLine, MakeItem(CKwGridCtrlItem::eText, sNumber, -1, RGB(96, 96, 96)));
            grid.SetTextItem(1, nLine, sName);
            grid.SetTextItem(2, nLine, sFactor);
            grid.SetIndexDropDownItem(3, nLine, nLine % 3 == 2 ? 1 : 0);
        }
        dlg.ShowWindow(SW_SHOWNORMAL);
        dlg.SetForegroundWindow();
        GalleryPump(100, dlg.m_hWnd);

        CWnd* pScrollBar = grid.GetDlgItem(3);
        for (int i = 0; i < 2; i++)
            grid.SendMessage(WM_VSCROLL, SB_PAGEDOWN, (LPARAM)pScrollBar->GetSafeHwnd());
        Click(grid, 2, 2);
        Click(grid, 2, 4, MK_SHIFT);
        bSaved = SaveDialog(dlg, pszFolder, "grid-scrolled");
    }
    dlg.DestroyWindow();
    return bSaved;
}

} // namespace

bool GalleryGrid(const char* pszFolder)
{
    bool bSchedule = SaveSchedule(pszFolder);
    bool bScrolled = SaveScrolled(pszFolder);
    return bSchedule && bScrolled;
}

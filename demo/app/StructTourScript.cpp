// StructTourScript.cpp: the steps act as the user does (commands as the menu sends them, keys
// through the input queue, clicks and moves where the pointer is put, names typed into the file
// dialog) and check the state in the model, the windows and the files, not what the tour did.
#include "StructTourScript.h"

#include "StructApp.h"
#include "StructApp.rh"
#include "StructAppearancePage.h"
#include "StructCommands.rh"
#include "StructDoc.h"
#include "StructDrawingView.h"
#include "StructListView.h"
#include "StructMainFrame.h"
#include "StructReportView.h"
#include "StructScheduleView.h"
#include "StructSettings.h"
#include "StructSoak.h"
#include "StructTour.h"
#include "StructTourInput.h"

#include "core/KwLook.h"
#include "core/KwPalette.h"
#include "core/KwVisualManagerDark.h"
#include "frame/KwMDITabbedChildWnd.h"
#include "frame/KwMDITools.h"
#include "frame/KwSplashWnd.h"
#include "pickers/DialogImageChoice.h"
#include "pickers/DialogImageChoiceWnd.h"
#include "pickers/KwColorPicker.h"
#include "pickers/KwColorPickerLayout.h"
#include "res/resource.h"
#include "tips/UxToolTip.h"

#include <afxcmn.h>
#include <commdlg.h>
#include <dlgs.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace {

typedef CStructTourInput Input;

// What the steps hand on to later ones.
struct TourState
{
    CString strModel;                  // <folder>\bridge.kwm, saved and opened again
    CString strOlder;                  // the copy of it that "another program" puts back later
    std::vector<CString> savedWindows; // the windows open when the model was saved
    COLORREF crChosen = 0;             // the colour picked for R1
    CRect rcDocked;                    // the properties pane before it floats
    CString strSection;                // the catalogue's section given to R1
    int nRowHeight = 0;                // the drawing's rows before the font dialog
    double dOlderLength = 0;           // B2's length in the older copy
    std::vector<BYTE> pictureBefore;   // R1's picture before one is chosen
    std::vector<BYTE> pictureSaved;    // and when the model was saved
    int nLookFound = -1;               // the remembered look as the round found it, -1 for none
    COLORREF crDarkWindow = 0;         // the schedule's cells in the dark look
};
TourState s_state;
std::unique_ptr<CStructTour> s_pTour;

CStructMainFrame* Frame()
{
    return CStructApp::GetApp() != NULL ? CStructApp::GetApp()->GetMainFrame() : NULL;
}

CStructDoc* Doc()
{
    return CStructApp::GetApp() != NULL ? CStructApp::GetApp()->GetModelDoc() : NULL;
}

// The model's index of the member with the mark, -1 without.
int Index(const char* pszMark)
{
    return Doc() != NULL ? Doc()->GetModel().Find(pszMark) : -1;
}

const CStructMember* Member(const char* pszMark)
{
    return Index(pszMark) >= 0 ? &Doc()->GetModel().GetAt(Index(pszMark)) : NULL;
}

bool SameLength(double a, double b)
{
    return std::fabs(a - b) < 1e-9;
}

CString Quoted(const CString& str)
{
    return "\"" + str + "\"";
}

// The first view of the class in the model's windows.
template <class TView> TView* FindView()
{
    for (CMDIChildWnd* pChild = CKwMDITools::GetFirstMDIChildWnd(); pChild != NULL;
         pChild = CKwMDITools::GetNextMDIChildWnd(pChild))
        if (TView* pView = Input::Find<TView>(pChild))
            return pView;
    return NULL;
}

// Brings the view's window to the top, on the view's tab when the window has tabs.
void Activate(CView* pView)
{
    if (pView == NULL)
        return;
    CFrameWnd* pChild = pView->GetParentFrame();
    if (CKwMDITabbedChildWnd* pTabbed = dynamic_cast<CKwMDITabbedChildWnd*>(pChild))
        pTabbed->SetActiveTab(pView);
    if (CMDIChildWnd* pMDIChild = dynamic_cast<CMDIChildWnd*>(pChild))
        pMDIChild->MDIActivate();
}

// A visible window of the thread, at the top level, whose object is a T.
template <class T> T* FindShown()
{
    struct Search
    {
        static BOOL CALLBACK Proc(HWND hWnd, LPARAM lParam)
        {
            T* pFound = dynamic_cast<T*>(CWnd::FromHandlePermanent(hWnd));
            if (pFound == NULL || !::IsWindowVisible(hWnd))
                return TRUE;
            *(T**)lParam = pFound;
            return FALSE;
        }
    };
    T* pFound = NULL;
    ::EnumThreadWindows(::GetCurrentThreadId(), Search::Proc, (LPARAM)&pFound);
    return pFound;
}

// Each open window as "<its view's class> at <left>,<top> <width>x<height>" in the MDI client,
// in order.
std::vector<CString> DescribeWindows()
{
    std::vector<CString> windows;
    CWnd* pClient = CKwMDITools::GetMDIClientWnd();
    for (CMDIChildWnd* pChild = CKwMDITools::GetFirstMDIChildWnd(); pChild != NULL && pClient != NULL;
         pChild = CKwMDITools::GetNextMDIChildWnd(pChild))
    {
        CView* pView = pChild->GetActiveView();
        CString strView = pView != NULL ? pView->GetRuntimeClass()->m_lpszClassName : "no view", strWindow;
        CRect rc;
        pChild->GetWindowRect(&rc);
        pClient->ScreenToClient(&rc);
        strWindow.Format("%s at %d,%d %dx%d", (const char*)strView, rc.left, rc.top, rc.Width(), rc.Height());
        windows.push_back(strWindow);
    }
    std::sort(windows.begin(), windows.end(), [](const CString& a, const CString& b) { return a.Compare(b) < 0; });
    return windows;
}

// The file dialog the editor shows, NULL while there is none.
HWND FileDialog()
{
    return Input::FindTopLevel("#32770");
}

CString FileDialogFolder()
{
    char szFolder[MAX_PATH] = "";
    HWND hDlg = FileDialog();
    if (hDlg != NULL)
        ::SendMessageA(hDlg, CDM_GETFOLDERPATH, MAX_PATH, (LPARAM)szFolder);
    CString strFolder(szFolder);
    strFolder.TrimRight("\\");
    return strFolder;
}

// Types the name into the file dialog, whose name field has the focus, and presses Enter.
void AnswerFileDialog(const CString& strName)
{
    HWND hDlg = FileDialog();
    if (hDlg != NULL && ::IsChild(hDlg, ::GetFocus()))
        Input::Type(strName + "\n");
}

// The message box the tour let the editor show, NULL while there is none.
HWND PromptBox()
{
    return Input::FindTopLevel("#32770");
}

// Presses a button of that message box, as a click on it does.
void Answer(int nButton)
{
    if (HWND hBox = PromptBox())
        ::PostMessageA(hBox, WM_COMMAND, nButton, 0);
}

// Whether the editor shows its message; the step's line then quotes it after pszLine.
CString CheckPromptShown(const char* pszLine)
{
    if (s_pTour->GetPrompts().GetSize() == 0 || PromptBox() == NULL)
        return CString("the editor says nothing");
    s_pTour->SetLine(CString(pszLine) + ": " + Quoted(s_pTour->GetPrompts()[0]));
    return CString();
}

bool FileExists(const CString& strPath)
{
    return ::GetFileAttributesA(strPath) != INVALID_FILE_ATTRIBUTES;
}

// The saved model, the older copy and the reports written beside them.
void DeleteModelFiles()
{
    ::DeleteFileA(s_state.strModel);
    ::DeleteFileA(s_state.strOlder);
    const CString strFolder = s_state.strModel.Left(s_state.strModel.ReverseFind('\\') + 1);
    WIN32_FIND_DATAA data;
    HANDLE hFind = ::FindFirstFileA(strFolder + "bridge*.htm*", &data);
    if (hFind == INVALID_HANDLE_VALUE)
        return;
    do
        ::DeleteFileA(strFolder + data.cFileName);
    while (::FindNextFileA(hFind, &data));
    ::FindClose(hFind);
}

// The centre of the first patch of the colour in the window as it is painted (client
// coordinates), or (-1, -1).
CPoint FindColour(CWnd* pWnd, COLORREF crColour)
{
    CRect rc;
    pWnd->GetClientRect(&rc);
    CClientDC dc(pWnd);
    for (int y = 0; y < rc.bottom; y++)
        for (int x = 0; x < rc.right; x++)
            if (dc.GetPixel(x, y) == crColour)
            {
                int nRight = x, nBottom = y;
                while (nRight + 1 < rc.right && dc.GetPixel(nRight + 1, y) == crColour)
                    nRight++;
                while (nBottom + 1 < rc.bottom && dc.GetPixel(x, nBottom + 1) == crColour)
                    nBottom++;
                return CPoint((x + nRight) / 2, (y + nBottom) / 2);
            }
    return CPoint(-1, -1);
}

// The shares of the window's client area painted in each of two colours, on a lattice of 20 by
// 20 points read once.
void Shares(CWnd* pWnd, COLORREF crFirst, COLORREF crSecond, double& dFirst, double& dSecond)
{
    CRect rc;
    pWnd->GetClientRect(&rc);
    CClientDC dc(pWnd);
    int nFirst = 0, nSecond = 0;
    for (int x = 0; x < 20; x++)
        for (int y = 0; y < 20; y++)
        {
            const COLORREF cr = dc.GetPixel(rc.Width() * (2 * x + 1) / 40, rc.Height() * (2 * y + 1) / 40);
            nFirst += cr == crFirst;
            nSecond += cr == crSecond;
        }
    dFirst = nFirst / 400.0;
    dSecond = nSecond / 400.0;
}

// Whether the whole editor has turned to the look: the switch, the manager its bars are drawn
// by, and the schedule's cells, mostly painted in crCells and hardly ever in crOther, the other
// look's.
CString CheckLook(CKwLook::ELook eLook, COLORREF crCells, COLORREF crOther)
{
    const bool bDark = eLook == CKwLook::eDark;
    if (CKwLook::GetLook() != eLook)
        return bDark ? CString("the look is not dark") : CString("the look is still dark");
    if ((dynamic_cast<CKwVisualManagerDark*>(CBCGPVisualManager::GetInstance()) != NULL) != bDark)
        return bDark ? CString("the frame's bars are not drawn by the dark manager") : CString("the dark manager still draws the bars");
    CStructScheduleView* pSchedule = FindView<CStructScheduleView>();
    if (pSchedule == NULL || !pSchedule->GetGrid().IsWindowVisible())
        return CString("the schedule is not shown");
    double dShare = 0, dOther = 0;
    Shares(&pSchedule->GetGrid(), crCells, crOther, dShare, dOther);
    if (dShare < 0.5 || dOther > 0.05)
    {
        CString strWhy;
        strWhy.Format("%d%% of the schedule has the look's cell colour, %d%% the other look's", (int)(dShare * 100),
            (int)(dOther * 100));
        return strWhy;
    }
    return CString();
}

CStructTourStep Step(const char* pszName, const char* pszLine, std::function<void()> action,
                     std::function<CString()> check, int nAnswer = 0)
{
    CStructTourStep step;
    step.strName = pszName;
    step.strLine = pszLine;
    step.action = action;
    step.check = check;
    step.nAnswer = nAnswer;
    return step;
}

// Types a cell of the schedule's grid in place: the cell is made current, the text typed, Enter.
void TypeInSchedule(int nColumn, const char* pszMark, const CString& strText)
{
    int nLine = Index(pszMark);
    CStructScheduleView* pSchedule = FindView<CStructScheduleView>();
    if (pSchedule == NULL || nLine < 0)
        return;
    Activate(pSchedule);
    pSchedule->GetGrid().SetFocus();
    pSchedule->GetGrid().SetCurItem(nColumn, nLine);
    // The cell's text is selected, so that the typing replaces it.
    if (CWnd* pEditor = pSchedule->GetGrid().GetEditor())
        pEditor->SendMessage(EM_SETSEL, 0, -1);
    Input::Type(strText + "\n");
}

// The member's picture file, empty without.
std::vector<BYTE> Picture(const char* pszMark)
{
    const CStructMember* pMember = Member(pszMark);
    return pMember != NULL ? std::vector<BYTE>(pMember->m_picture.GetData(), pMember->m_picture.GetData() + pMember->m_picture.GetSize())
                           : std::vector<BYTE>();
}

// Points at the member in the drawing, on the drawing's tab, and clicks it when bClick.
void PointAtMember(const char* pszMark, bool bClick)
{
    CStructDrawingView* pDrawing = FindView<CStructDrawingView>();
    if (pDrawing == NULL)
        return;
    Activate(pDrawing);
    pDrawing->UpdateWindow();
    Input::Mouse(pDrawing, pDrawing->GetMemberRect(Index(pszMark)).CenterPoint(), bClick);
}

// Whether the list of members is ordered by length, either way round, every line keeping it.
CString CheckListByLength()
{
    CStructListView* pList = FindView<CStructListView>();
    if (pList == NULL || pList->GetListCtrl().GetItemCount() < 2)
        return CString("the list is not open, or nearly empty");
    // Either way round, as long as every line keeps it.
    CListCtrl& list = pList->GetListCtrl();
    double dFirst = atof(list.GetItemText(0, CStructMember::kLength));
    double dLast = atof(list.GetItemText(list.GetItemCount() - 1, CStructMember::kLength));
    double dSign = dLast >= dFirst ? 1 : -1, dPrevious = dFirst;
    for (int nItem = 1; nItem < list.GetItemCount(); nItem++)
    {
        double dLength = atof(list.GetItemText(nItem, CStructMember::kLength));
        if ((dLength - dPrevious) * dSign < 0)
        {
            CString strWhy;
            strWhy.Format("the lines are not in order of length at line %d", nItem + 1);
            return strWhy;
        }
        dPrevious = dLength;
    }
    return CString();
}

CString CheckLength(const char* pszMark, double dLength)
{
    const CStructMember* pMember = Member(pszMark);
    if (pMember == NULL)
        return "the model has no member " + CString(pszMark);
    if (!SameLength(pMember->m_dLength, dLength))
        return pMember->m_strMark + " is " + CStructMember::FormatLength(pMember->m_dLength) + " m long, not "
            + CStructMember::FormatLength(dLength);
    return CString();
}

} // namespace

BOOL CStructTourScript::Start(const CString& strFolder, int nSoakMinutes)
{
    if (CStructApp::GetApp() == NULL || s_pTour != nullptr)
        return FALSE;
    s_pTour.reset(nSoakMinutes > 0 ? new CStructSoak(strFolder, nSoakMinutes) : new CStructTour(strFolder));
    CStructTour& tour = *s_pTour;
    s_state.strModel = tour.GetFolder() + "\\bridge.kwm";
    s_state.strOlder = tour.GetFolder() + "\\bridge-older.kwm";
    DeleteModelFiles();
    if (nSoakMinutes == 0)
        AddStart(tour);
    AddToolBarTip(tour);
    AddEditing(tour);
    AddPanes(tour);
    AddFiles(tour);
    AddServices(tour);
    AddLooks(tour);
    if (nSoakMinutes > 0)
        AddRoundEnd(tour);
    CStructApp::GetApp()->SetAnswerer([](const CString& strText, UINT nFlags) {
        return s_pTour->Answer(strText, nFlags);
    });
    return tour.Start();
}

void CStructTourScript::AddStart(CStructTour& tour)
{
    tour.Add(Step("start", "The editor starts: its splash window over the frame, which shows a new sample model of 40 "
                  "members in its schedule, drawing and list windows",
        nullptr, [] {
            if (FindShown<CKwSplashWnd>() == NULL)
                return CString("no splash window is shown");
            if (Doc() == NULL || Doc()->GetModel().GetCount() != 40)
                return CString("no model of 40 members is open");
            if (FindView<CStructScheduleView>() == NULL || FindView<CStructDrawingView>() == NULL
                || FindView<CStructListView>() == NULL)
                return CString("the schedule, the drawing or the list is not open");
            return CString();
        }));
}

void CStructTourScript::AddToolBarTip(CStructTour& tour)
{
    tour.Add(Step("toolbar-tip", "The splash window has gone by itself; a button of the command row explains "
                  "itself in a tooltip with markup",
        [] {
            CWnd* pButton = Frame()->GetToolBar().GetButtonCount() > 0 ? Frame()->GetToolBar().GetButton(0) : NULL;
            if (pButton == NULL)
                return;
            CRect rc;
            pButton->GetClientRect(&rc);
            Input::Mouse(pButton, rc.CenterPoint(), false);
        },
        [] {
            if (FindShown<CKwSplashWnd>() != NULL)
                return CString("the splash window is still up");
            return FindShown<CUxToolTip>() != NULL ? CString() : CString("no tooltip is shown");
        }));
}

void CStructTourScript::AddEditing(CStructTour& tour)
{
    tour.Add(Step("schedule-edit", "In the schedule, the length of B1 is typed in its cell: 7.25 m",
        [] {
            // The pointer leaves the button over the row's empty end, taking its tooltip along.
            CRect rc;
            Frame()->GetToolBar().GetClientRect(&rc);
            Input::Mouse(&Frame()->GetToolBar(), CPoint(rc.right - 8, rc.CenterPoint().y), false);
            TypeInSchedule(CStructMember::kLength, "B1", "7.25");
        },
        [] {
            CString strWhy = CheckLength("B1", 7.25);
            CStructScheduleView* pSchedule = FindView<CStructScheduleView>();
            if (strWhy.IsEmpty() && pSchedule != NULL && pSchedule->GetGrid().GetItemText(CStructMember::kLength, Index("B1")) != "7.25")
                strWhy = "the schedule shows " + Quoted(pSchedule->GetGrid().GetItemText(CStructMember::kLength, Index("B1")));
            return strWhy;
        }));
    tour.Add(Step("drawing-select", "A click on R1 in the drawing selects it; the properties pane shows it",
        [] { PointAtMember("R1", true); },
        [] {
            if (Doc() == NULL || Index("R1") < 0 || Doc()->GetSelected() != Index("R1"))
                return CString("R1 is not selected");
            CKwPropertyPage* pGeneral = Frame()->GetPropertiesPane().GetPage(0);
            CString strMark;
            if (pGeneral == NULL || pGeneral->GetDlgItem(IDC_STRUCT_MARK) == NULL)
                return CString("the properties pane shows no General page");
            pGeneral->GetDlgItem(IDC_STRUCT_MARK)->GetWindowText(strMark);
            return strMark == "R1" ? CString() : "the General page shows " + Quoted(strMark);
        }));
    tour.Add(Step("page-edit", "On the General page, R1's remark is typed: \"Checked on site\"; the schedule shows it",
        [] {
            CStructPropertiesPane& pane = Frame()->GetPropertiesPane();
            pane.GetTabWnd().SetActiveTab(0);
            CWnd* pEdit = pane.GetPage(0) != NULL ? pane.GetPage(0)->GetDlgItem(IDC_STRUCT_REMARK) : NULL;
            if (pEdit == NULL)
                return;
            pEdit->SetFocus();
            pEdit->SendMessage(EM_SETSEL, 0, -1);
            Input::Type("Checked on site\t"); // the field is written as the focus leaves it
        },
        [] {
            if (Member("R1") == NULL || Member("R1")->m_strRemark != "Checked on site")
                return CString("R1's remark is not the one typed");
            CStructScheduleView* pSchedule = FindView<CStructScheduleView>();
            CString strCell = pSchedule != NULL ? pSchedule->GetGrid().GetItemText(CStructMember::kRemark, Index("R1")) : CString();
            return strCell == "Checked on site" ? CString() : "the schedule shows " + Quoted(strCell);
        }));
    tour.Add(Step("colour-picker", "On the Appearance page, the colour button opens its picker",
        [] {
            CStructPropertiesPane& pane = Frame()->GetPropertiesPane();
            pane.GetTabWnd().SetActiveTab(1);
            CStructAppearancePage* pPage = dynamic_cast<CStructAppearancePage*>(pane.GetPage(1));
            if (pPage == NULL)
                return;
            pPage->UpdateWindow();
            CRect rc;
            pPage->GetColourButton().GetClientRect(&rc);
            Input::Mouse(&pPage->GetColourButton(), rc.CenterPoint(), true);
        },
        [] {
            return FindShown<CKwColorPicker>() != NULL ? CString() : CString("no colour picker is open"); }));
    tour.Add(Step("colour-chosen", "A click on a colour of the palette makes it R1's colour, in the drawing too",
        [] {
            CKwColorPicker* pPicker = FindShown<CKwColorPicker>();
            if (pPicker == NULL || Member("R1") == NULL)
                return;
            // A red of the palette, or the next colour when R1 has it already.
            for (int nCell = 16; nCell < CKwColorPickerLayout::PaletteSize; nCell++)
            {
                s_state.crChosen = (COLORREF)CKwColorPickerLayout::PaletteColor(nCell);
                if (s_state.crChosen != Member("R1")->m_crColour)
                    break;
            }
            CPoint ptCell = FindColour(pPicker, s_state.crChosen);
            if (ptCell.x >= 0)
                Input::Mouse(pPicker, ptCell, true);
        },
        [] {
            if (FindShown<CKwColorPicker>() != NULL)
                return CString("the picker is still open");
            if (Member("R1") == NULL || Member("R1")->m_crColour != s_state.crChosen)
                return "R1's colour is not " + CStructMember::FormatColour(s_state.crChosen);
            return CString();
        }));
    tour.Add(Step("font-dialog", "The label font's Choose button opens the font dialog",
        [] {
            CStructAppearancePage* pPage = dynamic_cast<CStructAppearancePage*>(Frame()->GetPropertiesPane().GetPage(1));
            CWnd* pChoose = pPage != NULL ? pPage->GetFontPicker().GetDlgItem(CKwFontSampleWnd::ChooseButtonId) : NULL;
            if (pChoose == NULL)
                return;
            CStructDrawingView* pDrawing = FindView<CStructDrawingView>();
            s_state.nRowHeight = pDrawing != NULL ? pDrawing->GetMemberRect(0).Height() : 0;
            CRect rc;
            pChoose->GetClientRect(&rc);
            Input::Mouse(pChoose, rc.CenterPoint(), true);
        },
        [] { return PromptBox() != NULL ? CString() : CString("no font dialog is open"); }));
    tour.Add(Step("font-chosen", "DejaVu Serif at 16 typed and OK: the drawing's marks take the larger font, its rows grow with it",
        [] {
            // The face typed over in its field; Tab past the style to the size, whose text Tab
            // selects; Enter for OK.
            HWND hFace = ::GetDlgItem(PromptBox(), cmb1);
            if (hFace == NULL)
                return;
            ::SetFocus(hFace);
            ::SendMessageA(hFace, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
            Input::Type("DejaVu Serif\t\t16\n");
        },
        [] {
            if (PromptBox() != NULL)
                return CString("the font dialog is still open");
            CStructDrawingView* pDrawing = FindView<CStructDrawingView>();
            return pDrawing != NULL && pDrawing->GetMemberRect(0).Height() > s_state.nRowHeight
                ? CString() : CString("the drawing's rows kept their height");
        }));
    tour.Add(Step("picture-dialog", "Member > Picture: the image choice dialog offers the catalogue's section pictures",
        [] { Input::Command(ID_STRUCT_MEMBER_PICTURE); },
        [] { return FindShown<CDialogImageChoice>() != NULL ? CString() : CString("the dialog is not open"); }));
    tour.Add(Step("picture-chosen", "A click on an I section's picture and OK: it becomes R1's cross-section picture",
        [] {
            s_state.pictureBefore = Picture("R1");
            CDialogImageChoice* pDialog = FindShown<CDialogImageChoice>();
            CWnd* pChoice = pDialog != NULL ? Input::Find<CDialogImageChoiceWnd>(pDialog) : NULL;
            if (pChoice == NULL)
                return;
            Input::Mouse(pChoice, CPoint(106, 35), true); // the second: R1's own comes first
            pDialog->PostMessage(WM_COMMAND, IDOK);
        },
        [] {
            if (FindShown<CDialogImageChoice>() != NULL)
                return CString("the dialog is still open");
            return !Picture("R1").empty() && Picture("R1") != s_state.pictureBefore ? CString()
                                                                                  : CString("R1's picture did not change");
        }));
}

void CStructTourScript::AddPanes(CStructTour& tour)
{
    tour.Add(Step("pane-float", "The properties pane floats over the frame",
        [] {
            Frame()->GetPropertiesPane().GetWindowRect(&s_state.rcDocked);
            CRect rc;
            Frame()->GetWindowRect(&rc);
            Frame()->GetPropertiesPane().FloatControlBar(CRect(rc.left + 560, rc.top + 140, rc.left + 860, rc.top + 560));
        },
        [] { return Frame()->GetPropertiesPane().IsFloating() ? CString() : CString("the pane does not float"); }));
    tour.Add(Step("pane-dock", "... and docks again where it was",
        [] { Frame()->GetPropertiesPane().DockToRecentPos(); },
        [] {
            CStructPropertiesPane& pane = Frame()->GetPropertiesPane();
            CRect rc;
            pane.GetWindowRect(&rc);
            if (pane.IsFloating() || !pane.IsVisible())
                return CString("the pane is not docked");
            return rc == s_state.rcDocked ? CString() : CString("the pane docked elsewhere");
        }));
    tour.Add(Step("pane-autohide", "The members pane hides itself at the frame's edge, and the sections "
                  "catalogue slides in from its own",
        [] {
            CStructMembersPane& members = Frame()->GetMembersPane();
            members.SetAutoHideMode(TRUE, members.GetCurrentAlignment());
            CStructSectionsPane& sections = Frame()->GetSectionsPane();
            if (!sections.IsAutoHideMode())
                sections.SetAutoHideMode(TRUE, sections.GetCurrentAlignment());
            sections.Slide(TRUE, FALSE);
            sections.GetList().SetFocus(); // it stays in while it has the focus
        },
        [] {
            if (!Frame()->GetMembersPane().IsAutoHideMode())
                return CString("the members pane does not hide itself");
            CStructSectionsPane& sections = Frame()->GetSectionsPane();
            return sections.IsAutoHideMode() && sections.IsWindowVisible() ? CString()
                                                                            : CString("the sections catalogue is not in");
        }));
    tour.Add(Step("section-given", "In the catalogue, the keys go down to HEA 200 and Enter gives it to R1",
        [] {
            CLargeListWnd& list = Frame()->GetSectionsPane().GetList();
            s_state.strSection = list.GetItemCount() > 5 ? list.GetItemText(5, 0) : CString();
            list.SetFocus();
            Input::Key(VK_HOME);
            for (int nLine = 0; nLine < 5; nLine++)
                Input::Key(VK_DOWN);
            Input::Key(VK_RETURN);
        },
        [] {
            if (s_state.strSection.IsEmpty() || Member("R1") == NULL)
                return CString("the catalogue is nearly empty");
            return Member("R1")->m_strSection == s_state.strSection ? CString() : "R1's section is not " + s_state.strSection;
        }));
    tour.Add(Step("list-sort", "The catalogue slides back; a click on the list's Length header orders the members "
                  "by length",
        [] {
            Frame()->GetSectionsPane().Slide(FALSE, FALSE);
            CStructListView* pList = FindView<CStructListView>();
            if (pList == NULL)
                return;
            Activate(pList);
            CHeaderCtrl* pHeader = pList->GetListCtrl().GetHeaderCtrl();
            CRect rc;
            if (pHeader != NULL && pHeader->GetItemRect(CStructMember::kLength, &rc))
                Input::Mouse(pHeader, rc.CenterPoint(), true);
        },
        [] {
            if (Frame()->GetSectionsPane().IsWindowVisible())
                return CString("the catalogue is still in");
            return CheckListByLength();
        }));
}

void CStructTourScript::AddFiles(CStructTour& tour)
{
    tour.Add(Step("save-dialog", "File Save As: the toolkit's file dialog",
        [] { Input::Command(ID_KW_FILE_SAVEAS_SOLEDOC); },
        [] { return FileDialog() != NULL ? CString() : CString("no file dialog is open"); }));
    tour.Add(Step("saved", "The model is saved as bridge.kwm, with the windows open on it",
        [] {
            s_state.savedWindows = DescribeWindows();
            s_state.pictureSaved = Picture("R1");
            AnswerFileDialog(s_state.strModel);
        },
        [] {
            if (FileDialog() != NULL)
                return CString("the file dialog is still open");
            if (!FileExists(s_state.strModel))
                return "no file " + s_state.strModel;
            if (Doc() == NULL || Doc()->GetPathName().CompareNoCase(s_state.strModel) != 0 || Doc()->IsModified())
                return CString("the model is not the saved file");
            return CString();
        }));
    tour.Add(Step("closed", "File Close: the model and its windows close",
        [] {
            // Another program keeps a copy of the saved model, to put it back later.
            ::CopyFileA(s_state.strModel, s_state.strOlder, FALSE);
            Input::Command(ID_KW_FILE_CLOSE_SOLEDOC);
        },
        [] { return Doc() == NULL && DescribeWindows().empty() ? CString() : CString("a model or a window is still open"); }));
    tour.Add(Step("new", "File New: a new sample model, in the default windows",
        [] { Input::Command(ID_KW_FILE_NEW_SOLEDOC); },
        [] {
            if (Doc() == NULL || Doc()->GetModel().GetCount() != 40)
                return CString("no new model of 40 members");
            if (SameLength(Member("B1")->m_dLength, 7.25))
                return CString("the new model has the edited length");
            return DescribeWindows().size() == 3 ? CString() : CString("the default windows are not open");
        }));
    tour.Add(Step("open-dialog", "File Open: the dialog starts in the folder the model was saved in",
        [] { Input::Command(ID_KW_FILE_OPEN_SOLEDOC); },
        [] {
            if (FileDialog() == NULL)
                return CString("no file dialog is open");
            CString strFolder = FileDialogFolder();
            return strFolder.CompareNoCase(s_pTour->GetFolder()) == 0 ? CString() : "the dialog shows " + Quoted(strFolder);
        }));
    tour.Add(Step("opened", "bridge.kwm opens with its edits, and its windows come back where they were, the list in its order",
        [] { AnswerFileDialog("bridge.kwm"); },
        [] {
            if (Doc() == NULL || Doc()->GetPathName().CompareNoCase(s_state.strModel) != 0)
                return CString("bridge.kwm is not open");
            CString strWhy = CheckLength("B1", 7.25);
            if (strWhy.IsEmpty() && (Member("R1")->m_strRemark != "Checked on site" || Member("R1")->m_crColour != s_state.crChosen
                                       || Picture("R1") != s_state.pictureSaved))
                strWhy = "R1 lost its remark, its colour or its picture";
            std::vector<CString> windows = DescribeWindows();
            if (strWhy.IsEmpty() && windows != s_state.savedWindows)
            {
                strWhy.Format("%d windows are open, not the %d saved", (int)windows.size(), (int)s_state.savedWindows.size());
                for (size_t i = 0; i < windows.size() && i < s_state.savedWindows.size(); i++)
                    if (windows[i] != s_state.savedWindows[i])
                        strWhy = Quoted(windows[i]) + " where " + Quoted(s_state.savedWindows[i]) + " was saved";
            }
            return strWhy.IsEmpty() ? CheckListByLength() : strWhy;
        }));
}

void CStructTourScript::AddServices(CStructTour& tour)
{
    tour.Add(Step("report", "The report tab shows the model's report, and the report is written beside the model",
        [] {
            Activate(FindView<CStructReportView>());
            Input::Command(ID_STRUCT_REPORT_WRITE);
        },
        [] {
            CStructReportView* pReport = FindView<CStructReportView>();
            if (pReport == NULL || !pReport->IsWindowVisible())
                return CString("the report is not shown");
            // The page is written once the view shows: its title names the model.
            const std::vector<CHtmlDisplayList::CItem>& items = pReport->GetDisplayList().items;
            if (std::none_of(items.begin(), items.end(), [](const CHtmlDisplayList::CItem& item) {
                    return item.nKind == CHtmlDisplayList::CItem::kindText && item.strText.find("bridge") != std::string::npos;
                }))
                return CString("the report page does not show the model's report");
            WIN32_FIND_DATAA data;
            HANDLE hFind = ::FindFirstFileA(s_pTour->GetFolder() + "\\bridge*.htm*", &data);
            if (hFind == INVALID_HANDLE_VALUE)
                return CString("no report beside the model");
            ::FindClose(hFind);
            return CString();
        }));
    tour.Add(Step("export", "Export: no spreadsheet program is installed here, and the editor says so",
        [] { Input::Command(ID_STRUCT_EXPORT); },
        [] { return CheckPromptShown("Export: no spreadsheet program is installed here, and the editor says so"); },
        CStructTourStep::kShowPrompt));
    tour.Add(Step("export-answered", "The message is answered with OK", [] { Answer(IDOK); },
        [] { return PromptBox() == NULL ? CString() : CString("the message is still up"); }));
    tour.Add(Step("drawing-tip", "Resting on B1 in the drawing, the mouse brings its tooltip with markup",
        [] { PointAtMember("B1", false); },
        [] { return FindShown<CUxToolTip>() != NULL ? CString() : CString("no tooltip is shown"); }));
    tour.Add(Step("length-typed", "B2 is made 9.5 m long in the schedule",
        [] {
            if (Member("B2") != NULL)
                s_state.dOlderLength = Member("B2")->m_dLength;
            TypeInSchedule(CStructMember::kLength, "B2", "9.5");
        },
        [] { return CheckLength("B2", 9.5); }));
    tour.Add(Step("own-save", "File Save: the editor's own save raises no question from its file monitor",
        [] { Input::Command(ID_KW_FILE_SAVE_SOLEDOC); },
        [] { return Doc() != NULL && !Doc()->IsModified() ? CString() : CString("the model is not saved"); }));
    tour.Add(Step("reload-offer", "Another program puts the older bridge.kwm back: the editor offers to reload it",
        [] { ::CopyFileA(s_state.strOlder, s_state.strModel, FALSE); },
        [] { return CheckPromptShown("Another program puts the older bridge.kwm back; the editor asks"); },
        CStructTourStep::kShowPrompt));
    tour.Add(Step("reloaded", "Yes: the older model is read again, B2's length with it; the editor asks once",
        [] { Answer(IDYES); },
        [] {
            if (PromptBox() != NULL)
                return CString("the question is still up");
            CString strWhy = CheckLength("B2", s_state.dOlderLength);
            return strWhy.IsEmpty() && Doc()->IsModified() ? CString("the reloaded model counts as changed") : strWhy;
        }));
}

void CStructTourScript::AddLooks(CStructTour& tour)
{
    tour.Add(Step("dark", "View > Dark Look: every window of the editor repaints in the dark look",
        [] {
            s_state.nLookFound = (int)AfxGetApp()->GetProfileInt("KwLook", "Look", -1);
            Input::Command(ID_STRUCT_VIEW_DARK);
        },
        [] {
            CString strWhy = CheckLook(CKwLook::eDark, CKwPalette::Get(CKwPalette::eWindow), ::GetSysColor(COLOR_WINDOW));
            if (strWhy.IsEmpty() && CKwLook::LoadLook() != CKwLook::eDark)
                strWhy = "the dark look is not remembered";
            s_state.crDarkWindow = CKwPalette::Get(CKwPalette::eWindow);
            return strWhy;
        }));
    tour.Add(Step("classic", "View > Dark Look again: the editor is back in the classic look",
        [] {
            // Handled at once, so that the remembered look can go back to what the round found.
            Frame()->SendMessage(WM_COMMAND, ID_STRUCT_VIEW_DARK);
            if (s_state.nLookFound < 0)
                AfxGetApp()->WriteProfileString("KwLook", "Look", NULL);
            else
                AfxGetApp()->WriteProfileInt("KwLook", "Look", s_state.nLookFound);
        },
        [] {
            CString strWhy = CheckLook(CKwLook::eClassic, ::GetSysColor(COLOR_WINDOW), s_state.crDarkWindow);
            if (strWhy.IsEmpty() && (int)AfxGetApp()->GetProfileInt("KwLook", "Look", -1) != s_state.nLookFound)
                strWhy = "the remembered look is not what the round found";
            return strWhy;
        }));
}

void CStructTourScript::AddRoundEnd(CStructTour& tour)
{
    tour.Add(Step("round-closed", "File Close: the reloaded model closes, and the files the round wrote go",
        [] { Input::Command(ID_KW_FILE_CLOSE_SOLEDOC); },
        [] {
            if (Doc() != NULL || !DescribeWindows().empty())
                return CString("a model or a window is still open");
            DeleteModelFiles();
            return FileExists(s_state.strModel) ? CString("bridge.kwm is still there") : CString();
        }));
    tour.Add(Step("round-new", "Back where the round began: a new sample model, the members pane docked, the first "
                  "run's label font",
        [] {
            CStructMembersPane& members = Frame()->GetMembersPane();
            members.SetAutoHideMode(FALSE, members.GetCurrentAlignment());
            CStructSettings& settings = CStructSettings::Get();
            settings.Reset();
            settings.Save();
            if (CStructAppearancePage* pPage = dynamic_cast<CStructAppearancePage*>(Frame()->GetPropertiesPane().GetPage(1)))
                pPage->GetFontPicker().SetLogFont(settings.m_lfLabel);
            Input::Command(ID_KW_FILE_NEW_SOLEDOC);
        },
        [] {
            if (Doc() == NULL || Doc()->GetModel().GetCount() != 40 || DescribeWindows().size() != 3)
                return CString("no new model in the default windows");
            if (Frame()->GetMembersPane().IsAutoHideMode() || !Frame()->GetMembersPane().IsWindowVisible())
                return CString("the members pane is not docked");
            return CString();
        }));
}

namespace {

// The editor's /tour switch plays this tour.
struct TourRegistration
{
    TourRegistration() { CStructApp::SetTourStarter(&CStructTourScript::Start); }
} s_registration;

} // namespace

// KwDarkDefaults.cpp: the look's colours for the system's views and edits wherever the host left
// the system's own, told apart by the colours the controls report and the brushes their parents
// answer with.
#include "core/KwDarkDefaults.h"
#include "core/KwPalette.h"
#include "core/KwSystem.h"

#include <commctrl.h>

namespace {

// The mark of a view that took the look's colours here.
const char kTook[] = "KwTookDarkColors";

BOOL IsDialog(HWND hWnd)
{
    return KwIsWindowClass(hWnd, "#32770");
}

// Whether hWnd's controls keep the classic colours: the nearest dialog of hWnd and its parents
// (the file dialog keeps its list in a view of its own) does not follow the look.
BOOL KeepsClassicFace(HWND hWnd)
{
    for (; hWnd != NULL; hWnd = (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) ? ::GetParent(hWnd) : NULL)
    {
        if (IsDialog(hWnd))
            return !CKwPalette::IsFollowing(hWnd);
    }
    return FALSE;
}

BOOL IsDefault(COLORREF clr, int nSysColor)
{
    return clr == CLR_DEFAULT || clr == CLR_NONE || clr == ::GetSysColor(nSysColor);
}

void ApplyToList(HWND hWnd, BOOL bDark)
{
    if (bDark)
    {
        if (!IsDefault((COLORREF)::SendMessageA(hWnd, LVM_GETBKCOLOR, 0, 0), COLOR_WINDOW) ||
            !IsDefault((COLORREF)::SendMessageA(hWnd, LVM_GETTEXTCOLOR, 0, 0), COLOR_WINDOWTEXT) ||
            !IsDefault((COLORREF)::SendMessageA(hWnd, LVM_GETTEXTBKCOLOR, 0, 0), COLOR_WINDOW))
            return;
        ::SendMessageA(hWnd, LVM_SETBKCOLOR, 0, CKwPalette::Get(CKwPalette::eWindow));
        ::SendMessageA(hWnd, LVM_SETTEXTBKCOLOR, 0, CKwPalette::Get(CKwPalette::eWindow));
        ::SendMessageA(hWnd, LVM_SETTEXTCOLOR, 0, CKwPalette::Get(CKwPalette::eWindowText));
    }
    else
    {
        ::SendMessageA(hWnd, LVM_SETBKCOLOR, 0, ::GetSysColor(COLOR_WINDOW));
        ::SendMessageA(hWnd, LVM_SETTEXTBKCOLOR, 0, CLR_DEFAULT);
        ::SendMessageA(hWnd, LVM_SETTEXTCOLOR, 0, CLR_DEFAULT);
    }
}

void ApplyToTree(HWND hWnd, BOOL bDark)
{
    // A tree in the system's colours reports none of its own.
    if (bDark && ((COLORREF)::SendMessageA(hWnd, TVM_GETBKCOLOR, 0, 0) != (COLORREF)-1 ||
                  (COLORREF)::SendMessageA(hWnd, TVM_GETTEXTCOLOR, 0, 0) != (COLORREF)-1))
        return;
    ::SendMessageA(hWnd, TVM_SETBKCOLOR, 0, bDark ? CKwPalette::Get(CKwPalette::eWindow) : (COLORREF)-1);
    ::SendMessageA(hWnd, TVM_SETTEXTCOLOR, 0, bDark ? CKwPalette::Get(CKwPalette::eWindowText) : (COLORREF)-1);
    ::SendMessageA(hWnd, TVM_SETLINECOLOR, 0, bDark ? CKwPalette::Get(CKwPalette::eGrayText) : CLR_DEFAULT);
}

} // namespace

void CKwDarkDefaults::Apply(HWND hWnd, BOOL bDark)
{
    const BOOL bList = KwIsWindowClass(hWnd, WC_LISTVIEWA), bTree = !bList && KwIsWindowClass(hWnd, WC_TREEVIEWA);
    if (!bList && !bTree)
        return;
    if (bDark)
    {
        if (KeepsClassicFace(::GetParent(hWnd)) || ::GetPropA(hWnd, kTook) != NULL)
            return;
        const COLORREF clrBefore = (COLORREF)::SendMessageA(hWnd, bList ? LVM_GETBKCOLOR : TVM_GETBKCOLOR, 0, 0);
        bList ? ApplyToList(hWnd, TRUE) : ApplyToTree(hWnd, TRUE);
        if ((COLORREF)::SendMessageA(hWnd, bList ? LVM_GETBKCOLOR : TVM_GETBKCOLOR, 0, 0) != clrBefore)
            ::SetPropA(hWnd, kTook, (HANDLE)1);
    }
    else if (::RemovePropA(hWnd, kTook) != NULL)
        bList ? ApplyToList(hWnd, FALSE) : ApplyToTree(hWnd, FALSE);
}

void CKwDarkDefaults::Forget(HWND hWnd)
{
    ::RemovePropA(hWnd, kTook);
}

LRESULT CKwDarkDefaults::AnswerColors(HWND hParent, UINT nMsg, HDC hDC, HWND hControl, LRESULT lAnswered)
{
    // Read-only and disabled edits ask as statics, and are answered the face by default. The
    // cheap tests first: these come with every paint of an edit or a list.
    const BOOL bStatic = nMsg == WM_CTLCOLORSTATIC;
    if (nMsg != WM_CTLCOLOREDIT && nMsg != WM_CTLCOLORLISTBOX && !bStatic)
        return lAnswered;
    if (lAnswered != (LRESULT)::GetSysColorBrush(bStatic ? COLOR_BTNFACE : COLOR_WINDOW))
        return lAnswered; // colours a host chose
    if ((bStatic && !KwIsWindowClass(hControl, WC_EDITA)) || KeepsClassicFace(hParent) || CKwPalette::IsFollowing(hParent))
        return lAnswered; // a plain static, or a dialog's own colours
    const CKwPalette::EColor eBack = bStatic ? CKwPalette::eFace : CKwPalette::eWindow;
    ::SetTextColor(hDC, CKwPalette::Get(bStatic ? CKwPalette::eFaceText : CKwPalette::eWindowText));
    ::SetBkColor(hDC, CKwPalette::Get(eBack));
    return (LRESULT)CKwPalette::GetBrush(eBack);
}

LRESULT CKwDarkDefaults::AnswerNotify(HWND hParent, const NMHDR* pHeader, LRESULT lAnswered)
{
    if (pHeader == NULL || pHeader->code != (UINT)NM_CUSTOMDRAW || lAnswered != CDRF_DODEFAULT)
        return lAnswered;
    // Every sender's notice starts with the common part: the stage is looked at before the sender.
    NMLVCUSTOMDRAW* pDraw = (NMLVCUSTOMDRAW*)pHeader;
    const BOOL bPrepaint = pDraw->nmcd.dwDrawStage == CDDS_PREPAINT;
    const BOOL bUnfocusedSelection = pDraw->nmcd.dwDrawStage == CDDS_ITEMPREPAINT && (pDraw->nmcd.uItemState & CDIS_SELECTED) != 0 &&
                                     ::GetFocus() != pHeader->hwndFrom;
    if ((!bPrepaint && !bUnfocusedSelection) || !KwIsWindowClass(pHeader->hwndFrom, WC_LISTVIEWA) ||
        !CKwPalette::IsDarkColor((COLORREF)::SendMessageA(pHeader->hwndFrom, LVM_GETBKCOLOR, 0, 0)) || KeepsClassicFace(hParent))
        return lAnswered;
    if (bPrepaint)
        return CDRF_NOTIFYITEMDRAW;
    // Without the selected state the system draws the line in the colours given here.
    pDraw->nmcd.uItemState &= ~CDIS_SELECTED;
    pDraw->clrText = CKwPalette::Get(CKwPalette::eWindowText);
    pDraw->clrTextBk = CKwPalette::Get(CKwPalette::eSelectionInactive);
    return lAnswered;
}

BOOL CKwDarkDefaults::FollowsFromCreation(HWND hWnd, HINSTANCE hInstance)
{
    if (!IsDialog(hWnd))
        return FALSE;
    if (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD)
        return CKwPalette::IsFollowing(::GetParent(hWnd));
    // The system's dialogs come from modules in the system's folder.
    char szModule[MAX_PATH] = "", szSystem[MAX_PATH] = "";
    const UINT nSystem = ::GetWindowsDirectoryA(szSystem, sizeof(szSystem));
    if (::GetModuleFileNameA(hInstance, szModule, sizeof(szModule)) == 0 || nSystem == 0 || nSystem >= sizeof(szSystem))
        return FALSE;
    return ::CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, szModule, (int)nSystem, szSystem, (int)nSystem) != CSTR_EQUAL;
}

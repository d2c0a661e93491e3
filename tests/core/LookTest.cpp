// The look's switch: the manager it puts in and takes back, the value it remembers and what it
// makes of a wrong one, and the repainting of every window of the process.
#include "core/KwDarkFrame.h"
#include "core/KwLook.h"
#include "core/KwPalette.h"
#include "core/KwVisualManagerDark.h"
#include "support/PumpUntil.h"
#include "support/TestColors.h"
#include "support/TestSurface.h"
#include "support/TestRegistryApp.h"

#include "CBCGPVisualManagerXP.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <map>
#include <vector>

TEST(Look, SwitchesTheManagerAndThePaletteAndRemembersTheChoice)
{
    TestRegistryApp reg("look");
    EXPECT_EQ(CKwLook::eClassic, CKwLook::LoadLook()) << "nothing stored";
    CBCGPVisualManager::SetDefaultManager(RUNTIME_CLASS(CBCGPVisualManagerXP));
    CKwLook::SetLook(CKwLook::eDark);
    EXPECT_TRUE(CBCGPVisualManager::GetInstance()->IsKindOf(RUNTIME_CLASS(CKwVisualManagerDark)));
    EXPECT_EQ(CBCGPVisualManager::GetInstance()->GetSysColor(COLOR_WINDOW), CKwPalette::Get(CKwPalette::eWindow));
    EXPECT_NE(::GetSysColor(COLOR_WINDOW), CKwPalette::Get(CKwPalette::eWindow));
    EXPECT_NE(RGB(0xFF, 0xFF, 0xE1), CKwPalette::Get(CKwPalette::eStaticTipBack));
    EXPECT_EQ(CKwLook::eDark, CKwLook::LoadLook());
    CKwLook::SetLook(CKwLook::eClassic);
    EXPECT_EQ(RUNTIME_CLASS(CBCGPVisualManagerXP), CBCGPVisualManager::GetInstance()->GetRuntimeClass()) << "the host's";
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), CKwPalette::Get(CKwPalette::eWindow));
    EXPECT_EQ(RGB(0xFF, 0xFF, 0xE1), CKwPalette::Get(CKwPalette::eStaticTipBack));
    DWORD type = 0;
    std::string data;
    ASSERT_TRUE(reg.Get(HKEY_CURRENT_USER, "KwLook", "Look", type, data));
    EXPECT_EQ(REG_DWORD, type);
    EXPECT_EQ(std::string(4, '\0'), data);

    // Only a number 1 is the dark look: other numbers and types are the classic one.
    const DWORD one = 1, two = 2;
    struct { DWORD type; const void* data; DWORD size; CKwLook::ELook look; } cases[] = {
        {REG_DWORD, &one, 4, CKwLook::eDark}, {REG_DWORD, &two, 4, CKwLook::eClassic},
        {REG_SZ, "1", 2, CKwLook::eClassic}, {REG_BINARY, &one, 4, CKwLook::eClassic},
        {REG_BINARY, &one, 2, CKwLook::eClassic}};
    for (const auto& c : cases)
    {
        ASSERT_TRUE(reg.Set(HKEY_CURRENT_USER, "KwLook", "Look", c.type, c.data, c.size));
        EXPECT_EQ(c.look, CKwLook::LoadLook()) << "type " << c.type << ", " << c.size << " bytes";
        CKwLook::ApplyRememberedLook();
        EXPECT_EQ(c.look, CKwLook::GetLook()) << "type " << c.type;
        CKwLook::SetLook(CKwLook::eClassic, FALSE);
    }
    CBCGPVisualManager::SetDefaultManager(NULL);
}

namespace {

std::map<HWND, int> s_paints, s_themes;

LRESULT CALLBACK CountingProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg == WM_PAINT || nMsg == WM_NCPAINT)
        s_paints[hWnd]++;
    if (nMsg == WM_THEMECHANGED)
        s_themes[hWnd]++;
    if (nMsg == WM_CTLCOLOREDIT && ::GetDlgCtrlID((HWND)lParam) == 7)
        return (LRESULT)::GetStockObject(BLACK_BRUSH); // a host's own colours
    return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
}

const char* RegisterTestClass()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = CountingProc;
    wc.hInstance = ::GetModuleHandleA(NULL);
    wc.lpszClassName = "KwLookTestWnd";
    ::RegisterClassA(&wc);
    return wc.lpszClassName;
}

} // namespace

TEST(Look, EverySwitchRepaintsEveryWindowOfTheProcess)
{
    const char* pszClass = RegisterTestClass();
    // A frame with a child, a popup and a floating tool window it owns, and a window of its own.
    HWND hFrame = ::CreateWindowExA(0, pszClass, "", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 300, 200, NULL, NULL, NULL, NULL);
    HWND hWnds[] = {hFrame,
        ::CreateWindowExA(0, pszClass, "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 100, hFrame, NULL, NULL, NULL),
        ::CreateWindowExA(0, pszClass, "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, hFrame, NULL, NULL, NULL),
        ::CreateWindowExA(WS_EX_TOOLWINDOW, pszClass, "", WS_CAPTION | WS_VISIBLE, 400, 0, 90, 90, hFrame, NULL, NULL, NULL),
        ::CreateWindowExA(0, pszClass, "", WS_POPUP | WS_VISIBLE, 500, 0, 50, 50, NULL, NULL, NULL, NULL)};
    for (HWND hWnd : hWnds)
        ::UpdateWindow(hWnd);
    PumpUntil([] { return false; }, 100);
    for (CKwLook::ELook look : {CKwLook::eDark, CKwLook::eClassic})
    {
        s_paints.clear();
        s_themes.clear();
        CKwLook::SetLook(look, FALSE);
        EXPECT_TRUE(PumpUntil([&] {
            for (HWND hWnd : hWnds)
                if (s_paints[hWnd] == 0)
                    return false;
            return true;
        })) << "look " << look;
        for (HWND hWnd : hWnds)
            EXPECT_GT(s_themes[hWnd], 0) << "look " << look; // what keeps colours of its own hears
    }
    ::DestroyWindow(hWnds[4]);
    ::DestroyWindow(hFrame);
    CBCGPVisualManager::SetDefaultManager(NULL);
}

namespace {

// The picture PrintWindow gives of hWnd, frame included (and a control's face through
// WM_PRINTCLIENT): its pixels row by row.
std::vector<COLORREF> Picture(HWND hWnd, int& cx)
{
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    cx = rc.right - rc.left;
    TestSurface surface(cx, rc.bottom - rc.top, kBlack);
    ::PrintWindow(hWnd, surface.DC(), 0);
    ::SendMessageA(hWnd, WM_PRINTCLIENT, (WPARAM)(HDC)surface.DC(), PRF_CLIENT);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < surface.Height(); y++)
        for (int x = 0; x < cx; x++)
            pixels.push_back(surface.Pixel(x, y));
    return pixels;
}

// A subclass made the framework's way, over the look's: it must outlive the switch back.
WNDPROC s_pfnBelow = NULL;
int s_nLaterCalls = 0;

LRESULT CALLBACK LaterProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    s_nLaterCalls += nMsg == WM_USER + 5;
    return ::CallWindowProcA(s_pfnBelow, hWnd, nMsg, wParam, lParam);
}


} // namespace

// Wine draws neither a dark title bar nor dark scroll bars: the look paints them, on windows made
// before the switch and while it lasts, and takes its painting away again.
TEST(Look, PaintsTheSystemsFramesAndButtonsWhereTheSystemDrawsThemLight)
{
    ASSERT_FALSE(CKwDarkFrame::IsSystemDark());
    const char* pszClass = RegisterTestClass();
    // A frame with a scroll bar of its own and a scroll bar control.
    auto makeFrame = [pszClass] {
        HWND hWnd = ::CreateWindowExA(0, pszClass, "Frame", WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_VISIBLE, 0, 0, 300, 200, NULL, NULL, NULL, NULL);
        HWND hBar = ::CreateWindowExA(0, "ScrollBar", "", WS_CHILD | WS_VISIBLE | SBS_VERT, 10, 10, 17, 120, hWnd, NULL, NULL, NULL);
        const SCROLLINFO si = {sizeof(si), SIF_ALL, 0, 100, 10, 0, 0};
        ::SetScrollInfo(hWnd, SB_VERT, &si, TRUE);
        ::SetScrollInfo(hBar, SB_CTL, &si, TRUE);
        return hWnd;
    };
    HWND hBefore = makeFrame();
    HWND hPage = ::CreateWindowExA(0, pszClass, "", WS_POPUP | WS_VISIBLE, 400, 0, 200, 100, NULL, NULL, NULL, NULL);
    CKwPalette::FollowInDialog(hPage);
    HWND hCheck = ::CreateWindowExA(0, "Button", "Check", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 0, 0, 100, 20, hPage, NULL, NULL, NULL);
    PumpUntil([] { return false; }, 100);
    int cx = 0;
    const HWND hClassics[] = {hBefore, ::GetWindow(hBefore, GW_CHILD), hCheck};
    std::vector<COLORREF> classics[3];
    for (int i = 0; i < 3; i++)
        classics[i] = Picture(hClassics[i], cx);

    CKwLook::SetLook(CKwLook::eDark, FALSE);
    HWND hWhile = makeFrame();
    PumpUntil([] { return false; }, 100);
    // In a window's picture, the track between a bar's thumb and its lower arrow.
    auto track = [&cx](HWND hWnd, LONG idObject) -> COLORREF {
        const std::vector<COLORREF> pixels = Picture(hWnd, cx);
        SCROLLBARINFO sbi = {};
        sbi.cbSize = sizeof(sbi);
        RECT rc;
        if (!::GetScrollBarInfo(hWnd, idObject, &sbi) || !::GetWindowRect(hWnd, &rc))
            return CLR_INVALID;
        const int y = sbi.rcScrollBar.top - rc.top + (sbi.xyThumbBottom + sbi.rcScrollBar.bottom - sbi.rcScrollBar.top - 17) / 2;
        return pixels[y * cx + sbi.rcScrollBar.left - rc.left + 8];
    };
    for (HWND hWnd : {hBefore, hWhile})
    {
        const std::vector<COLORREF> pixels = Picture(hWnd, cx);
        TITLEBARINFO tbi = {};
        tbi.cbSize = sizeof(tbi);
        ASSERT_TRUE(::GetTitleBarInfo(hWnd, &tbi));
        const COLORREF caption = pixels[(tbi.rcTitleBar.top + tbi.rcTitleBar.bottom) / 2 * cx + cx / 2];
        EXPECT_TRUE(caption == CKwPalette::Get(CKwPalette::eCaption) || caption == CKwPalette::Get(CKwPalette::eCaptionInactive)) << std::hex << caption;
        EXPECT_EQ(CKwPalette::Get(CKwPalette::eScrollTrack), track(hWnd, OBJID_VSCROLL));
        EXPECT_EQ(CKwPalette::Get(CKwPalette::eScrollTrack), track(::GetWindow(hWnd, GW_CHILD), OBJID_CLIENT)) << "the control";
    }
    std::vector<COLORREF> check = Picture(hCheck, cx);
    EXPECT_EQ(CKwPalette::Get(CKwPalette::eWindow), check[10 * cx + 3]) << "inside the check box's square";
    s_pfnBelow = (WNDPROC)::SetWindowLongPtrA(hCheck, GWLP_WNDPROC, (LONG_PTR)LaterProc);

    CKwLook::SetLook(CKwLook::eClassic, FALSE);
    PumpUntil([] { return false; }, 100);
    for (int i = 0; i < 3; i++)
        EXPECT_TRUE(classics[i] == Picture(hClassics[i], cx)) << "unchanged in the classic look: window " << i;
    ::SendMessageA(hCheck, WM_USER + 5, 0, 0);
    EXPECT_EQ(1, s_nLaterCalls) << "a later subclass stays in place";
    for (HWND hWnd : {hBefore, hWhile, hPage})
        ::DestroyWindow(hWnd);
    CBCGPVisualManager::SetDefaultManager(NULL);
}

namespace {

INT_PTR CALLBACK QuietDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

// An empty dialog of the module hInstance.
HWND MakeDialog(HINSTANCE hInstance, HWND hParent)
{
    struct { DLGTEMPLATE t; WORD menu, cls, title; } tpl = {};
    tpl.t.style = (hParent != NULL ? WS_CHILD : WS_POPUP) | WS_VISIBLE;
    tpl.t.cx = tpl.t.cy = 100;
    return ::CreateDialogIndirectParamA(hInstance, &tpl.t, hParent, QuietDialogProc, 0);
}

HWND MakeControl(const char* pszClass, HWND hParent, int nId = 0, DWORD dwStyle = 0)
{
    return ::CreateWindowExA(0, pszClass, "", WS_CHILD | WS_VISIBLE | dwStyle, 0, 0, 80, 40, hParent, (HMENU)(INT_PTR)nId, NULL, NULL);
}

// The brush hParent answers for hControl's colour message, and the text colour it sets.
std::pair<HBRUSH, COLORREF> Answer(HWND hParent, UINT nMsg, HWND hControl)
{
    HDC hDC = ::GetDC(hControl);
    ::SetTextColor(hDC, RGB(1, 2, 3));
    const HBRUSH hBrush = (HBRUSH)::SendMessageA(hParent, nMsg, (WPARAM)hDC, (LPARAM)hControl);
    const COLORREF clrText = ::GetTextColor(hDC);
    ::ReleaseDC(hControl, hDC);
    return {hBrush, clrText};
}

} // namespace

// What the host left in the system's colours takes the look's, and gets the system's back; what
// it coloured itself, and dialogs that keep the classic face, stay as they are. Dialogs the
// application makes while dark follow the look, the system's do not.
TEST(Look, WhatTheHostLeftInTheSystemsColoursTakesTheLook)
{
    typedef CKwPalette P;
    const char* pszClass = RegisterTestClass();
    HWND hFrame = ::CreateWindowExA(0, pszClass, "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, NULL, NULL, NULL, NULL);
    HWND hEdit = MakeControl(WC_EDITA, hFrame), hOwnEdit = MakeControl(WC_EDITA, hFrame, 7);
    HWND hReadOnly = MakeControl(WC_EDITA, hFrame, 0, ES_READONLY), hStatic = MakeControl(WC_STATICA, hFrame);
    HWND hList = MakeControl(WC_LISTVIEWA, hFrame, 0, LVS_LIST | LVS_SHOWSELALWAYS), hOwnList = MakeControl(WC_LISTVIEWA, hFrame);
    LVITEMA item = {LVIF_TEXT | LVIF_STATE, 0, 0, LVIS_SELECTED, LVIS_SELECTED, (LPSTR) "Selected"};
    ::SendMessageA(hList, LVM_INSERTITEMA, 0, (LPARAM)&item);
    HWND hTree = MakeControl(WC_TREEVIEWA, hFrame);
    ::SendMessageA(hOwnList, LVM_SETBKCOLOR, 0, RGB(200, 0, 0));
    HWND hClassicDialog = MakeDialog(::GetModuleHandleA(NULL), NULL);
    HWND hClassicList = MakeControl(WC_LISTVIEWA, MakeControl(pszClass, hClassicDialog)); // in a view of the dialog's
    const auto classicAnswers = {Answer(hFrame, WM_CTLCOLOREDIT, hEdit), Answer(hFrame, WM_CTLCOLORSTATIC, hStatic)};

    CKwLook::SetLook(CKwLook::eDark, FALSE);
    const std::vector<std::pair<HBRUSH, COLORREF>> darkAnswers = {Answer(hFrame, WM_CTLCOLOREDIT, hEdit),
        Answer(hFrame, WM_CTLCOLORSTATIC, hReadOnly), Answer(hFrame, WM_CTLCOLOREDIT, hOwnEdit), Answer(hFrame, WM_CTLCOLORSTATIC, hStatic)};
    const std::vector<std::pair<HBRUSH, COLORREF>> expected = {{P::GetBrush(P::eWindow), P::Get(P::eWindowText)},
        {P::GetBrush(P::eFace), P::Get(P::eFaceText)}, {(HBRUSH)::GetStockObject(BLACK_BRUSH), RGB(1, 2, 3)}, *(classicAnswers.begin() + 1)};
    EXPECT_EQ(expected, darkAnswers);
    EXPECT_EQ(P::Get(P::eWindow), (COLORREF)::SendMessageA(hList, LVM_GETBKCOLOR, 0, 0));
    RECT rcLabel = {LVIR_LABEL};
    ::SendMessageA(hList, LVM_GETITEMRECT, 0, (LPARAM)&rcLabel);
    TestSurface list(80, 40, kBlack);
    ::SendMessageA(hList, WM_PRINTCLIENT, (WPARAM)(HDC)list.DC(), PRF_CLIENT | PRF_ERASEBKGND);
    EXPECT_EQ(P::Get(P::eSelectionInactive), list.Pixel(rcLabel.right - 2, rcLabel.bottom - 2)) << "the selection without the focus";
    EXPECT_EQ(P::Get(P::eWindowText), (COLORREF)::SendMessageA(hTree, TVM_GETTEXTCOLOR, 0, 0));
    EXPECT_EQ(RGB(200, 0, 0), (COLORREF)::SendMessageA(hOwnList, LVM_GETBKCOLOR, 0, 0));
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), (COLORREF)::SendMessageA(hClassicList, LVM_GETBKCOLOR, 0, 0)) << "in a classic dialog";

    // Made while dark: the application's dialog follows, with its child dialog and its list; the
    // system's does not.
    HWND hDialog = MakeDialog(::GetModuleHandleA(NULL), NULL);
    HWND hChildDialog = MakeDialog(::GetModuleHandleA(NULL), hDialog);
    HWND hDialogList = MakeControl(WC_LISTVIEWA, hChildDialog);
    HWND hSystemDialog = MakeDialog(::LoadLibraryA("comdlg32.dll"), NULL);
    EXPECT_TRUE(P::IsFollowing(hDialog) && P::IsFollowing(hChildDialog));
    EXPECT_FALSE(P::IsFollowing(hSystemDialog));
    EXPECT_EQ(P::Get(P::eWindow), (COLORREF)::SendMessageA(hDialogList, LVM_GETBKCOLOR, 0, 0));

    CKwLook::SetLook(CKwLook::eClassic, FALSE);
    EXPECT_EQ((std::vector<std::pair<HBRUSH, COLORREF>>(classicAnswers)),
        (std::vector<std::pair<HBRUSH, COLORREF>>{Answer(hFrame, WM_CTLCOLOREDIT, hEdit), Answer(hFrame, WM_CTLCOLORSTATIC, hStatic)}));
    for (HWND hWnd : {hList, hDialogList})
        EXPECT_EQ(::GetSysColor(COLOR_WINDOW), (COLORREF)::SendMessageA(hWnd, LVM_GETBKCOLOR, 0, 0));
    EXPECT_EQ((COLORREF)-1, (COLORREF)::SendMessageA(hTree, TVM_GETBKCOLOR, 0, 0));
    EXPECT_EQ(RGB(200, 0, 0), (COLORREF)::SendMessageA(hOwnList, LVM_GETBKCOLOR, 0, 0));
    for (HWND hWnd : {hFrame, hClassicDialog, hDialog, hSystemDialog})
        ::DestroyWindow(hWnd);
    CBCGPVisualManager::SetDefaultManager(NULL);
}

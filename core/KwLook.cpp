// KwLook.cpp: the look's switch, its registry value, and the repainting of every window of the
// process; the platform's dark parts are reached through GetProcAddress, since older systems
// (and Wine) may lack them.
#include "core/KwLook.h"
#include "core/KwDarkDefaults.h"
#include "core/KwDarkFrame.h"
#include "core/KwPalette.h"
#include "core/KwRegistry.h"
#include "core/KwSystem.h"
#include "core/KwVisualManagerDark.h"

namespace {

const char kKey[] = "KwLook";
const char kValue[] = "Look";

// The manager the host had before the dark one; NULL is the plain one.
CRuntimeClass* s_pClassicClass = NULL;
// While dark: windows made later on this thread get the dark title bar as they are made.
HHOOK s_hCreateHook = NULL;

typedef HRESULT(WINAPI* PFNDWMSETWINDOWATTRIBUTE)(HWND, DWORD, LPCVOID, DWORD);
typedef HRESULT(WINAPI* PFNSETWINDOWTHEME)(HWND, LPCWSTR, LPCWSTR);

BOOL SetDarkTitleBar(HWND hWnd, BOOL bDark)
{
    static PFNDWMSETWINDOWATTRIBUTE pfnSet = KwSystemFunction<PFNDWMSETWINDOWATTRIBUTE>("dwmapi.dll", "DwmSetWindowAttribute");
    if (pfnSet == NULL)
        return FALSE;
    // DWMWA_USE_IMMERSIVE_DARK_MODE is 20; systems before it took the same value as 19.
    BOOL bValue = bDark;
    return SUCCEEDED(pfnSet(hWnd, 20, &bValue, sizeof(bValue))) || SUCCEEDED(pfnSet(hWnd, 19, &bValue, sizeof(bValue)));
}

BOOL CALLBACK ThemeScrollBars(HWND hWnd, LPARAM lParam)
{
    static PFNSETWINDOWTHEME pfnTheme = KwSystemFunction<PFNSETWINDOWTHEME>("uxtheme.dll", "SetWindowTheme");
    LONG lStyle = ::GetWindowLongA(hWnd, GWL_STYLE);
    if (pfnTheme != NULL && ((lStyle & (WS_VSCROLL | WS_HSCROLL)) != 0 || KwIsWindowClass(hWnd, "ScrollBar")))
        pfnTheme(hWnd, lParam ? L"DarkMode_Explorer" : NULL, NULL);
    return TRUE;
}

LRESULT CALLBACK CreateHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_CREATEWND && (((CBT_CREATEWNDA*)lParam)->lpcs->style & WS_CHILD) == 0)
        SetDarkTitleBar((HWND)wParam, TRUE);
    if (nCode == HCBT_CREATEWND)
    {
        CKwDarkFrame::Attach((HWND)wParam);
        if (CKwDarkDefaults::FollowsFromCreation((HWND)wParam, ((CBT_CREATEWNDA*)lParam)->lpcs->hInstance))
            CKwPalette::FollowInDialog((HWND)wParam);
    }
    return ::CallNextHookEx(s_hCreateHook, nCode, wParam, lParam);
}

// What the look does to each window of a top-level one, the top-level one included.
struct SApply
{
    BOOL bDark;
    BOOL bTellThemeChanged;
};

BOOL CALLBACK ApplyToOne(HWND hWnd, LPARAM lParam)
{
    const SApply& apply = *(const SApply*)lParam;
    ThemeScrollBars(hWnd, apply.bDark);
    if (apply.bDark)
        CKwDarkFrame::Attach(hWnd);
    CKwDarkDefaults::Apply(hWnd, apply.bDark);
    // Controls that keep colours of their own (the tooltips' defaults) take the look's here.
    if (apply.bTellThemeChanged)
        ::SendMessageA(hWnd, WM_THEMECHANGED, 0, 0);
    return TRUE;
}

// The look on a window and its children, in one walk through them.
BOOL ApplyLook(HWND hWnd, BOOL bTellThemeChanged)
{
    const SApply apply = {CKwLook::GetLook() == CKwLook::eDark, bTellThemeChanged};
    BOOL bResult = TRUE;
    if ((::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) == 0)
        bResult = SetDarkTitleBar(hWnd, apply.bDark);
    ApplyToOne(hWnd, (LPARAM)&apply);
    ::EnumChildWindows(hWnd, ApplyToOne, (LPARAM)&apply);
    return bResult;
}

BOOL CALLBACK RepaintTopLevel(HWND hWnd, LPARAM)
{
    DWORD dwProcess = 0;
    ::GetWindowThreadProcessId(hWnd, &dwProcess);
    if (dwProcess != ::GetCurrentProcessId())
        return TRUE;
    ApplyLook(hWnd, TRUE);
    ::RedrawWindow(hWnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return TRUE;
}

} // namespace

CKwLook::ELook CKwLook::GetLook()
{
    return CKwVisualManagerDark::GetActive() != NULL ? eDark : eClassic;
}

void CKwLook::SetLook(ELook eLook, BOOL bRemember)
{
    if (eLook != eDark)
        eLook = eClassic;
    if (eLook != GetLook())
    {
        if (eLook == eDark)
        {
            s_pClassicClass = CBCGPVisualManager::GetInstance()->GetRuntimeClass();
            CBCGPVisualManager::SetDefaultManager(RUNTIME_CLASS(CKwVisualManagerDark));
            s_hCreateHook = ::SetWindowsHookExA(WH_CBT, CreateHook, NULL, ::GetCurrentThreadId());
        }
        else
        {
            CBCGPVisualManager::SetDefaultManager(s_pClassicClass);
            if (s_hCreateHook != NULL && ::UnhookWindowsHookEx(s_hCreateHook))
                s_hCreateHook = NULL;
            CKwDarkFrame::DetachAll();
        }
        ::EnumWindows(RepaintTopLevel, 0);
    }
    if (bRemember)
        CKwRegistry::WriteDword(HKEY_CURRENT_USER, kKey, kValue, (unsigned long)eLook);
}

CKwLook::ELook CKwLook::LoadLook()
{
    unsigned long nLook = eClassic;
    if (!CKwRegistry::ReadDword(HKEY_CURRENT_USER, kKey, kValue, nLook))
        return eClassic;
    return nLook == eDark ? eDark : eClassic;
}

void CKwLook::ApplyRememberedLook()
{
    if (LoadLook() == eDark)
        SetLook(eDark, FALSE);
}

BOOL CKwLook::ApplyToWindow(HWND hWnd)
{
    return ApplyLook(hWnd, FALSE);
}

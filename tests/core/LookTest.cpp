// The look's switch: the manager it puts in and takes back, the value it remembers and what it
// makes of a wrong one, and the repainting of every window of the process.
#include "core/KwLook.h"
#include "core/KwPalette.h"
#include "core/KwVisualManagerDark.h"
#include "support/PumpUntil.h"
#include "support/TestRegistryApp.h"

#include "CBCGPVisualManagerXP.h"

#include <gtest/gtest.h>

#include <map>

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
    return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
}

} // namespace

TEST(Look, EverySwitchRepaintsEveryWindowOfTheProcess)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = CountingProc;
    wc.hInstance = ::GetModuleHandleA(NULL);
    wc.lpszClassName = "KwLookTestWnd";
    ::RegisterClassA(&wc);
    // A frame with a child, a popup and a floating tool window it owns, and a window of its own.
    HWND hFrame = ::CreateWindowExA(0, wc.lpszClassName, "", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 300, 200, NULL, NULL, NULL, NULL);
    HWND hWnds[] = {hFrame,
        ::CreateWindowExA(0, wc.lpszClassName, "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 100, hFrame, NULL, NULL, NULL),
        ::CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, hFrame, NULL, NULL, NULL),
        ::CreateWindowExA(WS_EX_TOOLWINDOW, wc.lpszClassName, "", WS_CAPTION | WS_VISIBLE, 400, 0, 90, 90, hFrame, NULL, NULL, NULL),
        ::CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, 500, 0, 50, 50, NULL, NULL, NULL, NULL)};
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

// CBCGPMenuOwner.cpp: the hidden owner of menus the look draws, and the items it lends them.
#include "CBCGPMenuOwner.h"
#include "CBCGPVisualManager.h"

#include <memory>
#include <vector>

namespace {

// An item turned owner-drawn: where it is, what it was, and its text for the drawing.
struct SItem
{
    HMENU hMenu;
    UINT nPos;
    UINT fType;
    ULONG_PTR dwItemData;
    CString strText;
};

std::vector<std::unique_ptr<SItem>> s_items; // of the menu being tracked
std::vector<HMENU> s_menus;                  // its popups given the look's background
HWND s_hOwner = NULL;
HWND s_hTarget = NULL; // kept after the menu closes: the chosen command arrives later

bool IsOurs(ULONG_PTR dwItemData)
{
    for (const auto& pItem : s_items)
    {
        if ((ULONG_PTR)pItem.get() == dwItemData)
            return true;
    }
    return false;
}

} // namespace

UINT CBCGPMenuOwner::Track(HMENU hMenu, UINT nFlags, int x, int y, HWND hTarget, LPTPMPARAMS lptpm)
{
    if (!CBCGPVisualManager::GetInstance()->IsOwnerDrawMenu() || !s_items.empty())
        return (UINT)::TrackPopupMenuEx(hMenu, nFlags, x, y, hTarget, lptpm);
    if (s_hOwner == NULL || !::IsWindow(s_hOwner))
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = WindowProc;
        wc.hInstance = ::GetModuleHandleA(NULL);
        wc.lpszClassName = "BCGPMenuOwner";
        ::RegisterClassA(&wc);
        s_hOwner = ::CreateWindowExA(WS_EX_TOOLWINDOW, wc.lpszClassName, "", WS_POPUP, 0, 0, 0, 0, NULL, NULL, wc.hInstance, NULL);
    }
    s_hTarget = hTarget;
    UINT nResult = (UINT)::TrackPopupMenuEx(hMenu, nFlags, x, y, s_hOwner, lptpm);
    Restore();
    return nResult;
}

void CBCGPMenuOwner::MakeOwnerDraw(HMENU hMenu)
{
    static CBrush s_brush;
    CBCGPVisualManager* pManager = CBCGPVisualManager::GetInstance();
    s_brush.DeleteObject();
    s_brush.CreateSolidBrush(pManager->GetSysColor(COLOR_MENU));
    MENUINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIM_BACKGROUND;
    info.hbrBack = (HBRUSH)s_brush.GetSafeHandle();
    if (::SetMenuInfo(hMenu, &info))
        s_menus.push_back(hMenu);
    int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; i++)
    {
        char szText[256] = "";
        MENUITEMINFOA item = {};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_STRING;
        item.dwTypeData = szText;
        item.cch = sizeof(szText);
        if (!::GetMenuItemInfoA(hMenu, (UINT)i, TRUE, &item) || (item.fType & MFT_OWNERDRAW))
            continue; // the host's own drawing, or ours already
        std::unique_ptr<SItem> pItem(new SItem{hMenu, (UINT)i, item.fType, item.dwItemData, szText});
        MENUITEMINFOA change = {};
        change.cbSize = sizeof(change);
        change.fMask = MIIM_FTYPE | MIIM_DATA;
        change.fType = item.fType | MFT_OWNERDRAW;
        change.dwItemData = (ULONG_PTR)pItem.get();
        if (::SetMenuItemInfoA(hMenu, (UINT)i, TRUE, &change))
            s_items.push_back(std::move(pItem));
    }
}

void CBCGPMenuOwner::Restore()
{
    for (const auto& pItem : s_items)
    {
        MENUITEMINFOA item = {};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_FTYPE | MIIM_DATA;
        item.fType = pItem->fType;
        item.dwItemData = pItem->dwItemData;
        ::SetMenuItemInfoA(pItem->hMenu, pItem->nPos, TRUE, &item);
    }
    s_items.clear();
    MENUINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIM_BACKGROUND;
    for (HMENU hMenu : s_menus)
        ::SetMenuInfo(hMenu, &info);
    s_menus.clear();
}

LRESULT CALLBACK CBCGPMenuOwner::WindowProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CBCGPVisualManager* pManager = CBCGPVisualManager::GetInstance();
    switch (nMsg)
    {
    case WM_INITMENUPOPUP:
    {
        // The target's command UI first: the items are drawn as it leaves them.
        LRESULT lResult = ::SendMessageA(s_hTarget, nMsg, wParam, lParam);
        MakeOwnerDraw((HMENU)wParam);
        return lResult;
    }
    case WM_MEASUREITEM:
    {
        MEASUREITEMSTRUCT* pMeasure = (MEASUREITEMSTRUCT*)lParam;
        if (pMeasure->CtlType != ODT_MENU || !IsOurs(pMeasure->itemData))
            break;
        SItem* pItem = (SItem*)pMeasure->itemData;
        HDC hDC = ::GetDC(hWnd);
        CSize size = pManager->OnMeasureMenuItem(CDC::FromHandle(hDC), pItem->strText,
            (pItem->fType & MFT_SEPARATOR) != 0, CDpi::ForWindow(s_hTarget));
        ::ReleaseDC(hWnd, hDC);
        pMeasure->itemWidth = (UINT)size.cx;
        pMeasure->itemHeight = (UINT)size.cy;
        return TRUE;
    }
    case WM_DRAWITEM:
    {
        DRAWITEMSTRUCT* pDraw = (DRAWITEMSTRUCT*)lParam;
        if (pDraw->CtlType != ODT_MENU || !IsOurs(pDraw->itemData))
            break;
        SItem* pItem = (SItem*)pDraw->itemData;
        pManager->OnDrawMenuItem(CDC::FromHandle(pDraw->hDC), pDraw->rcItem, pItem->strText, pDraw->itemState,
            (pItem->fType & MFT_SEPARATOR) != 0, CDpi::ForWindow(s_hTarget));
        return TRUE;
    }
    case WM_COMMAND:
        ::PostMessageA(s_hTarget, nMsg, wParam, lParam);
        return 0;
    case WM_UNINITMENUPOPUP:
    case WM_MENUSELECT:
    case WM_MENUCHAR:
    case WM_ENTERIDLE:
    case WM_ENTERMENULOOP:
    case WM_EXITMENULOOP:
    case WM_MENURBUTTONUP:
    case WM_NEXTMENU:
        return ::SendMessageA(s_hTarget, nMsg, wParam, lParam);
    }
    return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
}

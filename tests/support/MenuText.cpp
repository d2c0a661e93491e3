// MenuText.cpp: writes a menu out as text through the system's item queries.
#include "MenuText.h"

#ifdef _WIN32
std::string MenuText(HMENU hMenu, int nIndent)
{
    std::string text;
    int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; i++)
    {
        char szText[256] = "";
        MENUITEMINFOA info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = szText;
        info.cch = sizeof(szText);
        ::GetMenuItemInfoA(hMenu, (UINT)i, TRUE, &info);
        text += std::string(nIndent, ' ');
        if (info.fType & MFT_SEPARATOR)
            text += "-\n";
        else if (info.hSubMenu != NULL)
            text += std::string(szText) + ">\n" + MenuText(info.hSubMenu, nIndent + 2);
        else
            text += std::string(szText) + "=" + std::to_string(info.wID) + "\n";
    }
    return text;
}

std::string MenuItemStates(HMENU hMenu)
{
    std::string text;
    for (int i = 0; i < ::GetMenuItemCount(hMenu); i++)
    {
        char szText[64] = "";
        ::GetMenuStringA(hMenu, (UINT)i, szText, sizeof(szText), MF_BYPOSITION);
        UINT nState = ::GetMenuState(hMenu, (UINT)i, MF_BYPOSITION);
        if (nState & MF_SEPARATOR)
            text += "-;";
        else
            text += std::string(szText) + ((nState & MF_CHECKED) ? " v" : "") + ((nState & MF_GRAYED) ? " (grey)" : "") + ";";
    }
    return text;
}
#endif

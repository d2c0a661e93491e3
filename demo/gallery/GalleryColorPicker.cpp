// GalleryColorPicker.cpp: the colour button and its picker, open, with additional colours.
#include "GalleryColorPicker.h"

#include "Gallery.h"

#include "core/KwRegistry.h"
#include "pickers/KwColorButton.h"

#include <afxwin.h>

namespace {

class CQuietClient : public IKwColorPickerClient
{
public:
    void KwColorPickerClient_OnSelectionChanged(CWnd*) override {}
    void KwColorPickerClient_OnSpecialButton(UINT, CWnd*) override {}
};

CKwColorPicker::CSpecialButton SpecialButton(int id, const char* text, int command)
{
    CKwColorPicker::CSpecialButton button;
    button.nID = id;
    button.strText = text;
    button.bCommand = command;
    return button;
}

} // namespace

bool GalleryColorPicker(const char* pszFolder)
{
    // The picker remembers its colours under the application's key: a gallery key of its own.
    CWinApp* pOwnApp = AfxGetApp() == NULL ? new CWinApp("KwUi Gallery") : NULL;
    if (pOwnApp != NULL)
        pOwnApp->SetRegistryKey("KwUi Gallery");
    const char* key = "KwColorPicker\\KwColorPicker1";
    const COLORREF stored[] = {RGB(0x2E, 0x8B, 0x57), RGB(0xDA, 0xA5, 0x20), RGB(0x70, 0x80, 0x90)};
    CKwRegistry::WriteDword(HKEY_CURRENT_USER, key, "AdditionalColors", 3);
    for (int i = 0; i < 3; i++)
    {
        CString name;
        name.Format("Color%d", i);
        CKwRegistry::WriteDword(HKEY_CURRENT_USER, key, name, stored[i]);
    }

    CWnd window;
    bool bSaved = false;
    if (GalleryCreateHost(window, "Colour button", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 260, 320))
    {
        CFont* pFont = CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT));
        CWnd label;
        label.Create("STATIC", "Line colour:", WS_CHILD | WS_VISIBLE, GalleryScaled(12, 16, 80, 32), &window, 1);
        label.SetFont(pFont);
        ::CreateWindowA("BUTTON", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, GalleryScaled(84), GalleryScaled(12),
            GalleryScaled(60), GalleryScaled(22), window.m_hWnd, (HMENU)2,
                        NULL, NULL);
        CQuietClient client;
        CKwColorButton button(&client);
        button.AttachButton(2, &window);
        CKwColorPicker::CButtonArray top, bottom;
        top.Add(SpecialButton(10, "Automatic", 0));
        bottom.Add(SpecialButton(11, "No line", 0));
        // A colour no cell shows: the picker remembers it as the newest and selects it.
        button.InitializeButton(-1, RGB(0xC7, 0x15, 0x85), top, bottom, "More colours...", 1);
        window.UpdateWindow();
        GalleryPump(200);
        button.SendMessage(WM_LBUTTONUP, 0, 0);
        CKwColorPicker* pPicker = button.GetPicker();
        // The pointer over the third palette cell of the second row.
        pPicker->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(GalleryScaled(5 + 19 * 2 + 6),
            GalleryScaled(5 + 27 + 19 + 6)));
        GalleryPump(300);
        CRect rc;
        window.GetWindowRect(&rc);
        bSaved = pPicker->m_hWnd != NULL && GallerySaveScreen(rc, pszFolder, "color-picker");
        window.SetFocus();
        window.DestroyWindow();
    }
    delete pOwnApp;
    return bSaved;
}

// GalleryFontPicker.cpp: the two font pickers side by side with their labels.
#include "GalleryFontPicker.h"

#include "Gallery.h"

#include "pickers/FontPickerWnd.h"
#include "pickers/KwFontPicker.h"

#include <afxwin.h>

#include <string.h>

namespace {

LOGFONT Face(const char* pszFace, int nHeight, int nWeight, BYTE bItalic)
{
    LOGFONT lf = {};
    lf.lfHeight = nHeight;
    lf.lfWeight = nWeight;
    lf.lfItalic = bItalic;
    strcpy(lf.lfFaceName, pszFace);
    return lf;
}

} // namespace

bool GalleryFontPicker(const char* pszFolder)
{
    CWnd window;
    if (!GalleryCreateHost(window, "Font pickers", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 320, 150))
        return false;
    CFont* pFont = CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT));
    CWnd titleLabel, bodyLabel;
    titleLabel.Create("STATIC", "Title font (CKwFontPicker):", WS_CHILD | WS_VISIBLE,
        GalleryScaled(12, 10, 290, 26), &window, 1);
    bodyLabel.Create("STATIC", "Body font (CFontPickerWnd):", WS_CHILD | WS_VISIBLE,
        GalleryScaled(12, 62, 290, 78), &window, 2);
    titleLabel.SetFont(pFont);
    bodyLabel.SetFont(pFont);
    // The first replaces a placeholder, as in a dialog.
    CWnd placeholder;
    placeholder.Create("STATIC", "", WS_CHILD, GalleryScaled(12, 28, 290, 56), &window, 3);
    CKwFontPicker title(NULL);
    title.Initialize(3, &window);
    title.SetLogFont(Face("DejaVu Serif", -18, FW_BOLD, 0));
    title.SetTextColor(RGB(0xC0, 0x20, 0x20));
    CFontPickerWnd body;
    body.Create(4, &window, GalleryScaled(12, 80, 290, 108));
    body.SetLogFont(Face("DejaVu Sans", -14, FW_NORMAL, 1));
    window.UpdateWindow();
    GalleryPump(300);
    bool bSaved = GallerySaveWindow(window.m_hWnd, pszFolder, "font-picker");
    window.DestroyWindow();
    return bSaved;
}

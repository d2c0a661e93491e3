// GalleryImageChoice.cpp: pictures drawn through GDI+ into a folder of their own, shown by the
// image choice dialog made modeless, one thumbnail clicked.
#include "GalleryImageChoice.h"

#include "GalleryDialog.h"

#include "core/CoreGlobalMethods.h"
#include "core/KwGdiplus.h"
#include "pickers/DialogImageChoice.h"
#include "pickers/KwImage.h"
#include "res/resource.h"

#include <gdiplus.h>

#include <string>

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

struct Sample
{
    const char* name;
    const WCHAR* mime;
    int cx, cy;
    ARGB from, to; // the sky's gradient, top to bottom
};

const Sample samples[] = {
    {"dawn.jpg", L"image/jpeg", 320, 200, 0xFFFFB070, 0xFF5060C0}, {"sea.png", L"image/png", 48, 48, 0xFF80D0FF, 0xFF004080},
    {"tower.bmp", L"image/bmp", 60, 160, 0xFFE0F0FF, 0xFF3070B0}, {"badge.gif", L"image/gif", 40, 40, 0, 0},
    {"field.jpg", L"image/jpeg", 1024, 768, 0xFFB0E0FF, 0xFF40A040}, {"night.png", L"image/png", 200, 60, 0xFF101040, 0xFF000010},
    {"dusk.bmp", L"image/bmp", 64, 64, 0xFFFF8040, 0xFF402060}, {"flag.gif", L"image/gif", 90, 30, 0, 0}};

// A landscape: a sky in a gradient, a sun and a hill. GIF samples are stripes of palette indices,
// since this GDI+ writes no GIF that loads back from full colour.
bool Draw(GpBitmap* pBitmap, const Sample& s)
{
    GpGraphics* pGraphics = NULL;
    if (GdipGetImageGraphicsContext(pBitmap, &pGraphics) != Ok)
        return false;
    GdipSetSmoothingMode(pGraphics, SmoothingModeAntiAlias);
    GpPointF top(0, 0), bottom(0, (REAL)s.cy);
    GpLineGradient* pSky = NULL;
    GpSolidFill* pSun = NULL;
    GpSolidFill* pHill = NULL;
    GdipCreateLineBrush(&top, &bottom, s.from, s.to, WrapModeTileFlipXY, &pSky);
    GdipCreateSolidFill(0xFFFFE040, &pSun);
    GdipCreateSolidFill(0xFF306020, &pHill);
    GdipFillRectangleI(pGraphics, pSky, 0, 0, s.cx, s.cy);
    GdipFillEllipseI(pGraphics, pSun, s.cx * 3 / 5, s.cy / 8, s.cy / 4 + 4, s.cy / 4 + 4);
    GdipFillEllipseI(pGraphics, pHill, -s.cx / 4, s.cy * 2 / 3, s.cx, s.cy);
    GdipDeleteBrush(pSky);
    GdipDeleteBrush(pSun);
    GdipDeleteBrush(pHill);
    GdipDeleteGraphics(pGraphics);
    return true;
}

bool DrawStripes(GpBitmap* pBitmap, const Sample& s)
{
    struct
    {
        ColorPalette head;
        ARGB more[2];
    } palette = {{0, 3, {0xFFC00000}}, {0xFFFFFFFF, 0xFF0030A0}};
    Gdiplus::Rect all(0, 0, s.cx, s.cy);
    BitmapData data;
    if (GdipSetImagePalette(pBitmap, &palette.head) != Ok
        || GdipBitmapLockBits(pBitmap, &all, ImageLockModeWrite, PixelFormat8bppIndexed, &data) != Ok)
        return false;
    for (int y = 0; y < s.cy; ++y)
        memset((BYTE*)data.Scan0 + y * data.Stride, y * 3 / s.cy, s.cx);
    return GdipBitmapUnlockBits(pBitmap, &data) == Ok;
}

bool WriteSample(const std::string& folder, const Sample& s)
{
    bool bIndexed = wcscmp(s.mime, L"image/gif") == 0;
    CLSID clsid;
    GpBitmap* pBitmap = NULL;
    if (CKwImage::GetEncoderClsid(s.mime, &clsid) < 0
        || GdipCreateBitmapFromScan0(s.cx, s.cy, 0, bIndexed ? PixelFormat8bppIndexed : PixelFormat32bppARGB, NULL, &pBitmap) != Ok)
        return false;
    WCHAR wszPath[MAX_PATH];
    ::MultiByteToWideChar(CP_ACP, 0, (folder + s.name).c_str(), -1, wszPath, MAX_PATH);
    bool bWritten = (bIndexed ? DrawStripes(pBitmap, s) : Draw(pBitmap, s))
        && GdipSaveImageToFile(pBitmap, wszPath, &clsid, NULL) == Ok;
    GdipDisposeImage(pBitmap);
    return bWritten;
}

} // namespace

bool GalleryImageChoice(const char* pszFolder)
{
    char szTemp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szTemp);
    std::string folder = std::string(szTemp) + "kwgallery-pictures\\";
    ::CreateDirectoryA(folder.c_str(), NULL);
    CKwGdiplus gdiplus;
    bool bSaved = gdiplus.IsStarted();
    for (const Sample& s : samples)
        bSaved = bSaved && WriteSample(folder, s);

    CDialogImageChoice dlg;
    dlg.m_wndChoice.m_nFormats = CCoreGlobalMethods::ImageBmp | CCoreGlobalMethods::ImageJpg | CCoreGlobalMethods::ImagePng
        | CCoreGlobalMethods::ImageGif;
    dlg.m_wndChoice.m_strChoiceFolder = folder.c_str();
    bSaved = bSaved && dlg.Create(IDD_KW_IMAGE_CHOICE);
    if (bSaved) {
        // The second thumbnail of the first row, clicked.
        dlg.m_wndChoice.SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(5 + 69 + 32, 5 + 32));
        bSaved = GallerySaveDialog(dlg, pszFolder, "image-choice");
    }
    for (const Sample& s : samples)
        ::DeleteFileA((folder + s.name).c_str());
    ::RemoveDirectoryA(folder.c_str());
    return bSaved;
}

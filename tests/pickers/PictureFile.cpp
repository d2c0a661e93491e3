// PictureFile.cpp: writing test pictures through GDI+.
#include "pickers/PictureFile.h"

#include "pickers/KwImage.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

bool WritePicture(const char* path, const WCHAR* mime, int width, int height, const ARGB quarters[4])
{
    bool bIndexed = wcscmp(mime, L"image/gif") == 0;
    PixelFormat format = bIndexed ? PixelFormat8bppIndexed : PixelFormat32bppARGB;
    struct
    {
        ColorPalette head;
        ARGB more[3];
    } palette = {{0, 4, {quarters[0]}}, {quarters[1], quarters[2], quarters[3]}};
    CLSID clsid;
    GpBitmap* pBitmap = NULL;
    Gdiplus::Rect all(0, 0, width, height);
    BitmapData data;
    WCHAR wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, path, -1, wide, MAX_PATH);
    if (CKwImage::GetEncoderClsid(mime, &clsid) < 0 || GdipCreateBitmapFromScan0(width, height, 0, format, NULL, &pBitmap) != Ok)
        return false;
    bool bSaved = (!bIndexed || GdipSetImagePalette(pBitmap, &palette.head) == Ok)
        && GdipBitmapLockBits(pBitmap, &all, ImageLockModeWrite, format, &data) == Ok;
    for (int y = 0; bSaved && y < height; ++y)
        for (int x = 0; x < width; ++x) {
            BYTE* pRow = (BYTE*)data.Scan0 + y * data.Stride;
            int quarter = (y / ((height + 1) / 2)) * 2 + x / ((width + 1) / 2);
            bIndexed ? (void)(pRow[x] = (BYTE)quarter) : (void)(((ARGB*)pRow)[x] = quarters[quarter]);
        }
    bSaved = bSaved && GdipBitmapUnlockBits(pBitmap, &data) == Ok && GdipSaveImageToFile(pBitmap, wide, &clsid, NULL) == Ok;
    GdipDisposeImage(pBitmap);
    return bSaved;
}

// StructPicture.cpp: the file's bytes decoded from a memory stream and drawn.
#include "StructPicture.h"

#include "core/KwGdiplus.h"

#include <gdiplus.h>
#include <shlwapi.h>

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

BOOL CStructPicture::Draw(CDC* pDC, const CByteArray& bytes, const CRect& rect)
{
    CKwGdiplus gdiplus;
    if (!gdiplus.IsStarted() || bytes.IsEmpty() || rect.IsRectEmpty())
        return FALSE;
    IStream* pStream = SHCreateMemStream(bytes.GetData(), (UINT)bytes.GetSize());
    if (pStream == NULL)
        return FALSE;
    GpImage* pImage = NULL;
    if (GdipLoadImageFromStream(pStream, &pImage) != Ok)
        pImage = NULL;
    pStream->Release();
    if (pImage == NULL)
        return FALSE;
    UINT cx = 0, cy = 0;
    GpGraphics* pGraphics = NULL;
    BOOL bDrawn = GdipGetImageWidth(pImage, &cx) == Ok && GdipGetImageHeight(pImage, &cy) == Ok && cx > 0 &&
                  cy > 0 && GdipCreateFromHDC(pDC->GetSafeHdc(), &pGraphics) == Ok;
    if (bDrawn) {
        // As large as fits, centred.
        double dScale = std::min((double)rect.Width() / cx, (double)rect.Height() / cy);
        int nWidth = (int)(cx * dScale), nHeight = (int)(cy * dScale);
        GdipSetInterpolationMode(pGraphics, InterpolationModeNearestNeighbor);
        bDrawn = GdipDrawImageRectI(pGraphics, pImage, rect.left + (rect.Width() - nWidth) / 2,
                                    rect.top + (rect.Height() - nHeight) / 2, nWidth, nHeight) == Ok;
        GdipDeleteGraphics(pGraphics);
    }
    GdipDisposeImage(pImage);
    return bDrawn;
}

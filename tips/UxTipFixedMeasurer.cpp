// UxTipFixedMeasurer.cpp: fixed-pitch measuring, and the entry for arbitrary bytes.
#include "tips/UxTipFixedMeasurer.h"

void CUxTipFixedMeasurer::BaseFont(int& nLineHeight, int& nAverage, unsigned& nBase)
{
    nLineHeight = nHeight;
    nAverage = nAveCharWidth;
    nBase = nStyles = nBaseStyles;
}

UxTipSize CUxTipFixedMeasurer::MeasureText(const char* p, int nLength)
{
    UxTipSize sz;
    sz.cx = nLength * (nCharWidth + ((nStyles & UXTIP_STYLE_BOLD) ? 1 : 0));
    sz.cy = nHeight;
    return sz;
}

bool CUxTipFixedMeasurer::MeasurePicture(const UxTipRun& run, UxTipSize& size)
{
    if (run.nKind == UxTipRun::IMAGE_LIST) {
        if (nImages <= 0)
            return false;
        bool bInList = run.nValue < (uint32_t)nImages;
        size.cx = size.cy = bInList ? nImageSide : 0;
        return true;
    }
    // Pictures of absurd size are refused, as the device's measurer refuses them.
    const uint32_t kMaxSide = 2048;
    if (run.cx > kMaxSide || run.cy > kMaxSide)
        return true;
    size.cx = run.cx ? (int)run.cx : nPictureSide;
    size.cy = run.cy ? (int)run.cy : nPictureSide;
    return true;
}

void CUxTipFixedMeasurer::LayOutBytes(const uint8_t* pData, size_t nSize, UxTipLaidOut& out)
{
    const int nLength = nSize > (size_t)INT32_MAX ? INT32_MAX : (int)nSize;
    out.markup.Parse(reinterpret_cast<const char*>(pData), nLength);
    CUxTipFixedMeasurer measurer;
    UxTipRect rect;
    out.size = CUxTipLayout::LayOut(out.markup, rect, true, out.lines, measurer, measurer);
    measurer.boxes.clear();
    rect.right = out.size.cx;
    rect.bottom = out.size.cy;
    CUxTipLayout::LayOut(out.markup, rect, false, out.lines, measurer, measurer);
    out.boxes.swap(measurer.boxes);
}

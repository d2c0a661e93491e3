// UxTipFixedMeasurer.h: CUxTipFixedMeasurer, a measurer of fixed-pitch text and pictures of known
// sizes for laying the markup out without a device (tests and fuzzing), and LayOutBytes, the
// entry that takes any bytes as markup through both passes.
#pragma once

#include "core/KwUiExport.h"

#include "tips/UxTipLayout.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// The boxes of a drawing pass, with what they point into.
struct UxTipLaidOut
{
    CUxTipMarkup markup;
    UxTipLines lines;
    UxTipSize size;                // as measured
    std::vector<UxTipBox> boxes;   // of the drawing pass into the measured size
};

class KWUI_API CUxTipFixedMeasurer : public IUxTipMeasurer, public IUxTipBoxSink
{
public:
    // Every character nCharWidth wide (one more in bold), lines nHeight high; pictures their
    // requested size, else nPictureSide square; image-list icons nImageSide square, of
    // nImages images (none: no image list).
    int nCharWidth = 7;
    int nHeight = 13;
    int nAveCharWidth = 6;
    int nPictureSide = 16;
    int nImageSide = 8;
    int nImages = 3;
    unsigned nBaseStyles = 0;

    unsigned nStyles = 0;          // selected now
    std::vector<UxTipBox> boxes;   // received

    void BaseFont(int& nLineHeight, int& nAverage, unsigned& nBase) override;
    void SelectStyles(unsigned nNewStyles) override { nStyles = nNewStyles; }
    UxTipSize MeasureText(const char* p, int nLength) override;
    bool MeasurePicture(const UxTipRun& run, UxTipSize& size) override;
    void Box(const UxTipBox& box) override { boxes.push_back(box); }

    // Measures the bytes as markup, then draws them into the measured size at (0, 0).
    static void LayOutBytes(const uint8_t* pData, size_t nSize, UxTipLaidOut& out);
};

// UxTipLayout.h: CUxTipLayout, which places the runs of a marked-up text into positioned boxes
// against a text-measuring interface: lines, tabulation, alignment, rules and pictures. The
// measuring pass fills the line tables, the drawing pass reads them. Portable.
#pragma once

#include "core/KwUiExport.h"

#include "tips/UxTipGeometry.h"
#include "tips/UxTipMarkup.h"

#include <cstdint>
#include <vector>

// What the layout asks of fonts and pictures.
class IUxTipMeasurer
{
public:
    virtual ~IUxTipMeasurer() {}
    // The base font's line height and average character width, and the styles it has itself.
    virtual void BaseFont(int& nHeight, int& nAveCharWidth, unsigned& nStyles) = 0;
    // Text from now on in these UXTIP_STYLE_* styles.
    virtual void SelectStyles(unsigned nStyles) = 0;
    virtual UxTipSize MeasureText(const char* p, int nLength) = 0;
    // The size of a picture run (0 by 0 when it cannot be had); false when the run does nothing
    // at all (an image-list icon without an image list).
    virtual bool MeasurePicture(const UxTipRun& run, UxTipSize& size) = 0;
};

// A piece of the laid-out text, in the order the text gives.
struct UxTipBox
{
    enum EKind : unsigned char
    {
        TEXT,       // the run's characters from (x, y) in nStyles
        RULE,       // a line from (x, y) to (x2, y)
        PICTURE,    // the run's picture in the line whose top is y, nLineHeight high
        TEXT_COLOR, // the run's colour from now on
        BK_COLOR,   // the run's background colour and mode from now on
    };
    EKind nKind;
    unsigned nStyles;
    int x, y, x2;
    int nLineHeight;
    const UxTipRun* pRun;
};

// Receives the boxes as they are placed.
class IUxTipBoxSink
{
public:
    virtual ~IUxTipBoxSink() {}
    virtual void Box(const UxTipBox& box) = 0;
};

// The width and height of each line of the last measured text.
struct UxTipLines
{
    std::vector<unsigned> widths;
    std::vector<unsigned> heights;
};

class KWUI_API CUxTipLayout
{
public:
    // Lays the runs out in rect. Measuring (bMeasure) rebuilds the line tables and returns the
    // widest line and the total height; drawing places the lines by the tables and returns 0 by 0.
    static UxTipSize LayOut(const CUxTipMarkup& markup, const UxTipRect& rect, bool bMeasure, UxTipLines& lines,
                            IUxTipMeasurer& measurer, IUxTipBoxSink& sink);
};

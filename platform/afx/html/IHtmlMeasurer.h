// IHtmlMeasurer.h: IHtmlMeasurer, what the layout needs to know of the device it lays out for:
// the width of a text in a font, a font's ascent and line height, and the size of a picture.
#pragma once

#include "CHtmlFont.h"

#include <cstddef>
#include <string>

class IHtmlMeasurer
{
public:
    virtual ~IHtmlMeasurer() {}
    virtual int IHtmlMeasurer_TextWidth(const CHtmlFont& font, const char* pszUtf8, size_t nLength) = 0;
    virtual void IHtmlMeasurer_FontMetrics(const CHtmlFont& font, int& nAscent, int& nHeight) = 0;
    // false when the picture cannot be read (the page shows an empty frame in its place).
    virtual bool IHtmlMeasurer_ImageSize(const std::string& strSource, int& cx, int& cy) = 0;
};

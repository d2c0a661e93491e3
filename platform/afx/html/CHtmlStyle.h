// CHtmlStyle.h: CHtmlStyle, what an element looks like once its tag, its presentational
// attributes (bgcolor, color, size, align) and its style attribute (color, background-color,
// font-size, font-weight, font-style, text-decoration, text-align) are applied over what it
// inherits. Colours are 0x00BBGGRR, as GDI takes them.
#pragma once

#include "CHtmlDom.h"

#include <cstdint>
#include <string>
#include <vector>

class CHtmlStyle
{
public:
    enum EAlign { alignLeft, alignCenter, alignRight };
    static const uint32_t none = 0xFFFFFFFF; // no background of its own

    int nFontSize = 16; // pixels
    bool bBold = false;
    bool bItalic = false;
    bool bUnderline = false;
    bool bMono = false; // a fixed-pitch face (preformatted text)
    bool bPre = false;  // white space and line ends kept
    EAlign nAlign = alignLeft;
    uint32_t crText = 0;
    uint32_t crBack = none;
    int nLink = -1; // the link element (a with href) the element lies in

    // The style of every node of the tree, parents before children.
    static void ResolveAll(const CHtmlDom& dom, std::vector<CHtmlStyle>& styles);

    // A colour as "#rgb", "#rrggbb", "rrggbb", "rgb(r, g, b)" or one of the basic names; false
    // when the text is none of these.
    static bool ParseColor(const std::string& strText, uint32_t& cr);

private:
    void ApplyTag(const CHtmlDom& dom, int n);
    void ApplyDeclaration(const std::string& strName, const std::string& strValue);
    void ApplyStyleAttribute(const std::string& strStyle);
};

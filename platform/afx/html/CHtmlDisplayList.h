// CHtmlDisplayList.h: CHtmlDisplayList, a laid-out page: what to paint, in painting order, in
// page coordinates (pixels from the top left of the page), the boxes of its links and the places
// of its anchors.
#pragma once

#include "CHtmlFont.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class CHtmlDisplayList
{
public:
    struct CBox {
        int left = 0, top = 0, right = 0, bottom = 0;
        bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    };
    struct CItem {
        enum EKind { kindText, kindFill, kindFrame, kindImage };
        EKind nKind = kindText;
        CBox box;
        uint32_t cr = 0;              // text, fill or frame colour (0x00BBGGRR)
        uint32_t crBack = 0xFFFFFFFF; // text: its own background, or none
        CHtmlFont font;               // text
        int nAscent = 0;              // text: from the top of the box to the baseline
        int nThickness = 1;           // frame: the width of its lines
        int nLink = -1;               // text and images: the link (element index) they lie in
        std::string strText;          // text: its characters (UTF-8); image: its source
    };
    struct CLink {
        CBox box;
        std::string strHref;
    };

    std::vector<CItem> items;
    std::vector<CLink> links;
    std::vector<std::pair<std::string, int>> anchors; // id or name, top of its line
    uint32_t crPage = 0xFFFFFF;
    int cx = 0, cy = 0; // the page's size
    bool bTruncated = false; // the page was too large and was cut

    void Clear() { *this = CHtmlDisplayList(); }
};

// CHtmlFont.h: CHtmlFont, the font of a text run: what the layout asks the measurer about and
// what the painter selects.
#pragma once

class CHtmlFont
{
public:
    int nSize = 16; // pixels, the height of the em box
    bool bBold = false;
    bool bItalic = false;
    bool bUnderline = false;
    bool bMono = false;

    // One number per distinct font, for caches.
    int Key() const
    {
        return nSize << 4 | (bBold ? 1 : 0) | (bItalic ? 2 : 0) | (bUnderline ? 4 : 0) | (bMono ? 8 : 0);
    }
    bool operator==(const CHtmlFont& other) const { return Key() == other.Key(); }
    bool operator!=(const CHtmlFont& other) const { return Key() != other.Key(); }
};

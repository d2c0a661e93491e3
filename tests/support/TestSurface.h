// TestSurface.h: declares TestSurface, an off-screen 32-bit drawing surface whose pixels tests
// read directly, and can print as a picture of characters to compare whole areas at once.
#pragma once

#ifdef _WIN32

#include "CDC.h"

#include <string>
#include <utility>
#include <vector>

class TestSurface
{
public:
    // A top-down DIB section selected into a memory DC, filled with fill.
    TestSurface(int width, int height, COLORREF fill = RGB(255, 255, 255));
    ~TestSurface();
    TestSurface(const TestSurface&) = delete;
    TestSurface& operator=(const TestSurface&) = delete;

    CDC& DC() { return m_dc; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // Reads the memory of the surface (after flushing GDI), not through GetPixel.
    COLORREF Pixel(int x, int y) const;
    void SetPixel(int x, int y, COLORREF color);
    // How many pixels of rect show the colour.
    int Count(const RECT& rect, COLORREF color) const;

    // The rows of rect, one line each ending in '\n', with each pixel shown by the character
    // its colour has in legend, or '?' for a colour not listed.
    std::string Picture(const RECT& rect, const std::vector<std::pair<COLORREF, char>>& legend) const;

private:
    int m_width;
    int m_height;
    DWORD* m_pBits;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOldBitmap;
    CDC m_dc;
};

#endif

// TestSurface.cpp: an off-screen 32-bit surface with direct pixel access.
#include "TestSurface.h"

#ifdef _WIN32

TestSurface::TestSurface(int width, int height, COLORREF fill) : m_width(width), m_height(height), m_pBits(NULL)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down: row 0 first in memory
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pBits = NULL;
    m_hBitmap = CreateDIBSection(NULL, &info, DIB_RGB_COLORS, &pBits, NULL, 0);
    m_pBits = static_cast<DWORD*>(pBits);
    m_dc.CreateCompatibleDC(NULL);
    m_hOldBitmap = ::SelectObject(m_dc.m_hDC, m_hBitmap);
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++)
            SetPixel(x, y, fill);
}

TestSurface::~TestSurface()
{
    ::SelectObject(m_dc.m_hDC, m_hOldBitmap);
    m_dc.DeleteDC();
    DeleteObject(m_hBitmap);
}

// DIB pixels are 0x00RRGGBB; COLORREF is 0x00BBGGRR.
COLORREF TestSurface::Pixel(int x, int y) const
{
    GdiFlush();
    DWORD v = m_pBits[y * m_width + x];
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

void TestSurface::SetPixel(int x, int y, COLORREF color)
{
    GdiFlush();
    m_pBits[y * m_width + x] = (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
}

int TestSurface::Count(const RECT& rect, COLORREF color) const
{
    int n = 0;
    for (int y = rect.top; y < rect.bottom; y++)
        for (int x = rect.left; x < rect.right; x++)
            n += Pixel(x, y) == color;
    return n;
}

std::string TestSurface::Picture(const RECT& rect, const std::vector<std::pair<COLORREF, char>>& legend) const
{
    std::string text;
    for (int y = rect.top; y < rect.bottom; y++) {
        for (int x = rect.left; x < rect.right; x++) {
            char ch = '?';
            for (const auto& entry : legend)
                if (entry.first == Pixel(x, y))
                    ch = entry.second;
            text += ch;
        }
        text += '\n';
    }
    return text;
}

#endif

// CHtmlGdiResources.cpp: fonts, text metrics and pictures of the HTML view.
#include "CHtmlGdiResources.h"

#include <gdiplus.h>
#include <shlwapi.h>

CHtmlGdiResources::CHtmlGdiResources() : m_nGdiplusToken(0), m_hMeasureDC(::CreateCompatibleDC(NULL))
{
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&m_nGdiplusToken, &input, NULL) != Gdiplus::Ok)
        m_nGdiplusToken = 0; // pictures then show as empty frames
}

CHtmlGdiResources::~CHtmlGdiResources()
{
    FreeImages();
    for (auto& font : m_fonts)
        ::DeleteObject(font.second);
    ::DeleteDC(m_hMeasureDC);
    if (m_nGdiplusToken != 0)
        Gdiplus::GdiplusShutdown(m_nGdiplusToken);
}

void CHtmlGdiResources::SetBaseFolder(const std::wstring& strFolder)
{
    if (strFolder != m_strBaseFolder)
        FreeImages();
    m_strBaseFolder = strFolder;
}

void CHtmlGdiResources::FreeImages()
{
    for (auto& image : m_images)
        if (image.second != NULL)
            Gdiplus::DllExports::GdipDisposeImage((Gdiplus::GpImage*)image.second);
    m_images.clear();
}

std::wstring CHtmlGdiResources::Wide(const char* psz, size_t nLength)
{
    if (nLength == 0 || nLength > INT_MAX)
        return std::wstring();
    int n = ::MultiByteToWideChar(CP_UTF8, 0, psz, (int)nLength, NULL, 0);
    std::wstring s((size_t)n, L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, psz, (int)nLength, &s[0], n);
    return s;
}

HFONT CHtmlGdiResources::Font(const CHtmlFont& font)
{
    auto it = m_fonts.find(font.Key());
    if (it != m_fonts.end())
        return it->second;
    HFONT hFont = ::CreateFontW(-font.nSize, 0, 0, 0, font.bBold ? FW_BOLD : FW_NORMAL, font.bItalic, font.bUnderline,
        FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
        (font.bMono ? FIXED_PITCH | FF_MODERN : VARIABLE_PITCH | FF_ROMAN), font.bMono ? L"Courier New" : L"Times New Roman");
    if (hFont == NULL)
        hFont = (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
    m_fonts.emplace(font.Key(), hFont);
    return hFont;
}

int CHtmlGdiResources::IHtmlMeasurer_TextWidth(const CHtmlFont& font, const char* pszUtf8, size_t nLength)
{
    std::wstring s = Wide(pszUtf8, nLength);
    SIZE size = { 0, 0 };
    HGDIOBJ hOld = ::SelectObject(m_hMeasureDC, Font(font));
    ::GetTextExtentPoint32W(m_hMeasureDC, s.c_str(), (int)s.size(), &size);
    ::SelectObject(m_hMeasureDC, hOld);
    return size.cx;
}

void CHtmlGdiResources::Advances(const CHtmlFont& font, const std::wstring& s, std::vector<INT>& advances)
{
    advances.assign(s.size(), 0);
    if (s.empty() || s.size() > INT_MAX)
        return;
    SIZE size = { 0, 0 };
    HGDIOBJ hOld = ::SelectObject(m_hMeasureDC, Font(font));
    ::GetTextExtentExPointW(m_hMeasureDC, s.c_str(), (int)s.size(), 0, NULL, advances.data(), &size);
    ::SelectObject(m_hMeasureDC, hOld);
    for (size_t i = s.size() - 1; i > 0; i--) // the extents of each start of s, one by one
        advances[i] -= advances[i - 1];
}

void CHtmlGdiResources::IHtmlMeasurer_FontMetrics(const CHtmlFont& font, int& nAscent, int& nHeight)
{
    TEXTMETRICW tm = {};
    HGDIOBJ hOld = ::SelectObject(m_hMeasureDC, Font(font));
    ::GetTextMetricsW(m_hMeasureDC, &tm);
    ::SelectObject(m_hMeasureDC, hOld);
    nAscent = tm.tmAscent;
    nHeight = tm.tmHeight;
}

// Local files only: a path, or a file URL; relative to the page's folder.
void* CHtmlGdiResources::Image(const std::string& strSource)
{
    auto it = m_images.find(strSource);
    if (it != m_images.end())
        return it->second;
    if (m_images.size() >= 1000)
        return NULL; // a page of more pictures shows the rest as frames
    void* pImage = NULL;
    std::wstring strPath = Wide(strSource.data(), strSource.size());
    if (m_nGdiplusToken != 0 && !strPath.empty() && strPath.size() < MAX_PATH) {
        WCHAR szPath[MAX_PATH];
        DWORD nPath = MAX_PATH;
        bool bFileUrl = ::UrlIsFileUrlW(strPath.c_str());
        if (bFileUrl ? ::PathCreateFromUrlW(strPath.c_str(), szPath, &nPath, 0) == S_OK
                     : strPath.find(L':') == std::wstring::npos || ::PathIsRelativeW(strPath.c_str()) == FALSE) {
            if (!bFileUrl)
                lstrcpynW(szPath, strPath.c_str(), MAX_PATH);
            WCHAR szFull[MAX_PATH];
            if (::PathIsRelativeW(szPath) && !m_strBaseFolder.empty() &&
                ::PathCombineW(szFull, m_strBaseFolder.c_str(), szPath) != NULL)
                lstrcpynW(szPath, szFull, MAX_PATH);
            Gdiplus::GpImage* pGpImage = NULL;
            if (Gdiplus::DllExports::GdipLoadImageFromFile(szPath, &pGpImage) == Gdiplus::Ok)
                pImage = pGpImage;
        }
    }
    m_images.emplace(strSource, pImage);
    return pImage;
}

bool CHtmlGdiResources::IHtmlMeasurer_ImageSize(const std::string& strSource, int& cx, int& cy)
{
    Gdiplus::GpImage* pImage = (Gdiplus::GpImage*)Image(strSource);
    UINT nWidth = 0, nHeight = 0;
    if (pImage == NULL || Gdiplus::DllExports::GdipGetImageWidth(pImage, &nWidth) != Gdiplus::Ok ||
        Gdiplus::DllExports::GdipGetImageHeight(pImage, &nHeight) != Gdiplus::Ok)
        return false;
    cx = (int)nWidth;
    cy = (int)nHeight;
    return true;
}

// CHtmlGdiResources.h: CHtmlGdiResources, what the HTML view measures and paints with: GDI fonts
// made once per distinct font, and pictures read from local files through GDI+ (started with the
// object and shut down with it). It measures on a screen-compatible memory device context.
#pragma once

#include "afxtypes.h"
#include "html/IHtmlMeasurer.h"

#include <windows.h>

#include <map>
#include <string>
#include <vector>

class KWAFX_API CHtmlGdiResources : public IHtmlMeasurer
{
public:
    CHtmlGdiResources();
    ~CHtmlGdiResources() override;
    CHtmlGdiResources(const CHtmlGdiResources&) = delete;
    CHtmlGdiResources& operator=(const CHtmlGdiResources&) = delete;

    // Relative picture sources are found from this folder (of the page's file); empty: the
    // current folder.
    void SetBaseFolder(const std::wstring& strFolder);
    void FreeImages();

    HFONT Font(const CHtmlFont& font);
    void* Image(const std::string& strSource); // a GpImage, or null when it cannot be read

    int IHtmlMeasurer_TextWidth(const CHtmlFont& font, const char* pszUtf8, size_t nLength) override;
    void IHtmlMeasurer_FontMetrics(const CHtmlFont& font, int& nAscent, int& nHeight) override;
    bool IHtmlMeasurer_ImageSize(const std::string& strSource, int& cx, int& cy) override;

    // The advance of each UTF-16 unit of s in the font, as the text was measured for the layout.
    void Advances(const CHtmlFont& font, const std::wstring& s, std::vector<INT>& advances);

    // UTF-8 to UTF-16, with invalid bytes replaced.
    static std::wstring Wide(const char* psz, size_t nLength);

private:
    ULONG_PTR m_nGdiplusToken;
    HDC m_hMeasureDC;
    std::map<int, HFONT> m_fonts;
    std::map<std::string, void*> m_images;
    std::wstring m_strBaseFolder;
};

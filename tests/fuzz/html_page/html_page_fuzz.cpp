// Pages from arbitrary bytes: each is parsed and laid out at a width taken from the input; a
// crash, a sanitizer report, a huge allocation or a hang is a fault.
#include "html/CHtmlPage.h"

#include <cstdint>
#include <string>

namespace {

// Every byte 7 pixels wide in any font; the font size for its height.
class CByteMeasurer : public IHtmlMeasurer
{
public:
    int IHtmlMeasurer_TextWidth(const CHtmlFont&, const char*, size_t nLength) override { return (int)nLength * 7; }
    void IHtmlMeasurer_FontMetrics(const CHtmlFont& font, int& nAscent, int& nHeight) override
    {
        nAscent = font.nSize;
        nHeight = font.nSize + 3;
    }
    bool IHtmlMeasurer_ImageSize(const std::string& strSource, int& cx, int& cy) override
    {
        cx = (int)strSource.size() * 3;
        cy = 11;
        return !strSource.empty();
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    int nWidth = size > 0 ? data[0] * 4 : 300;
    CHtmlPage page;
    page.Load(std::string((const char*)data, size));
    CByteMeasurer measurer;
    page.Layout(measurer, nWidth);
    return 0;
}

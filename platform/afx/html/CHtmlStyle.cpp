// CHtmlStyle.cpp: resolving the look of each element.
#include "CHtmlStyle.h"

#include <cstdlib>
#include <cstring>

namespace {

std::string Trimmed(const std::string& s)
{
    size_t b = s.find_first_not_of(" \t\r\n\f");
    if (b == std::string::npos)
        return std::string();
    size_t e = s.find_last_not_of(" \t\r\n\f");
    std::string t = s.substr(b, e - b + 1);
    for (char& c : t)
        if (c >= 'A' && c <= 'Z')
            c = (char)(c - 'A' + 'a');
    return t;
}

uint32_t Rgb(unsigned r, unsigned g, unsigned b)
{
    return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16);
}

int HexDigit(char c)
{
    return c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

// font size="1".."7", or relative to 3 with a sign.
int FontSizeOfAttribute(const std::string& strValue)
{
    static const int s_sizes[7] = { 10, 13, 16, 18, 24, 32, 48 };
    std::string s = Trimmed(strValue);
    if (s.empty())
        return 0;
    int n = atoi(s.c_str() + (s[0] == '+' ? 1 : 0));
    if (s[0] == '+' || s[0] == '-')
        n += 3;
    n = n < 1 ? 1 : n > 7 ? 7 : n;
    return s_sizes[n - 1];
}

} // namespace

bool CHtmlStyle::ParseColor(const std::string& strText, uint32_t& cr)
{
    std::string s = Trimmed(strText);
    if (!s.empty() && s[0] == '#')
        s.erase(0, 1);
    else if (s.compare(0, 4, "rgb(") == 0) {
        unsigned c[3] = { 0, 0, 0 };
        const char* p = s.c_str() + 4;
        for (int i = 0; i < 3; i++) {
            char* pEnd = nullptr;
            long n = strtol(p, &pEnd, 10);
            if (pEnd == p)
                return false;
            c[i] = n < 0 ? 0 : n > 255 ? 255 : (unsigned)n;
            p = pEnd;
            while (*p == ' ' || *p == ',')
                p++;
        }
        cr = Rgb(c[0], c[1], c[2]);
        return true;
    } else {
        static const struct { const char* pszName; uint32_t cr; } s_names[] = { { "black", Rgb(0, 0, 0) },
            { "white", Rgb(255, 255, 255) }, { "red", Rgb(255, 0, 0) }, { "green", Rgb(0, 128, 0) },
            { "blue", Rgb(0, 0, 255) }, { "yellow", Rgb(255, 255, 0) }, { "navy", Rgb(0, 0, 128) },
            { "maroon", Rgb(128, 0, 0) }, { "purple", Rgb(128, 0, 128) }, { "teal", Rgb(0, 128, 128) },
            { "olive", Rgb(128, 128, 0) }, { "gray", Rgb(128, 128, 128) }, { "grey", Rgb(128, 128, 128) },
            { "silver", Rgb(192, 192, 192) }, { "lime", Rgb(0, 255, 0) }, { "aqua", Rgb(0, 255, 255) },
            { "cyan", Rgb(0, 255, 255) }, { "fuchsia", Rgb(255, 0, 255) }, { "magenta", Rgb(255, 0, 255) },
            { "orange", Rgb(255, 165, 0) } };
        for (const auto& name : s_names)
            if (s == name.pszName) {
                cr = name.cr;
                return true;
            }
    }
    int d[6];
    if (s.size() != 3 && s.size() != 6)
        return false;
    for (size_t i = 0; i < s.size(); i++)
        if ((d[i] = HexDigit(s[i])) < 0)
            return false;
    if (s.size() == 3)
        cr = Rgb((unsigned)d[0] * 17, (unsigned)d[1] * 17, (unsigned)d[2] * 17);
    else
        cr = Rgb((unsigned)(d[0] * 16 + d[1]), (unsigned)(d[2] * 16 + d[3]), (unsigned)(d[4] * 16 + d[5]));
    return true;
}

void CHtmlStyle::ApplyDeclaration(const std::string& strName, const std::string& strValue)
{
    std::string v = Trimmed(strValue);
    if (strName == "color")
        ParseColor(v, crText);
    else if (strName == "background-color" || strName == "background")
        ParseColor(v, crBack);
    else if (strName == "font-weight")
        bBold = v == "bold" || v == "bolder" || atoi(v.c_str()) >= 600;
    else if (strName == "font-style")
        bItalic = v == "italic" || v == "oblique";
    else if (strName == "text-decoration")
        bUnderline = v.find("underline") != std::string::npos;
    else if (strName == "text-align")
        nAlign = v == "center" ? alignCenter : v == "right" ? alignRight : alignLeft;
    else if (strName == "font-size") {
        double d = atof(v.c_str());
        size_t nUnit = v.find_first_not_of("0123456789.+-");
        std::string strUnit = nUnit == std::string::npos ? std::string() : v.substr(nUnit);
        if (strUnit == "pt")
            d = d * 4 / 3;
        else if (strUnit == "em")
            d *= nFontSize;
        else if (strUnit == "%")
            d = d * nFontSize / 100;
        else if (strUnit == "small")
            d = 13;
        else if (strUnit == "medium")
            d = 16;
        else if (strUnit == "large")
            d = 18;
        else if (strUnit == "x-large")
            d = 24;
        if (d >= 1)
            nFontSize = d > 200 ? 200 : (int)(d + 0.5);
    }
}

void CHtmlStyle::ApplyStyleAttribute(const std::string& strStyle)
{
    size_t p = 0;
    while (p < strStyle.size()) {
        size_t nEnd = strStyle.find(';', p);
        if (nEnd == std::string::npos)
            nEnd = strStyle.size();
        size_t nColon = strStyle.find(':', p);
        if (nColon < nEnd)
            ApplyDeclaration(Trimmed(strStyle.substr(p, nColon - p)), strStyle.substr(nColon + 1, nEnd - nColon - 1));
        p = nEnd + 1;
    }
}

void CHtmlStyle::ApplyTag(const CHtmlDom& dom, int n)
{
    static const int s_headings[6] = { 32, 24, 19, 16, 13, 11 };
    const CHtmlDom::ETag nTag = dom.Node(n).nTag;
    switch (nTag) {
    case CHtmlDom::tagH1: case CHtmlDom::tagH2: case CHtmlDom::tagH3:
    case CHtmlDom::tagH4: case CHtmlDom::tagH5: case CHtmlDom::tagH6:
        nFontSize = s_headings[nTag - CHtmlDom::tagH1];
        bBold = true;
        break;
    case CHtmlDom::tagB: case CHtmlDom::tagStrong:
        bBold = true;
        break;
    case CHtmlDom::tagI: case CHtmlDom::tagEm:
        bItalic = true;
        break;
    case CHtmlDom::tagU:
        bUnderline = true;
        break;
    case CHtmlDom::tagTh:
        bBold = true;
        nAlign = alignCenter;
        break;
    case CHtmlDom::tagPre:
        bMono = bPre = true;
        nFontSize = 13;
        break;
    case CHtmlDom::tagA:
        if (dom.Attribute(n, "href")) {
            nLink = n;
            crText = Rgb(0, 0, 238);
            bUnderline = true;
        }
        break;
    default:
        break;
    }
    const std::string* pValue;
    if ((pValue = dom.Attribute(n, nTag == CHtmlDom::tagHtml ? "text" : "color")))
        ParseColor(*pValue, crText);
    if ((pValue = dom.Attribute(n, "bgcolor")))
        ParseColor(*pValue, crBack);
    if (nTag == CHtmlDom::tagFont && (pValue = dom.Attribute(n, "size")))
        if (int nSize = FontSizeOfAttribute(*pValue))
            nFontSize = nSize;
    if ((pValue = dom.Attribute(n, "align")))
        ApplyDeclaration("text-align", *pValue);
    if ((pValue = dom.Attribute(n, "style")))
        ApplyStyleAttribute(*pValue);
}

void CHtmlStyle::ResolveAll(const CHtmlDom& dom, std::vector<CHtmlStyle>& styles)
{
    styles.assign((size_t)dom.Count(), CHtmlStyle());
    for (int n = 0; n < dom.Count(); n++) {
        const CHtmlDom::CNode& node = dom.Node(n);
        CHtmlStyle& style = styles[(size_t)n];
        if (node.nParent >= 0) {
            style = styles[(size_t)node.nParent];
            // A block paints its own background; text carries that of the inline elements it is in.
            if (CHtmlDom::IsBlock(dom.Node(node.nParent).nTag))
                style.crBack = none;
            if (node.nTag == CHtmlDom::tagTable) // tables start their own alignment
                style.nAlign = alignLeft;
        }
        if (node.nTag != CHtmlDom::tagText)
            style.ApplyTag(dom, n);
    }
}

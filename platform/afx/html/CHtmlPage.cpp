// CHtmlPage.cpp: a page's text, tree, styles and layout.
#include "CHtmlPage.h"
#include "CHtmlLayout.h"
#include "CHtmlParser.h"

CHtmlPage::CHtmlPage()
{
    CHtmlStyle::ResolveAll(m_dom, m_styles);
}

bool CHtmlPage::Load(const std::string& strSource)
{
    m_dom = CHtmlDom();
    m_list.Clear();
    bool bWhole = strSource.size() <= maxSource;
    if (bWhole)
        bWhole = CHtmlParser::Parse(strSource, m_dom);
    else
        CHtmlParser::Parse(strSource.substr(0, maxSource), m_dom);
    CHtmlStyle::ResolveAll(m_dom, m_styles);
    m_bTruncated = !bWhole;
    return bWhole;
}

void CHtmlPage::Layout(IHtmlMeasurer& measurer, int nWidth)
{
    CHtmlLayout(m_dom, m_styles, measurer).Run(nWidth, m_list);
    m_list.bTruncated = m_bTruncated;
}

int CHtmlPage::AnchorTop(const std::string& strName) const
{
    for (const auto& anchor : m_list.anchors)
        if (anchor.first == strName)
            return anchor.second;
    return -1;
}

// CHtmlDom.cpp: the page's tree and the names of its tags.
#include "CHtmlDom.h"

#include <cstring>

CHtmlDom::CHtmlDom()
{
    m_nodes.emplace_back();
    m_nodes[0].nTag = tagHtml;
}

int CHtmlDom::Add(int nParent, ETag nTag)
{
    int n = (int)m_nodes.size();
    m_nodes.emplace_back();
    CNode& node = m_nodes.back();
    node.nTag = nTag;
    node.nParent = nParent;
    CNode& parent = m_nodes[(size_t)nParent];
    node.nDepth = parent.nDepth + 1;
    if (parent.nLastChild < 0)
        parent.nFirstChild = n;
    else
        m_nodes[(size_t)parent.nLastChild].nNext = n;
    parent.nLastChild = n;
    return n;
}

const std::string* CHtmlDom::Attribute(int n, const char* pszName) const
{
    for (const auto& attribute : m_nodes[(size_t)n].attributes)
        if (attribute.first == pszName)
            return &attribute.second;
    return nullptr;
}

CHtmlDom::ETag CHtmlDom::TagOf(const std::string& strLowerName)
{
    static const char* const s_names[tagCount] = { "", "", "html", "body", "p", "h1", "h2", "h3", "h4", "h5",
        "h6", "br", "b", "strong", "i", "em", "u", "font", "span", "div", "ul", "ol", "li", "table", "tr", "td",
        "th", "pre", "img", "a" };
    for (int n = tagHtml; n < tagCount; n++)
        if (strLowerName == s_names[n])
            return (ETag)n;
    return tagOther;
}

bool CHtmlDom::IsBlock(ETag nTag)
{
    switch (nTag) {
    case tagHtml: case tagBody: case tagP: case tagH1: case tagH2: case tagH3: case tagH4: case tagH5: case tagH6:
    case tagDiv: case tagUl: case tagOl: case tagLi: case tagTable: case tagTr: case tagTd: case tagTh: case tagPre:
        return true;
    default:
        return false;
    }
}

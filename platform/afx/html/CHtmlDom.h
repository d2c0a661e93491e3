// CHtmlDom.h: CHtmlDom, the tree of a parsed page. Nodes live in one array in document order, so
// a parent always comes before its children: walks go forwards (styles) or backwards (sizes)
// without recursion, and freeing a deep tree is freeing one array.
#pragma once

#include <string>
#include <utility>
#include <vector>

class CHtmlDom
{
public:
    // The tags the page understands; any other tag is kept as a plain inline container.
    enum ETag {
        tagText, tagOther, tagHtml, tagBody, tagP, tagH1, tagH2, tagH3, tagH4, tagH5, tagH6, tagBr,
        tagB, tagStrong, tagI, tagEm, tagU, tagFont, tagSpan, tagDiv, tagUl, tagOl, tagLi, tagTable,
        tagTr, tagTd, tagTh, tagPre, tagImg, tagA, tagCount
    };

    struct CNode {
        ETag nTag = tagText;
        int nParent = -1;
        int nFirstChild = -1;
        int nLastChild = -1;
        int nNext = -1;
        int nDepth = 0;
        std::string strText; // a text node's characters (UTF-8, entities decoded)
        std::vector<std::pair<std::string, std::string>> attributes; // names in lower case
    };

    CHtmlDom(); // a document holding its root (tagHtml) only

    int Add(int nParent, ETag nTag); // appends a last child, returns its index
    const CNode& Node(int n) const { return m_nodes[(size_t)n]; }
    CNode& Node(int n) { return m_nodes[(size_t)n]; }
    int Count() const { return (int)m_nodes.size(); }

    // The attribute's value, or null when the element has none.
    const std::string* Attribute(int n, const char* pszName) const;

    static ETag TagOf(const std::string& strLowerName);
    static bool IsBlock(ETag nTag);

private:
    std::vector<CNode> m_nodes;
};

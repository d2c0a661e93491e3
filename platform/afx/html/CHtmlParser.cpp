// CHtmlParser.cpp: the tree of a page, from its tokens.
#include "CHtmlParser.h"
#include "CHtmlTokenizer.h"

#include <vector>

namespace {

typedef CHtmlDom::ETag ETag;

class CBuilder
{
public:
    explicit CBuilder(CHtmlDom& dom) : m_dom(dom), m_stack(1, 0) {}

    void Start(CHtmlTokenizer::CToken& token);
    void End(const CHtmlTokenizer::CToken& token);
    void Text(const std::string& strText);

private:
    CHtmlDom& m_dom;
    std::vector<int> m_stack; // the open elements, the root first

    int Top() const { return m_stack.back(); }
    ETag TagAt(size_t i) const { return m_dom.Node(m_stack[i]).nTag; }
    // The depth of the innermost open element of tag nTag, searched down to the first element of
    // the boundary tags; 0 when there is none.
    size_t Find(ETag nTag, std::initializer_list<ETag> boundaries) const;
    void CloseTo(size_t nDepth) { m_stack.resize(nDepth); }
};

size_t CBuilder::Find(ETag nTag, std::initializer_list<ETag> boundaries) const
{
    for (size_t i = m_stack.size() - 1; i > 0; i--) {
        if (TagAt(i) == nTag)
            return i;
        for (ETag boundary : boundaries)
            if (TagAt(i) == boundary)
                return 0;
    }
    return 0;
}

void CBuilder::Start(CHtmlTokenizer::CToken& token)
{
    const std::string& strName = token.strName;
    if (strName == "head" || strName == "tbody" || strName == "thead" || strName == "tfoot" || strName == "html")
        return; // their children belong to the element around them
    ETag nTag = CHtmlDom::TagOf(strName);
    if (nTag == CHtmlDom::tagBody) {
        for (auto& attribute : token.attributes) // the root stands for the body
            m_dom.Node(0).attributes.push_back(std::move(attribute));
        return;
    }
    if (nTag == CHtmlDom::tagOther && (strName == "hr" || strName == "meta" || strName == "link" ||
        strName == "input" || strName == "col" || strName == "base" || strName == "area" || strName == "wbr"))
        return; // empty elements the page does not show

    using D = CHtmlDom;
    const std::initializer_list<ETag> cellScope = { D::tagTd, D::tagTh, D::tagTable, D::tagLi, D::tagDiv };
    if (D::IsBlock(nTag) && nTag != D::tagTd && nTag != D::tagTh && nTag != D::tagTr)
        if (size_t i = Find(D::tagP, cellScope))
            CloseTo(i);
    if (nTag == D::tagLi)
        if (size_t i = Find(D::tagLi, { D::tagUl, D::tagOl, D::tagTable }))
            CloseTo(i);
    if (nTag == D::tagTr)
        if (size_t i = Find(D::tagTr, { D::tagTable }))
            CloseTo(i);
    if (nTag == D::tagTd || nTag == D::tagTh) {
        size_t iCell = Find(D::tagTd, { D::tagTr, D::tagTable, D::tagTh });
        if (iCell == 0)
            iCell = Find(D::tagTh, { D::tagTr, D::tagTable, D::tagTd });
        if (iCell)
            CloseTo(iCell);
        if (m_dom.Node(Top()).nTag == D::tagTable && m_stack.size() < CHtmlParser::maxDepth)
            m_stack.push_back(m_dom.Add(Top(), D::tagTr)); // a cell without its row
    }
    if (m_stack.size() >= CHtmlParser::maxDepth)
        return; // deeper nesting is flattened
    int n = m_dom.Add(Top(), nTag);
    CHtmlDom::CNode& node = m_dom.Node(n);
    node.attributes = std::move(token.attributes);
    if (nTag == D::tagOther)
        node.strText = strName; // its end tag finds it by name
    if (nTag != D::tagBr && nTag != D::tagImg && !token.bSelfClosing)
        m_stack.push_back(n);
}

void CBuilder::End(const CHtmlTokenizer::CToken& token)
{
    ETag nTag = CHtmlDom::TagOf(token.strName);
    if (nTag == CHtmlDom::tagBr) {
        m_dom.Add(Top(), nTag); // "</br>" breaks the line as browsers do
        return;
    }
    for (size_t i = m_stack.size() - 1; i > 0; i--) {
        const CHtmlDom::CNode& node = m_dom.Node(m_stack[i]);
        if (node.nTag == nTag && (nTag != CHtmlDom::tagOther || node.strText == token.strName)) {
            CloseTo(i);
            return;
        }
    }
}

void CBuilder::Text(const std::string& strText)
{
    if (strText.empty())
        return;
    int nTop = Top();
    int nLast = m_dom.Node(nTop).nLastChild;
    if (nLast >= 0 && m_dom.Node(nLast).nTag == CHtmlDom::tagText)
        m_dom.Node(nLast).strText += strText;
    else
        m_dom.Node(m_dom.Add(nTop, CHtmlDom::tagText)).strText = strText;
}

} // namespace

bool CHtmlParser::Parse(const std::string& strSource, CHtmlDom& dom)
{
    CHtmlTokenizer tokenizer(strSource);
    CHtmlTokenizer::CToken token;
    CBuilder builder(dom);
    while (tokenizer.Next(token)) {
        if (dom.Count() >= maxNodes)
            return false;
        if (token.nKind == CHtmlTokenizer::kindText)
            builder.Text(token.strText);
        else if (token.nKind == CHtmlTokenizer::kindStartTag)
            builder.Start(token);
        else
            builder.End(token);
    }
    return true;
}

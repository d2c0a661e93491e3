// CHtmlPage.h: CHtmlPage, one page of HTML from its text to its display list: parsed once, laid
// out again whenever the width changes. A text larger than maxSource is cut there.
#pragma once

#include "CHtmlDisplayList.h"
#include "CHtmlDom.h"
#include "CHtmlStyle.h"
#include "IHtmlMeasurer.h"

#include <string>
#include <vector>

class CHtmlPage
{
public:
    enum { maxSource = 32 << 20 };

    CHtmlPage(); // an empty page, ready to lay out

    // Parses the text and resolves its styles; false when the page had to be cut.
    bool Load(const std::string& strSource);
    void Layout(IHtmlMeasurer& measurer, int nWidth);

    const CHtmlDom& Dom() const { return m_dom; }
    const CHtmlDisplayList& DisplayList() const { return m_list; }
    // The top of the element with this id or name; -1 when the page has none.
    int AnchorTop(const std::string& strName) const;

private:
    CHtmlDom m_dom;
    std::vector<CHtmlStyle> m_styles;
    CHtmlDisplayList m_list;
    bool m_bTruncated = false;
};

// CHtmlParser.h: CHtmlParser builds the tree of a page from its text the tolerant way: unclosed
// elements close where their container ends, stray end tags are dropped, a new paragraph, item,
// row or cell closes the open one. Nesting deeper than maxDepth is flattened and a page of more
// than maxNodes nodes is cut there, so that any text gives a bounded tree.
#pragma once

#include "CHtmlDom.h"

#include <string>

class CHtmlParser
{
public:
    enum { maxDepth = 100, maxNodes = 300000 };

    // Parses strSource into dom (which should be fresh); false when the page was cut short.
    static bool Parse(const std::string& strSource, CHtmlDom& dom);
};

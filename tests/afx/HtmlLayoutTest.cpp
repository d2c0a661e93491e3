// The HTML view's engine without a device: a measurer of fixed metrics (every character half the
// font size wide, one pixel more when bold; ascent the font size, a quarter more below) makes
// every position of the display list known, so whole lists are compared.
#include "html/CHtmlPage.h"
#include "html/CHtmlParser.h"
#include "html/CHtmlTokenizer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

class CFixedMeasurer : public IHtmlMeasurer
{
public:
    int IHtmlMeasurer_TextWidth(const CHtmlFont& font, const char* p, size_t n) override
    {
        int nChars = 0;
        for (size_t i = 0; i < n; i++)
            nChars += ((unsigned char)p[i] & 0xC0) != 0x80;
        return nChars * (font.nSize / 2 + (font.bBold ? 1 : 0));
    }
    void IHtmlMeasurer_FontMetrics(const CHtmlFont& font, int& nAscent, int& nHeight) override
    {
        nAscent = font.nSize;
        nHeight = font.nSize + font.nSize / 4;
    }
    bool IHtmlMeasurer_ImageSize(const std::string& strSource, int& cx, int& cy) override
    {
        cx = 30;
        cy = 20;
        return strSource == "pic.bmp";
    }
};

std::string Color(uint32_t cr)
{
    char sz[16];
    snprintf(sz, sizeof sz, "#%02X%02X%02X", cr & 0xFF, (cr >> 8) & 0xFF, (cr >> 16) & 0xFF);
    return sz;
}

// One line per item: kind, box, then what it shows.
std::string Dump(const CHtmlDisplayList& list)
{
    std::string s;
    for (const auto& item : list.items) {
        const auto& b = item.box;
        char sz[64];
        snprintf(sz, sizeof sz, " %d,%d,%d,%d", b.left, b.top, b.right, b.bottom);
        switch (item.nKind) {
        case CHtmlDisplayList::CItem::kindText:
            s += "T" + std::string(sz) + " '" + item.strText + "' " + std::to_string(item.font.nSize) +
                (item.font.bBold ? "b" : "") + (item.font.bItalic ? "i" : "") + (item.font.bUnderline ? "u" : "") +
                (item.font.bMono ? "m" : "") + " " + Color(item.cr) + (item.crBack != 0xFFFFFFFF ? " on " + Color(item.crBack) : "") +
                (item.nLink >= 0 ? " link" : "");
            break;
        case CHtmlDisplayList::CItem::kindFill:
            s += "F" + std::string(sz) + " " + Color(item.cr);
            break;
        case CHtmlDisplayList::CItem::kindFrame:
            s += "R" + std::string(sz) + " " + Color(item.cr) + " " + std::to_string(item.nThickness);
            break;
        case CHtmlDisplayList::CItem::kindImage:
            s += "I" + std::string(sz) + " " + item.strText + (item.nLink >= 0 ? " link" : "");
            break;
        }
        s += "\n";
    }
    return s;
}

std::string Laid(const std::string& strHtml, int nWidth, CHtmlPage& page)
{
    CFixedMeasurer measurer;
    page.Load(strHtml);
    page.Layout(measurer, nWidth);
    return Dump(page.DisplayList());
}

std::string Laid(const std::string& strHtml, int nWidth = 400)
{
    CHtmlPage page;
    return Laid(strHtml, nWidth, page);
}

} // namespace

TEST(HtmlLayout, ReportWithEveryElement)
{
    CHtmlPage page;
    std::string s = Laid("<body bgcolor=#FFFFF0><h1>Title</h1><p>Plain <b>bold</b> <i>it</i> <u>under</u> "
        "<strong>s</strong> <em>e</em></p><h3 style='color: #800000'>Sub</h3>"
        "<p><font color=red size=5>big</font> <span style=\"background-color: yellow; font-size: 8px\">hi</span>"
        " <span style='font-weight: bold; font-style: italic; text-decoration: underline'>x</span><br>next</p>"
        "<ul><li>one<li>two</ul><ol start=3><li>three</ol>"
        "<table border=1 bgcolor=silver><tr><th>Name<td bgcolor=#00ff00>Value</tr><tr><td>a<td>bb</table>"
        "<pre>a  b\nc</pre><div align=center><a href='#end'>go</a> <img src=pic.bmp></div>"
        "<h2 id=end>End</h2>", 400, page);
    // Headings, paragraphs and lists keep their margins (collapsed where they meet); runs of one
    // style merge; the line's items share a baseline; th is bold and centred; cells are as wide as
    // their widest contents with padding 1 and a border of 1; the div centres its line.
    EXPECT_EQ("T 8,21,93,61 'Title' 32b #000000\n"
              "T 8,82,48,102 'Plain' 16 #000000\n"
              "T 57,82,93,102 'bold' 16b #000000\n"
              "T 101,82,117,102 'it' 16i #000000\n"
              "T 125,82,165,102 'under' 16u #000000\n"
              "T 174,82,183,102 's' 16b #000000\n"
              "T 191,82,199,102 'e' 16i #000000\n"
              "T 8,118,38,141 'Sub' 19b #800000\n"
              "T 8,157,44,187 'big' 24 #FF0000\n"
              "T 48,173,56,183 'hi' 8 #000000 on #FFFF00\n"
              "T 65,165,74,185 'x' 16biu #000000\n"
              "T 8,187,40,207 'next' 16 #000000\n"
              "T 48,223,72,243 'one' 16 #000000\n"
              "T 32,223,40,243 '\xE2\x80\xA2' 16 #000000\n"
              "T 48,243,72,263 'two' 16 #000000\n"
              "T 32,243,40,263 '\xE2\x80\xA2' 16 #000000\n"
              "T 48,279,88,299 'three' 16 #000000\n"
              "T 24,279,40,299 '3.' 16 #000000\n"
              "F 8,315,100,371 #C0C0C0\n"
              "T 13,320,49,340 'Name' 16b #000000\n"
              "F 53,318,97,342 #00FF00\n"
              "T 55,320,95,340 'Value' 16 #000000\n"
              "R 11,318,51,342 #808080 1\n"
              "R 53,318,97,342 #808080 1\n"
              "T 13,346,21,366 'a' 16 #000000\n"
              "T 55,346,71,366 'bb' 16 #000000\n"
              "R 11,344,51,368 #808080 1\n"
              "R 53,344,97,368 #808080 1\n"
              "R 8,315,100,371 #808080 1\n"
              "T 8,384,32,400 'a  b' 13m #000000\n"
              "T 8,400,14,416 'c' 13m #000000\n"
              "T 173,433,189,453 'go' 16u #0000EE link\n"
              "I 197,429,227,449 pic.bmp\n"
              "T 8,469,47,499 'End' 24b #000000\n",
        s);
    const CHtmlDisplayList& list = page.DisplayList();
    ASSERT_EQ(1u, list.links.size());
    EXPECT_EQ("#end", list.links[0].strHref);
    EXPECT_EQ(173, list.links[0].box.left);
    EXPECT_EQ(469, page.AnchorTop("end"));
    EXPECT_EQ(499 + 16, list.cy); // the heading's margin below, the page's collapsed into it
    EXPECT_EQ(0xF0FFFFu, page.DisplayList().crPage);
}

namespace {

// The tree in a short form: tag(children), texts quoted.
std::string Tree(const CHtmlDom& dom, int n = 0)
{
    static const char* const s_names[] = { "", "?", "html", "body", "p", "h1", "h2", "h3", "h4", "h5", "h6", "br",
        "b", "strong", "i", "em", "u", "font", "span", "div", "ul", "ol", "li", "table", "tr", "td", "th", "pre",
        "img", "a" };
    const CHtmlDom::CNode& node = dom.Node(n);
    if (node.nTag == CHtmlDom::tagText)
        return "'" + node.strText + "'";
    std::string s = s_names[node.nTag];
    if (node.nFirstChild >= 0) {
        s += "(";
        for (int c = node.nFirstChild; c >= 0; c = dom.Node(c).nNext)
            s += Tree(dom, c) + (dom.Node(c).nNext >= 0 ? " " : "");
        s += ")";
    }
    return s;
}

std::string Parsed(const std::string& strHtml)
{
    CHtmlDom dom;
    CHtmlParser::Parse(strHtml, dom);
    return Tree(dom);
}

} // namespace

TEST(HtmlLayout, MalformedMarkupIsReadAsBrowsersRead)
{
    // Paragraphs, items and cells close each other; stray end tags go; references decode, unknown
    // ones and a lone '<' stay text; comments, scripts and styles are not shown.
    EXPECT_EQ("html(p('one') p('two & <x> AB\xC2\xA0&bogus;  <3 ') ul(li('a') li('b')) table(tr(td('c'))) div('d'))",
        Parsed("<P>one<p>two</b> &amp; &lt;x&gt; &#65;&#x42;&nbsp;&bogus; <!-- c --> <3 <ul><li>a<li>b</ul>"
               "<table><td>c</table></i><div>d"));
    EXPECT_EQ("html(b('x') 'y' a('z'))", Parsed("<script>if (a<b) f();</script><b>x</B>y<style>p{}</STYLE><a href=q>z"));
    EXPECT_EQ("html(a)", Parsed("<a href=\"never closed>text"));
    EXPECT_EQ("html(p('a' br img 'b' ?('c')))", Parsed("<html><head><title>t</title></head><body><p>a<br/><img src=x>b<x-y>c</body>"));
    EXPECT_EQ("html('x \xEF\xBF\xBD \xEF\xBF\xBD')", Parsed("x &#1114112; &#0;")); // beyond Unicode, or none: replaced
}

TEST(HtmlLayout, ColoursInTheirForms)
{
    const char* const texts[] = { "#0f8", "00FF80", " Navy ", "rgb(300, -1, 7)", "#12345", "#12345g", "rgb(1)", "" };
    std::string s;
    for (const char* pszText : texts) {
        uint32_t cr = 0xABCDEF;
        s += CHtmlStyle::ParseColor(pszText, cr) ? Color(cr) + " " : "no ";
    }
    EXPECT_EQ("#00FF88 #00FF80 #000080 #FF0007 no no no no ", s);
}

TEST(HtmlLayout, LinesWrapAndTablesShareTheWidth)
{
    CHtmlPage empty; // a view lays out before anything is loaded
    CFixedMeasurer measurer;
    empty.Layout(measurer, 96);
    EXPECT_EQ(8, empty.DisplayList().cy); // the page's margins, collapsed
    // 80 pixels of room: two words of 32 and a space of 8 fit, the third goes below.
    EXPECT_EQ("T 8,8,80,28 'aaaa bbbb' 16 #000000\nT 8,28,40,48 'cccc' 16 #000000\n", Laid("aaaa bbbb cccc", 96));
    // Too narrow for both columns' widest contents: each column gets its narrowest (a word plus
    // padding 1) and a share of the rest in proportion to what it lacks.
    std::string s = Laid("<table cellspacing=0><tr><td>aa aa aa aa<td>bbbb bbbb</table>", 16 + 100);
    EXPECT_EQ("T 9,9,49,29 'aa aa' 16 #000000\nT 9,29,49,49 'aa aa' 16 #000000\n"
              "T 57,9,89,29 'bbbb' 16 #000000\nT 57,29,89,49 'bbbb' 16 #000000\n", s);
    // A cell of one line beside one of two is centred in the row.
    EXPECT_EQ("T 8,8,16,28 'a' 16 #000000\nT 8,28,16,48 'b' 16 #000000\nT 16,18,24,38 'c' 16 #000000\n",
        Laid("<table cellspacing=0 cellpadding=0><tr><td>a<br>b<td>c</table>"));
    // A table asked for the whole width spreads the room over its columns as they are wide.
    s = Laid("<table width=100% cellspacing=0 cellpadding=0><tr><td>a<td>bbb</table>", 16 + 100);
    EXPECT_EQ("T 8,8,16,28 'a' 16 #000000\nT 33,8,57,28 'bbb' 16 #000000\n", s);
}

TEST(HtmlLayout, HostileMarkupStaysBounded)
{
    CHtmlPage page;
    // 100,000 levels of nesting are flattened below the depth limit.
    std::string strDeep;
    for (int i = 0; i < 100000; i++)
        strDeep += i % 3 == 0 ? "<div>" : i % 3 == 1 ? "<table><tr><td>" : "<ul><li><b>";
    Laid(strDeep + "deep", 400, page);
    int nDeepest = 0;
    for (int n = 0; n < page.Dom().Count(); n++)
        nDeepest = std::max(nDeepest, page.Dom().Node(n).nDepth);
    EXPECT_LE(nDeepest, (int)CHtmlParser::maxDepth);
    const auto& items = page.DisplayList().items;
    EXPECT_TRUE(std::any_of(items.begin(), items.end(), [](const CHtmlDisplayList::CItem& item) { return item.strText == "deep"; }));

    // A megabyte in one attribute is cut to the attribute limit.
    Laid("<a href=\"" + std::string(1 << 20, 'x') + "\">t</a>", 400, page);
    ASSERT_EQ(1u, page.DisplayList().links.size());
    EXPECT_EQ((size_t)CHtmlTokenizer::maxValue, page.DisplayList().links[0].strHref.size());

    // Too many elements: the page is cut and says so.
    std::string strBreaks;
    for (int i = 0; i < CHtmlParser::maxNodes + 10; i++)
        strBreaks += "<br>";
    EXPECT_FALSE(page.Load(strBreaks));
    EXPECT_LE(page.Dom().Count(), (int)CHtmlParser::maxNodes);

    // 10 MB of text, one long word among it, lays out as lines of the page's width.
    std::string strText(10 << 20, ' ');
    for (size_t i = 0; i < strText.size(); i += 7)
        strText.replace(i, 6, "report");
    strText.replace(5000, 3000, std::string(3000, 'w'));
    Laid(strText, 400, page);
    const CHtmlDisplayList& list = page.DisplayList();
    EXPECT_GT(list.items.size(), (10u << 20) / 400);
    for (const auto& item : list.items)
        ASSERT_LE(item.box.right, 400 - 8 + 8 * 200) << item.strText.substr(0, 40);
}

// The toolkit's HTML view: the host's text is written once into the blank page, only into it,
// and link clicks go to the host first; the page at another DPI.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "pickers/KwHtmlView.h"
#include "support/TempPath.h"
#include "support/TestSurface.h"

#include <cstdio>
#include <string>

namespace {

class CHostHtmlView : public CKwHtmlView
{
    DECLARE_DYNCREATE(CHostHtmlView)
public:
    std::string m_log;
    bool m_bRefuse = false;

    bool OnLButtonClick(CString url) override
    {
        m_log += "click " + std::string(url) + (m_bRefuse ? " refused" : "") + "|";
        return m_bRefuse;
    }
    void OnDocumentComplete(LPCTSTR lpszURL) override
    {
        m_log += "complete " + std::string(lpszURL) + "|";
        CKwHtmlView::OnDocumentComplete(lpszURL);
        m_log += "shows " + Text() + "|";
    }
    std::string Text() const
    {
        std::string s;
        for (const auto& item : GetDisplayList().items)
            s += item.strText + " ";
        return s;
    }
};
IMPLEMENT_DYNCREATE(CHostHtmlView, CKwHtmlView)

struct KwHtmlView : ::testing::Test
{
    CWnd m_parent;
    CHostHtmlView* m_pView = nullptr;

    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), "html", WS_POPUP, CRect(0, 0, 400, 300), NULL, 0));
        m_pView = (CHostHtmlView*)RUNTIME_CLASS(CHostHtmlView)->CreateObject();
        ASSERT_TRUE(m_pView->Create(NULL, NULL, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 400, 300), &m_parent, AFX_IDW_PANE_FIRST));
    }
    void TearDown() override { m_parent.DestroyWindow(); }
};

} // namespace

TEST_F(KwHtmlView, ContentsAreWrittenOnceIntoTheBlankPage)
{
    TempPath file("kw_html_view_page.html");
    FILE* f = fopen(file.c_str(), "wb");
    ASSERT_TRUE(f);
    fputs("<p>From the file</p>", f);
    fclose(f);
    const std::string strFile = file.c_str();

    // Set before the initial update: shown once the blank page has loaded (in the system code page).
    m_pView->SetContents("<b>Caf\xE9</b> <a href=\"" + CString(file.c_str()) + "\">file</a>");
    EXPECT_FALSE(m_pView->IsEmptyContents());
    m_pView->OnInitialUpdate();
    EXPECT_TRUE(m_pView->IsEmptyContents());
    WCHAR szE[2] = {};
    ::MultiByteToWideChar(CP_ACP, 0, "\xE9", 1, szE, 1);
    char szUtf8[8] = {};
    ::WideCharToMultiByte(CP_UTF8, 0, szE, 1, szUtf8, sizeof szUtf8, NULL, NULL);
    EXPECT_EQ("Caf" + std::string(szUtf8) + " file ", m_pView->Text());

    // A link refused by the host keeps the page; allowed, it navigates. The file completes
    // while new contents wait: they are not written into it, but into the next blank page.
    const CHtmlDisplayList::CLink link = m_pView->GetDisplayList().links.at(0);
    LPARAM lParam = MAKELPARAM(link.box.left + 1, link.box.top + 1);
    m_pView->m_bRefuse = true;
    m_pView->SendMessage(WM_LBUTTONUP, 0, lParam);
    m_pView->m_bRefuse = false;
    m_pView->SetContents("<p>Second");
    m_pView->SendMessage(WM_LBUTTONUP, 0, lParam);
    EXPECT_FALSE(m_pView->IsEmptyContents());
    m_pView->Navigate2("about:blank");
    m_pView->Navigate2("about:blank"); // a second load does not write them again

    EXPECT_EQ("click about:blank|complete about:blank|shows Caf" + std::string(szUtf8) + " file |"
              "click " + strFile + " refused|"
              "click " + strFile + "|complete " + strFile + "|shows From the file |"
              "click about:blank|complete about:blank|shows Second |"
              "click about:blank|complete about:blank|shows |", m_pView->m_log);
}

TEST_F(KwHtmlView, ThePageAndItsLinksFollowTheDpi)
{
    m_pView->SetContents("<p><a href=\"x.html\">link</a> <b>Bold text</b></p>");
    m_pView->OnInitialUpdate();
    CRect ink[2]; // of everything not in the page's colour, at 96 and 192 DPI
    for (int i = 0; i < 2; ++i) {
        m_pView->SendMessage(WM_DPICHANGED, MAKEWPARAM(96 * (i + 1), 96 * (i + 1)));
        TestSurface surface(400, 300);
        m_pView->SendMessage(WM_PRINTCLIENT, (WPARAM)surface.DC().m_hDC, PRF_CLIENT);
        for (int x = 0, y = 0; y < 300; x = (x + 1) % 400, y += x == 0)
            ink[i] |= surface.Pixel(x, y) != surface.Pixel(399, 299) ? CRect(x, y, x + 1, y + 1) : CRect();
    }
    for (int edge = 0; edge < 4; ++edge)
        EXPECT_NEAR(2 * (&ink[0].left)[edge], (&ink[1].left)[edge], 3) << edge;
    const CHtmlDisplayList::CBox link = m_pView->GetDisplayList().links.at(0).box;
    m_pView->m_bRefuse = true; // a click where the DPI puts the link's corner reaches the host
    m_pView->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(link.right * 2 - 2, link.bottom * 2 - 2));
    EXPECT_NE(std::string::npos, m_pView->m_log.find("click x.html refused|"));
}

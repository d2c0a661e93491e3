// The HTML view on Windows: text a host writes through the document's IHTMLDocument2 laid out
// with GDI and painted, navigation through links with its events in order, and the document's
// COM surface.
#include <afxhtml.h>
#include <gtest/gtest.h>
#include <mshtml.h>

#include "support/TempPath.h"
#include "support/TestColors.h"
#include "support/TestSurface.h"

#include <cstdio>
#include <memory>
#include <string>

namespace {

class CRecordingHtmlView : public CHtmlView
{
    DECLARE_DYNCREATE(CRecordingHtmlView)
public:
    std::string m_log;
    bool m_bCancel = false;

    void OnBeforeNavigate2(LPCTSTR lpszURL, DWORD, LPCTSTR, CByteArray& baPostedData, LPCTSTR, BOOL* pbCancel) override
    {
        m_log += "before " + std::string(lpszURL) + (baPostedData.GetSize() ? " posting" : "") + (m_bCancel ? " cancelled" : "") + "|";
        *pbCancel = m_bCancel;
    }
    void OnDocumentComplete(LPCTSTR lpszURL) override { m_log += "complete " + std::string(lpszURL) + "|"; }
};
IMPLEMENT_DYNCREATE(CRecordingHtmlView, CHtmlView)

struct HtmlView : ::testing::Test
{
    CWnd m_parent;
    CRecordingHtmlView* m_pView = nullptr;

    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), "html", WS_POPUP | WS_VISIBLE, CRect(0, 0, 420, 300), NULL, 0));
        // Made by its run-time class, as a document template makes it.
        m_pView = (CRecordingHtmlView*)RUNTIME_CLASS(CRecordingHtmlView)->CreateObject();
        ASSERT_TRUE(m_pView->Create(NULL, NULL, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 420, 300), &m_parent, AFX_IDW_PANE_FIRST));
    }
    void TearDown() override { m_parent.DestroyWindow(); }

    static HRESULT Write(IDispatch* pDisp, const wchar_t* pszHtml, bool bClose = true)
    {
        IHTMLDocument2* pDoc = NULL;
        HRESULT hr = pDisp->QueryInterface(IID_IHTMLDocument2, (void**)&pDoc);
        if (FAILED(hr))
            return hr;
        SAFEARRAY* psa = ::SafeArrayCreateVector(VT_VARIANT, 0, 1);
        VARIANT* pv = NULL;
        ::SafeArrayAccessData(psa, (void**)&pv);
        pv->vt = VT_BSTR;
        pv->bstrVal = ::SysAllocString(pszHtml);
        ::SafeArrayUnaccessData(psa);
        hr = pDoc->write(psa);
        if (SUCCEEDED(hr) && bClose)
            hr = pDoc->close();
        ::SafeArrayDestroy(psa);
        pDoc->Release();
        return hr;
    }
    HRESULT Write(const wchar_t* pszHtml)
    {
        IDispatch* pDisp = m_pView->GetHtmlDocument();
        HRESULT hr = Write(pDisp, pszHtml);
        pDisp->Release();
        return hr;
    }
    const CHtmlDisplayList::CItem* Find(const char* pszText) const
    {
        for (const auto& item : m_pView->GetDisplayList().items)
            if (item.strText == pszText)
                return &item;
        return nullptr;
    }
    // A click on the link showing this text, where the view shows it now.
    void Click(const char* pszText)
    {
        const CHtmlDisplayList::CItem* pItem = Find(pszText);
        ASSERT_NE(nullptr, pItem) << pszText;
        int x = (pItem->box.left + pItem->box.right) / 2 - m_pView->GetScrollPos(SB_HORZ);
        int y = (pItem->box.top + pItem->box.bottom) / 2 - m_pView->GetScrollPos(SB_VERT);
        m_pView->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        m_pView->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }
};

std::string Runs(const CHtmlDisplayList& list)
{
    std::string s;
    for (const auto& item : list.items) {
        if (item.nKind != CHtmlDisplayList::CItem::kindText)
            continue;
        char sz[32];
        snprintf(sz, sizeof sz, " %06X", (unsigned)item.cr);
        s += item.strText + " " + std::to_string(item.font.nSize) + (item.font.bBold ? "b" : "") + (item.font.bItalic ? "i" : "") +
            (item.font.bUnderline ? "u" : "") + sz + "|";
    }
    return s;
}

} // namespace

TEST_F(HtmlView, WrittenReportIsLaidOutWithGdiAndPainted)
{
    ASSERT_EQ(S_OK, Write(L"<h1>Report</h1><p><b>Bold</b> <i>Italic</i> <u>Under</u> <font color=#FF0000 size=5>Red</font>"
                          L"<table border=1><tr><th>Name<td bgcolor=#00FF00>Value</table><ul><li>item</ul>"
                          L"<a href=\"#x\">link</a>"));
    const CHtmlDisplayList& list = m_pView->GetDisplayList();
    EXPECT_EQ("Report 32b 000000|Bold 16b 000000|Italic 16i 000000|Under 16u 000000|Red 24 0000FF|"
              "Name 16b 000000|Value 16 000000|item 16 000000|\xE2\x80\xA2 16 000000|link 16u EE0000|", Runs(list));
    // Real metrics: runs on one line share a baseline, and the words follow each other.
    const auto *pBold = Find("Bold"), *pItalic = Find("Italic"), *pRed = Find("Red");
    ASSERT_TRUE(pBold && pItalic && pRed);
    EXPECT_EQ(pBold->box.top + pBold->nAscent, pRed->box.top + pRed->nAscent);
    EXPECT_LT(pBold->box.right, pItalic->box.left);
    EXPECT_GT(pRed->box.bottom - pRed->box.top, pBold->box.bottom - pBold->box.top);

    TestSurface surface(420, 300, kMagenta);
    m_pView->SendMessage(WM_PRINTCLIENT, (WPARAM)surface.DC().m_hDC, PRF_CLIENT);
    EXPECT_EQ(kWhite, surface.Pixel(2, 2));
    const auto* pValue = Find("Value");
    ASSERT_TRUE(pValue);
    EXPECT_EQ(kGreen, surface.Pixel(pValue->box.left - 1, pValue->box.top)); // the cell's background
    EXPECT_EQ(RGB(128, 128, 128), surface.Pixel(pValue->box.left - 2, pValue->box.top)); // its border
    EXPECT_GT(surface.Count(CRect(pRed->box.left, pRed->box.top, pRed->box.right, pRed->box.bottom), kRed), 10);
    EXPECT_EQ(0, surface.Count(CRect(0, 0, 420, pRed->box.top), kRed));
    EXPECT_GT(surface.Count(CRect(pBold->box.left, pBold->box.top, pBold->box.right, pBold->box.bottom), kBlack), 10);
}

// A run of several words is drawn as wide as it was measured, up to the next run; Wine draws
// unsmoothed glyphs narrower than it measures them unless told their advances.
TEST_F(HtmlView, RunsAreDrawnAsWideAsTheyWereMeasured)
{
    ASSERT_EQ(S_OK, Write(L"<p>Utilisation of the cross section <b>0.82</b>"));
    const auto *pRun = Find("Utilisation of the cross section"), *pBold = Find("0.82");
    ASSERT_TRUE(pRun && pBold);
    TestSurface surface(420, 300, kWhite);
    m_pView->SendMessage(WM_PRINTCLIENT, (WPARAM)surface.DC().m_hDC, PRF_CLIENT);
    int xInk = -1;
    for (int x = pRun->box.left; x < pBold->box.left; x++)
        if (surface.Count(CRect(x, pRun->box.top, x + 1, pRun->box.bottom), kWhite) < pRun->box.bottom - pRun->box.top)
            xInk = x;
    EXPECT_GE(xInk, pRun->box.right - 3);
    EXPECT_LT(xInk, pRun->box.right);
}

TEST_F(HtmlView, LinksNavigateThroughOnBeforeNavigate2)
{
    TempPath file("html_view_next.html");
    {
        std::string strFar;
        for (int i = 0; i < 40; i++)
            strFar += "<p>line</p>";
        FILE* f = fopen(file.c_str(), "wb");
        ASSERT_TRUE(f);
        std::string strPage = "<a href=\"#far\">down</a>" + strFar + "<h2 id=far>Far</h2><a href=\"about:blank\">blank</a>";
        fwrite(strPage.data(), 1, strPage.size(), f);
        fclose(f);
    }
    const std::string strFile = file.c_str();
    m_pView->Navigate2("about:blank");
    ASSERT_EQ(S_OK, Write((L"<a href=\"" + std::wstring(strFile.begin(), strFile.end()) + L"\">next</a> <a href=\"missing.html\">gone</a>").c_str()));

    m_pView->m_bCancel = true;
    Click("next"); // cancelled: the page stays
    EXPECT_EQ("about:blank", std::string(m_pView->GetLocationURL()));
    EXPECT_NE(nullptr, Find("next"));
    m_pView->m_bCancel = false;
    Click("next");
    EXPECT_EQ(strFile, std::string(m_pView->GetLocationURL()));
    ASSERT_NE(nullptr, Find("Far"));
    const int yFar = Find("Far")->box.top;
    EXPECT_EQ(0, m_pView->GetScrollPos(SB_VERT));
    Click("down"); // a place in the page: it scrolls there, nothing loads
    CRect rcClient;
    m_pView->GetClientRect(&rcClient);
    const int yBottom = m_pView->GetDisplayList().cy - rcClient.Height();
    EXPECT_EQ(std::min(yFar, yBottom), m_pView->GetScrollPos(SB_VERT));
    // The keys scroll within the page's bounds.
    std::string strKeys;
    for (UINT nKey : { VK_HOME, VK_DOWN, VK_NEXT, VK_UP, VK_END, VK_DOWN, VK_PRIOR }) {
        m_pView->SendMessage(WM_KEYDOWN, nKey);
        strKeys += std::to_string(m_pView->GetScrollPos(SB_VERT)) + " ";
    }
    const int nPage = rcClient.Height() - 20;
    EXPECT_EQ("0 20 " + std::to_string(20 + nPage) + " " + std::to_string(nPage) + " " + std::to_string(yBottom) + " " +
        std::to_string(yBottom) + " " + std::to_string(yBottom - nPage) + " ", strKeys);
    Click("blank");
    EXPECT_EQ(nullptr, Find("Far"));
    m_pView->Navigate2("missing.html", 0, NULL, NULL, (LPVOID)"q=1", 3);
    EXPECT_NE(std::string::npos, Runs(m_pView->GetDisplayList()).find("cannot be shown"));

    EXPECT_EQ("before about:blank|complete about:blank|"
              "before " + strFile + " cancelled|"
              "before " + strFile + "|complete " + strFile + "|"
              "before #far|"
              "before about:blank|complete about:blank|"
              "before missing.html posting|complete missing.html|", m_pView->m_log);
}

TEST_F(HtmlView, DocumentAnswersItsComSurface)
{
    IDispatch* pDisp = m_pView->GetHtmlDocument();
    ASSERT_NE(nullptr, pDisp);
    IHTMLDocument2* pDoc = NULL;
    ASSERT_EQ(S_OK, pDisp->QueryInterface(IID_IHTMLDocument2, (void**)&pDoc));
    IUnknown* pOther = NULL;
    EXPECT_EQ(E_NOINTERFACE, pDisp->QueryInterface(IID_IHTMLDocument3, (void**)&pOther));
    BSTR bstrTitle = NULL;
    EXPECT_EQ(E_NOTIMPL, pDoc->get_title(&bstrTitle));
    EXPECT_EQ(E_INVALIDARG, pDoc->write(NULL));

    // Pieces are kept until close, numbers become their text; close shows them all at once.
    ASSERT_EQ(S_OK, Write(pDisp, L"<p>one ", false));
    SAFEARRAY* psa = ::SafeArrayCreateVector(VT_VARIANT, 0, 1);
    LONG i = 0;
    VARIANT v;
    v.vt = VT_I4;
    v.lVal = 42;
    ::SafeArrayPutElement(psa, &i, &v);
    EXPECT_EQ(S_OK, pDoc->write(psa));
    ::SafeArrayDestroy(psa);
    EXPECT_EQ(nullptr, Find("one 42"));
    EXPECT_EQ(S_OK, pDoc->close());
    EXPECT_NE(nullptr, Find("one 42"));

    // The document outlives its view: it is detached, not freed under the host.
    m_parent.DestroyWindow();
    EXPECT_EQ(S_OK, Write(pDisp, L"<p>late"));
    pDoc->Release();
    EXPECT_EQ(0u, pDisp->Release());
}

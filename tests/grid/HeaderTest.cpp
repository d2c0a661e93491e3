// HeaderTest.cpp: the column header: fitting the columns to its width, the user's drag with
// auto resize, widths remembered in the profile (also across two grids), and its flat painting.
#include "GridHost.h"
#include "grid/KwHeaderCtrl.h"
#include "support/TestRegistryApp.h"
#include "support/TestSurface.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A dialog that keeps the notifications its children send, to see what reaches the parent, and
// may ask its children for notifications in wide characters.
class HeaderParent : public GridHost
{
public:
    std::vector<UINT> m_codes;
    bool m_bUnicode = false;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_NOTIFYFORMAT && lParam == NF_QUERY)
            return m_bUnicode ? NFR_UNICODE : NFR_ANSI;
        return GridHost::WindowProc(message, wParam, lParam);
    }

    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        const NMHDR* pHdr = reinterpret_cast<const NMHDR*>(lParam);
        if (pHdr->code == HDN_ENDTRACKA || pHdr->code == HDN_ENDTRACKW)
            m_codes.push_back(pHdr->code);
        return GridHost::OnNotify(wParam, lParam, pResult);
    }
};

std::vector<int> Widths(const CHeaderCtrl& header)
{
    std::vector<int> widths;
    for (int i = 0; i < header.GetItemCount(); ++i)
    {
        HDITEMA item = {};
        item.mask = HDI_WIDTH;
        header.GetItem(i, &item);
        widths.push_back(item.cxy);
    }
    return widths;
}

// A header of its own in the dialog, nWidth pixels wide, with one item per width.
struct StandaloneHeader
{
    StandaloneHeader(CWnd& parent, int nWidth, std::vector<int> widths)
    {
        EXPECT_TRUE(header.Create(WS_CHILD | WS_VISIBLE | CCS_TOP | HDS_BUTTONS, CRect(0, 0, nWidth, 24), &parent, 50));
        header.SetFont(CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT)));
        int i = 0;
        for (int w : widths)
            header.AddItem(CString((char)('A' + i++)), w);
    }
    CKwHeaderCtrl header;
};

// The user drags the divider at the right of item nItem (at x) to x + nBy.
void Drag(CHeaderCtrl& header, int x, int nBy)
{
    header.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 5));
    header.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x + nBy, 5));
    header.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(x + nBy, 5));
}

DWORD StoredWidth(const TestRegistryApp& app, const char* section, const char* entry)
{
    DWORD type = 0;
    std::string data;
    if (!app.Get(HKEY_CURRENT_USER, section, entry, type, data) || type != REG_DWORD || data.size() != 4)
        return 0xFFFFFFFF;
    return *reinterpret_cast<const DWORD*>(data.data());
}

} // namespace

TEST(Header, FitsItsWidthInProportionOrByStretchingOneItem)
{
    GridHost host;
    StandaloneHeader scaled(host, 200, {50, 30, 20});
    scaled.header.SetAutoResizeItems(TRUE, -1);
    EXPECT_EQ(std::vector<int>({100, 60, 40}), Widths(scaled.header));

    StandaloneHeader stretched(host, 200, {50, 30, 20});
    stretched.header.SetAutoResizeItems(TRUE, 1);
    EXPECT_EQ(std::vector<int>({50, 130, 20}), Widths(stretched.header));
    stretched.header.MoveWindow(0, 0, 50, 24);
    EXPECT_EQ(std::vector<int>({50, 0, 20}), Widths(stretched.header)) << "the stretch item does not go below 0";

    // Rounding half up for all but the last, which takes the rest: 33.33.. 33.33.. 33.33..
    StandaloneHeader rounded(host, 101, {10, 10, 10});
    rounded.header.SetAutoResizeItems(TRUE);
    EXPECT_EQ(std::vector<int>({34, 34, 33}), Widths(rounded.header));
    rounded.header.SetItemWidth(0, 51);
    // 51, 34, 33 scaled by 101 / 118: 43.66, 29.1, and the rest.
    EXPECT_EQ(std::vector<int>({44, 29, 28}), Widths(rounded.header)) << "a set width is fitted at once";

    StandaloneHeader narrow(host, 3, {50, 30, 20});
    narrow.header.SetAutoResizeItems(TRUE);
    EXPECT_EQ(std::vector<int>({50, 30, 20}), Widths(narrow.header)) << "3 pixels or less: left alone";
    // Nothing to scale: the last item takes the whole width; rounding never leaves it below 0.
    StandaloneHeader empty(host, 90, {0, 0});
    empty.header.SetAutoResizeItems(TRUE);
    EXPECT_EQ(std::vector<int>({0, 90}), Widths(empty.header));
    StandaloneHeader tiny(host, 5, {3, 3, 3, 0});
    tiny.header.SetAutoResizeItems(TRUE);
    EXPECT_EQ(std::vector<int>({2, 2, 2, 0}), Widths(tiny.header)) << "1.67 rounds to 2 three times: 6 of 5";
}

TEST(Header, CountsItsItemsAsTheyComeAndGoWhoeverAddsThem)
{
    GridHost host;
    StandaloneHeader h(host, 200, {50, 30, 20});
    EXPECT_EQ(3, h.header.GetItemCount());
    h.header.SendMessage(HDM_DELETEITEM, 1);
    EXPECT_EQ(2, h.header.GetItemCount());
    HDITEMW item = {};
    item.mask = HDI_WIDTH;
    item.cxy = 40;
    ::SendMessageW(h.header.m_hWnd, HDM_INSERTITEMW, 0, (LPARAM)&item);
    EXPECT_EQ(3, h.header.GetItemCount());

    // The grid's columns are its header's items: a cell of a removed column reads as default.
    host.AddColumns(2);
    host.m_grid.SetTextItem(1, 0, "b");
    host.m_grid.GetHeaderCtrl()->SendMessage(HDM_DELETEITEM, 1);
    EXPECT_EQ(1u, host.m_grid.GetColumnCount());
    EXPECT_STREQ("", host.m_grid.GetItemText(1, 0));

    h.header.DestroyWindow();
    EXPECT_EQ(0, h.header.GetItemCount());
}

TEST(Header, DragWithAutoResizeScalesTheItemsToTheRightAndReachesTheParent)
{
    HeaderParent host;
    for (bool bUnicode : {false, true})
    {
        host.m_bUnicode = bUnicode;
        host.m_codes.clear();
        StandaloneHeader h(host, 300, {100, 100, 100});
        h.header.SetAutoResizeItems(TRUE);
        Drag(h.header, 100, 50);
        // R = 200, factor 0.75: 75 truncated; the last gets 301 - 150 - 75.
        EXPECT_EQ(std::vector<int>({150, 75, 76}), Widths(h.header));
        EXPECT_EQ(std::vector<UINT>({bUnicode ? (UINT)HDN_ENDTRACKW : (UINT)HDN_ENDTRACKA}), host.m_codes)
            << "the end of the drag goes on to the parent, in the characters it asked for";
    }

    // Dragged beyond all items to its right: they are left empty, not negative.
    StandaloneHeader beyond(host, 300, {100, 100, 100});
    beyond.header.SetAutoResizeItems(TRUE);
    Drag(beyond.header, 100, 250);
    EXPECT_EQ(std::vector<int>({350, 0, 0}), Widths(beyond.header));

    // Without auto resize only the dragged item changes.
    StandaloneHeader plain(host, 300, {100, 100, 100});
    Drag(plain.header, 200, -30);
    EXPECT_EQ(std::vector<int>({100, 70, 100}), Widths(plain.header));
}

TEST(Header, RemembersWidthsInTheProfileAlsoAcrossTwoGrids)
{
    TestRegistryApp app("grid");
    GridHost host;
    const DWORD dw80 = 80;
    ASSERT_TRUE(app.Set(HKEY_CURRENT_USER, "Widths", "Item1", REG_DWORD, &dw80, sizeof(dw80)));
    // Values no one could have dragged, or of the wrong type, give the caller's width.
    const DWORD dwHuge = 0x7FFFFFFF;
    ASSERT_TRUE(app.Set(HKEY_CURRENT_USER, "Widths", "Item2", REG_DWORD, &dwHuge, sizeof(dwHuge)));
    ASSERT_TRUE(app.Set(HKEY_CURRENT_USER, "Widths", "Item3", REG_SZ, "90", 3));

    CKwHeaderCtrl header;
    header.SetRegKey("Widths");
    ASSERT_TRUE(header.Create(WS_CHILD | WS_VISIBLE | CCS_TOP | HDS_BUTTONS, CRect(0, 0, 400, 24), &host, 50));
    for (int i = 0; i < 4; ++i)
        header.AddItem("x", 40);
    EXPECT_EQ(std::vector<int>({40, 80, 40, 40}), Widths(header));

    // The end of a drag writes every item's width, auto resize or not.
    Drag(header, 40, 20);
    EXPECT_EQ(std::vector<DWORD>({60, 80, 40, 40}),
        std::vector<DWORD>({StoredWidth(app, "Widths", "Item0"), StoredWidth(app, "Widths", "Item1"),
            StoredWidth(app, "Widths", "Item2"), StoredWidth(app, "Widths", "Item3")}));

    // Without a section nothing is read or written.
    CKwHeaderCtrl unnamed;
    ASSERT_TRUE(unnamed.Create(WS_CHILD | WS_VISIBLE | CCS_TOP | HDS_BUTTONS, CRect(0, 0, 400, 24), &host, 51));
    unnamed.AddItem("x", 33);
    unnamed.AddItem("y", 33);
    EXPECT_EQ(std::vector<int>({33, 33}), Widths(unnamed));
    Drag(unnamed, 33, 10);
    EXPECT_EQ(60u, StoredWidth(app, "Widths", "Item0"));

    // A grid keeps them under its key and "\HeaderCtrl": a second grid opens with what the user
    // left in the first.
    {
        GridHost first;
        first.m_grid.SetRegKey("Grid");
        first.AddColumns(3, 80);
        Drag(*first.m_grid.GetHeaderCtrl(), 80, 25);
    }
    EXPECT_EQ(105u, StoredWidth(app, "Grid\\HeaderCtrl", "Item0"));
    GridHost second;
    second.m_grid.SetRegKey("Grid");
    second.AddColumns(3, 80);
    EXPECT_EQ(std::vector<int>({105, 80, 80}), Widths(*second.m_grid.GetHeaderCtrl()));
}

TEST(Header, PaintsFlatWithEtchedSeparatorsAndJustifiedTexts)
{
    GridHost host;
    StandaloneHeader h(host, 240, {80, 80, 80});
    HDITEMA item = {};
    item.mask = HDI_FORMAT;
    item.fmt = HDF_STRING | HDF_RIGHT;
    h.header.SetItem(1, &item);
    item.fmt = HDF_STRING | HDF_JUSTIFYMASK; // no justification of its own: no text
    h.header.SetItem(2, &item);

    TestSurface surface(240, 24, RGB(255, 0, 255));
    h.header.SendMessage(WM_PAINT, (WPARAM)surface.DC().m_hDC);
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE), light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    ASSERT_NE(face, light);
    ASSERT_NE(face, shadow);
    EXPECT_EQ(light, surface.Pixel(120, 0));
    EXPECT_EQ(light, surface.Pixel(0, 12));
    EXPECT_EQ(shadow, surface.Pixel(120, 23));
    EXPECT_EQ(shadow, surface.Pixel(239, 12));
    // Separators 2 pixels short of top and bottom: shadow at the item's right edge, light after.
    const std::vector<std::pair<COLORREF, char>> legend = {{face, '.'}, {light, 'L'}, {shadow, 'S'}};
    EXPECT_EQ("LLLLL\n"
              ".....\n"
              "..SL.\n"
              "..SL.\n",
        surface.Picture(CRect(78, 0, 83, 4), legend));
    EXPECT_EQ("..SL.\n"
              ".....\n"
              "SSSSS\n",
        surface.Picture(CRect(78, 21, 83, 24), legend));

    // Texts kept (client height - font height) from their item's sides: item 0 at its left,
    // item 1 at its right, item 2 nowhere.
    TEXTMETRICA tm = {};
    surface.DC().SelectObject(CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT)));
    surface.DC().GetTextMetrics(&tm);
    const int nMargin = 24 - tm.tmHeight;
    std::vector<int> ink;
    for (int x = 0; x < 240; ++x)
        for (int y = 2; y < 21; ++y)
            if (surface.Pixel(x, y) == ::GetSysColor(COLOR_BTNTEXT))
            {
                ink.push_back(x);
                break;
            }
    ASSERT_FALSE(ink.empty());
    EXPECT_GE(ink.front(), nMargin);
    EXPECT_LE(ink.front(), nMargin + 1);
    EXPECT_GE(ink.back(), 160 - nMargin - 3);
    EXPECT_LE(ink.back(), 160 - nMargin - 1);
    for (int x : ink)
        EXPECT_TRUE(x < 40 || (x >= 120 && x < 160)) << "ink at " << x;
}

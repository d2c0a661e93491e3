// The image choice dialog over picture files written through GDI+ into a folder of its own: what
// it shows and at what size, the thumbnails as the window scrolls, the selection frame on pixels,
// and what the dialog hands back after a double click, "Browse..." and Cancel.
#include <gtest/gtest.h>

#include "core/CoreGlobalMethods.h"
#include "pickers/DialogImageChoiceWnd.h"
#include "pickers/KwImage.h"
#include "pickers/PictureFile.h"
#include "support/ModalDialogDriver.h"
#include "support/TestSurface.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace {

using Gdiplus::ARGB;

struct Picture
{
    const char* name;
    const WCHAR* mime;
    int width, height;
    COLORREF color;
};
// Beside them in the folder: a text file, a damaged picture and a folder named like a picture.
const Picture pictures[] = {{"red.BMP", L"image/bmp", 32, 32, RGB(255, 0, 0)}, {"green.png", L"image/png", 200, 50, RGB(0, 160, 0)},
    {"blue.jpg", L"image/jpeg", 100, 100, RGB(0, 0, 255)}, {"yellow.gif", L"image/gif", 16, 16, RGB(255, 255, 0)}};
// The formats compared on exact pixels: all but JPEG.
const UINT kExact = CCoreGlobalMethods::ImageBmp | CCoreGlobalMethods::ImagePng | CCoreGlobalMethods::ImageGif;

const Picture& Find(const CString& path)
{
    static const Picture none = {"", L"", 0, 0, 0};
    for (const Picture& p : pictures)
        if (path.Right((int)strlen(p.name) + 1) == CString("\\") + p.name)
            return p;
    return none;
}

// Reaches the thumbnails behind the pixels.
class ChoiceWnd : public CDialogImageChoiceWnd
{
public:
    int Count() const { return (int)m_arrImages.GetSize(); }
    CString Name(int i) const { return m_arrFileNames[i]; }
};

class ImageChoice : public ::testing::Test
{
protected:
    std::string m_folder;
    CWnd m_parent;

    void SetUp() override
    {
        char temp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, temp);
        ::GetLongPathNameA(temp, temp, MAX_PATH);
        m_folder = std::string(temp) + "kwchoice" + std::to_string(::GetCurrentProcessId());
        std::filesystem::create_directories(Path("sub.png"));
        for (const Picture& p : pictures) {
            ARGB argb = 0xFF000000 | GetRValue(p.color) << 16 | GetGValue(p.color) << 8 | GetBValue(p.color);
            const ARGB quarters[4] = {argb, argb, argb, argb};
            ASSERT_TRUE(WritePicture(Path(p.name).c_str(), p.mime, p.width, p.height, quarters)) << p.name;
        }
        for (const char* name : {"notes.txt", "broken.png"})
            std::ofstream(Path(name)) << "not a picture";
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, CRect(0, 0, 400, 300), NULL, 0));
    }
    void TearDown() override
    {
        m_parent.DestroyWindow();
        std::filesystem::remove_all(m_folder);
    }
    std::string Path(const char* name) const { return m_folder + "\\" + name; }
    // The window over the folder, its client area made cx by cy.
    void Open(ChoiceWnd& wnd, const std::string& folder, UINT formats, int cx, int cy)
    {
        wnd.m_nFormats = formats;
        wnd.m_strChoiceFolder = folder.c_str();
        ASSERT_TRUE(wnd.Create(CRect(0, 0, cx, cy), &m_parent));
        Resize(wnd, cx, cy);
    }
    // The scroll bar may come or go as the width changes: until the client area is right.
    static void Resize(CWnd& wnd, int cx, int cy)
    {
        for (int round = 0; round < 3; ++round) {
            CRect window, client;
            wnd.GetWindowRect(&window);
            wnd.GetClientRect(&client);
            wnd.SetWindowPos(NULL, 0, 0, window.Width() + cx - client.Width(), window.Height() + cy - client.Height(),
                SWP_NOMOVE | SWP_NOZORDER);
        }
    }
    static std::unique_ptr<TestSurface> Print(CWnd& wnd)
    {
        CRect client;
        wnd.GetClientRect(&client);
        std::unique_ptr<TestSurface> surface(new TestSurface(client.Width(), client.Height(), RGB(1, 2, 3)));
        wnd.SendMessage(WM_PRINTCLIENT, (WPARAM)surface->DC().m_hDC, PRF_CLIENT);
        return surface;
    }
    static std::string Range(CWnd& wnd)
    {
        int nMin = -1, nMax = -1;
        wnd.GetScrollRange(SB_VERT, &nMin, &nMax);
        return std::to_string(nMin) + ".." + std::to_string(nMax) + " at " + std::to_string(wnd.GetScrollPos(SB_VERT));
    }
};

TEST_F(ImageChoice, ShowsThePicturesOfItsFormatsCentredAtTheSizeTheyAreDrawnAt)
{
    ChoiceWnd missing; // a missing folder is said in words
    Open(missing, Path("missing"), kExact, 300, 80);
    EXPECT_EQ(0, missing.Count());
    EXPECT_GT(Print(missing)->Count(CRect(5, 5, 150, 20), ::GetSysColor(COLOR_GRAYTEXT)), 20);

    ChoiceWnd wnd; // all but the JPEG, in four columns of one row
    Open(wnd, m_folder + "\\", kExact, 300, 80);
    ASSERT_EQ(3, wnd.Count());
    std::unique_ptr<TestSurface> surface = Print(wnd);
    for (int i = 0; i < 3; ++i) {
        const Picture& p = Find(wnd.Name(i));
        SCOPED_TRACE(p.name);
        CSize size(std::min(p.width, 64), std::min(p.height, 64));
        CRect drawn(CPoint(5 + 69 * i + (64 - size.cx) / 2, 5 + (64 - size.cy) / 2), size);
        EXPECT_EQ(p.color, surface->Pixel(drawn.left, drawn.top));
        EXPECT_EQ(p.color, surface->Pixel(drawn.right - 1, drawn.bottom - 1));
        EXPECT_EQ(RGB(255, 255, 255), surface->Pixel(drawn.left - 1, drawn.top + 1));
        EXPECT_EQ(RGB(255, 255, 255), surface->Pixel(drawn.left + 1, drawn.bottom));
        EXPECT_EQ(0, remove(wnd.Name(i))); // only the thumbnails are kept: the files are free
    }
}

TEST_F(ImageChoice, CellsAndThumbnailsScaleWithTheDpi)
{
    ChoiceWnd wnd; // at 192 DPI a cell of 128 at (10, 10): the green picture, 200 by 50, at 128 by 50
    Open(wnd, m_folder, CCoreGlobalMethods::ImagePng, 300, 160);
    wnd.SendMessage(WM_DPICHANGED, MAKEWPARAM(192, 192));
    std::unique_ptr<TestSurface> surface = Print(wnd);
    const COLORREF green = RGB(0, 160, 0), white = RGB(255, 255, 255);
    EXPECT_EQ(std::vector<COLORREF>({green, green, white, white}), std::vector<COLORREF>({surface->Pixel(10, 49),
        surface->Pixel(137, 98), surface->Pixel(9, 60), surface->Pixel(20, 48)}));
}

TEST_F(ImageChoice, RowsScrollAndANarrowWindowKeepsOneColumn)
{
    const ARGB red[4] = {0xFFFF0000, 0xFFFF0000, 0xFFFF0000, 0xFFFF0000};
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(WritePicture(Path(("sub.png\\" + std::to_string(i) + ".png").c_str()).c_str(), L"image/png", 64, 64, red));
    ChoiceWnd wnd;
    Open(wnd, Path("sub.png"), CCoreGlobalMethods::ImagePng, 150, 180); // rows at 5, 74, 143
    // One character per cell position: R drawn, . empty; the third row does not fit.
    auto cells = [&](int columns) {
        std::unique_ptr<TestSurface> surface = Print(wnd);
        std::string seen;
        for (int row = 0; row < 3; ++row, seen += '|')
            for (int column = 0; column < columns; ++column)
                seen += surface->Pixel(5 + 69 * column + 32, 5 + 69 * row + 32) == RGB(255, 0, 0) ? 'R' : '.';
        return seen;
    };
    const struct { UINT code, pos; const char* range; } steps[] = {{SB_LINEDOWN, 0, "0..2 at 1"},
        {SB_BOTTOM, 0, "0..2 at 2"}, {SB_LINEDOWN, 0, "0..2 at 2"}, {SB_PAGEUP, 0, "0..2 at 0"},
        {SB_THUMBTRACK, 1, "0..2 at 1"}, {SB_LINEUP, 0, "0..2 at 0"}, {SB_PAGEDOWN, 0, "0..2 at 2"}, {SB_TOP, 0, "0..2 at 0"}};
    for (const auto& s : steps) {
        wnd.SendMessage(WM_VSCROLL, MAKEWPARAM(s.code, s.pos), 0);
        EXPECT_EQ(s.range, Range(wnd)) << s.code;
    }
    wnd.SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ("RR|R.|..|", cells(2));

    Resize(wnd, 40, 180);
    EXPECT_EQ("0..4 at 1", Range(wnd)); // the top row stays
    EXPECT_EQ("R|R|.|", cells(1)); // the one column shows, cut at the right
}

TEST_F(ImageChoice, AClickFramesAThumbnailAndADoubleClickChoosesIt)
{
    COLORREF chosen = 0;
    std::string states, frame; // OK enabled and the dialog up, before a choice and after
    ModalDialogDriver driver([&](HWND hDlg) {
        CWnd* pArea = CWnd::FromHandle(::GetDlgItem(hDlg, 0));
        HWND hOk = ::GetDlgItem(hDlg, IDOK);
        pArea->SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(2, 2)); // between the cells: nothing
        pArea->SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(2, 2));
        states = std::to_string(::IsWindowEnabled(hOk)) + std::to_string(::IsWindowVisible(hDlg));
        pArea->SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(74 + 63, 5));
        states += std::to_string(::IsWindowEnabled(hOk)) + std::to_string(::IsWindowVisible(hDlg));
        std::unique_ptr<TestSurface> surface = Print(*pArea);
        chosen = surface->Pixel(74 + 32, 37);
        // Four pixels left of the cell and above it, after the white of the margin.
        const std::vector<std::pair<COLORREF, char>> legend = {{RGB(255, 255, 255), '.'}, {RGB(0, 0, 0x7F), '#'}};
        frame = surface->Picture(CRect(69, 36, 74, 37), legend) + surface->Picture(CRect(106, 0, 107, 5), legend);
        pArea->SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(2, 2));
        pArea->SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(2, 2));
    }, "Choose Image");
    CString folder = m_folder.c_str(), browse = "C:\\", path = "kept";
    EXPECT_EQ(1, CCoreGlobalMethods::BrowseForImageWithChoice(kExact, folder, browse, path));
    EXPECT_EQ("0111", states);
    EXPECT_EQ(".####\n.\n#\n#\n#\n#\n", frame);
    EXPECT_EQ(Find(path).color, chosen) << path;
}

TEST_F(ImageChoice, BrowseChoosesAnyFileAndCancelChangesNothing)
{
    CString folder = m_folder.c_str(), browse = m_folder.c_str(), path = "kept";
    ModalDialogDriver cancel([](HWND hDlg) { ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0); }, "Choose Image");
    EXPECT_EQ(0, CCoreGlobalMethods::BrowseForImageWithChoice(kExact, folder, browse, path));
    EXPECT_EQ(CString("kept"), path);
    EXPECT_EQ(CString(m_folder.c_str()), browse);

    // The choice dialog must end with the file dialog; if it stays, the guard cancels it.
    std::unique_ptr<ModalDialogDriver> open, guard;
    ModalDialogDriver choose([&](HWND hDlg) {
        open.reset(new ModalDialogDriver([&](HWND hOpen) {
            ::SetDlgItemTextA(hOpen, edt1, "blue.jpg");
            ::SetDlgItemTextA(hOpen, cmb13, "blue.jpg");
            ::PostMessageA(hOpen, WM_COMMAND, IDOK, 0);
            guard.reset(new ModalDialogDriver([](HWND) {}, "Choose Image", 3000));
        }, "Open"));
        ::PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(7608, BN_CLICKED), (LPARAM)::GetDlgItem(hDlg, 7608));
    }, "Choose Image");
    EXPECT_EQ(1, CCoreGlobalMethods::BrowseForImageWithChoice(CCoreGlobalMethods::ImageJpg, folder, browse, path));
    EXPECT_EQ(CString(Path("blue.jpg").c_str()), path);
    EXPECT_EQ(CString((m_folder + "\\").c_str()), browse);
}

} // namespace

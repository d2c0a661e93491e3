// GalleryToolTips.cpp: tooltips shown over a patterned window and saved from the screen.
#include "GalleryToolTips.h"
#include "Gallery.h"
#include "GalleryToolTips.rh"

#include "tips/UxToolTip.h"

#include <memory>
#include <vector>

namespace {

const COLORREF kLightSquare = RGB(0xEC, 0xF0, 0xF8);
const COLORREF kDarkSquare = RGB(0xC4, 0xD2, 0xE8);
const COLORREF kMark = RGB(0xD0, 0x10, 0x10);

// A captioned window whose client area is a checkerboard with a few diagonal lines, so that the
// tips' shadows show over light and dark; small crosses mark where the tips point.
class CPatternWnd : public CWnd
{
public:
    std::vector<CPoint> m_marks;

    BOOL CreatePattern(const char* pszTitle, int cx, int cy)
    {
        CRect rc(0, 0, GalleryScaled(cx), GalleryScaled(cy));
        ::AdjustWindowRectEx(&rc, WS_OVERLAPPED | WS_CAPTION, FALSE, 0);
        rc.OffsetRect(GalleryScaled(60) - rc.left, GalleryScaled(60) - rc.top);
        if (!CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW)), pszTitle,
                      WS_OVERLAPPED | WS_CAPTION, rc, NULL, 0))
            return FALSE;
        ShowWindow(SW_SHOWNORMAL);
        UpdateWindow();
        return TRUE;
    }

    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        CRect rc;
        GetClientRect(&rc);
        const int nSquare = GalleryScaled(16);
        for (int y = 0; y < rc.bottom; y += nSquare)
            for (int x = 0; x < rc.right; x += nSquare)
                dc.FillSolidRect(x, y, nSquare, nSquare, ((x + y) / nSquare) % 2 ? kDarkSquare : kLightSquare);
        CPen pen(PS_SOLID, 1, RGB(0x90, 0xA4, 0xC4));
        CPen* pOldPen = dc.SelectObject(&pen);
        for (int x = -rc.bottom; x < rc.right; x += 3 * nSquare)
        {
            dc.MoveTo(x, rc.bottom);
            dc.LineTo(x + rc.bottom, 0);
        }
        CPen markPen(PS_SOLID, 1, kMark);
        dc.SelectObject(&markPen);
        for (CPoint pt : m_marks)
        {
            pt = CPoint(GalleryScaled(pt.x), GalleryScaled(pt.y));
            dc.MoveTo(pt.x - 5, pt.y);
            dc.LineTo(pt.x + 6, pt.y);
            dc.MoveTo(pt.x, pt.y - 5);
            dc.LineTo(pt.x, pt.y + 6);
        }
        dc.SelectObject(pOldPen);
    }
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPatternWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

// One tip to show at a point of the pattern, with the settings it overrides.
struct TipLook
{
    CPoint pt;
    CString sText;
    BOOL bBalloon = TRUE;
    UINT nMask = 0;
    DWORD nStyles = UXTT_STYLE_DEFAULT | UXTT_STYLE_SHADOW;
    UINT nDirection = UXTT_DIR_BELOW_RIGHT;
    UINT nEffect = UXTT_EFFECT_SOLID;
    COLORREF crBegin = 0, crMid = 0, crEnd = 0;
    HICON hIcon = NULL;
};

// Shows every tip as a help tip of its own tooltip window, one after the other so that each
// composes itself over the pattern and the tips shown before it, then saves the window's area
// of the screen.
bool ShowAndSave(CPatternWnd& wnd, const std::vector<TipLook>& tips, const char* pszFolder, const char* pszName,
                 void (*pSetUp)(CUxToolTip&) = NULL)
{
    std::vector<std::unique_ptr<CUxToolTip>> windows;
    for (const TipLook& look : tips)
    {
        windows.emplace_back(new CUxToolTip);
        CUxToolTip& tip = *windows.back();
        if (!tip.Create(&wnd, look.bBalloon))
            return false;
        if (pSetUp != NULL)
            pSetUp(tip);
        UXTOOLTIP_INFO ti;
        ti.hWnd = wnd.m_hWnd;
        ti.sTooltip = look.sText;
        ti.hIcon = look.hIcon;
        ti.nMask = UXTT_MASK_STYLES | UXTT_MASK_DIRECTION | look.nMask;
        ti.nStyles = look.nStyles;
        ti.nDirection = look.nDirection;
        ti.nEffect = look.nEffect;
        ti.nGranularity = 2;
        ti.crBegin = look.crBegin;
        ti.crMid = look.crMid;
        ti.crEnd = look.crEnd;
        CPoint pt(GalleryScaled(look.pt.x), GalleryScaled(look.pt.y));
        tip.ShowHelpTooltip(pt, ti);
        GalleryPump(150);
    }
    GalleryPump(200);
    CRect rc;
    wnd.GetWindowRect(&rc);
    return GallerySaveScreen(rc, pszFolder, pszName);
}

// The balloon with its anchor, rounded corners and shadow, beside the plain rectangle.
bool SaveForms(const char* pszFolder, HICON hIcon)
{
    CPatternWnd wnd;
    wnd.m_marks = {CPoint(40, 40), CPoint(330, 40)};
    if (!wnd.CreatePattern("Tooltip forms", 600, 170))
        return false;
    std::vector<TipLook> tips(2);
    tips[0].pt = CPoint(40, 40);
    tips[0].sText = "<b>Balloon</b><br>rounded corners, an anchor<br>pointing at the cursor and<br>a shadow";
    tips[0].hIcon = hIcon;
    tips[1].pt = CPoint(330, 40);
    tips[1].sText = "<b>Rectangle</b><br>thin margins, square corners,<br>no anchor and no shadow";
    tips[1].bBalloon = FALSE;
    tips[1].nStyles = UXTT_STYLE_ICON_VCENTER;
    tips[1].hIcon = hIcon;
    bool bSaved = ShowAndSave(wnd, tips, pszFolder, "tooltip-forms");
    wnd.DestroyWindow();
    return bSaved;
}

// Four tips pointing at four marks, one in each direction.
bool SaveDirections(const char* pszFolder)
{
    const CPoint points[4] = {CPoint(290, 120), CPoint(350, 120), CPoint(290, 190), CPoint(350, 190)};
    const char* texts[4] = {"<b>Direction 0</b><br>above, extending left", "<b>Direction 1</b><br>above, extending right",
                            "<b>Direction 2</b><br>below, extending left", "<b>Direction 3</b><br>below, extending right"};
    CPatternWnd wnd;
    wnd.m_marks.assign(points, points + 4);
    if (!wnd.CreatePattern("Tooltip directions", 640, 310))
        return false;
    std::vector<TipLook> tips(4);
    for (int i = 0; i < 4; i++)
    {
        tips[i].pt = points[i];
        tips[i].sText = texts[i];
        tips[i].nDirection = (UINT)i;
    }
    bool bSaved = ShowAndSave(wnd, tips, pszFolder, "tooltip-directions");
    wnd.DestroyWindow();
    return bSaved;
}

// The seven background effects in the same three colours.
bool SaveEffects(const char* pszFolder)
{
    const char* texts[7] = {
        "<b>Effect 0</b><br>solid, first colour",
        "<b>Effect 1</b><br>first to last, across",
        "<b>Effect 2</b><br>first to last, downwards",
        "<b>Effect 3</b><br>last in the middle, across",
        "<b>Effect 4</b><br>last in the middle, downwards",
        "<b>Effect 5</b><br>three colours, across",
        "<b>Effect 6</b><br>three colours, downwards",
    };
    CPatternWnd wnd;
    std::vector<TipLook> tips(7);
    for (int i = 0; i < 7; i++)
    {
        tips[i].pt = CPoint(24 + (i % 4) * 200, 24 + (i / 4) * 130);
        tips[i].sText = texts[i];
        tips[i].nMask = UXTT_MASK_EFFECT | UXTT_MASK_COLORS;
        tips[i].nEffect = (UINT)i;
        tips[i].crBegin = RGB(0xFF, 0xFF, 0xFF);
        tips[i].crMid = RGB(0xFF, 0xD8, 0x70);
        tips[i].crEnd = RGB(0x9C, 0xC4, 0xF4);
        wnd.m_marks.push_back(tips[i].pt);
    }
    if (!wnd.CreatePattern("Tooltip background effects", 810, 250))
        return false;
    bool bSaved = ShowAndSave(wnd, tips, pszFolder, "tooltip-effects");
    wnd.DestroyWindow();
    return bSaved;
}

// The pictures the markup names: an image list of four images and a bitmap drawn with magenta
// transparent.
void SetUpPictures(CUxToolTip& tip)
{
    tip.SetImageList(IDB_GALLERY_TIP_STRIP, 16, 16, 4, RGB(255, 0, 255));
    tip.AddNameOfResource("badge", IDB_GALLERY_TIP_BADGE, UXTT_RES_BITMAP_MASKED, RGB(255, 0, 255));
}

// One text using every tag.
bool SaveMarkup(const char* pszFolder, HICON hIcon)
{
    CPatternWnd wnd;
    wnd.m_marks = {CPoint(30, 24)};
    if (!wnd.CreatePattern("Tooltip markup", 420, 240))
        return false;
    std::vector<TipLook> tips(1);
    tips[0].pt = CPoint(30, 24);
    tips[0].hIcon = hIcon;
    tips[0].nMask = UXTT_MASK_EFFECT | UXTT_MASK_COLORS;
    tips[0].nEffect = UXTT_EFFECT_VGRADIENT;
    tips[0].crBegin = RGB(0xFF, 0xFF, 0xFF);
    tips[0].crEnd = RGB(0xFF, 0xF4, 0xC8);
    tips[0].sText.Format(
        "<b>Every tag of the markup</b><br>"
        "<b>bold</b>, <i>italic</i>, <u>struck out</u>, <s>underlined</s>, <b><i>bold italic</i></b><br>"
        "<ct=0x0000C0>red by value</ct>, <cti=2>green from slot 2</ct>, <cti=12>magenta from slot 12</ct><br>"
        "<cb=0x80FFFF>yellow background</cb>, <cbi=14>silver background from slot 14</cb><br>"
        "tabs:<t>one<t>two<t=2>two stops on<br>"
        "<hr=50%%><br>"
        "<hr=60> a rule of 60 pixels<br>"
        "<al_c>a centred line<br>"
        "<al_r>a right-aligned line<br>"
        "<al>image list: <ilst=0> <ilst=1> <ilst=2> <ilst=3>   icon: <icon=%u cx=16 cy=16><br>"
        "named bitmap: <img=badge>   scaled: <img=badge cx=20 cy=10>   bitmap: <bmp=%u mask=0xFF00FF>",
        IDI_GALLERY_TIP_INFO, IDB_GALLERY_TIP_BADGE);
    bool bSaved = ShowAndSave(wnd, tips, pszFolder, "tooltip-markup", SetUpPictures);
    wnd.DestroyWindow();
    return bSaved;
}

} // namespace

bool GalleryToolTips(const char* pszFolder)
{
    HICON hIcon = (HICON)::LoadImageA(::GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDI_GALLERY_TIP_INFO), IMAGE_ICON,
                                      32, 32, 0);
    bool bSaved = SaveForms(pszFolder, hIcon);
    bSaved = SaveDirections(pszFolder) && bSaved;
    bSaved = SaveEffects(pszFolder) && bSaved;
    bSaved = SaveMarkup(pszFolder, hIcon) && bSaved;
    if (hIcon != NULL)
        ::DestroyIcon(hIcon);
    return bSaved;
}

// UxTipPictures.cpp: loading, measuring and drawing the markup's pictures.
#include "tips/UxTipPictures.h"

#include "core/KwDpi.h"

#include <climits>

namespace {

// A picture side above this is refused: drawing it would allocate a bitmap of that size.
const int kMaxPictureSide = 2048;

// A size read from the markup: values beyond a picture's bound stay beyond it once narrowed.
int PictureSide(uint32_t n)
{
    return n > (uint32_t)kMaxPictureSide ? kMaxPictureSide + 1 : (int)n;
}

bool IsAcceptedPictureSize(CSize sz)
{
    return sz.cx >= 0 && sz.cy >= 0 && sz.cx <= kMaxPictureSide && sz.cy <= kMaxPictureSide;
}

} // namespace

BOOL CUxTipPictures::Picture(const CUxTipMarkup& markup, const UxTipRun& run, CDC* pDC, CPoint pt, int nLineHeight,
                             BOOL bMeasure, CSize& sz)
{
    CSize szAsked(PictureSide(run.cx), PictureSide(run.cy));
    const CString sName = run.nKind == UxTipRun::PICTURE ? CString(markup.Chars(run), run.nLength) : CString();
    if (m_nDpi != CKwDpi::kDefault && run.nKind != UxTipRun::IMAGE_LIST) {
        // A side the markup leaves open is the picture's own, and scales as well: an icon is then
        // loaded at the size of the screen, from the image of the resource that suits it best.
        CSize szOwn(0, 0);
        if ((szAsked.cx == 0 || szAsked.cy == 0) && !Draw(run, sName, NULL, pt, nLineHeight, TRUE, szAsked, szOwn))
            return FALSE;
        if (szAsked.cx == 0)
            szAsked.cx = szOwn.cx;
        if (szAsked.cy == 0)
            szAsked.cy = szOwn.cy;
        szAsked.cx = CKwDpi::Scale(szAsked.cx, m_nDpi);
        szAsked.cy = CKwDpi::Scale(szAsked.cy, m_nDpi);
    }
    return Draw(run, sName, pDC, pt, nLineHeight, bMeasure, szAsked, sz);
}

BOOL CUxTipPictures::Draw(const UxTipRun& run, const CString& sName, CDC* pDC, CPoint pt, int nLineHeight,
                          BOOL bMeasure, CSize szAsked, CSize& sz)
{
    switch (run.nKind) {
    case UxTipRun::PICTURE:
        sz = DrawResource(sName, pDC, pt, nLineHeight, szAsked, bMeasure);
        return TRUE;
    case UxTipRun::IMAGE_LIST:
        if (m_imageList.GetSafeHandle() == NULL)
            return FALSE;
        sz = DrawIconFromImageList(pDC, pt, m_szImage, m_imageList, run.nValue > INT_MAX ? -1 : (int)run.nValue,
                                   bMeasure);
        return TRUE;
    case UxTipRun::ICON:
        sz = DrawIcon(pDC, pt, nLineHeight, run.nValue, szAsked, bMeasure);
        return TRUE;
    case UxTipRun::BITMAP:
        sz = DrawBitmap(pDC, pt, nLineHeight, run.nValue, run.bMask, run.crMask, szAsked, bMeasure);
        return TRUE;
    default:
        return FALSE;
    }
}

CSize CUxTipPictures::DrawResource(const CString& sName, CDC* pDC, CPoint pt, int nLineHeight, CSize sz,
                                   BOOL bMeasure)
{
    int nIndex = Find(m_names, sName);
    if (nIndex < 0)
        return CSize(0, 0);
    const UXTOOLTIP_NAME_RES& res = m_names[nIndex];
    if (res.nID == 0)
        return CSize(0, 0);
    switch (res.nTypeRes) {
    case UXTT_RES_ICON:
        return DrawIcon(pDC, pt, nLineHeight, res.nID, sz, bMeasure);
    case UXTT_RES_BITMAP:
        return DrawBitmap(pDC, pt, nLineHeight, res.nID, FALSE, res.crMask, sz, bMeasure);
    case UXTT_RES_BITMAP_MASKED:
        return DrawBitmap(pDC, pt, nLineHeight, res.nID, TRUE, res.crMask, sz, bMeasure);
    }
    return CSize(0, 0);
}

CSize CUxTipPictures::DrawBitmap(CDC* pDC, CPoint pt, int nLineHeight, UINT nID, BOOL bUseMask, COLORREF crMask,
                                 CSize sz, BOOL bMeasure)
{
    if (!IsAcceptedPictureSize(sz))
        return CSize(0, 0);
    HBITMAP hBitmap = LoadBitmap(nID);
    if (hBitmap == NULL)
        return CSize(0, 0);
    BITMAP bm;
    if (::GetObject(hBitmap, sizeof(bm), &bm) != sizeof(bm)) {
        ::DeleteObject(hBitmap);
        return CSize(0, 0);
    }
    if (sz.cx == 0)
        sz.cx = bm.bmWidth;
    if (sz.cy == 0)
        sz.cy = bm.bmHeight;
    if (bMeasure || pDC == NULL || sz.cx <= 0 || sz.cy <= 0) {
        ::DeleteObject(hBitmap);
        return sz;
    }

    // The picture at its target size, in a bitmap of the target's kind.
    HDC hSourceDC = ::CreateCompatibleDC(pDC->m_hDC);
    HDC hCopyDC = ::CreateCompatibleDC(pDC->m_hDC);
    HBITMAP hCopy = ::CreateCompatibleBitmap(pDC->m_hDC, sz.cx, sz.cy);
    HGDIOBJ hOldSource = ::SelectObject(hSourceDC, hBitmap);
    HGDIOBJ hOldCopy = ::SelectObject(hCopyDC, hCopy);
    if (sz.cx == bm.bmWidth && sz.cy == bm.bmHeight) {
        ::BitBlt(hCopyDC, 0, 0, sz.cx, sz.cy, hSourceDC, 0, 0, SRCCOPY);
    } else {
        ::SetStretchBltMode(hCopyDC, COLORONCOLOR);
        ::StretchBlt(hCopyDC, 0, 0, sz.cx, sz.cy, hSourceDC, 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
    }
    ::SelectObject(hSourceDC, hOldSource);
    ::DeleteDC(hSourceDC);
    ::DeleteObject(hBitmap);

    CPoint ptTop(pt.x, pt.y + nLineHeight - sz.cy); // bottom-aligned in the line
    if (bUseMask) {
        ::SelectObject(hCopyDC, hOldCopy);
        CImageList img;
        if (hCopy && img.Create(sz.cx, sz.cy, ILC_COLOR32 | ILC_MASK, 1, 1)) {
            ImageList_AddMasked(img.m_hImageList, hCopy, crMask);
            DrawIconFromImageList(pDC, ptTop, sz, img, 0, FALSE);
        }
    } else {
        ::BitBlt(pDC->m_hDC, ptTop.x, ptTop.y, sz.cx, sz.cy, hCopyDC, 0, 0, SRCCOPY);
        ::SelectObject(hCopyDC, hOldCopy);
    }
    ::DeleteDC(hCopyDC);
    if (hCopy)
        ::DeleteObject(hCopy);
    return sz;
}

CSize CUxTipPictures::DrawIcon(CDC* pDC, CPoint pt, int nLineHeight, UINT nID, CSize sz, BOOL bMeasure)
{
    if (!IsAcceptedPictureSize(sz))
        return CSize(0, 0);
    HICON hIcon = LoadIcon(nID, sz);
    if (hIcon == NULL)
        return CSize(0, 0);
    CSize szIcon = SizeOfIcon(hIcon);
    if (!bMeasure && pDC)
        pDC->DrawState(CPoint(pt.x, pt.y + nLineHeight - szIcon.cy), szIcon, hIcon, DSS_NORMAL, (HBRUSH)NULL);
    ::DestroyIcon(hIcon);
    return szIcon;
}

CSize CUxTipPictures::DrawIconFromImageList(CDC* pDC, CPoint pt, CSize sz, CImageList& img, int nIndex, BOOL bMeasure)
{
    if (img.GetSafeHandle() == NULL || nIndex < 0 || nIndex >= img.GetImageCount())
        return CSize(0, 0);
    if (!bMeasure && pDC) {
        HICON hIcon = ImageList_GetIcon(img.m_hImageList, nIndex, ILD_NORMAL);
        if (hIcon) {
            pDC->DrawState(pt, sz, hIcon, DSS_NORMAL, (HBRUSH)NULL);
            ::DestroyIcon(hIcon);
        }
    }
    return sz;
}

int CUxTipPictures::Find(const CUxTipNamedPictures& names, const CString& sName)
{
    for (int i = 0; i < (int)names.GetSize(); i++)
        if (names[i].sName.CompareNoCase(sName) == 0)
            return i;
    return -1;
}

// Resource identifiers are 16-bit: a larger number from the markup names no resource (and must
// never reach the loader, which would take it for the address of a name).
HICON CUxTipPictures::LoadIcon(UINT nID, CSize szIcon)
{
    if (nID == 0 || !IS_INTRESOURCE(nID) || szIcon.cx < 0 || szIcon.cy < 0)
        return NULL;
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCE(nID), RT_GROUP_ICON);
    return (HICON)::LoadImage(hInst, MAKEINTRESOURCE(nID), IMAGE_ICON, szIcon.cx, szIcon.cy, 0);
}

HBITMAP CUxTipPictures::LoadBitmap(UINT nID)
{
    if (nID == 0 || !IS_INTRESOURCE(nID))
        return NULL;
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCE(nID), RT_BITMAP);
    return (HBITMAP)::LoadImage(hInst, MAKEINTRESOURCE(nID), IMAGE_BITMAP, 0, 0, 0);
}

CSize CUxTipPictures::SizeOfIcon(HICON hIcon)
{
    ICONINFO ii;
    if (hIcon == NULL || !::GetIconInfo(hIcon, &ii))
        return CSize(0, 0);
    if (ii.hbmMask)
        ::DeleteObject(ii.hbmMask);
    if (ii.hbmColor)
        ::DeleteObject(ii.hbmColor);
    return CSize(2 * (int)ii.xHotspot, 2 * (int)ii.yHotspot);
}

// UxTipPictures.h: CUxTipPictures, the pictures the tooltip's markup names: icon and bitmap
// resources, pictures registered under a name, icons of the image list. Each routine returns the
// picture's size ((0, 0) when it cannot be had) and draws only when not measuring.
#pragma once

#include "core/KwUiExport.h"

#include "tips/UxTipMarkup.h"
#include "tips/UxToolTipInfo.h"

#include <afxcmn.h>
#include <afxtempl.h>

typedef CArray<UXTOOLTIP_NAME_RES, const UXTOOLTIP_NAME_RES&> CUxTipNamedPictures;

class KWUI_API CUxTipPictures
{
public:
    // Pictures and the sizes the markup asks for are given at 96 DPI and shown at nDpi.
    CUxTipPictures(const CUxTipNamedPictures& names, CImageList& imageList, CSize szImage, UINT nDpi = 96)
        : m_names(names), m_imageList(imageList), m_szImage(szImage), m_nDpi(nDpi)
    {
    }

    // The picture of a run at pt, in a line of that height; FALSE when the run does nothing at
    // all (an image-list icon without an image list).
    BOOL Picture(const CUxTipMarkup& markup, const UxTipRun& run, CDC* pDC, CPoint pt, int nLineHeight,
                 BOOL bMeasure, CSize& sz);

    CSize DrawResource(const CString& sName, CDC* pDC, CPoint pt, int nLineHeight, CSize sz, BOOL bMeasure);
    static CSize DrawBitmap(CDC* pDC, CPoint pt, int nLineHeight, UINT nID, BOOL bUseMask, COLORREF crMask, CSize sz,
                            BOOL bMeasure);
    static CSize DrawIcon(CDC* pDC, CPoint pt, int nLineHeight, UINT nID, CSize sz, BOOL bMeasure);
    static CSize DrawIconFromImageList(CDC* pDC, CPoint pt, CSize sz, CImageList& img, int nIndex, BOOL bMeasure);

    // Position of the first named picture of that name, ignoring case, or -1.
    static int Find(const CUxTipNamedPictures& names, const CString& sName);
    static HICON LoadIcon(UINT nID, CSize szIcon);
    static HBITMAP LoadBitmap(UINT nID);
    static CSize SizeOfIcon(HICON hIcon);

private:
    // The picture of a run at exactly the size asked (a side of 0: the picture's own).
    BOOL Draw(const UxTipRun& run, const CString& sName, CDC* pDC, CPoint pt, int nLineHeight, BOOL bMeasure,
              CSize szAsked, CSize& sz);

    const CUxTipNamedPictures& m_names;
    CImageList& m_imageList;
    CSize m_szImage;
    UINT m_nDpi;
};

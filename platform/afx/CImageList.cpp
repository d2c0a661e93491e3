// CImageList.cpp: a common-controls image list and its per-thread handle map.
#include "CImageList.h"

#include "CBitmap.h"
#include "CDC.h"
#include "afxresource.h"
#include "afxstate.h"

IMPLEMENT_DYNCREATE(CImageList, CObject)

namespace {

CHandleMap<CImageList, HIMAGELIST>* Map()
{
    return AfxGetThreadMap(&AFX_THREAD_STATE::m_mapHIMAGELIST);
}

} // namespace

CImageList* CImageList::NewTemporary(HIMAGELIST hImageList)
{
    CImageList* pList = new CImageList;
    pList->m_hImageList = hImageList;
    return pList;
}

void CImageList::DetachTemporary(CImageList* pList)
{
    pList->m_hImageList = NULL;
}

CImageList::CImageList() : m_hImageList(NULL)
{
}

CImageList::~CImageList()
{
    DeleteImageList();
}

CImageList* PASCAL CImageList::FromHandle(HIMAGELIST hImageList)
{
    CHandleMap<CImageList, HIMAGELIST>* pMap = Map();
    return pMap != NULL ? pMap->FromHandle(hImageList) : NULL;
}

void PASCAL CImageList::DeleteTempMap()
{
    if (CHandleMap<CImageList, HIMAGELIST>* pMap = Map())
        pMap->DeleteTemp();
}

HIMAGELIST CImageList::GetSafeHandle() const
{
    const CImageList* pThis = AfxOpaquePointer(this);
    return pThis != NULL ? pThis->m_hImageList : NULL;
}

BOOL CImageList::Attach(HIMAGELIST hImageList)
{
    return CHandleMap<CImageList, HIMAGELIST>::Attach(Map(), this, m_hImageList, hImageList);
}

HIMAGELIST CImageList::Detach()
{
    return CHandleMap<CImageList, HIMAGELIST>::Detach(Map(), this, m_hImageList);
}

BOOL CImageList::DeleteImageList()
{
    if (m_hImageList == NULL)
        return FALSE;
    return ImageList_Destroy(Detach());
}

// Takes a list just created: attaches it, or destroys it when this object already has one.
BOOL CImageList::AttachNew(HIMAGELIST hImageList)
{
    if (Attach(hImageList))
        return TRUE;
    if (hImageList != NULL)
        ImageList_Destroy(hImageList);
    return FALSE;
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
{
    return AttachNew(ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask)
{
    return Create(MAKEINTRESOURCEA(nBitmapID), cx, nGrow, crMask);
}

BOOL CImageList::Create(LPCTSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszBitmapID, RT_BITMAP);
    return AttachNew(ImageList_LoadImageA(hInst, lpszBitmapID, cx, nGrow, crMask, IMAGE_BITMAP, LR_CREATEDIBSECTION));
}

int CImageList::GetImageCount() const
{
    return m_hImageList ? ImageList_GetImageCount(m_hImageList) : 0;
}

BOOL CImageList::SetImageCount(UINT uNewCount)
{
    return ImageList_SetImageCount(m_hImageList, uNewCount);
}

BOOL CImageList::GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const
{
    return ImageList_GetImageInfo(m_hImageList, nImage, pImageInfo);
}

BOOL CImageList::GetIconSize(int* cx, int* cy) const
{
    return ImageList_GetIconSize(m_hImageList, cx, cy);
}

COLORREF CImageList::SetBkColor(COLORREF cr)
{
    return ImageList_SetBkColor(m_hImageList, cr);
}

COLORREF CImageList::GetBkColor() const
{
    return ImageList_GetBkColor(m_hImageList);
}

int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask)
{
    return ImageList_Add(m_hImageList, (HBITMAP)pbmImage->GetSafeHandle(), (HBITMAP)pbmMask->GetSafeHandle());
}

int CImageList::Add(CBitmap* pbmImage, COLORREF crMask)
{
    return ImageList_AddMasked(m_hImageList, (HBITMAP)pbmImage->GetSafeHandle(), crMask);
}

int CImageList::Add(HICON hIcon)
{
    return ImageList_AddIcon(m_hImageList, hIcon);
}

BOOL CImageList::Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask)
{
    return ImageList_Replace(m_hImageList, nImage, (HBITMAP)pbmImage->GetSafeHandle(),
        (HBITMAP)pbmMask->GetSafeHandle());
}

int CImageList::Replace(int nImage, HICON hIcon)
{
    return ImageList_ReplaceIcon(m_hImageList, nImage, hIcon);
}

BOOL CImageList::Remove(int nImage)
{
    return ImageList_Remove(m_hImageList, nImage);
}

HICON CImageList::ExtractIcon(int nImage)
{
    return ImageList_GetIcon(m_hImageList, nImage, ILD_NORMAL);
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle)
{
    return ImageList_Draw(m_hImageList, nImage, pDC->GetSafeHdc(), pt.x, pt.y, nStyle);
}

BOOL CImageList::DrawEx(CDC* pDC, int nImage, POINT pt, SIZE sz, COLORREF clrBk, COLORREF clrFg, UINT nStyle)
{
    return ImageList_DrawEx(m_hImageList, nImage, pDC->GetSafeHdc(), pt.x, pt.y, sz.cx, sz.cy, clrBk, clrFg, nStyle);
}

BOOL CImageList::SetOverlayImage(int nImage, int nOverlay)
{
    return ImageList_SetOverlayImage(m_hImageList, nImage, nOverlay);
}

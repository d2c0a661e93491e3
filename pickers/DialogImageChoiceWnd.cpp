// DialogImageChoiceWnd.cpp: listing the folder, making the thumbnails, painting, selecting and
// scrolling by rows.
#include "pickers/DialogImageChoiceWnd.h"
#include "core/KwDpi.h"
#include "core/KwPalette.h"

#include "core/CoreGlobalMethods.h"
#include "core/KwGdiplus.h"
#include "core/MemDC.h"
#include "pickers/KwImage.h"
#include "pickers/KwThumbnailLayout.h"
#include "res/resource.h"

#include <gdiplus.h>
#include <shlwapi.h>

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {


// The file's picture at the size it is drawn at. Only the thumbnail is kept: a folder of large
// photos would otherwise hold every decoded photo for as long as the dialog is open. NULL when
// the file cannot be decoded.
CKwImage* LoadThumbnail(const CString& strPath, int nCell)
{
    CKwImage* pImage = new CKwImage;
    // Read straight from the file: the thumbnail drawn from it is detached anyway.
    pImage->LoadFromFile(strPath, true, true);
    CSize size = pImage->GetSize();
    int cx = 0, cy = 0;
    CKwThumbnailLayout::FitPicture(size.cx, size.cy, nCell, cx, cy);
    GpBitmap* pThumbnail = NULL;
    GpGraphics* pGraphics = NULL;
    if (pImage->IsValid() && GdipCreateBitmapFromScan0(cx, cy, 0, PixelFormat32bppARGB, NULL, &pThumbnail) == Ok) {
        GpImageAttributes* pAttributes = NULL;
        bool bDrawn = GdipGetImageGraphicsContext(pThumbnail, &pGraphics) == Ok
            && GdipCreateImageAttributes(&pAttributes) == Ok;
        if (bDrawn) {
            // Mirrored beyond its edges, so that the filter does not fade the border.
            GdipSetImageAttributesWrapMode(pAttributes, WrapModeTileFlipXY, 0, FALSE);
            GdipSetInterpolationMode(pGraphics, InterpolationModeHighQualityBicubic);
            bDrawn = GdipDrawImageRectRectI(pGraphics, pImage->GetImage(), 0, 0, cx, cy, 0, 0, size.cx, size.cy,
                         UnitPixel, pAttributes, NULL, NULL) == Ok;
        }
        if (pAttributes != NULL)
            GdipDisposeImageAttributes(pAttributes);
        if (pGraphics != NULL)
            GdipDeleteGraphics(pGraphics);
        if (!bDrawn) {
            GdipDisposeImage(pThumbnail);
            pThumbnail = NULL;
        }
    }
    // Lets the full picture, and with it the file, go.
    pImage->SetImage(pThumbnail, false);
    if (!pImage->IsValid()) {
        delete pImage;
        return NULL;
    }
    return pImage;
}

} // namespace

BEGIN_MESSAGE_MAP(CDialogImageChoiceWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_VSCROLL()
    ON_WM_MOUSEWHEEL()
    ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
    ON_MESSAGE(WM_DPICHANGED_AFTERPARENT, OnDpiChanged)
END_MESSAGE_MAP()

CDialogImageChoiceWnd::CDialogImageChoiceWnd()
    : m_nFormats(0), m_nCellSize(64), m_nMargin(5), m_nDpi(CKwDpi::kDefault), m_nTopRow(0), m_nSelection(-1)
{
}

CDialogImageChoiceWnd::~CDialogImageChoiceWnd()
{
    ClearFileNameArrayAndImageArray();
}

BOOL CDialogImageChoiceWnd::Create(const CRect& rect, CWnd* pParentWnd)
{
    LPCTSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1));
    return CreateEx(WS_EX_CLIENTEDGE, lpszClass, NULL, WS_CHILD | WS_VISIBLE | WS_VSCROLL, rect, pParentWnd, 0);
}

int CDialogImageChoiceWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_nDpi = CKwDpi::ForWindow(m_hWnd);
    ReloadFileNameArrayAndImageArray();
    return 0;
}

void CDialogImageChoiceWnd::ClearFileNameArrayAndImageArray()
{
    for (INT_PTR i = 0; i < m_arrImages.GetSize(); ++i)
        delete m_arrImages[i];
    m_arrImages.RemoveAll();
    m_arrFileNames.RemoveAll();
}

void CDialogImageChoiceWnd::ListFolder()
{
    CString strFolder = m_strChoiceFolder;
    if (!strFolder.IsEmpty() && strFolder.Right(1) != "\\")
        strFolder += "\\";
    WIN32_FIND_DATAA data;
    HANDLE hFind = ::FindFirstFileA(strFolder + "*.*", &data);
    // Any folder that can be read lists at least "." and "..". "Browse..." still works without it.
    if (hFind == INVALID_HANDLE_VALUE) {
        CString strFormat;
        strFormat.LoadString(IDS_KW_FOLDER_UNREADABLE);
        m_strError.Format(strFormat, (const char*)m_strChoiceFolder);
        return;
    }
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            m_arrFileNames.Add(strFolder + data.cFileName);
    } while (::FindNextFileA(hFind, &data));
    ::FindClose(hFind);
}

bool CDialogImageChoiceWnd::MatchesFormats(const CString& strPath) const
{
    static const char* const extensions[] = {".bmp", ".jpg", ".png", ".pcx", ".gif"};
    const char* pszExtension = ::PathFindExtensionA(strPath);
    for (UINT bit = 0; bit < sizeof(extensions) / sizeof(extensions[0]); ++bit)
        if ((m_nFormats & (1u << bit)) && lstrcmpiA(pszExtension, extensions[bit]) == 0)
            return true;
    return false;
}

void CDialogImageChoiceWnd::ReloadFileNameArrayAndImageArray()
{
    ClearFileNameArrayAndImageArray();
    m_strError.Empty();
    ListFolder();
    CKwGdiplus gdiplus;
    for (INT_PTR i = 0; i < m_arrFileNames.GetSize();) {
        CKwImage* pImage = MatchesFormats(m_arrFileNames[i]) ? LoadThumbnail(m_arrFileNames[i], Cell()) : NULL;
        if (pImage == NULL) {
            m_arrFileNames.RemoveAt(i);
            continue;
        }
        m_arrImages.Add(pImage);
        ++i;
    }
    m_nTopRow = 0;
    m_nSelection = -1;
    UpdateScrollBar();
}

int CDialogImageChoiceWnd::Cell() const
{
    return CKwDpi::Scale(m_nCellSize, m_nDpi);
}

int CDialogImageChoiceWnd::Margin() const
{
    return CKwDpi::Scale(m_nMargin, m_nDpi);
}

CKwThumbnailLayout CDialogImageChoiceWnd::Layout()
{
    CRect rcClient;
    GetClientRect(&rcClient);
    return CKwThumbnailLayout((int)m_arrImages.GetSize(), rcClient.Width(), rcClient.Height(), Cell(), Margin());
}

UINT CDialogImageChoiceWnd::GetColumnCount()
{
    return (UINT)Layout().GetColumnCount();
}

UINT CDialogImageChoiceWnd::GetRowCount()
{
    return (UINT)Layout().GetRowCount();
}

void CDialogImageChoiceWnd::GetImageRect(UINT nIndex, CRect& rect)
{
    int x = 0, y = 0;
    Layout().GetCellOrigin((int)nIndex, m_nTopRow, x, y);
    rect.SetRect(x, y, x + Cell(), y + Cell());
}

void CDialogImageChoiceWnd::UpdateScrollBar()
{
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = Layout().GetScrollLimit();
    info.nPage = 1;
    info.nPos = m_nTopRow;
    SetScrollInfo(SB_VERT, &info, TRUE);
}

// The scroll bar coming or going changes the width, and with it the columns and rows.
void CDialogImageChoiceWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    m_nTopRow = Layout().ClampTopRow(m_nTopRow);
    UpdateScrollBar();
    Invalidate(FALSE);
}

void CDialogImageChoiceWnd::Draw(CDC& dc)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    dc.FillSolidRect(&rcClient, CKwPalette::Get(CKwPalette::eWindow));
    if (!m_strError.IsEmpty()) {
        CRect rcText(rcClient);
        rcText.DeflateRect(Margin(), Margin());
        CFont* pOldFont = GetParent() != NULL && GetParent()->GetFont() != NULL ? dc.SelectObject(GetParent()->GetFont()) : NULL;
        dc.SetTextColor(CKwPalette::Get(CKwPalette::eGrayText));
        dc.DrawText(m_strError, &rcText, DT_WORDBREAK | DT_NOPREFIX);
        if (pOldFont != NULL)
            dc.SelectObject(pOldFont);
    }
    CKwThumbnailLayout layout = Layout();
    for (INT_PTR i = 0; i < m_arrImages.GetSize(); ++i) {
        if (!layout.IsCellShown((int)i, m_nTopRow))
            continue;
        CRect rcCell;
        GetImageRect((UINT)i, rcCell);
        // The thumbnail already has the size it is drawn at: centred in its cell.
        CSize size = m_arrImages[i]->GetSize();
        CPoint origin(rcCell.left + (rcCell.Width() - size.cx) / 2, rcCell.top + (rcCell.Height() - size.cy) / 2);
        m_arrImages[i]->Draw(&dc, CRect(origin, size));
    }
    if (m_nSelection >= 0 && m_nSelection < m_arrImages.GetSize()) {
        CRect rcFrame;
        GetImageRect((UINT)m_nSelection, rcFrame);
        CBrush brush(CKwPalette::Get(CKwPalette::eThumbSelection));
        for (int i = CKwDpi::Scale(4, m_nDpi); i > 0; --i) {
            rcFrame.InflateRect(1, 1);
            dc.FrameRect(&rcFrame, &brush);
        }
    }
}

void CDialogImageChoiceWnd::OnPaint()
{
    CMemDC::PaintWindow(this, [this](CDC& dc) {
        CMemDC memDC(&dc);
        Draw(memDC);
    });
}

LRESULT CDialogImageChoiceWnd::OnPrintClient(WPARAM wParam, LPARAM)
{
    CMemDC memDC(CDC::FromHandle((HDC)wParam));
    Draw(memDC);
    return 0;
}

void CDialogImageChoiceWnd::OnLButtonDown(UINT nFlags, CPoint point)
{
    CWnd::OnLButtonDown(nFlags, point);
    int nHit = Layout().HitTest(point.x, point.y, m_nTopRow);
    if (nHit < 0)
        return;
    m_nSelection = nHit;
    m_strSelectedFile = m_arrFileNames[nHit];
    CWnd* pOk = GetParent() != NULL ? GetParent()->GetDlgItem(IDOK) : NULL;
    if (pOk != NULL)
        pOk->EnableWindow(TRUE);
    Invalidate(FALSE);
}

// A double click anywhere confirms the picture selected, as OK does.
void CDialogImageChoiceWnd::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    CWnd::OnLButtonDblClk(nFlags, point);
    if (m_nSelection >= 0 && m_nSelection < m_arrImages.GetSize() && GetParent() != NULL)
        GetParent()->SendMessage(WM_COMMAND, IDOK, 0);
}

void CDialogImageChoiceWnd::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    CWnd::OnVScroll(nSBCode, nPos, pScrollBar);
    CKwThumbnailLayout layout = Layout();
    int nRow = m_nTopRow;
    switch (nSBCode) {
    case SB_LINEUP: nRow -= 1; break;
    case SB_LINEDOWN: nRow += 1; break;
    case SB_PAGEUP: nRow -= layout.GetPageRows(); break;
    case SB_PAGEDOWN: nRow += layout.GetPageRows(); break;
    case SB_THUMBTRACK: nRow = (int)nPos; break;
    case SB_TOP: nRow = 0; break;
    case SB_BOTTOM: nRow = layout.GetScrollLimit(); break;
    default: break;
    }
    nRow = layout.ClampTopRow(nRow);
    if (nRow == m_nTopRow)
        return;
    m_nTopRow = nRow;
    UpdateScrollBar();
    Invalidate(FALSE);
}

BOOL CDialogImageChoiceWnd::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    return CCoreGlobalMethods::HandleMouseWheel(m_hWnd, nFlags, zDelta, pt);
}

// On a monitor of another DPI the thumbnails are made again for cells of its size; the files,
// the selection and the top row stay.
LRESULT CDialogImageChoiceWnd::OnDpiChanged(WPARAM wParam, LPARAM)
{
    m_nDpi = CKwDpi::FromMessage(m_hWnd, WM_DPICHANGED, wParam);
    CKwGdiplus gdiplus;
    for (INT_PTR i = 0; i < m_arrImages.GetSize(); ++i) {
        if (CKwImage* pImage = LoadThumbnail(m_arrFileNames[i], Cell())) {
            delete m_arrImages[i];
            m_arrImages[i] = pImage;
        }
    }
    m_nTopRow = Layout().ClampTopRow(m_nTopRow);
    UpdateScrollBar();
    Invalidate(FALSE);
    return 0;
}

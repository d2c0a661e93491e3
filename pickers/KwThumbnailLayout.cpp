// KwThumbnailLayout.cpp: the image choice window's geometry.
#include "pickers/KwThumbnailLayout.h"

#include <algorithm>

CKwThumbnailLayout::CKwThumbnailLayout(int nCount, int nClientWidth, int nClientHeight, int nCell, int nMargin)
    : m_nCount(std::max(nCount, 0)), m_nWidth(nClientWidth), m_nHeight(nClientHeight), m_nCell(nCell), m_nMargin(nMargin)
{
}

int CKwThumbnailLayout::GetColumnCount() const
{
    return std::max(m_nWidth / (m_nCell + m_nMargin), 1);
}

int CKwThumbnailLayout::GetRowCount() const
{
    int nColumns = GetColumnCount();
    return (m_nCount + nColumns - 1) / nColumns;
}

int CKwThumbnailLayout::GetScrollLimit() const
{
    return std::max(GetRowCount() - 1, 0);
}

int CKwThumbnailLayout::GetPageRows() const
{
    return std::max(m_nHeight / (m_nCell + m_nMargin), 1);
}

int CKwThumbnailLayout::ClampTopRow(int nRow) const
{
    return std::min(std::max(nRow, 0), GetScrollLimit());
}

void CKwThumbnailLayout::GetCellOrigin(int nIndex, int nTopRow, int& x, int& y) const
{
    int nColumns = GetColumnCount();
    x = (m_nCell + m_nMargin) * (nIndex % nColumns) + m_nMargin;
    y = (nIndex / nColumns - nTopRow) * (m_nCell + m_nMargin) + m_nMargin;
}

bool CKwThumbnailLayout::IsCellShown(int nIndex, int nTopRow) const
{
    int x = 0, y = 0;
    GetCellOrigin(nIndex, nTopRow, x, y);
    bool bFitsAcross = x + m_nCell <= m_nWidth || GetColumnCount() == 1;
    return nIndex >= 0 && nIndex < m_nCount && y >= 0 && y + m_nCell <= m_nHeight && x >= 0 && bFitsAcross;
}

int CKwThumbnailLayout::HitTest(int x, int y, int nTopRow) const
{
    for (int i = 0; i < m_nCount; ++i) {
        int nLeft = 0, nTop = 0;
        GetCellOrigin(i, nTopRow, nLeft, nTop);
        if (x >= nLeft && x < nLeft + m_nCell && y >= nTop && y < nTop + m_nCell)
            return i;
    }
    return -1;
}

void CKwThumbnailLayout::FitPicture(int cx, int cy, int nCell, int& nWidth, int& nHeight)
{
    nWidth = std::min(cx, nCell);
    nHeight = std::min(cy, nCell);
}

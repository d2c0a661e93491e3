// DialogImageChoiceWnd.h: CDialogImageChoiceWnd, the thumbnail area of the image choice dialog:
// the picture files of one folder as a scrolling grid of thumbnails, one of which the user picks.
#pragma once

#include "core/KwUiExport.h"

#include <afxtempl.h>
#include <afxwin.h>

class CKwImage;
class CKwThumbnailLayout;

class KWUI_API CDialogImageChoiceWnd : public CWnd
{
public:
    CDialogImageChoiceWnd();
    virtual ~CDialogImageChoiceWnd();

    // Set by the caller before the window is created.
    UINT m_nFormats;             // CCoreGlobalMethods::EImageFormat bits
    CString m_strChoiceFolder;   // the folder whose pictures are shown
    CString m_strBrowseFolder;   // where "Browse..." starts; its file dialog updates it
    // The full path of the chosen picture.
    CString m_strSelectedFile;

    // A client-edged child with a vertical scroll bar over rect; it lists the folder at once.
    BOOL Create(const CRect& rect, CWnd* pParentWnd);

protected:
    int m_nCellSize; // at 96 DPI, as the margin
    int m_nMargin;
    UINT m_nDpi; // the cells and thumbnails are made for it
    int m_nTopRow;
    int m_nSelection;
    // Thumbnails at the size they are drawn at, parallel to the file names.
    CArray<CKwImage*, CKwImage*> m_arrImages;
    CStringArray m_arrFileNames;
    // Said in the window instead of thumbnails when the folder cannot be listed.
    CString m_strError;

    void ReloadFileNameArrayAndImageArray();
    void ClearFileNameArrayAndImageArray();
    UINT GetColumnCount();
    UINT GetRowCount();
    void GetImageRect(UINT nIndex, CRect& rect);
    void UpdateScrollBar();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    // The cell's side and the margin at m_nDpi.
    int Cell() const;
    int Margin() const;
    CKwThumbnailLayout Layout();
    void Draw(CDC& dc);
    void ListFolder();
    bool MatchesFormats(const CString& strPath) const;
};

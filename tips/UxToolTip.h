// UxToolTip.h: CUxToolTip, the rich tooltip window: a balloon or rectangular tip whose text is a
// small markup language, with gradients, a drop shadow, an anchor and per-tool settings. The
// window keeps the tools, the timers and the tip on screen; the markup is read by CUxTipMarkup,
// laid out by CUxTipLayout and drawn by CUxTipDrawer, settings are resolved by CUxTipSettings and
// the tip is placed by CUxTipPlacement.
#pragma once

#include "core/KwUiExport.h"
#include "tips/UxTipSettings.h"
#include "tips/UxTipText.h"
#include "tips/UxToolTipInfo.h"

#include <afxcmn.h>
#include <afxtempl.h>
#include <afxwin.h>

class KWUI_API CUxToolTip : public CWnd
{
public:
    CUxToolTip();
    virtual ~CUxToolTip();

    BOOL Create(CWnd* pParentWnd, BOOL bBalloon = TRUE);
    static int GetVersionI();
    static CString GetVersionC();

    // Colour table.
    void SetColor(int nIndex, COLORREF crColor);
    COLORREF GetColor(int nIndex) const;
    void SetDefaultColors();

    // Base font: every pass starts from a copy of it.
    BOOL SetFont(CFont& font);
    BOOL SetFont(LPLOGFONT lf);
    BOOL SetFont(LPCTSTR lpszFaceName, int nSizePoints = 8, BOOL bUnderline = FALSE, BOOL bBold = FALSE,
                 BOOL bStrikeOut = FALSE, BOOL bItalic = FALSE);
    void SetDefaultFont();
    void GetFont(CFont& font);
    void GetFont(LPLOGFONT lf);
    static LPLOGFONT GetSystemToolTipFont();

    // Image list for <ilst=n>.
    void SetImageList(HBITMAP hBitmap, int cx, int cy, int nCount, COLORREF crMask = RGB(255, 0, 255));
    void SetImageList(UINT nIDBitmap, int cx, int cy, int nCount, COLORREF crMask = RGB(255, 0, 255));
    CImageList* GetImageList(CSize& sz);

    // Named pictures for <img=name>.
    void AddNameOfResource(CString sName, UINT nID, BYTE nTypeRes = UXTT_RES_BITMAP, COLORREF crMask = RGB(255, 0, 255));
    int FindIdOfResource(CString sName);
    int FindNameOfResource(UINT nID);
    void RemoveNameOfResource(int nIndex);
    void RemoveAllNamesOfResource();

    // Tools. An index outside the table addresses the global settings in the setters and getters.
    void AddTool(const UXTOOLTIP_INFO& ti);
    void AddTool(CWnd* pWnd, CString sTooltipText, HICON hIcon = NULL, LPCRECT lpRectBounds = NULL, UINT nIDTool = 0);
    void AddTool(CWnd* pWnd, UINT nIdText, HICON hIcon = NULL, LPCRECT lpRectBounds = NULL, UINT nIDTool = 0);
    void AddTool(CWnd* pWnd, CString sTooltipText, UINT nIdIcon, CSize szIcon = CSize(0, 0), LPCRECT lpRectBounds = NULL, UINT nIDTool = 0);
    void AddTool(CWnd* pWnd, UINT nIdText, UINT nIdIcon, CSize szIcon = CSize(0, 0), LPCRECT lpRectBounds = NULL, UINT nIDTool = 0);
    BOOL GetTool(int nIndexTool, UXTOOLTIP_INFO& ti);
    void SetAtTool(int nIndexTool, UXTOOLTIP_INFO& ti);
    BOOL RemoveTool(int nIndexTool);
    void RemoveAllTools();
    BOOL IsExistTool(int nIndexTool) const;
    int GetToolCount() const;
    int FindTool(CPoint& pt);
    int FindTool(CWnd* pWnd, LPCRECT lpRect = NULL);
    int FindTool(UINT nIDTool);
    void SetMaskTool(int nIndexTool, UINT nMask = 0);
    void ModifyMaskTool(int nIndexTool, UINT nAddMask, UINT nRemoveMask);
    UINT GetMaskTool(int nIndexTool);

    // Settings, global (index -1) or per tool.
    void SetStyles(DWORD nStyles, int nIndexTool = -1);
    void ModifyStyles(DWORD nAddStyles, DWORD nRemoveStyles, int nIndexTool = -1);
    DWORD GetStyles(int nIndexTool = -1);
    void SetDefaultStyles(int nIndexTool = -1);
    void SetSize(int nSizeIndex, UINT nValue);
    UINT GetSize(int nSizeIndex) const;
    void SetDefaultSizes(BOOL bBalloonSize = TRUE);
    void SetEffectBk(UINT nEffect, BYTE nGranularity = 2, int nIndexTool = -1);
    UINT GetEffectBk(int nIndexTool = -1);
    UINT GetEffectBk(BYTE& nGranularity, int nIndexTool = -1);
    void SetGradientColors(COLORREF crBegin, COLORREF crMid, COLORREF crEnd, int nIndexTool = -1);
    void GetGradientColors(COLORREF& crBegin, COLORREF& crMid, COLORREF& crEnd, int nIndexTool = -1);
    void SetDirection(UINT nDirection = UXTT_DIR_BELOW_RIGHT, int nIndexTool = -1);
    UINT GetDirection(int nIndexTool = -1);
    void SetBehaviour(UINT nBehaviour = 0, int nIndexTool = -1);
    UINT GetBehaviour(int nIndexTool = -1);

    // Timing: TTDT_AUTOPOP (2) and TTDT_INITIAL (3).
    void SetDelayTime(DWORD dwDuration, UINT nTime);
    UINT GetDelayTime(DWORD dwDuration) const;

    // Notification window for UXTTN_DISPLAY.
    void SetNotify(BOOL bParentNotify = TRUE);
    void SetNotify(HWND hWnd);
    BOOL GetNotify() const;

    // Drives the tooltip: the owner passes the messages of its windows here.
    void RelayEvent(MSG* pMsg);
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    // A tip shown at once at a point in the owner's client coordinates, until a button or key.
    void ShowHelpTooltip(CPoint& pt, UXTOOLTIP_INFO& ti);
    void ShowHelpTooltip(CPoint& pt, CString sTooltipText, HICON hIcon = NULL);
    void ShowHelpTooltip(CPoint& pt, CString sTooltipText, UINT nIdIcon);
    void ShowHelpTooltip(CPoint& pt, UINT nIdText, HICON hIcon = NULL);
    void ShowHelpTooltip(CPoint& pt, UINT nIdText, UINT nIdIcon);

    // What a test or a host may want to see of the shown tip.
    UINT GetShownDirection() const { return m_nDirection; }
    // A markup text printed as the tip prints its own (its font, colours and image list), into
    // the caller's line tables and with the caller's named pictures; the tip's own stay as they are.
    CSize PrintMarkup(CDC* pDC, CRect rect, const CString& str, BOOL bCalculate, CUxTipText& text,
                      const CUxTipNamedPictures& names);

protected:
    // The markup engine: one routine, run first to measure (line tables rebuilt, size returned)
    // and then to draw the same text with the same fonts and pictures.
    CSize PrintTitleString(CDC* pDC, CRect rect, CString str, BOOL bCalculate = TRUE);

    // Scanning: each moves nIndex through sText.
    int SearchBeginOfTag(const CString& sText, int& nIndex);
    CString GetNameOfTag(const CString& sText, int& nIndex);
    CString GetPropertiesOfTag(const CString& sText, int& nIndex);
    CString GetStringValue(const CString& sText, int& nIndex);
    UINT GetUIntValue(const CString& sText, int& nIndex, UINT nDefValue);
    void SearchEndOfTag(const CString& sText, int& nIndex);

    // Pictures: each returns the picture's size and draws only when bCalculate is FALSE.
    CSize DrawResource(CString sName, CDC* pDC, CPoint pt, int nMaxHeight, CSize sz, BOOL bCalculate);
    CSize DrawBitmap(CDC* pDC, CPoint pt, int nMaxHeight, UINT nID, BOOL bUseMask, COLORREF crMask, CSize sz, BOOL bCalculate);
    CSize DrawIcon(CDC* pDC, CPoint pt, int nMaxHeight, UINT nID, CSize sz, BOOL bCalculate);
    CSize DrawIconFromImageList(CDC* pDC, CPoint pt, CSize sz, CImageList& img, int nIndex, BOOL bCalculate);
    void DrawHorzLine(CDC* pDC, int xStart, int xEnd, int y);
    HICON GetIconFromResources(UINT nID, CSize szIcon = CSize(0, 0)) const;
    HBITMAP GetBitmapFromResources(UINT nID) const;
    CSize GetSizeIcon(HICON hIcon) const;

    // Painting.
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    virtual void OnDraw(CDC* pDC, CRect rect);
    virtual void OnDrawShadow(CDC* pDC);
    virtual void OnDrawBackground(CDC* pDC, CRect* pRect);
    void FillGradient(CDC* pDC, CRect rect, COLORREF colorStart, COLORREF colorFinish, BOOL bHorz = TRUE);

    // Tracking, timing and placement.
    void SetNewToolTip(int nIndexTool, BOOL bWithDelay = TRUE);
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnActivateApp(BOOL bActive, DWORD dwThreadID);
    // The look changed: the default colours follow it, those the host set stay.
    afx_msg LRESULT OnThemeChanged(WPARAM wParam, LPARAM lParam);
    void Pop();
    void KillTimers(UINT nIDTimer = 0);
    BOOL IsVisible();
    BOOL IsCursorInToolTip();
    BOOL IsEnabledIndexTool(int nIndexTool);
    HWND GetWndFromPoint(CPoint& pt, BOOL bGetDisabled = TRUE);
    void PrepareDisplayToolTip(CPoint* pt);
    CSize GetTooltipSize(CString str);
    void DisplayToolTip(CPoint* pt, CRect* rect);
    void CalculateInfoBoxRect(CPoint* pt, CRect* rect);
    BOOL TestHorizDirection(int x, int cx, int nWidth, int nDirection, CRect* rect);
    BOOL TestVertDirection(int y, int cy, int nHeight, int nDirection, CRect* rect);
    int GetNextHorizDirection(int nDirection) const;
    int GetNextVertDirection(int nDirection) const;
    void GetWindowRegion(CRgn* rgn, CSize sz, CPoint pt);
    // A size of the table (given at 96 DPI) at the tip's DPI.
    int ScaledSize(int nSizeIndex) const;
    // WM_DPICHANGED: the base font and the sizes follow the tip to its new DPI.
    afx_msg LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    LRESULT SendNotify(CPoint* pt, UXTOOLTIP_INFO& ti);

    DECLARE_MESSAGE_MAP()

protected:
    // Markup state.
    COLORREF m_crColor[UXTT_COLOR_COUNT];
    COLORREF m_crDefault[UXTT_COLOR_COUNT]; // the table as SetDefaultColors last left it
    LOGFONT m_LogFont;
    CArray<UXTOOLTIP_NAME_RES, const UXTOOLTIP_NAME_RES&> m_arrNameRes;
    CImageList m_imgTooltip;
    CSize m_szImage;
    CUxTipText m_text;              // the last text measured, with its line tables

    // Tools and the global settings.
    CArray<UXTOOLTIP_INFO, const UXTOOLTIP_INFO&> m_arrTools;
    CWnd* m_pParentWnd;
    HWND m_hNotifyWnd;
    CUxTipSettings m_settings;      // styles, effect, gradient colours, direction, behaviour
    UINT m_nSizes[UXTT_SIZE_COUNT];
    UINT m_nDpi;                    // the DPI the tip is shown at, which its base font is for
    BOOL m_bRemeasuring;            // raised while a tip moved to another DPI is measured again
    UINT m_nTimeInitial;
    UINT m_nTimeAutoPop;

    // The tip in progress.
    CPoint m_ptOriginal;            // last mouse position seen, screen coordinates
    int m_nIndexCurrentWnd;         // pending tool (-2: help tip), -1 none
    int m_nIndexDisplayWnd;         // shown tool (-2: help tip), -1 none
    UXTOOLTIP_INFO m_pToolInfo;     // the record being shown
    UINT m_nDirection;              // direction used on screen
    CSize m_szToolIcon;             // size of the shown icon
    CSize m_szTextTooltip;          // measured size of the shown text
    CRgn m_rgnToolTip;
    CRgn m_rgnShadow;

    // Icons this object loaded from resources: those of its tools live as long as the object,
    // one per resource and size however often tools are added with it; the one of a help tip
    // lives until the next help tip.
    struct LOADED_ICON
    {
        UINT nID;
        CSize size;
        HICON hIcon;
    };
    CArray<LOADED_ICON, const LOADED_ICON&> m_arrLoadedIcons;
    HICON m_hHelpIcon;

private:
    // The tool at that index, NULL outside the table (the global settings).
    UXTOOLTIP_INFO* Tool(int nIndexTool);
    void SetSetting(UINT nMaskBit, const UXTOOLTIP_INFO& values, int nIndexTool);
};

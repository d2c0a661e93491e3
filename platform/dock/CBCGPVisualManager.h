// CBCGPVisualManager.h: CBCGPVisualManager, the look of the docking library's bars, captions and
// menus: one manager serves the whole process, and a host picks its class at start-up.
#pragma once

#include "bcgdefs.h"

#include <afxwin.h>

class KWDOCK_API CBCGPVisualManager : public CObject
{
    DECLARE_DYNCREATE(CBCGPVisualManager)
public:
    CBCGPVisualManager();
    ~CBCGPVisualManager() override;

    // Replaces the process's manager by a new object of pRTI's class, which must derive from
    // CBCGPVisualManager (anything else is refused, keeping the manager there is). NULL returns
    // to the plain look.
    static void SetDefaultManager(CRuntimeClass* pRTI);
    // The manager in use; the plain one is made on first use.
    static CBCGPVisualManager* GetInstance();
    // Frees the manager; the next GetInstance makes the plain one again.
    static void DestroyInstance();

    // Colours of the look.
    virtual COLORREF GetBarBackgroundColor() const;
    virtual COLORREF GetBarBorderColor() const;
    virtual COLORREF GetCaptionColor(BOOL bActive) const;
    virtual COLORREF GetCaptionTextColor(BOOL bActive) const;

    // Drawing the bars do through the manager.
    virtual void OnFillBarBackground(CDC* pDC, const CRect& rect);
    virtual void OnDrawBarBorder(CDC* pDC, const CRect& rect);
    // The caption strip of a docking bar, its text left-aligned and cut with an ellipsis.
    virtual void OnDrawCaption(CDC* pDC, const CRect& rect, LPCTSTR lpszText, BOOL bActive);
};

// KwMDIMonoChildWnd.h: declares CKwMDIMonoChildWnd, the MDI child of one view, known by its view
// class and context: opening what an open window shows already activates that window.
#pragma once

#include "core/ViewContext.h"
#include "frame/IKwDesktopWindow.h"
#include "frame/KwMDIBasicChildWnd.h"

class KWUI_API CKwMDIMonoChildWnd : public CKwMDIBasicChildWnd, public IKwDesktopWindow
{
    DECLARE_SERIAL(CKwMDIMonoChildWnd)
public:
    CKwMDIMonoChildWnd();

    // A window of resource nID showing a view of pViewClass with ctx on pDoc: the open one that
    // shows it already, activated, or a new one shown with nCmdShow. With bReplaceActive a new
    // window takes the place of the active child, which closes after the call. NULL when the
    // window cannot be made or the main window is no MDI frame.
    static CKwMDIMonoChildWnd* Open(UINT nID, CRuntimeClass* pViewClass, const CViewContext& ctx, CDocument* pDoc,
        UINT nCmdShow, int bReplaceActive);

    // The basic body, then an extension version of its own.
    void Serialize(CArchive& ar) override;

    // The view, the child with control ID AFX_IDW_PANE_FIRST; NULL when there is none.
    CView* GetPaneView() const;

    UINT m_nID; // the resource the frame was loaded with; the view ID of the desktop

protected:
    // The view's own title when it gives one, else the document's.
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    // Version, window ID, view class, context, placement, the view's data; nothing at all when
    // there is no view whose class can be stored.
    void IKwDesktopWindow_Store(CArchive& ar) override;
    void IKwDesktopWindow_Read(CArchive& ar) override;
    BOOL IKwDesktopWindow_Build(CArchive& ar, CDocument* pDoc) override;

private:
    // Loads the frame, makes the view and shows them; on failure the object is gone.
    BOOL CreateMe(UINT nID, CRuntimeClass* pViewClass, const CViewContext& ctx, CDocument* pDoc, UINT nCmdShow);
    BOOL CreateMe(UINT nID, CRuntimeClass* pViewClass, const CViewContext& ctx, CDocument* pDoc,
        const WINDOWPLACEMENT& wp);
    BOOL Build(UINT nID, CRuntimeClass* pViewClass, const CViewContext& ctx, CDocument* pDoc, int nCmdShow,
        const WINDOWPLACEMENT* pPlacement);

    // What a desktop record holds for the window, between reading it and making the window.
    CRuntimeClass* m_pStoredViewClass;
    CViewContext m_storedCtx;
    WINDOWPLACEMENT m_storedPlacement;
};

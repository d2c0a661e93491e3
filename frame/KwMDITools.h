// KwMDITools.h: declares CKwMDITools, operations over the MDI children of the main window:
// walking them, making and finding views by class and context, closing them all, and writing and
// reading one window as a record of the desktop in a document.
#pragma once

#include "core/KwUiExport.h"
#include "core/ViewContext.h"

#include <afxwin.h>

class KWUI_API CKwMDITools
{
public:
    // The active child of the main window (an MDI frame), then the others in Z order; NULL at
    // the end, without an MDI main window, or at a sibling that is no MDI child.
    static CMDIChildWnd* GetFirstMDIChildWnd();
    static CMDIChildWnd* GetLastMDIChildWnd();
    static CMDIChildWnd* GetNextMDIChildWnd(CMDIChildWnd* p);
    // The application's main window when it is an MDI frame, else NULL.
    static CMDIFrameWnd* GetMDIFrameWnd();
    // The main window's MDI client, NULL without an MDI main window.
    static CWnd* GetMDIClientWnd();

    // A view of pViewClass made under pParent with control ID nID; while it is created it finds
    // ctx on top of the view-context stack. strName is not applied. NULL on failure.
    static CView* CreateView(CString strName, CRuntimeClass* pViewClass, const CViewContext& ctx, CDocument* pDoc,
        CWnd* pParent, int bVisible, int bInitialUpdate, UINT nID);
    // The first view of pDoc of pViewClass (or derived) that says it shows ctx.
    static CView* FindView(const CRuntimeClass* pViewClass, const CViewContext& ctx, CDocument* pDoc);

    // The placement a child is stored with: maximized when another child is active and
    // maximized, since it would come back under that one maximized too.
    static void GetDesktopPlacement(CMDIChildWnd* pWnd, WINDOWPLACEMENT& wp);

    // A record of a window on the shared document (the window object and its own payload), or of
    // a window on a document of its own (its path, relative to strBasePath when that is given,
    // and its pane view). A window that cannot describe itself writes nothing.
    static void StoreWindowForSharedDoc(CMDIChildWnd* pWnd, CArchive& ar);
    static void StoreWindowForSeparateDoc(CMDIChildWnd* pWnd, CArchive& ar, CString strBasePath);
    // Reads one record of any format and makes its window; NULL when it cannot. Never throws;
    // a record that carries its length is passed whole even when its window fails.
    static CMDIChildWnd* RestoreWindow(CArchive& ar, CDocument* pDoc, CString strBasePath);
    // The rest of a record of the first format, whose tag nVersion (0xFF or 0x100) was read.
    static CMDIChildWnd* RestoreWindowOldFormat(CArchive& ar, CDocument* pDoc, CString strBasePath, UINT nVersion);

    // Closes the children from the bottom of the Z order up; stops at a child that stays open.
    static void CloseAllMDIChildWindows();
};

// KwHyperLink.h: CKwHyperLink, which turns a static text control of a dialog into a link: blue
// text, a hand cursor, underlined under the mouse, clicks sent to the dialog as STN_CLICKED.
// Everything lives in window properties, so the decoration outlives this object and is undone
// when the windows are destroyed.
#pragma once

#include "core/KwUiExport.h"

#include <afxwin.h>

class KWUI_API CKwHyperLink : public CStatic
{
public:
    CKwHyperLink();

    // Makes the dialog's item nId a link to sLink. FALSE, with nothing changed, when the dialog
    // has no such item.
    BOOL CreateLink(HWND hDialog, UINT nId, CString sLink);
    CString GetLink() const { return m_sLink; }
    UINT GetLinkId() const { return m_nId; }

protected:
    DECLARE_MESSAGE_MAP()

private:
    static BOOL CreateLink(HWND hControl);
    static LRESULT CALLBACK LinkParentProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK LinkControlProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Shows the control in the font stored under that property and redraws it.
    static void SelectFont(HWND hControl, LPCSTR lpszProperty);

    CString m_sLink;
    UINT m_nId;
};

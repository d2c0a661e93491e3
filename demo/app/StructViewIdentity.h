// StructViewIdentity.h: CStructViewIdentity, what one of the editor's views shows, kept from the
// view context it was made with and handed back when the desktop asks the view for it.
#pragma once

#include "core/ViewContext.h"

#include <afxwin.h>

class CStructViewIdentity
{
public:
    // Takes the context on top of the view-context stack, when there is one; the view's windows
    // are titled strTitle.
    explicit CStructViewIdentity(const char* pszTitle);

    // The answers to WM_KW_GETVIEWCONTEXT, WM_KW_COMPAREVIEWCONTEXT and WM_KW_GETVIEWTITLE.
    LRESULT Get(LPARAM lParam) const;
    LRESULT Compare(LPARAM lParam) const;
    LRESULT GetTitle(LPARAM lParam) const;

    CViewContext m_ctx;
    CString m_strTitle;
};

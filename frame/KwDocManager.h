// KwDocManager.h: declares CKwDocManager, the document manager whose file dialogs list every
// document type and give a typed name the extension of the type the user picked.
#pragma once

#include "core/KwUiExport.h"

#include <afxwin.h>

class KWUI_API CKwDocManager : public CDocManager
{
    DECLARE_DYNAMIC(CKwDocManager)
public:
    CKwDocManager();

    // The Open or Save dialog for pTemplate's type, or for every template's type, and all files.
    // TRUE when the user chose a file, then in fileName (with the chosen type's extension when
    // the name had none); otherwise fileName is left as it was.
    BOOL DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
        CDocTemplate* pTemplate) override;

    // The dialog's filter: for pTemplate, or for every template in order, its filter name, zero,
    // "*" and its extension, zero; then "All Files", zero, "*.*", zero, and the closing zero.
    // Templates without a filter name or extension have no line. exts receives the extension of
    // each line, in order (the all-files line has none).
    CString BuildFilter(CDocTemplate* pTemplate, CStringArray& exts);

    // The longest name the dialogs hand back, terminating zero included; a longer proposed name
    // is cut to it.
    enum { MaxFileName = 2000 };
};

// KwFileDialog.h: CKwFileDialog, the toolkit's open and save dialog: it remembers the last folder
// and filter of each caller's slot, picks the filter that fits the proposed name, completes a
// saved name's extension from the filter, and can offer an "Open as:" list.
#pragma once

#include "core/KwUiExport.h"

#include <afxdlgs.h>
#include <afxwin.h>

#include <memory>

class KWUI_API CKwFileDialog : public CFileDialog
{
public:
    // Bits of the flags word.
    enum EFlags
    {
        eSaveDialog = 0x1,
        eMultipleSelection = 0x2
    };

    // filter: description and pattern pairs, each field followed by '|'. openAsList: the choices
    // of the "Open as:" list, each followed by '|'; empty for no list. The slots name the
    // registry values "LastOpenDir<slot>" and "LastSelectedFilter<slot>" under "KwFileDialog";
    // -1 remembers nothing. A remembered folder is used only when no name is proposed.
    CKwFileDialog(CString fileName, UINT titleId, UINT flags, CString filter, CString openAsList, int folderSlot,
        int filterSlot);
    ~CKwFileDialog() override;

    // IDOK once the chosen name is completed and the slots are written; anything else at once.
    int DoModal() override;

    // The "Open as:" choice the dialog showed last.
    CString GetOpenAsSaveAsSelection() const;
    // The extension, with its dot, that the index-th (1-based) filter gives a name; empty for
    // none and for patterns such as "*.*".
    CString GetExtensionFromFilter(int index) const;

protected:
    BOOL OnInitDialog() override;
    // Saving: the name being typed takes the extension of the filter picked.
    void OnTypeChange() override;
    BOOL OnFileNameOK() override;
    void OnSelChange();

    DECLARE_MESSAGE_MAP()

    CString m_strTitle;
    UINT m_nFlags;
    CString m_strFilterText; // as the caller gave it, with its bars
    CString m_strOpenAsList;
    CString m_strOpenAsSelection;
    int m_nFolderSlot;
    int m_nFilterSlot;
    CString m_strInitialDir;
    CComboBox m_combo;
    std::unique_ptr<char[]> m_pFileBuffer;

private:
    bool IsSaveDialog() const { return (m_nFlags & eSaveDialog) != 0; }
    // The folder of the chosen file, or of the files of a multiple selection, with its backslash.
    CString ChosenFolder() const;
    void CompleteExtension();
    void Remember();
};

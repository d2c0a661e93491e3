// StructAppearancePage.h: CStructAppearancePage, the page with the selected member's colour (the
// colour button and its picker) and the drawing's label font (the font picker), which is a
// setting of the editor rather than of the model.
#pragma once

#include "pages/KwPropertyPage.h"
#include "pickers/IKwColorPickerClient.h"
#include "pickers/KwColorButton.h"
#include "pickers/KwFontPicker.h"
#include "pickers/KwFontPickerListener.h"

class CStructMemberSubject;

class CStructAppearancePage : public CKwPropertyPage, public IKwColorPickerClient, public CKwFontPickerListener
{
public:
    explicit CStructAppearancePage(CStructMemberSubject* pSubject);

    void NotifySubjectChanged() override;
    void OnInitPropertyPage() override;
    CString GetToolTipText(UINT nID) override;

    CKwColorButton& GetColourButton() { return m_colour; }
    CKwFontPicker& GetFontPicker() { return m_font; }

    // The colour button's choice becomes the member's colour.
    void KwColorPickerClient_OnSelectionChanged(CWnd* pPicker) override;
    void KwColorPickerClient_OnSpecialButton(UINT nID, CWnd* pPicker) override;
    // The font chosen labels the drawing from now on, in this run and the next.
    void OnFontChanged(CKwFontPicker* pPicker) override;

private:
    CStructMemberSubject* m_pMember;
    CKwColorButton m_colour;
    CKwFontPicker m_font;
};

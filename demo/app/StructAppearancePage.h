// StructAppearancePage.h: CStructAppearancePage, the page with the selected member's colour (a
// colour button and its picker) and the drawing's own look, a setting of the editor rather than
// of the model: its label font (the font picker), background and highlight colours.
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
    CKwColorButton& GetBackgroundButton() { return m_background; }
    CKwColorButton& GetHighlightButton() { return m_highlight; }
    CKwFontPicker& GetFontPicker() { return m_font; }

    // The member's button gives the member its colour; the drawing's buttons and the font picker
    // change the drawing of every model, in this run and the next.
    void KwColorPickerClient_OnSelectionChanged(CWnd* pPicker) override;
    void KwColorPickerClient_OnSpecialButton(UINT nID, CWnd* pPicker) override;
    void OnFontChanged(CKwFontPicker* pPicker) override;

private:
    // The settings changed: they are stored and the drawing is drawn again.
    static void SettingsChanged();

    CStructMemberSubject* m_pMember;
    CKwColorButton m_colour;
    CKwColorButton m_background;
    CKwColorButton m_highlight;
    CKwFontPicker m_font;
};

// CStructAppearancePage: the colour button, the font picker and where their choices go.
#include "StructAppearancePage.h"

#include "StructApp.h"
#include "StructApp.rh"
#include "StructDoc.h"
#include "StructMemberSubject.h"

namespace {
// The picker's remembered colours are kept under this id.
const int kColourPickerID = 1;
} // namespace

CStructAppearancePage::CStructAppearancePage(CStructMemberSubject* pSubject)
    : CKwPropertyPage(pSubject, IDD_STRUCT_PAGE_APPEARANCE, IDS_STRUCT_PAGE_APPEARANCE), m_pMember(pSubject),
      m_colour(this), m_font(this)
{
    RegisterForResizing(IDC_STRUCT_LABEL_FONT, ANCHOR_LEFT | ANCHOR_RIGHT | ANCHOR_TOP);
}

void CStructAppearancePage::OnInitPropertyPage()
{
    if (m_colour.AttachButton(IDC_STRUCT_COLOUR, this))
    {
        CKwColorPicker::CButtonArray top, bottom;
        m_colour.InitializeButton(-1, m_pMember->GetMember().m_crColour, top, bottom, "More colours...", kColourPickerID);
    }
    if (m_font.Initialize(IDC_STRUCT_LABEL_FONT, this))
    {
        const CStructSettings* pSettings = CStructApp::GetApp() != NULL ? &CStructApp::GetApp()->GetSettings() : NULL;
        if (pSettings != NULL)
        {
            m_font.SetLogFont(pSettings->m_lfLabel);
            m_font.SetTextColor(pSettings->m_crLabel);
        }
    }
    CKwPropertyPage::OnInitPropertyPage();
}

void CStructAppearancePage::NotifySubjectChanged()
{
    if (m_bSettingProperties || m_hWnd == NULL || m_colour.m_hWnd == NULL)
        return;
    m_colour.SetID(-1);
    m_colour.SetColor(m_pMember->GetMember().m_crColour);
    m_colour.Invalidate();
}

CString CStructAppearancePage::GetToolTipText(UINT nID)
{
    if (nID == IDC_STRUCT_COLOUR)
        return "<b>Colour</b> of the member<br>in the drawing and the schedule";
    if (nID == IDC_STRUCT_LABEL_FONT)
        return "<b>Label font</b><br>The marks in the drawing, for every model";
    return "";
}

void CStructAppearancePage::KwColorPickerClient_OnSelectionChanged(CWnd*)
{
    if (!m_pMember->HasMember() || m_colour.GetID() != -1)
        return;
    CStructMember member = m_pMember->GetMember();
    member.m_crColour = m_colour.GetColor();
    BeginSetProperties();
    m_pMember->SetMember(member);
    EndSetProperties();
}

void CStructAppearancePage::KwColorPickerClient_OnSpecialButton(UINT, CWnd*) {}

void CStructAppearancePage::OnFontChanged(CKwFontPicker* pPicker)
{
    CStructApp* pApp = CStructApp::GetApp();
    if (pApp == NULL || !CStructSettings::IsUsableFont(pPicker->GetLogFont()))
        return;
    CStructSettings& settings = pApp->GetSettings();
    settings.m_lfLabel = pPicker->GetLogFont();
    settings.m_crLabel = pPicker->GetTextColor();
    settings.Save();
    if (pApp->GetModelDoc() != NULL)
        pApp->GetModelDoc()->UpdateAllViews(NULL, kHintModel, NULL);
}

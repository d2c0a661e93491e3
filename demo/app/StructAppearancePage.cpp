// CStructAppearancePage: the colour buttons, the font picker and where their choices go.
#include "StructAppearancePage.h"

#include "StructApp.h"
#include "StructApp.rh"
#include "StructDoc.h"
#include "StructMemberSubject.h"

namespace {

// Each button's picker remembers its additional colours under its own id.
enum { kMemberPicker = 1, kBackgroundPicker, kHighlightPicker };

void AttachColourButton(CKwColorButton& button, UINT nID, CWnd* pPage, COLORREF cr, int nPickerID)
{
    if (!button.AttachButton(nID, pPage))
        return;
    CKwColorPicker::CButtonArray top, bottom;
    button.InitializeButton(-1, cr, top, bottom, "More colours...", nPickerID);
}

} // namespace

CStructAppearancePage::CStructAppearancePage(CStructMemberSubject* pSubject)
    : CKwPropertyPage(pSubject, IDD_STRUCT_PAGE_APPEARANCE, IDS_STRUCT_PAGE_APPEARANCE), m_pMember(pSubject),
      m_colour(this), m_background(this), m_highlight(this), m_font(this)
{
    RegisterForResizing(IDC_STRUCT_LABEL_FONT, ANCHOR_LEFT | ANCHOR_RIGHT | ANCHOR_TOP);
}

void CStructAppearancePage::OnInitPropertyPage()
{
    const CStructSettings& settings = CStructSettings::Get();
    AttachColourButton(m_colour, IDC_STRUCT_COLOUR, this, m_pMember->GetMember().m_crColour, kMemberPicker);
    AttachColourButton(m_background, IDC_STRUCT_BACKGROUND, this, settings.m_crBackground, kBackgroundPicker);
    AttachColourButton(m_highlight, IDC_STRUCT_HIGHLIGHT, this, settings.m_crHighlight, kHighlightPicker);
    if (m_font.Initialize(IDC_STRUCT_LABEL_FONT, this))
    {
        m_font.SetLogFont(settings.m_lfLabel);
        m_font.SetTextColor(settings.m_crLabel);
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
    switch (nID)
    {
    case IDC_STRUCT_COLOUR:
        return "<b>Colour</b> of the member<br>in the drawing and the schedule";
    case IDC_STRUCT_LABEL_FONT:
        return "<b>Label font</b><br>The marks in the drawing, for every model";
    case IDC_STRUCT_BACKGROUND:
        return "<b>Background</b> of the drawing, for every model";
    case IDC_STRUCT_HIGHLIGHT:
        return "<b>Highlight</b><br>The selected member in the drawing";
    default:
        return "";
    }
}

void CStructAppearancePage::KwColorPickerClient_OnSelectionChanged(CWnd* pButton)
{
    if (pButton == &m_colour && m_pMember->HasMember() && m_colour.GetID() == -1)
    {
        CStructMember member = m_pMember->GetMember();
        member.m_crColour = m_colour.GetColor();
        BeginSetProperties();
        m_pMember->SetMember(member);
        EndSetProperties();
    }
    else if (pButton == &m_background || pButton == &m_highlight)
    {
        CStructSettings& settings = CStructSettings::Get();
        COLORREF& cr = pButton == &m_background ? settings.m_crBackground : settings.m_crHighlight;
        cr = ((CKwColorButton*)pButton)->GetColor();
        SettingsChanged();
    }
}

void CStructAppearancePage::KwColorPickerClient_OnSpecialButton(UINT, CWnd*) {}

void CStructAppearancePage::OnFontChanged(CKwFontPicker* pPicker)
{
    if (!CStructSettings::IsUsableFont(pPicker->GetLogFont()))
        return;
    CStructSettings::Get().m_lfLabel = pPicker->GetLogFont();
    CStructSettings::Get().m_crLabel = pPicker->GetTextColor();
    SettingsChanged();
}

void CStructAppearancePage::SettingsChanged()
{
    CStructSettings::Get().Save();
    CStructApp* pApp = CStructApp::GetApp();
    if (pApp != NULL && pApp->GetModelDoc() != NULL)
        pApp->GetModelDoc()->UpdateAllViews(NULL, kHintModel, NULL);
}

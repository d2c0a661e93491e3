// CStructSettings: the drawing's font and colours through the toolkit's registry helpers.
#include "StructSettings.h"

#include "core/KwRegistry.h"

#include <cstring>

namespace {

const char kKey[] = "Drawing";

// A colour is a COLORREF: nothing above its three bytes.
void ReadColour(LPCSTR lpszName, COLORREF& cr)
{
    unsigned long dw = 0;
    if (CKwRegistry::ReadDword(HKEY_CURRENT_USER, kKey, lpszName, dw) && (dw & 0xFF000000) == 0)
        cr = (COLORREF)dw;
}

} // namespace

CStructSettings::CStructSettings()
{
    Reset();
}

CStructSettings& CStructSettings::Get()
{
    static CStructSettings s_settings;
    return s_settings;
}

void CStructSettings::Reset()
{
    memset(&m_lfLabel, 0, sizeof(m_lfLabel));
    m_lfLabel.lfHeight = -12;
    m_lfLabel.lfWeight = FW_BOLD;
    m_lfLabel.lfCharSet = DEFAULT_CHARSET;
    strcpy(m_lfLabel.lfFaceName, "Tahoma");
    m_crLabel = RGB(0x20, 0x20, 0x20);
    m_crBackground = RGB(0xFF, 0xFF, 0xFF);
    m_crHighlight = RGB(0xFF, 0x8C, 0x00);
}

BOOL CStructSettings::IsUsableFont(const LOGFONT& lf)
{
    const size_t nFace = strnlen(lf.lfFaceName, LF_FACESIZE);
    return nFace > 0 && nFace < LF_FACESIZE && lf.lfHeight >= -200 && lf.lfHeight <= 200 && lf.lfHeight != 0 &&
           lf.lfWidth >= 0 && lf.lfWidth <= 200 && lf.lfWeight >= 0 && lf.lfWeight <= 1000;
}

void CStructSettings::Load()
{
    LOGFONT lf;
    if (CKwRegistry::ReadBinary(HKEY_CURRENT_USER, kKey, "LabelFont", &lf, sizeof(lf)) && IsUsableFont(lf))
        m_lfLabel = lf;
    ReadColour("LabelColour", m_crLabel);
    ReadColour("BackgroundColour", m_crBackground);
    ReadColour("HighlightColour", m_crHighlight);
}

BOOL CStructSettings::Save() const
{
    return CKwRegistry::WriteBinary(HKEY_CURRENT_USER, kKey, "LabelFont", &m_lfLabel, sizeof(m_lfLabel)) &&
           CKwRegistry::WriteDword(HKEY_CURRENT_USER, kKey, "LabelColour", m_crLabel) &&
           CKwRegistry::WriteDword(HKEY_CURRENT_USER, kKey, "BackgroundColour", m_crBackground) &&
           CKwRegistry::WriteDword(HKEY_CURRENT_USER, kKey, "HighlightColour", m_crHighlight);
}

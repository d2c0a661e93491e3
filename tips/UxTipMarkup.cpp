// UxTipMarkup.cpp: reading the tooltip's markup into runs.
#include "tips/UxTipMarkup.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

// The colour table has this many slots; a slot beyond it is ignored.
const uint32_t kColorSlots = 26;
const uint32_t kTextSlot = 17;
const uint32_t kBkSlot = 18;

enum ETag
{
    TAG_UNKNOWN,
    TAG_BOLD,
    TAG_ITALIC,
    TAG_STRIKEOUT,
    TAG_UNDERLINE,
    TAG_BREAK,
    TAG_TAB,
    TAG_TEXT_COLOR,
    TAG_TEXT_SLOT,
    TAG_BK_COLOR,
    TAG_BK_SLOT,
    TAG_ALIGN_LEFT,
    TAG_ALIGN_CENTER,
    TAG_ALIGN_RIGHT,
    TAG_RULE,
    TAG_PICTURE,
    TAG_IMAGE_LIST,
    TAG_ICON,
    TAG_BITMAP,
};

// "u" strikes out and "s" underlines: the markup's authors rely on it.
const struct
{
    const char* pszName;
    ETag nTag;
} kTags[] = {
    { "b", TAG_BOLD }, { "i", TAG_ITALIC }, { "u", TAG_STRIKEOUT }, { "s", TAG_UNDERLINE },
    { "br", TAG_BREAK }, { "t", TAG_TAB }, { "ct", TAG_TEXT_COLOR }, { "cti", TAG_TEXT_SLOT },
    { "cb", TAG_BK_COLOR }, { "cbi", TAG_BK_SLOT }, { "al", TAG_ALIGN_LEFT }, { "al_l", TAG_ALIGN_LEFT },
    { "al_c", TAG_ALIGN_CENTER }, { "al_r", TAG_ALIGN_RIGHT }, { "hr", TAG_RULE }, { "img", TAG_PICTURE },
    { "ilst", TAG_IMAGE_LIST }, { "icon", TAG_ICON }, { "bmp", TAG_BITMAP },
};

char Lower(char ch)
{
    return (ch >= 'A' && ch <= 'Z') ? (char)(ch + 'a' - 'A') : ch;
}

// Names are ASCII: compared in lower case without the locale's help.
bool SameName(const char* p, size_t n, const char* pszName)
{
    if (strlen(pszName) != n)
        return false;
    for (size_t i = 0; i < n; i++)
        if (Lower(p[i]) != pszName[i])
            return false;
    return true;
}

ETag FindTag(const char* p, size_t n)
{
    for (const auto& tag : kTags)
        if (SameName(p, n, tag.pszName))
            return tag.nTag;
    return TAG_UNKNOWN;
}

bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\n' || ch == '\r';
}

} // namespace

int CUxTipMarkup::ScanRun(const char* p, int n, int& i)
{
    int nBegin = i;
    while (i < n) {
        char ch = p[i];
        if (ch == '\n')
            break;
        if (ch == '<') {
            if (i + 1 == n) { // a lone '<' at the very end is text
                i++;
                break;
            }
            if (p[i + 1] != '<')
                break;
            i++;
        }
        i++;
    }
    return nBegin;
}

std::string CUxTipMarkup::ReadName(const char* p, int n, int& i)
{
    while (i < n && (p[i] == ' ' || p[i] == '\r'))
        i++;
    if (i < n && p[i] == '\n')
        return std::string();
    int nBegin = i, nEnd = i;
    while (nEnd < n && p[nEnd] != '=' && p[nEnd] != '>' && p[nEnd] != ' ')
        nEnd++;
    i = (nEnd < n && p[nEnd] == ' ') ? nEnd + 1 : nEnd;
    std::string sName;
    sName.reserve(nEnd - nBegin);
    for (int k = nBegin; k < nEnd; k++)
        if (p[k] != '\n' && p[k] != '\r')
            sName += p[k];
    return sName;
}

std::string CUxTipMarkup::ReadValue(const char* p, int n, int& i)
{
    while (i < n && IsBlank(p[i]))
        i++;
    if (i >= n || p[i] != '=')
        return std::string();
    int nBegin = ++i;
    while (i < n && p[i] != ' ' && p[i] != '>')
        i++;
    std::string sValue(p + nBegin, p + i);
    if (i < n && p[i] == ' ')
        i++;
    return sValue;
}

uint32_t CUxTipMarkup::ToNumber(const std::string& s)
{
    // Windows' strtoul is 32 bits wide: the same reading on every platform.
    const char* p = s.c_str();
    while (*p == ' ' || (*p >= '\t' && *p <= '\r'))
        p++;
    bool bNegative = *p == '-';
    if (*p == '-' || *p == '+')
        p++;
    if (*p < '0' || *p > '9')
        return 0;
    errno = 0;
    unsigned long long n = strtoull(p, NULL, 0);
    if (errno == ERANGE || n > 0xFFFFFFFFull)
        return 0xFFFFFFFFu;
    return bNegative ? (uint32_t)(0 - (uint32_t)n) : (uint32_t)n;
}

uint32_t CUxTipMarkup::ReadNumber(const char* p, int n, int& i, uint32_t nDefault)
{
    std::string sValue = ReadValue(p, n, i);
    return sValue.empty() ? nDefault : ToNumber(sValue);
}

void CUxTipMarkup::SkipToEndOfTag(const char* p, int n, int& i)
{
    while (i < n && p[i] != '>' && p[i] != '\n')
        i++;
    if (i < n)
        i++;
}

UxTipRun& CUxTipMarkup::Add(UxTipRun::EKind nKind, uint32_t nValue)
{
    m_runs.emplace_back();
    UxTipRun& run = m_runs.back();
    run.nKind = nKind;
    run.nValue = nValue;
    return run;
}

void CUxTipMarkup::Parse(const char* pszText, int nLength)
{
    m_runs.clear();
    m_chars.clear();
    // Tabulation is the <t> tag's alone: a tab is a space, in text and tags alike.
    m_source.assign(pszText ? pszText : "", pszText ? nLength : 0);
    for (char& ch : m_source)
        if (ch == '\t')
            ch = ' ';
    const char* p = m_source.data();
    const int n = (int)m_source.size();
    int i = 0;
    while (i < n) {
        if (p[i] == '\n') {
            i++;
            Add(UxTipRun::BREAK, 1);
        } else if (p[i] != '<' || i + 1 == n || p[i + 1] == '<') {
            int nBegin = ScanRun(p, n, i);
            AddText(p, nBegin, i);
        } else {
            i++;
            AddTag(p, n, i);
        }
    }
}

// "<<" stands for one '<'; carriage returns are dropped.
void CUxTipMarkup::AddText(const char* p, int nBegin, int nEnd)
{
    size_t nStart = m_chars.size();
    for (int j = nBegin; j < nEnd; j++) {
        if (p[j] != '\r')
            m_chars += p[j];
        if (p[j] == '<' && j + 1 < nEnd)
            j++;
    }
    if (m_chars.size() == nStart)
        return;
    UxTipRun& run = Add(UxTipRun::TEXT);
    run.nText = (int)nStart;
    run.nLength = (int)(m_chars.size() - nStart);
}

// The properties of a picture tag, in any order; one the tag does not know ends them.
void CUxTipMarkup::ReadSizes(const char* p, int n, int& i, int nCount, UxTipRun& run)
{
    for (int k = 0; k < nCount; k++) {
        std::string sProperty = ReadName(p, n, i);
        if (SameName(sProperty.data(), sProperty.size(), "cx"))
            run.cx = ReadNumber(p, n, i, 0);
        else if (SameName(sProperty.data(), sProperty.size(), "cy"))
            run.cy = ReadNumber(p, n, i, 0);
        else if (run.nKind == UxTipRun::BITMAP && SameName(sProperty.data(), sProperty.size(), "mask")) {
            run.crMask = ReadNumber(p, n, i, run.crMask);
            run.bMask = true;
        } else
            break;
    }
}

// An icon or bitmap resource: nothing for identifier 0.
void CUxTipMarkup::AddPicture(UxTipRun::EKind nKind, const char* p, int n, int& i, int nProperties)
{
    UxTipRun run;
    run.nKind = nKind;
    run.nValue = ReadNumber(p, n, i, 0);
    run.crMask = 0xFF00FF; // magenta
    ReadSizes(p, n, i, nProperties, run);
    if (run.nValue != 0)
        m_runs.push_back(run);
}

// A tag, read from just after its '<'. One that begins at a line feed is a line break.
void CUxTipMarkup::AddTag(const char* p, int n, int& i)
{
    std::string sName = ReadName(p, n, i);
    if (sName.empty() && i < n && p[i] == '\n') {
        SkipToEndOfTag(p, n, i);
        Add(UxTipRun::BREAK, 1);
        return;
    }
    const bool bClose = !sName.empty() && sName[0] == '/';
    const size_t nSkip = bClose ? 1 : 0;
    switch (FindTag(sName.data() + nSkip, sName.size() - nSkip)) {
    case TAG_BOLD:
        Add(UxTipRun::STYLE, UXTIP_STYLE_BOLD).bClose = bClose;
        break;
    case TAG_ITALIC:
        Add(UxTipRun::STYLE, UXTIP_STYLE_ITALIC).bClose = bClose;
        break;
    case TAG_STRIKEOUT:
        Add(UxTipRun::STYLE, UXTIP_STYLE_STRIKEOUT).bClose = bClose;
        break;
    case TAG_UNDERLINE:
        Add(UxTipRun::STYLE, UXTIP_STYLE_UNDERLINE).bClose = bClose;
        break;
    case TAG_BREAK:
        Add(UxTipRun::BREAK, ReadNumber(p, n, i, 1));
        break;
    case TAG_TAB:
        Add(UxTipRun::TAB, ReadNumber(p, n, i, 1));
        break;
    case TAG_TEXT_COLOR: {
        // Without a value, the text colour of the moment in the colour table.
        std::string sValue = ReadValue(p, n, i);
        Add(UxTipRun::TEXT_COLOR, sValue.empty() ? kTextSlot : ToNumber(sValue)).bSlot = sValue.empty();
        break;
    }
    case TAG_TEXT_SLOT: {
        uint32_t nSlot = ReadNumber(p, n, i, kTextSlot);
        if (nSlot < kColorSlots)
            Add(UxTipRun::TEXT_COLOR, nSlot).bSlot = true;
        break;
    }
    case TAG_BK_COLOR: {
        std::string sValue = ReadValue(p, n, i);
        UxTipRun& run = Add(UxTipRun::BK_COLOR, sValue.empty() ? kBkSlot : ToNumber(sValue));
        run.bSlot = sValue.empty();
        run.bClose = bClose;
        break;
    }
    case TAG_BK_SLOT: {
        uint32_t nSlot = ReadNumber(p, n, i, kBkSlot);
        if (nSlot < kColorSlots) {
            UxTipRun& run = Add(UxTipRun::BK_COLOR, nSlot);
            run.bSlot = true;
            run.bClose = bClose;
        }
        break;
    }
    case TAG_ALIGN_LEFT:
        Add(UxTipRun::ALIGN, UXTIP_ALIGN_LEFT);
        break;
    case TAG_ALIGN_CENTER:
        Add(UxTipRun::ALIGN, UXTIP_ALIGN_CENTER);
        break;
    case TAG_ALIGN_RIGHT:
        Add(UxTipRun::ALIGN, UXTIP_ALIGN_RIGHT);
        break;
    case TAG_RULE: {
        // Pixels, or with a final '%' a percentage of the available width.
        std::string sValue = ReadValue(p, n, i);
        UxTipRun& run = Add(UxTipRun::RULE, sValue.empty() ? 100 : ToNumber(sValue));
        run.bPercent = !sValue.empty() && sValue.back() == '%';
        break;
    }
    case TAG_PICTURE: {
        std::string sPicture = ReadValue(p, n, i);
        UxTipRun run;
        run.nKind = UxTipRun::PICTURE;
        ReadSizes(p, n, i, 2, run);
        if (sPicture.empty())
            break;
        run.nText = (int)m_chars.size();
        run.nLength = (int)sPicture.size();
        m_chars += sPicture;
        m_runs.push_back(run);
        break;
    }
    case TAG_IMAGE_LIST:
        Add(UxTipRun::IMAGE_LIST, ReadNumber(p, n, i, 0));
        break;
    case TAG_ICON:
        AddPicture(UxTipRun::ICON, p, n, i, 2);
        break;
    case TAG_BITMAP:
        AddPicture(UxTipRun::BITMAP, p, n, i, 3);
        break;
    case TAG_UNKNOWN:
        break;
    }
    SkipToEndOfTag(p, n, i);
}

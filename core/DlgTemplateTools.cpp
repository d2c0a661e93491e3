// DlgTemplateTools.cpp: walking the published layouts of dialog templates, field by field, and
// the dialog-unit arithmetic of the dialog manager.
#include "core/DlgTemplateTools.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace {

typedef std::basic_string<WCHAR> CWideName;

// What the bare forms pass for a template whose size is not known.
const size_t unknownSize = SIZE_MAX / 2;

// Reads little-endian fields at offsets from the template's first byte, never at or past its
// size; a read that would run past it fails the reader for good.
class CTemplateReader
{
public:
    CTemplateReader(const DLGTEMPLATE* t, size_t size)
        : m_pBase((const BYTE*)t), m_nSize(size), m_nPos(0), m_bOk(t != NULL)
    {
    }

    bool Ok() const { return m_bOk; }
    size_t Pos() const { return m_nPos; }
    void Seek(size_t pos)
    {
        if (pos > m_nSize)
            m_bOk = false;
        else
            m_nPos = pos;
    }
    void Skip(size_t n)
    {
        if (!m_bOk || n > m_nSize - m_nPos)
            m_bOk = false;
        else
            m_nPos += n;
    }
    WORD Word()
    {
        WORD w = 0;
        Read(&w, sizeof(w));
        return w;
    }
    DWORD Dword()
    {
        DWORD dw = 0;
        Read(&dw, sizeof(dw));
        return dw;
    }
    short Short() { return (short)Word(); }
    // A zero-terminated UTF-16 string.
    CWideName String()
    {
        CWideName name;
        for (WORD w = Word(); m_bOk && w != 0; w = Word())
            name += (WCHAR)w;
        return name;
    }
    // sz_Or_Ord: 0xFFFF and an ordinal, or a string (ordinal 0 then).
    WORD NameOrOrdinal(CWideName& name)
    {
        size_t start = m_nPos;
        if (Word() == 0xFFFF)
            return Word();
        Seek(start);
        name = String();
        return 0;
    }
    // Items start at 4-byte boundaries from the template's first byte.
    static size_t Aligned(size_t pos) { return (pos + 3) & ~(size_t)3; }

private:
    void Read(void* p, size_t n)
    {
        if (m_bOk && n <= m_nSize - m_nPos)
            memcpy(p, m_pBase + m_nPos, n);
        Skip(n);
    }

    const BYTE* m_pBase;
    size_t m_nSize;
    size_t m_nPos;
    bool m_bOk;
};

struct CHeader
{
    bool m_bEx;
    DWORD m_dwStyle;
    CDlgTemplateTools::CDialogInfo m_info;
    bool m_bFont;
    WORD m_wPointSize;
    WORD m_wWeight; // the extended form's; normal for the classic one
    BYTE m_bItalic;
    CWideName m_face;
    size_t m_nFirstItem;
};

bool ReadHeader(const DLGTEMPLATE* t, size_t size, CHeader& header)
{
    CTemplateReader r(t, size);
    r.Skip(2);
    header.m_bEx = r.Word() == 0xFFFF;
    r.Seek(header.m_bEx ? 12 : 0);
    header.m_dwStyle = r.Dword();
    r.Seek(header.m_bEx ? 16 : 8);
    header.m_info.m_dwItemCount = r.Word();
    header.m_info.m_x = r.Short();
    header.m_info.m_y = r.Short();
    header.m_info.m_cx = r.Short();
    header.m_info.m_cy = r.Short();
    CWideName name;
    r.NameOrOrdinal(name); // menu
    r.NameOrOrdinal(name); // window class
    r.String();            // title
    header.m_bFont = (header.m_dwStyle & DS_SETFONT) != 0;
    header.m_wPointSize = 0;
    header.m_wWeight = FW_NORMAL;
    header.m_bItalic = FALSE;
    if (header.m_bFont)
    {
        header.m_wPointSize = r.Word();
        if (header.m_bEx)
        {
            header.m_wWeight = r.Word();
            header.m_bItalic = (BYTE)(r.Word() & 0xFF); // then the character set
        }
        header.m_face = r.String();
    }
    header.m_nFirstItem = CTemplateReader::Aligned(r.Pos());
    return r.Ok();
}

struct CItem
{
    CDlgTemplateTools::CItemInfo m_info;
    size_t m_nNext; // where the following item starts
};

bool ReadItem(const DLGTEMPLATE* t, size_t size, bool bEx, size_t pos, CItem& item)
{
    CTemplateReader r(t, size);
    r.Seek(pos);
    r.Skip(bEx ? 12 : 8); // help id, extended style, style
    item.m_info.m_x = r.Short();
    item.m_info.m_y = r.Short();
    item.m_info.m_cx = r.Short();
    item.m_info.m_cy = r.Short();
    item.m_info.m_dwId = bEx ? r.Dword() : r.Word();
    CWideName className, title;
    WORD classOrdinal = r.NameOrOrdinal(className);
    static const WCHAR combo[] = {'C', 'O', 'M', 'B', 'O', 'B', 'O', 'X', 0};
    item.m_info.m_bComboBox = classOrdinal == 0x0085 || className == combo;
    r.NameOrOrdinal(title);
    r.Skip(r.Word()); // creation data
    item.m_nNext = CTemplateReader::Aligned(r.Pos());
    return r.Ok();
}

size_t Offset(const DLGTEMPLATE* t, const void* p)
{
    return (size_t)((const BYTE*)p - (const BYTE*)t);
}

DLGITEMTEMPLATE* At(const DLGTEMPLATE* t, size_t pos)
{
    return (DLGITEMTEMPLATE*)((const BYTE*)t + pos);
}

// Calls visit(pos, item) for each of the template's items while it returns true; false when
// the header or an item runs past the size.
template<class Visit>
bool WalkItems(const DLGTEMPLATE* t, size_t size, const CHeader& header, Visit visit)
{
    size_t pos = header.m_nFirstItem;
    for (DWORD i = 0; i < header.m_info.m_dwItemCount; ++i)
    {
        CItem item;
        if (!ReadItem(t, size, header.m_bEx, pos, item))
            return false;
        if (!visit(pos, item))
            return true;
        pos = item.m_nNext;
    }
    return true;
}

bool ReadValidHeader(const DLGTEMPLATE* t, DWORD size, CHeader& header)
{
    return ReadHeader(t, size, header) && WalkItems(t, size, header, [](size_t, const CItem&) { return true; });
}

// The index of the item at p among the template's items, -1 when none starts there.
int IndexOfItem(const DLGTEMPLATE* t, DWORD size, const CHeader& header, const void* p)
{
    int index = -1, i = 0;
    size_t wanted = Offset(t, p);
    WalkItems(t, size, header, [&](size_t pos, const CItem&) {
        if (pos == wanted)
            index = i;
        ++i;
        return index < 0;
    });
    return index;
}

CString Narrow(const CWideName& name)
{
    CString text;
    int n = ::WideCharToMultiByte(CP_ACP, 0, name.c_str(), (int)name.size(), NULL, 0, NULL, NULL);
    if (n > 0)
    {
        ::WideCharToMultiByte(CP_ACP, 0, name.c_str(), (int)name.size(), text.GetBuffer(n), n, NULL, NULL);
        text.ReleaseBuffer(n);
    }
    return text;
}

// The dialog manager's base units for a typeface, measured on the screen: the average width of
// the letters, rounded, and the character height. Leaves the units alone when the font cannot
// be made.
void MeasureBaseUnits(const CString& face, WORD pointSize, WORD weight, BYTE italic, int& baseWidth, int& baseHeight)
{
    HDC hDC = ::GetDC(NULL);
    if (hDC == NULL)
        return;
    HFONT hFont = ::CreateFontA(-::MulDiv(pointSize, ::GetDeviceCaps(hDC, LOGPIXELSY), 72), 0, 0, 0, weight, italic, 0,
        0, DEFAULT_CHARSET, 0, 0, 0, 0, face);
    if (hFont != NULL)
    {
        static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
        HGDIOBJ hOld = ::SelectObject(hDC, hFont);
        TEXTMETRICA tm;
        SIZE extent;
        if (::GetTextMetricsA(hDC, &tm) && ::GetTextExtentPoint32A(hDC, letters, 52, &extent))
        {
            baseWidth = (extent.cx + 26) / 52;
            baseHeight = tm.tmHeight;
        }
        ::SelectObject(hDC, hOld);
        ::DeleteObject(hFont);
    }
    ::ReleaseDC(NULL, hDC);
}

} // namespace

int CDlgTemplateTools::IsDialogEx(const DLGTEMPLATE* t)
{
    CTemplateReader r(t, unknownSize);
    r.Skip(2);
    return r.Word() == 0xFFFF;
}

void CDlgTemplateTools::GetDialogInfo(const DLGTEMPLATE* t, CDialogInfo& info)
{
    CHeader header;
    ReadHeader(t, unknownSize, header);
    info = header.m_info;
}

DLGITEMTEMPLATE* CDlgTemplateTools::FindFirstItem(const DLGTEMPLATE* t)
{
    CHeader header;
    ReadHeader(t, unknownSize, header);
    return At(t, header.m_nFirstItem);
}

DLGITEMTEMPLATE* CDlgTemplateTools::FindNextItem(const DLGTEMPLATE* t, const DLGITEMTEMPLATE* item)
{
    CItem next;
    ReadItem(t, unknownSize, IsDialogEx(t) != 0, Offset(t, item), next);
    return At(t, next.m_nNext);
}

void CDlgTemplateTools::GetItemInfo(const DLGTEMPLATE* t, const DLGITEMTEMPLATE* item, CItemInfo& info)
{
    CItem read;
    ReadItem(t, unknownSize, IsDialogEx(t) != 0, Offset(t, item), read);
    info = read.m_info;
}

DLGITEMTEMPLATE* CDlgTemplateTools::FindItem(const DLGTEMPLATE* t, UINT id)
{
    CHeader header;
    ReadHeader(t, unknownSize, header);
    DLGITEMTEMPLATE* found = NULL;
    WalkItems(t, unknownSize, header, [&](size_t pos, const CItem& item) {
        if (item.m_info.m_dwId == id)
            found = At(t, pos);
        return found == NULL;
    });
    return found;
}

void CDlgTemplateTools::ConvertDialogUnitsToPixels(const DLGTEMPLATE* t, CRect& rc)
{
    CHeader header;
    ReadHeader(t, unknownSize, header);
    LONG units = ::GetDialogBaseUnits();
    int baseWidth = LOWORD(units), baseHeight = HIWORD(units);
    if (header.m_bFont)
        MeasureBaseUnits(Narrow(header.m_face), header.m_wPointSize, header.m_wWeight, header.m_bItalic, baseWidth,
            baseHeight);
    ScaleDialogUnits(baseWidth, baseHeight, rc);
}

void CDlgTemplateTools::ConvertDialogUnitsToPixels(CString& face, WORD& pointSize, CRect& rc)
{
    LONG units = ::GetDialogBaseUnits();
    int baseWidth = LOWORD(units), baseHeight = HIWORD(units);
    MeasureBaseUnits(face, pointSize, FW_NORMAL, FALSE, baseWidth, baseHeight);
    ScaleDialogUnits(baseWidth, baseHeight, rc);
}

void CDlgTemplateTools::ScaleDialogUnits(int baseWidth, int baseHeight, CRect& rc)
{
    rc.left = ::MulDiv(rc.left, baseWidth, 4);
    rc.right = ::MulDiv(rc.right, baseWidth, 4);
    rc.top = ::MulDiv(rc.top, baseHeight, 8);
    rc.bottom = ::MulDiv(rc.bottom, baseHeight, 8);
}

bool CDlgTemplateTools::IsValidTemplate(const DLGTEMPLATE* t, DWORD size)
{
    CHeader header;
    return ReadValidHeader(t, size, header);
}

bool CDlgTemplateTools::GetDialogInfo(const DLGTEMPLATE* t, DWORD size, CDialogInfo& info)
{
    CHeader header;
    if (!ReadValidHeader(t, size, header))
        return false;
    info = header.m_info;
    return true;
}

DLGITEMTEMPLATE* CDlgTemplateTools::FindFirstItem(const DLGTEMPLATE* t, DWORD size)
{
    CHeader header;
    if (!ReadValidHeader(t, size, header) || header.m_info.m_dwItemCount == 0)
        return NULL;
    return At(t, header.m_nFirstItem);
}

DLGITEMTEMPLATE* CDlgTemplateTools::FindNextItem(const DLGTEMPLATE* t, DWORD size, const DLGITEMTEMPLATE* item)
{
    CHeader header;
    if (!ReadValidHeader(t, size, header))
        return NULL;
    int index = IndexOfItem(t, size, header, item);
    if (index < 0 || (DWORD)index + 1 >= header.m_info.m_dwItemCount)
        return NULL;
    return FindNextItem(t, item);
}

bool CDlgTemplateTools::GetItemInfo(const DLGTEMPLATE* t, DWORD size, const DLGITEMTEMPLATE* item, CItemInfo& info)
{
    CHeader header;
    if (!ReadValidHeader(t, size, header) || IndexOfItem(t, size, header, item) < 0)
        return false;
    GetItemInfo(t, item, info);
    return true;
}

DLGITEMTEMPLATE* CDlgTemplateTools::FindItem(const DLGTEMPLATE* t, DWORD size, UINT id)
{
    return IsValidTemplate(t, size) ? FindItem(t, id) : NULL;
}

bool CDlgTemplateTools::ConvertDialogUnitsToPixels(const DLGTEMPLATE* t, DWORD size, CRect& rc)
{
    if (!IsValidTemplate(t, size))
        return false;
    ConvertDialogUnitsToPixels(t, rc);
    return true;
}

// DlgTemplateTools.cpp: dialog templates read through CDlgTemplateReader, and the dialog-unit
// arithmetic of the dialog manager.
#include "core/DlgTemplateTools.h"
#include "core/DlgTemplateReader.h"
#include "core/KwDpi.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace {

typedef CDlgTemplateReader R;

// What the bare forms pass for a template whose size is not known.
const size_t unknownSize = SIZE_MAX / 2;

const uint8_t* Bytes(const void* p)
{
    return (const uint8_t*)p;
}

CDlgTemplateTools::CDialogInfo DialogInfo(const R::CHeader& header)
{
    return {header.m_nItems, header.m_x, header.m_y, header.m_cx, header.m_cy};
}

CDlgTemplateTools::CItemInfo ItemInfo(const R::CItem& item)
{
    return {item.m_dwId, item.m_x, item.m_y, item.m_cx, item.m_cy, item.m_bComboBox ? TRUE : FALSE};
}

size_t Offset(const DLGTEMPLATE* t, const void* p)
{
    return (size_t)((const BYTE*)p - (const BYTE*)t);
}

DLGITEMTEMPLATE* At(const DLGTEMPLATE* t, size_t pos)
{
    return (DLGITEMTEMPLATE*)((const BYTE*)t + pos);
}

bool ReadValidHeader(const DLGTEMPLATE* t, DWORD size, R::CHeader& header)
{
    return R::ReadHeader(Bytes(t), size, header) &&
        R::WalkItems(Bytes(t), size, header, [](size_t, const R::CItem&) { return true; });
}

// The index of the item at p among the template's items, -1 when none starts there.
int IndexOfItem(const DLGTEMPLATE* t, DWORD size, const R::CHeader& header, const void* p)
{
    int index = -1, i = 0;
    size_t wanted = Offset(t, p);
    R::WalkItems(Bytes(t), size, header, [&](size_t pos, const R::CItem&) {
        if (pos == wanted)
            index = i;
        ++i;
        return index < 0;
    });
    return index;
}

CString Narrow(const std::u16string& name)
{
    CString text;
    int n = ::WideCharToMultiByte(CP_ACP, 0, (LPCWCH)name.c_str(), (int)name.size(), NULL, 0, NULL, NULL);
    if (n > 0)
    {
        ::WideCharToMultiByte(CP_ACP, 0, (LPCWCH)name.c_str(), (int)name.size(), text.GetBuffer(n), n, NULL, NULL);
        text.ReleaseBuffer(n);
    }
    return text;
}

// The dialog manager's base units for a typeface made for nDpi (0: the screen's): the average
// width of the letters, rounded, and the character height. Leaves the units alone when the font
// cannot be made.
void MeasureBaseUnits(const CString& face, WORD pointSize, WORD weight, BYTE italic, int& baseWidth, int& baseHeight,
                      UINT nDpi = 0)
{
    HDC hDC = ::GetDC(NULL);
    if (hDC == NULL)
        return;
    const int nPixelsPerInch = nDpi != 0 ? (int)nDpi : ::GetDeviceCaps(hDC, LOGPIXELSY);
    HFONT hFont = ::CreateFontA(-::MulDiv(pointSize, nPixelsPerInch, 72), 0, 0, 0, weight, italic, 0,
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
    const BYTE* p = (const BYTE*)t;
    return p != NULL && p[2] == 0xFF && p[3] == 0xFF;
}

void CDlgTemplateTools::GetDialogInfo(const DLGTEMPLATE* t, CDialogInfo& info)
{
    R::CHeader header;
    R::ReadHeader(Bytes(t), unknownSize, header);
    info = DialogInfo(header);
}

DLGITEMTEMPLATE* CDlgTemplateTools::FindFirstItem(const DLGTEMPLATE* t)
{
    R::CHeader header;
    R::ReadHeader(Bytes(t), unknownSize, header);
    return At(t, header.m_nFirstItem);
}

DLGITEMTEMPLATE* CDlgTemplateTools::FindNextItem(const DLGTEMPLATE* t, const DLGITEMTEMPLATE* item)
{
    R::CItem next;
    R::ReadItem(Bytes(t), unknownSize, IsDialogEx(t) != 0, Offset(t, item), next);
    return At(t, next.m_nNext);
}

void CDlgTemplateTools::GetItemInfo(const DLGTEMPLATE* t, const DLGITEMTEMPLATE* item, CItemInfo& info)
{
    R::CItem read;
    R::ReadItem(Bytes(t), unknownSize, IsDialogEx(t) != 0, Offset(t, item), read);
    info = ItemInfo(read);
}

DLGITEMTEMPLATE* CDlgTemplateTools::FindItem(const DLGTEMPLATE* t, UINT id)
{
    R::CHeader header;
    R::ReadHeader(Bytes(t), unknownSize, header);
    DLGITEMTEMPLATE* found = NULL;
    R::WalkItems(Bytes(t), unknownSize, header, [&](size_t pos, const R::CItem& item) {
        if (item.m_dwId == id)
            found = At(t, pos);
        return found == NULL;
    });
    return found;
}

void CDlgTemplateTools::ConvertDialogUnitsToPixels(const DLGTEMPLATE* t, CRect& rc)
{
    ConvertAtDpi(t, rc, 0);
}

void CDlgTemplateTools::ConvertAtDpi(const DLGTEMPLATE* t, CRect& rc, UINT nDpi)
{
    R::CHeader header;
    R::ReadHeader(Bytes(t), unknownSize, header);
    LONG units = ::GetDialogBaseUnits();
    int baseWidth = LOWORD(units), baseHeight = HIWORD(units);
    if (header.m_bFont)
        MeasureBaseUnits(Narrow(header.m_face), header.m_wPointSize, header.m_wWeight, header.m_bItalic, baseWidth,
            baseHeight, nDpi);
    else if (nDpi != 0)
    {
        // The system font's units are the screen's.
        const UINT nScreen = CKwDpi::ForWindow(NULL);
        baseWidth = ::MulDiv(baseWidth, (int)nDpi, (int)nScreen);
        baseHeight = ::MulDiv(baseHeight, (int)nDpi, (int)nScreen);
    }
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
    R::CHeader header;
    return ReadValidHeader(t, size, header);
}

bool CDlgTemplateTools::GetDialogInfo(const DLGTEMPLATE* t, DWORD size, CDialogInfo& info)
{
    R::CHeader header;
    if (!ReadValidHeader(t, size, header))
        return false;
    info = DialogInfo(header);
    return true;
}

DLGITEMTEMPLATE* CDlgTemplateTools::FindFirstItem(const DLGTEMPLATE* t, DWORD size)
{
    R::CHeader header;
    if (!ReadValidHeader(t, size, header) || header.m_nItems == 0)
        return NULL;
    return At(t, header.m_nFirstItem);
}

DLGITEMTEMPLATE* CDlgTemplateTools::FindNextItem(const DLGTEMPLATE* t, DWORD size, const DLGITEMTEMPLATE* item)
{
    R::CHeader header;
    if (!ReadValidHeader(t, size, header))
        return NULL;
    int index = IndexOfItem(t, size, header, item);
    if (index < 0 || (DWORD)index + 1 >= header.m_nItems)
        return NULL;
    return FindNextItem(t, item);
}

bool CDlgTemplateTools::GetItemInfo(const DLGTEMPLATE* t, DWORD size, const DLGITEMTEMPLATE* item, CItemInfo& info)
{
    R::CHeader header;
    if (!ReadValidHeader(t, size, header) || IndexOfItem(t, size, header, item) < 0)
        return false;
    GetItemInfo(t, item, info);
    return true;
}

DLGITEMTEMPLATE* CDlgTemplateTools::FindItem(const DLGTEMPLATE* t, DWORD size, UINT id)
{
    return IsValidTemplate(t, size) ? FindItem(t, id) : NULL;
}

bool CDlgTemplateTools::ConvertDialogUnitsToPixels(const DLGTEMPLATE* t, DWORD size, CRect& rc, UINT nDpi)
{
    if (!IsValidTemplate(t, size))
        return false;
    ConvertAtDpi(t, rc, nDpi);
    return true;
}

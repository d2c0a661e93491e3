// DlgTemplateReader.cpp: walking the published layouts of dialog templates, field by field.
#include "core/DlgTemplateReader.h"

#include <cstring>

namespace {

const uint32_t kDsSetFont = 0x40;
const uint16_t kFwNormal = 400;

// Reads little-endian fields at offsets from the template's first byte, never at or past its
// size; a read that would run past it fails the reader for good.
class CFieldReader
{
public:
    CFieldReader(const uint8_t* pData, size_t nSize) : m_pBase(pData), m_nSize(nSize), m_nPos(0), m_bOk(pData != NULL)
    {
    }

    bool Ok() const { return m_bOk; }
    size_t Pos() const { return m_nPos; }
    void Seek(size_t nPos)
    {
        if (nPos > m_nSize)
            m_bOk = false;
        else
            m_nPos = nPos;
    }
    void Skip(size_t n)
    {
        if (!m_bOk || n > m_nSize - m_nPos)
            m_bOk = false;
        else
            m_nPos += n;
    }
    uint16_t Word()
    {
        uint8_t b[2] = {};
        Read(b, sizeof(b));
        return (uint16_t)(b[0] | (b[1] << 8));
    }
    uint32_t Dword()
    {
        uint32_t nLow = Word();
        return nLow | ((uint32_t)Word() << 16);
    }
    int16_t Short() { return (int16_t)Word(); }
    // A zero-terminated UTF-16 string.
    std::u16string String()
    {
        std::u16string name;
        for (uint16_t w = Word(); m_bOk && w != 0; w = Word())
            name += (char16_t)w;
        return name;
    }
    // sz_Or_Ord: 0xFFFF and an ordinal, or a string (ordinal 0 then).
    uint16_t NameOrOrdinal(std::u16string& name)
    {
        size_t nStart = m_nPos;
        if (Word() == 0xFFFF)
            return Word();
        Seek(nStart);
        name = String();
        return 0;
    }
    // Items start at 4-byte boundaries from the template's first byte.
    static size_t Aligned(size_t nPos) { return (nPos + 3) & ~(size_t)3; }

private:
    void Read(uint8_t* p, size_t n)
    {
        if (m_bOk && n <= m_nSize - m_nPos)
            memcpy(p, m_pBase + m_nPos, n);
        Skip(n);
    }

    const uint8_t* m_pBase;
    size_t m_nSize;
    size_t m_nPos;
    bool m_bOk;
};

} // namespace

bool CDlgTemplateReader::ReadHeader(const uint8_t* pData, size_t nSize, CHeader& header)
{
    CFieldReader r(pData, nSize);
    r.Skip(2);
    header.m_bEx = r.Word() == 0xFFFF;
    r.Seek(header.m_bEx ? 12 : 0);
    header.m_dwStyle = r.Dword();
    r.Seek(header.m_bEx ? 16 : 8);
    header.m_nItems = r.Word();
    header.m_x = r.Short();
    header.m_y = r.Short();
    header.m_cx = r.Short();
    header.m_cy = r.Short();
    std::u16string name;
    r.NameOrOrdinal(name); // menu
    r.NameOrOrdinal(name); // window class
    r.String();            // title
    header.m_bFont = (header.m_dwStyle & kDsSetFont) != 0;
    header.m_wPointSize = 0;
    header.m_wWeight = kFwNormal;
    header.m_bItalic = 0;
    header.m_face.clear();
    if (header.m_bFont)
    {
        header.m_wPointSize = r.Word();
        if (header.m_bEx)
        {
            header.m_wWeight = r.Word();
            header.m_bItalic = (uint8_t)(r.Word() & 0xFF); // then the character set
        }
        header.m_face = r.String();
    }
    header.m_nFirstItem = CFieldReader::Aligned(r.Pos());
    return r.Ok();
}

bool CDlgTemplateReader::ReadItem(const uint8_t* pData, size_t nSize, bool bEx, size_t nPos, CItem& item)
{
    CFieldReader r(pData, nSize);
    r.Seek(nPos);
    r.Skip(bEx ? 12 : 8); // help id, extended style, style
    item.m_x = r.Short();
    item.m_y = r.Short();
    item.m_cx = r.Short();
    item.m_cy = r.Short();
    item.m_dwId = bEx ? r.Dword() : r.Word();
    std::u16string className, title;
    uint16_t nClassOrdinal = r.NameOrOrdinal(className);
    item.m_bComboBox = nClassOrdinal == 0x0085 || className == u"COMBOBOX";
    r.NameOrOrdinal(title);
    r.Skip(r.Word()); // creation data
    item.m_nNext = CFieldReader::Aligned(r.Pos());
    return r.Ok();
}

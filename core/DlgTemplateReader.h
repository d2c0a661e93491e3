// DlgTemplateReader.h: declares CDlgTemplateReader, the fields of an in-memory dialog template
// (classic or extended) read by their published layouts, little-endian, every read within the
// size given. Portable, so that the sanitizers and fuzzers reach it; CDlgTemplateTools gives it
// the Windows types.
#pragma once

#include "core/KwUiExport.h"

#include <cstddef>
#include <cstdint>
#include <string>

class KWUI_API CDlgTemplateReader
{
public:
    struct CHeader
    {
        bool m_bEx;
        uint32_t m_dwStyle;
        uint16_t m_nItems;
        int16_t m_x, m_y, m_cx, m_cy;
        bool m_bFont;
        uint16_t m_wPointSize;
        uint16_t m_wWeight; // the extended form's; normal (400) for the classic one
        uint8_t m_bItalic;
        std::u16string m_face;
        size_t m_nFirstItem;
    };

    struct CItem
    {
        uint32_t m_dwId; // a classic template's 16-bit id widened
        int16_t m_x, m_y, m_cx, m_cy;
        bool m_bComboBox; // its class is "COMBOBOX" or the ordinal 0x0085
        size_t m_nNext;   // where the following item starts
    };

    // false when the header runs past nSize.
    static bool ReadHeader(const uint8_t* pData, size_t nSize, CHeader& header);
    // The item at nPos; false when it runs past nSize.
    static bool ReadItem(const uint8_t* pData, size_t nSize, bool bEx, size_t nPos, CItem& item);

    // Calls visit(pos, item) for each of the template's items while it returns true; false when
    // an item runs past the size.
    template<class Visit>
    static bool WalkItems(const uint8_t* pData, size_t nSize, const CHeader& header, Visit visit)
    {
        size_t nPos = header.m_nFirstItem;
        for (uint16_t i = 0; i < header.m_nItems; ++i)
        {
            CItem item;
            if (!ReadItem(pData, nSize, header.m_bEx, nPos, item))
                return false;
            if (!visit(nPos, item))
                return true;
            nPos = item.m_nNext;
        }
        return true;
    }
};

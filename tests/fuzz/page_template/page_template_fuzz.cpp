// Dialog templates from arbitrary bytes, with their size: the header and every item are read
// within it (the sanitizers see any read past the input), or refused. A template read with more
// bytes after it reads the same. Made a child's template, it changes only its style fields, and
// reads as the same header and items; refused, it is left as it was.
#include "../FuzzRequire.h"
#include "core/DlgTemplateReader.h"
#include "pages/KwPageTemplate.h"

#include <vector>

namespace {

typedef CDlgTemplateReader R;

// The header and items as read, flattened for comparison; empty when refused.
std::vector<int64_t> Read(const uint8_t* pData, size_t nSize)
{
    R::CHeader header;
    if (!R::ReadHeader(pData, nSize, header))
        return {};
    std::vector<int64_t> fields = {header.m_bEx, header.m_nItems, header.m_x, header.m_y, header.m_cx, header.m_cy,
        header.m_bFont, header.m_wPointSize, header.m_wWeight, header.m_bItalic, (int64_t)header.m_face.size(),
        (int64_t)header.m_nFirstItem};
    bool bWhole = R::WalkItems(pData, nSize, header, [&](size_t nPos, const R::CItem& item) {
        Require(nPos >= header.m_nFirstItem && nPos % 4 == 0 && nPos < nSize && item.m_nNext > nPos);
        fields.insert(fields.end(), {(int64_t)nPos, item.m_dwId, item.m_x, item.m_y, item.m_cx, item.m_cy,
            item.m_bComboBox, (int64_t)item.m_nNext});
        return true;
    });
    return bWhole ? fields : std::vector<int64_t>();
}

uint32_t Get32(const uint8_t* p)
{
    return (uint32_t)p[0] | ((uint32_t)p[1] << 8) | ((uint32_t)p[2] << 16) | ((uint32_t)p[3] << 24);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<int64_t> fields = Read(data, size);
    if (!fields.empty()) {
        std::vector<uint8_t> longer(data, data + size);
        longer.resize(size + 64, 0xFF);
        Require(Read(longer.data(), size) == fields && Read(longer.data(), longer.size()) == fields);
    }

    std::vector<uint8_t> child(data, data + size);
    if (!CKwPageTemplate::MakeChildStyle(child.data(), child.size())) {
        Require(child == std::vector<uint8_t>(data, data + size));
        return 0;
    }
    const bool bEx = data[2] == 0xFF && data[3] == 0xFF;
    const size_t nStyle = bEx ? 12 : 0, nExStyle = bEx ? 8 : 4;
    for (size_t i = 0; i < size; i++)
        Require(child[i] == data[i] || (i >= nStyle && i < nStyle + 4) || (i >= nExStyle && i < nExStyle + 4));
    const uint32_t nNewStyle = Get32(&child[nStyle]);
    // A child, not a popup, hidden until shown, without the modal frame in either style.
    Require((nNewStyle & 0xD0000080u) == 0x40000000u && (Get32(&child[nExStyle]) & 1u) == 0);
    Require(Read(child.data(), child.size()) == fields);
    return 0;
}

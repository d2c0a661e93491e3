// TestMutator.cpp: the archive's own structure is recognised in the seed's bytes: a short string
// is a length byte before as many printable characters, a class written for the first time is
// tag 0xFFFF, a schema and a name, a class named before is a tag with bit 0x8000 set, and a count
// or a length is a 32-bit value no larger than what follows it.
#include "support/TestMutator.h"

#include <algorithm>

namespace {
bool Printable(const Bytes& bytes, size_t at, size_t n)
{
    if (at + n > bytes.size())
        return false;
    for (size_t i = at; i < at + n; i++)
        if (bytes[i] < 0x20 || bytes[i] > 0x7E)
            return false;
    return true;
}
} // namespace

TestMutator::TestMutator(const Bytes& seed, uint32_t nRawPercent) : m_seed(seed), m_nRawPercent(nRawPercent)
{
    for (size_t i = 0; i < seed.size(); i++)
    {
        size_t left = seed.size() - i;
        if (seed[i] > 0 && seed[i] < 0xFF && Printable(seed, i + 1, seed[i]))
            Add(i, 1);
        if (left >= 6 && Read(i, 2) == 0xFFFF && Read(i + 4, 2) > 0 && Printable(seed, i + 6, Read(i + 4, 2)))
            Add(i, 2), Add(i + 2, 2), Add(i + 4, 2);
        else if (left >= 2 && seed[i + 1] == 0x80 && seed[i] > 0 && seed[i] < 0x40)
            Add(i, 2);
        if (left >= 4 && Read(i, 4) > 0 && Read(i, 4) <= left - 4)
            Add(i, 4);
    }
}

void TestMutator::Add(size_t at, size_t width)
{
    m_fields.push_back({at, width, Read(at, width)});
}

uint32_t TestMutator::Read(size_t at, size_t width) const
{
    uint32_t v = 0;
    for (size_t k = width; k-- > 0;)
        v = v << 8 | m_seed[at + k];
    return v;
}

Bytes TestMutator::Mutate(TestRandom& random) const
{
    Bytes bytes(m_seed);
    bool bRaw = m_fields.empty() || random.Below(100) < m_nRawPercent;
    uint32_t nFields = m_fields.empty() ? 0 : (bRaw ? 0 : 1) + random.Below(2);
    // Fields first, while their offsets hold.
    for (uint32_t n = nFields; n > 0; n--)
    {
        const Field& f = m_fields[random.Below((uint32_t)m_fields.size())];
        const uint32_t edges[] = {0, 1, f.value - 1, f.value + 1, f.value * 2 + 1, 0xFFFFFFFFu, 0x80000000u,
            0x7FFFFFFFu, 0xFE, 0xFF, (uint32_t)random.Next()};
        uint32_t v = edges[random.Below(sizeof(edges) / sizeof(edges[0]))];
        for (size_t k = 0; k < f.width; k++, v >>= 8)
            bytes[f.at + k] = (uint8_t)v;
    }
    for (uint32_t n = bRaw ? 1 + random.Below(3) : 0; n > 0 && !bytes.empty(); n--)
    {
        uint8_t& b = bytes[random.Below((uint32_t)bytes.size())];
        b = random.Below(2) ? (uint8_t)random.Below(256) : (uint8_t)(b ^ 1u << random.Below(8));
    }
    // A run of the record itself copied elsewhere, or taken out.
    if (random.Below(8) == 0 && !bytes.empty())
    {
        size_t at = random.Below((uint32_t)bytes.size()), n = 1 + random.Below(8);
        if (random.Below(2))
            bytes.erase(bytes.begin() + at, bytes.begin() + std::min(bytes.size(), at + n));
        else
        {
            size_t from = random.Below((uint32_t)m_seed.size());
            bytes.insert(bytes.begin() + at, m_seed.begin() + from, m_seed.begin() + std::min(m_seed.size(), from + n));
        }
    }
    if (random.Below(6) == 0)
        bytes.resize(random.Below((uint32_t)bytes.size() + 1));
    return bytes;
}

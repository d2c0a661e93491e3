// TestMutator.h: declares TestMutator, which damages a stored record for the hostile-input tests:
// its structural fields (string lengths, class tags and schemas, counts and lengths) set to edge
// values, bytes changed, runs inserted or removed, or the record cut short.
#pragma once

#include "support/ArchiveBytes.h"
#include "support/TestRandom.h"

class TestMutator
{
public:
    // Finds the fields of seed that look structural. Of the copies it makes, nRawPercent also
    // have bytes changed anywhere (readers of free data accept most of those: few is cheaper).
    explicit TestMutator(const Bytes& seed, uint32_t nRawPercent = 50);
    // A damaged copy of the seed: a few of its fields changed, then bytes, a run copied or taken
    // out, perhaps cut short.
    Bytes Mutate(TestRandom& random) const;
    size_t FieldCount() const { return m_fields.size(); }

private:
    struct Field
    {
        size_t at;
        size_t width;
        uint32_t value;
    };
    void Add(size_t at, size_t width);
    // The value read at `at`, little-endian, over width bytes.
    uint32_t Read(size_t at, size_t width) const;

    Bytes m_seed;
    uint32_t m_nRawPercent;
    std::vector<Field> m_fields;
};

// The picture's archive records byte by byte, without GDI+: the current layout, the older ones
// with bitmaps of every depth, and damaged records.
#include <gtest/gtest.h>

#include "pickers/ImageBytes.h"
#include "pickers/KwImageRecord.h"
#include "support/AfxExceptionCatch.h"
#include "support/TestMutator.h"

namespace {

void Read(CKwImageRecord& record, const Bytes& bytes)
{
    LoadBytes(bytes, [&](CArchive& ar) { record.Load(ar); });
}

Bytes Stored(const CKwImageRecord& record)
{
    return StoreBytes([&](CArchive& ar) { record.Store(ar); });
}

// The fields of a record in one line.
std::string Describe(const CKwImageRecord& r)
{
    return std::string((LPCSTR)r.m_strFileName) + (r.m_bEmbedded ? " embedded " : " linked ")
        + std::to_string(r.m_picture) + " data " + std::to_string(r.m_data.size());
}

TEST(ImageRecord, EveryLayoutStoredAndRead)
{
    CKwImageRecord record;
    record.m_strFileName = "a.png";
    record.m_bEmbedded = true;
    EXPECT_EQ(U32(3) + Str("a.png") + U32(1) + U32(0), Stored(record));
    record.m_picture = CKwImageRecord::pictureEncoded;
    record.m_data = Text("PNG");
    EXPECT_EQ(U32(3) + Str("a.png") + U32(1) + U32(3) + Text("PNG"), Stored(record));
    record.m_bEmbedded = false; // a link stores no pixels, even with a picture at hand
    EXPECT_EQ(U32(3) + Str("a.png") + U32(0), Stored(record));

    const std::pair<Bytes, const char*> read[] = {
        {U32(3) + Str("a.png") + U32(1) + U32(3) + Text("PNG"), "a.png embedded 1 data 3"},
        {U32(3) + Str("a.png") + U32(0), "a.png linked 0 data 0"},
        {U32(2) + U32(3) + Text("abc"), "<embeded> embedded 1 data 3"},
        {OldRecord(0, Bytes()), "<embeded> embedded 0 data 0"},
        {U32(1) + U32(1) + Bytes(14, 0), "<embeded> embedded 0 data 0"}, // no bitmap signature
    };
    for (const auto& r : read) {
        Read(record, r.first);
        EXPECT_EQ(r.second, Describe(record));
    }
}

TEST(ImageRecord, OldBitmapsOfEveryDepthReadTheirPaddedRowsAndNoMore)
{
    struct
    {
        int width, height, bitCount, colors;
        size_t stride;
    } cases[] = {{9, 2, 1, 2, 4}, {9, 3, 4, 16, 8}, {4, 2, 8, 256, 4}, {5, 2, 8, 3, 8}, {3, 2, 24, 0, 12}, {3, 1, 32, 0, 12}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bitCount);
        Bytes bitmap = OldBitmap(c.width, c.height, c.bitCount, c.colors);
        CKwImageRecord record;
        DWORD after = 0;
        LoadBytes(OldRecord(1, bitmap) + U32(0xC0FFEE), [&](CArchive& ar) { record.Load(ar), ar >> after; });
        EXPECT_EQ(0xC0FFEEu, after);
        EXPECT_EQ(c.stride * c.height, record.m_data.size());
        // The header block reaches a whole colour table, whatever the file stored.
        EXPECT_EQ(Bytes(bitmap.begin() + 14, bitmap.begin() + 54 + 4 * c.colors) + Bytes(4 * (256 - c.colors)), record.m_info);
    }
}

TEST(ImageRecord, DamagedRecordsAreRefusedAndLeaveTheRecordAsItWas)
{
    Bytes good = OldBitmap(3, 2, 24, 0);
    auto with = [&](size_t at, const Bytes& value) {
        Bytes bytes(good);
        std::copy(value.begin(), value.end(), bytes.begin() + at);
        return OldRecord(0, bytes);
    };
    const int eof = CArchiveException::endOfFile, bad = CArchiveException::badIndex;
    const std::pair<Bytes, int> cases[] = {
        {U32(4) + Str("a") + U32(0), CArchiveException::badSchema},
        {U32(3) + Str("a") + U32(1) + U32(0x7FFFFFFF) + Text("x"), eof},
        {with(10, U32(20)), bad}, // pixel offset inside the headers
        {with(14, U32(41)), bad}, // info header beyond the pixel offset
        {with(14, U32(12)), bad},
        {with(18, U32(0)), bad}, // width
        {with(22, U32(0xFFFFFFFE)), bad}, // height
        {with(18, U32(0x7FFFFFFF)), eof},
        {with(28, U16(16)), bad}, // bit count
        {with(30, U32(1)), bad}, // compressed
        {with(46, U32(257)), bad}, // colours
        {OldRecord(0, OldBitmap(8, 1, 1, 3)), bad}, // more colours than one bit indexes
        {OldRecord(0, Bytes(good.begin(), good.end() - 1)), eof},
    };
    CKwImageRecord record;
    Read(record, U32(3) + Str("kept") + U32(1) + U32(3) + Text("old"));
    for (const auto& c : cases) {
        EXPECT_EQ(c.second, ArchiveCauseOf([&] { Read(record, c.first); })) << &c - cases;
        EXPECT_EQ("kept embedded 1 data 3", Describe(record));
    }
}

// Seeds of every layout, damaged at random: each read either succeeds or is refused with an
// archive exception (the sanitizers watch the rest).
TEST(ImageRecord, MutatedRecordsOfEveryLayout)
{
    const Bytes seeds[] = {U32(3) + Str("a.png") + U32(1) + U32(8) + Text("\x89PNG\r\n\x1a\n"), U32(3) + Str("b") + U32(0),
                           U32(2) + U32(4) + Text("data"), OldRecord(0, OldBitmap(5, 3, 1, 2)),
                           OldRecord(1, OldBitmap(5, 3, 4, 16)), OldRecord(1, OldBitmap(5, 3, 8, 256)),
                           OldRecord(1, OldBitmap(5, 3, 24, 0)), OldRecord(1, OldBitmap(5, 3, 32, 0))};
    std::vector<TestMutator> mutators(std::begin(seeds), std::end(seeds));
    TestRandom random(16);
    int refused = 0;
    for (int round = 0; round < 4000; ++round) {
        CKwImageRecord record;
        refused += ThrowsAfx<CArchiveException>([&] { Read(record, mutators[round % 8].Mutate(random)); });
    }
    EXPECT_GT(refused, 100);
    EXPECT_LT(refused, 3900);
}

} // namespace

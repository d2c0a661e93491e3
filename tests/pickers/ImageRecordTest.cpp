// The picture's archive records read and written byte by byte, without GDI+: the current
// layout, the two older ones with bitmaps of every depth, and damaged records.
#include <gtest/gtest.h>

#include "pickers/ImageBytes.h"
#include "pickers/KwImageRecord.h"
#include "support/AfxExceptionCatch.h"

namespace {

CKwImageRecord Read(const Bytes& bytes)
{
    CKwImageRecord record;
    LoadBytes(bytes, [&](CArchive& ar) { record.Load(ar); });
    return record;
}

// The fields of a record, one line, to compare whole.
std::string Describe(const CKwImageRecord& r)
{
    return std::string((LPCSTR)r.m_strFileName) + (r.m_bEmbedded ? " embedded " : " linked ")
        + std::to_string(r.m_picture) + " info " + std::to_string(r.m_info.size()) + " data "
        + std::to_string(r.m_data.size());
}

TEST(ImageRecord, CurrentLayoutStoresNamesFlagAndExactlyTheDataSize)
{
    CKwImageRecord record;
    record.m_strFileName = "logo.png";
    record.m_bEmbedded = true;
    EXPECT_EQ(U32(3) + Str("logo.png") + U32(1) + U32(0), StoreBytes([&](CArchive& ar) { record.Store(ar); }));

    record.m_picture = CKwImageRecord::pictureEncoded;
    record.m_data = Text("PNGDATA");
    Bytes embedded = U32(3) + Str("logo.png") + U32(1) + U32(7) + Text("PNGDATA");
    EXPECT_EQ(embedded, StoreBytes([&](CArchive& ar) { record.Store(ar); }));
    EXPECT_EQ(Describe(record), Describe(Read(embedded)));

    record.m_bEmbedded = false; // a link stores no pixels, even with a picture at hand
    EXPECT_EQ(U32(3) + Str("logo.png") + U32(0), StoreBytes([&](CArchive& ar) { record.Store(ar); }));
    EXPECT_EQ("logo.png linked 0 info 0 data 0", Describe(Read(U32(3) + Str("logo.png") + U32(0))));
}

TEST(ImageRecord, OlderLayoutsAreEmbeddedUnderTheOldName)
{
    EXPECT_EQ("<embeded> embedded 1 info 0 data 3", Describe(Read(U32(2) + U32(3) + Text("abc"))));
    EXPECT_EQ("<embeded> embedded 0 info 0 data 0", Describe(Read(U32(2) + U32(0))));
    EXPECT_EQ("<embeded> embedded 0 info 0 data 0", Describe(Read(OldRecord(0, Bytes()))));
    // A file header without the bitmap signature holds no picture.
    EXPECT_EQ("<embeded> embedded 0 info 0 data 0", Describe(Read(U32(1) + U32(1) + Bytes(14, 0))));
}

TEST(ImageRecord, OldBitmapsOfEveryDepthReadTheirPaddedRowsAndNoMore)
{
    struct
    {
        int width, height, bitCount, colors;
        size_t stride;
    } cases[] = {{9, 2, 1, 2, 4}, {9, 3, 4, 16, 8}, {4, 2, 8, 256, 4}, {5, 2, 8, 3, 8},
                 {3, 2, 24, 0, 12}, {3, 1, 32, 0, 12}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bitCount);
        Bytes bitmap = OldBitmap(c.width, c.height, c.bitCount, c.colors);
        CKwImageRecord record;
        DWORD after = 0;
        LoadBytes(OldRecord(1, bitmap) + U32(0xC0FFEE), [&](CArchive& ar) {
            record.Load(ar);
            ar >> after;
        });
        EXPECT_EQ(0xC0FFEEu, after);
        EXPECT_EQ(CKwImageRecord::pictureDib, record.m_picture);
        ASSERT_EQ(c.stride * c.height, record.m_data.size());
        EXPECT_EQ(0x10 + c.height - 1, record.m_data.back());
        // The header block reaches a whole colour table, whatever the file stored.
        ASSERT_GE(record.m_info.size(), 40u + 256 * 4);
        EXPECT_EQ(Bytes(bitmap.begin() + 14, bitmap.begin() + 14 + 40 + 4 * c.colors),
                  Bytes(record.m_info.begin(), record.m_info.begin() + 40 + 4 * c.colors));
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
    struct
    {
        const char* what;
        Bytes bytes;
        int cause;
    } cases[] = {
        {"newer version", U32(4) + Str("a") + U32(0), CArchiveException::badSchema},
        {"size past the end", U32(3) + Str("a") + U32(1) + U32(0x7FFFFFFF) + Text("x"), CArchiveException::endOfFile},
        {"version 2 size past the end", U32(2) + U32(0xFFFFFFFF), CArchiveException::endOfFile},
        {"offset inside the file header", with(10, U32(20)), CArchiveException::badIndex},
        {"offset past the end", with(10, U32(0x10000000)), CArchiveException::endOfFile},
        {"header size beyond the offset", with(14, U32(41)), CArchiveException::badIndex},
        {"header size too small", with(14, U32(12)), CArchiveException::badIndex},
        {"zero width", with(18, U32(0)), CArchiveException::badIndex},
        {"negative height", with(22, U32(0xFFFFFFFE)), CArchiveException::badIndex},
        {"rows past the end", with(22, U32(3)), CArchiveException::endOfFile},
        {"huge rows", with(18, U32(0x7FFFFFFF)), CArchiveException::endOfFile},
        {"bit count 16", with(28, U16(16)), CArchiveException::badIndex},
        {"compressed", with(30, U32(1)), CArchiveException::badIndex},
        {"too many colours", with(46, U32(257)), CArchiveException::badIndex},
        {"cut short", OldRecord(0, Bytes(good.begin(), good.end() - 1)), CArchiveException::endOfFile},
    };
    CKwImageRecord record;
    record.m_strFileName = "kept.png";
    record.m_bEmbedded = true;
    record.m_picture = CKwImageRecord::pictureEncoded;
    record.m_data = Text("old");
    std::string before = Describe(record);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.cause, ArchiveCauseOf([&] { LoadBytes(c.bytes, [&](CArchive& ar) { record.Load(ar); }); }));
        EXPECT_EQ(before, Describe(record));
    }
    // Colours beyond what the depth can index.
    EXPECT_EQ(CArchiveException::badIndex,
              ArchiveCauseOf([&] { Read(OldRecord(0, OldBitmap(8, 1, 1, 3))); }));
}

// Seeds of every layout, damaged at random: each read either succeeds or is refused with an
// archive exception (the sanitizers watch the rest).
TEST(ImageRecord, MutatedRecordsOfEveryLayout)
{
    const Bytes seeds[] = {
        U32(3) + Str("a.png") + U32(1) + U32(8) + Text("\x89PNG\r\n\x1a\n"),
        U32(3) + Str("link.png") + U32(0),
        U32(2) + U32(4) + Text("data"),
        OldRecord(0, OldBitmap(5, 3, 1, 2)),
        OldRecord(1, OldBitmap(5, 3, 4, 16)),
        OldRecord(1, OldBitmap(5, 3, 8, 256)),
        OldRecord(1, OldBitmap(5, 3, 24, 0)),
        OldRecord(1, OldBitmap(5, 3, 32, 0)),
    };
    TestRandom random(16);
    int refused = 0, read = 0;
    for (int round = 0; round < 4000; ++round) {
        Bytes bytes = Mutate(seeds[round % (sizeof(seeds) / sizeof(seeds[0]))], random);
        CKwImageRecord record;
        if (ThrowsAfx<CArchiveException>([&] { LoadBytes(bytes, [&](CArchive& ar) { record.Load(ar); }); }))
            ++refused;
        else
            ++read;
    }
    EXPECT_GT(refused, 100);
    EXPECT_GT(read, 100);
}

} // namespace

// CKwImage over real GDI+: picture files of several formats written here and read back on
// pixels, the stored records, and damaged records that must change nothing.
#include <gtest/gtest.h>

#include "pickers/ImageBytes.h"
#include "pickers/KwImage.h"
#include "pickers/PictureFile.h"
#include "support/AfxExceptionCatch.h"
#include "support/PrivateBytes.h"
#include "support/TempPath.h"
#include "support/TestMutator.h"
#include "support/TestSurface.h"

#include <gdiplus.h>
#include <shlwapi.h>

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

const ARGB quarters[4] = {0xFFFF0000, 0xFF00A000, 0xFF0000FF, 0xFFFFFF00};

bool WriteQuarters(const char* path, const WCHAR* mime)
{
    return WritePicture(path, mime, 64, 64, quarters);
}

bool Near(ARGB expected, COLORREF drawn, int tolerance)
{
    return abs((int)(expected >> 16 & 0xFF) - GetRValue(drawn)) <= tolerance
        && abs((int)(expected >> 8 & 0xFF) - GetGValue(drawn)) <= tolerance
        && abs((int)(expected & 0xFF) - GetBValue(drawn)) <= tolerance;
}

// Draws the image over 64 x 64 pixels: the middle of each quarter, the last column drawn, and
// the white one beside it.
void ExpectQuarters(const CKwImage& image, int tolerance)
{
    TestSurface surface(66, 64);
    image.Draw(&surface.DC(), CRect(0, 0, 64, 64));
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(Near(quarters[i], surface.Pixel(16 + 32 * (i % 2), 16 + 32 * (i / 2)), tolerance)) << i;
    EXPECT_TRUE(Near(quarters[1], surface.Pixel(63, 16), tolerance));
    EXPECT_EQ(RGB(255, 255, 255), surface.Pixel(64, 16));
}

TEST(Image, FilesOfEveryFormatLoadDetachedAndDrawTheirPixels)
{
    const std::pair<const char*, const WCHAR*> formats[] = {
        {"q.bmp", L"image/bmp"}, {"q.png", L"image/png"}, {"q.jpg", L"image/jpeg"}, {"q.gif", L"image/gif"}};
    for (const auto& f : formats) {
        SCOPED_TRACE(f.first);
        TempPath path(f.first);
        ASSERT_TRUE(WriteQuarters(path.c_str(), f.second));
        CKwImage image;
        image.LoadFromFile(path.c_str(), false, true);
        EXPECT_EQ(CSize(64, 64), image.GetSize());
        EXPECT_TRUE(image.IsEmbeded() && image.GetAbsoluteFileName() == path.c_str());
        EXPECT_EQ(0, remove(path.c_str())); // detached: the file can go, the picture stays
        ExpectQuarters(image, strstr(f.first, ".jpg") ? 40 : 0);
    }
}

TEST(Image, EmbeddedPicturesStoreTheirPngExactlyAndReadBack)
{
    TempPath path("e.png");
    ASSERT_TRUE(WriteQuarters(path.c_str(), L"image/png"));
    CKwImage image, read;
    image.LoadFromFile(path.c_str(), false, true);
    image.SetFileName("e.png");
    Bytes stored = StoreObject(image), head = U32(3) + Str("e.png") + U32(1);
    ASSERT_GT(stored.size(), head.size() + 12);
    // The size is the PNG's own: its signature follows and the record ends with it.
    EXPECT_EQ(head + U32((uint32_t)(stored.size() - head.size() - 4)) + Text("\x89PNG\r\n\x1a\n"),
              Bytes(stored.begin(), stored.begin() + head.size() + 12));
    EXPECT_EQ(stored, StoreObject(image));
    LoadObject(read, stored);
    EXPECT_TRUE(read.IsEmbeded() && read.GetFileName() == "e.png");
    ExpectQuarters(read, 0);

    // Objects of schema 10000 were stored without the version.
    LoadBytes(Str("obsolete") + U32(0), [&](CArchive& ar) { ar.SetObjectSchema(10000), read.Serialize(ar); });
    EXPECT_EQ(CString("obsolete"), read.GetFileName());
    EXPECT_FALSE(read.IsEmbeded());
}

TEST(Image, OldBitmapsDrawThroughTheirColourTables)
{
    // The bottom row holds bytes 0x10: a palette index (colours 0x20 * index, entry 0x10 set
    // to blue 0x55 here), or grey 0x10 itself; pixel 0 of 1 and 4 bits is index 0 and 1.
    const std::pair<int, COLORREF> cases[] = {
        {1, RGB(0, 0, 0)}, {4, RGB(0x20, 0x20, 0x20)}, {8, RGB(0, 0, 0x55)}, {24, RGB(0x10, 0x10, 0x10)}, {32, RGB(0x10, 0x10, 0x10)}};
    for (const auto& c : cases) {
        CKwImage image;
        Bytes bitmap = OldBitmap(4, 2, c.first, c.first <= 8 ? 1 << c.first : 0);
        if (c.first == 8)
            bitmap[14 + 40 + 4 * 0x10] = 0x55;
        LoadObject(image, OldRecord(1, bitmap));
        EXPECT_EQ(CString("<embeded>"), image.GetFileName());
        TestSurface surface(4, 2);
        image.Draw(&surface.DC(), CRect(0, 0, 4, 2));
        EXPECT_EQ(c.second, surface.Pixel(0, 1)) << c.first;
    }
}

// A picture the platform cannot write as PNG (a recorded metafile, where GDI+ refuses it) fails
// the store, before any byte of the record is written.
TEST(Image, APictureThatCannotBeEncodedFailsTheStore)
{
    HDC hScreen = GetDC(NULL);
    GpMetafile* pMetafile = NULL;
    ASSERT_EQ(Ok, GdipRecordMetafile(hScreen, EmfTypeEmfPlusDual, NULL, MetafileFrameUnitPixel, NULL, &pMetafile));
    ReleaseDC(NULL, hScreen);
    CLSID clsid;
    CKwImage::GetEncoderClsid(L"image/png", &clsid);
    IStream* pStream = SHCreateMemStream(NULL, 0);
    bool bEncodes = GdipSaveImageToStream(pMetafile, pStream, &clsid, NULL) == Ok;
    pStream->Release();
    CKwImage image;
    image.SetImage(pMetafile, false);
    image.SetEmbeded(true);
    if (bEncodes)
        GTEST_SKIP() << "GDI+ writes metafiles as PNG here";
    EXPECT_TRUE(ThrowsAfx<CArchiveException>([&] { StoreObject(image); }));
}

// Damaged records, and seeds stored by the image and by the older layouts damaged at random:
// each is read or refused, a refused one leaves the image as it was, and a hundred thousand of
// them leak no pictures.
TEST(Image, DamagedRecordsChangeNothing)
{
    TempPath path("k.png");
    ASSERT_TRUE(WriteQuarters(path.c_str(), L"image/png"));
    CKwImage image;
    image.LoadFromFile(path.c_str(), false, true);
    image.SetFileName("kept");
    Bytes good = StoreObject(image);
    const Bytes seeds[] = {good, U32(2) + Bytes(good.begin() + 13, good.end()), OldRecord(1, OldBitmap(5, 3, 8, 256)),
                           OldRecord(0, OldBitmap(5, 3, 24, 0)), OldRecord(1, OldBitmap(3, 2, 32, 0))};
    std::vector<TestMutator> mutators(std::begin(seeds), std::end(seeds));
    TestRandom random(16);
    TestSurface surface(8, 8);
    SIZE_T nBefore = 0;
    for (int round = 0; round < 100000 && !::testing::Test::HasFailure(); ++round) {
        if (round == 1000)
            nBefore = PrivateBytes();
        CKwImage target(image);
        Gdiplus::GpImage* pImage = target.GetImage();
        if (ThrowsAfx<CArchiveException>([&] { LoadObject(target, mutators[round % 5].Mutate(random)); }))
            ASSERT_TRUE(target.GetImage() == pImage && target.GetFileName() == "kept" && target.IsEmbeded()) << round;
        else
            target.Draw(&surface.DC(), CRect(0, 0, 8, 8));
    }
    // Wine's GDI+ keeps a few kilobytes of each PNG it fails to decode, some 50 MB over the run;
    // a picture kept for each input would be well over a gigabyte.
    EXPECT_LT(PrivateBytes(), nBefore + (256 << 20));
}

TEST(Image, SaveWritesPngWhateverTheNameAndCopiesAreIndependent)
{
    TempPath source("s.gif"), saved("s.bmp");
    ASSERT_TRUE(WriteQuarters(source.c_str(), L"image/gif"));
    CKwImage image;
    EXPECT_FALSE(image.SaveToFile(saved.c_str(), false));
    image.LoadFromFile(source.c_str(), false, false);
    CKwImage copy(image);
    image.Reset();
    ASSERT_TRUE(copy.SaveToFile(saved.c_str(), true));
    EXPECT_FALSE(copy.IsValid());
    EXPECT_FALSE(copy.IsEmbeded());
    EXPECT_EQ(CString(saved.c_str()), copy.GetAbsoluteFileName());
    copy.LoadFromFile(saved.c_str(), true, false);
    EXPECT_EQ(ImageFormatPNG, [&] { GUID format; GdipGetImageRawFormat(copy.GetImage(), &format); return format; }());
    CLSID clsid;
    EXPECT_EQ(-1, CKwImage::GetEncoderClsid(L"IMAGE/PNG", &clsid));
}

} // namespace

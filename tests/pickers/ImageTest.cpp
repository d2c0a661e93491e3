// CKwImage over real GDI+: picture files of several formats written here and read back on
// pixels, the stored records of each layout, and damaged records that must change nothing.
#include <gtest/gtest.h>

#include "pickers/ImageBytes.h"
#include "pickers/KwImage.h"
#include "support/AfxExceptionCatch.h"
#include "support/TempPath.h"
#include "support/TestSurface.h"

#include <gdiplus.h>
#include <shlwapi.h>

#include <cstdio>
#include <cstdlib>

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

const COLORREF quarters[4] = {RGB(255, 0, 0), RGB(0, 160, 0), RGB(0, 0, 255), RGB(255, 255, 0)};

// A 64 x 64 picture in four coloured quarters (top left, top right, bottom left, bottom right)
// written by GDI+ in the format of the MIME type; for GIF it is made of palette indices.
bool WriteQuarters(const char* path, const WCHAR* mime)
{
    bool bIndexed = wcscmp(mime, L"image/gif") == 0;
    CLSID clsid;
    GpBitmap* pBitmap = NULL;
    if (CKwImage::GetEncoderClsid(mime, &clsid) < 0
        || GdipCreateBitmapFromScan0(64, 64, 0, bIndexed ? PixelFormat8bppIndexed : PixelFormat32bppARGB, NULL, &pBitmap) != Ok)
        return false;
    ARGB argb[4];
    for (int i = 0; i < 4; ++i)
        argb[i] = 0xFF000000 | GetRValue(quarters[i]) << 16 | GetGValue(quarters[i]) << 8 | GetBValue(quarters[i]);
    struct
    {
        ColorPalette head;
        ARGB more[3];
    } palette = {{0, 4, {argb[0]}}, {argb[1], argb[2], argb[3]}};
    Gdiplus::Rect all(0, 0, 64, 64);
    BitmapData data;
    bool bSaved = (!bIndexed || GdipSetImagePalette(pBitmap, &palette.head) == Ok)
        && GdipBitmapLockBits(pBitmap, &all, ImageLockModeWrite, bIndexed ? PixelFormat8bppIndexed : PixelFormat32bppARGB, &data) == Ok;
    if (bSaved) {
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) {
                int quarter = (y / 32) * 2 + x / 32;
                BYTE* pRow = (BYTE*)data.Scan0 + y * data.Stride;
                if (bIndexed)
                    pRow[x] = (BYTE)quarter;
                else
                    ((ARGB*)pRow)[x] = argb[quarter];
            }
        GdipBitmapUnlockBits(pBitmap, &data);
        WCHAR wide[MAX_PATH];
        MultiByteToWideChar(CP_ACP, 0, path, -1, wide, MAX_PATH);
        bSaved = GdipSaveImageToFile(pBitmap, wide, &clsid, NULL) == Ok;
    }
    GdipDisposeImage(pBitmap);
    return bSaved;
}

bool Near(COLORREF a, COLORREF b, int tolerance)
{
    return abs(GetRValue(a) - GetRValue(b)) <= tolerance && abs(GetGValue(a) - GetGValue(b)) <= tolerance
        && abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

// Draws the image at its size and checks the middle of each quarter, and the last column
// drawn beside the first one left white.
void ExpectQuarters(const CKwImage& image, int tolerance)
{
    TestSurface surface(66, 64);
    image.Draw(&surface.DC(), CRect(0, 0, 64, 64));
    for (int i = 0; i < 4; ++i) {
        COLORREF drawn = surface.Pixel(16 + 32 * (i % 2), 16 + 32 * (i / 2));
        EXPECT_TRUE(Near(quarters[i], drawn, tolerance)) << i << " " << std::hex << drawn;
    }
    EXPECT_TRUE(Near(quarters[1], surface.Pixel(63, 16), tolerance));
    EXPECT_EQ(RGB(255, 255, 255), surface.Pixel(64, 16));
}

std::string FileStart(const char* path, size_t n)
{
    std::string bytes(n, '\0');
    FILE* f = fopen(path, "rb");
    bytes.resize(f ? fread(&bytes[0], 1, n, f) : 0);
    if (f)
        fclose(f);
    return bytes;
}

Bytes Store(CKwImage& image)
{
    return StoreObject(image);
}

TEST(Image, FilesOfEveryFormatLoadDetachedAndDrawTheirPixels)
{
    struct
    {
        const char* name;
        const WCHAR* mime;
        int tolerance;
    } formats[] = {{"q.bmp", L"image/bmp", 0}, {"q.png", L"image/png", 0}, {"q.jpg", L"image/jpeg", 40},
                   {"q.gif", L"image/gif", 0}};
    for (const auto& f : formats) {
        SCOPED_TRACE(f.name);
        TempPath path(f.name);
        ASSERT_TRUE(WriteQuarters(path.c_str(), f.mime));
        CKwImage image;
        image.LoadFromFile(path.c_str(), false, true);
        ASSERT_TRUE(image.IsValid());
        EXPECT_EQ(CSize(64, 64), image.GetSize());
        EXPECT_EQ(CString(path.c_str()), image.GetAbsoluteFileName());
        EXPECT_TRUE(image.IsEmbeded());
        // Detached: the file can go while the picture stays.
        EXPECT_EQ(0, remove(path.c_str()));
        ExpectQuarters(image, f.tolerance);
    }
    CKwImage missing;
    missing.LoadFromFile("C:\\no\\such\\picture.png", false, false);
    EXPECT_FALSE(missing.IsValid());
}

TEST(Image, EmbeddedPicturesStoreTheirPngExactlyAndReadBack)
{
    TempPath path("e.png");
    ASSERT_TRUE(WriteQuarters(path.c_str(), L"image/png"));
    CKwImage image;
    image.LoadFromFile(path.c_str(), false, true);
    image.SetFileName("e.png");
    Bytes stored = Store(image);
    Bytes head = U32(3) + Str("e.png") + U32(1);
    ASSERT_GT(stored.size(), head.size() + 12);
    EXPECT_EQ(head, Bytes(stored.begin(), stored.begin() + head.size()));
    // The size is the PNG's own: the eight signature bytes follow and the record ends with it.
    Bytes size(stored.begin() + head.size(), stored.begin() + head.size() + 4);
    EXPECT_EQ(U32((uint32_t)(stored.size() - head.size() - 4)), size);
    EXPECT_EQ(Text("\x89PNG\r\n\x1a\n"), Bytes(stored.begin() + head.size() + 4, stored.begin() + head.size() + 12));
    EXPECT_EQ(stored, Store(image));

    CKwImage read;
    LoadObject(read, stored);
    EXPECT_EQ(CString("e.png"), read.GetFileName());
    EXPECT_TRUE(read.IsEmbeded());
    ExpectQuarters(read, 0);

    // Linked and empty records, as built by hand.
    image.SetEmbeded(false);
    EXPECT_EQ(U32(3) + Str("e.png") + U32(0), Store(image));
    CKwImage empty;
    empty.SetFileName("none");
    empty.SetEmbeded(true);
    EXPECT_EQ(U32(3) + Str("none") + U32(1) + U32(0), Store(empty));
    LoadObject(read, U32(3) + Str("none") + U32(1) + U32(0));
    EXPECT_FALSE(read.IsValid());
    EXPECT_EQ(CString("none"), read.GetFileName());

    // Objects of schema 10000 were stored without the version.
    LoadBytes(Str("obsolete") + U32(0), [&](CArchive& ar) {
        ar.SetObjectSchema(10000);
        read.Serialize(ar);
    });
    EXPECT_EQ(CString("obsolete"), read.GetFileName());
    EXPECT_FALSE(read.IsEmbeded());
}

// A picture the platform cannot write as PNG (here a recorded metafile, where GDI+ refuses it)
// fails the store before any byte of the record is written.
TEST(Image, APictureThatCannotBeEncodedFailsTheStore)
{
    HDC hScreen = GetDC(NULL);
    GpMetafile* pMetafile = NULL;
    ASSERT_EQ(Ok, GdipRecordMetafile(hScreen, EmfTypeEmfPlusDual, NULL, MetafileFrameUnitPixel, NULL, &pMetafile));
    ReleaseDC(NULL, hScreen);
    GpGraphics* pGraphics = NULL;
    ASSERT_EQ(Ok, GdipGetImageGraphicsContext(pMetafile, &pGraphics));
    GdipGraphicsClear(pGraphics, 0xFF0000FF);
    GdipDeleteGraphics(pGraphics);
    CLSID clsid;
    CKwImage::GetEncoderClsid(L"image/png", &clsid);
    IStream* pStream = SHCreateMemStream(NULL, 0);
    bool bEncodes = GdipSaveImageToStream(pMetafile, pStream, &clsid, NULL) == Ok;
    pStream->Release();
    CKwImage image;
    image.SetImage(pMetafile, false);
    ASSERT_TRUE(image.IsValid());
    image.SetEmbeded(true);
    if (bEncodes)
        GTEST_SKIP() << "GDI+ writes metafiles as PNG here";
    EXPECT_TRUE(ThrowsAfx<CArchiveException>([&] {
        CMemFile file;
        CArchive ar(&file, CArchive::store);
        image.Serialize(ar);
    }));
}

TEST(Image, OldBitmapsAndVersionTwoRecordsDraw)
{
    // Grey rows from the bottom: 0x10 + y through the colour table (0x20 * index) or directly.
    struct
    {
        int bitCount, colors;
        COLORREF bottom;
    } cases[] = {{8, 256, RGB(0, 0, 0)}, {24, 0, RGB(0x10, 0x10, 0x10)}, {32, 0, RGB(0x10, 0x10, 0x10)},
                 {4, 16, RGB(0x20, 0x20, 0x20)}, {1, 2, RGB(0, 0, 0)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bitCount);
        CKwImage image;
        Bytes bitmap = OldBitmap(4, 2, c.bitCount, c.colors);
        if (c.bitCount == 8)
            bitmap[14 + 40 + 4 * 0x10] = 0x55; // index 0x10 of the bottom row: blue 0x55
        LoadObject(image, OldRecord(1, bitmap));
        ASSERT_TRUE(image.IsValid());
        EXPECT_EQ(CString("<embeded>"), image.GetFileName());
        EXPECT_EQ(CSize(4, 2), image.GetSize());
        TestSurface surface(4, 2);
        image.Draw(&surface.DC(), CRect(0, 0, 4, 2));
        COLORREF bottom = c.bitCount == 8 ? RGB(0x00, 0x00, 0x55) : c.bottom;
        EXPECT_EQ(bottom, surface.Pixel(0, 1));
    }

    TempPath path("v2.bmp");
    ASSERT_TRUE(WriteQuarters(path.c_str(), L"image/bmp"));
    FILE* f = fopen(path.c_str(), "rb");
    Bytes file(65536);
    file.resize(fread(file.data(), 1, file.size(), f));
    fclose(f);
    CKwImage image;
    LoadObject(image, U32(2) + U32((uint32_t)file.size()) + file);
    EXPECT_TRUE(image.IsEmbeded());
    ExpectQuarters(image, 0);
}

TEST(Image, DamagedOrNewerRecordsChangeNothing)
{
    TempPath path("k.png");
    ASSERT_TRUE(WriteQuarters(path.c_str(), L"image/png"));
    CKwImage image;
    image.LoadFromFile(path.c_str(), false, true);
    image.SetFileName("kept");
    Bytes good = Store(image);
    Bytes before = good;
    Bytes bitmap = OldBitmap(4, 2, 24, 0);
    const Bytes damaged[] = {U32(4) + Str("x") + U32(0), U32(3) + Str("x") + U32(1) + U32(1000) + Text("ab"),
                             OldRecord(0, Bytes(bitmap.begin(), bitmap.end() - 1))};
    for (const Bytes& bytes : damaged) {
        EXPECT_TRUE(ThrowsAfx<CArchiveException>([&] { LoadObject(image, bytes); }));
        EXPECT_EQ(before, Store(image));
    }

    // Seeds stored by the image itself and by the older layouts, damaged at random.
    const Bytes seeds[] = {good, U32(2) + Bytes(good.begin() + 4 + 5 + 4, good.end()), OldRecord(1, OldBitmap(5, 3, 8, 256)),
                           OldRecord(0, OldBitmap(5, 3, 24, 0)), OldRecord(1, OldBitmap(3, 2, 32, 0))};
    TestRandom random(16);
    for (int round = 0; round < 600; ++round) {
        Bytes bytes = Mutate(seeds[round % 5], random);
        CKwImage target(image);
        if (ThrowsAfx<CArchiveException>([&] { LoadObject(target, bytes); }))
            EXPECT_EQ(before, Store(target)) << round;
        else if (target.IsValid())
            target.Draw(&TestSurface(8, 8).DC(), CRect(0, 0, 8, 8));
    }
}

TEST(Image, SaveWritesPngWhateverTheNameCopiesAreIndependent)
{
    TempPath source("s.gif"), saved("s.bmp");
    ASSERT_TRUE(WriteQuarters(source.c_str(), L"image/gif"));
    CKwImage image;
    EXPECT_FALSE(image.SaveToFile(saved.c_str(), false));
    image.LoadFromFile(source.c_str(), false, false);
    CKwImage copy(image);
    image.Reset();
    EXPECT_FALSE(image.IsValid());
    ASSERT_TRUE(copy.IsValid());
    EXPECT_TRUE(copy.SaveToFile(saved.c_str(), true));
    EXPECT_EQ("\x89PNG", FileStart(saved.c_str(), 4));
    EXPECT_FALSE(copy.IsValid());
    EXPECT_FALSE(copy.IsEmbeded());
    EXPECT_EQ(CString(saved.c_str()), copy.GetAbsoluteFileName());

    CLSID clsid;
    EXPECT_GE(CKwImage::GetEncoderClsid(L"image/png", &clsid), 0);
    EXPECT_EQ(-1, CKwImage::GetEncoderClsid(L"IMAGE/PNG", &clsid));
}

} // namespace

// The image choice window over a folder of 200 photos of 1024 x 768: the time per picture it
// takes to list them and make their thumbnails, against decoding the same files with GDI+ alone;
// then the memory the open window holds per picture, against holding decoded photos.
#include "harness/BenchHarness.h"

#ifdef _WIN32

#include "core/CoreGlobalMethods.h"
#include "core/KwGdiplus.h"
#include "pickers/DialogImageChoiceWnd.h"
#include "pickers/KwImage.h"

#include <gdiplus.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

const int kPictures = 200;
const int kWidth = 1024, kHeight = 768;

std::wstring Wide(const std::string& text)
{
    WCHAR wide[MAX_PATH];
    ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide, MAX_PATH);
    return wide;
}

// A photo-like JPEG: a gradient under a pattern that changes from picture to picture.
bool WritePhoto(const std::string& path, int n)
{
    CLSID clsid;
    GpBitmap* pBitmap = NULL;
    Gdiplus::Rect all(0, 0, kWidth, kHeight);
    BitmapData data;
    if (CKwImage::GetEncoderClsid(L"image/jpeg", &clsid) < 0
        || GdipCreateBitmapFromScan0(kWidth, kHeight, 0, PixelFormat32bppARGB, NULL, &pBitmap) != Ok)
        return false;
    bool bWritten = GdipBitmapLockBits(pBitmap, &all, ImageLockModeWrite, PixelFormat32bppARGB, &data) == Ok;
    for (int y = 0; bWritten && y < kHeight; ++y) {
        ARGB* pRow = (ARGB*)((BYTE*)data.Scan0 + y * data.Stride);
        for (int x = 0; x < kWidth; ++x)
            pRow[x] = 0xFF000000 | (x * 255 / kWidth) << 16 | (y * 255 / kHeight) << 8 | ((x * y + n * 37) & 0xFF);
    }
    bWritten = bWritten && GdipBitmapUnlockBits(pBitmap, &data) == Ok
        && GdipSaveImageToFile(pBitmap, Wide(path).c_str(), &clsid, NULL) == Ok;
    GdipDisposeImage(pBitmap);
    return bWritten;
}

// A decoded photo, its pixels read once so that no decoder leaves them for later.
GpImage* Decode(const std::string& path)
{
    GpImage* pImage = NULL;
    ARGB pixel = 0;
    if (GdipLoadImageFromFile(Wide(path).c_str(), &pImage) != Ok)
        return NULL;
    GdipBitmapGetPixel((GpBitmap*)pImage, kWidth / 2, kHeight / 2, &pixel);
    BenchHarness::Consume(&pixel);
    return pImage;
}

// The process's committed private memory, counted region by region (Wine leaves the process's
// memory counters at zero).
double PrivateMegabytes()
{
    SIZE_T nBytes = 0;
    MEMORY_BASIC_INFORMATION info;
    for (BYTE* p = NULL; ::VirtualQuery(p, &info, sizeof(info)) == sizeof(info); p = (BYTE*)info.BaseAddress + info.RegionSize) {
        if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE)
            nBytes += info.RegionSize;
    }
    return nBytes / (1024.0 * 1024.0);
}

} // namespace

int main()
{
    CKwGdiplus gdiplus;
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "kwbench-choice-" + std::to_string(::GetCurrentProcessId()) + "\\";
    ::CreateDirectoryA(folder.c_str(), NULL);
    std::vector<std::string> files;
    for (int i = 0; i < kPictures; ++i) {
        files.push_back(folder + "photo" + std::to_string(i) + ".jpg");
        if (!gdiplus.IsStarted() || !WritePhoto(files.back(), i)) {
            printf("could not write %s\n", files.back().c_str());
            return 1;
        }
    }
    CWnd parent;
    parent.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, CRect(0, 0, 400, 300), NULL, 0);
    auto open = [&](CDialogImageChoiceWnd& wnd) {
        wnd.m_nFormats = CCoreGlobalMethods::ImageJpg;
        wnd.m_strChoiceFolder = folder.c_str();
        wnd.Create(CRect(0, 0, 360, 260), &parent);
    };
    auto choice = [&] {
        CDialogImageChoiceWnd wnd;
        open(wnd);
        wnd.DestroyWindow();
    };
    auto decode = [&] {
        for (const std::string& file : files)
            GdipDisposeImage(Decode(file));
    };
    auto times = BenchHarness::Compare({BenchSide("choice window: list, decode, make thumbnails", choice, kPictures),
                                           BenchSide("GDI+ alone: decode", decode, kPictures)},
        3, 1000.0, "ms per picture");
    BenchHarness::Ratio("choice window vs decoding alone", times[0], times[1], 0);

    // What stays while the window is open, against what decoded photos would hold.
    double before = PrivateMegabytes(), window = 0;
    {
        CDialogImageChoiceWnd wnd;
        open(wnd);
        window = (PrivateMegabytes() - before) * 1024 / kPictures;
        wnd.DestroyWindow();
    }
    const int kHeld = 20;
    before = PrivateMegabytes();
    std::vector<GpImage*> held;
    for (int i = 0; i < kHeld; ++i)
        held.push_back(Decode(files[i]));
    double photo = (PrivateMegabytes() - before) * 1024 / kHeld;
    BenchHarness::Report("memory per picture while the window is open", window, "KB");
    BenchHarness::Report("memory per decoded photo held (20 held)", photo, "KB");
    BenchHarness::Report("decoded photo vs the window's picture", window > 0 ? photo / window : 0, "times");
    for (GpImage* pImage : held)
        GdipDisposeImage(pImage);

    parent.DestroyWindow();
    for (const std::string& file : files)
        ::DeleteFileA(file.c_str());
    ::RemoveDirectoryA(folder.c_str());
    return 0;
}

#else

// Windows and GDI+: nothing to measure elsewhere.
int main()
{
    return 0;
}
#endif

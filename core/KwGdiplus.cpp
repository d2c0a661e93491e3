// KwGdiplus.cpp: one start-up token shared by every holder in the process, counted under a lock
// (pictures may be made on any thread).
#include "core/KwGdiplus.h"

#include <windows.h>
#include <gdiplus.h>

#include <mutex>

namespace {

std::mutex& Lock()
{
    static std::mutex lock;
    return lock;
}

ULONG_PTR s_token = 0;
long s_nHolders = 0;

} // namespace

CKwGdiplus::CKwGdiplus()
    : m_bHeld(AddRef())
{
}

CKwGdiplus::~CKwGdiplus()
{
    if (m_bHeld)
        Release();
}

bool CKwGdiplus::AddRef()
{
    std::lock_guard<std::mutex> guard(Lock());
    if (s_nHolders == 0) {
        Gdiplus::GdiplusStartupInput input;
        if (Gdiplus::GdiplusStartup(&s_token, &input, NULL) != Gdiplus::Ok)
            return false;
    }
    ++s_nHolders;
    return true;
}

void CKwGdiplus::Release()
{
    std::lock_guard<std::mutex> guard(Lock());
    if (s_nHolders > 0 && --s_nHolders == 0) {
        Gdiplus::GdiplusShutdown(s_token);
        s_token = 0;
    }
}

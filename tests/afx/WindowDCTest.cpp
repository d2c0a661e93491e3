// Tests of the window DCs: a paint DC that cannot be had throws. Painting through it, and the
// update area it validates, the frame host's, the tip's and the grid's painting tests see.
#include <gtest/gtest.h>

#include "CPaintDC.h"
#include "CResourceException.h"
#include "CWnd.h"
#include "support/AfxExceptionCatch.h"

TEST(WindowDC, NoDCThrowsResourceException)
{
    // A window that no longer exists.
    HWND hGone = CreateWindowExA(0, "STATIC", "", WS_POPUP, 10, 10, 100, 80, NULL, NULL, NULL, NULL);
    ASSERT_TRUE(hGone != NULL);
    DestroyWindow(hGone);
    CWnd gone;
    gone.m_hWnd = hGone;
    EXPECT_TRUE(ThrowsAfx<CResourceException>([&] { CPaintDC dc(&gone); }));
    gone.m_hWnd = NULL;
}

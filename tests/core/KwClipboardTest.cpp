// Plain text on the real clipboard: what other programs may leave there, and a block without a
// terminating zero. (Round trips of the grid's lines and the editor's text are the grid's tests.)
#include "core/KwClipboard.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// Puts a block of exactly these bytes on the clipboard as CF_TEXT.
void PutRawText(const char* bytes, size_t size)
{
    ASSERT_TRUE(::OpenClipboard(NULL));
    ::EmptyClipboard();
    HGLOBAL hGlobal = ::GlobalAlloc(GMEM_MOVEABLE, size);
    memcpy(::GlobalLock(hGlobal), bytes, size);
    ::GlobalUnlock(hGlobal);
    ::SetClipboardData(CF_TEXT, hGlobal);
    ::CloseClipboard();
}

TEST(KwClipboard, NoTextGivesEmpty)
{
    ASSERT_TRUE(::OpenClipboard(NULL));
    ::EmptyClipboard();
    ::CloseClipboard();
    EXPECT_FALSE(CKwClipboard::IsTextAvailable());
    EXPECT_STREQ("", CKwClipboard::GetText());

    // Someone else holds the clipboard open: nothing to be had, and nothing breaks.
    CKwClipboard::PutText("kept");
    EXPECT_TRUE(CKwClipboard::IsTextAvailable());
    HWND other = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, NULL, NULL, NULL, NULL);
    ASSERT_TRUE(::OpenClipboard(other));
    EXPECT_STREQ("", CKwClipboard::GetText());
    CKwClipboard::PutText("lost");
    ::CloseClipboard();
    ::DestroyWindow(other);
    EXPECT_STREQ("kept", CKwClipboard::GetText());
}

TEST(KwClipboard, StopsAtTheBlockAndAtTheFirstZero)
{
    PutRawText("abc\0def", 7);
    EXPECT_STREQ("abc", CKwClipboard::GetText());
    // No zero at all: the text ends with the block at the latest (the system may also have put
    // its own zero into the last byte).
    PutRawText("unterminated", 12);
    std::string text = (const char*)CKwClipboard::GetText();
    EXPECT_GE(text.size(), 11u);
    EXPECT_LE(text.size(), 12u);
    EXPECT_EQ(text, std::string("unterminated").substr(0, text.size()));
}

} // namespace

// Shared memory files: a global memory block handed over with its data and taken back.
#include <afx.h>
#include <support/AfxExceptionCatch.h>
#include <gtest/gtest.h>

#include <cstring>

TEST(SharedFile, DetachesAMovableBlockOfTheDataLength)
{
    CSharedFile file;
    for (int i = 0; i < 1000; i++)
        file.Write("0123456789", 10);
    HGLOBAL hMem = file.Detach();
    ASSERT_NE(nullptr, hMem);
    EXPECT_EQ(0u, file.GetLength());
    EXPECT_EQ(10000u, ::GlobalSize(hMem));
    EXPECT_EQ(0u, ::GlobalFlags(hMem) & GMEM_LOCKCOUNT); // handed over unlocked
    const char* p = (const char*)::GlobalLock(hMem);
    EXPECT_EQ(0, memcmp(p + 9990, "0123456789", 10));
    ::GlobalUnlock(hMem);

    // A reader takes the block over, reads it, and frees it when it closes.
    CSharedFile reader;
    reader.SetHandle(hMem, FALSE);
    EXPECT_EQ(10000u, reader.GetLength());
    char buffer[10];
    reader.Seek(-10, CFile::end);
    EXPECT_EQ(10u, reader.Read(buffer, 10));
    EXPECT_EQ(0, memcmp(buffer, "0123456789", 10));
    // Not allowed to grow: writing past the block fails, leaving the data.
    EXPECT_TRUE(ThrowsAfx<CMemoryException>([&] { reader.Write("x", 1); }));
    EXPECT_EQ(10000u, reader.GetLength());
    reader.Close();
}

TEST(SharedFile, ArchivesTravelThroughTheClipboardForm)
{
    CSharedFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << CString("through global memory") << (DWORD)42;
    }
    HGLOBAL hMem = file.Detach();
    CSharedFile reader;
    reader.SetHandle(hMem);
    CArchive ar(&reader, CArchive::load);
    CString text;
    DWORD n;
    ar >> text >> n;
    EXPECT_STREQ("through global memory", text);
    EXPECT_EQ(42u, n);
    EXPECT_TRUE(ar.IsBufferEmpty());
}

// Files on disk and in memory: open modes, sharing, length and seeking, errors with their causes,
// growth and caller buffers.
#include <afx.h>
#include <support/AfxExceptionCatch.h>
#include <support/TempPath.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string Contents(CFile& file)
{
    file.SeekToBegin();
    std::string data(file.GetLength(), '\0');
    if (!data.empty()) {
        EXPECT_EQ((UINT)data.size(), file.Read(&data[0], (UINT)data.size()));
    }
    return data;
}

} // namespace

TEST(DiskFile, CreatesWritesSeeksAndReadsBack)
{
    TempPath path("basic.bin");
    CFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeReadWrite));
    EXPECT_NE(CFile::hFileNull, file.m_hFile);
    EXPECT_STREQ("kwfile_", file.GetFileName().Left(7));
    EXPECT_EQ(file.GetFileName(), file.GetFilePath().Right(file.GetFileName().GetLength()));
    file.Write("hello world", 11);
    EXPECT_EQ(11u, file.GetLength());
    EXPECT_EQ(11u, file.GetPosition());
    EXPECT_EQ(6, file.Seek(6, CFile::begin));
    char word[8] = {};
    EXPECT_EQ(5u, file.Read(word, 7)); // short read at the end, no exception
    EXPECT_STREQ("world", word);
    EXPECT_EQ(0u, file.Read(word, 7));
    EXPECT_EQ(3, file.Seek(-8, CFile::end));
    EXPECT_EQ(5, file.Seek(2, CFile::current));

    // Past the end: writing there extends the file with zeros.
    EXPECT_EQ(14, file.Seek(3, CFile::end));
    file.Write("!", 1);
    EXPECT_EQ(std::string("hello world\0\0\0!", 15), Contents(file));

    // Shrinking moves the position to the new end.
    file.SetLength(5);
    EXPECT_EQ(5u, file.GetLength());
    EXPECT_EQ(5u, file.GetPosition());
    EXPECT_EQ(5u, file.SeekToEnd());
    EXPECT_EQ(CFileException::badSeek, FileCauseOf([&] { file.Seek(-6, CFile::current); }));
    EXPECT_EQ(5u, file.GetPosition());
    file.Flush();
    file.Close();
    EXPECT_EQ(CFile::hFileNull, file.m_hFile);
    EXPECT_STREQ("", file.GetFilePath());
}

TEST(DiskFile, CreationAndTruncationFollowTheModeFlags)
{
    TempPath path("modes.bin");
    CFileException error;
    CFile file;
    EXPECT_FALSE(file.Open(path.c_str(), CFile::modeRead, &error));
    EXPECT_EQ(CFileException::fileNotFound, error.m_cause);
    EXPECT_STREQ(path.c_str(), error.m_strFileName);
    EXPECT_EQ(CFile::hFileNull, file.m_hFile);

    {
        CFile create(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        create.Write("abcdef", 6);
    }
    {
        CFile keep(path.c_str(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite);
        EXPECT_EQ(6u, keep.GetLength());
        EXPECT_EQ(0u, keep.GetPosition());
    }
    {
        CFile reader(path.c_str(), CFile::modeRead);
        EXPECT_EQ(std::string("abcdef"), Contents(reader));
        // Writing through a read-only handle fails as access denied.
        EXPECT_NE(-1, FileCauseOf([&] { reader.Write("x", 1); }));
    }
    {
        CFile truncate(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        EXPECT_EQ(0u, truncate.GetLength());
    }
    // The constructor throws what Open reports.
    TempPath missing("missing.bin");
    EXPECT_EQ(CFileException::fileNotFound, FileCauseOf([&] { CFile f(missing.c_str(), CFile::modeRead); }));
    EXPECT_FALSE(file.Open("", CFile::modeRead, &error));
    EXPECT_EQ(CFileException::badPath, error.m_cause);
}

TEST(DiskFile, ShareModesGrantWhatTheyPromise)
{
    TempPath path("share.bin");
    CFile first(path.c_str(), CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive);
    CFile second;
    CFileException error;
    EXPECT_FALSE(second.Open(path.c_str(), CFile::modeRead | CFile::shareDenyNone, &error));
    EXPECT_EQ(CFileException::sharingViolation, error.m_cause);
    first.Close();
#ifdef _WIN32
    // Denying writes lets readers in and keeps writers out.
    first.Open(path.c_str(), CFile::modeRead | CFile::shareDenyWrite);
    EXPECT_TRUE(second.Open(path.c_str(), CFile::modeRead | CFile::shareDenyNone));
    second.Close();
    EXPECT_FALSE(second.Open(path.c_str(), CFile::modeWrite | CFile::shareDenyNone, &error));
    EXPECT_EQ(CFileException::sharingViolation, error.m_cause);
    EXPECT_EQ(32, error.m_lOsError);
#else
    EXPECT_TRUE(second.Open(path.c_str(), CFile::modeRead | CFile::shareDenyNone));
#endif
}

TEST(DiskFile, RenameAndRemoveReportFailures)
{
    TempPath from("from.bin"), to("to.bin"), taken("taken.bin");
    {
        CFile a(from.c_str(), CFile::modeCreate | CFile::modeWrite);
        CFile b(taken.c_str(), CFile::modeCreate | CFile::modeWrite);
    }
    CFile::Rename(from.c_str(), to.c_str());
    CFile check;
    EXPECT_FALSE(check.Open(from.c_str(), CFile::modeRead));
    EXPECT_TRUE(check.Open(to.c_str(), CFile::modeRead));
    check.Close();

    // Renaming onto an existing file is refused rather than replacing it.
    EXPECT_EQ(CFileException::accessDenied, FileCauseOf([&] { CFile::Rename(to.c_str(), taken.c_str()); }));
    try {
        CFile::Rename(from.c_str(), to.c_str());
        ADD_FAILURE() << "renamed a missing file";
    } catch (CFileException* e) {
        EXPECT_EQ(CFileException::fileNotFound, e->m_cause);
        EXPECT_STREQ(from.c_str(), e->m_strFileName);
        e->Delete();
    }
    CFile::Remove(to.c_str());
    EXPECT_EQ(CFileException::fileNotFound, FileCauseOf([&] { CFile::Remove(to.c_str()); }));
}

TEST(MemFile, GrowsInStepsAndBehavesLikeAFile)
{
    CMemFile file(16);
    EXPECT_EQ(0u, file.GetLength());
    for (int i = 0; i < 100; i++)
        file.Write("0123456789", 10);
    EXPECT_EQ(1000u, file.GetLength());
    EXPECT_EQ(1000u, file.GetPosition());
    EXPECT_EQ(10, file.Seek(10, CFile::begin));
    char buffer[11] = {};
    EXPECT_EQ(10u, file.Read(buffer, 10));
    EXPECT_STREQ("0123456789", buffer);
    EXPECT_EQ(995, file.Seek(-5, CFile::end));
    EXPECT_EQ(5u, file.Read(buffer, 10));

    // Past the end, reading finds nothing and writing fills the gap with zeros.
    EXPECT_EQ(1010, file.Seek(1010, CFile::begin));
    EXPECT_EQ(0u, file.Read(buffer, 10));
    file.Write("x", 1);
    EXPECT_EQ(1011u, file.GetLength());
    EXPECT_EQ(std::string(10, '\0') + "x", Contents(file).substr(1000));

    file.SetLength(2000);
    EXPECT_EQ(std::string(989, '\0'), Contents(file).substr(1011));
    file.SetLength(4);
    EXPECT_EQ(std::string("0123"), Contents(file));
    EXPECT_EQ(CFileException::badSeek, FileCauseOf([&] { file.Seek(-1, CFile::begin); }));

    ULONGLONG nRemaining = 0;
    file.Seek(1, CFile::begin);
    EXPECT_TRUE(file.GetBytesRemaining(nRemaining));
    EXPECT_EQ(3u, nRemaining);
    EXPECT_TRUE(ThrowsAfx<CNotSupportedException>([&] { file.Open("x", CFile::modeRead); }));
}

TEST(MemFile, AbsurdSizesThrowWithoutAllocating)
{
    CMemFile file;
    file.Write("keep", 4);
    EXPECT_TRUE(ThrowsAfx<CMemoryException>([&] { file.SetLength(0xFFFFFFF0u); }));
    file.Seek(0x7FFFFFF0, CFile::begin);
    EXPECT_TRUE(ThrowsAfx<CMemoryException>([&] { file.Write("0123456789abcdefghij", 20); }));
    EXPECT_EQ(CFileException::badSeek, FileCauseOf([&] { file.Seek(0x7FFFFFFF, CFile::current); }));
    EXPECT_EQ(std::string("keep"), Contents(file));
}

TEST(MemFile, WorksOverACallersBuffer)
{
    BYTE fixed[8] = {'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h'};
    CMemFile file(fixed, sizeof fixed);
    EXPECT_EQ(8u, file.GetLength()); // a fixed buffer is the whole file
    file.Seek(2, CFile::begin);
    file.Write("XY", 2);
    EXPECT_EQ('X', fixed[2]);
    // A fixed buffer cannot grow.
    file.Seek(7, CFile::begin);
    EXPECT_TRUE(ThrowsAfx<CMemoryException>([&] { file.Write("123", 3); }));
    EXPECT_EQ('h', fixed[7]);
    EXPECT_EQ(fixed, file.Detach());
    EXPECT_EQ(0u, file.GetLength());

    // A growable one starts empty and comes back, perhaps moved, through Detach.
    BYTE* pGrowable = (BYTE*)malloc(4);
    file.Attach(pGrowable, 4, 64);
    EXPECT_EQ(0u, file.GetLength());
    for (int i = 0; i < 50; i++)
        file.Write("abc", 3);
    EXPECT_EQ(150u, file.GetLength());
    BYTE* pResult = file.Detach();
    EXPECT_EQ(0, memcmp(pResult + 147, "abc", 3));
    free(pResult);

    // After Detach the file allocates (and frees) its own memory again.
    file.Write("new", 3);
    EXPECT_EQ(std::string("new"), Contents(file));
}

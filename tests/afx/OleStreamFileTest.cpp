// Files over OLE streams: archives through a real compound file and back, streams in memory,
// and failures as file exceptions with their causes.
#include <afxole.h>
#include <gtest/gtest.h>

#include "support/AfxExceptionCatch.h"
#include "support/TempPath.h"

#include <string>

namespace {

// A compound file in the temporary folder, created or opened; released at the end.
struct CStorageFile
{
    LPSTORAGE m_lpStorage = NULL;
    HRESULT m_hr;
    CStorageFile(const char* path, bool bCreate)
    {
        std::wstring wide(path, path + strlen(path));
        m_hr = bCreate ? ::StgCreateDocfile(wide.c_str(), STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, &m_lpStorage)
                       : ::StgOpenStorage(wide.c_str(), NULL, STGM_READ | STGM_SHARE_EXCLUSIVE, NULL, 0, &m_lpStorage);
    }
    ~CStorageFile()
    {
        if (m_lpStorage != NULL)
            m_lpStorage->Release();
    }
};

TEST(OleStreamFile, ArchiveRoundTripsThroughACompoundFileLargerThanItsBuffer)
{
    TempPath path("stream.stg");
    std::string block(100000, '\0');
    for (size_t i = 0; i < block.size(); i++)
        block[i] = (char)(i * 7 + i / 251);
    {
        CStorageFile storage(path.c_str(), true);
        ASSERT_EQ(S_OK, storage.m_hr);
        COleStreamFile file;
        ASSERT_TRUE(file.CreateStream(storage.m_lpStorage, "Contents"));
        CArchive ar(&file, CArchive::store);
        // Small values across many buffer fills, then a block that goes past the buffer.
        for (int i = 0; i < 3000; i++)
            ar << (DWORD)(i * 3);
        ar << CString("after the numbers");
        ar.Write(block.data(), (UINT)block.size());
        ar.Close();
        file.Flush();
        EXPECT_EQ(12000u + 18 + 100000, file.GetLength());
        file.Close();
        EXPECT_EQ(NULL, file.GetStream());
        ASSERT_EQ(S_OK, storage.m_lpStorage->Commit(STGC_DEFAULT));
    }
    CStorageFile storage(path.c_str(), false);
    ASSERT_EQ(S_OK, storage.m_hr);
    COleStreamFile file;
    CFileException error;
    ASSERT_TRUE(file.OpenStream(storage.m_lpStorage, "Contents", CFile::modeRead | CFile::shareExclusive, &error));
    CArchive ar(&file, CArchive::load);
    DWORD dw = 0;
    bool bSame = true;
    for (int i = 0; i < 3000; i++)
    {
        ar >> dw;
        bSame = bSame && dw == (DWORD)(i * 3);
    }
    EXPECT_TRUE(bSame);
    CString str;
    ar >> str;
    EXPECT_STREQ("after the numbers", str);
    std::string back(block.size() + 10, '\0');
    EXPECT_EQ(block.size(), ar.Read(&back[0], (UINT)back.size())); // short at the end
    back.resize(block.size());
    EXPECT_TRUE(back == block);
    ar.Close();

    // The stream opened for reading refuses writes; a missing stream does not open.
    EXPECT_EQ(CFileException::accessDenied, FileCauseOf([&] { file.Write("x", 1); }));
    COleStreamFile missing;
    EXPECT_FALSE(missing.OpenStream(storage.m_lpStorage, "Absent", CFile::modeRead, &error));
    EXPECT_EQ(CFileException::fileNotFound, error.m_cause);
    EXPECT_EQ(STG_E_FILENOTFOUND, error.m_lOsError);
    char szMessage[128];
    error.GetErrorMessage(szMessage, sizeof(szMessage));
    EXPECT_STREQ("Absent was not found.", szMessage);
    EXPECT_EQ(NULL, missing.GetStream());
    EXPECT_FALSE(missing.CreateStream(storage.m_lpStorage, "New", CFile::modeReadWrite | CFile::modeCreate, &error));
    EXPECT_EQ(CFileException::accessDenied, error.m_cause); // a storage opened for reading
}

TEST(OleStreamFile, MemoryStreamReadsShortAtTheEndAndRefusesBadSeeks)
{
    COleStreamFile file;
    ASSERT_TRUE(file.CreateMemoryStream());
    file.Write("0123456789", 10);
    EXPECT_EQ(6, file.Seek(-4, CFile::end));
    char buf[8] = {};
    EXPECT_EQ(4u, file.Read(buf, 8));
    EXPECT_STREQ("6789", buf);
    EXPECT_EQ(0u, file.Read(buf, 8));
    EXPECT_EQ(CFileException::badSeek, FileCauseOf([&] { file.Seek(-11, CFile::current); }));
    EXPECT_EQ(10u, file.GetPosition());
    file.SetLength(3);
    EXPECT_EQ(3u, file.GetLength());
    EXPECT_EQ(2, file.Seek(2, CFile::begin));
    ULONGLONG nLeft = 0;
    EXPECT_TRUE(file.GetBytesRemaining(nLeft));
    EXPECT_EQ(1u, nLeft);

    // A count that claims more than the stream holds is refused before anything is made.
    file.SetLength(0);
    file.SeekToBegin();
    const BYTE count[] = {0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0x7F, 'a', 'b'};
    file.Write(count, sizeof(count));
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    EXPECT_EQ(CArchiveException::endOfFile, ArchiveCauseOf([&] { ar.ReadCount(); }));
    ar.Abort();

    // The stream goes back to its owner, who keeps it after the file is closed.
    LPSTREAM lpStream = file.Detach();
    lpStream->AddRef();
    COleStreamFile other(lpStream);
    other.Close();
    EXPECT_EQ(0u, lpStream->Release());
    EXPECT_EQ(CFileException::invalidFile, FileCauseOf([&] { other.Read(buf, 1); }));
}

} // namespace

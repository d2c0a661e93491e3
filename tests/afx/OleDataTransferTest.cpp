// OLE data transfer: objects and text offered by a data source, read back through data objects
// from the source itself and from the real clipboard.
#include <afxole.h>
#include <support/AfxExceptionCatch.h>
#include <support/OleTest.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace
{
// A serialisable object as the toolkit moves them between windows.
class CTestShape : public CObject
{
    DECLARE_SERIAL(CTestShape)
public:
    CString m_strName;
    LONG m_nSides = 0;

    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_strName << m_nSides;
        else
            ar >> m_strName >> m_nSides;
    }
};
IMPLEMENT_SERIAL(CTestShape, CObject, 1)

// A global block holding the bytes of text (with its terminator when asked).
HGLOBAL GlobalFromText(const char* text, bool bTerminator = true)
{
    size_t n = strlen(text) + (bTerminator ? 1 : 0);
    HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, n);
    memcpy(::GlobalLock(h), text, n);
    ::GlobalUnlock(h);
    return h;
}

std::string TextOfGlobal(HGLOBAL h)
{
    const char* p = (const char*)::GlobalLock(h);
    std::string s(p, strnlen(p, ::GlobalSize(h)));
    ::GlobalUnlock(h);
    return s;
}

// The clipboard's CF_TEXT read as any program reads it; "(none)" when there is none.
std::string ClipboardText()
{
    if (!::OpenClipboard(NULL))
        return "(not opened)";
    HANDLE hText = ::GetClipboardData(CF_TEXT);
    std::string s = hText != NULL ? TextOfGlobal(hText) : "(none)";
    ::CloseClipboard();
    return s;
}

// A data source that counts its deletion and renders two delayed formats.
class CRecordingSource : public COleDataSource
{
public:
    explicit CRecordingSource(int* pnDeleted = NULL) : m_pnDeleted(pnDeleted) {}
    ~CRecordingSource() override
    {
        if (m_pnDeleted != NULL)
            ++*m_pnDeleted;
    }
    BOOL OnRenderGlobalData(LPFORMATETC lpFormatEtc, HGLOBAL* phGlobal) override
    {
        m_calls.push_back("global");
        if (lpFormatEtc->cfFormat != CF_TEXT)
            return FALSE;
        *phGlobal = GlobalFromText("rendered");
        return TRUE;
    }
    BOOL OnRenderFileData(LPFORMATETC lpFormatEtc, CFile* pFile) override
    {
        m_calls.push_back("file");
        if (lpFormatEtc->cfFormat != CF_OEMTEXT)
            return FALSE;
        pFile->Write("from a file", 12);
        return TRUE;
    }
    std::vector<std::string> m_calls;
    int* m_pnDeleted;
};

typedef OleTest OleDataTransfer;
} // namespace

TEST_F(OleDataTransfer, AnArchivedObjectTravelsUnderARegisteredFormat)
{
    CLIPFORMAT cf = AfxRegisterClipboardFormat("KwUi Test Shape");
    ASSERT_NE(0, cf);
    EXPECT_STREQ("KwUi Test Shape", AfxGetClipboardFormatName(cf));

    CTestShape shape;
    shape.m_strName = "hexagon";
    shape.m_nSides = 6;
    CSharedFile file(GMEM_MOVEABLE | GMEM_SHARE, 4096);
    {
        CArchive ar(&file, CArchive::store, 4096);
        ar.WriteObject(&shape);
    }
    COleDataSource source;
    source.CacheGlobalData(cf, file.Detach());

    COleDataObject data;
    AttachSource(data, source);
    EXPECT_TRUE(data.IsDataAvailable(cf));
    EXPECT_FALSE(data.IsDataAvailable(CF_TEXT));
    EXPECT_EQ(nullptr, data.GetFileData(CF_TEXT));

    // Each reader gets a copy of its own: the source can be read again.
    for (int i = 0; i < 2; i++) {
        CFile* pFile = data.GetFileData(cf);
        ASSERT_NE(nullptr, pFile);
        EXPECT_TRUE(pFile->IsKindOf(RUNTIME_CLASS(CSharedFile)));
        CObject* pObject = NULL;
        {
            CArchive ar(pFile, CArchive::load, 4096);
            pObject = ar.ReadObject(RUNTIME_CLASS(CTestShape));
        }
        delete pFile;
        CTestShape* pShape = DYNAMIC_DOWNCAST(CTestShape, pObject);
        ASSERT_NE(nullptr, pShape);
        EXPECT_STREQ("hexagon", pShape->m_strName);
        EXPECT_EQ(6, pShape->m_nSides);
        delete pShape;
    }
}

TEST_F(OleDataTransfer, GarbageUnderTheFormatFailsAsAnArchiveErrorAndKeepsTheSource)
{
    CLIPFORMAT cf = AfxRegisterClipboardFormat("KwUi Test Shape");
    COleDataSource source;
    // A class tag announcing a class name far longer than the data.
    const char bad[] = "\xFF\xFF\x01\x00\xF0\x7Fhexa";
    HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, sizeof(bad) - 1);
    memcpy(::GlobalLock(h), bad, sizeof(bad) - 1);
    ::GlobalUnlock(h);
    source.CacheGlobalData(cf, h);

    COleDataObject data;
    AttachSource(data, source);
    CFile* pFile = data.GetFileData(cf);
    ASSERT_NE(nullptr, pFile);
    EXPECT_TRUE(ThrowsAfx<CArchiveException>([&] {
        CArchive ar(pFile, CArchive::load);
        delete ar.ReadObject(NULL);
    }));
    delete pFile;
    EXPECT_TRUE(data.IsDataAvailable(cf));
}

TEST_F(OleDataTransfer, FormatsAreListedInOrderAndANewOfferReplacesTheOld)
{
    CLIPFORMAT cf = AfxRegisterClipboardFormat("KwUi Test Shape");
    COleDataSource source;
    source.CacheGlobalData(CF_TEXT, GlobalFromText("first"));
    source.DelayRenderData(cf);
    source.CacheGlobalData(CF_TEXT, GlobalFromText("second"));

    COleDataObject data;
    AttachSource(data, source);
    std::vector<CLIPFORMAT> formats;
    FORMATETC formatEtc;
    data.BeginEnumFormats();
    while (data.GetNextFormat(&formatEtc)) {
        formats.push_back(formatEtc.cfFormat);
        EXPECT_EQ((DWORD)TYMED_HGLOBAL, formatEtc.tymed);
        EXPECT_EQ(nullptr, formatEtc.ptd);
    }
    EXPECT_EQ((std::vector<CLIPFORMAT>{CF_TEXT, cf}), formats);
    EXPECT_TRUE(AfxGetClipboardFormatName(CF_TEXT).IsEmpty());

    HGLOBAL h = data.GetGlobalData(CF_TEXT);
    ASSERT_NE(nullptr, h);
    EXPECT_EQ("second", TextOfGlobal(h));
    ::GlobalFree(h);

    source.Empty();
    EXPECT_FALSE(data.IsDataAvailable(CF_TEXT));
    data.BeginEnumFormats();
    EXPECT_FALSE(data.GetNextFormat(&formatEtc));
}

TEST_F(OleDataTransfer, DelayedDataIsRenderedOnDemandAsGlobalFileOrStream)
{
    CRecordingSource source;
    source.DelayRenderData(CF_TEXT);
    source.DelayRenderFileData(CF_OEMTEXT);
    source.DelayRenderData(CF_UNICODETEXT); // the source cannot make this one
    EXPECT_TRUE(source.m_calls.empty());

    COleDataObject data;
    AttachSource(data, source);
    HGLOBAL h = data.GetGlobalData(CF_TEXT);
    ASSERT_NE(nullptr, h);
    EXPECT_EQ("rendered", TextOfGlobal(h));
    ::GlobalFree(h);
    EXPECT_EQ((std::vector<std::string>{"global"}), source.m_calls);

    // The file form goes through shared memory when no global form is made.
    source.m_calls.clear();
    CFile* pFile = data.GetFileData(CF_OEMTEXT);
    ASSERT_NE(nullptr, pFile);
    char buffer[32] = {};
    EXPECT_LE(12u, pFile->Read(buffer, sizeof(buffer)));
    EXPECT_STREQ("from a file", buffer);
    delete pFile;
    EXPECT_EQ((std::vector<std::string>{"global", "file"}), source.m_calls);

    // Asked for a stream, the source hands one over the rendered memory.
    FORMATETC formatEtc = {CF_OEMTEXT, NULL, DVASPECT_CONTENT, -1, TYMED_ISTREAM};
    STGMEDIUM medium;
    ASSERT_TRUE(data.GetData(CF_OEMTEXT, &medium, &formatEtc));
    ASSERT_EQ((DWORD)TYMED_ISTREAM, medium.tymed);
    ULONG nRead = 0;
    memset(buffer, 0, sizeof(buffer));
    medium.pstm->Read(buffer, sizeof(buffer), &nRead);
    EXPECT_STREQ("from a file", buffer);
    ::ReleaseStgMedium(&medium);

    // A format the source fails to render is reported as unavailable data.
    source.m_calls.clear();
    EXPECT_EQ(nullptr, data.GetGlobalData(CF_UNICODETEXT));
    EXPECT_EQ((std::vector<std::string>{"global", "file"}), source.m_calls);
}

TEST_F(OleDataTransfer, AnEmptyDataObjectAnswersNothing)
{
    COleDataObject data;
    STGMEDIUM medium;
    FORMATETC formatEtc;
    EXPECT_FALSE(data.IsDataAvailable(CF_TEXT));
    EXPECT_FALSE(data.GetData(CF_TEXT, &medium));
    EXPECT_EQ(nullptr, data.GetGlobalData(CF_TEXT));
    EXPECT_EQ(nullptr, data.GetFileData(CF_TEXT));
    data.BeginEnumFormats();
    EXPECT_FALSE(data.GetNextFormat(&formatEtc));
    EXPECT_EQ(0, AfxRegisterClipboardFormat(""));
    EXPECT_EQ(0, AfxRegisterClipboardFormat(NULL));
    EXPECT_EQ(0, AfxRegisterClipboardFormat(std::string(300, 'x').c_str()));
}

TEST_F(OleDataTransfer, TextOnTheClipboardRoundTripsAndOutlivesItsSource)
{
    int nDeleted = 0;
    CRecordingSource* pSource = new CRecordingSource(&nDeleted);
    pSource->CacheGlobalData(CF_TEXT, GlobalFromText("clipboard text"));
    pSource->SetClipboard();
    EXPECT_EQ(pSource, COleDataSource::GetClipboardOwner());

    EXPECT_EQ("clipboard text", ClipboardText());

    {
        COleDataObject data;
        ASSERT_TRUE(data.AttachClipboard());
        EXPECT_TRUE(data.IsDataAvailable(CF_TEXT));
        HGLOBAL h = data.GetGlobalData(CF_TEXT);
        ASSERT_NE(nullptr, h);
        EXPECT_EQ("clipboard text", TextOfGlobal(h));
        ::GlobalFree(h);
    }

    // Another source takes the clipboard: the first one goes, as the clipboard owned it.
    CRecordingSource* pNext = new CRecordingSource(&nDeleted);
    pNext->CacheGlobalData(CF_TEXT, GlobalFromText("next text"));
    pNext->SetClipboard();
    EXPECT_EQ(1, nDeleted);
    EXPECT_EQ(pNext, COleDataSource::GetClipboardOwner());

    // Flushed, the text stays on the clipboard without its source.
    COleDataSource::FlushClipboard();
    EXPECT_EQ(2, nDeleted);
    EXPECT_EQ(nullptr, COleDataSource::GetClipboardOwner());
    EXPECT_EQ("next text", ClipboardText());
}

TEST_F(OleDataTransfer, ASourceDeletedWhileOnTheClipboardTakesItsDataOff)
{
    int nDeleted = 0;
    CRecordingSource* pSource = new CRecordingSource(&nDeleted);
    pSource->CacheGlobalData(CF_TEXT, GlobalFromText("short-lived"));
    pSource->InternalAddRef(); // the caller keeps a reference of its own
    pSource->SetClipboard();
    delete pSource;
    EXPECT_EQ(1, nDeleted);
    EXPECT_EQ(nullptr, COleDataSource::GetClipboardOwner());
    COleDataObject data;
    ASSERT_TRUE(data.AttachClipboard());
    EXPECT_FALSE(data.IsDataAvailable(CF_TEXT));
}

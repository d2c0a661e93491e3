// The structural model: its archive record read back whole, hostile records refused with the
// model untouched, cells parsed and rejected, and the schedule and report texts.
#include "model/StructModel.h"
#include "model/StructReport.h"

#include <support/AfxExceptionCatch.h>
#include <support/ArchiveBytes.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

// A file that only reads forward and cannot tell how much is left, like a pipe.
class CStreamFile : public CFile
{
public:
    explicit CStreamFile(const Bytes& bytes) : m_bytes(bytes) {}
    UINT Read(void* lpBuf, UINT nCount) override
    {
        UINT n = (UINT)std::min<size_t>(nCount, m_bytes.size() - m_nPos);
        memcpy(lpBuf, m_bytes.data() + m_nPos, n);
        m_nPos += n;
        return n;
    }
    BOOL GetBytesRemaining(ULONGLONG&) const override { return FALSE; }

private:
    const Bytes& m_bytes;
    size_t m_nPos = 0;
};

Bytes StoreModel(CStructModel& model)
{
    return StoreBytes([&](CArchive& ar) { model.Serialize(ar); });
}

// The cause of the archive exception loading bytes throws (-1 for none), over a memory file or a
// stream; the model must be unchanged whenever it throws.
int LoadCause(CStructModel& model, const Bytes& bytes, bool bStream = false)
{
    CStructModel before = model;
    int nCause = ArchiveCauseOf([&] {
        if (!bStream) {
            LoadBytes(bytes, [&](CArchive& ar) { model.Serialize(ar); });
            return;
        }
        CStreamFile file(bytes);
        CArchive ar(&file, CArchive::load);
        model.Serialize(ar);
    });
    if (nCause != -1) {
        EXPECT_EQ(before.GetCount(), model.GetCount());
        for (int i = 0; i < std::min(before.GetCount(), model.GetCount()); i++)
            EXPECT_TRUE(before.GetAt(i) == model.GetAt(i)) << "member " << i;
    }
    return nCause;
}

} // namespace

TEST(StructModel, SampleWithPicturesReadsBackWhole)
{
    CStructModel sample;
    sample.MakeSample(40);
    Bytes bytes = StoreModel(sample);
    CStructModel loaded;
    loaded.MakeSample(2);
    LoadBytes(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    ASSERT_EQ(40, loaded.GetCount());
    for (int i = 0; i < 40; i++) {
        const CStructMember& member = loaded.GetAt(i);
        EXPECT_TRUE(member == sample.GetAt(i)) << "member " << i;
        ASSERT_GT(member.m_picture.GetSize(), 2) << member.m_strSection;
        EXPECT_TRUE(member.m_picture[0] == 'B' && member.m_picture[1] == 'M');
    }
    EXPECT_NE(loaded.Find("C3"), loaded.Find("B3"));
}

TEST(StructModel, HostileRecordsThrowAndLeaveTheModelAlone)
{
    CStructModel model;
    model.MakeSample(3);
    CStructMember first = model.GetAt(0);
    first.m_strRemark = "kept";
    model.SetAt(0, first);

    CStructModel small;
    small.MakeSample(2);
    Bytes bytes = StoreModel(small);
    for (size_t n = 0; n < bytes.size(); n++)
        EXPECT_EQ(CArchiveException::endOfFile, LoadCause(model, Bytes(bytes.begin(), bytes.begin() + n)))
            << "cut at " << n;

    // A count far beyond the data, over a file that knows its length and over one that does not.
    Bytes huge = U16(1) + Bytes{0xFF, 0xFF} + U32(0xFFFFFFF0) + Bytes(bytes.begin() + 4, bytes.end());
    EXPECT_EQ(CArchiveException::endOfFile, LoadCause(model, huge));
    EXPECT_EQ(CArchiveException::endOfFile, LoadCause(model, huge, true));

    // Schemas this version does not know, for the model and for a member.
    Bytes schema = bytes;
    schema[0] = 2;
    EXPECT_EQ(CArchiveException::badSchema, LoadCause(model, schema));
    schema = bytes;
    schema[4] = 9;
    EXPECT_EQ(CArchiveException::badSchema, LoadCause(model, schema));

    // Values the editor never writes.
    const double lengths[] = {0.0, -1.0, NAN, INFINITY, 1e9};
    for (double dLength : lengths) {
        CStructMember bad = small.GetAt(1);
        bad.m_dLength = dLength;
        small.SetAt(1, bad);
        EXPECT_EQ(CArchiveException::genericException, LoadCause(model, StoreModel(small))) << dLength;
    }
    CStructMember bad = small.GetAt(0);
    bad.m_crColour = 0x01000000;
    small.SetAt(0, bad);
    EXPECT_EQ(CArchiveException::genericException, LoadCause(model, StoreModel(small)));
}

TEST(StructMember, CellsParseTheirValuesAndRejectTheRest)
{
    CStructMember member;
    ASSERT_TRUE(member.ParseCell(CStructMember::kLength, " 6,5 "));
    EXPECT_EQ(6.5, member.m_dLength);
    ASSERT_TRUE(member.ParseCell(CStructMember::kColour, "#ff8000"));
    EXPECT_EQ(0x000080FFu, member.m_crColour);
    EXPECT_STREQ("#FF8000", member.FormatCell(CStructMember::kColour));
    ASSERT_TRUE(member.ParseCell(CStructMember::kMark, "B7"));

    const struct
    {
        int nColumn;
        const char* pszText;
    } rejected[] = {{CStructMember::kLength, ""},        {CStructMember::kLength, "0"},
                    {CStructMember::kLength, "-2"},      {CStructMember::kLength, "5 m"},
                    {CStructMember::kLength, "nan"},     {CStructMember::kLength, "1e9"},
                    {CStructMember::kColour, "#12345"},  {CStructMember::kColour, "FF8000"},
                    {CStructMember::kColour, "#12345G"}, {CStructMember::kColour, "#1234567"},
                    {CStructMember::kMark, "  "},        {CStructMember::kRemark, "a\tb"},
                    {-1, "x"},                           {CStructMember::kColumns, "x"}};
    for (const auto& r : rejected) {
        CStructMember copy = member;
        EXPECT_FALSE(copy.ParseCell(r.nColumn, r.pszText)) << r.nColumn << " " << r.pszText;
        EXPECT_TRUE(copy == member) << r.pszText;
    }
}

TEST(StructModel, ScheduleAndReportKeepTheirShapeWhateverTheTexts)
{
    CStructModel model;
    model.MakeSample(2);
    CStructMember member = model.GetAt(1);
    member.m_strRemark = "tab\there\r\n<b>&\"";
    model.SetAt(1, member);

    CString strSchedule = model.FormatSchedule();
    EXPECT_EQ(3, strSchedule.Replace("\r\n", "\n"));
    EXPECT_EQ(3 * (CStructMember::kColumns - 1), strSchedule.Remove('\t'));

    CString strReport = CStructReport::Format(model, "A<B>");
    EXPECT_GE(strReport.Find("<h2>A&lt;B&gt;</h2>"), 0);
    EXPECT_GE(strReport.Find("&lt;b&gt;&amp;&quot;"), 0);
    EXPECT_LT(strReport.Find("<b>"), 0);
}

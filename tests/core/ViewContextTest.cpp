// The view context: equality, its record through an archive, and the stack views find it on.
#include <core/ViewContext.h>
#include <support/AfxExceptionCatch.h>
#include <support/ArchiveBytes.h>
#include <gtest/gtest.h>

namespace {

CViewContext Sample()
{
    CViewContext ctx;
    ctx.m_strText1 = "Model";
    ctx.m_strText3 = "Page 2";
    ctx.m_nValue1 = 7;
    ctx.m_nValue7 = -1;
    return ctx;
}

TEST(ViewContext, EqualityTakesEveryFieldAndTheCaseOfTexts)
{
    CViewContext a = Sample(), b = Sample();
    EXPECT_TRUE(a == b);
    b.m_strText1 = "model";
    EXPECT_FALSE(a == b);
    b = a;
    b.m_strText4 = "x";
    EXPECT_FALSE(a == b);
    b = a;
    b.m_nValue7 = 0;
    EXPECT_FALSE(a == b);
}

TEST(ViewContext, RecordBytesRoundTripAndACutRecordLeavesTheTargetAlone)
{
    CViewContext ctx = Sample();
    Bytes stored = StoreBytes([&](CArchive& ar) { ctx.Serialize(ar); });
    Bytes expected = U32(3) + Bytes{5} + Text("Model") + Bytes{0} + Bytes{6} + Text("Page 2")
        + Bytes{0} + U32(7) + U32(0) + U32(0) + U32(0) + U32(0) + U32(0) + U32(0xFFFFFFFF);
    EXPECT_EQ(expected, stored);

    CViewContext back;
    LoadBytes(stored, [&](CArchive& ar) { back.Serialize(ar); });
    EXPECT_TRUE(back == ctx);

    for (size_t cut = 0; cut < stored.size(); cut++) {
        CViewContext target = Sample();
        target.m_strText2 = "kept";
        CViewContext before = target;
        Bytes part(stored.begin(), stored.begin() + cut);
        EXPECT_TRUE(ThrowsAfx<CArchiveException>(
            [&] { LoadBytes(part, [&](CArchive& ar) { target.Serialize(ar); }); }))
            << cut;
        EXPECT_TRUE(target == before) << cut;
    }
}

TEST(ViewContext, StackNestsAndOnlyTheTopIsPopped)
{
    EXPECT_EQ(nullptr, CViewContext::GetViewContext());
    CViewContext* first = CViewContext::CreateViewContext();
    CViewContext* second = CViewContext::CreateViewContext();
    EXPECT_EQ(second, CViewContext::GetViewContext());
    CViewContext::DestroyViewContext(first); // not the top: nothing happens
    EXPECT_EQ(second, CViewContext::GetViewContext());
    EXPECT_EQ(2, CViewContext::m_ContextStack.GetCount());
    CViewContext::DestroyViewContext(second);
    EXPECT_EQ(first, CViewContext::GetViewContext());
    {
        CViewContextPush push(Sample());
        EXPECT_TRUE(*CViewContext::GetViewContext() == Sample());
    }
    EXPECT_EQ(first, CViewContext::GetViewContext());
    CViewContext::DestroyViewContext(first);
    EXPECT_EQ(nullptr, CViewContext::GetViewContext());
}

} // namespace

// Objects through real OLE data objects: the source's global memory read back through its own
// IDataObject, formats by name, and damaged memory that must raise the archive's exception
// without leaking what was read.
#include "core/DragAndDrop.h"
#include "support/AfxExceptionCatch.h"
#include "support/OleTest.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

class CDndShape : public CObject
{
    DECLARE_SERIAL(CDndShape)
public:
    static int s_nAlive;
    CDndShape() { s_nAlive++; }
    CDndShape(const char* name, LONG sides) : m_name(name), m_sides(sides) { s_nAlive++; }
    ~CDndShape() override { s_nAlive--; }
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_name << m_sides;
        else
            ar >> m_name >> m_sides;
    }
    CString m_name;
    LONG m_sides = 0;
};
IMPLEMENT_SERIAL(CDndShape, CObject, 1)
int CDndShape::s_nAlive = 0;

class DragAndDrop : public OleTest
{
protected:
    CLIPFORMAT m_cf = (CLIPFORMAT)::RegisterClipboardFormatA("KwUi Dnd Shape");
    // A source offering exactly these bytes as global memory of format cf.
    static COleDataSource* RawSource(CLIPFORMAT cf, const void* bytes, size_t size)
    {
        HGLOBAL hGlobal = ::GlobalAlloc(GMEM_MOVEABLE, size);
        memcpy(::GlobalLock(hGlobal), bytes, size);
        ::GlobalUnlock(hGlobal);
        COleDataSource* source = new COleDataSource;
        source->CacheGlobalData(cf, hGlobal);
        return source;
    }
};

TEST_F(DragAndDrop, ObjectRoundTripThroughTheDataObject)
{
    CDndShape shape("hexagon", 6);
    COleDataSource* source = CDragAndDrop::OleDataSourceFromObject(&shape, m_cf);
    ASSERT_NE((COleDataSource*)NULL, source);
    {
        COleDataObject data;
        AttachSource(data, *source);
        EXPECT_TRUE(data.IsDataAvailable(m_cf));
        EXPECT_STREQ("KwUi Dnd Shape", CDragAndDrop::FormatNameFromOleDataObject(&data));

        std::unique_ptr<CObject> read(CDragAndDrop::ObjectFromOleDataObject(&data, m_cf));
        CDndShape* copy = dynamic_cast<CDndShape*>(read.get());
        ASSERT_NE((CDndShape*)NULL, copy);
        EXPECT_STREQ("hexagon", copy->m_name);
        EXPECT_EQ(6, copy->m_sides);

        std::unique_ptr<CObject> byName(CDragAndDrop::ObjectFromOleDataObject(&data, CString("KwUi Dnd Shape")));
        EXPECT_NE((CObject*)NULL, byName.get());
        EXPECT_EQ(NULL, CDragAndDrop::ObjectFromOleDataObject(&data, CString("KwUi Other Format")));
        EXPECT_EQ(NULL, CDragAndDrop::ObjectFromOleDataObject(&data, (CLIPFORMAT)CF_TEXT));
    }
    source->InternalRelease();
    EXPECT_EQ(1, CDndShape::s_nAlive);
}

TEST_F(DragAndDrop, DamagedMemoryRaisesTheArchiveException)
{
    CDndShape shape("triangle", 3);
    std::unique_ptr<COleDataSource, void (*)(COleDataSource*)> good(
        CDragAndDrop::OleDataSourceFromObject(&shape, m_cf), [](COleDataSource* s) { s->InternalRelease(); });
    COleDataObject goodData;
    AttachSource(goodData, *good);
    HGLOBAL hGlobal = goodData.GetGlobalData(m_cf);
    const size_t size = ::GlobalSize(hGlobal);
    std::string bytes((const char*)::GlobalLock(hGlobal), size);
    ::GlobalUnlock(hGlobal);
    ::GlobalFree(hGlobal);

    const int alive = CDndShape::s_nAlive;
    // Cut short inside the class name and inside the object, an unknown class, and an empty block
    // that holds no object. (The archive's own refusals are checked with the archive.)
    std::string unknown = bytes;
    unknown[8] = 'X';
    for (const std::string& damaged : {bytes.substr(0, 14), bytes.substr(0, 19), unknown, std::string(1, '\0')})
    {
        COleDataSource* source = RawSource(m_cf, damaged.data(), damaged.size());
        COleDataObject data;
        AttachSource(data, *source);
        EXPECT_TRUE(ThrowsAfx<CArchiveException>([&] { delete CDragAndDrop::ObjectFromOleDataObject(&data, m_cf); }))
            << damaged.size();
        data.Release();
        source->InternalRelease();
    }
    EXPECT_EQ(alive, CDndShape::s_nAlive) << "objects begun before the failure are gone";
}

} // namespace

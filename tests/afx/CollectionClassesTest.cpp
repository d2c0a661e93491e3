// Tests of the ready-made collections: their run-time classes, creation by name, and their
// typed members.
#include <gtest/gtest.h>

#include "afx.h"
#include "afxcoll.h"

namespace
{
class CNamedObject : public CObject
{
public:
    explicit CNamedObject(int n = 0) : m_n(n) {}
    int m_n;
};
} // namespace

TEST(CollectionClasses, DescribeThemselvesAsTheFrameworkDoes)
{
    struct Expected
    {
        CRuntimeClass* pClass;
        const char* name;
        bool bSerial;
    } classes[] = {
        {RUNTIME_CLASS(CStringList), "CStringList", true},
        {RUNTIME_CLASS(CStringArray), "CStringArray", true},
        {RUNTIME_CLASS(CObArray), "CObArray", true},
        {RUNTIME_CLASS(CDWordArray), "CDWordArray", true},
        {RUNTIME_CLASS(CPtrArray), "CPtrArray", false},
        {RUNTIME_CLASS(CPtrList), "CPtrList", false},
        {RUNTIME_CLASS(CUIntArray), "CUIntArray", false},
    };
    for (const Expected& e : classes)
    {
        SCOPED_TRACE(e.name);
        EXPECT_STREQ(e.name, e.pClass->m_lpszClassName);
        EXPECT_EQ(RUNTIME_CLASS(CObject), e.pClass->m_pfnGetBaseClass());
        EXPECT_EQ(e.pClass, CRuntimeClass::FromName(e.name));
        EXPECT_EQ(e.bSerial ? 0u : 0xFFFFu, e.pClass->m_wSchema);
        CObject* pObject = CRuntimeClass::CreateObject(e.name);
        EXPECT_EQ(e.bSerial, pObject != NULL);
        if (pObject != NULL)
        {
            EXPECT_TRUE(pObject->IsKindOf(e.pClass));
            EXPECT_TRUE(pObject->IsSerializable());
            delete pObject;
        }
    }
    CStringList list;
    CObject* pList = &list;
    EXPECT_EQ(RUNTIME_CLASS(CStringList), pList->GetRuntimeClass());
    EXPECT_FALSE(pList->IsKindOf(RUNTIME_CLASS(CStringArray)));
}

TEST(CollectionClasses, TakeTextPointersAndObjectsInTheirTypedMembers)
{
    CStringList names(4);
    names.AddTail("beta");
    names.AddHead("alpha");
    EXPECT_EQ(names.GetTailPosition(), names.Find("beta"));
    EXPECT_EQ(NULL, names.Find("Beta"));

    CStringArray texts;
    texts.SetAtGrow(1, "two");
    EXPECT_TRUE(texts[0].IsEmpty());
    EXPECT_STREQ("two", texts[1]);

    CNamedObject a(1), b(2);
    CObArray objects;
    objects.Add(&a);
    objects.InsertAt(0, &b);
    EXPECT_EQ(1, static_cast<CNamedObject*>(objects[1])->m_n);
    objects.RemoveAll(); // the objects are not owned

    CPtrList pointers;
    POSITION pos = pointers.AddTail(&a);
    EXPECT_EQ(pos, pointers.Find(&a));
    CDWordArray dwords;
    dwords.Add(0xFFFFFFFFu);
    EXPECT_EQ(0xFFFFFFFFu, dwords[0]);
}

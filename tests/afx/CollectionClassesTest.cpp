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
    names.AddTail(CString("gamma"));
    EXPECT_EQ(names.FindIndex(1), names.Find("beta"));
    EXPECT_EQ(NULL, names.Find("Beta"));
    CStringList more;
    more.AddTail("delta");
    names.AddTail(&more);
    EXPECT_STREQ("delta", names.GetTail());

    CStringArray texts;
    texts.Add("one");
    texts.SetAtGrow(2, "three");
    EXPECT_TRUE(texts[1].IsEmpty());
    EXPECT_STREQ("three", texts[2]);

    CNamedObject a(1), b(2);
    CObArray objects;
    objects.Add(&a);
    objects.InsertAt(0, &b);
    EXPECT_EQ(&b, objects[0]);
    EXPECT_EQ(1, static_cast<CNamedObject*>(objects[1])->m_n);
    objects.RemoveAll(); // the objects are not owned

    CPtrList pointers;
    POSITION pos = pointers.AddTail(&a);
    pointers.AddTail(&b);
    EXPECT_EQ(pos, pointers.Find(&a));
    CPtrArray pointerArray;
    pointerArray.SetSize(2);
    EXPECT_EQ(NULL, pointerArray[1]);

    CDWordArray dwords;
    dwords.Add(0xFFFFFFFFu);
    CUIntArray uints;
    uints.InsertAt(0, 7u, 3);
    EXPECT_EQ(0xFFFFFFFFu, dwords[0]);
    EXPECT_EQ(3, uints.GetSize());
    EXPECT_EQ(7u, uints[2]);
}

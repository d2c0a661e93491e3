// Tests of the ready-made collections: their run-time classes and creation by name, which
// archives rely on.
#include <gtest/gtest.h>

#include "afx.h"
#include "afxcoll.h"

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

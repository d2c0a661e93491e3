// Run-time classes: derivation, creation by name, registration lifetime and down-casts.
#include <afx.h>
#include <gtest/gtest.h>

#include <cstring>

namespace {

class CShape : public CObject
{
    DECLARE_DYNAMIC(CShape)
};
IMPLEMENT_DYNAMIC(CShape, CObject)

class CCircle : public CShape
{
    DECLARE_DYNCREATE(CCircle)
public:
    int m_nRadius = 7;
};
IMPLEMENT_DYNCREATE(CCircle, CShape)

class CSquare : public CShape
{
    DECLARE_SERIAL(CSquare)
};
IMPLEMENT_SERIAL(CSquare, CShape, 3 | VERSIONABLE_SCHEMA)

} // namespace

TEST(RuntimeClass, DerivationAndDownCastsFollowTheBaseChain)
{
    CCircle circle;
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CCircle)));
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CShape)));
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(circle.IsKindOf(RUNTIME_CLASS(CSquare)));
    EXPECT_FALSE(RUNTIME_CLASS(CShape)->IsDerivedFrom(RUNTIME_CLASS(CCircle)));
    EXPECT_FALSE(circle.IsSerializable());
    CSquare square;
    EXPECT_TRUE(square.IsSerializable());

    CObject* pObject = &circle;
    EXPECT_EQ(&circle, DYNAMIC_DOWNCAST(CShape, pObject));
    EXPECT_EQ(nullptr, DYNAMIC_DOWNCAST(CSquare, pObject));
    EXPECT_EQ(nullptr, DYNAMIC_DOWNCAST(CShape, (CObject*)NULL));
    EXPECT_EQ(&circle, STATIC_DOWNCAST(CCircle, pObject));
}

TEST(RuntimeClass, FindsAndCreatesClassesByName)
{
    EXPECT_EQ(RUNTIME_CLASS(CCircle), CRuntimeClass::FromName("CCircle"));
    // CObject lives in the framework's own module.
    EXPECT_EQ(RUNTIME_CLASS(CObject), CRuntimeClass::FromName("CObject"));
    EXPECT_EQ(NULL, CRuntimeClass::FromName("CNoSuchClass"));
    EXPECT_EQ(NULL, CRuntimeClass::FromName(NULL));

    CObject* pObject = CRuntimeClass::CreateObject("CCircle");
    ASSERT_NE(nullptr, pObject);
    EXPECT_EQ(RUNTIME_CLASS(CCircle), pObject->GetRuntimeClass());
    EXPECT_EQ(7, static_cast<CCircle*>(pObject)->m_nRadius);
    delete pObject;

    // A dynamic class has no way to be created by name.
    EXPECT_EQ(NULL, RUNTIME_CLASS(CShape)->CreateObject());
    EXPECT_EQ(NULL, CRuntimeClass::CreateObject("CNoSuchClass"));
}

TEST(RuntimeClass, ClassesLeaveTheListWithTheirRegistration)
{
    static CRuntimeClass temporary = {"CTemporaryClass", 0, 1, NULL, &CObject::_GetBaseClass, NULL};
    {
        AFX_CLASSINIT registration(&temporary);
        EXPECT_EQ(&temporary, CRuntimeClass::FromName("CTemporaryClass"));
        EXPECT_EQ(RUNTIME_CLASS(CCircle), CRuntimeClass::FromName("CCircle"));
    }
    EXPECT_EQ(NULL, CRuntimeClass::FromName("CTemporaryClass"));
    EXPECT_EQ(RUNTIME_CLASS(CCircle), CRuntimeClass::FromName("CCircle"));
    EXPECT_EQ(RUNTIME_CLASS(CSquare), CRuntimeClass::FromName("CSquare"));
}

// OleTest.h: a fixture with OLE ready for each test, and a data source read through its own
// data object.
#pragma once

#include <afxole.h>
#include <gtest/gtest.h>

class OleTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(AfxOleInit()); }
    void TearDown() override { AfxOleTerm(TRUE); }

    // The source's own IDataObject, attached the way a drop target gets it.
    static void AttachSource(COleDataObject& data, COleDataSource& source)
    {
        LPDATAOBJECT lpDataObject = (LPDATAOBJECT)source.GetInterface(&IID_IDataObject);
        lpDataObject->AddRef();
        data.Attach(lpDataObject, TRUE);
    }
};

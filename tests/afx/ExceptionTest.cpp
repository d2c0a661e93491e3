// Framework exceptions: deletion rules of the TRY/CATCH macros, messages and error-code causes.
#include <afx.h>
#include <support/AfxExceptionCatch.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <string>

namespace {

// Counts live instances, so the tests see which exceptions the macros delete.
class CCountedException : public CException
{
public:
    static int s_nAlive;
    explicit CCountedException(BOOL bAutoDelete = TRUE) : CException(bAutoDelete) { s_nAlive++; }
    ~CCountedException() override { s_nAlive--; }
};
int CCountedException::s_nAlive = 0;

std::string Message(CException& e)
{
    char buffer[256];
    e.GetErrorMessage(buffer, sizeof buffer);
    return buffer;
}

} // namespace

TEST(Exceptions, CatchDeletesUnlessThrownOn)
{
    bool caught = false;
    TRY
    {
        THROW(new CCountedException);
    }
    CATCH(CCountedException, e)
    {
        caught = e->m_bAutoDelete != FALSE;
        EXPECT_EQ(1, CCountedException::s_nAlive);
    }
    END_CATCH
    EXPECT_TRUE(caught);
    EXPECT_EQ(0, CCountedException::s_nAlive);

    // THROW_LAST hands the same object outwards; the outer handler deletes it.
    CException* pOuter = NULL;
    TRY
    {
        TRY
        {
            THROW(new CCountedException);
        }
        CATCH(CException, e)
        {
            THROW_LAST();
        }
        END_CATCH
    }
    CATCH_ALL(e)
    {
        pOuter = e;
        EXPECT_EQ(1, CCountedException::s_nAlive);
    }
    END_CATCH_ALL
    EXPECT_NE(nullptr, pOuter);
    EXPECT_EQ(0, CCountedException::s_nAlive);

    // A handler that does not match lets the exception pass untouched.
    CCountedException* pPassed = NULL;
    try {
        TRY
        {
            THROW(new CCountedException);
        }
        CATCH(CFileException, e)
        {
            ADD_FAILURE() << "wrong handler";
        }
        AND_CATCH(CArchiveException, e)
        {
            ADD_FAILURE() << "wrong handler";
        }
        END_CATCH
    } catch (CCountedException* e) {
        pPassed = e;
    }
    ASSERT_NE(nullptr, pPassed);
    EXPECT_EQ(1, CCountedException::s_nAlive);
    pPassed->Delete();
    EXPECT_EQ(0, CCountedException::s_nAlive);

    // Exceptions that are not heap objects survive Delete.
    CCountedException onStack(FALSE);
    onStack.Delete();
    EXPECT_EQ(1, CCountedException::s_nAlive);
}

TEST(Exceptions, FrameworkExceptionsCrossTheModuleAsTheirClass)
{
    try {
        AfxThrowArchiveException(CArchiveException::badClass, "doc.kw");
    } catch (CException* e) {
        ASSERT_TRUE(e->IsKindOf(RUNTIME_CLASS(CArchiveException)));
        CArchiveException* pArchive = STATIC_DOWNCAST(CArchiveException, e);
        EXPECT_EQ(CArchiveException::badClass, pArchive->m_cause);
        EXPECT_EQ("doc.kw contained an unexpected object.", Message(*pArchive));
        e->Delete();
    }
    try {
        AfxThrowMemoryException();
    } catch (CMemoryException* e) {
        EXPECT_FALSE(e->m_bAutoDelete); // thrown without allocating
        EXPECT_EQ("Out of memory.", Message(*e));
        e->Delete();
    }
    EXPECT_TRUE(ThrowsAfx<CResourceException>([] { AfxThrowResourceException(); }));
    EXPECT_TRUE(ThrowsAfx<CNotSupportedException>([] { AfxThrowNotSupportedException(); }));
}

TEST(Exceptions, MessagesNameTheFileAndFitTheBuffer)
{
    CFileException notFound(CFileException::fileNotFound, 2, "C:\\a\\b.txt");
    EXPECT_EQ("C:\\a\\b.txt was not found.", Message(notFound));
    CFileException unnamed(CFileException::accessDenied);
    EXPECT_EQ("Access to an unnamed file was denied.", Message(unnamed));
    CFileException strange(99);
    EXPECT_EQ("An unknown error occurred while accessing an unnamed file.", Message(strange));

    char small[8] = "xxxxxxx";
    UINT nHelp = 77;
    EXPECT_TRUE(notFound.GetErrorMessage(small, 5, &nHelp));
    EXPECT_STREQ("C:\\a", small);
    EXPECT_EQ(0u, nHelp);
    EXPECT_FALSE(notFound.GetErrorMessage(small, 0));

    CException plain;
    small[0] = 'x';
    EXPECT_FALSE(plain.GetErrorMessage(small, sizeof small));
    EXPECT_STREQ("", small);
}

TEST(Exceptions, ErrorCodesMapToCauses)
{
    EXPECT_EQ(CFileException::none, CFileException::OsErrorToException(0));
    EXPECT_EQ(CFileException::fileNotFound, CFileException::OsErrorToException(2));
    EXPECT_EQ(CFileException::badPath, CFileException::OsErrorToException(3));
    EXPECT_EQ(CFileException::accessDenied, CFileException::OsErrorToException(5));
    EXPECT_EQ(CFileException::sharingViolation, CFileException::OsErrorToException(32));
    EXPECT_EQ(CFileException::diskFull, CFileException::OsErrorToException(112));
    EXPECT_EQ(CFileException::badSeek, CFileException::OsErrorToException(131));
    EXPECT_EQ(CFileException::genericException, CFileException::OsErrorToException(12345));

    EXPECT_EQ(CFileException::fileNotFound, CFileException::ErrnoToException(ENOENT));
    EXPECT_EQ(CFileException::accessDenied, CFileException::ErrnoToException(EACCES));
    EXPECT_EQ(CFileException::tooManyOpenFiles, CFileException::ErrnoToException(EMFILE));
    EXPECT_EQ(CFileException::diskFull, CFileException::ErrnoToException(ENOSPC));
    EXPECT_EQ(CFileException::genericException, CFileException::ErrnoToException(EEXIST));

    try {
        CFileException::ThrowOsError(32, "locked.doc");
        ADD_FAILURE() << "no exception";
    } catch (CFileException* e) {
        EXPECT_EQ(CFileException::sharingViolation, e->m_cause);
        EXPECT_EQ(32, e->m_lOsError);
        EXPECT_STREQ("locked.doc", e->m_strFileName);
        e->Delete();
    }
    EXPECT_NO_THROW(CFileException::ThrowOsError(0));
    EXPECT_NO_THROW(CFileException::ThrowErrno(0));
}

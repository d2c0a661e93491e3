// The new-document type dialog: the templates that have a name for new documents, no waiting
// when there is one, -1 when there is none.
#include "pickers/KwTemplateDialog.h"
#include "support/ModalDialogDriver.h"

#include <gtest/gtest.h>

namespace {

TEST(TemplateDialog, OffersTheTypesWithANameForNewDocuments)
{
    CMultiDocTemplate hidden(1, NULL, NULL, NULL), beta(1, NULL, NULL, NULL);
    hidden.m_strDocStrings = "\nHidden\n\nHidden\n.h"; // no name for new documents
    beta.m_strDocStrings = "\nB\nBeta\nB\n.b";
    CList<CDocTemplate*, CDocTemplate*> list;
    CKwTemplateDialog none(&list);
    EXPECT_EQ(-1, none.DoModal());
    list.AddTail(&hidden);
    EXPECT_EQ(-1, none.DoModal());

    // One type is chosen without asking.
    list.AddTail(&beta);
    CKwTemplateDialog one(&list);
    ModalDialogDriver wait([](HWND hDlg) { ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0); }, "New", 500);
    EXPECT_EQ(IDOK, one.DoModal());
    EXPECT_FALSE(wait.Answered()) << "the dialog waited for the user";
    EXPECT_EQ(&beta, one.m_pSelectedTemplate);
}

} // namespace

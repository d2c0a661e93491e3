// The new-document type dialog: the templates that have a name for new documents, no waiting
// when there is one, -1 when there is none, and the row the user picks.
#include "pickers/KwTemplateDialog.h"
#include "support/ModalDialogDriver.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class TemplateDialog : public ::testing::Test
{
protected:
    std::vector<std::unique_ptr<CMultiDocTemplate>> m_owned;
    CList<CDocTemplate*, CDocTemplate*> m_list;

    // A template whose document strings are docStrings.
    CDocTemplate* Add(const char* docStrings)
    {
        m_owned.emplace_back(new CMultiDocTemplate(1, NULL, NULL, NULL));
        m_owned.back()->m_strDocStrings = docStrings;
        m_list.AddTail(m_owned.back().get());
        return m_owned.back().get();
    }
};

TEST_F(TemplateDialog, OneTypeIsChosenWithoutAsking)
{
    Add("\nHidden\n\nHidden\n.h"); // no name for new documents: not offered
    CDocTemplate* pOnly = Add("\nModel\nModel\nModels\n.mdl");
    CKwTemplateDialog dlg(&m_list);
    ModalDialogDriver driver([](HWND hDlg) { ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0); }, "New", 500);
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_FALSE(driver.Answered()) << "the dialog waited for the user";
    EXPECT_EQ(pOnly, dlg.m_pSelectedTemplate);
}

TEST_F(TemplateDialog, NoTypeToOfferEndsTheDialog)
{
    Add("\nHidden\n\nHidden\n.h");
    CKwTemplateDialog dlg(&m_list);
    EXPECT_EQ(-1, dlg.DoModal());
    EXPECT_TRUE(dlg.m_pSelectedTemplate == NULL);

    CList<CDocTemplate*, CDocTemplate*> empty;
    CKwTemplateDialog none(&empty);
    EXPECT_EQ(-1, none.DoModal());
}

TEST_F(TemplateDialog, TheUserPicksARow)
{
    Add("\nA\nAlpha\nA\n.a");
    Add("\nHidden\n\nHidden\n.h");
    CDocTemplate* pBeta = Add("\nB\nBeta\nB\n.b");
    std::vector<std::string> rows;
    int nFirstSelected = -2;
    ModalDialogDriver driver([&](HWND hDlg) {
        HWND hList = ::GetDlgItem(hDlg, 100);
        nFirstSelected = (int)::SendMessageA(hList, LB_GETCURSEL, 0, 0);
        for (int i = 0; i < (int)::SendMessageA(hList, LB_GETCOUNT, 0, 0); i++)
        {
            char text[64] = "";
            ::SendMessageA(hList, LB_GETTEXT, i, (LPARAM)text);
            rows.push_back(text);
        }
        ::SendMessageA(hList, LB_SETCURSEL, 1, 0);
        ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
    }, "New");
    CKwTemplateDialog dlg(&m_list);
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ((std::vector<std::string>{"Alpha", "Beta"}), rows);
    EXPECT_EQ(0, nFirstSelected);
    EXPECT_EQ(pBeta, dlg.m_pSelectedTemplate);

    // Cancel chooses nothing.
    CKwTemplateDialog cancelled(&m_list);
    ModalDialogDriver cancel([](HWND hDlg) { ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0); }, "New");
    EXPECT_EQ(IDCANCEL, cancelled.DoModal());
    EXPECT_TRUE(cancelled.m_pSelectedTemplate == NULL);
}

} // namespace

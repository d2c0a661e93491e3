// The subject's deliveries, recorded whole: order, a page subscribed twice, pages leaving or
// deleting others (and themselves) while they are told, the deletion, the first page that opens
// a property, and a subject that goes before its pages.
#include <gtest/gtest.h>

#include "pages/KwPropertyPage.h"
#include "pages/KwPropertyPageSubject.h"
#include "PagesTest.rh"

#include <functional>
#include <string>
#include <vector>

namespace {

std::vector<std::string> g_log;

// A page without a window that notes what it is told and may act while it is told.
class CNotedPage : public CKwPropertyPage
{
public:
    CNotedPage(CKwPropertyPageSubject* pSubject, const char* name) : CKwPropertyPage(pSubject, IDD_PGTEST_SIMPLE, 0), m_name(name) {}
    std::string m_name;
    std::function<void()> m_onChanged;
    BOOL m_bHasControl = FALSE;

    void NotifySubjectChanged() override
    {
        g_log.push_back(m_name + ":changed");
        if (m_onChanged)
            m_onChanged();
    }
    void NotifySubjectDeleted() override
    {
        g_log.push_back(m_name + ":deleted");
        CKwPropertyPage::NotifySubjectDeleted();
    }
    int OpenProperty(UINT nID, int, int, int) override
    {
        g_log.push_back(m_name + ":open");
        return m_bHasControl;
    }
};

typedef std::vector<std::string> Log;

Log Round(CKwPropertyPageSubject& subject)
{
    g_log.clear();
    subject.CKwPropertyPageSubject_NotifyChanged();
    return g_log;
}

TEST(PropertyPageSubjectTest, ChangedReachesEachPageOnceInOrderWhilePagesLeaveOrGo)
{
    CKwPropertyPageSubject subject;
    CNotedPage a(&subject, "A"), b(&subject, "B");
    CNotedPage* c = new CNotedPage(&subject, "C");
    CNotedPage* d = new CNotedPage(&subject, "D");
    subject.CKwPropertyPageSubject_Subscribe(&a);
    EXPECT_EQ((Log{"A:changed", "B:changed", "C:changed", "D:changed"}), Round(subject));

    // B leaves during its call; A takes C out before C's turn; D deletes itself.
    b.m_onChanged = [&] { subject.CKwPropertyPageSubject_Unsubscribe(&b); };
    a.m_onChanged = [&] { subject.CKwPropertyPageSubject_Unsubscribe(c); };
    d->m_onChanged = [&] { delete d; d = NULL; };
    EXPECT_EQ((Log{"A:changed", "B:changed", "D:changed"}), Round(subject));
    // A page deleted before its turn (its end unsubscribes it) is skipped the same way.
    subject.CKwPropertyPageSubject_Subscribe(c);
    a.m_onChanged = [&] { delete c; c = NULL; };
    EXPECT_EQ((Log{"A:changed"}), Round(subject));
    a.m_onChanged = nullptr;
    EXPECT_EQ((Log{"A:changed"}), Round(subject));
    subject.CKwPropertyPageSubject_Unsubscribe(&b); // not subscribed: nothing happens
    EXPECT_EQ((Log{"A:changed"}), Round(subject));
}

TEST(PropertyPageSubjectTest, DeletedUnsubscribesEveryPageAndOpenPropertyStopsAtTheFirstTaker)
{
    CKwPropertyPageSubject subject;
    CNotedPage a(&subject, "A"), b(&subject, "B"), c(&subject, "C");
    b.m_bHasControl = TRUE;
    g_log.clear();
    EXPECT_TRUE(subject.CKwPropertyPageSubject_OpenProperty(IDC_PG_EDIT, 0, 0, 1));
    EXPECT_EQ((Log{"A:open", "B:open"}), g_log);
    b.m_bHasControl = FALSE;
    g_log.clear();
    EXPECT_FALSE(subject.CKwPropertyPageSubject_OpenProperty(IDC_PG_EDIT, 0, 0, 1));
    EXPECT_EQ((Log{"A:open", "B:open", "C:open"}), g_log);

    g_log.clear();
    subject.CKwPropertyPageSubject_NotifyDeleted();
    EXPECT_EQ((Log{"A:deleted", "B:deleted", "C:deleted"}), g_log);
    EXPECT_EQ(NULL, a.GetSubject());
    EXPECT_EQ(NULL, c.GetSubject());
    EXPECT_EQ(Log{}, Round(subject));
}

// A subject that goes first leaves its pages without it and tells them nothing; the pages'
// own end then does not reach back to it.
TEST(PropertyPageSubjectTest, SubjectGoingFirstLeavesItsPagesWithoutIt)
{
    CKwPropertyPageSubject* pSubject = new CKwPropertyPageSubject;
    CNotedPage* a = new CNotedPage(pSubject, "A");
    CNotedPage b(pSubject, "B");
    CKwPropertyPageSubject other;
    CNotedPage c(&other, "C");
    g_log.clear();
    delete pSubject;
    EXPECT_TRUE(g_log.empty());
    EXPECT_EQ(NULL, a->GetSubject());
    EXPECT_EQ(NULL, b.GetSubject());
    EXPECT_EQ(&other, c.GetSubject());
    delete a;
    EXPECT_EQ((Log{"C:changed"}), Round(other));
}

} // namespace

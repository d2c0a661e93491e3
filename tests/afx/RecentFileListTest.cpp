// The recent-file list: full paths newest first, its File menu items through the command-UI
// update, and its section of the application profile in the registry.
#include <afxadv.h>
#include <afxwin.h>
#include <gtest/gtest.h>

#include "support/MenuText.h"
#include "support/TestRegistryApp.h"

namespace {

// The entries of the list, "|" after each, empty places as "-".
std::string Entries(CRecentFileList& list)
{
    std::string text;
    for (int i = 0; i < list.GetSize(); i++)
        text += (list[i].IsEmpty() ? std::string("-") : std::string(list[i].GetString())) + "|";
    return text;
}

TEST(RecentFiles, AddKeepsFullPathsNewestFirstWithoutRepeatsUpToItsSize)
{
    CRecentFileList list(0, "Recent File List", "File%d", 3);
    list.Add("a.txt");
    list.Add("sub\\..\\b.txt");
    char szDir[MAX_PATH];
    std::string dir = std::string(szDir, ::GetCurrentDirectoryA(MAX_PATH, szDir)) + "\\";
    EXPECT_EQ(dir + "b.txt|" + dir + "a.txt|-|", Entries(list));
    // Listed already (in other case): it moves to the top; else the oldest drops out.
    list.Add("c:\\c.txt");
    list.Add("B.TXT");
    EXPECT_EQ(dir + "B.TXT|c:\\c.txt|" + dir + "a.txt|", Entries(list));
    list.Add("c:\\d.txt");
    EXPECT_EQ("c:\\d.txt|" + dir + "B.TXT|c:\\c.txt|", Entries(list));
    list.Remove(1);
    EXPECT_EQ("c:\\d.txt|c:\\c.txt|-|", Entries(list));
    EXPECT_THROW(list.Remove(3), CInvalidArgException*);
}

TEST(RecentFiles, DisplayNamesLeaveOutTheCurrentFolderAndShortenTheRest)
{
    CRecentFileList list(0, "Recent File List", "File%d", 3, 24);
    list.Add("c:\\docs\\a verylongfilenameindeed.txt");
    CString strName;
    list.GetDisplayName(strName, 0, "C:\\DOCS\\", 8);
    EXPECT_STREQ("a verylongfilenameindeed.txt", strName);
    list.GetDisplayName(strName, 0, NULL, 0, FALSE); // too long even as a name
    EXPECT_STREQ("", strName);
}

// The application's update handler hands the first recent-file item to the list.
class CRecentFilesWnd : public CWnd
{
public:
    CRecentFileList m_list{8, "Recent File List", "File%d", 4};
    afx_msg void OnUpdateRecentFileMenu(CCmdUI* pCmdUI) { m_list.UpdateMenu(pCmdUI); }
    afx_msg void OnCommand(UINT) {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRecentFilesWnd, CWnd)
    ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1, &CRecentFilesWnd::OnUpdateRecentFileMenu)
    ON_COMMAND_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, &CRecentFilesWnd::OnCommand)
END_MESSAGE_MAP()

TEST(RecentFiles, FilesTakeThePlaceOfTheFirstItemAndGiveItBackWhenNoneAreLeft)
{
    CRecentFilesWnd wnd;
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, ID_FILE_MRU_FILE1, "Recent File");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, ID_APP_EXIT, "E&xit");
    std::string visited; // the items the update came to, as a frame opening the menu
    auto update = [&]() {
        CCmdUI state;
        state.m_pMenu = &menu;
        state.m_nIndexMax = (UINT)menu.GetMenuItemCount();
        for (visited.clear(); state.m_nIndex < state.m_nIndexMax; state.m_nIndex++)
        {
            state.m_nID = menu.GetMenuItemID((int)state.m_nIndex);
            visited += std::to_string(state.m_nID & 0xFFFF) + " ";
            state.DoUpdate(&wnd, FALSE);
        }
        return MenuText(menu) + (menu.GetMenuState(ID_FILE_MRU_FILE1, MF_BYCOMMAND) & MF_GRAYED ? "off" : "on");
    };
    EXPECT_EQ("Recent File=57616\n-\nE&xit=57665\noff", update());

    wnd.m_list.Add("c:\\projects\\kwui\\platform\\afx\\source.cpp");
    wnd.m_list.Add("R&D.txt"); // in the current folder
    EXPECT_EQ("&9 R&&D.txt=57616\n1&0 c:\\...\\platform\\afx\\source.cpp=57617\n-\nE&xit=57665\non", update());
    EXPECT_EQ("57616 0 57665 ", visited); // on after the files, not through them
    wnd.m_list.Remove(0);
    wnd.m_list.Remove(0);
    EXPECT_EQ("Recent File=57616\n-\nE&xit=57665\noff", update());
}

class RecentFilesProfile : public ::testing::Test
{
protected:
    TestRegistryApp m_registry{"afx"};
    CWinApp& m_app = m_registry.m_app;
    std::string Stored(const char* name)
    {
        return m_app.GetProfileString("Recent File List", name, "(none)").GetString();
    }
};

TEST_F(RecentFilesProfile, WritesEntriesFromOneAndRemovedFilesDoNotComeBack)
{
    CRecentFileList list(0, "Recent File List", "File%d", 3);
    list.Add("c:\\one.txt");
    list.Add("c:\\two.txt");
    list.Add("c:\\three.txt");
    list.WriteList();
    EXPECT_EQ("c:\\three.txt|c:\\two.txt|c:\\one.txt|(none)",
        Stored("File1") + "|" + Stored("File2") + "|" + Stored("File3") + "|" + Stored("File4"));
    CRecentFileList read(0, "Recent File List", "File%d", 3);
    read.ReadList();
    EXPECT_EQ("c:\\three.txt|c:\\two.txt|c:\\one.txt|", Entries(read));
    list.Remove(0);
    list.Remove(1);
    list.WriteList();
    read.ReadList();
    EXPECT_EQ("c:\\two.txt|-|-|", Entries(read));
}

TEST_F(RecentFilesProfile, BadEntriesAreSkippedAndTheListKeepsItsSize)
{
    CRecentFileList list(0, "Recent File List", "File%d", 4);
    list.Add("c:\\stale.txt");
    m_app.WriteProfileInt("Recent File List", "File1", 5);
    m_app.WriteProfileString("Recent File List", "File2", "c:\\a.txt");
    m_app.WriteProfileString("Recent File List", "File3", CString('x', MAX_PATH + 1));
    m_app.WriteProfileString("Recent File List", "File4", "C:\\A.TXT");
    m_app.WriteProfileString("Recent File List", "File5", "c:\\b.txt"); // past the list's size
    list.ReadList();
    EXPECT_EQ("c:\\a.txt|-|-|-|", Entries(list));
}

} // namespace

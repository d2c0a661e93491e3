// The recent-file list: full paths newest first, its File menu items through the command-UI
// update, and its section of the application profile in the registry.
#include <afxadv.h>
#include <afxwin.h>
#include <gtest/gtest.h>

#include "support/MenuText.h"
#include "support/TestRegistryApp.h"

#include <string>

namespace {

// The entries of the list, "|" after each, empty places as "-".
std::string Entries(CRecentFileList& list)
{
    std::string text;
    for (int i = 0; i < list.GetSize(); i++)
        text += (list[i].IsEmpty() ? std::string("-") : std::string(list[i].GetString())) + "|";
    return text;
}

// The list works in a folder of its own, so that names relative to it are known.
class RecentFiles : public ::testing::Test
{
protected:
    char m_szOldDir[MAX_PATH] = "";
    CString m_strDir; // with a trailing backslash

    void SetUp() override
    {
        ::GetCurrentDirectoryA(MAX_PATH, m_szOldDir);
        char szTemp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, szTemp);
        m_strDir.Format("%skwmru_%lu", szTemp, ::GetCurrentProcessId());
        ::CreateDirectoryA(m_strDir, NULL);
        ASSERT_TRUE(::SetCurrentDirectoryA(m_strDir));
        m_strDir += "\\";
    }
    void TearDown() override
    {
        ::SetCurrentDirectoryA(m_szOldDir);
        ::RemoveDirectoryA(m_strDir);
    }
};

TEST_F(RecentFiles, AddKeepsFullPathsNewestFirstWithoutRepeatsUpToItsSize)
{
    CRecentFileList list(0, "Recent File List", "File%d", 3);
    EXPECT_EQ("-|-|-|", Entries(list));
    list.Add("a.txt");
    list.Add("sub\\..\\b.txt");
    list.Add("");
    list.Add(NULL);
    std::string dir(m_strDir);
    EXPECT_EQ(dir + "b.txt|" + dir + "a.txt|-|", Entries(list));
    // Listed already (in other case): it moves to the top and the list keeps its length.
    list.Add("c.txt");
    list.Add("A.TXT");
    EXPECT_EQ(dir + "A.TXT|" + dir + "c.txt|" + dir + "b.txt|", Entries(list));
    list.Add("c:\\d.txt");
    EXPECT_EQ("c:\\d.txt|" + dir + "A.TXT|" + dir + "c.txt|", Entries(list));
    list.Add(CString('x', MAX_PATH + 10)); // too long to open: not listed
    EXPECT_EQ("c:\\d.txt|" + dir + "A.TXT|" + dir + "c.txt|", Entries(list));

    list.Remove(1);
    EXPECT_EQ("c:\\d.txt|" + dir + "c.txt|-|", Entries(list));
    list.Remove(2);
    EXPECT_EQ("c:\\d.txt|" + dir + "c.txt|-|", Entries(list));
    EXPECT_THROW(list.Remove(3), CInvalidArgException*);
    EXPECT_THROW(list[-1], CInvalidArgException*);
    EXPECT_THROW(CRecentFileList(0, "S", "F%d", 17), CInvalidArgException*);
}

TEST_F(RecentFiles, DisplayNamesLeaveOutTheCurrentFolderAndShortenTheRest)
{
    CRecentFileList list(0, "Recent File List", "File%d", 4, 24);
    list.Add("c:\\projects\\kwui\\platform\\afx\\list.cpp");
    list.Add("c:\\docs\\a verylongfilenameindeed.txt");
    list.Add("notes.txt");
    CString strName = "old";
    EXPECT_FALSE(list.GetDisplayName(strName, 3, m_strDir, m_strDir.GetLength()));
    // In the current folder, given with or without its trailing backslash: the name alone.
    ASSERT_TRUE(list.GetDisplayName(strName, 0, m_strDir, m_strDir.GetLength()));
    EXPECT_STREQ("notes.txt", strName);
    CString strNoSlash = m_strDir.Left(m_strDir.GetLength() - 1);
    list.GetDisplayName(strName, 0, strNoSlash, strNoSlash.GetLength());
    EXPECT_STREQ("notes.txt", strName);
    list.GetDisplayName(strName, 0, "c:\\elsewhere\\", 13);
    EXPECT_STREQ(list[0].Left(3) + "...\\notes.txt", strName); // the temporary folder is deep
    list.GetDisplayName(strName, 1, NULL, 0);
    EXPECT_STREQ("a verylongfilenameindeed.txt", strName);
    list.GetDisplayName(strName, 1, NULL, 0, FALSE);
    EXPECT_STREQ("", strName);
    list.GetDisplayName(strName, 2, "C:\\PROJECTS\\KWUI\\", 17);
    EXPECT_STREQ("c:\\...\\afx\\list.cpp", strName);
    list.GetDisplayName(strName, 2, "C:\\PROJECTS\\KWUI\\PLATFORM\\AFX\\", 30);
    EXPECT_STREQ("list.cpp", strName);
}

// A window whose update handler hands the first recent-file item to the list, as the
// application does, and which takes the recent-file commands.
class CRecentFilesWnd : public CWnd
{
public:
    CRecentFileList* m_pList = NULL;
    afx_msg void OnUpdateRecentFileMenu(CCmdUI* pCmdUI) { m_pList->UpdateMenu(pCmdUI); }
    afx_msg void OnOpenRecentFile(UINT) {}
    afx_msg void OnOther() {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRecentFilesWnd, CWnd)
    ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1, &CRecentFilesWnd::OnUpdateRecentFileMenu)
    ON_COMMAND_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, &CRecentFilesWnd::OnOpenRecentFile)
    ON_COMMAND(ID_FILE_OPEN, &CRecentFilesWnd::OnOther)
    ON_COMMAND(ID_APP_EXIT, &CRecentFilesWnd::OnOther)
END_MESSAGE_MAP()

class RecentFilesMenu : public RecentFiles
{
protected:
    CRecentFileList m_list{0, "Recent File List", "File%d", 4};
    CRecentFilesWnd m_wnd;
    CMenu m_menu;
    std::string m_strVisited; // the commands the update loop came to

    void SetUp() override
    {
        RecentFiles::SetUp();
        m_wnd.m_pList = &m_list;
        ASSERT_TRUE(m_wnd.CreateEx(0, AfxRegisterWndClass(0), "files", WS_POPUP, CRect(0, 0, 10, 10), NULL, 0));
        ASSERT_TRUE(m_menu.CreatePopupMenu());
        m_menu.AppendMenu(MF_STRING, ID_FILE_OPEN, "&Open");
        m_menu.AppendMenu(MF_STRING, ID_FILE_MRU_FILE1, "Recent File");
        m_menu.AppendMenu(MF_SEPARATOR);
        m_menu.AppendMenu(MF_STRING, ID_APP_EXIT, "E&xit");
    }
    void TearDown() override
    {
        m_wnd.DestroyWindow();
        RecentFiles::TearDown();
    }
    // What a frame does as the menu opens: each item in turn asks for its update.
    void UpdateMenu()
    {
        CCmdUI state;
        state.m_pMenu = &m_menu;
        state.m_nIndexMax = (UINT)m_menu.GetMenuItemCount();
        m_strVisited.clear();
        for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++)
        {
            state.m_nID = m_menu.GetMenuItemID((int)state.m_nIndex);
            m_strVisited += std::to_string(state.m_nID & 0xFFFF) + " ";
            state.DoUpdate(&m_wnd, TRUE);
        }
    }
    // The menu as text, "(off)" after disabled items.
    std::string Menu()
    {
        std::string text = MenuText(m_menu);
        std::string marked;
        size_t nLine = 0;
        for (int i = 0; i < m_menu.GetMenuItemCount(); i++)
        {
            size_t nEnd = text.find('\n', nLine);
            marked += text.substr(nLine, nEnd - nLine);
            if ((m_menu.GetMenuState((UINT)i, MF_BYPOSITION) & (MF_GRAYED | MF_SEPARATOR)) == MF_GRAYED)
                marked += "(off)";
            marked += "\n";
            nLine = nEnd + 1;
        }
        return marked;
    }
};

TEST_F(RecentFilesMenu, FilesTakeThePlaceOfTheFirstItemAndGiveItBackWhenNoneAreLeft)
{
    UpdateMenu();
    EXPECT_EQ("&Open=57601\nRecent File=57616(off)\n-\nE&xit=57665\n", Menu());

    m_list.Add("c:\\projects\\kwui\\platform\\afx\\source.cpp");
    m_list.Add("R&D.txt");
    UpdateMenu();
    EXPECT_EQ("&Open=57601\n&1 R&&D.txt=57616\n&2 c:\\...\\platform\\afx\\source.cpp=57617\n-\nE&xit=57665\n", Menu());
    // The loop went on after the files, not through them.
    EXPECT_EQ("57601 57616 0 57665 ", m_strVisited);

    m_list.Add("three.txt");
    UpdateMenu();
    EXPECT_EQ("&Open=57601\n&1 three.txt=57616\n&2 R&&D.txt=57617\n&3 c:\\...\\platform\\afx\\source.cpp=57618\n-\n"
              "E&xit=57665\n",
        Menu());

    m_list.Remove(0);
    m_list.Remove(0);
    m_list.Remove(0);
    UpdateMenu();
    EXPECT_EQ("&Open=57601\nRecent File=57616(off)\n-\nE&xit=57665\n", Menu());
    EXPECT_EQ("57601 57616 0 57665 ", m_strVisited);
}

TEST_F(RecentFilesMenu, NumbersStartAfterTheOffsetAndTenthIsMarkedOnItsZero)
{
    CRecentFileList list(8, "Recent File List", "File%d", 3);
    m_wnd.m_pList = &list;
    list.Add("a.txt");
    list.Add("b.txt");
    list.Add("c.txt");
    UpdateMenu();
    EXPECT_EQ("&Open=57601\n&9 c.txt=57616\n1&0 b.txt=57617\n11 a.txt=57618\n-\nE&xit=57665\n", Menu());
}

class RecentFilesProfile : public ::testing::Test
{
protected:
    TestRegistryApp m_registry{"afx"};

    std::string Stored(const char* name)
    {
        DWORD dwType = 0;
        std::string data;
        if (!m_registry.Get(HKEY_CURRENT_USER, "Recent File List", name, dwType, data))
            return "(none)";
        return dwType == REG_SZ ? data.substr(0, data.find('\0')) : "(type)";
    }
    void Store(const char* name, const std::string& value)
    {
        m_registry.Set(HKEY_CURRENT_USER, "Recent File List", name, REG_SZ, value.c_str(), (DWORD)value.size() + 1);
    }
};

TEST_F(RecentFilesProfile, WritesEntriesFromOneAndRemovedFilesDoNotComeBack)
{
    ASSERT_EQ(&m_registry.m_app, AfxGetApp());
    CRecentFileList list(0, "Recent File List", "File%d", 4);
    list.Add("c:\\one.txt");
    list.Add("c:\\two.txt");
    list.Add("c:\\three.txt");
    list.WriteList();
    EXPECT_EQ("c:\\three.txt", Stored("File1"));
    EXPECT_EQ("c:\\two.txt", Stored("File2"));
    EXPECT_EQ("c:\\one.txt", Stored("File3"));
    EXPECT_EQ("(none)", Stored("File4"));
    EXPECT_EQ("(none)", Stored("File0"));

    Store("Other", "kept by no one");
    list.Remove(0);
    list.Remove(1);
    list.WriteList();
    EXPECT_EQ("(none)", Stored("File2"));
    EXPECT_EQ("(none)", Stored("File3"));
    EXPECT_EQ("(none)", Stored("Other"));
    CRecentFileList read(0, "Recent File List", "File%d", 4);
    read.ReadList();
    EXPECT_EQ("c:\\two.txt|-|-|-|", Entries(read));
}

TEST_F(RecentFilesProfile, BadEntriesAreSkippedAndTheListKeepsItsSize)
{
    CRecentFileList list(0, "Recent File List", "File%d", 3);
    list.Add("c:\\stale.txt");
    Store("File1", "");
    Store("File2", "c:\\a.txt");
    Store("File3", std::string(MAX_PATH + 1, 'x'));
    Store("File4", "c:\\b.txt"); // past the list's size
    list.ReadList();
    EXPECT_EQ("c:\\a.txt|-|-|", Entries(list));

    // A number where text belongs, and a repeat in other case.
    m_registry.m_app.WriteProfileString("Recent File List", NULL, NULL);
    DWORD dwNumber = 5;
    m_registry.Set(HKEY_CURRENT_USER, "Recent File List", "File1", REG_DWORD, &dwNumber, sizeof(dwNumber));
    Store("File2", "c:\\a.txt");
    Store("File3", "C:\\A.TXT");
    Store("File4", "c:\\c.txt");
    CRecentFileList longer(0, "Recent File List", "File%d", 4);
    longer.ReadList();
    EXPECT_EQ("c:\\a.txt|c:\\c.txt|-|-|", Entries(longer));
}

} // namespace

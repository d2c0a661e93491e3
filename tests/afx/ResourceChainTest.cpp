// Resources across modules: the application's strings first, then those of each extension DLL
// in the chain, which the toolkit DLL joins while it is loaded, then the framework's own.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "../../res/resource.h"

namespace {

CString Load(UINT nID)
{
    CString str;
    str.LoadString(nID);
    return str;
}

TEST(ResourceChain, StringsOfTheApplicationAndOfTheToolkitDll)
{
    EXPECT_STREQ("Application only", Load(61000));
    EXPECT_EQ(NULL, AfxFindStringResourceHandle(IDS_KW_IMAGE_FILES)); // toolkit not loaded yet

    HMODULE hKwUi = ::LoadLibraryA("kwui.dll");
    ASSERT_NE((HMODULE)NULL, hKwUi);
    // The application holds this block too, but not these strings: they come from the DLL.
    EXPECT_EQ(hKwUi, AfxFindStringResourceHandle(IDS_KW_IMAGE_FILES));
    EXPECT_STREQ("Image Files", Load(IDS_KW_IMAGE_FILES));
    EXPECT_STREQ("All Files", Load(IDS_KW_ALL_FILES));
    // The application's own version of a string wins.
    EXPECT_EQ(::GetModuleHandleA(NULL), AfxFindStringResourceHandle(IDS_KW_CHOOSE));
    EXPECT_STREQ("Pick", Load(IDS_KW_CHOOSE));
    EXPECT_STREQ("Application neighbour", Load(7833));
    // Found nowhere.
    EXPECT_EQ(NULL, AfxFindStringResourceHandle(7820));
    EXPECT_EQ(NULL, AfxFindStringResourceHandle(40000));

    // Any resource type goes the same way; without it anywhere, the application's module.
    EXPECT_EQ(hKwUi, AfxFindResourceHandle(MAKEINTRESOURCEA(IDS_KW_ERROR_INFORMATION / 16 + 1), RT_STRING));
    EXPECT_EQ(::GetModuleHandleA(NULL), AfxFindResourceHandle(MAKEINTRESOURCEA(61000 / 16 + 1), RT_STRING));
    EXPECT_EQ(::GetModuleHandleA(NULL), AfxFindResourceHandle(MAKEINTRESOURCEA(4242), RT_DIALOG));

    // Unloaded, the DLL leaves the chain.
    ASSERT_TRUE(::FreeLibrary(hKwUi));
    if (::GetModuleHandleA("kwui.dll") == NULL)
    {
        EXPECT_EQ(NULL, AfxFindStringResourceHandle(IDS_KW_IMAGE_FILES));
        EXPECT_STREQ("", Load(IDS_KW_IMAGE_FILES));
    }
}

TEST(ResourceChain, ExtensionModulesJoinInOrderAndLeaveTogether)
{
    // Two registrations of modules that hold no strings of interest, then the executable again
    // as a DLL: the chain is walked in registration order.
    AFX_EXTENSION_MODULE first = {FALSE, NULL, NULL};
    AFX_EXTENSION_MODULE second = {FALSE, NULL, NULL};
    HMODULE hKernel = ::GetModuleHandleA("kernel32.dll");
    ASSERT_TRUE(AfxInitExtensionModule(first, hKernel));
    ASSERT_TRUE(AfxInitExtensionModule(second, ::GetModuleHandleA(NULL)));
    new CDynLinkLibrary(first);
    new CDynLinkLibrary(first); // one module may register several libraries
    new CDynLinkLibrary(second);
    struct Collect
    {
        static BOOL Each(CDynLinkLibrary* pDLL, void* pParam)
        {
            static_cast<std::vector<HMODULE>*>(pParam)->push_back(pDLL->m_hModule);
            return FALSE;
        }
    };
    auto chain = [] {
        std::vector<HMODULE> order;
        CDynLinkLibrary::FindInChain(&Collect::Each, &order);
        return order;
    };
    HMODULE hSelf = ::GetModuleHandleA(NULL);
    EXPECT_EQ((std::vector<HMODULE>{hKernel, hKernel, hSelf}), chain());
    AfxTermExtensionModule(first);
    EXPECT_EQ((std::vector<HMODULE>{hSelf}), chain());
    AfxTermExtensionModule(second);
    EXPECT_TRUE(chain().empty());
}

TEST(ResourceChain, AStringBlockWhoseLengthsRunPastItsEndHoldsNothing)
{
    // A copy of the test program gets two string blocks: block 500 (strings 7984 to 7999) says
    // its first string has 100 characters but holds one; block 501 holds string 8000 = "z".
    char szTemp[MAX_PATH], szCopy[MAX_PATH], szSelf[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szTemp);
    ::GetTempFileNameA(szTemp, "kwr", 0, szCopy);
    ::GetModuleFileNameA(NULL, szSelf, MAX_PATH);
    ASSERT_TRUE(::CopyFileA(szSelf, szCopy, FALSE));
    HANDLE hUpdate = ::BeginUpdateResourceA(szCopy, FALSE);
    ASSERT_NE((HANDLE)NULL, hUpdate);
    WORD broken[] = {100, 'a'};
    WORD sound[] = {1, 'z'};
    const WORD lang = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
    ASSERT_TRUE(::UpdateResourceA(hUpdate, RT_STRING, MAKEINTRESOURCEA(500), lang, broken, sizeof(broken)));
    ASSERT_TRUE(::UpdateResourceA(hUpdate, RT_STRING, MAKEINTRESOURCEA(501), lang, sound, sizeof(sound)));
    ASSERT_TRUE(::EndUpdateResourceA(hUpdate, FALSE));

    HMODULE hData = ::LoadLibraryExA(szCopy, NULL, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE((HMODULE)NULL, hData);
    {
        CDynLinkLibrary library(hData, hData);
        EXPECT_EQ(NULL, AfxFindStringResourceHandle(7984));
        EXPECT_EQ(NULL, AfxFindStringResourceHandle(7985));
        EXPECT_EQ(hData, AfxFindStringResourceHandle(8000));
    }
    EXPECT_EQ(NULL, AfxFindStringResourceHandle(8000));
    ::FreeLibrary(hData);
    ::DeleteFileA(szCopy);
}

TEST(ResourceChain, TheFrameworksOwnStringsAndDialogsComeAfterEveryOtherModule)
{
    HMODULE hFramework = ::GetModuleHandleA("kwafx.dll");
    ASSERT_NE((HMODULE)NULL, hFramework);
    EXPECT_EQ(hFramework, AfxFindStringResourceHandle(AFX_IDP_FAILED_TO_OPEN_DOC));
    EXPECT_STREQ("Failed to open document.", Load(AFX_IDP_FAILED_TO_OPEN_DOC));
    // The application's own text wins, and so does an extension's when the application has none.
    EXPECT_STREQ("Nameless", Load(AFX_IDS_UNTITLED));
    HINSTANCE hSelf = ::GetModuleHandleA(NULL);
    AfxSetResourceHandle(::GetModuleHandleA("kernel32.dll"));
    {
        CDynLinkLibrary extension(hSelf, hSelf);
        EXPECT_STREQ("Nameless", Load(AFX_IDS_UNTITLED));
    }
    EXPECT_STREQ("Untitled", Load(AFX_IDS_UNTITLED));
    AfxSetResourceHandle(hSelf);

    CDialog dlg;
    ASSERT_TRUE(dlg.Create(AFX_IDD_NEWTYPEDLG));
    CString strCaption;
    dlg.GetWindowText(strCaption);
    EXPECT_STREQ("New", strCaption);
    char szClass[16] = "";
    ::GetClassNameA(::GetDlgItem(dlg.m_hWnd, AFX_IDC_LISTBOX), szClass, sizeof(szClass));
    EXPECT_STREQ("ListBox", szClass);
    dlg.DestroyWindow();
}

} // namespace

// The application object: its folder, the template for a file, shell registration against the
// real registry, and the docking library's set-up and clean-up.
#include "FrameHost.h"

#include <BCGCBProCleanUp.h>
#include <CBCGPVisualManagerXP.h>

#include "support/TestSurface.h"

#include <shlwapi.h>

namespace {

TEST_F(FrameTest, AppDirIsTheModulesFolderWithItsSeparator)
{
    char module[MAX_PATH];
    ::GetModuleFileNameA(NULL, module, MAX_PATH);
    std::string expected = module;
    expected.erase(expected.rfind('\\') + 1);
    EXPECT_STREQ(expected.c_str(), m_app.GetAppDir());
}

TEST_F(FrameTest, FindMatchingTemplateTakesTheFirstThatOwnsOrHasTheFile)
{
    CRecordingTemplate* pA = AddTemplate(IDR_KW_A);
    CRecordingTemplate* pB = AddTemplate(IDR_KW_B);
    CRecordingTemplate* pB2 = AddTemplate(IDR_KW_B);
    EXPECT_EQ(pB, m_app.FindMatchingTemplate("C:\\x\\file.B"));
    EXPECT_EQ(pA, m_app.FindMatchingTemplate("file.a"));
    EXPECT_TRUE(m_app.FindMatchingTemplate("C:\\x\\file.c") == NULL);
    // A file of another extension that a template has open is that template's.
    CDocument* pDoc = pB2->OpenDocumentFile("C:\\x\\other.c");
    ASSERT_TRUE(pDoc != NULL);
    EXPECT_EQ(pB2, m_app.FindMatchingTemplate(pDoc->GetPathName()));
}

// HKEY_CLASSES_ROOT keys of the shell test, removed before and after.
const char* const shellKeys[] = {".kwfours", ".kwfshared", "KwFrameTests.Ours", "KwFrameTests.Shared", "Other.Shared"};

class ShellTypes : public FrameTest
{
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        RemoveKeys();
    }
    void TearDown() override
    {
        RemoveKeys();
        FrameTest::TearDown();
    }
    static void RemoveKeys()
    {
        for (const char* key : shellKeys)
            ::SHDeleteKeyA(HKEY_CLASSES_ROOT, key);
    }
    static bool KeyExists(const char* key)
    {
        HKEY hKey;
        if (::RegOpenKeyExA(HKEY_CLASSES_ROOT, key, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
            return false;
        ::RegCloseKey(hKey);
        return true;
    }
    static std::string Default(const char* key)
    {
        char value[MAX_PATH] = "";
        DWORD type = 0, size = sizeof(value);
        if (::SHGetValueA(HKEY_CLASSES_ROOT, key, NULL, &type, value, &size) != ERROR_SUCCESS)
            return "(none)";
        return value;
    }
};

TEST_F(ShellTypes, RegistrationLeavesNoShellNewUnderTheApplicationsExtensions)
{
    // Another program owns .kwfshared, with a new-document entry of its own.
    HKEY hKey;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CLASSES_ROOT, ".kwfshared\\ShellNew", 0, NULL, 0, KEY_WRITE, NULL, &hKey, NULL));
    ::RegCloseKey(hKey);
    ASSERT_EQ(ERROR_SUCCESS, ::SHSetValueA(HKEY_CLASSES_ROOT, ".kwfshared", NULL, REG_SZ, "Other.Shared", 13));
    AddTemplate(IDR_KW_SHELL_OURS);
    AddTemplate(IDR_KW_SHELL_SHARED);
    AddTemplate(IDR_KW_NOFILTER);

    m_app.RegisterShellFileTypesNoShellNew();
    EXPECT_EQ("KwFrameTests.Ours", Default(".kwfours"));
    EXPECT_TRUE(KeyExists("KwFrameTests.Ours\\shell\\open\\command"));
    EXPECT_TRUE(KeyExists("KwFrameTests.Ours\\DefaultIcon")); // registered the full way
    EXPECT_FALSE(KeyExists(".kwfours\\ShellNew"));
    EXPECT_EQ("Other.Shared", Default(".kwfshared"));
    EXPECT_TRUE(KeyExists(".kwfshared\\ShellNew"));
}

TEST_F(FrameTest, BcgSetUpAndCleanUp)
{
    m_app.InitBCGSoft();
    EXPECT_STREQ("Settings", m_app.GetRegistryBase());
    EXPECT_EQ(&m_app, CBCGPWorkspace::GetWorkspace());
    CBCGPVisualManager* pManager = CBCGPVisualManager::GetInstance();
    EXPECT_TRUE(pManager->IsKindOf(RUNTIME_CLASS(CBCGPVisualManagerXP)));
    EXPECT_EQ(pManager, CBCGPVisualManager::GetInstance());

    // The end of the application frees the manager: the next one asked for is the plain look.
    m_app.ExitInstance();
    EXPECT_EQ(RUNTIME_CLASS(CBCGPVisualManager), CBCGPVisualManager::GetInstance()->GetRuntimeClass());
    m_app.ExitInstance();
    BCGCBProCleanUp();
}

TEST(DockWorkspace, RegistryBaseAndSections)
{
    CBCGPWorkspace workspace;
    EXPECT_STREQ("Workspace", workspace.GetRegistryBase());
    workspace.SetRegistryBase("Layout\\");
    EXPECT_STREQ("Layout", workspace.GetRegistryBase());
    EXPECT_STREQ("Layout\\Bars", workspace.GetRegSectionPath("Bars"));
    EXPECT_STREQ("Layout", workspace.GetRegSectionPath());
    workspace.SetRegistryBase();
    EXPECT_STREQ("Workspace", workspace.GetRegistryBase());
    {
        CBCGPWorkspace inner;
        EXPECT_EQ(&inner, CBCGPWorkspace::GetWorkspace());
    }
    EXPECT_TRUE(CBCGPWorkspace::GetWorkspace() == NULL);
}

TEST(DockVisualManager, ManagerClassesAndDrawing)
{
    // A class that is no visual manager is refused.
    CBCGPVisualManager::SetDefaultManager(RUNTIME_CLASS(CBCGPVisualManagerXP));
    CBCGPVisualManager::SetDefaultManager(RUNTIME_CLASS(CMenu));
    CBCGPVisualManager* pXP = CBCGPVisualManager::GetInstance();
    EXPECT_TRUE(pXP->IsKindOf(RUNTIME_CLASS(CBCGPVisualManagerXP)));

    // The bars paint through the manager: background inside, border around, the caption strip.
    TestSurface surface(40, 30, RGB(1, 2, 3));
    pXP->OnFillBarBackground(&surface.DC(), CRect(0, 0, 40, 20));
    pXP->OnDrawBarBorder(&surface.DC(), CRect(0, 0, 40, 20));
    pXP->OnDrawCaption(&surface.DC(), CRect(0, 20, 40, 30), "", TRUE);
    EXPECT_EQ(pXP->GetBarBackgroundColor(), surface.Pixel(5, 5));
    EXPECT_EQ(pXP->GetBarBorderColor(), surface.Pixel(0, 5));
    EXPECT_EQ(pXP->GetBarBorderColor(), surface.Pixel(39, 19));
    EXPECT_EQ(pXP->GetCaptionColor(TRUE), surface.Pixel(20, 25));

    // The XP look is its own; the plain one is the system's.
    CBCGPVisualManager::SetDefaultManager(NULL);
    CBCGPVisualManager* pPlain = CBCGPVisualManager::GetInstance();
    EXPECT_EQ(RUNTIME_CLASS(CBCGPVisualManager), pPlain->GetRuntimeClass());
    EXPECT_EQ(::GetSysColor(COLOR_3DFACE), pPlain->GetBarBackgroundColor());
    EXPECT_NE(pPlain->GetBarBackgroundColor(), CBCGPVisualManagerXP().GetBarBackgroundColor());
    BCGCBProCleanUp();
}

} // namespace

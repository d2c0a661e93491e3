// The application object: its folder, the template for a file, shell registration against the
// real registry, and the docking library's settings, looks and clean-up.
#include "FrameHost.h"

#include <BCGCBProCleanUp.h>
#include <CBCGPVisualManagerXP.h>

#include <shlwapi.h>

namespace {

TEST_F(FrameTest, AppDirAndMatchingTemplates)
{
    char module[MAX_PATH];
    ::GetModuleFileNameA(NULL, module, MAX_PATH);
    *(strrchr(module, '\\') + 1) = '\0';
    EXPECT_STREQ(module, m_app.GetAppDir());

    CRecordingTemplate* pA = AddTemplate(IDR_KW_A);
    CRecordingTemplate* pB = AddTemplate(IDR_KW_B);
    CRecordingTemplate* pB2 = AddTemplate(IDR_KW_B);
    EXPECT_EQ(pB, m_app.FindMatchingTemplate("C:\\x\\file.B"));
    EXPECT_EQ(pA, m_app.FindMatchingTemplate("file.a"));
    EXPECT_TRUE(m_app.FindMatchingTemplate("C:\\x\\file.c") == NULL);
    // A file of another extension that a template has open is that template's.
    CDocument* pDoc = pB2->OpenDocumentFile("C:\\x\\other.c");
    ASSERT_TRUE(pDoc != NULL);
    EXPECT_EQ(pB2, m_app.FindMatchingTemplate(pDoc->GetPathName())) << (LPCTSTR)pDoc->GetPathName();
}

// The value of HKEY_CLASSES_ROOT\key (its default value when name is NULL), or "(none)".
std::string ClassesValue(const char* key, const char* name = NULL)
{
    char value[MAX_PATH] = "";
    DWORD type = 0, size = sizeof(value);
    return ::SHGetValueA(HKEY_CLASSES_ROOT, key, name, &type, value, &size) == ERROR_SUCCESS ? value : "(none)";
}

TEST_F(FrameTest, ShellRegistrationLeavesNoShellNewUnderTheApplicationsExtensions)
{
    const char* const keys[] = {".kwfours", ".kwfshared", "KwFrameTests.Ours", "KwFrameTests.Shared"};
    for (const char* key : keys)
        ::SHDeleteKeyA(HKEY_CLASSES_ROOT, key);
    // Another program owns .kwfshared, with a new-document entry of its own.
    ASSERT_EQ(ERROR_SUCCESS, ::SHSetValueA(HKEY_CLASSES_ROOT, ".kwfshared\\ShellNew", "NullFile", REG_SZ, "", 1));
    ASSERT_EQ(ERROR_SUCCESS, ::SHSetValueA(HKEY_CLASSES_ROOT, ".kwfshared", NULL, REG_SZ, "Other.Shared", 13));
    AddTemplate(IDR_KW_SHELL_OURS);
    AddTemplate(IDR_KW_SHELL_SHARED);
    AddTemplate(IDR_KW_NOFILTER);

    m_app.RegisterShellFileTypesNoShellNew();
    EXPECT_EQ("KwFrameTests.Ours", ClassesValue(".kwfours"));
    EXPECT_NE("(none)", ClassesValue("KwFrameTests.Ours\\shell\\open\\command"));
    EXPECT_NE("(none)", ClassesValue("KwFrameTests.Ours\\DefaultIcon")); // registered the full way
    EXPECT_EQ("(none)", ClassesValue(".kwfours\\ShellNew", "NullFile"));
    EXPECT_EQ("Other.Shared", ClassesValue(".kwfshared"));
    EXPECT_EQ("", ClassesValue(".kwfshared\\ShellNew", "NullFile"));
    for (const char* key : keys)
        ::SHDeleteKeyA(HKEY_CLASSES_ROOT, key);
}

TEST_F(FrameTest, BcgSetUpLooksAndCleanUp)
{
    m_app.InitBCGSoft();
    EXPECT_STREQ("Settings", m_app.GetRegistryBase());
    EXPECT_EQ(&m_app, CBCGPWorkspace::GetWorkspace());
    m_app.SetRegistryBase("Layout\\");
    EXPECT_STREQ("Layout\\Bars", m_app.GetRegSectionPath("Bars"));
    CBCGPVisualManager::SetDefaultManager(RUNTIME_CLASS(CMenu)); // refused: no visual manager
    EXPECT_TRUE(CBCGPVisualManager::GetInstance()->IsKindOf(RUNTIME_CLASS(CBCGPVisualManagerXP)));

    // The end of the application frees the manager: the next one asked for is the plain look.
    m_app.ExitInstance();
    EXPECT_EQ(RUNTIME_CLASS(CBCGPVisualManager), CBCGPVisualManager::GetInstance()->GetRuntimeClass());
    m_app.ExitInstance();
    BCGCBProCleanUp();
}

} // namespace

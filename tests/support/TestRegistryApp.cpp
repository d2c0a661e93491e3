// TestRegistryApp.cpp: the test's own registry keys, set up and cleaned up around each test.
#include "TestRegistryApp.h"

#ifdef _WIN32
#include <sddl.h>
#include <gtest/gtest.h>
#include <shlwapi.h>

namespace {
CString TestName()
{
    const ::testing::TestInfo* pInfo = ::testing::UnitTest::GetInstance()->current_test_info();
    CString strName;
    if (pInfo != NULL)
        strName.Format("%s.%s", pInfo->test_suite_name(), pInfo->name());
    else
        strName = "NoTest";
    return strName;
}
} // namespace

TestRegistryApp::TestRegistryApp(const char* suite) : m_app(TestName())
{
    m_strCompany.Format("KwUi Tests (%s)", suite);
    RemoveKeys(); // what an aborted earlier run left
    m_app.SetRegistryKey(m_strCompany);
}

TestRegistryApp::~TestRegistryApp()
{
    RemoveKeys();
}

void TestRegistryApp::RemoveKeys() const
{
    CString strKey;
    strKey.Format("Software\\%s", (LPCTSTR)m_strCompany);
    ::SHDeleteKeyA(HKEY_CURRENT_USER, strKey);
    ::SHDeleteKeyA(HKEY_LOCAL_MACHINE, strKey);
}

CString TestRegistryApp::FullKey(const char* subkey) const
{
    CString strKey;
    strKey.Format("Software\\%s\\%s\\%s", (LPCTSTR)m_strCompany, m_app.m_pszAppName, subkey);
    return strKey;
}

bool TestRegistryApp::Get(HKEY root, const char* subkey, const char* name, DWORD& type, std::string& data) const
{
    HKEY hKey;
    if (::RegOpenKeyExA(root, FullKey(subkey), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return false;
    DWORD size = 0;
    bool bFound = ::RegQueryValueExA(hKey, name, NULL, &type, NULL, &size) == ERROR_SUCCESS;
    if (bFound)
    {
        data.assign(size, '\0');
        bFound = ::RegQueryValueExA(hKey, name, NULL, &type, (LPBYTE)&data[0], &size) == ERROR_SUCCESS;
        data.resize(size);
    }
    ::RegCloseKey(hKey);
    return bFound;
}

bool TestRegistryApp::Set(
    HKEY root, const char* subkey, const char* name, DWORD type, const void* data, DWORD size) const
{
    HKEY hKey;
    if (::RegCreateKeyExA(root, FullKey(subkey), 0, NULL, 0, KEY_WRITE, NULL, &hKey, NULL) != ERROR_SUCCESS)
        return false;
    bool bSet = ::RegSetValueExA(hKey, name, 0, type, (const BYTE*)data, size) == ERROR_SUCCESS;
    ::RegCloseKey(hKey);
    return bSet;
}

bool DenyRegistryWrites(HKEY root, const char* fullKey, bool bDeny)
{
    // Everyone: setting values and making subkeys (0x6) denied, then, or only, all granted.
    PSECURITY_DESCRIPTOR pSD = NULL;
    HKEY hKey;
    if (!::ConvertStringSecurityDescriptorToSecurityDescriptorA(
            bDeny ? "D:(D;CI;0x6;;;WD)(A;CI;0xf003f;;;WD)" : "D:(A;CI;0xf003f;;;WD)", SDDL_REVISION_1, &pSD, NULL))
        return false;
    bool bSet = ::RegCreateKeyExA(root, fullKey, 0, NULL, 0, WRITE_DAC, NULL, &hKey, NULL) == ERROR_SUCCESS;
    if (bSet)
    {
        bSet = ::RegSetKeySecurity(hKey, DACL_SECURITY_INFORMATION, pSD) == ERROR_SUCCESS;
        ::RegCloseKey(hKey);
    }
    ::LocalFree(pSD);
    return bSet;
}

bool TestRegistryApp::KeyExists(HKEY root, const char* subkey) const
{
    HKEY hKey;
    if (::RegOpenKeyExA(root, FullKey(subkey), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(hKey);
    return true;
}
#endif

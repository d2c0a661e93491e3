// TestRegistryApp.h: declares TestRegistryApp, an application object whose registry key is a
// key of the test's own, removed from both roots afterwards, with raw access to stored values.
#pragma once

#ifdef _WIN32

#include <afxwin.h>

#include <string>

// Makes the key (created if need be) one whose values and subkeys nobody may write, or, with
// bDeny false, writable again.
bool DenyRegistryWrites(HKEY root, const char* fullKey, bool bDeny = true);

class TestRegistryApp
{
public:
    // The profile goes to Software\KwUi Tests (<suite>)\<the running test's name>.
    explicit TestRegistryApp(const char* suite);
    ~TestRegistryApp();
    TestRegistryApp(const TestRegistryApp&) = delete;
    TestRegistryApp& operator=(const TestRegistryApp&) = delete;

    // "Software\<company>\<profile>\<subkey>".
    CString FullKey(const char* subkey) const;

    // The value as stored, read and written without the toolkit. Get gives false when absent.
    bool Get(HKEY root, const char* subkey, const char* name, DWORD& type, std::string& data) const;
    bool Set(HKEY root, const char* subkey, const char* name, DWORD type, const void* data, DWORD size) const;
    bool KeyExists(HKEY root, const char* subkey) const;
    bool DenyWrites(HKEY root, const char* subkey, bool bDeny = true) const
    {
        return DenyRegistryWrites(root, FullKey(subkey), bDeny);
    }

    CWinApp m_app;

private:
    void RemoveKeys() const;
    CString m_strCompany;
};

#endif

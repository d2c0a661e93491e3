// KwRegistry.cpp: typed single-value access below the application's registry key; every call
// opens and closes its key, nothing is cached.
#include "core/KwRegistry.h"

#include <afxwin.h>

#include <cstring>
#include <memory>
#include <new>

namespace {
// Closes a registry key when it goes out of scope.
class CKeyCloser
{
public:
    explicit CKeyCloser(HKEY hKey) : m_hKey(hKey) {}
    ~CKeyCloser()
    {
        if (m_hKey != NULL)
            ::RegCloseKey(m_hKey);
    }
    CKeyCloser(const CKeyCloser&) = delete;
    CKeyCloser& operator=(const CKeyCloser&) = delete;
    HKEY m_hKey;
};

// The value's type and stored size, without its data.
bool QueryTypeAndSize(HKEY hKey, const CString& name, DWORD& type, DWORD& size)
{
    type = REG_NONE;
    size = 0;
    return ::RegQueryValueExA(hKey, name, NULL, &type, NULL, &size) == ERROR_SUCCESS;
}
} // namespace

bool CKwRegistry::BuildKey(const CString& key, CString& fullKey)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL || pApp->m_pszRegistryKey == NULL || pApp->m_pszProfileName == NULL)
        return false;
    fullKey.Format("Software\\%s\\%s\\%s", pApp->m_pszRegistryKey, pApp->m_pszProfileName, (LPCTSTR)key);
    return true;
}

HKEY CKwRegistry::OpenForRead(HKEY root, const CString& key)
{
    CString fullKey;
    HKEY hKey = NULL;
    if (!BuildKey(key, fullKey) || ::RegOpenKeyExA(root, fullKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return NULL;
    return hKey;
}

bool CKwRegistry::ReadString(HKEY root, CString key, CString name, CString& value)
{
    CKeyCloser hKey(OpenForRead(root, key));
    DWORD type, size;
    if (hKey.m_hKey == NULL || !QueryTypeAndSize(hKey.m_hKey, name, type, size) || type != REG_SZ ||
        size > MaxStringBytes)
        return false;
    // One byte more than stored, zeroed: a value written without its terminator still ends.
    std::unique_ptr<char[]> buffer(new (std::nothrow) char[size + 1]());
    if (!buffer)
        return false;
    DWORD got = size;
    if (::RegQueryValueExA(hKey.m_hKey, name, NULL, &type, (LPBYTE)buffer.get(), &got) != ERROR_SUCCESS ||
        type != REG_SZ || got > size)
        return false;
    buffer[got] = '\0';
    value = buffer.get();
    return true;
}

bool CKwRegistry::ReadDword(HKEY root, CString key, CString name, unsigned long& value)
{
    CKeyCloser hKey(OpenForRead(root, key));
    DWORD type, size;
    // A REG_DWORD of another size than four bytes would fill the number only in part.
    if (hKey.m_hKey == NULL || !QueryTypeAndSize(hKey.m_hKey, name, type, size) || type != REG_DWORD ||
        size != sizeof(DWORD))
        return false;
    DWORD data = 0;
    if (::RegQueryValueExA(hKey.m_hKey, name, NULL, &type, (LPBYTE)&data, &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof(DWORD))
        return false;
    value = data;
    return true;
}

bool CKwRegistry::ReadBinary(HKEY root, CString key, CString name, void* data, unsigned int size)
{
    CKeyCloser hKey(OpenForRead(root, key));
    DWORD type, stored;
    if (hKey.m_hKey == NULL || !QueryTypeAndSize(hKey.m_hKey, name, type, stored) || type != REG_BINARY ||
        stored != size)
        return false;
    // Through a copy: a value that changes between the two queries leaves the caller's block
    // undefined otherwise.
    std::unique_ptr<BYTE[]> buffer(new (std::nothrow) BYTE[size + 1]);
    DWORD got = size;
    if (!buffer || ::RegQueryValueExA(hKey.m_hKey, name, NULL, &type, buffer.get(), &got) != ERROR_SUCCESS ||
        type != REG_BINARY || got != size)
        return false;
    memcpy(data, buffer.get(), size);
    return true;
}

bool CKwRegistry::Write(HKEY root, const CString& key, const CString& name, DWORD type, const void* data, DWORD size)
{
    CString fullKey;
    if (!BuildKey(key, fullKey))
        return false;
    HKEY hCreated = NULL;
    DWORD disposition;
    if (::RegCreateKeyExA(root, fullKey, 0, NULL, REG_OPTION_NON_VOLATILE, KEY_WRITE, NULL, &hCreated, &disposition) !=
        ERROR_SUCCESS)
        return false;
    CKeyCloser hKey(hCreated);
    return ::RegSetValueExA(hKey.m_hKey, name, 0, type, (const BYTE*)data, size) == ERROR_SUCCESS;
}

bool CKwRegistry::WriteString(HKEY root, CString key, CString name, CString value)
{
    return Write(root, key, name, REG_SZ, (LPCTSTR)value, (DWORD)value.GetLength() + 1);
}

bool CKwRegistry::WriteDword(HKEY root, CString key, CString name, unsigned long value)
{
    DWORD data = value;
    return Write(root, key, name, REG_DWORD, &data, sizeof(data));
}

bool CKwRegistry::WriteBinary(HKEY root, CString key, CString name, const void* data, unsigned int size)
{
    return Write(root, key, name, REG_BINARY, data, size);
}

// KwRegistry.cpp: typed single-value access below the application's registry key; every call
// opens and closes its key, nothing is cached.
#include "core/KwRegistry.h"

#include <CRegQuery.h>
#include <afxwin.h>

#include <cstring>

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
    CRegQuery query;
    if (hKey.m_hKey == NULL || !query.Read(hKey.m_hKey, name, MaxStringBytes) || query.m_dwType != REG_SZ)
        return false;
    // A value written without its terminator still ends: the query adds a zero of its own.
    value = (const char*)query.m_pData.get();
    return true;
}

bool CKwRegistry::ReadDword(HKEY root, CString key, CString name, unsigned long& value)
{
    CKeyCloser hKey(OpenForRead(root, key));
    CRegQuery query;
    // A REG_DWORD of another size than four bytes would fill the number only in part.
    if (hKey.m_hKey == NULL || !query.Read(hKey.m_hKey, name, sizeof(DWORD)) || query.m_dwType != REG_DWORD ||
        query.m_nSize != sizeof(DWORD))
        return false;
    DWORD data;
    memcpy(&data, query.m_pData.get(), sizeof(data));
    value = data;
    return true;
}

bool CKwRegistry::ReadBinary(HKEY root, CString key, CString name, void* data, unsigned int size)
{
    CKeyCloser hKey(OpenForRead(root, key));
    CRegQuery query;
    if (hKey.m_hKey == NULL || !query.Read(hKey.m_hKey, name, size) || query.m_dwType != REG_BINARY ||
        query.m_nSize != size)
        return false;
    memcpy(data, query.m_pData.get(), size);
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

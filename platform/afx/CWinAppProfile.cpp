// CWinAppProfile.cpp: the application profile. With a registry key the values live under
// HKEY_CURRENT_USER\Software\<registry key>\<profile name>\<section>; without one in the
// private .ini file named by m_pszProfileName, binary values written as letters 'A' to 'P',
// low nibble first.
#include "CWinApp.h"
#include "CRegQuery.h"

#include <memory>

namespace {
// Closes a registry key when it goes out of scope.
struct CRegKey
{
    HKEY m_hKey;
    explicit CRegKey(HKEY hKey) : m_hKey(hKey) {}
    ~CRegKey()
    {
        if (m_hKey != NULL)
            ::RegCloseKey(m_hKey);
    }
    CRegKey(const CRegKey&) = delete;
    CRegKey& operator=(const CRegKey&) = delete;
};

// The longest string or binary value a profile read accepts.
const DWORD MaxValueBytes = 16 * 1024 * 1024;
}

HKEY CWinApp::GetAppRegistryKey()
{
    if (m_pszRegistryKey == NULL || m_pszProfileName == NULL)
        return NULL;
    HKEY hSoftKey = NULL, hCompanyKey = NULL, hAppKey = NULL;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_WRITE | KEY_READ, &hSoftKey) != ERROR_SUCCESS)
        return NULL;
    DWORD dw;
    if (::RegCreateKeyExA(hSoftKey, m_pszRegistryKey, 0, NULL, REG_OPTION_NON_VOLATILE, KEY_WRITE | KEY_READ, NULL,
            &hCompanyKey, &dw) == ERROR_SUCCESS)
    {
        ::RegCreateKeyExA(hCompanyKey, m_pszProfileName, 0, NULL, REG_OPTION_NON_VOLATILE, KEY_WRITE | KEY_READ, NULL,
            &hAppKey, &dw);
        ::RegCloseKey(hCompanyKey);
    }
    ::RegCloseKey(hSoftKey);
    return hAppKey;
}

HKEY CWinApp::GetSectionKey(LPCTSTR lpszSection)
{
    if (lpszSection == NULL)
        return NULL;
    CRegKey appKey(GetAppRegistryKey());
    if (appKey.m_hKey == NULL)
        return NULL;
    HKEY hSectionKey = NULL;
    DWORD dw;
    ::RegCreateKeyExA(appKey.m_hKey, lpszSection, 0, NULL, REG_OPTION_NON_VOLATILE, KEY_WRITE | KEY_READ, NULL,
        &hSectionKey, &dw);
    return hSectionKey;
}

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault)
{
    if (lpszSection == NULL || lpszEntry == NULL)
        return (UINT)nDefault;
    if (m_pszRegistryKey == NULL)
        return ::GetPrivateProfileIntA(lpszSection, lpszEntry, nDefault, m_pszProfileName);
    CRegKey sectionKey(CRegQuery::OpenProfileSection(m_pszRegistryKey, m_pszProfileName, lpszSection));
    if (sectionKey.m_hKey == NULL)
        return (UINT)nDefault;
    DWORD dwValue = 0, dwType = 0, dwCount = sizeof(dwValue);
    if (::RegQueryValueExA(sectionKey.m_hKey, lpszEntry, NULL, &dwType, (LPBYTE)&dwValue, &dwCount) != ERROR_SUCCESS ||
        dwType != REG_DWORD || dwCount != sizeof(dwValue))
        return (UINT)nDefault;
    return (UINT)dwValue;
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
    if (lpszSection == NULL || lpszEntry == NULL)
        return FALSE;
    if (m_pszRegistryKey == NULL)
    {
        char szValue[16];
        ::wsprintfA(szValue, "%d", nValue);
        return ::WritePrivateProfileStringA(lpszSection, lpszEntry, szValue, m_pszProfileName);
    }
    CRegKey sectionKey(GetSectionKey(lpszSection));
    if (sectionKey.m_hKey == NULL)
        return FALSE;
    DWORD dwValue = (DWORD)nValue;
    return ::RegSetValueExA(sectionKey.m_hKey, lpszEntry, 0, REG_DWORD, (const BYTE*)&dwValue, sizeof(dwValue)) ==
        ERROR_SUCCESS;
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    if (lpszDefault == NULL)
        lpszDefault = "";
    if (lpszSection == NULL || lpszEntry == NULL)
        return CString(lpszDefault);
    if (m_pszRegistryKey == NULL)
    {
        // The call reports a full buffer as size - 1 (or - 2): grow until the text fits.
        CString strValue;
        for (DWORD nSize = 256; nSize <= 0x100000; nSize *= 4)
        {
            DWORD nLen = ::GetPrivateProfileStringA(lpszSection, lpszEntry, lpszDefault, strValue.GetBuffer((int)nSize),
                nSize, m_pszProfileName);
            strValue.ReleaseBuffer((int)(nLen < nSize ? nLen : nSize - 1));
            if (nLen + 2 < nSize)
                break;
        }
        return strValue;
    }
    CRegKey sectionKey(CRegQuery::OpenProfileSection(m_pszRegistryKey, m_pszProfileName, lpszSection));
    CRegQuery value;
    if (sectionKey.m_hKey == NULL || !value.Read(sectionKey.m_hKey, lpszEntry, MaxValueBytes) ||
        (value.m_dwType != REG_SZ && value.m_dwType != REG_EXPAND_SZ))
        return CString(lpszDefault);
    // The stored text need not end in a zero: it ends at its first zero or with the value.
    return CString((LPCTSTR)value.m_pData.get());
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
    if (lpszSection == NULL)
        return FALSE;
    if (m_pszRegistryKey == NULL)
        return ::WritePrivateProfileStringA(lpszSection, lpszEntry, lpszValue, m_pszProfileName);
    if (lpszEntry == NULL)
    {
        CRegKey appKey(GetAppRegistryKey());
        return appKey.m_hKey != NULL && ::RegDeleteKeyA(appKey.m_hKey, lpszSection) == ERROR_SUCCESS;
    }
    CRegKey sectionKey(GetSectionKey(lpszSection));
    if (sectionKey.m_hKey == NULL)
        return FALSE;
    if (lpszValue == NULL)
        return ::RegDeleteValueA(sectionKey.m_hKey, lpszEntry) == ERROR_SUCCESS;
    return ::RegSetValueExA(sectionKey.m_hKey, lpszEntry, 0, REG_SZ, (const BYTE*)lpszValue,
               (DWORD)lstrlenA(lpszValue) + 1) == ERROR_SUCCESS;
}

BOOL CWinApp::GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes)
{
    if (ppData == NULL || pBytes == NULL)
        return FALSE;
    *ppData = NULL;
    *pBytes = 0;
    if (lpszSection == NULL || lpszEntry == NULL)
        return FALSE;
    if (m_pszRegistryKey == NULL)
    {
        CString strValue = GetProfileString(lpszSection, lpszEntry, NULL);
        int nLen = strValue.GetLength();
        if (nLen == 0 || nLen % 2 != 0)
            return FALSE;
        std::unique_ptr<BYTE[]> pData(new BYTE[nLen / 2]);
        for (int i = 0; i < nLen / 2; i++)
        {
            int nLow = strValue[i * 2] - 'A', nHigh = strValue[i * 2 + 1] - 'A';
            if (nLow < 0 || nLow > 15 || nHigh < 0 || nHigh > 15)
                return FALSE; // not written by WriteProfileBinary
            pData[i] = (BYTE)((nHigh << 4) | nLow);
        }
        *ppData = pData.release();
        *pBytes = (UINT)(nLen / 2);
        return TRUE;
    }
    CRegKey sectionKey(CRegQuery::OpenProfileSection(m_pszRegistryKey, m_pszProfileName, lpszSection));
    CRegQuery value;
    if (sectionKey.m_hKey == NULL || !value.Read(sectionKey.m_hKey, lpszEntry, MaxValueBytes) ||
        value.m_dwType != REG_BINARY)
        return FALSE;
    *ppData = value.m_pData.release();
    *pBytes = (UINT)value.m_nSize;
    return TRUE;
}

BOOL CWinApp::WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes)
{
    if (lpszSection == NULL || lpszEntry == NULL || (pData == NULL && nBytes != 0))
        return FALSE;
    if (m_pszRegistryKey == NULL)
    {
        CString strValue;
        LPTSTR psz = strValue.GetBuffer((int)(nBytes * 2));
        for (UINT i = 0; i < nBytes; i++)
        {
            psz[i * 2] = (char)((pData[i] & 0x0F) + 'A');
            psz[i * 2 + 1] = (char)(((pData[i] >> 4) & 0x0F) + 'A');
        }
        strValue.ReleaseBuffer((int)(nBytes * 2));
        return WriteProfileString(lpszSection, lpszEntry, strValue);
    }
    CRegKey sectionKey(GetSectionKey(lpszSection));
    if (sectionKey.m_hKey == NULL)
        return FALSE;
    return ::RegSetValueExA(sectionKey.m_hKey, lpszEntry, 0, REG_BINARY, pData, nBytes) == ERROR_SUCCESS;
}

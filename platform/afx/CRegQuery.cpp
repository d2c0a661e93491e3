// CRegQuery.cpp: most values fit the first buffer; a larger one costs one query more.
#include "CRegQuery.h"

#include <new>
#include <string>

HKEY CRegQuery::OpenProfileSection(LPCTSTR lpszRegistryKey, LPCTSTR lpszProfileName, LPCTSTR lpszSection)
{
    if (lpszRegistryKey == NULL || lpszProfileName == NULL || lpszSection == NULL)
        return NULL;
    std::string strKey = std::string("Software\\") + lpszRegistryKey + "\\" + lpszProfileName;
    if (*lpszSection != '\0')
        strKey += std::string("\\") + lpszSection;
    HKEY hKey = NULL;
    return ::RegOpenKeyExA(HKEY_CURRENT_USER, strKey.c_str(), 0, KEY_READ, &hKey) == ERROR_SUCCESS ? hKey : NULL;
}

BOOL CRegQuery::Read(HKEY hKey, LPCTSTR lpszName, DWORD nLimit)
{
    DWORD nCapacity = nLimit < 256 ? nLimit : 256;
    for (int nTry = 0; nTry < MaxTries; nTry++)
    {
        m_pData.reset(new (std::nothrow) BYTE[nCapacity + 1]);
        if (!m_pData)
            break;
        m_nSize = nCapacity;
        LONG lResult = ::RegQueryValueExA(hKey, lpszName, NULL, &m_dwType, m_pData.get(), &m_nSize);
        if (lResult == ERROR_SUCCESS && m_nSize <= nCapacity)
        {
            m_pData[m_nSize] = 0;
            return TRUE;
        }
        if (lResult != ERROR_MORE_DATA || m_nSize <= nCapacity || m_nSize > nLimit)
            break;
        nCapacity = m_nSize;
    }
    m_pData.reset();
    m_dwType = REG_NONE;
    m_nSize = 0;
    return FALSE;
}

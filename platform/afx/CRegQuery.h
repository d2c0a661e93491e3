// CRegQuery.h: declares CRegQuery, one registry value read whole in a single query.
#pragma once

#include "afxtypes.h"

#include <windows.h>

#include <memory>

// The type and the data come from the same query, so that a change another program makes
// between two queries (a size, then the data) cannot mix them. A value that grows past the
// buffer meanwhile is queried again at the size the system then reports, a few times at most.
class KWAFX_API CRegQuery
{
public:
    static const int MaxTries = 4;

    // HKEY_CURRENT_USER\Software\<registry key>\<profile name>\<section> opened to read only, NULL
    // when it does not exist: the profile's reads create nothing and need no right to write.
    static HKEY OpenProfileSection(LPCTSTR lpszRegistryKey, LPCTSTR lpszProfileName, LPCTSTR lpszSection);

    // FALSE when the value is absent, cannot be read, or is larger than nLimit bytes.
    BOOL Read(HKEY hKey, LPCTSTR lpszName, DWORD nLimit);

    DWORD m_dwType = REG_NONE;
    DWORD m_nSize = 0;
    // m_nSize bytes, followed by a zero of its own (a stored text need not end with one).
    std::unique_ptr<BYTE[]> m_pData;
};

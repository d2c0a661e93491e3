// KwRegistry.h: declares CKwRegistry, typed reads and writes of single values below the running
// application's registry key.
#pragma once

#include "core/KwUiExport.h"

#include <afx.h>

// Every value lives under <root>\Software\<registry key>\<profile name>\<key>, the two middle
// names taken from the current application object at each call. Strings are REG_SZ with their
// terminating zero, numbers REG_DWORD, blocks REG_BINARY of exactly the caller's size. A read
// that fails for any reason (no application key, key or value missing, other type or size)
// returns false and leaves the caller's variable as it was.
class KWUI_API CKwRegistry
{
public:
    // The longest string value a read accepts, in bytes; a longer one is refused unread.
    static const unsigned long MaxStringBytes = 4 * 1024 * 1024;

    static bool ReadString(HKEY root, CString key, CString name, CString& value);
    static bool ReadDword(HKEY root, CString key, CString name, unsigned long& value);
    static bool ReadBinary(HKEY root, CString key, CString name, void* data, unsigned int size);

    // Intermediate keys are created as needed.
    static bool WriteString(HKEY root, CString key, CString name, CString value);
    static bool WriteDword(HKEY root, CString key, CString name, unsigned long value);
    static bool WriteBinary(HKEY root, CString key, CString name, const void* data, unsigned int size);

private:
    // "Software\<registry key>\<profile name>\<key>"; false without an application key.
    static bool BuildKey(const CString& key, CString& fullKey);
    static HKEY OpenForRead(HKEY root, const CString& key);
    static bool Write(HKEY root, const CString& key, const CString& name, DWORD type, const void* data, DWORD size);
};

// KwOptions.cpp: the options table and the operations applied to all of its options.
#include "core/KwOptions.h"
#include "core/KwRegistry.h"

#include <cstring>

namespace {
const char* const optionsKey = "Options";
}

CKwOptions::CKwOptions()
{
}

CKwOptions::~CKwOptions()
{
}

void CKwOptions::RegisterOption(const char* name, CString& value, const char* defaultValue)
{
    m_options.Add(COptionRecord{COptionRecord::eText, name, &value, (UINT_PTR)defaultValue, NULL});
}

void CKwOptions::RegisterOption(const char* name, unsigned long& value, unsigned long defaultValue)
{
    m_options.Add(COptionRecord{COptionRecord::eNumber, name, &value, (UINT_PTR)defaultValue, NULL});
}

void CKwOptions::RegisterOption(const char* name, void* data, unsigned int size, const void* defaultData)
{
    m_options.Add(COptionRecord{COptionRecord::eBlock, name, data, (UINT_PTR)size, defaultData});
}

void CKwOptions::FinishRegisterOptions()
{
    // Option by option, so that a value kept only for the whole machine is not lost to the
    // default when the user has none.
    for (INT_PTR i = 0; i < m_options.GetSize(); ++i)
    {
        const COptionRecord& record = m_options[i];
        if (!ReadOption(record, HKEY_CURRENT_USER) && !ReadOption(record, HKEY_LOCAL_MACHINE))
            SetDefault(record);
    }
}

bool CKwOptions::ReadFromLocalMachine()
{
    return ProcessOptions(eReadLocalMachine);
}

bool CKwOptions::WriteToLocalMachine()
{
    return ProcessOptions(eWriteLocalMachine);
}

bool CKwOptions::RestoreDefault()
{
    return ProcessOptions(eRestoreDefault);
}

bool CKwOptions::SaveToCurrentUser()
{
    // Runs from a destructor: a failure is a false result, never an exception.
    try
    {
        return ProcessOptions(eWriteCurrentUser);
    }
    catch (CException* e)
    {
        e->Delete();
        return false;
    }
}

bool CKwOptions::ProcessOptions(EProcessOptionsType type)
{
    bool bAll = true;
    for (INT_PTR i = 0; i < m_options.GetSize(); ++i)
        if (!ProcessOption(m_options[i], type))
            bAll = false;
    return bAll;
}

bool CKwOptions::ProcessOption(const COptionRecord& record, EProcessOptionsType type)
{
    switch (type)
    {
    case eReadCurrentUser:
    case eReadLocalMachine:
        if (ReadOption(record, type == eReadCurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE))
            return true;
        SetDefault(record);
        return false;
    case eWriteCurrentUser:
    case eWriteLocalMachine:
    {
        HKEY root = type == eWriteCurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
        switch (record.m_nKind)
        {
        case COptionRecord::eText:
            return CKwRegistry::WriteString(root, optionsKey, record.m_pszName, *(CString*)record.m_pVariable);
        case COptionRecord::eNumber:
            return CKwRegistry::WriteDword(root, optionsKey, record.m_pszName, *(unsigned long*)record.m_pVariable);
        case COptionRecord::eBlock:
            return CKwRegistry::WriteBinary(root, optionsKey, record.m_pszName, record.m_pVariable,
                (unsigned int)record.m_nDefault);
        }
        return false;
    }
    case eRestoreDefault:
        SetDefault(record);
        return true;
    }
    return false;
}

bool CKwOptions::ReadOption(const COptionRecord& record, HKEY root)
{
    switch (record.m_nKind)
    {
    case COptionRecord::eText:
        return CKwRegistry::ReadString(root, optionsKey, record.m_pszName, *(CString*)record.m_pVariable);
    case COptionRecord::eNumber:
        return CKwRegistry::ReadDword(root, optionsKey, record.m_pszName, *(unsigned long*)record.m_pVariable);
    case COptionRecord::eBlock:
        return CKwRegistry::ReadBinary(root, optionsKey, record.m_pszName, record.m_pVariable,
            (unsigned int)record.m_nDefault);
    }
    return false;
}

void CKwOptions::SetDefault(const COptionRecord& record)
{
    switch (record.m_nKind)
    {
    case COptionRecord::eText:
        *(CString*)record.m_pVariable = record.m_nDefault != 0 ? (const char*)record.m_nDefault : "";
        break;
    case COptionRecord::eNumber:
        *(unsigned long*)record.m_pVariable = (unsigned long)record.m_nDefault;
        break;
    case COptionRecord::eBlock:
        // A block registered without default bytes is cleared.
        if (record.m_pDefaultBlock != NULL)
            memmove(record.m_pVariable, record.m_pDefaultBlock, (size_t)record.m_nDefault);
        else
            memset(record.m_pVariable, 0, (size_t)record.m_nDefault);
        break;
    }
}

// CSharedFile: a memory file whose buffer is a locked global memory block.
#include "CSharedFile.h"

IMPLEMENT_DYNAMIC(CSharedFile, CMemFile)

CSharedFile::CSharedFile(UINT nAllocFlags, UINT nGrowBytes)
    : CMemFile(nGrowBytes), m_nAllocFlags(nAllocFlags), m_hGlobalMemory(NULL), m_bAllowGrow(TRUE)
{
}

CSharedFile::~CSharedFile()
{
    // Close here, while Free still reaches this class.
    if (m_lpBuffer != NULL)
        Close();
}

BYTE* CSharedFile::Alloc(DWORD nBytes)
{
    m_hGlobalMemory = ::GlobalAlloc(m_nAllocFlags, nBytes);
    if (m_hGlobalMemory == NULL)
        return NULL;
    return (BYTE*)::GlobalLock(m_hGlobalMemory);
}

BYTE* CSharedFile::Realloc(BYTE* lpMem, DWORD nBytes)
{
    if (!m_bAllowGrow || m_hGlobalMemory == NULL)
        return NULL;
    ::GlobalUnlock(m_hGlobalMemory);
    HGLOBAL hNew = ::GlobalReAlloc(m_hGlobalMemory, nBytes, m_nAllocFlags | GMEM_MOVEABLE);
    if (hNew != NULL)
        m_hGlobalMemory = hNew;
    BYTE* lpNew = (BYTE*)::GlobalLock(m_hGlobalMemory);
    // On failure the old block stays locked and in use, as the caller still holds it.
    return hNew != NULL ? lpNew : NULL;
}

void CSharedFile::Free(BYTE*)
{
    if (m_hGlobalMemory == NULL)
        return;
    ::GlobalUnlock(m_hGlobalMemory);
    ::GlobalFree(m_hGlobalMemory);
    m_hGlobalMemory = NULL;
}

HGLOBAL CSharedFile::Detach()
{
    HGLOBAL hMem = m_hGlobalMemory;
    if (hMem != NULL) {
        ::GlobalUnlock(hMem);
        // Readers take the block's size as the data's length.
        if (m_nFileSize != 0 && m_nFileSize < ::GlobalSize(hMem)) {
            HGLOBAL hTrimmed = ::GlobalReAlloc(hMem, m_nFileSize, GMEM_MOVEABLE);
            if (hTrimmed != NULL)
                hMem = hTrimmed;
        }
    }
    m_hGlobalMemory = NULL;
    m_lpBuffer = NULL;
    m_nBufferSize = m_nFileSize = m_nPosition = 0;
    return hMem;
}

void CSharedFile::SetHandle(HGLOBAL hGlobalMemory, BOOL bAllowGrow)
{
    if (m_lpBuffer != NULL)
        Close();
    m_hGlobalMemory = hGlobalMemory;
    m_lpBuffer = (BYTE*)::GlobalLock(m_hGlobalMemory);
    m_nBufferSize = m_nFileSize = m_lpBuffer != NULL ? (DWORD)::GlobalSize(m_hGlobalMemory) : 0;
    m_nPosition = 0;
    m_bAllowGrow = bAllowGrow;
    m_bAutoDelete = TRUE;
    if (m_lpBuffer == NULL)
        m_hGlobalMemory = NULL;
}

// CSharedFile.h: CSharedFile, a memory file in a movable global memory block, the form in which
// data travels through the clipboard and OLE data objects (Windows only).
#pragma once

#include "CMemFile.h"

class KWAFX_API CSharedFile : public CMemFile
{
    DECLARE_DYNAMIC(CSharedFile)
public:
    explicit CSharedFile(UINT nAllocFlags = GMEM_DDESHARE | GMEM_MOVEABLE, UINT nGrowBytes = 4096);
    ~CSharedFile() override;

    // Gives up the block, unlocked and trimmed to the file's length; the file is then empty.
    HGLOBAL Detach();
    // Takes over a block (its whole size is the file); the file frees it unless detached again.
    void SetHandle(HGLOBAL hGlobalMemory, BOOL bAllowGrow = TRUE);

protected:
    BYTE* Alloc(DWORD nBytes) override;
    BYTE* Realloc(BYTE* lpMem, DWORD nBytes) override;
    void Free(BYTE* lpMem) override;

    UINT m_nAllocFlags;
    HGLOBAL m_hGlobalMemory;
    BOOL m_bAllowGrow;
};

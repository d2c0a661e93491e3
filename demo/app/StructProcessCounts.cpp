// CStructProcessCounts: the system's own counts where it gives them, else a count of this
// process's entries in the system handle table (kernel handles) or a walk over the 16-bit GDI and
// USER handle tables, where a handle given by its index alone matches the live object there.
#include "StructProcessCounts.h"

#include <psapi.h>

#include <vector>

namespace {

// Not in MinGW's headers: what NtQuerySystemInformation(SystemHandleInformation) returns.
const ULONG kSystemHandleInformation = 16;
const LONG kStatusInfoLengthMismatch = (LONG)0xC0000004L;
struct HandleEntry
{
    ULONG nProcessId;
    BYTE nObjectType, nFlags;
    USHORT nHandle;
    PVOID pObject;
    ACCESS_MASK access;
};
struct HandleTable
{
    ULONG nCount;
    HandleEntry entries[1];
};

int CountKernelHandles()
{
    DWORD dwCount = 0;
    if (::GetProcessHandleCount(::GetCurrentProcess(), &dwCount) && dwCount > 0)
        return (int)dwCount;
    typedef LONG(WINAPI * QueryFn)(ULONG, PVOID, ULONG, PULONG);
    QueryFn pfnQuery = (QueryFn)(void*)::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation");
    if (pfnQuery == NULL)
        return -1;
    std::vector<BYTE> buffer(1 << 16);
    LONG nStatus;
    ULONG nLength = 0;
    while ((nStatus = pfnQuery(kSystemHandleInformation, buffer.data(), (ULONG)buffer.size(), &nLength)) == kStatusInfoLengthMismatch
           && buffer.size() < (64u << 20))
        buffer.resize(buffer.size() * 2);
    if (nStatus != 0)
        return -1;
    const HandleTable* pTable = (const HandleTable*)buffer.data();
    const ULONG nMost = (ULONG)((buffer.size() - offsetof(HandleTable, entries)) / sizeof(HandleEntry));
    int nOwn = 0;
    for (ULONG i = 0; i < pTable->nCount && i < nMost; i++)
        if (pTable->entries[i].nProcessId == ::GetCurrentProcessId())
            nOwn++;
    return nOwn;
}

int CountGdiObjects()
{
    if (DWORD dwCount = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS))
        return (int)dwCount;
    int nCount = 0;
    for (ULONG_PTR nIndex = 1; nIndex <= 0xFFFF; nIndex++)
        if (::GetObjectType((HGDIOBJ)nIndex) != 0)
            nCount++;
    return nCount;
}

int CountUserObjects()
{
    if (DWORD dwCount = ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS))
        return (int)dwCount;
    // The USER table is the whole desktop's: windows count when they are this process's; menus,
    // icons and cursors of other processes are not found from here.
    int nCount = 0;
    for (ULONG_PTR nIndex = 2; nIndex <= 0xFFFF; nIndex += 2)
    {
        HANDLE h = (HANDLE)nIndex;
        DWORD dwProcess = 0;
        ICONINFO info;
        if (::IsWindow((HWND)h))
            nCount += ::GetWindowThreadProcessId((HWND)h, &dwProcess) != 0 && dwProcess == ::GetCurrentProcessId();
        else if (::IsMenu((HMENU)h))
            nCount++;
        else if (::GetIconInfo((HICON)h, &info))
        {
            nCount++;
            if (info.hbmMask != NULL)
                ::DeleteObject(info.hbmMask);
            if (info.hbmColor != NULL)
                ::DeleteObject(info.hbmColor);
        }
    }
    return nCount;
}

} // namespace

CStructProcessCounts CStructProcessCounts::Take()
{
    CStructProcessCounts counts;
    counts.nHandles = CountKernelHandles();
    counts.nGdiObjects = CountGdiObjects();
    counts.nUserObjects = CountUserObjects();
    PROCESS_MEMORY_COUNTERS_EX memory = {};
    memory.cb = sizeof(memory);
    if (::GetProcessMemoryInfo(::GetCurrentProcess(), (PROCESS_MEMORY_COUNTERS*)&memory, sizeof(memory)))
    {
        counts.nWorkingSet = memory.WorkingSetSize;
        // Wine leaves PrivateUsage at 0; the pagefile usage is the same commit charge.
        counts.nPrivateBytes = memory.PrivateUsage != 0 ? memory.PrivateUsage : memory.PagefileUsage;
    }
    return counts;
}

CString CStructProcessCounts::DescribeSources()
{
    DWORD dwHandles = 0;
    ::GetProcessHandleCount(::GetCurrentProcess(), &dwHandles);
    const HANDLE hProcess = ::GetCurrentProcess();
    CString strSources;
    strSources.Format("handles from %s; GDI objects from %s; USER objects from %s",
        dwHandles > 0 ? "GetProcessHandleCount" : "the system handle table",
        ::GetGuiResources(hProcess, GR_GDIOBJECTS) > 0 ? "GetGuiResources" : "the GDI handle table",
        ::GetGuiResources(hProcess, GR_USEROBJECTS) > 0 ? "GetGuiResources" : "the USER handle table (windows, menus, icons)");
    return strSources;
}

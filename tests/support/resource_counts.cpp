#include "resource_counts.h"
#include <winternl.h>
#include <stdio.h>

// One entry of Wine's GDI handle table (GDI_SHARED_MEMORY in its ntgdi.h):
// a non-zero type marks an object that exists.
struct WineGdiHandleEntry {
    UINT64 object;
    ULONG owner;
    USHORT unique;
    UCHAR type;
    UCHAR flags;
    UINT64 userPointer;
};
static const size_t WineGdiHandleCount = 0x10000;

static long CountGdiObjects()
{
    // Windows counts them itself; Wine answers 0 and is counted by hand.
    DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (counted != 0)
        return (long)counted;
#ifdef _WIN64
    const size_t TableOffset = 0xF8;  // GdiSharedHandleTable in the 64-bit PEB
#else
    const size_t TableOffset = 0x94;
#endif
    PEB* peb = NtCurrentTeb()->ProcessEnvironmentBlock;
    const WineGdiHandleEntry* table = *(const WineGdiHandleEntry* const*)((const char*)peb + TableOffset);
    if (table == NULL)
        return -1;
    long objects = 0;
    for (size_t i = 0; i < WineGdiHandleCount; ++i)
        if (table[i].type != 0)
            ++objects;
    return objects;
}

static long CountKernelHandles()
{
    DWORD counted = 0;
    if (GetProcessHandleCount(GetCurrentProcess(), &counted) && counted != 0)
        return (long)counted;
    // Wine hands out the lowest free handle value first, so a process with
    // a few hundred handles has them all below this bound.
    long handles = 0;
    for (ULONG_PTR value = 4; value < 0x1000; value += 4) {
        DWORD flags;
        if (GetHandleInformation((HANDLE)value, &flags))
            ++handles;
    }
    return handles;
}

static BOOL CALLBACK CountChild(HWND, LPARAM count)
{
    ++*(long*)count;
    return TRUE;
}

static BOOL CALLBACK CountTopLevel(HWND window, LPARAM count)
{
    ++*(long*)count;
    EnumChildWindows(window, CountChild, count);
    return TRUE;
}

long CountHeapBlocks()
{
    long busy = 0;
    PROCESS_HEAP_ENTRY entry;
    entry.lpData = NULL;
    HANDLE heap = GetProcessHeap();
    HeapLock(heap);
    while (HeapWalk(heap, &entry))
        if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
            ++busy;
    HeapUnlock(heap);
    return busy;
}

ResourceCounts CountResources()
{
    ResourceCounts counts;
    counts.gdiObjects = CountGdiObjects();
    counts.kernelHandles = CountKernelHandles();
    EnumThreadWindows(GetCurrentThreadId(), CountTopLevel, (LPARAM)&counts.threadWindows);
    counts.heapBlocks = CountHeapBlocks();
    return counts;
}

std::string ResourceGrowth(const ResourceCounts& before, const ResourceCounts& after)
{
    char text[160];
    snprintf(text, sizeof text, "gdi %+ld, handles %+ld, windows %+ld, heap blocks %+ld",
             after.gdiObjects - before.gdiObjects, after.kernelHandles - before.kernelHandles,
             after.threadWindows - before.threadWindows, after.heapBlocks - before.heapBlocks);
    return text;
}

// What a process holds, counted so that a test can see a leak. Under Wine 8
// GetGuiResources, GetProcessHandleCount and the process memory counters
// all answer 0, so the counts are taken where Wine keeps the objects: the
// GDI handle table the process environment block points to, the kernel
// handles that answer GetHandleInformation, the windows of the calling
// thread, and the busy blocks of the process heap.
#pragma once
#include <windows.h>
#include <string>

struct ResourceCounts {
    long gdiObjects = 0;
    long kernelHandles = 0;
    long threadWindows = 0;  // top-level windows of the calling thread and their children
    long heapBlocks = 0;
};

ResourceCounts CountResources();
long CountHeapBlocks();  // the cheap part alone
// "gdi +3 handles +0 ..." : what grew from before to after.
std::string ResourceGrowth(const ResourceCounts& before, const ResourceCounts& after);

#include "FreeMemory.h"

#include <QtGlobal>

// A sanitizer's allocator is not the C library's: nothing to trim there.
#if defined(__SANITIZE_ADDRESS__)
#define KESTRUM_SANITIZED_HEAP
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KESTRUM_SANITIZED_HEAP
#endif
#endif

#ifdef KESTRUM_SANITIZED_HEAP
#define KESTRUM_HEAP_TRIM 0
#elif defined(Q_OS_WIN)
#define KESTRUM_HEAP_TRIM 1
#include <malloc.h>
#include <windows.h>
#elif defined(__GLIBC__)
#define KESTRUM_HEAP_TRIM 1
#include <malloc.h>
#else
#define KESTRUM_HEAP_TRIM 0
#endif

bool FreeMemory::giveBack()
{
#if !KESTRUM_HEAP_TRIM
    return false;
#elif defined(Q_OS_WIN)
    _heapmin();
    HeapCompact(GetProcessHeap(), 0);
    return true;
#elif defined(__GLIBC__)
    // Every arena, not only the main one; nothing is kept beyond what is in use.
    malloc_trim(0);
    return true;
#endif
}

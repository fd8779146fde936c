// What a test module reads of its own process to tell that the program
// loses nothing: live GDI objects and busy heap bytes.
#pragma once

#include <windows.h>

namespace e2e {

// Reading the thread's environment block through the segment register
// looks to the compiler like an access to a zero-length array.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"
// The process's GDI objects, from the handle table the system keeps for
// every process (the same one the platform's object counter reads). Where
// the table is kept per process, entries carry no process id.
inline LRESULT CountGdiObjects()
{
    struct HandleEntry {
        UINT64 object;
        struct {
            USHORT processId;
            USHORT count;
        } owner;
        USHORT unique;
        UCHAR type;
        UCHAR flags;
        UINT64 userPointer;
    };
#ifdef _WIN64
    static_assert(sizeof(HandleEntry) == 24);
    constexpr int kEntries = 0x10000;
    // TEB::ProcessEnvironmentBlock and PEB::GdiSharedHandleTable, 64-bit layout.
    auto* teb = reinterpret_cast<BYTE*>(NtCurrentTeb());
    auto* peb = *reinterpret_cast<BYTE**>(teb + 0x60);
    auto* table = *reinterpret_cast<HandleEntry**>(peb + 0xF8);
    if (!table) return -1;
    const USHORT pid = static_cast<USHORT>(GetCurrentProcessId());
    LRESULT n = 0;
    for (int i = 0; i < kEntries; ++i)
        if (table[i].type != 0 && (table[i].owner.processId == pid || table[i].owner.processId == 0)) ++n;
    return n;
#else
    return -1;
#endif
}
#pragma GCC diagnostic pop

inline LRESULT HeapBytes()
{
    HANDLE heaps[64];
    const DWORD count = GetProcessHeaps(64, heaps);
    LRESULT bytes = 0;
    for (DWORD h = 0; h < count && h < 64; ++h) {
        if (!HeapLock(heaps[h])) continue;
        PROCESS_HEAP_ENTRY entry{};
        while (HeapWalk(heaps[h], &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) bytes += static_cast<LRESULT>(entry.cbData);
        HeapUnlock(heaps[h]);
    }
    return bytes;
}

}  // namespace e2e

/*
 * tessel_native.h - how a game module built for the host machine (not for
 * Windows) reaches the headless host that the tests drive.
 *
 * SPDX-License-Identifier: MIT
 *
 * On Windows a module sends HM_... messages with SendMessageA to the window
 * it received in TSInitModule, and hands out game data as movable global
 * memory. Built natively (a shared object loaded by the headless host), the
 * TSWindow it receives is a TsNativeHost*, and game data blocks are made
 * with the functions below; host and module share one C runtime.
 */
#ifndef TESSEL_NATIVE_H
#define TESSEL_NATIVE_H

#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include "tessel_module.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct TsNativeHost TsNativeHost;
struct TsNativeHost {
    /* The headless host's window procedure for HM_... messages. */
    intptr_t (*send)(TsNativeHost* self, uint32_t message, uintptr_t wParam, intptr_t lParam);
};

static inline intptr_t TsNativeSend(TSWindow host, uint32_t message, uintptr_t wParam, intptr_t lParam)
{
    TsNativeHost* h = (TsNativeHost*)host;
    return h->send(h, message, wParam, lParam);
}

/* A game data block: its size in bytes, then the bytes, zero-filled. */
static inline TSMemory TsNativeMemoryAlloc(size_t bytes)
{
    uint64_t* block = (uint64_t*)calloc(1, sizeof(uint64_t) + bytes);
    if (!block) return 0;
    block[0] = bytes;
    return block;
}
static inline size_t TsNativeMemorySize(TSMemory m) { return m ? (size_t)((uint64_t*)m)[0] : 0; }
static inline void* TsNativeMemoryData(TSMemory m) { return m ? (void*)((uint64_t*)m + 1) : 0; }
static inline void TsNativeMemoryFree(TSMemory m) { free(m); }

#ifdef __cplusplus
}
#endif

#endif /* TESSEL_NATIVE_H */

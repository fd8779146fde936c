// The host's persistent state: options, the deal's seed, the current game's
// name and the two texts of the strip. Saved raw in every saved game and in
// the resume file, so its layout never changes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace persistence {

constexpr size_t kNameBytes = 64;
constexpr size_t kTextBytes = 128;

struct HostState {
    int16_t cardSize = 0;    // 0 small, 1 large
    int16_t cardSet = 1;     // 0..3
    int16_t background = 0;  // 0..5
    int16_t reserved = 0;
    uint32_t autoPlay = 0;
    uint32_t sounds = 1;
    uint32_t gameInPlay = 0;
    uint32_t seed = 0;
    char moduleName[kNameBytes] = {};
    char messageText[kTextBytes] = {};
    char scoreText[kTextBytes] = {};
};

static_assert(sizeof(HostState) == 344);
static_assert(offsetof(HostState, cardSet) == 2);
static_assert(offsetof(HostState, background) == 4);
static_assert(offsetof(HostState, autoPlay) == 8);
static_assert(offsetof(HostState, sounds) == 12);
static_assert(offsetof(HostState, gameInPlay) == 16);
static_assert(offsetof(HostState, seed) == 20);
static_assert(offsetof(HostState, moduleName) == 24);
static_assert(offsetof(HostState, messageText) == 88);
static_assert(offsetof(HostState, scoreText) == 216);

// Copies a text into a fixed buffer, cut to fit with its terminator. A null
// source gives the empty text.
template <size_t N>
void CopyText(char (&dst)[N], const char* src)
{
    size_t n = 0;
    if (src)
        while (n + 1 < N && src[n] != '\0') ++n;
    if (n) std::memcpy(dst, src, n);
    dst[n] = '\0';
}

}  // namespace persistence

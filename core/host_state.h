// The host's persistent state: options, the deal's seed, the current game's
// name and the two texts of the strip. Saved raw in every saved game and in
// the resume file, so its layout never changes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace core {

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

// A HostState read from a file is trusted only after this: each text is
// cut at its last byte when it has no terminator, and a card size, card set
// or background outside its range is taken as its default (the card size's
// default depends on which card library is there).
inline void MakeUsable(HostState& s, int16_t defaultCardSize)
{
    s.moduleName[kNameBytes - 1] = '\0';
    s.messageText[kTextBytes - 1] = '\0';
    s.scoreText[kTextBytes - 1] = '\0';
    if (s.cardSize != 0 && s.cardSize != 1) s.cardSize = defaultCardSize;
    if (s.cardSet < 0 || s.cardSet > 3) s.cardSet = 1;
    if (s.background < 0 || s.background > 5) s.background = 0;
}

}  // namespace core

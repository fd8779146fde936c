// Files built byte by byte from the format, little-endian, independent of
// the program's records, so that a test compares the program against the
// format itself.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace persistence_bytes {

struct Bytes {
    std::vector<uint8_t> b;

    Bytes& u8(uint8_t v)
    {
        b.push_back(v);
        return *this;
    }
    Bytes& u16(uint16_t v) { return u8(static_cast<uint8_t>(v)).u8(static_cast<uint8_t>(v >> 8)); }
    Bytes& i16(int16_t v) { return u16(static_cast<uint16_t>(v)); }
    Bytes& u32(uint32_t v) { return u16(static_cast<uint16_t>(v)).u16(static_cast<uint16_t>(v >> 16)); }
    Bytes& i32(int32_t v) { return u32(static_cast<uint32_t>(v)); }
    // A text in a fixed field: its bytes, then zeros up to the width.
    Bytes& text(const std::string& s, size_t width)
    {
        for (size_t i = 0; i < width; ++i) u8(i < s.size() ? static_cast<uint8_t>(s[i]) : 0);
        return *this;
    }
    Bytes& fill(uint8_t v, size_t n)
    {
        b.insert(b.end(), n, v);
        return *this;
    }
    Bytes& append(const Bytes& o)
    {
        b.insert(b.end(), o.b.begin(), o.b.end());
        return *this;
    }
    size_t size() const { return b.size(); }
};

struct StateFields {
    int16_t cardSize = 0, cardSet = 1, background = 0;
    uint32_t autoPlay = 0, sounds = 1, gameInPlay = 1, seed = 0;
    std::string moduleName = "Fake Game", message, score;
};

// The 352-byte head: magic FF 00 11 EE, version 00 01 00 00, the host state.
inline Bytes SavedGameHead(const StateFields& s, uint32_t magic = 0xEE1100FFu, uint32_t version = 256)
{
    Bytes out;
    out.u32(magic).u32(version);
    out.i16(s.cardSize).i16(s.cardSet).i16(s.background).i16(0);
    out.u32(s.autoPlay).u32(s.sounds).u32(s.gameInPlay).u32(s.seed);
    out.text(s.moduleName, 64).text(s.message, 128).text(s.score, 128);
    return out;
}

struct CardBytes {
    uint32_t faceDown;
    uint32_t mark;
    int16_t image;
};

constexpr int kCountOfCards = 1 << 20;  // the count is the number of cards given

// One stack record: S, then the 24-byte header and `capacity` card slots;
// slots above the cards given are zero.
inline Bytes StackRecord(int32_t x, int32_t y, int16_t fan, int16_t capacity, const std::vector<CardBytes>& cards,
                         uint32_t framed = 0, int16_t base = 0, int count = kCountOfCards)
{
    Bytes out;
    out.u32(24u + 12u * static_cast<uint32_t>(capacity));
    out.u32(framed).i32(x).i32(y).i16(base).i16(fan).i16(capacity).i16(0);
    out.i16(static_cast<int16_t>(count == kCountOfCards ? static_cast<int>(cards.size()) : count)).i16(0);
    for (int16_t i = 0; i < capacity; ++i) {
        if (static_cast<size_t>(i) < cards.size())
            out.u32(cards[static_cast<size_t>(i)].faceDown)
                .u32(cards[static_cast<size_t>(i)].mark)
                .i16(cards[static_cast<size_t>(i)].image)
                .i16(0);
        else
            out.fill(0, 12);
    }
    return out;
}

}  // namespace persistence_bytes

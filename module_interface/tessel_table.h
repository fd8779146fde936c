/*
 * tessel_table.h - the table records shared by Lumora Solitaire and its game
 * modules.
 *
 * SPDX-License-Identifier: MIT
 *
 * Host and module look at the same records by address, and the host writes
 * them byte for byte into saved games, so every offset here is fixed: little
 * endian, no padding beyond what is listed. Usable from C and C++, needs
 * nothing but <stdint.h>.
 */
#ifndef TESSEL_TABLE_H
#define TESSEL_TABLE_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* A flexible array member is standard C; GNU C++ takes it as an extension. */
#if defined(__cplusplus) && defined(__GNUC__)
#define TS_FLEXIBLE_ARRAY __extension__
#else
#define TS_FLEXIBLE_ARRAY
#endif

/* One card. */
typedef struct CardEntry {
    uint32_t faceDown;  /* nonzero: drawn as the back of the current card set */
    uint32_t mark;      /* nonzero: drawn with a red double frame */
    int16_t image;      /* card image index 0..51 (TS_CARD_INDEX) */
    uint16_t imageHigh; /* upper half of the module's image word; never read */
} CardEntry;

/* One stack: a 24-byte header followed by `capacity` cards. */
typedef struct CardStack {
    uint32_t framed; /* nonzero: drawn on the outline image, card rects grow 3 px */
    int32_t x;       /* anchor, table coordinates, pixels of the card size in use */
    int32_t y;
    int16_t baseImage;    /* negative: none; 0..17: TS_BASE_... drawn under the cards */
    int16_t fanDirection; /* TS_FAN_... */
    int16_t capacity;     /* number of card slots */
    int16_t reserved;     /* copied from the StackSpec; never read by the host */
    int16_t count;        /* cards on the stack; cards[0] is the bottom card */
    int16_t padding;
    TS_FLEXIBLE_ARRAY CardEntry cards[]; /* capacity entries */
} CardStack;

/* Bytes a stack of the given capacity occupies. */
#define TS_STACK_BYTES(capacity) (24u + 12u * (uint32_t)(capacity))

/* How a stack spreads its cards. */
enum {
    TS_FAN_LEFT = 0,      /* bottom card at the anchor, top card leftmost */
    TS_FAN_RIGHT = 1,     /* bottom card at the anchor, top card rightmost */
    TS_FAN_UP = 2,        /* bottom card at the anchor, top card highest */
    TS_FAN_DOWN = 3,      /* bottom card at the anchor, top card lowest */
    TS_FAN_LEFT_TOP = 4,  /* top card at the anchor, the rest to its left */
    TS_FAN_RIGHT_TOP = 5, /* top card at the anchor, the rest to its right */
    TS_FAN_UP_TOP = 6,    /* top card at the anchor, the rest above it */
    TS_FAN_DOWN_TOP = 7,  /* top card at the anchor, the rest below it */
    TS_FAN_SQUARED = 8,   /* all cards at the anchor */
    TS_FAN_COUNTED = 9,   /* squared, with the number of cards printed on it */
    TS_FAN_DIRECTIONS = 10
};

/* Card image index: suit * 13 + rank. Rank 0 is the ace, 1..9 the two to
 * the ten, 10 the jack, 11 the queen, 12 the king. Suits 1 and 2 are red. */
enum { TS_SUIT_CLUBS = 0, TS_SUIT_DIAMONDS = 1, TS_SUIT_HEARTS = 2, TS_SUIT_SPADES = 3 };
enum { TS_RANK_ACE = 0, TS_RANK_TEN = 9, TS_RANK_JACK = 10, TS_RANK_QUEEN = 11, TS_RANK_KING = 12 };
enum { TS_SUITS = 4, TS_RANKS = 13, TS_CARDS = 52 };

#define TS_CARD_INDEX(suit, rank) ((int16_t)((suit)*13 + (rank)))
#define TS_CARD_SUIT(image) ((image) / 13)
#define TS_CARD_RANK(image) ((image) % 13)
#define TS_CARD_IS_RED(image) (TS_CARD_SUIT(image) == TS_SUIT_DIAMONDS || TS_CARD_SUIT(image) == TS_SUIT_HEARTS)

/* The eighteen base images a stack can show beneath its cards: a dark place
 * with a light rounded outline and a mark that tells what belongs there. */
enum {
    TS_BASE_NONE = -1,
    TS_BASE_EMPTY = 0,            /* a plain empty place (the outline only) */
    TS_BASE_FOUNDATION_CLUBS = 1, /* foundation marks, the suit's sign: TS_BASE_FOUNDATION_CLUBS + suit */
    TS_BASE_FOUNDATION_DIAMONDS = 2,
    TS_BASE_FOUNDATION_HEARTS = 3,
    TS_BASE_FOUNDATION_SPADES = 4,
    TS_BASE_STOCK_REDEAL = 5,   /* a stock that can be turned again (a circle) */
    TS_BASE_STOCK_DONE = 6,     /* a stock that cannot be turned again (a cross) */
    TS_BASE_FREE_CELL = 7,      /* a free cell (a second outline inside, a small square) */
    TS_BASE_FOUNDATION_ANY = 8, /* a foundation for any suit (an "A") */
    TS_BASE_KING_ONLY = 9,      /* only a king may go here (a "K") */
    TS_BASE_WASTE = 10,         /* a waste pile (three cards fanned) */
    TS_BASE_RESERVE = 11,       /* a reserve (a squared pile) */
    TS_BASE_DISCARD = 12,       /* where finished runs or pairs are put away (an arrow into a tray) */
    TS_BASE_BUILD_UP = 13,      /* builds upward (an arrow up) */
    TS_BASE_BUILD_DOWN = 14,    /* builds downward (an arrow down) */
    TS_BASE_ANY_CARD = 15,      /* any card may go here (a star) */
    TS_BASE_DOTTED = 16,        /* a dotted outline, for a place that stays empty */
    TS_BASE_DARK = 17,          /* a dark, shaded place */
    TS_BASE_IMAGES = 18
};

#ifdef __cplusplus
} /* extern "C" */
#endif

/* The layout never changes: these hold in every build. */
#if defined(__cplusplus)
#define TS_STATIC_ASSERT(cond, msg) static_assert(cond, msg)
#else
#define TS_STATIC_ASSERT(cond, msg) _Static_assert(cond, msg)
#endif
TS_STATIC_ASSERT(sizeof(CardEntry) == 12, "CardEntry is 12 bytes");
TS_STATIC_ASSERT(offsetof(CardEntry, faceDown) == 0, "faceDown at 0");
TS_STATIC_ASSERT(offsetof(CardEntry, mark) == 4, "mark at 4");
TS_STATIC_ASSERT(offsetof(CardEntry, image) == 8, "image at 8");
TS_STATIC_ASSERT(offsetof(CardEntry, imageHigh) == 10, "imageHigh at 10");
TS_STATIC_ASSERT(sizeof(CardStack) == 24, "CardStack header is 24 bytes");
TS_STATIC_ASSERT(offsetof(CardStack, framed) == 0, "framed at 0");
TS_STATIC_ASSERT(offsetof(CardStack, x) == 4, "x at 4");
TS_STATIC_ASSERT(offsetof(CardStack, y) == 8, "y at 8");
TS_STATIC_ASSERT(offsetof(CardStack, baseImage) == 12, "baseImage at 12");
TS_STATIC_ASSERT(offsetof(CardStack, fanDirection) == 14, "fanDirection at 14");
TS_STATIC_ASSERT(offsetof(CardStack, capacity) == 16, "capacity at 16");
TS_STATIC_ASSERT(offsetof(CardStack, reserved) == 18, "reserved at 18");
TS_STATIC_ASSERT(offsetof(CardStack, count) == 20, "count at 20");
TS_STATIC_ASSERT(offsetof(CardStack, cards) == 24, "cards at 24");

#endif /* TESSEL_TABLE_H */

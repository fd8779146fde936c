/*
 * tessel_module.h - the interface between Lumora Solitaire and a game module.
 *
 * SPDX-License-Identifier: MIT
 *
 * A game module is a DLL that exports the sixteen TS... entry points below
 * with undecorated names (use a .def file). The host calls them on its one
 * GUI thread; the module answers by sending the host's main window the HM_...
 * messages with SendMessageA. Usable from C and C++; needs nothing but
 * <stdint.h> and tessel_table.h, so a module's rules can be built and tested
 * without <windows.h>.
 */
#ifndef TESSEL_MODULE_H
#define TESSEL_MODULE_H

#include "tessel_table.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Calling convention of the entry points: the platform's WINAPI. */
#if defined(_WIN32) && !defined(_WIN64)
#define TS_CALL __stdcall
#else
#define TS_CALL
#endif

/* Handles as the module sees them: an HWND and a movable HGLOBAL. */
typedef void* TSWindow;
typedef void* TSMemory;

/* Host service messages (WM_USER + 1000 ...). */
enum {
    HM_ADDCARD = 2024,     /* lParam: CardPlacement*             -> 0 */
    HM_MOVECARD = 2025,    /* lParam: CardMove*                  -> 0 */
    HM_CREATESTACK = 2026, /* lParam: StackSpec*                 -> CardStack* or 0 */
    HM_SHUFFLE = 2027,     /* wParam: count, lParam: uint8_t[]   -> 1 shuffled, 0 not */
    HM_QUERYHOST = 2028,   /*                                    -> 1 */
    HM_NOOP = 2029,        /*                                    -> 0 */
    HM_SETSCORE = 2030,    /* lParam: const char*                -> 0 */
    HM_SETMESSAGE = 2031,  /* lParam: const char*                -> 0 */
    HM_GAMELOST = 2032,    /*                                    -> 0 */
    HM_GAMEWON = 2033,     /*                                    -> 0 */
    HM_REMOVECARD = 2034,  /* wParam: card index, lParam: CardStack* -> 0 */
    HM_ADDOPTION = 2035,   /* wParam: option number, lParam: const char* -> 0 */
    HM_CHECKOPTION = 2036, /* lParam: option number | (checked << 16) -> 0 */
    HM_GETAUTOPLAY = 2037, /*                                    -> 1 on, 0 off */
    HM_MARKCARD = 2038,    /* wParam: mark value, lParam: CardStack* -> 0 */
    HM_CLEARSTACK = 2039,  /* lParam: CardStack*                 -> 0 */
    HM_FIRST = HM_ADDCARD,
    HM_LAST = HM_CLEARSTACK
};

/* HM_ADDCARD: put a card on top of a stack. */
typedef struct CardPlacement {
    CardStack* stack;
    uint32_t faceDown;
    uint32_t mark;
    uint32_t image;     /* low 16 bits: the card image index */
    uint32_t redrawNow; /* nonzero: repaint before returning */
} CardPlacement;

/* HM_MOVECARD: move (or turn, when source == destination) the top card. */
typedef struct CardMove {
    CardStack* source;
    CardStack* destination;
    uint32_t faceDown; /* the face-down word the moved card gets */
    uint32_t slide;    /* low 16 bits == TS_SLIDE: the card slides */
    uint32_t redrawNow;
} CardMove;

enum { TS_SLIDE = 1 };

/* HM_CREATESTACK: the first 20 bytes of a CardStack header; x and y are in
 * small-card pixels. */
typedef struct StackSpec {
    uint32_t framed;
    int32_t x;
    int32_t y;
    int16_t baseImage;
    int16_t fanDirection;
    int16_t capacity;
    int16_t reserved;
} StackSpec;

/* Answers of TSMouseHit. */
enum {
    TS_HIT_DRAG_RUN = 0, /* drag the hit card and every card above it */
    TS_HIT_MARK = 1,     /* the host marks the hit card */
    TS_HIT_NOTHING = 2,  /* nothing happens */
    TS_HIT_DRAG_CARD = 3 /* drag the hit card alone */
};

enum { TS_NAME_BYTES = 64 };

/* The sixteen entry points, in the order the host looks them up. */
typedef int32_t(TS_CALL* TSInitModuleProc)(TSWindow host, char* name, int32_t* extent);
typedef void(TS_CALL* TSCloseModuleProc)(void);
typedef int32_t(TS_CALL* TSNewGameProc)(void);
typedef void(TS_CALL* TSLoadGameProc)(CardStack** stacks, int16_t count, TSMemory data);
typedef TSMemory(TS_CALL* TSGetGameDataProc)(void);
typedef void(TS_CALL* TSSetGameDataProc)(void);
typedef void(TS_CALL* TSSetupOptionsMenuProc)(void);
typedef void(TS_CALL* TSOptionSelectedProc)(int32_t option);
typedef void(TS_CALL* TSAutoPlayProc)(void);
typedef int16_t(TS_CALL* TSMouseHitProc)(CardStack* stack, int16_t card);
typedef void(TS_CALL* TSDoubleClickProc)(CardStack* stack, int16_t card);
typedef int32_t(TS_CALL* TSOkToDropCardsProc)(CardStack* dragged, CardStack* target);
typedef void(TS_CALL* TSStackChangedProc)(CardStack* target);
typedef void(TS_CALL* TSPrepareForUndoProc)(void);
typedef void(TS_CALL* TSUndoProc)(void);
typedef int16_t(TS_CALL* TSGetScoreProc)(void);

/* Optional: the name of a pile as the player knows it ("Foundation 2",
 * "Column 5", "Stock"), written zero-terminated into name (size bytes);
 * nonzero when the pile has one. The host reads it to describe the
 * keyboard's focus; without it the host numbers the stacks in creation
 * order. */
typedef int32_t(TS_CALL* TSGetStackNameProc)(CardStack* stack, char* name, int32_t size);

/* Declarations a module implements. TSInitModule writes the game's name
 * (at most 63 characters) and its table width and height in small-card
 * pixels, and returns nonzero to be accepted. */
int32_t TS_CALL TSInitModule(TSWindow host, char* name, int32_t* extent);
void TS_CALL TSCloseModule(void);
int32_t TS_CALL TSNewGame(void);
void TS_CALL TSLoadGame(CardStack** stacks, int16_t count, TSMemory data);
TSMemory TS_CALL TSGetGameData(void);
void TS_CALL TSSetGameData(void);
void TS_CALL TSSetupOptionsMenu(void);
void TS_CALL TSOptionSelected(int32_t option);
void TS_CALL TSAutoPlay(void);
int16_t TS_CALL TSMouseHit(CardStack* stack, int16_t card);
void TS_CALL TSDoubleClick(CardStack* stack, int16_t card);
int32_t TS_CALL TSOkToDropCards(CardStack* dragged, CardStack* target);
void TS_CALL TSStackChanged(CardStack* target);
void TS_CALL TSPrepareForUndo(void);
void TS_CALL TSUndo(void);
int16_t TS_CALL TSGetScore(void);
int32_t TS_CALL TSGetStackName(CardStack* stack, char* name, int32_t size); /* optional */

#ifdef __cplusplus
} /* extern "C" */
#endif

TS_STATIC_ASSERT(sizeof(StackSpec) == 20, "StackSpec is 20 bytes");
TS_STATIC_ASSERT(offsetof(StackSpec, framed) == 0, "framed at 0");
TS_STATIC_ASSERT(offsetof(StackSpec, x) == 4, "x at 4");
TS_STATIC_ASSERT(offsetof(StackSpec, y) == 8, "y at 8");
TS_STATIC_ASSERT(offsetof(StackSpec, baseImage) == 12, "StackSpec matches the CardStack header");
TS_STATIC_ASSERT(offsetof(StackSpec, fanDirection) == 14, "fanDirection at 14");
TS_STATIC_ASSERT(offsetof(StackSpec, capacity) == 16, "capacity at 16");
TS_STATIC_ASSERT(offsetof(StackSpec, reserved) == 18, "reserved at 18");
TS_STATIC_ASSERT(HM_LAST - HM_FIRST == 15, "sixteen service messages, 2024 to 2039");
#if UINTPTR_MAX == 0xFFFFFFFFu
TS_STATIC_ASSERT(sizeof(CardPlacement) == 20, "CardPlacement is 20 bytes");
TS_STATIC_ASSERT(offsetof(CardPlacement, stack) == 0, "stack at 0");
TS_STATIC_ASSERT(offsetof(CardPlacement, faceDown) == 4, "faceDown at 4");
TS_STATIC_ASSERT(offsetof(CardPlacement, mark) == 8, "mark at 8");
TS_STATIC_ASSERT(offsetof(CardPlacement, image) == 12, "image at 12");
TS_STATIC_ASSERT(offsetof(CardPlacement, redrawNow) == 16, "redrawNow at 16");
TS_STATIC_ASSERT(sizeof(CardMove) == 20, "CardMove is 20 bytes");
TS_STATIC_ASSERT(offsetof(CardMove, source) == 0, "source at 0");
TS_STATIC_ASSERT(offsetof(CardMove, destination) == 4, "destination at 4");
TS_STATIC_ASSERT(offsetof(CardMove, faceDown) == 8, "faceDown at 8");
TS_STATIC_ASSERT(offsetof(CardMove, slide) == 12, "slide at 12");
TS_STATIC_ASSERT(offsetof(CardMove, redrawNow) == 16, "redrawNow at 16");
#else
/* 64-bit: the pointers widen to 8 bytes, same order, natural alignment. */
TS_STATIC_ASSERT(sizeof(CardPlacement) == 24, "CardPlacement is 24 bytes");
TS_STATIC_ASSERT(offsetof(CardPlacement, stack) == 0, "stack at 0");
TS_STATIC_ASSERT(offsetof(CardPlacement, faceDown) == 8, "faceDown at 8");
TS_STATIC_ASSERT(offsetof(CardPlacement, mark) == 12, "mark at 12");
TS_STATIC_ASSERT(offsetof(CardPlacement, image) == 16, "image at 16");
TS_STATIC_ASSERT(offsetof(CardPlacement, redrawNow) == 20, "redrawNow at 20");
TS_STATIC_ASSERT(sizeof(CardMove) == 32, "CardMove is 32 bytes");
TS_STATIC_ASSERT(offsetof(CardMove, source) == 0, "source at 0");
TS_STATIC_ASSERT(offsetof(CardMove, destination) == 8, "destination at 8");
TS_STATIC_ASSERT(offsetof(CardMove, faceDown) == 16, "faceDown at 16");
TS_STATIC_ASSERT(offsetof(CardMove, slide) == 20, "slide at 20");
TS_STATIC_ASSERT(offsetof(CardMove, redrawNow) == 24, "redrawNow at 24");
#endif

#endif /* TESSEL_MODULE_H */

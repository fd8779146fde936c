// The table the layout test module deals, and what the end-to-end driver
// may ask it. Shared by the module and the driver, so both know where every
// stack and card is meant to be.
#pragma once

#include <windows.h>

#include <cstdint>

namespace layout {

constexpr char kWindowClass[] = "LumoraLayoutWindow";
constexpr char kGameName[] = "Layout Game";
// The table in small-card pixels.
constexpr int kTableWidth = 630;
constexpr int kTableHeight = 220;

constexpr int kMaxCards = 8;
constexpr int16_t kNoBase = -1;

struct Card {
    int16_t image;
    bool faceDown;
    bool marked;
};

struct StackPlan {
    int16_t fan;
    int32_t x, y;  // small-card pixels
    bool framed;
    int16_t base;
    int count;
    Card cards[kMaxCards];
};

// Card image index: suit * 13 + rank. 13 is the ace of suit 1 (the card
// set's own ace), 10..12 the courts of suit 0.
constexpr StackPlan kStacks[] = {
    // Every fan direction with face-up cards; some framed, some marked.
    {0, 100, 10, true, kNoBase, 4, {{0, false, false}, {1, false, true}, {2, false, false}, {3, false, false}}},
    {1, 120, 10, false, 0, 4, {{13, false, false}, {14, false, false}, {15, false, false}, {16, false, true}}},
    {2, 200, 50, false, kNoBase, 3, {{26, false, false}, {27, false, false}, {28, false, false}}},
    {3, 260, 10, true, kNoBase, 3, {{10, false, false}, {11, false, false}, {12, false, false}}},
    {4, 360, 10, false, kNoBase, 3, {{39, false, false}, {40, false, true}, {41, false, false}}},
    {5, 420, 10, false, kNoBase, 3, {{4, false, false}, {5, false, false}, {6, false, false}}},
    {6, 500, 30, false, kNoBase, 3, {{7, false, false}, {8, false, false}, {9, false, false}}},
    {7, 560, 10, false, kNoBase, 3, {{17, false, false}, {18, false, false}, {19, false, true}}},
    // Squared on a frame and a base image, the top card face down.
    {8, 20, 130, true, 1, 3, {{20, false, false}, {21, false, false}, {22, true, false}}},
    // Counted: seven face-down cards, and an empty one on a base image.
    {9,
     90,
     130,
     false,
     kNoBase,
     7,
     {{23, true, false},
      {24, true, false},
      {25, true, false},
      {29, true, false},
      {30, true, false},
      {31, true, false},
      {32, true, false}}},
    {9, 160, 130, false, 5, 0, {}},
    // An empty framed stack on a base image.
    {8, 230, 130, true, 7, 0, {}},
    // Face-down cards fanned right, overlapped by the next stack.
    {1,
     300,
     130,
     false,
     kNoBase,
     5,
     {{33, true, false}, {34, true, false}, {35, true, false}, {36, true, false}, {37, true, false}}},
    {8, 380, 150, false, kNoBase, 1, {{50, false, false}}},
    // A covered marked card shows its band only in its visible strip.
    {3, 450, 130, false, kNoBase, 2, {{42, false, true}, {43, false, false}}},
    // A direction this program does not know: nothing is drawn for it.
    {12, 520, 130, false, 0, 1, {{44, false, false}}},
    // A card image outside 0..51: its base image shows, the card does not.
    {8, 575, 130, false, 0, 1, {{60, false, false}}},
};
constexpr int kStackCount = sizeof kStacks / sizeof kStacks[0];

enum Request : UINT {
    // Result: how often the main window received WM_COMMAND wParam.
    kCommandCount = WM_APP + 1,
    // Result: how often the host called TSNewGame.
    kNewGameCount,
    // lParam: a text in the probe window's title is sent with HM_SETMESSAGE
    // (wParam 0) or HM_SETSCORE (wParam 1).
    kSetText,
    // Result: GDI objects the process holds now (-1 when they cannot be counted).
    kGdiObjects,
    // Result: bytes allocated on the process's heaps now.
    kHeapBytes,
    // wParam: rounds. Each round repaints the window, changes the card set
    // and the background, and marks and unmarks a card. Result: the rounds run.
    kChurn,
    // wParam: rounds, lParam: what (a Bench value). Result: nanoseconds
    // per round.
    kBench,
    // wParam: 1 deals the bench table on the next deal, 0 the layout table.
    kUseBenchTable,
    // Has the main window measure and draw one item of a picture menu into
    // a picture of the module's. wParam: menu (0 Backgrounds, 1 Card sets)
    // | item << 8 | selected << 16; lParam: the item's width. Result: the
    // address of a MenuItemPicture in the program's memory, or 0.
    kDrawMenuItem,
};

struct MenuItemPicture {
    int32_t id;          // the item's command
    int32_t ownerDrawn;  // nonzero when the item is owner-drawn
    int32_t measuredWidth, measuredHeight;
    int32_t width, height;      // of the pixels below
    uint32_t pixels[160 * 80];  // 0x00RRGGBB, rows from the top
};
constexpr int kMenuItemHeight = 71;
constexpr uint32_t kUnpainted = 0xFF00FF;  // the item's picture before drawing

// The bench table: a deal of 13 stacks as a classic patience lays it out:
// a stock, a waste, four foundations and seven fanned columns.
constexpr int kBenchStacks = 13;

enum Bench : LPARAM {
    kBenchCopy,       // the window uncovered: a copy of the back buffer
    kBenchEraseCopy,  // the same with the background erased first
    kBenchFull,       // a background choice: erase, the whole back buffer redrawn, copy
    kBenchOneCard,    // a card marked: its area redrawn, copy
};

}  // namespace layout

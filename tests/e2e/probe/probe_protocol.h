// What the end-to-end driver may ask the probe module, which runs inside
// the program's process and thread and answers through a hidden window.
//
// The probe is installed under a Game List stem; its game is named
// "Probe <stem>" and its window class is "LumoraProbeWindow:<stem>". It deals
// three stacks (small-card pixels):
//   stack 0 at (10, 10), fanned down: the first five cards of a shuffled deck
//   stack 1 at (120, 10), fanned down: empty
//   stack 2 at (230, 10), squared: the sixth card
// The stem FREECELL (the first Game List stem) adds three Options items, any other stem one.
#pragma once

#include <windows.h>

namespace probe {

constexpr char kWindowClassPrefix[] = "LumoraProbeWindow:";
constexpr char kGameNamePrefix[] = "Probe ";
constexpr int kTableWidth = 300;
constexpr int kTableHeight = 200;
// "WIDTHxHEIGHT" in this environment variable, inherited from the driver,
// replaces the table size the probe reports.
constexpr char kExtentVariable[] = "LUMORA_PROBE_EXTENT";
constexpr int kStacks = 3;
constexpr int kStackX[kStacks] = {10, 120, 230};
constexpr int kStackY = 10;
constexpr int kDealtOnFirstStack = 5;

// A menu position: top is the menu bar's item, or kMenuBar for the bar itself.
constexpr int kMenuBar = -1;

enum Request : UINT {
    // wParam: command id. Result: GetMenuState by command, or 0xFFFFFFFF.
    kMenuStateById = WM_APP + 1,
    // wParam: top. Result: the number of items.
    kMenuItemCount,
    // wParam: top, lParam: position. Result: the item's command id (-1 for a submenu).
    kMenuItemId,
    // wParam: top, lParam: position. Result: GetMenuState by position.
    kMenuItemState,
    // wParam: top, lParam: position. The item's text becomes the probe
    // window's title; the result is its length.
    kMenuItemText,
    // wParam: command id. Result: how often the main window received it.
    kCommandCount,
    // wParam: entry point index (lookup order). Result: how often the host called it.
    kEntryCount,
    // wParam: what TSMouseHit answers from now on (TS_HIT_...).
    kSetHitAnswer,
    // wParam: nonzero makes TSOkToDropCards accept.
    kSetDropAnswer,
    // wParam: stack. Result: its count, or -1 before a deal.
    kStackCount,
    // wParam: stack, lParam: card. Result: image | faceDown << 16 | (mark != 0) << 17.
    kStackCard,
    // Result: the card index of the last TSMouseHit (sign-extended).
    kLastHitCard,
    // wParam: source stack, lParam: destination. Moves the top card with a
    // slide (HM_MOVECARD). Result: the milliseconds the message took.
    kSlideTopCard,
    // Post these: the probe sends HM_GAMEWON or HM_GAMELOST, whose dialog is modal.
    kSendGameWon,
    kSendGameLost,
    // wParam: a Sound. Result: how often the program played it.
    kSoundCount,
    // wParam: a number. The probe sets the message text to "Probe message"
    // and the score text to "Score: <number>" (HM_SETMESSAGE, HM_SETSCORE).
    kSetTexts,
    // wParam: a number that TSGetGameData hands out from now on, in a
    // 4-byte block; 0 hands out no block.
    kSetDataBlock,
    // Result: the number in the block TSLoadGame last received, -1 when it
    // received none, -2 before any load.
    kLoadedData,
    // The probe's window takes the mouse capture, as a menu or another
    // window would.
    kTakeCapture,
    // Live GDI objects and busy heap bytes of the program's process.
    kGdiObjects,
    kHeapBytes,
    // wParam: rounds of play. Each round deals again (Replay), drags a run
    // from stack 0 to stack 1 (accepted), undoes and redoes it, slides a
    // card back, views a covered card with the right button and switches
    // the card set. Result: the rounds played.
    kPlayRounds,
    // Result: how the splash stood when the host initialised the probe,
    // during start-up: kSplashPainted, kSplashUnpainted (it or one of its
    // controls still waited for its first paint) or kNoSplash.
    kSplashAtInit,
    // wParam: a virtual key. Result: how often the main window received its
    // release (WM_KEYUP): the sign that a key typed to it went all the way
    // through the message loop.
    kKeyUpCount,
    kLastRequest = kKeyUpCount,
};

enum SplashSeen { kNoSplash, kSplashUnpainted, kSplashPainted };

// The host's sounds, as the probe sees them played (it watches the
// program's calls to sndPlaySoundA).
enum Sound { kFlipSound, kSlideSound, kShuffleSound, kWinSound, kLoseSound, kSounds };
constexpr const char* kSoundNames[kSounds] = {"FLIPSOUND", "SLIDESOUND", "SHUFFLESOUND", "WINSOUND", "LOSESOUND"};

// Entry points in the order the host looks them up.
enum Entry {
    kInitModule,
    kCloseModule,
    kNewGame,
    kLoadGame,
    kGetGameData,
    kSetGameData,
    kSetupOptionsMenu,
    kOptionSelected,
    kAutoPlay,
    kMouseHit,
    kDoubleClick,
    kOkToDropCards,
    kStackChanged,
    kPrepareForUndo,
    kUndo,
    kGetScore,
    kEntryPoints
};

}  // namespace probe

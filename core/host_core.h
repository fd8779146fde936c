// The centre of the host: the state the platform-free core works on
// (options and texts, the table, the view of it on screen, the mouse, the
// game in play and the loaded modules) and the seam through which it acts.
// One instance lives for the program's run. Everything in core/ depends on
// table/ and the two module-writer headers only; every subsystem above
// depends on it.
#pragma once

#include <cstdint>

#include "core/drag_state.h"
#include "core/host_random.h"
#include "core/host_seam.h"
#include "core/host_state.h"
#include "core/key_focus.h"
#include "core/module_table.h"
#include "core/table_extent.h"
#include "table/card_drawing.h"
#include "table/face_map.h"
#include "table/geometry.h"
#include "table/stack_table.h"

namespace core {

// Read and cleared by the paint pass.
struct PaintFlags {
    bool tableDirty = false;   // redraw the invalidated area of the back buffer
    bool fullRepaint = false;  // redraw the whole back buffer
};

struct UndoSnapshot {
    char messageText[kTextBytes] = {};
    char scoreText[kTextBytes] = {};
    ScoreRecord score;
};

struct GameFlow {
    int16_t currentModule = -1;
    bool scorePending = false;
    bool undoArmed = false;
    bool undoAvailable = false;
    int32_t optionCount = 0;
    UndoSnapshot snapshot;
};

struct HostCore {
    explicit HostCore(HostSeam& s) : seam(s) {}

    HostSeam& seam;
    HostState state;
    table::CardTable table;
    // The card size's geometry and the table origin, and the client area's
    // size the window layer reports on every resize and fit; the origin
    // centres the table's extent (pixels of the card size in use) in it.
    table::TableView view;
    int32_t clientWidth = 0;
    int32_t clientHeight = 0;
    Extent tableExtent;
    PaintFlags paint;
    DragState drag;
    KeyFocus keys;
    GameFlow flow;
    ModuleTable modules;
    HostRandom random;
    table::FaceMap faceMap = table::BuildFaceMap(1);

    // What drawing cards needs, for the seam and the paint pass.
    table::CardDrawing drawing() const { return {view, &faceMap, table::DrawnCardSet(state.cardSet)}; }
    table::CardSize cardSize() const { return state.cardSize == 1 ? table::CardSize::Large : table::CardSize::Small; }
    bool hasModule() const { return flow.currentModule >= 0 && flow.currentModule < modules.count; }
    ModuleEntry* currentModule()
    {
        return hasModule() ? &modules.rows[static_cast<size_t>(flow.currentModule)] : nullptr;
    }
};

// Plays a sound when the Sounds option is on.
void PlayTableSound(HostCore& core, Sound sound, SoundMode mode);

// Makes a card size the one in use: the geometry follows, and with rescale
// every stack of both tables is converted to the new size.
void SwitchCardSize(HostCore& core, table::CardSize size, bool rescale);

// Until a game's table is fitted, the table is the whole client area below
// the strip.
void WindowMade(HostCore& core, int32_t clientWidth, int32_t clientHeight);
// The client area has a new size: the table origin follows and the whole
// back buffer is redrawn.
void ClientResized(HostCore& core, int32_t clientWidth, int32_t clientHeight);
// Sizes the window for a game's table (small-card pixels): the window holds
// the table in pixels of the card size in use plus the strip, the table is
// centred in the client area the window got, and the whole window is
// erased and repainted.
void FitWindowToTable(HostCore& core, int32_t smallWidth, int32_t smallHeight);

// Marks an area of the table changed: the paint pass redraws it from the
// stacks. Never erases.
void InvalidateTable(HostCore& core, const table::Rect& area);

}  // namespace core

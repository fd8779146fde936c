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
#include "core/module_entry.h"
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
    // Kept by the window layer on every resize and fit: the card size's
    // geometry, the table origin and the client area's size.
    table::TableView view;
    int32_t clientWidth = 0;
    int32_t clientHeight = 0;
    PaintFlags paint;
    DragState drag;
    GameFlow flow;
    ModuleTable modules;
    HostRandom random;
    table::FaceMap faceMap = table::BuildFaceMap(1);

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

// Marks an area of the table changed: the paint pass redraws it from the
// stacks. Never erases.
void InvalidateTable(HostCore& core, const table::Rect& area);

}  // namespace core

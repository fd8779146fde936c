// When the program writes what it keeps: the score file, the resume file and
// the registry's CurState. Windows ends programs in more ways than Close, so
// the files are written as things happen, not only at exit:
//   - a game booked (or the scores cleared): the score file;
//   - the player looks away (the program loses activation or is minimised):
//     the resume file, so a crash loses at most the moves made since;
//   - the session ends (log-off, shut-down, a restart for updates) and the
//     normal exit: everything, in the order of the exit.
// Nothing is ever written before start-up has read what is stored, so a
// start-up that stopped early never replaces stored scores with empty ones.
#pragma once

#include <cstdint>

namespace persistence {

enum class SaveMoment : uint8_t {
    GameBooked,
    ScoresCleared,
    LookedAway,  // deactivated or minimised
    SessionEnding,
    Exit,
};

struct SaveConditions {
    bool storedStateRead = false;  // start-up has read the score file
    bool gameChosen = false;       // a game module is current
    // A dialog or message box of the program (or of its game module) is
    // open over the main window: a game may be half way through a change.
    bool dialogOpen = false;
};

// What to write, in this order: scores, then the game, then CurState.
struct SaveWhat {
    bool scores = false;
    bool resume = false;
    bool settings = false;
    bool operator==(const SaveWhat&) const = default;
};

SaveWhat WhatToSave(SaveMoment moment, const SaveConditions& conditions);

}  // namespace persistence

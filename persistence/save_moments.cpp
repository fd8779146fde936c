#include "persistence/save_moments.h"

namespace persistence {

SaveWhat WhatToSave(SaveMoment moment, const SaveConditions& c)
{
    if (!c.storedStateRead) return {};
    switch (moment) {
    case SaveMoment::GameBooked:
    case SaveMoment::ScoresCleared: return {.scores = true};
    // Looking away during a dialog waits for the next time: the dialog may
    // be the game-over box in the middle of a game's ending.
    case SaveMoment::LookedAway: return {.resume = c.gameChosen && !c.dialogOpen};
    // The session's end cannot wait: it writes what the exit writes.
    case SaveMoment::SessionEnding:
    case SaveMoment::Exit: return {.scores = true, .resume = c.gameChosen, .settings = true};
    }
    return {};
}

}  // namespace persistence

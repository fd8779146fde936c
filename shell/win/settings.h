// The registry: the saved-game file association and CurState, the record of
// the game and the window placement at the last exit.
#pragma once

#include "persistence/cur_state.h"

namespace shell {

// The record read at start-up (or the defaults), and whether it was read.
const persistence::CurStateRecord& TheCurState();
bool CurStateWasRead();

}  // namespace shell

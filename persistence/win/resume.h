// The resume file and the score file beside the executable.
#pragma once

namespace persistence {

// Start-up: the head of the resume file, or the defaults.
void RestoreHostState();
// Start-up: the score file, then the resumed game. True when a game came back.
bool ReadScoresAndResume();
// Exit: the score file, then the resume file.
void WriteScoresAndResume();

}  // namespace persistence

#include "persistence/win/resume.h"

namespace persistence {

// The resume and score files come with the saved-game format; until then
// every run starts fresh and nothing is written at exit.
void RestoreHostState() {}

bool ReadScoresAndResume()
{
    return false;
}

void WriteScoresAndResume() {}

void ShowScoreHistory() {}

}  // namespace persistence

#include "persistence/win/resume.h"

#include "table/win/card_images.h"

namespace persistence {

// The resume and score files come with the saved-game format; until then
// every run starts fresh and nothing is written at exit.
void RestoreHostState() {}

bool ReadScoresAndResume()
{
    table::ChooseStartupCardSize();
    return false;
}

void WriteScoresAndResume() {}

void ShowScoreHistory() {}

}  // namespace persistence

#include "persistence/win/resume.h"

#include <windows.h>

#include "persistence/game_file.h"
#include "persistence/score_file.h"
#include "persistence/win/file_io.h"
#include "persistence/win/saved_game.h"
#include "shell/win/host.h"
#include "table/win/card_images.h"

namespace persistence {

namespace {

constexpr char kResumeFile[] = "tslnsave.gam";
constexpr char kScoreFile[] = "tslnscor.sav";

bool FileExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

void RestoreHostState()
{
    HostState& state = shell::TheCore().state;
    FileSource file(BesideExecutable(kResumeFile).c_str());
    SavedGameHeader header;
    if (file.IsOpen() && ReadRecord(file, header) && IsSavedGameHeader(header)) {
        state = header.state;
        // No card library has been tried yet: an untried one counts as there.
        MakeUsable(state, 0);
    } else {
        state = HostState{};
    }
}

bool ReadScoresAndResume()
{
    modules::HostCore& core = shell::TheCore();
    {
        FileSource scores(BesideExecutable(kScoreFile).c_str());
        if (scores.IsOpen()) ReadScoreFile(core.modules, scores);
    }
    const std::string resume = BesideExecutable(kResumeFile);
    if (FileExists(resume) && LoadGameFile(resume.c_str())) return true;

    // No game came back: the start-up defaults, now with the card libraries
    // known.
    core.state = HostState{};
    table::ChooseStartupCardSize();
    return false;
}

void WriteScoresAndResume()
{
    modules::HostCore& core = shell::TheCore();
    ReplaceFile(BesideExecutable(kScoreFile), [&](ByteSink& out) {
        WriteScoreFile(core.modules, out);
        return true;
    });
    // Without a game nothing is written and an older resume file stays.
    if (core.hasModule())
        ReplaceFile(BesideExecutable(kResumeFile),
                    [&](ByteSink& out) { return WriteGameFile(core, TheGameMemory(), out); });
}

}  // namespace persistence

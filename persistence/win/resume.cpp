#include "persistence/win/resume.h"

#include <windows.h>

#include "core/win/app.h"
#include "platform/win/executable_folder.h"
#include "modules/card_choice.h"
#include "persistence/game_file.h"
#include "persistence/score_file.h"
#include "persistence/win/file_io.h"
#include "persistence/win/folder_report.h"
#include "persistence/win/replace_file.h"
#include "persistence/win/saved_game.h"

namespace persistence {

namespace {

constexpr char kResumeFile[] = "tslnsave.gam";
constexpr char kScoreFile[] = "tslnscor.sav";

bool g_storedStateRead = false;

void Kept(const ReplaceOutcome& outcome, Report report)
{
    if (outcome.failed != WriteStep::None) ReportUnwritableFolder(outcome.error, report);
}

bool FileExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

void RestoreHostState()
{
    core::HostState& state = core::TheCore().state;
    FileSource file(platform::BesideExecutable(kResumeFile).c_str());
    SavedGameHeader header;
    if (file.IsOpen() && ReadRecord(file, header) && IsSavedGameHeader(header)) {
        state = header.state;
        // No card library has been tried yet: an untried one counts as there.
        core::MakeUsable(state, 0);
    } else {
        state = core::HostState{};
    }
}

bool ReadScoresAndResume()
{
    core::HostCore& core = core::TheCore();
    {
        FileSource scores(platform::BesideExecutable(kScoreFile).c_str());
        if (scores.IsOpen()) ReadScoreFile(core.modules, scores);
    }
    g_storedStateRead = true;
    const std::string resume = platform::BesideExecutable(kResumeFile);
    if (FileExists(resume) && LoadGameFile(resume.c_str())) return true;

    // No game came back: the start-up defaults, now with the card libraries
    // known.
    core.state = core::HostState{};
    modules::ChooseStartupCardSize(core);
    return false;
}

bool StoredStateRead() { return g_storedStateRead; }

void WriteScores(const core::ModuleTable& modules, Report report)
{
    Kept(ReplaceFile(platform::BesideExecutable(kScoreFile),
                     [&](ByteSink& out) {
                         WriteScoreFile(modules, out);
                         return true;
                     }),
         report);
}

void WriteResume(Report report)
{
    core::HostCore& core = core::TheCore();
    // Without a game nothing is written and an older resume file stays.
    Kept(ReplaceFile(platform::BesideExecutable(kResumeFile),
                     [&](ByteSink& out) { return WriteGameFile(core, TheGameMemory(), out); }),
         report);
}

}  // namespace persistence

#include "modules/game_flow.h"

#include <cstdio>
#include <utility>

#include "core/module_calls.h"
#include "furniture/strip_layout.h"
#include "interaction/card_motion.h"
#include "interaction/dragging.h"

namespace modules {

namespace {

constexpr int kStartupRow = 6;

void ClearTextsAndUndo(core::HostCore& core)
{
    core.flow.undoAvailable = false;
    core.flow.undoArmed = false;
    core.state.messageText[0] = '\0';
    core.state.scoreText[0] = '\0';
}

void InvalidateStrip(core::HostCore& core)
{
    core::InvalidateTable(core, {0, 0, core.clientWidth, furniture::kStripHeight});
    core.seam.RepaintNow();
}

template <size_t N>
void SwapTexts(char (&a)[N], char (&b)[N])
{
    for (size_t i = 0; i < N; ++i) std::swap(a[i], b[i]);
}

}  // namespace

bool ChooseGame(core::HostCore& core, int row)
{
    if (row < 0 || row >= core.modules.count) return false;
    BookGame(core);
    interaction::DiscardTable(core);
    ClearTextsAndUndo(core);
    core.state.gameInPlay = 0;

    const uint32_t now = static_cast<uint32_t>(core.seam.CalendarSeconds());
    core.state.seed = now == core.state.seed ? core.seam.TickCount() : now;

    MakeGameCurrent(core, row, {.refit = false, .erase = true});
    core.seam.PostCommand(kCommandReplay);
    return true;
}

void MakeGameCurrent(core::HostCore& core, int row, ShowGame show)
{
    core::ModuleEntry& m = core.modules.rows[static_cast<size_t>(row)];
    const bool otherGame = row != core.flow.currentModule;

    core.paint.fullRepaint = true;
    if (otherGame || show.refit) {
        core::FitWindowToTable(core, m.tableWidth, m.tableHeight);
    } else {
        core.seam.InvalidateClient(show.erase);
        core.seam.RepaintNow();
    }

    char title[32 + TS_NAME_BYTES];
    std::snprintf(title, sizeof title, "Lumora Solitaire - %s", m.name);
    core.seam.SetTitle(title);

    if (otherGame) {
        RemoveOptionItems(core);
        if (m.entry.setupOptionsMenu) m.entry.setupOptionsMenu();
    }
    if (core.flow.currentModule == -1) core.seam.EnableGameCommands();
    core.seam.CheckGameListRow(row, core.modules.count);

    core::CopyText(core.state.moduleName, m.name);
    core.flow.currentModule = static_cast<int16_t>(row);
    core.seam.RedrawMenuBar();
}

bool ChooseStartupGame(core::HostCore& core) { return ChooseGame(core, kStartupRow); }

bool NewGame(core::HostCore& core) { return ChooseGame(core, core.flow.currentModule); }

void Deal(core::HostCore& core)
{
    core::ModuleEntry* m = core.currentModule();
    if (!m) return;
    BookGame(core);
    interaction::DiscardTable(core);
    ClearTextsAndUndo(core);
    core.state.gameInPlay = 0;  // until the module has dealt
    core.random.Seed(core.state.seed);
    core.paint.fullRepaint = true;
    core.seam.InvalidateClient(false);
    core.seam.RepaintNow();

    if (!m->entry.newGame || m->entry.newGame() == 0) {
        core.seam.SetTitle("Lumora Solitaire");
        return;
    }
    core.flow.scorePending = true;
    core.state.gameInPlay = 1;
    core::AutoPlayStep(core);
}

void Undo(core::HostCore& core)
{
    core::ModuleEntry* m = core.currentModule();
    if (!m || !core.flow.undoAvailable || !core.state.gameInPlay) return;
    interaction::CancelDrag(core);
    core::UndoSnapshot& snap = core.flow.snapshot;
    SwapTexts(core.state.messageText, snap.messageText);
    SwapTexts(core.state.scoreText, snap.scoreText);
    std::swap(m->score, snap.score);
    core.table.Swap();
    if (m->entry.undo) m->entry.undo();
    core.paint.tableDirty = true;
    core.seam.InvalidateClient(false);
    core.seam.RepaintNow();
    core::AutoPlayStep(core);
}

void ToggleAutoPlay(core::HostCore& core)
{
    interaction::CancelDrag(core);
    core.state.autoPlay = core.state.autoPlay ? 0 : 1;
    core.seam.CheckMenuItem(kCommandAutoPlay, core.state.autoPlay != 0);
    core::AutoPlayStep(core);
}

void ToggleSounds(core::HostCore& core)
{
    core.state.sounds = core.state.sounds == 0 ? 1 : 0;
    core.seam.CheckMenuItem(kCommandSounds, core.state.sounds != 0);
}

void GameOver(core::HostCore& core, bool won)
{
    if (!core.state.gameInPlay) return;
    core.state.gameInPlay = 0;
    core::PlayTableSound(core, won ? core::Sound::Win : core::Sound::Lose, core::SoundMode::Async);
    if (won) {
        if (core::ModuleEntry* m = core.currentModule()) ++m->score.wins;
    }
    core.seam.ShowGameOver(won);
    BookGame(core);
    core::CopyText(core.state.messageText, "Game Over");
    InvalidateStrip(core);
}

void BookGame(core::HostCore& core)
{
    if (!core.flow.scorePending) return;
    core.flow.scorePending = false;
    core::ModuleEntry* m = core.currentModule();
    if (!m) return;
    const int32_t s = m->entry.getScore ? m->entry.getScore() : 0;
    core::ScoreRecord& r = m->score;
    r.scoreTotal = static_cast<int32_t>(static_cast<uint32_t>(r.scoreTotal) + static_cast<uint32_t>(s));
    if (s > r.scoreMax) r.scoreMax = s;
    r.played = static_cast<int32_t>(static_cast<uint32_t>(r.played) + 1u);
    core.seam.ScoresChanged(core.modules);
}

void SetScoreText(core::HostCore& core, const char* text)
{
    core::CopyText(core.state.scoreText, text);
    InvalidateStrip(core);
}

void SetMessageText(core::HostCore& core, const char* text)
{
    core::CopyText(core.state.messageText, text);
    InvalidateStrip(core);
}

void AddOptionItem(core::HostCore& core, uint16_t option, const char* text)
{
    char item[core::kTextBytes];
    core::CopyText(item, text);
    core.seam.AppendOptionItem(kCommandFirstOption + option, item, core.flow.optionCount == 0);
    ++core.flow.optionCount;
    core.seam.RedrawMenuBar();
}

void CheckOptionItem(core::HostCore& core, uint16_t option, bool checked)
{
    core.seam.CheckMenuItem(kCommandFirstOption + option, checked);
    core.seam.RedrawMenuBar();
}

void RemoveOptionItems(core::HostCore& core)
{
    if (core.flow.optionCount == 0) return;
    core.seam.RemoveOptionItems(core.flow.optionCount);
    core.flow.optionCount = 0;
    core.seam.RedrawMenuBar();
}

bool SelectOption(core::HostCore& core, int command)
{
    const int option = command - kCommandFirstOption;
    if (option < 0 || option >= core.flow.optionCount) return false;
    interaction::CancelDrag(core);
    core::CallOptionSelected(core, option);
    return true;
}

}  // namespace modules

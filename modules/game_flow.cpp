#include "modules/game_flow.h"

#include <cstdio>
#include <utility>

#include "interaction/card_motion.h"
#include "interaction/dragging.h"
#include "modules/module_calls.h"

namespace modules {

namespace {

void ClearTextsAndUndo(HostCore& core)
{
    core.flow.undoAvailable = false;
    core.flow.undoArmed = false;
    core.state.messageText[0] = '\0';
    core.state.scoreText[0] = '\0';
}

void InvalidateStrip(HostCore& core)
{
    InvalidateTable(core, core.StripRect());
    core.seam.RepaintNow();
}

template <size_t N>
void SwapTexts(char (&a)[N], char (&b)[N])
{
    for (size_t i = 0; i < N; ++i) std::swap(a[i], b[i]);
}

}  // namespace

bool ChooseGame(HostCore& core, int row)
{
    if (row < 0 || row >= core.modules.count) return false;
    ModuleEntry& m = core.modules.rows[static_cast<size_t>(row)];
    const bool otherGame = row != core.flow.currentModule;

    BookGame(core);
    interaction::DiscardTable(core);
    ClearTextsAndUndo(core);
    core.state.gameInPlay = 0;

    core.paint.fullRepaint = true;
    if (otherGame) {
        core.seam.FitWindowToTable(m.tableWidth, m.tableHeight);
    } else {
        core.seam.InvalidateClient(true);
        core.seam.RepaintNow();
    }

    const uint32_t now = static_cast<uint32_t>(core.seam.CalendarSeconds());
    core.state.seed = now == core.state.seed ? core.seam.TickCount() : now;

    char title[32 + TS_NAME_BYTES];
    std::snprintf(title, sizeof title, "Lumora Solitaire - %s", m.name);
    core.seam.SetTitle(title);

    if (otherGame) {
        RemoveOptionItems(core);
        if (m.entry.setupOptionsMenu) m.entry.setupOptionsMenu();
    }
    if (core.flow.currentModule == -1) core.seam.EnableGameCommands();
    core.seam.CheckGameListRow(row);

    persistence::CopyText(core.state.moduleName, m.name);
    core.flow.currentModule = static_cast<int16_t>(row);
    core.seam.RedrawMenuBar();
    core.seam.PostCommand(kCommandReplay);
    return true;
}

bool NewGame(HostCore& core) { return ChooseGame(core, core.flow.currentModule); }

void Deal(HostCore& core)
{
    ModuleEntry* m = core.currentModule();
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
    AutoPlayStep(core);
}

void Undo(HostCore& core)
{
    ModuleEntry* m = core.currentModule();
    if (!m || !core.flow.undoAvailable || !core.state.gameInPlay) return;
    interaction::CancelDrag(core);
    UndoSnapshot& snap = core.flow.snapshot;
    SwapTexts(core.state.messageText, snap.messageText);
    SwapTexts(core.state.scoreText, snap.scoreText);
    std::swap(m->score, snap.score);
    core.table.Swap();
    if (m->entry.undo) m->entry.undo();
    core.paint.tableDirty = true;
    core.seam.InvalidateClient(false);
    core.seam.RepaintNow();
    AutoPlayStep(core);
}

void ToggleAutoPlay(HostCore& core)
{
    interaction::CancelDrag(core);
    core.state.autoPlay = core.state.autoPlay ? 0 : 1;
    core.seam.CheckMenuItem(kCommandAutoPlay, core.state.autoPlay != 0);
    AutoPlayStep(core);
}

void GameOver(HostCore& core, bool won)
{
    if (!core.state.gameInPlay) return;
    core.state.gameInPlay = 0;
    PlayTableSound(core, won ? interaction::Sound::Win : interaction::Sound::Lose,
                   interaction::SoundMode::Async);
    if (won) {
        if (ModuleEntry* m = core.currentModule()) ++m->score.wins;
    }
    core.seam.ShowGameOver(won);
    BookGame(core);
    persistence::CopyText(core.state.messageText, "Game Over");
    InvalidateStrip(core);
}

void BookGame(HostCore& core)
{
    if (!core.flow.scorePending) return;
    core.flow.scorePending = false;
    ModuleEntry* m = core.currentModule();
    if (!m) return;
    const int32_t s = m->entry.getScore ? m->entry.getScore() : 0;
    ScoreRecord& r = m->score;
    r.scoreTotal = static_cast<int32_t>(static_cast<uint32_t>(r.scoreTotal) + static_cast<uint32_t>(s));
    if (s > r.scoreMax) r.scoreMax = s;
    r.played = static_cast<int32_t>(static_cast<uint32_t>(r.played) + 1u);
}

void ArmUndo(HostCore& core) { core.flow.undoArmed = true; }

void TakeUndoSnapshot(HostCore& core)
{
    ModuleEntry* m = core.currentModule();
    if (!m || !core.flow.undoArmed) return;
    core.flow.undoAvailable = true;
    core.flow.undoArmed = false;
    UndoSnapshot& snap = core.flow.snapshot;
    persistence::CopyText(snap.messageText, core.state.messageText);
    persistence::CopyText(snap.scoreText, core.state.scoreText);
    snap.score = m->score;
    core.table.Snapshot();
    if (m->entry.prepareForUndo) m->entry.prepareForUndo();
}

void AutoPlayStep(HostCore& core)
{
    ModuleEntry* m = core.currentModule();
    if (!m || !core.state.autoPlay || !core.state.gameInPlay || !m->entry.autoPlay) return;
    m->entry.autoPlay();
}

void SetScoreText(HostCore& core, const char* text)
{
    persistence::CopyText(core.state.scoreText, text);
    InvalidateStrip(core);
}

void SetMessageText(HostCore& core, const char* text)
{
    persistence::CopyText(core.state.messageText, text);
    InvalidateStrip(core);
}

void AddOptionItem(HostCore& core, uint16_t option, const char* text)
{
    char item[persistence::kTextBytes];
    persistence::CopyText(item, text);
    core.seam.AppendOptionItem(kCommandFirstOption + option, item, core.flow.optionCount == 0);
    ++core.flow.optionCount;
    core.seam.RedrawMenuBar();
}

void CheckOptionItem(HostCore& core, uint16_t option, bool checked)
{
    core.seam.CheckMenuItem(kCommandFirstOption + option, checked);
    core.seam.RedrawMenuBar();
}

void RemoveOptionItems(HostCore& core)
{
    if (core.flow.optionCount == 0) return;
    core.seam.RemoveOptionItems(core.flow.optionCount);
    core.flow.optionCount = 0;
    core.seam.RedrawMenuBar();
}

bool SelectOption(HostCore& core, int command)
{
    const int option = command - kCommandFirstOption;
    if (option < 0 || option >= core.flow.optionCount) return false;
    interaction::CancelDrag(core);
    CallOptionSelected(core, option);
    return true;
}

}  // namespace modules

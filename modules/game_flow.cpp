#include "modules/game_flow.h"

#include <array>
#include <cstdio>
#include <cstring>

#include "core/module_calls.h"
#include "modules/card_choice.h"
#include "furniture/strip_layout.h"
#include "interaction/card_motion.h"
#include "interaction/dragging.h"
#include "interaction/undo.h"
#include "modules/module_names.h"

namespace modules {

namespace {

void ClearTextsAndUndo(core::HostCore& core)
{
    interaction::ForgetUndo(core);
    core.state.messageText[0] = '\0';
    core.state.scoreText[0] = '\0';
}

// The host options' menu items follow the state a file brought.
void CheckHostOptions(core::HostCore& core)
{
    core.seam.CheckMenuItem(kCommandSmallCards, core.state.cardSize == 0);
    core.seam.CheckMenuItem(kCommandLargeCards, core.state.cardSize == 1);
    core.seam.CheckMenuItem(kCommandAutoPlay, core.state.autoPlay != 0);
    core.seam.CheckMenuItem(kCommandSounds, core.state.sounds != 0);
}

// A text of the strip takes a new value; only a change repaints, and only
// the part of the strip that shows it.
template <size_t N>
void ChangeStripText(core::HostCore& core, char (&shown)[N], const char* text, const table::Rect& part)
{
    char next[N];
    core::CopyText(next, text);
    if (std::strcmp(next, shown) == 0) return;
    core::CopyText(shown, next);
    core::InvalidateTable(core, part);
    core.seam.RepaintNow();
}

table::Rect ScoreBox() { return {furniture::kScoreLeft, 0, furniture::kMessageLeft, furniture::kStripHeight}; }

table::Rect MessageArea(const core::HostCore& core)
{
    return {furniture::kMessageLeft, 0, core.clientWidth, furniture::kStripHeight};
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
    ChangeStripText(core, core.state.messageText, "Game Over", MessageArea(core));
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

void BeginLoadingGame(core::HostCore& core)
{
    interaction::CancelDrag(core);
    BookGame(core);
}

void DiscardTableOfFailedLoad(core::HostCore& core)
{
    interaction::DiscardTable(core);
    core.state.gameInPlay = 0;
    interaction::ForgetUndo(core);
    core.paint.fullRepaint = true;
    core.seam.InvalidateClient(false);
    core.seam.RepaintNow();
}

void MakeLoadedGameCurrent(core::HostCore& core, int row, const core::HostState& state, table::CardTable& stacks,
                           TSMemory moduleData)
{
    interaction::DiscardTable(core);
    core.table.TakeStacksOf(stacks);

    // The module gets its own copy of the stack addresses: what it writes
    // into the array never reaches the host's table.
    core::ModuleEntry& m = core.modules.rows[static_cast<size_t>(row)];
    std::array<CardStack*, table::kMaxStacks> addresses = core.table.live().stacks;
    if (m.entry.loadGame) m.entry.loadGame(addresses.data(), core.table.count(), moduleData);

    const int16_t oldCardSize = core.state.cardSize;
    core.state = state;

    // A game saved in a card size whose library is missing comes up in the
    // other size, its stacks converted.
    const bool smallAvailable = core.seam.CardSizeAvailable(table::CardSize::Small);
    const bool largeAvailable = core.seam.CardSizeAvailable(table::CardSize::Large);
    const LoadedCardSize size = CardSizeForLoadedGame(state.cardSize, smallAvailable, largeAvailable);
    if (size.rescale)
        core.table.Rescale(state.cardSize == 1 ? table::CardSize::Large : table::CardSize::Small, size.size);
    core.state.cardSize = static_cast<int16_t>(size.size);
    core.seam.LoadCardPictures(size.size);
    core::SwitchCardSize(core, size.size, false);
    SelectCardSet(core, core.state.cardSet, false);

    interaction::ForgetUndo(core);

    CheckHostOptions(core);
    MakeGameCurrent(core, row, {.refit = oldCardSize != core.state.cardSize, .erase = false});
    if (core.state.gameInPlay) core.flow.scorePending = true;
}

void SetScoreText(core::HostCore& core, const char* text)
{
    ChangeStripText(core, core.state.scoreText, text, ScoreBox());
}

void SetMessageText(core::HostCore& core, const char* text)
{
    ChangeStripText(core, core.state.messageText, text, MessageArea(core));
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

// A host without a window: the platform-free core with a recording seam,
// and natively built game modules (shared objects exporting the sixteen
// entry points) loaded with dlopen. A test deals a game by seed and plays
// it with presses, moves and releases that go through the same dragging
// logic as the program's mouse handling.
//
// The module receives a TsNativeHost* as its TSWindow; its send() goes to
// the same service-message handler the program's window procedure calls.
// A module is a process-wide library: load each module into one host at a
// time.
//
//   headless::HeadlessHost host;
//   ASSERT_TRUE(host.LoadModule(path)) << host.LoadError();
//   ASSERT_TRUE(host.StartGame(0, 12345));        // row 0, dealt from seed 12345
//   EXPECT_TRUE(host.DragCard(3, 4, 9));           // card 4 of stack 3 onto stack 9
//   host.Undo();                                   // and back
//   EXPECT_EQ(host.ScoreText(), "Score: 0");
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/host_core.h"
#include "interaction/key_focus.h"
#include "persistence/game_file.h"
#include "recording_seam.h"
#include "tessel_native.h"

namespace headless {

class HeadlessHost {
public:
    HeadlessHost();
    ~HeadlessHost();
    HeadlessHost(const HeadlessHost&) = delete;
    HeadlessHost& operator=(const HeadlessHost&) = delete;

    // --- Modules ---------------------------------------------------------
    // Loads a module and calls its TSInitModule; true when it was accepted
    // (it becomes the next row). LoadError() tells why not.
    bool LoadModule(const std::string& path);
    // Accepts a module whose entry points live in this process (a scripted
    // test module): its TSInitModule is called as for a loaded one.
    bool AddModule(const core::ModuleEntryPoints& entry);
    const std::string& LoadError() const { return loadError_; }
    int ModuleCount() const { return core_.modules.count; }
    const core::ModuleEntry& Module(int row) const;

    // --- Game flow -------------------------------------------------------
    // Chooses the row (as the Game List does) and deals it from this seed.
    bool StartGame(int row, uint32_t seed);
    // The Game List choice with a seed from the pretend clock, then the deal.
    bool ChooseGame(int row);
    void NewGame();
    void Replay();
    void Undo();
    void ToggleAutoPlay();
    void SetAutoPlay(bool on);
    void SetSounds(bool on);
    // Chooses the current module's option n (command 5000 + n).
    bool SelectOption(int option);
    // Switches every stack to the other card size, as the card-size commands do.
    void SetCardSize(table::CardSize size);

    // --- The table -------------------------------------------------------
    int StackCount() const { return core_.table.count(); }
    CardStack& Stack(int i) const { return *core_.table[i]; }
    const table::CardTable& Table() const { return core_.table; }
    table::Rect CardRect(int stack, int card) const;
    table::Rect StackRect(int stack) const;
    // A point where HitTest finds exactly this card (or this empty stack
    // for card -1); false when every pixel of it is covered.
    bool PointOn(int stack, int card, table::Point& p) const;

    // --- The mouse (client coordinates) ----------------------------------
    // Left press, move and release reach the dragging logic only while a
    // game is in play, as in the program.
    void Press(int32_t x, int32_t y);
    void Move(int32_t x, int32_t y);
    bool Release(int32_t x, int32_t y);  // true when a stack accepted dragged cards
    void DoubleClickAt(int32_t x, int32_t y);
    void RightPress(int32_t x, int32_t y);
    void RightRelease(int32_t x, int32_t y);

    // --- The keyboard ------------------------------------------------------
    // One key on the table, as the keyboard window passes it on.
    bool Key(interaction::TableKey key);
    // Moves the keyboard's focus to a card with the arrow keys, + and -
    // alone (-1: the top card or an empty stack); false when no way of keys
    // leads there.
    bool KeysTo(int stack, int card = -1);
    // When set, Click, DoubleClick and DragCard play by keys instead of the
    // mouse: the arrows to the card, Enter to press (Esc when that lifted
    // cards a click would not have), Shift+Enter to double-click, Enter on
    // the target to drop. Set from the start when the environment variable
    // LUMORA_PLAY_BY_KEYS is there, so every game test can run by keys.
    void PlayByKeys(bool on) { byKeys_ = on; }
    bool PlaysByKeys() const { return byKeys_; }

    // Press and release on a card (stack's card index, -1 for an empty stack).
    bool Click(int stack, int card);
    // Press, release, double-click, release on a card.
    bool DoubleClick(int stack, int card);
    // Drags card `card` of stack `from` (with the cards above it, when the
    // module allows a run) so that it lands on the top of stack `to`, and
    // releases. True when stack `to` accepted the drop.
    bool DragCard(int from, int card, int to);

    // --- What the player sees --------------------------------------------
    std::string ScoreText() const { return core_.state.scoreText; }
    std::string MessageText() const { return core_.state.messageText; }
    std::string Title() const { return title_; }
    bool GameInPlay() const { return core_.state.gameInPlay != 0; }
    uint32_t Seed() const { return core_.state.seed; }
    int GamesWon() const { return won_; }
    int GamesLost() const { return lost_; }
    // The current module's score record (played, wins, total, best).
    core::ScoreRecord Score() const;
    int16_t CurrentModule() const { return core_.flow.currentModule; }
    // Options the module added, in order ("" when none).
    std::vector<std::string> OptionTexts() const { return options_; }
    bool OptionChecked(int option) const;

    // --- Saving ----------------------------------------------------------
    // The game as a saved-game file: header, host state, the module's data
    // block (TSGetGameData), then every stack as it lies in memory.
    std::vector<uint8_t> Save();
    // Loads such bytes as the program loads a file: rebuilds the stacks,
    // then TSLoadGame. False for a file that is not a saved game, names no
    // loaded module, or whose table block is inconsistent (then the table is
    // left empty, no game in play); LastLoadError() says which error the
    // player was shown.
    bool Load(const std::vector<uint8_t>& bytes);
    persistence::LoadError LastLoadError() const { return lastLoadError_; }

    core::HostCore& Core() { return core_; }
    RecordingSeam& Seam() { return seam_; }

private:
    struct Bridge : TsNativeHost {
        HeadlessHost* host = nullptr;
    };
    // The recording seam, plus the pretend window: title, option items and
    // game-over dialogs. A fitted window gets exactly the table and the strip.
    class WindowSeam : public RecordingSeam {
    public:
        explicit WindowSeam(HeadlessHost& host) : host_(host) {}
        void SetTitle(const char* title) override;
        void CheckMenuItem(int command, bool checked) override;
        void AppendOptionItem(int command, const char* text, bool separatorFirst) override;
        void RemoveOptionItems(int32_t count) override;
        void ShowGameOver(bool won) override;

    private:
        HeadlessHost& host_;
    };

    bool Accept(core::ModuleEntry& row);
    static intptr_t Send(TsNativeHost* self, uint32_t message, uintptr_t wParam, intptr_t lParam);
    void RunPostedCommands();

    WindowSeam seam_;
    core::HostCore core_;
    Bridge bridge_;
    std::vector<void*> libraries_;
    std::string loadError_;
    std::string title_;
    std::vector<std::string> options_;
    std::vector<bool> optionChecks_;
    persistence::LoadError lastLoadError_ = persistence::LoadError::None;
    int won_ = 0;
    int lost_ = 0;
    bool byKeys_ = false;
    bool ClickByKeys(int stack, int card);
    bool DoubleClickByKeys(int stack, int card);
    bool DragCardByKeys(int from, int card, int to);
};

}  // namespace headless

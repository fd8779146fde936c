// Playing a game in the program: the probe module deals a small table and
// the driver plays it with the mouse and the menus.
#include <cstdio>
#include <string>
#include <vector>

#include "checks.h"
#include "module_interface/tessel_module.h"
#include "probe_client.h"
#include "program.h"
#include "resources/resource.h"

namespace {

using e2e::ProbeClient;
using e2e::Program;

constexpr int kCardWidth = 45;  // small cards
constexpr int kFan = 10;
constexpr int kFirst = 0, kSecond = 1, kThird = 2;

// A running program with the probe chosen and dealt.
struct Table {
    Program program;
    HWND main = nullptr;
    ProbeClient probe;
    POINT origin{};

    Table() : main(program.WaitForMainWindow()), probe(program.pid())
    {
        if (!main || !probe.found()) return;
        program.SendCommand(IDM_GAMELIST_FIRST);  // choose the probe; it posts Replay
        WaitForDeal();
    }

    bool ready() const { return main && probe.found() && probe.StackCount(kFirst) == probe::kDealtOnFirstStack; }

    void WaitForDeal() const
    {
        for (int i = 0; i < 250 && probe.StackCount(kFirst) != probe::kDealtOnFirstStack; ++i) Sleep(20);
        program.Settle();
        const_cast<Table*>(this)->origin = Origin();
    }

    // The table is centred below the 32-pixel strip.
    POINT Origin() const
    {
        RECT client;
        GetClientRect(main, &client);
        const int x = (client.right - probe::kTableWidth) / 2;
        const int y = (client.bottom - probe::kTableHeight - 32) / 2 + 32;
        return {x < 0 ? 0 : x, y < 0 ? 0 : y};
    }

    // A point inside the visible strip of card i of a stack fanned down.
    POINT OnCard(int stack, int card) const
    {
        return {origin.x + probe::kStackX[stack] + kCardWidth / 2, origin.y + probe::kStackY + card * kFan + kFan / 2};
    }

    // Presses on a card, drags it in small steps and releases it at `to`.
    void Drag(POINT from, POINT to) const
    {
        program.Mouse(WM_LBUTTONDOWN, from.x, from.y, MK_LBUTTON);
        const int steps = 8;
        for (int i = 1; i <= steps; ++i)
            program.Mouse(WM_MOUSEMOVE, from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps,
                          MK_LBUTTON);
        program.Mouse(WM_LBUTTONUP, to.x, to.y);
    }

    void Answers(int hit, int drop) const
    {
        probe.Ask(probe::kSetHitAnswer, static_cast<WPARAM>(hit));
        probe.Ask(probe::kSetDropAnswer, static_cast<WPARAM>(drop));
    }

    std::vector<int> Cards(int stack) const { return probe.StackCards(stack); }
};

std::vector<int> Pick(const std::vector<int>& cards, std::initializer_list<int> indices)
{
    std::vector<int> picked;
    for (int i : indices) picked.push_back(cards.at(static_cast<size_t>(i)));
    return picked;
}

std::string Show(const std::vector<int>& cards)
{
    std::string text;
    for (int c : cards) text += std::to_string(c) + " ";
    return text;
}

void Exit(Table& t)
{
    t.program.PostCommand(IDM_EXIT);
    CHECK_EQ(t.program.WaitForExit(), 0L);
}

}  // namespace

SCENARIO(drag_refused_returns_the_cards_and_accepted_moves_them)
{
    REQUIRE(e2e::InstallProbe());
    Table t;
    REQUIRE(t.ready());
    const std::vector<int> dealt = t.Cards(kFirst);

    t.Answers(TS_HIT_DRAG_RUN, 0);
    const int flips = static_cast<int>(t.probe.Ask(probe::kSoundCount, probe::kFlipSound));
    const int slides = static_cast<int>(t.probe.Ask(probe::kSoundCount, probe::kSlideSound));
    t.Drag(t.OnCard(kFirst, 2), t.OnCard(kSecond, 0));
    CHECK(t.probe.EntryCount(probe::kOkToDropCards) >= 1);
    CHECK_EQ(t.probe.Ask(probe::kSoundCount, probe::kSlideSound), slides + 1);  // the lift
    CHECK_EQ(t.probe.Ask(probe::kSoundCount, probe::kFlipSound), flips + 1);    // refused, still played
    CHECK_EQ(Show(t.Cards(kFirst)), Show(dealt));
    CHECK_EQ(t.probe.StackCount(kSecond), 0);
    CHECK_EQ(t.probe.EntryCount(probe::kStackChanged), 0);

    t.Answers(TS_HIT_DRAG_RUN, 1);
    t.Drag(t.OnCard(kFirst, 2), t.OnCard(kSecond, 0));
    CHECK_EQ(Show(t.Cards(kFirst)), Show(Pick(dealt, {0, 1})));
    CHECK_EQ(Show(t.Cards(kSecond)), Show(Pick(dealt, {2, 3, 4})));
    CHECK_EQ(t.probe.EntryCount(probe::kStackChanged), 1);
    CHECK_EQ(t.probe.EntryCount(probe::kPrepareForUndo), 1);
    Exit(t);
}

SCENARIO(single_card_drag_closes_the_gap)
{
    REQUIRE(e2e::InstallProbe());
    Table t;
    REQUIRE(t.ready());
    const std::vector<int> dealt = t.Cards(kFirst);
    t.Answers(TS_HIT_DRAG_CARD, 1);
    t.Drag(t.OnCard(kFirst, 2), t.OnCard(kSecond, 0));
    CHECK_EQ(Show(t.Cards(kFirst)), Show(Pick(dealt, {0, 1, 3, 4})));
    CHECK_EQ(Show(t.Cards(kSecond)), Show(Pick(dealt, {2})));
    Exit(t);
}

SCENARIO(press_answers_mark_a_card_and_reach_empty_stacks)
{
    REQUIRE(e2e::InstallProbe());
    Table t;
    REQUIRE(t.ready());
    const std::vector<int> dealt = t.Cards(kFirst);
    constexpr int kMarked = 1 << 17;

    t.Answers(TS_HIT_MARK, 0);
    const POINT card1 = t.OnCard(kFirst, 1);
    t.program.Mouse(WM_LBUTTONDOWN, card1.x, card1.y, MK_LBUTTON);
    t.program.Mouse(WM_LBUTTONUP, card1.x, card1.y);
    CHECK_EQ(t.probe.StackCard(kFirst, 1), dealt[1] | kMarked);
    CHECK_EQ(t.probe.StackCard(kFirst, 2), dealt[2]);
    CHECK_EQ(t.probe.Ask(probe::kLastHitCard), 1);

    // An empty stack is pressed with card index -1.
    const POINT empty = t.OnCard(kSecond, 0);
    t.program.Mouse(WM_LBUTTONDOWN, empty.x, empty.y, MK_LBUTTON);
    t.program.Mouse(WM_LBUTTONUP, empty.x, empty.y);
    CHECK_EQ(t.probe.Ask(probe::kLastHitCard), -1);
    CHECK_EQ(t.probe.EntryCount(probe::kMouseHit), 2);
    Exit(t);
}

SCENARIO(drag_starts_after_five_pixels)
{
    REQUIRE(e2e::InstallProbe());
    Table t;
    REQUIRE(t.ready());
    t.Answers(TS_HIT_DRAG_RUN, 0);
    const POINT p = t.OnCard(kFirst, 3);
    t.program.Mouse(WM_LBUTTONDOWN, p.x, p.y, MK_LBUTTON);
    t.program.Mouse(WM_MOUSEMOVE, p.x + 4, p.y - 4, MK_LBUTTON);
    CHECK_EQ(t.probe.StackCount(kFirst), 5);  // still on the table
    t.program.Mouse(WM_MOUSEMOVE, p.x + 5, p.y, MK_LBUTTON);
    CHECK_EQ(t.probe.StackCount(kFirst), 3);  // cards 3 and 4 are lifted
    t.program.Mouse(WM_LBUTTONUP, p.x + 5, p.y);
    CHECK_EQ(t.probe.StackCount(kFirst), 5);  // nothing took them: they are back
    Exit(t);
}

SCENARIO(slide_moves_a_card_between_stacks)
{
    REQUIRE(e2e::InstallProbe());
    Table t;
    REQUIRE(t.ready());
    const std::vector<int> dealt = t.Cards(kFirst);
    const LRESULT ms = t.probe.Ask(probe::kSlideTopCard, kFirst, kSecond);
    CHECK(ms >= 34);  // at least two frames 17 ms apart
    CHECK(ms < 2000);
    CHECK_EQ(Show(t.Cards(kFirst)), Show(Pick(dealt, {0, 1, 2, 3})));
    CHECK_EQ(Show(t.Cards(kSecond)), Show(Pick(dealt, {4})));
    Exit(t);
}

SCENARIO(undo_twice_restores_the_move)
{
    REQUIRE(e2e::InstallProbe());
    Table t;
    REQUIRE(t.ready());
    const std::vector<int> dealt = t.Cards(kFirst);
    t.Answers(TS_HIT_DRAG_RUN, 1);
    t.Drag(t.OnCard(kFirst, 3), t.OnCard(kSecond, 0));
    const std::string afterMove = Show(t.Cards(kFirst)) + "/" + Show(t.Cards(kSecond));

    t.program.SendCommand(IDM_UNDO);
    CHECK_EQ(Show(t.Cards(kFirst)) + "/" + Show(t.Cards(kSecond)), Show(dealt) + "/");
    CHECK_EQ(t.probe.EntryCount(probe::kUndo), 1);
    t.program.SendCommand(IDM_UNDO);
    CHECK_EQ(Show(t.Cards(kFirst)) + "/" + Show(t.Cards(kSecond)), afterMove);
    CHECK_EQ(t.probe.EntryCount(probe::kUndo), 2);
    Exit(t);
}

SCENARIO(replay_deals_the_same_cards_and_new_games_differ)
{
    REQUIRE(e2e::InstallProbe());
    Table t;
    REQUIRE(t.ready());
    const std::string dealt = Show(t.Cards(kFirst)) + "/" + Show(t.Cards(kThird));
    t.Answers(TS_HIT_DRAG_RUN, 1);
    t.Drag(t.OnCard(kFirst, 2), t.OnCard(kSecond, 0));

    t.program.SendCommand(IDM_REPLAY);
    t.WaitForDeal();
    CHECK_EQ(Show(t.Cards(kFirst)) + "/" + Show(t.Cards(kThird)), dealt);
    CHECK_EQ(t.probe.StackCount(kSecond), 0);

    // Two New Games within a second still get different deals.
    std::string previous = dealt;
    for (int i = 0; i < 2; ++i) {
        const int deals = t.probe.EntryCount(probe::kNewGame);
        t.program.SendCommand(IDM_NEWGAME);
        for (int w = 0; w < 250 && t.probe.EntryCount(probe::kNewGame) == deals; ++w) Sleep(20);
        t.WaitForDeal();
        const std::string now = Show(t.Cards(kFirst)) + "/" + Show(t.Cards(kThird));
        CHECK(now != previous);
        previous = now;
    }
    Exit(t);
}

SCENARIO(win_is_booked_after_the_dialog_closes)
{
    REQUIRE(e2e::InstallProbe());
    Table t;
    REQUIRE(t.ready());
    const int scores = t.probe.EntryCount(probe::kGetScore);
    PostMessageA(t.probe.window(), probe::kSendGameWon, 0, 0);
    HWND dialog = t.program.WaitForDialog("");
    REQUIRE(dialog != nullptr);
    CHECK(e2e::HasControlText(dialog, "You Won!"));
    CHECK(e2e::HasControlText(dialog, "Congratulations!!"));
    CHECK_EQ(t.probe.EntryCount(probe::kGetScore), scores);  // not booked while it is open
    CHECK_EQ(t.probe.Ask(probe::kSoundCount, probe::kWinSound), 1);
    e2e::ClickButton(dialog, IDCANCEL);  // End
    CHECK(e2e::WaitGone(dialog));
    t.program.Settle();
    CHECK_EQ(t.probe.EntryCount(probe::kGetScore), scores + 1);

    // The game is over: the left button no longer plays.
    const int hits = t.probe.EntryCount(probe::kMouseHit);
    const POINT p = t.OnCard(kFirst, 4);
    t.program.Mouse(WM_LBUTTONDOWN, p.x, p.y, MK_LBUTTON);
    t.program.Mouse(WM_LBUTTONUP, p.x, p.y);
    CHECK_EQ(t.probe.EntryCount(probe::kMouseHit), hits);
    // A second win of the same game changes nothing.
    // Sent: it returns once the program has handled it, which a second win
    // dialog, being modal, would not let it do.
    DWORD_PTR handled = 0;
    CHECK(SendMessageTimeoutA(t.probe.window(), probe::kSendGameWon, 0, 0, SMTO_NORMAL, 3000, &handled) != 0);
    CHECK(t.program.VisibleDialogs().empty());
    Exit(t);
}

SCENARIO(lost_dialog_new_button_deals_again)
{
    REQUIRE(e2e::InstallProbe());
    Table t;
    REQUIRE(t.ready());
    const int deals = t.probe.EntryCount(probe::kNewGame);
    PostMessageA(t.probe.window(), probe::kSendGameLost, 0, 0);
    HWND dialog = t.program.WaitForDialog("");
    REQUIRE(dialog != nullptr);
    CHECK(e2e::HasControlText(dialog, "You lost."));
    CHECK(e2e::HasControlText(dialog, "Sorry..."));
    e2e::ClickButton(dialog, IDM_NEWGAME);  // New
    CHECK(e2e::WaitGone(dialog));
    for (int w = 0; w < 250 && t.probe.EntryCount(probe::kNewGame) == deals; ++w) Sleep(20);
    CHECK_EQ(t.probe.EntryCount(probe::kNewGame), deals + 1);
    Exit(t);
}

SCENARIO(options_of_one_game_are_replaced_by_anothers)
{
    REQUIRE(e2e::InstallProbe("FREECELL"));
    REQUIRE(e2e::InstallProbe("SPIDER"));
    Program program;
    REQUIRE(program.WaitForMainWindow() != nullptr);
    ProbeClient probe(program.pid());
    REQUIRE(probe.found());
    constexpr int kOptions = MENU_POS_OPTIONS, kHostItems = MENU_HOST_OPTION_ITEMS;

    program.SendCommand(IDM_GAMELIST_FIRST);
    program.Settle();
    CHECK_EQ(probe.MenuItemCount(kOptions), kHostItems + 1 + 3);
    CHECK_EQ(probe.MenuItemText(kOptions, kHostItems + 1), std::string("FREECELL option 0"));
    CHECK_EQ(probe.MenuItemId(kOptions, kHostItems + 3), IDM_OPTION_FIRST + 2);

    program.SendCommand(IDM_GAMELIST_FIRST + 1);
    program.Settle();
    CHECK_EQ(probe.MenuItemCount(kOptions), kHostItems + 1 + 1);
    CHECK_EQ(probe.MenuItemText(kOptions, kHostItems + 1), std::string("SPIDER option 0"));
    CHECK_EQ(probe.MenuItemId(kOptions, kHostItems + 1), IDM_OPTION_FIRST);

    // The option items reach the current module only.
    ProbeClient second(program.pid(), "SPIDER");
    program.SendCommand(IDM_OPTION_FIRST);
    CHECK_EQ(second.EntryCount(probe::kOptionSelected), 1);
    CHECK_EQ(probe.EntryCount(probe::kOptionSelected), 0);
    program.SendCommand(IDM_OPTION_FIRST + 1);  // one past the last option
    CHECK_EQ(second.EntryCount(probe::kOptionSelected), 1);
    program.PostCommand(IDM_EXIT);
    CHECK_EQ(program.WaitForExit(), 0L);
}

SCENARIO(module_missing_an_export_is_refused)
{
    REQUIRE(e2e::InstallFile(e2e::kIncompleteProbeFile, "FREECELL.dll"));
    REQUIRE(e2e::InstallProbe("SPIDER"));
    REQUIRE(e2e::InstallProbe("PYRAMID"));
    Program program;
    REQUIRE(program.WaitForMainWindow() != nullptr);
    ProbeClient probe(program.pid(), "SPIDER");
    REQUIRE(probe.found());
    constexpr int kGameList = MENU_POS_GAMELIST;
    CHECK_EQ(probe.MenuItemCount(kGameList), 2);
    CHECK_EQ(probe.MenuItemText(kGameList, 0), std::string("Probe SPIDER"));
    CHECK_EQ(probe.MenuItemId(kGameList, 0), IDM_GAMELIST_FIRST);
    CHECK_EQ(probe.MenuItemText(kGameList, 1), std::string("Probe PYRAMID"));
    CHECK_EQ(probe.MenuItemId(kGameList, 1), IDM_GAMELIST_FIRST + 1);
    // The module files were loaded ahead by a worker; the refused one is gone.
    CHECK(!program.LibraryPath("SPIDER.dll").empty());
    CHECK(program.LibraryPath("FREECELL.dll").empty());
    program.PostCommand(IDM_EXIT);
    CHECK_EQ(program.WaitForExit(), 0L);
}

SCENARIO(deals_shuffle_with_a_sound_and_the_sounds_option_silences_everything)
{
    REQUIRE(e2e::InstallProbe());
    Table t;
    REQUIRE(t.ready());
    CHECK_EQ(t.probe.Ask(probe::kSoundCount, probe::kShuffleSound), 1);

    t.program.SendCommand(IDM_SOUNDS);  // Sounds off
    CHECK_EQ(t.probe.MenuState(IDM_SOUNDS) & MF_CHECKED, 0u);
    t.program.SendCommand(IDM_REPLAY);
    t.WaitForDeal();
    t.probe.Ask(probe::kSlideTopCard, kFirst, kSecond);
    PostMessageA(t.probe.window(), probe::kSendGameLost, 0, 0);
    HWND dialog = t.program.WaitForDialog("");
    REQUIRE(dialog != nullptr);
    e2e::ClickButton(dialog, IDCANCEL);
    CHECK(e2e::WaitGone(dialog));
    for (int sound = 0; sound < probe::kSounds; ++sound) {
        const int expected = sound == probe::kShuffleSound ? 1 : 0;  // only the first deal's
        CHECK_EQ(t.probe.Ask(probe::kSoundCount, static_cast<WPARAM>(sound)), expected);
    }

    t.program.SendCommand(IDM_SOUNDS);  // on again: the next event plays
    CHECK_EQ(t.probe.MenuState(IDM_SOUNDS) & MF_CHECKED, static_cast<UINT>(MF_CHECKED));
    t.program.SendCommand(IDM_REPLAY);
    t.WaitForDeal();
    CHECK_EQ(t.probe.Ask(probe::kSoundCount, probe::kShuffleSound), 2);
    Exit(t);
}

SCENARIO(losing_the_mouse_during_a_drag_puts_the_cards_back)
{
    REQUIRE(e2e::InstallProbe());
    Table t;
    REQUIRE(t.ready());
    const std::vector<int> dealt = t.Cards(kFirst);
    t.Answers(TS_HIT_DRAG_RUN, 1);
    const POINT p = t.OnCard(kFirst, 2);
    t.program.Mouse(WM_LBUTTONDOWN, p.x, p.y, MK_LBUTTON);
    t.program.Mouse(WM_MOUSEMOVE, p.x + 30, p.y + 30, MK_LBUTTON);
    CHECK_EQ(t.probe.StackCount(kFirst), 2);  // lifted
    t.probe.Ask(probe::kTakeCapture);
    CHECK_EQ(Show(t.Cards(kFirst)), Show(dealt));
    // The release that follows drops nothing.
    const POINT target = t.OnCard(kSecond, 0);
    t.program.Mouse(WM_MOUSEMOVE, target.x, target.y, MK_LBUTTON);
    t.program.Mouse(WM_LBUTTONUP, target.x, target.y);
    CHECK_EQ(Show(t.Cards(kFirst)), Show(dealt));
    CHECK_EQ(t.probe.StackCount(kSecond), 0);
    CHECK_EQ(t.probe.EntryCount(probe::kOkToDropCards), 0);
    Exit(t);
}

SCENARIO(long_play_loses_no_gdi_objects_or_memory)
{
    REQUIRE(e2e::InstallProbe());
    Table t;
    REQUIRE(t.ready());
    // A first few rounds make whatever the system keeps once.
    REQUIRE(t.probe.Ask(probe::kPlayRounds, 10) == 10);
    const LRESULT gdiBefore = t.probe.Ask(probe::kGdiObjects);
    const LRESULT heapBefore = t.probe.Ask(probe::kHeapBytes);
    REQUIRE(gdiBefore > 0);
    REQUIRE(heapBefore > 0);
    const int deals = t.probe.EntryCount(probe::kNewGame);
    const int undos = t.probe.EntryCount(probe::kUndo);
    DWORD_PTR played = 0;
    SendMessageTimeoutA(t.probe.window(), probe::kPlayRounds, 300, 0, SMTO_NORMAL, 120000, &played);
    CHECK_EQ(static_cast<int>(played), 300);
    // Every round really dealt, dragged and undid.
    CHECK_EQ(t.probe.EntryCount(probe::kNewGame), deals + 300);
    CHECK_EQ(t.probe.EntryCount(probe::kUndo), undos + 600);
    const LRESULT gdiAfter = t.probe.Ask(probe::kGdiObjects);
    const LRESULT heapAfter = t.probe.Ask(probe::kHeapBytes);
    std::printf("GDI objects %lld -> %lld, heap bytes %lld -> %lld\n", static_cast<long long>(gdiBefore),
                static_cast<long long>(gdiAfter), static_cast<long long>(heapBefore),
                static_cast<long long>(heapAfter));
    CHECK_EQ(gdiAfter, gdiBefore);
    CHECK(heapAfter - heapBefore < 1000);  // less than a few bytes a round
    Exit(t);
}

// SPDX-License-Identifier: MIT
//
// The sixteen entry points of a game module, handing each call to the game.
// Nothing thrown inside a game ever leaves the module: a call that fails
// answers as if nothing happened.
#include "game.h"

namespace {

template <class R, class F>
R Guarded(R fallback, F&& body)
{
    try {
        return body();
    } catch (...) {
        return fallback;
    }
}

// A call that may change the table: the game remembers its state on entry.
template <class R, class F>
R Action(R fallback, F&& body)
{
    kit::Game& g = kit::TheGame();
    return Guarded(fallback, [&] {
        g.enterCall();
        struct Leave {
            kit::Game& g;
            ~Leave() { g.leaveCall(); }
        } leave{g};
        return body(g);
    });
}

}  // namespace

extern "C" {

int32_t TS_CALL TSInitModule(TSWindow host, char* name, int32_t* extent)
{
    return Guarded<int32_t>(0, [&] { return kit::TheGame().init(host, name, extent) ? 1 : 0; });
}

void TS_CALL TSCloseModule(void) {}

int32_t TS_CALL TSNewGame(void)
{
    return Action<int32_t>(0, [](kit::Game& g) { return g.newGame(); });
}

void TS_CALL TSLoadGame(CardStack** stacks, int16_t count, TSMemory data)
{
    Action(0, [&](kit::Game& g) { g.loadGame(stacks, count, data); return 0; });
}

TSMemory TS_CALL TSGetGameData(void)
{
    return Guarded<TSMemory>(nullptr, [] { return kit::TheGame().gameData(); });
}

void TS_CALL TSSetGameData(void) {}

void TS_CALL TSSetupOptionsMenu(void)
{
    Guarded(0, [] { kit::TheGame().setupOptionsMenu(); return 0; });
}

void TS_CALL TSOptionSelected(int32_t option)
{
    Action(0, [&](kit::Game& g) { g.optionSelected(option); return 0; });
}

void TS_CALL TSAutoPlay(void)
{
    Action(0, [](kit::Game& g) { g.autoPlay(); return 0; });
}

int16_t TS_CALL TSMouseHit(CardStack* stack, int16_t card)
{
    return Action<int16_t>(TS_HIT_NOTHING, [&](kit::Game& g) { return g.mouseHit(stack, card); });
}

void TS_CALL TSDoubleClick(CardStack* stack, int16_t card)
{
    Action(0, [&](kit::Game& g) { g.doubleClick(stack, card); return 0; });
}

int32_t TS_CALL TSOkToDropCards(CardStack* dragged, CardStack* target)
{
    return Guarded<int32_t>(0, [&] { return kit::TheGame().okToDrop(dragged, target) ? 1 : 0; });
}

void TS_CALL TSStackChanged(CardStack* target)
{
    Action(0, [&](kit::Game& g) { g.stackChanged(target); return 0; });
}

void TS_CALL TSPrepareForUndo(void)
{
    Guarded(0, [] { kit::TheGame().prepareForUndo(); return 0; });
}

void TS_CALL TSUndo(void)
{
    Guarded(0, [] { kit::TheGame().undo(); return 0; });
}

int16_t TS_CALL TSGetScore(void)
{
    return Guarded<int16_t>(0, [] { return kit::TheGame().score(); });
}

// Optional: older hosts never ask. Exported beside the sixteen of the .def file.
#ifdef _WIN32
__declspec(dllexport)
#endif
int32_t TS_CALL TSGetStackName(CardStack* stack, char* name, int32_t size)
{
    return Guarded<int32_t>(0, [&] {
        if (!name || size <= 0) return 0;
        const std::string text = kit::TheGame().pileName(stack);
        if (text.empty()) return 0;
        const size_t n = text.size() < static_cast<size_t>(size) ? text.size() : static_cast<size_t>(size) - 1;
        text.copy(name, n);
        name[n] = '\0';
        return 1;
    });
}

}  // extern "C"

// A host core with a recording seam and a game module made of test hooks,
// for tests of the service messages, dragging and game flow.
#pragma once

#include <cstring>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/host_core.h"
#include "tests/headless/recording_seam.h"

namespace testing_core {

// Entry points that call whatever the test set. Only one at a time.
struct FakeModule {
    std::function<int32_t()> newGame = [] { return 1; };
    std::function<int16_t(CardStack*, int16_t)> mouseHit = [](CardStack*, int16_t) { return int16_t{2}; };
    std::function<void(CardStack*, int16_t)> doubleClick = [](CardStack*, int16_t) {};
    std::function<int32_t(CardStack*, CardStack*)> okToDrop = [](CardStack*, CardStack*) { return 0; };
    std::function<void(CardStack*)> stackChanged = [](CardStack*) {};
    std::function<void()> autoPlay = [] {};
    std::function<void(int32_t)> optionSelected = [](int32_t) {};
    std::function<void()> setupOptions = [] {};
    std::function<void()> prepareForUndo = [] {};
    int16_t score = 0;
    std::vector<std::string> calls;  // entry points in the order they were called

    static inline FakeModule* current = nullptr;

    FakeModule() { current = this; }
    ~FakeModule() { current = nullptr; }

    // Fills row `row` of the core's module table with this module.
    void Install(core::HostCore& core, int row = 0, const char* name = "Fake Game", int32_t w = 400, int32_t h = 300)
    {
        core::ModuleEntry& m = core.modules.rows[static_cast<size_t>(row)];
        m = core::ModuleEntry{};
        std::strcpy(m.name, name);
        m.tableWidth = w;
        m.tableHeight = h;
        m.entry.closeModule = [] {};
        m.entry.newGame = [] { return Log("NewGame"), current->newGame(); };
        m.entry.loadGame = [](CardStack**, int16_t, TSMemory) { Log("LoadGame"); };
        m.entry.getGameData = []() -> TSMemory { return nullptr; };
        m.entry.setupOptionsMenu = [] { Log("SetupOptionsMenu"), current->setupOptions(); };
        m.entry.optionSelected = [](int32_t o) { Log("OptionSelected"), current->optionSelected(o); };
        m.entry.autoPlay = [] { Log("AutoPlay"), current->autoPlay(); };
        m.entry.mouseHit = [](CardStack* s, int16_t c) { return Log("MouseHit"), current->mouseHit(s, c); };
        m.entry.doubleClick = [](CardStack* s, int16_t c) { Log("DoubleClick"), current->doubleClick(s, c); };
        m.entry.okToDropCards = [](CardStack* d, CardStack* t) { return Log("OkToDrop"), current->okToDrop(d, t); };
        m.entry.stackChanged = [](CardStack* t) { Log("StackChanged"), current->stackChanged(t); };
        m.entry.prepareForUndo = [] { Log("PrepareForUndo"), current->prepareForUndo(); };
        m.entry.undo = [] { Log("Undo"); };
        m.entry.getScore = [] { return Log("GetScore"), current->score; };
        if (core.modules.count <= row) core.modules.count = row + 1;
    }

    static void Log(const char* call) { current->calls.emplace_back(call); }
    int Calls(const std::string& name) const
    {
        int n = 0;
        for (const std::string& c : calls) n += c == name;
        return n;
    }
};

struct Card {
    int16_t image;
    uint32_t faceDown = 0;
    uint32_t mark = 0;
};

class CoreFixture {
public:
    headless::RecordingSeam seam;
    core::HostCore core{seam};

    CoreFixture()
    {
        seam.paint = &core.paint;
        core.clientWidth = 640;
        core.clientHeight = 480;
        core.view.origin = {0, 32};
    }

    // A stack made directly (no message, nothing recorded), with its cards.
    CardStack* AddStack(int32_t x, int32_t y, int16_t fan, int16_t capacity, std::initializer_list<Card> cards = {},
                        uint32_t framed = 0)
    {
        StackSpec spec{framed, x, y, TS_BASE_EMPTY, fan, capacity, 0};
        CardStack* s = core.table.Create(spec, table::CardSize::Small);
        for (const Card& c : cards) s->cards[s->count++] = CardEntry{c.faceDown, c.mark, c.image, 0};
        return s;
    }

    // Makes `fake` the current game with a deal in play.
    void Play(FakeModule& fake)
    {
        fake.Install(core);
        core.flow.currentModule = 0;
        core.state.gameInPlay = 1;
    }

    static std::vector<int16_t> Images(const CardStack& s)
    {
        std::vector<int16_t> out;
        for (int i = 0; i < s.count; ++i) out.push_back(s.cards[i].image);
        return out;
    }
};

}  // namespace testing_core

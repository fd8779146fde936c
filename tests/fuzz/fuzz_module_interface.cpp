// The module interface on any script. A game module is written by others
// and holds the host's own stacks: it may send any message with any record
// at any moment (also from inside a drag or a slide), write the fields of
// a stack it was handed, and answer every call as it likes. Whatever it
// does, the host must not read or write outside its memory, crash, or lose
// or duplicate a card it holds in a drag; a table the module broke is drawn
// and saved as far as it is safe, and a game the host saved loads again.
//
// The script (module_script.h) drives a headless host with two rows of one
// scripted module. After every step the host's own records are checked,
// and where the module left the table alone, the cards on it and in the
// air are counted against those before the step.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "headless_host.h"
#include "interaction/dragging.h"
#include "modules/card_choice.h"
#include "tests/fuzz/module_script.h"

namespace {

using namespace fuzz::script;

constexpr int kMaxDepth = 3;  // calls of the module inside calls of the module
constexpr int kMaxSteps = 64;
constexpr int16_t kMaxShuffle = 400;
constexpr size_t kMaxKept = 64;

// The scripted module's own state, fresh for every input.
struct Module {
    Reader* in = nullptr;
    headless::HeadlessHost* host = nullptr;
    TSWindow window = nullptr;
    int rows = 0;
    int depth = 0;
    int measuring = 0;                // module actions under way, one inside another
    uint64_t changedBy = 0;           // what the module's actions in this step did to the held cards (Held::sum)
    int64_t countedBy = 0;            // and to their number
    bool brokeDrag = false;           // it wrote a count or a capacity while cards were in the air
    CardStack* argument = nullptr;    // the stack the current call was given
    CardStack* offered = nullptr;     // the drag stack of the current TSOkToDropCards
    CardStack** loadArray = nullptr;  // during TSLoadGame
    int16_t loadCount = 0;
    std::vector<CardStack*> kept;  // every stack pointer it was handed, some long gone
    alignas(8) uint8_t madeUp[sizeof(CardStack) + 8 * sizeof(CardEntry)] = {};
    uint8_t shuffle[kMaxShuffle] = {};
    char text[256] = {};
    uint32_t sink = 0;
};

Module g;

// The cards the host holds, on the table and in the air, as a multiset:
// their number and a sum of a mix of each card's image and face, so two
// holdings compare equal, whatever the order, and a change is a difference.
struct Held {
    int64_t count = 0;
    uint64_t sum = 0;
    bool operator==(const Held&) const = default;
};
Held HeldCards(const core::HostCore& core);

[[noreturn]] void Broken(const char* what)
{
    std::fprintf(stderr, "module interface: %s\n", what);
    std::abort();
}

void Require(bool holds, const char* what)
{
    if (!holds) Broken(what);
}

Reader& In() { return *g.in; }
core::HostCore& Core() { return g.host->Core(); }

intptr_t Send(uint32_t message, uintptr_t wParam, intptr_t lParam)
{
    return TsNativeSend(g.window, message, wParam, lParam);
}

template <typename T>
intptr_t SendRecord(uint32_t message, uintptr_t wParam, T* record)
{
    return Send(message, wParam, reinterpret_cast<intptr_t>(record));
}

void Keep(CardStack* s)
{
    if (!s || std::find(g.kept.begin(), g.kept.end(), s) != g.kept.end()) return;
    if (g.kept.size() >= kMaxKept) g.kept.erase(g.kept.begin());
    g.kept.push_back(s);
}

bool IsLive(const CardStack* s) { return Core().table.IndexOf(s) >= 0; }

CardStack* LiveStack()
{
    const table::CardTable& t = Core().table;
    const uint8_t i = In().Byte();
    return t.count() ? t[i % t.count()] : nullptr;
}

CardStack* ChooseStack()
{
    switch (In().Pick(kChoices)) {
    case kLive: return LiveStack();
    case kKept: {
        const uint8_t i = In().Byte();
        return g.kept.empty() ? nullptr : g.kept[i % g.kept.size()];
    }
    case kMadeUp:
        if (In().Pick(2) == 0) {
            CardStack header;
            std::memset(&header, 0, sizeof header);
            header.x = In().I16();
            header.y = In().I16();
            header.fanDirection = In().I16();
            header.capacity = In().I16();
            header.count = In().I16();
            std::memcpy(g.madeUp, &header, sizeof header);
            return reinterpret_cast<CardStack*>(g.madeUp);
        }
        // An address that is no memory at all.
        return reinterpret_cast<CardStack*>(uintptr_t{0x1000} + In().U16());
    case kArgument: return g.argument;
    default: return nullptr;
    }
}

// A stack the module may write into: one of the live table, or the stack
// the current call was given while it is still the host's.
CardStack* WritableStack()
{
    if (In().Pick(2) == 0) return LiveStack();
    CardStack* s = g.argument;
    return s && (s == g.offered || IsLive(s)) ? s : nullptr;
}

bool CardsInTheAir() { return Core().drag.dragging || Core().drag.dropping; }

void Write()
{
    CardStack* s = WritableStack();
    const uint8_t field = In().Pick(kFields);
    if (!s) return;
    // Cards in the air need the slots they left: a module that writes a
    // count or capacity meanwhile may leave them no room to come back.
    if ((field == kCount || field == kCapacity) && CardsInTheAir()) g.brokeDrag = true;
    switch (field) {
    case kCount: s->count = In().I16(); return;
    case kCapacity: s->capacity = In().I16(); return;
    case kX: s->x = In().I32(); return;
    case kY: s->y = In().I32(); return;
    case kFan: s->fanDirection = In().I16(); return;
    case kBase: s->baseImage = In().I16(); return;
    case kFramed: s->framed = In().U32(); return;
    default: break;
    }
    // A card slot within the capacity the module asked for.
    const int16_t slots = table::SlotCount(*s);
    const uint16_t i = In().U16();
    if (slots <= 0) return;
    CardEntry& card = s->cards[i % slots];
    if (field == kImage) card.image = In().I16();
    if (field == kMark) card.mark = In().U32();
    if (field == kFaceDown) card.faceDown = In().U32();
}

const char* Text()
{
    if (In().Pick(8) == 0) return nullptr;
    std::memset(g.text, 0, sizeof g.text);
    const uint8_t length = In().Byte();  // may leave no terminator in the first 128 bytes
    for (uint8_t i = 0; i < length && i + 1u < sizeof g.text; ++i) g.text[i] = static_cast<char>(In().Byte());
    return g.text;
}

void Message()
{
    const uint32_t message = HM_FIRST - 1 + In().Pick(HM_LAST - HM_FIRST + 3);
    switch (message) {
    case HM_CREATESTACK: {
        StackSpec spec{};
        spec.framed = In().Pick(2);
        const bool raw = In().Pick(4) == 0;
        spec.x = raw ? In().I32() : In().Byte() * 3;
        spec.y = raw ? In().I32() : In().Byte() * 3;
        spec.baseImage = static_cast<int16_t>(raw ? In().I16() : In().Pick(20) - 1);
        spec.fanDirection = raw ? In().I16() : In().Pick(11);
        spec.capacity = raw ? In().I16() : In().Pick(60);
        spec.reserved = In().I16();
        Keep(reinterpret_cast<CardStack*>(SendRecord(message, 0, &spec)));
        return;
    }
    case HM_ADDCARD: {
        CardPlacement p{};
        p.stack = ChooseStack();
        p.faceDown = In().Pick(2);
        p.mark = In().Pick(4) == 0 ? In().U32() : 0;
        p.image = In().Pick(4) == 0 ? In().U32() : In().Pick(52);
        p.redrawNow = In().Pick(2);
        SendRecord(message, 0, In().Pick(16) ? &p : nullptr);
        return;
    }
    case HM_MOVECARD: {
        CardMove m{};
        m.source = ChooseStack();
        m.destination = ChooseStack();
        m.faceDown = In().Pick(2);
        m.slide = In().Pick(4) == 0 ? In().U32() : In().Pick(2);
        m.redrawNow = In().Pick(2);
        SendRecord(message, 0, In().Pick(16) ? &m : nullptr);
        return;
    }
    case HM_SHUFFLE: {
        int16_t n = In().Pick(4) == 0 ? In().I16() : In().Byte();
        if (n > kMaxShuffle) n = kMaxShuffle;
        for (int16_t i = 0; i < n; ++i) g.shuffle[i] = In().Pick(4) == 0 ? In().Byte() : static_cast<uint8_t>(i);
        SendRecord(message, static_cast<uint16_t>(n), In().Pick(8) ? g.shuffle : nullptr);
        return;
    }
    case HM_SETSCORE:
    case HM_SETMESSAGE: SendRecord(message, 0, Text()); return;
    case HM_ADDOPTION: {
        const uint16_t option = In().Pick(4) == 0 ? In().U16() : In().Pick(4);
        SendRecord(message, option, Text());
        return;
    }
    case HM_CHECKOPTION: Send(message, 0, In().I32()); return;
    case HM_REMOVECARD: {
        const int16_t index = In().Pick(2) ? In().I16() : In().Pick(8);
        SendRecord(message, static_cast<uint16_t>(index), ChooseStack());
        return;
    }
    case HM_MARKCARD: {
        const uint32_t mark = In().U32();
        SendRecord(message, mark, ChooseStack());
        return;
    }
    case HM_CLEARSTACK: SendRecord(message, 0, ChooseStack()); return;
    default: Send(message, In().U16(), In().I32()); return;  // the rest, and numbers beside the block
    }
}

// Runs one action of the module and writes down which cards it put on the
// table or took away; actions inside it (from calls it caused) count as
// part of it.
template <typename Action>
void Measured(Action action)
{
    if (g.measuring++) {
        action();
        --g.measuring;
        return;
    }
    const Held before = HeldCards(Core());
    action();
    const Held after = HeldCards(Core());
    --g.measuring;
    g.countedBy += after.count - before.count;
    g.changedBy += after.sum - before.sum;
}

void Actions(int most)
{
    const int n = In().Byte() % most;
    if (g.depth > kMaxDepth) return;
    for (int i = 0; i < n && !In().Done(); ++i) {
        switch (In().Pick(kActions)) {
        case kMessage: Measured(Message); break;
        case kWrite: Measured(Write); break;
        case kWriteStackArray:
            if (g.loadArray && g.loadCount > 0) {
                const uint8_t at = In().Byte();
                g.loadArray[at % g.loadCount] = ChooseStack();
            }
            break;
        default: break;
        }
    }
}

// One call of the host into the module: the stack it was given is the
// module's to use until the call returns.
class Call {
public:
    explicit Call(CardStack* argument) : argument_(g.argument)
    {
        g.argument = argument;
        Keep(argument);
        ++g.depth;
    }
    ~Call()
    {
        --g.depth;
        g.argument = argument_;
    }
    Call(const Call&) = delete;
    Call& operator=(const Call&) = delete;

private:
    CardStack* argument_;
};

// --- The entry points ------------------------------------------------------

int32_t TS_CALL InitModule(TSWindow host, char* name, int32_t* extent)
{
    g.window = host;
    std::snprintf(name, TS_NAME_BYTES, "Fuzz %d", ++g.rows);
    const bool raw = In().Pick(8) == 0;
    extent[0] = raw ? In().I32() : 100 + In().Byte() * 4;
    extent[1] = raw ? In().I32() : 100 + In().Byte() * 4;
    return 1;
}

void TS_CALL CloseModule(void) {}

int32_t TS_CALL NewGame(void)
{
    Call call(nullptr);
    Actions(64);
    return In().Pick(8) != 0;
}

void TS_CALL LoadGame(CardStack** stacks, int16_t count, TSMemory data)
{
    Call call(nullptr);
    for (int16_t i = 0; i < count; ++i) Keep(stacks[i]);
    const auto* bytes = static_cast<const uint8_t*>(TsNativeMemoryData(data));
    for (size_t i = 0; i < TsNativeMemorySize(data); ++i) g.sink += bytes[i];
    g.loadArray = stacks;
    g.loadCount = count;
    Actions(8);
    g.loadArray = nullptr;
    g.loadCount = 0;
}

TSMemory TS_CALL GetGameData(void)
{
    Call call(nullptr);
    Actions(4);
    if (In().Pick(3) == 0) return nullptr;
    const uint8_t length = In().Byte();
    TSMemory block = TsNativeMemoryAlloc(length);
    std::memset(TsNativeMemoryData(block), length, length);
    return block;
}

void TS_CALL SetGameData(void)
{
    Call call(nullptr);
    Actions(4);
}

void TS_CALL SetupOptionsMenu(void)
{
    Call call(nullptr);
    Actions(8);
}

void TS_CALL OptionSelected(int32_t)
{
    Call call(nullptr);
    Actions(8);
}

void TS_CALL AutoPlay(void)
{
    Call call(nullptr);
    Actions(8);
}

int16_t TS_CALL MouseHit(CardStack* stack, int16_t)
{
    Call call(stack);
    Actions(4);
    const uint8_t answer = In().Byte();
    return answer < 240 ? static_cast<int16_t>(answer % 4) : In().I16();
}

void TS_CALL DoubleClick(CardStack* stack, int16_t)
{
    Call call(stack);
    Actions(8);
}

int32_t TS_CALL OkToDropCards(CardStack* dragged, CardStack* target)
{
    Keep(target);
    CardStack* offered = g.offered;
    g.offered = dragged;
    Call call(dragged);
    // A module reads the cards it is offered.
    const int16_t slots = dragged ? table::SlotCount(*dragged) : 0;
    for (int16_t i = 0; i < slots; ++i) g.sink += static_cast<uint32_t>(dragged->cards[i].image);
    Actions(4);
    const uint8_t answer = In().Byte();
    g.offered = offered;
    return answer < 240 ? answer % 2 : In().I32();
}

void TS_CALL StackChanged(CardStack* target)
{
    Call call(target);
    Actions(4);
}

void TS_CALL PrepareForUndo(void)
{
    Call call(nullptr);
    Actions(4);
}

void TS_CALL Undo(void)
{
    Call call(nullptr);
    Actions(4);
}

int16_t TS_CALL GetScore(void)
{
    Call call(nullptr);
    Actions(4);
    return In().I16();
}

core::ModuleEntryPoints EntryPoints()
{
    core::ModuleEntryPoints e;
    e.initModule = InitModule;
    e.closeModule = CloseModule;
    e.newGame = NewGame;
    e.loadGame = LoadGame;
    e.getGameData = GetGameData;
    e.setGameData = SetGameData;
    e.setupOptionsMenu = SetupOptionsMenu;
    e.optionSelected = OptionSelected;
    e.autoPlay = AutoPlay;
    e.mouseHit = MouseHit;
    e.doubleClick = DoubleClick;
    e.okToDropCards = OkToDropCards;
    e.stackChanged = StackChanged;
    e.prepareForUndo = PrepareForUndo;
    e.undo = Undo;
    e.getScore = GetScore;
    return e;
}

// --- The host's side --------------------------------------------------------

uint64_t Mix(uint64_t v)
{
    v = (v ^ (v >> 30)) * 0xBF58476D1CE4E5B9u;
    v = (v ^ (v >> 27)) * 0x94D049BB133111EBu;
    return v ^ (v >> 31);
}

Held HeldCards(const core::HostCore& core)
{
    Held held;
    auto add = [&held](const CardStack& s) {
        const int16_t n = table::ReadableCount(s);
        held.count += n;
        for (int16_t i = 0; i < n; ++i)
            held.sum += Mix(static_cast<uint16_t>(s.cards[i].image) << 1 | (s.cards[i].faceDown ? 1u : 0u));
    };
    for (int i = 0; i < core.table.count(); ++i) add(*core.table[i]);
    if ((core.drag.dragging || core.drag.dropping) && core.drag.dragStack) add(*core.drag.dragStack);
    return held;
}

void CheckHost(const core::HostCore& core)
{
    const table::StackTable& live = core.table.live();
    const table::StackTable& shadow = core.table.shadow();
    Require(live.count >= 0 && live.count <= table::kMaxStacks, "the table holds 0 to 100 stacks");
    Require(live.count == shadow.count, "every stack has its shadow");
    for (int i = 0; i < live.count; ++i) {
        Require(live[i] && shadow[i], "no stack of the table is missing");
        Require(table::SlotCount(*live[i]) == table::SlotCount(*shadow[i]), "a shadow has its stack's slots");
        for (int j = 0; j < i; ++j) Require(live[i] != live[j], "a stack is in the table once");
    }
    Require(core.flow.currentModule >= -1 && core.flow.currentModule < core.modules.count, "the current game is a row");
    Require(std::memchr(core.state.messageText, 0, sizeof core.state.messageText), "the message is a text");
    Require(std::memchr(core.state.scoreText, 0, sizeof core.state.scoreText), "the score is a text");
    const core::DragState& d = core.drag;
    if (d.dragging && d.dragStack) {
        Require(core.table.IndexOf(d.grabbedStack) >= 0, "cards in the air come from a stack of the table");
        const CardStack& drag = *d.dragStack;
        Require(drag.count > 0 && drag.count == drag.capacity && drag.count == table::SlotCount(drag),
                "the drag stack holds what was lifted");
    }
    g.sink += headless::ReadTableAsDrawn(core);
}

// The cards held now are those before the step, with what the module's
// own actions added and took away.
void CheckConserved(const core::HostCore& core, const Held& before, const char* what)
{
    if (g.brokeDrag) return;
    const Held expected{before.count + g.countedBy, before.sum + g.changedBy};
    const Held now = HeldCards(core);
    if (now == expected) return;
    if (std::getenv("LUMORA_FUZZ_TRACE"))
        std::fprintf(stderr, "held %lld cards before, %lld expected, %lld now\n", static_cast<long long>(before.count),
                     static_cast<long long>(expected.count), static_cast<long long>(now.count));
    Broken(what);
}

table::Point PointFrom(const core::HostCore& core)
{
    if (In().Pick(2) == kRaw) {
        const int16_t x = In().I16();
        return {x, In().I16()};
    }
    const CardStack* s = LiveStack();
    const uint8_t card = In().Byte();
    const uint8_t inside = In().Byte();
    if (!s) return {};
    const int16_t n = table::ReadableCount(*s);
    const table::Point p = table::CardPos(*s, core.view, static_cast<int16_t>(n ? card % n : 0));
    return {p.x + 1 + inside % 16, p.y + 1 + inside / 16};
}

void RunStep(headless::HeadlessHost& host, uint8_t step)
{
    core::HostCore& core = host.Core();
    const Held before = HeldCards(core);
    bool conserved = true;  // the host by itself neither adds nor takes away a card in this step
    g.changedBy = 0;
    g.countedBy = 0;
    if (!CardsInTheAir()) g.brokeDrag = false;
    switch (step) {
    case kModuleMessage: Measured(Message); break;
    case kModuleWrite: Measured(Write); break;
    case kPress: {
        const table::Point p = PointFrom(core);
        host.Press(p.x, p.y);
        break;
    }
    case kMove: {
        const table::Point p = PointFrom(core);
        host.Move(p.x, p.y);
        break;
    }
    case kRelease: {
        const table::Point p = PointFrom(core);
        host.Release(p.x, p.y);
        break;
    }
    case kDoubleClick: {
        const table::Point p = PointFrom(core);
        host.DoubleClickAt(p.x, p.y);
        break;
    }
    case kRightPress: {
        const table::Point p = PointFrom(core);
        host.RightPress(p.x, p.y);
        break;
    }
    case kRightRelease: {
        const table::Point p = PointFrom(core);
        host.RightRelease(p.x, p.y);
        break;
    }
    case kUndo:
        host.Undo();
        conserved = false;
        break;
    case kReplay:
        host.Replay();
        conserved = false;
        break;
    case kNewGame:
        host.NewGame();
        conserved = false;
        break;
    case kChooseGame:
        host.ChooseGame(In().Pick(3));
        conserved = false;
        break;
    case kSaveAndLoad: {
        std::vector<uint8_t> bytes = host.Save();
        const uint8_t how = In().Byte();
        CheckConserved(core, before, "saving lost or added a card");
        conserved = false;
        if (bytes.empty()) {
            Require(core.flow.currentModule < 0, "a game in play can be saved");
            break;
        }
        if (how & 1) {
            const uint16_t at = In().U16();
            bytes[at % bytes.size()] = In().Byte();
        }
        if (how & 2) {
            const bool loaded = host.Load(bytes);
            Require(loaded || (how & 1), "a game the host saved loads again");
        }
        break;
    }
    case kCardSize:
        modules::SelectCardSize(core, In().Pick(2) ? table::CardSize::Large : table::CardSize::Small, true);
        break;
    case kCardSet: modules::SelectCardSet(core, In().Pick(table::kCardSets), true); break;
    case kAutoPlay: host.ToggleAutoPlay(); break;
    case kOption: host.SelectOption(In().Pick(8)); break;
    case kCaptureLost: interaction::MouseCaptureLost(core); break;
    case kSounds: host.SetSounds(In().Pick(2) != 0); break;
    default: break;
    }
    CheckHost(core);
    if (conserved) CheckConserved(core, before, "a step lost or added a card the module did not");
    host.Seam().Clear();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Reader in(data, size);
    g = Module{};
    g.in = &in;
    headless::HeadlessHost host;
    g.host = &host;
    const core::ModuleEntryPoints entry = EntryPoints();
    if (!host.AddModule(entry) || !host.AddModule(entry)) Broken("the scripted module is accepted");
    host.Core().state.autoPlay = in.Pick(2);
    host.StartGame(0, in.U32());
    CheckHost(host.Core());
    host.Seam().Clear();
    static const bool trace = std::getenv("LUMORA_FUZZ_TRACE") != nullptr;
    for (int step = 0; step < kMaxSteps && !in.Done(); ++step) {
        const uint8_t next = in.Pick(kSteps);
        if (trace) {
            const core::HostCore& c = host.Core();
            std::fprintf(stderr, "step %d: %d, dragging %d, stacks (count/capacity/slots):", step, next,
                         c.drag.dragging);
            for (int i = 0; i < c.table.count(); ++i)
                std::fprintf(stderr, " %d/%d/%d", c.table[i]->count, c.table[i]->capacity,
                             table::SlotCount(*c.table[i]));
            if (c.drag.dragStack)
                std::fprintf(stderr, " drag %d from %d", c.drag.dragStack->count, c.table.IndexOf(c.drag.grabbedStack));
            std::fprintf(stderr, "\n");
        }
        RunStep(host, next);
    }
    return 0;
}

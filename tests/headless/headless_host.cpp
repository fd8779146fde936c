#include "headless_host.h"

#include <dlfcn.h>

#include <cstdlib>
#include <cstring>

#include "interaction/card_motion.h"
#include "interaction/dragging.h"
#include "interaction/key_focus.h"
#include "modules/card_choice.h"
#include "interaction/undo.h"
#include "modules/game_flow.h"
#include "modules/service_messages.h"
#include "persistence/game_file.h"
#include "persistence/native_game_memory.h"

namespace headless {

namespace {

void* LookUp(void* library, const char* name) { return dlsym(library, name); }

}  // namespace

// --- The pretend window ---------------------------------------------------

void HeadlessHost::WindowSeam::SetTitle(const char* title)
{
    RecordingSeam::SetTitle(title);
    host_.title_ = title;
}

void HeadlessHost::WindowSeam::CheckMenuItem(int command, bool checked)
{
    RecordingSeam::CheckMenuItem(command, checked);
    const int option = command - modules::kCommandFirstOption;
    if (option >= 0 && static_cast<size_t>(option) < host_.optionChecks_.size())
        host_.optionChecks_[static_cast<size_t>(option)] = checked;
}

void HeadlessHost::WindowSeam::AppendOptionItem(int command, const char* text, bool separatorFirst)
{
    RecordingSeam::AppendOptionItem(command, text, separatorFirst);
    host_.options_.emplace_back(text);
    host_.optionChecks_.push_back(false);
}

void HeadlessHost::WindowSeam::RemoveOptionItems(int32_t count)
{
    RecordingSeam::RemoveOptionItems(count);
    host_.options_.clear();
    host_.optionChecks_.clear();
}

void HeadlessHost::WindowSeam::ShowGameOver(bool won)
{
    RecordingSeam::ShowGameOver(won);
    ++(won ? host_.won_ : host_.lost_);
}

// --- Modules --------------------------------------------------------------

HeadlessHost::HeadlessHost() : seam_(*this), core_(seam_)
{
    seam_.paint = &core_.paint;
    seam_.drawn = &core_;
    bridge_.send = &HeadlessHost::Send;
    bridge_.host = this;
    core::WindowMade(core_, 400, 400 + core::kStripHeight);
    byKeys_ = std::getenv("LUMORA_PLAY_BY_KEYS") != nullptr;
}

HeadlessHost::~HeadlessHost()
{
    for (int i = 0; i < core_.modules.count; ++i) {
        const core::ModuleEntry& m = core_.modules.rows[static_cast<size_t>(i)];
        if (m.entry.closeModule) m.entry.closeModule();
    }
    interaction::DiscardTable(core_);
    for (void* library : libraries_) dlclose(library);
}

intptr_t HeadlessHost::Send(TsNativeHost* self, uint32_t message, uintptr_t wParam, intptr_t lParam)
{
    HeadlessHost& host = *static_cast<Bridge*>(self)->host;
    return modules::HandleServiceMessage(host.core_, message, wParam, lParam);
}

bool HeadlessHost::LoadModule(const std::string& path)
{
    loadError_.clear();
    if (core_.modules.count >= core::kMaxModules) {
        loadError_ = "the module table is full";
        return false;
    }
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        loadError_ = dlerror();
        return false;
    }
    core::ModuleEntry& row = core_.modules.rows[static_cast<size_t>(core_.modules.count)];
    row = core::ModuleEntry{};
    row.library = library;
    if (!core::ResolveEntryPoints(row.entry, &LookUp, library)) {
        loadError_ = "an entry point is missing";
        dlclose(library);
        return false;
    }
    if (!Accept(row)) {
        dlclose(library);
        return false;
    }
    core::ResolveOptionalEntryPoints(row.optional, &LookUp, library);
    libraries_.push_back(library);
    return true;
}

bool HeadlessHost::AddModule(const core::ModuleEntryPoints& entry)
{
    loadError_.clear();
    if (core_.modules.count >= core::kMaxModules) {
        loadError_ = "the module table is full";
        return false;
    }
    core::ModuleEntry& row = core_.modules.rows[static_cast<size_t>(core_.modules.count)];
    row = core::ModuleEntry{};
    row.entry = entry;
    return row.entry.initModule && Accept(row);
}

bool HeadlessHost::Accept(core::ModuleEntry& row)
{
    if (row.entry.initModule(static_cast<TsNativeHost*>(&bridge_), row.name, &row.tableWidth) == 0) {
        loadError_ = "TSInitModule refused";
        row = core::ModuleEntry{};
        return false;
    }
    row.name[TS_NAME_BYTES - 1] = '\0';
    ++core_.modules.count;
    return true;
}

const core::ModuleEntry& HeadlessHost::Module(int row) const { return core_.modules.rows[static_cast<size_t>(row)]; }

// --- Game flow ------------------------------------------------------------

void HeadlessHost::RunPostedCommands()
{
    while (!seam_.posted.empty()) {
        const int command = seam_.posted.front();
        seam_.posted.pop_front();
        if (command == modules::kCommandReplay)
            modules::Deal(core_);
        else if (command == modules::kCommandNewGame)
            modules::NewGame(core_);
    }
}

bool HeadlessHost::StartGame(int row, uint32_t seed)
{
    if (!modules::ChooseGame(core_, row)) return false;
    seam_.posted.clear();
    core_.state.seed = seed;
    modules::Deal(core_);
    RunPostedCommands();
    return GameInPlay();
}

bool HeadlessHost::ChooseGame(int row)
{
    if (!modules::ChooseGame(core_, row)) return false;
    RunPostedCommands();
    return true;
}

void HeadlessHost::NewGame()
{
    modules::NewGame(core_);
    RunPostedCommands();
}

void HeadlessHost::Replay()
{
    modules::Deal(core_);
    RunPostedCommands();
}

void HeadlessHost::Undo()
{
    interaction::Undo(core_);
    RunPostedCommands();
}

void HeadlessHost::ToggleAutoPlay()
{
    modules::ToggleAutoPlay(core_);
    RunPostedCommands();
}

void HeadlessHost::SetAutoPlay(bool on)
{
    if ((core_.state.autoPlay != 0) != on) ToggleAutoPlay();
}

void HeadlessHost::SetSounds(bool on) { core_.state.sounds = on ? 1 : 0; }

bool HeadlessHost::SelectOption(int option)
{
    const bool routed = modules::SelectOption(core_, modules::kCommandFirstOption + option);
    RunPostedCommands();
    return routed;
}

void HeadlessHost::SetCardSize(table::CardSize size)
{
    if (size == core_.cardSize()) return;
    core::SwitchCardSize(core_, size, true);
    if (core::ModuleEntry* m = core_.currentModule()) core::FitWindowToTable(core_, m->tableWidth, m->tableHeight);
}

core::ScoreRecord HeadlessHost::Score() const
{
    const int16_t row = core_.flow.currentModule;
    if (row < 0 || row >= core_.modules.count) return {};
    return core_.modules.rows[static_cast<size_t>(row)].score;
}

bool HeadlessHost::OptionChecked(int option) const
{
    return option >= 0 && static_cast<size_t>(option) < optionChecks_.size() &&
           optionChecks_[static_cast<size_t>(option)];
}

// --- The table and the mouse ----------------------------------------------

table::Rect HeadlessHost::CardRect(int stack, int card) const
{
    return table::CardRect(Stack(stack), core_.view, static_cast<int16_t>(card));
}

table::Rect HeadlessHost::StackRect(int stack) const { return table::StackRect(Stack(stack), core_.view); }

bool HeadlessHost::PointOn(int stack, int card, table::Point& p) const
{
    if (stack < 0 || stack >= StackCount()) return false;
    const table::Rect r = card < 0 ? StackRect(stack) : CardRect(stack, card);
    // The first pixel, row by row, where the hit test finds this card.
    for (int32_t y = r.top; y < r.bottom; ++y) {
        for (int32_t x = r.left; x < r.right; ++x) {
            const table::Hit hit = table::HitTest(core_.table.live(), core_.view, {x, y});
            if (hit.found && hit.stack == stack && hit.card == card) {
                p = {x, y};
                return true;
            }
        }
    }
    return false;
}

void HeadlessHost::Press(int32_t x, int32_t y)
{
    if (GameInPlay()) interaction::PickUpCards(core_, x, y);
    RunPostedCommands();
}

void HeadlessHost::Move(int32_t x, int32_t y)
{
    if (GameInPlay()) interaction::DragCards(core_, x, y);
    RunPostedCommands();
}

bool HeadlessHost::Release(int32_t x, int32_t y)
{
    // A press still held when the game ended is finished here too, so the
    // capture never stays behind.
    bool accepted = false;
    if (GameInPlay() || core_.drag.leftPressed) accepted = interaction::DropCards(core_, x, y);
    RunPostedCommands();
    return accepted;
}

void HeadlessHost::DoubleClickAt(int32_t x, int32_t y)
{
    if (GameInPlay()) interaction::DoubleClickCards(core_, x, y);
    RunPostedCommands();
}

void HeadlessHost::RightPress(int32_t x, int32_t y) { interaction::ShowCard(core_, x, y); }

void HeadlessHost::RightRelease(int32_t x, int32_t y) { interaction::HideCard(core_, x, y); }

bool HeadlessHost::Key(interaction::TableKey key)
{
    const bool acted = interaction::PressTableKey(core_, key);
    RunPostedCommands();
    return acted;
}

bool HeadlessHost::KeysTo(int stack, int card)
{
    using interaction::Direction;
    if (stack < 0 || stack >= StackCount()) return false;
    if (!core_.keys.shown) Key(interaction::TableKey::Left);  // the first key shows the focus
    // The shortest way of arrow keys, by the stacks each one leads to.
    const int16_t start = interaction::CurrentFocus(core_).stack;
    std::vector<int> cameBy(static_cast<size_t>(StackCount()), -2), cameFrom(static_cast<size_t>(StackCount()), -1);
    std::vector<int> queue{start};
    cameBy[static_cast<size_t>(start)] = -1;
    const Direction ways[] = {Direction::Left, Direction::Right, Direction::Up, Direction::Down};
    for (size_t next = 0; next < queue.size(); ++next)
        for (int w = 0; w < 4; ++w) {
            const int16_t to =
                interaction::NearestStack(core_.table.live(), core_.view, static_cast<int16_t>(queue[next]), ways[w]);
            if (to < 0 || cameBy[static_cast<size_t>(to)] != -2) continue;
            cameBy[static_cast<size_t>(to)] = w;
            cameFrom[static_cast<size_t>(to)] = queue[next];
            queue.push_back(to);
        }
    if (cameBy[static_cast<size_t>(stack)] == -2) return false;
    std::vector<int> path;
    for (int at = stack; at != start; at = cameFrom[static_cast<size_t>(at)])
        path.push_back(cameBy[static_cast<size_t>(at)]);
    const interaction::TableKey arrows[] = {interaction::TableKey::Left, interaction::TableKey::Right,
                                            interaction::TableKey::Up, interaction::TableKey::Down};
    for (auto w = path.rbegin(); w != path.rend(); ++w) Key(arrows[*w]);
    if (interaction::CurrentFocus(core_).stack != stack) return false;
    if (card < 0) return true;
    while (interaction::CurrentFocus(core_).card < card)
        if (!Key(interaction::TableKey::Higher)) return false;
    while (interaction::CurrentFocus(core_).card > card)
        if (!Key(interaction::TableKey::Deeper)) return false;
    return interaction::CurrentFocus(core_).card == card;
}

bool HeadlessHost::ClickByKeys(int stack, int card)
{
    if (!KeysTo(stack, card)) return false;
    Key(interaction::TableKey::Act);
    if (interaction::HeldCards(core_)) Key(interaction::TableKey::PutBack);  // a click lifts nothing
    return true;
}

bool HeadlessHost::DoubleClickByKeys(int stack, int card)
{
    if (!KeysTo(stack, card)) return false;
    Key(interaction::TableKey::DoubleAct);
    return true;
}

bool HeadlessHost::DragCardByKeys(int from, int card, int to)
{
    if (to < 0 || to >= StackCount() || !KeysTo(from, card)) return false;
    Key(interaction::TableKey::Act);
    if (!interaction::HeldCards(core_)) return false;
    if (!KeysTo(to)) {
        Key(interaction::TableKey::PutBack);
        return false;
    }
    Key(interaction::TableKey::Act);
    if (interaction::HeldCards(core_)) {  // refused: they go back, as a refused drop's do
        Key(interaction::TableKey::PutBack);
        return false;
    }
    return to != from;  // offered to their own stack, they went back
}

bool HeadlessHost::Click(int stack, int card)
{
    if (byKeys_) return ClickByKeys(stack, card);
    table::Point p;
    if (!PointOn(stack, card, p)) return false;
    Press(p.x, p.y);
    Release(p.x, p.y);
    return true;
}

bool HeadlessHost::DoubleClick(int stack, int card)
{
    if (byKeys_) return DoubleClickByKeys(stack, card);
    table::Point p;
    if (!PointOn(stack, card, p)) return false;
    Press(p.x, p.y);
    Release(p.x, p.y);
    DoubleClickAt(p.x, p.y);
    Release(p.x, p.y);
    return true;
}

bool HeadlessHost::DragCard(int from, int card, int to)
{
    if (byKeys_) return DragCardByKeys(from, card, to);
    table::Point p;
    if (to < 0 || to >= StackCount() || !PointOn(from, card, p)) return false;
    // Bring the grabbed card onto the place the next card of `to` takes.
    const CardStack& target = Stack(to);
    CardStack next;
    std::memcpy(&next, &target, sizeof next);
    next.count = static_cast<int16_t>(table::ReadableCount(target) + 1);
    const table::Point there = table::CardPos(next, core_.view, static_cast<int16_t>(next.count - 1));
    const table::Point here = table::CardPos(Stack(from), core_.view, static_cast<int16_t>(card));
    const int32_t dx = there.x - here.x;
    const int32_t dy = there.y - here.y;

    Press(p.x, p.y);
    if (!core_.drag.armed) {
        Release(p.x, p.y);
        return false;
    }
    Move(p.x + interaction::kDragThreshold, p.y);  // starts the drag
    Move(p.x + dx, p.y + dy);
    return Release(p.x + dx, p.y + dy);
}

// --- Saving ---------------------------------------------------------------

std::vector<uint8_t> HeadlessHost::Save()
{
    persistence::NativeGameMemory memory;
    persistence::VectorSink out;
    if (!persistence::WriteGameFile(core_, memory, out)) return {};
    return out.bytes;
}

bool HeadlessHost::Load(const std::vector<uint8_t>& bytes)
{
    persistence::NativeGameMemory memory;
    persistence::SpanSource in(bytes);
    lastLoadError_ = persistence::LoadGameFile(core_, memory, &in, "saved game");
    RunPostedCommands();
    return lastLoadError_ == persistence::LoadError::None;
}

}  // namespace headless

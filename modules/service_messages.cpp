#include "modules/service_messages.h"

#include "core/module_calls.h"
#include "interaction/card_motion.h"
#include "interaction/dragging.h"
#include "interaction/undo.h"
#include "modules/game_flow.h"

namespace modules {

namespace {

using core::Sound;
using core::SoundMode;

CardStack* Ours(core::HostCore& core, CardStack* stack) { return core.table.IndexOf(stack) >= 0 ? stack : nullptr; }

template <typename T>
T* Record(intptr_t lParam)
{
    return reinterpret_cast<T*>(lParam);
}

CardEntry& TopCard(CardStack& s) { return s.cards[s.count - 1]; }

// A top card the host may touch: the count lies within the stack's memory
// (a module may have written either field).
bool HasReadableTop(const CardStack& s) { return s.count > 0 && s.count <= table::SlotCount(s); }

// Room for one more card, leaving the slots of cards in the air from it.
bool HasRoom(const core::HostCore& core, const CardStack& s)
{
    return s.count >= 0 && s.count + interaction::CardsInTheAir(core, s) < table::UsableCapacity(s);
}

// Takes the undo snapshot before a change that `possible` allows, and
// says whether the change is still possible: the snapshot calls the
// module's TSPrepareForUndo, which may change the table in its turn.
template <typename Check>
bool SnapshotFor(core::HostCore& core, Check possible)
{
    if (!possible()) return false;
    interaction::TakeUndoSnapshot(core);
    return possible();
}

}  // namespace

CardStack* CreateStack(core::HostCore& core, const StackSpec* spec)
{
    if (!spec) return nullptr;
    CardStack* s = core.table.Create(*spec, core.cardSize());
    if (!s) return nullptr;
    core::InvalidateTable(core, table::CardRect(*s, core.view, 0));
    core.seam.RepaintNow();
    return s;
}

void AddCard(core::HostCore& core, const CardPlacement* p)
{
    if (!p) return;
    CardStack* s = Ours(core, p->stack);
    if (!s || !SnapshotFor(core, [&] { return HasRoom(core, *s); })) return;
    CardEntry& card = s->cards[s->count++];
    card.faceDown = p->faceDown;
    card.mark = p->mark;
    card.image = static_cast<int16_t>(p->image & 0xFFFFu);
    card.imageHigh = static_cast<uint16_t>(p->image >> 16);
    core::InvalidateTable(core, table::TopAreaRect(*s, core.view));
    if (p->redrawNow) core.seam.RepaintNow();
}

void MoveCard(core::HostCore& core, const CardMove* m)
{
    if (!m) return;
    CardStack* src = Ours(core, m->source);
    CardStack* dst = Ours(core, m->destination);
    if (!src || !dst) return;

    if (src == dst) {
        if (!SnapshotFor(core, [&] { return HasReadableTop(*src); })) return;
        CardEntry& top = TopCard(*src);
        top.faceDown = m->faceDown;
        top.mark = 0;
        core::InvalidateTable(core, table::CardRect(*src, core.view, static_cast<int16_t>(src->count - 1)));
        if (m->redrawNow) {
            core.seam.RepaintNow();
            core::PlayTableSound(core, core::Sound::Flip, core::SoundMode::Sync);
        }
        return;
    }

    // A destination without room leaves the card on its source.
    if (!SnapshotFor(core, [&] { return HasReadableTop(*src) && HasRoom(core, *dst); })) return;
    const int16_t image = TopCard(*src).image;
    core::InvalidateTable(core, table::TopAreaRect(*src, core.view));
    --src->count;
    const bool slides = (m->slide & 0xFFFFu) == TS_SLIDE;
    if (slides) interaction::SlideCardImage(core, *src, *dst, image, m->faceDown != 0);
    CardEntry& card = dst->cards[dst->count++];
    card.faceDown = m->faceDown;
    card.mark = 0;
    card.image = image;
    core::InvalidateTable(core, table::TopAreaRect(*dst, core.view));
    if (m->redrawNow || slides) {
        core.seam.RepaintNow();
        core::PlayTableSound(core, core::Sound::Flip, core::SoundMode::Sync);
    }
}

int32_t ShuffleValues(core::HostCore& core, int16_t count, uint8_t* values)
{
    const core::ShuffleResult r = core::Shuffle(core.random, values, count);
    if (r == core::ShuffleResult::NotRun) return 0;
    core::PlayTableSound(core, core::Sound::Shuffle, core::SoundMode::Sync);
    return r == core::ShuffleResult::Shuffled ? 1 : 0;
}

void RemoveCard(core::HostCore& core, int16_t index, CardStack* stack)
{
    CardStack* s = Ours(core, stack);
    if (!s || index < 0 || !SnapshotFor(core, [&] { return HasReadableTop(*s); })) return;
    const table::Rect before = table::StackRect(*s, core.view);
    for (int16_t j = index; j < s->count - 1; ++j) s->cards[j] = s->cards[j + 1];
    --s->count;
    core::InvalidateTable(core, before);
    core.seam.RepaintNow();
}

void MarkCard(core::HostCore& core, uint32_t mark, CardStack* stack)
{
    CardStack* s = Ours(core, stack);
    if (!s || !SnapshotFor(core, [&] { return HasReadableTop(*s); })) return;
    TopCard(*s).mark = mark;
    core::InvalidateTable(core, table::CardRect(*s, core.view, static_cast<int16_t>(s->count - 1)));
    core.seam.RepaintNow();
}

void ClearStack(core::HostCore& core, CardStack* stack)
{
    CardStack* s = Ours(core, stack);
    if (!s) return;
    interaction::TakeUndoSnapshot(core);
    const table::Rect before = table::StackRect(*s, core.view);
    s->count = 0;
    core::InvalidateTable(core, before);
    core.seam.RepaintNow();
}

intptr_t HandleServiceMessage(core::HostCore& core, uint32_t message, uintptr_t wParam, intptr_t lParam)
{
    switch (message) {
    case HM_ADDCARD: AddCard(core, Record<const CardPlacement>(lParam)); return 0;
    case HM_MOVECARD: MoveCard(core, Record<const CardMove>(lParam)); return 0;
    case HM_CREATESTACK: return reinterpret_cast<intptr_t>(CreateStack(core, Record<const StackSpec>(lParam)));
    case HM_SHUFFLE: return ShuffleValues(core, static_cast<int16_t>(wParam), Record<uint8_t>(lParam));
    case HM_QUERYHOST: return 1;
    case HM_NOOP: return 0;
    case HM_SETSCORE: SetScoreText(core, Record<const char>(lParam)); return 0;
    case HM_SETMESSAGE: SetMessageText(core, Record<const char>(lParam)); return 0;
    case HM_GAMELOST: GameOver(core, false); return 0;
    case HM_GAMEWON: GameOver(core, true); return 0;
    case HM_REMOVECARD: RemoveCard(core, static_cast<int16_t>(wParam), Record<CardStack>(lParam)); return 0;
    case HM_ADDOPTION: AddOptionItem(core, static_cast<uint16_t>(wParam), Record<const char>(lParam)); return 0;
    case HM_CHECKOPTION:
        CheckOptionItem(core, static_cast<uint16_t>(lParam & 0xFFFF), ((lParam >> 16) & 0xFFFF) != 0);
        return 0;
    case HM_GETAUTOPLAY: return core.state.autoPlay ? 1 : 0;
    case HM_MARKCARD: MarkCard(core, static_cast<uint32_t>(wParam), Record<CardStack>(lParam)); return 0;
    case HM_CLEARSTACK: ClearStack(core, Record<CardStack>(lParam)); return 0;
    default: return 0;
    }
}

}  // namespace modules

// SPDX-License-Identifier: MIT
#include "patience.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace kit {

namespace {
bool IsPlayPile(Role r) { return r == Role::Waste || r == Role::Tableau || r == Role::Cell || r == Role::Reserve; }
}  // namespace

const PileRules& Patience::pileRules(int p) const
{
    if (static_cast<int>(rulesOfPiles_.size()) != pileCount()) {
        rulesOfPiles_.clear();
        for (int q = 0; q < pileCount(); ++q) rulesOfPiles_.push_back(defaultRules(q));
        for (const auto& [pile, own] : ownRules_) rulesOfPiles_[static_cast<size_t>(pile)] = own;
    }
    return rulesOfPiles_[static_cast<size_t>(p)];
}

PileRules Patience::defaultRules(int p) const
{
    PileRules r;
    switch (role(p)) {
    case Role::Waste:
    case Role::Reserve: r.lift = Lift::Top; break;
    case Role::Cell:
        r.lift = Lift::Top;
        r.empty = Empty::AnyCard;
        break;
    case Role::Foundation:
        r.lift = rules_.foundationReturns ? Lift::Top : Lift::Nothing;
        r.foundation = rules_.foundation;
        break;
    case Role::Tableau:
        r.lift = rules_.anyFaceUpLifts ? Lift::FaceUpWithAbove : Lift::Run;
        r.build = rules_.tableau;
        r.empty = rules_.emptyTableau;
        r.turnsExposed = rules_.turnExposed;
        break;
    case Role::Stock:
    case Role::Discard: break;
    }
    return r;
}

void Patience::setPileRules(int pile, const PileRules& rules)
{
    rulesOfPiles_.clear();
    for (auto& [p, own] : ownRules_) {
        if (p == pile) {
            own = rules;
            return;
        }
    }
    ownRules_.emplace_back(pile, rules);
}

void Patience::setLift(int pile, Lift lift)
{
    PileRules r = pileRules(pile);  // a copy: setPileRules remakes the table
    r.lift = lift;
    setPileRules(pile, r);
}

void Patience::setFoundationRule(int pile, const FoundationRule& rule)
{
    PileRules r = pileRules(pile);
    r.foundation = rule;
    setPileRules(pile, r);
}

int LiftedCards(Lift lift, const CardStack* s, int index, const Sequence& runs)
{
    const int n = CountOf(s);
    if (index < 0 || index >= n || !FaceUpAt(s, index)) return 0;
    switch (lift) {
    case Lift::Top: return index == n - 1 ? 1 : 0;
    case Lift::Run: return IsRun(s, index, runs) ? n - index : 0;
    case Lift::FaceUpWithAbove: return n - index;
    case Lift::AnyCard: return 1;
    case Lift::TopOrWhole: return index == n - 1 ? 1 : index == 0 ? n : 0;
    case Lift::TopButFirst: return index == n - 1 && n >= 2 ? 1 : 0;
    case Lift::Nothing: break;
    }
    return 0;
}

int16_t Patience::pressed(int p, int index)
{
    if (role(p) == Role::Stock) {
        stockClicked();
        return TS_HIT_NOTHING;
    }
    const int n = count(p);
    if (covered(p) || index < 0 || index >= n) return TS_HIT_NOTHING;
    if (!faceUp(p, index)) {
        if (index == n - 1) turnIfExposed(p);
        return TS_HIT_NOTHING;
    }
    const int lifted = liftable(p, index);
    if (lifted == 0) return TS_HIT_NOTHING;
    const Lift lift = liftOf(p);
    return lift == Lift::Top || lift == Lift::AnyCard || lift == Lift::TopButFirst ? TS_HIT_DRAG_CARD : TS_HIT_DRAG_RUN;
}

int Patience::liftable(int p, int index) const
{
    if (covered(p) || role(p) == Role::Stock) return 0;
    // A squared pile shows only its top card: a press can reach no other.
    const int fan = pile(p).fan;
    if ((fan == TS_FAN_SQUARED || fan == TS_FAN_COUNTED) && index != count(p) - 1) return 0;
    return LiftedCards(liftOf(p), stack(p), index, rules_.runs);
}

bool Patience::onlyShifts(int from, int cards, int to) const
{
    // A foundation's card onto another foundation built alike changes nothing.
    if (role(from) == Role::Foundation && role(to) == Role::Foundation) return pileRules(from) == pileRules(to);
    return cards == count(from) && empty(to) && role(to) == role(from);
}

bool Patience::canPlay(const SolverMove& m) const
{
    if (m.stock()) return !piles(Role::Stock).empty();
    if (m.from < 0 || m.from >= pileCount() || m.to < 0 || m.to >= pileCount() || m.to == m.from) return false;
    const int cards = liftable(m.from, m.index);
    if (cards == 0 || count(m.to) + cards > stack(m.to)->capacity) return false;
    // Room for the most cards a pile of two decks holds; only the header and the cards moving are written.
    std::array<uint64_t, (TS_STACK_BYTES(2 * TS_CARDS) + 7) / 8> storage;
    if (cards > 2 * TS_CARDS) return false;
    auto* moving = reinterpret_cast<CardStack*>(storage.data());
    std::memset(moving, 0, TS_STACK_BYTES(0));
    moving->capacity = moving->count = static_cast<int16_t>(cards);
    for (int j = 0; j < cards; ++j) moving->cards[j] = stack(m.from)->cards[m.index + j];
    return accepts(m.from, moving, m.to);
}

bool Patience::play(const SolverMove& m)
{
    if (!canPlay(m)) return false;
    if (m.stock()) {
        stockClicked();
    } else {
        const int cards = liftable(m.from, m.index);
        moveCards(m.from, m.index, cards, m.to);
        dropped(m.from, m.to, cards);
    }
    settle();
    return true;
}

void Patience::moveCards(int from, int index, int cards, int to)
{
    if (index + cards == count(from)) {
        // The top card slides; a run goes across card by card, bottom first.
        if (cards == 1) {
            moveTop(from, to, {.faceDown = !faceUp(from, index)});
            return;
        }
    }
    for (int k = 0; k < cards; ++k) moveCardAt(from, index, to);
}

bool Patience::anyMoveLeft() const
{
    // The search plays on copies of the piles and puts everything back.
    return Solver(const_cast<Patience&>(*this)).anyMoveLeft();
}

bool Patience::accepts(int from, const CardStack* moving, int to) const
{
    const Card first = BottomOf(moving);
    if (covered(to)) return false;
    if (role(to) == Role::Foundation) return moving->count == 1 && foundationTakes(to, first);
    const PileRules& r = pileRules(to);
    if (!FitsOn(r.build, r.empty, top(to), first)) return false;
    return !rules_.runsNeedSpace || moving->count == 1 || moving->count <= longestRun(from, to);
}

std::string Patience::stockHint() const
{
    for (int s : piles(Role::Stock))
        if (!empty(s)) return "Hint: deal from the stock";
    return "Hint: turn the waste over";
}

void Patience::dropped(int from, int to, int cards)
{
    turnIfExposed(from);
    moved(from, to, cards);
}

void Patience::doubleClicked(int p, int index)
{
    if (role(p) == Role::Stock) {
        stockClicked();
        return;
    }
    if (index != count(p) - 1 || !topFaceUp(p) || liftable(p, index) == 0) return;
    if (sendHome(p) || !rules_.doubleClickToCell || role(p) != Role::Tableau) return;
    for (int cell : piles(Role::Cell))
        if (empty(cell) && play({p, index, cell})) return;
}

bool Patience::autoStep()
{
    for (int p = 0; p < pileCount(); ++p) {
        if (!IsPlayPile(role(p)) || covered(p) || !topFaceUp(p)) continue;
        if (safeToPlay(top(p)) && sendHome(p)) return true;
    }
    return false;
}

bool Patience::safeToPlay(Card c) const
{
    // The judgement below knows foundations built up in suit from the ace;
    // a game with other foundations says itself what auto-play may send.
    for (int f : piles(Role::Foundation))
        if (!(foundationRule(f) == FoundationRule{})) return false;
    if (rules_.safety == Build::None) return false;
    const int r = Rank(c);
    if (r <= 1) return true;  // an ace or a two holds nothing that would not go home first
    switch (rules_.safety) {
    case Build::DownSameSuit:
        return homeCount(Suit(c)) >= r;
    case Build::DownAlternate:
        for (int s = 0; s < TS_SUITS; ++s)
            if (ColourOf(MakeCard(s, 0)) != ColourOf(c) && homeCount(s) < r) return false;
        return true;
    default:
        for (int s = 0; s < TS_SUITS; ++s)
            if (s != Suit(c) && homeCount(s) < r) return false;
        return homeCount(Suit(c)) >= r;
    }
}

bool Patience::foundationTakes(int f, Card c) const
{
    if (rules_.runsGoHome) return false;  // only whole runs, by themselves
    return FoundationTakes(foundationRule(f), top(f), count(f), c);
}

int Patience::foundationFor(Card c) const
{
    for (int f : piles(Role::Foundation))
        if (foundationTakes(f, c)) return f;
    return -1;
}

int Patience::homeFor(int from) const
{
    if (empty(from)) return -1;
    const int index = count(from) - 1;
    for (int f : piles(Role::Foundation))
        if (!onlyShifts(from, 1, f) && canPlay({from, index, f})) return f;
    return -1;
}

int Patience::homeCount(int suit) const
{
    // Each deck has one foundation per suit; the suit is as far home as its
    // least built foundation (0 while some foundation of it is not started).
    int started = 0, least = TS_CARDS;
    for (int f : piles(Role::Foundation)) {
        if (count(f) > 0 && Suit(cardAt(f, 0)) == suit) {
            ++started;
            least = std::min(least, count(f));
        }
    }
    return started < rules_.decks ? 0 : least;
}

int Patience::longestRun(int from, int to) const
{
    int cells = 0, columns = 0;
    for (int p = 0; p < pileCount(); ++p) {
        if (p == from || p == to || !empty(p)) continue;
        if (role(p) == Role::Cell) ++cells;
        // An empty column doubles the run only when it may hold any card.
        if (role(p) == Role::Tableau && rules_.emptyTableau == Empty::AnyCard) ++columns;
    }
    return MaxRunLength(cells, columns);
}

bool Patience::sendHome(int from)
{
    const int f = homeFor(from);
    return f >= 0 && play({from, count(from) - 1, f});
}

bool Patience::sendRunHome(int column)
{
    if (role(column) != Role::Tableau || !FullRunOnTop(stack(column))) return false;
    for (int f : piles(Role::Foundation)) {
        if (!empty(f)) continue;
        // The ace goes first, so the king lies on top however the run formed.
        for (int i = 0; i < TS_RANKS; ++i) moveTop(column, f, {.redraw = i == TS_RANKS - 1});
        turnIfExposed(column);
        return true;
    }
    return false;
}

void Patience::settle()
{
    if (!rules_.runsGoHome) return;
    for (int c : piles(Role::Tableau))
        while (sendRunHome(c)) {
        }
}

void Patience::turnIfExposed(int p)
{
    if (empty(p) || topFaceUp(p) || !pileRules(p).turnsExposed) return;
    turnTop(p, false);
    turned(p);
}

}  // namespace kit

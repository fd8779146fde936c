// SPDX-License-Identifier: MIT
#include "patience.h"

#include <algorithm>

namespace kit {

namespace {
bool IsPlayPile(Role r) { return r == Role::Waste || r == Role::Tableau || r == Role::Cell || r == Role::Reserve; }
}  // namespace

Lift Patience::liftOf(int p) const
{
    for (const auto& [pile, lift] : lifts_)
        if (pile == p) return lift;
    switch (role(p)) {
    case Role::Waste:
    case Role::Cell:
    case Role::Reserve: return Lift::Top;
    case Role::Foundation: return rules_.foundationReturns ? Lift::Top : Lift::Nothing;
    case Role::Tableau: return rules_.anyFaceUpLifts ? Lift::FaceUpWithAbove : Lift::Run;
    case Role::Stock:
    case Role::Discard: break;
    }
    return Lift::Nothing;
}

void Patience::setLift(int pile, Lift lift)
{
    for (auto& [p, l] : lifts_) {
        if (p == pile) {
            l = lift;
            return;
        }
    }
    lifts_.emplace_back(pile, lift);
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
    const Lift lift = liftOf(p);
    if (LiftedCards(lift, stack(p), index, rules_.runs) == 0) return TS_HIT_NOTHING;
    return (lift == Lift::Top || lift == Lift::AnyCard) ? TS_HIT_DRAG_CARD : TS_HIT_DRAG_RUN;
}

bool Patience::stockCanDeal() const
{
    for (int s : piles(Role::Stock))
        if (!empty(s)) return true;
    return false;
}

bool Patience::anyMoveLeft() const
{
    if (stockCanDeal()) return true;
    std::vector<uint64_t> storage;
    for (int p = 0; p < pileCount(); ++p) {
        if (covered(p) || empty(p)) continue;
        const int n = count(p);
        if (role(p) == Role::Tableau && rules_.turnExposed && !faceUp(p, n - 1)) return true;
        const Lift lift = liftOf(p);
        for (int i = n - 1; i >= 0; --i) {
            const int taken = LiftedCards(lift, stack(p), i, rules_.runs);
            if (taken == 0) continue;
            storage.assign((TS_STACK_BYTES(taken) + 7) / 8, 0);
            CardStack* moving = reinterpret_cast<CardStack*>(storage.data());
            moving->capacity = moving->count = static_cast<int16_t>(taken);
            for (int j = 0; j < taken; ++j) moving->cards[j] = stack(p)->cards[i + j];
            for (int to = 0; to < pileCount(); ++to) {
                if (to == p || count(to) + taken > stack(to)->capacity) continue;
                // Moves that only shift cards between like places change nothing.
                if (role(p) == Role::Foundation && role(to) == Role::Foundation) continue;
                if (taken == n && empty(to) && role(to) == role(p)) continue;
                if (accepts(p, moving, to)) return true;
            }
        }
    }
    return false;
}

bool Patience::accepts(int from, const CardStack* moving, int to) const
{
    const Card first = BottomOf(moving);
    if (covered(to)) return false;
    switch (role(to)) {
    case Role::Foundation:
        return moving->count == 1 && foundationTakes(to, first);
    case Role::Cell:
        return moving->count == 1 && empty(to);
    case Role::Tableau:
        if (!FitsOn(rules_.tableau, rules_.emptyTableau, top(to), first)) return false;
        return !rules_.runsNeedSpace || moving->count == 1 || moving->count <= longestRun(from, to);
    default:
        return false;
    }
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
    if (!IsPlayPile(role(p)) || covered(p) || index != count(p) - 1 || !topFaceUp(p)) return;
    if (sendHome(p) || !rules_.doubleClickToCell || role(p) != Role::Tableau) return;
    for (int cell : piles(Role::Cell)) {
        if (empty(cell)) {
            moveTop(p, cell);
            return;
        }
    }
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

FoundationRule Patience::foundationRule(int f) const
{
    for (const auto& [pile, rule] : foundationRules_)
        if (pile == f) return rule;
    return rules_.foundation;
}

void Patience::setFoundationRule(int pile, const FoundationRule& rule)
{
    for (auto& [p, r] : foundationRules_) {
        if (p == pile) {
            r = rule;
            return;
        }
    }
    foundationRules_.emplace_back(pile, rule);
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
    const int f = foundationFor(top(from));
    if (f < 0) return false;
    moveTop(from, f);
    turnIfExposed(from);
    moved(from, f, 1);
    return true;
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
    if (role(p) != Role::Tableau || !rules_.turnExposed || empty(p) || topFaceUp(p)) return;
    turnTop(p, false);
    turned(p);
}

}  // namespace kit

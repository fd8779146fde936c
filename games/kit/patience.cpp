// SPDX-License-Identifier: MIT
#include "patience.h"

#include <algorithm>

namespace kit {

namespace {
bool IsPlayPile(Role r) { return r == Role::Waste || r == Role::Tableau || r == Role::Cell || r == Role::Reserve; }
}  // namespace

int16_t Patience::pressed(int p, int index)
{
    const int n = count(p);
    switch (role(p)) {
    case Role::Stock:
        stockClicked();
        return TS_HIT_NOTHING;
    case Role::Waste:
    case Role::Cell:
    case Role::Reserve:
        return (n > 0 && index == n - 1 && faceUp(p, index)) ? TS_HIT_DRAG_CARD : TS_HIT_NOTHING;
    case Role::Foundation:
        return (rules_.foundationReturns && n > 0 && index == n - 1) ? TS_HIT_DRAG_CARD : TS_HIT_NOTHING;
    case Role::Tableau:
        if (index < 0 || index >= n) return TS_HIT_NOTHING;
        if (!faceUp(p, index)) {
            if (index == n - 1 && rules_.turnExposed) turnIfExposed(p);
            return TS_HIT_NOTHING;
        }
        if (rules_.anyFaceUpLifts || IsRun(stack(p), index, rules_.runs)) return TS_HIT_DRAG_RUN;
        return TS_HIT_NOTHING;
    case Role::Discard:
        break;
    }
    return TS_HIT_NOTHING;
}

bool Patience::accepts(int from, const CardStack* moving, int to) const
{
    const Card first = BottomOf(moving);
    switch (role(to)) {
    case Role::Foundation:
        return moving->count == 1 && foundationTakes(to, first);
    case Role::Cell:
        return moving->count == 1 && empty(to);
    case Role::Tableau:
        if (rules_.runsNeedSpace && moving->count > longestRun(from, to)) return false;
        return FitsOn(rules_.tableau, rules_.emptyTableau, top(to), first);
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
    if (IsPlayPile(role(p)) && index == count(p) - 1 && topFaceUp(p)) sendHome(p);
}

bool Patience::autoStep()
{
    for (int p = 0; p < pileCount(); ++p) {
        if (!IsPlayPile(role(p)) || !topFaceUp(p)) continue;
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
    std::vector<int> counts;
    for (int f : piles(Role::Foundation))
        if (count(f) > 0 && Suit(cardAt(f, 0)) == suit) counts.push_back(count(f));
    if (static_cast<int>(counts.size()) < rules_.decks) return 0;
    return *std::min_element(counts.begin(), counts.end());
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

void Patience::turnIfExposed(int p)
{
    if (role(p) != Role::Tableau || !rules_.turnExposed || empty(p) || topFaceUp(p)) return;
    turnTop(p, false);
    turned(p);
}

}  // namespace kit

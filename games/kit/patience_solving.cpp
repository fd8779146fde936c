// SPDX-License-Identifier: MIT
//
// What the solver gives the patience games: "Hint" (the card to move, marked,
// and where it goes, in the message area) and "Winnable deals only" (deals
// shuffled again until the solver finds a win). Both are bounded by counted
// positions, never by the clock, so a deal chosen this way replays alike.
#include <algorithm>
#include <cstring>

#include "patience.h"

namespace kit {

namespace {

// A hint from an open position: the whole game searched, about 100 ms at most.
constexpr SolverBudget kHintBudget{.positions = 10000, .tableBits = 15, .depth = 400};
// A hint that only looks a few moves ahead (hidden cards, or no win found).
constexpr SolverBudget kNearBudget{.positions = 5000, .tableBits = 10, .depth = 4};
// A deal tried for "Winnable deals only", and how many deals are tried.
constexpr SolverBudget kDealBudget{.positions = 12000, .tableBits = 16, .depth = 600};
constexpr int kDealTries = 40;

constexpr uint8_t kWinnableMark = 'W';

}  // namespace

Solution Patience::solveHere(const SolverBudget& budget, Goal goal)
{
    Solution s = Solver(*this).solve(budget, goal);
    if (goal != Goal::Win) return s;
    lastSearch_.positions = s.positions;
    lastSearch_.budget = budget.positions;
    lastSearch_.verdict = s.verdict;
    return s;
}

namespace {
// The kit's options are numbered in the order they are added.
int Slot(const PatienceRules& r, Patience::KitOption o)
{
    if (o == Patience::kHint) return r.hints ? 0 : -1;
    return r.winnableDeals ? (r.hints ? 1 : 0) : -1;
}
}  // namespace

void Patience::addKitOptions()
{
    if (rules_.hints) host().addOption(kitOption(Slot(rules_, kHint)), "Hint");
    if (rules_.winnableDeals) {
        host().addOption(kitOption(Slot(rules_, kWinnableOnly)), "Winnable deals only");
        host().checkOption(kitOption(Slot(rules_, kWinnableOnly)), winnableOnly_);
    }
}

void Patience::kitOptionChosen(int option)
{
    if (option == Slot(rules_, kHint) && playing()) showHint();
    if (option == Slot(rules_, kWinnableOnly)) {
        winnableOnly_ = !winnableOnly_;
        host().checkOption(kitOption(Slot(rules_, kWinnableOnly)), winnableOnly_);
        if (playing()) showMessage(winnableOnly_ ? "Winnable deals from the next deal" : "Any deal from the next deal");
    }
}

std::vector<uint8_t> Patience::kitData() const
{
    if (!rules_.winnableDeals) return {};
    return {kWinnableMark, static_cast<uint8_t>(winnableOnly_ ? 1 : 0)};
}

void Patience::kitDataLoaded(const std::vector<uint8_t>& bytes)
{
    // A saved game goes on with the setting it was dealt with, so that Replay
    // deals its cards again.
    if (!rules_.winnableDeals || bytes.size() < 2 || bytes[0] != kWinnableMark) return;
    winnableOnly_ = bytes[1] != 0;
    host().checkOption(kitOption(Slot(rules_, kWinnableOnly)), winnableOnly_);
}

void Patience::dealTable()
{
    knownLine_.clear();
    knownKeys_.clear();
    if (!rules_.winnableDeals || !winnableOnly_) {
        deal();
        return;
    }
    // Deals are tried on copies of the piles; the one kept is laid on the table.
    const int n = pileCount();
    std::vector<std::vector<uint64_t>> storage(static_cast<size_t>(n));
    std::vector<CardStack*> copies;
    for (int p = 0; p < n; ++p) {
        storage[p].assign((TS_STACK_BYTES(std::max(pile(p).capacity, 1)) + 7) / 8, 0);
        auto* c = reinterpret_cast<CardStack*>(storage[p].data());
        c->capacity = static_cast<int16_t>(pile(p).capacity);
        copies.push_back(c);
    }
    const std::vector<CardStack*> table = exchangeStacks(copies);
    setOffTable(true);
    Solution found;
    for (int tries = 1; tries <= kDealTries; ++tries) {
        for (CardStack* c : copies) c->count = 0;
        if (tries > 1) resetState();
        deal();
        found = solveHere(kDealBudget);
        lastSearch_.dealsTried = tries;
        if (found.verdict == Verdict::Won) break;
    }
    setOffTable(false);
    exchangeStacks(table);
    for (int p = 0; p < n; ++p)
        for (int k = 0; k < copies[p]->count; ++k) dealCard(p, copies[p]->cards[k].image, copies[p]->cards[k].faceDown != 0);
    if (found.verdict == Verdict::Won) {
        knownLine_ = found.line;
        knownKeys_ = found.keys;
        noticeAfterDeal("A winnable deal");
    } else {
        noticeAfterDeal("Not proven winnable");
    }
}

bool Patience::allFaceUp() const
{
    for (int p = 0; p < pileCount(); ++p)
        for (int k = 0; k < count(p); ++k)
            if (!faceUp(p, k)) return false;
    return true;
}

void Patience::showHint()
{
    clearHintMark();
    hintNamed_ = false;
    // A line found knowing hidden cards (a winnable deal) is followed only once every card is in sight.
    const bool open = allFaceUp();
    const uint64_t here = Solver(*this).key();
    for (size_t i = 0; open && i < knownKeys_.size(); ++i) {
        if (knownKeys_[i] == here) {
            showHintFor(knownLine_[i]);
            return;
        }
    }
    // The whole game is searched only when every card is in sight.
    if (open) {
        const Solution s = solveHere(kHintBudget);
        if (s.verdict == Verdict::Won) {
            knownLine_ = s.line;
            knownKeys_ = s.keys;
            showHintFor(s.line.front());
            return;
        }
        if (s.verdict == Verdict::Lost) {
            showMessage("Hint: no move leads to a win");
            return;
        }
    }
    const Solution near = solveHere(kNearBudget, Goal::Progress);
    if (near.verdict == Verdict::Won) {
        showHintFor(near.line.front());
        return;
    }
    if (Solver(*this).clickChanges()) {
        showHintFor(SolverMove{});
        return;
    }
    const std::string blocked = stockBlockedHint();
    const int stock = firstPile(Role::Stock);
    if (stock >= 0 && !empty(stock) && !blocked.empty()) {
        showHintMark(stock);
        showMessage(blocked);
        return;
    }
    showMessage("Hint: no move helps");
}

std::string Patience::emptyPileWords(int pile) const
{
    if (role(pile) == Role::Tableau) return "an empty column";
    if (role(pile) == Role::Cell) return "a free cell";
    return "an empty pile";
}

void Patience::showHintFor(const SolverMove& move)
{
    lastHint_ = move;
    hintNamed_ = true;
    if (move.stock()) {
        const int stock = firstPile(Role::Stock);
        if (stock >= 0) showHintMark(stock);
        showMessage(stockHint());
        return;
    }
    const int from = move.from;
    const Card card = cardAt(from, std::min(move.index, count(from) - 1));
    const int to = move.to;
    const std::string where = role(to) == Role::Foundation ? "a foundation" : !empty(to) ? "the " : emptyPileWords(to);
    const bool onCard = role(to) != Role::Foundation && !empty(to);
    std::string text = "Hint: " + CardWords(card) + " to " + where + (onCard ? CardWords(top(to)) : "");
    // A narrow table names the cards short: "Hint: 7H to the 8S".
    if (static_cast<int>(text.size()) > messageRoom())
        text = "Hint: " + CardShort(card) + " to " + where + (onCard ? CardShort(top(to)) : "");
    // The host marks only a pile's top card: the card named is marked when it is the top one.
    if (move.index == count(from) - 1) showHintMark(from);
    showMessage(text);
}

}  // namespace kit

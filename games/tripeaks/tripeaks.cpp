// TriPeaks: clear three peaks onto the waste in runs up and down.
//
//         [ ]               [ ]               [ ]           row 0
//       [ ] [ ]           [ ] [ ]           [ ] [ ]         row 1
//     [ ] [ ] [ ]  ...  nine cards  ...  [ ] [ ] [ ]        row 2
//   [ ] [ ] [ ] [ ] [ ] [ ] [ ] [ ] [ ] [ ]                 row 3, face up
//
//                      [stock] [waste]
//
// Each card half covers two cards of the row above it (rows 0 to 2 are
// face down). A card is free when both cards covering it are gone, and
// then turns face up. A free card one rank above or below the waste's
// top card goes onto the waste (king and ace follow each other when
// wrapping is on). The stock turns one card at a time onto the waste, once
// through. Score: each card of a run from the peaks scores one more than
// the one before; turning the stock ends the run. Clearing a peak's top
// card scores 15, the last of the three 30. The hint names the card that
// begins the longest run of the cards in sight, of runs alike the one that
// turns most cards.
#include <algorithm>
#include <unordered_map>

#include "game.h"
#include "layout.h"
#include "simple_hint.h"

namespace {

using namespace kit;

constexpr int kRows = 4, kCells = 28, kPitch = 52, kRowStep = 32, kMargin = 8;
constexpr int kRowStart[kRows + 1] = {0, 3, 9, 18, 28};
constexpr int kLowerY = kMargin + (kRows - 1) * kRowStep + kCardHeight + 16;
constexpr int kWidth = 2 * kMargin + 9 * kPitch + kCardWidth;
constexpr int kPeakBonus = 15, kLastPeakBonus = 30;

constexpr int RowOf(int cell)
{
    int row = 0;
    while (kRowStart[row + 1] <= cell) ++row;
    return row;
}
// A cell's place across the bottom row, in half pitches.
constexpr int HalfColumn(int cell)
{
    const int row = RowOf(cell), i = cell - kRowStart[row];
    switch (row) {
    case 0: return 6 * i + 3;
    case 1: return 6 * (i / 2) + 2 * (i % 2) + 2;
    case 2: return 2 * i + 1;
    default: return 2 * i;
    }
}

class TriPeaks : public Game {
public:
    TriPeaks() : Game("TriPeaks", {kWidth, kLowerY + kCardHeight + kMargin})
    {
        for (int c = 0; c < kCells; ++c)
            addPile(Role::Tableau, kMargin + HalfColumn(c) * kPitch / 2, kMargin + RowOf(c) * kRowStep,
                    TS_FAN_SQUARED, TS_BASE_NONE, 1);
        stock_ = addPile(Role::Stock, kWidth / 2 - kCardWidth - 8, kLowerY, TS_FAN_COUNTED, TS_BASE_STOCK_DONE,
                         TS_CARDS - kCells);
        waste_ = addPile(Role::Waste, kWidth / 2 + 8, kLowerY, TS_FAN_SQUARED, TS_BASE_WASTE, TS_CARDS);
        keepState(s_);
    }

private:
    struct State {
        int32_t score;
        int32_t run;
        int32_t wrap;  // king and ace follow each other; fixed for the deal
    } s_{};
    enum Option { kWrap, kHint };

    void resetState() override { s_.wrap = wrapPreference_ ? 1 : 0; }
    void stateFromTable() override { s_.wrap = 1; }

    void deal() override
    {
        const std::vector<Card> cards = shuffled(fullDecks(1));
        size_t next = 0;
        for (int c = 0; c < kCells; ++c) dealCard(c, cards[next++], RowOf(c) < kRows - 1);
        while (next + 1 < cards.size()) dealCard(stock_, cards[next++], true);
        dealCard(waste_, cards[next]);
    }

    // The cells of the next row whose half columns lie one either side.
    std::vector<int> coverers(int cell) const
    {
        std::vector<int> out;
        const int row = RowOf(cell);
        if (row == kRows - 1) return out;
        for (int c = kRowStart[row + 1]; c < kRowStart[row + 2]; ++c)
            if (HalfColumn(c) == HalfColumn(cell) - 1 || HalfColumn(c) == HalfColumn(cell) + 1) out.push_back(c);
        return out;
    }
    bool uncovered(int cell) const
    {
        for (int c : coverers(cell))
            if (!empty(c)) return false;
        return true;
    }
    bool exposed(int cell) const { return cell < kCells && !empty(cell) && uncovered(cell); }
    bool follows(Card a, Card b) const
    {
        const int step = (Rank(a) - Rank(b) + TS_RANKS) % TS_RANKS;
        if (s_.wrap) return step == 1 || step == TS_RANKS - 1;
        return Rank(a) - Rank(b) == 1 || Rank(b) - Rank(a) == 1;
    }
    bool playable(int cell) const { return exposed(cell) && !empty(waste_) && follows(top(cell), top(waste_)); }

    void play(int cell)
    {
        moveTop(cell, waste_, false);
        s_.score += ++s_.run;
        if (RowOf(cell) == 0) s_.score += peaksLeft() == 0 ? kLastPeakBonus : kPeakBonus;
        for (int c = 0; c < kCells; ++c)
            if (!empty(c) && !faceUp(c, 0) && uncovered(c)) turnTop(c);
    }
    int peaksLeft() const
    {
        int n = 0;
        for (int c = 0; c < kRowStart[1]; ++c) n += empty(c) ? 0 : 1;
        return n;
    }
    void turnStock()
    {
        if (empty(stock_)) return;
        moveTop(stock_, waste_, false);
        s_.run = 0;
    }

    int16_t pressed(int p, int index) override
    {
        if (p == stock_) {
            turnStock();
        } else if (index == count(p) - 1 && playable(p)) {
            play(p);
        }
        return TS_HIT_NOTHING;
    }
    // The second click of a double click counts as a click of its own.
    void doubleClicked(int p, int index) override { pressed(p, index); }

    bool won() const override { return cardsIn(Role::Tableau) == 0; }
    bool lost() const override
    {
        if (!empty(stock_) || won()) return false;
        for (int c = 0; c < kCells; ++c)
            if (playable(c)) return false;
        return true;
    }
    int points() const override { return s_.score; }
    std::string messageText() const override
    {
        std::string text = Counted(cardsIn(Role::Tableau), "card") + " left";
        if (s_.run > 1) text += ", a run of " + std::to_string(s_.run);
        return text;
    }

    void addOptions() override
    {
        host().addOption(kWrap, "King and Ace Wrap");
        host().checkOption(kWrap, wrapPreference_);
        host().addOption(kHint, kHintOptionText);
    }
    void optionChosen(int option) override
    {
        if (option == kHint && playing()) showHint();
        if (option != kWrap) return;
        wrapPreference_ = !wrapPreference_;  // from the next deal
        host().checkOption(kWrap, wrapPreference_);
    }

    // The search for a hint sees what a player sees: the face-up cards. It
    // takes the cells of `gone` off the table, so a cell it uncovers is only
    // a card turned, never a card to play.
    using Cells = uint32_t;
    static Cells Bit(int cell) { return Cells{1} << cell; }
    bool freeWithout(int cell, Cells gone) const
    {
        for (int c : coverers(cell))
            if (!empty(c) && !(gone & Bit(c))) return false;
        return true;
    }
    bool inSight(int cell, Cells gone) const
    {
        return !empty(cell) && !(gone & Bit(cell)) && faceUp(cell, 0) && freeWithout(cell, gone);
    }
    int turnedWithout(Cells gone) const
    {
        int n = 0;
        for (int c = 0; c < kCells; ++c)
            if (!empty(c) && !(gone & Bit(c)) && !faceUp(c, 0) && !uncovered(c) && freeWithout(c, gone)) ++n;
        return n;
    }
    // How good the best run on from `gone` is, `under` on the waste: the
    // cards it plays, then the cards it turns. A run weighs more than any
    // count of turned cards (at most 18 of the 28 are face down).
    static constexpr int kRunWeight = 32;
    int bestRunOn(Cells gone, Card under, std::unordered_map<uint64_t, int>& known) const
    {
        const uint64_t key = (uint64_t{gone} << 8) | static_cast<uint64_t>(under);
        if (const auto found = known.find(key); found != known.end()) return found->second;
        int best = turnedWithout(gone);
        for (int c = 0; c < kCells; ++c)
            if (inSight(c, gone) && follows(top(c), under))
                best = std::max(best, kRunWeight + bestRunOn(gone | Bit(c), top(c), known));
        known[key] = best;
        return best;
    }

    void showHint()
    {
        std::unordered_map<uint64_t, int> known;
        int best = -1, bestValue = -1;
        for (int c = 0; c < kCells; ++c) {
            if (!playable(c) || !faceUp(c, 0)) continue;
            const int value = kRunWeight + bestRunOn(Bit(c), top(c), known);
            if (value > bestValue) {
                best = c;
                bestValue = value;
            }
        }
        if (best >= 0) {
            showHintMark(best);
            showMessage(HintText("% to the waste", {top(best)}, messageRoom()));
        } else if (!empty(stock_)) {
            showHintMark(stock_);
            showMessage("Hint: deal from the stock");
        } else {
            showMessage("Hint: no move helps");
        }
    }

    int stock_, waste_;
    bool wrapPreference_ = true;
};

}  // namespace

LUMORA_GAME(TriPeaks)

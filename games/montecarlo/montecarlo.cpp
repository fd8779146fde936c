// Monte Carlo: pair off the deck, two touching cards of a rank at a time.
//
//   [ ] [ ] [ ] [ ] [ ]      [stock]
//   [ ] [ ] [ ] [ ] [ ]
//   [ ] [ ] [ ] [ ] [ ]      [discard]
//   [ ] [ ] [ ] [ ] [ ]
//   [ ] [ ] [ ] [ ] [ ]
//
// Twenty-five cards are dealt face up in a five by five grid. Two cards of
// the same rank that touch (side by side, above and below, or corner to
// corner) are removed: click one to mark it and then the other. A click on
// the stock closes the grid up: the cards left move up to the first places
// in reading order, and the places after them are filled from the stock.
// With Auto Play on the grid closes up by itself when no pair touches.
// Score: the cards removed. The hint names the pair that lets most pairs
// follow it, three removals ahead, and then most pairs once the grid is
// closed up (the stock's cards unseen).
#include <algorithm>
#include <array>

#include "game.h"
#include "layout.h"
#include "simple_hint.h"

namespace {

using namespace kit;

constexpr int kSide = 5, kCells = kSide * kSide, kRowStep = kCardHeight + 8, kGap = 24;
constexpr Grid kGrid;
constexpr int kRightX = kGrid.x(kSide) + kGap - 10;
constexpr int kHeight = kGrid.margin + (kSide - 1) * kRowStep + kCardHeight + kGrid.margin;

constexpr bool Touch(int a, int b)
{
    const int dr = a / kSide - b / kSide, dc = a % kSide - b % kSide;
    return a != b && dr >= -1 && dr <= 1 && dc >= -1 && dc <= 1;
}

class MonteCarlo : public Game {
public:
    MonteCarlo() : Game("Monte Carlo", {kRightX + kCardWidth + kGrid.margin, kHeight})
    {
        for (int c = 0; c < kCells; ++c)
            addPile(Role::Tableau, kGrid.x(c % kSide), kGrid.margin + c / kSide * kRowStep, TS_FAN_SQUARED,
                    TS_BASE_DOTTED, 1);
        stock_ = addPile(Role::Stock, kRightX, kGrid.margin, TS_FAN_COUNTED, TS_BASE_STOCK_DONE, TS_CARDS - kCells);
        discard_ = addPile(Role::Discard, kRightX, kGrid.margin + 2 * kRowStep, TS_FAN_COUNTED, TS_BASE_DISCARD,
                           TS_CARDS);
    }

private:
    void deal() override
    {
        const std::vector<Card> cards = shuffled(fullDecks(1));
        size_t next = 0;
        for (int c = 0; c < kCells; ++c) dealCard(c, cards[next++]);
        while (next < cards.size()) dealCard(stock_, cards[next++], true);
    }

    bool pair(int a, int b) const
    {
        return a < kCells && b < kCells && Touch(a, b) && !empty(a) && !empty(b) && Rank(top(a)) == Rank(top(b));
    }
    bool anyPair() const
    {
        for (int a = 0; a < kCells; ++a)
            for (int b = a + 1; b < kCells; ++b)
                if (pair(a, b)) return true;
        return false;
    }
    int markedCell() const
    {
        for (int c = 0; c < kCells; ++c)
            if (topMarked(c)) return c;
        return -1;
    }
    // Closing up changes something when a gap comes before a card, or the
    // stock can fill a gap.
    bool canCloseUp() const
    {
        bool gap = false;
        for (int c = 0; c < kCells; ++c) {
            if (empty(c)) {
                gap = true;
            } else if (gap) {
                return true;
            }
        }
        return gap && !empty(stock_);
    }
    void closeUp()
    {
        const int marked = markedCell();
        if (marked >= 0) markTop(marked, false);
        int to = 0;
        for (int from = 0; from < kCells; ++from) {
            if (empty(from)) continue;
            if (from != to) moveTop(from, to, false);
            ++to;
        }
        for (; to < kCells && !empty(stock_); ++to) moveTop(stock_, to, false);
    }

    int16_t pressed(int p, int index) override
    {
        if (p == stock_) {
            if (canCloseUp()) closeUp();
            return TS_HIT_NOTHING;
        }
        if (p >= kCells || empty(p) || index != count(p) - 1) return TS_HIT_NOTHING;
        const int marked = markedCell();
        if (marked == p) {
            markTop(p, false);
            return TS_HIT_NOTHING;
        }
        if (marked >= 0 && pair(marked, p)) {
            moveTop(marked, discard_);
            moveTop(p, discard_);
            return TS_HIT_NOTHING;
        }
        if (marked >= 0) markTop(marked, false);
        return TS_HIT_MARK;
    }
    // The second click of a double click counts as a click of its own.
    void doubleClicked(int p, int index) override
    {
        if (pressed(p, index) == TS_HIT_MARK) markTop(p, true);
    }
    // Closing up is the only move left when no pair touches.
    bool autoStep() override
    {
        if (anyPair() || !canCloseUp()) return false;
        closeUp();
        return true;
    }

    bool won() const override { return count(discard_) == TS_CARDS; }
    bool lost() const override { return !won() && !anyPair() && !canCloseUp(); }
    int points() const override { return count(discard_); }
    std::string messageText() const override
    {
        return Counted(cardsIn(Role::Tableau) + count(stock_), "card") + " left";
    }

    enum Option { kHint };
    void addOptions() override { host().addOption(kHint, kHintOptionText); }
    void optionChosen(int option) override
    {
        if (option == kHint && playing()) showHint();
    }

    // The grid as the hint's search plays it: kNoCard where a card has gone.
    using Cells = std::array<Card, kCells>;
    struct Pair {
        int a, b;
    };
    static std::vector<Pair> Pairs(const Cells& cells)
    {
        std::vector<Pair> out;
        for (int a = 0; a < kCells; ++a)
            for (int b = a + 1; b < kCells; ++b)
                if (Touch(a, b) && cells[static_cast<size_t>(a)] != kNoCard && cells[static_cast<size_t>(b)] != kNoCard &&
                    Rank(cells[static_cast<size_t>(a)]) == Rank(cells[static_cast<size_t>(b)]))
                    out.push_back({a, b});
        return out;
    }
    static Cells ClosedUp(const Cells& cells)
    {
        Cells out;
        out.fill(kNoCard);
        size_t to = 0;
        for (Card c : cells)
            if (c != kNoCard) out[to++] = c;
        return out;
    }
    // Pairs removed in `depth` more removals, weighed above the pairs that
    // touch once the grid is closed up after them.
    static constexpr int kPairWeight = 64;
    static int LookAhead(const Cells& cells, int depth)
    {
        const std::vector<Pair> pairs = Pairs(cells);
        if (depth == 0 || pairs.empty()) return static_cast<int>(Pairs(ClosedUp(cells)).size());
        int best = 0;
        for (Pair p : pairs) {
            Cells after = cells;
            after[static_cast<size_t>(p.a)] = after[static_cast<size_t>(p.b)] = kNoCard;
            best = std::max(best, kPairWeight + LookAhead(after, depth - 1));
        }
        return best;
    }

    void showHint()
    {
        Cells cells;
        for (int c = 0; c < kCells; ++c) cells[static_cast<size_t>(c)] = empty(c) ? kNoCard : top(c);
        Pair best{-1, -1};
        int bestValue = -1;
        for (Pair p : Pairs(cells)) {
            Cells after = cells;
            after[static_cast<size_t>(p.a)] = after[static_cast<size_t>(p.b)] = kNoCard;
            const int value = LookAhead(after, 2);
            if (value > bestValue) {
                best = p;
                bestValue = value;
            }
        }
        if (best.a >= 0) {
            showHintMark(best.a);
            showMessage(HintText("% with the %", {top(best.a), top(best.b)}, messageRoom()));
        } else if (canCloseUp()) {
            showHintMark(stock_);
            showMessage("Hint: close up the grid");
        } else {
            showMessage("Hint: no move helps");
        }
    }

    int stock_, discard_;
};

}  // namespace

LUMORA_GAME(MonteCarlo)

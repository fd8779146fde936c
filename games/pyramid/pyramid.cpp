// Pyramid: remove pairs of exposed cards that add up to 13; kings go alone.
//
//                 [ ]                        row 0
//               [ ] [ ]                      ...
//             [ ] [ ] [ ]                    each card half covers two cards
//                ...                         of the row below it
//   [ ] [ ] [ ] [ ] [ ] [ ] [ ]              row 6
//
//   [stock] [waste]                 [discard]
//
// A card is exposed when both cards covering it are gone. Click one card to
// mark it and a second to pair them; a king is removed by a click. The waste
// may be turned back into the stock twice (three passes). Ace 1, jack 11,
// queen 12, king 13. Score: the cards removed.
#include "game.h"
#include "layout.h"

namespace {

using namespace kit;

constexpr int kRows = 7, kCells = kRows * (kRows + 1) / 2, kPitch = 50, kRowStep = 32, kMargin = 8;
constexpr int kLowerY = kMargin + (kRows - 1) * kRowStep + kCardHeight + 16;
constexpr int kWidth = 2 * kMargin + (kRows - 1) * kPitch + kCardWidth;
constexpr int kRedeals = 2;

constexpr int CellIndex(int row, int i) { return row * (row + 1) / 2 + i; }

class Pyramid : public Game {
public:
    Pyramid() : Game("Pyramid", {kWidth, kLowerY + kCardHeight + kMargin})
    {
        for (int row = 0; row < kRows; ++row)
            for (int i = 0; i <= row; ++i)
                addPile(Role::Tableau, kMargin + (kRows - 1 - row) * kPitch / 2 + i * kPitch, kMargin + row * kRowStep,
                        TS_FAN_SQUARED, TS_BASE_NONE, 1);
        stock_ = addPile(Role::Stock, kMargin, kLowerY, TS_FAN_COUNTED, TS_BASE_STOCK_REDEAL, 24);
        waste_ = addPile(Role::Waste, kMargin + kCardWidth + 10, kLowerY, TS_FAN_SQUARED, TS_BASE_WASTE, 24);
        discard_ = addPile(Role::Discard, kWidth - kMargin - kCardWidth, kLowerY, TS_FAN_COUNTED, TS_BASE_DISCARD, TS_CARDS);
        keepState(s_);
    }

private:
    struct State {
        int32_t redealsLeft;
    } s_{};

    void resetState() override { s_.redealsLeft = kRedeals; }

    void deal() override
    {
        const std::vector<Card> cards = shuffled(fullDecks(1));
        size_t next = 0;
        for (int p = 0; p < kCells; ++p) dealCard(p, cards[next++]);
        while (next < cards.size()) dealCard(stock_, cards[next++], true);
    }

    // An exposed pyramid card, or the top of the waste.
    bool available(int p) const
    {
        if (p == waste_) return !empty(p);
        if (p >= kCells || empty(p)) return false;
        int row = 0;
        while (CellIndex(row + 1, 0) <= p) ++row;
        if (row == kRows - 1) return true;
        const int below = CellIndex(row + 1, p - CellIndex(row, 0));
        return empty(below) && empty(below + 1);
    }
    std::vector<int> availablePiles() const
    {
        std::vector<int> out;
        for (int p = 0; p <= waste_; ++p)
            if (available(p)) out.push_back(p);
        return out;
    }
    int markedPile() const
    {
        for (int p : availablePiles())
            if (topMarked(p)) return p;
        return -1;
    }
    static bool IsKing(Card c) { return PipValue(c) == 13; }
    static bool Pair(Card a, Card b) { return PipValue(a) + PipValue(b) == 13; }

    void turnStock()
    {
        if (topMarked(waste_)) markTop(waste_, false);
        if (!empty(stock_)) {
            moveTop(stock_, waste_, false);
        } else if (s_.redealsLeft > 0 && !empty(waste_)) {
            while (count(waste_) > 1) moveTop(waste_, stock_, true, false, false);
            moveTop(waste_, stock_, true, false, true);
            --s_.redealsLeft;
        }
    }

    int16_t pressed(int p, int index) override
    {
        if (p == stock_) {
            turnStock();
            return TS_HIT_NOTHING;
        }
        if (!available(p) || index != count(p) - 1) return TS_HIT_NOTHING;
        const int marked = markedPile();
        if (marked == p) {
            markTop(p, false);
            return TS_HIT_NOTHING;
        }
        if (IsKing(top(p))) {
            if (marked >= 0) markTop(marked, false);
            moveTop(p, discard_);
            return TS_HIT_NOTHING;
        }
        if (marked >= 0 && Pair(top(marked), top(p))) {
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
    bool autoStep() override
    {
        for (int p : availablePiles()) {
            if (IsKing(top(p))) {
                moveTop(p, discard_);
                return true;
            }
        }
        return false;
    }

    bool won() const override
    {
        for (int p = 0; p < kCells; ++p)
            if (!empty(p)) return false;
        return true;
    }
    bool lost() const override
    {
        if (!empty(stock_) || (s_.redealsLeft > 0 && !empty(waste_))) return false;
        const std::vector<int> open = availablePiles();
        for (size_t a = 0; a < open.size(); ++a) {
            if (IsKing(top(open[a]))) return false;
            for (size_t b = a + 1; b < open.size(); ++b)
                if (Pair(top(open[a]), top(open[b]))) return false;
        }
        return true;
    }
    int points() const override { return count(discard_); }
    std::string messageText() const override
    {
        return "Redeals left: " + std::to_string(s_.redealsLeft);  // the stock shows its own count
    }
    void stateFromTable() override { s_.redealsLeft = 0; }

    int stock_, waste_, discard_;
};

}  // namespace

LUMORA_GAME(Pyramid)

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
#include "layout.h"
#include "pairing.h"

namespace {

using namespace kit;

constexpr int kRows = 7, kCells = kRows * (kRows + 1) / 2, kPitch = 50, kRowStep = 32, kMargin = 8;
constexpr int kLowerY = kMargin + (kRows - 1) * kRowStep + kCardHeight + 16;
constexpr int kWidth = 2 * kMargin + (kRows - 1) * kPitch + kCardWidth;
constexpr int kRedeals = 2;

class Pyramid : public Pairing {
public:
    Pyramid() : Pairing("Pyramid", {kWidth, kLowerY + kCardHeight + kMargin})
    {
        addPyramid(kRows, kMargin, kMargin, kPitch, kRowStep);
        stock_ = addPile(Role::Stock, kMargin, kLowerY, TS_FAN_COUNTED, TS_BASE_STOCK_REDEAL, 24);
        waste_ = addPile(Role::Waste, kMargin + kCardWidth + 10, kLowerY, TS_FAN_SQUARED, TS_BASE_WASTE, 24);
        setDiscard(addPile(Role::Discard, kWidth - kMargin - kCardWidth, kLowerY, TS_FAN_COUNTED, TS_BASE_DISCARD, TS_CARDS));
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
        while (next < cards.size()) dealCard(stock_, cards[next++], Face::Down);
    }

    bool goesAlone(int p) const override { return IsKing(top(p)); }

    void stockClicked() override
    {
        if (topMarked(waste_)) markTop(waste_, false);
        if (!empty(stock_)) {
            moveTop(stock_, waste_);
        } else if (s_.redealsLeft > 0 && recycle(waste_, stock_)) {
            --s_.redealsLeft;
        }
    }
    bool stockCanMove() const override { return !empty(stock_) || (s_.redealsLeft > 0 && !empty(waste_)); }

    bool won() const override
    {
        for (int p = 0; p < kCells; ++p)
            if (!empty(p)) return false;
        return true;
    }
    int points() const override { return count(discardPile()); }
    std::string messageText() const override
    {
        return "Redeals left: " + std::to_string(s_.redealsLeft);  // the stock shows its own count
    }
    void stateFromTable() override { s_.redealsLeft = 0; }

    int stock_, waste_;
};

}  // namespace

LUMORA_GAME(Pyramid)

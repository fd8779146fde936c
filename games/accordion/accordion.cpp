// Accordion: squeeze the deck into a single pile.
//
//   [ 1] [ 2] [ 3] [ 4] [ 5] [ 6] [ 7] [ 8] [ 9] [10] [11] [12] [13]
//   [14] [15] ...                                             [26]   the row of piles,
//   [27] ...                                                  [39]   read line by line
//   [40] ...                                                  [52]
//
//   [stock]
//
// The deck lies in a row of piles, wrapped into lines of thirteen (or, with
// "Deal One at a Time", is turned from the stock into the row card by
// card). A pile moves whole onto its left neighbour or onto the pile third
// to its left when their top cards match in suit or rank; the piles after
// it close up. Won when one pile is left. Score: the piles gathered.
#include "game.h"
#include "layout.h"

namespace {

using namespace kit;

constexpr int kPlaces = TS_CARDS, kPerLine = 13, kLines = kPlaces / kPerLine;
constexpr Grid kGrid{8, kCardWidth + 4};
constexpr int kLineStep = kCardHeight + 8;
constexpr int kStockY = kGrid.margin + kLines * kLineStep + 8;

class Accordion : public Game {
public:
    Accordion() : Game("Accordion", {kGrid.width(kPerLine), kStockY + kCardHeight + kGrid.margin})
    {
        for (int i = 0; i < kPlaces; ++i)
            addPile(Role::Tableau, kGrid.x(i % kPerLine), kGrid.margin + i / kPerLine * kLineStep, TS_FAN_SQUARED,
                    TS_BASE_DOTTED, kPlaces);
        stock_ = addPile(Role::Stock, kGrid.x(0), kStockY, TS_FAN_COUNTED, TS_BASE_STOCK_DONE, kPlaces);
    }

private:
    enum Option { kOneAtATime };

    void deal() override
    {
        const std::vector<Card> cards = shuffled(fullDecks(1));
        if (oneAtATime_) {
            for (auto c = cards.rbegin(); c != cards.rend(); ++c) dealCard(stock_, *c, true);
            moveTop(stock_, 0, false, false, false);
        } else {
            for (int i = 0; i < kPlaces; ++i) dealCard(i, cards[static_cast<size_t>(i)]);
        }
    }

    // The piles fill the places from the first, without gaps.
    int pilesOut() const
    {
        int n = 0;
        while (n < kPlaces && !empty(n)) ++n;
        return n;
    }
    bool matches(int from, int to) const
    {
        return to >= 0 && (to == from - 1 || to == from - 3) && from < kPlaces && !empty(from) && !empty(to) &&
               (Suit(top(from)) == Suit(top(to)) || Rank(top(from)) == Rank(top(to)));
    }
    std::vector<Card> cardsOf(int p) const
    {
        std::vector<Card> out;
        for (int k = 0; k < count(p); ++k) out.push_back(cardAt(p, k));
        return out;
    }
    void rewrite(int p, const std::vector<Card>& cards)
    {
        host().clearStack(stack(p));
        for (Card c : cards) dealCard(p, c);
    }
    // Lays `moving` (a whole pile, bottom first) onto place `to`, empties
    // place `from` and closes the row up behind it.
    void gather(int from, int to, const std::vector<Card>& moving, const std::vector<Card>& under)
    {
        std::vector<Card> joined = under;
        joined.insert(joined.end(), moving.begin(), moving.end());
        rewrite(to, joined);
        int last = kPlaces - 1;
        while (last > from && empty(last)) --last;
        for (int p = from; p < last; ++p) rewrite(p, cardsOf(p + 1));
        rewrite(last, {});
    }
    void play(int from, int to)
    {
        std::vector<Card> moving = cardsOf(from);
        gather(from, to, moving, cardsOf(to));
    }

    int16_t pressed(int p, int index) override
    {
        if (p == stock_) {
            if (!empty(stock_)) moveTop(stock_, pilesOut(), false);
            return TS_HIT_NOTHING;
        }
        return (p > 0 && index == count(p) - 1) ? TS_HIT_DRAG_CARD : TS_HIT_NOTHING;
    }
    bool accepts(int from, const CardStack* moving, int to) const override
    {
        if (role(from) != Role::Tableau || moving->count != 1 || (to != from - 1 && to != from - 3) || to < 0 ||
            empty(to))
            return false;
        const Card c = BottomOf(moving);
        return Suit(c) == Suit(top(to)) || Rank(c) == Rank(top(to));
    }
    void dropped(int from, int to, int) override
    {
        // The top card has landed; the rest of its pile goes in under it.
        std::vector<Card> joined = cardsOf(to);
        const Card landed = joined.back();
        joined.pop_back();
        std::vector<Card> moving = cardsOf(from);
        moving.push_back(landed);
        gather(from, to, moving, joined);
    }
    // A double click moves the pile onto its neighbour, or else onto the
    // pile third to its left.
    void doubleClicked(int p, int index) override
    {
        if (p == stock_) {
            pressed(p, index);
        } else if (matches(p, p - 1)) {
            play(p, p - 1);
        } else if (matches(p, p - 3)) {
            play(p, p - 3);
        }
    }

    bool anyMove() const
    {
        const int out = pilesOut();
        for (int p = 1; p < out; ++p)
            if (matches(p, p - 1) || matches(p, p - 3)) return true;
        return false;
    }
    bool won() const override { return empty(stock_) && pilesOut() == 1; }
    bool lost() const override { return empty(stock_) && pilesOut() > 1 && !anyMove(); }
    int points() const override { return cardsIn(Role::Tableau) - pilesOut(); }
    std::string messageText() const override
    {
        std::string text = Counted(pilesOut(), "pile") + " left";
        if (!empty(stock_)) text += ", " + std::to_string(count(stock_)) + " in the stock";
        return text;
    }

    void addOptions() override
    {
        host().addOption(kOneAtATime, "Deal One at a Time");
        host().checkOption(kOneAtATime, oneAtATime_);
    }
    void optionChosen(int option) override
    {
        if (option != kOneAtATime) return;
        oneAtATime_ = !oneAtATime_;  // for the next deal
        host().checkOption(kOneAtATime, oneAtATime_);
    }

    int stock_;
    bool oneAtATime_ = false;
};

}  // namespace

LUMORA_GAME(Accordion)

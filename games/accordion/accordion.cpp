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
// it close up. Won when one pile is left. Score: the piles gathered. The
// hint looks three moves ahead for the move that gathers most and leaves
// most moves open.
#include <algorithm>

#include "game.h"
#include "layout.h"
#include "simple_hint.h"

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
    enum Option { kOneAtATime, kHint };

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
        host().addOption(kHint, kHintOptionText);
    }
    void optionChosen(int option) override
    {
        if (option == kHint && playing()) showHint();
        if (option != kOneAtATime) return;
        oneAtATime_ = !oneAtATime_;  // for the next deal
        host().checkOption(kOneAtATime, oneAtATime_);
    }

    // The hint's search needs the top cards alone: a pile that moves takes
    // its top card with it, and the piles after it close up.
    using Tops = std::vector<Card>;
    struct Gathering {
        int from, to;
    };
    static bool Match(Card a, Card b) { return Suit(a) == Suit(b) || Rank(a) == Rank(b); }
    static std::vector<Gathering> Gatherings(const Tops& tops)
    {
        std::vector<Gathering> out;
        for (int p = 1; p < static_cast<int>(tops.size()); ++p)
            for (int to : {p - 1, p - 3})
                if (to >= 0 && Match(tops[static_cast<size_t>(p)], tops[static_cast<size_t>(to)])) out.push_back({p, to});
        return out;
    }
    static Tops After(Tops tops, Gathering g)
    {
        tops[static_cast<size_t>(g.to)] = tops[static_cast<size_t>(g.from)];
        tops.erase(tops.begin() + g.from);
        return tops;
    }
    // The most piles gathered in `depth` more moves, weighed above the moves
    // left open after them.
    static constexpr int kGatherWeight = 256;
    static int LookAhead(const Tops& tops, int depth)
    {
        const std::vector<Gathering> moves = Gatherings(tops);
        if (depth == 0 || moves.empty()) return static_cast<int>(moves.size());
        int best = 0;
        for (Gathering g : moves) best = std::max(best, kGatherWeight + LookAhead(After(tops, g), depth - 1));
        return best;
    }

    void showHint()
    {
        Tops tops;
        for (int p = 0; p < pilesOut(); ++p) tops.push_back(top(p));
        Gathering best{-1, -1};
        int bestValue = -1;
        for (Gathering g : Gatherings(tops)) {
            const int value = LookAhead(After(tops, g), 2);
            if (value > bestValue) {
                best = g;
                bestValue = value;
            }
        }
        if (best.from >= 0) {
            showHintMark(best.from);
            showMessage(HintText("% to the %", {top(best.from), top(best.to)}, messageRoom()));
        } else if (!empty(stock_)) {
            showHintMark(stock_);
            showMessage("Hint: deal from the stock");
        } else {
            showMessage("Hint: no move helps");
        }
    }

    int stock_;
    bool oneAtATime_ = false;
};

}  // namespace

LUMORA_GAME(Accordion)

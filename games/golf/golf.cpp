// Golf: clear the seven columns onto one foundation, a rank up or down at a
// time, turning the stock when you are stuck.
//
//   [ 1 ] [ 2 ] [ 3 ] [ 4 ] [ 5 ] [ 6 ] [ 7 ]   tableau: five face-up cards each
//    ...   ...   ...   ...   ...   ...   ...
//
//   [stock] [foundation]
//
// Any top card one rank above or below the foundation's top card may be
// played onto it, whatever the suit; ranks do not turn the corner (no ace on
// a king, no king on an ace) and a king ends the sequence: nothing goes on
// it, the stock must be turned. Score: the cards cleared from the columns,
// plus the cards left in the stock when all are cleared. The hint names the
// card that begins the longest run the columns offer.
#include <algorithm>
#include <array>

#include "game.h"
#include "layout.h"
#include "rules.h"
#include "simple_hint.h"

namespace {

using namespace kit;

constexpr Grid kGrid;
constexpr int kColumns = 7, kRows = 5, kLowerY = 130;
constexpr int kX(int column) { return kGrid.x(column); }

class Golf : public Game {
public:
    Golf() : Game("Golf", {kGrid.width(kColumns), kLowerY + kCardHeight + kGrid.margin})
    {
        for (int c = 0; c < kColumns; ++c) addPile(Role::Tableau, kX(c), kGrid.margin, TS_FAN_DOWN, TS_BASE_EMPTY, kRows);
        stock_ = addPile(Role::Stock, kX(0), kLowerY, TS_FAN_COUNTED, TS_BASE_STOCK_DONE, TS_CARDS);
        foundation_ = addPile(Role::Foundation, kX(1), kLowerY, TS_FAN_SQUARED, TS_BASE_ANY_CARD, TS_CARDS);
    }

private:
    void deal() override
    {
        const std::vector<Card> cards = shuffled(fullDecks(1));
        size_t next = 0;
        for (int row = 0; row < kRows; ++row)
            for (int c : piles(Role::Tableau)) dealCard(c, cards[next++]);
        dealCard(foundation_, cards[next++]);
        while (next < cards.size()) dealCard(stock_, cards[next++], Face::Down);
    }

    bool playable(int p) const { return role(p) == Role::Tableau && !empty(p) && fitsHome(top(p)); }
    bool fitsHome(Card c) const { return !empty(foundation_) && Follows(Build::UpOrDownAnyKingEnds, top(foundation_), c); }

    int16_t pressed(int p, int index) override
    {
        if (role(p) == Role::Stock) {
            moveTop(stock_, foundation_);
            return TS_HIT_NOTHING;
        }
        return (role(p) == Role::Tableau && index >= 0 && index == count(p) - 1) ? TS_HIT_DRAG_CARD : TS_HIT_NOTHING;
    }
    bool accepts(int from, const CardStack* moving, int to) const override
    {
        return to == foundation_ && role(from) == Role::Tableau && moving->count == 1 && fitsHome(BottomOf(moving));
    }
    void doubleClicked(int p, int index) override
    {
        if (role(p) == Role::Stock) {
            moveTop(stock_, foundation_);
        } else if (index == count(p) - 1 && playable(p)) {
            moveTop(p, foundation_);
        }
    }

    bool won() const override { return cardsIn(Role::Tableau) == 0; }
    bool lost() const override
    {
        if (!empty(stock_)) return false;
        for (int c : piles(Role::Tableau))
            if (playable(c)) return false;
        return true;
    }
    int points() const override
    {
        const int cleared = kColumns * kRows - cardsIn(Role::Tableau);
        return cleared + (won() ? count(stock_) : 0);
    }
    std::string messageText() const override
    {
        return "Stock " + std::to_string(count(stock_)) + ", one pass";
    }

    enum Option { kHint };
    void addOptions() override { host().addOption(kHint, kHintOptionText); }
    void optionChosen(int option) override
    {
        if (option == kHint && playing()) showHint();
    }

    // The most column cards that can follow `under` one after another, the
    // columns standing `heights` high; `last` is the column `under` came
    // from (-1: the foundation's own card), which with the heights makes the key.
    using Heights = std::array<int, kColumns>;
    int longestRun(Heights& heights, Card under, int last, std::vector<int8_t>& known) const
    {
        size_t key = static_cast<size_t>(last + 1);
        for (int h : heights) key = key * (kRows + 1) + static_cast<size_t>(h);
        if (known[key] >= 0) return known[key];
        int best = 0;
        for (int c = 0; c < kColumns; ++c) {
            if (heights[c] == 0) continue;
            const Card card = cardAt(c, heights[c] - 1);
            if (!Follows(Build::UpOrDownAnyKingEnds, under, card)) continue;
            --heights[c];
            best = std::max(best, 1 + longestRun(heights, card, c, known));
            ++heights[c];
        }
        known[key] = static_cast<int8_t>(best);
        return best;
    }
    static constexpr size_t RunKeys()
    {
        size_t n = kColumns + 1;
        for (int c = 0; c < kColumns; ++c) n *= kRows + 1;
        return n;
    }

    // The card that begins the longest run; of runs alike, the one from the
    // taller column, which keeps more cards within reach.
    void showHint()
    {
        Heights heights{};
        for (int c = 0; c < kColumns; ++c) heights[c] = std::min(count(c), kRows);
        std::vector<int8_t> known(RunKeys(), -1);
        int best = -1, bestRun = 0;
        for (int c = 0; c < kColumns; ++c) {
            if (!playable(c)) continue;
            --heights[c];
            const int run = 1 + longestRun(heights, top(c), c, known);
            ++heights[c];
            if (run > bestRun || (run == bestRun && count(c) > count(best))) {
                best = c;
                bestRun = run;
            }
        }
        if (best >= 0) {
            showHintMark(best);
            showMessage(HintText("% to the foundation", {top(best)}, messageRoom()));
        } else if (!empty(stock_)) {
            showHintMark(stock_);
            showMessage("Hint: deal from the stock");
        } else {
            showMessage("Hint: no move helps");
        }
    }

    int stock_, foundation_;
};

}  // namespace

LUMORA_GAME(Golf)

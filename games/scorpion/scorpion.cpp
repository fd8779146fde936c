// Scorpion: seven columns of seven; any face-up card moves with all the
// cards above it onto the next higher card of its suit; a whole suit from
// king to ace goes home.
//
//                                             [home]
//   [ 1 ] [ 2 ] [ 3 ] [ 4 ] [ 5 ] [ 6 ] [ 7 ]   [home]
//    ...   ...   ...   ...   ...   ...   ...    [home]
//                                               [home]
//
//                                               [stock]
//
// The first four columns get three face-down cards under four face-up ones;
// the other three columns are dealt face up. The three cards left over wait
// in the stock; a click on it deals one card onto each of the first three
// columns. Only a king goes into an empty column. Score: the cards home.
#include <algorithm>

#include "layout.h"
#include "patience.h"

namespace {

using namespace kit;

constexpr Grid kGrid;
constexpr int kX(int column) { return kGrid.x(column); }
constexpr int kSideX = kX(7) + 20;
constexpr int kColumns = 7, kFaceDownRows = 3, kColumnsWithFaceDown = 4;

PatienceRules ScorpionRules()
{
    PatienceRules r;
    r.tableau = r.runs = Build::DownSameSuit;
    r.anyFaceUpLifts = true;
    r.emptyTableau = Empty::KingOnly;
    return r;
}

// Is there a whole suit, king to ace, on top of the stack?
bool FullRunOnTop(const CardStack* s)
{
    const int from = CountOf(s) - TS_RANKS;
    return from >= 0 && Rank(CardAt(s, from)) == TS_RANK_KING && IsRun(s, from, Build::DownSameSuit);
}

class Scorpion : public Patience {
public:
    Scorpion() : Patience("Scorpion", {kSideX + kCardWidth + kGrid.margin, kGrid.below(kGrid.margin, 36)}, ScorpionRules())
    {
        for (int c = 0; c < kColumns; ++c)
            addPile(Role::Tableau, kX(c), kGrid.margin, TS_FAN_DOWN, TS_BASE_KING_ONLY, TS_CARDS);
        for (int s = 0; s < TS_SUITS; ++s)
            addPile(Role::Foundation, kSideX, kGrid.margin + 80 * s, TS_FAN_SQUARED, TS_BASE_DISCARD, TS_RANKS);
        stock_ = addPile(Role::Stock, kSideX, kGrid.margin + 80 * 4 + 20, TS_FAN_COUNTED, TS_BASE_STOCK_DONE, 3);
    }

private:
    void deal() override
    {
        const std::vector<Card> cards = shuffled(fullDecks(1));
        const std::vector<int> columns = piles(Role::Tableau);
        size_t next = 0;
        for (int row = 0; row < kColumns; ++row)
            for (int c = 0; c < kColumns; ++c)
                dealCard(columns[c], cards[next++], row < kFaceDownRows && c < kColumnsWithFaceDown);
        while (next < cards.size()) dealCard(stock_, cards[next++], true);
    }

    void stockClicked() override
    {
        const std::vector<int> columns = piles(Role::Tableau);
        for (int c = 0; c < 3 && !empty(stock_); ++c) moveTop(stock_, columns[c], false);
    }

    bool accepts(int from, const CardStack* moving, int to) const override
    {
        if (role(to) == Role::Foundation) return empty(to) && moving->count == TS_RANKS && FullRunOnTop(moving);
        return Patience::accepts(from, moving, to);
    }

    // A double click on a column whose top holds a whole suit sends it home.
    void doubleClicked(int p, int index) override
    {
        if (role(p) == Role::Tableau) sendRunHome(p);
        else Patience::doubleClicked(p, index);
    }
    bool autoStep() override
    {
        for (int c : piles(Role::Tableau))
            if (sendRunHome(c)) return true;
        return false;
    }
    bool sendRunHome(int column)
    {
        if (!FullRunOnTop(stack(column))) return false;
        for (int f : piles(Role::Foundation)) {
            if (!empty(f)) continue;
            for (int i = 0; i < TS_RANKS; ++i) moveTop(column, f, false, true, i == TS_RANKS - 1);
            turnIfExposed(column);
            return true;
        }
        return false;
    }

    // Lost when the stock is dealt and nothing can move but a king from the
    // bottom of one column into another empty one.
    bool lost() const override
    {
        if (!empty(stock_)) return false;
        const std::vector<int> columns = piles(Role::Tableau);
        for (int c : columns) {
            if (FullRunOnTop(stack(c))) return false;
            for (int i = 0; i < count(c); ++i) {
                if (!faceUp(c, i)) continue;
                const Card card = cardAt(c, i);
                for (int t : columns) {
                    if (t == c) continue;
                    if (empty(t) ? (Rank(card) == TS_RANK_KING && i > 0) : Follows(Build::DownSameSuit, top(t), card))
                        return false;
                }
            }
        }
        return true;
    }

    std::string messageText() const override
    {
        const int home = cardsIn(Role::Foundation) / TS_RANKS;
        const std::string stock = empty(stock_) ? "Stock dealt" : "Stock: " + Counted(count(stock_), "card");
        return stock + ", " + std::to_string(home) + " of 4 suits home";
    }

    int stock_;
};

}  // namespace

LUMORA_GAME(Scorpion)

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
    r.runsGoHome = true;
    r.lossWhenStuck = true;
    return r;
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

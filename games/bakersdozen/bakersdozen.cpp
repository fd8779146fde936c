// Baker's Dozen: every card dealt face up into thirteen columns of four, each
// king moved to the bottom of its column at the deal; build down regardless
// of suit, one card at a time; an empty column stays empty.
//
//   [ 1 ] [ 2 ] [ 3 ] [ 4 ] [ 5 ] [ 6 ] [ 7 ]        [found]
//    ...   ...   ...   ...   ...   ...   ...         [found]
//                                                    [found]
//      [ 8 ] [ 9 ] [10 ] [11 ] [12 ] [13 ]           [found]
//       ...   ...   ...   ...   ...   ...
//
// Thirteen columns do not fit side by side, so they stand in two rows, the
// second set half a column in. Score: the cards on the foundations. The
// game is lost when no card can move.
#include <algorithm>

#include "layout.h"
#include "patience.h"

namespace {

using namespace kit;

constexpr Grid kGrid;
constexpr int kColumns = 13, kTopColumns = 7, kDealt = 4;
// Four kings dealt into one column, and a run from queen to ace on them.
constexpr int kColumnCapacity = kDealt + 12;
// A column of the top row shows fifteen cards before it meets the second
// row; only four kings in one column would give it a sixteenth.
constexpr int kSecondRowY = kGrid.below(kGrid.margin, 15);
constexpr int kFoundationX = kGrid.x(kTopColumns) + 10, kFoundationStep = kCardHeight + 12;

PatienceRules BakersDozenRules()
{
    PatienceRules r;
    r.tableau = Build::DownAnySuit;
    r.runs = Build::None;  // one card at a time
    r.emptyTableau = Empty::Nothing;
    r.safety = Build::DownAnySuit;
    r.lossWhenStuck = true;
    r.winnableDeals = true;
    return r;
}

class BakersDozen : public Patience {
public:
    BakersDozen()
        : Patience("Baker's Dozen", {kFoundationX + kCardWidth + kGrid.margin, kGrid.below(kSecondRowY, 15)},
                   BakersDozenRules())
    {
        for (int c = 0; c < kColumns; ++c) {
            const bool top = c < kTopColumns;
            const int x = top ? kGrid.x(c) : kGrid.x(c - kTopColumns) + kGrid.pitch / 2;
            addPile(Role::Tableau, x, top ? kGrid.margin : kSecondRowY, TS_FAN_DOWN, TS_BASE_DOTTED, kColumnCapacity);
        }
        for (int s = 0; s < TS_SUITS; ++s)
            addPile(Role::Foundation, kFoundationX, kGrid.margin + s * kFoundationStep, TS_FAN_SQUARED,
                    TS_BASE_FOUNDATION_ANY, TS_RANKS);
    }

private:
    void deal() override
    {
        const std::vector<Card> cards = shuffled(fullDecks(1));
        const std::vector<int> columns = piles(Role::Tableau);
        for (size_t c = 0; c < columns.size(); ++c) {
            // The column's four cards as dealt, its kings put underneath the rest.
            std::vector<Card> column;
            for (int row = 0; row < kDealt; ++row) column.push_back(cards[static_cast<size_t>(row) * columns.size() + c]);
            std::stable_partition(column.begin(), column.end(), [](Card k) { return Rank(k) == TS_RANK_KING; });
            for (Card k : column) dealCard(columns[c], k);
        }
    }

    std::string messageText() const override { return Counted(cardsIn(Role::Tableau), "card") + " left"; }
};

}  // namespace

LUMORA_GAME(BakersDozen)

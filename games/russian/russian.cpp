// Russian Solitaire: Yukon's deal and moves, but the columns are built down
// in suit.
//
//                                      [found]
//   [ 1 ] [ 2 ] [ 3 ] [ 4 ] [ 5 ] [ 6 ] [ 7 ]   [found]
//    ...   ...   ...   ...   ...   ...   ...    [found]
//                                               [found]
//
// Column n (1..7) gets n - 1 face-down cards, then 1 (column 1) or 5 face-up
// cards. Any face-up card moves with all the cards above it onto the next
// higher card of its suit; only a king goes into an empty column. Score: the
// cards on the foundations.
#include "layout.h"
#include "patience.h"

namespace {

using namespace kit;

constexpr Grid kGrid;
constexpr int kX(int column) { return kGrid.x(column); }
constexpr int kFoundationX = kX(7) + 20;

PatienceRules RussianRules()
{
    PatienceRules r;
    r.tableau = r.runs = r.safety = Build::DownSameSuit;
    r.anyFaceUpLifts = true;
    r.emptyTableau = Empty::KingOnly;
    r.foundationReturns = true;
    return r;
}

class Russian : public Patience {
public:
    Russian()
        : Patience("Russian Solitaire", {kFoundationX + kCardWidth + kGrid.margin, kGrid.below(kGrid.margin, 36)},
                   RussianRules())
    {
        for (int c = 0; c < 7; ++c) addPile(Role::Tableau, kX(c), kGrid.margin, TS_FAN_DOWN, TS_BASE_KING_ONLY, TS_CARDS);
        for (int s = 0; s < TS_SUITS; ++s)
            addPile(Role::Foundation, kFoundationX, kGrid.margin + 80 * s, TS_FAN_SQUARED, TS_BASE_FOUNDATION_ANY, 13);
    }

private:
    void deal() override
    {
        const std::vector<Card> cards = shuffled(fullDecks(1));
        const std::vector<int> columns = piles(Role::Tableau);
        size_t next = 0;
        for (int c = 0; c < 7; ++c) {
            const int down = c, up = c == 0 ? 1 : 5;
            for (int i = 0; i < down + up; ++i) dealCard(columns[c], cards[next++], i < down);
        }
    }

    // Lost when no card can go home and none can move but a king from the
    // bottom of one column into another empty one. (A foundation card brought
    // back only takes the card below it in its suit, which is home already.)
    bool lost() const override
    {
        const std::vector<int> columns = piles(Role::Tableau);
        for (int c : columns) {
            if (!empty(c) && foundationFor(top(c)) >= 0) return false;
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

    std::string messageText() const override { return Counted(cardsIn(Role::Foundation), "card") + " home"; }
};

}  // namespace

LUMORA_GAME(Russian)

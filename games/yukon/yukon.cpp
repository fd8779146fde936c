// Yukon: like Klondike without a stock, but any face-up card may be moved
// together with all the cards above it, in order or not.
//
//                                      [found]
//   [ 1 ] [ 2 ] [ 3 ] [ 4 ] [ 5 ] [ 6 ] [ 7 ]   [found]
//    ...   ...   ...   ...   ...   ...   ...    [found]
//                                               [found]
//
// Column n (1..7) gets n - 1 face-down cards, then 1 (column 1) or 5 face-up
// cards. Build down in alternate colours; only a king goes into an empty
// column. Lost when no move is left. Score: the cards on the foundations.
#include "layout.h"
#include "patience.h"

namespace {

using namespace kit;

constexpr Grid kGrid;
constexpr int kX(int column) { return kGrid.x(column); }
constexpr int kFoundationX = kX(7) + 20;

PatienceRules YukonRules()
{
    PatienceRules r;
    r.tableau = r.runs = Build::DownAlternate;
    r.anyFaceUpLifts = true;
    r.emptyTableau = Empty::KingOnly;
    r.foundationReturns = true;
    r.lossWhenStuck = true;
    return r;
}

class Yukon : public Patience {
public:
    Yukon() : Patience("Yukon", {kFoundationX + kCardWidth + kGrid.margin, kGrid.below(kGrid.margin, 36)}, YukonRules())
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
            for (int i = 0; i < down + up; ++i) dealCard(columns[c], cards[next++], i < down ? Face::Down : Face::Up);
        }
    }
};

}  // namespace

LUMORA_GAME(Yukon)

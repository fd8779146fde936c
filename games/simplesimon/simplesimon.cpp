// Simple Simon: ten columns, every card face up; build down regardless of
// suit, but only a run in one suit moves together; a whole suit from king
// to ace goes home.
//
//                     [home] [home] [home] [home]
//
//   [ 1 ] [ 2 ] [ 3 ] [ 4 ] [ 5 ] [ 6 ] [ 7 ] [ 8 ] [ 9 ] [10 ]
//    ...   ...   ...   ...   ...   ...   ...   ...   ...   ...
//
// The columns get 8, 8, 8, 7, 6, 5, 4, 3, 2 and 1 cards. An empty column
// takes any card or run. Score: the cards home.
#include "layout.h"
#include "patience.h"

namespace {

using namespace kit;

constexpr Grid kGrid;
constexpr int kTableauY = 87, kColumns = 10;
constexpr int kX(int column) { return kGrid.x(column); }
constexpr int kDealt[kColumns] = {8, 8, 8, 7, 6, 5, 4, 3, 2, 1};

PatienceRules SimpleSimonRules()
{
    PatienceRules r;
    r.tableau = Build::DownAnySuit;
    r.runs = Build::DownSameSuit;
    r.emptyTableau = Empty::AnyCard;
    return r;
}

// Is there a whole suit, king to ace, on top of the stack?
bool FullRunOnTop(const CardStack* s)
{
    const int from = CountOf(s) - TS_RANKS;
    return from >= 0 && Rank(CardAt(s, from)) == TS_RANK_KING && IsRun(s, from, Build::DownSameSuit);
}

class SimpleSimon : public Patience {
public:
    SimpleSimon() : Patience("Simple Simon", {kGrid.width(kColumns), kGrid.below(kTableauY, 28)}, SimpleSimonRules())
    {
        for (int f = 0; f < TS_SUITS; ++f)
            addPile(Role::Foundation, kX(3 + f), kGrid.margin, TS_FAN_SQUARED, TS_BASE_DISCARD, TS_RANKS);
        for (int c = 0; c < kColumns; ++c)
            addPile(Role::Tableau, kX(c), kTableauY, TS_FAN_DOWN, TS_BASE_EMPTY, TS_CARDS);
    }

private:
    void deal() override
    {
        const std::vector<Card> cards = shuffled(fullDecks(1));
        const std::vector<int> columns = piles(Role::Tableau);
        size_t next = 0;
        // Row by row, each row one column shorter from the fourth row on.
        for (int row = 0; row < kDealt[0]; ++row)
            for (int c = 0; c < kColumns; ++c)
                if (row < kDealt[c]) dealCard(columns[c], cards[next++]);
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
            return true;
        }
        return false;
    }

    // Lost when no card can move at all: no empty column, no finished suit,
    // and no run of one suit fits on the top of another column.
    bool lost() const override
    {
        const std::vector<int> columns = piles(Role::Tableau);
        for (int c : columns) {
            if (empty(c) || FullRunOnTop(stack(c))) return false;
            for (int i = count(c) - 1; i >= 0 && IsRun(stack(c), i, Build::DownSameSuit); --i)
                for (int t : columns)
                    if (t != c && Follows(Build::DownAnySuit, top(t), cardAt(c, i))) return false;
        }
        return true;
    }

    std::string messageText() const override
    {
        return std::to_string(cardsIn(Role::Foundation) / TS_RANKS) + " of 4 suits home";
    }
};

}  // namespace

LUMORA_GAME(SimpleSimon)

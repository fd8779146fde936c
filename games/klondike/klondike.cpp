// Klondike: build down in alternate colours, kings to empty columns, the
// stock dealt one or three at a time through the waste, as often as you like.
//
//   [stock] [waste]         [found] [found] [found] [found]
//            [turned]  Draw Three: the cards just turned, fanned over the
//                      waste; the waste's top plays when they are gone
//
//   [ 1 ]  [ 2 ]  [ 3 ]  [ 4 ]  [ 5 ]  [ 6 ]  [ 7 ]     tableau: 1..7 cards,
//    ...    ...    ...    ...    ...    ...    ...      the top one face up
//
// Scoring: waste to tableau 5, to a foundation 10, a tableau card turned 5,
// a foundation card back to the tableau -15, each turn of the waste -100
// (draw one) or, from the fourth pass on, -20 (draw three); never below 0.
#include <algorithm>

#include "draw_choice.h"
#include "layout.h"
#include "patience.h"

namespace {

using namespace kit;

constexpr Grid kGrid;
constexpr int kTableauY = 87;
constexpr int kX(int column) { return kGrid.x(column); }

PatienceRules KlondikeRules()
{
    PatienceRules r;
    r.tableau = r.runs = Build::DownAlternate;
    r.emptyTableau = Empty::KingOnly;
    r.foundationReturns = true;
    r.winnableDeals = true;
    return r;
}

class Klondike : public Patience {
public:
    Klondike() : Patience("Klondike", {kGrid.width(7), kGrid.below(kTableauY, 19)}, KlondikeRules())
    {
        stock_ = addPile(Role::Stock, kX(0), kGrid.margin, TS_FAN_COUNTED, TS_BASE_STOCK_REDEAL, 24);
        waste_ = addPile(Role::Waste, kX(1), kGrid.margin, TS_FAN_SQUARED, TS_BASE_WASTE, 24);
        for (int s = 0; s < TS_SUITS; ++s)
            addPile(Role::Foundation, kX(3 + s), kGrid.margin, TS_FAN_SQUARED, TS_BASE_FOUNDATION_ANY, 13);
        for (int c = 0; c < 7; ++c) addPile(Role::Tableau, kX(c), kTableauY, TS_FAN_DOWN, TS_BASE_KING_ONLY, 19);
        turned_ = addPile(Role::Waste, kX(1), kGrid.margin, TS_FAN_RIGHT, TS_BASE_NONE, 3);
        coverWith(waste_, {turned_});
        keepState(s_);
    }

private:
    struct State {
        int32_t draw;    // 1 or 3 cards at a time
        int32_t score;
        int32_t passes;  // times the waste went back to the stock
    } s_{};

    void resetState() override { s_.draw = draw_.preferred(); }
    void stateFromTable() override { s_.score = 10 * cardsIn(Role::Foundation); }
    // A saved game goes on with its own draw; the player's setting stays for the next deals.
    void loaded() override { draw_.check(host()); }

    void deal() override
    {
        const std::vector<Card> cards = shuffled(fullDecks(1));
        size_t next = 0;
        const std::vector<int> columns = piles(Role::Tableau);
        for (int row = 0; row < 7; ++row)
            for (int c = row; c < 7; ++c) dealCard(columns[c], cards[next++], c != row ? Face::Down : Face::Up);
        while (next < cards.size()) dealCard(stock_, cards[next++], Face::Down);
    }

    void stockClicked() override
    {
        // The cards turned before go under the new ones, in their order.
        while (!empty(turned_)) moveCardAt(turned_, 0, waste_);
        if (!empty(stock_)) {
            const int to = s_.draw == 3 ? turned_ : waste_;
            for (int i = 0; i < s_.draw && !empty(stock_); ++i) moveTop(stock_, to);
        } else if (recycle(waste_, stock_)) {
            ++s_.passes;
            if (s_.draw == 1) addScore(-100);
            else if (s_.passes >= 3) addScore(-20);  // three passes are free
        }
    }

    void moved(int from, int to, int) override
    {
        if (role(from) == Role::Waste && role(to) == Role::Tableau) addScore(5);
        if (role(from) != Role::Foundation && role(to) == Role::Foundation) addScore(10);
        if (role(from) == Role::Foundation && role(to) == Role::Tableau) addScore(-15);
    }
    void turned(int) override { addScore(5); }
    void addScore(int points) { s_.score = std::max(0, s_.score + points); }

    int points() const override { return s_.score; }
    std::string messageText() const override
    {
        // The message area of this narrow table holds about twenty characters.
        return std::string(s_.draw == 3 ? "Draw 3" : "Draw 1") + " - stock " + std::to_string(count(stock_));
    }

    void addOptions() override { draw_.addOptions(host()); }
    void optionChosen(int option) override
    {
        if (draw_.choose(host(), option) && playing() && draw_.preferred() != s_.draw) showMessage(draw_.nextDealNote());
    }

    int stock_, waste_, turned_;
    DrawChoice draw_{1};  // the player's setting, taken up by the next deal
};

}  // namespace

LUMORA_GAME(Klondike)

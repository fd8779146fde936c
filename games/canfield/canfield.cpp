// Canfield: a reserve of thirteen feeds four tableau piles; the first card
// dealt to the foundations sets the rank every foundation starts from.
//
//   [stock] [waste]         [found] [found] [found] [found]
//
//   [reserve]               [ 1 ]   [ 2 ]   [ 3 ]   [ 4 ]
//                            ...     ...     ...     ...
//
// Foundations are built up in suit from the starting rank, going on from
// king to ace. The tableau piles are built down in alternate colours, also
// going on from ace to king; a pile moves only whole (or its top card). An
// emptied pile is filled at once from the reserve; once the reserve is
// gone, the player may fill it from the waste. The stock is dealt three
// (or, as an option, one) at a time to the waste, as often as the player
// likes. Score: the cards on the foundations.
#include <algorithm>

#include "draw_choice.h"
#include "layout.h"
#include "patience.h"

namespace {

using namespace kit;

constexpr Grid kGrid;
constexpr int kTableauY = 87, kReserveSize = 13;
constexpr int kX(int column) { return kGrid.x(column); }

PatienceRules CanfieldRules()
{
    PatienceRules r;
    r.tableau = r.runs = Sequence(Direction::Down, SuitRule::Alternate, 1, true);
    r.emptyTableau = Empty::Nothing;
    return r;
}

class Canfield : public Patience {
public:
    Canfield() : Patience("Canfield", {kGrid.width(7), kGrid.below(kTableauY, 16)}, CanfieldRules())
    {
        stock_ = addPile(Role::Stock, kX(0), kGrid.margin, TS_FAN_COUNTED, TS_BASE_STOCK_REDEAL, TS_CARDS);
        waste_ = addPile(Role::Waste, kX(1), kGrid.margin, TS_FAN_SQUARED, TS_BASE_WASTE, TS_CARDS);
        for (int s = 0; s < TS_SUITS; ++s)
            addPile(Role::Foundation, kX(3 + s), kGrid.margin, TS_FAN_SQUARED, TS_BASE_BUILD_UP, TS_RANKS);
        reserve_ = addPile(Role::Reserve, kX(0), kTableauY, TS_FAN_COUNTED, TS_BASE_RESERVE, kReserveSize);
        // A tableau pile moves whole, or its top card alone.
        for (int c = 0; c < 4; ++c)
            setLift(addPile(Role::Tableau, kX(3 + c), kTableauY, TS_FAN_DOWN, TS_BASE_EMPTY, TS_CARDS), Lift::TopOrWhole);
        keepState(s_);
    }

private:
    struct State {
        int32_t draw;  // 1 or 3 cards at a time
    } s_{};

    void resetState() override { s_.draw = draw_.preferred(); }
    void stateFromTable() override { s_.draw = draw_.preferred(); }
    // A saved game goes on with its own draw; the player's setting stays.
    void loaded() override
    {
        if (s_.draw != 1) s_.draw = 3;
        draw_.check(host());
    }

    void deal() override
    {
        const std::vector<Card> cards = shuffled(fullDecks(1));
        size_t next = 0;
        for (int i = 0; i < kReserveSize; ++i) dealCard(reserve_, cards[next++], i < kReserveSize - 1);
        dealCard(firstPile(Role::Foundation), cards[next++]);
        for (int c : piles(Role::Tableau)) dealCard(c, cards[next++]);
        while (next < cards.size()) dealCard(stock_, cards[next++], true);
    }

    // --- The foundations start from the rank of the first card dealt to them ---
    int startRank() const
    {
        const int first = firstPile(Role::Foundation);
        return empty(first) ? TS_RANK_ACE : Rank(cardAt(first, 0));
    }
    FoundationRule foundationRule(int) const override
    {
        return {startRank(), Sequence(Direction::Up, SuitRule::Same, 1, true), TS_RANKS};
    }
    // A card may go home by itself once both cards a rank below it in the
    // other colour are home (nothing in play could want it any more).
    bool safeToPlay(Card c) const override
    {
        const int r = (Rank(c) - startRank() + TS_RANKS) % TS_RANKS;
        if (r <= 1) return true;
        for (int s = 0; s < TS_SUITS; ++s)
            if (ColourOf(MakeCard(s, 0)) != ColourOf(c) && homeCount(s) < r) return false;
        return true;
    }

    // --- Moves ---
    bool accepts(int from, const CardStack* moving, int to) const override
    {
        if (role(to) == Role::Tableau && empty(to)) return empty(reserve_) && role(from) == Role::Waste;
        return Patience::accepts(from, moving, to);
    }

    void moved(int from, int, int) override
    {
        if (role(from) == Role::Reserve && !empty(reserve_) && !topFaceUp(reserve_)) turnTop(reserve_, false);
        if (role(from) == Role::Tableau && empty(from) && !empty(reserve_)) {
            moveTop(reserve_, from, false);
            if (!empty(reserve_)) turnTop(reserve_, false);
        }
    }

    void stockClicked() override
    {
        if (!empty(stock_)) {
            for (int i = 0; i < s_.draw && !empty(stock_); ++i) moveTop(stock_, waste_, false);
        } else {
            recycle(waste_, stock_);
        }
    }

    std::string messageText() const override
    {
        return std::string(s_.draw == 3 ? "Draw 3" : "Draw 1") + " - reserve " + std::to_string(count(reserve_));
    }

    void addOptions() override { draw_.addOptions(host()); }
    void optionChosen(int option) override
    {
        if (draw_.choose(host(), option) && playing() && draw_.preferred() != s_.draw) showMessage(draw_.nextDealNote());
    }

    int stock_, waste_, reserve_;
    DrawChoice draw_{3};  // the player's setting, taken up by the next deal
};

}  // namespace

LUMORA_GAME(Canfield)

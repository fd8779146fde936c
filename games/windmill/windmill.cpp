// Windmill: two decks; an ace in the centre built up regardless of suit,
// round and round from ace to king, until it holds 52 cards; four kings in
// the corners built down regardless of suit to the ace.
//
//                  [sail]                    [stock]
//          [ K ]   [sail]   [ K ]            [waste]
//   [sail] [sail]  [ A  ]   [sail] [sail]
//          [ K ]   [sail]   [ K ]
//                  [sail]
//
// The eight sails hold one card each, free to play to a foundation; a sail
// left empty is filled at once from the waste, or from the stock when the
// waste is empty. The stock is turned one card at a time onto the waste,
// once. Any king may start an empty corner. The top card of a corner (not
// its king) may be moved onto the centre, but the next card onto the centre
// must then come from elsewhere. Score: the cards on the foundations.
#include "layout.h"
#include "patience.h"

namespace {

using namespace kit;

constexpr int kMargin = 8, kPitchX = kCardWidth + 10, kPitchY = kCardHeight + 7;
constexpr int kX(int cell) { return kMargin + cell * kPitchX; }
constexpr int kY(int cell) { return kMargin + cell * kPitchY; }
constexpr int kStockX = kX(4) + kCardWidth + 30;
constexpr int kWidth = kStockX + kCardWidth + kMargin;
constexpr int kHeight = kY(4) + kCardHeight + kMargin;
constexpr int kCentreCards = 52;

struct Cell {
    int x, y;
};
constexpr Cell kCorners[] = {{1, 1}, {3, 1}, {1, 3}, {3, 3}};
constexpr Cell kSails[] = {{2, 0}, {2, 1}, {0, 2}, {1, 2}, {3, 2}, {4, 2}, {2, 3}, {2, 4}};

PatienceRules WindmillRules()
{
    PatienceRules r;
    r.tableau = Build::None;
    r.runs = Build::None;
    r.emptyTableau = Empty::Nothing;
    r.foundation = {TS_RANK_KING, Build::DownAnySuit, TS_RANKS};
    r.decks = 2;
    return r;
}

struct WindmillState {
    int32_t lastFromCorner;  // the centre's top card came from a corner
};

class Windmill : public Patience {
public:
    Windmill() : Patience("Windmill", {kWidth, kHeight}, WindmillRules())
    {
        centre_ = addPile(Role::Foundation, kX(2), kY(2), TS_FAN_SQUARED, TS_BASE_FOUNDATION_ANY, kCentreCards);
        setFoundationRule(centre_, {TS_RANK_ACE, Sequence(Direction::Up, SuitRule::Any, 1, true), kCentreCards});
        // A corner's top card (never its king) may be lifted, for the centre.
        for (Cell c : kCorners)
            setLift(addPile(Role::Foundation, kX(c.x), kY(c.y), TS_FAN_SQUARED, TS_BASE_KING_ONLY, TS_RANKS), Lift::TopButFirst);
        for (Cell c : kSails) addPile(Role::Reserve, kX(c.x), kY(c.y), TS_FAN_SQUARED, TS_BASE_EMPTY, 1);
        stock_ = addPile(Role::Stock, kStockX, kY(0), TS_FAN_COUNTED, TS_BASE_STOCK_DONE, 2 * TS_CARDS);
        waste_ = addPile(Role::Waste, kStockX, kY(1), TS_FAN_SQUARED, TS_BASE_WASTE, 2 * TS_CARDS);
        keepState(state_);
    }

private:
    void deal() override
    {
        std::vector<Card> cards = shuffled(fullDecks(2));
        for (auto it = cards.begin(); it != cards.end(); ++it) {
            if (Rank(*it) == TS_RANK_ACE) {
                dealCard(centre_, *it);
                cards.erase(it);
                break;
            }
        }
        size_t next = 0;
        for (int s : piles(Role::Reserve)) dealCard(s, cards[next++]);
        for (size_t k = cards.size(); k > next; --k) dealCard(stock_, cards[k - 1], true);
    }

    void stockClicked() override { moveTop(stock_, waste_, false); }

    bool isCorner(int p) const { return role(p) == Role::Foundation && p != centre_; }

    uint64_t searchState() const override { return static_cast<uint64_t>(state_.lastFromCorner); }
    bool accepts(int from, const CardStack* moving, int to) const override
    {
        if (isCorner(from)) return to == centre_ && !state_.lastFromCorner && Patience::accepts(from, moving, to);
        return Patience::accepts(from, moving, to);
    }

    void moved(int from, int to, int cards) override
    {
        if (to == centre_) state_.lastFromCorner = isCorner(from) ? 1 : 0;
        if (role(from) == Role::Reserve && empty(from)) {
            if (!empty(waste_)) moveTop(waste_, from);
            else if (!empty(stock_)) moveTop(stock_, from, false);
        }
    }

    // A king goes to an empty corner by itself while the centre does not
    // want one: kings are all alike, so which one fills a corner never matters.
    bool autoStep() override
    {
        if (Rank(top(centre_)) == TS_RANK_QUEEN) return false;
        for (int corner : piles(Role::Foundation)) {
            if (!isCorner(corner) || !empty(corner)) continue;
            for (int p = 0; p < pileCount(); ++p) {
                if ((role(p) != Role::Reserve && p != waste_) || empty(p) || Rank(top(p)) != TS_RANK_KING) continue;
                moveTop(p, corner);
                moved(p, corner, 1);
                return true;
            }
        }
        return false;
    }

    bool lost() const override
    {
        if (!empty(stock_)) return false;
        for (int p = 0; p < pileCount(); ++p) {
            if ((role(p) == Role::Reserve || p == waste_) && !empty(p) && foundationFor(top(p)) >= 0) return false;
            if (isCorner(p) && count(p) >= 2 && !state_.lastFromCorner && foundationTakes(centre_, top(p))) return false;
        }
        return !won();
    }

    std::string messageText() const override
    {
        // The message area is narrow beside this small table: a short text.
        const std::string centre = "Centre " + std::to_string(count(centre_)) + "/52";
        return empty(stock_) ? centre + ", no stock" : centre + ", stock " + std::to_string(count(stock_));
    }

    WindmillState state_{};
    int centre_, stock_, waste_;
};

}  // namespace

LUMORA_GAME(Windmill)

// Cruel: the aces start the foundations; twelve piles of four are built
// down in suit, one card at a time; the piles may be redealt in fours, in
// order and unshuffled, as often as the player likes.
//
//   (redeal)              [found] [found] [found] [found]
//
//   [pile 1 ]  [pile 2 ]  [pile 3 ]  [pile 4 ]
//   [pile 5 ]  [pile 6 ]  [pile 7 ]  [pile 8 ]
//   [pile 9 ]  [pile 10]  [pile 11]  [pile 12]
//
// Piles open to the right. Nothing goes into an empty pile. A click on the
// redeal pile gathers the piles in order, each from its bottom card to its
// top, and deals them out again four to a pile from the first. The game is
// lost when no card can move and a redeal would change nothing. Score: the
// cards on the foundations.
#include "layout.h"
#include "patience.h"

namespace {

using namespace kit;

constexpr int kMargin = 8, kPiles = 12, kPileCards = 4;
constexpr int kColumns = 4, kColumnPitch = 144, kRowPitch = 80, kPilesY = 87, kHomePitch = kCardWidth + 10;
constexpr int kWidth = kMargin + (kColumns - 1) * kColumnPitch + kCardWidth + 9 * kFanStep + kMargin;
constexpr int kHeight = kPilesY + 2 * kRowPitch + kCardHeight + kMargin;

PatienceRules CruelRules()
{
    PatienceRules r;
    r.tableau = r.runs = r.safety = Build::DownSameSuit;
    r.emptyTableau = Empty::Nothing;
    r.lossWhenStuck = true;  // no card moves and a redeal would change nothing
    return r;
}

class Cruel : public Patience {
public:
    Cruel() : Patience("Cruel", {kWidth, kHeight}, CruelRules())
    {
        // The redeal pile holds no cards; it is there to be clicked.
        addPile(Role::Stock, kMargin, kMargin, TS_FAN_SQUARED, TS_BASE_STOCK_REDEAL, 1);
        for (int s = 0; s < TS_SUITS; ++s)
            addPile(Role::Foundation, kWidth - kMargin - kCardWidth - kHomePitch * (3 - s), kMargin, TS_FAN_SQUARED,
                    TS_BASE_FOUNDATION_ANY, TS_RANKS);
        for (int n = 0; n < kPiles; ++n) {
            const int pile = addPile(Role::Tableau, kMargin + kColumnPitch * (n % kColumns),
                                     kPilesY + kRowPitch * (n / kColumns), TS_FAN_RIGHT, TS_BASE_EMPTY, TS_CARDS);
            setLift(pile, Lift::Top);  // one card at a time
        }
        keepState(s_);
    }

private:
    struct State {
        int32_t redeals;
    } s_{};

    void deal() override
    {
        const std::vector<int> homes = piles(Role::Foundation);
        std::vector<Card> rest;
        for (Card c : fullDecks(1)) {
            if (Rank(c) == TS_RANK_ACE) dealCard(homes[static_cast<size_t>(Suit(c))], c);
            else rest.push_back(c);
        }
        dealInFours(shuffled(rest));
    }
    void dealInFours(const std::vector<Card>& cards)
    {
        const std::vector<int> tableau = piles(Role::Tableau);
        for (size_t i = 0; i < cards.size(); ++i) dealCard(tableau[i / kPileCards], cards[i]);
    }

    // The cards of the piles in order, each pile from its bottom card up.
    std::vector<Card> gathered() const
    {
        std::vector<Card> cards;
        for (int p : piles(Role::Tableau))
            for (int k = 0; k < count(p); ++k) cards.push_back(cardAt(p, k));
        return cards;
    }
    // Would a redeal leave every pile as it is?
    bool redealChangesNothing() const
    {
        const std::vector<int> tableau = piles(Role::Tableau);
        int left = static_cast<int>(gathered().size());
        for (int p : tableau) {
            const int n = left < kPileCards ? left : kPileCards;
            if (count(p) != n) return false;
            left -= n;
        }
        return true;
    }

    void stockClicked() override
    {
        if (redealChangesNothing()) {
            showMessage("A redeal would change nothing");
            return;
        }
        const std::vector<Card> cards = gathered();
        for (int p : piles(Role::Tableau)) clearPile(p);
        dealInFours(cards);
        ++s_.redeals;
    }

    std::string stockHint() const override { return "Hint: redeal"; }
    // A double click on the redeal pile redeals once (its first click did), not twice.
    void doubleClicked(int p, int index) override
    {
        if (role(p) != Role::Stock) Patience::doubleClicked(p, index);
    }

    std::string messageText() const override
    {
        return Counted(TS_CARDS - cardsIn(Role::Foundation), "card") + " to go, " + Counted(s_.redeals, "redeal");
    }
};

}  // namespace

LUMORA_GAME(Cruel)

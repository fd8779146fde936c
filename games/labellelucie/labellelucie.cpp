// La Belle Lucie: eighteen fans, built down in suit one card at a time;
// two redeals shuffle the cards left in the fans; at the end one buried
// card may be drawn out and played (the merci).
//
//   (redeal)                   [found] [found] [found] [found]
//
//   [fan 1 ]  [fan 2 ]  [fan 3 ]  [fan 4 ]  [fan 5 ]
//   [fan 6 ]  [fan 7 ]  [fan 8 ]  [fan 9 ]  [fan 10]
//   [fan 11]  [fan 12]  [fan 13]  [fan 14]  [fan 15]
//             [fan 16]  [fan 17]  [fan 18]
//
// Fans open to the right. Seventeen fans get three cards, the last one
// card. Aces go to the foundations, which are built up in suit. Nothing
// goes into an empty fan. A click on the redeal pile gathers the fans,
// shuffles them and deals them again in threes, twice a game. After the
// last redeal a double click on a buried card plays it (once). Score: the
// cards on the foundations.
#include "layout.h"
#include "patience.h"

namespace {

using namespace kit;

constexpr int kMargin = 8, kFans = 18, kFanCards = 3, kRedeals = 2;
constexpr int kColumns = 5, kColumnPitch = 127, kRowPitch = 80, kFansY = 87, kHomePitch = kCardWidth + 10;
constexpr int kWidth = kMargin + (kColumns - 1) * kColumnPitch + kCardWidth + 8 * kFanStep + kMargin;
constexpr int kHeight = kFansY + 3 * kRowPitch + kCardHeight + kMargin;

// Fan n (0..17): rows of five; the last row of three is centred.
constexpr int FanX(int n) { return kMargin + kColumnPitch * (n < 15 ? n % kColumns : n - 15 + 1); }
constexpr int FanY(int n) { return kFansY + kRowPitch * (n / kColumns); }

PatienceRules LucieRules()
{
    PatienceRules r;
    r.tableau = r.runs = r.safety = Build::DownSameSuit;
    r.emptyTableau = Empty::Nothing;
    return r;
}

class LaBelleLucie : public Patience {
public:
    LaBelleLucie() : Patience("La Belle Lucie", {kWidth, kHeight}, LucieRules())
    {
        // The redeal pile holds no cards; it is there to be clicked.
        addPile(Role::Stock, kMargin, kMargin, TS_FAN_SQUARED, TS_BASE_STOCK_REDEAL, 1);
        for (int s = 0; s < TS_SUITS; ++s)
            addPile(Role::Foundation, kWidth - kMargin - kCardWidth - kHomePitch * (3 - s), kMargin, TS_FAN_SQUARED,
                    TS_BASE_FOUNDATION_ANY, TS_RANKS);
        for (int n = 0; n < kFans; ++n)
            setLift(addPile(Role::Tableau, FanX(n), FanY(n), TS_FAN_RIGHT, TS_BASE_EMPTY, TS_CARDS), Lift::Top);
        keepState(s_);
    }

private:
    struct State {
        int32_t redealsLeft;
        int32_t merciUsed;
    } s_{};

    void resetState() override { s_.redealsLeft = kRedeals; }

    void deal() override { dealInThrees(shuffled(fullDecks(1))); }
    void dealInThrees(const std::vector<Card>& cards)
    {
        const std::vector<int> fans = piles(Role::Tableau);
        for (size_t i = 0; i < cards.size(); ++i) dealCard(fans[i / kFanCards], cards[i]);
    }

    // The redeal: the cards left in the fans, shuffled and dealt again in threes.
    void stockClicked() override
    {
        if (s_.redealsLeft <= 0) {
            showMessage(s_.merciUsed ? "No redeals left" : "No redeals left: double-click a buried card");
            return;
        }
        std::vector<Card> cards;
        for (int f : piles(Role::Tableau))
            for (int k = 0; k < count(f); ++k) cards.push_back(cardAt(f, k));
        const std::vector<Card> order = shuffled(cards);
        for (int f : piles(Role::Tableau)) clearPile(f);
        dealInThrees(order);
        --s_.redealsLeft;
    }

    std::string stockHint() const override { return "Hint: redeal"; }
    uint64_t searchState() const override { return static_cast<uint64_t>(s_.redealsLeft * 2 + s_.merciUsed); }

    // A double click on a buried card is the merci. One on the redeal pile
    // redeals once (its first click did), not twice.
    void doubleClicked(int p, int index) override
    {
        if (role(p) == Role::Tableau && index >= 0 && index < count(p) - 1) merci(p, index);
        else if (role(p) != Role::Stock) Patience::doubleClicked(p, index);
    }
    bool merciOpen() const { return s_.redealsLeft == 0 && !s_.merciUsed; }
    // Where a card drawn out of fan `p` may be played: home, else onto another fan; -1 nowhere.
    int merciTarget(int p, Card c) const
    {
        const int home = foundationFor(c);
        if (home >= 0) return home;
        for (int f : piles(Role::Tableau))
            if (f != p && !empty(f) && Follows(Build::DownSameSuit, top(f), c)) return f;
        return -1;
    }
    void merci(int p, int index)
    {
        if (!merciOpen()) {
            showMessage(s_.merciUsed ? "The merci is used" : "The merci comes after the last redeal");
            return;
        }
        const Card c = cardAt(p, index);
        const int to = merciTarget(p, c);
        if (to < 0) {
            showMessage("That card cannot be played");
            return;
        }
        moveCardAt(p, index, to);
        s_.merciUsed = 1;
    }

    // Lost when no redeal is left, the merci cannot help and no top card can move.
    bool lost() const override
    {
        if (s_.redealsLeft > 0) return false;
        for (int p : piles(Role::Tableau)) {
            if (empty(p)) continue;
            if (merciTarget(p, top(p)) >= 0) return false;
            if (merciOpen())
                for (int k = 0; k + 1 < count(p); ++k)
                    if (merciTarget(p, cardAt(p, k)) >= 0) return false;
        }
        return true;
    }

    std::string messageText() const override
    {
        if (s_.redealsLeft > 0) return Counted(s_.redealsLeft, "redeal") + " left";
        if (!s_.merciUsed) return "Last deal: double-click a buried card for the merci";
        return "Last deal, merci used";
    }
};

}  // namespace

LUMORA_GAME(LaBelleLucie)

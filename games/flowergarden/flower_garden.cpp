// Flower Garden: six beds of six cards, all face up, and a bouquet of
// sixteen cards that are all free to play.
//
//   [bouquet: sixteen cards fanned right]   [found] [found] [found] [found]
//
//          [ 1 ] [ 2 ] [ 3 ] [ 4 ] [ 5 ] [ 6 ]   beds: six face-up cards each
//           ...   ...   ...   ...   ...   ...
//
// Beds build down regardless of suit, one card at a time; any card may go
// into an empty bed. Any card of the bouquet may be played to a bed or a
// foundation; nothing is put back into the bouquet. Foundations build up in
// suit from the ace. Score: the cards on the foundations.
#include "layout.h"
#include "patience.h"

namespace {

using namespace kit;

constexpr int kBeds = 6, kBedCards = 6, kBouquetCards = 16;
constexpr int kMargin = 8, kGap = 10, kPitch = kCardWidth + kGap;
constexpr int kBouquetWidth = (kBouquetCards - 1) * kFanStep + kCardWidth;
constexpr int kFoundationX = kMargin + kBouquetWidth + 2 * kGap;
constexpr int kWidth = kFoundationX + 3 * kPitch + kCardWidth + kMargin;
// The beds are centred under the top row.
constexpr int kBedX = (kWidth - (kBeds - 1) * kPitch - kCardWidth) / 2;
constexpr int kBedY = kMargin + kCardHeight + 16;
// A bed holds its six cards and a run from a king down to an ace on them.
constexpr int kBedCapacity = kBedCards + 13;
constexpr int kHeight = kBedY + (kBedCapacity - 1) * kFanStep + kCardHeight + kMargin;

PatienceRules FlowerGardenRules()
{
    PatienceRules r;
    r.tableau = Build::DownAnySuit;
    r.runs = Build::None;  // one card at a time
    r.emptyTableau = Empty::AnyCard;
    r.safety = Build::DownAnySuit;
    r.lossWhenStuck = true;
    return r;
}

class FlowerGarden : public Patience {
public:
    FlowerGarden() : Patience("Flower Garden", {kWidth, kHeight}, FlowerGardenRules())
    {
        bouquet_ = addPile(Role::Reserve, kMargin, kMargin, TS_FAN_RIGHT, TS_BASE_RESERVE, kBouquetCards);
        setLift(bouquet_, Lift::AnyCard);  // every card of the bouquet is free
        for (int f = 0; f < TS_SUITS; ++f)
            addPile(Role::Foundation, kFoundationX + f * kPitch, kMargin, TS_FAN_SQUARED, TS_BASE_FOUNDATION_ANY, 13);
        for (int b = 0; b < kBeds; ++b)
            addPile(Role::Tableau, kBedX + b * kPitch, kBedY, TS_FAN_DOWN, TS_BASE_EMPTY, kBedCapacity);
    }

private:
    void deal() override
    {
        const std::vector<Card> cards = shuffled(fullDecks(1));
        const std::vector<int> beds = piles(Role::Tableau);
        size_t next = 0;
        for (int row = 0; row < kBedCards; ++row)
            for (int b : beds) dealCard(b, cards[next++]);
        while (next < cards.size()) dealCard(bouquet_, cards[next++]);
    }

    void doubleClicked(int p, int index) override
    {
        if (p == bouquet_) {
            if (index >= 0 && index < count(p)) sendBouquetCardHome(index);
            return;
        }
        Patience::doubleClicked(p, index);
    }

    bool sendBouquetCardHome(int index)
    {
        const Card c = cardAt(bouquet_, index);
        const int f = foundationFor(c);
        if (f < 0) return false;
        if (index == count(bouquet_) - 1) return sendHome(bouquet_);
        moveCardAt(bouquet_, index, f);
        moved(bouquet_, f, 1);
        return true;
    }

    bool autoStep() override
    {
        if (Patience::autoStep()) return true;
        for (int k = 0; k < count(bouquet_); ++k)
            if (safeToPlay(cardAt(bouquet_, k)) && sendBouquetCardHome(k)) return true;
        return false;
    }

    std::string messageText() const override
    {
        return empty(bouquet_) ? "The bouquet is used up" : "Bouquet: " + Counted(count(bouquet_), "card");
    }

    int bouquet_;
};

}  // namespace

LUMORA_GAME(FlowerGarden)

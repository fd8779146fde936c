// Calculation: four foundations started from an ace, a two, a three and a
// four, each built regardless of suit in its own steps up to the king.
//
//   [found 1]   [waste] [waste] [waste] [waste]   [stock]
//   [found 2]    ...     ...     ...     ...      [card ]
//   [found 3]
//   [found 4]
//
// Steps: the first foundation by ones (A 2 3 ... K), the second by twos
// (2 4 6 8 10 Q A 3 5 7 9 J K), the third by threes (3 6 9 Q 2 5 8 J A 4 7
// 10 K), the fourth by fours (4 8 Q 3 7 J 2 6 10 A 5 9 K). The stock is
// turned one card at a time; the card turned goes onto a foundation or onto
// any of the four waste piles, and must be placed before the next is
// turned. Only the top card of a waste pile plays, and only to a
// foundation. Score: the cards on the foundations.
#include <array>

#include "layout.h"
#include "patience.h"

namespace {

using namespace kit;

constexpr int kMargin = 8, kPitch = kCardWidth + 10, kWastes = 4;
constexpr int kRowPitch = kCardHeight + 10;
constexpr int kWasteX = kMargin + kPitch + 20;
constexpr int kStockX = kWasteX + kWastes * kPitch + 20;
constexpr int kWidth = kStockX + kCardWidth + kMargin;
// A waste pile may hold as many cards as show in full down the table.
constexpr int kWasteCapacity = 36;
constexpr int kHeight = kMargin + (kWasteCapacity - 1) * kFanStep + kCardHeight + kMargin;

PatienceRules CalculationRules()
{
    PatienceRules r;
    r.tableau = Build::None;
    r.runs = Build::None;
    r.emptyTableau = Empty::AnyCard;
    r.safety = Build::None;  // a card may be wanted by another foundation later
    return r;
}

class Calculation : public Patience {
public:
    Calculation() : Patience("Calculation", {kWidth, kHeight}, CalculationRules())
    {
        for (int f = 0; f < 4; ++f) {
            const int pile = addPile(Role::Foundation, kMargin, kMargin + f * kRowPitch, TS_FAN_SQUARED, TS_BASE_EMPTY, 13);
            setFoundationRule(pile, {f, Sequence(Direction::Up, SuitRule::Any, f + 1, true), TS_RANKS});
        }
        for (int w = 0; w < kWastes; ++w)
            addPile(Role::Tableau, kWasteX + w * kPitch, kMargin, TS_FAN_DOWN, TS_BASE_EMPTY, kWasteCapacity);
        stock_ = addPile(Role::Stock, kStockX, kMargin, TS_FAN_COUNTED, TS_BASE_STOCK_DONE, TS_CARDS);
        card_ = addPile(Role::Waste, kStockX, kMargin + kRowPitch, TS_FAN_SQUARED, TS_BASE_WASTE, 1);
    }

private:
    // The first ace, two, three and four of the shuffled deck start the
    // foundations; the rest is the stock.
    void deal() override
    {
        const std::vector<Card> cards = shuffled(fullDecks(1));
        const std::vector<int> foundations = piles(Role::Foundation);
        std::array<bool, 4> started{};
        std::vector<Card> stock;
        for (Card c : cards) {
            const int r = Rank(c);
            if (r < 4 && !started[r]) {
                started[r] = true;
                dealCard(foundations[r], c);
            } else {
                stock.push_back(c);
            }
        }
        for (auto it = stock.rbegin(); it != stock.rend(); ++it) dealCard(stock_, *it, true);
    }

    void stockClicked() override
    {
        if (empty(card_)) moveTop(stock_, card_, false);
    }

    // The turned card goes anywhere; waste piles give only to foundations.
    bool accepts(int from, const CardStack* moving, int to) const override
    {
        if (role(to) == Role::Tableau) return from == card_ && moving->count == 1;
        return Patience::accepts(from, moving, to);
    }

    std::string emptyPileWords(int) const override { return "a waste pile"; }

    bool lost() const override
    {
        if (!empty(stock_) || !empty(card_)) return false;
        for (int w : piles(Role::Tableau))
            if (!empty(w) && foundationFor(top(w)) >= 0) return false;
        return !won();
    }

    // The rank each foundation wants next, "-" for one that is full.
    std::string messageText() const override
    {
        static const char* const kRanks[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
        std::string wanted;
        for (int f : piles(Role::Foundation)) {
            if (!wanted.empty()) wanted += " ";
            if (count(f) >= TS_RANKS) {
                wanted += "-";
                continue;
            }
            const int step = foundationRule(f).build.step;
            wanted += kRanks[(Rank(top(f)) + step) % TS_RANKS];
        }
        const std::string stock = empty(stock_) ? "Stock empty" : "Stock " + std::to_string(count(stock_));
        return stock + ", next: " + wanted;
    }

    int stock_, card_;
};

}  // namespace

LUMORA_GAME(Calculation)

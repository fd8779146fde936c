// Aces Up: discard every card but the four aces.
//
//   [stock]   [ 1 ] [ 2 ] [ 3 ] [ 4 ]   [discard]
//              ...   ...   ...   ...
//              fanned down
//
// Click the stock to deal one card onto each of the four piles. A pile's
// top card is discarded (a click on it) when a higher card of its suit
// shows on top of another pile; aces are high. Any top card may be dragged
// into an empty pile. Won when only the four aces are left. Score: the
// cards discarded. The hint discards first; else it fills an empty pile
// with the card that lets most cards be discarded (an ace, or the card
// from the tallest pile, when none does); else it deals.
#include "game.h"
#include "layout.h"
#include "simple_hint.h"

namespace {

using namespace kit;

constexpr Grid kGrid;
constexpr int kPiles = 4, kGap = 12;
// A pile grows only by one card a deal once it has its first card (a card
// is moved only into an empty pile), so it never holds more than the first
// card and one from each of the twelve deals.
constexpr int kDeals = (TS_CARDS - kPiles) / kPiles, kMostInPile = 1 + kDeals;
constexpr int kPileX(int i) { return kGrid.x(1 + i) + kGap; }
constexpr int kDiscardX = kGrid.x(1 + kPiles) + 2 * kGap;
constexpr int kWidth = kDiscardX + kCardWidth + kGrid.margin;
constexpr int kHeight = kGrid.below(kGrid.margin, kMostInPile);

// Aces rank above kings.
constexpr int HighRank(Card c) { return Rank(c) == TS_RANK_ACE ? TS_RANKS : Rank(c); }

class AcesUp : public Game {
public:
    AcesUp() : Game("Aces Up", {kWidth, kHeight})
    {
        stock_ = addPile(Role::Stock, kGrid.x(0), kGrid.margin, TS_FAN_COUNTED, TS_BASE_STOCK_DONE, TS_CARDS);
        for (int i = 0; i < kPiles; ++i)
            addPile(Role::Tableau, kPileX(i), kGrid.margin, TS_FAN_DOWN, TS_BASE_ANY_CARD, kMostInPile);
        discard_ = addPile(Role::Discard, kDiscardX, kGrid.margin, TS_FAN_COUNTED, TS_BASE_DISCARD, TS_CARDS);
    }

private:
    void deal() override
    {
        const std::vector<Card> cards = shuffled(fullDecks(1));
        size_t next = 0;
        while (next < cards.size() - kPiles) dealCard(stock_, cards[next++], true);
        for (int p : piles(Role::Tableau)) dealCard(p, cards[next++]);
    }

    // A higher card of the same suit shows on top of another pile.
    bool discardable(int p) const
    {
        if (role(p) != Role::Tableau || empty(p)) return false;
        for (int q : piles(Role::Tableau))
            if (q != p && !empty(q) && Suit(top(q)) == Suit(top(p)) && HighRank(top(q)) > HighRank(top(p)))
                return true;
        return false;
    }
    void dealRound()
    {
        for (int p : piles(Role::Tableau)) moveTop(stock_, p, false);
    }

    int16_t pressed(int p, int index) override
    {
        if (p == stock_) {
            dealRound();
            return TS_HIT_NOTHING;
        }
        if (role(p) != Role::Tableau || index != count(p) - 1) return TS_HIT_NOTHING;
        if (discardable(p)) {
            moveTop(p, discard_);
            return TS_HIT_NOTHING;
        }
        return TS_HIT_DRAG_CARD;
    }
    // The second click of a double click counts as a click of its own.
    void doubleClicked(int p, int index) override { pressed(p, index); }
    bool accepts(int from, const CardStack* moving, int to) const override
    {
        return role(from) == Role::Tableau && role(to) == Role::Tableau && empty(to) && moving->count == 1;
    }
    // A discard never spoils another: the card that made it possible is
    // itself outranked by whatever made that one possible, so discarding is
    // always safe.
    bool autoStep() override
    {
        for (int p : piles(Role::Tableau)) {
            if (discardable(p)) {
                moveTop(p, discard_);
                return true;
            }
        }
        return false;
    }

    bool won() const override
    {
        if (!empty(stock_) || cardsIn(Role::Tableau) != kPiles) return false;
        for (int p : piles(Role::Tableau))
            for (int k = 0; k < count(p); ++k)
                if (Rank(cardAt(p, k)) != TS_RANK_ACE) return false;
        return true;
    }
    bool lost() const override
    {
        if (!empty(stock_) || won()) return false;
        bool hole = false, tall = false;
        for (int p : piles(Role::Tableau)) {
            if (discardable(p)) return false;
            hole = hole || empty(p);
            tall = tall || count(p) > 1;
        }
        return !(hole && tall);
    }
    int points() const override { return count(discard_); }
    std::string messageText() const override
    {
        return Counted(cardsIn(Role::Stock) + cardsIn(Role::Tableau), "card") + " left";
    }

    enum Option { kHint };
    void addOptions() override { host().addOption(kHint, kHintOptionText); }
    void optionChosen(int option) override
    {
        if (option == kHint && playing()) showHint();
    }

    // The four piles as the hint's search plays them.
    using Piles = std::vector<std::vector<Card>>;
    static bool Discardable(const Piles& piles, size_t p)
    {
        if (piles[p].empty()) return false;
        for (size_t q = 0; q < piles.size(); ++q)
            if (q != p && !piles[q].empty() && Suit(piles[q].back()) == Suit(piles[p].back()) &&
                HighRank(piles[q].back()) > HighRank(piles[p].back()))
                return true;
        return false;
    }
    // How many cards go one after another once `piles` stand so.
    static int DiscardsFrom(Piles piles)
    {
        int n = 0;
        for (bool more = true; more;) {
            more = false;
            for (size_t p = 0; p < piles.size(); ++p) {
                if (Discardable(piles, p)) {
                    piles[p].pop_back();
                    ++n;
                    more = true;
                }
            }
        }
        return n;
    }

    void showHint()
    {
        const std::vector<int> tableau = piles(Role::Tableau);
        for (int p : tableau) {
            if (discardable(p)) {
                showHintMark(p);
                showMessage(HintText("discard the %", {top(p)}, messageRoom()));
                return;
            }
        }
        Piles now;
        int hole = -1;
        for (int p : tableau) {
            now.emplace_back();
            for (int k = 0; k < count(p); ++k) now.back().push_back(cardAt(p, k));
            if (empty(p) && hole < 0) hole = static_cast<int>(now.size()) - 1;
        }
        // A lone card moved into an empty pile changes nothing.
        int best = -1, bestValue = -1;
        for (size_t p = 0; hole >= 0 && p < now.size(); ++p) {
            if (now[p].size() < 2) continue;
            Piles after = now;
            after[static_cast<size_t>(hole)].push_back(after[p].back());
            after[p].pop_back();
            const bool ace = Rank(now[p].back()) == TS_RANK_ACE;
            const int value = 1000 * DiscardsFrom(after) + (ace ? 100 : 0) + static_cast<int>(now[p].size());
            if (value > bestValue) {
                best = tableau[p];
                bestValue = value;
            }
        }
        if (best >= 0) {
            showHintMark(best);
            showMessage(HintText("% to an empty pile", {top(best)}, messageRoom()));
        } else if (!empty(stock_)) {
            showHintMark(stock_);
            showMessage("Hint: deal from the stock");
        } else {
            showMessage("Hint: no move helps");
        }
    }

    int stock_, discard_;
};

}  // namespace

LUMORA_GAME(AcesUp)

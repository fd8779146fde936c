// Gaps: the deck dealt in four rows of thirteen, the aces taken out to leave
// four gaps; fill each gap with the next card in suit of the card on its
// left, until every row runs from two to king in one suit.
//
//   [ 2 ] [ 3 ] [ 4 ] [ 5 ] [ 6 ] [ 7 ] [ 8 ] [ 9 ] [10 ] [ J ] [ Q ] [ K ] [   ]
//   [ . ] [ . ] [ . ] [ . ] [ . ] [ . ] [ . ] [ . ] [ . ] [ . ] [ . ] [ . ] [ . ]
//   [ . ] [ . ] [ . ] [ . ] [ . ] [ . ] [ . ] [ . ] [ . ] [ . ] [ . ] [ . ] [ . ]
//   [ . ] [ . ] [ . ] [ . ] [ . ] [ . ] [ . ] [ . ] [ . ] [ . ] [ . ] [ . ] [ . ]
//
//   [reshuffle]  [aces: the four aces, fanned]
//
// A gap at the left end of a row takes any two; nothing follows a king, so a
// gap right of a king (or of another gap) stays empty until a reshuffle.
// Clicking the reshuffle place (twice in a game) gathers every card not yet
// in order from the left of its row, shuffles them and deals them again,
// leaving one gap after each row's ordered part. Score: the cards in order.
// The hint looks three moves ahead for the most cards in order, then cards
// after their neighbour in suit, then gaps that can still be filled.
#include <algorithm>
#include <array>

#include "game.h"
#include "layout.h"
#include "rules.h"
#include "simple_hint.h"

namespace {

using namespace kit;

constexpr int kRows = 4, kColumns = 13, kPlaces = kRows * kColumns;
constexpr int kReshuffles = 2;
// Thirteen cards across must stay within the table's width: 3 pixels apart.
constexpr int kMargin = 8, kPitchX = kCardWidth + 3, kPitchY = kCardHeight + 7;
constexpr int kWidth = kMargin + (kColumns - 1) * kPitchX + kCardWidth + kMargin;
constexpr int kLowerY = kMargin + (kRows - 1) * kPitchY + kCardHeight + 14;
constexpr int kHeight = kLowerY + kCardHeight + kMargin;
constexpr int kAcesX = kMargin + 2 * kPitchX;

constexpr int kDealt = kPlaces - TS_SUITS;

struct GapsState {
    int32_t reshufflesLeft;
    // The order of each reshuffle, drawn with the deal: Replay and a saved
    // game reshuffle alike, and undoing a reshuffle cannot draw a new one.
    uint8_t orders[kReshuffles][kDealt];
};

class Gaps : public Game {
public:
    Gaps() : Game("Gaps", {kWidth, kHeight})
    {
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kColumns; ++c)
                addPile(Role::Tableau, kMargin + c * kPitchX, kMargin + r * kPitchY, TS_FAN_SQUARED, TS_BASE_EMPTY, 1);
        reshuffle_ = addPile(Role::Stock, kMargin, kLowerY, TS_FAN_SQUARED, TS_BASE_STOCK_REDEAL, 1);
        aces_ = addPile(Role::Discard, kAcesX, kLowerY, TS_FAN_RIGHT, TS_BASE_DISCARD, TS_SUITS);
        keepState(state_);
    }

private:
    static constexpr int Place(int row, int column) { return row * kColumns + column; }

    void resetState() override { state_.reshufflesLeft = kReshuffles; }

    void deal() override
    {
        const std::vector<Card> cards = shuffled(fullDecks(1));
        for (int p = 0; p < kPlaces; ++p) dealCard(p, cards[static_cast<size_t>(p)]);
        for (int p = 0; p < kPlaces; ++p)
            if (Rank(top(p)) == TS_RANK_ACE) moveTop(p, aces_, false, false, false);
        std::vector<Card> positions(kDealt);
        for (int i = 0; i < kDealt; ++i) positions[static_cast<size_t>(i)] = i;
        for (auto& order : state_.orders) {
            const std::vector<Card> drawn = shuffled(positions);
            for (int i = 0; i < kDealt; ++i) order[i] = static_cast<uint8_t>(drawn[static_cast<size_t>(i)]);
        }
    }

    // Without saved state the count of reshuffles cannot be known: none left
    // is the one that cannot be abused.
    void stateFromTable() override { state_.reshufflesLeft = 0; }

    // The card that may go into the gap `p`: for a gap at the left end any
    // two (kNoCard), else the next card in suit of its left neighbour; false
    // when nothing may go there.
    bool successor(int p, Card& card) const
    {
        card = kNoCard;
        if (p % kColumns == 0) return true;
        if (empty(p - 1) || Rank(top(p - 1)) == TS_RANK_KING) return false;
        card = top(p - 1) + 1;
        return true;
    }
    bool fits(int gap, Card card) const
    {
        Card next;
        if (gap >= kPlaces || !empty(gap) || !successor(gap, next)) return false;
        return next == kNoCard ? Rank(card) == 1 : card == next;
    }
    int placeOf(Card card) const
    {
        for (int p = 0; p < kPlaces; ++p)
            if (top(p) == card) return p;
        return -1;
    }

    int16_t pressed(int p, int index) override
    {
        if (p == reshuffle_) {
            reshuffle();
            return TS_HIT_NOTHING;
        }
        if (p >= kPlaces) return TS_HIT_NOTHING;
        if (index >= 0) return TS_HIT_DRAG_CARD;
        // A click on a gap fills it with the one card that fits there.
        Card next;
        if (successor(p, next) && next != kNoCard && placeOf(next) >= 0) moveTop(placeOf(next), p);
        return TS_HIT_NOTHING;
    }

    bool accepts(int from, const CardStack* moving, int to) const override
    {
        return from < kPlaces && moving->count == 1 && fits(to, BottomOf(moving));
    }

    // A double click sends the card to the gap it fits.
    void doubleClicked(int p, int index) override
    {
        if (p >= kPlaces || index < 0 || empty(p)) return;
        for (int gap = 0; gap < kPlaces; ++gap) {
            if (gap % kColumns == 0 && p % kColumns == 0) continue;  // a two already at the left end stays
            if (fits(gap, top(p))) {
                moveTop(p, gap);
                return;
            }
        }
    }

    // How many cards from the left of the row run from two upward in one suit.
    int orderedLength(int row) const
    {
        const int first = Place(row, 0);
        if (empty(first) || Rank(top(first)) != 1) return 0;
        int n = 1;
        while (n < kColumns - 1 && top(first + n) == top(first) + n) ++n;
        return n;
    }

    void reshuffle()
    {
        if (state_.reshufflesLeft <= 0 || state_.reshufflesLeft > kReshuffles || won()) return;
        std::array<int, kRows> ordered{};
        std::vector<Card> rest;
        for (int r = 0; r < kRows; ++r) {
            ordered[r] = orderedLength(r);
            for (int c = ordered[r]; c < kColumns; ++c)
                if (!empty(Place(r, c))) rest.push_back(top(Place(r, c)));
        }
        // The reshuffle's order of 48 places, cut down to the cards gathered.
        std::vector<Card> cards;
        std::vector<bool> taken(rest.size());
        for (uint8_t i : state_.orders[kReshuffles - state_.reshufflesLeft]) {
            if (i >= rest.size() || taken[i]) continue;
            taken[i] = true;
            cards.push_back(rest[i]);
        }
        if (cards.size() != rest.size()) cards = rest;  // a damaged saved order: keep the cards as they lie
        for (int r = 0; r < kRows; ++r)
            for (int c = ordered[r]; c < kColumns; ++c)
                if (!empty(Place(r, c))) removeCard(Place(r, c), 0);
        size_t next = 0;
        for (int r = 0; r < kRows; ++r)
            for (int c = ordered[r] + 1; c < kColumns; ++c) dealCard(Place(r, c), cards[next++]);
        --state_.reshufflesLeft;
    }

    // Some gap can be filled: one at the left end of a row (a two lies
    // elsewhere, since that row's place holds none), or one after a card
    // other than a king.
    bool canMove() const
    {
        Card next;
        for (int p = 0; p < kPlaces; ++p)
            if (empty(p) && successor(p, next)) return true;
        return false;
    }

    bool won() const override
    {
        for (int r = 0; r < kRows; ++r)
            if (orderedLength(r) != kColumns - 1) return false;
        return true;
    }
    bool lost() const override { return state_.reshufflesLeft == 0 && !canMove(); }
    int points() const override
    {
        int n = 0;
        for (int r = 0; r < kRows; ++r) n += orderedLength(r);
        return n;
    }
    std::string messageText() const override
    {
        const std::string left = state_.reshufflesLeft == 0 ? "no reshuffles left"
                                                            : Counted(state_.reshufflesLeft, "reshuffle") + " left";
        if (!canMove() && state_.reshufflesLeft > 0) return "No gap can be filled: click the circle to reshuffle (" + left + ")";
        return Counted(points(), "card") + " in order, " + left;
    }

    enum Option { kHint };
    void addOptions() override { host().addOption(kHint, kHintOptionText); }
    void optionChosen(int option) override
    {
        if (option == kHint && playing()) showHint();
    }

    // The rows as the hint's search plays them: kNoCard in a gap.
    using Places = std::array<Card, kPlaces>;
    struct Fill {
        int from, to;
    };
    // Every move that fills a gap, but a two moved from one left end to another.
    static std::vector<Fill> Fills(const Places& at)
    {
        std::vector<Fill> out;
        for (int gap = 0; gap < kPlaces; ++gap) {
            if (at[static_cast<size_t>(gap)] != kNoCard) continue;
            const bool leftEnd = gap % kColumns == 0;
            const Card left = leftEnd ? kNoCard : at[static_cast<size_t>(gap - 1)];
            if (!leftEnd && (left == kNoCard || Rank(left) == TS_RANK_KING)) continue;
            for (int p = 0; p < kPlaces; ++p) {
                const Card c = at[static_cast<size_t>(p)];
                if (c == kNoCard) continue;
                if (leftEnd ? (Rank(c) == 1 && p % kColumns != 0) : c == left + 1) out.push_back({p, gap});
            }
        }
        return out;
    }
    static constexpr int kOrderedWeight = 1000, kFollowingWeight = 20;
    static int Worth(const Places& at)
    {
        int value = 0;
        for (int r = 0; r < kRows; ++r) {
            const size_t first = static_cast<size_t>(Place(r, 0));
            int n = 0;
            if (at[first] != kNoCard && Rank(at[first]) == 1)
                for (n = 1; n < kColumns - 1 && at[first + static_cast<size_t>(n)] == at[first] + n;) ++n;
            value += kOrderedWeight * n;
        }
        for (int p = 0; p < kPlaces; ++p) {
            const Card c = at[static_cast<size_t>(p)];
            if (c != kNoCard && p % kColumns != 0 && at[static_cast<size_t>(p - 1)] == c - 1 && Rank(c) != 0)
                value += kFollowingWeight;
        }
        std::vector<int> gaps;
        for (Fill f : Fills(at))
            if (std::find(gaps.begin(), gaps.end(), f.to) == gaps.end()) gaps.push_back(f.to);
        return value + static_cast<int>(gaps.size());
    }
    static Places After(Places at, Fill f)
    {
        at[static_cast<size_t>(f.to)] = at[static_cast<size_t>(f.from)];
        at[static_cast<size_t>(f.from)] = kNoCard;
        return at;
    }
    static int LookAhead(const Places& at, int depth)
    {
        int best = Worth(at);
        if (depth == 0) return best;
        for (Fill f : Fills(at)) best = std::max(best, LookAhead(After(at, f), depth - 1));
        return best;
    }

    void showHint()
    {
        Places at;
        for (int p = 0; p < kPlaces; ++p) at[static_cast<size_t>(p)] = empty(p) ? kNoCard : top(p);
        Fill best{-1, -1};
        int bestValue = -1;
        for (Fill f : Fills(at)) {
            const int value = LookAhead(After(at, f), 2);
            if (value > bestValue) {
                best = f;
                bestValue = value;
            }
        }
        if (best.from >= 0) {
            showHintMark(best.from);
            const Card card = top(best.from);
            if (best.to % kColumns == 0)
                showMessage(HintText("% to the left end of row " + std::to_string(best.to / kColumns + 1), {card},
                                     messageRoom()));
            else
                showMessage(HintText("% after the %", {card, top(best.to - 1)}, messageRoom()));
        } else if (state_.reshufflesLeft > 0 && !won()) {
            showMessage("Hint: click the circle to reshuffle");
        } else {
            showMessage("Hint: no move helps");
        }
    }

    GapsState state_{};
    int reshuffle_, aces_;
};

}  // namespace

LUMORA_GAME(Gaps)

// Bisley: the four aces start the foundations; the kings, once freed, go in
// a row above them and build down, until each suit's two foundations meet.
//
//   [ K ] [ K ] [ K ] [ K ]                                          kings, as freed
//   [ A ] [ A ] [ A ] [ A ]  [ 5 ] [ 6 ] [ 7 ] ... [13 ]             aces; nine columns of four
//   [ 1 ] [ 2 ] [ 3 ] [ 4 ]   ...   ...   ...       ...              four columns of three
//    ...   ...   ...   ...
//
// Columns build up or down in suit, one card at a time; an empty column
// stays empty. Each ace builds up in suit, each king down in suit; a card
// may go on either foundation of its suit. Score: the cards on the
// foundations.
#include "layout.h"
#include "patience.h"

namespace {

using namespace kit;

constexpr int kColumns = 13, kShortColumns = 4;
// Thirteen columns across must stay within the table's width: 3 pixels apart.
constexpr int kMargin = 8, kPitchX = kCardWidth + 3, kPitchY = kCardHeight + 7;
constexpr int kKingsY = kMargin, kAcesY = kKingsY + kPitchY, kShortY = kAcesY + kPitchY;
// A column holds its dealt cards and at most twelve more of one suit.
constexpr int kColumnCapacity = 16;
constexpr int kWidth = kMargin + (kColumns - 1) * kPitchX + kCardWidth + kMargin;
constexpr int kHeight = kShortY + (kColumnCapacity - 2) * kFanStep + kCardHeight + kMargin;
constexpr int kX(int column) { return kMargin + column * kPitchX; }

PatienceRules BisleyRules()
{
    PatienceRules r;
    r.tableau = Build::UpOrDownSameSuit;
    r.runs = Build::None;  // one card at a time
    r.emptyTableau = Empty::Nothing;
    return r;
}

class Bisley : public Patience {
public:
    Bisley() : Patience("Bisley", {kWidth, kHeight}, BisleyRules())
    {
        for (int s = 0; s < TS_SUITS; ++s) {
            const int pile = addPile(Role::Foundation, kX(s), kKingsY, TS_FAN_SQUARED, TS_BASE_KING_ONLY, TS_RANKS);
            setFoundationRule(pile, {TS_RANK_KING, Build::DownSameSuit, TS_RANKS});
        }
        for (int s = 0; s < TS_SUITS; ++s)
            addPile(Role::Foundation, kX(s), kAcesY, TS_FAN_SQUARED, TS_BASE_FOUNDATION_CLUBS + s, TS_RANKS);
        for (int c = 0; c < kColumns; ++c)
            addPile(Role::Tableau, kX(c), c < kShortColumns ? kShortY : kAcesY, TS_FAN_DOWN, TS_BASE_EMPTY, kColumnCapacity);
    }

private:
    static constexpr int King(int suit) { return suit; }
    static constexpr int Ace(int suit) { return TS_SUITS + suit; }

    void deal() override
    {
        const std::vector<Card> cards = shuffled(fullDecks(1));
        std::vector<Card> rest;
        for (Card c : cards) {
            if (Rank(c) != TS_RANK_ACE) rest.push_back(c);
        }
        for (int s = 0; s < TS_SUITS; ++s) dealCard(Ace(s), MakeCard(s, TS_RANK_ACE));
        const std::vector<int> columns = piles(Role::Tableau);
        size_t next = 0;
        for (int row = 0; row < 4; ++row)
            for (int c = 0; c < kColumns; ++c)
                if (row < 3 || c >= kShortColumns) dealCard(columns[c], rest[next++]);
    }

    // The king row holds each suit's king above its ace.
    bool takes(int f, Card c) const { return Suit(c) == f % TS_SUITS && foundationTakes(f, c); }
    int home(Card c) const
    {
        if (takes(Ace(Suit(c)), c)) return Ace(Suit(c));
        return takes(King(Suit(c)), c) ? King(Suit(c)) : -1;
    }
    bool playHome(int from)
    {
        const int f = empty(from) ? -1 : home(top(from));
        if (f < 0) return false;
        moveTop(from, f);
        moved(from, f, 1);
        return true;
    }

    bool accepts(int from, const CardStack* moving, int to) const override
    {
        if (role(to) == Role::Foundation) return moving->count == 1 && takes(to, BottomOf(moving));
        return Patience::accepts(from, moving, to);
    }
    void doubleClicked(int p, int index) override
    {
        if (role(p) == Role::Tableau && index == count(p) - 1) playHome(p);
    }
    // A card home never holds back another: its neighbours in suit go home
    // after it, and nothing else is built on it.
    bool autoStep() override
    {
        for (int c : piles(Role::Tableau))
            if (playHome(c)) return true;
        return false;
    }

    std::string messageText() const override { return Counted(cardsIn(Role::Tableau), "card") + " left in the columns"; }

    bool lost() const override
    {
        const std::vector<int> columns = piles(Role::Tableau);
        for (int from : columns) {
            if (empty(from)) continue;
            if (home(top(from)) >= 0) return false;
            for (int to : columns)
                if (to != from && !empty(to) && Follows(Build::UpOrDownSameSuit, top(to), top(from))) return false;
        }
        return !won();
    }
};

}  // namespace

LUMORA_GAME(Bisley)

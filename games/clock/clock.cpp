// Clock: turn every card before the fourth king comes up.
//
//                        [12]
//               [11]              [ 1]
//          [10]                        [ 2]
//         [ 9]          [ K]            [ 3]
//          [ 8]                        [ 4]
//               [ 7]              [ 5]
//                        [ 6]
//
// Thirteen piles of four face-down cards: twelve around a clock face, an
// ace at one o'clock to a queen at twelve, and the kings' pile in the
// middle. Each hour is a face-down pile with its face-up cards fanned over
// its right side. The top card of the kings' pile is turned first; each
// card turned goes face up to the pile of its own hour, and the next card
// is turned from that pile. There is no choice to make: a click on any pile
// turns the next card, which is framed in red. Lost when the fourth king
// comes up while cards are still face down; won when every card is face
// up. Score: the cards turned. The hint names the pile to turn from, which
// the game has already framed.
#include "game.h"
#include "layout.h"
#include "simple_hint.h"

namespace {

using namespace kit;

constexpr int kHours = 13, kKings = TS_RANK_KING, kPerPile = 4;
constexpr int kShownOffset = 16;  // the face-up fan starts this far right of the pile
constexpr int kItemWidth = kShownOffset + kCardWidth + (kPerPile - 1) * kFanStep;
constexpr int kRadiusX = 265, kRadiusY = 140, kMargin = 8;
constexpr int kWidth = 2 * kRadiusX + kItemWidth + 2 * kMargin;
constexpr int kHeight = 2 * kRadiusY + kCardHeight + 2 * kMargin;
// sin of h * 30 degrees, in thousandths, for h = 0..11.
constexpr int kSine[12] = {0, 500, 866, 1000, 866, 500, 0, -500, -866, -1000, -866, -500};

// Where an hour's pile lies: rank r (ace 0 .. queen 11) at (r + 1) o'clock,
// the kings in the middle.
constexpr int ItemX(int rank)
{
    const int dx = rank == kKings ? 0 : kRadiusX * kSine[(rank + 1) % 12] / 1000;
    return kMargin + kRadiusX + dx;
}
constexpr int ItemY(int rank)
{
    const int dy = rank == kKings ? 0 : -kRadiusY * kSine[(rank + 1 + 3) % 12] / 1000;
    return kMargin + kRadiusY + dy;
}

class Clock : public Game {
public:
    Clock() : Game("Clock", {kWidth, kHeight})
    {
        for (int r = 0; r < kHours; ++r) {
            addPile(Role::Reserve, ItemX(r), ItemY(r), TS_FAN_SQUARED, TS_BASE_DOTTED, kPerPile);
            addPile(Role::Foundation, ItemX(r) + kShownOffset, ItemY(r), TS_FAN_RIGHT, TS_BASE_NONE, kPerPile);
        }
    }

private:
    static constexpr int Hidden(int rank) { return 2 * rank; }
    static constexpr int Shown(int rank) { return 2 * rank + 1; }

    void deal() override
    {
        const std::vector<Card> cards = shuffled(fullDecks(1));
        for (size_t i = 0; i < cards.size(); ++i) dealCard(Hidden(static_cast<int>(i % kHours)), cards[i], true);
        markTop(Hidden(kKings), true);
    }

    // The pile whose card is turned next. Every card that came to an hour
    // was followed by a card taken from it, except at the hour of the last
    // card turned; the kings' pile gave the first card unasked.
    int current() const
    {
        for (int r = 0; r < kKings; ++r)
            if (count(Shown(r)) > kPerPile - count(Hidden(r))) return r;
        return kKings;
    }
    bool over() const { return empty(Hidden(current())); }
    bool started() const { return cardsIn(Role::Foundation) > 0; }
    void turnNext()
    {
        const int from = current();
        if (empty(Hidden(from))) return;
        moveTop(Hidden(from), Shown(Rank(top(Hidden(from)))), false);
        if (!over()) markTop(Hidden(current()), true);
    }

    int16_t pressed(int, int) override
    {
        turnNext();
        return TS_HIT_NOTHING;
    }
    void doubleClicked(int, int) override { turnNext(); }
    // Nothing is ever chosen, so once the player has begun, Auto Play
    // turns the cards for them.
    bool autoStep() override
    {
        if (!started() || over()) return false;
        turnNext();
        return true;
    }

    bool won() const override { return cardsIn(Role::Reserve) == 0; }
    bool lost() const override { return over() && !won(); }
    int points() const override { return cardsIn(Role::Foundation); }
    std::string messageText() const override
    {
        return Counted(cardsIn(Role::Reserve), "card") + " face down, " + Counted(count(Shown(kKings)), "king") +
               " out";
    }

    enum Option { kHint };
    void addOptions() override { host().addOption(kHint, kHintOptionText); }
    // The next card is framed already; marking it again for the hint would
    // let the hint's mark take the game's own frame away with it.
    void optionChosen(int option) override
    {
        if (option != kHint || !playing()) return;
        const int from = current();
        if (over()) showMessage("Hint: no move helps");
        else if (from == kKings) showMessage("Hint: turn the next card in the middle");
        else showMessage("Hint: turn the next card at " + std::to_string(from + 1) + " o'clock");
    }
};

}  // namespace

LUMORA_GAME(Clock)

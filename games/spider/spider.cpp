// Spider: two decks; build down regardless of suit, but only a run in one
// suit moves together; a full run from king to ace goes home at once.
//
//   [stock]          [home] [home] [home] [home] [home] [home] [home] [home]
//
//   [ 1 ] [ 2 ] [ 3 ] [ 4 ] [ 5 ] [ 6 ] [ 7 ] [ 8 ] [ 9 ] [10 ]   tableau: 6,6,6,6,
//    ...   ...   ...   ...   ...   ...   ...   ...   ...   ...    then 5 cards, top up
//
// Variants: One Suit (eight runs of spades), Two Suits (spades and hearts),
// Four Suits (two full decks); a new player starts with One Suit. Score:
// 500, less one per move, plus 100 per run home.
#include <algorithm>

#include "layout.h"
#include "patience.h"

namespace {

using namespace kit;

constexpr Grid kGrid;
constexpr int kTableauY = 87, kDecks = 2;
// The table shows columns of up to 29 cards: one more and large cards would
// not fit a 1024 x 768 screen.
constexpr int kShownColumnCards = 29;
constexpr int kX(int column) { return kGrid.x(column); }

PatienceRules SpiderRules()
{
    PatienceRules r;
    r.tableau = Build::DownAnySuit;
    r.runs = Build::DownSameSuit;
    r.emptyTableau = Empty::AnyCard;
    r.runsGoHome = true;
    r.decks = kDecks;
    return r;
}

class Spider : public Patience {
public:
    Spider() : Patience("Spider", {kGrid.width(10), kGrid.below(kTableauY, kShownColumnCards)}, SpiderRules())
    {
        stock_ = addPile(Role::Stock, kX(0), kGrid.margin, TS_FAN_COUNTED, TS_BASE_STOCK_DONE, 50);
        for (int f = 0; f < 8; ++f) addPile(Role::Foundation, kX(2 + f), kGrid.margin, TS_FAN_SQUARED, TS_BASE_DISCARD, 13);
        for (int c = 0; c < 10; ++c)
            addPile(Role::Tableau, kX(c), kTableauY, TS_FAN_DOWN, TS_BASE_EMPTY, TS_CARDS * kDecks);
        keepState(s_);
    }

private:
    struct State {
        int32_t suits;  // 1, 2 or 4
        int32_t moves;
    } s_{};

    static constexpr const char* kOptionNames[] = {"One Suit", "Two Suits", "Four Suits"};
    static constexpr int kSuitsOf[] = {1, 2, 4};

    void resetState() override { s_.suits = suitsPreference_; }
    void stateFromTable() override { s_.suits = suitsOnTable(); }
    // A saved game goes on with its own suits; the player's setting stays for the next deals.
    void loaded() override { checkSuitOptions(); }

    void deal() override
    {
        // Two decks' worth of cards drawn from the suits the variant uses.
        static constexpr int kSuitSets[][4] = {{TS_SUIT_SPADES}, {TS_SUIT_SPADES, TS_SUIT_HEARTS},
                                               {TS_SUIT_CLUBS, TS_SUIT_DIAMONDS, TS_SUIT_HEARTS, TS_SUIT_SPADES}};
        const int set = s_.suits == 1 ? 0 : s_.suits == 2 ? 1 : 2;
        std::vector<Card> deck;
        for (int n = 0; n < TS_CARDS * kDecks; ++n)
            deck.push_back(MakeCard(kSuitSets[set][(n / TS_RANKS) % s_.suits], n % TS_RANKS));
        const std::vector<Card> cards = shuffled(deck);
        const std::vector<int> columns = piles(Role::Tableau);
        size_t next = 0;
        for (int c = 0; c < 10; ++c) {
            const int n = c < 4 ? 6 : 5;
            for (int i = 0; i < n; ++i) dealCard(columns[c], cards[next++], i < n - 1 ? Face::Down : Face::Up);
        }
        while (next < cards.size()) dealCard(stock_, cards[next++], Face::Down);
    }

    void stockClicked() override
    {
        if (empty(stock_)) return;
        const std::vector<int> columns = piles(Role::Tableau);
        if (std::any_of(columns.begin(), columns.end(), [&](int c) { return empty(c); })) {
            showMessage("Fill every column before dealing");
            return;
        }
        for (int c : columns) moveTop(stock_, c);
        ++s_.moves;
    }

    // A player's move; a run going home is none.
    void moved(int, int, int) override { ++s_.moves; }
    std::string stockBlockedHint() const override { return "Hint: fill every column, then deal"; }

    int runsHome() const { return cardsIn(Role::Foundation) / TS_RANKS; }
    int points() const override { return 500 - s_.moves + 100 * runsHome(); }
    std::string messageText() const override
    {
        return std::string(kOptionNames[s_.suits == 1 ? 0 : s_.suits == 2 ? 1 : 2]) + ", " +
               Counted(count(stock_) / 10, "deal") + " left, " + std::to_string(runsHome()) + " of 8 home";
    }

    int suitsOnTable() const
    {
        bool seen[TS_SUITS] = {};
        for (int p = 0; p < pileCount(); ++p)
            for (int k = 0; k < count(p); ++k) seen[Suit(cardAt(p, k))] = true;
        const int n = static_cast<int>(std::count(seen, seen + TS_SUITS, true));
        return n <= 1 ? 1 : n == 2 ? 2 : 4;
    }

    void addOptions() override
    {
        for (int i = 0; i < 3; ++i) host().addOption(i, kOptionNames[i]);
        checkSuitOptions();
    }
    void optionChosen(int option) override
    {
        if (option < 0 || option > 2) return;
        suitsPreference_ = kSuitsOf[option];
        checkSuitOptions();
        if (playing() && suitsPreference_ != s_.suits)
            showMessage(std::string(kOptionNames[option]) + " from the next deal");
    }
    void checkSuitOptions()
    {
        for (int i = 0; i < 3; ++i) host().checkOption(i, kSuitsOf[i] == suitsPreference_);
    }

    int stock_;
    int suitsPreference_ = 1;
};

}  // namespace

LUMORA_GAME(Spider)

// Canfield on the headless host.
#include <algorithm>
#include <array>
#include <tuple>
#include <unordered_set>

#include "move_table.h"

namespace {

using gametest::Session;

constexpr int kStock = 0, kWaste = 1, kFoundation = 2, kReserve = 6, kTableau = 7;
constexpr int T(int i) { return kTableau + i; }
constexpr int F(int i) { return kFoundation + i; }

// The foundations start from the five.
const std::map<int, std::string> kPosition = {
    {F(0), "5H 6H"},   {F(1), "5C 6C 7C 8C 9C TC JC QC KC"},
    {kReserve, "9C# KS"}, {kWaste, "3D AC"}, {kStock, "2C# 3C#"},
    {T(0), "9H 8S 7H"}, {T(1), "AD"}, {T(2), "6S 5D"}, {T(3), "TC"},
};

class CanfieldGame : public ::testing::Test {
protected:
    // The draw is the player's setting, kept by the module from one deal
    // to the next: deal with Draw Three whatever ran before.
    bool startDrawingThree(uint32_t seed)
    {
        if (!g.start(seed)) return false;
        if (g->OptionChecked(1)) return true;
        return g->SelectOption(1) && g.start(seed);
    }
    Session g{CANFIELD_MODULE};
};

TEST_F(CanfieldGame, DealsReserveFoundationTableauAndStock)
{
    ASSERT_TRUE(startDrawingThree(1));
    EXPECT_EQ(g->Module(0).name, std::string("Canfield"));
    ASSERT_EQ(g.count(kReserve), 13);
    for (int k = 0; k < 13; ++k) EXPECT_EQ(g->Stack(kReserve).cards[k].faceDown != 0, k < 12);
    EXPECT_EQ(g.count(F(0)), 1);
    for (int c = 0; c < 4; ++c) EXPECT_EQ(g.count(T(c)), 1);
    EXPECT_EQ(g.count(kStock), 34);
    EXPECT_EQ(g.count(kWaste), 0);
    EXPECT_EQ(g.pile(F(0)), "3D");
    EXPECT_EQ(g.pile(T(0)) + " " + g.pile(T(1)) + " " + g.pile(T(2)) + " " + g.pile(T(3)), "JH 4S 8H JD");
    EXPECT_EQ(g->MessageText(), "Draw 3 - reserve 13");
}

TEST_F(CanfieldGame, AcceptsLegalMovesAndRefusesOthers)
{
    gametest::ExpectMoves(g, 3, kPosition, {
        {T(0), 1, T(3), false, "the middle of a pile does not move"},
        {T(0), 2, T(3), false, "a seven on a ten"},
        {kReserve, 1, T(1), true, "a black king on a red ace: the tableau goes round"},
        {kWaste, 1, F(1), true, "the ace of clubs on the king of clubs: the foundation goes round"},
        {kWaste, 1, T(1), false, "a black ace on a red ace"},
        {T(2), 1, F(2), true, "a five starts an empty foundation"},
        {T(1), 0, F(2), false, "an ace does not start a foundation when the fives do"},
        {T(3), 0, T(1), false, "a ten of clubs on an ace"},
        {F(0), 1, T(3), false, "foundation cards stay"},
    });
}

TEST_F(CanfieldGame, AWholePileMovesAndTheReserveFillsItsPlace)
{
    ASSERT_TRUE(startDrawingThree(3));
    g.arrange(kPosition);
    ASSERT_TRUE(g->DragCard(T(0), 0, T(3)));
    EXPECT_EQ(g.pile(T(3)), "TC 9H 8S 7H");
    EXPECT_EQ(g.pile(T(0)), "KS");
    EXPECT_EQ(g.pile(kReserve), "9C");
    EXPECT_EQ(g->MessageText(), "Draw 3 - reserve 1");

    // A card sent home from a one-card pile empties it too.
    g.arrange({{F(0), "5H 6H"}, {T(0), "7H"}, {T(1), "QH"}, {T(2), "4C"}, {T(3), "TS"}, {kReserve, "9C"}, {kStock, "2C#"}});
    ASSERT_TRUE(g->DoubleClick(T(0), 0));
    EXPECT_EQ(g.pile(T(0)), "9C");
    EXPECT_EQ(g.count(kReserve), 0);

    // With the reserve gone an empty pile stays empty until the player fills it from the waste.
    g.arrange({{F(0), "5H 6H 7H 8H"}, {T(0), "9H"}, {T(1), "QH"}, {T(2), "4C"}, {kWaste, "3D AC"}, {kStock, "2C#"}});
    ASSERT_TRUE(g->DoubleClick(T(0), 0));
    EXPECT_EQ(g.count(T(0)), 0);
    EXPECT_FALSE(g->DragCard(T(2), 0, T(0))) << "not from the tableau";
    EXPECT_TRUE(g->DragCard(kWaste, 1, T(0)));
    EXPECT_EQ(g.pile(T(0)), "AC");
}

TEST_F(CanfieldGame, TheStockDealsThreeOrOneAndTurnsOverAsOftenAsWanted)
{
    ASSERT_TRUE(startDrawingThree(4));
    const std::string stock = g.pile(kStock);
    ASSERT_TRUE(g->Click(kStock, 33));
    EXPECT_EQ(g.count(kWaste), 3);
    for (int pass = 0; pass < 3; ++pass) {
        while (g.count(kStock) > 0) ASSERT_TRUE(g->Click(kStock, g.count(kStock) - 1));
        EXPECT_EQ(g.count(kWaste), 34);
        ASSERT_TRUE(g->Click(kStock, -1));
        EXPECT_EQ(g.pile(kStock), stock) << "pass " << pass;
    }

    ASSERT_EQ(g->OptionTexts(), (std::vector<std::string>{"Draw One", "Draw Three", "Hint"}));
    EXPECT_TRUE(g->OptionChecked(1));
    ASSERT_TRUE(g->SelectOption(0));
    EXPECT_EQ(g->MessageText(), "Draw One next deal");
    ASSERT_TRUE(g->Click(kStock, g.count(kStock) - 1));
    EXPECT_EQ(g.count(kWaste), 3) << "this deal goes on drawing three";
    g->NewGame();
    EXPECT_TRUE(g->OptionChecked(0));
    EXPECT_FALSE(g->OptionChecked(1));
    ASSERT_TRUE(g->Click(kStock, g.count(kStock) - 1));
    EXPECT_EQ(g.count(kWaste), 1);
    EXPECT_EQ(g->MessageText(), "Draw 1 - reserve 13");

    // A saved game keeps its own draw, and loading it leaves the player's setting alone.
    const std::vector<uint8_t> saved = g->Save();
    ASSERT_TRUE(g->SelectOption(1));
    Session copy(CANFIELD_MODULE);
    ASSERT_TRUE(copy.reload(saved));
    ASSERT_TRUE(copy->Click(kStock, copy.count(kStock) - 1));
    EXPECT_EQ(copy.count(kWaste), 2);
    copy->NewGame();
    ASSERT_TRUE(copy->Click(kStock, copy.count(kStock) - 1));
    EXPECT_EQ(copy.count(kWaste), 3) << "the next deal draws three, as chosen before the load";
}

TEST_F(CanfieldGame, AutoPlaySendsCardsHomeWhenNothingNeedsThem)
{
    ASSERT_TRUE(g.start(5, true));
    // Foundations from the queen, going on with the king, the ace, the two.
    g.arrange({{F(0), "QH"}, {F(1), "QC KC"}, {F(2), "QD KD"}, {F(3), "QS KS"},
               {T(0), "KH"}, {T(1), "AD"}, {T(2), "AS"}, {T(3), "2C"}, {kStock, "2D#"}});
    ASSERT_TRUE(g->DoubleClick(T(0), 0));
    EXPECT_EQ(g.pile(F(0)), "QH KH");
    EXPECT_EQ(g.pile(F(2)), "QD KD AD") << "both black kings are home";
    EXPECT_EQ(g.pile(F(3)), "QS KS AS") << "both red kings are home";
    EXPECT_EQ(g.pile(T(3)), "2C") << "the ace of hearts is out and might go on it";
}

// A way through a real deal, found by depth-first search over the whole
// position: cards home, reserve and waste cards onto the tableau, piles
// (whole or their top card) onto each other, the waste into an empty pile,
// and the stock.
class CanfieldSearch {
public:
    struct Step {
        int from, card, to;  // from == kStock: a click on the stock; to == -1: home
    };

    CanfieldSearch(Session& g, int draw) : draw_(draw)
    {
        auto read = [&](int pile) {
            std::string out;
            for (int k = 0; k < g.count(pile); ++k) out += static_cast<char>(g->Stack(pile).cards[k].image);
            return out;
        };
        stock_ = read(kStock), waste_ = read(kWaste), reserve_ = read(kReserve);
        for (int c = 0; c < 4; ++c) tableau_[c] = read(T(c));
        start_ = kit::Rank(g->Stack(F(0)).cards[0].image);
        home_[static_cast<size_t>(kit::Suit(g->Stack(F(0)).cards[0].image))] = 1;
    }
    bool solve(std::vector<Step>& path) { return search(path); }

private:
    using Card = gametest::Card;
    static bool Below(Card lower, Card upper) { return (kit::Rank(lower) + 12) % 13 == kit::Rank(upper); }
    static bool Builds(Card lower, Card upper) { return Below(lower, upper) && kit::ColourOf(lower) != kit::ColourOf(upper); }
    bool homeTakes(Card c) const { return (kit::Rank(c) - start_ + 13) % 13 == home_[static_cast<size_t>(kit::Suit(c))]; }
    std::string& pile(int p) { return p == kWaste ? waste_ : p == kReserve ? reserve_ : tableau_[p - T(0)]; }

    bool tryStep(Step step, std::vector<Step>& path)
    {
        const auto saved = std::make_tuple(stock_, waste_, reserve_, tableau_, home_);
        if (step.from == kStock) {
            if (stock_.empty()) {
                stock_.assign(waste_.rbegin(), waste_.rend());
                waste_.clear();
            } else {
                for (int i = 0; i < draw_ && !stock_.empty(); ++i) waste_ += stock_.back(), stock_.pop_back();
            }
        } else {
            std::string& from = pile(step.from);
            const std::string moving = from.substr(static_cast<size_t>(step.card));
            from.resize(static_cast<size_t>(step.card));
            if (step.to < 0) ++home_[static_cast<size_t>(kit::Suit(moving[0]))];
            else pile(step.to) += moving;
            if (step.from >= T(0) && from.empty() && !reserve_.empty()) from += reserve_.back(), reserve_.pop_back();
        }
        path.push_back(step);
        if (search(path)) return true;
        path.pop_back();
        std::tie(stock_, waste_, reserve_, tableau_, home_) = saved;
        return false;
    }
    bool search(std::vector<Step>& path)
    {
        if (std::all_of(home_.begin(), home_.end(), [](char n) { return n == 13; })) return true;
        std::string key = stock_ + '|' + waste_ + '|' + reserve_ + '|' + std::string(home_.begin(), home_.end());
        for (const std::string& t : tableau_) key += '|' + t;
        if (++nodes_ > 200000 || path.size() > 400 || !seen_.insert(key).second) return false;
        const int sources[] = {kReserve, kWaste, T(0), T(1), T(2), T(3)};
        for (int p : sources) {
            const std::string& s = pile(p);
            if (!s.empty() && homeTakes(s.back()) && tryStep({p, static_cast<int>(s.size()) - 1, -1}, path)) return true;
        }
        for (int p : sources) {
            const std::string& s = pile(p);
            if (s.empty()) continue;
            const bool tableau = p >= T(0);
            for (int card : {0, static_cast<int>(s.size()) - 1}) {
                if (!tableau && card != static_cast<int>(s.size()) - 1) continue;
                for (int to = T(0); to < T(4); ++to) {
                    const std::string& t = pile(to);
                    if (to == p) continue;
                    const bool fits = t.empty() ? p == kWaste && reserve_.empty() : Builds(t.back(), s[static_cast<size_t>(card)]);
                    if (fits && tryStep({p, card, to}, path)) return true;
                }
                if (s.size() == 1) break;
            }
        }
        return (!stock_.empty() || !waste_.empty()) && tryStep({kStock, 0, 0}, path);
    }

    int draw_, start_ = 0;
    std::string stock_, waste_, reserve_;
    std::array<std::string, 4> tableau_;
    std::array<char, 4> home_ = {};
    std::unordered_set<std::string> seen_;
    int nodes_ = 0;
};

TEST_F(CanfieldGame, PlaysRealDealsFromStartToWin)
{
    for (uint32_t seed : {3u, 4u, 7u}) {  // deals that can be won
        ASSERT_TRUE(startDrawingThree(seed));
        const int wonBefore = g->GamesWon();
        std::vector<CanfieldSearch::Step> path;
        ASSERT_TRUE(CanfieldSearch(g, 3).solve(path)) << "seed " << seed;
        for (const CanfieldSearch::Step& s : path) {
            if (s.from == kStock) {
                ASSERT_TRUE(g->Click(kStock, g.count(kStock) - 1)) << "seed " << seed;
                continue;
            }
            const int to = s.to >= 0 ? s.to : gametest::HomeFor(g, g.top(s.from), F(0), 4);
            ASSERT_TRUE(g->DragCard(s.from, s.card, to)) << "seed " << seed << ": " << g.pile(s.from) << " to " << g.pile(to);
        }
        EXPECT_EQ(g->GamesWon(), wonBefore + 1) << "seed " << seed;
    }
}

}  // namespace

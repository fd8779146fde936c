// Cruel on the headless host.
#include <algorithm>
#include <array>
#include <unordered_set>

#include "depth_first.h"
#include "move_table.h"

namespace {

using gametest::Session;

constexpr int kRedeal = 0, kFoundation = 1, kPiles = 5;
constexpr int P(int i) { return kPiles + i; }
constexpr int F(int i) { return kFoundation + i; }

const std::map<int, std::string> kPosition = {
    {F(0), "AC"}, {F(1), "AD"}, {F(2), "AH 2H"}, {F(3), "AS"},
    {P(0), "9H 4C 2C"}, {P(1), "KD 5C"}, {P(2), "TH 3H"}, {P(3), "JS 3D 6C"}, {P(4), "4D"},
};

class CruelGame : public ::testing::Test {
protected:
    void redeal() { ASSERT_TRUE(g->Click(kRedeal, -1)); }
    Session g{CRUEL_MODULE};
};

TEST_F(CruelGame, DealsTheAcesHomeAndTwelvePilesOfFour)
{
    ASSERT_TRUE(g.start(1));
    EXPECT_EQ(g->Module(0).name, std::string("Cruel"));
    EXPECT_EQ(g.pile(F(0)) + " " + g.pile(F(1)) + " " + g.pile(F(2)) + " " + g.pile(F(3)), "AC AD AH AS");
    for (int n = 0; n < 12; ++n) {
        ASSERT_EQ(g.count(P(n)), 4) << n;
        for (int k = 0; k < 4; ++k) EXPECT_EQ(g->Stack(P(n)).cards[k].faceDown, 0u);
    }
    EXPECT_EQ(g.pile(P(0)), "9H KS 9C TC");
    EXPECT_EQ(g.pile(P(11)), "3C 6H 2S 4D");
    EXPECT_EQ(g->MessageText(), "48 cards to go, 0 redeals");
}

TEST_F(CruelGame, AcceptsLegalMovesAndRefusesOthers)
{
    gametest::ExpectMoves(g, 3, kPosition, {
        {P(0), 2, F(0), true, "the two of clubs on its ace"},
        {P(2), 1, F(2), true, "the three of hearts on the two"},
        {P(0), 2, F(1), false, "a club on the diamonds"},
        {P(1), 1, P(3), true, "the five of clubs on the six of clubs"},
        {P(4), 0, P(1), false, "a four of diamonds on a five of clubs: another suit"},
        {P(0), 1, P(1), false, "only the top card of a pile moves"},
        {P(1), 1, P(6), false, "nothing goes into an empty pile"},
        {F(2), 1, P(0), false, "foundation cards stay"},
    });
}

TEST_F(CruelGame, RedealsInFoursInOrderWithoutShuffling)
{
    ASSERT_TRUE(g.start(2));
    g.arrange({{F(0), "AC"}, {F(1), "AD"}, {F(2), "AH"}, {F(3), "AS"}, {P(0), "9H 4C"}, {P(1), "KD 5C 8S 2D 7D"},
               {P(3), "TH 3H JS"}, {P(7), "QC 6C"}});
    redeal();
    EXPECT_EQ(g.pile(P(0)), "9H 4C KD 5C");
    EXPECT_EQ(g.pile(P(1)), "8S 2D 7D TH");
    EXPECT_EQ(g.pile(P(2)), "3H JS QC 6C");
    for (int n = 3; n < 12; ++n) EXPECT_EQ(g.count(P(n)), 0) << n;
    EXPECT_EQ(g->MessageText(), "48 cards to go, 1 redeal");

    // The same again changes nothing, and says so.
    const auto table = g.table();
    redeal();
    EXPECT_EQ(g.table(), table);
    EXPECT_EQ(g->MessageText(), "A redeal would change nothing");
    EXPECT_EQ(g->GamesLost(), 0) << "the two of diamonds can still go home";

    g->Undo();
    EXPECT_EQ(g.pile(P(1)), "KD 5C 8S 2D 7D");
}

TEST_F(CruelGame, IsLostWhenNoCardMovesAndARedealChangesNothing)
{
    const int lostBefore = g->GamesLost();
    ASSERT_TRUE(g.start(3));
    // Four full piles and one of two: a redeal changes nothing once the two of hearts is home.
    g.arrange({{F(0), "AC"}, {F(1), "AD"}, {F(2), "AH"}, {F(3), "AS"}, {P(0), "9H 4C 3S 7D"}, {P(1), "KD 5C 8S 2D"},
               {P(2), "6H 3H JS 4S"}, {P(3), "TC 8C QS 3D"}, {P(4), "KH 2H"}});
    ASSERT_TRUE(g->DragCard(P(4), 1, F(2)));
    EXPECT_EQ(g->GamesLost(), lostBefore) << "the two of diamonds goes home next";
    ASSERT_TRUE(g->DragCard(P(1), 3, F(1)));
    EXPECT_EQ(g->GamesLost(), lostBefore) << "a redeal would move the king of hearts";
    redeal();
    EXPECT_EQ(g.pile(P(1)), "KD 5C 8S 6H");
    EXPECT_EQ(g->GamesLost(), lostBefore + 1);
}

TEST_F(CruelGame, AutoPlaySendsCardsHomeAndWins)
{
    ASSERT_TRUE(g.start(5, true));
    g.arrange({{F(0), "AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS QS"}, {F(1), "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH"},
               {F(2), "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC KC"}, {F(3), "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD"},
               {P(0), "KD KS QD"}});
    ASSERT_TRUE(g->DoubleClick(P(0), 2));
    EXPECT_EQ(g->GamesWon(), 1);
}

// Cruel's moves, for the search: top cards home or onto the next higher
// card of their suit, and the redeal.
struct CruelStep {
    int pile, to;  // pile == -1: redeal; to == -1: home
};
struct CruelPosition {
    std::array<std::string, 12> piles;
    std::array<char, 4> home = {1, 1, 1, 1};

    explicit CruelPosition(Session& g)
    {
        for (int n = 0; n < 12; ++n)
            for (int k = 0; k < g.count(P(n)); ++k) piles[n] += static_cast<char>(g->Stack(P(n)).cards[k].image);
    }
    bool won() const { return std::all_of(home.begin(), home.end(), [](char n) { return n == 13; }); }
    std::string key() const
    {
        std::string k;
        for (const std::string& p : piles) k += p + '|';
        return k;
    }
    std::vector<CruelStep> moves() const
    {
        for (int n = 0; n < 12; ++n)  // a card home goes at once
            if (!piles[n].empty() && home[static_cast<size_t>(kit::Suit(piles[n].back()))] == kit::Rank(piles[n].back()))
                return {{n, -1}};
        std::vector<CruelStep> out;
        for (int n = 0; n < 12; ++n) {
            if (piles[n].empty()) continue;
            const gametest::Card c = piles[n].back();
            for (int to = 0; to < 12; ++to) {
                if (to == n || piles[to].empty()) continue;
                const gametest::Card t = piles[to].back();
                if (kit::Suit(t) == kit::Suit(c) && kit::Rank(t) == kit::Rank(c) + 1) out.push_back({n, to});
            }
        }
        out.push_back({-1, 0});
        return out;
    }
    void play(const CruelStep& step)
    {
        if (step.pile < 0) {
            std::string all;
            for (const std::string& p : piles) all += p;
            for (size_t n = 0; n < 12; ++n) piles[n] = all.substr(std::min(all.size(), n * 4), 4);
            return;
        }
        const gametest::Card c = piles[step.pile].back();
        piles[step.pile].pop_back();
        if (step.to < 0) ++home[static_cast<size_t>(kit::Suit(c))];
        else piles[step.to] += c;
    }
};

TEST_F(CruelGame, PlaysRealDealsFromStartToWin)
{
    for (uint32_t seed : {1u, 2u, 4u}) {  // deals that can be won
        ASSERT_TRUE(g.start(seed));
        const int wonBefore = g->GamesWon();
        std::vector<CruelStep> path;
        ASSERT_TRUE((gametest::DepthFirst<CruelPosition, CruelStep>(300000, 400).solve(CruelPosition(g), path))) << "seed " << seed;
        for (const CruelStep& s : path) {
            if (s.pile < 0) {
                redeal();
                continue;
            }
            const int to = s.to >= 0 ? P(s.to) : gametest::HomeFor(g, g.top(P(s.pile)), F(0), 4);
            ASSERT_TRUE(g->DragCard(P(s.pile), g.count(P(s.pile)) - 1, to)) << "seed " << seed << ": " << g.pile(P(s.pile));
        }
        EXPECT_EQ(g->GamesWon(), wonBefore + 1) << "seed " << seed;
    }
}

}  // namespace

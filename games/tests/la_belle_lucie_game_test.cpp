// La Belle Lucie on the headless host.
#include <algorithm>
#include <array>
#include <unordered_set>

#include "move_table.h"

namespace {

using gametest::Session;

constexpr int kRedeal = 0, kFoundation = 1, kFans = 5;
constexpr int L(int i) { return kFans + i; }
constexpr int F(int i) { return kFoundation + i; }

const std::map<int, std::string> kPosition = {
    {F(0), "AS"}, {L(0), "9H 4C 2S"}, {L(1), "KD 5C"}, {L(2), "TH"}, {L(3), "JS 3D 6C"}, {L(4), "4D"},
};

class LaBelleLucieGame : public ::testing::Test {
protected:
    void redeal() { ASSERT_TRUE(g->Click(kRedeal, -1)); }
    Session g{LABELLE_MODULE};
};

TEST_F(LaBelleLucieGame, DealsSeventeenFansOfThreeAndOneOfOne)
{
    ASSERT_TRUE(g.start(1));
    EXPECT_EQ(g->Module(0).name, std::string("La Belle Lucie"));
    for (int n = 0; n < 18; ++n) {
        ASSERT_EQ(g.count(L(n)), n < 17 ? 3 : 1) << n;
        for (int k = 0; k < g.count(L(n)); ++k) EXPECT_EQ(g->Stack(L(n)).cards[k].faceDown, 0u);
    }
    EXPECT_EQ(g.pile(L(0)), "4H KC AH");
    EXPECT_EQ(g.pile(L(17)), "6D");
    EXPECT_EQ(g->MessageText(), "2 redeals left");
}

TEST_F(LaBelleLucieGame, AcceptsLegalMovesAndRefusesOthers)
{
    gametest::ExpectMoves(g, 3, kPosition, {
        {L(0), 2, F(0), true, "the two of spades on its ace"},
        {L(0), 2, F(1), false, "a two does not start a foundation"},
        {L(1), 1, L(3), true, "the five of clubs on the six of clubs"},
        {L(4), 0, L(1), false, "a four of diamonds on a five of clubs: another suit"},
        {L(0), 1, L(1), false, "only the top card of a fan moves"},
        {L(1), 1, L(5), false, "nothing goes into an empty fan"},
        {L(2), 0, L(3), false, "a ten on a six"},
        {F(0), 0, L(0), false, "foundation cards stay"},
    });
}

TEST_F(LaBelleLucieGame, RedealsTwiceShufflingTheFansIntoThrees)
{
    ASSERT_TRUE(g.start(7));
    g.arrange({{F(0), "AS 2S"}, {F(1), "AH"}, {L(0), "9H 4C 3S"}, {L(1), "KD 5C"}, {L(2), "TH"}, {L(3), "JS 3D 6C"},
               {L(4), "4D"}, {L(9), "QC 8D"}});
    const auto cards = g.allCards();
    redeal();
    EXPECT_EQ(g.allCards(), cards);
    EXPECT_EQ(g.pile(F(0)), "AS 2S") << "the foundations stay";
    for (int n = 0; n < 18; ++n) EXPECT_EQ(g.count(L(n)), n < 4 ? 3 : 0) << n;
    EXPECT_EQ(g->MessageText(), "1 redeal left");
    const auto first = g.table();

    redeal();
    EXPECT_EQ(g.allCards(), cards);
    EXPECT_NE(g.table(), first) << "shuffled again";
    EXPECT_EQ(g->MessageText(), "Last deal: double-click a buried card for the merci");
    const auto last = g.table();
    redeal();
    EXPECT_EQ(g.table(), last);
    EXPECT_EQ(g->MessageText(), "No redeals left: double-click a buried card");

    g->Undo();
    EXPECT_EQ(g.table(), first);
    EXPECT_EQ(g->MessageText(), "1 redeal left");
}

TEST_F(LaBelleLucieGame, TheMerciPlaysOneBuriedCardAfterTheLastRedeal)
{
    ASSERT_TRUE(g.start(8));
    redeal();
    redeal();
    g.arrange({{F(0), "AS"}, {F(1), "AH"}, {L(0), "2S 9C 4D"}, {L(1), "KD 5C"}, {L(2), "TH 3H JS"}, {L(3), "QH"}, {L(4), "6C"}, {L(5), "7C"}});
    ASSERT_TRUE(g->DoubleClick(L(1), 0));
    EXPECT_EQ(g.pile(L(1)), "KD 5C") << "the king of diamonds has nowhere to go";
    EXPECT_EQ(g->MessageText(), "That card cannot be played");

    ASSERT_TRUE(g->DoubleClick(L(0), 0));
    EXPECT_EQ(g.pile(F(0)), "AS 2S");
    EXPECT_EQ(g.pile(L(0)), "9C 4D");
    EXPECT_EQ(g->MessageText(), "Last deal, merci used");

    ASSERT_TRUE(g->DoubleClick(L(2), 0));
    EXPECT_EQ(g.pile(L(2)), "TH 3H JS") << "one merci a game";
    EXPECT_EQ(g->MessageText(), "The merci is used");
}

TEST_F(LaBelleLucieGame, TheMerciWaitsForTheLastRedealAndPlaysOntoAFan)
{
    ASSERT_TRUE(g.start(8));
    g.arrange({{F(0), "AS"}, {L(0), "9C 4D"}, {L(1), "KD 5C"}, {L(2), "TC"}});
    ASSERT_TRUE(g->DoubleClick(L(0), 0));
    EXPECT_EQ(g.pile(L(0)), "9C 4D");
    EXPECT_EQ(g->MessageText(), "The merci comes after the last redeal");

    ASSERT_TRUE(g.start(8));
    redeal();
    redeal();
    g.arrange({{F(0), "AS"}, {L(0), "9C 4D"}, {L(1), "KD 5C"}, {L(2), "TC"}});
    EXPECT_EQ(g->MessageText(), "Last deal: double-click a buried card for the merci");
    ASSERT_TRUE(g->DoubleClick(L(0), 0));
    EXPECT_EQ(g.pile(L(2)), "TC 9C");
    EXPECT_EQ(g.pile(L(0)), "4D");
}

TEST_F(LaBelleLucieGame, IsLostWhenNothingCanHelp)
{
    const int lostBefore = g->GamesLost();
    ASSERT_TRUE(g.start(9));
    redeal();
    redeal();
    // After the two of spades goes home nothing moves, but the merci could draw out the three.
    g.arrange({{F(0), "AS"}, {F(1), "AH"}, {L(0), "3S 9C 2S"}, {L(1), "KD 5C"}, {L(2), "TH 8H"}});
    ASSERT_TRUE(g->DragCard(L(0), 2, F(0)));
    EXPECT_EQ(g->GamesLost(), lostBefore);
    ASSERT_TRUE(g->DoubleClick(L(0), 0));
    EXPECT_EQ(g.pile(F(0)), "AS 2S 3S");
    EXPECT_EQ(g->GamesLost(), lostBefore + 1);

    // With a redeal left the game goes on.
    ASSERT_TRUE(g.start(9));
    redeal();
    g.arrange({{F(0), "AS"}, {F(1), "AH"}, {L(0), "3S 9C 2S"}, {L(1), "KD 5C"}, {L(2), "TH 8H"}});
    ASSERT_TRUE(g->DragCard(L(0), 2, F(0)));
    EXPECT_EQ(g->GamesLost(), lostBefore + 1);
}

TEST_F(LaBelleLucieGame, AutoPlaySendsCardsHomeAndWins)
{
    ASSERT_TRUE(g.start(5, true));
    g.arrange({{F(0), "AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS QS"}, {F(1), "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH"},
               {F(2), "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC KC"}, {F(3), "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD"},
               {L(0), "KD KS QD"}});
    ASSERT_TRUE(g->DoubleClick(L(0), 2));
    EXPECT_EQ(g->GamesWon(), 1);
}

// The best way through one deal of the fans (the most cards home), found by
// depth-first search: top cards home or onto the next higher card of their
// suit, and on the last deal the merci, which the game plays home first,
// else onto the first fan where the card fits.
class LucieSearch {
public:
    struct Step {
        int fan, card, to;  // to == -1: home; merci when card is not the top
    };

    LucieSearch(Session& g, bool merci) : merci_(merci)
    {
        for (int n = 0; n < 18; ++n)
            for (int k = 0; k < g.count(L(n)); ++k) fans_[n] += static_cast<char>(g->Stack(L(n)).cards[k].image);
        for (int f = 0; f < 4; ++f)
            if (g.count(F(f)) > 0) home_[static_cast<size_t>(kit::Suit(g.top(F(f))))] = static_cast<char>(g.count(F(f)));
    }
    // The steps of the best line found; true when it wins.
    bool solve(std::vector<Step>& best)
    {
        std::vector<Step> path;
        search(path, best);
        return bestHome_ == 52;
    }

private:
    using Card = gametest::Card;
    bool homeTakes(Card c) const { return home_[static_cast<size_t>(kit::Suit(c))] == kit::Rank(c); }
    int fanFor(Card c, int except) const
    {
        for (int n = 0; n < 18; ++n)
            if (n != except && !fans_[n].empty() && kit::Suit(fans_[n].back()) == kit::Suit(c) &&
                kit::Rank(fans_[n].back()) == kit::Rank(c) + 1)
                return n;
        return -1;
    }
    int homeCount() const { return home_[0] + home_[1] + home_[2] + home_[3]; }
    bool tryStep(Step step, std::vector<Step>& path, std::vector<Step>& best)
    {
        const auto fans = fans_;
        const auto home = home_;
        const bool merci = merci_;
        const Card c = fans_[step.fan][static_cast<size_t>(step.card)];
        fans_[step.fan].erase(static_cast<size_t>(step.card), 1);
        if (step.card < static_cast<int>(fans_[step.fan].size())) merci_ = false;
        if (step.to < 0) ++home_[static_cast<size_t>(kit::Suit(c))];
        else fans_[step.to] += c;
        path.push_back(step);
        const bool done = search(path, best);
        path.pop_back();
        fans_ = fans, home_ = home, merci_ = merci;
        return done;
    }
    bool search(std::vector<Step>& path, std::vector<Step>& best)
    {
        if (homeCount() > bestHome_) bestHome_ = homeCount(), best = path;
        if (bestHome_ == 52) return true;
        std::string key(home_.begin(), home_.end());
        key += merci_ ? 'm' : '-';
        for (const std::string& f : fans_) key += f + '|';
        if (++nodes_ > 100000 || !seen_.insert(key).second) return false;
        for (int n = 0; n < 18; ++n) {
            const int top = static_cast<int>(fans_[n].size()) - 1;
            if (top >= 0 && homeTakes(fans_[n].back())) return tryStep({n, top, -1}, path, best);
        }
        for (int n = 0; n < 18; ++n) {
            const int top = static_cast<int>(fans_[n].size()) - 1;
            if (top < 0) continue;
            const int to = fanFor(fans_[n].back(), n);
            if (to >= 0 && tryStep({n, top, to}, path, best)) return true;
        }
        if (!merci_) return false;
        for (int n = 0; n < 18; ++n) {
            for (int k = 0; k + 1 < static_cast<int>(fans_[n].size()); ++k) {
                const Card c = fans_[n][static_cast<size_t>(k)];
                const int to = homeTakes(c) ? -1 : fanFor(c, n);
                if ((to >= 0 || homeTakes(c)) && tryStep({n, k, to}, path, best)) return true;
            }
        }
        return false;
    }

    bool merci_;
    std::array<std::string, 18> fans_;
    std::array<char, 4> home_ = {};
    std::unordered_set<std::string> seen_;
    int nodes_ = 0, bestHome_ = -1;
};

TEST_F(LaBelleLucieGame, PlaysRealDealsFromStartToWin)
{
    for (uint32_t seed : {1u, 2u, 3u}) {  // deals that can be won; up to two redeals, the merci on the last deal
        ASSERT_TRUE(g.start(seed));
        const int wonBefore = g->GamesWon();
        for (int deal = 0; deal < 3 && g->GamesWon() == wonBefore; ++deal) {
            if (deal > 0) redeal();
            std::vector<LucieSearch::Step> path;
            LucieSearch(g, deal == 2).solve(path);
            for (const LucieSearch::Step& s : path) {
                if (s.card < g.count(L(s.fan)) - 1) {
                    ASSERT_TRUE(g->DoubleClick(L(s.fan), s.card)) << "seed " << seed;
                    continue;
                }
                const int to = s.to >= 0 ? L(s.to) : gametest::HomeFor(g, g.top(L(s.fan)), F(0), 4);
                ASSERT_TRUE(g->DragCard(L(s.fan), s.card, to)) << "seed " << seed << ": " << g.pile(L(s.fan)) << " to " << g.pile(to);
            }
        }
        EXPECT_EQ(g->GamesWon(), wonBefore + 1) << "seed " << seed;
    }
}

}  // namespace

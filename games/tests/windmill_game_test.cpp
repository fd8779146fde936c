// Windmill on the headless host.
#include <algorithm>
#include <array>
#include <unordered_set>

#include "move_table.h"

namespace {

using gametest::Card;
using gametest::Session;

constexpr int kCentre = 0, kCorners = 1, kSails = 5, kStock = 13, kWaste = 14;
constexpr int C(int i) { return kCorners + i; }
constexpr int S(int i) { return kSails + i; }

class WindmillGame : public ::testing::Test {
protected:
    Session g{WINDMILL_MODULE};
};

TEST_F(WindmillGame, DealsAnAceInTheCentreAndEightSails)
{
    ASSERT_TRUE(g.start(1));
    ASSERT_EQ(g.count(kCentre), 1);
    EXPECT_EQ(kit::Rank(g.top(kCentre)), 0);
    std::string sails;
    for (int s = 0; s < 8; ++s) {
        EXPECT_EQ(g.count(S(s)), 1);
        sails += (s ? " " : "") + g.pile(S(s));
    }
    EXPECT_EQ(sails, "KS 5S 9D 4D 7S KC 8S 2H");
    for (int c = 0; c < 4; ++c) EXPECT_EQ(g.count(C(c)), 0);
    EXPECT_EQ(g.count(kStock), 95);
    EXPECT_EQ(g.count(kWaste), 0);
    EXPECT_EQ(g->MessageText(), "Centre 1/52, stock 95");
}

TEST_F(WindmillGame, AcceptsLegalMovesAndRefusesOthers)
{
    // No waste and no stock: a sail played stays empty.
    gametest::ExpectMoves(g, 3, {{kCentre, "AS 2H"}, {C(0), "KD QC"}, {C(2), "KS 3H"}, {C(3), "KC"},
                                 {S(0), "3D"}, {S(1), "KH"}, {S(2), "5C"}, {S(3), "JD"}},
                          {
                              {S(0), 0, kCentre, true, "a three on the centre's two, any suit"},
                              {S(2), 0, kCentre, false, "a five on the centre's two"},
                              {S(3), 0, C(0), true, "a corner builds down regardless of suit"},
                              {S(1), 0, C(1), true, "any king into an empty corner"},
                              {S(2), 0, C(1), false, "only a king into an empty corner"},
                              {S(2), 0, S(0), false, "nothing onto a sail"},
                              {C(2), 1, kCentre, true, "a corner's top card onto the centre"},
                              {C(2), 1, C(0), false, "a corner's card onto another corner"},
                              {C(0), 0, kCentre, false, "only a corner's top card"},
                              {kCentre, 1, C(2), false, "the centre gives nothing back"},
                          });
    gametest::ExpectMoves(g, 3, {{kCentre, "AS 2H"}, {C(0), "KD"}, {S(0), "9C"}, {kWaste, "QH 3C"}, {kStock, "4D#"}},
                          {
                              {kWaste, 1, kCentre, true, "the waste's top card onto the centre"},
                              {kWaste, 1, S(0), false, "nothing onto a sail"},
                              {kWaste, 0, C(0), false, "only the waste's top card"},
                          });
}

TEST_F(WindmillGame, AnEmptySailIsFilledFromTheWasteElseFromTheStock)
{
    ASSERT_TRUE(g.start(3));
    g.arrange({{kCentre, "AS"}, {S(0), "2C"}, {S(1), "3C"}, {kWaste, "9D 7H"}, {kStock, "6S# 5S#"}});
    ASSERT_TRUE(g->DragCard(S(0), 0, kCentre));
    EXPECT_EQ(g.pile(S(0)), "7H");
    EXPECT_EQ(g.pile(kWaste), "9D");
    ASSERT_TRUE(g->DoubleClick(S(1), 0));
    EXPECT_EQ(g.pile(kCentre), "AS 2C 3C");
    EXPECT_EQ(g.pile(S(1)), "9D");
    ASSERT_TRUE(g->Click(kStock, 1));
    EXPECT_EQ(g.pile(kWaste), "5S");
    EXPECT_FALSE(g->DragCard(kWaste, 0, kCentre)) << "a five on the centre's three";
    g.arrange({{kCentre, "AS 2C 3C"}, {S(0), "4D"}, {kStock, "6S# 5S#"}});
    ASSERT_TRUE(g->DragCard(S(0), 0, kCentre));
    EXPECT_EQ(g.pile(S(0)), "5S") << "the stock's top card, face up, with the waste empty";
    EXPECT_EQ(g.pile(kStock), "6S#");
}

TEST_F(WindmillGame, TheCentreGoesRoundFromKingToAceUntilItHoldsFiftyTwo)
{
    std::string up;
    for (char r : std::string("A23456789TJQK")) up += std::string(up.empty() ? "" : " ") + r + 'C';
    gametest::ExpectMoves(g, 3, {{kCentre, up}, {S(0), "AD"}, {S(1), "2D"}}, {
        {S(0), 0, kCentre, true, "an ace on the king"},
        {S(1), 0, kCentre, false, "a two on the king"},
    });
    const std::string full = up + " " + up + " " + up + " " + up;
    gametest::ExpectMoves(g, 3, {{kCentre, full}, {S(0), "AD"}}, {
        {S(0), 0, kCentre, false, "the centre is full at 52 cards"},
    });
}

TEST_F(WindmillGame, AfterACornersCardTheNextCardOntoTheCentreComesFromElsewhere)
{
    ASSERT_TRUE(g.start(3));
    g.arrange({{kCentre, "AS 2H 3C 4D"}, {C(0), "KD QC JH TS 9D 8C 7H 6S 5D"}, {C(1), "KC QD JS TH 9C 8D 7S"},
               {C(3), "KS"}, {S(0), "6H"}, {S(1), "9S"}});
    ASSERT_TRUE(g->DragCard(C(0), 8, kCentre));
    EXPECT_FALSE(g->DragCard(C(0), 7, kCentre)) << "two corner cards in a row";
    ASSERT_TRUE(g->DragCard(S(0), 0, kCentre));
    EXPECT_TRUE(g->DragCard(C(1), 6, kCentre)) << "after a sail's card, a corner may give again";
    EXPECT_EQ(g.pile(kCentre), "AS 2H 3C 4D 5D 6H 7S");
    g.arrange({{kCentre, "AS 2H 3C 4D 5D 6H 7S 8C 9D TS JH QC"}, {C(3), "KS"}});
    EXPECT_FALSE(g->DragCard(C(3), 0, kCentre)) << "a corner's king stays";
}

TEST_F(WindmillGame, AutoPlayPutsKingsInEmptyCornersUnlessTheCentreWantsOne)
{
    struct Case {
        const char* centre;
        bool cornered;
    };
    for (const Case c : {Case{"AS 2H", true}, Case{"AS 2H 3C 4D 5D 6H 7S 8C 9D TS JH QC", false}}) {
        ASSERT_TRUE(g.start(3, true));
        g.arrange({{kCentre, c.centre}, {S(0), "KH"}, {S(1), "4C"}, {kStock, "5S# 6S#"}});
        ASSERT_TRUE(g->Click(kStock, 1));
        EXPECT_EQ(g.pile(C(0)), c.cornered ? "KH" : "") << c.centre;
        EXPECT_EQ(g.pile(S(0)), c.cornered ? "6S" : "KH") << c.centre;
    }
}

TEST_F(WindmillGame, IsLostWhenTheStockIsOutAndNothingPlays)
{
    struct Case {
        const char* waste;
        int lost;
    };
    for (const Case c : {Case{"9C", 1}, Case{"9C 3D", 0}}) {
        ASSERT_TRUE(g.start(3));
        const int lostBefore = g->GamesLost();
        g.arrange({{kCentre, "AS"}, {C(0), "KD"}, {S(0), "2C"}, {S(1), "8H"}, {kWaste, c.waste}});
        ASSERT_TRUE(g->DragCard(S(0), 0, kCentre));
        EXPECT_EQ(g->GamesLost() - lostBefore, c.lost) << c.waste;
        EXPECT_EQ(g->GameInPlay(), c.lost == 0) << c.waste;
        if (!c.lost) {
            EXPECT_EQ(g->MessageText(), "Centre 2/52, no stock");
        }
    }
}

TEST_F(WindmillGame, IsWonWhenTheCentreHoldsFiftyTwoAndEachCornerThirteen)
{
    ASSERT_TRUE(g.start(3));
    std::string up;
    for (char r : std::string("A23456789TJQK")) up += std::string(up.empty() ? "" : " ") + r + 'C';
    const std::string centre = up + " " + up + " " + up + " " + up.substr(0, up.size() - 3);
    g.arrange({{kCentre, centre}, {C(0), gametest::SuitRun('D')}, {C(1), gametest::SuitRun('H')},
               {C(2), gametest::SuitRun('S')}, {C(3), gametest::SuitRun('D')}, {S(4), "KS"}});
    ASSERT_TRUE(g->DoubleClick(S(4), 0));
    EXPECT_EQ(g->GamesWon(), 1);
    EXPECT_EQ(g->Module(0).entry.getScore(), 104);
}

// A way through a real deal, found by a depth-first search over where each
// free card goes (the centre or a corner), the corners' cards given to the
// centre and the turns of the stock.
class WindmillSearch {
public:
    struct Step {
        int from, to;  // piles as the table numbers them; from == kStock: turn it
    };
    explicit WindmillSearch(Session& g)
    {
        for (int k = g.count(kStock) - 1; k >= 0; --k) stock_.push_back(static_cast<char>(g->Stack(kStock).cards[k].image));
        for (int s = 0; s < 8; ++s) s_.sails[s] = static_cast<char>(g.top(S(s)));
    }
    bool solve(std::vector<Step>& path) { return search(path); }

private:
    struct State {
        int centre = 1;                    // cards on the centre
        std::array<int, 4> corners = {};  // cards on each corner
        std::array<char, 8> sails = {};   // -1: empty
        std::string waste;
        size_t next = 0;                  // the stock's next card
        bool lastFromCorner = false;
    };
    static bool CentreTakes(const State& s, char c) { return s.centre < 52 && kit::Rank(c) == s.centre % 13; }
    static bool CornerTakes(const State& s, int k, char c) { return s.corners[k] < 13 && kit::Rank(c) == 12 - s.corners[k]; }

    bool search(std::vector<Step>& path)
    {
        if (s_.centre == 52 && s_.corners == std::array<int, 4>{13, 13, 13, 13}) return true;
        std::string key(s_.sails.begin(), s_.sails.end());
        std::sort(key.begin(), key.end());
        std::array<int, 4> corners = s_.corners;
        std::sort(corners.begin(), corners.end());
        for (int c : corners) key += static_cast<char>(c);
        key += static_cast<char>(s_.centre);
        key += static_cast<char>(s_.next);
        key += static_cast<char>(s_.lastFromCorner);
        key += s_.waste;
        if (++nodes_ > 400000 || !seen_.insert(key).second) return false;
        // Free cards: the sails (0..7) and the waste (8).
        for (int from = 0; from < 9; ++from) {
            const char c = from < 8 ? s_.sails[from] : (s_.waste.empty() ? -1 : s_.waste.back());
            if (c < 0) continue;
            if (CentreTakes(s_, c) && tryPlay(from, -1, path)) return true;
            int triedCount = -1;
            for (int k = 0; k < 4; ++k) {
                if (!CornerTakes(s_, k, c) || s_.corners[k] == triedCount) continue;
                triedCount = s_.corners[k];
                if (tryPlay(from, k, path)) return true;
            }
        }
        if (!s_.lastFromCorner) {
            for (int k = 0; k < 4; ++k) {
                if (s_.corners[k] < 2) continue;
                const char c = static_cast<char>(12 - (s_.corners[k] - 1));  // the rank on top
                if (s_.centre >= 52 || c != s_.centre % 13) continue;
                const State saved = s_;
                --s_.corners[k];
                ++s_.centre;
                s_.lastFromCorner = true;
                path.push_back({C(k), kCentre});
                if (search(path)) return true;
                path.pop_back();
                s_ = saved;
            }
        }
        if (s_.next < stock_.size()) {
            const State saved = s_;
            s_.waste += stock_[s_.next++];
            path.push_back({kStock, kWaste});
            if (search(path)) return true;
            path.pop_back();
            s_ = saved;
        }
        return false;
    }
    // Plays the free card of a sail (0..7) or the waste (8) to the centre
    // (-1) or a corner, refilling the sail as the game does.
    bool tryPlay(int from, int corner, std::vector<Step>& path)
    {
        const State saved = s_;
        if (from < 8) {
            if (!s_.waste.empty()) {
                s_.sails[from] = s_.waste.back();
                s_.waste.pop_back();
            } else if (s_.next < stock_.size()) {
                s_.sails[from] = stock_[s_.next++];
            } else {
                s_.sails[from] = -1;
            }
        } else {
            s_.waste.pop_back();
        }
        if (corner < 0) {
            ++s_.centre;
            s_.lastFromCorner = false;
        } else {
            ++s_.corners[corner];
        }
        path.push_back({from < 8 ? S(from) : kWaste, corner < 0 ? kCentre : C(corner)});
        if (search(path)) return true;
        path.pop_back();
        s_ = saved;
        return false;
    }

    std::string stock_;  // in turning order
    State s_;
    std::unordered_set<std::string> seen_;
    int nodes_ = 0;
};

TEST_F(WindmillGame, PlaysARealDealFromStartToWin)
{
    constexpr uint32_t seed = 4;  // a deal the search wins
    ASSERT_TRUE(g.start(seed));
    std::vector<WindmillSearch::Step> path;
    ASSERT_TRUE(WindmillSearch(g).solve(path)) << "seed " << seed;
    for (const auto& s : path) {
        if (s.from == kStock) {
            ASSERT_TRUE(g->Click(kStock, g.count(kStock) - 1));
        } else {
            ASSERT_TRUE(g->DragCard(s.from, g.count(s.from) - 1, s.to));
        }
    }
    EXPECT_EQ(g->GamesWon(), 1);
    EXPECT_EQ(g->Module(0).entry.getScore(), 104);
}

}  // namespace

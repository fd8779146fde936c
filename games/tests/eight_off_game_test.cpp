// The kit's example game, Eight Off, on the headless host: its rules come
// from the kit alone, so these moves test the kit's choices.
#include "move_table.h"

namespace {

using gametest::Session;

constexpr int kCell = 0, kTableau = 8, kFoundation = 16;
constexpr int C(int i) { return kCell + i; }
constexpr int T(int i) { return kTableau + i; }
constexpr int F(int i) { return kFoundation + i; }

// One free cell and one empty column, which takes kings only.
const std::map<int, std::string> kPosition = {
    {C(0), "2D"}, {C(1), "3D"}, {C(2), "4D"}, {C(3), "5D"}, {C(4), "6D"}, {C(5), "7D"}, {C(6), "8D"},
    {T(0), "9S 8S 7S"}, {T(1), "TS"}, {T(3), "KH"}, {T(4), "QH"}, {T(5), "JC"}, {T(6), "TC"}, {T(7), "AS"},
};

TEST(EightOffGame, BuildsDownInSuitWithRunsLimitedByFreeCells)
{
    Session g(EXAMPLE_MODULE);
    ASSERT_TRUE(g.loaded()) << g.loadError();
    gametest::ExpectMoves(g, 3, kPosition, {
        {T(0), 0, T(1), false, "three cards with one free cell; a king-only column does not help"},
        {T(0), 1, T(4), false, "spades on a heart"},
        {T(3), 0, T(2), true, "a king into the empty column"},
        {T(4), 0, T(2), false, "a queen into the empty column"},
        {T(7), 0, F(0), true, "an ace home"},
        {T(6), 0, C(7), true, "a card into the free cell"},
    });
    auto shorter = kPosition;
    shorter[T(0)] = "9S 8S";
    gametest::ExpectMoves(g, 3, shorter, {{T(0), 0, T(1), true, "two cards with one free cell"}});
}

TEST(EightOffGame, IsLostWhenNoLegalMoveIsLeft)
{
    Session g(EXAMPLE_MODULE);
    struct Case {
        const char* lastColumn;
        bool lost;
    };
    // The queen fills the last free cell; then only the eight of diamonds
    // could move, onto a nine of diamonds.
    for (const Case c : {Case{"JC", true}, Case{"9D", false}}) {
        ASSERT_TRUE(g.start(3));
        const int lostBefore = g->GamesLost();
        g.arrange({{C(0), "2D"}, {C(1), "3D"}, {C(2), "4D"}, {C(3), "5D"}, {C(4), "6D"}, {C(5), "7D"}, {C(6), "8D"},
                   {T(0), "5S QH"}, {T(1), "5C"}, {T(2), "7S"}, {T(3), "7C"}, {T(4), "9S"}, {T(5), "9C"},
                   {T(6), "JS"}, {T(7), c.lastColumn}});
        ASSERT_TRUE(g->DragCard(T(0), 1, C(7)));
        EXPECT_EQ(g->GamesLost() - lostBefore, c.lost ? 1 : 0) << c.lastColumn;
        EXPECT_EQ(g->GameInPlay(), !c.lost) << c.lastColumn;
    }
}

TEST(EightOffGame, DealsSixRowsAndFourCells)
{
    Session g(EXAMPLE_MODULE);
    ASSERT_TRUE(g.start(1));
    for (int c = 0; c < 8; ++c) EXPECT_EQ(g.count(T(c)), 6);
    for (int c = 0; c < 8; ++c) EXPECT_EQ(g.count(C(c)), c < 4 ? 1 : 0);
}

}  // namespace

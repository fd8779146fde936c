// Canfield on the headless host.
#include <algorithm>
#include <array>
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
    Session g{CANFIELD_MODULE};
};

TEST_F(CanfieldGame, DealsReserveFoundationTableauAndStock)
{
    ASSERT_TRUE(g.start(1));
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
    ASSERT_TRUE(g.start(3));
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
    ASSERT_TRUE(g.start(4));
    const std::string stock = g.pile(kStock);
    ASSERT_TRUE(g->Click(kStock, 33));
    EXPECT_EQ(g.count(kWaste), 3);
    for (int pass = 0; pass < 3; ++pass) {
        while (g.count(kStock) > 0) ASSERT_TRUE(g->Click(kStock, g.count(kStock) - 1));
        EXPECT_EQ(g.count(kWaste), 34);
        ASSERT_TRUE(g->Click(kStock, -1));
        EXPECT_EQ(g.pile(kStock), stock) << "pass " << pass;
    }

    ASSERT_EQ(g->OptionTexts(), (std::vector<std::string>{"Draw One", "Draw Three"}));
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

    // A saved game keeps its own draw.
    const std::vector<uint8_t> saved = g->Save();
    ASSERT_TRUE(g->SelectOption(1));
    Session copy(CANFIELD_MODULE);
    ASSERT_TRUE(copy.reload(saved));
    ASSERT_TRUE(copy->Click(kStock, copy.count(kStock) - 1));
    EXPECT_EQ(copy.count(kWaste), 2);
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

}  // namespace

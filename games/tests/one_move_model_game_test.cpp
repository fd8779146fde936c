// Hints name moves the game then accepts: positions set up where a hint once
// named a move the game refused, or said nothing helps when a move did.
#include <gtest/gtest.h>

#include "hint_follower.h"
#include "move_table.h"

namespace {

using gametest::Session;

using gametest::SuitUp;

struct HintCase {
    const char* what;
    const char* module;
    std::map<int, std::string> position;
    const char* message;  // the first hint's text
    bool wins;            // following the hints wins the game
};

// Asks for hints and plays them until the game is over or a hint names no
// move; every hint must agree with its text and mark, and every move must be
// accepted.
void FollowHints(Session& g, int most = 60)
{
    for (int i = 0; i < most && g->GameInPlay(); ++i) {
        const gametest::HintMove m = gametest::AskHint(g);
        ASSERT_EQ(gametest::HintDisagrees(g, m), "") << "hint " << i;
        if (!m.named) return;
        ASSERT_TRUE(gametest::PlayHint(g, m)) << "hint " << i << " refused: " << g->MessageText();
    }
}

TEST(OneMoveModel, HintsNameMovesTheGameAccepts)
{
    // Simple Simon, Spider, Scorpion: the ace of spades onto the two finishes
    // spades, which then go home by themselves, and the game is won.
    const std::string spadesDown = "KS QS JS TS 9S 8S 7S 6S 5S 4S 3S 2S";
    std::map<int, std::string> spider = {{9, spadesDown}, {10, "AS"}};
    for (int f = 1; f <= 7; ++f) spider[f] = SuitUp('S');
    // Cruel and La Belle Lucie: only top cards move (the eight of hearts
    // does not lift the seven with it).
    const std::map<int, std::string> cruelTops = {{1, SuitUp('C')}, {2, SuitUp('D')}, {3, "AH 2H 3H 4H 5H"},
                                                  {4, SuitUp('S')}, {5, "8H 7H"}, {6, "9H"}, {7, "6H TH"},
                                                  {8, "JH"}, {9, "KH QH"}};
    // Cruel: no card moves, and one redeal wins.
    const std::map<int, std::string> cruelRedeal = {{1, SuitUp('C')}, {2, SuitUp('D')}, {3, "AH 2H 3H 4H 5H"},
                                                    {4, SuitUp('S')}, {5, "9H 8H 7H"}, {6, "6H KH QH"}, {7, "JH TH"}};
    // Canfield: a pile gives its top card or moves whole, never a part.
    const std::map<int, std::string> canfield = {{2, "6C"}, {6, "2D# 3D"}, {7, "9S 8H 7C"}, {8, "9C"}, {9, "KS"}, {10, "KH"}};
    // Canfield: the stock is out, the waste turns over.
    const std::map<int, std::string> canfieldWaste = {{1, "9D"}, {2, "AC"}, {6, "4C# 5C"}, {7, "KS"}, {8, "KH"}, {9, "KD"}, {10, "KC"}};
    // Calculation: the card turned must be placed before the stock deals again.
    const std::map<int, std::string> calculation = {{0, "AC"}, {1, "2C"}, {2, "3C"}, {3, "4C"}, {8, "2D# 3D#"}, {9, "7H"}};
    // Flower Garden: the ace in the middle of the bouquet is named and, the
    // host marking only top cards, nothing is marked.
    const std::map<int, std::string> flowers = {{0, "KH AH QH"}, {1, SuitUp('C')}, {2, SuitUp('D')},
                                                {3, SuitUp('S')}, {5, "JH TH 9H 8H 7H 6H 5H 4H 3H 2H"}};
    // Windmill: a corner's top card goes to the centre.
    const std::map<int, std::string> windmill = {{0, "AS 2H 3D 4C"}, {1, "KS 5C"}, {13, "9H#"}};
    const std::vector<HintCase> cases = {
        {"Simple Simon", SIMPSIMN_MODULE,
         {{0, SuitUp('C')}, {1, SuitUp('D')}, {2, SuitUp('H')}, {4, spadesDown}, {5, "AS"}},
         "Hint: ace of spades to the 2 of spades", true},
        {"Spider", SPIDER_MODULE, spider, "Hint: ace of spades to the 2 of spades", true},
        {"Scorpion", SCORPION_MODULE,
         {{7, SuitUp('C')}, {8, SuitUp('D')}, {9, SuitUp('H')}, {0, spadesDown}, {1, "AS"}},
         "Hint: ace of spades to the 2 of spades", true},
        {"Cruel: top cards", CRUEL_MODULE, cruelTops, nullptr, true},
        {"La Belle Lucie: top cards", LABELLE_MODULE, cruelTops, nullptr, true},
        {"Cruel: a redeal", CRUEL_MODULE, cruelRedeal, "Hint: redeal", true},
        {"Canfield: top or whole", CANFIELD_MODULE, canfield, "Hint: 7C to a foundation", false},
        {"Canfield: the waste", CANFIELD_MODULE, canfieldWaste, "Hint: turn the waste over", false},
        {"Calculation", CALCULAT_MODULE, calculation, "Hint: 7H to a waste pile", false},
        {"Flower Garden", FLOWERGD_MODULE, flowers, "Hint: ace of hearts to a foundation", true},
        {"Windmill", WINDMILL_MODULE, windmill, "Hint: 5C to a foundation", false},
    };
    for (const HintCase& c : cases) {
        SCOPED_TRACE(c.what);
        Session g{c.module};
        ASSERT_TRUE(g.start(1));
        g.arrange(c.position);
        const gametest::HintMove first = gametest::AskHint(g);
        ASSERT_TRUE(first.named) << g->MessageText();
        if (c.message) {
            EXPECT_EQ(g->MessageText(), c.message);
        }
        EXPECT_EQ(gametest::HintDisagrees(g, first), "");
        EXPECT_TRUE(gametest::PlayHint(g, first)) << "refused: " << g->MessageText();
        if (!c.wins) continue;
        FollowHints(g);
        EXPECT_EQ(g->GamesWon(), 1);
    }
}

TEST(OneMoveModel, LaBelleLucieHintsTheRedealWhenNoCardMoves)
{
    // A redeal shuffles: the search cannot see past it, so it neither proves
    // the game lost nor says nothing helps.
    Session g{LABELLE_MODULE};
    ASSERT_TRUE(g.start(1));
    g.arrange({{1, SuitUp('C')}, {2, SuitUp('D')}, {3, "AH 2H 3H 4H 5H"}, {4, SuitUp('S')},
               {5, "9H 8H 7H"}, {6, "6H KH QH"}, {7, "JH TH"}});
    const gametest::HintMove m = gametest::AskHint(g);
    EXPECT_EQ(g->MessageText(), "Hint: redeal");
    EXPECT_TRUE(gametest::PlayHint(g, m));
    EXPECT_EQ(g->MessageText(), "1 redeal left");
}

TEST(OneMoveModel, YukonIsLostWhenAFoundationCardCouldOnlyGoBackAndUpAgain)
{
    // The six of hearts goes home; it could come back onto the seven of
    // spades, but no card could then go onto it: nothing can change the outcome.
    Session g{YUKON_MODULE};
    ASSERT_TRUE(g.start(1));
    g.arrange({{7, "AH 2H 3H 4H 5H"}, {0, "2C# 7S"}, {1, "3C# 9D"}, {2, "6H"}});
    ASSERT_TRUE(g->DragCard(2, 0, 7));
    EXPECT_EQ(g->GamesLost(), 1);

    // With a black five in play the six coming back helps: not lost.
    ASSERT_TRUE(g.start(1));
    g.arrange({{7, "AH 2H 3H 4H 5H"}, {0, "2C# 7S"}, {1, "3C# 5C"}, {2, "6H"}});
    const int lostBefore = g->GamesLost();
    ASSERT_TRUE(g->DragCard(2, 0, 7));
    EXPECT_EQ(g->GamesLost(), lostBefore);
    EXPECT_TRUE(g->GameInPlay());
}

TEST(OneMoveModel, WindmillCornersTakeDoubleClicks)
{
    Session g{WINDMILL_MODULE};
    ASSERT_TRUE(g.start(1));
    g.arrange({{0, "AS 2H 3D 4C"}, {1, "KS 5C"}, {13, "9H#"}});
    ASSERT_TRUE(g->DoubleClick(1, 1));
    EXPECT_EQ(g.pile(0), "AS 2H 3D 4C 5C");
    EXPECT_EQ(g.pile(1), "KS");
    // The king stays: the corner keeps it.
    ASSERT_TRUE(g->DoubleClick(1, 0));
    EXPECT_EQ(g.pile(1), "KS");
}

}  // namespace

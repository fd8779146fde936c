// "Hint" in the games outside the patience family: each one searches its own
// moves a little way ahead and marks the card (one card of a pair) it names.
#include <algorithm>

#include "move_table.h"

namespace {

using gametest::Session;

int HintOption(Session& g)
{
    const std::vector<std::string> items = g->OptionTexts();
    const auto found = std::find(items.begin(), items.end(), "Hint");
    return found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

std::vector<int> MarkedPiles(Session& g)
{
    std::vector<int> out;
    for (int s = 0; s < g->StackCount(); ++s)
        for (int k = 0; k < g.count(s); ++k)
            if (g->Stack(s).cards[k].mark) out.push_back(s);
    return out;
}

// Golf: columns 0-6, stock 7, foundation 8.
constexpr int kGolfStock = 7, kGolfFoundation = 8;
// TriPeaks: cells 0-27 (the bottom row 18-27), stock 28, waste 29.
constexpr int kPeaksStock = 28, kPeaksWaste = 29;
// Aces Up: stock 0, piles 1-4, discard 5.
constexpr int kAcesStock = 0;
// Monte Carlo: cells 0-24 (five by five), stock 25.
constexpr int kMonteStock = 25;
// Pyramid: cells 0-27 (the bottom row 21-27), stock 28, waste 29.
constexpr int kPyramidStock = 28, kPyramidWaste = 29;
// Gaps: places 0-51, four rows of thirteen.

// The rows of Gaps in order from two to king, with one gap after each king;
// `row` (0-3) is replaced by `cards` (13 places, "--" for a gap).
std::map<int, std::string> GapsRows(int row, const std::string& cards)
{
    std::map<int, std::string> out;
    const char suits[] = "CDHS";
    const std::string ranks = "23456789TJQK";
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 12; ++c) out[r * 13 + c] = std::string(1, ranks[static_cast<size_t>(c)]) + suits[r];
    if (row >= 0) {
        for (int c = 0; c < 13; ++c) {
            const std::string name = cards.substr(static_cast<size_t>(c) * 3, 2);
            if (name == "--") out.erase(row * 13 + c);
            else out[row * 13 + c] = name;
        }
    }
    return out;
}

struct HintCase {
    const char* game;
    const char* module;
    std::map<int, std::string> position;
    std::string message;
    std::vector<int> marked;
    const char* why;
};

TEST(SimpleHint, NamesTheCardThatHelpsAndChangesNothing)
{
    const std::vector<HintCase> cases = {
        // Golf: the six of clubs plays first in pile order, but the eight of
        // diamonds begins a run of three.
        {"Golf", GOLF_MODULE, {{kGolfFoundation, "7H"}, {0, "6C"}, {1, "8D"}, {2, "TH 9C"}, {kGolfStock, "2D#"}},
         "Hint: 8D to the foundation", {1}, "the longest run, named short on the narrow table"},
        {"Golf", GOLF_MODULE, {{kGolfFoundation, "KH"}, {0, "QC"}, {kGolfStock, "2D#"}},
         "Hint: deal from the stock", {kGolfStock}, "nothing goes on a king"},
        {"Golf", GOLF_MODULE, {{kGolfFoundation, "5H"}, {0, "9C"}}, "Hint: no move helps", {}, "stuck"},
        // TriPeaks: the same run from the bottom row.
        {"TriPeaks", TRIPEAKS_MODULE, {{kPeaksWaste, "7H"}, {18, "6C"}, {20, "8D"}, {22, "9S"}, {24, "TC"}, {kPeaksStock, "2D#"}},
         "Hint: 8 of diamonds to the waste", {20}, "the longest run"},
        // Two runs of one: the one that frees the face-down card above it.
        {"TriPeaks", TRIPEAKS_MODULE, {{kPeaksWaste, "7H"}, {18, "8D"}, {17, "QS#"}, {26, "6C"}},
         "Hint: 6 of clubs to the waste", {26}, "the card that turns another"},
        {"TriPeaks", TRIPEAKS_MODULE, {{kPeaksWaste, "7H"}, {18, "3C"}, {kPeaksStock, "2D#"}},
         "Hint: deal from the stock", {kPeaksStock}, "no card plays"},
        // Accordion: the five of spades onto the five of hearts, three places back.
        {"Accordion", ACCORDN_MODULE, {{0, "5H"}, {1, "9C"}, {2, "KD"}, {3, "5S"}},
         "Hint: 5 of spades to the 5 of hearts", {3}, "the one gathering"},
        {"Accordion", ACCORDN_MODULE, {{0, "5H"}, {1, "9C"}, {2, "KD"}}, "Hint: no move helps", {}, "nothing matches"},
        // Aces Up: a discard first; else the card into the empty pile that
        // lets another go; else the stock.
        {"Aces Up", ACESUP_MODULE, {{1, "4C"}, {2, "9C"}, {3, "2H"}, {4, "5D"}}, "Hint: discard the 4C", {1}, "a discard"},
        {"Aces Up", ACESUP_MODULE, {{2, "KD 9C"}, {3, "AH 2H"}, {4, "5S"}, {kAcesStock, "3C#"}},
         "Hint: 2H to an empty pile", {3}, "the move that lets the two of hearts go"},
        {"Aces Up", ACESUP_MODULE, {{1, "4C"}, {2, "5D"}, {3, "6H"}, {4, "7S"}, {kAcesStock, "2C# 3D# 4H# 5S#"}},
         "Hint: deal from the stock", {kAcesStock}, "nothing to discard"},
        {"Aces Up", ACESUP_MODULE, {{1, "4C"}, {2, "5D"}, {3, "6H"}, {4, "7S"}}, "Hint: no move helps", {}, "lost"},
        // Monte Carlo: three sevens touch each other and a fourth touches only
        // the seven of diamonds; pairing the clubs with the diamonds (first in
        // reading order) would strand two sevens.
        {"Monte Carlo", MONTECAR_MODULE, {{0, "7C"}, {1, "7D"}, {2, "7S"}, {5, "7H"}},
         "Hint: 7C with the 7H", {0}, "the pair that lets the other follow"},
        {"Monte Carlo", MONTECAR_MODULE, {{0, "7C"}, {2, "9D"}, {kMonteStock, "3S#"}},
         "Hint: close up the grid", {kMonteStock}, "a gap before a card"},
        {"Monte Carlo", MONTECAR_MODULE, {{0, "7C"}, {1, "9D"}}, "Hint: no move helps", {}, "lost"},
        // Pyramid: the seven of diamonds pairs with the six of clubs first in
        // order, but the six with the seven of hearts frees the jack above them.
        {"Pyramid", PYRAMID_MODULE, {{20, "JS"}, {21, "7D"}, {26, "6C"}, {27, "7H"}},
         "Hint: 6C with the 7H", {26}, "the pair that frees a card"},
        {"Pyramid", PYRAMID_MODULE, {{21, "5C"}, {22, "KS"}}, "Hint: remove the KS", {22}, "a king goes alone"},
        {"Pyramid", PYRAMID_MODULE, {{21, "5C"}, {kPyramidWaste, "8H"}}, "Hint: 5C with the 8H", {21}, "with the waste"},
        {"Pyramid", PYRAMID_MODULE, {{21, "5C"}, {kPyramidStock, "2D#"}}, "Hint: deal from the stock", {kPyramidStock}, "the stock"},
        {"Pyramid", PYRAMID_MODULE, {{21, "5C"}, {kPyramidWaste, "2D"}}, "Hint: turn the waste over", {}, "a redeal is left"},
        // Gaps: the eight of hearts lies at the end of its row.
        {"Gaps", GAPS_MODULE, GapsRows(2, "2H 3H 4H 5H 6H 7H -- 9H TH JH QH KH 8H"),
         "Hint: 8 of hearts after the 7 of hearts", {38}, "the one card that fits"},
        {"Gaps", GAPS_MODULE, GapsRows(3, "-- 3S 4S 5S 6S 7S 8S 9S TS JS QS KS 2S"),
         "Hint: 2 of spades to the left end of row 4", {51}, "a two to the left end"},
        {"Gaps", GAPS_MODULE, GapsRows(2, "2H 3H 4H 5H 6H 7H 9H 8H TH JH QH KH --"),
         "Hint: click the circle to reshuffle", {}, "every gap after a king"},
    };
    for (const HintCase& c : cases) {
        SCOPED_TRACE(std::string(c.game) + ": " + c.why);
        Session g{c.module};
        ASSERT_TRUE(g.start(1));
        g.arrange(c.position);
        const int hint = HintOption(g);
        ASSERT_GE(hint, 0);
        const std::vector<std::string> before = g.table();
        const std::string score = g->ScoreText();
        const bool undoBefore = g->Core().flow.undoAvailable;
        ASSERT_TRUE(g->SelectOption(hint));
        EXPECT_EQ(g->MessageText(), c.message);
        EXPECT_EQ(MarkedPiles(g), c.marked);
        EXPECT_EQ(g.table(), before);
        EXPECT_EQ(g->ScoreText(), score);
        EXPECT_EQ(g->Core().flow.undoAvailable, undoBefore);
    }
}

TEST(SimpleHint, ClockNamesThePileItHasFramed)
{
    Session g{CLOCK_MODULE};
    ASSERT_TRUE(g.start(4));
    const int hint = HintOption(g);
    ASSERT_GE(hint, 0);
    ASSERT_TRUE(g->SelectOption(hint));
    EXPECT_EQ(g->MessageText(), "Hint: turn the next card in the middle");
    EXPECT_EQ(MarkedPiles(g), std::vector<int>{24}) << "the kings' pile, framed by the game alone";
    for (int turn = 0; turn < 5 && g->GameInPlay(); ++turn) {
        const std::vector<int> toTurn = MarkedPiles(g);
        ASSERT_EQ(toTurn.size(), 1u);
        ASSERT_TRUE(g->Click(toTurn[0], g.count(toTurn[0]) - 1));
        const std::vector<int> framed = MarkedPiles(g);
        if (framed.empty()) break;
        const std::vector<std::string> before = g.table(true);
        ASSERT_TRUE(g->SelectOption(hint));
        const int hour = framed[0] / 2 + 1;
        EXPECT_EQ(g->MessageText(), hour == 13 ? "Hint: turn the next card in the middle"
                                               : "Hint: turn the next card at " + std::to_string(hour) + " o'clock");
        EXPECT_EQ(g.table(true), before);
    }
}

TEST(SimpleHint, TheMarkGoesWithTheNextActionAndUndoSkipsTheHint)
{
    Session g{GOLF_MODULE};
    ASSERT_TRUE(g.start(1));
    g.arrange({{kGolfFoundation, "7H"}, {0, "6C"}, {1, "9S 8D"}, {kGolfStock, "2D# 3C#"}});
    ASSERT_TRUE(g->Click(kGolfStock, 1));  // 3C home: a move to undo
    const std::vector<std::string> afterDeal = g.table();
    ASSERT_TRUE(g->SelectOption(HintOption(g)));
    EXPECT_EQ(g->MessageText(), "Hint: deal from the stock");
    ASSERT_EQ(MarkedPiles(g), std::vector<int>{kGolfStock});
    g->Undo();
    EXPECT_EQ(g.pile(kGolfFoundation), "7H") << "Undo takes back the deal, not the hint";
    EXPECT_TRUE(MarkedPiles(g).empty());
    g->Undo();
    EXPECT_EQ(g.table(), afterDeal);
    ASSERT_TRUE(g->SelectOption(HintOption(g)));
    ASSERT_TRUE(g->Click(kGolfStock, 0));
    EXPECT_TRUE(MarkedPiles(g).empty()) << "the mark went with the next action";
    EXPECT_NE(g->MessageText().rfind("Hint", 0), 0u);
}

TEST(SimpleHint, AfterAClickThatChangedNothingUndoStillTakesBackTheLastMove)
{
    Session g{GOLF_MODULE};
    ASSERT_TRUE(g.start(1));
    g.arrange({{kGolfFoundation, "7H"}, {0, "6C"}, {1, "9S 8D"}, {kGolfStock, "2D# 3C#"}});
    ASSERT_TRUE(g->Click(kGolfStock, 1));
    g->Click(0, 0);  // picks the six of clubs up and puts it back
    ASSERT_TRUE(g->SelectOption(HintOption(g)));
    EXPECT_EQ(g->MessageText(), "Hint: deal from the stock");
    g->Undo();
    EXPECT_EQ(g.pile(kGolfFoundation), "7H");
}

// Golf and TriPeaks: a click (Golf: a double click) on the marked card
// does what the hint says; following the hints, every one changes the table,
// until the game is over.
TEST(SimpleHint, FollowingTheHintsPlaysGolfAndTriPeaksToTheirEnd)
{
    for (const char* module : {GOLF_MODULE, TRIPEAKS_MODULE}) {
        for (uint32_t seed = 1; seed <= 5; ++seed) {
            SCOPED_TRACE(std::string(module) + " seed " + std::to_string(seed));
            Session g{module};
            ASSERT_TRUE(g.start(seed));
            const int hint = HintOption(g);
            int steps = 0;
            for (; steps < 60 && g->GameInPlay(); ++steps) {
                ASSERT_TRUE(g->SelectOption(hint));
                const std::vector<int> marked = MarkedPiles(g);
                if (g->MessageText() == "Hint: no move helps") break;
                ASSERT_EQ(marked.size(), 1u) << g->MessageText();
                const std::vector<std::string> before = g.table();
                const int p = marked[0];
                if (module == std::string(GOLF_MODULE) && p != kGolfStock) g->DoubleClick(p, g.count(p) - 1);
                else g->Click(p, g.count(p) - 1);
                EXPECT_NE(g.table(), before) << g->MessageText();
            }
            EXPECT_LT(steps, 60);
            EXPECT_FALSE(g->GameInPlay());
        }
    }
}

TEST(SimpleHint, ComesAfterTheGamesOwnOptions)
{
    const std::vector<std::pair<const char*, std::vector<std::string>>> menus = {
        {GOLF_MODULE, {"Hint"}},
        {TRIPEAKS_MODULE, {"King and Ace Wrap", "Hint"}},
        {ACCORDN_MODULE, {"Deal One at a Time", "Hint"}},
        {ACESUP_MODULE, {"Hint"}},
        {CLOCK_MODULE, {"Hint"}},
        {GAPS_MODULE, {"Hint"}},
        {MONTECAR_MODULE, {"Hint"}},
        {PYRAMID_MODULE, {"Hint"}},
    };
    for (const auto& [module, items] : menus) {
        Session g{module};
        ASSERT_TRUE(g.start(1));
        EXPECT_EQ(g->OptionTexts(), items) << module;
    }
}

// The castle games are of the patience family: their hint comes from the kit.
TEST(SimpleHint, TheCastleGamesHaveTheKitsHint)
{
    for (const char* module : {BELEAGUR_MODULE, STREETS_MODULE}) {
        SCOPED_TRACE(module);
        Session g{module};
        ASSERT_TRUE(g.start(2));
        const int hint = HintOption(g);
        ASSERT_GE(hint, 0);
        const std::vector<std::string> before = g.table();
        ASSERT_TRUE(g->SelectOption(hint));
        EXPECT_EQ(g->MessageText().rfind("Hint: ", 0), 0u) << g->MessageText();
        EXPECT_EQ(g.table(), before);
    }
}

}  // namespace

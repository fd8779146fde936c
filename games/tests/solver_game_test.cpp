// The kit's solver as players meet it: "Hint" and "Winnable deals only".
#include <dlfcn.h>

#include <array>
#include <iostream>

#include "hint_follower.h"
#include "move_table.h"

namespace {

using gametest::Session;
using kit::Card;

// The host numbers a game's option items in the order they come.
int Option(Session& g, const std::string& text)
{
    const std::vector<std::string> items = g->OptionTexts();
    return static_cast<int>(std::find(items.begin(), items.end(), text) - items.begin());
}
int Hint(Session& g) { return Option(g, "Hint"); }
int WinnableOnly(Session& g) { return Option(g, "Winnable deals only"); }

// Where a game keeps its piles, for playing what a hint says.
struct Piles {
    const char* stem;
    const char* path;
    std::vector<int> cells, foundations, tableau;
    int stock = -1, waste = -1, turned = -1;
};

std::vector<int> Range(int first, int n)
{
    std::vector<int> v;
    for (int i = 0; i < n; ++i) v.push_back(first + i);
    return v;
}

const Piles kFreeCell{"FREECELL", FREECELL_MODULE, Range(0, 4), Range(4, 4), Range(8, 8)};
const Piles kEightOff{"EIGHTOFF", EIGHTOFF_MODULE, Range(0, 8), Range(16, 4), Range(8, 8)};
const Piles kSeahaven{"SEAHAVEN", SEAHAVEN_MODULE, Range(0, 4), Range(14, 4), Range(4, 10)};
const Piles kBakersDozen{"BAKERDOZ", BAKERDOZ_MODULE, {}, Range(13, 4), Range(0, 13)};
const Piles kBeleaguered{"BELEAGUR", BELEAGUR_MODULE, {}, Range(8, 4), Range(0, 8)};
const Piles kKlondike{"KLONDIKE", KLONDIKE_MODULE, {}, Range(2, 4), Range(6, 7), 0, 1, 13};
const Piles kSpider{"SPIDER", SPIDER_MODULE, {}, Range(1, 8), Range(9, 10), 0};
const Piles kYukon{"YUKON", YUKON_MODULE, {}, Range(7, 4), Range(0, 7)};

// What the module's last search did, read from the loaded module.
struct Search {
    long positions = 0, budget = 0, verdict = -1, dealsTried = 0;
    std::vector<std::array<int, 3>> line;
};

Search LastSearch(const char* modulePath)
{
    Search s;
    void* module = dlopen(modulePath, RTLD_NOW | RTLD_NOLOAD);
    if (!module) return s;
    using Probe = int (*)(long*, int*, int);
    auto probe = reinterpret_cast<Probe>(dlsym(module, "LumoraKitSearch"));
    if (probe) {
        long figures[4] = {};
        std::vector<int> moves(3 * 4000);
        const int n = probe(figures, moves.data(), static_cast<int>(moves.size()));
        s.positions = figures[0], s.budget = figures[1], s.verdict = figures[2], s.dealsTried = figures[3];
        for (int i = 0; i < n && i < 4000; ++i) s.line.push_back({moves[i * 3], moves[i * 3 + 1], moves[i * 3 + 2]});
    }
    dlclose(module);
    return s;
}

std::vector<int> MarkedPiles(Session& g)
{
    std::vector<int> out;
    for (int s = 0; s < g->StackCount(); ++s)
        for (int k = 0; k < g.count(s); ++k)
            if (g->Stack(s).cards[k].mark) out.push_back(s);
    return out;
}

std::vector<std::string> Faces(Session& g) { return g.table(false); }

// Asks for a hint and plays it as a player would; false when the hint names no move.
bool PlayHint(Session& g)
{
    const gametest::HintMove m = gametest::AskHint(g);
    EXPECT_EQ(gametest::HintDisagrees(g, m), "");
    return gametest::PlayHint(g, m);
}

// Plays the solver's line with the mouse: every move must be accepted.
::testing::AssertionResult PlayLine(Session& g, const Piles& piles, const std::vector<std::array<int, 3>>& line)
{
    for (size_t i = 0; i < line.size(); ++i) {
        const auto [from, index, to] = line[i];
        bool ok = true;
        if (from < 0) {
            g->Click(piles.stock, g.count(piles.stock) - 1);  // on the empty stock: -1, the pile itself
        } else if (from == piles.waste && piles.turned >= 0 && g.count(piles.turned) > 0) {
            ok = g->DragCard(piles.turned, g.count(piles.turned) - 1, to);
        } else {
            ok = g->DragCard(from, index, to);
        }
        if (!ok) return ::testing::AssertionFailure() << "move " << i << " (" << from << ", " << index << ", " << to << ") refused";
    }
    return ::testing::AssertionSuccess();
}

TEST(Hint, NamesTheCardAndWhereItGoesWithoutChangingTheTable)
{
    struct Case {
        const Piles& piles;
        std::map<int, std::string> position;
        std::string message;
        int marked;
    };
    // FreeCell: every cell taken, the ten of hearts and the ten of spades
    // (both wanted home) under jacks; a jack must go to an empty column.
    const std::map<int, std::string> blocked = {
        {0, "KH"}, {1, "KS"}, {2, "QH"}, {3, "QS"},
        {4, "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC KC"}, {5, "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD QD KD"},
        {6, "AH 2H 3H 4H 5H 6H 7H 8H 9H"}, {7, "AS 2S 3S 4S 5S 6S 7S 8S 9S"},
        {8, "TH JS"}, {9, "TS JH"}};
    // FreeCell: the last card goes home.
    std::map<int, std::string> last = blocked;
    last[6] += " TH JH QH";
    last[7] += " TS JS QS";
    last[0] = last[1] = "";
    last[2] = "KS";
    last[3] = "";
    last[8] = "KH";
    last[9] = "";
    // Klondike, cards hidden: the seven of hearts onto the eight of spades
    // turns a card; the stock is not looked into.
    const std::map<int, std::string> klondike = {{0, "3D# 4D#"}, {6, "2C# 7H"}, {7, "8S"}, {8, "5C# 9D"}};
    // Klondike: nothing helps but the stock.
    const std::map<int, std::string> stockOnly = {{0, "3D# 4D#"}, {6, "2C# 7H"}, {7, "5C# 9D"}};
    // Yukon: the queen of hearts and the cards on it onto the king of clubs
    // turns a card. The host marks only a top card: the queen is named, and
    // nothing is marked.
    const std::map<int, std::string> yukon = {{0, "2C# QH JS"}, {1, "KC"}, {2, "3D# 9S"}};
    // FreeCell without the ace of hearts: the few moves left never win.
    const std::map<int, std::string> hopeless = {
        {4, "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC KC"}, {5, "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD QD KD"},
        {7, "AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS QS KS"}, {8, "2H 4H"}, {9, "3H"}};
    // Spider: a column is empty, so the stock will not deal until it is filled.
    std::map<int, std::string> spiderGap = {{0, "AC# 2C# 3C# 4C# 5C# 6C# 7C# 8C# 9C# TC#"}};
    for (int c = 9; c < 18; ++c) spiderGap[c] = "KH";
    const std::vector<Case> cases = {
        {kFreeCell, hopeless, "Hint: no move leads to a win", -1},
        {kFreeCell, blocked, "Hint: JS to an empty column", 8},  // too long in full
        {kFreeCell, last, "Hint: king of spades to a foundation", 2},
        {kKlondike, klondike, "Hint: 7H to the 8S", 6},  // a narrow message area
        {kKlondike, stockOnly, "Hint: deal from the stock", 0},
        {kYukon, yukon, "Hint: QH to the KC", -1},
        {kSpider, spiderGap, "Hint: fill every column, then deal", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        Session g{c.piles.path};
        ASSERT_TRUE(g.start(1));
        g.arrange(c.position);
        const std::vector<std::string> before = Faces(g);
        const bool undoBefore = g->Core().flow.undoAvailable;
        ASSERT_TRUE(g->SelectOption(Hint(g)));
        EXPECT_EQ(g->MessageText(), c.message);
        EXPECT_EQ(MarkedPiles(g), c.marked < 0 ? std::vector<int>{} : std::vector<int>{c.marked});
        EXPECT_EQ(Faces(g), before);
        EXPECT_EQ(g->Core().flow.undoAvailable, undoBefore);
    }
}

TEST(Hint, LeavesUndoAloneAndGoesWithTheNextMove)
{
    Session g{FREECELL_MODULE};
    ASSERT_TRUE(g.start(5));
    // A move, then a hint: Undo takes back the move, not the hint.
    ASSERT_TRUE(g->DragCard(8, g.count(8) - 1, 0));
    const std::vector<std::string> moved = Faces(g);
    ASSERT_TRUE(g->SelectOption(Hint(g)));
    EXPECT_EQ(Faces(g), moved);
    ASSERT_EQ(MarkedPiles(g).size(), 1u);
    ASSERT_TRUE(PlayHint(g));
    EXPECT_TRUE(MarkedPiles(g).empty()) << "the hint's mark went with the move";
    EXPECT_NE(g->MessageText().rfind("Hint", 0), 0u);
    // A click that moves nothing leaves the host's undo armed: the hint then
    // names the card without marking it, so the last move can still be undone.
    const std::vector<std::string> hinted = Faces(g);
    ASSERT_TRUE(g->DragCard(8, 0, 8) == false);
    ASSERT_TRUE(g->SelectOption(Hint(g)));
    EXPECT_EQ(g->MessageText().rfind("Hint: ", 0), 0u);
    EXPECT_TRUE(MarkedPiles(g).empty());
    g->Undo();
    EXPECT_EQ(Faces(g), moved) << "Undo still takes back the hinted move";
    g->Undo();
    EXPECT_EQ(Faces(g), hinted);
}

TEST(Hint, ABoundedSearchGivesUpOnAPositionWithoutEnd)
{
    // The ace of clubs is missing: no line wins, and there are more lines than
    // the budget. The search stops at its count of positions.
    Session g{FREECELL_MODULE};
    ASSERT_TRUE(g.start(3));
    std::map<int, std::string> position;
    for (int c = 8; c < 16; ++c) {
        std::string pile = g.pile(c);
        const size_t ace = pile.find("AC");
        if (ace != std::string::npos) pile.erase(ace, pile.size() > 2 ? 3 : 2);
        while (!pile.empty() && pile.back() == ' ') pile.pop_back();
        position[c] = pile;
    }
    g.arrange(position);
    ASSERT_TRUE(g->SelectOption(Hint(g)));
    const Search s = LastSearch(FREECELL_MODULE);
    EXPECT_EQ(s.verdict, 2) << "unknown";
    EXPECT_GT(s.budget, 0);
    EXPECT_LE(s.positions, s.budget);
    EXPECT_GE(s.positions, s.budget / 2) << "it did search";
    EXPECT_EQ(g->MessageText().rfind("Hint: ", 0), 0u);
}

TEST(Hint, FollowingTheHintsWinsMostFreeCellDeals)
{
    constexpr int kDeals = 20;
    int won = 0;
    for (uint32_t seed = 1; seed <= kDeals; ++seed) {
        Session g{FREECELL_MODULE};
        ASSERT_TRUE(g.start(seed));
        for (int i = 0; i < 400 && g->GamesWon() == 0; ++i)
            if (!PlayHint(g)) break;
        won += g->GamesWon();
    }
    std::cout << "following the hints won " << won << " of " << kDeals << " FreeCell deals\n";
    EXPECT_GE(won, kDeals * 8 / 10);
}

struct WinnableCase {
    const Piles& piles;
    int drawOption;  // Klondike: 0 Draw One, 1 Draw Three; -1 none
};

class WinnableDeals : public ::testing::TestWithParam<WinnableCase> {};

TEST_P(WinnableDeals, AreWonByPlayingTheSolversLineAndReplayAlike)
{
    const WinnableCase& c = GetParam();
    Session g{c.piles.path};
    ASSERT_TRUE(g.start(1));  // the game's options are in the menu once it is chosen
    if (c.drawOption >= 0) {
        ASSERT_TRUE(g->SelectOption(c.drawOption));
    }
    if (!g->OptionChecked(WinnableOnly(g))) {
        ASSERT_TRUE(g->SelectOption(WinnableOnly(g)));
    }
    int proven = 0;
    for (uint32_t seed = 1; seed <= 3; ++seed) {
        SCOPED_TRACE(seed);
        ASSERT_TRUE(g.start(seed));
        const std::vector<std::string> dealt = Faces(g);
        const Search s = LastSearch(c.piles.path);
        ASSERT_GE(s.dealsTried, 1);
        if (s.verdict != 0) {
            EXPECT_EQ(g->MessageText(), "Not proven winnable");
            continue;
        }
        ++proven;
        EXPECT_EQ(g->MessageText(), "A winnable deal");
        const int wonBefore = g->GamesWon();
        EXPECT_TRUE(PlayLine(g, c.piles, s.line));
        EXPECT_EQ(g->GamesWon(), wonBefore + 1);
        g->Replay();
        EXPECT_EQ(Faces(g), dealt) << "Replay deals the same cards";
    }
    EXPECT_GE(proven, 2);
    if (c.drawOption == 1) g->SelectOption(0);
    g->SelectOption(WinnableOnly(g));
}

INSTANTIATE_TEST_SUITE_P(Games, WinnableDeals,
                         ::testing::Values(WinnableCase{kFreeCell, -1}, WinnableCase{kEightOff, -1},
                                           WinnableCase{kSeahaven, -1}, WinnableCase{kBakersDozen, -1},
                                           WinnableCase{kBeleaguered, -1}, WinnableCase{kKlondike, 0},
                                           WinnableCase{kKlondike, 1}),
                         [](const auto& info) {
                             return std::string(info.param.piles.stem) + (info.param.drawOption == 1 ? "Draw3" : "");
                         });

TEST(WinnableDeals, TheSettingTravelsWithTheSavedGame)
{
    Session g{SEAHAVEN_MODULE};
    ASSERT_TRUE(g.start(1));
    if (!g->OptionChecked(WinnableOnly(g))) {
        ASSERT_TRUE(g->SelectOption(WinnableOnly(g)));
    }
    ASSERT_TRUE(g.start(9));
    const std::vector<std::string> dealt = Faces(g);
    const std::vector<uint8_t> saved = g->Save();
    ASSERT_TRUE(g->SelectOption(WinnableOnly(g)));
    EXPECT_FALSE(g->OptionChecked(WinnableOnly(g)));
    ASSERT_TRUE(g->Load(saved));
    EXPECT_TRUE(g->OptionChecked(WinnableOnly(g))) << "the game goes on with the setting it was dealt with";
    g->Replay();
    EXPECT_EQ(Faces(g), dealt);
    g->SelectOption(WinnableOnly(g));
}

TEST(WinnableDeals, AreOfferedByTheSixGamesOnly)
{
    for (const Piles* p : {&kFreeCell, &kEightOff, &kSeahaven, &kBakersDozen, &kBeleaguered, &kKlondike, &kYukon}) {
        Session g{p->path};
        ASSERT_TRUE(g.start(1));
        const std::vector<std::string> options = g->OptionTexts();
        const bool offered = std::find(options.begin(), options.end(), "Winnable deals only") != options.end();
        EXPECT_EQ(offered, p != &kYukon) << p->stem;
        EXPECT_NE(std::find(options.begin(), options.end(), "Hint"), options.end()) << p->stem;
    }
}

}  // namespace

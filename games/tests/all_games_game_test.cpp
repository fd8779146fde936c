// What every game must do the same way, on the headless host: accepted by
// the host, Replay deals the same cards, Undo twice is Redo, a saved game
// continues exactly as the original, random play never loses a card.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>

#include "built_games.h"
#include "game_session.h"
#include "core/table_extent.h"
#include "persistence/host_state.h"
#include "shell/window_fit.h"

namespace {

using gametest::Session;

struct GameCase {
    const char* stem;
    const char* path;
    const char* name;
    int stacks;
    int cards;
};

const GameCase kGames[] = {
    {"KLONDIKE", KLONDIKE_MODULE, "Klondike", 14, 52},
    {"FREECELL", FREECELL_MODULE, "FreeCell", 16, 52},
    {"SPIDER", SPIDER_MODULE, "Spider", 19, 104},
    {"GOLF", GOLF_MODULE, "Golf", 9, 52},
    {"PYRAMID", PYRAMID_MODULE, "Pyramid", 31, 52},
    {"YUKON", YUKON_MODULE, "Yukon", 11, 52},
    {"FORTYTHV", FORTYTHV_MODULE, "Forty Thieves", 20, 104},
    {"ACESUP", ACESUP_MODULE, "Aces Up", 6, 52},
    {"ACCORDN", ACCORDN_MODULE, "Accordion", 53, 52},
    {"CLOCK", CLOCK_MODULE, "Clock", 26, 52},
    {"TRIPEAKS", TRIPEAKS_MODULE, "TriPeaks", 30, 52},
    {"MONTECAR", MONTECAR_MODULE, "Monte Carlo", 27, 52},
    {"FLOWERGD", FLOWERGD_MODULE, "Flower Garden", 11, 52},
    {"GAPS", GAPS_MODULE, "Gaps", 54, 52},
    {"CALCULAT", CALCULAT_MODULE, "Calculation", 10, 52},
    {"BISLEY", BISLEY_MODULE, "Bisley", 21, 52},
    {"WINDMILL", WINDMILL_MODULE, "Windmill", 15, 104},
    {"EXAMPLE", EXAMPLE_MODULE, "Kit Example", 20, 52},
    {"EIGHTOFF", EIGHTOFF_MODULE, "Eight Off", 20, 52},
    {"SEAHAVEN", SEAHAVEN_MODULE, "Seahaven Towers", 18, 52},
    {"STREETS", STREETS_MODULE, "Streets and Alleys", 12, 52},
    {"BELEAGUR", BELEAGUR_MODULE, "Beleaguered Castle", 12, 52},
    {"BAKERDOZ", BAKERDOZ_MODULE, "Baker's Dozen", 17, 52},
    {"RUSSIAN", RUSSIAN_MODULE, "Russian Solitaire", 11, 52},
    {"SCORPION", SCORPION_MODULE, "Scorpion", 12, 52},
    {"SIMPSIMN", SIMPSIMN_MODULE, "Simple Simon", 14, 52},
    {"CANFIELD", CANFIELD_MODULE, "Canfield", 11, 52},
    {"LABELLE", LABELLE_MODULE, "La Belle Lucie", 23, 52},
    {"CRUEL", CRUEL_MODULE, "Cruel", 17, 52},
};

// Every game built from games/game_list.txt shows the name the list gives
// it (saved games and the score file know a game by that name) and has a
// row above, so the checks below run for it.
TEST(GameList, EveryBuiltGameShowsItsListedNameAndIsCheckedBelow)
{
    ASSERT_GE(std::size(kBuiltGames), 7u);
    for (const BuiltGame& built : kBuiltGames) {
        Session g(built.path);
        ASSERT_TRUE(g.loaded()) << built.stem << ": " << g.loadError();
        EXPECT_EQ(std::string(g->Module(0).name), built.title) << built.stem;
        const bool checked = std::any_of(std::begin(kGames), std::end(kGames), [&](const GameCase& c) {
            return std::string(c.stem) == built.stem && std::string(c.path) == built.path;
        });
        EXPECT_TRUE(checked) << built.stem << " needs a row in kGames";
    }
}

// Saved games and scores are kept by the game's name: no two modules, the
// kit's example among them, may report the same one.
TEST(GameList, EveryModuleReportsANameOfItsOwn)
{
    for (const GameCase& a : kGames)
        for (const GameCase& b : kGames)
            if (std::strcmp(a.stem, b.stem) != 0) {
                EXPECT_STRNE(a.name, b.name) << a.stem << " and " << b.stem;
            }
    Session g(EXAMPLE_MODULE);
    ASSERT_TRUE(g.loaded());
    EXPECT_STREQ(g->Module(0).name, "Kit Example");
}

class EveryGame : public ::testing::TestWithParam<GameCase> {};

struct Picture {
    std::vector<std::string> table;
    std::string score, message;
    bool operator==(const Picture&) const = default;
};
void PrintTo(const Picture& p, std::ostream* os)
{
    *os << "score \"" << p.score << "\", message \"" << p.message << "\", table:";
    for (size_t i = 0; i < p.table.size(); ++i) *os << "\n  " << i << ": " << p.table[i];
}
void PrintTo(const GameCase& c, std::ostream* os) { *os << c.stem; }
Picture Look(Session& g) { return {g.table(), g->ScoreText(), g->MessageText()}; }

// Plays single random actions until one changes the table; `before` is the
// picture just before that action.
bool PlayUntilChanged(Session& g, std::mt19937& rng, Picture& before)
{
    for (int i = 0; i < 300; ++i) {
        before = Look(g);
        g.playDragOrClick(rng);
        if (g.table() != before.table) return true;
    }
    return false;
}

TEST_P(EveryGame, IsAcceptedAndDealsAFullTable)
{
    Session g(GetParam().path);
    ASSERT_TRUE(g.loaded()) << g.loadError();
    EXPECT_EQ(std::string(g->Module(0).name), GetParam().name);
    ASSERT_TRUE(g.start(1));
    EXPECT_EQ(g->StackCount(), GetParam().stacks);
    EXPECT_EQ(static_cast<int>(g.allCards().size()), GetParam().cards);
    // The table extent holds every stack's first card.
    for (int i = 0; i < g->StackCount(); ++i) {
        EXPECT_LE(g->Stack(i).x + 45, g->Module(0).tableWidth) << "stack " << i;
        EXPECT_LE(g->Stack(i).y + 63, g->Module(0).tableHeight) << "stack " << i;
    }
}

// A 1024 x 768 screen with a 40-pixel taskbar, and the frame, caption and
// menu bar of the main window around the client area: with large cards the
// program must not warn that the display is too small for the table.
TEST_P(EveryGame, FitsA1024By768ScreenWithLargeCards)
{
    Session g(GetParam().path);
    ASSERT_TRUE(g.loaded()) << g.loadError();
    const table::Rect workArea{0, 0, 1024, 728};
    constexpr int32_t kFrameWidth = 20, kFrameHeight = 70;
    const core::Extent large =
        core::TableExtent(g->Module(0).tableWidth, g->Module(0).tableHeight, table::CardSize::Large);
    const table::Rect client = shell::ClientRectForTable(large.width, large.height);
    const table::Rect window{client.left, client.top, client.right + kFrameWidth, client.bottom + kFrameHeight};
    const shell::WindowFit fit = shell::WindowRectForTable(workArea, window);
    EXPECT_FALSE(shell::WarnTableTooLarge(fit, table::CardSize::Large, false))
        << "a large-card table of " << large.width << " x " << large.height;
    EXPECT_LE(window.right - window.left, workArea.right) << "the width is never cut";
}

TEST_P(EveryGame, ReplayDealsTheSameCardsAndAnotherSeedOthers)
{
    Session g(GetParam().path);
    ASSERT_TRUE(g.start(4242));
    const auto dealt = g.table();
    std::mt19937 rng(1);
    for (int i = 0; i < 20; ++i) g.playRandom(rng, false);
    g->Replay();
    EXPECT_EQ(g.table(), dealt);
    ASSERT_TRUE(g.start(4243));
    EXPECT_NE(g.table(), dealt);
}

TEST_P(EveryGame, UndoTwiceIsRedo)
{
    Session g(GetParam().path);
    ASSERT_TRUE(g.start(99));
    std::mt19937 rng(5);
    for (int round = 0; round < 5 && g->GameInPlay(); ++round) {
        Picture before;
        ASSERT_TRUE(PlayUntilChanged(g, rng, before)) << "round " << round;
        const Picture after = Look(g);
        if (!g->GameInPlay()) break;
        g->Undo();
        EXPECT_EQ(Look(g), before) << "round " << round;
        g->Undo();
        EXPECT_EQ(Look(g), after) << "round " << round;
    }
}

TEST_P(EveryGame, ASavedGameContinuesExactlyAsTheOriginal)
{
    Session original(GetParam().path);
    ASSERT_TRUE(original.start(2024));
    std::mt19937 rng(77);
    for (int i = 0; i < 40; ++i) original.playRandom(rng, false);
    const std::vector<uint8_t> saved = original->Save();
    const Picture atSave = Look(original);
    const int16_t scoreAtSave = original->Module(0).entry.getScore();

    std::mt19937 rngA(9);
    std::vector<Picture> pathA;
    for (int i = 0; i < 40; ++i) {
        original.playRandom(rngA, false);
        pathA.push_back(Look(original));
    }

    Session copy(GetParam().path);
    ASSERT_TRUE(copy.reload(saved));
    EXPECT_EQ(Look(copy), atSave);
    EXPECT_EQ(copy->Module(0).entry.getScore(), scoreAtSave);
    std::mt19937 rngB(9);
    for (int i = 0; i < 40; ++i) {
        copy.playRandom(rngB, false);
        ASSERT_EQ(Look(copy), pathA[static_cast<size_t>(i)]) << "action " << i;
    }
}

// The module's data block of a saved game: `length` bytes after the magic,
// the version and the host's state.
constexpr size_t kDataLengthAt = 8 + sizeof(persistence::HostState);

std::vector<uint8_t> WithData(const std::vector<uint8_t>& saved, const std::vector<uint8_t>& data)
{
    uint32_t length = 0;
    std::memcpy(&length, saved.data() + kDataLengthAt, 4);
    std::vector<uint8_t> out(saved.begin(), saved.begin() + kDataLengthAt);
    const uint32_t newLength = static_cast<uint32_t>(data.size());
    out.insert(out.end(), reinterpret_cast<const uint8_t*>(&newLength), reinterpret_cast<const uint8_t*>(&newLength) + 4);
    out.insert(out.end(), data.begin(), data.end());
    out.insert(out.end(), saved.begin() + static_cast<std::ptrdiff_t>(kDataLengthAt + 4 + length), saved.end());
    return out;
}

TEST_P(EveryGame, ASavedGameWithoutUsableDataStillPlays)
{
    Session original(GetParam().path);
    ASSERT_TRUE(original.start(31));
    std::mt19937 rng(3);
    for (int i = 0; i < 30; ++i) original.playRandom(rng, false);
    const std::vector<uint8_t> saved = original->Save();
    const auto table = original.table();
    const auto cards = original.allCards();

    const std::vector<std::vector<uint8_t>> blocks = {{}, {'n', 'o', 'n', 'e'}, std::vector<uint8_t>(64, 0xEE)};
    for (const auto& data : blocks) {
        Session copy(GetParam().path);
        ASSERT_TRUE(copy.reload(WithData(saved, data))) << data.size() << " bytes of data";
        EXPECT_EQ(copy.table(), table);
        for (int i = 0; i < 60 && copy->GameInPlay(); ++i) {
            copy.playRandom(rng, false);
            ASSERT_EQ(copy.check(cards), "") << data.size() << " bytes of data, action " << i;
        }
    }
}

TEST_P(EveryGame, RandomPlayKeepsEveryCard)
{
    for (uint32_t seed = 300; seed < 303; ++seed) {
        Session g(GetParam().path);
        ASSERT_TRUE(g.start(seed, seed % 2 == 1));
        const auto cards = g.allCards();
        std::mt19937 rng(seed);
        for (int i = 0; i < 150 && g->GameInPlay(); ++i) {
            g.playRandom(rng);
            ASSERT_EQ(g.check(cards), "") << "seed " << seed << ", action " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Games, EveryGame, ::testing::ValuesIn(kGames),
                         [](const ::testing::TestParamInfo<GameCase>& info) { return std::string(info.param.stem); });

}  // namespace

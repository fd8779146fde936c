// FreeCell on the headless host.
#include <array>
#include <unordered_set>

#include "move_table.h"

namespace {

using gametest::Session;

constexpr int kCell = 0, kFoundation = 4, kTableau = 8;
constexpr int C(int i) { return kCell + i; }
constexpr int F(int i) { return kFoundation + i; }
constexpr int T(int i) { return kTableau + i; }

const std::map<int, std::string> kPosition = {
    {C(0), "KD"}, {F(0), "AS"}, {F(1), "AH 2H"}, {T(0), "9C 8H 7S"}, {T(1), "TD"},
    {T(3), "2S"}, {T(4), "5C 4D"}, {T(5), "6H"}, {T(6), "QC"}, {T(7), "3H 2C"},
};

// No empty column and every cell taken: one card moves at a time.
const std::map<int, std::string> kCrowded = {
    {C(0), "JH"}, {C(1), "JS"}, {C(2), "JC"}, {C(3), "QD"}, {T(0), "9C 8H"}, {T(1), "TD"},
    {T(2), "7S"}, {T(3), "KH"}, {T(4), "KS"}, {T(5), "KC"}, {T(6), "QH"}, {T(7), "QS"},
};

class FreeCellGame : public ::testing::Test {
protected:
    Session g{FREECELL_MODULE};
};

TEST_F(FreeCellGame, DealsEveryCardFaceUpIntoEightColumns)
{
    ASSERT_TRUE(g.start(1));
    for (int c = 0; c < 8; ++c) {
        EXPECT_EQ(g.count(T(c)), c < 4 ? 7 : 6);
        for (int k = 0; k < g.count(T(c)); ++k) EXPECT_EQ(g->Stack(T(c)).cards[k].faceDown, 0u);
    }
    EXPECT_EQ(g.pile(T(0)), "4H AS 8H 9S 3H 9C QS");
    EXPECT_EQ(g.pile(T(7)), "2D 4S AD 6H 3S 9H");
    EXPECT_EQ(g->MessageText(), "Runs of 5 can move");
}

TEST_F(FreeCellGame, AcceptsLegalMovesAndRefusesOthers)
{
    gametest::ExpectMoves(g, 3, kPosition, {
        {T(0), 0, T(1), true, "a run of three with three cells and an empty column free"},
        {T(3), 0, F(0), true, "two of spades on its ace"},
        {T(3), 0, F(1), false, "two of spades on the hearts"},
        {C(0), 0, T(6), false, "a king on a queen"},
        {T(6), 0, C(1), true, "a queen into a free cell"},
        {T(6), 0, C(0), false, "into a cell that is taken"},
        {T(1), 0, T(2), true, "any card into an empty column"},
        {C(0), 0, T(2), true, "from a cell into an empty column"},
        {T(4), 0, T(5), true, "black five and red four on the red six"},
        {T(5), 0, T(4), false, "a six on a four"},
        {F(0), 0, T(2), false, "cards home stay home"},
        {T(7), 0, F(1), false, "two cards at once onto a foundation"},
        {T(7), 1, T(0), false, "a two on a seven"},
    });
    gametest::ExpectMoves(g, 3, kCrowded, {
        {T(0), 0, T(1), false, "two cards with no free cell and no empty column"},
        {T(2), 0, T(0), true, "one card moves anyway"},
    });
    auto roomier = kCrowded;
    roomier.erase(T(7));
    gametest::ExpectMoves(g, 3, roomier, {
        {T(0), 0, T(1), true, "an empty column doubles the run to two"},
    });
}

TEST_F(FreeCellGame, DoubleClickSendsHomeOrElseToACell)
{
    ASSERT_TRUE(g.start(3));
    g.arrange(kPosition);
    ASSERT_TRUE(g->DoubleClick(T(3), 0));
    EXPECT_EQ(g.pile(F(0)), "AS 2S");
    ASSERT_TRUE(g->DoubleClick(T(6), 0));
    EXPECT_EQ(g.pile(C(1)), "QC");
    EXPECT_EQ(g.count(T(6)), 0);
    EXPECT_EQ(g->MessageText(), "Runs of 24 can move") << "two free cells and three empty columns";
}

TEST_F(FreeCellGame, AutoPlaySendsOnlySafeCardsHome)
{
    for (bool autoPlay : {false, true}) {
        ASSERT_TRUE(g.start(3, autoPlay));
        g.arrange(kPosition);
        ASSERT_TRUE(g->DragCard(T(6), 0, C(1)));
        EXPECT_EQ(g.pile(F(0)), autoPlay ? "AS 2S" : "AS") << "a two is always safe";
        EXPECT_EQ(g.pile(T(7)), "3H 2C") << "no foundation takes the two of clubs";
        EXPECT_EQ(g.pile(F(1)), "AH 2H");
    }
}

TEST_F(FreeCellGame, AutoPlayWinsFromFourRuns)
{
    ASSERT_TRUE(g.start(5, true));
    const auto runs = gametest::AlternatingRuns();
    g.arrange({{T(0), runs[0]}, {T(1), runs[1]}, {T(2), runs[2]}, {T(3), runs[3]}});
    ASSERT_TRUE(g->DoubleClick(T(0), 12));
    EXPECT_EQ(g->GamesWon(), 1);
    EXPECT_EQ(g->ScoreText(), "52");
    EXPECT_EQ(g->Module(0).entry.getScore(), 52);
}

// A way through a real deal, found by a plain depth-first search whose
// every step is a drag the host can make: one card, or a run as long as the
// free cells and empty columns allow.
class FreeCellSearch {
public:
    struct Step {
        int from, card, to;  // piles as the table numbers them; to == -1: a foundation
    };

    explicit FreeCellSearch(Session& g)
    {
        for (int c = 0; c < 8; ++c)
            for (int k = 0; k < g.count(T(c)); ++k) columns_[c].push_back(static_cast<char>(g->Stack(T(c)).cards[k].image));
    }
    bool solve(std::vector<Step>& path) { return search(path); }

private:
    using Card = gametest::Card;
    static bool Fits(Card lower, Card c)
    {
        return kit::Rank(lower) == kit::Rank(c) + 1 && kit::ColourOf(lower) != kit::ColourOf(c);
    }
    bool homeTakes(Card c) const { return home_[static_cast<size_t>(kit::Suit(c))] == kit::Rank(c); }
    bool safe(Card c) const
    {
        const int r = kit::Rank(c);
        for (int s = 0; s < 4; ++s)
            if (kit::ColourOf(kit::MakeCard(s, 0)) != kit::ColourOf(c) && home_[static_cast<size_t>(s)] < r) return false;
        return true;
    }
    std::string key() const
    {
        std::array<std::string, 8> cols = columns_;
        std::sort(cols.begin(), cols.end());
        std::string k(home_.begin(), home_.end());
        for (const auto& col : cols) k += col + '|';
        std::array<int, 4> cells = cells_;
        std::sort(cells.begin(), cells.end());
        for (int c : cells) k += static_cast<char>(c + 1);
        return k;
    }
    int freeCells() const { return static_cast<int>(std::count(cells_.begin(), cells_.end(), -1)); }
    int emptyColumns(int besides) const
    {
        int n = 0;
        for (int c = 0; c < 8; ++c) n += c != besides && columns_[c].empty();
        return n;
    }
    int runLength(int c) const
    {
        const std::string& col = columns_[c];
        int n = col.empty() ? 0 : 1;
        while (n < static_cast<int>(col.size()) && Fits(col[col.size() - n - 1], col[col.size() - n])) ++n;
        return n;
    }
    Card topOf(int p) const  // a column 0..7 or a cell 8..11
    {
        if (p < 8) return columns_[p].empty() ? -1 : columns_[p].back();
        return cells_[static_cast<size_t>(p - 8)];
    }
    static int Pile(int p) { return p < 0 ? -1 : p < 8 ? T(p) : C(p - 8); }

    // Moves the top n cards of `from` to `to` and searches on; undone on failure.
    bool tryMove(int from, int n, int to, std::vector<Step>& path)
    {
        std::string moving;
        if (from < 8) {
            moving = columns_[from].substr(columns_[from].size() - static_cast<size_t>(n));
            columns_[from].resize(columns_[from].size() - static_cast<size_t>(n));
        } else {
            moving = std::string(1, static_cast<char>(cells_[static_cast<size_t>(from - 8)]));
            cells_[static_cast<size_t>(from - 8)] = -1;
        }
        if (to < 0) ++home_[static_cast<size_t>(kit::Suit(moving[0]))];
        else if (to < 8) columns_[to] += moving;
        else cells_[static_cast<size_t>(to - 8)] = moving[0];
        path.push_back({Pile(from), from < 8 ? static_cast<int>(columns_[from].size()) : 0, Pile(to)});
        if (search(path)) return true;
        path.pop_back();
        if (to < 0) --home_[static_cast<size_t>(kit::Suit(moving[0]))];
        else if (to < 8) columns_[to].resize(columns_[to].size() - moving.size());
        else cells_[static_cast<size_t>(to - 8)] = -1;
        if (from < 8) columns_[from] += moving;
        else cells_[static_cast<size_t>(from - 8)] = moving[0];
        return false;
    }

    bool search(std::vector<Step>& path)
    {
        if (std::all_of(home_.begin(), home_.end(), [](char n) { return n == 13; })) return true;
        if (++nodes_ > 300000 || path.size() > 400 || !seen_.insert(key()).second) return false;
        for (int p = 0; p < 12; ++p) {  // a card safe at home goes there without choice
            const Card c = topOf(p);
            if (c >= 0 && homeTakes(c) && safe(c)) return tryMove(p, 1, -1, path);
        }
        for (int p = 0; p < 12; ++p)
            if (topOf(p) >= 0 && homeTakes(topOf(p)) && tryMove(p, 1, -1, path)) return true;
        for (int from = 0; from < 8; ++from) {  // runs onto cards
            const int run = runLength(from);
            for (int to = 0; to < 8; ++to) {
                if (to == from || columns_[to].empty()) continue;
                // Only whole runs: splitting one onto another card gains nothing here.
                const Card bottom = columns_[from][columns_[from].size() - static_cast<size_t>(run)];
                if (Fits(columns_[to].back(), bottom) && run <= (freeCells() + 1) << emptyColumns(-1) &&
                    tryMove(from, run, to, path))
                    return true;
            }
        }
        for (int cell = 8; cell < 12; ++cell)
            for (int to = 0; to < 8; ++to)
                if (topOf(cell) >= 0 && !columns_[to].empty() && Fits(columns_[to].back(), topOf(cell)) &&
                    tryMove(cell, 1, to, path))
                    return true;
        const int empty = static_cast<int>(std::find_if(columns_.begin(), columns_.end(),
                                                        [](const std::string& c) { return c.empty(); }) -
                                           columns_.begin());
        if (empty < 8) {
            for (int from = 0; from < 8; ++from) {  // the longest run that can go into an empty column
                const int n = std::min(runLength(from), (freeCells() + 1) << emptyColumns(empty));
                if (n > 0 && n < static_cast<int>(columns_[from].size()) && tryMove(from, n, empty, path)) return true;
            }
            for (int cell = 8; cell < 12; ++cell)
                if (topOf(cell) >= 0 && tryMove(cell, 1, empty, path)) return true;
        }
        const int cell = static_cast<int>(std::find(cells_.begin(), cells_.end(), -1) - cells_.begin());
        if (cell < 4)
            for (int from = 0; from < 8; ++from)
                if (!columns_[from].empty() && tryMove(from, 1, 8 + cell, path)) return true;
        return false;
    }

    std::array<std::string, 8> columns_;
    std::array<int, 4> cells_ = {-1, -1, -1, -1};
    std::array<char, 4> home_ = {};
    std::unordered_set<std::string> seen_;
    int nodes_ = 0;
};

struct StuckCase {
    const char* lastColumn;
    bool lost;
};

TEST_F(FreeCellGame, IsLostWhenNoLegalMoveIsLeft)
{
    // The queen fills the last free cell; then only a red ten on a black jack would move.
    for (const StuckCase c : {StuckCase{"JC", true}, StuckCase{"TD", false}}) {
        ASSERT_TRUE(g.start(3));
        const int lostBefore = g->GamesLost();
        g.arrange({{C(0), "KS"}, {C(1), "KH"}, {C(2), "KD"}, {T(0), "5S QH"}, {T(1), "5C"}, {T(2), "7S"},
                   {T(3), "7C"}, {T(4), "9S"}, {T(5), "9C"}, {T(6), "JS"}, {T(7), c.lastColumn}});
        ASSERT_TRUE(g->DragCard(T(0), 1, C(3)));
        EXPECT_EQ(g->GamesLost() - lostBefore, c.lost ? 1 : 0) << c.lastColumn;
        EXPECT_EQ(g->GameInPlay(), !c.lost) << c.lastColumn;
    }
}

TEST_F(FreeCellGame, PlaysRealDealsFromStartToWin)
{
    for (uint32_t seed = 1; seed <= 5; ++seed) {
        ASSERT_TRUE(g.start(seed));
        const int wonBefore = g->GamesWon();
        std::vector<FreeCellSearch::Step> path;
        ASSERT_TRUE(FreeCellSearch(g).solve(path)) << "seed " << seed;
        for (const FreeCellSearch::Step& s : path) {
            const int to = s.to >= 0 ? s.to : gametest::HomeFor(g, g.top(s.from), F(0), 4);
            const int card = s.to < 0 || s.from < kTableau ? g.count(s.from) - 1 : s.card;
            ASSERT_TRUE(g->DragCard(s.from, card, to)) << "seed " << seed << ": " << g.pile(s.from) << " to " << g.pile(to);
        }
        EXPECT_EQ(g->GamesWon(), wonBefore + 1) << "seed " << seed;
        EXPECT_EQ(g->Module(0).entry.getScore(), 52);
    }
}

}  // namespace

// Flower Garden on the headless host.
#include <algorithm>
#include <array>
#include <unordered_set>

#include "move_table.h"

namespace {

using gametest::Session;

constexpr int kBouquet = 0, kFoundation = 1, kBeds = 5;
constexpr int F(int i) { return kFoundation + i; }
constexpr int B(int i) { return kBeds + i; }

class FlowerGardenGame : public ::testing::Test {
protected:
    Session g{FLOWERGD_MODULE};
};

TEST_F(FlowerGardenGame, DealsSixBedsOfSixAndABouquetOfSixteen)
{
    ASSERT_TRUE(g.start(1));
    for (int b = 0; b < 6; ++b) {
        EXPECT_EQ(g.count(B(b)), 6);
        for (int k = 0; k < 6; ++k) EXPECT_EQ(g->Stack(B(b)).cards[k].faceDown, 0u);
    }
    EXPECT_EQ(g.pile(B(0)), "4H KS 8D 5C 9S 7H");
    EXPECT_EQ(g.pile(kBouquet), "2H 7D TS 3S 9C AC 8S 4C JC JS KH 9H QS TC 2S 6D");
    EXPECT_EQ(g->MessageText(), "Bouquet: 16 cards");
}

TEST_F(FlowerGardenGame, AcceptsLegalMovesAndRefusesOthers)
{
    const std::map<int, std::string> position = {
        {kBouquet, "2H"}, {F(0), "AS"}, {F(1), "AH"}, {B(0), "9C 8H"}, {B(1), "TD"}, {B(3), "3S 2S"}, {B(4), "9D"},
    };
    gametest::ExpectMoves(g, 3, position, {
        {kBouquet, 0, F(1), true, "a bouquet card home"},
        {kBouquet, 0, B(2), true, "a bouquet card into an empty bed"},
        {B(0), 1, B(4), true, "down regardless of suit: red eight on red nine"},
        {B(0), 0, B(1), false, "one card at a time: nine and eight together"},
        {B(1), 0, B(0), false, "a ten on an eight"},
        {B(1), 0, B(2), true, "any card into an empty bed"},
        {B(1), 0, kBouquet, false, "nothing goes back into the bouquet"},
        {B(3), 1, F(0), true, "two of spades on its ace"},
        {B(3), 1, F(1), false, "two of spades on the hearts"},
        {F(0), 0, B(2), false, "cards home stay home"},
    });
}

TEST_F(FlowerGardenGame, AnyBouquetCardPlaysAndUndoPutsItBackInItsPlace)
{
    ASSERT_TRUE(g.start(3));
    g.arrange({{kBouquet, "5C 2H 7D TS"}, {F(1), "AH"}, {B(0), "9C 8H"}});
    ASSERT_TRUE(g->DragCard(kBouquet, 2, B(0)));
    EXPECT_EQ(g.pile(B(0)), "9C 8H 7D");
    EXPECT_EQ(g.pile(kBouquet), "5C 2H TS");
    EXPECT_EQ(g->MessageText(), "Bouquet: 3 cards");
    g->Undo();
    EXPECT_EQ(g.pile(kBouquet), "5C 2H 7D TS");
    EXPECT_EQ(g.pile(B(0)), "9C 8H");

    ASSERT_TRUE(g->DoubleClick(kBouquet, 1));
    EXPECT_EQ(g.pile(F(1)), "AH 2H");
    EXPECT_EQ(g.pile(kBouquet), "5C 7D TS");
    ASSERT_TRUE(g->DoubleClick(kBouquet, 0));
    EXPECT_EQ(g.pile(kBouquet), "5C 7D TS") << "a card with no place at home stays";
}

TEST_F(FlowerGardenGame, AutoPlaySendsSafeCardsHomeFromTheWholeBouquet)
{
    const std::map<int, std::string> position = {
        {F(0), "AS"}, {F(1), "AH"},  {F(2), "AC"}, {F(3), "AD"},   {kBouquet, "2S KC 2H"},
        {B(0), "2C"}, {B(1), "5D"}, {B(2), "9C"}, {B(4), "8H 3S"},
    };
    for (bool autoPlay : {false, true}) {
        ASSERT_TRUE(g.start(3, autoPlay));
        g.arrange(position);
        ASSERT_TRUE(g->DragCard(B(2), 0, B(3)));
        if (!autoPlay) {
            EXPECT_EQ(g.pile(kBouquet), "2S KC 2H");
            continue;
        }
        EXPECT_EQ(g.pile(F(0)), "AS 2S");
        EXPECT_EQ(g.pile(F(1)), "AH 2H");
        EXPECT_EQ(g.pile(F(2)), "AC 2C");
        EXPECT_EQ(g.pile(kBouquet), "KC");
        EXPECT_EQ(g.pile(B(4)), "8H 3S") << "a three waits while the two of diamonds is out";
    }
}

TEST_F(FlowerGardenGame, IsLostWhenNoCardCanMove)
{
    struct Case {
        const char* bouquet;
        int lost;
    };
    for (const Case c : {Case{"7C 7D 2C", 1}, Case{"7C 7D 2C 8H", 0}}) {
        ASSERT_TRUE(g.start(3));
        const int lostBefore = g->GamesLost();
        g.arrange({{F(0), "AS"}, {F(1), "AH"}, {F(2), "AC"}, {F(3), "AD"}, {kBouquet, c.bouquet}, {B(0), "5S"},
                   {B(1), "5H"}, {B(2), "5C"}, {B(3), "5D"}, {B(4), "9S"}, {B(5), "9H"}});
        ASSERT_TRUE(g->DragCard(kBouquet, 2, F(2)));
        EXPECT_EQ(g->GamesLost() - lostBefore, c.lost) << c.bouquet;
        EXPECT_EQ(g->GameInPlay(), c.lost == 0) << c.bouquet;
    }
}

TEST_F(FlowerGardenGame, IsWonWhenEveryCardIsHome)
{
    ASSERT_TRUE(g.start(3, true));
    const auto runs = gametest::AlternatingRuns();
    g.arrange({{B(0), runs[0]}, {B(1), runs[1]}, {B(2), runs[2]}, {B(3), runs[3]}});
    ASSERT_TRUE(g->DragCard(B(0), 12, F(0)));
    EXPECT_EQ(g->GamesWon(), 1);
    EXPECT_EQ(g->Module(0).entry.getScore(), 52);
}

// A way through a real deal, found by a depth-first search over the beds,
// the bouquet and the foundations.
class FlowerGardenSearch {
public:
    struct Step {
        int from, card, to;  // piles as the table numbers them; to == -1: a foundation
    };

    explicit FlowerGardenSearch(Session& g)
    {
        for (int b = 0; b < 6; ++b)
            for (int k = 0; k < g.count(B(b)); ++k) beds_[b].push_back(static_cast<char>(g->Stack(B(b)).cards[k].image));
        for (int k = 0; k < g.count(kBouquet); ++k) bouquet_.push_back(static_cast<char>(g->Stack(kBouquet).cards[k].image));
    }
    bool solve(std::vector<Step>& path) { return search(path); }

private:
    using Card = gametest::Card;
    bool homeTakes(Card c) const { return home_[static_cast<size_t>(kit::Suit(c))] == kit::Rank(c); }
    bool safe(Card c) const
    {
        for (int s = 0; s < 4; ++s)
            if (home_[static_cast<size_t>(s)] < kit::Rank(c)) return false;
        return true;
    }
    static bool Fits(const std::string& bed, Card c) { return !bed.empty() && kit::Rank(bed.back()) == kit::Rank(c) + 1; }
    std::string key() const
    {
        std::array<std::string, 6> beds = beds_;
        std::sort(beds.begin(), beds.end());
        std::string k(home_.begin(), home_.end());
        for (const auto& b : beds) k += b + '|';
        return k + bouquet_;
    }

    // `from` 0..5 a bed, 6 the bouquet (with the card's place in it); `to`
    // 0..5 a bed, -1 home.
    bool tryMove(int from, int index, int to, std::vector<Step>& path)
    {
        std::string& source = from < 6 ? beds_[from] : bouquet_;
        const char c = source[static_cast<size_t>(index)];
        source.erase(static_cast<size_t>(index), 1);
        if (to < 0) ++home_[static_cast<size_t>(kit::Suit(c))];
        else beds_[to] += c;
        path.push_back({from < 6 ? B(from) : kBouquet, index, to < 0 ? -1 : B(to)});
        if (search(path)) return true;
        path.pop_back();
        if (to < 0) --home_[static_cast<size_t>(kit::Suit(c))];
        else beds_[to].pop_back();
        source.insert(static_cast<size_t>(index), 1, c);
        return false;
    }

    bool search(std::vector<Step>& path)
    {
        if (std::all_of(home_.begin(), home_.end(), [](char n) { return n == 13; })) return true;
        if (++nodes_ > 300000 || path.size() > 200 || !seen_.insert(key()).second) return false;
        // Every free card: (source, index) with bed tops first, then the bouquet.
        std::vector<std::pair<int, int>> free;
        for (int b = 0; b < 6; ++b)
            if (!beds_[b].empty()) free.push_back({b, static_cast<int>(beds_[b].size()) - 1});
        for (int k = 0; k < static_cast<int>(bouquet_.size()); ++k) free.push_back({6, k});
        auto card = [&](std::pair<int, int> f) -> Card {
            return (f.first < 6 ? beds_[f.first] : bouquet_)[static_cast<size_t>(f.second)];
        };
        for (auto f : free)  // a card safe at home goes there without choice
            if (homeTakes(card(f)) && safe(card(f))) return tryMove(f.first, f.second, -1, path);
        for (auto f : free)
            if (homeTakes(card(f)) && tryMove(f.first, f.second, -1, path)) return true;
        for (auto f : free) {
            // A card already built on its next higher card gains nothing by moving to another.
            if (f.first < 6 && f.second > 0 && Fits(beds_[f.first].substr(0, static_cast<size_t>(f.second)), card(f))) continue;
            for (int to = 0; to < 6; ++to)
                if (to != f.first && Fits(beds_[to], card(f)) && tryMove(f.first, f.second, to, path)) return true;
        }
        const int empty = static_cast<int>(std::find_if(beds_.begin(), beds_.end(), [](const std::string& b) { return b.empty(); }) -
                                           beds_.begin());
        if (empty < 6)
            for (auto f : free)
                if ((f.first == 6 || beds_[f.first].size() > 1) && tryMove(f.first, f.second, empty, path)) return true;
        return false;
    }

    std::array<std::string, 6> beds_;
    std::string bouquet_;
    std::array<char, 4> home_ = {};
    std::unordered_set<std::string> seen_;
    int nodes_ = 0;
};

TEST_F(FlowerGardenGame, PlaysARealDealFromStartToWin)
{
    constexpr uint32_t seed = 2;  // a deal the search wins
    ASSERT_TRUE(g.start(seed));
    std::vector<FlowerGardenSearch::Step> path;
    ASSERT_TRUE(FlowerGardenSearch(g).solve(path)) << "seed " << seed;
    for (const auto& s : path) {
        const gametest::Card c = g->Stack(s.from).cards[s.card].image;
        const int to = s.to >= 0 ? s.to : gametest::HomeFor(g, c, F(0), 4);
        ASSERT_TRUE(g->DragCard(s.from, s.card, to)) << gametest::CardName(c);
    }
    EXPECT_EQ(g->GamesWon(), 1);
    EXPECT_EQ(g.pile(kBouquet), "");
    EXPECT_EQ(g->Module(0).entry.getScore(), 52);
}

}  // namespace

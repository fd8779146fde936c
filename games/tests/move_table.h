// Tables of moves for the game tests: each case starts from the same
// arranged position, drags one card (with those above it) to a stack and
// says whether the game must accept it.
#pragma once

#include <gtest/gtest.h>

#include "game_session.h"

namespace gametest {

struct MoveCase {
    int from, card, to;
    bool accepted;
    const char* why;
};

inline void ExpectMoves(Session& g, uint32_t seed, const std::map<int, std::string>& position,
                        std::initializer_list<MoveCase> moves)
{
    for (const MoveCase& m : moves) {
        ASSERT_TRUE(g.start(seed));
        g.arrange(position);
        const std::string source = g.pile(m.from), target = g.pile(m.to);
        EXPECT_EQ(g->DragCard(m.from, m.card, m.to), m.accepted) << m.why;
        if (m.accepted) {
            EXPECT_EQ(g.count(m.from), m.card) << m.why << ": the cards left their stack";
            EXPECT_NE(g.pile(m.to), target) << m.why << ": the cards arrived";
        } else {
            EXPECT_EQ(g.pile(m.from), source) << m.why << ": the cards went back";
            EXPECT_EQ(g.pile(m.to), target) << m.why;
        }
    }
}

// The foundation (of `count` from pile `first`) a card goes to: the one
// already holding its suit, or else the first empty one.
inline int HomeFor(Session& g, Card c, int first, int count)
{
    for (int f = first; f < first + count; ++f)
        if (g.count(f) > 0 && kit::Suit(g->Stack(f).cards[0].image) == kit::Suit(c)) return f;
    for (int f = first; f < first + count; ++f)
        if (g.count(f) == 0) return f;
    return -1;
}

// Four alternating runs from king to ace: the whole deck, ready to go home.
inline std::vector<std::string> AlternatingRuns()
{
    return {"KS QH JS TH 9S 8H 7S 6H 5S 4H 3S 2H AS", "KH QS JH TS 9H 8S 7H 6S 5H 4S 3H 2S AH",
            "KC QD JC TD 9C 8D 7C 6D 5C 4D 3C 2D AC", "KD QC JD TC 9D 8C 7D 6C 5D 4C 3D 2C AD"};
}

// A suit home, from ace to king.
inline std::string SuitUp(char suit)
{
    std::string out;
    for (char r : std::string("A23456789TJQK")) out += std::string(out.empty() ? "" : " ") + r + suit;
    return out;
}

// A run in one suit from king to ace.
inline std::string SuitRun(char suit)
{
    std::string out;
    for (char r : std::string("KQJT98765432A")) out += std::string(out.empty() ? "" : " ") + r + suit;
    return out;
}

}  // namespace gametest

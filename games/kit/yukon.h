// SPDX-License-Identifier: MIT
//
// The Yukon games (Yukon, Russian Solitaire): no stock; any face-up card
// moves together with all the cards above it, in order or not; only a king
// goes into an empty column; cards home may come back.
//
//                                      [found]
//   [ 1 ] [ 2 ] [ 3 ] [ 4 ] [ 5 ] [ 6 ] [ 7 ]   [found]
//    ...   ...   ...   ...   ...   ...   ...    [found]
//                                               [found]
//
// Column n (1..7) gets n - 1 face-down cards, then 1 (column 1) or 5
// face-up cards. Lost when no move is left. Score: the cards on the
// foundations. The variants differ in how the columns build.
#pragma once

#include <string>

#include "layout.h"
#include "patience.h"

namespace yukon {

using namespace kit;

struct Variant {
    const char* name;
    Build build;            // how the columns build, and what auto-play judges safe by
    bool countsCardsHome;   // the message area counts the cards home
};

inline constexpr Variant kYukon{"Yukon", Build::DownAlternate, false};
inline constexpr Variant kRussian{"Russian Solitaire", Build::DownSameSuit, true};

constexpr Grid kGrid;
constexpr int kX(int column) { return kGrid.x(column); }
constexpr int kFoundationX = kX(7) + 20;

inline PatienceRules RulesOf(const Variant& v)
{
    PatienceRules r;
    r.tableau = r.runs = r.safety = v.build;
    r.anyFaceUpLifts = true;
    r.emptyTableau = Empty::KingOnly;
    r.foundationReturns = true;
    r.lossWhenStuck = true;
    return r;
}

class YukonGame : public Patience {
public:
    explicit YukonGame(const Variant& v)
        : Patience(v.name, {kFoundationX + kCardWidth + kGrid.margin, kGrid.below(kGrid.margin, 36)}, RulesOf(v)),
          variant_(v)
    {
        for (int c = 0; c < 7; ++c) addPile(Role::Tableau, kX(c), kGrid.margin, TS_FAN_DOWN, TS_BASE_KING_ONLY, TS_CARDS);
        for (int s = 0; s < TS_SUITS; ++s)
            addPile(Role::Foundation, kFoundationX, kGrid.margin + 80 * s, TS_FAN_SQUARED, TS_BASE_FOUNDATION_ANY, 13);
    }

private:
    void deal() override
    {
        const std::vector<Card> cards = shuffled(fullDecks(1));
        const std::vector<int> columns = piles(Role::Tableau);
        size_t next = 0;
        for (int c = 0; c < 7; ++c) {
            const int down = c, up = c == 0 ? 1 : 5;
            for (int i = 0; i < down + up; ++i) dealCard(columns[c], cards[next++], i < down ? Face::Down : Face::Up);
        }
    }

    std::string messageText() const override
    {
        return variant_.countsCardsHome ? Counted(cardsIn(Role::Foundation), "card") + " home" : std::string();
    }

    const Variant& variant_;
};

}  // namespace yukon

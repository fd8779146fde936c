// SPDX-License-Identifier: MIT
//
// The castle games (Streets and Alleys, Beleaguered Castle): every card face
// up in eight rows fanned sideways, four on each side of a column of
// foundations; build down regardless of suit; any card goes into an empty
// row. Cards move one at a time; a run moves at once when empty rows would
// let it move card by card.
//
//   [ row 0 ... ]  [found]  [ row 4 ... ]
//   [ row 1 ... ]  [found]  [ row 5 ... ]
//   [ row 2 ... ]  [found]  [ row 6 ... ]
//   [ row 3 ... ]  [found]  [ row 7 ... ]
//
// Every row fans to the right, so a run lifted from it is carried just as it
// lies; the left rows have room to grow up to the foundations.
// Score: the cards on the foundations. The game is lost when no card can
// move anywhere that changes the table.
#pragma once

#include "layout.h"
#include "patience.h"

namespace castle {

using namespace kit;

constexpr int kRows = 8, kRowsPerSide = 4, kGap = 15;
constexpr int kRowPitch = kCardHeight + 10;
constexpr int kMargin = Grid{}.margin;

constexpr int WingWidth(int longestRow) { return kCardWidth + (longestRow - 1) * kFanStep; }
constexpr int FoundationX(int longestRow) { return kMargin + WingWidth(longestRow) + kGap; }
constexpr int RightAnchor(int longestRow) { return FoundationX(longestRow) + kCardWidth + kGap; }
constexpr Extent TableFor(int longestRow)
{
    return {RightAnchor(longestRow) + WingWidth(longestRow) + kMargin, kMargin + kRowsPerSide * kRowPitch - 10 + kMargin};
}

inline PatienceRules CastleRules(bool winnableDeals)
{
    PatienceRules r;
    r.winnableDeals = winnableDeals;
    r.tableau = r.runs = Build::DownAnySuit;
    r.emptyTableau = Empty::AnyCard;
    r.runsNeedSpace = true;
    r.lossWhenStuck = true;
    r.safety = Build::DownAnySuit;
    return r;
}

class Castle : public Patience {
protected:
    // `longestRow`: the most cards a row can ever hold; `acesHome`: the aces
    // start on the foundations and the other 48 cards are dealt;
    // `winnableDeals`: the game offers "Winnable deals only".
    Castle(const char* name, int longestRow, bool acesHome, bool winnableDeals = false)
        : Patience(name, TableFor(longestRow), CastleRules(winnableDeals)), acesHome_(acesHome)
    {
        for (int i = 0; i < kRows; ++i) {
            const bool left = i < kRowsPerSide;
            addPile(Role::Tableau, left ? kMargin : RightAnchor(longestRow), kMargin + (i % kRowsPerSide) * kRowPitch,
                    TS_FAN_RIGHT, TS_BASE_EMPTY, longestRow);
        }
        for (int s = 0; s < TS_SUITS; ++s)
            addPile(Role::Foundation, FoundationX(longestRow), kMargin + s * kRowPitch, TS_FAN_SQUARED,
                    TS_BASE_FOUNDATION_ANY, TS_RANKS);
    }

private:
    // Dealt a card to each row in turn, the left rows first.
    void deal() override
    {
        std::vector<Card> deck;
        const std::vector<int> foundations = piles(Role::Foundation), rows = piles(Role::Tableau);
        for (Card c : fullDecks(1)) {
            if (acesHome_ && Rank(c) == TS_RANK_ACE) dealCard(foundations[static_cast<size_t>(Suit(c))], c);
            else deck.push_back(c);
        }
        const std::vector<Card> cards = shuffled(deck);
        for (size_t i = 0; i < cards.size(); ++i) dealCard(rows[i % rows.size()], cards[i]);
    }

    std::string messageText() const override
    {
        const int run = longestRun(-1, -1);
        return run == 1 ? "Cards move one at a time" : "Runs of " + std::to_string(run) + " can move";
    }

    bool acesHome_;
};

}  // namespace castle

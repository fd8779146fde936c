// A small depth-first search for the open games (every card face up, no
// stock): columns, free cells and foundations built up in suit from the ace.
// It finds a way through a real deal as a list of drags the host can make,
// written apart from the games so that it checks them rather than copies
// them.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <unordered_set>
#include <vector>

#include "game_session.h"
#include "rules.h"

namespace gametest {

struct OpenRules {
    bool sameSuit;     // columns build down in suit (else down in any suit)
    kit::Empty empty;  // what an empty column takes: KingOnly, AnyCard or Nothing
    bool runs;         // runs move at once as far as free cells and empty columns allow
};

// The piles of a game as the table numbers them.
struct OpenPiles {
    std::vector<int> columns, cells, foundations;
};

class OpenSearch {
public:
    struct Step {
        int from, card, to;  // piles as the table numbers them; to == -1: a foundation
    };

    OpenSearch(Session& g, OpenRules rules, OpenPiles piles) : rules_(rules), piles_(std::move(piles))
    {
        for (int p : piles_.columns) {
            std::string col;
            for (int k = 0; k < g.count(p); ++k) col += static_cast<char>(g->Stack(p).cards[k].image);
            columns_.push_back(col);
        }
        for (int p : piles_.cells) cells_.push_back(g.count(p) ? g.top(p) : -1);
        for (int f : piles_.foundations)
            if (g.count(f) > 0) home_[static_cast<size_t>(kit::Suit(g.top(f)))] = static_cast<char>(g.count(f));
    }

    bool solve(std::vector<Step>& path, int nodeLimit = 300000)
    {
        nodeLimit_ = nodeLimit;
        return search(path);
    }

    // Plays the steps as drags; false (with a failure reported) at the first refused one.
    static bool Play(Session& g, const std::vector<Step>& path, const std::vector<int>& foundations)
    {
        for (size_t i = 0; i < path.size(); ++i) {
            const Step& s = path[i];
            int to = s.to, card = s.card;
            if (to < 0) {
                card = g.count(s.from) - 1;
                to = HomeOf(g, g.top(s.from), foundations);
            }
            if (!g->DragCard(s.from, card, to)) {
                std::string table;
                for (const std::string& pile : g.table()) table += "\n  " + pile;
                ADD_FAILURE() << "step " << i << ": pile " << s.from << " from card " << card << " to pile " << to
                              << "; the table:" << table;
                return false;
            }
        }
        return true;
    }

private:
    static int HomeOf(Session& g, Card c, const std::vector<int>& foundations)
    {
        for (int f : foundations)
            if (g.count(f) > 0 && kit::Suit(g->Stack(f).cards[0].image) == kit::Suit(c)) return f;
        for (int f : foundations)
            if (g.count(f) == 0) return f;
        return -1;
    }

    bool fits(Card lower, Card c) const
    {
        return kit::Rank(lower) == kit::Rank(c) + 1 && (!rules_.sameSuit || kit::Suit(lower) == kit::Suit(c));
    }
    bool homeTakes(Card c) const { return home_[static_cast<size_t>(kit::Suit(c))] == kit::Rank(c); }
    bool safe(Card c) const
    {
        if (rules_.sameSuit || kit::Rank(c) <= 1) return true;
        for (int s = 0; s < 4; ++s)
            if (home_[static_cast<size_t>(s)] < kit::Rank(c)) return false;
        return true;
    }
    int freeCells() const { return static_cast<int>(std::count(cells_.begin(), cells_.end(), -1)); }
    // The longest run that may move onto column `to` (-1: onto a card of no column).
    int maxRun(int to) const
    {
        if (!rules_.runs) return 1;
        int n = freeCells() + 1;
        if (rules_.empty == kit::Empty::AnyCard)
            for (size_t c = 0; c < columns_.size(); ++c)
                if (static_cast<int>(c) != to && columns_[c].empty()) n *= 2;
        return n;
    }
    // Cards at the top of column c that lie in sequence.
    int runLength(size_t c) const
    {
        const std::string& col = columns_[c];
        if (col.empty()) return 0;
        int n = 1;
        while (n < static_cast<int>(col.size()) && fits(col[col.size() - n - 1], col[col.size() - n])) ++n;
        return n;
    }
    std::string key() const
    {
        std::vector<std::string> cols = columns_;
        std::sort(cols.begin(), cols.end());
        std::string k(home_.begin(), home_.end());
        for (const auto& col : cols) k += col + '|';
        std::vector<int> cells = cells_;
        std::sort(cells.begin(), cells.end());
        for (int c : cells) k += static_cast<char>(c + 1);
        return k;
    }
    int columnCount() const { return static_cast<int>(columns_.size()); }
    int pileOf(int p) const  // a column 0.. or a cell after them
    {
        if (p < 0) return -1;
        return p < columnCount() ? piles_.columns[static_cast<size_t>(p)] : piles_.cells[static_cast<size_t>(p - columnCount())];
    }
    Card topOf(int p) const
    {
        if (p < columnCount()) return columns_[static_cast<size_t>(p)].empty() ? -1 : columns_[static_cast<size_t>(p)].back();
        return cells_[static_cast<size_t>(p - columnCount())];
    }

    // Moves the top n cards of `from` to `to` (-1 home) and searches on; undone on failure.
    bool tryMove(int from, int n, int to, std::vector<Step>& path)
    {
        const int columns = columnCount();
        std::string moving;
        int left = 0;
        if (from < columns) {
            std::string& col = columns_[static_cast<size_t>(from)];
            moving = col.substr(col.size() - static_cast<size_t>(n));
            col.resize(col.size() - static_cast<size_t>(n));
            left = static_cast<int>(col.size());
        } else {
            moving = std::string(1, static_cast<char>(cells_[static_cast<size_t>(from - columns)]));
            cells_[static_cast<size_t>(from - columns)] = -1;
        }
        if (to < 0) ++home_[static_cast<size_t>(kit::Suit(moving[0]))];
        else if (to < columns) columns_[static_cast<size_t>(to)] += moving;
        else cells_[static_cast<size_t>(to - columns)] = moving[0];
        path.push_back({pileOf(from), left, pileOf(to)});
        if (search(path)) return true;
        path.pop_back();
        if (to < 0) --home_[static_cast<size_t>(kit::Suit(moving[0]))];
        else if (to < columns) columns_[static_cast<size_t>(to)].resize(columns_[static_cast<size_t>(to)].size() - moving.size());
        else cells_[static_cast<size_t>(to - columns)] = -1;
        if (from < columns) columns_[static_cast<size_t>(from)] += moving;
        else cells_[static_cast<size_t>(from - columns)] = moving[0];
        return false;
    }

    bool search(std::vector<Step>& path)
    {
        if (std::all_of(home_.begin(), home_.end(), [](char n) { return n == 13; })) return true;
        if (++nodes_ > nodeLimit_ || path.size() > 500 || !seen_.insert(key()).second) return false;
        const int columns = columnCount(), piles = columns + static_cast<int>(cells_.size());
        for (int p = 0; p < piles; ++p) {  // a card safe at home goes there without choice
            const Card c = topOf(p);
            if (c >= 0 && homeTakes(c) && safe(c)) return tryMove(p, 1, -1, path);
        }
        for (int p = 0; p < piles; ++p)
            if (topOf(p) >= 0 && homeTakes(topOf(p)) && tryMove(p, 1, -1, path)) return true;
        for (int from = 0; from < columns; ++from) {  // runs onto cards
            const std::string& col = columns_[static_cast<size_t>(from)];
            const int run = runLength(static_cast<size_t>(from));
            if (run == 0) continue;
            for (int to = 0; to < columns; ++to) {
                const std::string& target = columns_[static_cast<size_t>(to)];
                if (to == from || target.empty()) continue;
                // Where runs move, only whole ones: moving part of one onto a
                // card of the same rank as the one it leaves gains nothing.
                // Where cards move one at a time, that is the only way.
                const int n = rules_.runs ? run : 1;
                if (n <= maxRun(to) && fits(target.back(), col[col.size() - static_cast<size_t>(n)]) &&
                    tryMove(from, n, to, path))
                    return true;
            }
        }
        for (int cell = columns; cell < piles; ++cell)
            for (int to = 0; to < columns; ++to)
                if (topOf(cell) >= 0 && !columns_[static_cast<size_t>(to)].empty() &&
                    fits(columns_[static_cast<size_t>(to)].back(), topOf(cell)) && tryMove(cell, 1, to, path))
                    return true;
        const int empty = static_cast<int>(std::find_if(columns_.begin(), columns_.end(),
                                                        [](const std::string& c) { return c.empty(); }) -
                                           columns_.begin());
        if (empty < columns && rules_.empty != kit::Empty::Nothing) {
            const bool kings = rules_.empty == kit::Empty::KingOnly;
            for (int from = 0; from < columns; ++from) {
                const std::string& col = columns_[static_cast<size_t>(from)];
                int n = std::min(runLength(static_cast<size_t>(from)), maxRun(empty));
                if (kings)  // the run from its king, when it can move whole
                    while (n > 0 && kit::Rank(col[col.size() - static_cast<size_t>(n)]) != TS_RANK_KING) --n;
                if (n > 0 && n < static_cast<int>(col.size()) && tryMove(from, n, empty, path)) return true;
            }
            for (int cell = columns; cell < piles; ++cell)
                if (topOf(cell) >= 0 && (!kings || kit::Rank(topOf(cell)) == TS_RANK_KING) && tryMove(cell, 1, empty, path))
                    return true;
        }
        const int cell = static_cast<int>(std::find(cells_.begin(), cells_.end(), -1) - cells_.begin());
        if (cell < static_cast<int>(cells_.size()))
            for (int from = 0; from < columns; ++from)
                if (!columns_[static_cast<size_t>(from)].empty() && tryMove(from, 1, columns + cell, path)) return true;
        return false;
    }

    OpenRules rules_;
    OpenPiles piles_;
    std::vector<std::string> columns_;
    std::vector<int> cells_;
    std::array<char, 4> home_ = {};
    std::unordered_set<std::string> seen_;
    int nodes_ = 0, nodeLimit_ = 0;
};

}  // namespace gametest

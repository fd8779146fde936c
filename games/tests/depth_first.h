// The one search of the game tests: depth first over positions that a test
// writes for its game apart from the kit, so that the way it finds through a
// real deal checks the game rather than copying it. A position says when it
// is won, gives its key (alike positions, alike keys) and lists its moves,
// the most promising first; the search plays them on copies.
//
//   struct Position {
//       bool won() const;
//       std::string key() const;
//       std::vector<Move> moves() const;
//       void play(const Move&);
//   };
#pragma once

#include <string>
#include <unordered_set>
#include <vector>

namespace gametest {

template <class Position, class Move>
class DepthFirst {
public:
    explicit DepthFirst(int nodeLimit = 300000, size_t depthLimit = 500) : nodeLimit_(nodeLimit), depthLimit_(depthLimit) {}

    // The moves from `start` to a won position; false when none was found within the limits.
    bool solve(const Position& start, std::vector<Move>& path)
    {
        path.clear();
        return search(start, path);
    }

private:
    bool search(const Position& here, std::vector<Move>& path)
    {
        if (here.won()) return true;
        if (++nodes_ > nodeLimit_ || path.size() > depthLimit_ || !seen_.insert(here.key()).second) return false;
        for (const Move& m : here.moves()) {
            Position next = here;
            next.play(m);
            path.push_back(m);
            if (search(next, path)) return true;
            path.pop_back();
        }
        return false;
    }

    int nodeLimit_;
    size_t depthLimit_;
    int nodes_ = 0;
    std::unordered_set<std::string> seen_;
};

}  // namespace gametest

// SPDX-License-Identifier: MIT
#include "solver.h"

#include <algorithm>
#include <cstring>

#include "patience.h"

namespace kit {

namespace {

constexpr uint64_t Mix(uint64_t x)
{
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

// The positions seen: open addressing over 64-bit keys (0 is never a key).
class PositionTable {
public:
    explicit PositionTable(int bits) : keys_(size_t{1} << std::clamp(bits, 8, 26), 0), mask_(keys_.size() - 1) {}
    // False when the key was there already.
    bool insert(uint64_t key)
    {
        if (key == 0) key = 1;
        for (size_t i = key & mask_;; i = (i + 1) & mask_) {
            if (keys_[i] == key) return false;
            if (keys_[i] == 0) {
                keys_[i] = key;
                ++used_;
                return true;
            }
        }
    }
    bool full() const { return used_ * 4 >= keys_.size() * 3; }

private:
    std::vector<uint64_t> keys_;
    size_t mask_;
    size_t used_ = 0;
};

bool Interchangeable(Role r) { return r == Role::Tableau || r == Role::Cell || r == Role::Foundation; }
bool IsPlayPile(Role r) { return r == Role::Waste || r == Role::Tableau || r == Role::Cell || r == Role::Reserve; }

}  // namespace

std::string CardWords(Card c)
{
    static const char* const kRanks[TS_RANKS] = {"ace", "2", "3", "4", "5", "6", "7", "8", "9", "10", "jack", "queen", "king"};
    static const char* const kSuits[TS_SUITS] = {"clubs", "diamonds", "hearts", "spades"};
    if (!IsCard(c)) return "?";
    return std::string(kRanks[Rank(c)]) + " of " + kSuits[Suit(c)];
}

std::string CardShort(Card c)
{
    static const char* const kRanks[TS_RANKS] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    static const char kSuits[TS_SUITS + 1] = "CDHS";
    if (!IsCard(c)) return "?";
    return std::string(kRanks[Rank(c)]) + kSuits[Suit(c)];
}

// The search works on copies of the game's piles, which it hands to the game
// in place of the real ones while the game plays its moves on them. Each
// move is taken back by putting the piles and the game's state back as they
// were before it.
struct Solver::Search {
    struct Step {
        SolverMove move;
        int score = 0;  // ordering: higher first
    };
    // The piles and the game's state at one moment.
    struct Snapshot {
        std::vector<int16_t> counts;
        std::vector<size_t> firsts;  // where each pile's cards start in `cards`
        std::vector<CardEntry> cards;
        std::vector<uint64_t> hashes;
        std::vector<uint8_t> state;
        uint64_t stateKey = 0;
    };

    Patience& g;
    std::vector<std::vector<uint64_t>> storage;
    std::vector<CardStack*> copies, real;
    std::vector<uint64_t> pileClass, pileHash;
    uint64_t stateKey = 0;
    std::vector<int> touched;  // the piles the last move changed
    Snapshot start;
    uint64_t key = 0;
    std::vector<uint64_t> movingStorage;
    CardStack* moving = nullptr;
    bool hasStock = false;
    bool wasOffTable = false;

    explicit Search(Patience& game) : g(game)
    {
        const int n = g.pileCount();
        storage.resize(static_cast<size_t>(n));
        for (int p = 0; p < n; ++p) {
            const CardStack* s = g.stack(p);
            const size_t bytes = TS_STACK_BYTES(std::max<int>(s->capacity, 1));
            storage[p].assign((bytes + 7) / 8, 0);
            auto* c = reinterpret_cast<CardStack*>(storage[p].data());
            std::memcpy(c, s, TS_STACK_BYTES(s->count));
            for (int k = 0; k < c->count; ++k) c->cards[k].mark = 0;
            copies.push_back(c);
        }
        movingStorage.assign((TS_STACK_BYTES(TS_CARDS * 2) + 7) / 8, 0);
        moving = reinterpret_cast<CardStack*>(movingStorage.data());
        hasStock = !g.piles(Role::Stock).empty();
        real = g.exchangeStacks(copies);
        wasOffTable = g.offTable();
        g.setOffTable(true);
        g.setSearching(true);
        classify();
        pileHash.assign(static_cast<size_t>(n), 0);
        for (int p = 0; p < n; ++p) key += Mix(pileClass[p] ^ (pileHash[p] = hashOf(p)));
        stateKey = Mix(g.searchState() ^ 0x5bd1e995ull);
        key += stateKey;
        save(start);
        g.recordChanges(&touched);
    }
    ~Search()
    {
        g.recordChanges(nullptr);
        restoreAll(start);
        g.setSearching(false);
        g.setOffTable(wasOffTable);
        g.exchangeStacks(real);
    }

    void save(Snapshot& s) const
    {
        const int n = g.pileCount();
        s.counts.resize(static_cast<size_t>(n));
        s.firsts.resize(static_cast<size_t>(n));
        s.cards.clear();
        for (int p = 0; p < n; ++p) {
            s.counts[p] = copies[p]->count;
            s.firsts[p] = s.cards.size();
            s.cards.insert(s.cards.end(), copies[p]->cards, copies[p]->cards + copies[p]->count);
        }
        s.hashes = pileHash;
        s.state.assign(g.stateBytes(), g.stateBytes() + g.stateSize());
        s.stateKey = stateKey;
    }
    void restorePile(const Snapshot& s, int p)
    {
        copies[p]->count = s.counts[p];
        std::copy_n(s.cards.begin() + static_cast<std::ptrdiff_t>(s.firsts[p]), s.counts[p], copies[p]->cards);
        pileHash[p] = s.hashes[p];
    }
    void restoreAll(const Snapshot& s)
    {
        for (int p = 0; p < g.pileCount(); ++p) restorePile(s, p);
        g.restoreState(s.state.data());
        stateKey = s.stateKey;
    }

    // Piles the rules cannot tell apart share a class; their order does not count.
    void classify()
    {
        const int n = g.pileCount();
        pileClass.assign(static_cast<size_t>(n), 0);
        for (int p = 0; p < n; ++p) {
            pileClass[p] = Mix(static_cast<uint64_t>(p) + 1000);
            if (!Interchangeable(g.role(p)) || g.inCovering(p)) continue;
            for (int q = 0; q < p; ++q) {
                if (g.role(q) == g.role(p) && !g.inCovering(q) && g.pile(q).capacity == g.pile(p).capacity &&
                    g.pileRules(q) == g.pileRules(p) &&
                    (g.role(p) != Role::Foundation || g.foundationRule(q) == g.foundationRule(p))) {
                    pileClass[p] = pileClass[q];
                    break;
                }
            }
        }
    }

    uint64_t hashOf(int p) const
    {
        const CardStack* s = copies[p];
        uint64_t h = 0xCBF29CE484222325ull;
        for (int k = 0; k < s->count; ++k)
            h = (h ^ static_cast<uint64_t>(s->cards[k].image + (s->cards[k].faceDown ? 64 : 0) + 1)) * 0x100000001B3ull;
        return h;
    }
    void rehash(int p)
    {
        key -= Mix(pileClass[p] ^ pileHash[p]);
        pileHash[p] = hashOf(p);
        key += Mix(pileClass[p] ^ pileHash[p]);
    }

    // --- Moves ---
    // Plays the move with the game's own step; false when the game refused
    // it or its outcome cannot be known (a shuffle). The caller saved the position.
    bool apply(const SolverMove& m, bool& unknowable, std::vector<int>& changed)
    {
        g.setSearching(true);
        touched.clear();
        const bool played = g.play(m);
        unknowable = g.guessed();
        for (int p : touched) rehash(p);
        changed = touched;
        if (g.stateSize() > 0) {
            key -= stateKey;
            stateKey = Mix(g.searchState() ^ 0x5bd1e995ull);
            key += stateKey;
        }
        return played && !unknowable;
    }
    // Takes back the last move, from the position saved before it.
    void undo(const Snapshot& before, uint64_t keyBefore, const std::vector<int>& changed)
    {
        for (int p : changed) restorePile(before, p);
        g.restoreState(before.state.data());
        stateKey = before.stateKey;
        key = keyBefore;
    }

    // A safe card to a foundation, played as the game's auto-play would.
    bool forcedMove(Step& st) const
    {
        for (int p = 0; p < g.pileCount(); ++p) {
            if (!IsPlayPile(g.role(p)) || g.covered(p) || !g.topFaceUp(p)) continue;
            if (!g.safeToPlay(g.top(p))) continue;
            const int f = g.homeFor(p);
            if (f < 0) continue;
            st = Step{{p, g.count(p) - 1, f}, 0};
            return true;
        }
        return false;
    }

    // Per pile, the card nearest the top that a foundation would take now (-1: none).
    std::vector<int> wanted;
    void findWanted()
    {
        wanted.assign(static_cast<size_t>(g.pileCount()), -1);
        for (int p = 0; p < g.pileCount(); ++p) {
            if (!IsPlayPile(g.role(p))) continue;
            for (int k = g.count(p) - 1; k >= 0; --k) {
                if (g.faceUp(p, k) && g.foundationFor(g.cardAt(p, k)) >= 0) {
                    wanted[p] = k;
                    break;
                }
            }
        }
    }

    int scoreOf(int from, int index, int cards, int to) const
    {
        const Role rf = g.role(from), rt = g.role(to);
        int s = 0;
        // Digging towards a card that could go home; burying one is bad.
        if (wanted[from] >= 0 && index > wanted[from] && rt != Role::Foundation) s += 300 - 10 * (index - wanted[from] - 1);
        if (rt != Role::Foundation && wanted[to] >= 0) s -= 150;
        // A card that lies on a card it builds on goes sideways: worth little.
        if (rf == Role::Tableau && index > 0 && g.faceUp(from, index - 1) &&
            Follows(g.pileRules(from).build, g.cardAt(from, index - 1), g.cardAt(from, index)))
            s -= 150;
        if (rt == Role::Foundation) s += 1000;
        if (rf == Role::Foundation) s -= 400;
        if (rf == Role::Tableau && index > 0) {
            if (!g.faceUp(from, index - 1)) s += 600;
            else if (g.foundationFor(g.cardAt(from, index - 1)) >= 0) s += 150;
        }
        if (rf == Role::Tableau && index == 0 && g.count(from) == cards) s += 250;
        if (rt == Role::Tableau) {
            if (g.empty(to)) s += 40;
            else s += 200 + cards;
            if (rf != Role::Tableau && rf != Role::Foundation) s += 100;
        }
        if (rt == Role::Cell) s += 10;
        return s;
    }

    // Every drag the game allows from here (one empty pile standing for the
    // alike ones), best first; with `clicks`, the click on the stock last.
    void generate(std::vector<Step>& out, Goal goal, bool clicks)
    {
        out.clear();
        if (goal == Goal::Win) {
            Step forced;
            if (forcedMove(forced)) {
                out.push_back(forced);
                return;
            }
        }
        const int piles = g.pileCount();
        findWanted();
        for (int p = 0; p < piles; ++p) {
            const Role rp = g.role(p);
            if (rp == Role::Stock || rp == Role::Discard || g.covered(p) || g.empty(p)) continue;
            const Lift lift = g.liftOf(p);
            if (lift == Lift::Nothing) continue;
            const CardStack* s = g.stack(p);
            const int n = s->count;
            for (int i = n - 1; i >= 0; --i) {
                const int cards = g.liftable(p, i);
                if (cards == 0) {
                    if (lift == Lift::AnyCard || lift == Lift::TopOrWhole) continue;
                    break;
                }
                moving->capacity = moving->count = static_cast<int16_t>(cards);
                for (int j = 0; j < cards; ++j) moving->cards[j] = s->cards[i + j];
                uint64_t emptyTried[4] = {0, 0, 0, 0};
                int emptyCount = 0;
                for (int to = 0; to < piles; ++to) {
                    if (to == p || g.count(to) + cards > g.stack(to)->capacity) continue;
                    if (g.onlyShifts(p, cards, to)) continue;
                    const bool toEmpty = g.empty(to);
                    if (toEmpty) {
                        bool seen = false;
                        for (int e = 0; e < emptyCount; ++e) seen = seen || emptyTried[e] == pileClass[to];
                        if (seen) continue;
                    }
                    if (!g.accepts(p, moving, to)) continue;
                    if (toEmpty && emptyCount < 4) emptyTried[emptyCount++] = pileClass[to];
                    out.push_back(Step{{p, i, to}, scoreOf(p, i, cards, to)});
                }
                if (lift == Lift::Top || lift == Lift::TopButFirst) break;
            }
        }
        if (clicks && hasStock) out.push_back(Step{{-1, 0, -1}, 0});
        // Best first, in the order found among equals (no allocation, unlike stable_sort).
        for (size_t i = 1; i < out.size(); ++i)
            for (size_t j = i; j > 0 && out[j - 1].score < out[j].score; --j) std::swap(out[j - 1], out[j]);
    }

    // --- Searches ---
    SolverBudget budget;
    long positions = 0;
    bool cut = false;  // the answer is not complete: some line was not searched to its end
    std::unique_ptr<PositionTable> seen;
    std::vector<std::vector<Step>> stepsAt;  // the moves tried at each depth, kept to spare allocations
    std::vector<Snapshot> snapshotsAt;
    std::vector<std::vector<int>> changedAt;  // the piles each depth's move changed
    std::vector<SolverMove> line;
    std::vector<uint64_t> keys;

    void prepare(int depth)
    {
        stepsAt.resize(static_cast<size_t>(std::max(depth, 4)) + 2);
        snapshotsAt.resize(stepsAt.size());
        changedAt.resize(stepsAt.size());
    }

    bool spent()
    {
        if (positions >= budget.positions || seen->full()) {
            cut = true;
            return true;
        }
        return false;
    }

    bool winFrom(int depth)
    {
        if (g.won()) return true;
        if (spent()) return false;
        ++positions;
        if (depth >= budget.depth) {
            cut = true;
            return false;
        }
        std::vector<Step>& steps = stepsAt[static_cast<size_t>(depth)];
        Snapshot& here = snapshotsAt[static_cast<size_t>(depth)];
        std::vector<int>& changed = changedAt[static_cast<size_t>(depth)];
        generate(steps, Goal::Win, true);
        save(here);
        for (const Step& st : steps) {
            const uint64_t before = key;
            bool unknowable = false;
            if (apply(st.move, unknowable, changed) && seen->insert(key)) {
                line.push_back(st.move);
                keys.push_back(before);
                if (winFrom(depth + 1)) return true;
                line.pop_back();
                keys.pop_back();
            }
            if (unknowable) cut = true;
            undo(here, before, changed);
            if (spent()) return false;
        }
        return false;
    }

    int faceDownCards() const
    {
        int n = 0;
        for (int p = 0; p < g.pileCount(); ++p)
            for (int k = 0; k < copies[p]->count; ++k) n += copies[p]->cards[k].faceDown ? 1 : 0;
        return n;
    }

    // A line of at most `depth` moves to a card home, a card turned or a column or waste emptied.
    bool progressWithin(int depth, int homeAtStart, int hiddenAtStart)
    {
        if (depth == 0 || spent()) return false;
        ++positions;
        std::vector<Step>& steps = stepsAt[static_cast<size_t>(depth)];
        Snapshot& here = snapshotsAt[static_cast<size_t>(depth)];
        std::vector<int>& changed = changedAt[static_cast<size_t>(depth)];
        generate(steps, Goal::Progress, false);
        save(here);
        for (const Step& st : steps) {
            const uint64_t before = key;
            bool unknowable = false;
            if (!apply(st.move, unknowable, changed)) {
                undo(here, before, changed);
                continue;
            }
            const Role rf = g.role(st.move.from);
            // A card onto a foundation counts, also from another kind of foundation (Windmill's corners).
            const bool progress = faceDownCards() < hiddenAtStart || g.cardsIn(Role::Foundation) > homeAtStart ||
                                  (st.move.to >= 0 && g.role(st.move.to) == Role::Foundation) ||
                                  ((rf == Role::Tableau || rf == Role::Waste) && g.empty(st.move.from));
            line.push_back(st.move);
            if (progress || progressWithin(depth - 1, homeAtStart, hiddenAtStart)) {
                undo(here, before, changed);
                return true;
            }
            line.pop_back();
            undo(here, before, changed);
            if (spent()) return false;
        }
        return false;
    }

    bool clickChanges()
    {
        if (!hasStock) return false;
        Snapshot before;
        save(before);
        const uint64_t k = key;
        bool unknowable = false;
        std::vector<int> changed;
        const bool played = apply({-1, 0, -1}, unknowable, changed);
        const bool differs = unknowable || (played && key != k);
        undo(before, k, changed);
        return differs;
    }

    bool anyMoveLeft()
    {
        for (int p = 0; p < g.pileCount(); ++p)
            if (g.pileRules(p).turnsExposed && !g.covered(p) && !g.empty(p) && !g.topFaceUp(p)) return true;
        if (clickChanges()) return true;
        std::vector<Step> steps, after;
        generate(steps, Goal::Progress, false);
        Snapshot before;
        save(before);
        const uint64_t k = key;
        for (const Step& st : steps) {
            if (g.role(st.move.from) != Role::Foundation) return true;
            // A foundation's card taken back counts when another card could then go onto it.
            bool unknowable = false;
            bool helps = false;
            std::vector<int> changed;
            if (apply(st.move, unknowable, changed)) {
                generate(after, Goal::Progress, false);
                for (const Step& next : after)
                    helps = helps || (next.move.to == st.move.to && g.role(next.move.from) != Role::Foundation);
            }
            undo(before, k, changed);
            if (helps) return true;
        }
        return false;
    }
};

Solver::Solver(Patience& game) : game_(game) {}
Solver::~Solver() = default;

uint64_t Solver::key()
{
    Search s(game_);
    return s.key;
}

bool Solver::clickChanges()
{
    Search s(game_);
    return s.clickChanges();
}

bool Solver::anyMoveLeft()
{
    Search s(game_);
    s.seen = std::make_unique<PositionTable>(8);
    return s.anyMoveLeft();
}

Solution Solver::solve(const SolverBudget& budget, Goal goal)
{
    Search s(game_);
    s.budget = budget;
    s.seen = std::make_unique<PositionTable>(budget.tableBits);
    s.prepare(budget.depth);
    Solution out;
    if (goal == Goal::Win) {
        s.seen->insert(s.key);
        if (s.winFrom(0)) {
            out.verdict = Verdict::Won;
            out.line = s.line;
            out.keys = s.keys;
        } else {
            out.verdict = s.cut ? Verdict::Unknown : Verdict::Lost;
        }
    } else {
        const int home = game_.cardsIn(Role::Foundation), hidden = s.faceDownCards();
        for (int depth = 1; depth <= 4 && !s.spent(); ++depth) {
            s.line.clear();
            if (s.progressWithin(depth, home, hidden)) {
                out.verdict = Verdict::Won;
                out.line = s.line;
                break;
            }
        }
    }
    out.positions = s.positions;
    return out;
}

}  // namespace kit

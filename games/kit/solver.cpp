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
// in place of the real ones while it asks the game's rules.
struct Solver::Search {
    struct Step {
        SolverMove move;
        int cards = 0;         // cards moved (stock: dealt; negative: turned back)
        bool turned = false;   // a face-down card left on top of `from` turned up
        int score = 0;         // ordering: higher first
    };

    Patience& g;
    StockPlay stock;
    std::vector<std::vector<uint64_t>> storage;
    std::vector<CardStack*> copies, real;
    std::vector<uint64_t> pileClass, pileHash;
    uint64_t key = 0;
    std::vector<uint64_t> movingStorage;
    CardStack* moving = nullptr;

    explicit Search(Patience& game) : g(game), stock(game.stockPlay())
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
        // The cards just turned over the waste count as the waste's top cards.
        if (stock.turned >= 0 && stock.waste >= 0) {
            CardStack* w = copies[stock.waste];
            CardStack* t = copies[stock.turned];
            for (int k = 0; k < t->count && w->count < w->capacity; ++k) w->cards[w->count++] = t->cards[k];
            t->count = 0;
        }
        movingStorage.assign((TS_STACK_BYTES(TS_CARDS * 2) + 7) / 8, 0);
        moving = reinterpret_cast<CardStack*>(movingStorage.data());
        real = g.exchangeStacks(copies);
        classify();
        for (int p = 0; p < n; ++p) key += Mix(pileClass[p] ^ (pileHash[p] = hashOf(p)));
    }
    ~Search() { g.exchangeStacks(real); }

    // Piles the rules cannot tell apart share a class; their order does not count.
    void classify()
    {
        const int n = g.pileCount();
        pileClass.assign(static_cast<size_t>(n), 0);
        pileHash.assign(static_cast<size_t>(n), 0);
        for (int p = 0; p < n; ++p) {
            pileClass[p] = Mix(static_cast<uint64_t>(p) + 1000);
            if (!Interchangeable(g.role(p)) || g.inCovering(p)) continue;
            for (int q = 0; q < p; ++q) {
                if (g.role(q) == g.role(p) && !g.inCovering(q) && g.pile(q).capacity == g.pile(p).capacity &&
                    g.liftOf(q) == g.liftOf(p) &&
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
    void push(int p, CardEntry e) { copies[p]->cards[copies[p]->count++] = e; }
    CardEntry pop(int p) { return copies[p]->cards[--copies[p]->count]; }

    void apply(Step& st)
    {
        const SolverMove& m = st.move;
        st.turned = false;
        if (m.stock()) {
            if (copies[stock.stock]->count > 0) {
                st.cards = std::min(stock.draw, static_cast<int>(copies[stock.stock]->count));
                for (int i = 0; i < st.cards; ++i) {
                    CardEntry e = pop(stock.stock);
                    e.faceDown = 0;
                    push(stock.waste, e);
                }
            } else {
                st.cards = -copies[stock.waste]->count;
                while (copies[stock.waste]->count > 0) {
                    CardEntry e = pop(stock.waste);
                    e.faceDown = 1;
                    push(stock.stock, e);
                }
            }
            rehash(stock.stock);
            rehash(stock.waste);
            return;
        }
        CardStack* from = copies[m.from];
        const int n = from->count;
        st.cards = m.index + st.cards > n ? n - m.index : st.cards;
        for (int k = 0; k < st.cards; ++k) push(m.to, from->cards[m.index + k]);
        for (int k = m.index + st.cards; k < n; ++k) from->cards[k - st.cards] = from->cards[k];
        from->count = static_cast<int16_t>(n - st.cards);
        if (g.role(m.from) == Role::Tableau && g.rules().turnExposed && from->count > 0 &&
            from->cards[from->count - 1].faceDown) {
            from->cards[from->count - 1].faceDown = 0;
            st.turned = true;
        }
        rehash(m.from);
        rehash(m.to);
    }

    void undo(const Step& st)
    {
        const SolverMove& m = st.move;
        if (m.stock()) {
            if (st.cards > 0) {
                for (int i = 0; i < st.cards; ++i) {
                    CardEntry e = pop(stock.waste);
                    e.faceDown = 1;
                    push(stock.stock, e);
                }
            } else {
                for (int i = 0; i < -st.cards; ++i) {
                    CardEntry e = pop(stock.stock);
                    e.faceDown = 0;
                    push(stock.waste, e);
                }
            }
            rehash(stock.stock);
            rehash(stock.waste);
            return;
        }
        CardStack* from = copies[m.from];
        CardStack* to = copies[m.to];
        if (st.turned) from->cards[from->count - 1].faceDown = 1;
        const int n = from->count;
        for (int k = n - 1; k >= m.index; --k) from->cards[k + st.cards] = from->cards[k];
        to->count = static_cast<int16_t>(to->count - st.cards);
        for (int k = 0; k < st.cards; ++k) from->cards[m.index + k] = to->cards[to->count + k];
        from->count = static_cast<int16_t>(n + st.cards);
        rehash(m.from);
        rehash(m.to);
    }

    bool stockPlayable() const
    {
        return stock.stock >= 0 && stock.waste >= 0 &&
               (copies[stock.stock]->count > 0 || copies[stock.waste]->count > 0);
    }

    // A safe card to a foundation, played as the game's auto-play would.
    bool forcedMove(Step& st) const
    {
        for (int p = 0; p < g.pileCount(); ++p) {
            if (!IsPlayPile(g.role(p)) || g.covered(p) || !g.topFaceUp(p)) continue;
            const Card c = g.top(p);
            if (!g.safeToPlay(c)) continue;
            const int f = g.foundationFor(c);
            if (f < 0) continue;
            st = Step{{p, g.count(p) - 1, f}, 1, false, 0};
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
            Follows(g.rules().tableau, g.cardAt(from, index - 1), g.cardAt(from, index)))
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

    void generate(std::vector<Step>& out, Goal goal)
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
                const int taken = LiftedCards(lift, s, i, g.rules().runs);
                if (taken == 0) {
                    if (lift == Lift::AnyCard) continue;
                    break;
                }
                const int cards = lift == Lift::AnyCard ? 1 : taken;
                moving->capacity = moving->count = static_cast<int16_t>(cards);
                for (int j = 0; j < cards; ++j) moving->cards[j] = s->cards[i + j];
                uint64_t emptyTried[4] = {0, 0, 0, 0};
                int emptyCount = 0;
                for (int to = 0; to < piles; ++to) {
                    if (to == p || g.count(to) + cards > g.stack(to)->capacity) continue;
                    const Role rt = g.role(to);
                    if (rp == Role::Foundation && rt == Role::Foundation) continue;
                    const bool toEmpty = g.empty(to);
                    if (cards == n && toEmpty && rt == rp) continue;
                    if (toEmpty) {
                        // One empty pile stands for all the alike ones.
                        bool seen = false;
                        for (int e = 0; e < emptyCount; ++e) seen = seen || emptyTried[e] == pileClass[to];
                        if (seen) continue;
                    }
                    if (!g.accepts(p, moving, to)) continue;
                    if (toEmpty && emptyCount < 4) emptyTried[emptyCount++] = pileClass[to];
                    out.push_back(Step{{p, i, to}, cards, false, scoreOf(p, i, cards, to)});
                }
                if (lift == Lift::Top) break;
            }
        }
        if (goal == Goal::Win && stockPlayable()) out.push_back(Step{{-1, 0, -1}, 0, false, 0});
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
    std::vector<Step>& stepsFor(int depth) { return stepsAt[static_cast<size_t>(depth)]; }
    std::vector<SolverMove> line;
    std::vector<uint64_t> keys;

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
        std::vector<Step>& steps = stepsFor(depth);
        generate(steps, Goal::Win);
        for (Step& st : steps) {
            const uint64_t before = key;
            apply(st);
            if (seen->insert(key)) {
                line.push_back(st.move);
                keys.push_back(before);
                if (winFrom(depth + 1)) return true;
                line.pop_back();
                keys.pop_back();
            }
            undo(st);
            if (spent()) return false;
        }
        return false;
    }

    // A line of at most `depth` moves to a card home, a card turned or a pile emptied.
    bool progressWithin(int depth, int homeAtStart)
    {
        if (depth == 0 || spent()) return false;
        ++positions;
        std::vector<Step>& steps = stepsFor(depth);
        generate(steps, Goal::Progress);
        for (Step& st : steps) {
            apply(st);
            const bool progress = st.turned || g.cardsIn(Role::Foundation) > homeAtStart ||
                                  (g.role(st.move.from) == Role::Tableau && g.empty(st.move.from));
            line.push_back(st.move);
            if (progress || progressWithin(depth - 1, homeAtStart)) {
                undo(st);
                return true;
            }
            line.pop_back();
            undo(st);
            if (spent()) return false;
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

Solution Solver::solve(const SolverBudget& budget, Goal goal)
{
    Search s(game_);
    s.budget = budget;
    s.seen = std::make_unique<PositionTable>(budget.tableBits);
    s.stepsAt.resize(static_cast<size_t>(std::max(budget.depth, 4)) + 2);
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
        const int home = game_.cardsIn(Role::Foundation);
        for (int depth = 1; depth <= 4 && !s.spent(); ++depth) {
            s.line.clear();
            if (s.progressWithin(depth, home)) {
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

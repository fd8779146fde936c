// Pyramid: remove pairs of exposed cards that add up to 13; kings go alone.
//
//                 [ ]                        row 0
//               [ ] [ ]                      ...
//             [ ] [ ] [ ]                    each card half covers two cards
//                ...                         of the row below it
//   [ ] [ ] [ ] [ ] [ ] [ ] [ ]              row 6
//
//   [stock] [waste]                 [discard]
//
// A card is exposed when both cards covering it are gone. Click one card to
// mark it and a second to pair them; a king is removed by a click. The waste
// may be turned back into the stock twice (three passes). Ace 1, jack 11,
// queen 12, king 13. Score: the cards removed. The hint names the pair (or
// king) that takes most cards off the pyramid and uncovers most, looking
// one move further.
#include <algorithm>
#include <array>

#include "layout.h"
#include "pairing.h"
#include "simple_hint.h"

namespace {

using namespace kit;

constexpr int kRows = 7, kCells = kRows * (kRows + 1) / 2, kPitch = 50, kRowStep = 32, kMargin = 8;
constexpr int kLowerY = kMargin + (kRows - 1) * kRowStep + kCardHeight + 16;
constexpr int kWidth = 2 * kMargin + (kRows - 1) * kPitch + kCardWidth;
constexpr int kRedeals = 2;

class Pyramid : public Pairing {
public:
    Pyramid() : Pairing("Pyramid", {kWidth, kLowerY + kCardHeight + kMargin})
    {
        addPyramid(kRows, kMargin, kMargin, kPitch, kRowStep);
        stock_ = addPile(Role::Stock, kMargin, kLowerY, TS_FAN_COUNTED, TS_BASE_STOCK_REDEAL, 24);
        waste_ = addPile(Role::Waste, kMargin + kCardWidth + 10, kLowerY, TS_FAN_SQUARED, TS_BASE_WASTE, 24);
        setDiscard(addPile(Role::Discard, kWidth - kMargin - kCardWidth, kLowerY, TS_FAN_COUNTED, TS_BASE_DISCARD, TS_CARDS));
        keepState(s_);
    }

private:
    struct State {
        int32_t redealsLeft;
    } s_{};

    void resetState() override { s_.redealsLeft = kRedeals; }

    void deal() override
    {
        const std::vector<Card> cards = shuffled(fullDecks(1));
        size_t next = 0;
        for (int p = 0; p < kCells; ++p) dealCard(p, cards[next++]);
        while (next < cards.size()) dealCard(stock_, cards[next++], Face::Down);
    }

    bool goesAlone(int p) const override { return IsKing(top(p)); }

    void stockClicked() override
    {
        if (topMarked(waste_)) markTop(waste_, false);
        if (!empty(stock_)) {
            moveTop(stock_, waste_);
        } else if (s_.redealsLeft > 0 && recycle(waste_, stock_)) {
            --s_.redealsLeft;
        }
    }
    bool stockCanMove() const override { return !empty(stock_) || (s_.redealsLeft > 0 && !empty(waste_)); }

    bool won() const override
    {
        for (int p = 0; p < kCells; ++p)
            if (!empty(p)) return false;
        return true;
    }
    int points() const override { return count(discardPile()); }
    std::string messageText() const override
    {
        return "Redeals left: " + std::to_string(s_.redealsLeft);  // the stock shows its own count
    }
    void stateFromTable() override { s_.redealsLeft = 0; }

    enum Option { kHint };
    void addOptions() override { host().addOption(kHint, kHintOptionText); }
    void optionChosen(int option) override
    {
        if (option == kHint && playing()) showHint();
    }

    // The hint's search: the pyramid's cells (kNoCard when gone) and the
    // waste, bottom first. Slot kCells is the waste's top card.
    struct Sight {
        std::array<Card, kCells> cells;
        std::vector<Card> waste;
    };
    struct Removal {
        int a, b;  // slots; b < 0 for a king alone
    };
    static constexpr int kWasteSlot = kCells;
    static bool Covered(const Sight& s, int cell)
    {
        int row = 0;
        while ((row + 1) * (row + 2) / 2 <= cell) ++row;
        if (row == kRows - 1) return false;
        const int below = cell + row + 1;
        return s.cells[static_cast<size_t>(below)] != kNoCard || s.cells[static_cast<size_t>(below + 1)] != kNoCard;
    }
    static Card At(const Sight& s, int slot)
    {
        if (slot == kWasteSlot) return s.waste.empty() ? kNoCard : s.waste.back();
        return Covered(s, slot) ? kNoCard : s.cells[static_cast<size_t>(slot)];
    }
    static std::vector<Removal> Removals(const Sight& s)
    {
        std::vector<Removal> out;
        for (int a = 0; a <= kWasteSlot; ++a) {
            const Card ca = At(s, a);
            if (ca == kNoCard) continue;
            if (IsKing(ca)) out.push_back({a, -1});
            for (int b = a + 1; b <= kWasteSlot; ++b)
                if (At(s, b) != kNoCard && AddsUpTo13(ca, At(s, b))) out.push_back({a, b});
        }
        return out;
    }
    static int FreeCells(const Sight& s)
    {
        int n = 0;
        for (int c = 0; c < kCells; ++c) n += s.cells[static_cast<size_t>(c)] != kNoCard && !Covered(s, c) ? 1 : 0;
        return n;
    }
    static void Take(Sight& s, int slot)
    {
        if (slot == kWasteSlot) s.waste.pop_back();
        else if (slot >= 0) s.cells[static_cast<size_t>(slot)] = kNoCard;
    }
    // Cards off the pyramid weigh most, then the cards it leaves free; the
    // best next removal counts as well, once.
    static int Value(const Sight& s, Removal r, bool further)
    {
        Sight after = s;
        Take(after, r.a);
        Take(after, r.b);
        const int offPyramid = (r.a < kCells ? 1 : 0) + (r.b >= 0 && r.b < kCells ? 1 : 0);
        int value = 100 * offPyramid + 10 * FreeCells(after);
        if (!further) return value;
        int next = 0;
        for (Removal n : Removals(after)) next = std::max(next, Value(after, n, false));
        return value + next;
    }

    void showHint()
    {
        Sight s;
        for (int c = 0; c < kCells; ++c) s.cells[static_cast<size_t>(c)] = empty(c) ? kNoCard : top(c);
        for (int k = 0; k < count(waste_); ++k) s.waste.push_back(cardAt(waste_, k));
        Removal best{-1, -1};
        int bestValue = -1;
        for (Removal r : Removals(s)) {
            const int value = Value(s, r, true);
            if (value > bestValue) {
                best = r;
                bestValue = value;
            }
        }
        const auto pileOf = [&](int slot) { return slot == kWasteSlot ? waste_ : slot; };
        if (best.a >= 0 && best.b < 0) {
            showHintMark(pileOf(best.a));
            showMessage(HintText("remove the %", {top(pileOf(best.a))}, messageRoom()));
        } else if (best.a >= 0) {
            showHintMark(pileOf(best.a));
            showMessage(HintText("% with the %", {top(pileOf(best.a)), top(pileOf(best.b))}, messageRoom()));
        } else if (!empty(stock_)) {
            showHintMark(stock_);
            showMessage("Hint: deal from the stock");
        } else if (stockCanMove()) {
            showMessage("Hint: turn the waste over");
        } else {
            showMessage("Hint: no move helps");
        }
    }

    int stock_, waste_;
};

}  // namespace

LUMORA_GAME(Pyramid)

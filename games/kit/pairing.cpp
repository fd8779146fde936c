// SPDX-License-Identifier: MIT
#include "pairing.h"

namespace kit {

bool Pairing::available(int p) const
{
    const Role r = role(p);
    return (r == Role::Tableau || r == Role::Waste || r == Role::Reserve || r == Role::Cell) && uncovered(p);
}

bool Pairing::stockCanMove() const
{
    for (int s : piles(Role::Stock))
        if (!empty(s)) return true;
    return false;
}

std::vector<int> Pairing::availablePiles() const
{
    std::vector<int> out;
    for (int p = 0; p < pileCount(); ++p)
        if (available(p)) out.push_back(p);
    return out;
}

int Pairing::markedPile() const
{
    for (int p : availablePiles())
        if (topMarked(p)) return p;
    return -1;
}

int16_t Pairing::pressed(int p, int index)
{
    if (role(p) == Role::Stock) {
        stockClicked();
        return TS_HIT_NOTHING;
    }
    if (!available(p) || index != count(p) - 1) return TS_HIT_NOTHING;
    const int marked = markedPile();
    if (marked == p) {
        markTop(p, false);
        return TS_HIT_NOTHING;
    }
    if (goesAlone(p)) {
        if (marked >= 0) markTop(marked, false);
        moveTop(p, discard_);
        removed(p, -1);
        return TS_HIT_NOTHING;
    }
    if (marked >= 0 && pairs(marked, p)) {
        moveTop(marked, discard_);
        moveTop(p, discard_);
        removed(marked, p);
        return TS_HIT_NOTHING;
    }
    if (marked >= 0) markTop(marked, false);
    return TS_HIT_MARK;
}

void Pairing::doubleClicked(int p, int index)
{
    // The second click of a double click counts as a click of its own.
    if (pressed(p, index) == TS_HIT_MARK) markTop(p, true);
}

bool Pairing::autoStep()
{
    for (int p : availablePiles()) {
        if (goesAlone(p)) {
            moveTop(p, discard_);
            removed(p, -1);
            return true;
        }
    }
    return false;
}

bool Pairing::lost() const
{
    if (stockCanMove()) return false;
    const std::vector<int> open = availablePiles();
    for (size_t a = 0; a < open.size(); ++a) {
        if (goesAlone(open[a])) return false;
        for (size_t b = a + 1; b < open.size(); ++b)
            if (pairs(open[a], open[b])) return false;
    }
    return true;
}

}  // namespace kit

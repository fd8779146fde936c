// SPDX-License-Identifier: MIT
//
// Card sizes and evenly spaced columns, in small-card pixels: the units of
// every position a game gives the host.
#pragma once

namespace kit {

inline constexpr int kCardWidth = 45, kCardHeight = 63, kFanStep = 10;

// Columns of cards spaced evenly from a margin.
struct Grid {
    int margin = 8;
    int pitch = kCardWidth + 10;

    constexpr int x(int column) const { return margin + pitch * column; }
    // The width that holds `columns` columns with the margin on both sides.
    constexpr int width(int columns) const { return x(columns - 1) + kCardWidth + margin; }
    // The height that holds `cards` cards fanned down from `y`, and the margin.
    constexpr int below(int y, int cards) const { return y + (cards - 1) * kFanStep + kCardHeight + margin; }
};

}  // namespace kit

// SPDX-License-Identifier: MIT
//
// Card sizes, evenly spaced columns and rows, in small-card pixels: the
// units of every position a game gives the host.
#pragma once

namespace kit {

inline constexpr int kCardWidth = 45, kCardHeight = 63, kFanStep = 10;

// Columns of cards spaced evenly from a margin.
struct Grid {
    int margin = 8;
    int pitch = kCardWidth + 10;
    int rowPitch = kCardHeight + 12;  // rows of squared piles (Gaps, Monte Carlo)

    constexpr int x(int column) const { return margin + pitch * column; }
    constexpr int y(int row) const { return margin + rowPitch * row; }
    // The height that holds `rows` rows of squared piles with the margin on both sides.
    constexpr int height(int rows) const { return y(rows - 1) + kCardHeight + margin; }
    // The width that holds `columns` columns with the margin on both sides.
    constexpr int width(int columns) const { return x(columns - 1) + kCardWidth + margin; }
    // The height that holds `cards` cards fanned down from `y`, and the margin.
    constexpr int below(int y, int cards) const { return y + (cards - 1) * kFanStep + kCardHeight + margin; }
};

// The x of the first of `count` piles `pitch` apart, centred in `width`.
constexpr int CentredRow(int width, int count, int pitch) { return (width - ((count - 1) * pitch + kCardWidth)) / 2; }

}  // namespace kit

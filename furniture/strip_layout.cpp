#include "furniture/strip_layout.h"

namespace furniture {

int ButtonAt(int32_t x, int32_t y)
{
    if (x >= kScoreLeft || y >= kStripHeight) return -1;
    const int32_t index = x / kButtonWidth;
    return index >= 0 && index < kButtons ? static_cast<int>(index) : -1;
}

bool OnButton(int index, int32_t x, int32_t y)
{
    return y >= 0 && y < kStripHeight && x >= kButtonWidth * index && x < kButtonWidth * (index + 1);
}

table::Rect ButtonRect(int index) { return {kButtonWidth * index, 0, kButtonWidth * (index + 1), kStripHeight}; }

StripParts StripPartsIn(const table::Rect& area)
{
    if (area.top >= kStripHeight) return {};
    return {area.left<kScoreLeft, area.right> kScoreLeft, area.right > kMessageLeft};
}

table::Rect ScoreTextRect() { return {kScoreLeft, 0, kMessageLeft, kStripHeight}; }

table::Rect MessageTextRect(int32_t clientWidth) { return {kMessageLeft, 0, clientWidth, kStripHeight}; }

ThumbnailCopy ThumbnailCopyFor(const table::Rect& item)
{
    const int32_t w = static_cast<int16_t>(item.Width());
    const int32_t h = static_cast<int16_t>(item.Height());
    int32_t x = item.left;
    if (w > kThumbnailWidth) x += (w - kThumbnailWidth) / 2;
    return {x, item.top, w < kThumbnailWidth ? w : kThumbnailWidth, h};
}

}  // namespace furniture

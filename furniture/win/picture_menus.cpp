#include "furniture/win/furniture.h"

namespace furniture {

namespace {
constexpr int kThumbnailItemWidth = 86;
constexpr int kThumbnailItemHeight = 71;
}  // namespace

void BuildPictureMenus() {}

void MeasureThumbnailItem(MEASUREITEMSTRUCT& item)
{
    item.itemWidth = kThumbnailItemWidth;
    item.itemHeight = kThumbnailItemHeight;
}

void DrawThumbnailItem(const DRAWITEMSTRUCT& /*item*/) {}

}  // namespace furniture

#include "core/table_extent.h"

namespace core {

Extent TableExtent(int32_t smallWidth, int32_t smallHeight, table::CardSize size)
{
    return {table::ToCardSize(smallWidth, size), table::ToCardSize(smallHeight, size)};
}

table::Point PlaceTableOrigin(int32_t clientWidth, int32_t clientHeight, const Extent& t)
{
    // The table's size comes from its module unchecked: worked out in 64
    // bits, the origin stays within the client area whatever it is.
    auto within = [](int64_t v, int32_t most) { return static_cast<int32_t>(v < 0 ? 0 : v > most ? most : v); };
    const int64_t x = (int64_t{clientWidth} - t.width) / 2;
    const int64_t y = (int64_t{clientHeight} - t.height - kStripHeight) / 2 + kStripHeight;
    return {within(x, clientWidth < 0 ? 0 : clientWidth), within(y, clientHeight < 0 ? 0 : clientHeight)};
}

}  // namespace core

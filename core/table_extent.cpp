#include "core/table_extent.h"

namespace core {

Extent TableExtent(int32_t smallWidth, int32_t smallHeight, table::CardSize size)
{
    return {table::ToCardSize(smallWidth, size), table::ToCardSize(smallHeight, size)};
}

table::Point PlaceTableOrigin(int32_t clientWidth, int32_t clientHeight, const Extent& t)
{
    int32_t x = (clientWidth - t.width) / 2;
    int32_t y = (clientHeight - t.height - kStripHeight) / 2 + kStripHeight;
    if (x < 0) x = 0;
    if (y < 0) y = 0;
    return {x, y};
}

}  // namespace core

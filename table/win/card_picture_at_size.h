// A card library's picture at any pixel size: made from the smallest
// stored copy at least that large (shrunk with an area filter), or, from a
// library that holds the numbered bitmaps alone, scaled from those.
#pragma once

#include "core/win/handles.h"
#include "table/card_metrics.h"
#include "table/picture_ladder.h"

namespace table {

// Picture `number` (PipPicture, BackPicture, ... of face_map.h) of the
// library of `size` as a device bitmap of `pixels`, through the host
// palette; null when that library is not open or lacks the picture.
core::Bitmap LoadCardPictureAtSize(CardSize size, int number, PictureSize pixels);

}  // namespace table

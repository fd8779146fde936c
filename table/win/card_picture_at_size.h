// A card library's picture at any pixel size: made from the smallest
// stored copy at least that large (shrunk with an area filter), or, from a
// library that holds the numbered bitmaps alone, scaled from those.
#pragma once

#include "platform/win/handles.h"
#include "platform/win/picture_surface.h"
#include "table/card_metrics.h"
#include "table/picture_ladder.h"

namespace table {

// Picture `number` (PipPicture, BackPicture, ... of face_map.h) of the
// library of `size` as a device bitmap of `pixels` for the surface's window,
// through its palette; null when that library is not open or lacks the
// picture.
platform::Bitmap LoadCardPictureAtSize(CardSize size, int number, PictureSize pixels,
                                       const platform::PictureSurface& surface);

}  // namespace table
